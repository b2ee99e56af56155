#include "GridTestSupport.h"

namespace {

// A font whose rows are 20 pixels high in the grid.
class TwentyPixelRows : public GridWindowTest {
protected:
    void SetUp() override
    {
        GridWindowTest::SetUp();
        m_Font.CreateFont(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, L"Tahoma");
        m_Grid.SendMessage(WM_SETFONT, (WPARAM)m_Font.GetSafeHandle());
        ASSERT_EQ(20, m_Grid.GetRowHeight());
    }
    int CaptionWidth(int iColumn)
    {
        CClientDC dc(&m_Grid);
        CFont* old = m_Grid.SelectPaintFont(&dc);
        const int width = dc.GetTextExtent(m_Grid.GetColumnName(iColumn)).cx;
        dc.SelectObject(old);
        return width;
    }
    CRect Box(int iIndex)
    {
        CClientDC dc(&m_Grid);
        CFont* old = m_Grid.SelectPaintFont(&dc);
        CRect box;
        m_Grid.GetGroupBoxRect(iIndex, box, &dc);
        dc.SelectObject(old);
        return box;
    }
    CFont m_Font;
};

}  // namespace

TEST_F(TwentyPixelRows, GroupingAreaBandAndBoxes)
{
    m_Grid.InsertColumn(2, L"Third", 50);
    m_Grid.ShowGroupArea(TRUE);
    EXPECT_EQ(20 + 16, m_Grid.GetGroupAreaHeight()) << "no grouping level";
    CRect none;
    EXPECT_EQ(-1, m_Grid.GetGroupBoxRect(0, none, nullptr));
    EXPECT_TRUE(none.IsRectEmpty());
    m_Grid.InsertGroupColumn(0, 1);
    EXPECT_EQ(20 + 16, m_Grid.GetGroupAreaHeight());
    EXPECT_EQ(CRect(9, 7, 9 + CaptionWidth(1) + 52, 30), Box(0));

    // A -1 entry gets no box but moves the next one on.
    m_Grid.GetColumnsInfo().InsertGroupColumn(1, -1);
    m_Grid.InsertGroupColumn(2, 0);
    EXPECT_EQ(20 + 37, m_Grid.GetGroupAreaHeight()) << "three levels";
    const CRect first = Box(0);
    const CRect second = Box(1);
    EXPECT_EQ(first.right + 4 + 4, second.left);
    EXPECT_EQ(first.top + 2 * 10, second.top);
    EXPECT_TRUE(Box(2).IsRectEmpty());

    struct Case {
        CPoint point;
        int position;
        CPoint marker;
    };
    const int middle = (first.top + first.bottom) / 2;
    const Case cases[] = {
        {{first.CenterPoint().x, middle}, 0, {first.left, middle}},
        {{(second.left + second.right) / 2 - 1, second.top + 2}, 1, {first.right, middle}},
        {{second.right - 1, second.top + 2}, 3, {second.right, (second.top + second.bottom) / 2}},
        {{first.left + 1, 6}, -1, {0, 0}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.position);
        CPoint marker(0, 0);
        EXPECT_EQ(test.position, m_Grid.HitTestGroupInsertPos(test.point.x, test.point.y, &marker));
        EXPECT_EQ(test.marker, marker);
    }
    EXPECT_EQ(1, m_Grid.HitTestGroupBox(first.left, first.top));
    EXPECT_EQ(-1, m_Grid.HitTestGroupBox(first.left, 6));
}

TEST_F(GridWindowTest, StretchedColumnsFillTheWidthExactly)
{
    m_Grid.InsertColumn(2, L"Third", 33);
    m_Grid.GetColumnsInfo().m_StretchMode = TRUE;
    m_Grid.AdjustLayout();
    CGTGridColumnsInfo& columns = m_Grid.GetColumnsInfo();
    const int indent = m_Grid.GetRowHeight();
    const int available = m_Grid.GetRowsArea().Width() - indent;
    int sum = 0;
    for (int column = 0; column < 3; ++column)
        sum += columns.GetColumnWidth(column);
    EXPECT_EQ(available, sum);
    const double factor = double(available) / (150 + 100 + 33);
    EXPECT_EQ((int)(100 * factor), columns.GetColumnWidth(1));
    EXPECT_EQ((int)(33 * factor), columns.GetColumnWidth(2));
    EXPECT_GE(columns.GetColumnWidth(0), (int)(150 * factor)) << "the pixels left over";
    EXPECT_EQ(m_Grid.GetRowsArea().right - 1, m_Grid.GetColumnRect(3).left - 1)
        << "the last column ends at the right edge";
}

