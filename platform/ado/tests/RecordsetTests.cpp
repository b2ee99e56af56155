#include <vector>

#include "TestSupport.h"

namespace ado::test {
namespace {

class RecordsetTest : public SqliteTest {
protected:
    void SetUp() override
    {
        SqliteTest::SetUp();
        Execute(L"CREATE TABLE Activity(ID INTEGER, Name TEXT(64), TimeSpent INT, Started DATETIME, "
                L"Icon BLOB, Ratio DOUBLE)");
        Execute(L"INSERT INTO Activity VALUES (1, 'word', 300, '2024-01-02 03:04:05.250', x'0001FF', 0.5),"
                L"(2, 'Excel', NULL, NULL, NULL, NULL), (3, 'calc', 900, NULL, NULL, 1.5),"
                L"(4, 'Access', 300, NULL, NULL, 2.5)");
    }

    // The values of one column in the recordset's order, from its current row on.
    std::vector<std::wstring> Column(_Recordset* iRows, const wchar_t* iName)
    {
        ComPtr<Fields> fields;
        EXPECT_EQ(S_OK, iRows->get_Fields(&fields));
        ComPtr<Field> field;
        EXPECT_EQ(S_OK, fields->get_Item(Variant::Text(iName).Get(), &field));
        std::vector<std::wstring> values;
        for (VARIANT_BOOL eof = VARIANT_FALSE; iRows->get_EOF(&eof) == S_OK && !eof; iRows->MoveNext()) {
            Variant value;
            EXPECT_EQ(S_OK, field->get_Value(value.Receive()));
            values.push_back(value.IsNull() ? L"null" : FromBstr(value.ConvertedTo(VT_BSTR).Get().bstrVal));
        }
        return values;
    }

