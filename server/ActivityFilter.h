#pragma once
#include <csl/DbQuery/CDbQueryWhere.h>

#include <zorvane.h>

// The period condition on Activity.StartTime: from the start, up to the end, or between both;
// a bound of 0 leaves that side open.
void AddPeriodFilter(CDbQueryWhere& ioWhere, DATE iStart, DATE iEnd);

// The period and the computer, user, program and document IDs of the request (an ID of 0
// selects every one), as conditions on Activity. iLeftOut names one ID field that is not
// added (null: none).
void AddActivityFilters(CDbQueryWhere& ioWhere, const SummaryActivityRequest& iRequest,
                        unsigned long SummaryActivityRequest::*iLeftOut = nullptr);
