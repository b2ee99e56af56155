#include "E2eSupport.h"

#include <PlatformAdo.h>

#include <gtest/gtest.h>

#include <cmath>

namespace e2e {

const wchar_t kServerKey[] = L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneServer";
const wchar_t kServiceKey[] = L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneService";
const wchar_t kMonitorKey[] = L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneApplication";
const wchar_t kServerService[] = L"Zorvane Server";
const wchar_t kUserService[] = L"Zorvane User Service";

namespace {

std::wstring WindowsPath(const char* iPath)
{
    std::wstring path(iPath, iPath + strlen(iPath));
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path.back() == L'\\' ? path : path + L'\\';
}

std::wstring Text(const VARIANT& iValue)
{
    if (iValue.vt == VT_NULL || iValue.vt == VT_EMPTY)
        return L"NULL";
    VARIANT text;
    VariantInit(&text);
    std::wstring result = L"?";
    if (SUCCEEDED(VariantChangeTypeEx(&text, const_cast<VARIANT*>(&iValue), 0x409, 0, VT_BSTR)))
        result.assign(V_BSTR(&text), SysStringLen(V_BSTR(&text)));
    VariantClear(&text);
    return result;
}

}  // namespace

std::wstring BinFolder()
{
    return WindowsPath(ZV_BIN_DIR);
}

void Kill(DWORD iProcessId)
{
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, iProcessId);
    if (!process)
        return;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
}

TConfiguration::~TConfiguration()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, m_Key.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    for (const std::wstring& name : m_Names)
        RegDeleteValueW(key, name.c_str());
    RegCloseKey(key);
}

void TConfiguration::Set(const wchar_t* iName, DWORD iValue)
{
    EXPECT_EQ(ERROR_SUCCESS,
              RegSetKeyValueW(HKEY_LOCAL_MACHINE, m_Key.c_str(), iName, REG_DWORD, &iValue, sizeof(iValue)));
    m_Names.push_back(iName);
}

void TConfiguration::Set(const wchar_t* iName, const std::wstring& iValue)
{
    EXPECT_EQ(ERROR_SUCCESS,
              RegSetKeyValueW(HKEY_LOCAL_MACHINE, m_Key.c_str(), iName, REG_SZ, iValue.c_str(),
                              static_cast<DWORD>((iValue.size() + 1) * sizeof(wchar_t))));
    m_Names.push_back(iName);
}

TInstalledSystem::TInstalledSystem(DWORD iQuantum, const std::wstring& iDatabase) : m_Database(iDatabase)
{
    DeleteFileW(m_Database.c_str());
    m_Server.Set(L"Quantum", iQuantum);
    m_Server.Set(L"ConnectionString", L"Provider=SQLite;Data Source=" + m_Database);
    for (TConfiguration* configuration : {&m_Server, &m_Service, &m_Monitor})
        configuration->Set(L"MakeDebugLog", 1);
    EXPECT_EQ(0u, RunProgram(L"\"" + BinFolder() + L"zvserver.exe\" /Service"));
    EXPECT_EQ(0u, RunProgram(L"\"" + BinFolder() + L"zvservice.exe\" /Service"));
}

TInstalledSystem::~TInstalledSystem()
{
    Stop(kUserService);
    Stop(kServerService);
    // A killed process leaves its service RUNNING for Wine's service manager.
    for (const wchar_t* program : {L"zvuser.exe", L"zvservice.exe", L"zvserver.exe"})
        for (DWORD id : ProcessIds(program))
            Kill(id);
    EXPECT_EQ(0u, RunProgram(L"\"" + BinFolder() + L"zvservice.exe\" /UnregServer"));
    EXPECT_EQ(0u, RunProgram(L"\"" + BinFolder() + L"zvserver.exe\" /UnregServer"));
    DeleteFileW(m_Database.c_str());
}

bool TInstalledSystem::Start(const wchar_t* iService)
{
    TServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    TServiceHandle service(OpenServiceW(manager.handle, iService, SERVICE_ALL_ACCESS));
    if (!service.handle || !StartServiceW(service.handle, 0, nullptr))
        return false;
    return WaitForServiceState(service.handle, SERVICE_RUNNING);
}

bool TInstalledSystem::Stop(const wchar_t* iService)
{
    TServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    TServiceHandle service(OpenServiceW(manager.handle, iService, SERVICE_ALL_ACCESS));
    SERVICE_STATUS status{};
    if (!service.handle || !ControlService(service.handle, SERVICE_CONTROL_STOP, &status))
        return false;
    return WaitForServiceState(service.handle, SERVICE_STOPPED);
}

bool TInstalledSystem::SetStartType(const wchar_t* iService, DWORD iStartType)
{
    TServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    TServiceHandle service(OpenServiceW(manager.handle, iService, SERVICE_CHANGE_CONFIG));
    return service.handle &&
        ChangeServiceConfigW(service.handle, SERVICE_NO_CHANGE, iStartType, SERVICE_NO_CHANGE, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr, nullptr);
}

