#include "ForegroundSource.h"
#include "ForegroundTracker.h"
#include "MonitorFakes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Process ids that no process has (ids are multiples of 4): their entries keep empty names.
const DWORD otherProcess = 0x7FFFFFF0;
const DWORD thirdProcess = 0x7FFFFFF4;

class ForegroundTrackerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = L"ForegroundTrackerTest";
        RegisterClassW(&wc);
        first = Window(L"First document - Editor", WS_OVERLAPPEDWINDOW);
        second = Window(L"Second document - Editor", WS_OVERLAPPEDWINDOW);
    }
    void TearDown() override
    {
        for (HWND w : windows)
            DestroyWindow(w);
    }

    HWND Window(const wchar_t* iTitle, DWORD iStyle, HWND iParent = nullptr)
    {
        HWND w = CreateWindowExW(0, L"ForegroundTrackerTest", iTitle, iStyle, 0, 0, 100, 100, iParent, nullptr, nullptr,
                                 nullptr);
        EXPECT_NE(nullptr, w);
        windows.push_back(w);
        return w;
    }

    // Input and time of one interval, then the switch that ends it.
    void Interval(DWORD iMs, LONG iKeys, LONG iMice, DWORD iIdleAtEnd)
    {
        clock.tick += iMs;
        hooks.keys = iKeys;
        hooks.mice = iMice;
        hooks.lastInput = clock.tick - iIdleAtEnd;
    }

    TFakeHooks hooks;
    TFakeClock clock;
    TForegroundTracker tracker{hooks, clock};
    std::vector<HWND> windows;
    HWND first = nullptr, second = nullptr;
};

TEST_F(ForegroundTrackerTest, FirstSwitchCreditsNothingAndClearsTheCounters)
{
    hooks.keys = 5;
    hooks.mice = 7;
    tracker.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, first);
    auto entry = tracker.Current();
    ASSERT_TRUE(entry);
    EXPECT_EQ(0u, entry->Time);
    EXPECT_EQ(0, entry->KeyEvents);
    EXPECT_EQ(0, hooks.keys);
    EXPECT_EQ(0, hooks.mice);
    // The entry describes this test program and its window.
    EXPECT_EQ(GetCurrentProcessId(), entry->ProcessId);
    EXPECT_EQ(L"zvuser_tests.exe", entry->Name);
    EXPECT_NE(std::wstring::npos, entry->Path.find(L"zvuser_tests.exe"));
    EXPECT_NE(std::wstring::npos, entry->Owner.find(L'\\'));
    EXPECT_EQ(first, entry->Window);
    EXPECT_EQ(L"First document - Editor", entry->Title);
}

TEST_F(ForegroundTrackerTest, IdleLimitDecidesWhetherTheIntervalCounts)
{
    struct Case {
        DWORD idle;
        DWORD time;
        LONG keys;
    } cases[] = {{0, 5000, 3}, {60000, 5000, 3}, {60001, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.idle);
        TFakeHooks caseHooks;
        TForegroundTracker caseTracker(caseHooks, clock);
        caseTracker.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, first);
        clock.tick += 5000;
        caseHooks.keys = 3;
        caseHooks.mice = 4;
        caseHooks.lastInput = clock.tick - c.idle;
        caseTracker.GetProcessEntry(otherProcess, nullptr, true);
        auto entry = caseTracker.Cache().at(GetCurrentProcessId());
        EXPECT_EQ(c.time, entry->Time);
        EXPECT_EQ(c.keys, entry->KeyEvents);
        EXPECT_EQ(c.keys ? 4 : 0, entry->MouseEvents);
        EXPECT_EQ(0, caseHooks.keys);  // cleared whether credited or not
    }
}

TEST_F(ForegroundTrackerTest, CreditsTheProgramThatHadTheForeground)
{
    tracker.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, first);
    Interval(1000, 2, 3, 0);
    tracker.GetProcessEntry(otherProcess, nullptr, true);
    Interval(250, 1, 0, 0);
    tracker.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, second);
    Interval(400, 5, 6, 10);
    tracker.CloseInterval();

    auto own = tracker.Cache().at(GetCurrentProcessId());
    auto other = tracker.Cache().at(otherProcess);
    EXPECT_EQ(1400u, own->Time);
    EXPECT_EQ(7, own->KeyEvents);
    EXPECT_EQ(9, own->MouseEvents);
    EXPECT_EQ(250u, other->Time);
    EXPECT_EQ(1, other->KeyEvents);
    EXPECT_TRUE(other->Name.empty());
    EXPECT_EQ(own, tracker.Current());
}

