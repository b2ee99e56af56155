#include <vector>

#include "TestSupport.h"

namespace ado::test {
namespace {

class CommandTest : public SqliteTest {
protected:
    void SetUp() override
    {
        SqliteTest::SetUp();
        Execute(L"CREATE TABLE T(I INT, R DOUBLE, D DATETIME, S TEXT, B BLOB)");
    }

    ComPtr<_Command> NewCommand(const std::wstring& iSql)
    {
        auto command = Create<_Command>(CLSID_Command);
        EXPECT_EQ(S_OK, command->putref_ActiveConnection(m_Connection.Get()));
        EXPECT_EQ(S_OK, command->put_CommandType(adCmdText));
        EXPECT_EQ(S_OK, command->put_CommandText(Text(iSql)));
        return command;
    }

    ComPtr<_Parameter> Append(_Command* iCommand, DataTypeEnum iType, long iSize, const Variant& iValue)
    {
        ComPtr<_Parameter> parameter;
        EXPECT_EQ(S_OK, iCommand->CreateParameter(Text(L""), iType, adParamInput, iSize, iValue.Get(), &parameter));
        ComPtr<Parameters> parameters;
        EXPECT_EQ(S_OK, iCommand->get_Parameters(&parameters));
        EXPECT_EQ(S_OK, parameters->Append(parameter.Get()));
        return parameter;
    }

