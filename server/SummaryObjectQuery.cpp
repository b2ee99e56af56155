#include "SummaryObjectQuery.h"

#include "ActivityFilter.h"
#include "QuerySources.h"

#include <csl/DbQuery/TDbCommand.h>

#include <comdef.h>

#include <string>

namespace {

// A kind of object counted in the totals.
struct TCounted {
    const char* Key;
    const char* Name;  // the count's name; "Total" + Name over all activity
};

const TCounted kCounted[] = {
    {"UserID", "Users"}, {"ProcessID", "Processes"}, {"ComputerID", "Computers"}, {"DocumentID", "Documents"}};

struct TInfoTable {
    const char* Table;
    const char* JoinCondition;
};

const TInfoTable kInfoTables[] = {
    {"UserInfo", "Activity.UserID=ObjectData.ID"},
    {"ComputerInfo", "Activity.ComputerID=ObjectData.ID"},
    {"ProcessInfo", "Activity.ProcessID=ObjectData.ID"},
    {"DocumentInfo", "Activity.DocumentID=ObjectData.ID"},
};

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
    for (const TCounted& counted : kCounted)
        ioSelect.AddColumn(std::string("COUNT(DISTINCT ") + counted.Key + ")", iPrefix + counted.Name);
}

// Jet has no COUNT(DISTINCT ...): every count, and the sums, come from a one-row sub-query,
// so that the totals are one row even when no activity matches.
SmartPtr<CDbQuery> JetTotals(const CDbQuery& iBase)
{
    SmartPtr<CDbQuery> totals(new CDbQuery);
    for (const TCounted& counted : kCounted) {
        SmartPtr<CDbQuery> count(new CDbQuery);
        count->GetFrom().AddSubQuery(SelectDistinct(iBase, {counted.Key}), "SubQuery");
        count->GetSelect().AddColumn(std::string("COUNT(") + counted.Key + ")", std::string("Total") + counted.Name);
        totals->GetFrom().AddSubQuery(count, std::string("SubQuery") + counted.Name);
        totals->GetSelect().AddPlainColumn(std::string("Total") + counted.Name);
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

// The object's four counts on Jet, each from a sub-query over the distinct pairs of the object
// and the counted kind.
void JoinJetCounts(CDbQuery& ioQuery)
{
    const SmartPtr<CDbQuery> sources = CopySources(ioQuery);
    for (const TCounted& counted : kCounted) {
        const std::string key = std::string(counted.Name) + "ObjectID";
        const std::string alias = std::string(counted.Name) + "Table";
        const SmartPtr<CDbQuery> pairs = SelectDistinct(*sources, {"ObjectData.ID AS " + key, counted.Key});
        SmartPtr<CDbQuery> count(new CDbQuery);
        count->GetFrom().AddSubQuery(pairs, "SubQuery");
        count->AddGroupColumn(key);
        count->GetSelect().AddColumn(std::string("COUNT(") + counted.Key + ")", counted.Name);
        ioQuery.GetFrom().JoinSubQuery(count, "ObjectData.ID=" + alias + "." + key, "INNER", alias);
    }
    for (const TCounted& counted : kCounted)
        ioQuery.AddGroupColumn(counted.Name);
}

// One object's totals, followed by its own row.
SmartPtr<CDbQuery> ObjectTotals(const SmartPtr<CDbQuery>& iBase, const TInfoTable& iTable, DbType iKind)
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
        const TInfoTable& table = kInfoTables[iRequest.ObjectType];
        base->GetWhere().AddEqual("ObjectData.ID", _variant_t(iRequest.ObjectId));
        base->GetFrom().JoinTable(table.Table, table.JoinCondition, "INNER", "ObjectData");
    }
    AddPeriodFilter(base->GetWhere(), iRequest.TimeStart, iRequest.TimeEnd);
    if (iUserId != 0)
        base->GetWhere().AddEqual("Activity.UserID", _variant_t(iUserId));
    return oneObject ? ObjectTotals(base, kInfoTables[iRequest.ObjectType], iDialect.Kind)
                     : Totals(base, iDialect.Kind);
}

TDbRecordset RunSummaryObjectQuery(const SummaryObjectRequest& iRequest, unsigned long iUserId)
{
    const SmartPtr<CDbQuery> query = BuildSummaryObjectQuery(iRequest, iUserId, TQueryDialect::Current());
    return TDbCommand(*query).ExecuteRecordset();
}
