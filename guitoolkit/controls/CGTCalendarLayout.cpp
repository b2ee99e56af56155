#include <guitoolkit/controls/CGTCalendar.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <algorithm>
#include <locale.h>
#include <string>

CUserLocaleForDates::CUserLocaleForDates()
{
    const wchar_t* current = _wsetlocale(LC_ALL, nullptr);
    if (current != nullptr)
        m_Saved = current;
    wchar_t language[80] = {0};
    wchar_t country[80] = {0};
    if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SENGLANGUAGE, language, 80) == 0 ||
        ::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SENGCOUNTRY, country, 80) == 0)
        return;
    _wsetlocale(LC_ALL, (std::wstring(language) + L"_" + country).c_str());
}

CUserLocaleForDates::~CUserLocaleForDates()
{
    if (!m_Saved.empty())
        _wsetlocale(LC_ALL, m_Saved.c_str());
}

void CGTCalendar::RecalcCalendarLayout(BOOL iRedraw)
{
    if (GetSafeHwnd() == nullptr) {
        UpdateVisibleDates();
        if (m_KeepSelectionInView)
            KeepSelectionInView();
        return;
    }
    CClientDC dc(this);
    CFont* oldFont = dc.SelectObject(&theGuiToolkitGlobals.fontRegular);
    CRect client;
    GetClientRect(client);
    PlaceTodayButton(dc, client);
    m_MonthsRect = client;
    MeasureCells(dc, client);
    dc.SelectObject(oldFont);
    if (m_ShowToday) {
        const BOOL fits = m_MonthSize.cy <= client.Height();
        m_TodayButton.ShowWindow(fits ? SW_SHOWNOACTIVATE : SW_HIDE);
        m_TodayButton.EnableWindow(fits);
    }
    LoadDayNames();
    const CRect first = GetMonthRect(0);
    const CRect last = GetMonthRect(m_MonthsAcross - 1);
    m_PrevArrowRect = CRect(first.TopLeft(), CSize(m_CellSize.cx, m_CellSize.cy + 2));
    m_NextArrowRect = CRect(CPoint(last.right - m_CellSize.cx, last.top), CSize(m_CellSize.cx, m_CellSize.cy + 2));
    UpdateVisibleDates();
    if (m_KeepSelectionInView)
        KeepSelectionInView();
    if (iRedraw)
        Invalidate();
}

void CGTCalendar::PlaceTodayButton(CDC& iDC, CRect& ioClient)
{
    if (m_TodayButton.GetSafeHwnd() == nullptr)
        return;
    if (!m_ShowToday) {
        m_TodayButton.ShowWindow(SW_HIDE);
        m_TodayButton.EnableWindow(FALSE);
        return;
    }
    m_TodayButton.SetFont(&theGuiToolkitGlobals.fontRegular);
    CString text;
    m_TodayButton.GetWindowText(text);
    const CSize size = iDC.GetTextExtent(text) + CSize(10, 8);
    const CRect button(CPoint(ioClient.CenterPoint().x - size.cx / 2, ioClient.bottom - 4 - size.cy), size);
    m_TodayButton.MoveWindow(button);
    ioClient.bottom = button.top - 4;
}

void CGTCalendar::MeasureCells(CDC& iDC, const CRect& iClient)
{
    CSize digit(0, 0);
    for (int value = 0; value <= 9; ++value) {
        CString text;
        text.Format(L"%d", value);
        const CSize size = iDC.GetTextExtent(text);
        digit.cx = std::max(digit.cx, size.cx);
        digit.cy = std::max(digit.cy, size.cy);
    }
    CFont* oldFont = iDC.SelectObject(&theGuiToolkitGlobals.fontSmall);
    const int weekWidth = iDC.GetTextExtent(L"99").cx;
    iDC.SelectObject(oldFont);
    m_WeekColumnWidth = weekWidth + digit.cx;
    m_RightMargin = 2 * digit.cx + 2;
    m_CellSize = CSize(2 * digit.cx + 5, digit.cy + 2);
    if (m_FitToWindow) {
        const int room = iClient.Width() - 2 * m_HorizontalMargin - m_WeekColumnWidth - m_RightMargin;
        m_CellSize.cx = std::min(static_cast<int>(m_CellSize.cx * 3 / 2), room / 7);
        m_CellSize.cy = std::min(static_cast<int>(m_CellSize.cy * 3 / 2),
                                 static_cast<int>((iClient.Height() - 2 * m_VerticalMargin) / 8));
    }
    m_MonthSize = CSize(7 * m_CellSize.cx + m_WeekColumnWidth + m_RightMargin, 8 * m_CellSize.cy + 5);
    m_MonthsAcross = 1;
    int down = 1;
    if (!m_FitToWindow && m_MonthSize.cx > 0 && m_MonthSize.cy > 0) {
        m_MonthsAcross = std::max(1, static_cast<int>(iClient.Width() / m_MonthSize.cx));
        down = std::max(1, static_cast<int>(iClient.Height() / m_MonthSize.cy));
    }
    m_MonthCount = m_MonthsAcross * down;
}

void CGTCalendar::LoadDayNames()
{
    CUserLocaleForDates locale;
    m_DayNames.SetSize(7);
    const COleDateTime today = COleDateTime::GetCurrentTime();
    for (int column = 0; column < 7; ++column) {
        const int weekday = (m_FirstDayOfWeek + column) % 7;
        COleDateTime day = today;
        while (day.GetDayOfWeek() - 1 != weekday)
            day += COleDateTimeSpan(1, 0, 0, 0);
        m_DayNames[column] = day.Format(L"%a").Left(1);
    }
}

