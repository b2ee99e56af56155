#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>
#include <gtest/gtest.h>
#include <memory>
#include "PopupTestSupport.h"

namespace {
// A workspace that keeps tear-off menus with the ids 100 to 120.
class TearOffWorkspace : public CGTWorkspace {
public:
    TearOffWorkspace() { m_TearOffTable = std::make_unique<MenuTearOffIdTable>(100, 120); }
};

const std::vector<MenuEntry> reportMenu = {
    {L"&Open\tCtrl+O", 100},
    {L"&Print", 101, MF_GRAYED},
    {L"", 0},
    {L"Second column", 102, MF_MENUBREAK},
    {L"\x01"
     L"107\x01"
     L"Tools",
     0,
     MF_MENUBARBREAK,
     {{L"Options", 103}, {L"Colours", 104, MF_GRAYED}}},
};

std::unique_ptr<CGTToolbarMenuButton> ButtonOf(const std::vector<MenuEntry>& iEntries)
{
    HMENU menu = MakeMenu(iEntries);
    ::SetMenuDefaultItem(menu, 100, FALSE);
    auto button = std::make_unique<CGTToolbarMenuButton>(GTSubMenuCommand, menu, -1, L"&Report");
    ::DestroyMenu(menu);
    return button;
}

const CGTToolbarMenuButton& SubItem(const CGTToolbarMenuButton& iButton, int iIndex)
{
    const CObList& items = iButton.GetSubItems();
    return *static_cast<const CGTToolbarMenuButton*>(items.GetAt(items.FindIndex(iIndex)));
}
}  // namespace

