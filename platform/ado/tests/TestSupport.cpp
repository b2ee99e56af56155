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

Variant FieldValue(_Recordset* recordset, const wchar_t* name)
{
    ComPtr<Fields> fields;
    EXPECT_EQ(S_OK, recordset->get_Fields(&fields));
    ComPtr<Field> field;
    Variant index = Variant::Text(name);
    EXPECT_EQ(S_OK, fields->get_Item(index.Get(), &field)) << name;
    Variant value;
    if (field) {
        EXPECT_EQ(S_OK, field->get_Value(value.Receive())) << name;
    }
    return value;
}

void SqliteTest::SetUp()
{
    wchar_t folder[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"ado", 0, file);
    path_ = file;
    DeleteFileW(file);
    connection_ = OpenConnection();
}

void SqliteTest::TearDown()
{
    connection_.Reset();
    DeleteFileW(path_.c_str());
}

ComPtr<_Connection> SqliteTest::OpenConnection()
{
    auto connection = Create<_Connection>(CLSID_Connection);
    EXPECT_EQ(S_OK, connection->put_CursorLocation(adUseClient));
    EXPECT_EQ(S_OK, connection->Open(Text(ConnectionString()), nullptr, nullptr, adConnectUnspecified))
        << LastErrorText();
    return connection;
}

void SqliteTest::Execute(const std::wstring& sql, _Connection* connection)
{
    ComPtr<_Recordset> ignored;
    ASSERT_EQ(S_OK,
              (connection ? connection : connection_.Get())
                  ->Execute(Text(sql), nullptr, adCmdText | adExecuteNoRecords, &ignored))
        << LastErrorText();
}

ComPtr<_Recordset> SqliteTest::Query(const std::wstring& sql, _Connection* connection)
{
    ComPtr<_Recordset> rows;
    EXPECT_EQ(S_OK, (connection ? connection : connection_.Get())->Execute(Text(sql), nullptr, adCmdText, &rows))
        << LastErrorText();
    return rows;
}

long SqliteTest::Count(const std::wstring& table, _Connection* connection)
{
    ComPtr<_Recordset> rows = Query(L"SELECT COUNT(*) AS N FROM " + table, connection);
    return rows ? FieldValue(rows.Get(), L"N").ConvertedTo(VT_I4).Get().lVal : -1;
}

}  // namespace ado::test
