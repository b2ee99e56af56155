#include "ControlsTestSupport.h"
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/controls/CGTDialog.h>
#include <guitoolkit/controls/CGTShellOpener.h>
#include <guitoolkit/controls/CGTSpinButtonCtrl.h>
#include <guitoolkit/controls/CGTURLLinkButton.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/core/tests/TestSupport.h>
#include <afxpriv.h>
#include <gtest/gtest.h>
#include <string>

namespace {

class RecordingShell : public ScopedFake<CGTShellOpener> {
public:
    void Open(LPCWSTR iTarget) const override { m_Opened.push_back(iTarget); }
    mutable std::vector<std::wstring> m_Opened;
};

class Links : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Link.Create(L"example.org", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &m_Parent, 5));
    }
    void Click() { m_Parent.SendMessage(WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), (LPARAM)m_Link.m_hWnd); }
    BOOL Key(UINT iMessage, UINT iKey)
    {
        MSG message = {m_Link.m_hWnd, iMessage, iKey, 0};
        return m_Link.PreTranslateMessage(&message);
    }

    RecordingShell m_Shell;
    ParentWindow m_Parent;
    CGTURLLinkButton m_Link;
};

}  // namespace

TEST_F(Links, AnEmptyLinkOpensTheWindowTextWithThePrefix)
{
    m_Link.SetURLPrefix(L"http://");
    Click();
    EXPECT_EQ(std::vector<std::wstring>{L"http://example.org"}, m_Shell.m_Opened);
    m_Link.SetURL(L"www.example.com/help");
    Click();
    EXPECT_EQ(L"http://www.example.com/help", m_Shell.m_Opened.back());
}

TEST_F(Links, ADisabledLinkSwallowsItsClick)
{
    m_Link.EnableWindow(FALSE);
    Click();
    EXPECT_TRUE(m_Shell.m_Opened.empty());
}

TEST_F(Links, DefaultClickProcessingLeavesTheClickToTheParent)
{
    m_Link.SetDefaultClickProcessing();
    Click();
    EXPECT_TRUE(m_Shell.m_Opened.empty());
    EXPECT_EQ(std::vector<WPARAM>{MAKEWPARAM(5, BN_CLICKED)}, m_Parent.Commands());
}

TEST_F(Links, EnterOpensOnKeyUpAndSpaceNever)
{
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_RETURN));
    EXPECT_TRUE(m_Shell.m_Opened.empty());
    EXPECT_TRUE(Key(WM_KEYUP, VK_RETURN));
    EXPECT_EQ(1u, m_Shell.m_Opened.size());
    EXPECT_TRUE(Key(WM_KEYDOWN, VK_SPACE));
    EXPECT_TRUE(Key(WM_KEYUP, VK_SPACE));
    EXPECT_EQ(1u, m_Shell.m_Opened.size());
}

TEST_F(Links, WithoutAlwaysUnderlineOnlyTheHoveredTextIsUnderlined)
{
    const COLORREF ink = RGB(0, 0, 200);
    m_Link.SetTextColor(ink);
    m_Link.SetHoverTextColor(ink);
    m_Link.SetAlwaysUnderlineText(FALSE);
    auto inked = [&] {
        PixelSurface surface(100, 20);
        DRAWITEMSTRUCT item = {ODT_BUTTON,      5, 0, ODA_DRAWENTIRE, 0, m_Link.m_hWnd, surface.Dc().m_hDC,
                               {0, 0, 100, 20}, 0};
        m_Link.DrawItem(&item);
        int count = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 100; ++x)
                count += surface.At(x, y) == ink;
        return count;
    };
    const int plain = inked();
    EXPECT_GT(plain, 0);
    m_Link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    const int hovered = inked();
    EXPECT_GT(hovered, plain + 20) << "an underline as long as the text";
    m_Link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(300, 10));
    EXPECT_EQ(plain, inked());
    m_Link.SetAlwaysUnderlineText(TRUE);
    EXPECT_EQ(hovered, inked());
}

