#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTStatusBar.h>
#include <afxpriv.h>
#include <gtest/gtest.h>
#include <vector>
#include "FrameBarPlacement.h"
#include "GtToolbarsTestIds.h"
#include "ToolbarTestSupport.h"

namespace {
const UINT indicators[] = {0, ID_GT_TEST_CAPS, ID_GT_TEST_NUM};

// A status bar that shows the gap it keeps between panes.
class GapStatusBar : public CGTStatusBar {
public:
    int Gap() const { return m_cxDefaultGap; }
};

// A sizable frame that places its status bar along its bottom; it keeps the sizing requests
// it gets.
class StatusFrame : public StackFrame {
public:
    explicit StatusFrame(DWORD iExStyle = 0)
    {
        CreateEx(iExStyle, nullptr, L"Status", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 300), nullptr, 0);
        m_Bar.Create(this);
        m_Bar.SetIndicators(indicators, 3);
        RecalcLayout();
        ShowWindow(SW_SHOWNORMAL);
    }
    ~StatusFrame() override { DestroyWindow(); }
    void RecalcLayout(BOOL iNotify = TRUE) override
    {
        StackFrame::RecalcLayout(iNotify);
        PlaceBarAtBottom(*this, m_Bar);
    }
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_SYSCOMMAND) {
            m_SysCommands.push_back(static_cast<UINT>(iWParam));
            return 0;
        }
        return StackFrame::WindowProc(iMessage, iWParam, iLParam);
    }

    GapStatusBar m_Bar;
    std::vector<UINT> m_SysCommands;
};

int TextWidth(const CString& iText)
{
    CClientDC dc(nullptr);
    CFont* previous = dc.SelectObject(&theGuiToolkitGlobals.fontRegular);
    const int width = dc.GetTextExtent(iText).cx;
    dc.SelectObject(previous);
    return width;
}

// A list of n small icons of different colours.
HIMAGELIST Frames(int iCount)
{
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, iCount, 0);
    for (int frame = 0; frame < iCount; ++frame) {
        HICON icon = ::LoadIconW(nullptr, frame % 2 == 0 ? IDI_APPLICATION : IDI_WARNING);
        ImageList_ReplaceIcon(list, -1, icon);
    }
    return list;
}
}  // namespace

TEST(StatusBar, IndicatorsMakeTheirPanes)
{
    StatusFrame frame;
    CGTStatusBar& bar = frame.m_Bar;
    ASSERT_EQ(3, bar.GetCount());
    EXPECT_EQ(UINT(SBPS_STRETCH | SBPS_NOBORDERS), bar.GetPaneStyle(0));
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN) / 4, bar.GetPane(0)->textWidth);
    EXPECT_EQ(CString(L"CAP"), bar.GetPaneText(1));
    EXPECT_EQ(TextWidth(L"NUM LOCK"), bar.GetPane(2)->textWidth);
    EXPECT_EQ(0u, bar.GetPaneStyle(2));
    EXPECT_EQ(2, bar.CommandToIndex(ID_GT_TEST_NUM));
    EXPECT_EQ(nullptr, bar.GetPane(3));

    // A message pane that is not first keeps its borders; a missing string fails the call.
    const UINT missing[] = {ID_GT_TEST_CAPS, 0, ID_GT_TEST_NO_TEXT};
    EXPECT_FALSE(bar.SetIndicators(missing, 3));
    EXPECT_EQ(0u, bar.GetPaneStyle(1));
    EXPECT_EQ(CString(L"CAP"), bar.GetPaneText(0));
}

TEST(StatusBar, PanesFillTheBarUpToTheGrip)
{
    for (const BOOL maximized : {FALSE, TRUE}) {
        StatusFrame frame;
        CGTStatusBar& bar = frame.m_Bar;
        frame.ShowWindow(maximized ? SW_MAXIMIZE : SW_SHOWNORMAL);
        frame.RecalcLayout();
        bar.RecalcLayout();
        CRect client;
        bar.GetClientRect(&client);
        const int grip = maximized ? 0 : std::min(::GetSystemMetrics(SM_CYHSCROLL) + 1, client.Height());
        const int gap = frame.m_Bar.Gap();
        const CRect stretched = bar.GetPane(0)->rect;
        const CRect caps = bar.GetPane(1)->rect;
        const CRect num = bar.GetPane(2)->rect;
        EXPECT_EQ(CRect(4, 2, stretched.right, client.bottom), stretched) << maximized;
        EXPECT_EQ(TextWidth(L"CAP") + 4, caps.Width());
        EXPECT_EQ(stretched.right + gap, caps.left);
        EXPECT_EQ(caps.right + gap, num.left);
        EXPECT_EQ(TextWidth(L"NUM LOCK") + 4, num.Width());
        if (maximized) {
            EXPECT_TRUE(bar.GetGripRect().IsRectEmpty());
            EXPECT_EQ(client.right + 1 - gap, num.right);
        } else {
            EXPECT_EQ(client.right - grip - gap, num.right);
            EXPECT_EQ(CRect(num.right, 0, num.right + grip, client.bottom), bar.GetGripRect());
        }
    }
}

