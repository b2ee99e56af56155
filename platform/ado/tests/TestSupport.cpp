#include "TestSupport.h"

namespace ado::test {
namespace {

class ComEnvironment : public ::testing::Environment {
public:
    void SetUp() override { CoInitializeEx(nullptr, COINIT_MULTITHREADED); }
    void TearDown() override { CoUninitialize(); }
};

const auto* const g_com = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

}  // namespace

std::wstring LastErrorText()
{
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, &info) != S_OK)
        return std::wstring();
    BSTR text = nullptr;
    info->GetDescription(&text);
    std::wstring result = FromBstr(text);
    SysFreeString(text);
    return result;
}

Variant FieldValue(_Recordset* iRecordset, const wchar_t* iName)
{
    ComPtr<Fields> fields;
    EXPECT_EQ(S_OK, iRecordset->get_Fields(&fields));
    ComPtr<Field> field;
    Variant index = Variant::Text(iName);
    EXPECT_EQ(S_OK, fields->get_Item(index.Get(), &field)) << iName;
    Variant value;
    if (field) {
        EXPECT_EQ(S_OK, field->get_Value(value.Receive())) << iName;
    }
    return value;
}

void SqliteTest::SetUp()
{
    wchar_t folder[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"ado", 0, file);
    m_Path = file;
    DeleteFileW(file);
    m_Connection = OpenConnection();
}

void SqliteTest::TearDown()
{
    m_Connection.Reset();
    DeleteFileW(m_Path.c_str());
}

ComPtr<_Connection> SqliteTest::OpenConnection()
{
    auto connection = Create<_Connection>(CLSID_Connection);
    EXPECT_EQ(S_OK, connection->put_CursorLocation(adUseClient));
    EXPECT_EQ(S_OK, connection->Open(Text(ConnectionString()), nullptr, nullptr, adConnectUnspecified))
        << LastErrorText();
    return connection;
}

void SqliteTest::Execute(const std::wstring& iSql, _Connection* iConnection)
{
    ComPtr<_Recordset> ignored;
    ASSERT_EQ(S_OK,
              (iConnection ? iConnection : m_Connection.Get())
                  ->Execute(Text(iSql), nullptr, adCmdText | adExecuteNoRecords, &ignored))
        << LastErrorText();
}

ComPtr<_Recordset> SqliteTest::Query(const std::wstring& iSql, _Connection* iConnection)
{
    ComPtr<_Recordset> rows;
    EXPECT_EQ(S_OK, (iConnection ? iConnection : m_Connection.Get())->Execute(Text(iSql), nullptr, adCmdText, &rows))
        << LastErrorText();
    return rows;
}

long SqliteTest::Count(const std::wstring& iTable, _Connection* iConnection)
{
    ComPtr<_Recordset> rows = Query(L"SELECT COUNT(*) AS N FROM " + iTable, iConnection);
    return rows ? FieldValue(rows.Get(), L"N").ConvertedTo(VT_I4).Get().lVal : -1;
}

}  // namespace ado::test