    std::vector<std::wstring> Sorted(const wchar_t* iSort)
    {
        auto rows = Query(L"SELECT * FROM Activity");
        EXPECT_EQ(S_OK, rows->put_Sort(Text(iSort))) << LastErrorText();
        return Column(rows.Get(), L"ID");
    }
};

using Names = std::vector<std::wstring>;

TEST_F(RecordsetTest, DescribesFieldsWithTypesAndSizes)
{
    auto rows = Query(L"SELECT * FROM Activity WHERE ID = 1");
    ComPtr<Fields> fields;
    ASSERT_EQ(S_OK, rows->get_Fields(&fields));
    long count = 0;
    EXPECT_EQ(S_OK, fields->get_Count(&count));
    ASSERT_EQ(6, count);
    struct Case {
        const wchar_t* name;
        DataTypeEnum type;
        VARTYPE vt;
        long actualSize;
    } cases[] = {
        {L"ID", adInteger, VT_I4, 4},
        {L"Name", adLongVarWChar, VT_BSTR, 8},
        {L"TimeSpent", adInteger, VT_I4, 4},
        {L"Started", adDate, VT_DATE, 8},
        {L"Icon", adBinary, VT_ARRAY | VT_UI1, 3},
        {L"Ratio", adDouble, VT_R8, 8},
    };
    for (long i = 0; i < count; ++i) {
        const Case& c = cases[i];
        ComPtr<Field> field;
        ASSERT_EQ(S_OK, fields->get_Item(Variant::Int(i).Get(), &field));
        BSTR name = nullptr;
        DataTypeEnum type;
        long size = 0, attributes = 0;
        Variant value;
        EXPECT_EQ(S_OK, field->get_Name(&name));
        EXPECT_EQ(c.name, FromBstr(name));
        SysFreeString(name);
        EXPECT_EQ(S_OK, field->get_Type(&type));
        EXPECT_EQ(c.type, type) << c.name;
        EXPECT_EQ(S_OK, field->get_Value(value.Receive()));
        EXPECT_EQ(c.vt, value.Type()) << c.name;
        EXPECT_EQ(S_OK, field->get_ActualSize(&size));
        EXPECT_EQ(c.actualSize, size) << c.name;
        EXPECT_EQ(S_OK, field->get_Attributes(&attributes));
        EXPECT_TRUE(attributes & adFldIsNullable) << c.name;
    }
    EXPECT_EQ(45293.127838541666, FieldValue(rows.Get(), L"Started").Get().date);
}

TEST_F(RecordsetTest, FindsFieldsByNameWithoutRegardToCase)
{
    auto rows = Query(L"SELECT ID, Name FROM Activity ORDER BY ID");
    EXPECT_EQ(2, FieldValue(rows.Get(), L"id").Get().lVal - 0 + 1);
    ComPtr<Fields> fields;
    rows->get_Fields(&fields);
    ComPtr<Field> field;
    for (const Variant& index : {Variant::Text(L"Missing"), Variant::Int(2), Variant::Int(-1)}) {
        EXPECT_EQ(adErrItemNotFound, fields->get_Item(index.Get(), &field));
    }
    EXPECT_NE(std::wstring::npos, LastErrorText().find(L"no item -1")) << LastErrorText();
}

TEST_F(RecordsetTest, WalksFromFirstToEndOfFile)
{
    auto rows = Query(L"SELECT ID FROM Activity ORDER BY ID");
    long count = 0;
    EXPECT_EQ(S_OK, rows->get_RecordCount(&count));
    EXPECT_EQ(4, count);
    VARIANT_BOOL bof = VARIANT_TRUE;
    EXPECT_EQ(S_OK, rows->get_BOF(&bof));
    EXPECT_FALSE(bof);
    EXPECT_EQ((Names{L"1", L"2", L"3", L"4"}), Column(rows.Get(), L"ID"));
    EXPECT_EQ(adErrNoCurrentRecord, rows->MoveNext());
    Variant value;
    ComPtr<Fields> fields;
    ComPtr<Field> field;
    rows->get_Fields(&fields);
    fields->get_Item(Variant::Int(0).Get(), &field);
    EXPECT_EQ(adErrNoCurrentRecord, field->get_Value(value.Receive()));
    EXPECT_EQ(S_OK, rows->MoveFirst());
    EXPECT_EQ(4u, Column(rows.Get(), L"ID").size());

    auto empty = Query(L"SELECT ID FROM Activity WHERE ID > 10");
    VARIANT_BOOL eof = VARIANT_FALSE;
    EXPECT_EQ(S_OK, empty->get_EOF(&eof));
    EXPECT_EQ(S_OK, empty->get_BOF(&bof));
    EXPECT_TRUE(eof && bof);
    EXPECT_EQ(S_OK, empty->get_RecordCount(&count));
    EXPECT_EQ(0, count);
}

TEST_F(RecordsetTest, SortsByFieldsNullFirstKeepingTies)
{
    EXPECT_EQ((Names{L"3", L"1", L"4", L"2"}), Sorted(L"TimeSpent Desc"));
    EXPECT_EQ((Names{L"2", L"1", L"4", L"3"}), Sorted(L"timespent"));
    EXPECT_EQ((Names{L"4", L"3", L"2", L"1"}), Sorted(L"Name Asc"));
    EXPECT_EQ((Names{L"3", L"4", L"1", L"2"}), Sorted(L"TimeSpent DESC, [Name] ASC"));
    EXPECT_EQ((Names{L"1", L"2", L"3", L"4"}), Sorted(L""));
}

TEST_F(RecordsetTest, RefusesABadSortAndKeepsTheOrder)
{
    auto rows = Query(L"SELECT * FROM Activity");
    ASSERT_EQ(S_OK, rows->put_Sort(Text(L"TimeSpent Desc")));
    EXPECT_EQ(adErrItemNotFound, rows->put_Sort(Text(L"Missing Desc")));
    EXPECT_NE(std::wstring::npos, LastErrorText().find(L"\"Missing\"")) << LastErrorText();
    EXPECT_EQ(adErrInvalidArgument, rows->put_Sort(Text(L"Name Upward")));
    BSTR sort = nullptr;
    rows->get_Sort(&sort);
    EXPECT_EQ(L"TimeSpent Desc", FromBstr(sort));
    SysFreeString(sort);
    EXPECT_EQ((Names{L"3", L"1", L"4", L"2"}), Column(rows.Get(), L"ID"));

    auto blobs = Query(L"SELECT ID, Icon FROM Activity WHERE Icon IS NOT NULL "
                       L"UNION ALL SELECT 9, x'02'");
    EXPECT_EQ(adErrFeatureNotAvailable, blobs->put_Sort(Text(L"Icon")));
}

// Marshals through the recordset's own IMarshal and builds the copy as COM would.
ComPtr<_Recordset> CopyByValue(_Recordset* iRows)
{
    ComPtr<IMarshal> marshal;
    EXPECT_EQ(S_OK, iRows->QueryInterface(IID_IMarshal, reinterpret_cast<void**>(marshal.GetAddressOf())));
    CLSID unmarshaller;
    EXPECT_EQ(
        S_OK,
        marshal->GetUnmarshalClass(IID__Recordset, iRows, MSHCTX_LOCAL, nullptr, MSHLFLAGS_NORMAL, &unmarshaller));
    EXPECT_EQ(CLSID_Recordset, unmarshaller);
    DWORD size = 0;
    EXPECT_EQ(S_OK, marshal->GetMarshalSizeMax(IID__Recordset, iRows, MSHCTX_LOCAL, nullptr, MSHLFLAGS_NORMAL, &size));
    ComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    EXPECT_EQ(S_OK,
              marshal->MarshalInterface(stream.Get(), IID__Recordset, iRows, MSHCTX_LOCAL, nullptr, MSHLFLAGS_NORMAL));
    ULARGE_INTEGER end;
    stream->Seek({}, STREAM_SEEK_CUR, &end);
    EXPECT_EQ(size, end.QuadPart);
    stream->Seek({}, STREAM_SEEK_SET, nullptr);
    auto receiver = Create<IMarshal>(CLSID_Recordset);
    ComPtr<_Recordset> copy;
    EXPECT_EQ(
        S_OK,
        receiver->UnmarshalInterface(stream.Get(), IID__Recordset, reinterpret_cast<void**>(copy.GetAddressOf())));
    return copy;
}

TEST_F(RecordsetTest, TravelsByValueWithItsSortAndPosition)
{
    auto rows = Query(L"SELECT * FROM Activity");
    ASSERT_EQ(S_OK, rows->put_Sort(Text(L"TimeSpent Desc")));
    ASSERT_EQ(S_OK, rows->MoveNext());
    auto copy = CopyByValue(rows.Get());
    ASSERT_TRUE(copy);
    rows.Reset();
    EXPECT_EQ((Names{L"1", L"4", L"2"}), Column(copy.Get(), L"ID"));
    copy->MoveFirst();
    EXPECT_EQ((Names{L"900", L"300", L"300", L"null"}), Column(copy.Get(), L"TimeSpent"));
    copy->MoveFirst();
    ComPtr<Fields> fields;
    copy->get_Fields(&fields);
    ComPtr<Field> started;
    fields->get_Item(Variant::Text(L"Started").Get(), &started);
    DataTypeEnum type;
    started->get_Type(&type);
    EXPECT_EQ(adDate, type);
    copy->MoveNext();
    EXPECT_EQ(45293.127838541666, FieldValue(copy.Get(), L"Started").Get().date);
    const BYTE icon[] = {0, 1, 0xFF};
    EXPECT_EQ(std::vector<BYTE>(icon, icon + 3), BytesOf(FieldValue(copy.Get(), L"Icon").Get()));
    EXPECT_EQ(L"word", FromBstr(FieldValue(copy.Get(), L"Name").Get().bstrVal));
}

TEST_F(RecordsetTest, ClosedRecordsetTravelsClosed)
{
    ComPtr<_Recordset> closed;
    ASSERT_EQ(S_OK, m_Connection->Execute(Text(L"DELETE FROM Activity WHERE ID = 2"), nullptr, adCmdText, &closed));
    auto copy = CopyByValue(closed.Get());
    long state = -1;
    copy->get_State(&state);
    EXPECT_EQ(adStateClosed, state);
}

TEST_F(RecordsetTest, RefusesMalformedMarshalData)
{
    auto rows = Query(L"SELECT * FROM Activity");
    ComPtr<IMarshal> marshal;
    rows->QueryInterface(IID_IMarshal, reinterpret_cast<void**>(marshal.GetAddressOf()));
    ComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    marshal->MarshalInterface(stream.Get(), IID__Recordset, rows.Get(), MSHCTX_LOCAL, nullptr, MSHLFLAGS_NORMAL);
    ULARGE_INTEGER size;
    stream->Seek({}, STREAM_SEEK_CUR, &size);
    ULARGE_INTEGER cut;
    cut.QuadPart = size.QuadPart - 5;
    stream->SetSize(cut);
    stream->Seek({}, STREAM_SEEK_SET, nullptr);
    auto receiver = Create<IMarshal>(CLSID_Recordset);
    ComPtr<_Recordset> copy;
    EXPECT_EQ(
        RPC_E_INVALID_DATA,
        receiver->UnmarshalInterface(stream.Get(), IID__Recordset, reinterpret_cast<void**>(copy.GetAddressOf())));
    EXPECT_FALSE(copy);

    // A length far beyond the data that follows it.
    ComPtr<IStream> huge;
    CreateStreamOnHGlobal(nullptr, TRUE, &huge);
    const uint32_t header[4] = {0x53524441, 0xFFFFFFF0, 1, 1};
    huge->Write(header, sizeof header, nullptr);
    huge->Seek({}, STREAM_SEEK_SET, nullptr);
    EXPECT_EQ(RPC_E_INVALID_DATA,
              receiver->UnmarshalInterface(huge.Get(), IID__Recordset, reinterpret_cast<void**>(copy.GetAddressOf())));
    EXPECT_FALSE(copy);
}

}  // namespace
}  // namespace ado::test

