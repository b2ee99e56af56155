#include <csl/DbQuery/DbLog.h>

#include <csl/TDebugStream.h>

namespace {

// Category D: SQL statements.
const int kSqlCategory = 3;

}  // namespace

const const_string kDbDefaultLogPrefix("[SQL] ", 6);

bool DbLogApplies(bool iSqlLogging)
{
    return iSqlLogging && DebugLog().HasWriters() && DebugLog().IsCategoryOn(kSqlCategory);
}
