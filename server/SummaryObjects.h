#pragma once
#include <csl/DbQuery/CDbQuery.h>

#include <zorvane.h>

#include <string>

// The table of one type of object: users, computers, programs or documents.
struct TObjectTable {
    const char* Table;
    const char* NameColumn;
    const char* Key;  // its column in Activity
};

// The table of a type up to ZorvaneDocument.
const TObjectTable& ObjectTable(ZorvaneObjectType iType);
// "Activity.<Key>=<iObjectId>": the activity of the object whose ID is iObjectId.
std::string ActivityJoin(const TObjectTable& iTable, const std::string& iObjectId);

// A kind of object whose distinct number a summary counts.
struct TCountedObject {
    const char* Key;   // its column in Activity
    const char* Name;  // the count's column
};

extern const TCountedObject kCountedUsers;
extern const TCountedObject kCountedComputers;
extern const TCountedObject kCountedProcesses;
extern const TCountedObject kCountedDocuments;

// Jet has no COUNT(DISTINCT ...): the count of iCounted per object comes from a sub-query over
// the distinct pairs of the object (iObjectColumn of iSources, iObjectKey in the pairs) and
// the counted kind, joined to ioQuery on iObjectId under the alias of the count's name and
// "Table".
void JoinJetCount(CDbQuery& ioQuery, const CDbQuery& iSources, const std::string& iObjectColumn,
                  const std::string& iObjectKey, const std::string& iObjectId, const TCountedObject& iCounted,
                  const char* iJoinKind);
