// Faults on the collection road: a monitor killed, the service stopped, the database locked by
// another process.
#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace e2e {
namespace {

const DWORD kQuantumSeconds = 3;

class FaultTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        system.reset(new TInstalledSystem(kQuantumSeconds, OwnFolder() + L"e2e_faults.db"));
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
        driver = Launch(L"\"" + OwnFolder() + L"zvdriver.exe\" 600 " + kDriverStop);
        ASSERT_NE(nullptr, driver);
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

    static constexpr const wchar_t* kDriverStop = L"zve2e_fault_driver_stop";
    std::unique_ptr<TInstalledSystem> system;
    HANDLE driver = nullptr;
    HANDLE driverStop = nullptr;
};

TEST_F(FaultTest, AKilledMonitorIsStartedAgainAndStoppingTheServiceEndsIt)
{
    const DWORD killed = ProcessIds(L"zvuser.exe").at(0);
    Kill(killed);
    // The service waits half a minute before it starts the monitor again.
    ASSERT_TRUE(WaitUntil(
        [&] {
            std::vector<DWORD> monitors = ProcessIds(L"zvuser.exe");
            return monitors.size() == 1 && monitors[0] != killed;
        },
        90000));

    HANDLE monitor = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, ProcessIds(L"zvuser.exe").at(0));
    ASSERT_NE(nullptr, monitor);
    ASSERT_TRUE(system->Stop(kUserService));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(monitor, 30000));
    DWORD code = ~0u;
    GetExitCodeProcess(monitor, &code);
    EXPECT_EQ(0u, code) << "the service ends its monitor";
    CloseHandle(monitor);
}

TEST_F(FaultTest, ReportsResumeAfterTheDatabaseWasLockedAndTheServerLivesOn)
{
    StartDriver();
    TDatabase database(system->Database());
    ASSERT_TRUE(
        WaitUntil([&] { return database.HasTable(L"Activity") && Records(database) > 0; }, 20000 * kQuantumSeconds));
    const std::vector<DWORD> servers = ProcessIds(L"zvserver.exe");
    ASSERT_EQ(1u, servers.size());

    {
        TDatabase locker(system->Database());
        locker.Execute(L"BEGIN EXCLUSIVE TRANSACTION");
        Sleep(3000 * kQuantumSeconds);
        locker.Execute(L"ROLLBACK TRANSACTION");
    }
    const long long afterLock = Records(database);
    EXPECT_TRUE(WaitUntil([&] { return Records(database) > afterLock + 1; }, 20000 * kQuantumSeconds));
    EXPECT_EQ(servers, ProcessIds(L"zvserver.exe"));
}

}  // namespace
}  // namespace e2e
