// Frames: command routing through view, frame and application, command updates of menus
// and controls, the layout of bars, and idle-time updates of the message pump.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "test_resource.h"

namespace {
enum : UINT {
    ID_SHARED = 0x8100,  // every target has a handler that passes it on
    ID_APP_ONLY = 0x8101,
    ID_CHECKED = 0x8102,  // the frame's update checks it
    ID_NO_HANDLER = 0x8103,
    ID_DISABLED = 0x8104,       // the update disables it; its handler must not run
    ID_COMBO_UPDATED = 0x8105,  // a combo box whose update the frame counts
};

std::vector<std::string> g_trace;

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp(L"MfcWinTests") {}
    std::vector<CString> m_prompts;
    int DoMessageBox(LPCWSTR lpszPrompt, UINT, UINT) override
    {
        m_prompts.push_back(lpszPrompt);
        return IDOK;
    }

protected:
    afx_msg void OnShared() { g_trace.push_back("app"); }
    afx_msg void OnAppOnly() { g_trace.push_back("app only"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_SHARED, &CTestApp::OnShared)
    ON_COMMAND(ID_APP_ONLY, &CTestApp::OnAppOnly)
END_MESSAGE_MAP()

class CTestView : public CView {
    DECLARE_DYNCREATE(CTestView)
public:
    void OnDraw(CDC*) override {}

protected:
    afx_msg BOOL OnShared(UINT)
    {
        g_trace.push_back("view");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CTestView, CView)
BEGIN_MESSAGE_MAP(CTestView, CView)
    ON_COMMAND_EX(ID_SHARED, &CTestView::OnShared)
END_MESSAGE_MAP()

class CTestFrame : public CFrameWnd {
public:
    int m_nDisabledRuns = 0;
    int m_nComboUpdates = 0;

protected:
    afx_msg BOOL OnShared(UINT)
    {
        g_trace.push_back("frame");
        return FALSE;
    }
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnChecked() {}
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnDisabled() { m_nDisabledRuns++; }
    afx_msg void OnUpdateCombo(CCmdUI*) { m_nComboUpdates++; }
    afx_msg void OnBarHandled() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND_EX(ID_SHARED, &CTestFrame::OnShared)
    ON_UPDATE_COMMAND_UI(ID_CHECKED, &CTestFrame::OnUpdateChecked)
    ON_COMMAND(ID_CHECKED, &CTestFrame::OnChecked)
    ON_UPDATE_COMMAND_UI(ID_DISABLED, &CTestFrame::OnUpdateDisabled)
    ON_COMMAND(ID_DISABLED, &CTestFrame::OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_COMBO_UPDATED, &CTestFrame::OnUpdateCombo)
    ON_COMMAND(ID_BAR_HANDLED, &CTestFrame::OnBarHandled)
END_MESSAGE_MAP()

// A bar of fixed thickness along one edge that counts its idle updates.
class CTestBar : public CControlBar {
public:
    CTestBar(DWORD dwAlign, int nThickness) : m_nThickness(nThickness) { m_dwStyle = dwAlign; }
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override
    {
        return bHorz ? CSize(32767, m_nThickness) : CSize(m_nThickness, 32767);
    }
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) override
    {
        m_nUpdates++;
        if (m_onUpdate)
            m_onUpdate(pTarget);
    }
    BOOL Create(CWnd* pParent, UINT nID)
    {
        return CWnd::Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
    }
    int m_nUpdates = 0;
    void (*m_onUpdate)(CFrameWnd*) = nullptr;

private:
    int m_nThickness;
};

struct FrameFixture : public ::testing::Test {
    CTestApp app;
    CTestFrame* pFrame = nullptr;
    CTestView* pView = nullptr;

    void SetUp() override
    {
        g_trace.clear();
        pFrame = new CTestFrame;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CTestView);
        ASSERT_TRUE(pFrame->Create(nullptr, L"Frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, nullptr, 0,
                                   &context));
        pView = static_cast<CTestView*>(pFrame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
        ASSERT_NE(pView, nullptr);
        pFrame->SetActiveView(pView);
        app.m_pMainWnd = pFrame;
    }
    void TearDown() override
    {
        if (app.m_pMainWnd != nullptr)
            pFrame->DestroyWindow();
        MSG msg;  // the quit message that the main window's end posted
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {}
    }
};
}  // namespace

TEST_F(FrameFixture, CommandsReachViewThenFrameThenApplication)
{
    pFrame->SendMessage(WM_COMMAND, ID_SHARED);
    EXPECT_EQ(g_trace, (std::vector<std::string>{"view", "frame", "app"}));

    g_trace.clear();
    pFrame->SendMessage(WM_COMMAND, ID_APP_ONLY);
    EXPECT_EQ(g_trace, (std::vector<std::string>{"app only"}));
}

TEST_F(FrameFixture, DisabledCommandIsNotRun)
{
    pFrame->SendMessage(WM_COMMAND, ID_DISABLED);
    EXPECT_EQ(pFrame->m_nDisabledRuns, 0);
}

TEST_F(FrameFixture, CommandUpdatesSetMenuItemsAndControls)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_CHECKED, L"Checked");
    menu.AppendMenu(MF_STRING, ID_NO_HANDLER, L"No handler");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_APP_ONLY, L"Application");
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, 0);
    EXPECT_TRUE(menu.GetMenuState(ID_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(menu.GetMenuState(ID_CHECKED, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(ID_NO_HANDLER, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(menu.GetMenuState(ID_APP_ONLY, MF_BYCOMMAND) & MF_GRAYED);

    CButton check, push;
    ASSERT_TRUE(check.Create(L"c", WS_CHILD | BS_CHECKBOX, CRect(0, 0, 20, 20), pView, ID_CHECKED));
    ASSERT_TRUE(push.Create(L"p", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 20, 20), pView, ID_NO_HANDLER));
    pView->UpdateDialogControls(pFrame, TRUE);
    EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    EXPECT_TRUE(check.IsWindowEnabled());
    EXPECT_FALSE(push.IsWindowEnabled());
}

namespace {
// A combo box that updates itself; counts what reaches its update.
class CSelfUpdatingCombo : public CComboBox {
public:
    int m_nUpdates = 0;

protected:
    afx_msg void OnUpdateSelf(CCmdUI*) { m_nUpdates++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfUpdatingCombo, CComboBox)
    ON_UPDATE_COMMAND_UI_REFLECT(&CSelfUpdatingCombo::OnUpdateSelf)
END_MESSAGE_MAP()
}  // namespace

TEST_F(FrameFixture, AComboBoxOutOfMemoryNotificationIsNoCommandUpdate)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 50, 80), pFrame, ID_COMBO_UPDATED));
    CSelfUpdatingCombo selfUpdating;
    ASSERT_TRUE(selfUpdating.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 50, 80), pView, 10));
    pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(ID_COMBO_UPDATED, CBN_ERRSPACE), (LPARAM)combo.m_hWnd);
    pView->SendMessage(WM_COMMAND, MAKEWPARAM(10, CBN_ERRSPACE), (LPARAM)selfUpdating.m_hWnd);
    EXPECT_EQ(pFrame->m_nComboUpdates, 0);
    EXPECT_EQ(selfUpdating.m_nUpdates, 0);

    // The idle update still reaches both.
    pFrame->UpdateDialogControls(pFrame, TRUE);
    pView->UpdateDialogControls(pFrame, TRUE);
    EXPECT_EQ(pFrame->m_nComboUpdates, 1);
    EXPECT_EQ(selfUpdating.m_nUpdates, 1);
}

