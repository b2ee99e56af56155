#include "CallerRestriction.h"

#include <csl/TDebugStream.h>

#include <comdef.h>

void RestrictToCaller(SummaryActivityRequest& ioRequest, unsigned long iCallerId)
{
    if (ioRequest.UserId == 0) {
        ioRequest.UserId = iCallerId;
        DebugLog() << "GetSummaryActivityData() UserId restricted to " << iCallerId << "\n";
    } else if (ioRequest.UserId != iCallerId) {
        _com_issue_error(E_ACCESSDENIED);
    }
}

void RestrictToCaller(const SummaryObjectRequest& iRequest, unsigned long iCallerId)
{
    if (iRequest.ObjectType == ZorvaneUser && iRequest.ObjectId != 0 && iRequest.ObjectId != iCallerId)
        _com_issue_error(E_ACCESSDENIED);
}
