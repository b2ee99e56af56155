#include <guitoolkit/controls/CGTCalendar.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>

namespace {
const int glyphPrevious = 17;
const int glyphNext = 14;

BOOL IsLight(COLORREF iColor)
{
    return GetRValue(iColor) > 192 && GetGValue(iColor) > 192 && GetBValue(iColor) > 192;
}
}  // namespace

void CGTCalendar::OnPaint()
{
    CPaintDC paint(this);
    CGTVisualManager::GetCurrent()->GetCalendarColors(m_Colors.captionBackground, m_Colors.captionText,
                                                      m_Colors.selectedBackground, m_Colors.selectedText,
                                                      m_Colors.todayFrame);
    CGTMemDC memory(paint, this);
    CDC& dc = memory.GetDC();
    GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    CRect client;
    GetClientRect(client);
    dc.FillRect(client, &globals.brushWindow);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(globals.colorWindowText);
    CFont* oldFont = dc.SelectObject(&globals.fontRegular);
    for (int index = 0; index < m_MonthCount; ++index) {
        const CRect month = GetMonthRect(index);
        CRect visible;
        if (visible.IntersectRect(month, &paint.m_ps.rcPaint))
            OnDrawMonth(&dc, month, index);
    }
    const int style = IsLight(m_Colors.captionText) ? CGTMenuGlyphs::White : CGTMenuGlyphs::Black;
    CGTMenuGlyphs::DrawCentered(&dc, glyphPrevious, m_PrevArrowRect, style);
    CGTMenuGlyphs::DrawCentered(&dc, glyphNext, m_NextArrowRect, style);
    dc.SelectObject(oldFont);
}

