#pragma once
#include <ComObjectGlobal.h>
#include <ZorvaneServer.h>

#include <csl/SmartPtr.h>
#include <csl/tests/TextCollector.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The server's configuration key, emptied by Clear.
namespace ServerConfig {
void Clear();
void Set(const wchar_t* iName, DWORD iValue);
void Set(const wchar_t* iName, const std::wstring& iValue);
}  // namespace ServerConfig

// A database file beside the test program, deleted first, and its connection string.
std::wstring FreshDatabase(const std::wstring& iName);
std::wstring SqliteConnectionString(const std::wstring& iPath, const std::wstring& iOptions = L"");

// One server object in this process, as the module's class object holds it.
class TServerInstance {
public:
    TServerInstance();
    ~TServerInstance();

    CZorvaneServer& operator*() { return *m_Server; }
    CZorvaneServer* operator->() { return m_Server.get(); }
    HRESULT FinalConstructResult() const { return m_Server->m_FinalConstructResult; }

private:
    CAtlModule m_Module;
    std::unique_ptr<CComObjectGlobal<CZorvaneServer>> m_Server;
};

// Statements on the thread's current connection, for looking into the database.
long ScalarLong(const char* iSql);
std::wstring ScalarText(const char* iSql);

// A test of server objects in this process: COM for the thread, an empty configuration naming
// a fresh SQLite database, and the log captured.
class ServerTest : public ::testing::Test {
protected:
    explicit ServerTest(const wchar_t* iDatabaseName) : m_DatabaseName(iDatabaseName) {}
    void SetUp() override;
    void TearDown() override;

    // Starts a server with the debug log on and waits until its start-up job has written the
    // last month name; the log then holds only this start.
    std::unique_ptr<TServerInstance> StartServer();

    SmartPtr<TTextCollector> log;
    std::wstring database;

private:
    const wchar_t* m_DatabaseName;
};
