// The viewer's main window as the program makes it, through the document template, against
// the fake server on a real X display: the three trees as tabs, the tab switch, Refresh, the
// looks. The screenshot is kept as main-frame.bmp beside the test.
#include "../ReportTestSupport.h"

#include <ApplicationLook.h>
#include <MainFrame.h>
#include <Report.h>
#include <TreeObject.h>
#include <ViewerResources.h>

#include <guitoolkit/controls/tests/screen/ScreenSupport.h>
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The application keeps its layout and look in a scratch profile.
class CFrameTestApp : public CReportTestApp, public CGTWorkspace {
public:
    CFrameTestApp()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kProfile);
        SetRegistryKey(L"ZorvaneTests");
        SetRegistryBase(L"Settings");
        m_SaveEnabled = FALSE;
    }
    ~CFrameTestApp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kProfile); }

    static constexpr const wchar_t* kProfile = L"SOFTWARE\\ZorvaneTests";
};

// Rows of (id, name, children) under the count column's name.
_Recordset* Objects(const wchar_t* iCount, const std::vector<std::pair<long, const wchar_t*>>& iRows)
{
    std::vector<_variant_t> values;
    for (const auto& row : iRows) {
        values.push_back(_variant_t(row.first));
        values.push_back(_variant_t(row.second));
        values.push_back(_variant_t(1L));
    }
    return MakeRecordset({{L"ID", adInteger, 4}, {L"Name", adVarWChar, 64}, {iCount, adInteger, 4}}, values);
}

_Recordset* OneRow(long iId, const wchar_t* iName)
{
    return Summary({{_variant_t(iId), _variant_t(iName), _variant_t(3600000.0), _variant_t(10.0), _variant_t(5.0)}});
}

size_t Requests(const TFakeZorvane& iServer, ZorvaneObjectType iType)
{
    const auto& requests = iServer.script.activityRequests;
    return static_cast<size_t>(std::count_if(requests.begin(), requests.end(), [iType](const auto& iRequest) {
        return iRequest.ObjectType == iType && iRequest.UserId == 0 && iRequest.ComputerId == 0 &&
            iRequest.ProcessId == 0;
    }));
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteServerName(L"reports01");
        m_Activation = new TFakeActivation(m_Server);
        SetServerActivation(m_Activation);
        // The root levels in the order the trees load them, the program's information, then
        // the report of the first program, which the view selects when it first shows.
        Script(Objects(L"Computers", {{1, L"alice"}, {2, L"bob"}}));
        Script(Objects(L"Users", {{3, L"ws-1"}}));
        Script(Objects(L"Users", {{5, L"winword.exe"}}));
        Script(Program(L"Word", L"winword.exe"));
        Script(OneRow(1, L"alice"));
        m_App.AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CZVViewerDoc),
                                                    RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CRightView)));
        m_App.OnFileNew();
        m_Frame = dynamic_cast<CMainFrame*>(m_App.m_pMainWnd);
        ASSERT_NE(nullptr, m_Frame);
        m_Frame->MoveWindow(0, 0, 1000, 700);
        m_Frame->ShowWindow(SW_SHOW);
        LetItDraw(20);
    }
    void TearDown() override
    {
        if (m_Frame)
            m_Frame->SendMessage(WM_CLOSE);
        LetItDraw(5);
        SetServerActivation(new TComServerActivation);
    }

    void Script(_Recordset* iAnswer) { m_Server.script.recordsets.push_back(iAnswer); }
    CTreeObject* Current(UINT iBar) { return m_Frame->FindWorkSpaceBar(iBar)->GetReports().GetCurrentObject(); }
    CGTBaseTabWnd* Tabs()
    {
        return dynamic_cast<CGTBaseTabWnd*>(m_Frame->FindWorkSpaceBar(CMainFrame::kUsersBarId)->GetParent());
    }
    // The users tree's tab, its first user selected and his report built.
    CTreeCtrl& ShowUsers()
    {
        Script(OneRow(3, L"ws-1"));
        Tabs()->SetActiveTab(0);
        LetItDraw(10);
        return *m_Frame->GetViewerTree(ViewerTree::Users);
    }
    // A click on the item's expand button, as a user collapses or expands it.
    static void ClickButton(CTreeCtrl& ioTree, HTREEITEM iItem)
    {
        CRect row;
        ioTree.GetItemRect(iItem, row, TRUE);
        for (CPoint point(0, row.CenterPoint().y); point.x < row.left; ++point.x) {
            UINT flags = 0;
            if (ioTree.HitTest(point, &flags) == iItem && (flags & TVHT_ONITEMBUTTON)) {
                ioTree.ClientToScreen(&point);
                ClickAt(point);
                LetItDraw(5);
                return;
            }
        }
        ADD_FAILURE() << "no expand button";
    }
    std::wstring StatusText()
    {
        CString text;
        m_Frame->GetDlgItem(AFX_IDW_STATUS_BAR)->GetWindowText(text);
        return static_cast<LPCWSTR>(text);
    }

    CFrameTestApp m_App;
    TFakeZorvane m_Server;
    SmartPtr<TFakeActivation> m_Activation;
    CMainFrame* m_Frame = nullptr;
};

