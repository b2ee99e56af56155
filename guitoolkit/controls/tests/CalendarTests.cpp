#include <guitoolkit/controls/CGTCalendar.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <gtest/gtest.h>
#include <memory>
#include "ControlsTestSupport.h"

namespace {
COleDateTime Day(int iYear, int iMonth, int iDay)
{
    return COleDateTime(iYear, iMonth, iDay, 0, 0, 0);
}

// Counts the selection-change notifications it would send.
class CountingCalendar : public CGTCalendar {
public:
    int m_Changes = 0;

protected:
    void OnSelectionChanged() override
    {
        ++m_Changes;
        CGTCalendar::OnSelectionChanged();
    }
};
}  // namespace

TEST(CalendarArithmetic, DaysInFebruaryFollowTheLeapYearRules)
{
    const struct {
        int year;
        int days;
    } cases[] = {{1900, 28}, {2000, 29}, {2024, 29}, {2026, 28}};
    for (const auto& one : cases)
        EXPECT_EQ(one.days, CGTCalendar::GetDaysInMonth(2, one.year)) << one.year;
    EXPECT_EQ(31, CGTCalendar::GetDaysInMonth(12, 2026));
}

TEST(CalendarArithmetic, DayOneColumnAndWeekNumbersDependOnTheFirstDayOfWeek)
{
    const COleDateTime sunday = Day(2026, 2, 1);
    EXPECT_EQ(0, CGTCalendar::GetWeekColumn(sunday, 0));
    EXPECT_EQ(6, CGTCalendar::GetWeekColumn(sunday, 1));
    EXPECT_EQ(1, CGTCalendar::GetFirstRowWeekNumber(1, 2026, 0));
    EXPECT_EQ(6, CGTCalendar::GetFirstRowWeekNumber(2, 2026, 0));
    EXPECT_EQ(1, CGTCalendar::DisplayedWeekNumber(54));
    EXPECT_EQ(53, CGTCalendar::DisplayedWeekNumber(53));
}

TEST(CalendarSelection, MarkDatesKeepsOnlyTheVisibleOnes)
{
    CGTCalendar calendar;
    calendar.SetFirstVisibleMonth(3, 2026);
    CArray<DATE, DATE> dates;
    dates.Add(Day(2026, 2, 28));
    dates.Add(COleDateTime(2026, 3, 10, 15, 30, 0));
    dates.Add(Day(2026, 3, 31));
    dates.Add(Day(2026, 4, 1));
    calendar.MarkDates(dates, FALSE);
    EXPECT_FALSE(calendar.IsDateMarked(2026, 2, 28));
    EXPECT_TRUE(calendar.IsDateMarked(2026, 3, 10));
    EXPECT_TRUE(calendar.IsDateMarked(2026, 3, 31));
    EXPECT_FALSE(calendar.IsDateMarked(2026, 4, 1));
    calendar.GotoNextMonth();
    calendar.MarkDates(dates, FALSE);
    EXPECT_FALSE(calendar.IsDateMarked(2026, 3, 10));
    EXPECT_TRUE(calendar.IsDateMarked(2026, 4, 1));
}

TEST(CalendarSelection, ReselectingTheOnlySelectedDateSendsNothing)
{
    CountingCalendar calendar;
    calendar.SetDate(Day(2026, 3, 15));
    const int before = calendar.m_Changes;
    calendar.SetDate(COleDateTime(2026, 3, 15, 9, 0, 0));
    EXPECT_EQ(before, calendar.m_Changes);
    calendar.SetDate(Day(2026, 3, 16));
    EXPECT_EQ(before + 1, calendar.m_Changes);
    EXPECT_EQ(1, calendar.GetSelectedCount());
}

TEST(CalendarSelection, FirstSelectedDateIsTheEarliestAndSingleSelectionReplaces)
{
    CGTCalendar calendar;
    calendar.SetDate(Day(2026, 3, 20));
    calendar.SelectDate(Day(2026, 3, 5), TRUE, FALSE, FALSE);
    EXPECT_EQ(1, calendar.GetSelectedCount());
    calendar.EnableMultipleSelection(TRUE);
    calendar.SelectDate(Day(2026, 3, 25), TRUE, FALSE, FALSE);
    calendar.SelectDate(Day(2026, 3, 2), TRUE, FALSE, FALSE);
    EXPECT_EQ(Day(2026, 3, 2), calendar.GetFirstSelectedDate());
    calendar.EnableMultipleSelection(FALSE);
    EXPECT_EQ(0, calendar.GetSelectedCount());
}

