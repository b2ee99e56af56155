#pragma once
#include <memory>

#include "ComObject.h"
#include "OdbcConnection.h"
#include "OdbcFailure.h"

namespace ado {

// A connection to a database through ODBC. Its Errors hold the driver's diagnostics of the
// last operation that reached the driver.
class ConnectionObject : public DispatchObject<_Connection> {
public:
    HRESULT STDMETHODCALLTYPE get_CursorLocation(CursorLocationEnum* location) override;
    HRESULT STDMETHODCALLTYPE put_CursorLocation(CursorLocationEnum location) override;
    HRESULT STDMETHODCALLTYPE get_State(long* state) override;
    HRESULT STDMETHODCALLTYPE Open(BSTR connectionString, BSTR user, BSTR password, long options) override;
    HRESULT STDMETHODCALLTYPE Close() override;
    HRESULT STDMETHODCALLTYPE BeginTrans(long* level) override;
    HRESULT STDMETHODCALLTYPE CommitTrans() override;
    HRESULT STDMETHODCALLTYPE RollbackTrans() override;
    HRESULT STDMETHODCALLTYPE Execute(BSTR commandText, VARIANT* recordsAffected, long options,
                                      _Recordset** recordset) override;
    HRESULT STDMETHODCALLTYPE get_Errors(Errors** errors) override;

    // Runs a statement for this connection or a command on it. The options are adCmdText or
    // adCmdUnspecified, optionally with adExecuteNoRecords, which returns no recordset.
    void ExecuteStatement(const std::wstring& sql, const std::vector<BoundValue>& parameters, long options,
                          VARIANT* recordsAffected, _Recordset** recordset);

private:
    // Runs one step on the open connection, keeping the driver's diagnostics if it fails.
    template <class Step>
    auto OnDriver(Step&& step)
    {
        errors_.clear();
        if (!odbc_)
            throw AdoError(adErrObjectClosed, L"The connection is closed");
        try {
            return step(*odbc_);
        } catch (const OdbcFailure& failure) {
            errors_ = failure.Records();
            throw;
        }
    }

    CursorLocationEnum location_ = adUseServer;
    std::unique_ptr<OdbcConnection> odbc_;
    std::vector<ErrorRecord> errors_;
};

}  // namespace ado
