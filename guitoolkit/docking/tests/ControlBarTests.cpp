#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/core/tests/TestSupport.h>
#include <guitoolkit/docking/CGTReBar.h>
#include <gtest/gtest.h>
#include <string>
#include "DockingTestSupport.h"

namespace {
CRect StoredRect(const ScratchRegistryKey& iKey, LPCWSTR iSubKey, LPCWSTR iName)
{
    const std::vector<BYTE> bytes = iKey.Bytes(iSubKey, iName);
    return bytes.size() == 16 ? CRect(*reinterpret_cast<const RECT*>(bytes.data())) : CRect(-1, -1, -1, -1);
}

DWORD StoredDword(const ScratchRegistryKey& iKey, LPCWSTR iSubKey, LPCWSTR iName)
{
    const std::vector<BYTE> bytes = iKey.Bytes(iSubKey, iName);
    return bytes.size() == 4 ? *reinterpret_cast<const DWORD*>(bytes.data()) : 0xDEADBEEF;
}

// A bar whose docking menu is recorded instead of shown, as "F D A H" with a mark per item:
// '-' grayed, '+' checked, ' ' plain.
class MenuBar : public FixedBar {
public:
    MenuBar(CWnd& iParent, DWORD iBehaviour) : FixedBar(iParent, CSize(50, 20), 100, iBehaviour) {}
    BOOL OnBeforeDockingMenu(CMenu& ioMenu) override
    {
        m_States.clear();
        for (UINT command : {GTDockingMenuFloating, GTDockingMenuDocking, GTDockingMenuAutoHide, GTDockingMenuHide}) {
            const UINT state = ioMenu.GetMenuState(command, MF_BYCOMMAND);
            m_States += (state & MF_GRAYED) ? '-' : (state & MF_CHECKED) ? '+' : ' ';
        }
        return FALSE;
    }
    BOOL IsAutoHideMode() const override { return m_AutoHidden; }
    std::string m_States;
    BOOL m_AutoHidden = FALSE;
};

// A context-menu manager that answers a chosen command instead of showing the menu.
class ChoosingMenus : public CGTContextMenuManager {
public:
    UINT TrackPopupMenu(HMENU iMenu, int iX, int iY, CWnd* iOwner, BOOL) override
    {
        m_Point = CPoint(iX, iY);
        m_Owner = iOwner;
        m_Items = ::GetMenuItemCount(iMenu);
        return m_Choice;
    }
    UINT m_Choice = 0;
    CPoint m_Point;
    CWnd* m_Owner = nullptr;
    int m_Items = 0;
};

// A bar that records the hide command and the commands offered to it.
class ChoosingBar : public FixedBar {
public:
    explicit ChoosingBar(CWnd& iParent) : FixedBar(iParent, CSize(50, 20)) {}
    void OnHideCommand() override { ++m_Hides; }
    BOOL OnDockingMenuCommand(UINT iCommand) override
    {
        m_Offered = iCommand;
        return m_Accepts;
    }
    int m_Hides = 0;
    UINT m_Offered = 0;
    BOOL m_Accepts = TRUE;
};
}  // namespace

TEST(ControlBar, PlacementValuesRoundTripUnderTheControlBarKey)
{
    ScratchRegistryKey scratch(L"GtControlBarState");
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(50, 20), 5);
    CGTRecentDockInfo& recent = bar.GetRecentDockInfo();
    recent.m_rectRecentFloat = CRect(1, 2, 3, 4);
    recent.m_docked.m_rectPane = CRect(5, 6, 7, 8);
    recent.m_dwRecentSide = GTSideRight;
    recent.m_nRecentRowIndex = 3;
    ASSERT_TRUE(bar.SaveState(scratch.Path(), -1, 26));
    const LPCWSTR key = L"VADEControlBar-51a";
    EXPECT_EQ(5u, StoredDword(scratch, key, L"ID"));
    EXPECT_EQ(CRect(1, 2, 3, 4), StoredRect(scratch, key, L"RectRecentFloat"));
    EXPECT_EQ(CRect(5, 6, 7, 8), StoredRect(scratch, key, L"RectRecentDocked"));
    EXPECT_EQ(DWORD(GTSideRight), StoredDword(scratch, key, L"RecentFrameAlignment"));
    EXPECT_EQ(3u, StoredDword(scratch, key, L"RecentRowIndex"));
    EXPECT_EQ(0u, StoredDword(scratch, key, L"IsFloating"));
    EXPECT_EQ(32767u, StoredDword(scratch, key, L"MRUWidth"));
    EXPECT_EQ(0u, StoredDword(scratch, key, L"PinState"));
    EXPECT_EQ(1u, StoredDword(scratch, L"VADEBaseControlBar-51a", L"IsVisible"));

    FixedBar loaded(frame, CSize(50, 20), 9);
    ASSERT_TRUE(loaded.LoadState(scratch.Path(), 5, 26));
    const CGTRecentDockInfo& read = loaded.GetRecentDockInfo();
    EXPECT_EQ(CRect(1, 2, 3, 4), read.m_rectRecentFloat);
    EXPECT_EQ(CRect(5, 6, 7, 8), read.m_docked.m_rectPane);
    EXPECT_EQ(DWORD(GTSideRight), read.m_dwRecentSide);
    EXPECT_EQ(3, read.m_nRecentRowIndex);
    EXPECT_TRUE(loaded.IsStateLoaded());
}