TEST_F(ForegroundTrackerTest, ChildWindowsAndOtherEventsAreIgnored)
{
    HWND child = Window(L"Child", WS_CHILD, first);
    tracker.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, child);
    tracker.OnForegroundChange(EVENT_OBJECT_FOCUS, first);
    EXPECT_FALSE(tracker.Current());
    EXPECT_TRUE(tracker.Cache().empty());
}

TEST_F(ForegroundTrackerTest, SwitchBackUpdatesTheTitleOnlyWhenTheWindowHasOne)
{
    HWND untitled = Window(L"", WS_OVERLAPPEDWINDOW);
    tracker.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, first);
    tracker.GetProcessEntry(otherProcess, nullptr, true);
    tracker.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, second);
    auto entry = tracker.Current();
    EXPECT_EQ(L"Second document - Editor", entry->Title);
    tracker.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, untitled);
    EXPECT_EQ(L"Second document - Editor", entry->Title);
    EXPECT_EQ(first, entry->Window);  // the window that brought the program in
    EXPECT_EQ(2u, tracker.Cache().size());
}

TEST_F(ForegroundTrackerTest, CheckingTheForegroundRaisesOnlyChanges)
{
    tracker.CheckForeground(first);
    auto entry = tracker.Current();
    ASSERT_TRUE(entry);
    Interval(300, 1, 1, 0);
    tracker.CheckForeground(first);  // same window: the interval runs on
    EXPECT_EQ(0u, entry->Time);
    tracker.CheckForeground(second);
    EXPECT_EQ(300u, entry->Time);
    // A change the foreground event already reported is not raised again.
    tracker.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, first);
    Interval(100, 0, 0, 0);
    tracker.CheckForeground(first);
    EXPECT_EQ(300u, entry->Time);
}

TEST_F(ForegroundTrackerTest, NoWindowInFrontEndsTheIntervalWithNoProgramAfterIt)
{
    tracker.CheckForeground(first);
    auto entry = tracker.Current();
    Interval(300, 2, 1, 0);
    tracker.CheckForeground(nullptr);
    EXPECT_EQ(300u, entry->Time);
    EXPECT_EQ(2, entry->KeyEvents);
    EXPECT_FALSE(tracker.Current());
    // Neither the time with nothing in front nor its input goes to anybody.
    Interval(5000, 4, 4, 0);
    tracker.CheckForeground(nullptr);
    tracker.CloseInterval();
    tracker.CheckForeground(first);  // the same window in front again is a change
    EXPECT_EQ(entry, tracker.Current());
    EXPECT_EQ(300u, entry->Time);
    EXPECT_EQ(2, entry->KeyEvents);
    EXPECT_EQ(0, hooks.keys);
}

// The system's foreground window of another program, as the monitor's own check finds it.
TEST_F(ForegroundTrackerTest, AnotherProgramInTheForegroundGetsItsOwnEntry)
{
    std::string path = ZV_FOREGROUND_HELPER;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION helper = {};
    ASSERT_TRUE(CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &helper))
        << path << ": error " << GetLastError();
    TSystemForeground system;
    HWND window = nullptr;
    DWORD owner = 0;
    for (int i = 0; i < 200 && owner != helper.dwProcessId; ++i) {
        Sleep(50);
        window = system.ForegroundWindow();
        GetWindowThreadProcessId(window, &owner);
    }
    ASSERT_EQ(helper.dwProcessId, owner);
    tracker.CheckForeground(window);
    auto entry = tracker.Current();
    EXPECT_EQ(helper.dwProcessId, entry->ProcessId);
    EXPECT_EQ(L"zvuser_fixture_ForegroundHelper.exe", entry->Name);
    EXPECT_NE(std::wstring::npos, entry->Path.find(L"zvuser_fixture_ForegroundHelper.exe"));
    EXPECT_EQ(L"Helper document - Helper", entry->Title);
    EXPECT_NE(std::wstring::npos, entry->Owner.find(L'\\'));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(helper.hProcess, 30000));
    CloseHandle(helper.hProcess);
    CloseHandle(helper.hThread);
}

