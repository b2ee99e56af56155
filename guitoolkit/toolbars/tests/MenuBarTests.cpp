#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CGTComboEdit.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTToolbarSystemMenuButton.h>
#include <guitoolkit/toolbars/CHelpComboBoxButton.h>
#include <afxmdi.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "FrameBarPlacement.h"
#include "GtToolbarsTestIds.h"
#include "PopupTestSupport.h"

namespace {
const std::vector<MenuEntry> reportsMenu = {
    {L"&File", 0, 0, {{L"&Open", 100}, {L"E&xit", 101}}}, {L"&Edit", 0, 0, {{L"&Copy", 200}}}, {L"&Go", 300}};
const std::vector<MenuEntry> plotsMenu = {{L"&View", 0, 0, {{L"&Zoom", 400}}}};

std::string Narrow(const CString& iText)
{
    std::string text;
    for (int index = 0; index < iText.GetLength(); ++index)
        text += static_cast<char>(iText[index]);
    return text;
}

// The texts of the bar's buttons, "|" and its command for a caption button ("|x" when it is
// disabled) and "@" for the system menu.
std::string Describe(const CGTMenuBar& iBar)
{
    std::string text;
    for (int index = 0; index < iBar.GetButtonCount(); ++index) {
        const CGTToolbarButton* button = iBar.GetButton(index);
        if (button->IsKindOf(RUNTIME_CLASS(CGTToolbarSystemMenuButton)))
            text += "@ ";
        else if (const auto* caption = dynamic_cast<const CGTToolbarMenuButtonsButton*>(button))
            text +=
                (caption->m_Style & TBBS_DISABLED) ? "|x " : "|" + std::to_string(caption->GetSystemCommand()) + " ";
        else
            text += Narrow(button->m_Text) + " ";
    }
    return text;
}

// A menu bar on a frame that keeps the registered messages it is sent.
class MenuBarFrame : public MenuFrame {
public:
    MenuBarFrame() { m_Bar.CreateEx(this); }
    ~MenuBarFrame() override
    {
        if (m_Bar.GetSafeHwnd() != nullptr)
            m_Bar.DestroyWindow();
    }
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == GTTOOLBAR_RESETMENU || iMessage == 0x0366)
            m_Messages.push_back(iMessage == 0x0366 ? "0x0366" : "reset " + std::to_string(iWParam));
        return MenuFrame::WindowProc(iMessage, iWParam, iLParam);
    }
    std::string Buttons() const { return Describe(m_Bar); }

    CGTMenuBar m_Bar;
    std::vector<std::string> m_Messages;
};

// An MDI frame with a menu bar along its top and a child of the given styles, maximized;
// the child keeps the system commands it gets.
class RecordingChild : public CMDIChildWnd {
public:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_SYSCOMMAND && (iWParam & 0xFFF0) != SC_MAXIMIZE) {
            m_SysCommands.push_back(static_cast<UINT>(iWParam));
            return 0;
        }
        return CMDIChildWnd::WindowProc(iMessage, iWParam, iLParam);
    }
    std::vector<UINT> m_SysCommands;
};

class MdiMenuFrame : public CMDIFrameWnd {
public:
    explicit MdiMenuFrame(DWORD iChildStyle)
    {
        Create(nullptr, L"Reports", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 400));
        m_Bar.CreateEx(this);
        m_Menu = MakeMenu(reportsMenu);
        m_Bar.CreateFromMenu(m_Menu, TRUE);
        RecalcLayout();
        m_Child = new RecordingChild;
        m_Child->Create(nullptr, L"June", iChildStyle | WS_CHILD | WS_VISIBLE, rectDefault, this);
        m_Child->ShowWindow(SW_SHOWMAXIMIZED);
    }
    ~MdiMenuFrame() override
    {
        m_Bar.DestroyWindow();
        DestroyWindow();
        ::DestroyMenu(m_Menu);
    }
    void PostNcDestroy() override {}
    void RecalcLayout(BOOL iNotify = TRUE) override
    {
        CMDIFrameWnd::RecalcLayout(iNotify);
        PlaceBarAtTop(*this, m_Bar, 0);
    }

    CGTMenuBar m_Bar;
    HMENU m_Menu;
    RecordingChild* m_Child;
};

