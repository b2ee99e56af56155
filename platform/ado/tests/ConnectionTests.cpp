#include <thread>

#include "TestSupport.h"

namespace ado::test {
namespace {

using ConnectionTest = SqliteTest;

long State(_Connection* iConnection)
{
    long state = -1;
    EXPECT_EQ(S_OK, iConnection->get_State(&state));
    return state;
}

std::vector<ComPtr<Error>> ErrorsOf(_Connection* iConnection)
{
    ComPtr<Errors> errors;
    EXPECT_EQ(S_OK, iConnection->get_Errors(&errors));
    long count = 0;
    EXPECT_EQ(S_OK, errors->get_Count(&count));
    std::vector<ComPtr<Error>> items(count);
    for (long i = 0; i < count; ++i) {
        EXPECT_EQ(S_OK, errors->get_Item(Variant::Int(i).Get(), &items[i]));
    }
    return items;
}

TEST_F(ConnectionTest, OpensAndClosesWithItsState)
{
    auto connection = Create<_Connection>(CLSID_Connection);
    EXPECT_EQ(adStateClosed, State(connection.Get()));
    ComPtr<_Recordset> rows;
    EXPECT_EQ(adErrObjectClosed, connection->Execute(Text(L"SELECT 1"), nullptr, adCmdText, &rows));
    EXPECT_EQ(adErrObjectClosed, connection->Close());

    ASSERT_EQ(S_OK, connection->Open(Text(ConnectionString()), nullptr, nullptr, adConnectUnspecified));
    EXPECT_EQ(adStateOpen, State(connection.Get()));
    EXPECT_EQ(adErrObjectOpen, connection->Open(Text(ConnectionString()), nullptr, nullptr, adConnectUnspecified));
    EXPECT_EQ(S_OK, connection->Close());
    EXPECT_EQ(adStateClosed, State(connection.Get()));
    EXPECT_EQ(S_OK, connection->Open(Text(ConnectionString()), nullptr, nullptr, adConnectUnspecified));
    EXPECT_EQ(adStateOpen, State(connection.Get()));
}

TEST_F(ConnectionTest, FreesEveryObjectWithItsLastReference)
{
    const long before = LiveObjects();
    {
        auto connection = Create<_Connection>(CLSID_Connection);
        ASSERT_EQ(S_OK, connection->Open(Text(ConnectionString()), nullptr, nullptr, adConnectUnspecified));
        ComPtr<_Recordset> rows;
        ASSERT_EQ(S_OK, connection->Execute(Text(L"SELECT 1 AS One"), nullptr, adCmdText, &rows));
        EXPECT_FALSE(FieldValue(rows.Get(), L"One").IsNull());
        ComPtr<_Recordset> none;
        EXPECT_NE(S_OK, connection->Execute(Text(L"SELECT * FROM NoSuchTable"), nullptr, adCmdText, &none));
        EXPECT_FALSE(ErrorsOf(connection.Get()).empty());
        EXPECT_GT(LiveObjects(), before);
    }
    EXPECT_EQ(before, LiveObjects());
}

TEST_F(ConnectionTest, TakesARelativeDatabaseFileFromTheProgramFolder)
{
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);
    std::wstring file = ProgramFolder() + L"relative_test.db";
    DeleteFileW(file.c_str());
    auto connection = Create<_Connection>(CLSID_Connection);
    HRESULT hr =
        connection->Open(Text(L"Provider=SQLite;Data Source=relative_test.db"), nullptr, nullptr, adConnectUnspecified);
    SetCurrentDirectoryW(previous);
    ASSERT_EQ(S_OK, hr) << LastErrorText();
    Execute(L"CREATE TABLE T(A INT)", connection.Get());
    connection.Reset();
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(file.c_str()));
    DeleteFileW(file.c_str());
}

