// Desktop application bars on a shell the test plays: docking permissions, the side a drag
// picks, the edge that sizes, cancelled drags, auto-hide and the clamping of stored state;
// and one bar registered with Wine's own shell.
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/docking/CGTAppBarWnd.h>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <vector>
#include "DockingTestSupport.h"

namespace {
// A shell that takes every bar and leaves the rectangles as asked.
class FakeShell : public ScopedFake<CGTShellAppBars> {
public:
    UINT_PTR Send(DWORD iMessage, APPBARDATA& ioData) const override
    {
        EXPECT_EQ(sizeof(APPBARDATA), ioData.cbSize);
        m_Messages.push_back(iMessage);
        switch (iMessage) {
        case ABM_NEW:
            return m_AcceptNew;
        case ABM_GETAUTOHIDEBAR:
            return reinterpret_cast<UINT_PTR>(m_AutoHideBars[ioData.uEdge]);
        case ABM_SETAUTOHIDEBAR:
            m_AutoHideBars[ioData.uEdge] = ioData.lParam ? ioData.hWnd : nullptr;
            return TRUE;
        default:
            return TRUE;
        }
    }
    BOOL m_AcceptNew = TRUE;
    mutable std::map<UINT, HWND> m_AutoHideBars;
    mutable std::vector<DWORD> m_Messages;
};

class Bar : public CGTAppBarWnd {
public:
    using CGTAppBarWnd::OnAppBarPosChanged;
    ~Bar() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    CRect Screen() const
    {
        CRect screen;
        GetScreenRect(screen);
        return screen;
    }
    // Mouse messages at screen points, as the window stands when each is sent.
    void Send(UINT iMessage, CPoint iScreen)
    {
        ScreenToClient(&iScreen);
        SendMessage(iMessage, iMessage == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(iScreen.x, iScreen.y));
    }
    void Drag(CPoint iFrom, CPoint iTo, BOOL iRelease = TRUE)
    {
        Send(WM_LBUTTONDOWN, iFrom);
        Send(WM_MOUSEMOVE, iTo);
        if (iRelease)
            Send(WM_LBUTTONUP, iTo);
    }
    CPoint CaptionPoint() const
    {
        CRect caption, window = WindowRect(*this);
        GetCaptionRect(caption);
        return window.TopLeft() + caption.CenterPoint();
    }
};

class AppBar : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Bar.Create(L"Bar", CRect(200, 200, 400, 300))); }

    FakeShell m_Shell;
    FakeKeyState m_Keys;
    FakeCursor m_Cursor;
    Bar m_Bar;
};
}  // namespace

TEST_F(AppBar, DocksOnlyWhereItsPermissionsAllow)
{
    const DWORD all = 0x37, leftRight = CGTAppBarWnd::allowLeftRight, topBottom = CGTAppBarWnd::allowTopBottom,
                floating = CGTAppBarWnd::allowFloat;
    struct Case {
        DWORD options;
        int side;
        BOOL docks;
    } cases[] = {{all, ABE_LEFT, TRUE},
                 {all, ABE_BOTTOM, TRUE},
                 {topBottom | floating, ABE_LEFT, FALSE},
                 {topBottom, ABE_TOP, TRUE},
                 {leftRight | floating, ABE_BOTTOM, FALSE},
                 {leftRight, ABE_RIGHT, TRUE},
                 {leftRight, -2, FALSE},
                 {all, -2, TRUE},
                 {all, 4, FALSE},
                 {all, -1, FALSE}};
    for (const Case& c : cases) {
        m_Bar.SetOptions(c.options);
        EXPECT_EQ(c.docks, m_Bar.Dock(c.side)) << c.options << " " << c.side;
    }
    m_Bar.SetOptions(all);
    ASSERT_TRUE(m_Bar.Float());
    m_Shell.m_AcceptNew = FALSE;
    EXPECT_FALSE(m_Bar.Dock(ABE_TOP));
    EXPECT_FALSE(m_Bar.IsRegistered());
}

