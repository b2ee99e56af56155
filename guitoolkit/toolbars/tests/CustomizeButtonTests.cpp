#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/toolbars/CCustomizeButton.h>
#include <guitoolkit/toolbars/CGTCustomizeMenuButton.h>
#include <guitoolkit/toolbars/CGTToolbarComboBoxButton.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "GtToolbarsTestIds.h"
#include "PopupTestSupport.h"

namespace {
std::string Narrow(const CString& iText)
{
    std::string text;
    for (int index = 0; index < iText.GetLength(); ++index)
        text += static_cast<char>(iText[index]);
    return text;
}

// The items of a popup menu bar: texts, "-" for separators, "name>" for sub-menus.
std::string Items(const CGTToolBar& iBar)
{
    std::string text;
    for (int index = 0; index < iBar.GetButtonCount(); ++index) {
        const CGTToolbarButton* item = iBar.GetButton(index);
        text += item->IsSeparator() ? std::string("-") : Narrow(item->m_Text);
        if (item->m_CommandId == GTSubMenuCommand)
            text += ">";
        text += " ";
    }
    return text;
}

// A quick-customize menu for the bar's buttons: one toggle item per button, then the reset
// item, as the frame builds it.
class CustomizeMenu : public CGTPopupMenuBar {
public:
    explicit CustomizeMenu(CGTToolBar& iBar)
    {
        CGTCustomizeMenuButton::SetCustomizedToolbar(&iBar);
        for (int index = 0; index < iBar.GetButtonCount(); ++index)
            Add(iBar.GetButton(index)->m_CommandId, index, TRUE);
        Add(static_cast<UINT>(-20), CGTCustomizeMenuButton::s_ResetItem, TRUE);
    }
    ~CustomizeMenu() override { CGTCustomizeMenuButton::SetCustomizedToolbar(nullptr); }
    CGTCustomizeMenuButton* Add(UINT iCommandId, int iIndex, BOOL iPresent)
    {
        auto* item = new CGTCustomizeMenuButton(iCommandId, nullptr, -1, L"item");
        item->m_SeparatorItem = iCommandId == 0;
        InsertButton(item);
        item->SetItem(iIndex, iPresent, FALSE);
        return item;
    }
    CGTCustomizeMenuButton* Item(int iIndex) const { return static_cast<CGTCustomizeMenuButton*>(GetButton(iIndex)); }
};

// The bar's buttons: their commands, each followed by "h" while hidden.
std::string Shown(const CGTToolBar& iBar)
{
    std::string text;
    for (int index = 0; index < iBar.GetButtonCount(); ++index) {
        const CGTToolbarButton* button = iBar.GetButton(index);
        text += std::to_string(button->m_CommandId) + (button->IsVisible() ? " " : "h ");
    }
    return text;
}

BOOL TakeResetPrompt(const CGTToolBar& iBar)
{
    MSG message;
    return ::PeekMessageW(&message, iBar.GetSafeHwnd(), GTTOOLBAR_RESETPROMPT, GTTOOLBAR_RESETPROMPT, PM_REMOVE);
}
}  // namespace

TEST(CustomizeButton, ThePopupListsTheHiddenButtonsThenTheOptions)
{
    PlainMenuOptions options;
    CommandRecorder parent;
    LayoutBar bar(parent, 70, {50, 0, 40});
    bar.GetButton(2)->m_Text = L"&Chart";
    bar.InsertButton(new CGTToolbarComboBoxButton(ID_GT_TEST_SECOND, -1, CBS_DROPDOWNLIST, 40));
    bar.InsertSeparator();
    ASSERT_TRUE(bar.SetCustomizeButton(TRUE, ID_GT_TEST_OPEN, L"&Customize..."));
    auto* chevron = dynamic_cast<CCustomizeButton*>(bar.GetCustomizeButton());
    ASSERT_NE(nullptr, chevron);
    bar.RecalcButtonLayout();
    ASSERT_EQ(4, bar.GetOverflowButtons().GetCount());
    EXPECT_TRUE(chevron->ShowsHiddenButtonsMark());
    EXPECT_TRUE(chevron->ShowsCustomizeMark());

    ASSERT_TRUE(chevron->OpenPopupForParent(&bar));
    CGTPopupMenu* popup = chevron->GetPopupMenu();
    ASSERT_NE(nullptr, popup);
    EXPECT_TRUE(popup->DropsFromCustomizeButton());
    EXPECT_EQ("&Chart Week - &Add or Remove Buttons> ", Items(*popup->GetMenuBar()));
    auto* addRemove = static_cast<CGTToolbarMenuButton*>(popup->GetMenuItem(3));
    ASSERT_EQ(2, addRemove->GetSubItems().GetCount());
    const auto* barEntry = static_cast<CGTToolbarMenuButton*>(addRemove->GetSubItems().GetHead());
    EXPECT_EQ(CString(L"<Untitled>"), barEntry->m_Text);
    const auto* placeholder = static_cast<CGTToolbarButton*>(barEntry->GetSubItems().GetHead());
    EXPECT_EQ(1u, placeholder->m_CommandId);
    EXPECT_EQ(std::to_string(bar.GetDlgCtrlID()), Narrow(placeholder->m_Text));
    EXPECT_EQ(UINT(ID_GT_TEST_OPEN), static_cast<CGTToolbarButton*>(addRemove->GetSubItems().GetTail())->m_CommandId);

    // The first item runs the first real hidden button, though a separator comes before it.
    popup->GetMenuBar()->OnSendCommand(popup->GetMenuItem(0));
    PumpMessages();
    EXPECT_EQ(std::vector<UINT>{101}, parent.m_Commands);
    EXPECT_EQ(nullptr, chevron->GetPopupMenu());
}

