#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/core/tests/TestSupport.h>
#include <functional>
#include <gtest/gtest.h>

namespace {

const COLORREF Untouched = RGB(1, 2, 3);
const COLORREF Selected = RGB(10, 20, 30);
const COLORREF Background = RGB(40, 50, 60);
const COLORREF Own = RGB(70, 80, 90);
const COLORREF Even = RGB(100, 110, 120);
const COLORREF Odd = RGB(130, 140, 150);

VARIANT Text(LPCWSTR iText)
{
    VARIANT value;
    value.vt = VT_BSTR;
    value.bstrVal = ::SysAllocString(iText);
    return value;
}

// One row of one text cell over 0..60 x 0..20 in a grid without a window.
struct PaintedCell {
    explicit PaintedCell(LPCWSTR iText = L"")
    {
        m_Grid.GetColumnsInfo().InsertColumn(0, L"A", 60);
        m_Row.SetOwnerList(&m_Grid);
        VARIANT value = Text(iText);
        m_Item = new CGTGridItem(value);
        ::VariantClear(&value);
        m_Row.AddItem(m_Item);
        m_Item->SetRect(CRect(0, 0, 60, 20));
        m_Row.SetRect(CRect(0, 0, 60, 20));
    }
    void Paint() { m_Item->OnDrawValue(&m_Surface.Dc(), m_Item->GetRect()); }

    CGTGridCtrl m_Grid;
    CGTGridRow m_Row{1, 0};
    CGTGridItem* m_Item;
    PixelSurface m_Surface{60, 20, Untouched};
};

}  // namespace

TEST(GridCellPainting, BackgroundsInTheirOrder)
{
    using Setup = std::function<void(PaintedCell&)>;
    auto theme = [](PaintedCell& cell, std::function<void(CGTGridColorTheme&)> change) {
        CGTGridColorTheme colors;
        change(colors);
        cell.m_Grid.SetColorTheme(colors, FALSE);
    };
    auto select = [](PaintedCell& cell) {
        cell.m_Row.SetRowId(0);
        cell.m_Grid.AddSelectionRange(CGTGridRange{0, 0, 0, 0});
    };
    struct Case {
        const char* name;
        Setup setup;
        COLORREF inside;
        COLORREF corner;  // at (0, 1), the first painted line
    };
    const Case cases[] = {
        {"nothing to paint", [](PaintedCell&) {}, Untouched, Untouched},
        {"selected before everything else",
         [&](PaintedCell& cell) {
             theme(cell, [](CGTGridColorTheme& c) {
                 c.m_SelectedCells.m_Fill = Selected;
                 c.m_EvenRows.m_Fill = Even;
             });
             cell.m_Item->SetBackgroundColor(Own);
             select(cell);
         },
         Selected, Selected},
        {"the current cell of an editable grid is not painted selected",
         [&](PaintedCell& cell) {
             theme(cell, [](CGTGridColorTheme& c) {
                 c.m_SelectedCells.m_Fill = Selected;
                 c.m_Background = Background;
             });
             select(cell);
             cell.m_Grid.SetCurrentItem(&cell.m_Row, cell.m_Item);
         },
         Background, Background},
        {"the current cell framed when several ranges are selected",
         [&](PaintedCell& cell) {
             theme(cell, [](CGTGridColorTheme& c) { c.m_Background = Background; });
             select(cell);
             cell.m_Grid.AddSelectionRange(CGTGridRange{0, 5, 0, 5});
             cell.m_Grid.SetCurrentItem(&cell.m_Row, cell.m_Item);
         },
         Background, theGuiToolkitGlobals.colorBtnDarkShadow},
        {"its own colour before the row looks",
         [&](PaintedCell& cell) {
             theme(cell, [](CGTGridColorTheme& c) { c.m_EvenRows.m_Fill = Even; });
             cell.m_Item->SetBackgroundColor(Own);
         },
         Own, Own},
        {"even rows",
         [&](PaintedCell& cell) {
             theme(cell, [](CGTGridColorTheme& c) {
                 c.m_EvenRows.m_Fill = Even;
                 c.m_OddRows.m_Fill = Odd;
             });
             cell.m_Row.SetRowId(2);
         },
         Even, Even},
        {"odd rows with their frame",
         [&](PaintedCell& cell) {
             theme(cell, [](CGTGridColorTheme& c) {
                 c.m_EvenRows.m_Fill = Even;
                 c.m_OddRows.m_Fill = Odd;
                 c.m_OddRows.m_Border = Own;
             });
             cell.m_Row.SetRowId(3);
         },
         Odd, Own},
        {"sorted column tint",
         [&](PaintedCell& cell) {
             theme(cell, [](CGTGridColorTheme& c) { c.m_Background = RGB(200, 100, 0); });
             cell.m_Grid.EnableSortedColumnHighlight(TRUE, FALSE);
             cell.m_Grid.GetColumnsInfo().SetSortDirection(0, -1);
         },
         RGB(194, 97, 0), RGB(194, 97, 0)},
    };
    FakeScreen screen(32);
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        PaintedCell cell;
        test.setup(cell);
        cell.Paint();
        EXPECT_EQ(test.inside, cell.m_Surface.At(30, 10));
        EXPECT_EQ(test.corner, cell.m_Surface.At(0, 1));
        EXPECT_EQ(Untouched, cell.m_Surface.At(30, 0)) << "the top line stays";
    }
}

TEST(GridCellPainting, ATextTooWideIsCutAndBecomesTheTooltip)
{
    PaintedCell wide(L"a text far too wide for sixty pixels");
    wide.Paint();
    EXPECT_TRUE(wide.m_Item->IsValueTruncated());
    EXPECT_STREQ(L"a text far too wide for sixty pixels", wide.m_Item->GetValueTooltip());

    PaintedCell narrow(L"ok");
    narrow.Paint();
    EXPECT_FALSE(narrow.m_Item->IsValueTruncated());
    EXPECT_STREQ(L"", narrow.m_Item->GetValueTooltip());
}

TEST(GridRowPainting, MarkerAndExpandBox)
{
    auto marked = [](PixelSurface& iSurface, const CRect& iRect) {
        int count = 0;
        for (int y = iRect.top; y < iRect.bottom; ++y)
            for (int x = iRect.left; x < iRect.right; ++x)
                count += iSurface.At(x, y) != Untouched;
        return count;
    };
    PaintedCell cell;
    cell.m_Surface.Dc().SetTextColor(RGB(0, 0, 0));
    cell.m_Row.OnDrawRowMarker(&cell.m_Surface.Dc(), CRect(0, 0, 20, 20));
    EXPECT_GT(marked(cell.m_Surface, CRect(6, 6, 14, 14)), 0) << "a glyph of at most 9 pixels, centred";
    EXPECT_EQ(0, marked(cell.m_Surface, CRect(0, 0, 20, 5)));
    cell.m_Surface.Fill(Untouched);
    cell.m_Surface.Dc().m_bPrinting = TRUE;
    cell.m_Row.OnDrawRowMarker(&cell.m_Surface.Dc(), CRect(0, 0, 20, 20));
    cell.m_Surface.Dc().m_bPrinting = FALSE;
    EXPECT_EQ(0, marked(cell.m_Surface, CRect(0, 0, 20, 20))) << "a printed page shows no marker";

    PixelSurface box(20, 20, Untouched);
    cell.m_Row.OnDrawExpandBox(&box.Dc(), CRect(0, 0, 20, 20));
    EXPECT_EQ(theGuiToolkitGlobals.colorBtnText, box.At(6, 6)) << "the box's frame";
    EXPECT_EQ(Untouched, box.At(2, 2));
}
