#include <csl/DbQuery/TDbTransaction.h>

#include <csl/DbQuery/DbConnection.h>
#include <csl/DbQuery/DbConnectionHost.h>
#include <csl/EGeneric.h>
#include <csl/TDebugStream.h>

TDbTransaction::TDbTransaction(DbConnection& iConnection)
    : m_Connection(iConnection), m_Previous(GetThreadConnection()), m_Committed(false), m_Outermost(false)
{
    Begin();
    if (&m_Connection != &m_Previous)
        SetThreadConnection(&m_Connection);
}

TDbTransaction::TDbTransaction()
    : m_Connection(GetThreadConnection()), m_Previous(m_Connection), m_Committed(false), m_Outermost(false)
{
    Begin();
}

// A connection left closed by a failed reopen would otherwise refuse every later scope.
void TDbTransaction::Begin()
{
    m_Connection.Lock();
    try {
        m_Connection.Open();
        m_Outermost = !m_Connection.InTransaction();
        m_Connection.BeginTrans();
    } catch (...) {
        CloseIfLost();
        m_Connection.Unlock();
        throw;
    }
}

void TDbTransaction::Commit()
{
    if (m_Committed)
        throw EGeneric({TNamedValue("Text", "Condition not meet"), TNamedValue("Condition", "!Committed"),
                        TNamedValue("SourceFunction", "TDbTransaction::Commit")});
    m_Connection.CommitTrans();
    m_Committed = true;
}

// A commit here could throw during unwinding, and would keep half of the work of a scope
// that an exception cut short.
TDbTransaction::~TDbTransaction()
{
    if (!m_Committed)
        Rollback();
    try {
        if (&m_Previous != &m_Connection)
            SetThreadConnection(&m_Previous);
        m_Connection.Unlock();
    } catch (const std::exception& e) {
        DebugLog() << "(!) TDbTransaction::~TDbTransaction() " << e << "\n";
    }
}

// Closing a lost connection ends its transaction as well; the errors that tell it is lost are
// those of the statement that failed, or else those of the rollback.
void TDbTransaction::Rollback()
{
    if (CloseIfLost())
        return;
    try {
        m_Connection.RollbackTrans();
    } catch (const std::exception& e) {
        DebugLog() << "(!) TDbTransaction::~TDbTransaction() rollback failed: " << e << "\n";
        CloseIfLost();
    } catch (...) {
        DebugLog() << "(!) TDbTransaction::~TDbTransaction() rollback failed\n";
        CloseIfLost();
    }
}

// An inner scope leaves the connection to the scope around it.
bool TDbTransaction::CloseIfLost()
{
    return m_Outermost && m_Connection.CloseIfLost();
}
