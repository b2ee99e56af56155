#pragma once
#include "TQueryDialect.h"

#include <csl/DbQuery/CDbQuery.h>
#include <csl/DbQuery/TDbRecordset.h>

#include <zorvane.h>

// The statement of a summary of activity: time spent and input counts per user, computer,
// program or document (with the numbers of distinct others that took part), or spread over
// the hours, week days, month days, months or years of the period. An ObjectType beyond
// the years raises E_NOTIMPL. FirstEntry and EntriesCount are not looked at. iRestricted
// tells that the caller sees only his own activity (the request's UserId is his): objects
// without it are then not returned, whatever ReturnEmptyObjects says.
SmartPtr<CDbQuery> BuildSummaryActivityQuery(const SummaryActivityRequest& iRequest, bool iRestricted,
                                             const TQueryDialect& iDialect);

// Builds the statement for the thread's current connection and runs it there.
TDbRecordset RunSummaryActivityQuery(const SummaryActivityRequest& iRequest, bool iRestricted);

// The two families of the statement.
SmartPtr<CDbQuery> BuildObjectSummary(const SummaryActivityRequest& iRequest, bool iRestricted,
                                      const TQueryDialect& iDialect);
SmartPtr<CDbQuery> BuildDistribution(const SummaryActivityRequest& iRequest, const TQueryDialect& iDialect);

// A query whose first columns are the sums of Activity's time and input counts.
SmartPtr<CDbQuery> NewActivitySums();
