// Faults on the collection road: a monitor killed, the service stopped.
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
        system.reset();
        CoUninitialize();
    }

    std::unique_ptr<TInstalledSystem> system;
};

TEST_F(FaultTest, AKilledMonitorIsStartedAgainAndStoppingTheServiceEndsIt)
{
    const DWORD killed = ProcessIds(L"zvuser.exe").at(0);
    Kill(killed);
    // The service waits half a minute before it starts the monitor again.
    ASSERT_TRUE(WaitUntil([&] {
        std::vector<DWORD> monitors = ProcessIds(L"zvuser.exe");
        return monitors.size() == 1 && monitors[0] != killed;
    }, 90000));

    HANDLE monitor = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, ProcessIds(L"zvuser.exe").at(0));
    ASSERT_NE(nullptr, monitor);
    ASSERT_TRUE(system->Stop(kUserService));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(monitor, 30000));
    DWORD code = ~0u;
    GetExitCodeProcess(monitor, &code);
    EXPECT_EQ(0u, code) << "the service ends its monitor";
    CloseHandle(monitor);
}

} // namespace
} // namespace e2e
