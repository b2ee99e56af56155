#include <guitoolkit/controls/CGTCalendar.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CGTCalendar, CWnd)

namespace {
const int monthsPerYear = 12;
}

CGTCalendar::CGTCalendar()
    : m_FitToWindow(FALSE), m_WeekNumbers(FALSE), m_GradientCaption(FALSE), m_MonthSize(0, 0), m_MonthCount(1),
      m_MonthsAcross(1), m_CellSize(0, 0), m_FirstDayOfWeek(0), m_PrevArrowRect(0, 0, 0, 0),
      m_NextArrowRect(0, 0, 0, 0), m_Repeating(FALSE), m_RepeatTicks(0), m_RepeatDirection(0), m_RepeatRect(0, 0, 0, 0),
      m_ShowToday(FALSE), m_MultipleSelection(FALSE), m_SelectionValue(-1), m_Colors{}, m_WeekDrag(FALSE),
      m_SelectionChanged(FALSE), m_VerticalMargin(2), m_HorizontalMargin(2), m_WeekColumnWidth(0), m_RightMargin(0),
      m_MonthsRect(0, 0, 0, 0), m_KeepSelectionInView(FALSE)
{
    COleDateTime today = COleDateTime::GetCurrentTime();
    m_FirstMonth = today.GetMonth();
    m_FirstYear = today.GetYear();
    m_DragEnd.SetStatus(COleDateTime::invalid);
    m_DragAnchor.SetStatus(COleDateTime::invalid);
    UpdateVisibleDates();
    SetDate(today);
}

CGTCalendar::~CGTCalendar() = default;

int CGTCalendar::GetDaysInMonth(int iMonth, int iYear)
{
    static const int days[monthsPerYear] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (iMonth == 2 && ((iYear % 4 == 0 && iYear % 100 != 0) || iYear % 400 == 0))
        return 29;
    return days[iMonth - 1];
}

int CGTCalendar::GetWeekColumn(const COleDateTime& iDate, int iFirstDayOfWeek)
{
    const int sundayBased = iDate.GetDayOfWeek() - 1;
    return (sundayBased - iFirstDayOfWeek + 7) % 7;
}

int CGTCalendar::GetFirstRowWeekNumber(int iMonth, int iYear, int iFirstDayOfWeek)
{
    const COleDateTime dayOne(iYear, iMonth, 1, 0, 0, 0);
    const int january = GetWeekColumn(COleDateTime(iYear, 1, 1, 0, 0, 0), iFirstDayOfWeek) + 1;
    const int first = GetWeekColumn(dayOne, iFirstDayOfWeek) + 1;
    return (january - first + dayOne.GetDayOfYear()) / 7 + 1;
}

COleDateTime CGTCalendar::DateOnly(const COleDateTime& iDate)
{
    if (iDate.GetStatus() != COleDateTime::valid)
        return iDate;
    return COleDateTime(iDate.GetYear(), iDate.GetMonth(), iDate.GetDay(), 0, 0, 0);
}

COleDateTime CGTCalendar::AddMonths(const COleDateTime& iDate, int iMonths)
{
    const int months = iDate.GetYear() * monthsPerYear + iDate.GetMonth() - 1 + iMonths;
    const int year = months / monthsPerYear;
    const int month = months % monthsPerYear + 1;
    const int day = std::min(iDate.GetDay(), GetDaysInMonth(month, year));
    return COleDateTime(year, month, day, iDate.GetHour(), iDate.GetMinute(), iDate.GetSecond());
}

COleDateTime CGTCalendar::MonthStart(int iIndex) const
{
    return AddMonths(COleDateTime(m_FirstYear, m_FirstMonth, 1, 0, 0, 0), iIndex);
}

void CGTCalendar::UpdateVisibleDates()
{
    m_FirstVisibleDate = MonthStart(0);
    const COleDateTime last = MonthStart(m_MonthCount - 1);
    m_LastVisibleDate =
        COleDateTime(last.GetYear(), last.GetMonth(), GetDaysInMonth(last.GetMonth(), last.GetYear()), 23, 59, 59);
    m_WeekNumbersOfMonths.SetSize(m_MonthCount);
    for (int index = 0; index < m_MonthCount; ++index) {
        const COleDateTime start = MonthStart(index);
        m_WeekNumbersOfMonths[index] = GetFirstRowWeekNumber(start.GetMonth(), start.GetYear(), m_FirstDayOfWeek);
    }
}

void CGTCalendar::SelectDate(const COleDateTime& iDate, BOOL iAdd, BOOL iNotify, BOOL iRedraw)
{
    if (!m_MultipleSelection)
        iAdd = FALSE;
    const COleDateTime date = DateOnly(iDate);
    if (date.GetStatus() != COleDateTime::valid)
        return;
    if (m_Selection.size() == 1 && *m_Selection.begin() == static_cast<DATE>(date))
        return;
    if (iAdd && IsDateSelected(date))
        return;
    const COleDateTime previous = GetFirstSelectedDate();
    const BOOL clearedSeveral = !iAdd && m_Selection.size() > 1;
    if (!iAdd)
        m_Selection.clear();
    m_Selection.insert(date);
    const BOOL onScreen = date >= m_FirstVisibleDate && date <= m_LastVisibleDate;
    if (!onScreen) {
        m_FirstMonth = date.GetMonth();
        m_FirstYear = date.GetYear();
        RecalcCalendarLayout(TRUE);
    } else if (iRedraw && GetSafeHwnd() != nullptr) {
        if (clearedSeveral) {
            InvalidateRect(m_MonthsRect);
        } else {
            InvalidateDate(date);
            if (!iAdd && static_cast<DATE>(previous) != 0)
                InvalidateDate(previous);
        }
    }
    if (iNotify)
        OnSelectionChanged();
    m_SelectionChanged = TRUE;
}

