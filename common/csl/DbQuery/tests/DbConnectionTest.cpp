#include "DbTestSupport.h"

#include <csl/DbQuery/TDbCommand.h>
#include <csl/DbQuery/TDbTransaction.h>
#include <csl/EGeneric.h>
#include <csl/EThreadInterrupt.h>
#include <csl/TDebugStream.h>
#include <csl/ThreadInterrupt.h>

#include <future>
#include <stdexcept>
#include <thread>

namespace {

TEST(DbTypeTest, DetectsTheKindFromTheProvider)
{
    const struct {
        const wchar_t* ConnectionString;
        DbType Expected;
    } cases[] = {
        {L"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=zorvane.mdb", dbJet},
        {L"Data Source=srv;provider=sqloledb;Initial Catalog=z", dbSqlServer},
        {L"Provider=OraOLEDB.Oracle;Data Source=orcl", dbOracle},
        {L"Provider=SQLite;Data Source=zorvane.db", dbSqlite},
        {L"Provider=MSDASQL;Provider=SQLOLEDB", dbUnknown},
        {L" Provider=SQLOLEDB;Data Source=srv", dbUnknown},
        {L"Driver={SQLite3};Database=zorvane.db", dbUnknown},
        {L"", dbUnknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Expected, DetectDbType(c.ConnectionString)) << c.ConnectionString;
}

using DbConnectionTest = DbTest;

TEST_F(DbConnectionTest, OpensAndClosesOnceEach)
{
    EXPECT_EQ(dbSqlite, m_Query->GetDbType());
    m_Query->Close();
    m_Query->Open();
    m_Query->Open();
    m_Query->Close();
    m_Query->Close();
    EXPECT_EQ((std::vector<std::string>{"CONNECTION OPENED", "CONNECTION CLOSED"}), m_Log->Lines("[SQL/GUI] "));

    DebugLog().SetCategory(3, false);
    m_Query->Open();
    TDbCommand("SELECT 1").Execute();
    EXPECT_EQ(2u, m_Log->Lines("[SQL/GUI] ").size());
}

TEST_F(DbConnectionTest, FailedOpenSaysWhyAndThrows)
{
    m_Query->SetConnectionString(L"Provider=SQLite;Data Source=C:\\no\\such\\folder\\x.db;Driver={No Such Driver}");
    EXPECT_THROW(m_Query->Open(), EGeneric);
    EXPECT_NE(std::string::npos, m_Log->Text().find("(!) DbConnection::Open() DbConnection->Open() failed (-"))
        << m_Log->Text();
    EXPECT_FALSE(m_Query->IsOpen());
}

TEST_F(DbConnectionTest, NestedScopesCommitEachLevel)
{
    Run({"CREATE TABLE T(A INT)"});
    m_Log->Clear();
    {
        TDbTransaction outer(*m_Report);
        TDbCommand("INSERT INTO T VALUES (1)").Execute();
        {
            TDbTransaction inner;
            TDbCommand("INSERT INTO T VALUES (2)").Execute();
            inner.Commit();
        }
        outer.Commit();
    }
    EXPECT_EQ((std::vector<std::string>{"CONNECTION OPENED", "BEGIN TRANSACTION", "INSERT INTO T VALUES (1)",
                                        "BEGIN TRANSACTION", "INSERT INTO T VALUES (2)", "COMMIT TRANSACTION",
                                        "COMMIT TRANSACTION"}),
              m_Log->Lines("[SQL/SRV] "));
    EXPECT_EQ(2, CountOn(*m_Query, "T"));
}

TEST_F(DbConnectionTest, ScopeLeftWithoutCommitRollsBackAndRestoresTheCurrentConnection)
{
    Run({"CREATE TABLE T(A INT)"});
    for (bool byException : {true, false}) {
        m_Log->Clear();
        try {
            TDbTransaction scope(*m_Report);
            EXPECT_EQ(m_Report.get(), &GetThreadConnection());
            TDbTransaction inner;
            TDbCommand("INSERT INTO T VALUES (?)", 1L).Execute();
            inner.Commit();
            if (byException)
                throw std::runtime_error("stop");
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(m_Query.get(), &GetThreadConnection());
        EXPECT_EQ("ROLLBACK TRANSACTION", m_Log->Lines("[SQL/SRV] ").back()) << byException;
        EXPECT_EQ(0, CountOn(*m_Report, "T")) << byException;
    }
}

TEST_F(DbConnectionTest, ScopeEndsQuietlyWhenItsRollbackFailsAndTheNextOneReopens)
{
    Run({"CREATE TABLE T(A INT)"});
    {
        TDbTransaction scope(*m_Report);
        TDbCommand("INSERT INTO T VALUES (1)").Execute();
        m_Report->Close();
    }
    EXPECT_NE(std::string::npos, m_Log->Text().find("(!) TDbTransaction::~TDbTransaction() rollback failed"));
    EXPECT_FALSE(m_Report->InTransaction());
    EXPECT_EQ(0, CountOn(*m_Query, "T"));

    TDbTransaction scope(*m_Report);
    TDbCommand("INSERT INTO T VALUES (2)").Execute();
    scope.Commit();
    EXPECT_THROW(scope.Commit(), EGeneric);
    EXPECT_EQ(1, CountOn(*m_Query, "T"));
}

bool OtherThreadGetsLock(DbConnection& iConnection)
{
    return std::async(std::launch::async,
                      [&iConnection] {
                          const bool locked = iConnection.Lock(0);
                          if (locked)
                              iConnection.Unlock();
                          return locked;
                      })
        .get();
}

TEST_F(DbConnectionTest, ScopesAndResultsKeepTheirConnectionFromOtherThreads)
{
    auto otherThreadGetsLock = [this] { return OtherThreadGetsLock(*m_Report); };
    Run({"CREATE TABLE T(A INT)"});
    {
        TDbTransaction scope(*m_Report);
        EXPECT_FALSE(otherThreadGetsLock());
        TDbRecordset rows = TDbCommand("SELECT * FROM T").ExecuteRecordset();
        scope.Commit();
    }
    EXPECT_TRUE(otherThreadGetsLock());
    {
        TDbRecordset rows = m_Report->Execute("SELECT * FROM T");
        TDbRecordset holder;
        holder = rows;
        rows = TDbRecordset();
        EXPECT_FALSE(otherThreadGetsLock());
    }
    EXPECT_TRUE(otherThreadGetsLock());
}

TEST_F(DbConnectionTest, ResultAssignedWhileItsThreadIsInterruptedKeepsItsOwnConnection)
{
    const TDbRecordset onQuery(_RecordsetPtr(), m_Query.get(), false);
    bool interrupted = false, reportStillHeld = false;
    std::thread([&] {
        TDbRecordset result(_RecordsetPtr(), m_Report.get(), false);
        // Delivered by the wait for the query connection, which this thread holds.
        QueueUserAPC(&ThreadInterruptCall, GetCurrentThread(), 0);
        try {
            result = onQuery;
        } catch (const EThreadInterrupt&) {
            interrupted = true;
        }
        reportStillHeld = !OtherThreadGetsLock(*m_Report);
    }).join();
    EXPECT_TRUE(interrupted);
    EXPECT_TRUE(reportStillHeld);
    EXPECT_TRUE(OtherThreadGetsLock(*m_Report));
    EXPECT_EQ(std::string::npos, m_Log->Text().find("(!)")) << m_Log->Text();
}

}  // namespace
