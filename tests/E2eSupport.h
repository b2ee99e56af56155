#pragma once
// What the end-to-end tests and the benchmark share: the programs of bin/, processes, the
// configuration in the registry, the Windows services, the database file and IZorvane clients.
#include "ProgramControl.h"

#include <zorvane.h>

#include <windows.h>
#include <wrl/client.h>

#include <map>
#include <string>
#include <vector>

using Microsoft::WRL::ComPtr;

namespace e2e {

// The folder of the programs under test, with a trailing backslash.
std::wstring BinFolder();
// Ends the process with the id and waits for its end.
void Kill(DWORD iProcessId);

// Values set under an HKLM key for the life of the object; they are deleted afterwards.
class TConfiguration {
public:
    explicit TConfiguration(const std::wstring& iKey) : m_Key(iKey) {}
    ~TConfiguration();
    TConfiguration(const TConfiguration&) = delete;
    TConfiguration& operator=(const TConfiguration&) = delete;
    void Set(const wchar_t* iName, DWORD iValue);
    void Set(const wchar_t* iName, const std::wstring& iValue);

private:
    std::wstring m_Key;
    std::vector<std::wstring> m_Names;
};

extern const wchar_t kServerKey[];
extern const wchar_t kServiceKey[];
extern const wchar_t kMonitorKey[];
extern const wchar_t kServerService[];
extern const wchar_t kUserService[];

// The collection side installed in the prefix as the computer runs it: the server and the user
// service installed as services (which registers the recordsets' unmarshal DLL too) with the
// quantum and the database given. Everything is removed again when the object ends.
class TInstalledSystem {
public:
    TInstalledSystem(DWORD iQuantum, const std::wstring& iDatabase);
    ~TInstalledSystem();
    TInstalledSystem(const TInstalledSystem&) = delete;
    TInstalledSystem& operator=(const TInstalledSystem&) = delete;

    bool Start(const wchar_t* iService);
    bool Stop(const wchar_t* iService);
    // SERVICE_AUTO_START, SERVICE_DISABLED...
    bool SetStartType(const wchar_t* iService, DWORD iStartType);
    const std::wstring& Database() const { return m_Database; }

private:
    std::wstring m_Database;
    TConfiguration m_Server{kServerKey};
    TConfiguration m_Service{kServiceKey};
    TConfiguration m_Monitor{kMonitorKey};
};

// A database row as text by column name; NULL reads "NULL".
using TRow = std::map<std::wstring, std::wstring>;

// Reads the SQLite file with the database access objects, beside whatever the server does.
class TDatabase {
public:
    explicit TDatabase(const std::wstring& iPath);
    std::vector<TRow> Rows(const std::wstring& iSql);
    // The first column of the first row, or "NULL".
    std::wstring Scalar(const std::wstring& iSql);
    long long Number(const std::wstring& iSql) { return _wtoi64(Scalar(iSql).c_str()); }
    void Execute(const std::wstring& iSql);
    // Whether the server has created the table yet.
    bool HasTable(const std::wstring& iTable);

private:
    ComPtr<_Connection> m_Connection;
};

// The rows of a recordset, each field as text.
std::vector<TRow> RecordsetRows(_Recordset* iRecordset);
// A date field's text in a row as whole seconds since the automation dates' day 0; -1 when it
// reads as no date.
long long DateSeconds(const std::wstring& iText);

// An IZorvane client of the server's class or of the service's.
ComPtr<IZorvane> ConnectServer();
ComPtr<IZorvane> ConnectService();

// A BSTR for the length of a call; an empty text gives an empty BSTR, Null() a null one.
class TText {
public:
    explicit TText(const std::wstring& iText)
        : m_Value(SysAllocStringLen(iText.data(), static_cast<UINT>(iText.size())))
    {
    }
    static TText Null() { return TText(); }
    ~TText() { SysFreeString(m_Value); }
    TText(TText&& iOther) noexcept : m_Value(iOther.m_Value) { iOther.m_Value = nullptr; }
    operator BSTR() const { return m_Value; }

private:
    TText() = default;
    BSTR m_Value = nullptr;
};

// A byte array of the size, filled with a pattern; the caller destroys it.
SAFEARRAY* ByteArray(size_t iSize);

// GetSummaryActivityData over everything recorded, of one object type.
HRESULT Summary(IZorvane* iServer, ZorvaneObjectType iType, std::vector<TRow>& oRows, DATE iStart = 0, DATE iEnd = 0);

}  // namespace e2e