TEST_F(Links, FitToTextTakesTheUnderlinedTextAndKeepsTheCentre)
{
    CSize text;
    {
        CClientDC dc(&m_Link);
        CFont* old = dc.SelectObject(&theGuiToolkitGlobals.fontDefaultGuiUnderline);
        text = dc.GetTextExtent(L"example.org");
        dc.SelectObject(old);
    }
    m_Link.MoveWindow(10, 10, 200, 40);
    const CSize size = m_Link.FitToText(TRUE, TRUE);
    EXPECT_EQ(CSize(text.cx + 6, text.cy + 6), size);
    CRect placed;
    m_Link.GetWindowRect(placed);
    m_Parent.ScreenToClient(placed);
    EXPECT_EQ(CRect(CPoint(10 + (200 - size.cx) / 2, 10 + (40 - size.cy) / 2), size), placed);

    m_Link.MoveWindow(10, 10, 200, 40);
    m_Link.FitToText();
    m_Link.GetWindowRect(placed);
    m_Parent.ScreenToClient(placed);
    EXPECT_EQ(CRect(CPoint(10, 10), size), placed) << "without centring the top-left stays";
}

namespace {

// A borderless dialog made from a template in memory.
class TestDialog : public CGTDialog {
public:
    TestDialog()
    {
        alignas(4) static EmptyDialogTemplate s_Template = {{WS_POPUP, 0, 0, 0, 0, 50, 40}};
        CreateIndirect(&s_Template.m_Header);
        MoveWindow(0, 0, 100, 80);
    }
    ~TestDialog() override { DestroyWindow(); }
};

}  // namespace

TEST(Dialogs, BackgroundBitmapAtItsLocation)
{
    const COLORREF red = RGB(200, 0, 0), back = RGB(0, 0, 100);
    auto bitmap = [&] {
        CGTDibSection dib;
        dib.Create(10, 10);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                *dib.PixelAt(x, y) = CGTDibSection::Swap(red);
        return (HBITMAP)::CopyImage(dib.Handle(), IMAGE_BITMAP, 0, 0, 0);
    };
    struct Case {
        int location;
        std::vector<CPoint> red;
        std::vector<CPoint> background;
    };
    const Case cases[] = {
        {CGTDialog::BackgroundBottomRight, {{99, 79}, {90, 70}}, {{89, 79}, {99, 69}, {0, 0}}},
        {CGTDialog::BackgroundTile, {{0, 0}, {15, 15}, {99, 79}, {55, 35}}, {}},
        {CGTDialog::BackgroundTopLeft, {{0, 0}, {9, 9}}, {{10, 0}, {99, 79}}},
        {7, {{0, 0}}, {{10, 10}}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.location);
        TestDialog dialog;
        dialog.SetBackgroundColor(back, FALSE);
        dialog.SetBackgroundImage(bitmap(), test.location, TRUE, FALSE);
        PixelSurface surface(100, 80);
        dialog.SendMessage(WM_ERASEBKGND, (WPARAM)surface.Dc().m_hDC);
        for (CPoint point : test.red)
            EXPECT_EQ(red, surface.At(point.x, point.y)) << point.x << "," << point.y;
        for (CPoint point : test.background)
            EXPECT_EQ(back, surface.At(point.x, point.y)) << point.x << "," << point.y;
    }
    TestDialog dialog;
    const HBITMAP shown = bitmap();
    dialog.SetBackgroundImage(shown, CGTDialog::BackgroundTopLeft, TRUE, FALSE);
    dialog.SetBackgroundImage(shown, CGTDialog::BackgroundTile, TRUE, FALSE);
    PixelSurface surface(100, 80);
    dialog.SendMessage(WM_ERASEBKGND, (WPARAM)surface.Dc().m_hDC);
    EXPECT_EQ(red, surface.At(55, 35)) << "the same bitmap moved to another place is kept";
}

