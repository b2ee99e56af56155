#include "ZorvaneServer.h"

#include "ActivityStorage.h"
#include "ComMethodResult.h"

#include <csl/TSeTranslatorGuard.h>

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
        return ComMethodResult("ReportActivity");
    }
}

STDMETHODIMP CZorvaneServer::SendProcessInformation(BSTR iProcess, BSTR iDescription, SAFEARRAY* iIcon)
{
    TSeTranslatorGuard guard;
    try {
        StoreProcessInformation(m_ReportConnection, _bstr_t(iProcess), _bstr_t(iDescription), iIcon);
        return S_OK;
    } catch (...) {
        return ComMethodResult("SendProcessInformation");
    }
}