CRect CGTCalendar::GetMonthRect(int iIndex) const
{
    if (iIndex < 0 || iIndex >= m_MonthCount || GetSafeHwnd() == nullptr)
        return CRect(0, 0, 0, 0);
    if (m_FitToWindow)
        return m_MonthsRect;
    const int spare = std::max(0, static_cast<int>((m_MonthsRect.Width() - m_MonthsAcross * m_MonthSize.cx) / 2));
    const CPoint topLeft(m_MonthsRect.left + (iIndex % m_MonthsAcross) * m_MonthSize.cx + spare,
                         m_MonthsRect.top + (iIndex / m_MonthsAcross) * m_MonthSize.cy);
    return CRect(topLeft, m_MonthSize);
}

void CGTCalendar::GetDayCells(int iIndex, CRect oCells[42], int* oDaysBefore) const
{
    for (int cell = 0; cell < 42; ++cell)
        oCells[cell].SetRectEmpty();
    CRect grid = GetMonthRect(iIndex);
    if (grid.IsRectEmpty())
        return;
    grid.left += m_WeekColumnWidth;
    grid.right -= m_RightMargin;
    grid.top += 2 * m_CellSize.cy + 4;
    const COleDateTime start = MonthStart(iIndex);
    const int column = GetWeekColumn(start, m_FirstDayOfWeek);
    const int days = GetDaysInMonth(start.GetMonth(), start.GetYear());
    if (iIndex == 0 && oDaysBefore != nullptr) {
        const COleDateTime before = AddMonths(start, -1);
        *oDaysBefore = GetDaysInMonth(before.GetMonth(), before.GetYear());
    }
    for (int cell = 0; cell < 42; ++cell) {
        const int day = cell - column + 1;
        if ((day < 1 && iIndex != 0) || (day > days && iIndex != m_MonthCount - 1))
            continue;
        const CPoint topLeft(grid.left + (cell % 7) * m_CellSize.cx, grid.top + (cell / 7) * m_CellSize.cy);
        oCells[cell] = CRect(topLeft, m_CellSize);
    }
}

CRect CGTCalendar::GetDateRect(const COleDateTime& iDate) const
{
    if (iDate.GetStatus() != COleDateTime::valid || iDate < m_FirstVisibleDate || iDate > m_LastVisibleDate)
        return CRect(0, 0, 0, 0);
    const int index = (iDate.GetYear() - m_FirstYear) * 12 + iDate.GetMonth() - m_FirstMonth;
    CRect cells[42];
    GetDayCells(index, cells);
    return cells[iDate.GetDay() - 1 + GetWeekColumn(MonthStart(index), m_FirstDayOfWeek)];
}

COleDateTime CGTCalendar::HitTestDate(CPoint iPoint, int* oAdjacency, CRect* oCell) const
{
    COleDateTime none;
    none.SetStatus(COleDateTime::invalid);
    for (int index = 0; index < m_MonthCount; ++index) {
        if (!GetMonthRect(index).PtInRect(iPoint))
            continue;
        CRect cells[42];
        GetDayCells(index, cells);
        for (int cell = 0; cell < 42; ++cell) {
            if (!cells[cell].PtInRect(iPoint))
                continue;
            const COleDateTime start = MonthStart(index);
            const int day = cell - GetWeekColumn(start, m_FirstDayOfWeek) + 1;
            const int days = GetDaysInMonth(start.GetMonth(), start.GetYear());
            if (oAdjacency != nullptr)
                *oAdjacency = day < 1 ? -1 : day > days ? 1 : 0;
            if (oCell != nullptr)
                *oCell = cells[cell];
            return start + COleDateTimeSpan(day - 1, 0, 0, 0);
        }
        return none;
    }
    return none;
}

int CGTCalendar::HitTestCaption(CPoint iPoint) const
{
    for (int index = 0; index < m_MonthCount; ++index) {
        const CRect month = GetMonthRect(index);
        CRect band(month.left, month.top, month.right, month.top + m_CellSize.cy + 2);
        band.DeflateRect(m_CellSize.cx + 2, 0);
        if (band.PtInRect(iPoint))
            return index;
    }
    return -1;
}

COleDateTime CGTCalendar::HitTestWeekNumber(CPoint iPoint) const
{
    COleDateTime none;
    none.SetStatus(COleDateTime::invalid);
    for (int index = 0; index < m_MonthCount; ++index) {
        const CRect month = GetMonthRect(index);
        const int top = month.top + 2 * m_CellSize.cy + 4;
        const CRect column(month.left, top, month.left + m_WeekColumnWidth, top + 6 * m_CellSize.cy);
        if (!column.PtInRect(iPoint))
            continue;
        const int row = (iPoint.y - top) / m_CellSize.cy;
        const COleDateTime start = MonthStart(index);
        COleDateTime date = start + COleDateTimeSpan(7 * row, 0, 0, 0);
        date -= COleDateTimeSpan(GetWeekColumn(date, m_FirstDayOfWeek), 0, 0, 0);
        if (row == 5 && date.GetMonth() != start.GetMonth())
            return none;
        return date;
    }
    return none;
}
