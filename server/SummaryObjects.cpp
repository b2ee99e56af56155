#include "SummaryObjects.h"

#include "QuerySources.h"

namespace {

const TObjectTable kObjectTables[] = {
    {"UserInfo", "UserName", "UserID"},
    {"ComputerInfo", "ComputerName", "ComputerID"},
    {"ProcessInfo", "ProcessName", "ProcessID"},
    {"DocumentInfo", "DocumentName", "DocumentID"},
};

}  // namespace

const TCountedObject kCountedUsers = {"UserID", "Users"};
const TCountedObject kCountedComputers = {"ComputerID", "Computers"};
const TCountedObject kCountedProcesses = {"ProcessID", "Processes"};
const TCountedObject kCountedDocuments = {"DocumentID", "Documents"};

const TObjectTable& ObjectTable(ZorvaneObjectType iType)
{
    return kObjectTables[iType];
}

std::string ActivityJoin(const TObjectTable& iTable, const std::string& iObjectId)
{
    return std::string("Activity.") + iTable.Key + "=" + iObjectId;
}

void JoinJetCount(CDbQuery& ioQuery, const CDbQuery& iSources, const std::string& iObjectColumn,
                  const std::string& iObjectKey, const std::string& iObjectId, const TCountedObject& iCounted,
                  const char* iJoinKind)
{
    const std::string alias = std::string(iCounted.Name) + "Table";
    SmartPtr<CDbQuery> count(new CDbQuery);
    count->GetFrom().AddSubQuery(SelectDistinct(iSources, {iObjectColumn, iCounted.Key}), "SubQuery");
    count->AddGroupColumn(iObjectKey);
    count->GetSelect().AddColumn(std::string("COUNT(") + iCounted.Key + ")", iCounted.Name);
    ioQuery.GetFrom().JoinSubQuery(count, iObjectId + "=" + alias + "." + iObjectKey, iJoinKind, alias);
}
