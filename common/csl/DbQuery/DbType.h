#pragma once
#include <string>

// The kind of database a connection talks to; statements that differ between kinds choose
// their SQL by it.
enum DbType {
    dbUnknown = 0,
    dbJet = 1,
    dbSqlServer = 2,
    dbOracle = 3,
    dbSqlite = 4
};

// From the first "Provider" item of a connection string (the name compared without regard
// to case and without trimming); dbUnknown when there is none or it names no known kind.
DbType DetectDbType(const std::wstring& iConnectionString);
