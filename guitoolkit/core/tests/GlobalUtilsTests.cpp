#include <guitoolkit/core/CGTGlobalUtils.h>
#include <gtest/gtest.h>
#include <functional>
#include "FakeSeams.h"

namespace {
RECT WorkAreaOfPrimaryMonitor()
{
    MONITORINFO monitor = {sizeof(monitor)};
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor.rcWork;
}

// Pumps the thread's messages until one for the window answers TRUE to stop (then TRUE)
// or a long while has gone by (FALSE).
BOOL PumpUntil(const std::function<BOOL(const MSG&)>& stop)
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 10000) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (stop(message))
                return TRUE;
            ::DispatchMessageW(&message);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    return FALSE;
}
}  // namespace

TEST(GlobalUtils, RotatedRectangles)
{
    const struct {
        int angle;
        CRect rotated;
    } cases[] = {
        {180, CRect(1, 4, 3, 2)},
        {90, CRect(4, 1, 2, 3)},
        {-90, CRect(2, 3, 4, 1)},
        {45, CRect(1, 2, 3, 4)},
    };
    for (const auto& c : cases) {
        CRect rect(1, 2, 3, 4);
        CGTGlobalUtils::RotateRect(rect, c.angle);
        EXPECT_EQ(c.rotated, rect) << c.angle;
    }
    CRect rect(10, 20, 70, 35);
    CGTGlobalUtils::RotateRect(rect, 90);
    CGTGlobalUtils::RotateRect(rect, -90);
    EXPECT_EQ(CRect(10, 20, 70, 35), rect);
}

TEST(GlobalUtils, RectanglesOffTheWorkAreaComeBackByTheMargins)
{
    const CRect work = WorkAreaOfPrimaryMonitor();
    const RECT margins = {10, 20, 30, 40};
    const struct {
        const char* side;
        CRect rect;
        CRect adjusted;
    } cases[] = {
        {"left", CRect(work.left - 300, work.top + 50, work.left - 200, work.top + 150),
         CRect(work.left - 90, work.top + 50, work.left + 10, work.top + 150)},
        {"right", CRect(work.right + 5, work.top + 50, work.right + 105, work.top + 150),
         CRect(work.right - 30, work.top + 50, work.right + 70, work.top + 150)},
        {"bottom", CRect(work.left + 50, work.bottom - 40, work.left + 150, work.bottom + 60),
         CRect(work.left + 50, work.bottom - 40, work.left + 150, work.bottom + 60)},
        {"below", CRect(work.left + 50, work.bottom + 5, work.left + 150, work.bottom + 105),
         CRect(work.left + 50, work.bottom - 40, work.left + 150, work.bottom + 60)},
        {"above", CRect(work.left + 50, work.top - 200, work.left + 150, work.top + 19),
         CRect(work.left + 50, work.top - 199, work.left + 150, work.top + 20)},
        {"inside", CRect(work.left + 50, work.top + 20, work.left + 150, work.top + 120),
         CRect(work.left + 50, work.top + 20, work.left + 150, work.top + 120)},
    };
    for (const auto& c : cases) {
        CRect rect = c.rect;
        theGlobalUtils.AdjustRectToWorkArea(rect, &margins);
        EXPECT_EQ(c.adjusted, rect) << c.side;
    }
    CRect beyond(work.right + 5, work.top, work.right + 105, work.top + 100);
    theGlobalUtils.AdjustRectToWorkArea(beyond);
    EXPECT_EQ(work.right, beyond.left);
}

TEST(GlobalUtils, DockingStripsRoundAndInsideARectangle)
{
    const CRect rect(100, 100, 200, 200);
    const DWORD none = 0;
    const struct {
        CPoint point;
        BOOL outer;
        DWORD allowed;
        DWORD alignment;  // none: no hit
    } cases[] = {
        {{150, 95}, TRUE, CBRS_ALIGN_ANY, CBRS_ALIGN_TOP},
        {{95, 150}, TRUE, CBRS_ALIGN_ANY, CBRS_ALIGN_LEFT},
        {{150, 205}, TRUE, CBRS_ALIGN_ANY, CBRS_ALIGN_BOTTOM},
        {{205, 150}, TRUE, CBRS_ALIGN_ANY, CBRS_ALIGN_RIGHT},
        {{95, 95}, TRUE, CBRS_ALIGN_ANY, CBRS_ALIGN_TOP},  // a corner: top comes first
        {{95, 95}, TRUE, CBRS_ALIGN_LEFT | CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT},
        {{150, 95}, TRUE, CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT, none},
        {{150, 150}, TRUE, CBRS_ALIGN_ANY, none},
        {{150, 89}, TRUE, CBRS_ALIGN_ANY, none},
        {{150, 129}, FALSE, CBRS_ALIGN_ANY, CBRS_ALIGN_TOP},  // below the 20-pixel caption
        {{105, 150}, FALSE, CBRS_ALIGN_ANY, CBRS_ALIGN_LEFT},
        {{150, 175}, FALSE, CBRS_ALIGN_ANY, CBRS_ALIGN_BOTTOM},  // above the 15-pixel tabs
        {{195, 150}, FALSE, CBRS_ALIGN_ANY, CBRS_ALIGN_RIGHT},
        {{150, 150}, FALSE, CBRS_ALIGN_ANY, none},
        {{150, 95}, FALSE, CBRS_ALIGN_BOTTOM, none},
    };
    for (const auto& c : cases) {
        DWORD alignment = none;
        const BOOL hit = CGTGlobalUtils::HitTestDockingTarget(c.point, rect, 10, c.outer, alignment, c.allowed, 20, 15);
        EXPECT_EQ(c.alignment != none, hit) << c.point.x << "," << c.point.y << (c.outer ? " outer" : " inner");
        EXPECT_EQ(c.alignment, alignment) << c.point.x << "," << c.point.y << (c.outer ? " outer" : " inner");
    }
}

