#include <CHourglassFX.h>
#include <CVSTreeCtrl.h>
#include <CWaitingTreeCtrl.h>
#include <TreeObject.h>

#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A tree whose loading the test scripts; it reloads on every expansion, as the viewer's do.
class CScriptedTree : public CWaitingTreeCtrl {
public:
    CScriptedTree() { m_TimerPeriod = 10; }

    std::function<BOOL(HTREEITEM)> load;
    int loads = 0;
    int ends = 0;
    // What stood under the loading item when the animation started.
    std::vector<std::wstring> placeholders;

protected:
    BOOL LoadItemChildren(HTREEITEM iItem) override
    {
        ++loads;
        return load(iItem);
    }
    BOOL ShouldReloadChildren(HTREEITEM) override { return TRUE; }
    void OnAnimationStart(HTREEITEM iPlaceholder) override
    {
        placeholders.push_back(static_cast<LPCWSTR>(GetItemText(iPlaceholder)));
    }
    void OnAnimationEnd() override { ++ends; }
};

class WaitingTreeCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Frame->Create(nullptr, L"Trees"));
        m_App.m_pMainWnd = m_Frame;
        ASSERT_TRUE(m_Tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                                  CRect(0, 0, 200, 300), m_Frame, 101));
        m_Item = m_Tree.InsertItem(L"alice");
        TVITEMW item = {TVIF_HANDLE | TVIF_CHILDREN, m_Item};
        item.cChildren = 1;
        m_Tree.SetItem(&item);
        m_Tree.SelectItem(m_Item);
        m_Tree.load = [this](HTREEITEM iItem) {
            m_Tree.InsertItem(L"ws-1", iItem);
            m_Tree.InsertItem(L"ws-2", iItem);
            return TRUE;
        };
    }
    void TearDown() override { m_Frame->DestroyWindow(); }

    // As a user does it: the keys of the selected item.
    void Press(UINT iKey) { m_Tree.SendMessage(WM_KEYDOWN, iKey, 0); }
    std::vector<std::wstring> Children()
    {
        std::vector<std::wstring> texts;
        for (HTREEITEM child = m_Tree.GetChildItem(m_Item); child; child = m_Tree.GetNextSiblingItem(child))
            texts.push_back(static_cast<LPCWSTR>(m_Tree.GetItemText(child)));
        return texts;
    }
    bool Expanded() { return (m_Tree.GetItemState(m_Item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0; }

    CWinApp m_App{L"WaitingTreeTests"};
    CFrameWnd* m_Frame = new CFrameWnd;
    CScriptedTree m_Tree;
    HTREEITEM m_Item = nullptr;
};

using Texts = std::vector<std::wstring>;

TEST_F(WaitingTreeCtrlTest, ExpandingLoadsBehindAPlaceholderEachTime)
{
    Press(VK_ADD);
    EXPECT_EQ(Texts{L"Loading..."}, m_Tree.placeholders);
    EXPECT_EQ((Texts{L"ws-1", L"ws-2"}), Children());
    EXPECT_TRUE(Expanded());
    EXPECT_EQ(1, m_Tree.ends);

    Press(VK_SUBTRACT);
    EXPECT_FALSE(Expanded());
    EXPECT_TRUE(Children().empty());
    Press(VK_ADD);
    EXPECT_EQ(2, m_Tree.loads);
    EXPECT_EQ((Texts{L"Loading...", L"Loading..."}), m_Tree.placeholders);
    EXPECT_EQ((Texts{L"ws-1", L"ws-2"}), Children());
}

TEST_F(WaitingTreeCtrlTest, FailedOrEmptyLoadsLeaveTheItemClosed)
{
    m_Tree.load = [](HTREEITEM) { return FALSE; };
    Press(VK_ADD);
    EXPECT_EQ(1, m_Tree.loads);
    EXPECT_FALSE(Expanded());
    EXPECT_TRUE(Children().empty());

    m_Tree.load = [](HTREEITEM) { return TRUE; };
    Press(VK_ADD);
    TVITEMW item = {TVIF_HANDLE | TVIF_CHILDREN, m_Item};
    m_Tree.GetItem(&item);
    EXPECT_EQ(0, item.cChildren);
}

TEST_F(WaitingTreeCtrlTest, ALoaderThatThrowsStillEndsTheAnimationAndRedraws)
{
    m_Tree.load = [](HTREEITEM) -> BOOL { throw std::runtime_error("lost"); };
    EXPECT_THROW(m_Tree.ReloadRoot(), std::runtime_error);
    EXPECT_EQ(1, m_Tree.ends);
    m_Tree.load = [this](HTREEITEM iItem) {
        m_Tree.InsertItem(L"bob", iItem);
        return TRUE;
    };
    m_Tree.ReloadRoot();
    EXPECT_EQ(L"bob", std::wstring(m_Tree.GetItemText(m_Tree.GetRootItem())));
}

TEST_F(WaitingTreeCtrlTest, NoOtherItemOpensWhileALoadRuns)
{
    HTREEITEM other = m_Tree.InsertItem(L"bob");
    TVITEMW item = {TVIF_HANDLE | TVIF_CHILDREN, other};
    item.cChildren = 1;
    m_Tree.SetItem(&item);
    m_Tree.load = [&](HTREEITEM iItem) {
        m_Tree.SelectItem(other);
        Press(VK_ADD);
        m_Tree.InsertItem(L"ws-1", iItem);
        return TRUE;
    };
    m_Tree.SelectItem(m_Item);
    Press(VK_ADD);
    EXPECT_EQ(1, m_Tree.loads);
    EXPECT_EQ(Texts{L"ws-1"}, Children());
    EXPECT_EQ(0u, m_Tree.GetItemState(other, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(nullptr, m_Tree.GetChildItem(other));
}

TEST_F(WaitingTreeCtrlTest, ManyExpansionsLeaveNoHandlesBehind)
{
    Press(VK_ADD);
    Press(VK_SUBTRACT);
    DWORD before = 0, after = 0;
    GetProcessHandleCount(GetCurrentProcess(), &before);
    const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 100; ++i) {
        Press(VK_ADD);
        Press(VK_SUBTRACT);
    }
    GetProcessHandleCount(GetCurrentProcess(), &after);
    EXPECT_EQ(before, after);
    EXPECT_EQ(gdiBefore, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    EXPECT_EQ(101, m_Tree.loads);
    EXPECT_EQ(101, m_Tree.ends);
}

TEST_F(WaitingTreeCtrlTest, ReloadingTheRootLoadsTheRootLevel)
{
    std::vector<HTREEITEM> asked;
    m_Tree.load = [&](HTREEITEM iItem) {
        asked.push_back(iItem);
        m_Tree.InsertItem(L"bob");
        return TRUE;
    };
    m_Tree.ReloadRoot();
    EXPECT_EQ(std::vector<HTREEITEM>{TVI_ROOT}, asked);
    EXPECT_EQ(Texts{L"Loading..."}, m_Tree.placeholders);
    EXPECT_EQ(1u, m_Tree.GetCount());
    EXPECT_EQ(L"bob", std::wstring(m_Tree.GetItemText(m_Tree.GetRootItem())));
}

// The busy animation, counted; a load waits until it has seen a few frames.
class CCountedHourglass : public CHourglassFX<CVSTreeCtrl> {
public:
    CCountedHourglass() : ticked(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~CCountedHourglass() override { CloseHandle(ticked); }
    bool HasCursor() const { return m_Cursor != nullptr; }

    volatile LONG ticks = 0;
    HANDLE ticked;

protected:
    void OnAnimationFrame(BOOL iTimerTick, int& ioState1, int& ioState2) override
    {
        CHourglassFX<CVSTreeCtrl>::OnAnimationFrame(iTimerTick, ioState1, ioState2);
        if (iTimerTick && InterlockedIncrement(&ticks) >= 3)
            SetEvent(ticked);
    }
};

// Counts the objects alive.
class CCountedObject : public CTreeObject {
public:
    static int s_Live;
    CCountedObject(ULONG iId) : CTreeObject(iId, L"", nullptr) { ++s_Live; }
    ~CCountedObject() override { --s_Live; }
    BOOL LoadChildren(HTREEITEM) override { return TRUE; }
};
int CCountedObject::s_Live = 0;

// The bar a navigation tree stands in: it loads a root item and gives it one child.
class CTreeHost : public CFrameWnd, public IWorkSpaceTreeHost {
public:
    CCountedHourglass tree;
    int rootLoads = 0;
    DWORD waited = WAIT_FAILED;

    void LoadRootList() override
    {
        ++rootLoads;
        HTREEITEM item = tree.InsertItem(L"alice");
        tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(new CCountedObject(1)));
    }
    BOOL ExpandItem(HTREEITEM iItem) override
    {
        // A server call that blocks the GUI thread while the animation goes on.
        waited = WaitForSingleObject(tree.ticked, 10000);
        HTREEITEM item = tree.InsertItem(L"ws-1", iItem);
        tree.SetItemData(item, reinterpret_cast<DWORD_PTR>(new CCountedObject(2)));
        return TRUE;
    }
    void ForgetObject(CTreeObject*) override {}
};

TEST(HourglassTreeTest, AnimatesWhileTheBarLoadsAnItem)
{
    CWinApp app(L"HourglassTests");
    CTreeHost* host = new CTreeHost;
    ASSERT_TRUE(host->Create(nullptr, L"Bar"));
    app.m_pMainWnd = host;
    ASSERT_TRUE(host->tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                                  CRect(0, 0, 200, 300), host, 101));
    EXPECT_TRUE(host->tree.HasCursor());
    host->tree.ReloadRoot();
    EXPECT_EQ(1, host->rootLoads);
    const HTREEITEM alice = host->tree.GetRootItem();
    TVITEMW item = {TVIF_HANDLE | TVIF_CHILDREN, alice};
    item.cChildren = 1;
    host->tree.SetItem(&item);
    host->tree.SelectItem(alice);
    host->tree.SendMessage(WM_KEYDOWN, VK_ADD, 0);
    EXPECT_EQ(WAIT_OBJECT_0, host->waited);
    EXPECT_GE(host->tree.ticks, 3);
    EXPECT_EQ(L"ws-1", std::wstring(host->tree.GetItemText(host->tree.GetChildItem(alice))));
    EXPECT_EQ(2, CCountedObject::s_Live);
    host->DestroyWindow();
}

TEST(HourglassTreeTest, DeletingItemsDeletesTheirObjects)
{
    CWinApp app(L"HourglassTests");
    CTreeHost* host = new CTreeHost;
    ASSERT_TRUE(host->Create(nullptr, L"Bar"));
    app.m_pMainWnd = host;
    ASSERT_TRUE(host->tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 0, 200, 300), host, 101));
    SetEvent(host->tree.ticked);
    host->tree.ReloadRoot();
    host->tree.ReloadRoot();
    EXPECT_EQ(1, CCountedObject::s_Live);
    const HTREEITEM alice = host->tree.GetRootItem();
    host->tree.SelectItem(alice);
    TVITEMW item = {TVIF_HANDLE | TVIF_CHILDREN, alice};
    item.cChildren = 1;
    host->tree.SetItem(&item);
    host->tree.SendMessage(WM_KEYDOWN, VK_ADD, 0);
    EXPECT_EQ(2, CCountedObject::s_Live);
    host->tree.SendMessage(WM_KEYDOWN, VK_SUBTRACT, 0);
    EXPECT_EQ(1, CCountedObject::s_Live);
    host->DestroyWindow();
    EXPECT_EQ(0, CCountedObject::s_Live);
}

}  // namespace
