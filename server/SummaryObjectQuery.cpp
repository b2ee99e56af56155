#include "SummaryObjectQuery.h"

#include "ActivityFilter.h"
#include "QuerySources.h"
#include "SummaryObjects.h"

#include <csl/DbQuery/TDbCommand.h>

#include <comdef.h>

#include <string>

namespace {

// The kinds of object counted in the totals, in the order of their columns; "Total" + Name
// over all activity.
const TCountedObject* const kCounted[] = {&kCountedUsers, &kCountedProcesses, &kCountedComputers, &kCountedDocuments};

// The sums and the first and last start, each column named with the prefix.
void AddSums(CDbQuerySelect& ioSelect, const std::string& iPrefix)
{
    ioSelect.AddColumn("SUM(Activity.TimeSpent)", iPrefix + "TimeSpent");
    ioSelect.AddColumn("SUM(KeyboardEvents)", iPrefix + "KeyboardEvents");
    ioSelect.AddColumn("SUM(MouseEvents)", iPrefix + "MouseEvents");
    ioSelect.AddColumn("MIN(StartTime)", iPrefix + "MinDate");
    ioSelect.AddColumn("MAX(StartTime)", iPrefix + "MaxDate");
}

void AddDistinctCounts(CDbQuerySelect& ioSelect, const std::string& iPrefix)
{
    for (const TCountedObject* counted : kCounted)
        ioSelect.AddColumn(std::string("COUNT(DISTINCT ") + counted->Key + ")", iPrefix + counted->Name);
}

// Jet has no COUNT(DISTINCT ...): every count, and the sums, come from a one-row sub-query,
// so that the totals are one row even when no activity matches.
SmartPtr<CDbQuery> JetTotals(const CDbQuery& iBase)
{
    SmartPtr<CDbQuery> totals(new CDbQuery);
    for (const TCountedObject* counted : kCounted) {
        SmartPtr<CDbQuery> count(new CDbQuery);
        count->GetFrom().AddSubQuery(SelectDistinct(iBase, {counted->Key}), "SubQuery");
        count->GetSelect().AddColumn(std::string("COUNT(") + counted->Key + ")", std::string("Total") + counted->Name);
        totals->GetFrom().AddSubQuery(count, std::string("SubQuery") + counted->Name);
        totals->GetSelect().AddPlainColumn(std::string("Total") + counted->Name);
    }
    const SmartPtr<CDbQuery> sums = CopySources(iBase);
    AddSums(sums->GetSelect(), "Total");
    totals->GetFrom().AddSubQuery(sums, "SubQueryTotals");
    for (const char* column : {"TimeSpent", "KeyboardEvents", "MouseEvents", "MinDate", "MaxDate"})
        totals->GetSelect().AddPlainColumn(std::string("Total") + column);
    return totals;
}

SmartPtr<CDbQuery> Totals(const SmartPtr<CDbQuery>& iBase, DbType iKind)
{
    if (iKind == dbJet)
        return JetTotals(*iBase);
    AddDistinctCounts(iBase->GetSelect(), "Total");
    AddSums(iBase->GetSelect(), "Total");
    return iBase;
}

// The object's four counts on Jet.
void JoinJetCounts(CDbQuery& ioQuery)
{
    const SmartPtr<CDbQuery> sources = CopySources(ioQuery);
    for (const TCountedObject* counted : kCounted) {
        const std::string key = std::string(counted->Name) + "ObjectID";
        JoinJetCount(ioQuery, *sources, "ObjectData.ID AS " + key, key, "ObjectData.ID", *counted, "INNER");
    }
    for (const TCountedObject* counted : kCounted)
        ioQuery.AddGroupColumn(counted->Name);
}

// One object's totals, followed by its own row.
SmartPtr<CDbQuery> ObjectTotals(const SmartPtr<CDbQuery>& iBase, const TObjectTable& iTable, DbType iKind)
{
    iBase->GetSelect().AddColumn("ObjectData.ID", "ObjectID");
    iBase->GetGroup().AddColumn("ObjectData.ID");
    if (iKind == dbJet)
        JoinJetCounts(*iBase);
    else
        AddDistinctCounts(iBase->GetSelect(), "");
    AddSums(iBase->GetSelect(), "");

    SmartPtr<CDbQuery> withRow(new CDbQuery);
    withRow->GetFrom().AddSubQuery(iBase, "InnerQuery");
    withRow->GetFrom().JoinTable(iTable.Table, "InnerQuery.ObjectID=ObjectData.ID", "INNER", "ObjectData");
    return withRow;
}

}  // namespace

SmartPtr<CDbQuery> BuildSummaryObjectQuery(const SummaryObjectRequest& iRequest, unsigned long iUserId,
                                           const TQueryDialect& iDialect)
{
    const bool oneObject = iRequest.ObjectId != 0;
    if (oneObject && static_cast<unsigned long>(iRequest.ObjectType) > ZorvaneDocument)
        _com_issue_error(E_NOTIMPL);
    SmartPtr<CDbQuery> base(new CDbQuery);
    base->GetFrom().AddTable("Activity");
    if (oneObject) {
        const TObjectTable& table = ObjectTable(iRequest.ObjectType);
        base->GetWhere().AddEqual("ObjectData.ID", _variant_t(iRequest.ObjectId));
        base->GetFrom().JoinTable(table.Table, ActivityJoin(table, "ObjectData.ID"), "INNER", "ObjectData");
    }
    AddPeriodFilter(base->GetWhere(), iRequest.TimeStart, iRequest.TimeEnd);
    if (iUserId != 0)
        base->GetWhere().AddEqual("Activity.UserID", _variant_t(iUserId));
    return oneObject ? ObjectTotals(base, ObjectTable(iRequest.ObjectType), iDialect.Kind)
                     : Totals(base, iDialect.Kind);
}

TDbRecordset RunSummaryObjectQuery(const SummaryObjectRequest& iRequest, unsigned long iUserId)
{
    const SmartPtr<CDbQuery> query = BuildSummaryObjectQuery(iRequest, iUserId, TQueryDialect::Current());
    return TDbCommand(*query).ExecuteRecordset();
}
