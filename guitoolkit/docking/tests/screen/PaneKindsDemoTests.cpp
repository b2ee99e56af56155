// What a user sees, on a real X display: a frame with a caption bar on top, an outlook bar of
// three pages on the left, a tool box on the right, and a desktop application bar. Real input
// picks the third page, a tool and the caption bar's button, and drags the application bar to
// the top of the screen. The screenshot is kept as pane-kinds-demo.bmp beside the test.
#include <guitoolkit/docking/CGTAppBarWnd.h>
#include <guitoolkit/docking/CGTCaptionBar.h>
#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/docking/CGTToolBox.h>
#include <guitoolkit/docking/tests/DockingTestSupport.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "ScreenTestSupport.h"

namespace {
const UINT captionCommand = 0x8101;
const UINT toolBoxId = 0xE830;
const UINT firstPageCommand = 0x8200;

// The demo frame: it notes the commands it gets; the view fills what the bars leave free.
class DemoFrame : public TestDockingFrame {
public:
    explicit DemoFrame(const CRect& iRect) : TestDockingFrame(iRect) {}
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override
    {
        m_Commands.push_back({LOWORD(iWParam), iLParam});
        return TRUE;
    }
    // The page buttons' commands are live, as an application's would be.
    BOOL OnCmdMsg(UINT iId, int iCode, void* iExtra, AFX_CMDHANDLERINFO* iHandlerInfo) override
    {
        if (iCode == CN_UPDATE_COMMAND_UI && iId >= firstPageCommand && iId < firstPageCommand + 16) {
            static_cast<CCmdUI*>(iExtra)->Enable(TRUE);
            return TRUE;
        }
        return TestDockingFrame::OnCmdMsg(iId, iCode, iExtra, iHandlerInfo);
    }
    std::vector<std::pair<UINT, LPARAM>> m_Commands;
};

// A bitmap of one colour with a darker frame, as a page button's image.
HBITMAP MakeImage(COLORREF iColour)
{
    CWindowDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 32, 32);
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 32, 32, RGB(255, 0, 255));
    dc.FillSolidRect(4, 4, 24, 24, iColour);
    dc.Draw3dRect(4, 4, 24, 24, RGB(255, 255, 255), RGB(64, 64, 64));
    dc.SelectObject(old);
    return static_cast<HBITMAP>(bitmap.Detach());
}

CPoint Centre(const CWnd& iWindow, CRect iClientRect)
{
    iWindow.ClientToScreen(&iClientRect);
    return iClientRect.CenterPoint();
}
}  // namespace

