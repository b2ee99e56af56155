#pragma once
#include <csl/DbQuery/AdoPtr.h>
#include <csl/DbQuery/TDbRecordset.h>

class DbConnection;
class EGeneric;
class IDbQuery;

// One SQL statement with positional "?" parameters, on the connection that is the thread's
// current one when the command is made. Every run locks the connection, opens it when
// needed, logs the statement with its values and, outside a transaction, tries once more
// after the connection was found lost. A failure leaves as a plain EGeneric that carries
// the connection's error details.
class TDbCommand {
public:
    TDbCommand();
    template <class... TValues>
    explicit TDbCommand(const _bstr_t& iText, const TValues&... iValues) : TDbCommand()
    {
        SetCommandText(iText);
        (AddParameter(_variant_t(iValues)), ...);
    }
    // The rendered query, with its values bound in the order of their placeholders.
    explicit TDbCommand(const IDbQuery& iQuery);
    TDbCommand(const TDbCommand&) = delete;
    TDbCommand& operator=(const TDbCommand&) = delete;

    void SetCommandText(const _bstr_t& iText);
    // Appends the next positional parameter; its type follows the value's (NULL, an empty
    // text and an object of no known kind are bound as NULL).
    _ParameterPtr AddParameter(const _variant_t& iValue);

    TDbRecordset ExecuteRecordset();
    // The first field of the first row; empty when there is no row.
    _variant_t ExecuteScalar();
    // The number of rows the statement affected.
    long ExecuteNonQuery();
    void Execute();
    // Runs an INSERT and answers the ID of the new row.
    long ExecuteInsert();

    // The statement line of the log: prefix, text, and the values in braces.
    void LogCommand();

private:
    template <class TStep>
    auto Run(TStep iStep) -> decltype(iStep());
    void PrepareAttempt();
    bool MayRetry(int iAttempt) const;
    void ReportErrors(EGeneric& ioException);
    _RecordsetPtr ExecuteCommand(long iOptions, _variant_t* oRecordsAffected = nullptr);
    TDbRecordset Wrap(const _RecordsetPtr& iRecordset);
    std::string ParameterTexts();

    bool m_SqlLogging;
    DbConnection* m_Connection;
    _CommandPtr m_Command;
};
