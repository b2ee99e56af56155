#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <gtest/gtest.h>
#include <guitoolkit/docking/tests/DockingTestSupport.h>

namespace {
// A frame in full-screen mode: its full-screen toolbar shown, its place before remembered.
struct FullScreenFrame {
    FullScreenFrame() : fullScreen(nullptr)
    {
        auto* bar = new CGTToolBar;
        bar->Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 620);
        toolbarWindow = bar->GetSafeHwnd();
        fullScreen.m_pFullScreenBar = bar;
        fullScreen.m_nToolbarId = 620;
        fullScreen.m_bFullScreen = TRUE;
        fullScreen.m_rectFramePrev = CRect(40, 30, 440, 330);
        fullScreen.m_rectFullScreen = CRect(-4, -4, 804, 604);
        frame.MoveWindow(CRect(-4, -4, 804, 604));
    }

    TestDockingFrame frame;
    CGTFullScreenImpl fullScreen;
    HWND toolbarWindow;
};

MINMAXINFO Limits(CGTFullScreenImpl& ioFullScreen)
{
    MINMAXINFO info = {};
    info.ptMaxSize = CPoint(1, 2);
    info.ptMaxTrackSize = CPoint(3, 4);
    ioFullScreen.OnGetMinMaxInfo(&info);
    return info;
}
}  // namespace

TEST(FullScreen, LeavingPutsTheFrameBackAndDropsTheToolbarWithItsMiniFrameOnceOnly)
{
    for (BOOL floating : {FALSE, TRUE}) {
        FullScreenFrame full;
        CGTToolBar& toolbar = *full.fullScreen.m_pFullScreenBar;
        toolbar.SetBehaviourStyle(GTBehaviourAll);
        if (floating) {
            ASSERT_TRUE(toolbar.FloatAtRect(CRect(100, 100, 200, 130), GTDockByRect, TRUE));
        }
        const HWND miniFrame = floating ? toolbar.GetParentMiniFrame()->GetSafeHwnd() : nullptr;
        full.fullScreen.RestoreFrameState(&full.frame);
        EXPECT_FALSE(::IsWindow(full.toolbarWindow)) << floating;
        EXPECT_FALSE(floating && ::IsWindow(miniFrame));
        EXPECT_EQ(nullptr, full.fullScreen.m_pFullScreenBar);
        EXPECT_FALSE(full.fullScreen.IsFullScreen());
        EXPECT_EQ(CRect(40, 30, 440, 330), WindowRect(full.frame));

        full.frame.MoveWindow(CRect(10, 10, 210, 110));
        full.fullScreen.RestoreFrameState(&full.frame);
        EXPECT_EQ(CRect(10, 10, 210, 110), WindowRect(full.frame));
    }
}

TEST(FullScreen, AHelperThatNeverEnteredDoesNothing)
{
    TestDockingFrame frame(CRect(10, 10, 210, 110));
    CGTFullScreenImpl fullScreen(nullptr);
    fullScreen.m_bFullScreen = TRUE;
    fullScreen.m_rectFramePrev = CRect(40, 30, 440, 330);
    fullScreen.RestoreFrameState(&frame);
    EXPECT_EQ(CRect(10, 10, 210, 110), WindowRect(frame));
}

TEST(FullScreen, TheMaximisedSizeIsTheFullScreenRectangleOnlyWhileOn)
{
    FullScreenFrame full;
    MINMAXINFO on = Limits(full.fullScreen);
    EXPECT_EQ(CPoint(808, 608), CPoint(on.ptMaxSize));
    EXPECT_EQ(CPoint(808, 608), CPoint(on.ptMaxTrackSize));

    full.fullScreen.RestoreFrameState(&full.frame);
    MINMAXINFO off = Limits(full.fullScreen);
    EXPECT_EQ(CPoint(1, 2), CPoint(off.ptMaxSize));
    EXPECT_EQ(CPoint(3, 4), CPoint(off.ptMaxTrackSize));
}

TEST(FullScreen, LeavingShowsTheHiddenMenuBarUnlessToldToSkipIt)
{
    for (BOOL skip : {TRUE, FALSE}) {
        FullScreenFrame full;
        CGTMenuBar menuBar;
        menuBar.Create(&full.frame, WS_CHILD | CBRS_TOP, 621);
        full.frame.m_DockManager.AddBar(&menuBar);
        full.fullScreen.m_bSkipMenuRestore = skip;
        full.fullScreen.RestoreFrameState(&full.frame);
        EXPECT_EQ(!skip, Shown(menuBar)) << skip;
        menuBar.DestroyWindow();
    }
}

TEST(FullScreen, LeavingReloadsTheFrameLayoutFromTheWorkspaceSection)
{
    struct RecordingWorkspace : CGTWorkspace {
        BOOL LoadState(LPCWSTR iSection, CGTFrameImpl*) override
        {
            sections.push_back(iSection != nullptr ? iSection : L"(base)");
            return TRUE;
        }
        std::vector<CString> sections;
    } workspace;
    for (LPCWSTR section : {L"", L"FullScreenLayout"}) {
        FullScreenFrame full;
        full.fullScreen.m_strRegSection = section;
        full.fullScreen.RestoreFrameState(&full.frame);
        full.fullScreen.RestoreFrameState(&full.frame);
    }
    EXPECT_EQ((std::vector<CString>{L"(base)", L"FullScreenLayout"}), workspace.sections);
}
