#include "ServerTestSupport.h"

#include <csl/DbQuery/DbConnection.h>
#include <csl/SystemUtils.h>
#include <csl/TDebugStream.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

namespace {

class ServerObjectTest : public ServerTest {
protected:
    ServerObjectTest() : ServerTest(L"server_object.db") {}
    void SetUp() override
    {
        ServerTest::SetUp();
        DebugLog().SetCategories(0);
    }
};

unsigned long Quantum(CZorvaneServer& iServer)
{
    unsigned long quantum = 0;
    EXPECT_EQ(S_OK, iServer.GetQuantum(&quantum));
    return quantum;
}

TEST_F(ServerObjectTest, QuantumFollowsTheConfigurationWithinOneDay)
{
    ServerConfig::Set(L"MakeDebugLog", 1);
    struct Case {
        DWORD configured;  // 0xFFFFFFFF: no value
        unsigned long expected;
        int complaints;
    } cases[] = {
        {0xFFFFFFFF, 60, 0}, {45, 45, 0}, {86400, 86400, 0}, {0, 60, 1}, {86401, 60, 1},
    };
    for (const Case& c : cases) {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneServer", L"Quantum");
        if (c.configured != 0xFFFFFFFF)
            ServerConfig::Set(L"Quantum", c.configured);
        const int connectedBefore = log->Count("Successfully connected\n");
        const int complaintsBefore = log->Count("(!) Quantum ");
        TServerInstance server;
        EXPECT_EQ(S_OK, server.FinalConstructResult());
        ASSERT_TRUE(log->WaitFor("Successfully connected\n", connectedBefore + 1)) << log->Text();
        EXPECT_EQ(c.expected, Quantum(*server)) << c.configured;
        EXPECT_EQ(c.complaints, log->Count("(!) Quantum ") - complaintsBefore) << c.configured;
    }
}

std::wstring DailyLogPath()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t name[64];
    swprintf(name, 64, L"Logs\\ZorvaneSrv_%04u_%02u_%02u.log", now.wYear, now.wMonth, now.wDay);
    return GetProgramDirectory() + name;
}

std::string FileText(const std::wstring& iPath)
{
    std::string text;
    HANDLE file = CreateFileW(iPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read)
        text.append(buffer, read);
    CloseHandle(file);
    return text;
}

TEST_F(ServerObjectTest, LogFollowsMakeDebugLogAndDebugLogCategory)
{
    struct Case {
        const wchar_t* makeDebugLog;  // null: no value
        const wchar_t* categories;    // null: no value
        bool writes;
        uint32_t expected;
    } cases[] = {
        {nullptr, nullptr, false, 0},
        {L"0", L"CDS", false, 0},
        {L"1", nullptr, true, TDebugStream::kDefaultCategories},
        // Only upper-case letters name categories.
        {L"1", L"sd", true, 0},
        {L"1", L"CDz-W", true, (1u << 2) | (1u << 3) | (1u << 22)},
    };
    for (const Case& c : cases) {
        ServerConfig::Clear();
        ServerConfig::Set(L"ConnectionString", SqliteConnectionString(database));
        if (c.makeDebugLog)
            ServerConfig::Set(L"MakeDebugLog", std::wstring(c.makeDebugLog));
        if (c.categories)
            ServerConfig::Set(L"DebugLogCategory", std::wstring(c.categories));
        DebugLog().RemoveAllWriters();
        DebugLog().SetCategories(0);
        DebugLog().AddWriter(log);
        DeleteFileW(DailyLogPath().c_str());
        {
            TServerInstance server;
            EXPECT_EQ(c.writes, DebugLog().HasWriters()) << c.categories;
            EXPECT_EQ(c.expected, DebugLog().GetCategories()) << c.categories;
            EXPECT_TRUE(DebugLog().StampLines);
        }
        const std::string written = FileText(DailyLogPath());
        EXPECT_EQ(c.writes,
                  written.find("---------------- ZorvaneServer started ----------------") != std::string::npos)
            << c.categories;
        DebugLog().RemoveAllWriters();
    }
}

TEST_F(ServerObjectTest, SecondServerOnTheComputerIsRefusedUntilTheFirstHasGone)
{
    ServerConfig::Set(L"MakeDebugLog", 1);
    auto constructElsewhere = [] {
        bool built = false;
        std::thread other([&] {
            try {
                TServerInstance second;
                built = true;
            } catch (...) {
            }
        });
        other.join();
        return built;
    };
    {
        TServerInstance first;
        EXPECT_FALSE(constructElsewhere());
        EXPECT_EQ(1, log->Count("(!) ERROR: Another instance of ZorvaneServer is running on this computer\n"));
        unsigned long quantum = 0;
        EXPECT_EQ(S_OK, first->GetQuantum(&quantum));
    }
    EXPECT_TRUE(constructElsewhere());
}

