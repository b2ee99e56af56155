#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <gtest/gtest.h>
#include "LayoutTestSupport.h"

namespace {
// A pane docked at the left edge, a pane in a multi-pane frame and a floating pane to drag.
struct DropTargets {
    DropTargets()
        : docked(frame, CRect(0, 0, 160, 200), 401), inMulti(frame, CRect(0, 0, 160, 200), 402),
          dragged(frame, CRect(0, 0, 120, 150), 403)
    {
        frame.ShowWindow(SW_SHOWNOACTIVATE);
        docked.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        inMulti.SetFloatingFrameClass(RUNTIME_CLASS(CGTMultiMiniFrameWnd));
        inMulti.FloatAtRect(CRect(500, 120, 660, 320), GTDockByRect, TRUE);
        dragged.FloatAtRect(CRect(700, 400, 820, 550), GTDockByRect, TRUE);
        frame.AdjustDockingLayout();
    }
    // What a drop at the point would show: the outline, the tab flag and the target's id.
    std::tuple<CRect, BOOL, int> Outline(CPoint iPoint)
    {
        CRect rect;
        BOOL tab = FALSE;
        CGTDockingControlBar* target = nullptr;
        frame.m_State.CalcExpectedDockedRect(dragged.GetParentMiniFrame(), iPoint, rect, tab, target);
        return {rect, tab, target != nullptr ? target->GetDlgCtrlID() : 0};
    }

    LayoutFrame frame;
    TestPane docked;
    TestPane inMulti;
    TestPane dragged;
};
}  // namespace

TEST(DropOutline, APanesCaptionShowsItAsATabAndItsEdgesTheHalfOnThatSide)
{
    DropTargets targets;
    const CRect d = WindowRect(targets.docked);
    const CRect m = WindowRect(targets.inMulti);
    const CPoint dMiddle = d.CenterPoint();
    const CPoint mMiddle = m.CenterPoint();
    struct Case {
        CPoint point;
        CRect rect;
        BOOL tab;
        int target;
    };
    const Case cases[] = {
        {CPoint(dMiddle.x, d.top + 6), d, TRUE, 401},
        {CPoint(d.left + 3, dMiddle.y), CRect(d.left, d.top, d.left + d.Width() / 2, d.bottom), FALSE, 401},
        {CPoint(d.right - 3, dMiddle.y), CRect(d.right - d.Width() / 2, d.top, d.right, d.bottom), FALSE, 401},
        {CPoint(dMiddle.x, d.bottom - 3), CRect(d.left, d.bottom - d.Height() / 2, d.right, d.bottom), FALSE, 401},
        {CPoint(m.left + 3, mMiddle.y), CRect(m.left, m.top, m.left + m.Width() / 2, m.bottom), FALSE, 402},
        {CPoint(mMiddle.x, m.bottom - 3), CRect(m.left, m.bottom - m.Height() / 2, m.right, m.bottom), FALSE, 402},
        {mMiddle, CRect(), FALSE, 0},
    };
    for (const Case& c : cases) {
        const auto [rect, tab, target] = targets.Outline(c.point);
        EXPECT_EQ(c.rect, rect) << c.point.x << "," << c.point.y;
        EXPECT_EQ(c.tab, tab) << c.point.x << "," << c.point.y;
        EXPECT_EQ(c.target, target) << c.point.x << "," << c.point.y;
    }
}
