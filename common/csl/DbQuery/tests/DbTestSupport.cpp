#include "DbTestSupport.h"

#include <csl/DbQuery/TDbCommand.h>
#include <csl/EGeneric.h>
#include <csl/TDebugStream.h>
#include <csl/ValueConversions.h>

#include <sstream>

namespace {

class TComEnvironment : public ::testing::Environment {
public:
    void SetUp() override { CoInitializeEx(nullptr, COINIT_MULTITHREADED); }
    void TearDown() override { CoUninitialize(); }
};

const auto* const gCom = ::testing::AddGlobalTestEnvironment(new TComEnvironment);

}  // namespace

TDbLogCapture::TDbLogCapture() : m_Writer(new TTextCollector), m_Categories(DebugLog().GetCategories())
{
    DebugLog().AddWriter(m_Writer);
    DebugLog().SetCategories(TDebugStream::kDefaultCategories);
}

TDbLogCapture::~TDbLogCapture()
{
    DebugLog().SetCategories(m_Categories);
    DebugLog().RemoveAllWriters();
    DebugLog().AddWriter(new TDebugWriter);
}

std::string TDbLogCapture::Text() const
{
    return m_Writer->Text();
}

std::vector<std::string> TDbLogCapture::Lines(const std::string& iPrefix) const
{
    std::istringstream text(Text());
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        if (line.compare(0, iPrefix.size(), iPrefix) == 0)
            lines.push_back(line.substr(iPrefix.size()));
    }
    return lines;
}

void TDbLogCapture::Clear()
{
    m_Writer->Clear();
}

TTestConnectionHost::TTestConnectionHost(DbConnection& iQueryConnection) : m_Slot(TlsAlloc()), m_Query(iQueryConnection)
{
    SetDbConnectionHost(this);
}

TTestConnectionHost::~TTestConnectionHost()
{
    SetDbConnectionHost(nullptr);
    TlsFree(m_Slot);
}

DbConnection* TTestConnectionHost::GetThreadSlot()
{
    return static_cast<DbConnection*>(TlsGetValue(m_Slot));
}

void TTestConnectionHost::SetThreadSlot(DbConnection* iConnection)
{
    TlsSetValue(m_Slot, iConnection);
}

std::wstring DbTest::TempFile()
{
    wchar_t folder[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"db", 0, file);
    DeleteFileW(file);
    return file;
}

std::wstring DbTest::ConnectionStringFor(const std::wstring& iPath)
{
    return L"Provider=SQLite;Data Source=" + iPath;
}

void DbTest::SetUp()
{
    m_Log.reset(new TDbLogCapture);
    m_Path = TempFile();
    const _bstr_t connectionString(ConnectionStringFor(m_Path).c_str());
    m_Query.reset(new DbConnection(connectionString, const_string("[SQL/GUI] ", 10)));
    m_Report.reset(new DbConnection(connectionString, const_string("[SQL/SRV] ", 10)));
    m_Host.reset(new TTestConnectionHost(*m_Query));
}

void DbTest::TearDown()
{
    m_Host.reset();
    m_Query.reset();
    m_Report.reset();
    m_Log.reset();
    DeleteFileW(m_Path.c_str());
}

void DbTest::Run(const std::vector<const char*>& iStatements)
{
    for (const char* statement : iStatements)
        TDbCommand(statement).Execute();
}

long DbTest::CountOn(DbConnection& iConnection, const char* iTable)
{
    iConnection.Open();
    TDbRecordset rows = iConnection.Execute((std::string("SELECT COUNT(*) FROM ") + iTable).c_str());
    _variant_t count;
    rows.GetField(0)->get_Value(count.GetAddress());
    count.ChangeType(VT_I4);
    return count.lVal;
}

void DbTest::BreakOpenDatabase(bool iReopenable)
{
    const std::wstring copy = TempFile();
    ASSERT_TRUE(CopyFileW(m_Path.c_str(), copy.c_str(), FALSE));
    HANDLE file = CreateFileW(m_Path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    const std::string garbage(4096, 'x');
    DWORD written = 0;
    WriteFile(file, garbage.data(), static_cast<DWORD>(garbage.size()), &written, nullptr);
    CloseHandle(file);
    if (iReopenable)
        ASSERT_TRUE(MoveFileExW(copy.c_str(), m_Path.c_str(), MOVEFILE_REPLACE_EXISTING));
    else
        DeleteFileW(copy.c_str());
}

std::string PropertyText(const EGeneric& iException, const char* iName)
{
    const _value_t value = iException.GetProperty(iName);
    return value.IsEmpty() ? std::string() : ValueToText(value);
}