TEST(ToolbarMenuButton, AMenuBecomesItemsAndItemsBecomeTheSameMenu)
{
    TearOffWorkspace workspace;
    const auto button = ButtonOf(reportMenu);
    ASSERT_EQ(5, button->GetSubItems().GetCount());
    EXPECT_TRUE(SubItem(*button, 0).m_Default);
    EXPECT_EQ(static_cast<UINT>(TBBS_DISABLED), SubItem(*button, 1).m_Style);
    EXPECT_TRUE(SubItem(*button, 2).IsSeparator());
    EXPECT_EQ(GTMenuColumnBreak, SubItem(*button, 3).m_Style);
    const CGTToolbarMenuButton& tools = SubItem(*button, 4);
    EXPECT_EQ(GTSubMenuCommand, tools.m_CommandId);
    EXPECT_EQ(CString(L"Tools"), tools.m_Text);
    EXPECT_EQ(107u, tools.GetTearOffId());
    EXPECT_EQ(2, tools.GetSubItems().GetCount());

    HMENU exported = button->ExportSubItemsToMenu();
    ASSERT_NE(nullptr, exported);
    EXPECT_EQ("&Open\tCtrl+O=100 &Print=101 - Second column=102 \x01"
              "107\x01Tools>[Options=103 Colours=104]",
              DescribeMenu(exported));
    EXPECT_EQ(100u, ::GetMenuDefaultItem(exported, FALSE, 0));
    EXPECT_TRUE(::GetMenuState(exported, 1, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(exported, 3, MF_BYPOSITION) & MF_MENUBREAK);
    EXPECT_TRUE(::GetMenuState(exported, 4, MF_BYPOSITION) & MF_MENUBARBREAK);
    EXPECT_TRUE(::GetMenuState(::GetSubMenu(exported, 4), 1, MF_BYPOSITION) & MF_GRAYED);

    // The exported menu makes the same button again.
    CGTToolbarMenuButton again(GTSubMenuCommand, exported, -1, L"&Report");
    EXPECT_TRUE(again.IsSameCommand(*button));
    EXPECT_EQ(107u, SubItem(again, 4).GetTearOffId());
    ::DestroyMenu(exported);

    // A command button without items has no menu; a menu-only one has an empty menu.
    CGTToolbarMenuButton command(300, nullptr, -1, L"Go");
    EXPECT_EQ(nullptr, command.ExportSubItemsToMenu());
    command.m_MenuOnly = TRUE;
    HMENU empty = command.ExportSubItemsToMenu();
    ASSERT_NE(nullptr, empty);
    EXPECT_EQ(0, ::GetMenuItemCount(empty));
    ::DestroyMenu(empty);
}

TEST(ToolbarMenuButton, CopiesAreDeepAndCompareItemByItem)
{
    TearOffWorkspace workspace;
    const auto button = ButtonOf(reportMenu);
    button->m_PaletteRows = 4;
    CGTToolbarMenuButton copy;
    copy.CopyFrom(*button);
    EXPECT_TRUE(copy.IsSameCommand(*button));
    EXPECT_EQ(4, copy.m_PaletteRows);
    EXPECT_NE(&SubItem(copy, 4), &SubItem(*button, 4));
    EXPECT_EQ(107u, SubItem(copy, 4).GetTearOffId());

    // A command deep inside differs: the buttons differ.
    auto& nested = const_cast<CGTToolbarMenuButton&>(SubItem(SubItem(copy, 4), 0));
    nested.m_CommandId = 999;
    EXPECT_FALSE(copy.IsSameCommand(*button));
    EXPECT_FALSE(button->IsSameCommand(CGTToolbarButton(GTSubMenuCommand, -1)));
}

TEST(ToolbarMenuButton, StoredButtonsReadBackAtEachDataVersion)
{
    const struct {
        int major;
        int minor;
        BOOL paletteFields;
    } versions[] = {{6, 41, FALSE}, {6, 52, TRUE}, {6, 72, TRUE}, {7, 0, FALSE}, {8, 0, TRUE}};
    std::vector<size_t> sizes;
    for (const auto& version : versions) {
        VersionedWorkspace workspace(version.major, version.minor);
        const auto button = ButtonOf(reportMenu);
        button->m_PaletteMode = TRUE;
        button->m_PaletteRows = 3;
        const std::vector<BYTE> bytes = Stored(*button);
        sizes.push_back(bytes.size());
        CGTToolbarMenuButton loaded;
        Load(loaded, bytes);
        EXPECT_TRUE(loaded.IsSameCommand(*button)) << version.major << "." << version.minor;
        EXPECT_EQ(version.paletteFields, loaded.m_PaletteMode) << version.major << "." << version.minor;
        EXPECT_EQ(version.paletteFields ? 3 : 1, loaded.m_PaletteRows) << version.major << "." << version.minor;
        EXPECT_EQ(CString(L"Colours"), SubItem(SubItem(loaded, 4), 1).m_Text);
    }
    // Each level of the tree carries the two palette words or none.
    EXPECT_EQ(sizes[0] + 8 * 8, sizes[1]);
    EXPECT_EQ(sizes[0], sizes[3]);
}

TEST(ToolbarMenuButton, ASplitButtonRunsItsCommandOutsideTheArrowAndOpensInside)
{
    PlainMenuOptions options;
    MenuFrame frame;
    MenuToolBar bar(frame, {});
    HMENU menu = MakeMenu({{L"Daily", 201}, {L"Weekly", 202}});
    bar.InsertButton(new CGTToolbarMenuButton(200, menu, -1, L"Run"), 0);
    ::DestroyMenu(menu);
    bar.RecalcButtonLayout();
    auto& split = static_cast<CGTToolbarMenuButton&>(*bar.GetButton(0));
    ASSERT_TRUE(split.DrawsArrow());
    const CRect rect = split.Rect();
    FakeCursor cursor;
    const auto press = [&](int iX) {
        CPoint screen(iX, rect.CenterPoint().y);
        bar.ClientToScreen(&screen);
        cursor.m_Position = screen;
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(iX, rect.CenterPoint().y));
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(iX, rect.CenterPoint().y));
    };
    press(rect.left + 2);
    EXPECT_EQ((std::vector<UINT>{200}), frame.m_Commands);
    EXPECT_FALSE(split.IsDroppedDown());
    EXPECT_FALSE(split.IsClickedOnArrow());

    frame.m_Commands.clear();
    press(rect.right - 3);
    EXPECT_TRUE(split.IsClickedOnArrow());
    EXPECT_TRUE(split.IsDroppedDown());
    EXPECT_TRUE(frame.m_Commands.empty());
    split.OnCancelMode();
    EXPECT_FALSE(split.IsDroppedDown());
}

TEST(ToolbarMenuButton, PopupsOpenBelowTheirButtonOrBesideTheirItem)
{
    PlainMenuOptions options;
    MenuFrame frame;
    MenuToolBar bar(frame, {{L"&Open", 100}, {L"&More", 0, 0, {{L"Daily", 201}, {L"Weekly", 202}}}});
    CGTPopupMenu* popup = bar.Open();
    ASSERT_NE(nullptr, popup);
    const CRect button = bar.MenuButton().GetScreenRect();
    const CRect window = popup->GetScreenRect();
    EXPECT_EQ(button.left, window.left);
    EXPECT_EQ(button.bottom - 1, window.top);
    EXPECT_EQ(GTPopupBelow, popup->GetDirection());

    auto& more = static_cast<CGTToolbarMenuButton&>(*popup->GetMenuItem(1));
    ASSERT_TRUE(more.OpenPopupForParent(popup->GetMenuBar()));
    CGTPopupMenu* subMenu = more.GetPopupMenu();
    ASSERT_NE(nullptr, subMenu);
    EXPECT_EQ(window.right + 1, subMenu->GetScreenRect().left);
    EXPECT_EQ(more.GetScreenRect().top - 2, subMenu->GetScreenRect().top);
    EXPECT_EQ(GTPopupRight, subMenu->GetDirection());
    EXPECT_EQ(popup, subMenu->GetParentPopup());
    popup->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_FALSE(bar.MenuButton().IsDroppedDown());
}