TEST(Dialogs, TheMouseHookLivesExactlyWhileAPopupMenuIsActive)
{
    ParentWindow menu;
    menu.m_Watched = {WM_KEYDOWN, WM_CLOSE};
    TestDialog dialog;
    EXPECT_EQ(nullptr, CGTDlgImpl::GetMouseHook());
    dialog.SetActivePopupMenu(&menu);
    EXPECT_NE(nullptr, CGTDlgImpl::GetMouseHook());
    EXPECT_EQ(&menu, CGTActivePopupMenu::Get());

    MSG key = {dialog.m_hWnd, WM_KEYDOWN, VK_DOWN, 0};
    EXPECT_TRUE(dialog.PreTranslateMessage(&key)) << "keys go to the open menu";
    ASSERT_EQ(1u, menu.Of(WM_KEYDOWN).size());
    EXPECT_EQ((WPARAM)VK_DOWN, menu.Of(WM_KEYDOWN)[0].m_WParam);
    MSG altKey = {dialog.m_hWnd, WM_SYSKEYDOWN, VK_MENU, 0};
    EXPECT_TRUE(dialog.PreTranslateMessage(&altKey));
    EXPECT_EQ(1u, menu.Of(WM_CLOSE).size());

    dialog.SetActivePopupMenu(nullptr);
    EXPECT_EQ(nullptr, CGTDlgImpl::GetMouseHook());
    EXPECT_EQ(nullptr, CGTActivePopupMenu::Get());
    dialog.PreTranslateMessage(&key);
    EXPECT_EQ(1u, menu.Of(WM_KEYDOWN).size()) << "keys stay with the dialog";
}

namespace {

// An open popup menu: it notes WM_CLOSE and stays.
class OpenMenu : public ParentWindow {
public:
    explicit OpenMenu(const CRect& iRect) : ParentWindow(iRect) { m_Watched = {WM_CLOSE}; }
    int Closes() const { return (int)Of(WM_CLOSE).size(); }

protected:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage != WM_CLOSE)
            return ParentWindow::WindowProc(iMessage, iWParam, iLParam);
        m_Recorded.push_back({iMessage, iWParam, iLParam});
        return 0;
    }
};

}  // namespace

TEST(Dialogs, ClicksOutsideTheOpenMenuCloseItAndMovesThereAreSwallowed)
{
    TestDialog dialog;
    dialog.ShowWindow(SW_SHOWNA);
    OpenMenu menu(CRect(200, 200, 300, 300));
    // The dialog's client area starts at the screen's origin.
    struct Case {
        const char* name;
        UINT message;
        CPoint point;
        BOOL consumed;
        int closes;
    };
    const Case cases[] = {
        {"a click beside the menu", WM_LBUTTONDOWN, {10, 10}, FALSE, 1},
        {"a click in the menu", WM_RBUTTONDOWN, {250, 250}, FALSE, 0},
        {"a click on the dialog's frame", WM_NCLBUTTONDOWN, {10, 10}, FALSE, 1},
        {"a release is the dialog's", WM_LBUTTONUP, {10, 10}, FALSE, 0},
        {"a move beside the menu", WM_MOUSEMOVE, {10, 10}, TRUE, 0},
        {"a move over the menu", WM_MOUSEMOVE, {250, 250}, FALSE, 0},
    };
    CGTDlgImpl impl(dialog);
    impl.SetActivePopupMenu(&menu);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        menu.m_Recorded.clear();
        MSG message = {dialog.m_hWnd, test.message, 0, MAKELPARAM(test.point.x, test.point.y)};
        EXPECT_EQ(test.consumed, impl.PreTranslateMessage(&message));
        EXPECT_EQ(test.closes, menu.Closes());
    }

    CButton field;
    ASSERT_TRUE(field.Create(L"Field", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 40, 50, 60), &dialog, 7));
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&dialog));
    bar.SetFocus();
    ASSERT_EQ(&bar, CWnd::GetFocus());
    MSG click = {dialog.m_hWnd, WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10)};
    impl.PreTranslateMessage(&click);
    EXPECT_EQ(&field, CWnd::GetFocus()) << "the dialog takes the focus back from a toolbar";

    impl.SetActivePopupMenu(nullptr);
    menu.m_Recorded.clear();
    EXPECT_FALSE(impl.PreTranslateMessage(&click));
    EXPECT_EQ(0, menu.Closes()) << "no menu, no routing";
}

namespace {

// Answers WM_FLOATSTATUS as one of the dialog's own floating windows does, or as a stranger.
class FloatingWindow : public ParentWindow {
public:
    explicit FloatingWindow(BOOL iOwn) : m_Own(iOwn) {}

protected:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_FLOATSTATUS && (iWParam & FS_SYNCACTIVE))
            return m_Own;
        return ParentWindow::WindowProc(iMessage, iWParam, iLParam);
    }
    BOOL m_Own;
};

