// Faults on the collection road: a monitor killed, the service stopped, the server killed, the
// database locked by another process.
#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

namespace e2e {
namespace {

const DWORD kQuantumSeconds = 3;

class FaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        system.reset(new TInstalledSystem(kQuantumSeconds, GetProgramDirectory() + L"e2e_faults.db"));
        ASSERT_TRUE(system->Start(kUserService));
        ASSERT_TRUE(WaitUntil([] { return ProcessIds(L"zvuser.exe").size() == 1; }));
    }
    void TearDown() override
    {
        StopDriver();
        system.reset();
        CoUninitialize();
    }

    // A user at the desktop until StopDriver.
    void StartDriver()
    {
        driverStop = CreateEventW(nullptr, TRUE, FALSE, kDriverStop);
        driver = Launch(L"\"" + GetProgramDirectory() + L"zvdriver.exe\" 600 " + kDriverStop);
        ASSERT_NE(nullptr, driver) << GetLastError();
    }
    void StopDriver()
    {
        if (!driver)
            return;
        SetEvent(driverStop);
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(driver, 30000));
        CloseHandle(driver);
        CloseHandle(driverStop);
        driver = driverStop = nullptr;
    }

    static long long Records(TDatabase& iDatabase) { return iDatabase.Number(L"SELECT COUNT(*) FROM Activity"); }

    // Now as the monitor stamps its records: local time, in seconds since the automation dates'
    // day 0.
    static long long LocalNow()
    {
        SYSTEMTIME now;
        GetLocalTime(&now);
        DATE date = 0;
        SystemTimeToVariantTime(&now, &date);
        return std::llround(date * 86400);
    }
    // The starts of the quanta that lie whole between the two moments.
    static std::vector<long long> QuantaWithin(long long iFrom, long long iTo)
    {
        std::vector<long long> quanta;
        for (long long start = (iFrom + kQuantumSeconds - 1) / kQuantumSeconds * kQuantumSeconds;
             start + kQuantumSeconds <= iTo; start += kQuantumSeconds)
            quanta.push_back(start);
        return quanta;
    }
    // Whether every one of the quanta has a record stored.
    static bool Stored(TDatabase& iDatabase, const std::vector<long long>& iQuanta)
    {
        std::set<long long> stored;
        for (const TRow& row : iDatabase.Rows(L"SELECT DISTINCT StartTime FROM Activity"))
            stored.insert(DateSeconds(row.at(L"StartTime")));
        return std::all_of(iQuanta.begin(), iQuanta.end(), [&](long long iStart) { return stored.count(iStart); });
    }
    // Records stored more than once: one program's record of one quantum is one row.
    static long long Doubles(TDatabase& iDatabase)
    {
        return iDatabase.Number(L"SELECT COUNT(*) FROM (SELECT COUNT(*) AS Copies FROM Activity GROUP BY StartTime, "
                                L"UserID, ComputerID, ProcessID, Description) WHERE Copies > 1");
    }

    static constexpr const wchar_t* kDriverStop = L"zve2e_fault_driver_stop";
    std::unique_ptr<TInstalledSystem> system;
    HANDLE driver = nullptr;
    HANDLE driverStop = nullptr;
};

