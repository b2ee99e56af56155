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

SmartPtr<CDbQuery> BuildSummaryActivityQuery(const SummaryActivityRequest& iRequest, bool iRestricted,
                                             const TQueryDialect& iDialect)
{
    const unsigned long type = static_cast<unsigned long>(iRequest.ObjectType);
    if (type > ZorvaneYearsDistribution)
        _com_issue_error(E_NOTIMPL);
    return type <= ZorvaneDocument ? BuildObjectSummary(iRequest, iRestricted, iDialect)
                                   : BuildDistribution(iRequest, iDialect);
}

TDbRecordset RunSummaryActivityQuery(const SummaryActivityRequest& iRequest, bool iRestricted)
{
    const SmartPtr<CDbQuery> query = BuildSummaryActivityQuery(iRequest, iRestricted, TQueryDialect::Current());
    return TDbCommand(*query).ExecuteRecordset();
}
