#include "IconFiles.h"
#include "ViewerTestSupport.h"

#include <CPPageServer.h>

#include <TreeObjectKinds.h>
#include <ViewerResources.h>
#include <ViewerSettings.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

const HRESULT kUnavailable = HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE),
              kCallFailed = HRESULT_FROM_WIN32(RPC_S_CALL_FAILED);

_variant_t Bytes(const std::vector<BYTE>& iBytes)
{
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(iBytes.size()));
    std::memcpy(array->pvData, iBytes.data(), iBytes.size());
    _variant_t value;
    value.vt = VT_ARRAY | VT_UI1;
    value.parray = array;
    return value;
}

// Rows of (id, name, count) under the count column's name.
_Recordset* Objects(const wchar_t* iCount, const std::vector<std::pair<long, const wchar_t*>>& iRows,
                    long iChildren = 1)
{
    std::vector<_variant_t> values;
    for (const auto& row : iRows) {
        values.push_back(_variant_t(row.first));
        values.push_back(_variant_t(row.second));
        values.push_back(_variant_t(row.first == 2 ? 0L : iChildren));
    }
    return MakeRecordset({{L"ID", adInteger, 4}, {L"Name", adVarWChar, 64}, {iCount, adInteger, 4}}, values);
}

bool SameBytes(const SummaryActivityRequest& iExpected, const SummaryActivityRequest& iActual)
{
    return std::memcmp(&iExpected, &iActual, sizeof iExpected) == 0;
}

class ViewerDocTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WriteServerName(L"reports01");
        m_Activation = new TFakeActivation(m_Server);
        SetServerActivation(m_Activation);
        m_Frame = new CTreesFrame;
        m_App.m_pMainWnd = m_Frame;
        m_Document = new CZVViewerDoc;
        m_Frame->document = m_Document;
        m_App.HoldDocument(m_Document);
    }
    void TearDown() override
    {
        m_Frame->ClearTrees();
        delete m_Document;
        m_Frame->DestroyWindow();
        SetServerActivation(new TComServerActivation);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {}
    }

    CTreeCtrl& Tree(ViewerTree iTree) { return *m_Frame->GetViewerTree(iTree); }
    TVITEMW Item(ViewerTree iTree, HTREEITEM iItem)
    {
        TVITEMW item = {TVIF_HANDLE | TVIF_PARAM | TVIF_IMAGE | TVIF_CHILDREN, iItem};
        Tree(iTree).GetItem(&item);
        return item;
    }
    // An item at the root that stands for the object; the tree deletes it.
    HTREEITEM AddObject(ViewerTree iTree, CTreeObject* iObject, HTREEITEM iParent = TVI_ROOT)
    {
        HTREEITEM item = Tree(iTree).InsertItem(iObject->GetName(), iParent);
        Tree(iTree).SetItemData(item, reinterpret_cast<DWORD_PTR>(iObject));
        return item;
    }
    // Connected to the fake with empty trees.
    void Connect()
    {
        for (int i = 0; i < 3; ++i)
            m_Server.script.recordsets.push_back(Objects(L"Count", {}));
        m_Document->ConnectToServer();
        m_Server.script.activityRequests.clear();
    }
    void Script(_Recordset* iAnswer) { m_Server.script.recordsets.push_back(iAnswer); }
    void Fail(HRESULT iResult) { m_Server.script.results[L"GetSummaryActivityData"].push_back(iResult); }

    CViewerTestApp m_App;
    TFakeZorvane m_Server;
    SmartPtr<TFakeActivation> m_Activation;
    CTreesFrame* m_Frame = nullptr;
    CZVViewerDoc* m_Document = nullptr;
};

