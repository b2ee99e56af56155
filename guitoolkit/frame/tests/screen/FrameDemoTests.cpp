// What a user sees, on a real X display: the toolbars' demo as a toolkit frame window (menu
// bar, toolbar, status bar and a docking pane, laid out by the frame's dock manager), closed
// and opened again. The user's changes (a button taken off the toolbar, the pane hidden, the
// window moved and resized) come back from the registry, and the bars stand where they stood.
// The screenshots before closing and after reopening are kept beside the test as
// frame-demo-before.bmp and frame-demo-after.bmp. In customize mode the user drags a button
// across a separator and gives it one of the user's images through Button Appearance; the
// order and the image come back too (frame-demo-customized-before.bmp and -after.bmp). The
// same frame enters full screen by its menu item and leaves it by the floating "Close Full
// Screen" button (full-screen-demo.bmp, full-screen-demo-after.bmp), and its toolbar,
// floating, loses a button unchecked in its caption's menu (caption-menu-demo.bmp,
// caption-menu-demo-after.bmp).
#include <guitoolkit/frame/CGTFrameWnd.h>
#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTStatusBar.h>
#include <guitoolkit/toolbars/CGTToolbarCustomize.h>
#include <guitoolkit/toolbars/GTEditorResources.h>
#include <gtest/gtest.h>
#include <functional>
#include "GtToolbarsTestIds.h"
#include "ScreenTestSupport.h"

void PrintTo(const CRect& iRect, std::ostream* ioStream)
{
    *ioStream << '(' << iRect.left << ',' << iRect.top << ")-(" << iRect.right << ',' << iRect.bottom << ')';
}

namespace {
const UINT paneId = 0xE8E0;
const UINT fullScreenCommand = 0x7F60;
const UINT indicators[] = {0, ID_GT_TEST_CAPS, ID_GT_TEST_NUM};

class FrameDemo : public CGTFrameWnd {
public:
    BOOL CreateDemo(const CRect& iRect)
    {
        if (!Create(nullptr, L"Frame demo", WS_OVERLAPPEDWINDOW, iRect) || !CreateDockBars(0xF000))
            return FALSE;
        const CString clientClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW),
                                                        static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        m_Menu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_GT_TEST_MENU));
        HMENU view = ::CreatePopupMenu();
        ::AppendMenuW(view, MF_STRING, fullScreenCommand, L"&Full Screen");
        ::AppendMenuW(m_Menu, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View");
        GetFrameImpl().EnableFullScreenMode(fullScreenCommand);
        if (!m_Client.CreateEx(WS_EX_CLIENTEDGE, clientClass, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this,
                               AFX_IDW_PANE_FIRST) ||
            m_Menu == nullptr || !m_MenuBar.CreateEx(this) || !m_ToolBar.CreateEx(this) ||
            !m_ToolBar.LoadToolBar(IDR_GT_TEST_BAR) || !m_StatusBar.Create(this) ||
            !m_StatusBar.SetIndicators(indicators, 3) ||
            !m_Pane.Create(L"Users", this, CRect(0, 0, 160, 200), TRUE, paneId, WS_CHILD | WS_VISIBLE | 0x1000))
            return FALSE;
        m_MenuBar.CreateFromMenu(m_Menu, TRUE);
        m_ToolBar.SetWindowText(L"Periods");
        for (CGTToolBar* bar : {static_cast<CGTToolBar*>(&m_MenuBar), static_cast<CGTToolBar*>(&m_ToolBar)}) {
            bar->SetBehaviourStyle(GTBehaviourCanFloat | GTBehaviourCanHide);
            bar->EnableDocking(0xF000);
            DockBar(bar);
        }
        m_Pane.EnableDocking(0xF000);
        m_Pane.DockToFrameWindow(0x1000, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        CGTWorkspace::Current()->LoadState(nullptr, &GetFrameImpl());
        ShowWindow(AfxGetApp()->m_nCmdShow);
        RecalcLayout();
        return TRUE;
    }

    CGTMenuBar m_MenuBar;
    CGTToolBar m_ToolBar;
    CGTStatusBar m_StatusBar;
    CGTDockingControlBar m_Pane;
    CWnd m_Client;

protected:
    afx_msg void OnDestroy()
    {
        CGTFrameWnd::OnDestroy();
        ::DestroyMenu(m_Menu);
    }
    DECLARE_MESSAGE_MAP()

private:
    HMENU m_Menu = nullptr;
};

