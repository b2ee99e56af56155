#include <guitoolkit/controls/CGTGridColumnsInfo.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/core/tests/TestSupport.h>
#include <afximagelist.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<int> Iterate(const CGTGridColumnsInfo& iColumns)
{
    std::vector<int> order;
    int position = 0;
    for (int column = iColumns.GetNextColumn(position); column >= 0; column = iColumns.GetNextColumn(position))
        order.push_back(column);
    return order;
}

class GridColumns : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int width : {10, 20, 30, 40})
            m_Columns.InsertColumn(m_Columns.GetColumnCount(), L"C", width);
    }
    CGTGridCtrl m_Grid;
    CGTGridColumnsInfo& m_Columns = m_Grid.GetColumnsInfo();
};

}  // namespace

TEST_F(GridColumns, QueriesOverHiddenReorderedAndMissingColumns)
{
    struct Case {
        const char* name;
        void (*change)(CGTGridColumnsInfo&);
        std::vector<int> order;
        int hiddenIndexOrder;  // IndexToOrder(1)
    };
    const Case cases[] = {
        {"index order", [](CGTGridColumnsInfo&) {}, {0, 1, 2, 3}, 1},
        {"hidden without an order is skipped",
         [](CGTGridColumnsInfo& c) { c.SetColumnVisible(1, FALSE); },
         {0, 2, 3},
         -1},
        {"reordered", [](CGTGridColumnsInfo& c) { c.ChangeColumnOrder(0, 3); }, {3, 0, 1, 2}, 2},
        {"hide then show moves to the end",
         [](CGTGridColumnsInfo& c) {
             c.ChangeColumnOrder(0, 3);
             c.SetColumnVisible(1, FALSE);
             c.SetColumnVisible(1, TRUE);
         },
         {3, 0, 2, 1},
         3},
        {"a hidden column cannot be moved",
         [](CGTGridColumnsInfo& c) {
             c.SetColumnVisible(2, FALSE);
             EXPECT_FALSE(c.ChangeColumnOrder(0, 2));
         },
         {0, 1, 3},
         1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        CGTGridCtrl grid;
        CGTGridColumnsInfo& columns = grid.GetColumnsInfo();
        for (int width : {10, 20, 30, 40})
            columns.InsertColumn(columns.GetColumnCount(), L"C", width);
        test.change(columns);
        EXPECT_EQ(test.order, Iterate(columns));
        CArray<int, int> order;
        columns.GetColumnOrderArray(order);
        EXPECT_EQ(test.order, std::vector<int>(order.GetData(), order.GetData() + order.GetSize()));
        EXPECT_EQ(test.hiddenIndexOrder, columns.IndexToOrder(1));
        EXPECT_EQ(test.order.front(), columns.GetFirstVisibleColumn());
        EXPECT_EQ(test.order.back(), columns.GetLastVisibleColumn());
        EXPECT_EQ((int)test.order.size(), columns.GetColumnCount(TRUE));
        EXPECT_EQ(-1, columns.OrderToIndex((int)test.order.size()));
    }
}

TEST_F(GridColumns, AMissingColumnReadsVisibleFixedLeftAndNarrow)
{
    EXPECT_TRUE(m_Columns.IsColumnVisible(9));
    EXPECT_TRUE(m_Columns.IsFixedWidthColumn(9));
    EXPECT_FALSE(m_Columns.IsStretchableColumn(9));
    EXPECT_EQ(0, m_Columns.GetColumnAlign(9));
    EXPECT_EQ(0, m_Columns.GetColumnWidth(9));
    EXPECT_EQ(nullptr, m_Columns.GetColumnName(-1));
    m_Columns.SetColumnVisible(2, FALSE);
    EXPECT_EQ(0, m_Columns.GetColumnWidth(2));
    EXPECT_EQ(30, m_Columns.GetColumnDefaultWidth(2));
}

TEST_F(GridColumns, InsertsAtTheCountButNotBeyondIt)
{
    EXPECT_EQ(4, m_Columns.InsertColumn(4, L"E", 5));
    EXPECT_EQ(-1, m_Columns.InsertColumn(6, L"F", 5));
    EXPECT_EQ(1, m_Columns.InsertColumn(1, L"G", 5));
    EXPECT_STREQ(L"G", m_Columns.GetColumnName(1));
    EXPECT_EQ(6, m_Columns.GetColumnCount());
}

TEST_F(GridColumns, AColumnInsertedBeforeOthersShiftsOrderSortAndGroups)
{
    m_Columns.ChangeColumnOrder(0, 3);
    m_Columns.SetSortDirection(2, -1);
    m_Columns.AddGroupColumn(1);
    m_Columns.AddGroupColumn(0);
    ASSERT_EQ(1, m_Columns.InsertColumn(1, L"N", 5));
    EXPECT_EQ((std::vector<int>{4, 0, 1, 2, 3}), Iterate(m_Columns));
    EXPECT_EQ(-1, m_Columns.GetColumnSortDirection(3));
    EXPECT_EQ(0, m_Columns.GetColumnSortDirection(2));
    EXPECT_EQ(2, m_Columns.GetGroupColumn(0));
    EXPECT_EQ(0, m_Columns.GetGroupColumn(1));
}

TEST_F(GridColumns, SortAndGroupColumns)
{
    m_Columns.SetSortDirection(2, -1);
    m_Columns.SetSortDirection(3, 0);
    EXPECT_EQ(1, m_Columns.GetSortColumnCount());
    m_Columns.RemoveSortColumn(3);
    EXPECT_EQ(2, m_Columns.GetSortColumn());
    m_Columns.m_MultiSort = TRUE;
    EXPECT_EQ(-1, m_Columns.GetSortColumn());

    m_Columns.AddGroupColumn(3);
    m_Columns.AddGroupColumn(1);
    EXPECT_EQ(1, m_Columns.GetGroupColumnPos(1));
    EXPECT_EQ(-1, m_Columns.GetGroupColumn(2));
    EXPECT_TRUE(m_Columns.RemoveGroupColumn(3));
    EXPECT_FALSE(m_Columns.RemoveGroupColumn(3));
    EXPECT_EQ(1, m_Columns.GetGroupColumn(0));
}

TEST_F(GridColumns, WidthLimitsInStretchMode)
{
    CGTGridColumnsInfo& columns = m_Columns;
    columns.DeleteAllColumns();
    for (int width : {50, 60, 70})
        columns.InsertColumn(columns.GetColumnCount(), L"C", width);
    columns.SetFixedWidth(1, TRUE);
    m_Grid.SetRowHeight(10);
    int minimum = 0, maximum = 0;
    EXPECT_FALSE(columns.GetColumnWidthLimits(0, minimum, maximum)) << "only in stretch mode";

    columns.m_StretchMode = TRUE;
    columns.m_TotalWidth = 200;
    struct Case {
        int column;
        BOOL result;
        int minimum, maximum;
    };
    // Fixed columns and stretchable ones on the left count their width, those on the right
    // their least (the row height).
    for (const Case& test : {Case{0, TRUE, 10, 130}, Case{2, TRUE, 10, 90}, Case{1, FALSE, 60, 60}}) {
        EXPECT_EQ(test.result, columns.GetColumnWidthLimits(test.column, minimum, maximum)) << test.column;
        EXPECT_EQ(test.minimum, minimum) << test.column;
        EXPECT_EQ(test.maximum, maximum) << test.column;
    }
    columns.m_TotalWidth = 75;
    EXPECT_FALSE(columns.GetColumnWidthLimits(0, minimum, maximum));
    EXPECT_EQ(10, maximum);
}

namespace {

const COLORREF Back = RGB(200, 200, 200);
const COLORREF Caption = RGB(0, 160, 0);
const COLORREF ImageColor = RGB(250, 0, 0);

int CountColor(PixelSurface& iSurface, const CRect& iRect, COLORREF iColor)
{
    int count = 0;
    for (int y = iRect.top; y < iRect.bottom; ++y)
        for (int x = iRect.left; x < iRect.right; ++x)
            count += iSurface.At(x, y) == iColor;
    return count;
}

class HeaderPainting : public GridColumns {
protected:
    void SetUp() override
    {
        GridColumns::SetUp();
        CGTGridColorTheme theme;
        theme.m_Header.m_Text = Caption;
        m_Grid.SetColorTheme(theme, FALSE);
        m_Grid.SetRowHeight(16);
        m_Images.Create(8, 8, ILC_COLOR32, 1, 0);
        CGTDibSection dib;
        dib.Create(8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                *dib.PixelAt(x, y) = 0xFF000000 | CGTDibSection::Swap(ImageColor);
        ImageList_Add(m_Images.m_hImageList, dib.Handle(), nullptr);
        m_Grid.SetHeaderImageList(&m_Images);
    }
    // Column 1 is not the first visible one: its item starts at the rectangle's left.
    void Draw(int iColumn, BOOL iGroupBox = FALSE)
    {
        m_Surface.Fill(Back);
        m_Columns.DrawColumn(&m_Surface.Dc(), iColumn, m_Item, 4, 2, FALSE, FALSE, iGroupBox);
    }
    CImageList m_Images;
    PixelSurface m_Surface{120, 24};
    CRect m_Item{0, 0, 120, 24};
};

}  // namespace

TEST_F(HeaderPainting, AnImageColumnShowsItsImageAndNoCaption)
{
    m_Columns.DeleteAllColumns();
    m_Columns.InsertColumn(0, L"First", 50);
    m_Columns.InsertColumn(1, L"WWWW", 60, 0);
    Draw(1);
    EXPECT_EQ(ImageColor, m_Surface.At(1 + 3, 12)) << "one pixel in, centred";
    EXPECT_EQ(0, CountColor(m_Surface, m_Item, Caption));

    Draw(1, TRUE);
    EXPECT_GT(CountColor(m_Surface, m_Item, Caption), 0) << "a group box shows the caption";
    m_Columns.m_GroupBoxImages = FALSE;
    Draw(1, TRUE);
    EXPECT_EQ(0, CountColor(m_Surface, m_Item, ImageColor));
}

TEST_F(HeaderPainting, TheFirstVisibleColumnLeavesRoomForTheExpandBoxes)
{
    Draw(0);
    EXPECT_EQ(0, CountColor(m_Surface, CRect(0, 2, 16 + 4, 22), Caption));
    EXPECT_GT(CountColor(m_Surface, CRect(16 + 4, 2, 60, 22), Caption), 0);
}

TEST_F(HeaderPainting, ThePressedItemIsInverted)
{
    Draw(1);
    EXPECT_EQ(Back, m_Surface.At(100, 12));
    m_Grid.SetPressedColumn(1);
    Draw(1);
    EXPECT_EQ(RGB(55, 55, 55), m_Surface.At(100, 12));
    m_Grid.SetDragging(TRUE);
    Draw(1);
    EXPECT_EQ(Back, m_Surface.At(100, 12)) << "not while dragging";
}

TEST_F(HeaderPainting, ASortedColumnDrawsItsArrowAtTheRightEnd)
{
    const CRect arrowArea(120 - 24, 0, 120, 24);
    Draw(1);
    const int plain = CountColor(m_Surface, arrowArea, Back);
    m_Columns.SetSortDirection(1, 1);
    Draw(1);
    EXPECT_LT(CountColor(m_Surface, arrowArea, Back), plain);
    EXPECT_GT(CountColor(m_Surface, arrowArea, theGuiToolkitGlobals.colorBtnHighlight), 0);
    EXPECT_GT(CountColor(m_Surface, arrowArea, theGuiToolkitGlobals.colorBtnDarkShadow), 0);
    m_Columns.SetSortDirection(1, 0);
    Draw(1);
    EXPECT_EQ(plain, CountColor(m_Surface, arrowArea, Back));
}