void CGTCalendar::UnselectDate(const COleDateTime& iDate, BOOL iNotify, BOOL iRedraw)
{
    const COleDateTime date = DateOnly(iDate);
    if (m_Selection.erase(date) == 0)
        return;
    if (iRedraw && GetSafeHwnd() != nullptr)
        InvalidateDate(date);
    if (iNotify)
        OnSelectionChanged();
}

void CGTCalendar::ClearSelection(BOOL iNotify, BOOL iRedraw)
{
    m_Selection.clear();
    if (iRedraw && GetSafeHwnd() != nullptr)
        InvalidateRect(m_MonthsRect);
    if (iNotify)
        OnSelectionChanged();
}

COleDateTime CGTCalendar::GetFirstSelectedDate() const
{
    return m_Selection.empty() ? COleDateTime() : COleDateTime(*m_Selection.begin());
}

BOOL CGTCalendar::IsDateSelected(const COleDateTime& iDate) const
{
    return m_Selection.count(DateOnly(iDate)) != 0;
}

void CGTCalendar::ShiftSelection(const COleDateTimeSpan& iSpan)
{
    std::set<DATE> shifted;
    for (DATE date : m_Selection)
        shifted.insert(COleDateTime(date) + iSpan);
    m_Selection.swap(shifted);
    m_SelectionChanged = TRUE;
    OnSelectionChanged();
}

void CGTCalendar::KeepSelectionInView()
{
    if (m_Selection.empty())
        return;
    const COleDateTime first = GetFirstSelectedDate();
    COleDateTime moved = first;
    while (moved > m_LastVisibleDate)
        moved = AddMonths(moved, -1);
    while (moved < m_FirstVisibleDate)
        moved = AddMonths(moved, 1);
    if (moved != first)
        ShiftSelection(moved - first);
}

void CGTCalendar::EnableMultipleSelection(BOOL iEnable, int iValue)
{
    m_MultipleSelection = iEnable;
    m_SelectionValue = iValue;
    if (!iEnable && m_Selection.size() > 1) {
        ClearSelection(FALSE, FALSE);
        if (GetSafeHwnd() != nullptr) {
            InvalidateRect(m_MonthsRect);
            UpdateWindow();
        }
    }
}

void CGTCalendar::EnableWeekNumbers(BOOL iShow)
{
    m_WeekNumbers = iShow;
    RecalcCalendarLayout(TRUE);
}

void CGTCalendar::SetFirstDayOfWeek(int iDay)
{
    m_FirstDayOfWeek = iDay % 7;
    RecalcCalendarLayout(TRUE);
}

void CGTCalendar::SetShowToday(BOOL iShow)
{
    m_ShowToday = iShow;
    RecalcCalendarLayout(TRUE);
}

void CGTCalendar::SetFitToWindow(BOOL iFit)
{
    m_FitToWindow = iFit;
    RecalcCalendarLayout(TRUE);
}

void CGTCalendar::SetDateColor(const COleDateTime& iDate, COLORREF iColor)
{
    m_DateColors[DateOnly(iDate)] = iColor;
}

void CGTCalendar::MarkDates(const CArray<DATE, DATE>& iDates, BOOL iRedraw)
{
    m_Marked.clear();
    for (INT_PTR index = 0; index < iDates.GetSize(); ++index) {
        const COleDateTime date = DateOnly(COleDateTime(iDates[index]));
        if (date >= m_FirstVisibleDate && date <= m_LastVisibleDate)
            m_Marked.insert(date);
    }
    if (iRedraw && GetSafeHwnd() != nullptr)
        InvalidateRect(m_MonthsRect);
}

COLORREF CGTCalendar::GetDateColor(int iYear, int iMonth, int iDay) const
{
    const auto found = m_DateColors.find(COleDateTime(iYear, iMonth, iDay, 0, 0, 0));
    return found == m_DateColors.end() ? static_cast<COLORREF>(-1) : found->second;
}

BOOL CGTCalendar::IsDateMarked(int iYear, int iMonth, int iDay) const
{
    return m_Marked.count(COleDateTime(iYear, iMonth, iDay, 0, 0, 0)) != 0;
}

void CGTCalendar::StepMonth(int iDirection)
{
    const COleDateTime first = AddMonths(COleDateTime(m_FirstYear, m_FirstMonth, 1, 0, 0, 0), iDirection);
    m_FirstMonth = first.GetMonth();
    m_FirstYear = first.GetYear();
    m_KeepSelectionInView = TRUE;
    RecalcCalendarLayout(TRUE);
    m_KeepSelectionInView = FALSE;
}

void CGTCalendar::SetFirstVisibleMonth(int iMonth, int iYear)
{
    m_FirstMonth = iMonth;
    m_FirstYear = iYear;
    RecalcCalendarLayout(TRUE);
}

void CGTCalendar::OnSelectionChanged()
{
    CWnd* target = GetSafeHwnd() == nullptr ? nullptr : GetOwner();
    if (target != nullptr)
        target->SendMessage(GTM_CALENDAR_ON_SELCHANGED, 0, reinterpret_cast<LPARAM>(m_hWnd));
}
