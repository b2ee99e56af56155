#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <gtest/gtest.h>
#include "PaneTestSupport.h"

namespace {
// A pane floated in a multi-pane frame over a frame with dock bars.
struct MultiFloating {
    MultiFloating() : pane(frame, CRect(0, 0, 120, 200), 670)
    {
        frame.m_DockManager.CreateDockBars(GTSideAny);
        pane.SetWindowText(L"Users");
        pane.SetFloatingFrameClass(RUNTIME_CLASS(CGTMultiMiniFrameWnd));
        pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        pane.FloatAtRect(CRect(250, 150, 370, 350), GTDockByRect, TRUE);
        multi = DYNAMIC_DOWNCAST(CGTMultiMiniFrameWnd, pane.GetParentMiniFrame());
    }
    // Takes the pane out of the frame's tree without destroying it with the frame.
    void ReleasePane()
    {
        pane.SetParent(&frame);
        multi->ReleaseBar(&pane, TRUE, FALSE);
    }

    TestDockingFrame frame;
    TestPane pane;
    CGTMultiMiniFrameWnd* multi = nullptr;
};
}  // namespace

TEST(MultiMiniFrame, WithOneVisiblePaneTheFrameShowsItsTitleAndThePaneHidesItsCaption)
{
    MultiFloating floating;
    ASSERT_NE(nullptr, floating.multi);
    EXPECT_EQ(1, floating.multi->GetBarCount());
    EXPECT_EQ(&floating.pane, floating.multi->GetBar());
    EXPECT_EQ(CString(L"Users"), floating.multi->GetCaptionText());
    EXPECT_EQ(0, floating.pane.GetCaptionHeight());
    EXPECT_TRUE(floating.multi->DockWithoutDrag(0, nullptr));
    EXPECT_EQ(floating.multi, floating.pane.GetParentMiniFrame());
}

TEST(MultiMiniFrame, TheLastPaneLeavingDestroysTheFrameThroughThePostedCheckOrHidesAReferencedOne)
{
    for (BOOL referenced : {FALSE, TRUE}) {
        MultiFloating floating;
        ASSERT_NE(nullptr, floating.multi);
        const HWND window = floating.multi->GetSafeHwnd();
        CGTBarContainer* root = floating.multi->GetContainerManager().GetRoot();
        if (referenced)
            root->AddRef();
        floating.ReleasePane();
        EXPECT_TRUE(::IsWindow(window)) << referenced;
        PumpMessages();
        EXPECT_EQ(referenced, ::IsWindow(window)) << referenced;
        if (referenced) {
            EXPECT_FALSE(::IsWindowVisible(window));
            root->Release();
            ::DestroyWindow(window);
        }
    }
}