TEST_F(ViewerDocTest, WithoutServerNameAsksForOptionsAndCallsNothing)
{
    WriteServerName(L"");
    m_Document->ConnectToServer();
    ASSERT_EQ(1u, m_App.boxes.size());
    EXPECT_EQ(L"Zorvane server name not set!", m_App.boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_App.boxes[0].type);
    MSG message = {};
    ASSERT_TRUE(PeekMessageW(&message, m_Frame->GetSafeHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(static_cast<WPARAM>(ID_VIEW_OPTIONS), message.wParam);
    EXPECT_TRUE(m_Activation->computers.empty());
    EXPECT_TRUE(m_Server.script.calls.empty());
}

TEST_F(ViewerDocTest, ActivationFailuresSayWhy)
{
    const struct {
        HRESULT Failure;
        const wchar_t* Text;
    } cases[] = {
        {RPC_E_ACCESS_DENIED, L"Access is denied to Zorvane Service on `reports01`"},
        {REGDB_E_CLASSNOTREG, L"Zorvane Service is not installed on `reports01`. Please install service."},
        {kUnavailable, L"`reports01` is not available."},
        {E_OUTOFMEMORY, L"Can not connect to `reports01`. Failed with message - "},
    };
    for (const auto& c : cases) {
        m_App.boxes.clear();
        m_Activation->failure = c.Failure;
        m_Document->ConnectToServer();
        ASSERT_EQ(1u, m_App.boxes.size()) << c.Text;
        EXPECT_EQ(0u, m_App.boxes[0].text.find(c.Text)) << m_App.boxes[0].text;
        EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), m_App.boxes[0].type);
        EXPECT_EQ(nullptr, m_Document->GetServer());
    }
    EXPECT_GT(m_App.boxes[0].text.size(), wcslen(cases[3].Text));
    EXPECT_EQ(L"reports01", m_Activation->computers[0]);
    EXPECT_TRUE(m_Server.script.calls.empty());
}

TEST_F(ViewerDocTest, AnActivatedObjectWithoutTheInterfaceIsDropped)
{
    m_Server.refuseInterface = true;
    m_Document->ConnectToServer();
    ASSERT_EQ(1u, m_App.boxes.size());
    EXPECT_EQ(L"Cannot connect to - 'reports01'", m_App.boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_App.boxes[0].type);
    EXPECT_EQ(nullptr, m_Document->GetServer());
    EXPECT_EQ(1, m_Server.references.load());
    EXPECT_TRUE(m_Server.script.calls.empty());
}