BOOL PreTranslate(CWnd& iBar, UINT iKey)
{
    MSG message = {iBar.GetSafeHwnd(), WM_KEYDOWN, iKey, 0};
    return iBar.PreTranslateMessage(&message);
}

// The cursor stays where the test puts it.
class FixedCursor : public CGTCursor {
public:
    explicit FixedCursor(CPoint iPoint) : m_Point(iPoint), m_Previous(CGTCursor::Select(this)) {}
    ~FixedCursor() override { CGTCursor::Select(m_Previous); }
    BOOL GetPosition(POINT& oPoint) const override
    {
        oPoint = m_Point;
        return TRUE;
    }

private:
    CPoint m_Point;
    CGTCursor* m_Previous;
};

UINT MenuState(HMENU iMenu, UINT iCommand)
{
    return ::GetMenuState(iMenu, iCommand, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED | MF_DISABLED);
}
}  // namespace

TEST(MenuBar, AMenuSeenBeforeComesBackAsTheUserLeftIt)
{
    PlainMenuOptions options;
    MenuBarFrame frame;
    HMENU reports = MakeMenu(reportsMenu);
    HMENU plots = MakeMenu(plotsMenu);
    frame.m_Bar.CreateFromMenu(reports, TRUE);
    EXPECT_EQ("&File &Edit &Go ", frame.Buttons());
    EXPECT_EQ(2, static_cast<CGTToolbarMenuButton*>(frame.m_Bar.GetButton(0))->GetSubItems().GetCount());
    frame.m_Bar.RemoveButton(1);

    frame.m_Bar.CreateFromMenu(plots);
    EXPECT_EQ("&View ", frame.Buttons());
    EXPECT_EQ(reports, frame.m_Bar.GetDefaultMenu());
    frame.m_Bar.CreateFromMenu(reports);
    EXPECT_EQ("&File &Go ", frame.Buttons());
    frame.m_Bar.CreateFromMenu(reports, TRUE, TRUE);
    EXPECT_EQ("&File &Edit &Go ", frame.Buttons());

    // The tooltip of a command is its text in the menu; menu buttons have none.
    CGTToolbarButton go(300, -1);
    EXPECT_TRUE(frame.m_Bar.LoadButtonText(go));
    EXPECT_EQ(CString(L"&Go"), go.m_Text);
    const CPoint onFile = frame.m_Bar.GetButton(0)->Rect().CenterPoint();
    EXPECT_EQ(-1, frame.m_Bar.OnToolHitTest(onFile, nullptr));
    for (HMENU menu : {reports, plots}) {
        CMenuHash::Instance().RemoveMenu(menu);
        ::DestroyMenu(menu);
    }
}

TEST(MenuBar, AMaximizedChildShowsItsSystemMenuAndCaptionButtons)
{
    const struct {
        DWORD style;
        BOOL withoutClose;
        const char* buttons;
    } cases[] = {
        {WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, FALSE, "@ &File &Edit &Go |61472 |61728 |61536 "},
        {WS_SYSMENU | WS_MAXIMIZEBOX, FALSE, "@ &File &Edit &Go |61728 |61536 "},
        {WS_SYSMENU | WS_MAXIMIZEBOX, TRUE, "@ &File &Edit &Go |61728 |x "},
        {WS_MAXIMIZEBOX, FALSE, "&File &Edit &Go |61728 |x "},
    };
    for (const auto& c : cases) {
        MdiMenuFrame frame(c.style);
        if (c.withoutClose)
            ::RemoveMenu(frame.m_Child->GetSystemMenu(FALSE)->GetSafeHmenu(), SC_CLOSE, MF_BYCOMMAND);
        frame.m_Bar.SetMaximizeMode(TRUE, frame.m_Child);
        EXPECT_EQ(c.buttons, Describe(frame.m_Bar)) << c.style;

        // The caption buttons stand at the bar's right end; a click on one goes to the child.
        CRect client;
        frame.m_Bar.GetClientRect(&client);
        ASSERT_LT(400, client.Width());
        const CGTToolbarButton* last = frame.m_Bar.GetButton(frame.m_Bar.GetButtonCount() - 1);
        EXPECT_EQ(client.right, last->Rect().right);
        const CPoint at = frame.m_Bar.GetButton(frame.m_Bar.GetButtonCount() - 2)->Rect().CenterPoint();
        frame.m_Bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        frame.m_Bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        EXPECT_EQ(std::vector<UINT>{SC_RESTORE}, frame.m_Child->m_SysCommands);

        // Leaving the maximized state takes them all away.
        frame.m_Bar.SetMaximizeMode(FALSE);
        EXPECT_EQ(3, frame.m_Bar.GetButtonCount());
        EXPECT_EQ(0, frame.m_Bar.GetCaptionButtonCount());
    }
}

