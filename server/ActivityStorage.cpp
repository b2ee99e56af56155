#include "ActivityStorage.h"

#include "ColumnText.h"
#include "DocumentName.h"
#include "NameTables.h"

#include <csl/DbQuery/DbConnection.h>
#include <csl/DbQuery/TDbCommand.h>
#include <csl/DbQuery/TDbTransaction.h>
#include <csl/SafeArrayElements.h>
#include <csl/TDebugStream.h>
#include <csl/_time_t.h>

#include <comdef.h>

#include <string>

namespace {

// Larger than any icon file image of a program; a bigger one is not an icon.
const long kMaxIconBytes = 1L << 20;

// Refuses the call with E_INVALIDARG: the reason goes to the log, nothing is stored.
[[noreturn]] void Refuse(const std::string& iReason)
{
    DebugLog() << "(!) Refused: " << iReason << "\n";
    _com_issue_error(E_INVALIDARG);
}

// A negative duration or count would lower every sum it joins.
void RequireNoNegatives(const TActivityRecord& iRecord)
{
    if (iRecord.TimeSpent < 0 || iRecord.KeyboardEvents < 0 || iRecord.MouseEvents < 0)
        Refuse("negative time or input count (Time:" + std::to_string(iRecord.TimeSpent) + " Keyboard:" +
               std::to_string(iRecord.KeyboardEvents) + " Mouse:" + std::to_string(iRecord.MouseEvents) + ")");
}

_variant_t Null()
{
    _variant_t null;
    null.vt = VT_NULL;
    return null;
}

void LogActivity(const TActivityRecord& iRecord)
{
    DebugLog() << _time_t(_variant_t(iRecord.StartTime, VT_DATE)).ToString() << " " << iRecord.Computer << " "
               << iRecord.User << " " << iRecord.Process << " Time:" << iRecord.TimeSpent
               << " Keyboard:" << iRecord.KeyboardEvents << " Mouse:" << iRecord.MouseEvents << " "
               << iRecord.Description << "\n";
}

// NULL when the title names no document.
_variant_t DocumentId(const _bstr_t& iTitle)
{
    const std::wstring name = GetDocumentName(iTitle.length() ? static_cast<const wchar_t*>(iTitle) : L"");
    return name.empty() ? Null() : _variant_t(GetDocumentId(_bstr_t(name.c_str())));
}

// The icon bytes as a value to bind: a copy of the array, or NULL when it holds nothing.
_variant_t IconValue(SAFEARRAY* iIcon)
{
    const long bytes = SafeArrayElementCount(iIcon);
    if (bytes == 0)
        return Null();
    if (bytes > kMaxIconBytes)
        Refuse("an icon of " + std::to_string(bytes) + " bytes, above the limit of " + std::to_string(kMaxIconBytes));
    VARTYPE type = VT_EMPTY;
    if (SafeArrayGetDim(iIcon) != 1 || FAILED(SafeArrayGetVartype(iIcon, &type)) || type != VT_UI1)
        _com_issue_error(E_INVALIDARG);
    _variant_t icon;
    if (FAILED(SafeArrayCopy(iIcon, &icon.GetVARIANT().parray)))
        _com_issue_error(E_OUTOFMEMORY);
    icon.GetVARIANT().vt = VT_ARRAY | VT_UI1;
    return icon;
}

}  // namespace

bool StoreActivity(DbConnection& iConnection, const TActivityRecord& iRecord)
{
    LogActivity(iRecord);
    RequireNoNegatives(iRecord);
    TDbTransaction transaction(iConnection);
    bool newProcess = false;
    const long processId = GetProcessId(iRecord.Process, &newProcess);
    const _variant_t documentId = DocumentId(iRecord.Description);
    const long userId = GetUserId(iRecord.User);
    const long computerId = GetComputerId(iRecord.Computer);
    TDbCommand insert(_bstr_t("INSERT INTO Activity(StartTime,ComputerID,UserID,ProcessID,DocumentID,TimeSpent,"
                              "KeyboardEvents,MouseEvents,Description) VALUES (?,?,?,?,?,?,?,?,?)"));
    insert.AddParameter(_variant_t(iRecord.StartTime, VT_DATE));
    insert.AddParameter(computerId);
    insert.AddParameter(userId);
    insert.AddParameter(processId);
    insert.AddParameter(documentId);
    insert.AddParameter(iRecord.TimeSpent);
    insert.AddParameter(iRecord.KeyboardEvents);
    insert.AddParameter(iRecord.MouseEvents);
    insert.AddParameter(FitColumn(iRecord.Description, kTextColumnWidth));
    insert.Execute();
    transaction.Commit();
    return newProcess;
}

void StoreProcessInformation(DbConnection& iConnection, const _bstr_t& iProcess, const _bstr_t& iDescription,
                             SAFEARRAY* iIcon)
{
    DebugLog() << "SendProcessInformation( " << iProcess << ", " << iDescription << ", " << SafeArrayElementCount(iIcon)
               << " )\n";
    const _variant_t icon = IconValue(iIcon);
    TDbTransaction transaction(iConnection);
    DebugLog() << "Updating process info...\n";
    const long processId = GetProcessId(iProcess);
    TDbCommand(_bstr_t("UPDATE ProcessInfo SET Description=?, Icon=? WHERE ID=?"),
               FitColumn(iDescription, kTextColumnWidth), icon, processId)
        .Execute();
    transaction.Commit();
}