TEST_F(ViewerDocTest, ConnectingFillsTheRootsOfTheThreeTrees)
{
    Script(Objects(L"Computers", {{2, L"bob"}, {1, L"alice"}}));
    Script(Objects(L"Users", {{4, L"ws-4"}}));
    Script(Objects(L"Users", {{5, L"winword.exe"}, {6, L"calc.exe"}, {5, L"winword.exe"}}));
    Script(Program(L"", L"calc.exe", Null()));
    Script(Program(L"Word", L"winword.exe",
                   Bytes(IconFile({Image(16, 8, RGB(255, 0, 0)), Image(32, 8, RGB(255, 0, 0))}))));
    m_Document->ConnectToServer();

    EXPECT_TRUE(m_App.boxes.empty());
    ASSERT_EQ(3u, m_Server.script.activityRequests.size());
    EXPECT_TRUE(SameBytes(Request(ZorvaneUser), m_Server.script.activityRequests[0]));
    EXPECT_TRUE(SameBytes(Request(ZorvaneComputer), m_Server.script.activityRequests[1]));
    EXPECT_TRUE(SameBytes(Request(ZorvaneProcess), m_Server.script.activityRequests[2]));
    // Each program is asked for once.
    ASSERT_EQ(2u, m_Server.script.objectRequests.size());
    EXPECT_EQ(6u, m_Server.script.objectRequests[0].ObjectId);
    EXPECT_EQ(ZorvaneProcess, m_Server.script.objectRequests[0].ObjectType);
    EXPECT_EQ(0.0, m_Server.script.objectRequests[0].TimeStart);
    EXPECT_EQ(5u, m_Server.script.objectRequests[1].ObjectId);

    using Texts = std::vector<std::wstring>;
    EXPECT_EQ((Texts{L"alice", L"bob"}), ItemTexts(Tree(ViewerTree::Users)));
    EXPECT_EQ((Texts{L"ws-4"}), ItemTexts(Tree(ViewerTree::Computers)));
    EXPECT_EQ((Texts{L"calc.exe", L"Word", L"Word"}), ItemTexts(Tree(ViewerTree::Applications)));

    const HTREEITEM alice = Tree(ViewerTree::Users).GetRootItem();
    const TVITEMW aliceItem = Item(ViewerTree::Users, alice);
    const TVITEMW bobItem = Item(ViewerTree::Users, Tree(ViewerTree::Users).GetNextSiblingItem(alice));
    EXPECT_EQ(1, aliceItem.cChildren);
    EXPECT_EQ(0, bobItem.cChildren);
    EXPECT_EQ(m_Document->GetSmallIconIndex(IDI_USER), aliceItem.iImage);
    CTreeObject* user = reinterpret_cast<CTreeObject*>(aliceItem.lParam);
    ASSERT_TRUE(user->IsKindOf(RUNTIME_CLASS(CUserObject)));
    EXPECT_EQ(1u, user->GetId());
    EXPECT_EQ(nullptr, user->GetParent());

    const HTREEITEM calc = Tree(ViewerTree::Applications).GetRootItem();
    const TVITEMW calcItem = Item(ViewerTree::Applications, calc);
    const TVITEMW wordItem = Item(ViewerTree::Applications, Tree(ViewerTree::Applications).GetNextSiblingItem(calc));
    EXPECT_EQ(m_Document->GetSmallIconIndex(IDI_PROGRAM), calcItem.iImage);
    EXPECT_NE(calcItem.iImage, wordItem.iImage);
    EXPECT_TRUE(reinterpret_cast<CTreeObject*>(wordItem.lParam)->IsKindOf(RUNTIME_CLASS(CProgramObject)));
    EXPECT_EQ(ImageList_GetImageCount(m_Document->GetSmallImageList()),
              ImageList_GetImageCount(m_Document->GetLargeImageList()) + 2);
}

TEST_F(ViewerDocTest, ResetForgetsProgramsIconsAndTrees)
{
    Script(Objects(L"Computers", {{1, L"alice"}}));
    Script(Objects(L"Users", {}));
    Script(Objects(L"Users", {{6, L"calc.exe"}}));
    Script(Program(L"Calculator", L"calc.exe", Null()));
    m_Document->ConnectToServer();
    ASSERT_EQ(1u, m_Server.script.objectRequests.size());

    EXPECT_EQ(reinterpret_cast<LRESULT>(m_Document->GetSmallImageList()),
              Tree(ViewerTree::Users).SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL));
    m_Document->ResetCaches();
    EXPECT_EQ(nullptr, m_Document->GetSmallImageList());
    for (ViewerTree tree : {ViewerTree::Users, ViewerTree::Computers, ViewerTree::Applications})
        EXPECT_EQ(0, Tree(tree).SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL));
    EXPECT_TRUE(ItemTexts(Tree(ViewerTree::Users)).empty());
    EXPECT_TRUE(ItemTexts(Tree(ViewerTree::Applications)).empty());

    Script(Objects(L"Computers", {}));
    Script(Objects(L"Users", {}));
    Script(Objects(L"Users", {{6, L"calc.exe"}}));
    Script(Program(L"Calculator", L"calc.exe", Null()));
    m_Document->ConnectToServer();
    EXPECT_EQ(2u, m_Server.script.objectRequests.size());
    EXPECT_EQ(std::vector<std::wstring>{L"Calculator"}, ItemTexts(Tree(ViewerTree::Applications)));
    EXPECT_EQ(1, ImageList_GetImageCount(m_Document->GetSmallImageList()));
}

