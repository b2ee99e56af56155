#include "GridTestSupport.h"
#include <guitoolkit/controls/CGTGridView.h>
#include <guitoolkit/core/CGTDibSection.h>
#include <platform/mfc/win/tests/MemoryPrinter.h>
#include <memory>

namespace {

const int PrinterDpi = 600;

int ScreenDpiY()
{
    CClientDC screen(nullptr);
    return screen.GetDeviceCaps(LOGPIXELSY);
}

// A grid whose bold print font the application chose.
class OwnBoldFontGrid : public CGTGridCtrl {
public:
    void CreatePrintFonts(CDC* iPrinter) override
    {
        m_PrintBoldFont = s_BoldFont;
        CGTGridCtrl::CreatePrintFonts(iPrinter);
    }
    HFONT GetPrintBoldFont() const { return m_PrintBoldFont; }
    static inline HFONT s_BoldFont = nullptr;
};

class OwnBoldFontView : public CGTGridView {
protected:
    CGTGridCtrl* CreateGrid() override { return new OwnBoldFontGrid; }
};

// A grid of rows "row N" as the direct calls of a print job see it, on a printer of 600 dpi.
class GridPrinting : public GridWindowTest {
protected:
    void SetUp() override
    {
        GridWindowTest::SetUp();
        m_Grid.SetPrinting(&m_Printer);
        m_Grid.CreatePrintFonts(&m_Printer);
        m_Info.m_nCurPage = 1;
    }
    void TearDown() override
    {
        m_Grid.DeletePrintFonts();
        m_Grid.SetPrinting(nullptr);
    }
    std::vector<std::vector<int>> Pages(int iDrawHeight)
    {
        m_Info.m_rectDraw = CRect(0, 0, 4000, iDrawHeight);
        m_Grid.PreparePrintPage(&m_Printer, &m_Info);
        std::vector<std::vector<int>> pages;
        for (INT_PTR i = 0; i < m_Grid.GetPrintPages().GetSize(); ++i) {
            const CGTGridPrintPage& page = m_Grid.GetPrintPages()[i];
            pages.push_back({page.m_First, page.m_Rows, page.m_Groups, page.m_Total});
        }
        return pages;
    }

    CMemoryPrinterDC m_Printer{PrinterDpi, CSize(4800, 6000)};
    CPrintInfo m_Info;
};

}  // namespace

TEST_F(GridPrinting, HeaderAndRowsScaleToThePrinter)
{
    Pages(6000);
    const int four = ::MulDiv(4, PrinterDpi, ScreenDpiY());
    TEXTMETRIC metrics;
    CFont* old = m_Printer.SelectObject(CFont::FromHandle(m_Grid.GetPrintFont()));
    m_Printer.GetTextMetrics(&metrics);
    m_Printer.SelectObject(old);
    EXPECT_EQ(metrics.tmHeight + four, m_Grid.GetRowHeight());
    EXPECT_EQ(m_Grid.GetRowHeight() + four, m_Grid.GetHeaderHeight());
    EXPECT_EQ(0, m_Grid.GetGroupAreaHeight()) << "no grouping: no band on paper";
    EXPECT_EQ(0x000000u, m_Grid.GetPrintColor(GTGridPrintText, 0x123456));
}

TEST_F(GridPrinting, TheSystemFontMakesNoPrintFontsAndLeavesTheScreenColours)
{
    m_Grid.DeletePrintFonts();
    m_Grid.SetPrinting(nullptr);
    m_Grid.SendMessage(WM_SETFONT, (WPARAM)::GetStockObject(SYSTEM_FONT), FALSE);
    m_Grid.SetPrinting(&m_Printer);
    m_Grid.CreatePrintFonts(&m_Printer);
    EXPECT_EQ(nullptr, m_Grid.GetPrintFont());
    EXPECT_EQ(0x123456u, m_Grid.GetPrintColor(GTGridPrintText, 0x123456));
}

