#include "ServerTestSupport.h"

#include <csl/DbQuery/TDbCommand.h>
#include <csl/SystemUtils.h>
#include <csl/TDebugStream.h>

#include <windows.h>

namespace {

const wchar_t kConfigKey[] = L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneServer";

}  // namespace

void TLogCapture::Write(const char* iText, int iLength)
{
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Text.append(iText, iLength);
}

std::string TLogCapture::Text()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    return m_Text;
}

void TLogCapture::Clear()
{
    std::lock_guard<std::mutex> lock(m_Lock);
    m_Text.clear();
}

int TLogCapture::Count(const std::string& iLine)
{
    const std::string text = Text();
    int count = 0;
    for (size_t at = text.find(iLine); at != std::string::npos; at = text.find(iLine, at + 1))
        ++count;
    return count;
}

bool TLogCapture::WaitFor(const std::string& iLine, int iTimes)
{
    for (int waited = 0; waited < 60000; waited += 50) {
        if (Count(iLine) >= iTimes)
            return true;
        Sleep(50);
    }
    return false;
}

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
    log = new TLogCapture;
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