TEST_F(FrameFixture, BarsAndFramesForgetEachOtherWhicheverGoesFirst)
{
    CTestBar* pBar = new CTestBar(CBRS_ALIGN_TOP, 20);
    ASSERT_TRUE(pBar->Create(pFrame, AFX_IDW_TOOLBAR));
    ASSERT_EQ(pFrame->GetControlBar(AFX_IDW_TOOLBAR), pBar);
    delete pBar;  // while its window lives
    EXPECT_EQ(pFrame->m_listControlBars.Find(pBar), nullptr);
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_TOOLBAR), nullptr);

    // A floating bar outlives its frame.
    CWnd palette;
    ASSERT_TRUE(palette.CreateEx(0, AfxRegisterWndClass(0), L"palette", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    CTestBar floating(CBRS_ALIGN_TOP, 20);
    ASSERT_TRUE(floating.Create(&palette, AFX_IDW_STATUS_BAR));
    floating.m_pDockSite = pFrame;
    pFrame->AddControlBar(&floating);
    pFrame->DestroyWindow();
    app.m_pMainWnd = nullptr;
    EXPECT_EQ(floating.m_pDockSite, nullptr);
}

TEST_F(FrameFixture, RecalcLayoutPlacesBarsAndPane)
{
    CTestBar* pTop = new CTestBar(CBRS_ALIGN_TOP, 20);
    CTestBar* pBottom = new CTestBar(CBRS_ALIGN_BOTTOM, 15);
    pTop->m_bAutoDelete = pBottom->m_bAutoDelete = TRUE;
    ASSERT_TRUE(pTop->Create(pFrame, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(pBottom->Create(pFrame, AFX_IDW_STATUS_BAR));
    pFrame->RecalcLayout();

    CRect client;
    pFrame->GetClientRect(&client);
    auto placed = [&](CWnd* pWnd) {
        CRect rect;
        pWnd->GetClientRect(&rect);
        pWnd->MapWindowPoints(pFrame, &rect);
        return rect;
    };
    EXPECT_EQ(placed(pTop), CRect(0, 0, client.right, 20));
    EXPECT_EQ(placed(pBottom), CRect(0, client.bottom - 15, client.right, client.bottom));
    EXPECT_EQ(placed(pView), CRect(0, 20, client.right, client.bottom - 15));
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_TOOLBAR), pTop);

    // Hiding a bar through its command gives its room to the pane.
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(pTop->IsWindowVisible());
    EXPECT_EQ(placed(pView), CRect(0, 0, client.right, client.bottom - 15));
}

namespace {
int g_nHandled = 0;
int g_nHandledAtIdle = -1;

class CCountingWnd : public CWnd {
protected:
    afx_msg LRESULT OnCount(WPARAM, LPARAM)
    {
        g_nHandled++;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingWnd, CWnd)
    ON_MESSAGE(WM_APP, &CCountingWnd::OnCount)
END_MESSAGE_MAP()
}  // namespace

TEST_F(FrameFixture, IdleUpdateRunsAfterTheQueueEmpties)
{
    CCountingWnd counter;
    ASSERT_TRUE(counter.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 1, 1), pView, 1));
    CTestBar* pBar = new CTestBar(CBRS_ALIGN_TOP, 10);
    pBar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(pBar->Create(pFrame, AFX_IDW_TOOLBAR));
    pBar->m_onUpdate = [](CFrameWnd*) {
        if (g_nHandledAtIdle < 0)
            g_nHandledAtIdle = g_nHandled;
        ::PostQuitMessage(7);
    };
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    // Clear what creating and showing queued, then queue the messages the test counts.
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
    g_nHandled = 0;
    g_nHandledAtIdle = -1;
    for (int i = 0; i < 3; i++)
        counter.PostMessage(WM_APP);

    EXPECT_EQ(app.Run(), 7);
    EXPECT_EQ(g_nHandledAtIdle, 3);
    EXPECT_GE(pBar->m_nUpdates, 1);
}

