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
    HRESULT STDMETHODCALLTYPE get_CursorLocation(CursorLocationEnum* oLocation) override;
    HRESULT STDMETHODCALLTYPE put_CursorLocation(CursorLocationEnum iLocation) override;
    HRESULT STDMETHODCALLTYPE get_State(long* oState) override;
    HRESULT STDMETHODCALLTYPE Open(BSTR iConnectionString, BSTR iUser, BSTR iPassword, long iOptions) override;
    HRESULT STDMETHODCALLTYPE Close() override;
    HRESULT STDMETHODCALLTYPE BeginTrans(long* oLevel) override;
    HRESULT STDMETHODCALLTYPE CommitTrans() override;
    HRESULT STDMETHODCALLTYPE RollbackTrans() override;
    HRESULT STDMETHODCALLTYPE Execute(BSTR iCommandText, VARIANT* oRecordsAffected, long iOptions,
                                      _Recordset** oRecordset) override;
    HRESULT STDMETHODCALLTYPE get_Errors(Errors** oErrors) override;

    // Runs a statement for this connection or a command on it. The options are adCmdText or
    // adCmdUnspecified, optionally with adExecuteNoRecords, which returns no recordset.
    void ExecuteStatement(const std::wstring& iSql, const std::vector<BoundValue>& iParameters, long iOptions,
                          VARIANT* oRecordsAffected, _Recordset** oRecordset);

private:
    // Runs one step on the open connection, keeping the driver's diagnostics if it fails.
    template <class Step>
    auto OnDriver(Step&& iStep)
    {
        m_Errors.clear();
        if (!m_Odbc)
            throw AdoError(adErrObjectClosed, L"The connection is closed");
        try {
            return iStep(*m_Odbc);
        } catch (const OdbcFailure& failure) {
            m_Errors = failure.Records();
            throw;
        }
    }

    CursorLocationEnum m_Location = adUseServer;
    std::unique_ptr<OdbcConnection> m_Odbc;
    std::vector<ErrorRecord> m_Errors;
};

}  // namespace ado