TEST_F(ServerObjectTest, UnreachableDatabaseIsTriedAgainUntilTheServerStops)
{
    ServerConfig::Set(L"MakeDebugLog", 1);
    ServerConfig::Set(L"Quantum", 30);
    ServerConfig::Set(L"ConnectionString", SqliteConnectionString(L"Z:\\no\\such\\folder\\zorvane.db"));
    {
        TServerInstance server;
        EXPECT_EQ(S_OK, server.FinalConstructResult());
        ASSERT_TRUE(log->WaitFor("(!) Failed to connect: ", 2)) << log->Text();
        EXPECT_GE(log->Count("Delaying initialization...\n"), 1);
        EXPECT_EQ(30u, Quantum(*server));
        EXPECT_EQ(E_POINTER, server->GetQuantum(nullptr));
    }
    // The stop ended the waiting retry: no further attempt after the disconnection.
    const std::string text = log->Text();
    const size_t disconnected = text.find("Disconnecting from DB...\n");
    ASSERT_NE(std::string::npos, disconnected) << text;
    EXPECT_EQ(std::string::npos, text.find("(!) Failed to connect: ", disconnected)) << text;
    EXPECT_NE(std::string::npos, text.find("---------------- ZorvaneServer stopped ----------------\n", disconnected));
}

// Without a provider the server would not know the SQL of its database, and would store nothing.
TEST_F(ServerObjectTest, AConnectionStringWithoutAKnownProviderIsRefused)
{
    ServerConfig::Set(L"MakeDebugLog", 1);
    ServerConfig::Set(L"ConnectionString", std::wstring(L"Driver={SQLite3};Database=:memory:"));
    TServerInstance server;
    ASSERT_TRUE(log->WaitFor("(!) Failed to connect: ")) << log->Text();
    EXPECT_EQ(1,
              log->Count("(!) Failed to connect: The ConnectionString names no Provider the server knows (SQLite, "
                         "Microsoft.Jet.OLEDB, SQLOLEDB or OraOLEDB); it is not used\n"))
        << log->Text();
    EXPECT_EQ(0, log->Count("Checking DB version...")) << log->Text();
}

TEST_F(ServerObjectTest, StoppingGivesUpWaitingForAStartUpJobHeldUpByTheDatabase)
{
    ServerConfig::Set(L"MakeDebugLog", 1);
    const std::wstring connectionString = SqliteConnectionString(database, L";Timeout=10000");
    ServerConfig::Set(L"ConnectionString", connectionString);
    DbConnection locker(_bstr_t(connectionString.c_str()));
    locker.Open();
    locker.Execute(_bstr_t("BEGIN EXCLUSIVE TRANSACTION"));
    std::thread unlock;
    {
        TServerInstance server;
        ASSERT_TRUE(log->WaitFor("Checking DB version...\n")) << log->Text();
        server->SetStartupJobWait(200);
        server->FinalRelease();
        EXPECT_EQ(1, log->Count("(!) CZorvaneServer::FinalRelease: the start-up job has not ended within 200 ms"))
            << log->Text();
        EXPECT_EQ(0, log->Count("Disconnecting from DB...")) << log->Text();
        // The job goes on once the database answers, while the object is going away.
        unlock = std::thread([&] {
            Sleep(500);
            locker.Execute(_bstr_t("COMMIT"));
        });
    }
    unlock.join();
    const std::string text = log->Text();
    const size_t connected = text.find("Successfully connected\n");
    ASSERT_NE(std::string::npos, connected) << text;
    EXPECT_NE(std::string::npos, text.find("---------------- ZorvaneServer stopped ----------------\n", connected))
        << "the object outlives its start-up job\n"
        << text;
}

TEST_F(ServerObjectTest, LockedDatabaseIsNotTakenForAMissingSchema)
{
    ServerConfig::Set(L"MakeDebugLog", 1);
    {
        TServerInstance creator;
        ASSERT_TRUE(log->WaitFor("Successfully connected\n")) << log->Text();
    }
    const std::wstring options = L";Timeout=100";
    ServerConfig::Set(L"ConnectionString", SqliteConnectionString(database, options));
    DbConnection locker(_bstr_t(SqliteConnectionString(database, options).c_str()));
    locker.Open();
    locker.Execute(_bstr_t("BEGIN EXCLUSIVE TRANSACTION"));
    const int notFound = log->Count("(!) Database structure not found\n");
    TServerInstance server;
    ASSERT_TRUE(log->WaitFor("(!) Failed to connect: ")) << log->Text();
    locker.Execute(_bstr_t("COMMIT"));
    ASSERT_TRUE(log->WaitFor("Successfully connected\n", 2)) << log->Text();
    EXPECT_EQ(notFound, log->Count("(!) Database structure not found\n")) << log->Text();
}

}  // namespace
