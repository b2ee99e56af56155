#pragma once
#include <csl/DbQuery/DbConnection.h>
#include <csl/DbQuery/DbConnectionHost.h>
#include <csl/tests/TextCollector.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Collects the debug log's text while it lives, with the default categories on; the log
// keeps its debugger writer.
class TDbLogCapture {
public:
    TDbLogCapture();
    ~TDbLogCapture();

    std::string Text() const;
    // The lines that start with the prefix, without it and without their line breaks.
    std::vector<std::string> Lines(const std::string& iPrefix) const;
    void Clear();

private:
    SmartPtr<TTextCollector> m_Writer;
    uint32_t m_Categories;
};

// The host of the tests: a thread-local slot and a query connection.
class TTestConnectionHost : public IDbConnectionHost {
public:
    explicit TTestConnectionHost(DbConnection& iQueryConnection);
    ~TTestConnectionHost();

    DbConnection* GetThreadSlot() override;
    void SetThreadSlot(DbConnection* iConnection) override;
    DbConnection& GetQueryConnection() override { return m_Query; }

private:
    DWORD m_Slot;
    DbConnection& m_Query;
};

// A fresh SQLite file with a query connection ("[SQL/GUI] ", the current one of every
// thread) and a reporting connection ("[SQL/SRV] ") to it, and the log captured.
class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static std::wstring TempFile();
    static std::wstring ConnectionStringFor(const std::wstring& iPath);
    // Runs statements without parameters on the current connection.
    static void Run(const std::vector<const char*>& iStatements);
    // SELECT COUNT(*) of the table through the other connection.
    long CountOn(DbConnection& iConnection, const char* iTable);
    // Makes the connections' database unreadable to the statements of its open connections;
    // with iReopenable a sound copy of the file takes its name, so reopening finds it again.
    void BreakOpenDatabase(bool iReopenable);

    std::unique_ptr<TDbLogCapture> m_Log;
    std::wstring m_Path;
    std::unique_ptr<DbConnection> m_Query;
    std::unique_ptr<DbConnection> m_Report;
    std::unique_ptr<TTestConnectionHost> m_Host;
};

// The text of a property of the exception.
std::string PropertyText(const EGeneric& iException, const char* iName);