// Keeps the activation state its caption is finally drawn with.
class CaptionDialog : public TestDialog {
public:
    LRESULT DefWindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_NCACTIVATE)
            m_Captions.push_back(iWParam != FALSE);
        return TestDialog::DefWindowProc(iMessage, iWParam, iLParam);
    }
    std::vector<bool> m_Captions;
};

}  // namespace

TEST(Dialogs, TheCaptionStaysActiveWhileItsOwnFloatingWindowIsActive)
{
    FloatingWindow own(TRUE), stranger(FALSE);
    CaptionDialog dialog;
    struct Case {
        const char* name;
        CWnd* gaining;  // null: no window
        BOOL disabled;
        std::vector<bool> captions;  // after WM_ACTIVATE, then after WM_NCACTIVATE(FALSE)
    };
    const Case cases[] = {
        {"its own floating window", &own, FALSE, {true}},
        {"another window", &stranger, FALSE, {false}},
        {"its own floating window while disabled", &own, TRUE, {false}},
        {"no window at all", nullptr, FALSE, {true, false}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        dialog.EnableWindow(!test.disabled);
        dialog.m_Captions.clear();
        dialog.SendMessage(WM_ACTIVATE, WA_INACTIVE, (LPARAM)test.gaining->GetSafeHwnd());
        dialog.SendMessage(WM_NCACTIVATE, FALSE);
        EXPECT_EQ(test.captions, dialog.m_Captions);
    }
}

TEST(Dialogs, AcceleratorCommandsAreCountedAndCloseAMenuOrRunAUserTool)
{
    TestDialog dialog;
    CGTDlgImpl impl(dialog);
    CGTUserToolsManager tools(32768, 32770);
    CGTUserTool* tool = tools.CreateNewTool();
    tool->SetCommand(L"cmd.exe");
    tool->m_Arguments = L"/c exit";
    ParentWindow menu;
    menu.m_Watched = {WM_KEYDOWN};
    struct Case {
        const char* name;
        WPARAM command;
        CWnd* activeMenu;
        BOOL handled;
        UINT counted;
    };
    const Case cases[] = {
        {"a menu command is left alone", MAKEWPARAM(32768, 0), nullptr, FALSE, 0},
        {"an accelerator runs the user tool", MAKEWPARAM(32768, 1), nullptr, TRUE, 1},
        {"an accelerator without a tool", MAKEWPARAM(32769, 1), nullptr, FALSE, 1},
        {"an accelerator closes the open menu", MAKEWPARAM(32769, 1), &menu, TRUE, 1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const UINT before = CGTToolBar::GetCommandUsage().GetCount(LOWORD(test.command));
        menu.m_Recorded.clear();
        CGTActivePopupMenu::Set(test.activeMenu);
        EXPECT_EQ(test.handled, impl.ProcessAccelCommand(test.command, 0));
        CGTActivePopupMenu::Set(nullptr);
        EXPECT_EQ(before + test.counted, CGTToolBar::GetCommandUsage().GetCount(LOWORD(test.command)));
        const std::vector<RecordedMessage> keys = menu.Of(WM_KEYDOWN);
        EXPECT_EQ(test.activeMenu != nullptr, keys.size() == 1 && keys[0].m_WParam == VK_ESCAPE);
    }
}

TEST(SpinButtons, DraggingFromTheUpperHalfDownPressesTheLowerHalf)
{
    RecordingLookScope look;
    ParentWindow parent(CRect(0, 0, 100, 100), WS_POPUP | WS_VISIBLE);
    CGTSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 40), &parent, 3));
    spin.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    EXPECT_TRUE(spin.IsUpPressed());
    EXPECT_FALSE(spin.IsDownPressed());
    RecordingLook::s_SpinStates.clear();
    spin.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 30));
    EXPECT_FALSE(spin.IsUpPressed());
    EXPECT_TRUE(spin.IsDownPressed());
    ASSERT_FALSE(RecordingLook::s_SpinStates.empty());
    EXPECT_EQ(2 | 8, RecordingLook::s_SpinStates.back()) << "drawn: the lower half pressed and hot";
    spin.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 30));
    EXPECT_EQ(0, spin.GetDrawState());
    spin.EnableWindow(FALSE);
    EXPECT_EQ(16, spin.GetDrawState());
}