TEST(GlobalUtils, CurrencyAndDecimalTextsAreTheSystemConversions)
{
    CY value = {};
    value.int64 = 1;
    EXPECT_TRUE(CGTGlobalUtils::StringToCurrency(value, L""));
    EXPECT_EQ(0, value.int64);
    EXPECT_TRUE(CGTGlobalUtils::StringToCurrency(value, nullptr));
    EXPECT_EQ(0, value.int64);
    EXPECT_FALSE(CGTGlobalUtils::StringToCurrency(value, L"twelve"));

    CY amount = {};
    amount.int64 = 123456789;  // 12345.6789
    CString text;
    ASSERT_TRUE(CGTGlobalUtils::CurrencyToString(text, amount));
    VARIANT source;
    ::VariantInit(&source);
    source.vt = VT_CY;
    source.cyVal = amount;
    VARIANT expected;
    ::VariantInit(&expected);
    ASSERT_EQ(S_OK, ::VariantChangeType(&expected, &source, 0, VT_BSTR));
    EXPECT_STREQ(expected.bstrVal, text);
    ::VariantClear(&expected);
    ASSERT_TRUE(CGTGlobalUtils::StringToCurrency(value, text));
    EXPECT_EQ(amount.int64, value.int64);

    DECIMAL decimal = {};
    ASSERT_EQ(S_OK, ::VarDecFromR8(-2.5, &decimal));
    ASSERT_TRUE(CGTGlobalUtils::DecimalToString(text, decimal));
    DECIMAL back = {};
    ASSERT_TRUE(CGTGlobalUtils::StringToDecimal(back, text));
    EXPECT_EQ(VARCMP_EQ, ::VarDecCmp(&decimal, &back));
    EXPECT_FALSE(CGTGlobalUtils::StringToDecimal(back, L"x"));
}

TEST(GlobalUtils, MouseLeaveTrackingRefusesBadRequestsAndPostsOnceTheCursorLeaves)
{
    HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 200, 200, nullptr, nullptr,
                                    nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    const struct {
        const char* refusal;
        TRACKMOUSEEVENT request;
    } refusals[] = {
        {"short", {15, TME_LEAVE, window, 0}},
        {"no window", {sizeof(TRACKMOUSEEVENT), TME_LEAVE, nullptr, 0}},
        {"no leave", {sizeof(TRACKMOUSEEVENT), TME_HOVER, window, 0}},
    };
    for (const auto& refused : refusals) {
        EXPECT_FALSE(TrackMouseLeave(refused.request)) << refused.refusal;
        EXPECT_FALSE(::KillTimer(window, GTTrackMouseLeaveTimer)) << refused.refusal;
    }

    const TRACKMOUSEEVENT request = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, 0};
    const UINT_PTR popupTimer = 2;  // a popup menu's own timer on the same window
    ASSERT_NE(0u, ::SetTimer(window, popupTimer, 250, nullptr));
    FakeCursor cursor;
    const struct {
        const char* leaving;
        POINT position;
        HWND windowUnder;
    } leaves[] = {
        {"outside the window", {350, 150}, nullptr},
        {"into a window on top", {150, 150}, ::GetDesktopWindow()},
    };
    for (const auto& leave : leaves) {
        cursor.m_Position = {150, 150};
        cursor.m_WindowUnder = window;
        ASSERT_TRUE(TrackMouseLeave(request));
        BOOL leftEarly = FALSE;
        ASSERT_TRUE(PumpUntil([&](const MSG& message) {
            leftEarly |= message.message == WM_MOUSELEAVE;
            return message.message == WM_TIMER && message.wParam == popupTimer;
        }));
        EXPECT_FALSE(leftEarly) << leave.leaving;

        cursor.m_Position = leave.position;
        cursor.m_WindowUnder = leave.windowUnder;
        EXPECT_TRUE(PumpUntil([&](const MSG& message) {
            return message.message == WM_MOUSELEAVE && message.hwnd == window && message.wParam == 0 &&
                message.lParam == 0;
        })) << leave.leaving;
        EXPECT_FALSE(::KillTimer(window, GTTrackMouseLeaveTimer)) << leave.leaving;
    }
    EXPECT_TRUE(::KillTimer(window, popupTimer));
    ::DestroyWindow(window);
}
