#include "ActivityTestSupport.h"

#include <csl/CallFailure.h>
#include <csl/DbQuery/TDbCommand.h>

#include <NameTables.h>

#include <climits>
#include <string>
#include <thread>

namespace {

const DATE kStart = Date(2007, 3, 9, 10, 0);

void Execute(const char* iSql)
{
    TDbCommand(_bstr_t(iSql)).Execute();
}

long NameRows()
{
    return ScalarLong("SELECT (SELECT COUNT(*) FROM UserInfo)+(SELECT COUNT(*) FROM ComputerInfo)+"
                      "(SELECT COUNT(*) FROM ProcessInfo)+(SELECT COUNT(*) FROM DocumentInfo)");
}

SAFEARRAY* Bytes(std::initializer_list<BYTE> iBytes)
{
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(iBytes.size()));
    std::copy(iBytes.begin(), iBytes.end(), static_cast<BYTE*>(array->pvData));
    return array;
}

using ActivityStorageTest = ActivityTest;

TEST_F(ActivityStorageTest, OnlyTheFirstReportOfAProgramAsksForItsInformation)
{
    EXPECT_EQ(1, Report(kStart, L"PC1", L"DOM\\alice", L"notepad.exe", 1000, 1, 2, L"a.txt - Notepad"));
    EXPECT_EQ(0, Report(kStart, L"PC1", L"DOM\\alice", L"notepad.exe", 1000, 1, 2, L"a.txt - Notepad"));
    EXPECT_EQ(0, Report(kStart, L"PC2", L"DOM\\bob", L"NOTEPAD.EXE", 1000, 1, 2, L"b.txt - Notepad"));
    EXPECT_EQ(1, Report(kStart, L"PC1", L"DOM\\alice", L"calc.exe", 1000, 1, 2, L"Calculator"));
    EXPECT_EQ(2, ScalarLong("SELECT COUNT(*) FROM ProcessInfo"));
    EXPECT_EQ(0, ScalarLong("SELECT COUNT(*) FROM ProcessInfo WHERE Description IS NOT NULL OR Icon IS NOT NULL"));
    EXPECT_EQ(4, ScalarLong("SELECT COUNT(*) FROM Activity"));
}

TEST_F(ActivityStorageTest, ARowKeepsWhatWasReported)
{
    Report(kStart, L"PC1", L"DOM\\alice", L"notepad.exe", 61000, 7, 3, L"a.txt - Notepad");
    EXPECT_EQ(L"2007-03-09 10:00:00", ScalarText("SELECT substr(StartTime,1,19) FROM Activity"));
    EXPECT_EQ(1,
              ScalarLong("SELECT COUNT(*) FROM Activity JOIN UserInfo ON UserID=UserInfo.ID JOIN ComputerInfo ON "
                         "ComputerID=ComputerInfo.ID JOIN ProcessInfo ON ProcessID=ProcessInfo.ID WHERE "
                         "UserName='DOM\\alice' AND ComputerName='PC1' AND ProcessName='notepad.exe' AND "
                         "TimeSpent=61000 AND KeyboardEvents=7 AND MouseEvents=3"));
}

TEST_F(ActivityStorageTest, TheTitlePartBeforeTheFirstDashNamesTheDocument)
{
    const struct {
        const wchar_t* Title;
        const wchar_t* Document;  // null: none
    } cases[] = {
        {L"Report.doc - Word", L"Report.doc"},
        {L"Inbox - Mail - Client", L"Inbox"},
        {L"Report.doc - Writer", L"Report.doc"},
        {L"Calculator", nullptr},
        {L"Half-done -Dash", nullptr},
        {L" - Untitled", nullptr},
        {L"", nullptr},
    };
    for (const auto& c : cases) {
        Execute("DELETE FROM Activity");
        Report(kStart, L"PC1", L"DOM\\alice", L"app.exe", 1000, 0, 0, c.Title);
        const std::wstring document = ScalarText(
            "SELECT COALESCE((SELECT DocumentName FROM DocumentInfo WHERE ID=DocumentID),'<none>') FROM Activity");
        EXPECT_EQ(c.Document ? c.Document : L"<none>", document) << c.Title;
        const std::wstring description = ScalarText("SELECT COALESCE(Description,'<null>') FROM Activity");
        EXPECT_EQ(*c.Title ? c.Title : L"<null>", description) << c.Title;
    }
    EXPECT_EQ(2, ScalarLong("SELECT COUNT(*) FROM DocumentInfo"));
}

