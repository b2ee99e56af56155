#include "NameTables.h"

#include "ColumnText.h"

#include <csl/DbQuery/TDbCommand.h>
#include <csl/EGeneric.h>
#include <csl/ValueConversions.h>

namespace {

struct TNameTable {
    const char* Lookup;
    const char* Insert;
    size_t Width;
};

const TNameTable kComputers = {"SELECT ID FROM ComputerInfo WHERE ComputerName=?",
                               "INSERT INTO ComputerInfo(ComputerName) VALUES (?)", kNameColumnWidth};
const TNameTable kUsers = {"SELECT ID FROM UserInfo WHERE UserName=?", "INSERT INTO UserInfo(UserName) VALUES (?)",
                           kNameColumnWidth};
const TNameTable kProcesses = {"SELECT ID FROM ProcessInfo WHERE ProcessName=?",
                               "INSERT INTO ProcessInfo(ProcessName) VALUES (?)", kTextColumnWidth};
const TNameTable kDocuments = {"SELECT ID FROM DocumentInfo WHERE DocumentName=?",
                               "INSERT INTO DocumentInfo(DocumentName) VALUES (?)", kTextColumnWidth};

const int kIntegrityViolation = static_cast<int>(0x80040E2F);

bool FindId(const TNameTable& iTable, const _bstr_t& iName, long& oId)
{
    const _variant_t id = TDbCommand(_bstr_t(iTable.Lookup), iName).ExecuteScalar();
    if (id.vt == VT_EMPTY || id.vt == VT_NULL)
        return false;
    oId = static_cast<long>(id);
    return true;
}

bool IsIntegrityViolation(const EGeneric& iFailure)
{
    const _value_t code = iFailure.GetProperty("Code");
    return !code.IsEmpty() && ValueToInt(code) == kIntegrityViolation;
}

long GetNameId(const TNameTable& iTable, const _bstr_t& iName, bool* oInserted)
{
    const _bstr_t name = FitColumn(iName, iTable.Width);
    long id = 0;
    bool inserted = false;
    if (!FindId(iTable, name, id)) {
        try {
            id = TDbCommand(_bstr_t(iTable.Insert), name).ExecuteInsert();
            inserted = true;
        } catch (const EGeneric& e) {
            // Another connection inserted the same name since the lookup: its row serves.
            if (!IsIntegrityViolation(e) || !FindId(iTable, name, id))
                throw;
        }
    }
    if (oInserted)
        *oInserted = inserted;
    return id;
}

}  // namespace

long GetComputerId(const _bstr_t& iName)
{
    return GetNameId(kComputers, iName, nullptr);
}

long GetUserId(const _bstr_t& iName)
{
    return GetNameId(kUsers, iName, nullptr);
}

long GetProcessId(const _bstr_t& iName, bool* oInserted)
{
    return GetNameId(kProcesses, iName, oInserted);
}

long GetDocumentId(const _bstr_t& iName)
{
    return GetNameId(kDocuments, iName, nullptr);
}