TEST_F(FaultTest, AKilledMonitorIsStartedAgainAndReportsAndStoppingTheServiceEndsIt)
{
    StartDriver();
    const DWORD killed = ProcessIds(L"zvuser.exe").at(0);
    Kill(killed);
    // The service waits half a minute before it starts the monitor again.
    ASSERT_TRUE(WaitUntil(
        [&] {
            std::vector<DWORD> monitors = ProcessIds(L"zvuser.exe");
            return monitors.size() == 1 && monitors[0] != killed;
        },
        90000));
    TDatabase database(system->Database());
    ASSERT_TRUE(WaitUntil([&] { return database.HasTable(L"Activity"); }));
    const long long beforeNewMonitor = Records(database);
    EXPECT_TRUE(WaitUntil([&] { return Records(database) > beforeNewMonitor; }, 20000 * kQuantumSeconds))
        << "the new monitor reports";

    HANDLE monitor = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, ProcessIds(L"zvuser.exe").at(0));
    ASSERT_NE(nullptr, monitor);
    // Mid-quantum: the quantum under way has records of its own only once it is over.
    const long long stopQuantum = LocalNow() / kQuantumSeconds * kQuantumSeconds;
    ASSERT_TRUE(system->Stop(kUserService));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(monitor, 30000));
    DWORD code = ~0u;
    GetExitCodeProcess(monitor, &code);
    EXPECT_EQ(11u, code) << "asked by the service, the monitor ends by itself";
    CloseHandle(monitor);
    // The monitor reported the part of the quantum it held before it ended.
    EXPECT_TRUE(Stored(database, {stopQuantum}));
    EXPECT_EQ(0, Doubles(database));
}

// The monitor waits for the server while the database is locked; the quanta that go by keep
// their records, which arrive once the lock is gone.
TEST_F(FaultTest, TheRecordsOfTheQuantaOfALockedDatabaseArriveLaterAndTheServerLivesOn)
{
    StartDriver();
    TDatabase database(system->Database());
    ASSERT_TRUE(
        WaitUntil([&] { return database.HasTable(L"Activity") && Records(database) > 0; }, 20000 * kQuantumSeconds));
    const std::vector<DWORD> servers = ProcessIds(L"zvserver.exe");
    ASSERT_EQ(1u, servers.size());

    const long long lockStart = LocalNow();
    {
        TDatabase locker(system->Database());
        locker.Execute(L"BEGIN EXCLUSIVE TRANSACTION");
        Sleep(3000 * kQuantumSeconds);
        locker.Execute(L"ROLLBACK TRANSACTION");
    }
    const std::vector<long long> locked = QuantaWithin(lockStart, LocalNow());
    ASSERT_FALSE(locked.empty());
    const long long afterLock = Records(database);
    EXPECT_TRUE(WaitUntil([&] { return Stored(database, locked); }, 20000 * kQuantumSeconds));
    EXPECT_TRUE(WaitUntil([&] { return Records(database) > afterLock + 1; }, 20000 * kQuantumSeconds));
    EXPECT_EQ(0, Doubles(database));
    EXPECT_EQ(servers, ProcessIds(L"zvserver.exe"));
}

// The server is killed under the running user service and started again: the records of the
// quanta in between reach it through the service, each once.
TEST_F(FaultTest, TheRecordsOfAKilledServersOutageArriveThroughTheServiceOnce)
{
    StartDriver();
    TDatabase database(system->Database());
    ASSERT_TRUE(
        WaitUntil([&] { return database.HasTable(L"Activity") && Records(database) > 0; }, 20000 * kQuantumSeconds));
    const std::vector<DWORD> servers = ProcessIds(L"zvserver.exe");
    ASSERT_EQ(1u, servers.size());

    const long long outageStart = LocalNow();
    // Disabled for the outage, so that the service's attempts to reach it cannot start it again.
    ASSERT_TRUE(system->SetStartType(kServerService, SERVICE_DISABLED));
    Kill(servers[0]);
    // Wine's RPC service keeps a killed server's class registration and hands it to every later
    // activation, where Windows drops it with the process: a restart of that service drops it.
    // COM starts the service again when it next needs it.
    ASSERT_TRUE(system->Stop(L"RpcSs"));
    Sleep(3000 * kQuantumSeconds);
    const std::vector<long long> outage = QuantaWithin(outageStart, LocalNow());
    ASSERT_FALSE(outage.empty());
    // Wine's service manager still counts the killed server as running, and starts it again.
    ASSERT_TRUE(system->SetStartType(kServerService, SERVICE_AUTO_START));
    system->Start(kServerService);

    EXPECT_TRUE(WaitUntil([&] { return Stored(database, outage); }, 20000 * kQuantumSeconds));
    EXPECT_EQ(0, Doubles(database));
}

}  // namespace
}  // namespace e2e