TEST_F(GridPrinting, PaginatesIntoWholeRows)
{
    AddRows(10);
    Pages(6000);
    const int row = m_Grid.GetRowHeight();
    const int header = m_Grid.GetHeaderHeight();
    struct Case {
        const char* name;
        int drawHeight;
        std::vector<std::vector<int>> pages;
    };
    const Case cases[] = {
        {"five rows exactly", header + 5 * row, {{0, 5, 0, 5}, {5, 5, 0, 5}}},
        // Rows start a pixel above the rows area, on the header's bottom line.
        {"a pixel short of five", header + 5 * row - 2, {{0, 4, 0, 4}, {4, 4, 0, 4}, {8, 2, 0, 2}}},
        {"all on one", 6000, {{0, 10, 0, 10}}},
    };
    for (const Case& test : cases)
        EXPECT_EQ(test.pages, Pages(test.drawHeight)) << test.name;

    m_Grid.RemoveAll();
    EXPECT_TRUE(Pages(6000).empty());
    m_Info.m_bContinuePrinting = TRUE;
    m_Grid.PrintPage(&m_Printer, &m_Info);
    EXPECT_FALSE(m_Info.m_bContinuePrinting) << "an empty grid prints one page";
}

TEST_F(GridPrinting, GroupRowsAreCountedOnTheirPage)
{
    for (LPCWSTR name : {L"a", L"a", L"b"})
        m_Grid.AddRow(NewRow({name, 1}), FALSE);
    m_Grid.InsertGroupColumn(0, 0);
    Pages(6000);
    const int row = m_Grid.GetRowHeight();
    const int top = m_Grid.GetHeaderHeight() + m_Grid.GetGroupAreaHeight();
    EXPECT_EQ((std::vector<std::vector<int>>{{0, 1, 1, 2}, {2, 1, 1, 2}, {4, 1, 0, 1}}), Pages(top + 2 * row));
}

TEST_F(GridPrinting, AGroupCaptionPrintsItsText)
{
    std::unique_ptr<CGTGridRow> caption(m_Grid.CreateCaptionRow(L"Europe"));
    caption->SetFlags(caption->GetFlags() | GTGridGroupCaptionFlag);
    caption->SetOwnerList(&m_Grid);
    CGTDibSection paper;
    ASSERT_TRUE(paper.Create(600, 100));
    CBitmap* old = m_Printer.SelectObject(CBitmap::FromHandle(paper.Handle()));
    m_Printer.FillSolidRect(0, 0, 600, 100, RGB(255, 255, 255));
    caption->OnPrintName(&m_Printer, CRect(0, 0, 600, 100));
    ::GdiFlush();
    m_Printer.SelectObject(old);
    int inked = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 600; ++x)
            inked += (*paper.PixelAt(x, y) & 0xFFFFFF) != 0xFFFFFF;
    EXPECT_GT(inked, 20);
}

TEST(GridViewPrinting, AJobPrintsEveryPageAndLeavesTheScreenLayoutAsItWas)
{
    ParentWindow parent(CRect(0, 0, 500, 400), WS_POPUP | WS_VISIBLE);
    CFont bold;
    bold.CreatePointFont(90, L"Tahoma");
    OwnBoldFontGrid::s_BoldFont = (HFONT)bold.GetSafeHandle();
    CGTGridView* view = new OwnBoldFontView;
    ASSERT_TRUE(view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 380), &parent,
                             AFX_IDW_PANE_FIRST, nullptr));
    CGTGridCtrl& grid = *view->GetGridCtrl();
    grid.InsertColumn(0, L"Name", 150);
    for (int i = 0; i < 300; ++i)
        grid.AddRow(NewRow({L"row", i}), FALSE);
    grid.AdjustLayout();
    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    const int rowHeight = grid.GetRowHeight();
    const int offset = grid.GetVertOffset();

    CPrintInfo preview;
    preview.m_bPreview = TRUE;
    EXPECT_FALSE(view->OnPreparePrinting(&preview)) << "no preview of a grid";

    CMemoryPrintDevice printer;
    printer.m_nDpi = PrinterDpi;
    printer.m_sizePage = CSize(4800, 6000);
    view->OnFilePrint();
    const int pages = (int)std::count(printer.m_calls.begin(), printer.m_calls.end(), std::string("EndPage"));
    EXPECT_GT(pages, 1);
    EXPECT_EQ("EndDoc", printer.m_calls.back()) << "no failed page, nothing to report";
    EXPECT_EQ(rowHeight, grid.GetRowHeight());
    EXPECT_EQ(offset, grid.GetVertOffset());
    EXPECT_FALSE(grid.IsPrinting());
    EXPECT_EQ(nullptr, grid.GetPrintFont()) << "its own font deleted";
    EXPECT_EQ(OwnBoldFontGrid::s_BoldFont, static_cast<OwnBoldFontGrid&>(grid).GetPrintBoldFont());
    LOGFONTW font;
    EXPECT_NE(0, bold.GetLogFont(&font)) << "the application's font stays";
    view->DestroyWindow();
}