TEST_F(MainFrameTest, ShowsTheThreeTreesAsTabsAndTheFirstProgramsReport)
{
    for (const auto& box : m_App.boxes)
        ADD_FAILURE() << std::string(box.text.begin(), box.text.end());
    EXPECT_EQ(static_cast<UINT>(CMainFrame::kApplicationsBarId), m_Frame->GetActiveBarId());
    EXPECT_EQ(2u, m_Frame->GetViewerTree(ViewerTree::Users)->GetCount());
    EXPECT_EQ(1u, m_Frame->GetViewerTree(ViewerTree::Computers)->GetCount());
    EXPECT_EQ(1u, m_Frame->GetViewerTree(ViewerTree::Applications)->GetCount());
    EXPECT_EQ(m_Frame->GetActiveView(), m_Frame->GetReportView()) << "the document handed its view over";
    CTreeObject* program = Current(CMainFrame::kApplicationsBarId);
    ASSERT_NE(nullptr, program);
    EXPECT_NE(nullptr, program->GetReport());
    CString title;
    m_Frame->GetWindowText(title);
    EXPECT_EQ(L"ZVViewer", std::wstring(title));
    CWnd* users = m_Frame->FindWorkSpaceBar(CMainFrame::kUsersBarId);
    EXPECT_EQ(users->GetParent(), m_Frame->FindWorkSpaceBar(CMainFrame::kApplicationsBarId)->GetParent());
    for (UINT bar : {static_cast<UINT>(AFX_IDW_TOOLBAR), static_cast<UINT>(AFX_IDW_STATUS_BAR)})
        EXPECT_TRUE(m_Frame->GetDlgItem(bar) && m_Frame->GetDlgItem(bar)->IsWindowVisible()) << bar;

    CRect window;
    m_Frame->GetWindowRect(window);
    const Screenshot shot(window);
    shot.Save(L"main-frame.bmp");
    EXPECT_GT(shot.Count(ToPixel(RGB(255, 255, 255)), window), window.Width() * 10);
}

TEST_F(MainFrameTest, ATabSwitchReleasesTheOldReportAndBuildsTheNew)
{
    CTreeObject* program = Current(CMainFrame::kApplicationsBarId);
    ASSERT_NE(nullptr, program);
    ASSERT_NE(nullptr, Tabs());
    // The users tree selects its first user, whose report asks the server once.
    ShowUsers();
    EXPECT_EQ(static_cast<UINT>(CMainFrame::kUsersBarId), m_Frame->GetActiveBarId());
    EXPECT_EQ(nullptr, program->GetReport());
    CTreeObject* user = Current(CMainFrame::kUsersBarId);
    ASSERT_NE(nullptr, user);
    EXPECT_EQ(L"alice", std::wstring(user->GetName()));
    EXPECT_NE(nullptr, user->GetReport());
}

TEST_F(MainFrameTest, RefreshReloadsOnlyTheActiveTree)
{
    const size_t users = Requests(m_Server, ZorvaneUser), computers = Requests(m_Server, ZorvaneComputer),
                 programs = Requests(m_Server, ZorvaneProcess);
    Script(Objects(L"Users", {{5, L"winword.exe"}, {6, L"calc.exe"}}));
    Script(Program(L"Calculator", L"calc.exe"));
    Script(OneRow(1, L"alice"));
    m_Frame->SendMessage(WM_COMMAND, ID_VIEW_REFRESH);
    LetItDraw(10);
    EXPECT_EQ(users, Requests(m_Server, ZorvaneUser));
    EXPECT_EQ(computers, Requests(m_Server, ZorvaneComputer));
    EXPECT_EQ(programs + 1, Requests(m_Server, ZorvaneProcess));
    EXPECT_EQ(2u, m_Frame->GetViewerTree(ViewerTree::Applications)->GetCount());
    EXPECT_NE(nullptr, Current(CMainFrame::kApplicationsBarId));
}

