#include "ZorvaneServer.h"

#include "CallerRestriction.h"
#include "ComMethodResult.h"
#include "SummaryObjectQuery.h"

#include <csl/TSeTranslatorGuard.h>

STDMETHODIMP CZorvaneServer::GetSummaryObjectData(SummaryObjectRequest* ioObjectRequest, _Recordset** oData)
{
    TSeTranslatorGuard guard;
    if (!ioObjectRequest || !oData)
        return E_POINTER;
    *oData = nullptr;
    try {
        unsigned long callerId = 0;
        const bool restricted = CheckCaller(callerId);
        if (restricted)
            RestrictToCaller(*ioObjectRequest, callerId);
        *oData = RunSummaryObjectQuery(*ioObjectRequest, restricted ? callerId : 0).GetRecordset().Detach();
        return S_OK;
    } catch (...) {
        return ComMethodResult("GetSummaryObjectData");
    }
}
