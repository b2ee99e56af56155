#include "ServerTestSupport.h"

#include <csl/DbQuery/TDbCommand.h>
#include <csl/SystemUtils.h>
#include <csl/TDebugStream.h>

#include <windows.h>

namespace {

const wchar_t kConfigKey[] = L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneServer";

}  // namespace

void ServerConfig::Clear()
{
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kConfigKey);
}

void ServerConfig::Set(const wchar_t* iName, DWORD iValue)
{
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kConfigKey, iName, REG_DWORD, &iValue, sizeof(iValue));
}

void ServerConfig::Set(const wchar_t* iName, const std::wstring& iValue)
{
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kConfigKey, iName, REG_SZ, iValue.c_str(),
                    static_cast<DWORD>((iValue.size() + 1) * sizeof(wchar_t)));
}

std::wstring FreshDatabase(const std::wstring& iName)
{
    const std::wstring path = GetProgramDirectory() + iName;
    DeleteFileW(path.c_str());
    return path;
}

std::wstring SqliteConnectionString(const std::wstring& iPath, const std::wstring& iOptions)
{
    return L"Provider=SQLite;Data Source=" + iPath + iOptions;
}

TServerInstance::TServerInstance() : m_Server(new CComObjectGlobal<CZorvaneServer>()) {}

TServerInstance::~TServerInstance() = default;

long ScalarLong(const char* iSql)
{
    return static_cast<long>(TDbCommand(_bstr_t(iSql)).ExecuteScalar());
}

std::wstring ScalarText(const char* iSql)
{
    const _variant_t value = TDbCommand(_bstr_t(iSql)).ExecuteScalar();
    return value.vt == VT_BSTR ? std::wstring(value.bstrVal) : std::wstring(L"<not text>");
}

void ServerTest::SetUp()
{
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    ServerConfig::Clear();
    DebugLog().RemoveAllWriters();
    log = new TTextCollector;
    DebugLog().AddWriter(log);
    database = FreshDatabase(m_DatabaseName);
    ServerConfig::Set(L"ConnectionString", SqliteConnectionString(database));
}

void ServerTest::TearDown()
{
    DebugLog().RemoveAllWriters();
    ServerConfig::Clear();
    CoUninitialize();
}

std::unique_ptr<TServerInstance> ServerTest::StartServer()
{
    ServerConfig::Set(L"MakeDebugLog", 1);
    log->Clear();
    std::unique_ptr<TServerInstance> server(new TServerInstance);
    EXPECT_TRUE(log->WaitFor("UPDATE DateNumbers SET AbbrevMonthName=? WHERE DateNumber=? {", 12)) << log->Text();
    return server;
}
