#include "DbTestSupport.h"

#include <csl/DbQuery/CDbQuery.h>
#include <csl/DbQuery/DbFieldToInt.h>
#include <csl/DbQuery/DbObject.h>
#include <csl/DbQuery/TDbCommand.h>
#include <csl/DbQuery/TDbTransaction.h>
#include <csl/EGeneric.h>

#include <typeinfo>

namespace {

using DbCommandTest = DbTest;

typedef std::vector<std::string> TLines;

_variant_t Null()
{
    _variant_t value;
    value.vt = VT_NULL;
    return value;
}

_variant_t Date(WORD iYear, WORD iMonth, WORD iDay, WORD iHour, WORD iMinute, WORD iSecond)
{
    SYSTEMTIME time = {iYear, iMonth, 0, iDay, iHour, iMinute, iSecond, 0};
    _variant_t value;
    value.vt = VT_DATE;
    SystemTimeToVariantTime(&time, &value.date);
    return value;
}

_variant_t Bytes(const std::string& iBytes)
{
    _variant_t value;
    value.vt = VT_ARRAY | VT_UI1;
    value.parray = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(iBytes.size()));
    memcpy(value.parray->pvData, iBytes.data(), iBytes.size());
    return value;
}

long ToLong(_variant_t iValue)
{
    iValue.ChangeType(VT_I4);
    return iValue.lVal;
}