namespace ado::test {
namespace {

TEST(RecordsetBuilderTest, BuildsAnOpenRecordsetThatSortsAndWalks)
{
    const ColumnDefinition columns[] = {{L"ID", adInteger, 4}, {L"Name", adVarWChar, 64}};
    const Variant values[] = {Variant::Int(2), Variant::Text(L"word"), Variant::Int(1), Variant::Null()};
    std::vector<VARIANT> raw;
    for (const Variant& value : values)
        raw.push_back(value.Get());
    ComPtr<_Recordset> rows;
    ASSERT_EQ(S_OK, CreateRecordset(columns, 2, raw.data(), raw.size(), &rows));
    long state = adStateClosed, count = 0;
    EXPECT_EQ(S_OK, rows->get_State(&state));
    EXPECT_EQ(adStateOpen, state);
    EXPECT_EQ(S_OK, rows->get_RecordCount(&count));
    EXPECT_EQ(2, count);
    ASSERT_EQ(S_OK, rows->put_Sort(Text(L"ID Asc")));
    EXPECT_EQ(VT_NULL, FieldValue(rows.Get(), L"Name").Type());
    ASSERT_EQ(S_OK, rows->MoveNext());
    EXPECT_EQ(L"word", FromBstr(FieldValue(rows.Get(), L"Name").Get().bstrVal));
    ASSERT_EQ(S_OK, rows->MoveNext());
    VARIANT_BOOL eof = VARIANT_FALSE;
    EXPECT_EQ(S_OK, rows->get_EOF(&eof));
    EXPECT_TRUE(eof);
}

TEST(RecordsetBuilderTest, RefusesValuesThatDoNotFillWholeRows)
{
    const ColumnDefinition columns[] = {{L"ID", adInteger, 4}, {L"Name", adVarWChar, 64}};
    const VARIANT one = Variant::Int(1).Get();
    _Recordset* rows = reinterpret_cast<_Recordset*>(1);
    EXPECT_EQ(E_INVALIDARG, CreateRecordset(columns, 2, &one, 1, &rows));
    EXPECT_EQ(nullptr, rows);
    EXPECT_EQ(E_INVALIDARG, CreateRecordset(columns, 0, nullptr, 0, &rows));
    EXPECT_EQ(E_POINTER, CreateRecordset(columns, 2, nullptr, 0, nullptr));
}

}  // namespace
}  // namespace ado::test
