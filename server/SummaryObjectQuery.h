#pragma once
#include "TQueryDialect.h"

#include <csl/DbQuery/CDbQuery.h>
#include <csl/DbQuery/TDbRecordset.h>

#include <zorvane.h>

// The statement of the totals of one object (ObjectId set: its distinct users, programs,
// computers and documents, sums, first and last start, then its own row) or of all activity
// (ObjectId 0: always one row). iUserId, when not 0, limits it to that user's activity.
// ObjectId set with an ObjectType beyond the documents raises E_NOTIMPL.
SmartPtr<CDbQuery> BuildSummaryObjectQuery(const SummaryObjectRequest& iRequest, unsigned long iUserId,
                                           const TQueryDialect& iDialect);

// Builds the statement for the thread's current connection and runs it there.
TDbRecordset RunSummaryObjectQuery(const SummaryObjectRequest& iRequest, unsigned long iUserId);