TEST(ControlBar, AMissingValueKeepsItsFieldAndAMissingKeyIsRefused)
{
    ScratchRegistryKey scratch(L"GtControlBarMissing");
    const DWORD left = GTSideLeft;
    ::RegSetKeyValueW(HKEY_CURRENT_USER, scratch.Path() + L"VADEControlBar-6", L"RecentFrameAlignment", REG_DWORD,
                      &left, 4);
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(50, 20), 6);
    bar.GetRecentDockInfo().m_nRecentRowIndex = 4;
    bar.GetRecentDockInfo().m_dwRecentSide = GTSideTop;
    // The control bar's key is there, the base bar's is not.
    EXPECT_FALSE(bar.LoadState(scratch.Path()));
    EXPECT_EQ(DWORD(GTSideLeft), bar.GetRecentDockInfo().m_dwRecentSide);
    EXPECT_EQ(4, bar.GetRecentDockInfo().m_nRecentRowIndex);

    FixedBar other(frame, CSize(50, 20), 7);
    const CRect floating = other.GetRecentDockInfo().m_rectRecentFloat;
    EXPECT_FALSE(other.LoadState(scratch.Path()));
    EXPECT_EQ(DWORD(GTSideLeft), other.GetRecentDockInfo().m_dwRecentSide);
    EXPECT_EQ(floating, other.GetRecentDockInfo().m_rectRecentFloat);
}

TEST(ControlBar, ABarFloatingAloneSavesItsMiniFrameRectangleAsFloating)
{
    ScratchRegistryKey scratch(L"GtControlBarFloating");
    TestDockingFrame frame;
    auto* mini = new CountingMiniFrame(frame, 1);
    FixedBar bar(*mini, CSize(50, 20), 8);
    ASSERT_TRUE(bar.SaveState(scratch.Path()));
    CRect window;
    mini->GetWindowRect(&window);
    EXPECT_EQ(1u, StoredDword(scratch, L"VADEControlBar-8", L"IsFloating"));
    EXPECT_EQ(window, StoredRect(scratch, L"VADEControlBar-8", L"RectRecentFloat"));
    bar.DestroyWindow();
    mini->DestroyWindow();
}

TEST(ControlBar, BordersMarginsAndGripperShrinkTheClientRectangle)
{
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(200, 30));
    CGTControlBar rightToLeft;
    ASSERT_TRUE(rightToLeft.CreateEx(WS_EX_LAYOUTRTL, nullptr, WS_CHILD, CRect(0, 0, 200, 30), &frame, 101));
    const DWORD borders = GTStyleBorderLeft | GTStyleBorderBottom;
    const struct {
        CGTControlBar* bar;
        DWORD style;
        BOOL horizontal;
        CRect expected;
    } cases[] = {
        // Margins left 2, top 3, right 4, bottom 5; vertically turned.
        {&bar, GTSideTop, TRUE, {2, 3, 96, 95}},
        {&bar, GTSideLeft, FALSE, {3, 2, 95, 96}},
        {&bar, GTSideTop | borders, TRUE, {3, 3, 96, 94}},
        {&bar, GTSideTop | borders | GTStyleFloating, TRUE, {2, 3, 96, 95}},
        {&bar, GTSideTop | GTStyleGripper, TRUE, {9, 3, 96, 95}},
        {&bar, GTSideLeft | GTStyleGripper, FALSE, {3, 9, 95, 96}},
        {&bar, GTSideTop | GTStyleGripper | GTStyleFloating, TRUE, {2, 3, 96, 95}},
        {&rightToLeft, GTSideTop | GTStyleGripper, TRUE, {2, 3, 89, 95}},
    };
    for (const auto& c : cases) {
        c.bar->SetBorders(2, 3, 4, 5);
        c.bar->SetStyleWord(c.style);
        CRect rect(0, 0, 100, 100);
        c.bar->AdjustClientRectByBorders(rect, c.horizontal);
        EXPECT_EQ(c.expected, rect) << std::hex << c.style;
    }
    rightToLeft.DestroyWindow();
}

