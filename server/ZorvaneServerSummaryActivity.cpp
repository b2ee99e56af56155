#include "ZorvaneServer.h"

STDMETHODIMP CZorvaneServer::GetSummaryActivityData(SummaryActivityRequest*, _Recordset** oData)
{
    if (oData)
        *oData = nullptr;
    return E_NOTIMPL;
}