TDatabase::TDatabase(const std::wstring& iPath)
{
    EXPECT_EQ(
        S_OK,
        ado::CreateInstance(CLSID_Connection, IID__Connection, reinterpret_cast<void**>(m_Connection.GetAddressOf())));
    TText connection(L"Provider=SQLite;Data Source=" + iPath), none(L"");
    EXPECT_EQ(S_OK, m_Connection->Open(connection, none, none, 0));
}

std::vector<TRow> TDatabase::Rows(const std::wstring& iSql)
{
    ComPtr<_Recordset> rows;
    VARIANT affected;
    VariantInit(&affected);
    HRESULT result = m_Connection->Execute(TText(iSql), &affected, 1, rows.GetAddressOf());
    EXPECT_EQ(S_OK, result) << iSql;
    return SUCCEEDED(result) && rows ? RecordsetRows(rows.Get()) : std::vector<TRow>();
}

std::wstring TDatabase::Scalar(const std::wstring& iSql)
{
    std::vector<TRow> rows = Rows(iSql);
    return rows.empty() || rows[0].empty() ? L"NULL" : rows[0].begin()->second;
}

void TDatabase::Execute(const std::wstring& iSql)
{
    ComPtr<_Recordset> rows;
    VARIANT affected;
    VariantInit(&affected);
    EXPECT_EQ(S_OK, m_Connection->Execute(TText(iSql), &affected, 1, rows.GetAddressOf())) << iSql;
}

bool TDatabase::HasTable(const std::wstring& iTable)
{
    return Number(L"SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name='" + iTable + L"'") == 1;
}

std::vector<TRow> RecordsetRows(_Recordset* iRecordset)
{
    std::vector<TRow> rows;
    VARIANT_BOOL end = VARIANT_TRUE;
    while (SUCCEEDED(iRecordset->get_EOF(&end)) && !end) {
        ComPtr<Fields> fields;
        long count = 0;
        if (FAILED(iRecordset->get_Fields(fields.GetAddressOf())) || FAILED(fields->get_Count(&count)))
            break;
        TRow row;
        for (long i = 0; i < count; ++i) {
            VARIANT index;
            VariantInit(&index);
            V_VT(&index) = VT_I4;
            V_I4(&index) = i;
            ComPtr<Field> field;
            BSTR name = nullptr;
            VARIANT value;
            VariantInit(&value);
            if (SUCCEEDED(fields->get_Item(index, field.GetAddressOf())) && SUCCEEDED(field->get_Name(&name)) &&
                SUCCEEDED(field->get_Value(&value)))
                row[std::wstring(name, SysStringLen(name))] = Text(value);
            SysFreeString(name);
            VariantClear(&value);
        }
        rows.push_back(row);
        if (FAILED(iRecordset->MoveNext()))
            break;
    }
    return rows;
}

long long DateSeconds(const std::wstring& iText)
{
    std::wstring text = iText;
    DATE date = 0;
    if (FAILED(VarDateFromStr(&text[0], 0x409, 0, &date)))
        return -1;
    return std::llround(date * 86400);
}

ComPtr<IZorvane> ConnectServer()
{
    ComPtr<IZorvane> server;
    EXPECT_EQ(S_OK,
              CoCreateInstance(CLSID_ZorvaneServer, nullptr, CLSCTX_LOCAL_SERVER, IID_IZorvane,
                               reinterpret_cast<void**>(server.GetAddressOf())));
    return server;
}

ComPtr<IZorvane> ConnectService()
{
    CLSID classId{};
    EXPECT_EQ(S_OK, CLSIDFromProgID(L"ZorvaneService.Zorvane", &classId));
    ComPtr<IZorvane> service;
    EXPECT_EQ(S_OK,
              CoCreateInstance(classId, nullptr, CLSCTX_LOCAL_SERVER, IID_IZorvane,
                               reinterpret_cast<void**>(service.GetAddressOf())));
    return service;
}

SAFEARRAY* ByteArray(size_t iSize)
{
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(iSize));
    BYTE* bytes = nullptr;
    SafeArrayAccessData(array, reinterpret_cast<void**>(&bytes));
    for (size_t i = 0; i < iSize; ++i)
        bytes[i] = static_cast<BYTE>(i * 7);
    SafeArrayUnaccessData(array);
    return array;
}

HRESULT Summary(IZorvane* iServer, ZorvaneObjectType iType, std::vector<TRow>& oRows, DATE iStart, DATE iEnd)
{
    SummaryActivityRequest request{};
    request.ObjectType = iType;
    request.TimeStart = iStart;
    request.TimeEnd = iEnd;
    ComPtr<_Recordset> rows;
    HRESULT result = iServer->GetSummaryActivityData(&request, rows.GetAddressOf());
    oRows = SUCCEEDED(result) && rows ? RecordsetRows(rows.Get()) : std::vector<TRow>();
    return result;
}

}  // namespace e2e
