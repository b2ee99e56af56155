#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <gtest/gtest.h>
#include "PopupTestSupport.h"

namespace {
// Popups with the animation and shadow asked for, on a screen of 32 bits.
class MenuEffects {
public:
    MenuEffects(int iAnimation, BOOL iShadows) : m_Depth(theGuiToolkitGlobals.bitsPerPixel)
    {
        GTMenuOptions::s_Animation = iAnimation;
        GTMenuOptions::s_Shadows = iShadows;
        theGuiToolkitGlobals.bitsPerPixel = 32;
    }
    ~MenuEffects() { theGuiToolkitGlobals.bitsPerPixel = m_Depth; }

private:
    PlainMenuOptions m_Options;
    int m_Depth;
};

// A frame that counts the paints it gets.
class PaintCountingFrame : public MenuFrame {
public:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_PAINT)
            ++m_Paints;
        return MenuFrame::WindowProc(iMessage, iWParam, iLParam);
    }
    int m_Paints = 0;
};

std::vector<MenuEntry> Rows(int iCount)
{
    std::vector<MenuEntry> rows;
    for (int row = 0; row < iCount; ++row)
        rows.push_back({L"Row", static_cast<UINT>(100 + row)});
    return rows;
}

CGTPopupMenu* ContextMenu(CWnd& iOwner, const std::vector<MenuEntry>& iEntries, CPoint iAt)
{
    auto* popup = new CGTPopupMenu;
    return popup->Create(&iOwner, iAt.x, iAt.y, MakeMenu(iEntries), FALSE, TRUE) ? popup : nullptr;
}
}  // namespace