class TrimTest : public ForegroundTrackerTest {
protected:
    SmartPtr<TProcessCacheEntry> Entry(DWORD iProcessId, DWORD iTime)
    {
        auto entry = tracker.GetProcessEntry(iProcessId, nullptr, false);
        entry->Time = iTime;
        return entry;
    }
};

TEST_F(TrimTest, TakesTheExcessOffTheSmallestEntryWhenItIsLarger)
{
    struct Case {
        DWORD a, b, c, quantum;
        DWORD a2, b2, c2;
    } cases[] = {
        {50000, 7000, 4000, 60000, 50000, 7000, 3000},  // 61000: 1000 off the smallest
        {53200, 7000, 800, 60000, 53200, 7000, 800},    // smallest not above the excess
        {30000, 4000, 4000, 60000, 30000, 4000, 4000},  // within the quantum
        {30000, 4000, 4000, 30000, 30000, 4000, 4000},  // 38000 > 30000, but 4000 < 8000
        {30000, 9000, 9000, 40000, 30000, 1000, 9000},  // equal times: the lower id is cut
    };
    for (const Case& c : cases) {
        TFakeHooks caseHooks;
        TForegroundTracker caseTracker(caseHooks, clock);
        auto put = [&](DWORD id, DWORD time) {
            auto entry = caseTracker.GetProcessEntry(id, nullptr, false);
            entry->Time = time;
            return entry;
        };
        auto a = put(otherProcess - 8, c.a), b = put(otherProcess, c.b), d = put(thirdProcess, c.c);
        caseTracker.Trim(c.quantum);
        EXPECT_EQ(c.a2, a->Time);
        EXPECT_EQ(c.b2, b->Time);
        EXPECT_EQ(c.c2, d->Time);
    }
}

TEST_F(TrimTest, RecordsTakeNamedTimedEntriesAndKeepOnlyTheCurrentOne)
{
    tracker.OnForegroundChange(EVENT_SYSTEM_FOREGROUND, first);
    auto current = tracker.Current();
    current->Time = 1000;
    current->KeyEvents = 3;
    auto named = Entry(otherProcess, 2000);
    named->Name = L"other.exe";
    named->Owner = L"DOMAIN\\user";
    named->Title = L"Other";
    named->Path = L"C:\\other.exe";
    named->MouseEvents = 9;
    Entry(thirdProcess, 500);  // no name: dropped unreported
    auto idle = Entry(otherProcess - 8, 0);
    idle->Name = L"idle.exe";  // no time: dropped unreported

    auto records = tracker.TakeRecords(1104573600);
    ASSERT_EQ(2u, records.size());
    // Ascending process id: this program's id is below the made-up ones.
    EXPECT_EQ(L"zvuser_tests.exe", records[0].Name);
    EXPECT_EQ(1000u, records[0].Time);
    EXPECT_EQ(3, records[0].KeyEvents);
    EXPECT_EQ(L"other.exe", records[1].Name);
    EXPECT_EQ(L"DOMAIN\\user", records[1].Owner);
    EXPECT_EQ(L"Other", records[1].Title);
    EXPECT_EQ(L"C:\\other.exe", records[1].Path);
    EXPECT_EQ(2000u, records[1].Time);
    EXPECT_EQ(9, records[1].MouseEvents);
    EXPECT_EQ(1104573600, records[1].PeriodStart);

    ASSERT_EQ(1u, tracker.Cache().size());
    EXPECT_EQ(current, tracker.Cache().begin()->second);
    EXPECT_EQ(0u, current->Time);
    EXPECT_EQ(0, current->KeyEvents);
    // A current entry without time stays too.
    EXPECT_TRUE(tracker.TakeRecords(1104573660).empty());
    EXPECT_EQ(1u, tracker.Cache().size());
}

}  // namespace