TEST_F(AppBar, ADragDocksOnTheSideTheCursorIsNearerByShare)
{
    const CRect screen = m_Bar.Screen();
    const int w = screen.Width(), h = screen.Height();
    struct Case {
        CPoint cursor;
        int side;
        CRect rect;
    } cases[] = {
        {CPoint(w / 2, 2), ABE_TOP, CRect(0, 0, w, 60)},
        {CPoint(2, h / 2), ABE_LEFT, CRect(0, 0, 80, h)},
        {CPoint(w - 3, h / 2), ABE_RIGHT, CRect(w - 80, 0, w, h)},
        {CPoint(w / 2, h - 3), ABE_BOTTOM, CRect(0, h - 60, w, h)},
        // Near the corner: v x W = 2W is below h x H = 4H, so the bar goes to the top.
        {CPoint(4, 2), ABE_TOP, CRect(0, 0, w, 60)},
    };
    for (const Case& c : cases) {
        m_Bar.Drag(m_Bar.CaptionPoint(), c.cursor);
        EXPECT_EQ(c.side, m_Bar.GetSide()) << c.cursor.x << "," << c.cursor.y;
        EXPECT_EQ(c.rect, WindowRect(m_Bar)) << c.cursor.x << "," << c.cursor.y;
        EXPECT_TRUE(m_Bar.IsRegistered());
    }
    // Back in the middle of the screen it floats again.
    m_Bar.Drag(m_Bar.CaptionPoint(), CPoint(w / 2, h / 2));
    EXPECT_EQ(CGTAppBarWnd::floatingSide, m_Bar.GetSide());
    EXPECT_FALSE(m_Bar.IsRegistered());
    EXPECT_TRUE(WindowRect(m_Bar).PtInRect(CPoint(w / 2, h / 2)));
}

TEST_F(AppBar, OnlyTheInnerEdgeSizesADockedBar)
{
    ASSERT_TRUE(m_Bar.Dock(ABE_TOP));
    const CRect window = WindowRect(m_Bar);
    struct Case {
        CPoint point;
        LRESULT hit;
    } cases[] = {
        {CPoint(window.CenterPoint().x, window.bottom - 1), HTBOTTOM},
        {CPoint(window.left, window.bottom - 1), HTBOTTOM},
        {CPoint(window.left, window.top), HTCLIENT},
        {CPoint(window.right - 1, window.CenterPoint().y), HTCLIENT},
        {m_Bar.CaptionPoint(), HTCLIENT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.hit, m_Bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(c.point.x, c.point.y))) << c.point.x;

    ASSERT_TRUE(m_Bar.Dock(ABE_LEFT));
    const CRect left = WindowRect(m_Bar);
    EXPECT_EQ(HTRIGHT, m_Bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(left.right - 1, left.CenterPoint().y)));
    EXPECT_EQ(HTCLIENT, m_Bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(left.left, left.bottom - 1)));

    // A floating bar sizes everywhere, by its corners too; its caption moves it until pressed.
    ASSERT_TRUE(m_Bar.Float());
    const CRect floating = WindowRect(m_Bar);
    EXPECT_EQ(HTBOTTOMRIGHT, m_Bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(floating.right - 1, floating.bottom - 1)));
    EXPECT_EQ(HTTOPLEFT, m_Bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(floating.left + 1, floating.top)));
    const CPoint caption = m_Bar.CaptionPoint();
    EXPECT_EQ(HTCAPTION, m_Bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)));
    m_Keys.Press(VK_LBUTTON);
    EXPECT_EQ(HTCLIENT, m_Bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)));
}

TEST_F(AppBar, ACancelledDragPutsTheBarBack)
{
    const CRect screen = m_Bar.Screen();
    ASSERT_TRUE(m_Bar.Dock(ABE_TOP));
    const CRect docked = WindowRect(m_Bar);
    m_Bar.Drag(m_Bar.CaptionPoint(), CPoint(2, screen.Height() / 2), FALSE);
    ASSERT_EQ(ABE_LEFT, m_Bar.GetSide());
    m_Bar.SendMessage(WM_CANCELMODE);
    EXPECT_EQ(ABE_TOP, m_Bar.GetSide());
    EXPECT_EQ(docked, WindowRect(m_Bar));
    EXPECT_EQ(nullptr, CWnd::GetCapture());

    ASSERT_TRUE(m_Bar.Float());
    const CRect floating = WindowRect(m_Bar);
    m_Bar.Drag(m_Bar.CaptionPoint(), screen.CenterPoint() + CPoint(37, 21), FALSE);
    ASSERT_NE(floating, WindowRect(m_Bar));
    m_Bar.SendMessage(WM_CANCELMODE);
    EXPECT_EQ(floating, WindowRect(m_Bar));
    EXPECT_EQ(floating, m_Bar.GetFloatRect());
}