TEST_F(ConnectionTest, OpensADatabaseWhosePathHoldsSeparatorsAndBraces)
{
    const std::wstring folder = m_Path + L" a;b}c{";
    const std::wstring file = folder + L"\\x;y}.db";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring connectionString = L"Provider=SQLite;Data Source=\"" + file + L"\"";
    for (const wchar_t* sql : {L"CREATE TABLE T(A INT)", L"SELECT COUNT(*) FROM T"}) {
        auto connection = Create<_Connection>(CLSID_Connection);
        ASSERT_EQ(S_OK, connection->Open(Text(connectionString), nullptr, nullptr, adConnectUnspecified))
            << LastErrorText();
        Execute(sql, connection.Get());
    }
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(file.c_str()));
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(ConnectionTest, ReportsAMissingDriverByName)
{
    auto connection = Create<_Connection>(CLSID_Connection);
    HRESULT hr =
        connection->Open(Text(L"Driver={No Such Driver 7};Database=x"), nullptr, nullptr, adConnectUnspecified);
    EXPECT_EQ(adErrProviderNotFound, hr);
    EXPECT_NE(std::wstring::npos, LastErrorText().find(L"\"No Such Driver 7\" is not installed")) << LastErrorText();
    EXPECT_EQ(adStateClosed, State(connection.Get()));
    EXPECT_FALSE(ErrorsOf(connection.Get()).empty());
}

TEST_F(ConnectionTest, FailedStatementFillsErrorsAndTheNextStatementClearsThem)
{
    Execute(L"CREATE TABLE T(ID INTEGER PRIMARY KEY)");
    Execute(L"INSERT INTO T VALUES (1)");
    struct Case {
        const wchar_t* sql;
        HRESULT number;
        long native;
        const wchar_t* text;
    } cases[] = {
        {L"SELECT Missing FROM T", static_cast<HRESULT>(0x80040E14), 1, L"no such column: Missing"},
        {L"INSERT INTO T VALUES (1)", static_cast<HRESULT>(0x80040E2F), 19, L"UNIQUE constraint"},
    };
    for (const Case& c : cases) {
        ComPtr<_Recordset> rows;
        EXPECT_EQ(c.number, m_Connection->Execute(Text(c.sql), nullptr, adCmdText, &rows)) << c.sql;
        EXPECT_NE(std::wstring::npos, LastErrorText().find(c.text)) << LastErrorText();
        auto errors = ErrorsOf(m_Connection.Get());
        ASSERT_EQ(1u, errors.size()) << c.sql;
        long number = 0, native = 0;
        BSTR state = nullptr, description = nullptr;
        EXPECT_EQ(S_OK, errors[0]->get_Number(&number));
        EXPECT_EQ(S_OK, errors[0]->get_NativeError(&native));
        EXPECT_EQ(S_OK, errors[0]->get_SQLState(&state));
        EXPECT_EQ(S_OK, errors[0]->get_Description(&description));
        EXPECT_EQ(c.number, number);
        EXPECT_EQ(c.native, native);
        EXPECT_EQ(L"HY000", FromBstr(state));
        EXPECT_NE(std::wstring::npos, FromBstr(description).find(c.text));
        SysFreeString(state);
        SysFreeString(description);
    }
    Execute(L"DELETE FROM T");
    EXPECT_TRUE(ErrorsOf(m_Connection.Get()).empty());
}

