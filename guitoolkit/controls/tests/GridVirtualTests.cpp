#include "GridTestSupport.h"
#include <guitoolkit/controls/CGTGridCache.h>
#include <memory>

namespace {

class CountedRow : public CGTGridRow {
public:
    CountedRow() : CGTGridRow(0, 0) {}
    ~CountedRow() override { ++s_Deleted; }
    static inline int s_Deleted = 0;
};

void Fill(CGTGridCache& ioCache, int iFirst, int iLast)
{
    for (int i = iFirst; i <= iLast; ++i)
        ioCache.SetRow(i, new CountedRow);
}

}  // namespace

TEST(GridCache, KeepsFivePagesAndEvictsTheOldestUnusedOne)
{
    CountedRow::s_Deleted = 0;
    CGTGridCache cache;
    Fill(cache, 0, 799);
    EXPECT_EQ(5, cache.GetPageCount());
    EXPECT_EQ(150, CountedRow::s_Deleted) << "rows 0-149";
    EXPECT_EQ(nullptr, cache.GetRow(0));
    ASSERT_NE(nullptr, cache.GetRow(150)) << "a hit since the last pass";
    Fill(cache, 900, 900);
    EXPECT_NE(nullptr, cache.GetRow(150));
    EXPECT_EQ(nullptr, cache.GetRow(300));
    EXPECT_EQ(300, CountedRow::s_Deleted);
    cache.CleanUp();
    EXPECT_EQ(0, cache.GetPageCount());
}

TEST(GridCache, ARowBeforeAPageGetsAPageEndingWhereItStarts)
{
    CGTGridCache cache;
    Fill(cache, 300, 300);
    Fill(cache, 299, 299);
    EXPECT_EQ(2, cache.GetPageCount());
    std::vector<int> rows;
    cache.ForEachRow([&](int iIndex, CGTGridRow*) { rows.push_back(iIndex); });
    EXPECT_EQ((std::vector<int>{299, 300}), rows);
    Fill(cache, 150, 150);
    EXPECT_EQ(2, cache.GetPageCount()) << "rows 150-299 make one page";
    Fill(cache, 149, 149);
    EXPECT_EQ(3, cache.GetPageCount());
    EXPECT_FALSE(cache.SetRow(-1, nullptr));
}

TEST(GridCache, KeptRowsOutliveEveryEviction)
{
    CGTGridCache cache;
    cache.KeepRows(10, -1);
    Fill(cache, 0, 1499);
    EXPECT_NE(nullptr, cache.GetRow(10));
    EXPECT_EQ(5, cache.GetPageCount());
}

namespace {

// Rows "Row %d" and their numbers; refuses the rows and the column it is told to.
struct VirtualSource {
    int m_RefusedRow = -2;
    int m_RefusedColumn = -2;
    std::vector<int> m_Asked;

    static BOOL CALLBACK Answer(CGTGridVirtualRequest* ioRequest, DWORD_PTR iSource)
    {
        VirtualSource& source = *(VirtualSource*)iSource;
        if (ioRequest->m_Column == -1)
            source.m_Asked.push_back(ioRequest->m_Row);
        if (ioRequest->m_Row == source.m_RefusedRow || ioRequest->m_Column == source.m_RefusedColumn)
            return FALSE;
        if (ioRequest->m_Column == 0) {
            CString text;
            text.Format(L"Row %d", ioRequest->m_Row);
            ioRequest->m_Value.vt = VT_BSTR;
            ioRequest->m_Value.bstrVal = text.AllocSysString();
        } else {
            ioRequest->m_Value.vt = VT_I4;
            ioRequest->m_Value.lVal = ioRequest->m_Row;
        }
        return TRUE;
    }
};

// Rows of 20 pixels, and the offset set as a stored state would.
class TwentyPixelGrid : public CGTGridCtrl {
public:
    void CalcRowHeights() override { m_RowHeight = m_GroupRowHeight = 20; }
    void PlaceOffset(int iOffset) { m_VertOffset = iOffset; }
};

class GridVirtual : public GridWindowFixture<TwentyPixelGrid> {
protected:
    void SetUp() override
    {
        GridWindowFixture::SetUp();
        m_Grid.SetVirtualDataCallback(&VirtualSource::Answer, (DWORD_PTR)&m_Source);
        ASSERT_TRUE(m_Grid.SetVirtualMode(TRUE, 1000000));
    }
    VirtualSource m_Source;
};

}  // namespace