TEST(StatusBar, TheGripSizesTheFrameFromItsCorner)
{
    for (const DWORD exStyle : {0UL, static_cast<DWORD>(WS_EX_LAYOUTRTL)}) {
        StatusFrame frame(exStyle);
        CGTStatusBar& bar = frame.m_Bar;
        CRect client;
        bar.GetClientRect(&client);
        CPoint corner(client.right - 2, client.bottom - 2);
        CPoint middle(client.CenterPoint());
        bar.ClientToScreen(&corner);
        bar.ClientToScreen(&middle);
        EXPECT_EQ(exStyle != 0 ? HTBOTTOMLEFT : HTBOTTOMRIGHT,
                  bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)));
        EXPECT_EQ(HTCLIENT, bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(middle.x, middle.y)));
        bar.SendMessage(WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, 0);
        EXPECT_EQ(std::vector<UINT>{SC_SIZE | WMSZ_BOTTOMRIGHT}, frame.m_SysCommands);
    }
}

TEST(StatusBar, TheWindowTextIsTheMessagePanes)
{
    StatusFrame frame;
    CGTStatusBar& bar = frame.m_Bar;
    frame.SetMessageText(L"Ready now");
    EXPECT_EQ(CString(L"Ready now"), bar.GetPaneText(0));
    EXPECT_EQ(9, bar.SendMessage(WM_GETTEXTLENGTH));
    wchar_t text[6] = {L'x', L'x'};
    EXPECT_EQ(6, bar.SendMessage(WM_GETTEXT, 6, reinterpret_cast<LPARAM>(text)));
    EXPECT_STREQ(L"Ready", text);
    EXPECT_EQ(0, bar.SendMessage(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(text)));

    const UINT noMessagePane[] = {ID_GT_TEST_CAPS};
    bar.SetIndicators(noMessagePane, 1);
    EXPECT_EQ(-1, bar.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Lost")));
    EXPECT_EQ(0, bar.SendMessage(WM_GETTEXTLENGTH));
    EXPECT_EQ(CString(L"CAP"), bar.GetPaneText(0));
}

TEST(StatusBar, TheSameTextAgainPaintsNothing)
{
    RecordingLookInPlace look;
    StatusFrame frame;
    CGTStatusBar& bar = frame.m_Bar;
    bar.UpdateWindow();
    look->m_Calls.clear();
    bar.SetPaneText(1, L"CAP");
    EXPECT_TRUE(look->m_Calls.empty());
    bar.SetPaneText(1, L"OVR");
    EXPECT_EQ(std::vector<std::string>{"pane" + std::to_string(ID_GT_TEST_CAPS)}, look->m_Calls);
}

TEST(StatusBar, AnimationFramesAdvanceOnTheirTimerUntilThePanesAreReplaced)
{
    StatusFrame frame;
    CGTStatusBar& bar = frame.m_Bar;
    HIMAGELIST frames = Frames(3);
    bar.SetPaneAnimation(2, frames, 100);
    ImageList_Destroy(frames);
    GTStatusPane& pane = *bar.GetPane(2);
    EXPECT_EQ(3, pane.frameCount);
    EXPECT_EQ(16, pane.iconWidth);
    const UINT_PTR timer = CGTStatusBar::s_TimerBase + 2;
    std::vector<int> shown;
    for (int tick = 0; tick < 3; ++tick) {
        bar.SendMessage(WM_TIMER, timer);
        shown.push_back(pane.currentFrame);
    }
    EXPECT_EQ((std::vector<int>{1, 2, 0}), shown);
    // The timer of a pane without frames, or of no pane, changes nothing.
    bar.SendMessage(WM_TIMER, CGTStatusBar::s_TimerBase + 1);
    bar.SendMessage(WM_TIMER, CGTStatusBar::s_TimerBase + 7);
    EXPECT_EQ(0, pane.currentFrame);

    // New panes end the animation's timer.
    bar.SetIndicators(indicators, 3);
    EXPECT_FALSE(::KillTimer(bar.GetSafeHwnd(), timer));
    EXPECT_EQ(0, bar.GetPane(2)->frameCount);
    bar.SendMessage(WM_TIMER, timer);
    EXPECT_EQ(0, bar.GetPane(2)->currentFrame);

    // An icon takes the pane's place of an animation and stops it.
    frames = Frames(2);
    bar.SetPaneAnimation(1, frames, 100);
    ImageList_Destroy(frames);
    bar.SetPaneIcon(1, ::LoadIconW(nullptr, IDI_APPLICATION));
    EXPECT_EQ(0, bar.GetPane(1)->frameCount);
    EXPECT_EQ(::GetSystemMetrics(SM_CXICON), bar.GetPane(1)->iconWidth);
    EXPECT_FALSE(::KillTimer(bar.GetSafeHwnd(), CGTStatusBar::s_TimerBase + 1));
}

TEST(StatusBar, CommandUpdatesDisableCheckAndWriteThePanes)
{
    StatusFrame frame;
    CGTStatusBar& bar = frame.m_Bar;
    CGTStatusCmdUI state(bar);
    state.m_nIndex = 1;
    state.Enable(FALSE);
    state.SetCheck(1);
    state.SetText(L"caps");
    EXPECT_EQ(UINT(SBPS_DISABLED | SBPS_POPOUT), bar.GetPaneStyle(1));
    EXPECT_EQ(CString(L"caps"), bar.GetPaneText(1));
    state.Enable(TRUE);
    state.SetCheck(0);
    EXPECT_EQ(0u, bar.GetPaneStyle(1));
}