TEST_F(ConnectionTest, LostDatabaseReportsEFail)
{
    Execute(L"CREATE TABLE T(A INT)");
    EXPECT_EQ(0, Count(L"T"));
    // Another program overwrites the file: the driver can no longer read its database.
    HANDLE file = CreateFileW(m_Path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    std::string garbage(4096, 'x');
    DWORD written = 0;
    WriteFile(file, garbage.data(), static_cast<DWORD>(garbage.size()), &written, nullptr);
    CloseHandle(file);

    ComPtr<_Recordset> rows;
    EXPECT_EQ(E_FAIL, m_Connection->Execute(Text(L"SELECT * FROM T"), nullptr, adCmdText, &rows));
    auto errors = ErrorsOf(m_Connection.Get());
    ASSERT_FALSE(errors.empty());
    long number = 0;
    errors[0]->get_Number(&number);
    EXPECT_EQ(E_FAIL, number);
}

TEST_F(ConnectionTest, ADatabaseLockedLongerThanTheTimeoutReportsItLocked)
{
    Execute(L"CREATE TABLE T(A INT)");
    ComPtr<_Connection> holder = Create<_Connection>(CLSID_Connection);
    ComPtr<_Connection> waiter = Create<_Connection>(CLSID_Connection);
    for (_Connection* connection : {holder.Get(), waiter.Get()}) {
        ASSERT_EQ(S_OK,
                  connection->Open(Text(ConnectionString() + L";Timeout=200"), nullptr, nullptr, adConnectUnspecified))
            << LastErrorText();
    }
    long level = 0;
    ASSERT_EQ(S_OK, holder->BeginTrans(&level));
    Execute(L"INSERT INTO T VALUES (1)", holder.Get());
    ComPtr<_Recordset> rows;
    // Whether the write or the transaction meets the lock, the answer is the same.
    EXPECT_EQ(adErrResourceLocked,
              waiter->Execute(Text(L"INSERT INTO T VALUES (2)"), nullptr, adCmdText | adExecuteNoRecords, &rows));
    auto errors = ErrorsOf(waiter.Get());
    ASSERT_FALSE(errors.empty());
    long number = 0;
    errors[0]->get_Number(&number);
    EXPECT_EQ(adErrResourceLocked, number);
    EXPECT_EQ(adErrResourceLocked, waiter->BeginTrans(&level));
    ASSERT_EQ(S_OK, holder->CommitTrans());
    Execute(L"INSERT INTO T VALUES (2)", waiter.Get());
    EXPECT_EQ(2, Count(L"T"));
}

TEST_F(ConnectionTest, NestedTransactionsCommitAndRollBackAtTheirLevel)
{
    Execute(L"CREATE TABLE T(A TEXT)");
    auto other = OpenConnection();
    long level = 0;
    ASSERT_EQ(S_OK, m_Connection->BeginTrans(&level));
    EXPECT_EQ(1, level);
    Execute(L"INSERT INTO T VALUES ('outer')");
    ASSERT_EQ(S_OK, m_Connection->BeginTrans(&level));
    EXPECT_EQ(2, level);
    Execute(L"INSERT INTO T VALUES ('rolled back')");
    ASSERT_EQ(S_OK, m_Connection->RollbackTrans()) << LastErrorText();
    EXPECT_EQ(1, Count(L"T"));
    ASSERT_EQ(S_OK, m_Connection->BeginTrans(&level));
    EXPECT_EQ(2, level);
    Execute(L"INSERT INTO T VALUES ('inner')");
    ASSERT_EQ(S_OK, m_Connection->BeginTrans(&level));
    EXPECT_EQ(3, level);
    Execute(L"INSERT INTO T VALUES ('innermost')");
    ASSERT_EQ(S_OK, m_Connection->CommitTrans()) << LastErrorText();
    ASSERT_EQ(S_OK, m_Connection->CommitTrans()) << LastErrorText();
    EXPECT_EQ(3, Count(L"T"));
    ASSERT_EQ(S_OK, m_Connection->CommitTrans()) << LastErrorText();
    EXPECT_EQ(3, Count(L"T", other.Get()));
    EXPECT_EQ(adErrIllegalOperation, m_Connection->CommitTrans());

    ASSERT_EQ(S_OK, m_Connection->BeginTrans(&level));
    EXPECT_EQ(1, level);
    Execute(L"DELETE FROM T");
    ASSERT_EQ(S_OK, m_Connection->BeginTrans(&level));
    Execute(L"INSERT INTO T VALUES ('gone')");
    ASSERT_EQ(S_OK, m_Connection->CommitTrans());
    ASSERT_EQ(S_OK, m_Connection->RollbackTrans());
    EXPECT_EQ(3, Count(L"T"));
    EXPECT_EQ(adErrIllegalOperation, m_Connection->RollbackTrans());
}

// One transaction that reads T, signals that it has read, waits at most a moment for its cue,
// then adds a row and commits. Returns the first failure.
HRESULT ReadThenWrite(_Connection* iConnection, HANDLE iHasRead, HANDLE iCue)
{
    long level = 0;
    ComPtr<_Recordset> rows;
    HRESULT hr = iConnection->BeginTrans(&level);
    if (SUCCEEDED(hr)) {
        hr = iConnection->Execute(Text(L"SELECT COUNT(*) FROM T"), nullptr, adCmdText, &rows);
    }
    SetEvent(iHasRead);
    WaitForSingleObject(iCue, 500);
    if (SUCCEEDED(hr)) {
        hr = iConnection->Execute(Text(L"INSERT INTO T VALUES (1)"), nullptr, adCmdText | adExecuteNoRecords, &rows);
    }
    if (SUCCEEDED(hr))
        hr = iConnection->CommitTrans();
    // A failed transaction lets go of its locks at once, so that the other one ends soon too.
    if (FAILED(hr))
        iConnection->RollbackTrans();
    return hr;
}

TEST_F(ConnectionTest, TransactionsThatReadThenWriteTakeTurns)
{
    Execute(L"CREATE TABLE T(A INT)");
    ComPtr<_Connection> first = Create<_Connection>(CLSID_Connection);
    ComPtr<_Connection> second = Create<_Connection>(CLSID_Connection);
    for (_Connection* connection : {first.Get(), second.Get()}) {
        ASSERT_EQ(S_OK,
                  connection->Open(Text(ConnectionString() + L";Timeout=5000"), nullptr, nullptr, adConnectUnspecified))
            << LastErrorText();
    }
    HANDLE firstRead = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE secondRead = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    // The first waits, a moment at most, for the second to read too: transactions that each held
    // a read lock would then wait on each other's lock to write.
    HRESULT firstResult = E_FAIL, secondResult = E_FAIL;
    std::thread firstThread([&] { firstResult = ReadThenWrite(first.Get(), firstRead, secondRead); });
    std::thread secondThread([&] {
        WaitForSingleObject(firstRead, INFINITE);
        secondResult = ReadThenWrite(second.Get(), secondRead, firstRead);
    });
    firstThread.join();
    secondThread.join();
    CloseHandle(firstRead);
    CloseHandle(secondRead);
    EXPECT_EQ(S_OK, firstResult);
    EXPECT_EQ(S_OK, secondResult);
    EXPECT_EQ(2, Count(L"T", first.Get()));
}

TEST_F(ConnectionTest, ATransactionTheDatabaseEndedByItselfStillEndsItsLevel)
{
    Execute(L"CREATE TABLE T(A INT)");
    long level = 0;
    ASSERT_EQ(S_OK, m_Connection->BeginTrans(&level));
    Execute(L"INSERT INTO T VALUES (1)");
    Execute(L"ROLLBACK");  // as SQLite does by itself after an I/O error
    EXPECT_NE(S_OK, m_Connection->RollbackTrans());
    EXPECT_EQ(adErrIllegalOperation, m_Connection->RollbackTrans());
    ASSERT_EQ(S_OK, m_Connection->BeginTrans(&level));
    EXPECT_EQ(1, level);
    Execute(L"INSERT INTO T VALUES (2)");
    ASSERT_EQ(S_OK, m_Connection->CommitTrans()) << LastErrorText();
    EXPECT_EQ(1, Count(L"T"));
}

TEST_F(ConnectionTest, CloseRollsBackAnOpenTransaction)
{
    Execute(L"CREATE TABLE T(A INT)");
    long level = 0;
    ASSERT_EQ(S_OK, m_Connection->BeginTrans(&level));
    Execute(L"INSERT INTO T VALUES (1)");
    ASSERT_EQ(S_OK, m_Connection->Close());
    ASSERT_EQ(S_OK, m_Connection->Open(Text(ConnectionString()), nullptr, nullptr, adConnectUnspecified));
    EXPECT_EQ(0, Count(L"T"));
    ASSERT_EQ(S_OK, m_Connection->BeginTrans(&level));
    EXPECT_EQ(1, level);
}

}  // namespace
}  // namespace ado::test
