#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <gtest/gtest.h>
#include <algorithm>
#include "LayoutTestSupport.h"

namespace {
// Six captioned panes of a shown frame, ids 201 to 206.
struct SixPanes {
    SixPanes()
    {
        // Sliders save whether they are seen.
        frame.ShowWindow(SW_SHOWNOACTIVATE);
        for (UINT id = 201; id <= 206; ++id)
            panes.push_back(std::make_unique<TestPane>(frame, CRect(0, 0, 150, 200), id));
    }
    TestPane& operator[](size_t iIndex) { return *panes[iIndex]; }

    LayoutFrame frame;
    std::vector<std::unique_ptr<TestPane>> panes;
};

// What a user sees of the arrangement: where each pane is and whether it shows, the group on
// the left, the tabs on the right in order, and the floating pane's frame.
struct Arrangement {
    std::vector<CRect> places;
    std::vector<bool> shown;
    std::vector<DWORD> sides;
    bool grouped;
    std::vector<int> tabIds;
    CRect floatingFrame;
    int shownSliders;
};

bool operator==(const Arrangement& iLeft, const Arrangement& iRight)
{
    return iLeft.places == iRight.places && iLeft.shown == iRight.shown && iLeft.sides == iRight.sides &&
        iLeft.grouped == iRight.grouped && iLeft.tabIds == iRight.tabIds &&
        iLeft.floatingFrame == iRight.floatingFrame && iLeft.shownSliders == iRight.shownSliders;
}

std::ostream& operator<<(std::ostream& ioStream, const Arrangement& iArrangement)
{
    for (size_t i = 0; i < iArrangement.places.size(); ++i) {
        const CRect& place = iArrangement.places[i];
        ioStream << "[" << place.left << "," << place.top << "," << place.right << "," << place.bottom << " "
                 << iArrangement.shown[i] << " " << std::hex << iArrangement.sides[i] << std::dec << "] ";
    }
    ioStream << "grouped " << iArrangement.grouped << " tabs";
    for (int id : iArrangement.tabIds)
        ioStream << " " << id;
    const CRect& frame = iArrangement.floatingFrame;
    return ioStream << " floating " << frame.left << "," << frame.top << "," << frame.right << "," << frame.bottom
                    << " shown sliders " << iArrangement.shownSliders;
}

CGTBaseTabbedBar* TabbedPaneOf(const CGTBaseControlBar& iPane)
{
    CGTBaseTabWnd* tabs = iPane.GetHoldingTabWnd();
    return tabs != nullptr ? DYNAMIC_DOWNCAST(CGTBaseTabbedBar, tabs->GetParent()) : nullptr;
}

Arrangement Look(SixPanes& ioPanes)
{
    ioPanes.frame.AdjustDockingLayout();
    Arrangement arrangement;
    // The tabs' own windows stack inside the tab window: their tabbed pane stands for them.
    CGTBaseTabbedBar* tabbed = TabbedPaneOf(ioPanes[2]);
    std::vector<CWnd*> seen = {&ioPanes[0], &ioPanes[1], tabbed, &ioPanes[5]};
    for (CWnd* window : seen) {
        arrangement.places.push_back(window != nullptr ? WindowRect(*window) : CRect());
        arrangement.shown.push_back(window != nullptr && Shown(*window));
        auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, window);
        arrangement.sides.push_back(bar != nullptr && bar->GetParentMiniFrame() == nullptr ? bar->GetCurrentAlignment()
                                                                                           : 0);
    }
    arrangement.grouped =
        ioPanes[0].GetDefaultSlider() != nullptr && ioPanes[0].GetDefaultSlider() == ioPanes[1].GetDefaultSlider();
    for (int i = 0; tabbed != nullptr && i < tabbed->CountTabs(); ++i)
        arrangement.tabIds.push_back(tabbed->GetBarOfTab(i, TRUE)->GetDlgCtrlID());
    CGTMiniFrameWnd* floating = ioPanes[5].GetParentMiniFrame();
    arrangement.floatingFrame = floating != nullptr ? WindowRect(*floating) : CRect();
    arrangement.shownSliders = ChildCount<CGTSlider>(ioPanes.frame, TRUE);
    return arrangement;
}

// A left group of two, a tabbed pane of three on the right and a floating pane, saved under
// id 1.
Arrangement SaveSixPanes(const ScratchRegistryKey& iScratch)
{
    SixPanes before;
    before[0].DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
    EXPECT_TRUE(before[1].DockBesidePane(&before[0], GTSideBottom, nullptr));
    before[2].DockToFrameWindow(GTSideRight, nullptr, GTDockByMouse, nullptr, -1, FALSE);
    CGTBaseTabbedBar* tabbed = nullptr;
    EXPECT_NE(nullptr, before[3].AttachToTabWnd(&before[2], GTDockByMouse, TRUE, &tabbed));
    EXPECT_NE(nullptr, before[4].AttachToTabWnd(tabbed, GTDockByMouse, TRUE));
    EXPECT_TRUE(before[5].FloatAtRect(CRect(300, 200, 450, 350), GTDockByRect, TRUE));
    const Arrangement saved = Look(before);
    EXPECT_TRUE(before.frame.m_State.SaveState(iScratch.Path(), 1));
    return saved;
}

// The same panes, each docked at the left edge but those told to float.
struct RebuiltFrame : SixPanes {
    explicit RebuiltFrame(std::vector<size_t> iFloating = {})
    {
        for (size_t i = 0; i < panes.size(); ++i) {
            TestPane& pane = (*this)[i];
            pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
            if (std::find(iFloating.begin(), iFloating.end(), i) != iFloating.end())
                pane.FloatAtRect(CRect(CPoint(100 + 20 * int(i), 100), CSize(150, 200)), GTDockByRect, TRUE);
        }
    }
};
}  // namespace

TEST(DockLayoutRoundTrip, AGroupATabbedPaneAndAFloatingPaneComeBackInARebuiltFrame)
{
    ScratchRegistryKey scratch(L"GtDockLayoutRoundTrip");
    const Arrangement saved = SaveSixPanes(scratch);
    ASSERT_EQ((std::vector<int>{203, 204, 205}), saved.tabIds);
    ASSERT_TRUE(saved.grouped);

    // Rebuilt with every pane docked, and with a grouped pane and a tab floating.
    for (const std::vector<size_t>& floating : {std::vector<size_t>{}, std::vector<size_t>{0, 3}}) {
        RebuiltFrame after(floating);
        ASSERT_TRUE(after.frame.m_State.LoadState(scratch.Path(), 1));
        after.frame.m_State.ApplyLoadedState();
        EXPECT_EQ(saved, Look(after)) << floating.size();
    }
}

TEST(DockLayoutRoundTrip, ACutShortLayoutLeavesTheRebuiltFrameAsItWas)
{
    ScratchRegistryKey scratch(L"GtDockLayoutCutShort");
    SaveSixPanes(scratch);
    std::vector<BYTE> bytes = scratch.Bytes(L"VADEDockManager-1", L"DockingCBAndSliders");
    bytes.resize(bytes.size() - 2);
    scratch.StoreBinary(L"VADEDockManager-1", L"DockingCBAndSliders", bytes);

    RebuiltFrame after;
    const Arrangement rebuilt = Look(after);
    EXPECT_FALSE(after.frame.m_State.LoadState(scratch.Path(), 1));
    after.frame.m_State.ApplyLoadedState();
    EXPECT_EQ(rebuilt, Look(after));
    EXPECT_EQ(0, ChildCount<CGTBaseTabbedBar>(after.frame));
}
