// Database access objects over ODBC: creation in this process and registration of the
// in-process server that unmarshals recordsets.
#pragma once
#include <ado.h>

namespace ado {

// The in-process server: the recordset's unmarshal class and the type library.
constexpr const wchar_t* kServerDll = L"platado.dll";
// Type libraries register under the kind of the program that registers them.
constexpr SYSKIND kTypeLibKind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;

// Creates a Connection, Command, Parameter or Recordset (CLSID_Connection, ...) in this
// process, as CoCreateInstance would.
HRESULT CreateInstance(REFCLSID iClassId, REFIID iInterface, void** oObject);

// A column of a recordset made in memory.
struct ColumnDefinition {
    const wchar_t* Name;
    DataTypeEnum Type;
    long DefinedSize;
};

// An open client-side recordset on its first row, made from columns and their values row
// after row, as appending fields, opening and adding rows would make it. E_INVALIDARG when
// there are no columns or the values do not fill whole rows.
HRESULT CreateRecordset(const ColumnDefinition* iColumns, size_t iColumnCount, const VARIANT* iValues,
                        size_t iValueCount, _Recordset** oRecordset);

// Registers the server DLL at iDllPath (null: kServerDll beside the program): the Recordset
// class as InprocServer32 with ThreadingModel Both, and the type library it carries.
HRESULT RegisterServer(const wchar_t* iDllPath = nullptr);
// Removes what RegisterServer wrote; what is already absent is no error.
HRESULT UnregisterServer();

}  // namespace ado
