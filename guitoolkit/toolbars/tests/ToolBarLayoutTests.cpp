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
    const int row = bar.GetRowHeight();
    const int column = bar.GetColumnWidth();
    CRect borders(0, 0, 0, 0);
    bar.AdjustClientRectByBorders(borders, TRUE);
    const struct {
        DWORD mode;
        int length;  // the bar's length, borders included; -1 for none
        BOOL floating;
        CSize inside;  // the buttons' extent, without the borders
        int mruWidth;  // afterwards
    } cases[] = {
        {LM_HORZ | LM_HORZDOCK, -1, FALSE, CSize(61, row), 41},
        {LM_VERTDOCK, -1, FALSE, CSize(column, 61), 41},
        {LM_HORZ | LM_MRUWIDTH, -1, FALSE, CSize(41, 2 * row + 5), 41},  // two buttons a row
        {LM_HORZ, 41 - borders.Width(), FALSE, CSize(41, 2 * row + 5), 41},
        // One button a row, no narrower than a column.
        {LM_HORZ | LM_COMMIT, 21 - borders.Width(), TRUE, CSize(column, 3 * row + 10), column},
        {LM_HORZ, -1, TRUE, CSize(column, 3 * row + 10), column},  // floating: the last length
        {LM_HORZ | LM_STRETCH, -1, FALSE, CSize(32767 + borders.Width(), row), column},
    };
    bar.SetMruWidth(41);
    for (const auto& c : cases) {
        bar.SetFloating(c.floating, FALSE);
        CRect caseBorders(0, 0, 0, 0);
        bar.AdjustClientRectByBorders(caseBorders, (c.mode & LM_HORZ) != 0);
        const CSize expected(c.inside.cx - caseBorders.Width(), c.inside.cy - caseBorders.Height());
        EXPECT_EQ(expected, bar.CalcSize(c.mode, c.length)) << c.mode << " " << c.length;
        EXPECT_EQ(c.mruWidth, bar.MruWidth()) << c.mode << " " << c.length;
    }
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
