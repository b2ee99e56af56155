#include "MonitorFakes.h"
#include "QuantumRecords.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

const long long tenOClock = 1104573600;

// The test program in front from the start, then a stretch of work that ends at a boundary
// handled when the quantum running began at runningPeriod.
TEST(QuantumRecordsTest, UnwatchedQuantaEachGetARecordOfTheProgramInFront)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"QuantumRecordsTest";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, L"QuantumRecordsTest", L"Plan - Editor", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);

    using TPeriods = std::vector<std::pair<long long, DWORD>>;
    const struct {
        const char* what;
        long long runningPeriod;
        DWORD workedMs;
        DWORD idleMs;
        TPeriods records;
        DWORD keptForTheRunningQuantum;
    } cases[] = {
        {"on time, trimmed to the quantum", 60, 60400, 0, {{0, 60000}}, 0},
        {"a quantum missed", 120, 130000, 0, {{0, 60000}, {60, 60000}}, 10000},
        {"three missed, work ended early", 240, 150000, 0, {{0, 60000}, {60, 60000}, {120, 30000}}, 0},
        {"idle at the end: nothing counts", 180, 200000, 70000, {}, 0},
        {"the clock went back", -60, 30000, 0, {{0, 30000}}, 0},
    };
    for (const auto& c : cases) {
        TFakeHooks hooks;
        TFakeClock clock;
        TForegroundTracker tracker(hooks, clock);
        TQuantum quantum;
        tracker.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, window);
        clock.tick += c.workedMs;
        hooks.keys = 9;
        hooks.lastInput = clock.tick - c.idleMs;

        const std::vector<TActivityRecord> records =
            TakeQuantumRecords(tracker, quantum, tenOClock, tenOClock + c.runningPeriod);
        TPeriods periods;
        for (const TActivityRecord& record : records) {
            periods.emplace_back(record.PeriodStart - tenOClock, record.Time);
            EXPECT_EQ(L"zvuser_tests.exe", record.Name) << c.what;
            EXPECT_EQ(L"Plan - Editor", record.Title) << c.what;
        }
        EXPECT_EQ(c.records, periods) << c.what;
        if (!records.empty()) {
            EXPECT_EQ(c.idleMs ? 0 : 9, records[0].KeyEvents) << "the input stays in the first quantum: " << c.what;
        }
        ASSERT_TRUE(tracker.Current()) << c.what;
        EXPECT_EQ(c.keptForTheRunningQuantum, tracker.Current()->Time) << c.what;
    }
    DestroyWindow(window);
}

}  // namespace
