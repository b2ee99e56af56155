#include "MonitorFakes.h"
#include "ServerConnection.h"

#include <csl/tests/LogCapture.h>

#include <gtest/gtest.h>

namespace {

const wchar_t* const serverClassText = L"{0FCD92BB-5964-42F6-BB3B-98D8B51B421D}";

class ServerConnectionTest : public ::testing::Test {
protected:
    bool Connect(const std::wstring& iServerClass = serverClassText,
                 const std::wstring& iFallback = L"ZorvaneServer.Zorvane")
    {
        return connection.Connect(iServerClass, iFallback, L"reporting-host", quantum);
    }

    TLogCapture log;
    TFakeZorvane server;
    TFakeActivator activator{server};
    TServerConnection connection{activator};
    TQuantum quantum;
};

TEST_F(ServerConnectionTest, BracedClassIsActivatedAndTheQuantumRead)
{
    server.script.quantum = 300;
    ASSERT_TRUE(Connect());
    EXPECT_EQ(&server, connection.Server());
    EXPECT_EQ(CLSID_ZorvaneServer, activator.lastClass);
    EXPECT_EQ(L"reporting-host", activator.lastServerName);
    EXPECT_EQ(300u, quantum.Seconds());
    EXPECT_TRUE(log.Contains("Connecting to reporting-host...\n"));
    EXPECT_TRUE(log.Contains("Connected\n"));
    EXPECT_TRUE(log.Contains("Quantum = 300\n"));
    connection.Drop();
    EXPECT_EQ(1, server.references.load());  // the connection holds no reference of its own now
}

TEST_F(ServerConnectionTest, UnresolvableClassesAreLoggedAndNotActivated)
{
    struct Case {
        const wchar_t* serverClass;
        const char* line;
    } cases[] = {
        // A braced text that does not parse is not tried as a ProgID.
        {L"{not a class id}", "CLSIDFromString FAILED! (0x800401f3) ({not a class id})\n"},
        // Neither the configured class nor the fallback is registered.
        {L"Nobody.Registered", "CLSIDFromProgID FAILED! (0x800401f3) (Nowhere.Either)\n"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Connect(c.serverClass, L"Nowhere.Either"));
        EXPECT_TRUE(log.Contains(c.line)) << log.Text();
    }
    EXPECT_EQ(0, activator.calls);
    EXPECT_EQ(nullptr, connection.Server());
}

TEST_F(ServerConnectionTest, FailuresLeaveTheMonitorUnconnectedWithTheOldQuantum)
{
    struct Case {
        HRESULT activation;
        bool refuseInterface;
        HRESULT quantumResult;
        ULONG quantum;
        const char* line;
    } cases[] = {
        {HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE), false, S_OK, 30, "CoCreateInstanceEx FAILED! (0x800706ba)\n"},
        {S_OK, true, S_OK, 30, "(!) GetQuantum FAILED!\n"},
        {S_OK, false, E_FAIL, 30, "(!) GetQuantum FAILED!\n"},
        // A quantum of 0 cannot divide time: the server is not used.
        {S_OK, false, S_OK, 0, "(!) GetQuantum FAILED!\n"},
    };
    for (const Case& c : cases) {
        TLogCapture caseLog;
        activator.result = c.activation;
        server.refuseInterface = c.refuseInterface;
        server.script.results[L"GetQuantum"] = {c.quantumResult};
        server.script.quantum = c.quantum;
        EXPECT_FALSE(Connect());
        EXPECT_EQ(nullptr, connection.Server());
        EXPECT_EQ(60u, quantum.Seconds());
        EXPECT_TRUE(caseLog.Contains(c.line)) << caseLog.Text();
        EXPECT_EQ(1, server.references.load());
    }
}

TEST(ComServerActivatorTest, OnlyAnotherComputerIsNamed)
{
    struct Case {
        const wchar_t* name;
        bool local;
    } cases[] = {{L"localhost", true}, {L"LOCALHOST", true}, {L"", true},
                 {L".", true},         {L"127.0.0.1", true}, {L"desk-07", true},
                 {L"Desk-07", true},   {L"server", false},   {L"desk-070", false}};
    for (const Case& c : cases)
        EXPECT_EQ(c.local, TComServerActivator::IsThisComputer(c.name, L"DESK-07")) << c.name;
}

}  // namespace
