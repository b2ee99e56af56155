// What a user sees of a grid view in a toolkit frame, on a real X display: a million rows
// on demand, the End key taking the selection to the last of them, a column layout that a
// second frame takes over, and page 1 printed. The screenshots are kept as
// grid-view-end.bmp and grid-view-page1.bmp beside the test.
#include <guitoolkit/controls/tests/screen/ScreenSupport.h>
#include <gtest/gtest.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/controls/CGTGridView.h>
#include <guitoolkit/frame/CGTFrameWnd.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <platform/mfc/win/tests/MemoryPrinter.h>

namespace {

BOOL CALLBACK Rows(CGTGridVirtualRequest* ioRequest, DWORD_PTR)
{
    CString text;
    text.Format(ioRequest->m_Column == 0 ? L"Row %d" : L"%d", ioRequest->m_Row);
    ioRequest->m_Value.vt = VT_BSTR;
    ioRequest->m_Value.bstrVal = text.AllocSysString();
    return TRUE;
}

// A toolkit frame whose one view is a grid view over a virtual grid of 1,000,000 rows.
class GridFrame {
public:
    explicit GridFrame(const CRect& iRect)
    {
        m_Frame = new CGTFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CGTGridView);
        m_Frame->Create(nullptr, L"Grid view demo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, iRect, nullptr, nullptr, 0,
                        &context);
        m_Frame->CreateDockBars(0xF000);
        m_Frame->InitialUpdateFrame(nullptr, TRUE);
        m_Frame->RecalcLayout();
        m_View = static_cast<CGTGridView*>(m_Frame->GetActiveView());
        CGTGridCtrl& grid = Grid();
        grid.InsertColumn(0, L"Name", 160);
        grid.InsertColumn(1, L"Number", 100);
        grid.InsertColumn(2, L"Note", 120);
        grid.SetWholeRowSelection(TRUE);
        grid.SetVirtualDataCallback(&Rows, 0);
        grid.SetVirtualMode(TRUE, 1000000);
        m_Frame->SetForegroundWindow();
        grid.SetFocus();
        LetItDraw(10);
    }
    ~GridFrame() { m_Frame->DestroyWindow(); }
    CGTGridCtrl& Grid() { return *m_View->GetGridCtrl(); }

    CGTFrameWnd* m_Frame;
    CGTGridView* m_View;
};

}  // namespace

TEST(GridViewDemo, EndSelectsTheLastOfAMillionRows)
{
    GridFrame demo(CRect(40, 40, 560, 420));
    SendKey(VK_END);
    LetItDraw(10);
    CGTGridCtrl& grid = demo.Grid();
    ASSERT_NE(nullptr, grid.GetCurSelRow());
    EXPECT_EQ(999999, grid.GetCurSelRow()->GetRowId());
    EXPECT_STREQ(L"Row 999999", grid.GetCurSelRow()->GetItem(0)->FormatItem());

    CGTDibSection shot;
    ASSERT_TRUE(TakeScreenshot(grid, shot));
    ASSERT_TRUE(SaveBitmap(shot, L"grid-view-end.bmp"));
    CRect last = grid.GetCurSelRow()->GetItem(1)->GetRect();
    CPoint inside(last.left + 2, last.bottom - 3);
    grid.ClientToScreen(&inside);
    CRect window;
    grid.GetWindowRect(window);
    EXPECT_EQ(ToPixel(theGuiToolkitGlobals.colorHighlight),
              *shot.PixelAt(inside.x - window.left, inside.y - window.top) & 0xFFFFFF)
        << "the bottom band has the selection fill";
}

TEST(GridViewDemo, ASecondFrameTakesOverTheSavedLayout)
{
    ScratchRegistryKey scratch(L"GtGridViewDemo");
    std::vector<CRect> saved;
    {
        GridFrame first(CRect(40, 40, 560, 420));
        CGTGridCtrl& grid = first.Grid();
        const CRect number = grid.GetColumnRect(1);
        CPoint from(number.right, number.CenterPoint().y), to(from.x + 60, from.y);
        grid.ClientToScreen(&from);
        grid.ClientToScreen(&to);
        DragFromTo(from, to);
        grid.GetColumnsInfo().SetColumnVisible(2, FALSE);
        grid.AdjustLayout();
        LetItDraw(4);
        EXPECT_EQ(160, grid.GetColumnsInfo().GetColumnDefaultWidth(1));
        ASSERT_TRUE(grid.SaveState(scratch.Path(), 0));
        for (int column = 0; column < 3; ++column)
            saved.push_back(grid.GetColumnRect(column));
    }
    GridFrame second(CRect(40, 40, 560, 420));
    ASSERT_TRUE(second.Grid().LoadState(scratch.Path(), 0));
    LetItDraw(4);
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(saved[column], second.Grid().GetColumnRect(column)) << column;
}

TEST(GridViewDemo, PageOnePrintsAWhiteHeaderFramedInGreyAtThePrintersScale)
{
    GridFrame demo(CRect(40, 40, 560, 420));
    const int dpi = 300;
    const CSize size(1600, 1200);
    CMemoryPrinterDC printer(dpi, size);
    CGTDibSection page;
    ASSERT_TRUE(page.Create(size.cx, size.cy));
    CBitmap* old = printer.SelectObject(CBitmap::FromHandle(page.Handle()));
    printer.FillSolidRect(0, 0, size.cx, size.cy, RGB(255, 255, 255));
    CPrintInfo info;
    info.m_nCurPage = 1;
    info.m_rectDraw.SetRect(0, 0, size.cx, size.cy);
    CGTGridView& view = *demo.m_View;
    view.OnBeginPrinting(&printer, &info);
    view.OnPrepareDC(&printer, &info);
    // The page's layout stays in the grid until the job ends.
    demo.Grid().PreparePrintPage(&printer, &info);
    view.OnPrint(&printer, &info);
    const int headerHeight = demo.Grid().GetHeaderHeight();
    const int rowHeight = demo.Grid().GetRowHeight();
    view.OnEndPrinting(&printer, &info);
    ::GdiFlush();
    printer.SelectObject(old);
    ASSERT_TRUE(SaveBitmap(page, L"grid-view-page1.bmp"));

    CClientDC screen(nullptr);
    EXPECT_EQ(rowHeight + ::MulDiv(4, dpi, screen.GetDeviceCaps(LOGPIXELSY)), headerHeight);
    EXPECT_EQ(0x808080u, *page.PixelAt(size.cx - 20, 0) & 0xFFFFFF) << "the band's grey frame, right of the items";
    EXPECT_EQ(0x808080u, *page.PixelAt(size.cx - 20, headerHeight - 1) & 0xFFFFFF);
    EXPECT_EQ(0xFFFFFFu, *page.PixelAt(size.cx - 20, headerHeight / 2) & 0xFFFFFF) << "white inside";
    EXPECT_EQ(0x000000u, *page.PixelAt(0, headerHeight / 2) & 0xFFFFFF) << "an item's black frame";
}
