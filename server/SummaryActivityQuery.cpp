#include "SummaryActivityQuery.h"

#include <csl/DbQuery/TDbCommand.h>

#include <comdef.h>

SmartPtr<CDbQuery> NewActivitySums()
{
    SmartPtr<CDbQuery> query(new CDbQuery);
    query->GetSelect().AddColumn("SUM(Activity.TimeSpent)", "TimeSpent");
    query->GetSelect().AddColumn("SUM(Activity.KeyboardEvents)", "KeyboardEvents");
    query->GetSelect().AddColumn("SUM(Activity.MouseEvents)", "MouseEvents");
    return query;
}

SmartPtr<CDbQuery> BuildSummaryActivityQuery(const SummaryActivityRequest& iRequest, const TQueryDialect& iDialect)
{
    const unsigned long type = static_cast<unsigned long>(iRequest.ObjectType);
    if (type > ZorvaneYearsDistribution)
        _com_issue_error(E_NOTIMPL);
    return type <= ZorvaneDocument ? BuildObjectSummary(iRequest, iDialect) : BuildDistribution(iRequest, iDialect);
}

TDbRecordset RunSummaryActivityQuery(const SummaryActivityRequest& iRequest)
{
    const SmartPtr<CDbQuery> query = BuildSummaryActivityQuery(iRequest, TQueryDialect::Current());
    return TDbCommand(*query).ExecuteRecordset();
}