TEST(CustomizeButton, WithoutQuickCustomizeItOffersTheCommandAlone)
{
    PlainMenuOptions options;
    CommandRecorder parent;
    LayoutBar bar(parent, 300, {20});
    ASSERT_TRUE(bar.SetCustomizeButton(TRUE, ID_GT_TEST_OPEN, L"&Customize...", FALSE));
    auto* chevron = static_cast<CCustomizeButton*>(bar.GetCustomizeButton());
    ASSERT_TRUE(chevron->OpenPopupForParent(&bar));
    EXPECT_FALSE(chevron->ShowsHiddenButtonsMark());
    EXPECT_EQ("&Customize... ", Items(*chevron->GetPopupMenu()->GetMenuBar()));
    chevron->OnCancelMode();
}

TEST(CustomizeButton, AddOrRemoveButtonsOffersTheShownBarsOfTheRowThatHaveTheButton)
{
    PlainMenuOptions options;
    StackFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, L"Row", WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 300)));
    auto* dockBar = new CGTDockBar;
    ASSERT_TRUE(dockBar->Create(GTSideTop, CRect(), &frame));
    dockBar->MoveToRect(CRect(0, 0, 640, 0));
    const struct {
        LPCWSTR name;
        BOOL customize;
        BOOL shown;
    } kinds[] = {{L"Periods", TRUE, TRUE}, {L"  ", TRUE, TRUE}, {L"Plain", FALSE, TRUE}, {L"Hidden", TRUE, FALSE}};
    CGTToolBar bars[4];
    for (int index = 0; index < 4; ++index) {
        CGTToolBar& bar = bars[index];
        ASSERT_TRUE(
            bar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 200 + index));
        bar.InsertButton(new CGTToolbarButton(101, -1, L"Week"));
        bar.SetWindowText(kinds[index].name);
        if (kinds[index].customize)
            bar.SetCustomizeButton(TRUE, ID_GT_TEST_OPEN, L"&Customize...");
        bar.EnableDocking(GTSideAny);
        const CRect target(index * 150, 0, index * 150 + 100, 24);
        ASSERT_TRUE(bar.DockToTarget(dockBar, &target, GTDockByRect));
        if (!kinds[index].shown)
            bar.ShowWindow(SW_HIDE);
    }
    ASSERT_EQ(1, dockBar->GetRows().GetCount());

    auto* chevron = static_cast<CCustomizeButton*>(bars[0].GetCustomizeButton());
    ASSERT_TRUE(chevron->OpenPopupForParent(&bars[0]));
    CGTPopupMenu* popup = chevron->GetPopupMenu();
    ASSERT_EQ("&Add or Remove Buttons> ", Items(*popup->GetMenuBar()));
    const auto* addRemove = static_cast<CGTToolbarMenuButton*>(popup->GetMenuItem(0));
    std::vector<std::string> entries;
    for (POSITION at = addRemove->GetSubItems().GetHeadPosition(); at != nullptr;) {
        const auto* entry = static_cast<CGTToolbarMenuButton*>(addRemove->GetSubItems().GetNext(at));
        std::string text = Narrow(entry->m_Text);
        if (!entry->GetSubItems().IsEmpty())
            text += " " + Narrow(static_cast<CGTToolbarButton*>(entry->GetSubItems().GetHead())->m_Text);
        entries.push_back(text);
    }
    EXPECT_EQ((std::vector<std::string>{"Periods 200", "<Untitled> 201", "&Customize..."}), entries);
    chevron->OnCancelMode();
}