TEST_F(GridVirtual, ScrollsByWholeRowsAndAsksOnlyForTheRowsItShows)
{
    EXPECT_EQ(1000000, m_Grid.GetRowCount());
    SCROLLINFO info = {sizeof(info), SIF_ALL};
    m_Grid.GetScrollInfo(SB_VERT, &info);
    EXPECT_EQ(20000000, info.nMax);
    m_Grid.UpdateWindow();
    EXPECT_LT(m_Source.m_Asked.size(), 20u);
    m_Grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    m_Grid.UpdateWindow();
    EXPECT_EQ(999999, m_Source.m_Asked.back());
    ASSERT_NE(nullptr, m_Grid.GetRow(999999));
    EXPECT_STREQ(L"Row 999999", m_Grid.GetRow(999999)->GetItem(0)->FormatItem());
    EXPECT_LE(m_Grid.GetCache().GetPageCount(), 5);

    m_Grid.PlaceOffset(45);
    m_Grid.AdjustLayout();
    EXPECT_EQ(60, m_Grid.GetVertOffset());
    EXPECT_EQ(m_Grid.GetRowsArea().top - 1, m_Grid.GetRow(3)->GetRect().top);
    EXPECT_FALSE(m_Grid.SetVirtualMode(TRUE, INT_MAX / 10)) << "taller than an int";
}

TEST_F(GridVirtual, HitTestsByArithmetic)
{
    const CRect area = m_Grid.GetRowsArea();
    const int top = area.top - 1;
    const int first = area.left + 20 + 150;  // the expand-box column, then "Name"
    struct Case {
        const char* name;
        CPoint point;
        int row;
        int column;
    };
    const Case cases[] = {
        {"first pixel of row 0", {area.left + 30, top + 1}, 0, 0},
        {"last pixel of row 0", {area.left + 30, top + 19}, 0, 0},
        {"first pixel of row 1", {area.left + 30, top + 20}, 1, 0},
        {"in the indent", {area.left + 5, top + 30}, 1, -1},
        {"second column", {first + 10, top + 50}, 2, 1},
        {"right of the last column", {first + 100 + 5, top + 50}, -1, -1},
    };
    for (const Case& test : cases) {
        int column, area2;
        CGTGridItem* item;
        CGTGridRow* row = m_Grid.HitTestRow(test.point, column, item, area2);
        EXPECT_EQ(test.row, row != nullptr ? row->GetRowId() : -1) << test.name;
        EXPECT_EQ(test.column, column) << test.name;
    }
}

TEST_F(GridVirtual, ARefusedColumnEndsTheRowAndARefusedRowShowsNone)
{
    m_Source.m_RefusedColumn = 1;
    m_Source.m_RefusedRow = 2;
    m_Grid.SetVirtualMode(TRUE, 10);
    ASSERT_NE(nullptr, m_Grid.GetRow(1));
    EXPECT_EQ(1, m_Grid.GetRow(1)->GetItemCount());
    EXPECT_EQ(nullptr, m_Grid.GetRow(2));
    EXPECT_EQ(nullptr, m_Grid.GetRow(10)) << "past the count";
    EXPECT_EQ(nullptr, m_Grid.GetVirtualRow(-1));
    m_Grid.UpdateWindow();
}

TEST_F(GridVirtual, EndSelectsTheLastRowAndPageDownMovesAPage)
{
    m_Grid.SetWholeRowSelection(TRUE);
    m_Grid.SendMessage(WM_KEYDOWN, VK_NEXT);
    EXPECT_EQ(0, m_Grid.GetCurSelRow()->GetRowId()) << "no current row: the first";
    m_Grid.SendMessage(WM_KEYDOWN, VK_NEXT);
    const int page = m_Grid.GetRowsArea().Height() / 20;
    EXPECT_NEAR(page, m_Grid.GetCurSelRow()->GetRowId(), 1);
    m_Grid.SendMessage(WM_KEYDOWN, VK_END);
    ASSERT_NE(nullptr, m_Grid.GetCurSelRow());
    EXPECT_EQ(999999, m_Grid.GetCurSelRow()->GetRowId());
    EXPECT_LE(m_Grid.GetCache().GetPageCount(), 5);
    EXPECT_TRUE(m_Grid.IsRowSelected(*m_Grid.GetCurSelRow()));
    EXPECT_EQ(-1, m_Grid.InsertGroupColumn(0, 0));
}

TEST(GridVirtualNotify, WithoutACallbackTheOwnerIsAsked)
{
    GridParent parent;
    CGTGridCtrl grid;
    ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &parent, 7));
    grid.InsertColumn(0, L"Name", 100);
    ASSERT_TRUE(grid.SetVirtualMode(TRUE, 5));
    EXPECT_EQ(nullptr, grid.GetRow(0)) << "the parent answers 0";
    ASSERT_FALSE(parent.m_Notices.empty());
    EXPECT_EQ(GTGridGetVirtualData, parent.m_Notices.back().m_Code);
}