TEST_F(AppBar, AutoHidesUnlessItsEdgeHasAnAutoHideBar)
{
    ASSERT_TRUE(m_Bar.Dock(ABE_TOP));
    const CRect docked = WindowRect(m_Bar);
    CWnd other;
    other.CreateEx(0, AfxRegisterWndClass(0), L"Other", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
    m_Shell.m_AutoHideBars[ABE_TOP] = other.m_hWnd;
    EXPECT_FALSE(m_Bar.SetAutoHide(TRUE));
    EXPECT_FALSE(m_Bar.IsAutoHideActive());
    EXPECT_TRUE(m_Bar.IsRegistered());
    EXPECT_EQ(docked, WindowRect(m_Bar));

    m_Shell.m_AutoHideBars[ABE_TOP] = nullptr;
    ASSERT_TRUE(m_Bar.SetAutoHide(TRUE));
    EXPECT_EQ(docked, WindowRect(m_Bar));
    // The mouse elsewhere: the bar slides out to a strip 2 pixels thick.
    m_Cursor.m_Position = docked.CenterPoint() + CPoint(0, 300);
    m_Bar.SendMessage(WM_TIMER, CGTAppBarWnd::autoHideTimer);
    EXPECT_TRUE(m_Bar.IsSlidOut());
    EXPECT_EQ(CRect(docked.left, docked.top, docked.right, docked.top + 2), WindowRect(m_Bar));
    // Nothing the shell says moves a slid-out bar.
    m_Bar.OnAppBarPosChanged();
    EXPECT_EQ(2, WindowRect(m_Bar).Height());
    m_Bar.SendMessage(WM_NCMOUSEMOVE, HTBORDER, MAKELPARAM(docked.CenterPoint().x, docked.top));
    EXPECT_FALSE(m_Bar.IsSlidOut());
    EXPECT_EQ(docked, WindowRect(m_Bar));

    ASSERT_TRUE(m_Bar.SetAutoHide(FALSE));
    EXPECT_EQ(docked, WindowRect(m_Bar));
    EXPECT_EQ(nullptr, m_Shell.m_AutoHideBars[ABE_TOP]);
    other.DestroyWindow();
}

TEST_F(AppBar, StoredStateIsClampedToTheScreen)
{
    ScratchRegistryKey scratch(L"GtAppBar");
    const CRect screen = m_Bar.Screen();
    Bar saved;
    ASSERT_TRUE(saved.Create(L"Saved",
                             CRect(screen.right + 500, screen.bottom + 400, screen.right + 700, screen.bottom + 500)));
    ASSERT_TRUE(saved.SaveState(scratch.Path(), 3));
    const CString key = scratch.Path() + L"VADEAppBar-3";
    auto storeInt = [&](LPCWSTR iName, int iValue) {
        DWORD value = static_cast<DWORD>(iValue);
        ::RegSetKeyValueW(HKEY_CURRENT_USER, key, iName, REG_DWORD, &value, sizeof(value));
    };
    storeInt(L"DimsDock0", 3);
    storeInt(L"DimsDock1", 100000);
    storeInt(L"DimsDock2", 120);
    storeInt(L"Side", 7);

    Bar loaded;
    ASSERT_TRUE(loaded.LoadState(scratch.Path(), 3));
    EXPECT_EQ(theGuiToolkitGlobals.textHeightRegular + 4, loaded.GetDockThickness(ABE_LEFT));
    EXPECT_EQ(screen.Height(), loaded.GetDockThickness(ABE_TOP));
    EXPECT_EQ(120, loaded.GetDockThickness(ABE_RIGHT));
    EXPECT_EQ(60, loaded.GetDockThickness(ABE_BOTTOM));
    EXPECT_EQ(ABE_TOP, loaded.GetSide());
    CRect work;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    CRect inside;
    inside.IntersectRect(&loaded.GetFloatRect(), &work);
    EXPECT_EQ(inside, loaded.GetFloatRect());
    EXPECT_EQ(CSize(200, 100), loaded.GetFloatRect().Size());

    EXPECT_FALSE(loaded.LoadState(scratch.Path(), 4));
}

// Wine's shell: the bar registers, is offered and given a place, and leaves again. Wine answers
// every call but hands the rectangle back as asked, whatever other bars hold; no notification
// reaches the bar, so the rest runs on the test's shell.
TEST(AppBarOnTheSystemShell, RegistersQueriesSetsAndRemoves)
{
    CWnd window;
    ASSERT_TRUE(window.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), L"Shell bar", WS_POPUP, CRect(0, 0, 100, 40),
                                nullptr, 0));
    APPBARDATA data = {};
    data.cbSize = sizeof(data);
    data.hWnd = window.m_hWnd;
    data.uCallbackMessage = CGTAppBarWnd::CallbackMessage();
    CGTShellAppBars& shell = CGTShellAppBars::Current();
    const UINT_PTR registered = shell.Send(ABM_NEW, data);
    EXPECT_NE(0u, registered);
    data.uEdge = ABE_TOP;
    data.rc = CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), 40);
    const UINT_PTR queried = shell.Send(ABM_QUERYPOS, data);
    const UINT_PTR placed = shell.Send(ABM_SETPOS, data);
    const UINT_PTR removed = shell.Send(ABM_REMOVE, data);
    std::cout << "system shell: new " << registered << ", query " << queried << ", set " << placed << ", remove "
              << removed << ", place " << data.rc.left << "," << data.rc.top << "," << data.rc.right << ","
              << data.rc.bottom << std::endl;
    EXPECT_FALSE(::IsRectEmpty(&data.rc));
    window.DestroyWindow();
}