TEST(CalendarSelection, ASelectionLeavingTheViewMovesByWholeMonths)
{
    CountingCalendar calendar;
    calendar.EnableMultipleSelection(TRUE);
    calendar.SetDate(Day(2026, 3, 15));
    calendar.SelectDate(Day(2026, 3, 31), TRUE, FALSE, FALSE);
    const int before = calendar.m_Changes;
    calendar.GotoNextMonth();
    EXPECT_EQ(4, calendar.GetFirstVisibleMonth());
    EXPECT_EQ(Day(2026, 4, 15), calendar.GetFirstSelectedDate());
    EXPECT_TRUE(calendar.IsDateSelected(Day(2026, 5, 1)));
    EXPECT_EQ(2, calendar.GetSelectedCount());
    EXPECT_EQ(before + 1, calendar.m_Changes);
    calendar.GotoPrevMonth();
    calendar.GotoPrevMonth();
    EXPECT_EQ(Day(2026, 2, 15), calendar.GetFirstSelectedDate());
}

TEST(CalendarWindow, AHeldArrowStepsAtOnceThenOnEveryTickFasterFromTheEleventh)
{
    ParentWindow parent;
    CGTCalendar calendar;
    ASSERT_TRUE(calendar.Create(WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 1));
    calendar.SetFirstVisibleMonth(1, 2026);
    const CRect next = calendar.GetNextArrowRect();
    ASSERT_FALSE(next.IsRectEmpty());
    FakeCursor cursor;
    CPoint inside = next.CenterPoint();
    calendar.ClientToScreen(&inside);
    cursor.m_Position = inside;
    calendar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(next.CenterPoint().x, next.CenterPoint().y));
    EXPECT_EQ(2, calendar.GetFirstVisibleMonth());
    EXPECT_EQ(300u, calendar.GetRepeatInterval());
    for (int tick = 1; tick <= 10; ++tick)
        calendar.SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ(12, calendar.GetFirstVisibleMonth());
    EXPECT_EQ(300u, calendar.GetRepeatInterval());
    calendar.SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ(1, calendar.GetFirstVisibleMonth());
    EXPECT_EQ(2027, calendar.GetFirstVisibleYear());
    EXPECT_EQ(100u, calendar.GetRepeatInterval());
    cursor.m_Position = CPoint(-100, -100);
    calendar.SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ(1, calendar.GetFirstVisibleMonth());
    calendar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(next.CenterPoint().x, next.CenterPoint().y));
    EXPECT_EQ(0u, calendar.GetRepeatInterval());
}

TEST(CalendarWindow, ASelectionChangeReachesTheParent)
{
    ParentWindow parent;
    parent.m_Watched = {GTM_CALENDAR_ON_SELCHANGED};
    CGTCalendar calendar;
    ASSERT_TRUE(calendar.Create(WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 1));
    calendar.SetDate(Day(2026, 3, 15));
    calendar.SetDate(Day(2026, 3, 16));
    const auto sent = parent.Of(GTM_CALENDAR_ON_SELCHANGED);
    ASSERT_EQ(2u, sent.size());
    EXPECT_EQ(reinterpret_cast<LPARAM>(calendar.GetSafeHwnd()), sent.back().m_LParam);
    const CRect cell = calendar.GetDateRect(Day(2026, 3, 20));
    ASSERT_FALSE(cell.IsRectEmpty());
    calendar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.CenterPoint().x, cell.CenterPoint().y));
    calendar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(cell.CenterPoint().x, cell.CenterPoint().y));
    EXPECT_EQ(Day(2026, 3, 20), calendar.GetFirstSelectedDate());
    EXPECT_EQ(calendar.HitTestDate(cell.CenterPoint()), Day(2026, 3, 20));
}
