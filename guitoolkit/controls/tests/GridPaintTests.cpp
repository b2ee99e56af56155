#include "GridTestSupport.h"
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTVisualManager2003.h>
#include <guitoolkit/core/tests/TestSupport.h>

namespace {

const COLORREF Even = RGB(200, 230, 200);
const COLORREF Odd = RGB(230, 200, 200);
const COLORREF Back = RGB(250, 250, 240);
const COLORREF HeaderFill = RGB(90, 120, 200);
const COLORREF GroupFill = RGB(240, 220, 120);
const COLORREF CaptionFill = RGB(120, 200, 240);

class GridPaint : public GridWindowTest {
protected:
    void SetUp() override
    {
        GridWindowTest::SetUp();
        AddRows(4);
    }
    void Theme(void (*iChange)(CGTGridColorTheme&))
    {
        CGTGridColorTheme theme;
        iChange(theme);
        m_Grid.SetColorTheme(theme, FALSE);
    }
    void Paint()
    {
        m_Surface.Fill(RGB(1, 2, 3));
        m_Grid.Paint(m_Surface.Dc());
    }
    // A point of a cell away from its text: near its right end.
    COLORREF CellAt(int iRow, int iColumn)
    {
        const CRect cell = m_Grid.GetRow(iRow)->GetItem(iColumn)->GetRect();
        return m_Surface.At(cell.right - 4, cell.CenterPoint().y);
    }
    int Count(const CRect& iRect, COLORREF iColor)
    {
        int count = 0;
        for (int y = iRect.top; y < iRect.bottom; ++y)
            for (int x = iRect.left; x < iRect.right; ++x)
                count += m_Surface.At(x, y) == iColor;
        return count;
    }

    FakeScreen m_Screen{32};
    PixelSurface m_Surface{400, 300};
};

}  // namespace

TEST_F(GridPaint, EvenAndOddRowsAndTheSortedColumnTint)
{
    Theme([](CGTGridColorTheme& t) {
        t.m_EvenRows.m_Fill = Even;
        t.m_OddRows.m_Fill = Odd;
    });
    Paint();
    EXPECT_EQ(Even, CellAt(0, 0));
    EXPECT_EQ(Odd, CellAt(1, 0));
    EXPECT_EQ(Even, CellAt(2, 1));

    Theme([](CGTGridColorTheme& t) { t.m_Background = Back; });
    m_Grid.EnableSortedColumnHighlight(TRUE, FALSE);
    m_Grid.SetSortColumn(1, TRUE);
    m_Grid.AdjustLayout();
    Paint();
    const COLORREF tint = RGB(CGTDrawManager::ScaleChannel(250, 0.97), CGTDrawManager::ScaleChannel(250, 0.97),
                              CGTDrawManager::ScaleChannel(240, 0.97));
    EXPECT_EQ(tint, CellAt(0, 1));
    EXPECT_EQ(Back, CellAt(0, 0));
    const CRect below(0, m_Grid.GetRow(3)->GetRect().bottom + 2, 140, 290);
    EXPECT_EQ(below.Width() * below.Height(), Count(below, Back))
        << "the rest of the rows area, but for the column lines";
}

TEST_F(GridPaint, HeaderLookAndCaptionRows)
{
    Theme([](CGTGridColorTheme& t) {
        t.m_Header.m_Fill = HeaderFill;
        t.m_GroupRows.m_Fill = GroupFill;
        t.m_GroupCaptions.m_Fill = CaptionFill;
    });
    m_Grid.InsertGroupColumn(0, 1);
    Paint();
    const CRect header = m_Grid.GetHeaderBand();
    EXPECT_EQ(HeaderFill, m_Surface.At(header.right - 3, header.top + 2)) << "right of the last caption";
    const CRect caption = m_Grid.GetColumnRect(1);
    EXPECT_EQ(HeaderFill, m_Surface.At(caption.right - 3, caption.bottom - 3));

    CGTGridRow* group = m_Grid.GetShownRow(0);
    ASSERT_TRUE(group->IsGroupCaption());
    const CRect row = group->GetRect();
    EXPECT_EQ(GroupFill, m_Surface.At(row.left + 1, row.top + 2)) << "around the expand box";
    EXPECT_EQ(CaptionFill, m_Surface.At(row.right - 3, row.CenterPoint().y));
    EXPECT_GT(Count(CRect(row.left + m_Grid.GetRowHeight(), row.top, row.left + 150, row.bottom),
                    theGuiToolkitGlobals.colorBtnText),
              0)
        << "the caption text";
    const CRect member = m_Grid.GetShownRow(1)->GetRect();
    EXPECT_EQ(m_Grid.GetLineColor(), m_Surface.At(member.left + 2, member.CenterPoint().y)) << "the margin";
}

TEST_F(GridPaint, ThePromptOfAnEmptyGroupingArea)
{
    m_Grid.ShowGroupArea(TRUE);
    Paint();
    const COLORREF band = theGuiToolkitGlobals.colorBtnShadow;
    EXPECT_EQ(band, m_Surface.At(2, 2));
    EXPECT_EQ(theGuiToolkitGlobals.colorBtnFace, m_Surface.At(6, 6)) << "the prompt's box";
    const CRect box(5, 5, 395, m_Grid.GetGroupAreaHeight() - 5);
    EXPECT_GT(Count(box, band), 20) << "the prompt in the band's colour";
    int right = 5;
    for (int x = 5; x < 395; ++x)
        if (m_Surface.At(x, 6) == theGuiToolkitGlobals.colorBtnFace)
            right = x + 1;
    EXPECT_LT(right, 390) << "the box ends after the text";
    EXPECT_EQ(band, m_Surface.At(right + 2, 6));
}

TEST(GridLooks, TheLooksReadTheGridsMarkerItemColourAndLineShades)
{
    CGTGridCtrl grid;
    PixelSurface surface(10, 10);
    CGTVisualManager plain;
    grid.SetMarker(RGB(10, 200, 30), 2);
    plain.FillGridArea(&surface.Dc(), CRect(0, 0, 10, 10), &grid, TRUE);
    EXPECT_EQ(RGB(10, 200, 30), surface.At(5, 5));

    CGTVisualManager2003 office;
    const COLORREF item = RGB(100, 160, 220);
    grid.SetItemColor(item);
    grid.SetLineShades(TRUE, TRUE);
    EXPECT_EQ(CGTDrawManager::ScaleColor(item, 85), office.GetGridLineColor(&grid));
    grid.SetLineShades(TRUE, FALSE);
    EXPECT_EQ(CGTDrawManager::ScaleColor(item, 95), office.GetGridLineColor(&grid));
}