BEGIN_MESSAGE_MAP(FrameDemo, CGTFrameWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

// The demo's settings live in a scratch key of their own.
class DemoApp : public CWinApp {
public:
    DemoApp() : CWinApp(L"FrameDemo")
    {
        SetRegistryKey(L"ZorvaneTests\\FrameDemo");
        Clean();
    }
    ~DemoApp() override
    {
        Clean();
        free(const_cast<LPWSTR>(m_pszRegistryKey));
        m_pszRegistryKey = nullptr;
    }
    static void Clean() { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZorvaneTests\\FrameDemo"); }
};

CRect ScreenRect(const CWnd& iWindow)
{
    CRect rect;
    iWindow.GetWindowRect(&rect);
    return rect;
}

// Where the frame's bars stand, relative to the frame's window.
struct BarPlaces {
    explicit BarPlaces(FrameDemo& iFrame)
    {
        const CPoint origin = ScreenRect(iFrame).TopLeft();
        for (CWnd* bar : {static_cast<CWnd*>(&iFrame.m_MenuBar), static_cast<CWnd*>(&iFrame.m_ToolBar),
                          static_cast<CWnd*>(&iFrame.m_StatusBar)}) {
            CRect rect = ScreenRect(*bar);
            rect.OffsetRect(-origin);
            places.push_back(rect);
        }
    }
    std::vector<CRect> places;
};

// The demo opened as the application's main window and drawn; null when it did not open.
FrameDemo* OpenDemoFrame(CWinApp& ioApp)
{
    auto* frame = new FrameDemo;
    if (!frame->CreateDemo(CRect(40, 40, 560, 400))) {
        if (frame->GetSafeHwnd() != nullptr)
            frame->DestroyWindow();
        else
            delete frame;
        return nullptr;
    }
    ioApp.m_pMainWnd = frame;
    LetItDraw(ioApp, 800);
    return frame;
}

// A bar's button on the screen.
CRect ButtonOnScreen(const CGTToolBar& iBar, int iIndex)
{
    CRect rect = iBar.GetButton(iIndex)->Rect();
    iBar.ClientToScreen(&rect);
    return rect;
}

BOOL CALLBACK KeepDeepestPopup(HWND iWindow, LPARAM ioDeepest)
{
    auto* popup = DYNAMIC_DOWNCAST(CGTPopupMenu, CWnd::FromHandlePermanent(iWindow));
    auto& deepest = *reinterpret_cast<std::pair<CGTPopupMenu*, int>*>(ioDeepest);
    if (popup == nullptr || !popup->IsWindowVisible())
        return TRUE;
    int depth = 0;
    for (CGTPopupMenu* parent = popup->GetParentPopup(); parent != nullptr; parent = parent->GetParentPopup())
        ++depth;
    if (deepest.first == nullptr || depth > deepest.second)
        deepest = {popup, depth};
    return TRUE;
}

// The middle of an item of the innermost menu open at the moment; (0, 0) when none is open.
CPoint OpenMenuItemCentre(int iIndex)
{
    std::pair<CGTPopupMenu*, int> deepest(nullptr, 0);
    ::EnumThreadWindows(::GetCurrentThreadId(), &KeepDeepestPopup, reinterpret_cast<LPARAM>(&deepest));
    CGTPopupMenu* popup = deepest.first;
    return popup != nullptr && iIndex < popup->GetMenuItemCount()
        ? ButtonOnScreen(*popup->GetMenuBar(), iIndex).CenterPoint()
        : CPoint(0, 0);
}

// The pointer comes to rest on an item of the innermost open menu, as a hand moves it: a menu
// just opened ignores the first move.
CPoint RestOnOpenMenuItem(CWinApp& ioApp, int iIndex)
{
    const CPoint item = OpenMenuItemCentre(iIndex);
    SendMouse(0, item - CSize(2, 0));
    LetItDraw(ioApp, 300);
    SendMouse(0, item);
    LetItDraw(ioApp, 500);
    return item;
}

// The middle of a mini frame's caption button on the screen.
class CaptionButtons : public CGTMiniFrameWnd {
public:
    static CPoint Centre(CGTMiniFrameWnd& iFrame, UINT iHitCode)
    {
        CGTCaptionButton* button = static_cast<CaptionButtons&>(iFrame).FindCaptionButton(iHitCode);
        return button != nullptr ? button->GetRect().CenterPoint() + ScreenRect(iFrame).TopLeft() : CPoint(0, 0);
    }
};

std::vector<UINT> Commands(const CGTToolBar& iBar)
{
    std::vector<UINT> commands;
    for (int i = 0; i < iBar.GetButtonCount(); ++i)
        commands.push_back(iBar.GetButton(i)->m_CommandId);
    return commands;
}
// The demo frame open, with its workspace, as the main window of an application of its own.
class OpenDemo : public testing::Test {
protected:
    void SetUp() override
    {
        m_Workspace.SetRegistryBase(L"Settings");
        m_Frame = OpenDemoFrame(m_App);
        ASSERT_NE(nullptr, m_Frame);
    }
    void TearDown() override
    {
        if (m_Frame != nullptr && m_Frame->GetSafeHwnd() != nullptr)
            m_Frame->DestroyWindow();
        m_App.m_pMainWnd = nullptr;
    }

    DemoApp m_App;
    CGTWorkspace m_Workspace{TRUE};
    FrameDemo* m_Frame = nullptr;
};
}  // namespace

TEST(FrameDemo, TheCustomisedLayoutComesBackWhenTheFrameOpensAgain)
{
    DemoApp app;
    CGTWorkspace workspace(TRUE);
    workspace.SetRegistryBase(L"Settings");

    FrameDemo* frame = OpenDemoFrame(app);
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ((std::vector<UINT>{ID_GT_TEST_FIRST, 0, ID_GT_TEST_SECOND, ID_GT_TEST_THIRD}),
              Commands(frame->m_ToolBar));
    EXPECT_TRUE(frame->m_Pane.IsVisible());

    // The user takes a button off the toolbar, hides the pane, moves and resizes the window.
    frame->m_ToolBar.RemoveButton(2);
    frame->m_ToolBar.AdjustLayout();
    frame->ShowBar(&frame->m_Pane, FALSE, FALSE, FALSE);
    frame->MoveWindow(CRect(90, 70, 690, 470));
    frame->RecalcLayout();
    LetItDraw(app, 800);
    const CRect placed = ScreenRect(*frame);
    const BarPlaces before(*frame);
    // The stretched menu bar follows its frame's new width.
    CRect dockBar;
    frame->m_MenuBar.GetParent()->GetClientRect(&dockBar);
    EXPECT_EQ(dockBar.Width(), ScreenRect(frame->m_MenuBar).Width());
    Screenshot(placed).Save(L"frame-demo-before.bmp");
    frame->SendMessage(WM_CLOSE);
    LetItDraw(app, 300);
    ASSERT_EQ(nullptr, app.m_pMainWnd);

    frame = OpenDemoFrame(app);
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ((std::vector<UINT>{ID_GT_TEST_FIRST, 0, ID_GT_TEST_THIRD}), Commands(frame->m_ToolBar));
    EXPECT_EQ(placed, ScreenRect(*frame));
    EXPECT_TRUE(frame->m_Pane.IsStateLoaded());
    EXPECT_FALSE(frame->m_Pane.GetRememberedVisibility());
    const BarPlaces after(*frame);
    EXPECT_EQ(before.places, after.places);
    Screenshot(ScreenRect(*frame)).Save(L"frame-demo-after.bmp");
    frame->DestroyWindow();
    app.m_pMainWnd = nullptr;
}

namespace {
// The user's image strip, kept in a scratch folder: three images of one colour each.
const COLORREF userColors[] = {RGB(0, 96, 224), RGB(224, 128, 0), RGB(0, 160, 64)};

CString MakeUserImagesFile()
{
    wchar_t folder[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    const CString path = CString(folder) + L"zv-frame-demo-user-images.bmp";
    CGTToolBarImages strip;
    strip.isUserImages = TRUE;
    CClientDC screen(nullptr);
    for (COLORREF color : userColors) {
        CBitmap image;
        image.CreateCompatibleBitmap(&screen, 16, 15);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap* previous = dc.SelectObject(&image);
        dc.FillSolidRect(0, 0, 16, 15, color);
        dc.SelectObject(previous);
        strip.AddImage(static_cast<HBITMAP>(image.GetSafeHandle()));
    }
    return strip.Save(path) ? path : CString();
}

// Waits for the appearance dialog, chooses the user's first image with clicks and OK.
void PickFirstUserImage()
{
    HWND dialog = nullptr;
    for (int wait = 0; wait < 40 && dialog == nullptr; ++wait) {
        dialog = ::FindWindowW(nullptr, L"Button Appearance");
        ::Sleep(100);
    }
    if (dialog == nullptr)
        return;
    const auto centre = [dialog](UINT iControl) {
        RECT rect = {};
        ::GetWindowRect(::GetDlgItem(dialog, iControl), &rect);
        return CRect(rect).CenterPoint();
    };
    SendClick(centre(IDC_GT_APPEARANCE_USER_IMAGE));
    ::Sleep(300);
    RECT list = {};
    ::GetWindowRect(::GetDlgItem(dialog, IDC_GT_APPEARANCE_IMAGES), &list);
    // The first button of the list: 22 x 22 past the list's inset.
    SendClick(CPoint(list.left + 4 + 11, list.top + 5 + 11));
    ::Sleep(300);
    SendClick(centre(IDOK));
}

// The colour the screen shows in the middle of a button.
DWORD PixelOf(const CGTToolBar& iBar, int iIndex)
{
    const CRect button = ButtonOnScreen(iBar, iIndex);
    return Screenshot(button).Pixel(button.CenterPoint().x, button.CenterPoint().y);
}
}  // namespace

TEST(FrameDemo, AButtonMovedAndGivenAUserImageComesBackWithTheFrame)
{
    AfxOleInit();
    DemoApp app;
    CGTWorkspace workspace(TRUE);
    workspace.SetRegistryBase(L"Settings");
    const CString imagesFile = MakeUserImagesFile();
    ASSERT_FALSE(imagesFile.IsEmpty());
    CGTToolBarImages userImages;
    ASSERT_TRUE(userImages.LoadFromFile(imagesFile));
    ASSERT_EQ(3, userImages.count);
    CGTToolBar::SetUserImages(&userImages);

    FrameDemo* frame = OpenDemoFrame(app);
    ASSERT_NE(nullptr, frame);
    auto* sheet = new CGTToolbarCustomize(frame, TRUE, 0x2F);
    ASSERT_TRUE(sheet->OpenModeless());
    sheet->SetWindowPos(nullptr, 100, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    LetItDraw(app, 800);
    CGTToolBar& bar = frame->m_ToolBar;
    ASSERT_EQ((std::vector<UINT>{ID_GT_TEST_FIRST, 0, ID_GT_TEST_SECOND, ID_GT_TEST_THIRD}), Commands(bar));

    // The last button dragged across the separator to the front.
    const CRect third = ButtonOnScreen(bar, 3);
    const CRect first = ButtonOnScreen(bar, 0);
    PlayInput(app, DragSteps(third.CenterPoint(), CPoint(first.left + 3, first.CenterPoint().y)));
    EXPECT_EQ((std::vector<UINT>{ID_GT_TEST_THIRD, ID_GT_TEST_FIRST, 0, ID_GT_TEST_SECOND}), Commands(bar));

    // Its context menu, Button Appearance..., the user's first image, OK.
    const CPoint moved = ButtonOnScreen(bar, 0).CenterPoint();
    PlayInput(app,
              {[=] { SendMouse(0, moved); }, [=] { SendMouse(MOUSEEVENTF_RIGHTDOWN, moved); },
               [=] { SendMouse(MOUSEEVENTF_RIGHTUP, moved); }, [] { SendKey('B'); }, [] { PickFirstUserImage(); }},
              150);
    const CGTToolbarButton* given = bar.GetButton(0);
    EXPECT_TRUE(given->m_UserImage);
    EXPECT_EQ(0, given->GetImage());
    sheet->SendMessage(WM_COMMAND, IDCANCEL);
    LetItDraw(app, 500);
    EXPECT_EQ(ToPixel(userColors[0]), PixelOf(bar, 0));
    Screenshot(ScreenRect(*frame)).Save(L"frame-demo-customized-before.bmp");
    frame->SendMessage(WM_CLOSE);
    LetItDraw(app, 300);
    ASSERT_EQ(nullptr, app.m_pMainWnd);

    frame = OpenDemoFrame(app);
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ((std::vector<UINT>{ID_GT_TEST_THIRD, ID_GT_TEST_FIRST, 0, ID_GT_TEST_SECOND}),
              Commands(frame->m_ToolBar));
    EXPECT_TRUE(frame->m_ToolBar.GetButton(0)->m_UserImage);
    EXPECT_EQ(0, frame->m_ToolBar.GetButton(0)->GetImage());
    EXPECT_EQ(ToPixel(userColors[0]), PixelOf(frame->m_ToolBar, 0));
    Screenshot(ScreenRect(*frame)).Save(L"frame-demo-customized-after.bmp");
    frame->DestroyWindow();
    app.m_pMainWnd = nullptr;
    CGTToolBar::SetUserImages(nullptr);
    ::DeleteFileW(imagesFile);
}

TEST_F(OpenDemo, FullScreenByItsMenuItemAndCloseFullScreenGiveBackTheSameBars)
{
    FrameDemo* frame = m_Frame;
    CWinApp& app = m_App;
    LetItDraw(app, 800);
    const CRect placed = ScreenRect(*frame);
    const BarPlaces before(*frame);

    SendClick(ButtonOnScreen(frame->m_MenuBar, 2).CenterPoint());
    LetItDraw(app, 500);
    SendClick(RestOnOpenMenuItem(app, 0));
    LetItDraw(app, 800);
    CGTFullScreenImpl& fullScreen = frame->GetFrameImpl().GetFullScreen();
    ASSERT_TRUE(fullScreen.IsFullScreen());
    EXPECT_FALSE(frame->m_ToolBar.IsWindowVisible());
    ASSERT_NE(nullptr, fullScreen.m_pFullScreenBar);
    Screenshot(CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)))
        .Save(L"full-screen-demo.bmp");

    SendClick(ButtonOnScreen(*fullScreen.m_pFullScreenBar, 0).CenterPoint());
    LetItDraw(app, 800);
    EXPECT_FALSE(fullScreen.IsFullScreen());
    EXPECT_EQ(placed, ScreenRect(*frame));
    EXPECT_TRUE(frame->m_ToolBar.IsWindowVisible());
    EXPECT_EQ(before.places, BarPlaces(*frame).places);
    Screenshot(ScreenRect(*frame)).Save(L"full-screen-demo-after.bmp");
}

TEST_F(OpenDemo, AFloatingToolbarsCaptionMenuUnchecksAButtonWhichLeavesTheBar)
{
    FrameDemo* frame = m_Frame;
    CWinApp& app = m_App;
    frame->m_ToolBar.SetCustomizeButton(TRUE, 0x7F61, L"Customize...");
    frame->m_ToolBar.FloatAtRect(CRect(300, 250, 420, 290), GTDockByRect, TRUE);
    LetItDraw(app, 800);
    CGTMiniFrameWnd* floating = frame->m_ToolBar.GetParentMiniFrame();
    ASSERT_NE(nullptr, floating);

    SendClick(CaptionButtons::Centre(*floating, GTHitMenu));
    LetItDraw(app, 500);
    ASSERT_NE(CPoint(0, 0), OpenMenuItemCentre(0)) << "the caption's menu button opened the options";
    RestOnOpenMenuItem(app, 0);
    RestOnOpenMenuItem(app, 0);
    const CPoint second = RestOnOpenMenuItem(app, 1);
    ASSERT_NE(CPoint(0, 0), second);
    Screenshot(ScreenRect(*frame) | CRect(second - CSize(300, 200), second + CSize(200, 100)))
        .Save(L"caption-menu-demo.bmp");
    SendClick(second);
    LetItDraw(app, 800);
    ASSERT_EQ(ID_GT_TEST_SECOND, frame->m_ToolBar.GetButton(2)->m_CommandId);
    EXPECT_FALSE(frame->m_ToolBar.GetButton(2)->IsVisible());
    EXPECT_TRUE(frame->m_ToolBar.GetButton(0)->IsVisible());
    Screenshot(ScreenRect(*floating)).Save(L"caption-menu-demo-after.bmp");
}
