#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <gtest/gtest.h>
#include "FrameTestSupport.h"

namespace {
const UINT fullScreenCommand = 0x8300;
const UINT userId = 0xE8C0;

CRect WindowRect(const CWnd& iWindow)
{
    CRect rect;
    iWindow.GetWindowRect(&rect);
    return rect;
}

CRect ClientOnScreen(const CWnd& iWindow)
{
    CRect rect;
    iWindow.GetClientRect(&rect);
    iWindow.ClientToScreen(&rect);
    return rect;
}

class CheckRecorder : public CCmdUI {
public:
    void Enable(BOOL iOn) override
    {
        m_Enabled = iOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int iCheck) override { m_Check = iCheck; }
    BOOL m_Enabled = FALSE;
    int m_Check = -1;
};

// A shown frame with a toolbar docked at the top and a floating user toolbar.
struct BarsFrame {
    BarsFrame()
    {
        frame.ShowWindow(SW_SHOWNA);
        toolbar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE800);
        toolbar.InsertButton(new CGTToolbarButton(0x8001, -1, L"Files", FALSE, TRUE));
        toolbar.SetBehaviourStyle(GTBehaviourAll);
        toolbar.EnableDocking(GTSideAny);
        frame.DockBar(&toolbar);
        frame.GetFrameImpl().SetUserToolbarRange(userId, userId + 2);
        frame.GetFrameImpl().CreateNewUserToolbar(L"Mine");
        frame.GetFrameImpl().EnableFullScreenMode(fullScreenCommand);
        frame.RecalcLayout();
    }
    ~BarsFrame() { toolbar.DestroyWindow(); }
    BOOL Command(UINT iId) { return frame.OnCmdMsg(iId, CN_COMMAND, nullptr, nullptr); }
    int Check()
    {
        CheckRecorder update;
        update.m_nID = fullScreenCommand;
        frame.OnCmdMsg(fullScreenCommand, CN_UPDATE_COMMAND_UI, &update, nullptr);
        return update.m_Enabled ? update.m_Check : -1;
    }
    void Pump()
    {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
    }

    ScratchApp app;
    RecordingWorkspace workspace;
    StackToolkitFrame frame;
    CGTToolBar toolbar;
};

CRect MonitorOf(const CWnd& iWindow)
{
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(iWindow.GetSafeHwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcMonitor;
}
}  // namespace

TEST(FullScreenMode, TheCommandCoversTheMonitorWithTheBarsHiddenAndTheCloseButtonOrEscapeBringsAllBack)
{
    for (BOOL byEscape : {FALSE, TRUE}) {
        BarsFrame bars;
        const CRect frameBefore = WindowRect(bars.frame);
        const CRect barBefore = WindowRect(bars.toolbar);
        CGTToolBar* user = bars.frame.GetFrameImpl().GetUserToolbarAt(0);
        ASSERT_NE(nullptr, user);
        EXPECT_FALSE(bars.Command(0x8301));
        EXPECT_EQ(0, bars.Check());
        // Asked whether it has a handler, the command answers without running.
        AFX_CMDHANDLERINFO handler = {nullptr, nullptr};
        EXPECT_TRUE(bars.frame.OnCmdMsg(fullScreenCommand, CN_COMMAND, nullptr, &handler));
        EXPECT_FALSE(bars.frame.GetFrameImpl().IsFullScreen());

        ASSERT_TRUE(bars.Command(fullScreenCommand));
        CGTFullScreenImpl& fullScreen = bars.frame.GetFrameImpl().GetFullScreen();
        EXPECT_TRUE(fullScreen.IsFullScreen());
        EXPECT_EQ(1, bars.Check());
        EXPECT_EQ(MonitorOf(bars.frame), ClientOnScreen(bars.frame));
        EXPECT_FALSE(bars.toolbar.IsWindowVisible());
        EXPECT_FALSE(user->IsVisible());
        CGTToolBar* close = fullScreen.m_pFullScreenBar;
        ASSERT_NE(nullptr, close);
        ASSERT_NE(nullptr, close->GetParentMiniFrame());
        ASSERT_EQ(1, close->GetButtonCount());
        EXPECT_STREQ(L"Close Full Screen", close->GetButton(0)->m_Text);
        EXPECT_EQ(fullScreenCommand, close->GetButton(0)->m_CommandId);
        // The button shows whole inside its floating frame.
        CRect button = close->GetButton(0)->Rect();
        close->ClientToScreen(&button);
        CRect shown;
        close->GetParentMiniFrame()->GetWindowRect(&shown);
        EXPECT_GT(button.Width(), 40);
        EXPECT_EQ(shown, shown | button);

        if (byEscape) {
            MSG escape = {bars.frame.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
            EXPECT_TRUE(bars.frame.PreTranslateMessage(&escape));
        } else {
            EXPECT_TRUE(bars.Command(fullScreenCommand));
            bars.Pump();
        }
        EXPECT_FALSE(fullScreen.IsFullScreen()) << byEscape;
        EXPECT_EQ(nullptr, fullScreen.m_pFullScreenBar);
        EXPECT_EQ(frameBefore, WindowRect(bars.frame));
        EXPECT_TRUE(bars.toolbar.IsWindowVisible());
        EXPECT_EQ(barBefore, WindowRect(bars.toolbar));
        ASSERT_EQ(1, bars.frame.GetFrameImpl().GetUserToolbars().GetCount());
        EXPECT_EQ(user, bars.frame.GetFrameImpl().GetUserToolbarAt(0));
        EXPECT_TRUE(user->IsVisible());
    }
}
