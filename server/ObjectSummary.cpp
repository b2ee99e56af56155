// Summaries per user, computer, program or document.
#include "ActivityFilter.h"
#include "QuerySources.h"
#include "SummaryActivityQuery.h"

#include <string>

namespace {

// A kind of object whose distinct number is counted beside the sums.
struct TCounted {
    const char* Key;    // its column in Activity
    const char* Count;  // the result column
    const char* Alias;  // the alias of its count sub-query on Jet
};

const TCounted kProcesses = {"ProcessID", "Processes", "ProcessesTable"};
const TCounted kComputers = {"ComputerID", "Computers", "ComputersTable"};
const TCounted kUsers = {"UserID", "Users", "UsersTable"};

struct TObjectKind {
    const char* Table;
    const char* NameColumn;
    const char* Key;
    const char* JoinCondition;
    unsigned long SummaryActivityRequest::*Id;
    const TCounted* Counted[2];
};

const TObjectKind kObjectKinds[] = {
    {"UserInfo",
     "UserName",
     "UserID",
     "Activity.UserID=UserInfo.ID",
     &SummaryActivityRequest::UserId,
     {&kProcesses, &kComputers}},
    {"ComputerInfo",
     "ComputerName",
     "ComputerID",
     "Activity.ComputerID=ComputerInfo.ID",
     &SummaryActivityRequest::ComputerId,
     {&kProcesses, &kUsers}},
    {"ProcessInfo",
     "ProcessName",
     "ProcessID",
     "Activity.ProcessID=ProcessInfo.ID",
     &SummaryActivityRequest::ProcessId,
     {&kUsers, &kComputers}},
    {"DocumentInfo",
     "DocumentName",
     "DocumentID",
     "Activity.DocumentID=DocumentInfo.ID",
     &SummaryActivityRequest::DocumentId,
     {&kUsers, &kComputers}},
};

std::string Column(const TObjectKind& iKind, const char* iColumn)
{
    return std::string(iKind.Table) + "." + iColumn;
}

// Every object is kept: the filters select the activity joined to it, not the objects, except
// the filter on the object's own ID.
void JoinAllObjects(CDbQuery& ioQuery, const SummaryActivityRequest& iRequest, const TObjectKind& iKind)
{
    CDbQueryWhere filters;
    AddActivityFilters(filters, iRequest, iKind.Id);
    if (filters.IsEmpty()) {
        ioQuery.GetFrom().JoinTable("Activity", iKind.JoinCondition, "LEFT OUTER");
    } else {
        SmartPtr<CDbQuery> activity(new CDbQuery);
        activity->GetFrom().AddTable("Activity");
        activity->GetWhere() = filters;
        ioQuery.GetFrom().JoinSubQuery(activity, iKind.JoinCondition, "LEFT OUTER", "Activity");
    }
    if (iRequest.*iKind.Id != 0)
        ioQuery.GetWhere().AddEqual(Column(iKind, "ID"), _variant_t(iRequest.*iKind.Id));
}

// Jet has no COUNT(DISTINCT ...): each count comes from a sub-query over the distinct pairs
// of the object and the counted kind, under the same sources and filters.
void JoinJetCount(CDbQuery& ioQuery, const CDbQuery& iSources, const TObjectKind& iKind, const TCounted& iCounted,
                  const char* iJoinKind)
{
    SmartPtr<CDbQuery> count(new CDbQuery);
    count->GetFrom().AddSubQuery(SelectDistinct(iSources, {iKind.Key, iCounted.Key}), "SubQuery");
    count->AddGroupColumn(iKind.Key);
    count->GetSelect().AddColumn(std::string("COUNT(") + iCounted.Key + ")", iCounted.Count);

    const std::string condition = Column(iKind, "ID") + "=" + iCounted.Alias + "." + iKind.Key;
    ioQuery.GetFrom().JoinSubQuery(count, condition, iJoinKind, iCounted.Alias);
}

}  // namespace

SmartPtr<CDbQuery> BuildObjectSummary(const SummaryActivityRequest& iRequest, bool iRestricted,
                                      const TQueryDialect& iDialect)
{
    const TObjectKind& kind = kObjectKinds[iRequest.ObjectType];
    // The objects kept without activity are everyone's: other users' computers, programs and
    // documents would show a restricted caller their names.
    const bool keepEmpty = iRequest.ReturnEmptyObjects != 0 && !iRestricted;
    SmartPtr<CDbQuery> query = NewActivitySums();
    query->GetFrom().AddTable(kind.Table);
    if (keepEmpty) {
        JoinAllObjects(*query, iRequest, kind);
    } else {
        AddActivityFilters(query->GetWhere(), iRequest);
        query->GetFrom().JoinTable("Activity", kind.JoinCondition, "INNER");
    }
    query->AddGroupColumn(Column(kind, "ID"));
    query->AddGroupColumn(Column(kind, kind.NameColumn), "Name");
    if (iRequest.ObjectType == ZorvaneProcess)
        query->AddGroupColumn("ProcessInfo.Description", "Description");

    if (iDialect.Kind == dbJet) {
        const SmartPtr<CDbQuery> sources = CopySources(*query);
        for (const TCounted* counted : kind.Counted)
            JoinJetCount(*query, *sources, kind, *counted, keepEmpty ? "LEFT OUTER" : "INNER");
        for (const TCounted* counted : kind.Counted)
            query->AddGroupColumn(counted->Count);
    } else {
        for (const TCounted* counted : kind.Counted)
            query->GetSelect().AddColumn(std::string("COUNT(DISTINCT ") + counted->Key + ")", counted->Count);
    }
    return query;
}