TEST_F(ViewerDocTest, ChildLoadersAskForTheParentsChildren)
{
    Connect();
    CUserObject* user = new CUserObject(3, L"alice", nullptr);
    CComputerObject* computer = new CComputerObject(4, L"ws-4", user);
    CWorkstationObject* workstation = new CWorkstationObject(4, L"ws-4", nullptr);
    CCompUserObject* compUser = new CCompUserObject(3, L"alice", workstation);
    CProgramObject* program = new CProgramObject(5, L"Word", nullptr);
    const HTREEITEM userItem = AddObject(ViewerTree::Users, user);
    const HTREEITEM workstationItem = AddObject(ViewerTree::Computers, workstation);
    const struct {
        ViewerTree Tree;
        CTreeObject* Parent;
        HTREEITEM Under;
        SummaryActivityRequest Expected;
        CRuntimeClass* Kind;
    } cases[] = {
        {ViewerTree::Users, user, TVI_ROOT, Request(ZorvaneComputer, 0, 3), RUNTIME_CLASS(CComputerObject)},
        {ViewerTree::Users, computer, userItem, Request(ZorvaneProcess, 4, 3), RUNTIME_CLASS(CApplicationObject)},
        {ViewerTree::Computers, workstation, TVI_ROOT, Request(ZorvaneUser, 4), RUNTIME_CLASS(CCompUserObject)},
        {ViewerTree::Computers, compUser, workstationItem, Request(ZorvaneProcess, 4, 3),
         RUNTIME_CLASS(CWsUsApplicationObject)},
        {ViewerTree::Applications, program, TVI_ROOT, Request(ZorvaneUser, 0, 0, 5), RUNTIME_CLASS(CAppUserObject)},
    };
    for (const auto& c : cases) {
        const HTREEITEM item = c.Under == TVI_ROOT && c.Parent == user ? userItem
            : c.Under == TVI_ROOT && c.Parent == workstation           ? workstationItem
                                                                       : AddObject(c.Tree, c.Parent, c.Under);
        Script(Objects(L"Processes", {{8, L"child"}}));
        m_Server.script.activityRequests.clear();
        ASSERT_TRUE(c.Parent->LoadChildren(item)) << c.Kind->m_lpszClassName;
        ASSERT_EQ(1u, m_Server.script.activityRequests.size());
        EXPECT_TRUE(SameBytes(c.Expected, m_Server.script.activityRequests[0])) << c.Kind->m_lpszClassName;
        const HTREEITEM child = Tree(c.Tree).GetChildItem(item);
        ASSERT_NE(nullptr, child);
        const TVITEMW childItem = Item(c.Tree, child);
        CTreeObject* object = reinterpret_cast<CTreeObject*>(childItem.lParam);
        EXPECT_TRUE(object->IsKindOf(c.Kind)) << c.Kind->m_lpszClassName;
        EXPECT_EQ(c.Parent, object->GetParent());
        EXPECT_EQ(8u, object->GetId());
        const bool leaf = c.Kind == RUNTIME_CLASS(CApplicationObject) ||
            c.Kind == RUNTIME_CLASS(CWsUsApplicationObject) || c.Kind == RUNTIME_CLASS(CAppUserObject);
        EXPECT_EQ(leaf ? 0 : 1, childItem.cChildren) << c.Kind->m_lpszClassName;
    }
    EXPECT_TRUE(m_App.boxes.empty());
}

TEST_F(ViewerDocTest, LostConnectionIsDroppedOnceOtherErrorsKeepIt)
{
    Connect();
    const HTREEITEM item = AddObject(ViewerTree::Users, new CUserObject(3, L"alice", nullptr));
    m_Server.script.errorDescription = L"refused by the test";
    Fail(E_ACCESSDENIED);
    EXPECT_FALSE(m_Document->LoadUserComputers(item));
    EXPECT_NE(nullptr, m_Document->GetServer());
    EXPECT_TRUE(m_App.boxes.empty());

    Fail(kCallFailed);
    EXPECT_FALSE(m_Document->LoadUserComputers(item));
    EXPECT_EQ(nullptr, m_Document->GetServer());
    ASSERT_EQ(1u, m_App.boxes.size());
    EXPECT_EQ(L"`reports01` is not available.", m_App.boxes[0].text);

    EXPECT_FALSE(m_Document->LoadUserComputers(item));
    EXPECT_EQ(1u, m_App.boxes.size());
    EXPECT_EQ(2u, m_Server.script.activityRequests.size());
    EXPECT_EQ(nullptr, Tree(ViewerTree::Users).GetChildItem(item));
}