TEST(PopupEffects, AnimationStepsAreTheElapsedPeriodsRounded)
{
    const struct {
        DWORD elapsed;
        int steps;
    } cases[] = {{0, 0}, {14, 0}, {15, 1}, {30, 1}, {44, 1}, {45, 2}, {95, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(c.steps, CGTPopupMenu::AnimationSteps(c.elapsed, 30)) << c.elapsed;
    EXPECT_EQ(0, CGTPopupMenu::AnimationSteps(100, 0));
}

TEST(PopupEffects, FadingTakesElevenTicksWhateverTheTime)
{
    MenuEffects effects(3, TRUE);
    FakeClock clock;
    MenuFrame frame;
    CGTPopupMenu* popup = ContextMenu(frame, Rows(3), CPoint(150, 150));
    ASSERT_NE(nullptr, popup);
    EXPECT_FALSE(popup->IsAnimationDone());
    int ticks = 0;
    for (BOOL ended = FALSE; !ended && ticks < 20; ++ticks) {
        clock.Advance(ticks % 2 == 0 ? 5 : 500);
        ended = popup->StepAnimation();
    }
    EXPECT_EQ(11, ticks);
    EXPECT_EQ(110, popup->GetFadePercent());
    EXPECT_TRUE(popup->GetMenuBar()->IsWindowVisible());
    popup->DestroyWindow();

    // Without a shadow a fade shows the whole menu from the start.
    GTMenuOptions::s_Shadows = FALSE;
    popup = ContextMenu(frame, Rows(3), CPoint(150, 150));
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(popup->GetFinalSize(), popup->GetAnimatedSize());
    popup->DestroyWindow();
}

TEST(PopupEffects, UnfoldAndSlideGrowByWholeRowsAndColumns)
{
    for (const int animation : {1, 2}) {
        MenuEffects effects(animation, FALSE);
        FakeClock clock;
        MenuFrame frame;
        CGTPopupMenu* popup = ContextMenu(frame, Rows(12), CPoint(150, 150));
        ASSERT_NE(nullptr, popup);
        const int row = popup->GetMenuBar()->GetRowHeight();
        const int column = popup->GetMenuBar()->GetColumnWidth();
        const CSize start = popup->GetAnimatedSize();
        EXPECT_EQ(row, start.cy);
        EXPECT_EQ(animation == 1 ? column : popup->GetFinalSize().cx, start.cx);

        clock.Advance(65);
        EXPECT_FALSE(popup->StepAnimation());
        EXPECT_EQ(start.cy + 2 * row, popup->GetAnimatedSize().cy);
        EXPECT_EQ(animation == 1 ? start.cx + 2 * column : start.cx, popup->GetAnimatedSize().cx);

        // A slow machine: one tick gets to the end, and the menu shows its final size.
        clock.Advance(3000);
        EXPECT_TRUE(popup->StepAnimation());
        EXPECT_EQ(popup->GetFinalSize(), popup->GetAnimatedSize());
        EXPECT_TRUE(popup->IsAnimationDone());
        popup->DestroyWindow();
    }
}

TEST(PopupEffects, AFadeFrameMixesTheMenuIntoTheBackground)
{
    CGTDibSection background, menu, blend;
    ASSERT_TRUE(background.Create(2, 1) && menu.Create(2, 1) && blend.Create(2, 1));
    background.Bits()[0] = 0x00C86432;
    menu.Bits()[0] = 0x000032FA;
    background.Bits()[1] = 0x00FFFFFF;
    menu.Bits()[1] = 0x00000000;
    CGTPopupMenu::BlendFadeFrame(background, menu, blend, 30);
    const auto mix = [](DWORD iBack, DWORD iMenu, int iShift) {
        return (((iBack >> iShift) & 0xFF) * 70 + ((iMenu >> iShift) & 0xFF) * 30) / 100;
    };
    for (int pixel = 0; pixel < 2; ++pixel)
        for (int shift : {0, 8, 16})
            EXPECT_EQ(mix(background.Bits()[pixel], menu.Bits()[pixel], shift), (blend.Bits()[pixel] >> shift) & 0xFF)
                << pixel << " " << shift;
}

TEST(PopupEffects, ALongMenuScrollsWithArrowsAtItsEnds)
{
    MenuEffects effects(0, FALSE);
    MenuFrame frame;
    CGTPopupMenu* popup = ContextMenu(frame, Rows(120), CPoint(150, 0));
    ASSERT_NE(nullptr, popup);
    ASSERT_TRUE(popup->IsScrollable());
    CRect client;
    popup->GetClientRect(&client);
    const int border = CGTVisualManager::GetCurrent()->GetPopupMenuBorderSize();
    EXPECT_FALSE(popup->CanScrollUp());
    EXPECT_TRUE(popup->CanScrollDown());
    EXPECT_TRUE(popup->GetScrollUpRect().IsRectEmpty());
    const CRect down = popup->GetScrollDownRect();
    EXPECT_EQ(client.bottom - border, down.bottom);
    EXPECT_EQ(CGTMenuGlyphs::GetSize().cy + 2 * border, down.Height());
    CRect bar;
    popup->GetMenuBar()->GetWindowRect(&bar);
    popup->ScreenToClient(&bar);
    EXPECT_EQ(down.top, bar.bottom);

    popup->GetMenuBar()->SetFirstVisibleRow(3);
    EXPECT_TRUE(popup->RecalcScrollLayout());
    EXPECT_TRUE(popup->CanScrollUp());
    const CRect up = popup->GetScrollUpRect();
    EXPECT_EQ(client.top + border, up.top);
    popup->GetMenuBar()->GetWindowRect(&bar);
    popup->ScreenToClient(&bar);
    EXPECT_EQ(up.bottom, bar.top);

    // At the end the down arrow goes.
    popup->GetMenuBar()->SetFirstVisibleRow(119);
    popup->RecalcScrollLayout();
    EXPECT_FALSE(popup->CanScrollDown());
    EXPECT_TRUE(popup->GetScrollDownRect().IsRectEmpty());
    popup->DestroyWindow();
}

TEST(PopupEffects, PointsHitTheMenusAreas)
{
    MenuEffects effects(0, TRUE);
    MenuFrame frame;
    MenuToolBar bar(frame, Rows(4));
    bar.MenuButton().SetTearOff(7);
    CGTPopupMenu* popup = bar.Open();
    ASSERT_NE(nullptr, popup);
    const int shadow = popup->GetShadowSize();
    ASSERT_GT(shadow, 0);
    const CRect window = popup->GetScreenRect();
    const int border = CGTVisualManager::GetCurrent()->GetPopupMenuBorderSize();
    const struct {
        CPoint at;
        int area;
    } cases[] = {
        {{window.left - 1, window.top}, 4},         {{window.right - 1, window.top + 20}, 1},
        {{window.left + 20, window.bottom - 1}, 2}, {{window.left + border + 5, window.top + border + 5}, 5},
        {{window.left + 20, window.top + 40}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.area, popup->HitTestArea(c.at)) << c.at.x << "," << c.at.y;
    popup->DestroyWindow();
}

TEST(PopupEffects, TheShadowIsRefreshedOnlyForAMenuWithOneInsideItsFrame)
{
    PaintCountingFrame frame;
    frame.UpdateWindow();
    const struct {
        BOOL shadows;
        CPoint at;
        int paints;
    } cases[] = {{TRUE, {150, 150}, 1}, {FALSE, {150, 150}, 0}, {TRUE, {0, 0}, 0}};
    for (const auto& c : cases) {
        MenuEffects effects(0, c.shadows);
        CGTPopupMenu* popup = ContextMenu(frame, Rows(3), c.at);
        ASSERT_NE(nullptr, popup);
        PumpMessages();
        frame.m_Paints = 0;
        const CSize before = popup->GetScreenRect().Size();
        popup->UpdateShadow(nullptr);
        EXPECT_EQ(c.paints > 0, frame.m_Paints > 0) << c.at.x << " shadows " << c.shadows;
        EXPECT_EQ(before, popup->GetScreenRect().Size());
        popup->DestroyWindow();
    }
}

TEST(PopupEffects, KeysScrollTheHighlightedItemIntoView)
{
    const CRect client(0, 0, 100, 200);
    const struct {
        int first;
        CRect item;
        int rowHeight;
        int expected;
    } cases[] = {
        {5, CRect(0, 20, 100, 40), 20, 5},     // in view
        {5, CRect(0, -40, 100, -20), 20, 2},   // above: up to it and one row more
        {5, CRect(0, 220, 100, 240), 20, 8},   // below: down to it and one row more
        {1, CRect(0, -100, 100, -80), 20, 0},  // not before the first row
        {5, CRect(0, 600, 100, 620), 20, 21},  // not past the last row that fills the menu
        {5, CRect(0, 600, 100, 620), 0, 5},    // rows of no height scroll nothing
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, CGTPopupMenu::FirstRowShowing(c.first, c.item, client, c.rowHeight, 30, 200))
            << c.first << " " << c.item.top << " " << c.rowHeight;
}