TEST(CustomizeButton, SiblingBarsTakeOneRowOrTwoFromTheChevron)
{
    PlainMenuOptions options;
    StackFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, L"Rows", WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 300)));
    auto* dockBar = new CGTDockBar;
    ASSERT_TRUE(dockBar->Create(GTSideTop, CRect(), &frame));
    dockBar->MoveToRect(CRect(0, 0, 640, 0));
    CGTToolBar bars[2];
    for (int index = 0; index < 2; ++index) {
        CGTToolBar& bar = bars[index];
        ASSERT_TRUE(
            bar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 300 + index));
        bar.InsertButton(new CGTToolbarButton(101 + index, -1, L"Week"));
        bar.SetCustomizeButton(TRUE, ID_GT_TEST_OPEN, L"&Customize...");
        bar.EnableDocking(GTSideAny);
        const CRect target(index * 200, 0, index * 200 + 100, 24);
        ASSERT_TRUE(bar.DockToTarget(dockBar, &target, GTDockByRect));
    }
    ASSERT_EQ(1, dockBar->GetRows().GetCount());
    auto* chevron = static_cast<CCustomizeButton*>(bars[0].GetCustomizeButton());
    const auto rowItem = [&]() -> CGTCustomizeMenuButton* {
        if (!chevron->OpenPopupForParent(&bars[0]))
            return nullptr;
        CGTPopupMenu* popup = chevron->GetPopupMenu();
        return popup != nullptr
            ? dynamic_cast<CGTCustomizeMenuButton*>(popup->GetMenuItem(popup->GetMenuItemCount() - 1))
            : nullptr;
    };

    // Without a sibling there is no row item.
    EXPECT_EQ(nullptr, rowItem());
    chevron->OnCancelMode();

    bars[0].SetSiblingToolBar(&bars[1]);
    EXPECT_EQ(&bars[0], bars[1].GetSiblingToolBar());
    for (const int rows : {2, 1}) {
        CGTCustomizeMenuButton* item = rowItem();
        ASSERT_NE(nullptr, item);
        EXPECT_EQ(CString(rows == 2 ? L"S&how Buttons on Two Rows" : L"S&how Buttons on One Row"), item->m_Text);
        item->OnClickMenuItem();
        PumpMessages();
        EXPECT_EQ(rows, dockBar->GetRows().GetCount());
        EXPECT_EQ(rows == 1, bars[0].IsOneRowWithSibling());
        if (rows == 2) {
            EXPECT_EQ(1, dockBar->GetRowIndex(bars[1].GetDockRow()));
        } else {
            CRect first, second;
            bars[0].GetWindowRect(&first);
            bars[1].GetWindowRect(&second);
            EXPECT_LE(first.right, second.left);
        }
    }

    // The pairing goes with either bar.
    bars[1].SetSiblingToolBar(nullptr);
    EXPECT_EQ(nullptr, bars[0].GetSiblingToolBar());
}

TEST(CustomizeMenuButton, TogglesShowAndHideButtonsWithTheSeparatorAfterThem)
{
    TestParent parent;
    LayoutBar bar(parent, 300, {20, 0, 20, 20});
    CObList original;
    for (int index = 0; index < bar.GetButtonCount(); ++index) {
        auto* copy = new CGTToolbarButton;
        copy->CopyFrom(*bar.GetButton(index));
        original.AddTail(copy);
    }
    bar.ReplaceOriginalState(original);
    CustomizeMenu menu(bar);
    EXPECT_TRUE(menu.Item(0)->IsChecked());
    EXPECT_FALSE(menu.Item(4)->IsEnabled());

    // In the original state the reset item does nothing.
    EXPECT_TRUE(menu.Item(4)->OnClickMenuItem());
    EXPECT_FALSE(TakeResetPrompt(bar));

    EXPECT_TRUE(menu.Item(0)->OnClickMenuItem());
    EXPECT_EQ("100h 0h 101 102 ", Shown(bar));
    EXPECT_FALSE(menu.Item(0)->IsChecked());
    EXPECT_TRUE(menu.Item(0)->OnClickMenuItem());
    EXPECT_EQ("100 0 101 102 ", Shown(bar));
}

