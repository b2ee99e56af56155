#include "ZorvaneServer.h"

STDMETHODIMP CZorvaneServer::GetSummaryObjectData(SummaryObjectRequest*, _Recordset** oData)
{
    if (oData)
        *oData = nullptr;
    return E_NOTIMPL;
}
