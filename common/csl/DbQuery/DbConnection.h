#pragma once
#include <csl/DbQuery/AdoPtr.h>
#include <csl/DbQuery/DbType.h>
#include <csl/DbQuery/TDbRecordset.h>
#include <csl/ILock.h>
#include <csl/TMultiLockEx.h>
#include <csl/const_string.h>

class EGeneric;

// One database connection with the lock that serialises its users (exclusive, re-entrant
// for the thread that holds it), the prefix of its log lines and the kind of its database.
// It opens lazily: every statement opens it when it is closed.
class DbConnection : public ILock {
public:
    // The prefix text must outlive the connection.
    explicit DbConnection(const _bstr_t& iConnectionString = _bstr_t(L""),
                          const const_string& iLogPrefix = const_string("", 0));
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;
    virtual ~DbConnection() = default;

    bool Lock(DWORD iTimeout) override { return m_Lock.Lock(iTimeout); }
    void Lock() override { m_Lock.Lock(); }
    void Unlock() override { m_Lock.Unlock(); }

    // Takes the kind from the new text; an open connection stays open on the old one.
    const _bstr_t& SetConnectionString(const _bstr_t& iConnectionString);
    void SetLogPrefix(const const_string& iLogPrefix) { m_LogPrefix = iLogPrefix; }

    // An open connection is left alone.
    void Open();
    // A closed connection is left alone.
    void Close();
    bool IsOpen();

    // Nested calls nest transactions; BeginTrans answers the new nesting level.
    long BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    // True while a transaction begun here is neither committed nor rolled back.
    bool InTransaction() const { return m_TransactionLevel > 0; }

    // Runs one text on the open connection, without parameters and without retry.
    TDbRecordset Execute(const _bstr_t& iSql);

    // Copies the connection's error details onto the exception; true when one of them says
    // the connection failed (E_FAIL), which makes a statement worth one more try.
    bool ReportErrors(EGeneric& ioException);
    bool IsConnectionLost();
    // Closes the connection when its errors say it was lost, so that the next statement opens
    // it anew; true when it did. Never throws: errors that cannot be read, or a close that
    // fails, leave the connection as it is.
    bool CloseIfLost();

    DbType GetDbType() const { return m_DbType; }
    const const_string& GetLogPrefix() const { return m_LogPrefix; }
    bool IsSqlLogging() const { return m_SqlLogging; }
    // True when this connection's SQL lines are to be written now.
    bool LogApplies() const;

    _Connection* GetAdoConnection() const { return AdoRequired(m_Connection.GetInterfacePtr()); }

private:
    typedef TMultiLockEx<_ml_notify, _ml_free_signal_event<_ml_single_owners_list<_ml_interlocked_inner_lock>>> TLock;

    // Reads the connection's errors, copying each onto the exception when one is given;
    // true when one of them is E_FAIL.
    bool ScanErrors(EGeneric* ioException);
    static void CopyError(Error& iError, long iNumber, EGeneric& ioException);
    void SendDateFirst();

    const_string m_LogPrefix;
    const bool m_SqlLogging;
    DbType m_DbType;
    _ConnectionPtr m_Connection;
    TLock m_Lock;
    _bstr_t m_ConnectionString;
    long m_TransactionLevel;
};