BOOL CGTCalendar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTCalendar::DrawCaption(CDC* iDC, CRect& ioBand, int iIndex)
{
    const COLORREF color = m_Colors.captionBackground;
    if (!m_GradientCaption) {
        iDC->FillSolidRect(ioBand, color);
    } else {
        CGTDrawManager draw(*iDC);
        if (IsLight(color))
            draw.FillGradient(ioBand, CGTDrawManager::ScaleColor(color, 80), color, TRUE, 0, 0);
        else
            draw.FillGradient(ioBand, color, CGTDrawManager::ScaleColor(color, 120), TRUE, 0, 0);
    }
    ioBand.bottom -= 2;
    CUserLocaleForDates locale;
    const CString caption = MonthStart(iIndex).Format(L"%B %Y");
    const COLORREF oldColor = iDC->SetTextColor(m_Colors.captionText);
    iDC->DrawText(caption, ioBand, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    iDC->SetTextColor(oldColor);
}

void CGTCalendar::DrawDayNames(CDC* iDC, const CRect& iGrid, int iTop)
{
    const UINT align = (m_FitToWindow ? DT_CENTER : DT_RIGHT) | DT_VCENTER | DT_SINGLELINE;
    for (int column = 0; column < m_DayNames.GetSize(); ++column) {
        const int left = iGrid.left + column * m_CellSize.cx - 1;
        CRect text(left, iTop, left + m_CellSize.cx, iTop + m_CellSize.cy + 1);
        iDC->DrawText(m_DayNames[column], text, align);
    }
    CPen pen(PS_SOLID, 1, theGuiToolkitGlobals.colorBtnShadow);
    CPen* oldPen = iDC->SelectObject(&pen);
    iDC->MoveTo(iGrid.left, iTop + m_CellSize.cy + 1);
    iDC->LineTo(iGrid.right + 2, iTop + m_CellSize.cy + 1);
    iDC->SelectObject(oldPen);
}

void CGTCalendar::OnDrawMonth(CDC* iDC, CRect iRect, int iIndex)
{
    const BOOL ctrl = CGTKeyState::Current().GetAsyncKeyState(VK_CONTROL) < 0;
    CRect band(iRect.left, iRect.top, iRect.right, iRect.top + m_CellSize.cy + 2);
    if (m_FitToWindow) {
        CRect client;
        GetClientRect(client);
        band = CRect(client.left + m_HorizontalMargin, client.top + m_VerticalMargin, client.right - m_HorizontalMargin,
                     client.top + m_VerticalMargin + m_CellSize.cy + 2);
    } else {
        band.DeflateRect(1, 0);
        band.OffsetRect(0, 1);
    }
    DrawCaption(iDC, band, iIndex);
    CRect grid = iRect;
    grid.left += m_WeekColumnWidth;
    grid.right -= m_RightMargin;
    DrawDayNames(iDC, grid, band.bottom);
    const int rows = DrawDays(iDC, iIndex, ctrl);
    if (m_WeekNumbers)
        DrawWeekNumbers(iDC, grid, iIndex, rows);
    if (m_ShowToday && m_FitToWindow && rows > 0) {
        const int bottom = iRect.top + 2 * m_CellSize.cy + 4 + rows * m_CellSize.cy;
        CPen pen(PS_SOLID, 1, theGuiToolkitGlobals.colorBtnShadow);
        CPen* oldPen = iDC->SelectObject(&pen);
        iDC->MoveTo(iRect.left, bottom);
        iDC->LineTo(iRect.right, bottom);
        iDC->SelectObject(oldPen);
    }
}

BOOL CGTCalendar::IsInDragRange(const COleDateTime& iDate, BOOL iCtrl) const
{
    const BOOL selected = IsDateSelected(iDate);
    if (m_DragAnchor.GetStatus() != COleDateTime::valid || m_DragEnd.GetStatus() != COleDateTime::valid)
        return selected;
    COleDateTime low = std::min(m_DragAnchor, m_DragEnd);
    COleDateTime high = std::max(m_DragAnchor, m_DragEnd);
    if (m_WeekDrag)
        high += COleDateTimeSpan(6, 0, 0, 0);
    if (iDate < low || iDate > high)
        return selected;
    return iCtrl ? !selected : TRUE;
}

// Returns how many grid rows hold a drawn cell.
int CGTCalendar::DrawDays(CDC* iDC, int iIndex, BOOL iCtrl)
{
    GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    CRect cells[42];
    int daysBefore = 0;
    GetDayCells(iIndex, cells, &daysBefore);
    CRect clip;
    iDC->GetClipBox(clip);
    const COleDateTime start = MonthStart(iIndex);
    const int column = GetWeekColumn(start, m_FirstDayOfWeek);
    const int days = GetDaysInMonth(start.GetMonth(), start.GetYear());
    const COleDateTime today = COleDateTime::GetCurrentTime();
    const UINT align = (m_FitToWindow ? DT_CENTER : DT_RIGHT) | DT_VCENTER | DT_SINGLELINE;
    CFont* unmarkedFont = iDC->GetCurrentFont();
    int rows = 0;
    for (int cell = 0; cell < 42; ++cell) {
        CRect touched;
        if (cells[cell].IsRectEmpty() || !touched.IntersectRect(cells[cell], clip))
            continue;
        rows = cell / 7 + 1;
        const int day = cell - column + 1;
        const BOOL inMonth = day >= 1 && day <= days;
        const int shown = day < 1 ? day + daysBefore : inMonth ? day : day - days;
        COLORREF color = inMonth ? globals.colorWindowText : globals.colorGrayText;
        CRect text = cells[cell];
        if (!m_FitToWindow)
            text.OffsetRect(-1, 0);
        BOOL marked = FALSE;
        if (inMonth) {
            const COleDateTime date(start.GetYear(), start.GetMonth(), day, 0, 0, 0);
            const COLORREF own = GetDateColor(date.GetYear(), date.GetMonth(), day);
            if (own != static_cast<COLORREF>(-1))
                color = own;
            if (IsInDragRange(date, iCtrl)) {
                iDC->FillSolidRect(cells[cell], m_Colors.selectedBackground);
                if (m_Colors.selectedText != globals.colorWindowText)
                    color = m_Colors.selectedText;
            }
            marked = IsDateMarked(date.GetYear(), date.GetMonth(), day);
        }
        iDC->SelectObject(marked ? &globals.fontBold : unmarkedFont);
        iDC->SetTextColor(color);
        CString number;
        number.Format(L"%d", shown);
        iDC->DrawText(number, text, align);
        if (inMonth && today.GetYear() == start.GetYear() && today.GetMonth() == start.GetMonth() &&
            today.GetDay() == day) {
            CBrush frame(m_Colors.todayFrame);
            iDC->FrameRect(cells[cell], &frame);
        }
    }
    iDC->SelectObject(unmarkedFont);
    iDC->SetTextColor(globals.colorWindowText);
    return rows;
}

void CGTCalendar::DrawWeekNumbers(CDC* iDC, const CRect& iGrid, int iIndex, int iRows)
{
    GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    CFont* oldFont = iDC->SelectObject(&globals.fontSmall);
    const COLORREF oldColor = iDC->SetTextColor(globals.colorGrayText);
    const UINT align = (m_FitToWindow ? DT_CENTER : DT_RIGHT) | DT_VCENTER | DT_SINGLELINE;
    const int top = GetMonthRect(iIndex).top + 2 * m_CellSize.cy + 4;
    for (int row = 0; row < iRows; ++row) {
        CRect text(iGrid.left - m_WeekColumnWidth, top + row * m_CellSize.cy, iGrid.left,
                   top + (row + 1) * m_CellSize.cy);
        if (!m_FitToWindow)
            text.right -= 4;
        CString number;
        number.Format(L"%d", DisplayedWeekNumber(m_WeekNumbersOfMonths[iIndex] + row));
        iDC->DrawText(number, text, align);
    }
    if (!m_FitToWindow) {
        CPen pen(PS_SOLID, 1, globals.colorBtnShadow);
        CPen* oldPen = iDC->SelectObject(&pen);
        iDC->MoveTo(iGrid.left - 1, top);
        iDC->LineTo(iGrid.left - 1, top + iRows * m_CellSize.cy);
        iDC->SelectObject(oldPen);
    }
    iDC->SetTextColor(oldColor);
    iDC->SelectObject(oldFont);
}
