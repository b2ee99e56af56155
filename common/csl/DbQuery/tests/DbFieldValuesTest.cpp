#include <csl/DbQuery/DbFieldToInt.h>
#include <csl/DbQuery/DbFieldValues.h>
#include <csl/DbQuery/TDbRecordset.h>
#include <csl/EComException.h>
#include <csl/TDebugStream.h>

#include "DbTestSupport.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// A result made in memory, with one row per entry of iRows.
_RecordsetPtr Rows(const std::vector<ado::ColumnDefinition>& iColumns, const std::vector<_variant_t>& iValues)
{
    _Recordset* rows = nullptr;
    EXPECT_EQ(S_OK, ado::CreateRecordset(iColumns.data(), iColumns.size(), iValues.data(), iValues.size(), &rows));
    return _RecordsetPtr(rows, false);
}

_variant_t Decimal(ULONG iValue)
{
    _variant_t value;
    value.vt = VT_DECIMAL;
    value.decVal.Lo32 = iValue;
    return value;
}

_variant_t Typed(VARTYPE iType)
{
    _variant_t value;
    value.vt = iType;
    return value;
}

_variant_t Bytes(size_t iCount)
{
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(iCount));
    _variant_t value;
    value.vt = VT_ARRAY | VT_UI1;
    value.parray = array;
    return value;
}

HRESULT CodeOf(const std::function<void()>& iCall)
{
    try {
        iCall();
    } catch (const EComException& e) {
        return e.GetHResult();
    }
    return S_OK;
}

TEST(DbFieldValuesTest, ReadsEachKindOfValue)
{
    _variant_t unsignedLarge(3000000000UL);
    const struct {
        _variant_t Value;
        const wchar_t* Text;
        unsigned long ULong;
        double Double;
    } cases[] = {
        {Typed(VT_EMPTY), L"", 0, 0.0},
        {Typed(VT_NULL), L"", 0, 0.0},
        {Decimal(12345), L"12345", 12345, 12345.0},
        {_variant_t(2.9), L"2.9", 2, 2.9},
        {_variant_t(-1L), L"-1", 4294967295UL, -1.0},
        {unsignedLarge, L"3000000000", 3000000000UL, 3e9},
        {_variant_t(L" 42"), L" 42", 42, 42.0},
    };
    for (const auto& c : cases) {
        const _RecordsetPtr rows = Rows({{L"V", adEmpty, 0}}, {c.Value});
        const FieldPtr field = DbGetField(rows, L"V");
        EXPECT_EQ(std::wstring(c.Text), std::wstring(static_cast<const wchar_t*>(DbFieldAsText(field))));
        EXPECT_EQ(c.ULong, DbFieldAsULong(field)) << c.Text;
        EXPECT_DOUBLE_EQ(c.Double, DbFieldAsDouble(field)) << c.Text;
    }
}

TEST(DbFieldValuesTest, NullPointersAndUnknownNamesRaise)
{
    const _RecordsetPtr rows = Rows({{L"V", adInteger, 4}}, {_variant_t(1L)});
    EXPECT_EQ(E_POINTER, CodeOf([] { DbGetField(nullptr, L"V"); }));
    EXPECT_EQ(E_POINTER, CodeOf([] { DbFieldAsText(nullptr); }));
    EXPECT_EQ(E_POINTER, CodeOf([] { DbFieldAsULong(nullptr); }));
    EXPECT_EQ(E_POINTER, CodeOf([] { DbFieldAsDouble(nullptr); }));
    EXPECT_TRUE(FAILED(CodeOf([&] { DbGetField(rows, L"Missing"); })));
}

TEST(DbFieldValuesTest, AFailedConversionStaysACOMErrorAndNamesTheField)
{
    const _RecordsetPtr rows = Rows({{L"Count", adVarWChar, 20}}, {_variant_t(L"many")});
    try {
        DbFieldAsULong(DbGetField(rows, L"Count"));
        ADD_FAILURE() << "no exception";
    } catch (const EComException& e) {
        EXPECT_EQ(DISP_E_TYPEMISMATCH, e.GetHResult());
        EXPECT_EQ("Count", PropertyText(e, "ValueName"));
        EXPECT_EQ("many", PropertyText(e, "Value"));
    }
}

TEST(DbFieldValuesTest, ResultWithoutConnectionLogsEachRowItVisits)
{
    TDbLogCapture log;
    const std::wstring longest(128, L'x');
    const _RecordsetPtr rows =
        Rows({{L"ID", adInteger, 4}, {L"Name", adVarWChar, 200}, {L"", adEmpty, 0}},
             {_variant_t(7L), _variant_t(L"Word"), Bytes(3), _variant_t(8L), _variant_t(longest.c_str()),
              Typed(VT_NULL), _variant_t(9L), _variant_t((longest + L"x").c_str()), _variant_t(true)});
    TDbRecordset result(rows);
    ASSERT_FALSE(result.IsEOF());
    EXPECT_EQ(7u, DbFieldAsULong(DbGetField(result.GetRecordset(), L"ID")));
    while (!result.IsEOF())
        result.MoveNext();
    const std::vector<std::string> expected = {
        "ID=7,Name='Word',#2=<blob 3 bytes long>",
        "ID=8,Name='" + std::string(128, 'x') + "',#2=<null>",
        "ID=9,Name=<long string>,#2=unknown vt=#11",
        "----- End of Recordset -----",
    };
    EXPECT_EQ(expected, log.Lines("[SQL] "));
}

TEST(DbFieldValuesTest, ResultMadeWithoutAWriterStaysSilent)
{
    DebugLog().RemoveAllWriters();
    TDbRecordset result(Rows({{L"ID", adInteger, 4}}, {_variant_t(7L)}));
    TDbLogCapture log;
    result.MoveNext();
    EXPECT_TRUE(log.Lines("[SQL] ").empty());
}

TEST(DbFieldValuesTest, SortsTheResult)
{
    TDbRecordset result(Rows({{L"Name", adVarWChar, 20}}, {_variant_t(L"b"), _variant_t(L"a")}));
    result.SetSort(L"Name Asc");
    EXPECT_EQ(_bstr_t(L"a"), DbFieldAsText(DbGetField(result.GetRecordset(), L"Name")));
    EXPECT_TRUE(FAILED(CodeOf([&] { result.SetSort(L"Missing Asc"); })));
}

}  // namespace
