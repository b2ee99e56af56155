#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <gtest/gtest.h>
#include "FrameTestSupport.h"

namespace {
const UINT userId = 0xE8C0;
const UINT tearOffId = 0xE8D0;

BOOL CALLBACK CountWithId(HWND iWindow, LPARAM ioCount)
{
    auto& count = *reinterpret_cast<std::pair<UINT, int>*>(ioCount);
    if (static_cast<UINT>(::GetDlgCtrlID(iWindow)) == count.first &&
        DYNAMIC_DOWNCAST(CGTToolBar, CWnd::FromHandlePermanent(iWindow)) != nullptr)
        ++count.second;
    return TRUE;
}

BOOL CALLBACK CountInTopLevel(HWND iWindow, LPARAM ioCount)
{
    CountWithId(iWindow, ioCount);
    ::EnumChildWindows(iWindow, &CountWithId, ioCount);
    return TRUE;
}

// The toolbar windows of this thread, floating ones included, that have the id.
int ToolbarWindowsWithId(UINT iId)
{
    std::pair<UINT, int> count(iId, 0);
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountInTopLevel, reinterpret_cast<LPARAM>(&count));
    return count.second;
}

// A toolkit frame on the heap, deleted by its own window's end.
CGTFrameWnd* HeapFrame()
{
    auto* frame = new CGTFrameWnd;
    frame->Create(nullptr, L"Frame", WS_OVERLAPPEDWINDOW, CRect(100, 100, 600, 400));
    frame->CreateDockBars(0xF000);
    return frame;
}
}  // namespace

TEST(UserToolbarReload, EveryLoadAndLeavingFullScreenLeaveOneToolbarPerSavedOne)
{
    ScratchApp app;
    RecordingWorkspace workspace;
    StackToolkitFrame frame;
    CGTFrameImpl& impl = frame.GetFrameImpl();
    impl.SetUserToolbarRange(userId, userId + 2);
    ASSERT_NE(nullptr, impl.CreateNewUserToolbar(L"Mine"));
    ASSERT_TRUE(workspace.SaveState(nullptr, &impl));

    for (int load = 1; load <= 2; ++load) {
        workspace.LoadState(nullptr, &impl);
        EXPECT_EQ(1, impl.GetUserToolbars().GetCount()) << load;
        EXPECT_EQ(1, ToolbarWindowsWithId(userId)) << load;
    }

    CGTFullScreenImpl& fullScreen = impl.GetFullScreen();
    CGTToolBar* before = impl.GetUserToolbarAt(0);
    fullScreen.m_nToolbarId = 0;
    fullScreen.m_bFullScreen = TRUE;
    fullScreen.RestoreFrameState(&frame);
    EXPECT_TRUE(workspace.m_LoadUserToolbars);
    ASSERT_EQ(1, impl.GetUserToolbars().GetCount());
    EXPECT_EQ(before, impl.GetUserToolbarAt(0));
    EXPECT_EQ(1, ToolbarWindowsWithId(userId));
}

TEST(UserToolbarReload, AFrameGoesWithItsFloatingUserToolbarAndTearOffBar)
{
    ScratchApp app;
    RecordingWorkspace workspace;
    CGTFrameWnd* frame = HeapFrame();
    CGTFrameImpl& impl = frame->GetFrameImpl();
    impl.SetUserToolbarRange(userId, userId + 2);
    CGTToolBar* user = impl.CreateNewUserToolbar(L"Mine");
    ASSERT_NE(nullptr, user);
    ASSERT_NE(nullptr, user->GetParentMiniFrame());
    auto* tearOff = new CGTToolBar;
    ASSERT_TRUE(tearOff->Create(frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, tearOffId));
    tearOff->InsertButton(new CGTToolbarButton(0x8001, -1, L"Files", FALSE, TRUE));
    tearOff->SetBehaviourStyle(GTBehaviourAll);
    impl.AddTearOffBar(tearOff);
    ASSERT_TRUE(tearOff->FloatAtRect(CRect(300, 300, 400, 330), GTDockByRect, TRUE));

    frame->DestroyWindow();
    EXPECT_EQ(0, ToolbarWindowsWithId(userId));
    EXPECT_EQ(0, ToolbarWindowsWithId(tearOffId));
}