TEST(ControlBar, TheGripperIsDrawnOnlyForADockedBar)
{
    FixedScreenFacts facts;
    CGTVisualManager::SelectManagerClass(nullptr);
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(200, 30));
    bar.SetBorders(2, 2, 2, 2);
    const struct {
        DWORD style;
        BOOL gripperDrawn;
    } cases[] = {{GTSideTop | GTStyleGripper, TRUE}, {GTSideTop | GTStyleGripper | GTStyleFloating, FALSE}};
    for (const auto& c : cases) {
        bar.SetStyleWord(c.style);
        CRect gripper;
        bar.GetImpl().GetGripperRect(gripper, FALSE);
        EXPECT_EQ(c.gripperDrawn, !gripper.IsRectEmpty());
        PixelSurface surface(200, 30);
        bar.GetImpl().DrawNonClient(&surface.Dc());
        const COLORREF face = surface.At(0, 15);
        int marks = 0;
        for (int x = 2; x < 2 + CGTControlBarImpl::gripperSize; ++x)
            for (int y = 2; y < 28; ++y)
                marks += surface.At(x, y) != face ? 1 : 0;
        EXPECT_EQ(c.gripperDrawn, marks > 0) << std::hex << c.style;
    }
}

TEST(ControlBar, TheDockingMenuStatesFollowTheBarsAbilities)
{
    TestDockingFrame frame;
    CGTContextMenuManager contextMenus;
    const DWORD all = GTBehaviourAll;
    const struct {
        DWORD behaviour;
        DWORD sides;
        BOOL inMiniFrame;
        BOOL autoHidden;
        const char* states;
    } cases[] = {
        {all, GTSideAny, FALSE, FALSE, " +  "},
        {GTBehaviourCanHide, GTSideAny, FALSE, FALSE, "-+- "},
        {GTBehaviourCanFloat, GTSideAny, FALSE, FALSE, " +--"},
        {all, 0, FALSE, FALSE, " -  "},
        {all, GTSideAny, TRUE, FALSE, "+ - "},
        {all, GTSideAny, FALSE, TRUE, "--+-"},
    };
    for (const auto& c : cases) {
        auto* mini = c.inMiniFrame ? new CountingMiniFrame(frame, 1) : nullptr;
        MenuBar bar(mini != nullptr ? static_cast<CWnd&>(*mini) : frame, c.behaviour);
        bar.EnableDocking(c.sides);
        bar.m_AutoHidden = c.autoHidden;
        EXPECT_FALSE(bar.HandleOwnContextMenu(CPoint(10, 10)));
        EXPECT_EQ(c.states, bar.m_States) << c.behaviour << " " << c.sides << c.inMiniFrame << c.autoHidden;
        bar.DestroyWindow();
        if (mini != nullptr)
            mini->DestroyWindow();
    }
}

TEST(ControlBar, NoDockingMenuWithoutAContextMenuManagerOrAWayToMove)
{
    TestDockingFrame frame;
    MenuBar bar(frame, GTBehaviourCanHide);
    EXPECT_FALSE(bar.HandleOwnContextMenu(CPoint(10, 10)));
    EXPECT_EQ("", bar.m_States);
    CGTContextMenuManager contextMenus;
    bar.EnableDocking(0);
    EXPECT_FALSE(bar.HandleOwnContextMenu(CPoint(10, 10)));
    EXPECT_EQ("", bar.m_States);
}