    long Run(_Command* iCommand, long iOptions = adCmdText | adExecuteNoRecords)
    {
        Variant affected;
        ComPtr<_Recordset> rows;
        EXPECT_EQ(S_OK, iCommand->Execute(affected.Receive(), nullptr, iOptions, &rows)) << LastErrorText();
        return affected.Type() == VT_I4 ? affected.Get().lVal : -100;
    }
};

std::vector<BYTE> Bytes(const Variant& iValue)
{
    return BytesOf(iValue.Get());
}

TEST_F(CommandTest, BindsEveryParameterTypeAndReadsItBack)
{
    const BYTE blob[] = {0, 1, 2, 255, 0, 7};
    struct Case {
        const wchar_t* column;
        DataTypeEnum type;
        Variant value;
        VARTYPE readType;
    } cases[] = {
        {L"I", adInteger, Variant::Int(-123456), VT_I4},
        {L"R", adDouble, Variant::Double(2.625), VT_R8},
        {L"D", adDate, Variant::Date(45293.127838541666), VT_DATE},
        {L"S", adBSTR, Variant::Text(L"Gr\u00fc\u00dfe \u2713 'quoted'"), VT_BSTR},
        {L"B", adBinary, Variant::Bytes(blob, sizeof blob), VT_ARRAY | VT_UI1},
    };
    for (const Case& c : cases) {
        for (bool null : {false, true}) {
            Execute(L"DELETE FROM T");
            auto insert = NewCommand(std::wstring(L"INSERT INTO T(") + c.column + L") VALUES (?)");
            Append(insert.Get(), c.type, 0, null ? Variant::Null() : c.value);
            EXPECT_EQ(1, Run(insert.Get())) << c.column;
            auto rows = Query(std::wstring(L"SELECT ") + c.column + L" FROM T");
            ASSERT_TRUE(rows);
            Variant read = FieldValue(rows.Get(), c.column);
            if (null) {
                EXPECT_EQ(VT_NULL, read.Type()) << c.column;
            } else if (c.readType == (VT_ARRAY | VT_UI1)) {
                ASSERT_EQ(c.readType, read.Type()) << c.column;
                EXPECT_EQ(Bytes(c.value), Bytes(read));
            } else {
                ASSERT_EQ(c.readType, read.Type()) << c.column;
                EXPECT_EQ(VARCMP_EQ,
                          VarCmp(const_cast<VARIANT*>(&c.value.Get()), const_cast<VARIANT*>(&read.Get()),
                                 LOCALE_USER_DEFAULT, 0))
                    << c.column;
            }
        }
    }
}

TEST_F(CommandTest, IntegerSumsKeepTheirTypeWhileTheyFitAndComeOutWholeBeyond32Bits)
{
    const struct {
        const wchar_t* rows;
        VARTYPE type;
        LONGLONG sum;
    } cases[] = {
        {L"(2147483646), (1)", VT_I4, 2147483647LL},
        {L"(-2147483647), (-1)", VT_I4, -2147483648LL},
        {L"(2147483647), (1)", VT_I8, 2147483648LL},
        {L"(2147483647), (2147483647), (2147483647)", VT_I8, 6442450941LL},
        {L"(-2147483648), (-1)", VT_I8, -2147483649LL},
    };
    for (const auto& c : cases) {
        Execute(L"DELETE FROM T");
        Execute(std::wstring(L"INSERT INTO T(I) VALUES ") + c.rows);
        auto rows = Query(L"SELECT SUM(I) AS Total FROM T");
        ASSERT_TRUE(rows);
        Variant sum = FieldValue(rows.Get(), L"Total");
        ASSERT_EQ(c.type, sum.Type()) << c.rows;
        EXPECT_EQ(c.sum, c.type == VT_I8 ? sum.Get().llVal : sum.Get().lVal) << c.rows;
    }
}

TEST_F(CommandTest, ParametersArePositionalAndSelectWithWhere)
{
    Execute(L"INSERT INTO T(I, S) VALUES (1, 'a'), (2, 'b'), (3, 'c')");
    auto select = NewCommand(L"SELECT S FROM T WHERE I >= ? AND S <> ? ORDER BY I");
    Append(select.Get(), adInteger, 4, Variant::Int(2));
    Append(select.Get(), adBSTR, 1, Variant::Text(L"c"));
    ComPtr<_Recordset> rows;
    ASSERT_EQ(S_OK, select->Execute(nullptr, nullptr, adCmdText, &rows)) << LastErrorText();
    long count = 0;
    rows->get_RecordCount(&count);
    ASSERT_EQ(1, count);
    EXPECT_EQ(L"b", FromBstr(FieldValue(rows.Get(), L"S").Get().bstrVal));

    auto update = NewCommand(L"UPDATE T SET S = ? WHERE I < ?");
    Append(update.Get(), adBSTR, 1, Variant::Text(L"z"));
    Append(update.Get(), adInteger, 4, Variant::Int(3));
    EXPECT_EQ(2, Run(update.Get()));
    auto none = NewCommand(L"UPDATE T SET S = 'y' WHERE I > 100");
    EXPECT_EQ(0, Run(none.Get()));
}

TEST_F(CommandTest, AppendsChunksOfALongBinaryValue)
{
    std::vector<BYTE> data(20000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<BYTE>(i * 7);
    auto insert = NewCommand(L"INSERT INTO T(B) VALUES (?)");
    VARIANT missing;
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    auto parameter = Append(insert.Get(), adLongVarBinary, 0x7FFFFFFF, Variant(missing));
    EXPECT_EQ(S_OK, parameter->put_Attributes(adParamLong));
    for (size_t offset = 0; offset < data.size(); offset += 8192) {
        size_t size = std::min<size_t>(8192, data.size() - offset);
        EXPECT_EQ(S_OK, parameter->AppendChunk(Variant::Bytes(&data[offset], size).Get()));
    }
    EXPECT_EQ(S_OK, parameter->put_Size(static_cast<long>(data.size())));
    EXPECT_EQ(1, Run(insert.Get()));
    auto rows = Query(L"SELECT B FROM T");
    EXPECT_EQ(data, Bytes(FieldValue(rows.Get(), L"B")));
}

TEST_F(CommandTest, RefusesWhatItCannotRun)
{
    auto command = Create<_Command>(CLSID_Command);
    EXPECT_EQ(S_OK, command->put_CommandText(Text(L"SELECT 1")));
    ComPtr<_Recordset> rows;
    EXPECT_EQ(adErrInvalidConnection, command->Execute(nullptr, nullptr, adCmdText, &rows));
    EXPECT_NE(std::wstring::npos, LastErrorText().find(L"no active connection"));

    auto unbindable = NewCommand(L"INSERT INTO T(I) VALUES (?)");
    Append(unbindable.Get(), adBoolean, 2, Variant::Bool(true));
    EXPECT_EQ(adErrFeatureNotAvailable, unbindable->Execute(nullptr, nullptr, adCmdText, &rows));
    EXPECT_NE(std::wstring::npos, LastErrorText().find(L"Parameter 1")) << LastErrorText();

    auto wrongValue = NewCommand(L"INSERT INTO T(I) VALUES (?)");
    Append(wrongValue.Get(), adInteger, 4, Variant::Text(L"not a number"));
    EXPECT_EQ(DISP_E_TYPEMISMATCH, wrongValue->Execute(nullptr, nullptr, adCmdText, &rows));
    EXPECT_EQ(adErrFeatureNotAvailable, NewCommand(L"T")->Execute(nullptr, nullptr, 2 /* a table name */, &rows));
    EXPECT_EQ(adErrFeatureNotAvailable, command->put_CommandType(static_cast<CommandTypeEnum>(4)));
}

TEST_F(CommandTest, ExecuteNoRecordsGivesNoRecordsetAndOtherStatementsAClosedOne)
{
    auto command = NewCommand(L"INSERT INTO T(I) VALUES (5)");
    ComPtr<_Recordset> rows;
    ASSERT_EQ(S_OK, command->Execute(nullptr, nullptr, adCmdText | adExecuteNoRecords, &rows));
    EXPECT_FALSE(rows);
    ASSERT_EQ(S_OK, command->Execute(nullptr, nullptr, adCmdText, &rows));
    ASSERT_TRUE(rows);
    long state = -1;
    EXPECT_EQ(S_OK, rows->get_State(&state));
    EXPECT_EQ(adStateClosed, state);
    VARIANT_BOOL eof;
    EXPECT_EQ(adErrObjectClosed, rows->get_EOF(&eof));
    EXPECT_EQ(2, Count(L"T"));
}

}  // namespace
}  // namespace ado::test
