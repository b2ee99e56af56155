#pragma once
#include <csl/const_string.h>

// The prefix of SQL log lines that belong to no connection.
extern const const_string kDbDefaultLogPrefix;

// SQL log lines are written when their owner logs SQL, the debug log has a writer and its
// category D is on.
bool DbLogApplies(bool iSqlLogging);
