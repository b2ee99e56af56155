#include "ZorvaneServer.h"

#include "CallerCheck.h"
#include "CallerRestriction.h"
#include "ComMethodResult.h"
#include "SummaryActivityQuery.h"

#include <csl/TSeTranslatorGuard.h>

void CZorvaneServer::SetCallerToken(std::unique_ptr<ICallerToken> iTokens)
{
    m_CallerToken = std::move(iTokens);
}

bool CZorvaneServer::CheckCaller(unsigned long& oUserId)
{
    return TCallerCheck(*m_CallerToken, GetAdministratorsSid()).CheckCaller(oUserId);
}

STDMETHODIMP CZorvaneServer::GetSummaryActivityData(SummaryActivityRequest* ioActivityRequest, _Recordset** oData)
{
    TSeTranslatorGuard guard;
    if (!ioActivityRequest || !oData)
        return E_POINTER;
    *oData = nullptr;
    try {
        unsigned long callerId = 0;
        const bool restricted = CheckCaller(callerId);
        if (restricted)
            RestrictToCaller(*ioActivityRequest, callerId);
        *oData = RunSummaryActivityQuery(*ioActivityRequest, restricted).GetRecordset().Detach();
        return S_OK;
    } catch (...) {
        return ComMethodResult("GetSummaryActivityData");
    }
}
