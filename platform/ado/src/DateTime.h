#pragma once
#include <ado.h>
#include <sql.h>
#include <sqlext.h>

namespace ado {

// Automation dates (days since 30 December 1899, the fraction the time of day, which counts
// forward also for negative days) to and from ODBC timestamps, to the millisecond.
SQL_TIMESTAMP_STRUCT ToTimestamp(DATE iDate);
DATE FromTimestamp(const SQL_TIMESTAMP_STRUCT& iTimestamp);

}  // namespace ado
