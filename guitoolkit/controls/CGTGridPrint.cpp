// Printing of the grid: fonts and colours for the printer, pagination into pages of whole
// rows, and one page with its grouping band, header and rows, scaled to the printer.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <algorithm>

namespace {

const COLORREF NoColor = (COLORREF)-1;

CSize ScreenDpi()
{
    HDC screen = ::GetDC(nullptr);
    const CSize dpi(::GetDeviceCaps(screen, LOGPIXELSX), ::GetDeviceCaps(screen, LOGPIXELSY));
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

void CGTGridCtrl::SetPrinting(CDC* iPrinter)
{
    m_PrintDc = iPrinter;
    m_Printing = iPrinter != nullptr;
    m_ScreenDpi = ScreenDpi();
    m_PrinterDpi = m_ScreenDpi;
    if (iPrinter != nullptr)
        m_PrinterDpi = CSize(iPrinter->GetDeviceCaps(LOGPIXELSX), iPrinter->GetDeviceCaps(LOGPIXELSY));
    else
        for (COLORREF& color : m_PrintColors)
            color = NoColor;
}

int CGTGridCtrl::PrintScaleX(int iLength) const
{
    return m_Printing ? ::MulDiv(iLength, m_PrinterDpi.cx, m_ScreenDpi.cx) : iLength;
}

int CGTGridCtrl::PrintScaleY(int iLength) const
{
    return m_Printing ? ::MulDiv(iLength, m_PrinterDpi.cy, m_ScreenDpi.cy) : iLength;
}

COLORREF CGTGridCtrl::GetPrintColor(GTGridPrintColor iUse, COLORREF iScreen) const
{
    return m_PrintColors[iUse] != NoColor ? m_PrintColors[iUse] : iScreen;
}

void CGTGridCtrl::SetPrintColors()
{
    const COLORREF colors[GTGridPrintColorCount] = {0x000000, 0x808080, 0xFFFFFF, 0x808080, 0xFFFFFF,
                                                    0xC0C0C0, 0xFFFFFF, 0xC0C0C0, 0x000000};
    std::copy(colors, colors + GTGridPrintColorCount, m_PrintColors);
}

void CGTGridCtrl::CreatePrintFonts(CDC* iPrinter)
{
    if (m_PrintFont == nullptr || m_PrintBoldFont == nullptr) {
        HFONT font = m_Font != nullptr ? m_Font : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
        LOGFONTW face = {}, system = {};
        if (font == nullptr || ::GetObjectW(font, sizeof(face), &face) == 0)
            return;
        ::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof(system), &system);
        // The system font does not scale: the printer's own takes its place, in screen colours.
        if (::lstrcmpiW(face.lfFaceName, system.lfFaceName) == 0)
            return;
        const CSize screen = ScreenDpi();
        face.lfHeight = ::MulDiv(face.lfHeight, iPrinter->GetDeviceCaps(LOGPIXELSY), screen.cy);
        face.lfWidth = ::MulDiv(face.lfWidth, iPrinter->GetDeviceCaps(LOGPIXELSX), screen.cx);
        if (m_PrintFont == nullptr)
            m_PrintFont = m_MadePrintFont = ::CreateFontIndirectW(&face);
        face.lfWeight = FW_BOLD;
        if (m_PrintBoldFont == nullptr)
            m_PrintBoldFont = m_MadePrintBoldFont = ::CreateFontIndirectW(&face);
    }
    SetPrintColors();
}

void CGTGridCtrl::DeletePrintFonts()
{
    auto release = [](HFONT& ioInUse, HFONT& ioMade) {
        if (ioMade == nullptr)
            return;
        if (ioInUse == ioMade)
            ioInUse = nullptr;
        ::DeleteObject(ioMade);
        ioMade = nullptr;
    };
    release(m_PrintFont, m_MadePrintFont);
    release(m_PrintBoldFont, m_MadePrintBoldFont);
}

int CGTGridCtrl::ColumnSpan(int iColumn, BOOL iFirst) const
{
    return PrintScaleX(m_Columns.GetColumnWidth(iColumn)) + (iFirst ? GetGroupIndent() + GetRowHeight() : 0);
}

int CGTGridCtrl::TotalColumnSpan() const
{
    if (!m_Printing)
        return m_Columns.m_TotalWidth;
    int total = 0;
    int position = 0;
    for (int column = m_Columns.GetNextColumn(position), first = TRUE; column >= 0;
         column = m_Columns.GetNextColumn(position), first = FALSE)
        total += ColumnSpan(column, first);
    return total;
}

void CGTGridCtrl::PreparePrintPage(CDC* iDc, CPrintInfo* iInfo)
{
    m_PrinterDpi = CSize(iDc->GetDeviceCaps(LOGPIXELSX), iDc->GetDeviceCaps(LOGPIXELSY));
    m_ScreenDpi = ScreenDpi();
    CalcRowHeights();
    PlaceBands(iInfo->m_rectDraw, iDc);
    m_HorzOffset = 0;
    Paginate(iDc, iInfo);
    CGTGridPrintRecord* record = (CGTGridPrintRecord*)iInfo->m_lpUserData;
    if (record == nullptr)
        return;
    record->m_RowsBefore = record->m_GroupsBefore = 0;
    for (INT_PTR i = 0; i + 1 < (INT_PTR)iInfo->m_nCurPage && i < m_PrintPages.GetSize(); ++i) {
        record->m_RowsBefore += m_PrintPages[i].m_Rows;
        record->m_GroupsBefore += m_PrintPages[i].m_Groups;
    }
}

const CArray<CGTGridPrintPage, const CGTGridPrintPage&>& CGTGridCtrl::Paginate(CDC*, CPrintInfo* iInfo)
{
    m_PrintPages.RemoveAll();
    const CGTGridPrintRecord* record = (const CGTGridPrintRecord*)iInfo->m_lpUserData;
    const int first = record != nullptr ? record->m_FirstRow : 0;
    const int height = std::max(GetRowHeight(), 1);
    if (m_VirtualMode) {
        // Rows of one height: whole rows from the top of the rows area to its bottom.
        const int perPage = std::max(1, (m_RowsArea.Height() + 1) / height);
        for (int row = first; row < m_VirtualRows; row += perPage) {
            const int count = std::min(perPage, m_VirtualRows - row);
            m_PrintPages.Add(CGTGridPrintPage{row, count, 0, count});
        }
        return m_PrintPages;
    }
    const int offset = m_VertOffset;
    m_VertOffset = 0;
    PositionRows();
    m_VertOffset = offset;
    int shift = 0;
    CGTGridPrintPage page = {first, 0, 0, 0};
    for (int i = first; i < m_Shown.GetSize(); ++i) {
        CGTGridRow* row = m_Shown[i];
        const CRect rect = row->GetRect();
        if (rect.IsRectEmpty())
            continue;
        if (rect.bottom - shift > m_RowsArea.bottom && page.m_Total > 0) {
            m_PrintPages.Add(page);
            shift += page.m_Groups * GetGroupRowHeight() + page.m_Rows * GetRowHeight();
            page = CGTGridPrintPage{i, 0, 0, 0};
        }
        ++page.m_Total;
        // A row above the page's top (taller than a page) only takes its place.
        if (rect.top - shift < m_RowsArea.top - 1)
            continue;
        ++(row->IsGroup() ? page.m_Groups : page.m_Rows);
    }
    if (page.m_Total > 0)
        m_PrintPages.Add(page);
    return m_PrintPages;
}

void CGTGridCtrl::PrintPage(CDC* iDc, CPrintInfo* iInfo)
{
    const UINT pageNumber = iInfo->m_nCurPage;
    CFont* oldFont = SelectPaintFont(iDc);
    const COLORREF oldText = iDc->SetTextColor(GetPrintColor(GTGridPrintText, GetTextColor()));
    const int oldMode = iDc->SetBkMode(TRANSPARENT);
    const CRect rowsArea = m_RowsArea;
    const CRect headerRect = m_HeaderRect;
    const int groupAreaHeight = m_GroupAreaHeight;
    const int vertOffset = m_VertOffset;
    const int horzOffset = m_HorzOffset;

    PreparePrintPage(iDc, iInfo);
    const INT_PTR index = (INT_PTR)pageNumber - 1;
    const CGTGridPrintPage page = index < m_PrintPages.GetSize() ? m_PrintPages[index] : CGTGridPrintPage{0, 0, 0, 0};
    int rowsBefore = 0, groupsBefore = 0;
    for (INT_PTR i = 0; i < index && i < m_PrintPages.GetSize(); ++i) {
        rowsBefore += m_PrintPages[i].m_Rows;
        groupsBefore += m_PrintPages[i].m_Groups;
    }
    m_VertOffset = groupsBefore * GetGroupRowHeight() + rowsBefore * GetRowHeight();
    DrawGroupArea(iDc,
                  CRect(iInfo->m_rectDraw.left, iInfo->m_rectDraw.top, iInfo->m_rectDraw.right,
                        iInfo->m_rectDraw.top + m_GroupAreaHeight));
    PrintHeader(iDc);
    PrintRows(iDc, page);
    if (index + 1 >= m_PrintPages.GetSize()) {
        iInfo->m_bContinuePrinting = FALSE;
        iInfo->SetMaxPage(pageNumber);
    }

    m_RowsArea = rowsArea;
    m_HeaderRect = headerRect;
    m_GroupAreaHeight = groupAreaHeight;
    m_VertOffset = vertOffset;
    m_HorzOffset = horzOffset;
    iDc->SetBkMode(oldMode);
    iDc->SetTextColor(oldText);
    iDc->SelectObject(oldFont);
}

void CGTGridCtrl::PrintHeader(CDC* iDc)
{
    if (m_HeaderRect.IsRectEmpty())
        return;
    iDc->FillSolidRect(m_HeaderRect, GetPrintColor(GTGridPrintHeaderFill, ::GetSysColor(COLOR_BTNFACE)));
    const COLORREF frame = GetPrintColor(GTGridPrintHeaderFrame, ::GetSysColor(COLOR_BTNSHADOW));
    iDc->Draw3dRect(m_HeaderRect, frame, frame);
    for (int column = 0; column < GetColumnCount(); ++column) {
        const CRect item = GetColumnRect(column);
        if (!item.IsRectEmpty())
            m_Columns.DrawColumn(iDc, column, item, PrintScaleX(3), PrintScaleX(5), TRUE, FALSE, FALSE);
    }
}

void CGTGridCtrl::PrintRows(CDC* iDc, const CGTGridPrintPage& iPage)
{
    PositionRows();
    m_InvalidBand = m_RowsArea;
    CPen line(PS_SOLID, 1, GetPrintColor(GTGridPrintLine, GetLineColor()));
    CPen* oldPen = iDc->SelectObject(&line);
    const int saved = iDc->SaveDC();
    iDc->IntersectClipRect(m_RowsArea);
    int bottom = m_RowsArea.top;
    for (int i = iPage.m_First; i < iPage.m_First + iPage.m_Total; ++i)
        if (CGTGridRow* row = ShownRowAt(i)) {
            DrawRow(iDc, row);
            bottom = std::max(bottom, (int)row->GetRect().bottom);
        }
    DrawColumnLines(iDc, bottom);
    iDc->RestoreDC(saved);
    iDc->SelectObject(oldPen);
}