TEST(CustomizeMenuButton, APutBackButtonMovesTheLaterItemsOn)
{
    TestParent parent;
    LayoutBar bar(parent, 300, {20, 0, 20, 20});
    CObList original;
    for (int index = 0; index < bar.GetButtonCount(); ++index) {
        auto* copy = new CGTToolbarButton;
        copy->CopyFrom(*bar.GetButton(index));
        original.AddTail(copy);
    }
    bar.ReplaceOriginalState(original);
    bar.RemoveButton(2);
    CustomizeMenu menu(bar);
    CGTCustomizeMenuButton* absent = menu.Add(101, 2, FALSE);
    CGTCustomizeMenuButton* stray = menu.Add(103, 9, FALSE);
    EXPECT_TRUE(menu.Item(3)->IsEnabled());

    EXPECT_TRUE(absent->OnClickMenuItem());
    EXPECT_EQ("100 0 101 102 ", Shown(bar));
    EXPECT_TRUE(absent->IsPresent());
    EXPECT_EQ(3, menu.Item(2)->GetIndex());
    // The item of the button after it acts on that button, now one place on.
    EXPECT_TRUE(menu.Item(2)->OnClickMenuItem());
    EXPECT_EQ("100 0 101 102h ", Shown(bar));

    // A button the original list does not have is not put back; the menu stays.
    EXPECT_TRUE(stray->OnClickMenuItem());
    EXPECT_EQ(4, bar.GetButtonCount());
    EXPECT_FALSE(stray->IsPresent());

    // Changed, the bar can be reset: the reset item asks the bar to prompt.
    menu.Item(3)->SetItem(CGTCustomizeMenuButton::s_ResetItem, TRUE, FALSE);
    EXPECT_TRUE(menu.Item(3)->IsEnabled());
    EXPECT_TRUE(menu.Item(3)->OnClickMenuItem());
    EXPECT_TRUE(TakeResetPrompt(bar));
}

namespace {
// A white picture of a button's size, drawn by the function.
template <class Draw>
std::vector<COLORREF> Picture(CSize iSize, Draw iDraw)
{
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, iSize.cx, iSize.cy);
    CBitmap* previous = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, iSize.cx, iSize.cy, RGB(255, 255, 255));
    iDraw(dc);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < iSize.cy; ++y) {
        for (int x = 0; x < iSize.cx; ++x)
            pixels.push_back(dc.GetPixel(x, y));
    }
    dc.SelectObject(previous);
    return pixels;
}
}  // namespace

TEST(CustomizeButton, DrawsTheCustomizeMarkAndTheChevronOfHiddenButtons)
{
    CommandRecorder parent;
    LayoutBar bar(parent, 70, {50, 0, 40});
    ASSERT_TRUE(bar.SetCustomizeButton(TRUE, ID_GT_TEST_OPEN));
    bar.RecalcButtonLayout();
    auto* chevron = static_cast<CCustomizeButton*>(bar.GetCustomizeButton());
    const int strip = CGTMenuGlyphs::GetSize().cy + 2 * CGTVisualManager::GetCurrent()->GetMenuImageMargin();
    const CRect rect(0, 0, 24, 24);
    for (const BOOL horizontal : {TRUE, FALSE}) {
        const auto drawn = Picture(rect.Size(), [&](CDC& ioDc) {
            chevron->OnDraw(&ioDc, rect, nullptr, horizontal, FALSE, FALSE, TRUE, TRUE);
        });
        const auto expected = Picture(rect.Size(), [&](CDC& ioDc) {
            if (horizontal) {
                CGTMenuGlyphs::DrawCentered(&ioDc, CGTMenuGlyphs::CustomizeHorizontal,
                                            CRect(0, rect.bottom - strip, rect.right, rect.bottom));
                CGTMenuGlyphs::DrawCentered(&ioDc, CGTMenuGlyphs::ChevronHorizontal, CRect(0, 0, rect.right, strip));
            } else {
                CGTMenuGlyphs::DrawCentered(&ioDc, CGTMenuGlyphs::CustomizeVertical, CRect(0, 0, strip, rect.bottom));
                CGTMenuGlyphs::DrawCentered(&ioDc, CGTMenuGlyphs::ChevronVertical,
                                            CRect(rect.right - strip, 0, rect.right, rect.bottom));
            }
        });
        EXPECT_TRUE(drawn == expected) << horizontal;
    }
}
