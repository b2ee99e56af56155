// Summaries per user, computer, program or document.
#include "ActivityFilter.h"
#include "QuerySources.h"
#include "SummaryActivityQuery.h"
#include "SummaryObjects.h"

#include <string>

namespace {

// A type of object with the filter on its own ID and the two other kinds counted beside its sums.
struct TObjectKind {
    unsigned long SummaryActivityRequest::*Id;
    const TCountedObject* Counted[2];
};

const TObjectKind kObjectKinds[] = {
    {&SummaryActivityRequest::UserId, {&kCountedProcesses, &kCountedComputers}},
    {&SummaryActivityRequest::ComputerId, {&kCountedProcesses, &kCountedUsers}},
    {&SummaryActivityRequest::ProcessId, {&kCountedUsers, &kCountedComputers}},
    {&SummaryActivityRequest::DocumentId, {&kCountedUsers, &kCountedComputers}},
};

std::string Column(const TObjectTable& iTable, const char* iColumn)
{
    return std::string(iTable.Table) + "." + iColumn;
}

// Every object is kept: the filters select the activity joined to it, not the objects, except
// the filter on the object's own ID.
void JoinAllObjects(CDbQuery& ioQuery, const SummaryActivityRequest& iRequest, const TObjectTable& iTable,
                    const TObjectKind& iKind)
{
    CDbQueryWhere filters;
    AddActivityFilters(filters, iRequest, iKind.Id);
    const std::string join = ActivityJoin(iTable, Column(iTable, "ID"));
    if (filters.IsEmpty()) {
        ioQuery.GetFrom().JoinTable("Activity", join, "LEFT OUTER");
    } else {
        SmartPtr<CDbQuery> activity(new CDbQuery);
        activity->GetFrom().AddTable("Activity");
        activity->GetWhere() = filters;
        ioQuery.GetFrom().JoinSubQuery(activity, join, "LEFT OUTER", "Activity");
    }
    if (iRequest.*iKind.Id != 0)
        ioQuery.GetWhere().AddEqual(Column(iTable, "ID"), _variant_t(iRequest.*iKind.Id));
}

}  // namespace

SmartPtr<CDbQuery> BuildObjectSummary(const SummaryActivityRequest& iRequest, bool iRestricted,
                                      const TQueryDialect& iDialect)
{
    const TObjectTable& table = ObjectTable(iRequest.ObjectType);
    const TObjectKind& kind = kObjectKinds[iRequest.ObjectType];
    // The objects kept without activity are everyone's: other users' computers, programs and
    // documents would show a restricted caller their names.
    const bool keepEmpty = iRequest.ReturnEmptyObjects != 0 && !iRestricted;
    SmartPtr<CDbQuery> query = NewActivitySums();
    query->GetFrom().AddTable(table.Table);
    if (keepEmpty) {
        JoinAllObjects(*query, iRequest, table, kind);
    } else {
        AddActivityFilters(query->GetWhere(), iRequest);
        query->GetFrom().JoinTable("Activity", ActivityJoin(table, Column(table, "ID")), "INNER");
    }
    query->AddGroupColumn(Column(table, "ID"));
    query->AddGroupColumn(Column(table, table.NameColumn), "Name");
    if (iRequest.ObjectType == ZorvaneProcess)
        query->AddGroupColumn("ProcessInfo.Description", "Description");

    if (iDialect.Kind == dbJet) {
        const SmartPtr<CDbQuery> sources = CopySources(*query);
        for (const TCountedObject* counted : kind.Counted)
            JoinJetCount(*query, *sources, table.Key, table.Key, Column(table, "ID"), *counted,
                         keepEmpty ? "LEFT OUTER" : "INNER");
        for (const TCountedObject* counted : kind.Counted)
            query->AddGroupColumn(counted->Name);
    } else {
        for (const TCountedObject* counted : kind.Counted)
            query->GetSelect().AddColumn(std::string("COUNT(DISTINCT ") + counted->Key + ")", counted->Name);
    }
    return query;
}
