#include "ZorvaneServer.h"

STDMETHODIMP CZorvaneServer::ReportActivity(DATE, BSTR, BSTR, BSTR, long, long, long, BSTR, long* oNeedMoreInformation)
{
    if (oNeedMoreInformation)
        *oNeedMoreInformation = 0;
    return E_NOTIMPL;
}

STDMETHODIMP CZorvaneServer::SendProcessInformation(BSTR, BSTR, SAFEARRAY*)
{
    return E_NOTIMPL;
}