// A stored object as a COM object that knows its row.
class TStoredObject : public IUnknown, public DbObject {
public:
    explicit TStoredObject(DWORD iId) : DbObject(iId) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iInterface, void** oObject) override
    {
        *oObject = iInterface == IID_IUnknown || iInterface == IID_DbObject ? this : nullptr;
        return *oObject ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

TEST_F(DbCommandTest, RetriesOnceAfterTheConnectionWasLost)
{
    Run({"CREATE TABLE T(A INT)", "INSERT INTO T VALUES (5)"});
    BreakOpenDatabase(true);
    m_Log->Clear();
    EXPECT_EQ(5, ToLong(TDbCommand("SELECT A FROM T").ExecuteScalar()));
    EXPECT_EQ((TLines{"SELECT A FROM T", "CONNECTION CLOSED", "CONNECTION OPENED", "SELECT A FROM T", "A=5"}),
              m_Log->Lines("[SQL/GUI] "));
}

TEST_F(DbCommandTest, SecondFailureLeavesWithTheDetails)
{
    Run({"CREATE TABLE T(A INT)"});
    BreakOpenDatabase(false);
    m_Log->Clear();
    try {
        TDbCommand("SELECT A FROM T").ExecuteScalar();
        ADD_FAILURE() << "no exception";
    } catch (const EGeneric& e) {
        EXPECT_EQ(typeid(EGeneric), typeid(e));
        EXPECT_EQ(std::to_string(E_FAIL), PropertyText(e, "Code"));
    }
    const TLines lines = m_Log->Lines("[SQL/GUI] ");
    EXPECT_EQ(1, std::count(lines.begin(), lines.end(), "CONNECTION CLOSED")) << m_Log->Text();
    EXPECT_EQ(2, std::count(lines.begin(), lines.end(), "SELECT A FROM T")) << m_Log->Text();
}

TEST_F(DbCommandTest, NoRetryInsideATransaction)
{
    Run({"CREATE TABLE T(A INT)", "INSERT INTO T VALUES (5)"});
    {
        TDbTransaction scope;
        BreakOpenDatabase(true);
        m_Log->Clear();
        try {
            TDbCommand("INSERT INTO T VALUES (6)").Execute();
            ADD_FAILURE() << "no exception";
        } catch (const EGeneric& e) {
            EXPECT_EQ(std::to_string(E_FAIL), PropertyText(e, "Code")) << e.what();
        }
        EXPECT_EQ(TLines{"INSERT INTO T VALUES (6)"}, m_Log->Lines("[SQL/GUI] "));
    }
    m_Log->Clear();
    EXPECT_EQ(1, ToLong(TDbCommand("SELECT COUNT(*) AS N FROM T").ExecuteScalar()));
    const TLines lines = m_Log->Lines("[SQL/GUI] ");
    EXPECT_EQ(1, std::count(lines.begin(), lines.end(), "CONNECTION OPENED")) << m_Log->Text();
}

TEST_F(DbCommandTest, AScopeThatFindsItsConnectionLostClosesIt)
{
    Run({"CREATE TABLE T(A INT NOT NULL)"});
    enum TBreak {
        Never,
        BeforeTheScope,
        InsideTheScope
    };
    const struct {
        TBreak Break;
        const char* Statement;
        bool StaysOpen;
    } cases[] = {
        {Never, "INSERT INTO T VALUES (NULL)", true},
        {BeforeTheScope, "INSERT INTO T VALUES (1)", false},
        {InsideTheScope, "INSERT INTO T VALUES (1)", false},
    };
    for (const auto& c : cases) {
        m_Report->Open();
        try {
            if (c.Break == BeforeTheScope)
                BreakOpenDatabase(true);
            TDbTransaction scope(*m_Report);
            if (c.Break == InsideTheScope)
                BreakOpenDatabase(true);
            TDbCommand(c.Statement).Execute();
            ADD_FAILURE() << "no exception";
        } catch (const EGeneric&) {
        }
        EXPECT_EQ(c.StaysOpen, m_Report->IsOpen()) << c.Break;
        TDbTransaction scope(*m_Report);
        TDbCommand("INSERT INTO T VALUES (2)").Execute();
        scope.Commit();
    }
    EXPECT_EQ(3, ToLong(TDbCommand("SELECT COUNT(*) AS N FROM T").ExecuteScalar()));
}

TEST_F(DbCommandTest, LogsStatementsWithTheirValues)
{
    const std::string text128(128, 't');
    const struct {
        const char* Sql;
        std::vector<_variant_t> Values;
        std::string Line;
    } cases[] = {
        {"SELECT 1 AS A", {}, "SELECT 1 AS A"},
        {"SELECT ?,?,?,?,?,?",
         {_variant_t(7L), _variant_t(2.5), _variant_t(L"abc"), _variant_t(L""), _variant_t(true), Null()},
         "SELECT ?,?,?,?,?,? {7,2.5,'abc',<null>,1,<null>}"},
        {"SELECT ?,?",
         {_variant_t(text128.c_str()), _variant_t((text128 + "u").c_str())},
         "SELECT ?,? {'" + text128 + "',<long string>}"},
        {"SELECT ?,?",
         {Date(2024, 1, 2, 3, 4, 5), Bytes("abc")},
         "SELECT ?,? {'01/02/24 03:04:05',<blob 3 bytes long>}"},
    };
    for (const auto& c : cases) {
        TDbCommand command(c.Sql);
        for (const _variant_t& value : c.Values)
            command.AddParameter(value);
        m_Log->Clear();
        command.ExecuteRecordset();
        const TLines lines = m_Log->Lines("[SQL/GUI] ");
        ASSERT_FALSE(lines.empty()) << c.Sql;
        EXPECT_EQ(c.Line, lines[lines.size() - 2]);
    }
}

TEST_F(DbCommandTest, BindsValuesByKind)
{
    Run({"CREATE TABLE B(Data BLOB)"});
    const struct {
        _variant_t Value;
        long Expected;
    } isNull[] = {{_variant_t(L""), 1}, {Null(), 1}, {_variant_t(), 1}, {_variant_t(L"a"), 0}, {_variant_t(0L), 0}};
    for (const auto& c : isNull)
        EXPECT_EQ(c.Expected, ToLong(TDbCommand("SELECT ? IS NULL", c.Value).ExecuteScalar())) << c.Value.vt;

    IBindCtx* foreign = nullptr;
    ASSERT_EQ(S_OK, CreateBindCtx(0, &foreign));
    EXPECT_EQ(1, ToLong(TDbCommand("SELECT ? IS NULL", _variant_t(static_cast<IUnknown*>(foreign))).ExecuteScalar()));
    foreign->Release();

    TStoredObject object(77);
    EXPECT_EQ(77, ToLong(TDbCommand("SELECT ?", _variant_t(static_cast<IUnknown*>(&object))).ExecuteScalar()));
    EXPECT_EQ(1, ToLong(TDbCommand("SELECT ?", _variant_t(true)).ExecuteScalar()));

    IStream* stream = nullptr;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, &stream));
    const std::string data(20000, 'd');
    stream->Write(data.data(), static_cast<ULONG>(data.size()), nullptr);
    const LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    TDbCommand insert("INSERT INTO B VALUES (?)");
    const _ParameterPtr parameter = insert.AddParameter(_variant_t(static_cast<IUnknown*>(stream)));
    stream->Release();
    insert.Execute();
    long size = 0;
    parameter->get_Size(&size);
    EXPECT_EQ(20000, size);
    EXPECT_EQ(20000, ToLong(TDbCommand("SELECT length(Data) FROM B").ExecuteScalar()));
}