TEST_F(ActivityStorageTest, LongValuesAreStoredCutToTheirColumns)
{
    const std::wstring user = L"DOM\\" + std::wstring(100, L'u');
    const std::wstring title = std::wstring(300, L'd') + L" - App";
    for (int i = 0; i < 2; ++i)
        Report(kStart, std::wstring(70, L'c').c_str(), user.c_str(), std::wstring(260, L'p').c_str(), 1000, 0, 0,
               title.c_str());
    EXPECT_EQ(64, ScalarLong("SELECT length(UserName) FROM UserInfo"));
    EXPECT_EQ(64, ScalarLong("SELECT length(ComputerName) FROM ComputerInfo"));
    EXPECT_EQ(255, ScalarLong("SELECT length(ProcessName) FROM ProcessInfo"));
    EXPECT_EQ(255, ScalarLong("SELECT length(DocumentName) FROM DocumentInfo"));
    EXPECT_EQ(2, ScalarLong("SELECT COUNT(*) FROM Activity WHERE length(Description)=255"));
    EXPECT_EQ(4, NameRows());
}

TEST_F(ActivityStorageTest, AFailedReportLeavesNothingBehind)
{
    Execute(
        "CREATE TRIGGER Refuse BEFORE INSERT ON Activity WHEN NEW.TimeSpent=4242 BEGIN SELECT RAISE(ABORT,'refused'); "
        "END");
    const struct {
        const wchar_t* User;
        long Time;
    } cases[] = {{L"DOM\\alice", 4242}, {L"", 1000}};
    for (const auto& c : cases) {
        long needMore = -1;
        EXPECT_EQ(E_FAIL,
                  (*server)->ReportActivity(kStart, _bstr_t(L"PC1"), _bstr_t(c.User), _bstr_t(L"new.exe"), c.Time, 0, 0,
                                            _bstr_t(L"doc - App"), &needMore))
            << c.User;
        EXPECT_EQ(0, needMore);
        EXPECT_EQ(0, NameRows());
        EXPECT_EQ(0, ScalarLong("SELECT COUNT(*) FROM Activity"));
    }
    EXPECT_EQ(2, log->Count("(!) Exception in CZorvaneServer::ReportActivity() ")) << log->Text();
}

// A caller check and a report that meet a new user at the same moment: whichever inserts the
// name second finds the other's row instead of failing.
TEST_F(ActivityStorageTest, ANameInsertedByAnotherCallMeanwhileServesBoth)
{
    const int kRounds = 20;
    for (int round = 0; round < kRounds; ++round) {
        const std::wstring user = L"DOM\\user" + std::to_wstring(round);
        long checked = 0;
        std::thread check([&] {
            CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            try {
                checked = GetUserId(_bstr_t(user.c_str()));
            } catch (const std::exception& e) {
                ADD_FAILURE() << e.what();
            }
            CoUninitialize();
        });
        Report(kStart, L"PC1", user.c_str(), L"app.exe", 1000, 0, 0, L"");
        check.join();
        EXPECT_EQ(ScalarLong(("SELECT UserID FROM Activity WHERE rowid=" + std::to_string(round + 1)).c_str()),
                  checked);
    }
    EXPECT_EQ(kRounds, ScalarLong("SELECT COUNT(*) FROM UserInfo"));
}

// Another program put a copy of the database in its place: the connection that had the file
// open can no longer write to it.
TEST_F(ActivityStorageTest, ReportingGoesOnAfterTheDatabaseFileWasReplaced)
{
    Report(kStart, L"PC1", L"DOM\\alice", L"notepad.exe", 1000, 1, 2, L"a.txt - Notepad");
    const std::wstring copy = database + L".copy";
    ASSERT_TRUE(CopyFileW(database.c_str(), copy.c_str(), FALSE));
    ASSERT_TRUE(MoveFileExW(copy.c_str(), database.c_str(), MOVEFILE_REPLACE_EXISTING));
    // The record that meets the lost connection is not stored, and the answer says that it is
    // worth sending again; so it is, and so is the next one.
    long needMore = -1;
    const HRESULT lost = (*server)->ReportActivity(kStart, _bstr_t(L"PC1"), _bstr_t(L"DOM\\alice"),
                                                   _bstr_t(L"notepad.exe"), 1000, 1, 2, _bstr_t(L""), &needMore);
    EXPECT_EQ(ZV_E_DATABASE_UNAVAILABLE, lost);
    EXPECT_EQ(TCallFate::NotDelivered, ClassifyCallFailure(lost).Fate);
    Report(kStart, L"PC1", L"DOM\\alice", L"notepad.exe", 1000, 1, 2, L"");
    Report(kStart, L"PC2", L"DOM\\alice", L"notepad.exe", 1000, 1, 2, L"b.txt - Notepad");
    (*server)->GetQueryConnection().Close();
    EXPECT_EQ(3, ScalarLong("SELECT COUNT(*) FROM Activity"));
    EXPECT_EQ(1, ScalarLong("SELECT COUNT(*) FROM ComputerInfo WHERE ComputerName='PC2'"));
}

