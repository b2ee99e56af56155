#include <guitoolkit/toolbars/CGTToolBar.h>
#include <gtest/gtest.h>
#include "GtToolbarsTestIds.h"
#include "ToolbarTestSupport.h"

namespace {
std::vector<int> Hidden(const CGTToolBar& iBar)
{
    std::vector<int> hidden;
    for (int index = 0; index < iBar.GetButtonCount(); ++index) {
        if (iBar.GetButton(index)->IsHiddenByLayout())
            hidden.push_back(index);
    }
    return hidden;
}

int Wraps(const CGTToolBar& iBar)
{
    int wraps = 0;
    for (int index = 0; index < iBar.GetButtonCount(); ++index)
        wraps += iBar.GetButton(index)->m_Wrap ? 1 : 0;
    return wraps;
}
}  // namespace

TEST(ToolBarLayout, ButtonsWrapToTheWidth)
{
    TestParent parent;
    LayoutBar bar(parent, 300, {20, 20, 20, 20, 20});
    const struct {
        int width;
        int rows;
    } cases[] = {{100, 1}, {99, 2}, {50, 3}, {0, 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.rows, bar.WrapButtons(c.width)) << c.width;
        EXPECT_EQ(c.rows - 1, Wraps(bar)) << c.width;
    }
    // The narrowest width that keeps three rows is two buttons wide; rows lie 5 pixels apart.
    bar.SizeToLength(50, FALSE);
    EXPECT_EQ(2, Wraps(bar));
    const CSize size = bar.CalcLayoutSize(FALSE);
    EXPECT_EQ(41, size.cx);
    EXPECT_EQ(3 * bar.GetRowHeight() + 2 * 5, size.cy);
}

TEST(ToolBarLayout, SeparatorsVanishAtARowStartAndAfterAnother)
{
    TestParent parent;
    LayoutBar bar(parent, 300, {0, 20, 0, 0, 20});
    bar.RecalcButtonLayout();
    EXPECT_EQ((std::vector<int>{0, 3}), Hidden(bar));
    EXPECT_EQ(CRect(1, 0, 21, bar.GetRowHeight()), bar.GetButton(1)->Rect());
    EXPECT_EQ(29, bar.GetButton(4)->Rect().left);
}

TEST(ToolBarLayout, ButtonsADockedBarHasNoRoomForGoToTheCustomizeButton)
{
    TestParent parent;
    const struct {
        int width;
        std::vector<int> hidden;
    } cases[] = {
        {80, {3, 4}},  // the customize button's 12 pixels are kept free
        {101, {}},     // nothing overflows: no room is kept for it, and it is hidden
    };
    for (const auto& c : cases) {
        LayoutBar bar(parent, c.width, {20, 20, 20, 20, 20});
        bar.AddCustomizeButton(12);
        bar.RecalcButtonLayout();
        EXPECT_EQ(static_cast<INT_PTR>(c.hidden.size()), bar.GetOverflowButtons().GetCount()) << c.width;
        std::vector<int> hidden = c.hidden;
        if (hidden.empty())
            hidden.push_back(5);
        EXPECT_EQ(hidden, Hidden(bar)) << c.width;
        if (!c.hidden.empty()) {
            const int right = bar.ClientWidth();
            CRect client;
            bar.GetClientRect(&client);
            EXPECT_EQ(CRect(right - 12, 0, right - 1, client.bottom), bar.GetCustomizeButton()->Rect());
        }
    }
}

TEST(ToolBarLayout, AFloatingLabelledBarCentresItsRows)
{
    TestParent parent;
    for (BOOL labels : {FALSE, TRUE}) {
        LayoutBar bar(parent, 101, {20, 20});
        bar.SetFloating(TRUE, labels);
        bar.RecalcButtonLayout();
        const int offset = labels ? (bar.ClientWidth() - 40 - 1) / 2 : 0;
        EXPECT_EQ(1 + offset, bar.GetButton(0)->Rect().left) << labels;
    }
}

TEST(ToolBarLayout, ModesPickTheLengthTheBarIsMeasuredFor)
{
    TestParent parent;
    LayoutBar bar(parent, 300, {20, 20, 20});
    const CSize row = bar.CalcSize(LM_HORZ | LM_HORZDOCK, -1);
    const CSize column = bar.CalcSize(LM_VERTDOCK, -1);
    const CSize stretched = bar.CalcSize(LM_HORZ | LM_STRETCH, -1);
    CRect borders(0, 0, 0, 0);
    bar.AdjustClientRectByBorders(borders, TRUE);
    EXPECT_EQ(61 - borders.Width(), row.cx);
    EXPECT_EQ(bar.GetRowHeight() - borders.Height(), row.cy);
    EXPECT_GT(column.cy, row.cy);
    EXPECT_EQ(32767, stretched.cx);
}

TEST(ToolBarLayout, LargeIconsDoubleTheSizes)
{
    TestParent parent;
    LayoutBar bar(parent, 300, {20});
    CGTToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
    CGTToolBar::ApplyLargeIcons(TRUE);
    EXPECT_EQ(CSize(46, 44), bar.GetButtonSize());
    EXPECT_EQ(CSize(32, 30), bar.GetImageSize());
    CGTToolBar::ApplyLargeIcons(FALSE);
    EXPECT_EQ(CSize(23, 22), bar.GetButtonSize());
}
