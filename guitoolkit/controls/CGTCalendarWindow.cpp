#include <guitoolkit/controls/CGTCalendar.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <algorithm>

namespace {
const UINT_PTR repeatTimer = 1;
const UINT firstRepeatInterval = 300;
const UINT fastRepeatInterval = 100;
const int ticksBeforeFastRepeat = 10;
}  // namespace

BEGIN_MESSAGE_MAP(CGTCalendar, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_CANCELMODE()
    ON_BN_CLICKED(CGTCalendar::todayButtonId, &CGTCalendar::OnToday)
END_MESSAGE_MAP()

BOOL CGTCalendar::Create(DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId)
{
    const CString className = RegisterLibraryWindowClass(L"VADECalendar");
    return CWnd::Create(className, L"", iStyle | WS_CHILD, iRect, iParent, iId);
}

int CGTCalendar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CWnd::OnCreate(iCreate) == -1)
        return -1;
    m_TodayButton.Create(L"Today", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 0, 0), this, todayButtonId);
    return 0;
}

void CGTCalendar::OnSize(UINT iType, int iWidth, int iHeight)
{
    CWnd::OnSize(iType, iWidth, iHeight);
    RecalcCalendarLayout(TRUE);
}

void CGTCalendar::InvalidateDate(const COleDateTime& iDate)
{
    CRect cell = GetDateRect(iDate);
    if (cell.IsRectEmpty())
        return;
    cell.InflateRect(3, 3);
    InvalidateRect(cell);
}

UINT CGTCalendar::GetRepeatInterval() const
{
    if (!m_Repeating)
        return 0;
    return m_RepeatTicks > ticksBeforeFastRepeat ? fastRepeatInterval : firstRepeatInterval;
}

void CGTCalendar::StartRepeat(const CRect& iArrow, int iDirection)
{
    m_RepeatDirection = iDirection;
    m_RepeatRect = iArrow;
    StepMonth(iDirection == 0 ? -1 : 1);
    m_Repeating = TRUE;
    m_RepeatTicks = 0;
    SetTimer(repeatTimer, firstRepeatInterval, nullptr);
}

void CGTCalendar::OnTimer(UINT_PTR iId)
{
    if (iId != repeatTimer || !m_Repeating) {
        CWnd::OnTimer(iId);
        return;
    }
    POINT cursor;
    CGTCursor::Current().GetPosition(cursor);
    ScreenToClient(&cursor);
    if (m_RepeatRect.PtInRect(cursor))
        StepMonth(m_RepeatDirection == 0 ? -1 : 1);
    if (++m_RepeatTicks == ticksBeforeFastRepeat + 1)
        SetTimer(repeatTimer, fastRepeatInterval, nullptr);
}

COleDateTime CGTCalendar::DateOrWeekAt(CPoint iPoint) const
{
    if (m_WeekDrag)
        return HitTestWeekNumber(iPoint);
    return HitTestDate(iPoint);
}

void CGTCalendar::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    CWnd::OnLButtonDown(iFlags, iPoint);
    SetFocus();
    SetCapture();
    m_SelectionChanged = FALSE;
    if (m_PrevArrowRect.PtInRect(iPoint) || m_NextArrowRect.PtInRect(iPoint)) {
        const BOOL previous = m_PrevArrowRect.PtInRect(iPoint);
        StartRepeat(previous ? m_PrevArrowRect : m_NextArrowRect, previous ? 0 : 1);
        return;
    }
    const BOOL ctrl = CGTKeyState::Current().GetAsyncKeyState(VK_CONTROL) < 0;
    if (m_WeekNumbers && m_MultipleSelection) {
        const COleDateTime week = HitTestWeekNumber(iPoint);
        if (week.GetStatus() == COleDateTime::valid) {
            if (!ctrl)
                ClearSelection(FALSE, TRUE);
            m_WeekDrag = TRUE;
            m_DragAnchor = m_DragEnd = week;
            InvalidateRect(m_MonthsRect);
            return;
        }
    }
    int adjacency = 0;
    const COleDateTime date = HitTestDate(iPoint, &adjacency);
    if (date.GetStatus() != COleDateTime::valid)
        return;
    if (m_MultipleSelection && adjacency == 0) {
        if (!ctrl)
            ClearSelection(FALSE, TRUE);
        m_DragAnchor = m_DragEnd = date;
        InvalidateDate(date);
        return;
    }
    SelectDate(date, FALSE, TRUE, TRUE);
}

void CGTCalendar::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    CWnd::OnMouseMove(iFlags, iPoint);
    if ((iFlags & MK_LBUTTON) == 0 || !m_MultipleSelection || m_DragAnchor.GetStatus() != COleDateTime::valid)
        return;
    const COleDateTime end = DateOrWeekAt(iPoint);
    if (end.GetStatus() != COleDateTime::valid || end == m_DragEnd)
        return;
    const BOOL sameMonth = end.GetMonth() == m_DragEnd.GetMonth() && end.GetYear() == m_DragEnd.GetYear();
    m_DragEnd = end;
    if (sameMonth) {
        const int index = (end.GetYear() - m_FirstYear) * 12 + end.GetMonth() - m_FirstMonth;
        InvalidateRect(GetMonthRect(index));
    } else {
        InvalidateRect(m_MonthsRect);
    }
}

void CGTCalendar::EndDrag()
{
    m_DragAnchor.SetStatus(COleDateTime::invalid);
    m_DragEnd.SetStatus(COleDateTime::invalid);
    m_WeekDrag = FALSE;
    m_Repeating = FALSE;
    KillTimer(repeatTimer);
    if (GetCapture() == this)
        ReleaseCapture();
}

void CGTCalendar::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    CWnd::OnLButtonUp(iFlags, iPoint);
    const BOOL dragging = m_MultipleSelection && m_DragAnchor.GetStatus() == COleDateTime::valid &&
        m_DragEnd.GetStatus() == COleDateTime::valid;
    if (dragging) {
        const BOOL ctrl = CGTKeyState::Current().GetAsyncKeyState(VK_CONTROL) < 0;
        COleDateTime day = std::min(m_DragAnchor, m_DragEnd);
        COleDateTime last = std::max(m_DragAnchor, m_DragEnd);
        if (m_WeekDrag)
            last += COleDateTimeSpan(6, 0, 0, 0);
        const BOOL changedBefore = m_SelectionChanged;
        m_SelectionChanged = FALSE;
        for (; day <= last; day += COleDateTimeSpan(1, 0, 0, 0)) {
            if (ctrl && IsDateSelected(day)) {
                UnselectDate(day, FALSE, FALSE);
                m_SelectionChanged = TRUE;
            } else {
                SelectDate(day, TRUE, FALSE, FALSE);
            }
        }
        const BOOL changed = m_SelectionChanged || changedBefore;
        EndDrag();
        InvalidateRect(m_MonthsRect);
        if (changed)
            OnSelectionChanged();
    } else {
        EndDrag();
    }
}

void CGTCalendar::OnCancelMode()
{
    CWnd::OnCancelMode();
    EndDrag();
}

void CGTCalendar::OnToday()
{
    SetFocus();
    const COleDateTime today = COleDateTime::GetCurrentTime();
    if (today < m_FirstVisibleDate || today > m_LastVisibleDate)
        SetFirstVisibleMonth(today.GetMonth(), today.GetYear());
}