TEST_F(FrameFixture, DestroyingTheMainWindowEndsTheMessageLoop)
{
    pFrame->PostMessage(WM_CLOSE);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

// The toolkit keeps these bits in its buttons and panes.
static_assert(TBBS_SEPARATOR == 0x0001 && TBBS_CHECKED == 0x00010000 && TBBS_PRESSED == 0x00020000 &&
                  TBBS_DISABLED == 0x00040000 && TBBS_INDETERMINATE == 0x00100000,
              "toolbar button styles");
static_assert(SBPS_NOBORDERS == 0x0100 && SBPS_POPOUT == 0x0200 && SBPS_DISABLED == 0x04000000 &&
                  SBPS_STRETCH == 0x08000000,
              "status pane styles");

TEST_F(FrameFixture, ADialogBarTakesItsTemplateHeightAndUpdatesItsButtons)
{
    CDialogBar* pBar = new CDialogBar;
    pBar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(pBar->Create(pFrame, IDD_BAR, WS_VISIBLE | CBRS_TOP, AFX_IDW_DIALOGBAR));
    EXPECT_EQ(pFrame->GetControlBar(AFX_IDW_DIALOGBAR), pBar);
    pFrame->RecalcLayout();
    CRect client, placed;
    pFrame->GetClientRect(&client);
    pBar->GetWindowRect(&placed);
    pFrame->ScreenToClient(&placed);
    EXPECT_EQ(placed, CRect(0, 0, client.right, pBar->m_sizeDefault.cy));

    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(pBar->GetDlgItem(ID_BAR_HANDLED)->IsWindowEnabled());
    EXPECT_FALSE(pBar->GetDlgItem(ID_BAR_UNHANDLED)->IsWindowEnabled());
}

TEST_F(FrameFixture, TheDockStateKeepsThePlatformDockedBarsInTheProfile)
{
    CDockBar dockBar;
    CTestBar docked(CBRS_ALIGN_TOP, 10), undocked(CBRS_ALIGN_BOTTOM, 10);
    ASSERT_TRUE(docked.Create(pFrame, AFX_IDW_TOOLBAR));
    ASSERT_TRUE(undocked.Create(pFrame, AFX_IDW_STATUS_BAR));
    docked.m_pDockBar = &dockBar;  // the toolkit docks its own bars: only these count
    CDockState state;
    pFrame->GetDockState(state);
    ASSERT_EQ(state.m_arrBarInfo.GetSize(), 1);
    EXPECT_EQ(state.m_arrBarInfo[0]->m_nBarID, (UINT)AFX_IDW_TOOLBAR);
    EXPECT_TRUE(state.m_arrBarInfo[0]->m_bVisible);
    docked.m_pDockBar = nullptr;

    const LPCWSTR kKey = L"Software\\ZorvaneTests\\MfcWinTests";
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    app.SetRegistryKey(L"ZorvaneTests");
    state.SaveState(L"Frame");
    CDockState loaded;
    loaded.LoadState(L"Frame");
    ASSERT_EQ(loaded.m_arrBarInfo.GetSize(), 1);
    EXPECT_EQ(loaded.m_arrBarInfo[0]->m_nBarID, (UINT)AFX_IDW_TOOLBAR);
    EXPECT_TRUE(loaded.m_arrBarInfo[0]->m_bVisible);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}
