#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <gtest/gtest.h>
#include <memory>
#include "LayoutTestSupport.h"

namespace {
// Three panes that float in multi-pane frames of a shown frame, each in a frame of its own.
struct FloatingPanes {
    FloatingPanes()
    {
        frame.ShowWindow(SW_SHOWNOACTIVATE);
        for (UINT id = 301; id <= 303; ++id) {
            panes.push_back(std::make_unique<TestPane>(frame, CRect(0, 0, 150, 200), id));
            TestPane& pane = *panes.back();
            pane.SetFloatingFrameClass(RUNTIME_CLASS(CGTMultiMiniFrameWnd));
            pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
            pane.FloatAtRect(CRect(CPoint(200 + 200 * int(id - 301), 150), CSize(150, 200)), GTDockByRect, TRUE);
        }
    }
    CGTMultiMiniFrameWnd* MultiOf(size_t iIndex)
    {
        return DYNAMIC_DOWNCAST(CGTMultiMiniFrameWnd, panes[iIndex]->GetParentMiniFrame());
    }
    // The cursor a little inside the pane's right edge, at its middle height.
    void CursorAtRightOf(size_t iIndex)
    {
        const CRect place = WindowRect(*panes[iIndex]);
        cursor.m_Position = CPoint(place.right - 3, place.CenterPoint().y);
    }

    LayoutFrame frame;
    std::vector<std::unique_ptr<TestPane>> panes;
    FakeCursor cursor;
};

std::vector<int> PaneIds(CGTMultiMiniFrameWnd& iFrame)
{
    std::vector<int> ids;
    const CObList& bars = iFrame.GetContainerManager().GetBars();
    for (POSITION at = bars.GetHeadPosition(); at != nullptr;)
        ids.push_back(static_cast<CWnd*>(bars.GetNext(at))->GetDlgCtrlID());
    return ids;
}
}  // namespace

TEST(MultiPaneDocking, ADroppedPaneAndAWholeFrameJoinTheTreeBesideThePaneUnderTheCursor)
{
    FloatingPanes floating;
    CGTMultiMiniFrameWnd* first = floating.MultiOf(0);
    ASSERT_NE(nullptr, first);
    CGTMultiMiniFrameWnd* third = floating.MultiOf(2);
    ASSERT_NE(nullptr, third);
    const HWND thirdWindow = third->GetSafeHwnd();

    floating.CursorAtRightOf(0);
    EXPECT_FALSE(first->DockBar(floating.panes[0].get()));
    third->ReleaseBar(floating.panes[1].get(), FALSE, FALSE);
    EXPECT_TRUE(first->DockBar(floating.panes[1].get()));
    EXPECT_EQ(first, floating.panes[1]->GetParentMiniFrame());
    EXPECT_EQ((std::vector<int>{301, 302}), PaneIds(*first));
    EXPECT_LT(WindowRect(*floating.panes[0]).left, WindowRect(*floating.panes[1]).left);
    EXPECT_TRUE(first->GetCaptionText().IsEmpty());

    floating.CursorAtRightOf(1);
    EXPECT_FALSE(first->DockFrame(third, GTDockByMouse));
    EXPECT_EQ(first, floating.panes[2]->GetParentMiniFrame());
    EXPECT_EQ(3u, PaneIds(*first).size());
    PumpMessages();
    EXPECT_FALSE(::IsWindow(thirdWindow));
    EXPECT_TRUE(first->DockFrame(first, GTDockByMouse));
}

TEST(MultiPaneDocking, AMultiPaneFrameSavesItsWholeTreeAndGathersItsPanesBack)
{
    ScratchRegistryKey scratch(L"GtMultiPaneRecord");
    std::vector<CRect> places;
    {
        FloatingPanes before;
        CGTMultiMiniFrameWnd* first = before.MultiOf(0);
        ASSERT_NE(nullptr, first);
        before.CursorAtRightOf(0);
        before.MultiOf(1)->ReleaseBar(before.panes[1].get(), FALSE, FALSE);
        ASSERT_TRUE(first->DockBar(before.panes[1].get()));
        places = {WindowRect(*first), WindowRect(*before.panes[0]), WindowRect(*before.panes[1])};
        ASSERT_TRUE(before.frame.m_State.SaveState(scratch.Path(), 1));
    }
    FloatingPanes after;
    ASSERT_TRUE(after.frame.m_State.LoadState(scratch.Path(), 1));
    after.frame.m_State.ApplyLoadedState();
    PumpMessages();
    CGTMultiMiniFrameWnd* loaded = after.MultiOf(0);
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(loaded, after.panes[1]->GetParentMiniFrame());
    EXPECT_EQ((std::vector<int>{301, 302}), PaneIds(*loaded));
    // The frame comes back where it was, its panes side by side across it in the saved order.
    const CRect left = WindowRect(*after.panes[0]);
    const CRect right = WindowRect(*after.panes[1]);
    EXPECT_EQ(places[0], WindowRect(*loaded));
    EXPECT_EQ(places[1].TopLeft(), left.TopLeft());
    EXPECT_EQ(places[2].BottomRight(), right.BottomRight());
    EXPECT_LT(left.right, right.left);
    EXPECT_NE(loaded, after.panes[2]->GetParentMiniFrame());
}