TEST(ToolbarMenuButton, ARightToLeftPopupEndsAtItsButtonsRightEdge)
{
    PlainMenuOptions options;
    StackFrame frame;
    ASSERT_TRUE(frame.CreateEx(WS_EX_LAYOUTRTL, nullptr, L"Menus", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               CRect(100, 100, 600, 450), nullptr, 0));
    {
        MenuToolBar bar(frame, {{L"&Open", 100}});
        CGTPopupMenu* popup = bar.Open();
        ASSERT_NE(nullptr, popup);
        EXPECT_TRUE(popup->IsRightToLeft());
        EXPECT_EQ(bar.MenuButton().GetScreenRect().right - 2, popup->GetScreenRect().right);
        popup->DestroyWindow();
    }
    frame.DestroyWindow();
}

TEST(ToolbarMenuButton, MenuItemsShowTheirCommandsShortcut)
{
    PlainMenuOptions options;
    MenuFrame frame;
    ACCEL open = {FVIRTKEY | FCONTROL, 'O', 100};
    frame.m_hAccelTable = ::CreateAcceleratorTableW(&open, 1);
    MenuToolBar bar(frame, {{L"&Open\tF3", 100}, {L"&Print", 101}});
    CGTKeyboardManager keyboard;
    CGTPopupMenu* popup = bar.Open();
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(CString(L"&Open\tCtrl+O"), popup->GetMenuItem(0)->m_Text);
    EXPECT_EQ(CString(L"&Print"), popup->GetMenuItem(1)->m_Text);
    popup->DestroyWindow();
    ::DestroyAcceleratorTable(frame.m_hAccelTable);
    frame.m_hAccelTable = nullptr;
}

TEST(ToolbarMenuButton, LabelsTooLongForTheRowEndWithDots)
{
    CClientDC dc(nullptr);
    const CString label = L"Monthly summary";
    const int width = dc.GetTextExtent(label).cx;
    EXPECT_EQ(label, CGTToolbarMenuButton::FitMenuLabel(&dc, label, width));
    const CString cut = CGTToolbarMenuButton::FitMenuLabel(&dc, label, width / 2);
    EXPECT_EQ(L"...", cut.Right(3));
    EXPECT_EQ(0, label.Find(cut.Left(cut.GetLength() - 3)));
    EXPECT_LE(dc.GetTextExtent(cut).cx, width / 2);
    EXPECT_EQ(CString(L"..."), CGTToolbarMenuButton::FitMenuLabel(&dc, label, 0));
    EXPECT_EQ(CString(L"..."), CGTToolbarMenuButton::FitMenuLabel(&dc, L"", -5));
    // The "&" of an access key is not drawn, and takes no room.
    EXPECT_EQ(CString(L"&Monthly summary"), CGTToolbarMenuButton::FitMenuLabel(&dc, L"&Monthly summary", width));
}

TEST(ToolbarMenuButton, SystemItemsWithoutAnImageShowTheirGlyph)
{
    const struct {
        UINT command;
        int glyph;
    } items[] = {{SC_MINIMIZE, CGTMenuGlyphs::Minimize},
                 {SC_MAXIMIZE, CGTMenuGlyphs::Maximize},
                 {SC_CLOSE, CGTMenuGlyphs::Close},
                 {SC_RESTORE, CGTMenuGlyphs::Restore}};
    const CRect row(0, 0, 120, 20);
    const int margin = CGTVisualManager::GetCurrent()->GetMenuImageMargin();
    CRect glyphRect(row.left + 2 * margin, row.top, row.left + margin + CGTToolBar::GetMenuImageSize().cx, row.bottom);
    for (const auto& item : items) {
        CGTToolbarMenuButton button(item.command, nullptr, -1, L"");
        CGTDibSection drawn, expected;
        ASSERT_TRUE(drawn.Create(row.Width(), row.Height()) && expected.Create(row.Width(), row.Height()));
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        HGDIOBJ previous = ::SelectObject(dc.GetSafeHdc(), drawn.Handle());
        dc.FillSolidRect(&row, RGB(255, 255, 255));
        button.DrawMenuItem(&dc, row, FALSE, FALSE, TRUE);
        ::SelectObject(dc.GetSafeHdc(), expected.Handle());
        dc.FillSolidRect(&row, RGB(255, 255, 255));
        CGTMenuGlyphs::DrawCentered(&dc, item.glyph, glyphRect);
        ::SelectObject(dc.GetSafeHdc(), previous);
        ::GdiFlush();
        int differences = 0;
        for (int y = 0; y < row.Height(); ++y)
            for (int x = glyphRect.left; x < glyphRect.right; ++x)
                differences += *drawn.PixelAt(x, y) != *expected.PixelAt(x, y);
        EXPECT_EQ(0, differences) << item.command;
    }
}
