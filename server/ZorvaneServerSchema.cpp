#include "ZorvaneServer.h"

#include "TLocaleDateNames.h"

#include <csl/DbQuery/TDbCommand.h>
#include <csl/DbQuery/TDbTransaction.h>
#include <csl/EGeneric.h>
#include <csl/TDebugStream.h>
#include <csl/ValueConversions.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace {

// Schema version 1 in Jet's dialect.
const char* const kJetTables[] = {
    "CREATE TABLE Config(DbVersion INT NULL)",
    "CREATE TABLE UserInfo(ID COUNTER PRIMARY KEY,UserName TEXT(64) NOT NULL UNIQUE)",
    "CREATE TABLE ComputerInfo(ID COUNTER PRIMARY KEY,ComputerName TEXT(64) NOT NULL UNIQUE)",
    "CREATE TABLE ProcessInfo(ID COUNTER PRIMARY KEY,ProcessName TEXT(255) NOT NULL UNIQUE,Description text(255),"
    "Icon OleObject)",
    "CREATE TABLE DocumentInfo(ID COUNTER PRIMARY KEY,DocumentName TEXT(255) NOT NULL UNIQUE)",
    "CREATE TABLE Activity(UserID INT NOT NULL REFERENCES UserInfo(ID), ComputerID INT NOT NULL REFERENCES "
    "ComputerInfo(ID), ProcessID INT NOT NULL REFERENCES ProcessInfo(ID), DocumentID INT NULL REFERENCES "
    "DocumentInfo(ID), StartTime DATETIME, TimeSpent INT, MouseEvents INT, KeyboardEvents INT, Description "
    "TEXT(255))",
};

// The same in SQLite's: names compare without regard to case, as Jet compares them.
const char* const kSqliteTables[] = {
    "CREATE TABLE Config(DbVersion INT NULL)",
    "CREATE TABLE UserInfo(ID INTEGER PRIMARY KEY AUTOINCREMENT,UserName TEXT(64) NOT NULL UNIQUE COLLATE NOCASE)",
    "CREATE TABLE ComputerInfo(ID INTEGER PRIMARY KEY AUTOINCREMENT,ComputerName TEXT(64) NOT NULL UNIQUE COLLATE "
    "NOCASE)",
    "CREATE TABLE ProcessInfo(ID INTEGER PRIMARY KEY AUTOINCREMENT,ProcessName TEXT(255) NOT NULL UNIQUE COLLATE "
    "NOCASE,Description TEXT(255),Icon BLOB)",
    "CREATE TABLE DocumentInfo(ID INTEGER PRIMARY KEY AUTOINCREMENT,DocumentName TEXT(255) NOT NULL UNIQUE COLLATE "
    "NOCASE)",
    "CREATE TABLE Activity(UserID INT NOT NULL REFERENCES UserInfo(ID), ComputerID INT NOT NULL REFERENCES "
    "ComputerInfo(ID), ProcessID INT NOT NULL REFERENCES ProcessInfo(ID), DocumentID INT NULL REFERENCES "
    "DocumentInfo(ID), StartTime DATETIME, TimeSpent INT, MouseEvents INT, KeyboardEvents INT, Description "
    "TEXT(255))",
};

const char kDateNumbersText[] =
    "CREATE TABLE DateNumbers(DateNumber INT NOT NULL,AbbrevDayName TEXT(255),AbbrevMonthName TEXT(255))";
const char kDateNumbersNational[] =
    "CREATE TABLE DateNumbers(DateNumber INT NOT NULL,AbbrevDayName NVARCHAR(255),AbbrevMonthName NVARCHAR(255))";

void Run(const char* iStatement)
{
    TDbCommand(_bstr_t(iStatement)).Execute();
}

void InsertDateNumbers(long iFirst, long iLast)
{
    for (long number = iFirst; number <= iLast; ++number)
        TDbCommand(_bstr_t("INSERT INTO DateNumbers(DateNumber) VALUES(?)"), number).Execute();
}

// Summaries are asked for a period: on SQLite the period's rows are found through an index on
// their start time. Made where it is missing, so databases created before it get it as well.
void IndexActivityStartTimes(DbType iKind)
{
    if (iKind == dbSqlite)
        Run("CREATE INDEX IF NOT EXISTS ActivityStartTime ON Activity(StartTime)");
}

bool Contains(std::string iText, const char* iPart)
{
    std::transform(iText.begin(), iText.end(), iText.begin(), [](unsigned char c) { return std::tolower(c); });
    return iText.find(iPart) != std::string::npos;
}

