#include "ActivityFilter.h"

namespace {

const char kStartTime[] = "Activity.StartTime";

_variant_t DateValue(DATE iDate)
{
    return _variant_t(iDate, VT_DATE);
}

}  // namespace

void AddPeriodFilter(CDbQueryWhere& ioWhere, DATE iStart, DATE iEnd)
{
    if (iStart != 0 && iEnd == 0)
        ioWhere.AddCompare(kStartTime, ">=", DateValue(iStart));
    else if (iStart != 0 && iEnd != 0)
        ioWhere.AddBetween(kStartTime, DateValue(iStart), DateValue(iEnd));
    else if (iStart == 0 && iEnd != 0)
        ioWhere.AddCompare(kStartTime, "<=", DateValue(iEnd));
}

void AddActivityFilters(CDbQueryWhere& ioWhere, const SummaryActivityRequest& iRequest,
                        unsigned long SummaryActivityRequest::*iLeftOut)
{
    static const struct {
        const char* Column;
        unsigned long SummaryActivityRequest::*Id;
    } kIds[] = {{"Activity.ComputerID", &SummaryActivityRequest::ComputerId},
                {"Activity.UserID", &SummaryActivityRequest::UserId},
                {"Activity.ProcessID", &SummaryActivityRequest::ProcessId},
                {"Activity.DocumentID", &SummaryActivityRequest::DocumentId}};
    AddPeriodFilter(ioWhere, iRequest.TimeStart, iRequest.TimeEnd);
    for (const auto& id : kIds) {
        if (id.Id != iLeftOut && iRequest.*id.Id != 0)
            ioWhere.AddEqual(id.Column, _variant_t(iRequest.*id.Id));
    }
}