// Every monitor reports at the same quantum boundary: when the database file was replaced, the
// call that meets the lost connection says that it stored nothing, whichever call reopened the
// connection meanwhile, and the record sent again is stored once.
TEST_F(ActivityStorageTest, TwoCallersThatMeetALostConnectionEachStoreOrSayNotStored)
{
    const int kRounds = 12;
    Report(kStart, L"PC2", L"DOM\\alice", L"notepad.exe", 1000, 1, 2, L"");
    for (int round = 0; round < kRounds; ++round) {
        (*server)->GetQueryConnection().Close();
        const std::wstring copy = database + L".copy";
        ASSERT_TRUE(CopyFileW(database.c_str(), copy.c_str(), FALSE));
        ASSERT_TRUE(MoveFileExW(copy.c_str(), database.c_str(), MOVEFILE_REPLACE_EXISTING));
        HRESULT answers[2] = {E_UNEXPECTED, E_UNEXPECTED};
        auto reportUntilStored = [&](int iCaller) {
            CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            const _bstr_t computer(("PC" + std::to_string(iCaller)).c_str());
            for (int attempt = 0; attempt < 3; ++attempt) {
                long needMore = 0;
                const HRESULT answer =
                    (*server)->ReportActivity(kStart + round, computer, _bstr_t(L"DOM\\alice"), _bstr_t(L"notepad.exe"),
                                              1000, 1, 2, _bstr_t(L""), &needMore);
                answers[iCaller] = answer;
                if (answer != ZV_E_DATABASE_UNAVAILABLE)
                    break;
            }
            CoUninitialize();
        };
        std::thread first(reportUntilStored, 0);
        std::thread second(reportUntilStored, 1);
        first.join();
        second.join();
        EXPECT_EQ(S_OK, answers[0]) << "round " << round << " " << log->Text();
        EXPECT_EQ(S_OK, answers[1]) << "round " << round << " " << log->Text();
    }
    (*server)->GetQueryConnection().Close();
    EXPECT_EQ(1 + 2 * kRounds, ScalarLong("SELECT COUNT(*) FROM Activity"));
    EXPECT_EQ(0,
              ScalarLong("SELECT COUNT(*) FROM (SELECT COUNT(*) AS Copies FROM Activity GROUP BY StartTime, "
                         "ComputerID) WHERE Copies > 1"));
}

// Another writer holds the database longer than the server waits for its lock: the call says
// that nothing was stored, and the record sent again after the lock went is stored once.
TEST_F(ActivityStorageTest, ADatabaseLockedLongerThanTheBusyTimeoutStoresNothingAndSaysSo)
{
    server.reset();
    ServerConfig::Set(L"BusyTimeout", 200);
    server = StartServer();
    DbConnection locker(_bstr_t(SqliteConnectionString(database).c_str()));
    locker.Open();
    locker.Execute(_bstr_t("BEGIN EXCLUSIVE TRANSACTION"));
    long needMore = -1;
    const HRESULT locked = (*server)->ReportActivity(kStart, _bstr_t(L"PC1"), _bstr_t(L"DOM\\alice"),
                                                     _bstr_t(L"notepad.exe"), 1000, 1, 2, _bstr_t(L""), &needMore);
    EXPECT_EQ(ZV_E_DATABASE_UNAVAILABLE, locked) << log->Text();
    EXPECT_EQ(TCallFate::NotDelivered, ClassifyCallFailure(locked).Fate);
    SAFEARRAY* icon = Bytes({0, 0, 1, 0});
    EXPECT_EQ(ZV_E_DATABASE_UNAVAILABLE,
              (*server)->SendProcessInformation(_bstr_t(L"notepad.exe"), _bstr_t(L"Editor"), icon));
    locker.Execute(_bstr_t("ROLLBACK"));
    locker.Close();
    EXPECT_EQ(1, Report(kStart, L"PC1", L"DOM\\alice", L"notepad.exe", 1000, 1, 2, L""));
    EXPECT_EQ(S_OK, (*server)->SendProcessInformation(_bstr_t(L"notepad.exe"), _bstr_t(L"Editor"), icon));
    SafeArrayDestroy(icon);
    EXPECT_EQ(1, ScalarLong("SELECT COUNT(*) FROM Activity"));
    EXPECT_EQ(L"Editor", ScalarText("SELECT Description FROM ProcessInfo"));
}