TEST(MultiPaneDocking, ADoubleClickDocksTwoPanesOfOneGroupBackUnderOneSlider)
{
    FloatingPanes panes;
    TestPane& top = *panes.panes[0];
    TestPane& bottom = *panes.panes[1];
    top.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
    ASSERT_TRUE(bottom.DockBesidePane(&top, GTSideBottom, nullptr));
    panes.frame.AdjustDockingLayout();
    const std::vector<CRect> docked = {WindowRect(top), WindowRect(bottom)};
    const HWND slider = top.GetDefaultSlider();
    ASSERT_NE(nullptr, slider);

    top.FloatAtRect(CRect(200, 150, 350, 350), GTDockByRect, TRUE);
    bottom.FloatAtRect(CRect(400, 150, 550, 350), GTDockByRect, TRUE);
    CGTMultiMiniFrameWnd* multi = panes.MultiOf(0);
    ASSERT_NE(nullptr, multi);
    panes.MultiOf(1)->ReleaseBar(&bottom, FALSE, FALSE);
    panes.CursorAtRightOf(0);
    ASSERT_TRUE(multi->DockBar(&bottom));
    PumpMessages();

    const HWND window = multi->GetSafeHwnd();
    multi->SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(20, 20));
    PumpMessages();
    // The frame stays, hidden, while the panes' floating places still name its nodes.
    EXPECT_FALSE(::IsWindowVisible(window));
    EXPECT_EQ(nullptr, top.GetParentMiniFrame());
    EXPECT_EQ(nullptr, bottom.GetParentMiniFrame());
    EXPECT_NE(nullptr, top.GetDefaultSlider());
    EXPECT_EQ(top.GetDefaultSlider(), bottom.GetDefaultSlider());
    panes.frame.AdjustDockingLayout();
    // The group fills the place it had, the first pane above the second.
    EXPECT_EQ(docked[0].TopLeft(), WindowRect(top).TopLeft());
    EXPECT_EQ(docked[1].BottomRight(), WindowRect(bottom).BottomRight());
    EXPECT_LT(WindowRect(top).bottom, WindowRect(bottom).top);
}

TEST(MultiPaneDocking, AFrameHeldOverAnotherJoinsItsTreeOnlyAfterTheDelay)
{
    FloatingPanes panes;
    FakeClock clock;
    CGTMultiMiniFrameWnd* held = panes.MultiOf(1);
    CGTMultiMiniFrameWnd* under = panes.MultiOf(0);
    ASSERT_NE(nullptr, held);
    ASSERT_NE(nullptr, under);
    for (auto& pane : panes.panes)
        pane->SetStyleWord(pane->GetStyleWord() | 0x40);
    panes.CursorAtRightOf(0);
    EXPECT_TRUE(panes.frame.m_State.ProcessFloatingFrameMove(held));
    clock.Advance(CGTDockManager::s_nPaneDockDelay - 1);
    EXPECT_TRUE(panes.frame.m_State.ProcessFloatingFrameMove(held));
    EXPECT_EQ(held, panes.panes[1]->GetParentMiniFrame());
    clock.Advance(1);
    const HWND heldWindow = held->GetSafeHwnd();
    EXPECT_FALSE(panes.frame.m_State.ProcessFloatingFrameMove(held));
    EXPECT_EQ(under, panes.panes[1]->GetParentMiniFrame());
    PumpMessages();
    EXPECT_FALSE(::IsWindow(heldWindow));
    EXPECT_EQ((std::vector<int>{301, 302}), PaneIds(*under));
}