std::string PropertyText(const EGeneric& iException, const char* iName)
{
    const _value_t value = iException.GetProperty(iName);
    return value.IsEmpty() ? std::string() : ValueToText(value);
}

// The statement failed because its table does not exist: the standard state for it, or the
// embedded engine's own message.
bool IsMissingTable(const EGeneric& iFailure)
{
    return PropertyText(iFailure, "SQLState") == "42S02" ||
        Contains(PropertyText(iFailure, "Description"), "no such table");
}

}  // namespace

bool CZorvaneServer::TableExists(const char* iTable)
{
    try {
        TDbCommand(_bstr_t("SELECT COUNT(*) FROM ") + iTable).ExecuteScalar();
        return true;
    } catch (const EGeneric& e) {
        if (IsMissingTable(e))
            return false;
        throw;
    }
}

// 0 when a table of the schema is missing; any other failure is not taken for a missing
// schema, so a locked or lost database is never "created" again.
int CZorvaneServer::ReadDatabaseVersion()
{
    if (!TableExists("Activity") || !TableExists("ProcessInfo") || !TableExists("Config"))
        return 0;
    const _variant_t version = TDbCommand(_bstr_t("SELECT DbVersion FROM Config")).ExecuteScalar();
    if (version.vt == VT_EMPTY)
        return 0;
    if (version.vt == VT_NULL)
        throw EGeneric(TNamedValue("Text", "The schema version in table Config is NULL"));
    return static_cast<long>(version);
}

// Creation and the upgrade run in one transaction, so a start that fails half-way leaves the
// database as it found it and the next try starts from there.
void CZorvaneServer::CheckDatabaseVersion()
{
    DebugLog() << "Checking DB version...\n";
    int version = ReadDatabaseVersion();
    if (version < 2) {
        TDbTransaction transaction;
        if (version == 0) {
            DebugLog() << "(!) Database structure not found\n";
            CreateSchema();
            version = 1;
        }
        DebugLog() << "DB Version " << version << "\n";
        if (version == 1)
            UpgradeDB_1_to_2();
        transaction.Commit();
    }
    IndexActivityStartTimes(GetThreadConnection().GetDbType());
}

void CZorvaneServer::CreateSchema()
{
    switch (GetThreadConnection().GetDbType()) {
    case dbJet:
        for (const char* statement : kJetTables)
            Run(statement);
        break;
    case dbSqlite:
        for (const char* statement : kSqliteTables)
            Run(statement);
        break;
    default:
        DebugLog() << "(!) Unsupported database type\n";
        break;
    }
    Run("INSERT INTO Config(DbVersion) VALUES (1)");
}

void CZorvaneServer::UpgradeDB_1_to_2()
{
    DebugLog() << "CZorvaneServer::UpgradeDB_1_to_2()\n";
    // A table left by an upgrade that stopped half-way is made anew.
    if (TableExists("DateNumbers"))
        Run("DROP TABLE DateNumbers");
    CreateDateNumbers();
    // Days, hours, months and weeks share 0 to 31; then the years.
    InsertDateNumbers(0, 31);
    InsertDateNumbers(1995, 2038);
    Run("UPDATE Config SET DbVersion=2");
    DebugLog() << "CZorvaneServer::UpgradeDB_1_to_2() - complete\n";
}

void CZorvaneServer::CreateDateNumbers()
{
    const DbType kind = GetThreadConnection().GetDbType();
    if (kind == dbJet || kind == dbSqlite)
        Run(kDateNumbersText);
    else if (kind == dbSqlServer)
        Run(kDateNumbersNational);
    Run(kind == dbSqlServer ? "CREATE CLUSTERED INDEX DateNumber ON DateNumbers(DateNumber)"
                            : "CREATE INDEX DateNumber ON DateNumbers(DateNumber)");
}

void CZorvaneServer::UpdateDateNames()
{
    UpdateDateNames(TLocaleDateNames());
}

// Row 1 is the locale's first day of the week; months are in calendar order.
void CZorvaneServer::UpdateDateNames(const IDateNames& iNames)
{
    const int firstDay = iNames.FirstDayOfWeek();
    for (long row = 1; row <= 7; ++row)
        TDbCommand(_bstr_t("UPDATE DateNumbers SET AbbrevDayName=? WHERE DateNumber=?"),
                   _bstr_t(iNames.AbbrevDayName((row - 1 + firstDay) % 7).c_str()), row)
            .Execute();
    for (long month = 1; month <= 12; ++month)
        TDbCommand(_bstr_t("UPDATE DateNumbers SET AbbrevMonthName=? WHERE DateNumber=?"),
                   _bstr_t(iNames.AbbrevMonthName(month).c_str()), month)
            .Execute();
}