// A negative time or count would lower every sum; an icon beyond the limit is no icon.
TEST_F(ActivityStorageTest, NegativeValuesAndOversizedIconsAreRefusedAndStoreNothing)
{
    const struct {
        long time, keys, mouse;
    } negatives[] = {{-1, 0, 0}, {1000, -5, 0}, {1000, 0, INT_MIN}};
    for (const auto& c : negatives) {
        long needMore = -1;
        EXPECT_EQ(E_INVALIDARG,
                  (*server)->ReportActivity(kStart, _bstr_t(L"PC1"), _bstr_t(L"DOM\\alice"), _bstr_t(L"notepad.exe"),
                                            c.time, c.keys, c.mouse, _bstr_t(L"a.txt - Notepad"), &needMore))
            << c.time << " " << c.keys << " " << c.mouse;
    }
    EXPECT_EQ(3, log->Count("(!) Refused: negative time or input count")) << log->Text();
    EXPECT_EQ(0, NameRows());
    EXPECT_EQ(0, ScalarLong("SELECT COUNT(*) FROM Activity"));

    Report(kStart, L"PC1", L"DOM\\alice", L"big.exe", 1000, 0, 0, L"");
    for (ULONG bytes : {(1ul << 20) + 1, 10ul << 20}) {
        SAFEARRAY* icon = SafeArrayCreateVector(VT_UI1, 0, bytes);
        EXPECT_EQ(E_INVALIDARG, (*server)->SendProcessInformation(_bstr_t(L"big.exe"), _bstr_t(L"Big"), icon));
        SafeArrayDestroy(icon);
    }
    EXPECT_EQ(L"nullnull", ScalarText("SELECT typeof(Description)||typeof(Icon) FROM ProcessInfo"));
    SAFEARRAY* icon = SafeArrayCreateVector(VT_UI1, 0, 1ul << 20);
    EXPECT_EQ(S_OK, (*server)->SendProcessInformation(_bstr_t(L"big.exe"), _bstr_t(L"Big"), icon));
    SafeArrayDestroy(icon);
    EXPECT_EQ(1L << 20, ScalarLong("SELECT length(Icon) FROM ProcessInfo"));
}

TEST_F(ActivityStorageTest, ProcessInformationIsStoredWithItsIconOrNull)
{
    Report(kStart, L"PC1", L"DOM\\alice", L"known.exe", 1000, 0, 0, L"");
    SAFEARRAY* icon = Bytes({0, 0, 1, 0, 1});
    SAFEARRAY* empty = Bytes({});
    EXPECT_EQ(S_OK, (*server)->SendProcessInformation(_bstr_t(L"known.exe"), _bstr_t(L"Known program"), icon));
    EXPECT_EQ(S_OK, (*server)->SendProcessInformation(_bstr_t(L"unknown.exe"), _bstr_t(L"Never reported"), empty));
    EXPECT_EQ(S_OK, (*server)->SendProcessInformation(_bstr_t(L"bare.exe"), _bstr_t(L""), nullptr));
    SafeArrayDestroy(icon);
    SafeArrayDestroy(empty);
    EXPECT_EQ(L"Known program|0000010001",
              ScalarText("SELECT Description||'|'||hex(Icon) FROM ProcessInfo WHERE ProcessName='known.exe'"));
    EXPECT_EQ(L"Never reported|null",
              ScalarText("SELECT Description||'|'||typeof(Icon) FROM "
                         "ProcessInfo WHERE ProcessName='unknown.exe'"));
    EXPECT_EQ(1, ScalarLong("SELECT COUNT(*) FROM ProcessInfo WHERE ProcessName='bare.exe' AND Icon IS NULL"));
    EXPECT_EQ(3, ScalarLong("SELECT COUNT(*) FROM ProcessInfo"));
}

}  // namespace