// A collapse deletes the items below, and with them the object whose report is shown.
TEST_F(MainFrameTest, CollapsingTheCurrentItemsParentForgetsItsObject)
{
    CTreeCtrl& users = ShowUsers();
    const HTREEITEM alice = users.GetRootItem();
    Script(Objects(L"Processes", {{3, L"ws-1"}}));
    users.Expand(alice, TVE_EXPAND);
    const HTREEITEM computer = users.GetChildItem(alice);
    ASSERT_NE(nullptr, computer);
    Script(OneRow(5, L"winword.exe"));
    users.SelectItem(computer);
    LetItDraw(5);
    ASSERT_EQ(L"ws-1", std::wstring(Current(CMainFrame::kUsersBarId)->GetName()));
    Script(OneRow(3, L"ws-1"));
    ClickButton(users, alice);
    EXPECT_EQ(nullptr, users.GetChildItem(alice));
    Script(OneRow(3, L"ws-1"));
    users.SelectItem(users.GetNextSiblingItem(alice));
    LetItDraw(5);
    ASSERT_NE(nullptr, Current(CMainFrame::kUsersBarId));
    EXPECT_EQ(L"bob", std::wstring(Current(CMainFrame::kUsersBarId)->GetName()));
}

// A double-click on a report row selects that row's object below the selected item, also
// when the item was expanded and collapsed before.
TEST_F(MainFrameTest, DrillDownWorksAfterTheItemWasCollapsed)
{
    CTreeCtrl& programs = *m_Frame->GetViewerTree(ViewerTree::Applications);
    const HTREEITEM word = programs.GetRootItem();
    Script(Objects(L"Count", {{1, L"alice"}}));
    ClickButton(programs, word);
    ASSERT_NE(nullptr, programs.GetChildItem(word));
    ClickButton(programs, word);
    ASSERT_EQ(nullptr, programs.GetChildItem(word));
    programs.SelectItem(word);
    Script(Objects(L"Count", {{1, L"alice"}}));
    Script(OneRow(9, L"Notes"));
    m_Frame->SelectChildById(1);
    LetItDraw(5);
    CTreeObject* current = Current(CMainFrame::kApplicationsBarId);
    ASSERT_NE(nullptr, current);
    EXPECT_EQ(L"alice", std::wstring(current->GetName()));
    EXPECT_NE(nullptr, current->GetReport());
}

// COM's modal loop lets commands in while the server is asked: those that would delete what
// the call builds, or start another, wait for its answer.
TEST_F(MainFrameTest, CommandsDuringAServerCallAreRefusedAndSaySo)
{
    CTreeObject* program = Current(CMainFrame::kApplicationsBarId);
    ASSERT_NE(nullptr, program);
    const size_t requests = m_Server.script.activityRequests.size();
    std::wstring status;
    m_Server.script.duringSummary = [&] {
        m_Server.script.duringSummary = nullptr;
        m_Frame->SendMessage(WM_COMMAND, ID_VIEW_REFRESH);
        Tabs()->SetActiveTab(0);
        m_Frame->SendMessage(WM_COMMAND, ID_VIEW_OPTIONS);
        m_Frame->SelectChildById(1);
        status = StatusText();
    };
    Script(OneRow(1, L"alice"));
    m_Frame->RefreshCurrentReport();
    LetItDraw(5);
    EXPECT_EQ(requests + 1, m_Server.script.activityRequests.size());
    EXPECT_EQ(std::wstring(CString(MAKEINTRESOURCEW(IDS_SERVER_BUSY))), status);
    EXPECT_EQ(static_cast<UINT>(CMainFrame::kApplicationsBarId), m_Frame->GetActiveBarId());
    EXPECT_EQ(2, Tabs()->GetActiveTab());
    EXPECT_EQ(program, Current(CMainFrame::kApplicationsBarId));
    ASSERT_NE(nullptr, program->GetReport());
    EXPECT_EQ(1u, program->GetReport()->GetChartPoints().size());
    EXPECT_TRUE(m_App.boxes.empty());

    Script(Objects(L"Users", {{5, L"winword.exe"}}));
    Script(OneRow(1, L"alice"));
    m_Frame->SendMessage(WM_COMMAND, ID_VIEW_REFRESH);
    LetItDraw(5);
    EXPECT_EQ(requests + 3, m_Server.script.activityRequests.size());
}

TEST_F(MainFrameTest, ALookCommandIsStoredAtOnce)
{
    EXPECT_EQ(static_cast<int>(kDefaultLook), m_Frame->GetLook());
    m_Frame->SendMessage(WM_COMMAND, 32827);
    EXPECT_EQ(32827, m_Frame->GetLook());
    EXPECT_EQ(RUNTIME_CLASS(CGTVisualManagerXP), CGTVisualManager::GetManagerClass());
    DWORD stored = 0, size = sizeof stored;
    EXPECT_EQ(ERROR_SUCCESS,
              RegGetValueW(HKEY_CURRENT_USER, m_App.GetRegSectionPath(), L"ApplicationLook", RRF_RT_REG_DWORD, nullptr,
                           &stored, &size));
    EXPECT_EQ(32827u, stored);
    EXPECT_EQ(32827u, ReadApplicationLook());
}

}  // namespace