TEST_F(DbCommandTest, RunsEachKindOfStatement)
{
    Run({"CREATE TABLE T(ID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT, Data BLOB)"});
    {
        TDbTransaction scope(*m_Report);
        EXPECT_EQ(1, TDbCommand("INSERT INTO T(Name, Data) VALUES (?, ?)", L"a", Bytes("xyz")).ExecuteInsert());
        EXPECT_EQ(2, TDbCommand("INSERT INTO T(Name) VALUES (?)", L"b").ExecuteInsert());
        scope.Commit();
    }
    EXPECT_EQ(2, TDbCommand("UPDATE T SET Name=Name||'!'").ExecuteNonQuery());
    EXPECT_EQ(VT_EMPTY, TDbCommand("SELECT ID FROM T WHERE ID>?", 5L).ExecuteScalar().vt);

    m_Log->Clear();
    SmartPtr<CDbQuery> query(new CDbQuery);
    query->GetFrom().AddTable("T");
    query->GetWhere().AddEqual("ID", 1L);
    TDbCommand(*query).ExecuteRecordset();
    TDbCommand("SELECT * FROM T WHERE ID=3").ExecuteRecordset();
    EXPECT_EQ((TLines{"SELECT * FROM T WHERE (ID=?) {1}", "ID=1,Name='a!',Data=<blob 3 bytes long>",
                      "SELECT * FROM T WHERE ID=3", "----- End of Recordset -----"}),
              m_Log->Lines("[SQL/GUI] "));

    m_Query->SetConnectionString((L"Driver={SQLite3};Database=" + m_Path).c_str());
    try {
        TDbCommand("INSERT INTO T(Name) VALUES ('c')").ExecuteInsert();
        ADD_FAILURE() << "no exception";
    } catch (const EGeneric& e) {
        EXPECT_EQ(std::to_string(E_POINTER), PropertyText(e, "Code"));
    }
    EXPECT_EQ(2, CountOn(*m_Report, "T"));
}

TEST_F(DbCommandTest, ReadsFieldsAsIntegers)
{
    Run({"CREATE TABLE V(I INT, R DOUBLE, S TEXT)", "INSERT INTO V VALUES (42, -2.9, '17')",
         "INSERT INTO V VALUES (NULL, 2.9, 'abc')"});
    const struct {
        const char* Sql;
        int Expected;
    } cases[] = {
        {"SELECT I FROM V WHERE S='17'", 42}, {"SELECT I FROM V WHERE S='abc'", 0},
        {"SELECT R FROM V WHERE S='17'", -2}, {"SELECT R FROM V WHERE S='abc'", 2},
        {"SELECT S FROM V WHERE S='17'", 17},
    };
    for (const auto& c : cases) {
        const TDbRecordset rows = TDbCommand(c.Sql).ExecuteRecordset();
        EXPECT_EQ(c.Expected, DbFieldToInt(rows.GetField(0))) << c.Sql;
    }

    try {
        DbFieldToInt(TDbCommand("SELECT S FROM V WHERE S='abc'").ExecuteRecordset().GetField(0));
        ADD_FAILURE() << "no exception";
    } catch (const EGeneric& e) {
        EXPECT_EQ("S", PropertyText(e, "ValueName"));
        EXPECT_EQ("abc", PropertyText(e, "Value"));
        EXPECT_EQ("8", PropertyText(e, "ConvertFromType"));
        EXPECT_EQ("19", PropertyText(e, "ConvertToType"));
    }
}

TEST_F(DbCommandTest, FailedStatementCarriesTheConnectionErrors)
{
    Run({"CREATE TABLE T(A INT)"});
    m_Log->Clear();
    try {
        TDbCommand("SELECT * FROM Missing").ExecuteRecordset();
        ADD_FAILURE() << "no exception";
    } catch (const EGeneric& e) {
        EXPECT_EQ(typeid(EGeneric), typeid(e));
        EXPECT_EQ(std::to_string(static_cast<int>(0x80040E14)), PropertyText(e, "Code"));
        EXPECT_EQ("HY000", PropertyText(e, "SQLState"));
        EXPECT_NE(std::string::npos, PropertyText(e, "Description").find("no such table")) << e.what();
    }
    EXPECT_EQ(TLines{"SELECT * FROM Missing"}, m_Log->Lines("[SQL/GUI] "));

    try {
        TDbCommand("SELECT A FROM T").ExecuteRecordset().GetField(3);
        ADD_FAILURE() << "no exception";
    } catch (const EGeneric& e) {
        EXPECT_EQ("3", PropertyText(e, "Field"));
    }
}

}  // namespace