TEST(PaneKindsDemo, PagesToolsCaptionButtonAndADesktopBarAnswerRealInput)
{
    CWinApp app(L"PaneKindsDemo");
    DemoFrame frame(CRect(120, 150, 760, 600));
    ASSERT_TRUE(frame.m_DockManager.CreateDockBars(GTSideAny));

    CGTCaptionBar caption;
    ASSERT_TRUE(caption.Create(nullptr, WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect(0, 0, 0, 0), &frame, 0xE840, 0));
    caption.SetText(L"Two reports are waiting to be exported.");
    caption.SetButton(L"Export now", captionCommand);
    frame.m_DockManager.DockBar(&caption, GTDockBarTopId);

    CGTOutlookBar outlook;
    ASSERT_TRUE(outlook.Create(L"Shortcuts", &frame, CRect(0, 0, 160, 300), 0xE841, WS_CHILD | WS_VISIBLE,
                               GTBehaviourDockWithoutFloating));
    std::vector<std::unique_ptr<CGTOutlookBarPane>> pages;
    const struct {
        LPCWSTR name;
        COLORREF colour;
    } pageKinds[] = {{L"Reports", RGB(90, 140, 220)}, {L"Users", RGB(100, 190, 110)}, {L"Programs", RGB(220, 150, 70)}};
    UINT command = firstPageCommand;
    for (const auto& kind : pageKinds) {
        pages.push_back(std::make_unique<CGTOutlookBarPane>());
        CGTOutlookBarPane& page = *pages.back();
        ASSERT_TRUE(page.CreatePane(&outlook, WS_CHILD | WS_VISIBLE, 0xE850 + UINT(pages.size())));
        page.SetWindowText(kind.name);
        for (LPCWSTR label : {L"Today", L"This week"}) {
            const HBITMAP image = MakeImage(kind.colour);
            page.InsertBitmapButton(image, label, command++);
            ::DeleteObject(image);
        }
        outlook.AddBarAsTab(&page, TRUE, pages.size() == 1, FALSE);
    }

    CGTToolBox toolBox;
    ASSERT_TRUE(toolBox.Create(L"Tool box", &frame, CRect(0, 0, 150, 300), TRUE, toolBoxId,
                               WS_CHILD | WS_VISIBLE | GTSideRight, 0x20, 0));
    CStringArray tools;
    for (LPCWSTR tool : {L"Counter", L"Chart", L"Grid"})
        tools.Add(tool);
    ASSERT_EQ(0, toolBox.AddToolsPage(L"Report items", 101, CSize(16, 15), tools));

    frame.ShowWindow(SW_SHOW);
    frame.RecalcLayout(TRUE);
    CRect free;
    frame.m_DockManager.GetClientAreaBounds(free);
    outlook.MoveWindow(free.left, free.top, 170, free.Height());
    toolBox.MoveWindow(free.right - 150, free.top, 150, free.Height());

    CGTAppBarWnd desktopBar;
    ASSERT_TRUE(desktopBar.Create(L"Zorvane", CRect(300, 360, 560, 440)));
    LetItDraw(app, 600);

    // The third page button: all three buttons go to the top, the third page fills the rest.
    CGTOutlookWnd& pagesWnd = *outlook.GetOutlookWnd();
    CRect third;
    pagesWnd.GetTabRect(2, third);
    SendClick(Centre(pagesWnd, third));
    LetItDraw(app, 400);
    EXPECT_EQ(2, pagesWnd.GetActiveTab());
    const int height = pagesWnd.GetTabsHeight();
    for (int tab = 0; tab < 3; ++tab) {
        CRect button;
        pagesWnd.GetTabRect(tab, button);
        EXPECT_EQ(1 + tab * height, button.top) << tab;
        EXPECT_EQ(height, button.Height()) << tab;
    }
    EXPECT_TRUE(pages[2]->IsWindowVisible());
    EXPECT_FALSE(pages[0]->IsWindowVisible());

    // A tool: selected, and the tool box's command reaches the frame.
    CGTToolBoxPage& toolPage = *toolBox.GetPage(0);
    SendClick(Centre(toolPage, toolPage.GetTool(1).m_Rect));
    LetItDraw(app, 400);
    EXPECT_EQ(1, toolPage.GetSelected());

    // The caption bar's button sends its command to the frame.
    SendClick(Centre(caption, caption.GetButtonRect()));
    LetItDraw(app, 400);
    const std::vector<std::pair<UINT, LPARAM>> expected = {{toolBoxId, reinterpret_cast<LPARAM>(toolBox.m_hWnd)},
                                                           {captionCommand, 0}};
    EXPECT_EQ(expected, frame.m_Commands);

    // The desktop bar dragged by its caption to the top edge docks across the screen.
    CRect barRect;
    desktopBar.GetWindowRect(&barRect);
    const CPoint grip(barRect.CenterPoint().x, barRect.top + 8);
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    SendMouse(MOUSEEVENTF_MOVE, grip);
    SendMouse(MOUSEEVENTF_LEFTDOWN, grip);
    LetItDraw(app, 200);
    SendMouse(MOUSEEVENTF_MOVE, CPoint(screenWidth / 2, 60));
    LetItDraw(app, 200);
    SendMouse(MOUSEEVENTF_MOVE, CPoint(screenWidth / 2, 2));
    LetItDraw(app, 200);
    SendMouse(MOUSEEVENTF_LEFTUP, CPoint(screenWidth / 2, 2));
    LetItDraw(app, 600);
    EXPECT_EQ(ABE_TOP, desktopBar.GetSide());
    desktopBar.GetWindowRect(&barRect);
    EXPECT_EQ(CRect(0, 0, screenWidth, 60), barRect);

    Screenshot shot(CRect(0, 0, screenWidth, ::GetSystemMetrics(SM_CYSCREEN)));
    shot.Save(L"pane-kinds-demo.bmp");
    desktopBar.DestroyWindow();
}