TEST(ControlBar, TheDockingMenuShowsAtThePointAndRunsTheChosenCommandUnlessRefused)
{
    TestDockingFrame frame;
    ChoosingMenus menus;
    ChoosingBar bar(frame);
    menus.m_Choice = GTDockingMenuHide;
    EXPECT_TRUE(bar.HandleOwnContextMenu(CPoint(30, 40)));
    EXPECT_EQ(CPoint(30, 40), menus.m_Point);
    EXPECT_EQ(&bar, menus.m_Owner);
    EXPECT_EQ(4, menus.m_Items);
    EXPECT_EQ(GTDockingMenuHide, bar.m_Offered);
    EXPECT_EQ(1, bar.m_Hides);

    bar.m_Accepts = FALSE;
    EXPECT_TRUE(bar.HandleOwnContextMenu(CPoint(30, 40)));
    EXPECT_EQ(1, bar.m_Hides);

    // Dismissed: no command is offered.
    menus.m_Choice = 0;
    bar.m_Offered = 0;
    EXPECT_TRUE(bar.HandleOwnContextMenu(CPoint(30, 40)));
    EXPECT_EQ(0u, bar.m_Offered);
}

TEST(ControlBar, TakesTheSizeItAsksForUnlessARebarHoldsIt)
{
    TestDockingFrame frame;
    FixedBar loose(frame, CSize(50, 20));
    loose.SetAlignment(GTSideTop);
    loose.MoveWindow(0, 0, 10, 10);
    loose.AdjustSize(FALSE);
    CRect rect;
    loose.GetWindowRect(&rect);
    EXPECT_EQ(CSize(50, 20), rect.Size());

    CGTReBar rebar;
    ASSERT_TRUE(rebar.Create(&frame));
    FixedBar band(rebar, CSize(50, 20));
    band.SetAlignment(GTSideTop);
    band.MoveWindow(0, 0, 10, 10);
    band.AdjustSize(FALSE);
    band.GetWindowRect(&rect);
    EXPECT_EQ(CSize(10, 10), rect.Size());
}

TEST(ControlBar, ARefusedDockLeavesTheBarWhereItWas)
{
    TestDockingFrame frame;
    CGTDockBar* top = frame.AddDockBar(GTSideTop);
    FixedBar bar(frame, CSize(50, 20));
    bar.MoveWindow(30, 40, 50, 20);
    bar.EnableDocking(GTSideLeft | GTSideRight);
    const CRect target(0, 0, 50, 20);
    EXPECT_EQ(0, bar.DockToTarget(top, &target, GTDockByRect));
    EXPECT_EQ(&frame, bar.GetParent());
    EXPECT_EQ(CRect(30, 40, 80, 60), bar.Place());
    EXPECT_EQ(nullptr, bar.GetParentDockBar());
    EXPECT_TRUE(top->GetRows().IsEmpty());

    bar.EnableDocking(GTSideTop);
    EXPECT_NE(0, bar.DockToTarget(top, &target, GTDockByRect));
    EXPECT_EQ(top, bar.GetParent());
    EXPECT_EQ(top, bar.GetParentDockBar());
}

TEST(ControlBar, StretchingGrowsUpToTheDeficitAndShrinksNoMoreThanTheSpareLength)
{
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(100, 20));
    bar.MoveWindow(0, 0, 100, 20);
    bar.StoreCurrentRect();
    bar.SetStyleWord(GTSideTop);
    bar.SetStoredSize(CSize(70, 20));
    const struct {
        int delta;
        int applied;
        int width;
    } steps[] = {{-50, -30, 70}, {-10, 0, 70}, {50, 30, 100}, {10, 0, 100}, {-20, -20, 80}, {5, 5, 85}};
    for (const auto& step : steps) {
        EXPECT_EQ(step.applied, bar.StretchBar(step.delta)) << step.delta;
        EXPECT_EQ(step.width, bar.Place().Width()) << step.delta;
    }
    EXPECT_EQ(15, bar.GetShrinkDeficit());
    EXPECT_EQ(15, bar.GetSpareLength());
}

TEST(ControlBar, TheRowArrayIsZeroFilledAndReplaced)
{
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(100, 20));
    ASSERT_TRUE(bar.AllocRowExtraArray(3, 8));
    EXPECT_EQ(3, bar.GetRowExtraCount());
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(0, bar.GetRowExtraArray()[i]);
    ASSERT_TRUE(bar.AllocRowExtraArray(0, 8));
    EXPECT_EQ(nullptr, bar.GetRowExtraArray());
    EXPECT_EQ(0, bar.GetRowExtraCount());
}