TEST_F(ViewerDocTest, ARowThatCannotBeReadFailsTheLoadAndKeepsTheServer)
{
    Connect();
    const HTREEITEM item = AddObject(ViewerTree::Users, new CUserObject(3, L"alice", nullptr));
    Script(MakeRecordset({{L"ID", adInteger, 4}, {L"Name", adVarWChar, 64}, {L"Processes", adVarWChar, 8}},
                         {_variant_t(8L), _variant_t(L"ws-8"), _variant_t(L"many")}));
    EXPECT_FALSE(m_Document->LoadUserComputers(item));
    EXPECT_NE(nullptr, m_Document->GetServer());
    EXPECT_TRUE(m_App.boxes.empty());
}

TEST_F(ViewerDocTest, ANewServerNameDropsTheOldServer)
{
    Connect();
    EXPECT_EQ(2, m_Server.references.load());
    WriteServerName(L"reports02");
    m_Activation->failure = kUnavailable;
    m_Document->ConnectToServer();
    EXPECT_EQ(nullptr, m_Document->GetServer());
    EXPECT_EQ(1, m_Server.references.load());
    EXPECT_EQ(L"reports02", m_Activation->computers.back());
}

TEST_F(ViewerDocTest, NoSecondCallWhileOneWaits)
{
    Connect();
    const HTREEITEM item = AddObject(ViewerTree::Users, new CUserObject(3, L"alice", nullptr));
    std::vector<BOOL> nested;
    m_Server.script.duringSummary = [&] {
        if (nested.empty())
            nested.push_back(m_Document->LoadUserComputers(item));
    };
    Script(Objects(L"Processes", {{8, L"ws-8"}}));
    EXPECT_TRUE(m_Document->LoadUserComputers(item));
    EXPECT_EQ(std::vector<BOOL>{FALSE}, nested);
    EXPECT_EQ(1u, m_Server.script.activityRequests.size());
    EXPECT_EQ((std::vector<std::wstring>{L"ws-8"}), ItemTexts(Tree(ViewerTree::Users), item));
}

// The options page: an empty name is refused and changes nothing; any other name, the same
// one too, empties the trees and connects again.
TEST_F(ViewerDocTest, TheServerPageRefusesAnEmptyNameAndReconnectsOnAnyOther)
{
    Connect();
    m_Activation->computers.clear();
    AddObject(ViewerTree::Users, new CUserObject(1, L"alice", nullptr));
    CPPageServer page;
    ASSERT_TRUE(page.Create(IDD_SERVER_PAGE, m_Frame));
    CString shown;
    page.GetDlgItemText(IDC_SERVER_NAME, shown);
    EXPECT_EQ(L"reports01", std::wstring(shown));

    page.SetDlgItemText(IDC_SERVER_NAME, L"");
    EXPECT_FALSE(page.OnApply());
    ASSERT_EQ(1u, m_App.boxes.size());
    EXPECT_EQ(L"This field cannot be empty.", m_App.boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), m_App.boxes[0].type);
    EXPECT_EQ(L"reports01", std::wstring(ReadServerName()));
    EXPECT_TRUE(m_Activation->computers.empty());
    EXPECT_EQ(1u, Tree(ViewerTree::Users).GetCount());

    page.SetDlgItemText(IDC_SERVER_NAME, L"reports01");
    for (int i = 0; i < 3; ++i)
        Script(Objects(L"Count", {}));
    EXPECT_TRUE(page.OnApply());
    EXPECT_EQ(std::vector<std::wstring>{L"reports01"}, m_Activation->computers);
    EXPECT_EQ(0u, Tree(ViewerTree::Users).GetCount());
    EXPECT_EQ(1u, m_App.boxes.size());
    page.DestroyWindow();
}

}  // namespace
