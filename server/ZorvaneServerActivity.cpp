#include "ZorvaneServer.h"

#include "ActivityStorage.h"
#include "ComMethodResult.h"

#include <csl/CallFailure.h>
#include <csl/DbQuery/DbUnavailable.h>
#include <csl/TSeTranslatorGuard.h>

namespace {

// The answer to a failure while storing. A database that was not reached or stayed locked
// stored nothing: the reporter is told so, and keeps the record for a later call instead of
// taking the failure for a refusal of the record.
HRESULT StoringResult(const char* iMethod)
{
    const HRESULT result = ComMethodResult(iMethod);
    return DatabaseUnavailableFailure() ? ZV_E_DATABASE_UNAVAILABLE : result;
}

}  // namespace

STDMETHODIMP CZorvaneServer::ReportActivity(DATE iStartTime, BSTR iComputer, BSTR iUser, BSTR iProcess, long iTimeSpent,
                                            long iKeyboardEvents, long iMouseEvents, BSTR iDescription,
                                            long* oNeedMoreInformation)
{
    if (!oNeedMoreInformation)
        return E_POINTER;
    *oNeedMoreInformation = 0;
    TSeTranslatorGuard guard;
    try {
        const TActivityRecord record = {iStartTime, _bstr_t(iComputer), _bstr_t(iUser), _bstr_t(iProcess),
                                        iTimeSpent, iKeyboardEvents,    iMouseEvents,   _bstr_t(iDescription)};
        *oNeedMoreInformation = StoreActivity(m_ReportConnection, record) ? 1 : 0;
        return S_OK;
    } catch (...) {
        return StoringResult("ReportActivity");
    }
}

STDMETHODIMP CZorvaneServer::SendProcessInformation(BSTR iProcess, BSTR iDescription, SAFEARRAY* iIcon)
{
    TSeTranslatorGuard guard;
    try {
        StoreProcessInformation(m_ReportConnection, _bstr_t(iProcess), _bstr_t(iDescription), iIcon);
        return S_OK;
    } catch (...) {
        return StoringResult("SendProcessInformation");
    }
}