TEST_F(GridWindowTest, ScrollRangesAndScrolling)
{
    AddRows(3);
    SCROLLINFO info = {sizeof(info), SIF_ALL};
    m_Grid.GetScrollInfo(SB_VERT, &info);
    EXPECT_EQ(0, info.nMax) << "every row fits";
    EXPECT_EQ(0u, info.nPage);
    SCROLLBARINFO bar = {sizeof(bar)};
    ::GetScrollBarInfo(m_Grid.GetVertScrollBar(), OBJID_CLIENT, &bar);
    EXPECT_TRUE(bar.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) << "disabled";
    CRect barRect;
    m_Grid.GetVertScrollBar().GetWindowRect(barRect);
    EXPECT_TRUE(barRect.IsRectEmpty());

    m_Grid.RemoveAll();
    AddRows(100);
    const int height = m_Grid.GetRowHeight();
    m_Grid.GetScrollInfo(SB_VERT, &info);
    EXPECT_EQ(100 * height, info.nMax);
    EXPECT_EQ((UINT)m_Grid.GetRowsArea().Height(), info.nPage);
    EXPECT_EQ(m_Grid.GetRowsArea().right, 400 - ::GetSystemMetrics(SM_CXVSCROLL));

    struct Step {
        UINT message;
        WPARAM wParam;
        int offset;
    };
    const int bottom = 100 * height - m_Grid.GetRowsArea().Height() + 1;
    const Step steps[] = {
        {WM_VSCROLL, SB_BOTTOM, bottom},
        {WM_VSCROLL, SB_TOP, 0},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, -240), 2 * height},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, -60), 2 * height},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), height},
        {WM_VSCROLL, SB_LINEUP, 0},
        {WM_VSCROLL, SB_LINEUP, 0},
    };
    for (const Step& step : steps) {
        m_Grid.SendMessage(step.message, step.wParam);
        EXPECT_EQ(step.offset, m_Grid.GetVertOffset()) << step.message << " " << step.wParam;
    }
    m_Grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(m_Grid.GetRowsArea().top - 1 - height, m_Grid.GetRow(0)->GetRect().top) << "rows move with the offset";
    EXPECT_EQ(1, m_Grid.GetFirstVisibleIndex());

    // Few rows again: the offset cannot stay past the end, and never goes negative.
    m_Grid.RemoveAll();
    AddRows(2);
    m_Grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(0, m_Grid.GetVertOffset());
}

TEST(GridWindow, ABorderTakesOneMorePixelEachSide)
{
    GridParent parent;
    for (DWORD border : {0ul, (DWORD)WS_BORDER}) {
        CGTGridCtrl grid;
        grid.Create(WS_CHILD | WS_VISIBLE | border, CRect(0, 0, 200, 100), &parent, 1);
        CRect client;
        grid.GetClientRect(client);
        const int side = border ? ::GetSystemMetrics(SM_CXBORDER) + 1 : 0;
        EXPECT_EQ(CSize(200 - 2 * side, 100 - 2 * side), client.Size());
    }
}

TEST(GridWindow, CreatedOrSubclassedItIsInitialisedOnce)
{
    GridParent parent;
    CGTGridCtrl created;
    created.Create(WS_CHILD, CRect(0, 0, 200, 100), &parent, 1);
    int children = 0;
    for (CWnd* child = created.GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT))
        ++children;
    EXPECT_EQ(2, children) << "two scroll bars";
    WCHAR name[64];
    ::GetClassNameW(created, name, 64);
    EXPECT_EQ(0, wcsncmp(name, L"VADEGridCtrl:", 13));
    EXPECT_EQ((LRESULT)::GetStockObject(DEFAULT_GUI_FONT), created.SendMessage(WM_GETFONT));
    EXPECT_EQ(DLGC_WANTARROWS | DLGC_WANTCHARS, created.SendMessage(WM_GETDLGCODE));

    CWnd control;
    control.CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(0, 0, 200, 100), &parent, 2);
    CGTGridCtrl attached;
    ASSERT_TRUE(attached.SubclassWindow(control.Detach()));
    EXPECT_NE(nullptr, attached.GetVertScrollBar().GetSafeHwnd());
    EXPECT_NE(nullptr, attached.GetToolTip().GetSafeHwnd());
    EXPECT_GT(attached.GetRowHeight(), 0);
    attached.DestroyWindow();
}