TEST(MenuBar, TheHelpBoxStandsAtTheRightEndBeforeTheCaptionButtons)
{
    PlainMenuOptions options;
    MdiMenuFrame frame(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    CGTMenuBar& bar = frame.m_Bar;
    bar.EnableHelpCombobox(700, L"Type a question", 120);
    bar.CreateFromMenu(frame.m_Menu, TRUE, TRUE);
    HMENU plots = MakeMenu(plotsMenu);
    bar.CreateFromMenu(plots);
    bar.CreateFromMenu(frame.m_Menu);
    ASSERT_EQ(4, bar.GetButtonCount());
    auto* help = DYNAMIC_DOWNCAST(CHelpComboBoxButton, bar.GetButton(3));
    ASSERT_NE(nullptr, help);
    EXPECT_EQ(CString(L"Type a question"), help->GetPrompt());
    EXPECT_FALSE(help->IsCustomizable());
    CRect client;
    bar.GetClientRect(&client);
    EXPECT_EQ(CRect(client.right - 120, client.top, client.right, client.bottom), help->Rect());
    ASSERT_NE(nullptr, help->GetEditCtrl());
    EXPECT_TRUE(help->GetEditCtrl()->IsWindowVisible());

    bar.SetMaximizeMode(TRUE, frame.m_Child);
    EXPECT_EQ(bar.GetButton(5)->Rect().left, help->Rect().right);
    EXPECT_EQ(120, help->Rect().Width());
    bar.SetFocus();
    std::vector<int> hot;
    for (const UINT key : {VK_LEFT, VK_LEFT, VK_RIGHT})
        hot.push_back((PreTranslate(bar, key), bar.ButtonToIndex(bar.GetHotButton())));
    EXPECT_EQ((std::vector<int>{0, 3, 0}), hot);

    // The box goes to the stored state with its prompt.
    bar.SetMaximizeMode(FALSE);
    CGTMenuBar read;
    Load(read, Stored(bar));
    ASSERT_EQ(4, read.GetButtonCount());
    const auto* readHelp = DYNAMIC_DOWNCAST(CHelpComboBoxButton, read.GetButton(3));
    ASSERT_NE(nullptr, readHelp);
    EXPECT_EQ(CString(L"Type a question"), readHelp->GetPrompt());
    CMenuHash::Instance().RemoveMenu(plots);
    CMenuHash::Instance().RemoveMenu(frame.m_Menu);
    ::DestroyMenu(plots);
}

TEST(MenuBar, TheKeyboardWalksTheMenusButNeverTheCaptionButtons)
{
    PlainMenuOptions options;
    MdiMenuFrame frame(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    CGTMenuBar& bar = frame.m_Bar;
    bar.SetMaximizeMode(TRUE, frame.m_Child);
    bar.SetFocus();
    EXPECT_EQ(bar.GetButton(1), bar.GetHotButton());
    std::vector<int> hot;
    for (const UINT key : {VK_LEFT, VK_LEFT, VK_RIGHT, VK_RIGHT, VK_RIGHT}) {
        PreTranslate(bar, key);
        hot.push_back(bar.ButtonToIndex(bar.GetHotButton()));
    }
    EXPECT_EQ((std::vector<int>{0, 3, 0, 1, 2}), hot);

    // Down opens the menu with its first item; Right in it moves to the next menu.
    PreTranslate(bar, VK_DOWN);
    const auto* edit = static_cast<CGTToolbarMenuButton*>(bar.GetButton(2));
    ASSERT_TRUE(edit->IsDroppedDown());
    EXPECT_EQ(0, edit->GetPopupMenu()->GetMenuBar()->GetHotIndex());
    edit->GetPopupMenu()->SendMessage(WM_KEYDOWN, VK_LEFT);
    EXPECT_FALSE(edit->IsDroppedDown());
    const auto* file = static_cast<CGTToolbarMenuButton*>(bar.GetButton(1));
    EXPECT_TRUE(file->IsDroppedDown());
    bar.GetDroppedDownMenuButton()->OnCancelMode();
}

TEST(MenuBar, TheSystemMenuMirrorsTheChildsStatesAndIsNeverStored)
{
    PlainMenuOptions options;
    MdiMenuFrame frame(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    frame.m_Bar.SetMaximizeMode(TRUE, frame.m_Child);
    CGTToolbarSystemMenuButton* button = frame.m_Bar.GetSystemMenuButton();
    ASSERT_NE(nullptr, button);
    const HMENU system = frame.m_Child->GetSystemMenu(FALSE)->GetSafeHmenu();
    ::CheckMenuItem(system, SC_MOVE, MF_CHECKED);
    ::EnableMenuItem(system, SC_SIZE, MF_GRAYED);
    ::EnableMenuItem(system, SC_MINIMIZE, MF_DISABLED);
    HMENU exported = button->ExportSubItemsToMenu();
    EXPECT_EQ(UINT(MF_CHECKED), MenuState(exported, SC_MOVE));
    EXPECT_EQ(UINT(MF_GRAYED), MenuState(exported, SC_SIZE));
    EXPECT_EQ(UINT(MF_DISABLED), MenuState(exported, SC_MINIMIZE));
    EXPECT_EQ(0u, MenuState(exported, SC_CLOSE));
    ::DestroyMenu(exported);

    // A double click closes the child, unless its close item is grey.
    frame.m_Bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(std::vector<UINT>{SC_CLOSE}, frame.m_Child->m_SysCommands);
    ::EnableMenuItem(system, SC_CLOSE, MF_GRAYED);
    button->OnDblClick(&frame.m_Bar);
    EXPECT_EQ(std::vector<UINT>{SC_CLOSE}, frame.m_Child->m_SysCommands);

    CGTMenuBar read;
    Load(read, Stored(frame.m_Bar));
    EXPECT_EQ(3, read.GetButtonCount());
}

TEST(MenuBar, TheDefaultAndTheTemplatesMenusGoToTheRegistryAndComeBack)
{
    ScratchRegistryKey scratch(L"GtMenuBarState");
    PlainMenuOptions options;
    CWinApp app(L"MenuBars");
    auto* documents = new CMultiDocTemplate(IDR_GT_TEST_DOC_MENU, nullptr, nullptr, nullptr);
    documents->m_hMenuShared = MakeMenu(plotsMenu);
    app.AddDocTemplate(documents);
    HMENU frameMenu = MakeMenu(reportsMenu);
    {
        MenuBarFrame frame;
        frame.m_Bar.CreateFromMenu(documents->m_hMenuShared);
        frame.m_Bar.InsertButton(new CGTToolbarButton(500, -1, L"&Extra"));
        frame.m_Bar.CreateFromMenu(frameMenu, TRUE);
        frame.m_Bar.RemoveButton(2);
        ASSERT_TRUE(frame.m_Bar.SaveState(scratch.Path()));
        for (const UINT id : {0u, static_cast<UINT>(IDR_GT_TEST_DOC_MENU)})
            EXPECT_TRUE(scratch.HasKey(CGTToolBar::StateKeyName(L"", CGTMenuBar::s_DefaultId, id))) << id;
    }
    for (HMENU menu : {frameMenu, documents->m_hMenuShared})
        CMenuHash::Instance().RemoveMenu(menu);

    MenuBarFrame frame;
    frame.m_Bar.CreateFromMenu(frameMenu, TRUE, TRUE);
    EXPECT_EQ("&File &Edit &Go ", frame.Buttons());
    ASSERT_TRUE(frame.m_Bar.LoadState(scratch.Path()));
    EXPECT_EQ("&File &Edit ", frame.Buttons());
    frame.m_Bar.CreateFromMenu(documents->m_hMenuShared);
    EXPECT_EQ("&View &Extra ", frame.Buttons());
    EXPECT_TRUE(frame.m_Messages.empty());

    // A menu without stored state is made afresh, and its frame told; 0x0366 is never sent.
    ScratchRegistryKey empty(L"GtMenuBarEmpty");
    frame.m_Bar.LoadState(empty.Path());
    EXPECT_EQ((std::vector<std::string>{"reset " + std::to_string(IDR_GT_TEST_DOC_MENU), "reset 0"}), frame.m_Messages);
    EXPECT_EQ("&View ", frame.Buttons());
    frame.m_Bar.DestroyWindow();
    for (HMENU menu : {frameMenu, documents->m_hMenuShared})
        CMenuHash::Instance().RemoveMenu(menu);
    ::DestroyMenu(frameMenu);
}

TEST(MenuBar, ResetGivesTheFreshMenusToTheirOwnersAndTheBarDestroysNone)
{
    PlainMenuOptions options;
    MenuBarFrame frame;
    HMENU first = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_GT_TEST_MENU));
    frame.m_hMenuDefault = first;
    frame.m_Bar.SetFrameMenu(IDR_GT_TEST_MENU);
    frame.m_Bar.CreateFromMenu(first, TRUE);
    frame.m_Bar.RemoveButton(0);
    EXPECT_EQ("&Help ", frame.Buttons());

    EXPECT_TRUE(frame.m_Bar.RestoreOriginalState());
    EXPECT_EQ("&Reports &Help ", frame.Buttons());
    EXPECT_FALSE(::IsMenu(first));
    const HMENU fresh = frame.m_hMenuDefault;
    EXPECT_TRUE(::IsMenu(fresh));
    EXPECT_EQ(fresh, frame.m_Bar.GetDefaultMenu());
    EXPECT_EQ(fresh, frame.m_Bar.GetCurrentMenu());

    frame.m_Bar.DestroyWindow();
    EXPECT_TRUE(::IsMenu(fresh));
    CMenuHash::Instance().RemoveMenu(fresh);
    ::DestroyMenu(fresh);
    frame.m_hMenuDefault = nullptr;
}

TEST(MenuBar, RestingOnAnOpenMenusTitleShowsAllItsCommands)
{
    PlainMenuOptions options;
    GTMenuOptions::s_RecentlyUsed = TRUE;
    CList<UINT, UINT> basic;
    basic.AddTail(100);
    CGTToolBar::SetCoreCommands(basic);
    CGTToolBar::GetCommandUsage().Reset();
    MenuBarFrame frame;
    HMENU reports = MakeMenu(reportsMenu);
    frame.m_Bar.CreateFromMenu(reports, TRUE);
    frame.m_Bar.SetWindowPos(nullptr, 0, 0, 400, 30, SWP_NOZORDER | SWP_NOACTIVATE);
    frame.m_Bar.RecalcButtonLayout();
    auto* file = static_cast<CGTToolbarMenuButton*>(frame.m_Bar.GetButton(0));
    ASSERT_TRUE(frame.m_Bar.DropDownMenu(file));
    CGTPopupMenu* popup = file->GetPopupMenu();
    ASSERT_TRUE(popup->HasHiddenItems());

    // The cursor elsewhere: nothing; on the title: every command.
    CRect title = file->Rect();
    frame.m_Bar.ClientToScreen(&title);
    {
        FixedCursor away(title.BottomRight() + CSize(50, 50));
        frame.m_Bar.SendMessage(WM_TIMER, CGTMenuBar::s_ShowAllTimer);
        EXPECT_TRUE(popup->HasHiddenItems());
    }
    FixedCursor over(title.CenterPoint());
    frame.m_Bar.SendMessage(WM_TIMER, CGTMenuBar::s_ShowAllTimer);
    EXPECT_FALSE(popup->HasHiddenItems());
    file->OnCancelMode();
    CGTMenuBar::SetShowAllCommands(FALSE);
    CGTToolBar::SetCoreCommands(CList<UINT, UINT>());
    CMenuHash::Instance().RemoveMenu(reports);
    ::DestroyMenu(reports);
}
