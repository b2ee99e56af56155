// What a user sees: a two-month calendar with week numbers and a selected date, kept as
// calendar-demo.bmp beside the test for people to look at.
#include <guitoolkit/controls/CGTCalendar.h>
#include <guitoolkit/core/CGTDibSection.h>
#include <gtest/gtest.h>
#include "ScreenSupport.h"
#include "../ControlsTestSupport.h"

TEST(CalendarDemo, TwoMonthsShowTheirDays)
{
    ParentWindow parent(CRect(40, 40, 440, 260), WS_POPUP | WS_VISIBLE);
    CGTCalendar calendar;
    ASSERT_TRUE(calendar.Create(WS_VISIBLE, CRect(0, 0, 400, 220), &parent, 1));
    calendar.EnableWeekNumbers(TRUE);
    calendar.SetDate(COleDateTime(2026, 3, 18, 0, 0, 0));
    calendar.SetFirstVisibleMonth(3, 2026);
    ASSERT_GE(calendar.GetMonthCount(), 2);
    calendar.UpdateWindow();
    LetItDraw();
    CGTDibSection shot;
    ASSERT_TRUE(TakeScreenshot(calendar, shot));
    ASSERT_TRUE(SaveBitmap(shot, L"calendar-demo.bmp"));
    EXPECT_GT(CountColors(shot), 3u) << "not blank";
}
