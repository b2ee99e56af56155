#pragma once
#include <csl/DbQuery/AdoPtr.h>
#include <csl/const_string.h>

class DbConnection;

// The result of a query. It keeps its connection locked from creation to destruction, so the
// rows belong to the statement that made them; every copy holds the lock once more. When it
// is made from a result it writes the current row to the log.
class TDbRecordset {
public:
    // No result and no connection: the target of an assignment. Logs under "[SQL] " when
    // the debug log has a writer now.
    TDbRecordset();
    TDbRecordset(const _RecordsetPtr& iRecordset, DbConnection* iConnection, bool iSqlLogging);
    // A result that arrived without a connection (from a server's interface): it logs under
    // "[SQL] " when the debug log has a writer now.
    explicit TDbRecordset(const _RecordsetPtr& iRecordset);
    TDbRecordset(const TDbRecordset& iOther);
    // Takes the other's result and a hold on its connection; keeps its own logging and prefix.
    TDbRecordset& operator=(const TDbRecordset& iOther);
    ~TDbRecordset();

    // The field of the current row by zero-based index.
    FieldPtr GetField(long iIndex) const;
    bool IsEOF() const;
    // Moves to the next row and logs it as the constructor logs the first.
    void MoveNext();
    // The recordset's Sort property, such as "Name Asc".
    void SetSort(const wchar_t* iSort);
    // For handing the result out: the pointer counts one reference of its own.
    _RecordsetPtr GetRecordset() const { return m_Recordset; }

    // One log line: the fields of the current row, or the end-of-result mark.
    void DumpCurrentRow() const;

private:
    void LockConnection() const;
    void UnlockConnection() const;

    _RecordsetPtr m_Recordset;
    DbConnection* m_Connection;
    bool m_SqlLogging;
    const_string m_LogPrefix;
};
