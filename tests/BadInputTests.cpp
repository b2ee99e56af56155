// Bad input through COM, straight to the server and through the user service: each call is
// refused with a failure (negative times and counts, oversized icons, missing names) or stored
// as it came (texts cut to their columns), nothing crashes and nothing else is lost. The service answers each call as
// the server does.
#include "E2eSupport.h"

#include <csl/CallFailure.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace e2e {
namespace {

const DATE kNoon2024 = 45292.5;    // 1 January 2024, 12:00
const DATE kYear9999 = 2958465.5;  // 31 December 9999, 12:00
// Titles and document names are stored cut to their columns' width.
const size_t kTitleWidth = 255;

class BadInputTest : public ::testing::TestWithParam<bool> {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        sSystem = new TInstalledSystem(3600, GetProgramDirectory() + L"e2e_bad_input.db");
        ASSERT_TRUE(sSystem->Start(kServerService));
        ASSERT_TRUE(sSystem->Start(kUserService));
        sServers = ProcessIds(L"zvserver.exe");
    }
    static void TearDownTestSuite()
    {
        delete sSystem;
        sSystem = nullptr;
        CoUninitialize();
    }
    void SetUp() override
    {
        ASSERT_NE(nullptr, sSystem);
        client = GetParam() ? ConnectService() : ConnectServer();
        ASSERT_TRUE(client);
        database.reset(new TDatabase(sSystem->Database()));
    }
    void TearDown() override
    {
        EXPECT_EQ(sServers, ProcessIds(L"zvserver.exe")) << "the server process lives on";
        EXPECT_EQ(1u, ProcessIds(L"zvservice.exe").size()) << "the service process lives on";
    }

    // The rows of every table, to show that a refused call left nothing behind.
    std::wstring Counts()
    {
        std::wstring counts;
        for (const wchar_t* table : {L"Activity", L"UserInfo", L"ComputerInfo", L"ProcessInfo", L"DocumentInfo"})
            counts += database->Scalar(std::wstring(L"SELECT COUNT(*) FROM ") + table) + L" ";
        return counts;
    }

    HRESULT Report(DATE iStart, BSTR iComputer, BSTR iUser, BSTR iProcess, long iTime, long iKeys, long iMouse,
                   BSTR iTitle)
    {
        long needMore = -1;
        return client->ReportActivity(iStart, iComputer, iUser, iProcess, iTime, iKeys, iMouse, iTitle, &needMore);
    }

    // Reports a plain record of the program and answers whether its row arrived.
    bool Stored(const std::wstring& iProgram)
    {
        TText name(L"VM"), user(L"VM\\someone"), process(iProgram), title(L"Plain - Program");
        Report(kNoon2024, name, user, process, 1000, 1, 2, title);
        return 1 ==
            database->Number(L"SELECT COUNT(*) FROM Activity JOIN ProcessInfo ON Activity.ProcessID="
                             L"ProcessInfo.ID WHERE ProcessName='" +
                             iProgram + L"'");
    }

    std::wstring Name(const wchar_t* iWhat) { return std::wstring(iWhat) + (GetParam() ? L"-relayed" : L"-direct"); }

    static TInstalledSystem* sSystem;
    static std::vector<DWORD> sServers;
    ComPtr<IZorvane> client;
    std::unique_ptr<TDatabase> database;
};

TInstalledSystem* BadInputTest::sSystem = nullptr;
std::vector<DWORD> BadInputTest::sServers;

TEST_P(BadInputTest, ReportsWithoutANameAreRefusedWhole)
{
    ASSERT_TRUE(Stored(Name(L"before")));
    const std::wstring before = Counts();
    TText some(L"VM"), empty(L""), title(L"Doc - Editor"), program(Name(L"nameless"));
    const struct {
        const wchar_t* what;
        BSTR computer, user, process;
    } cases[] = {
        {L"null computer", TText::Null(), some, program}, {L"empty computer", empty, some, program},
        {L"null user", some, TText::Null(), program},     {L"empty user", some, empty, program},
        {L"null program", some, some, TText::Null()},     {L"empty program", some, some, empty},
    };
    for (const auto& call : cases) {
        HRESULT result = Report(kNoon2024, call.computer, call.user, call.process, 1000, 1, 1, title);
        EXPECT_EQ(E_FAIL, result) << call.what;
        // A monitor drops such a record rather than send it again and again.
        EXPECT_EQ(TCallFate::Refused, ClassifyCallFailure(result).Fate) << call.what;
        EXPECT_EQ(before, Counts()) << call.what;
    }
    EXPECT_TRUE(Stored(Name(L"after")));
}

TEST_P(BadInputTest, ExtremeValuesAreStoredAsTheyCame)
{
    const std::wstring longTitle = std::wstring(100000 - 9, L'x') + L" - Editor";
    const struct {
        const wchar_t* what;
        DATE start;
        long time, keys, mouse;
        std::wstring title;
        bool nullTitle;
    } cases[] = {
        {L"huge", kNoon2024, INT_MAX, INT_MAX, INT_MAX, L"Huge", false},
        {L"date zero", 0, 10, 0, 0, L"Date zero", false},
        {L"year 9999", kYear9999, 10, 0, 0, L"Year 9999", false},
        {L"long title", kNoon2024, 10, 0, 0, longTitle, false},
        {L"null title", kNoon2024, 10, 0, 0, L"", true},
    };
    TText computer(L"VM"), user(L"VM\\someone");
    for (const auto& call : cases) {
        const std::wstring program = Name(call.what);
        TText process(program);
        TText title = call.nullTitle ? TText::Null() : TText(call.title);
        HRESULT result = Report(call.start, computer, user, process, call.time, call.keys, call.mouse, title);
        const std::vector<TRow> rows = database->Rows(
            L"SELECT TimeSpent, KeyboardEvents, MouseEvents, length(Activity.Description) AS TitleLength, "
            L"julianday(StartTime) - 2415018.5 AS Start FROM Activity JOIN ProcessInfo ON "
            L"Activity.ProcessID=ProcessInfo.ID WHERE ProcessName='" +
            program + L"'");
        EXPECT_EQ(S_OK, result) << call.what;
        ASSERT_EQ(1u, rows.size()) << call.what << std::hex << " " << result;
        EXPECT_EQ(std::to_wstring(call.time), rows[0].at(L"TimeSpent")) << call.what;
        EXPECT_EQ(std::to_wstring(call.keys), rows[0].at(L"KeyboardEvents")) << call.what;
        EXPECT_EQ(std::to_wstring(call.mouse), rows[0].at(L"MouseEvents")) << call.what;
        EXPECT_NEAR(call.start, _wtof(rows[0].at(L"Start").c_str()), 1.0 / 86400) << call.what;
        EXPECT_EQ(call.nullTitle ? L"NULL" : std::to_wstring(std::min<size_t>(call.title.size(), kTitleWidth)),
                  rows[0].at(L"TitleLength"))
            << call.what;
    }
    // The document named by the long title is cut to its column as well.
    EXPECT_EQ(std::to_wstring(kTitleWidth),
              database->Scalar(L"SELECT MAX(length(DocumentName)) FROM DocumentInfo WHERE DocumentName LIKE 'xxx%'"));
    EXPECT_TRUE(Stored(Name(L"after extremes")));
}

TEST_P(BadInputTest, NegativeTimesAndCountsAreRefusedAndStoreNothing)
{
    ASSERT_TRUE(Stored(Name(L"before negatives")));
    const std::wstring before = Counts();
    const struct {
        long time, keys, mouse;
    } cases[] = {{-1, 0, 0}, {1000, -5, 0}, {1000, 0, INT_MIN}};
    TText computer(L"VM"), user(L"VM\\someone"), process(Name(L"negative")), title(L"Negative - Program");
    for (const auto& call : cases) {
        const HRESULT result = Report(kNoon2024, computer, user, process, call.time, call.keys, call.mouse, title);
        EXPECT_EQ(E_INVALIDARG, result) << call.time << " " << call.keys << " " << call.mouse;
        EXPECT_EQ(TCallFate::Refused, ClassifyCallFailure(result).Fate);
        EXPECT_EQ(before, Counts());
    }
    EXPECT_TRUE(Stored(Name(L"after negatives")));
}

TEST_P(BadInputTest, SumsBeyond32BitsComeOutWhole)
{
    const std::wstring program = Name(L"all year");
    TText computer(L"VM"), user(L"VM\\someone"), process(program), title(L"Ledger - Books");
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(S_OK, Report(kNoon2024, computer, user, process, INT_MAX, INT_MAX, INT_MAX, title));
    const long programId =
        static_cast<long>(database->Number(L"SELECT ID FROM ProcessInfo WHERE ProcessName='" + program + L"'"));
    const std::wstring threeTimesMax = L"6442450941";

    std::vector<TRow> rows;
    ASSERT_EQ(S_OK, Summary(client.Get(), ZorvaneProcess, rows));
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const TRow& r) { return r.at(L"Name") == program; });
    ASSERT_NE(rows.end(), row);
    for (const wchar_t* sum : {L"TimeSpent", L"KeyboardEvents", L"MouseEvents"})
        EXPECT_EQ(threeTimesMax, row->at(sum)) << sum;

    SummaryActivityRequest hours{};
    hours.ObjectType = ZorvaneHoursDistribution;
    hours.ProcessId = programId;
    ComPtr<_Recordset> hourRows;
    ASSERT_EQ(S_OK, client->GetSummaryActivityData(&hours, hourRows.GetAddressOf()));
    rows = RecordsetRows(hourRows.Get());
    ASSERT_EQ(24u, rows.size());
    EXPECT_EQ(threeTimesMax, rows[12].at(L"TimeSpent"));

    SummaryObjectRequest object{};
    object.ObjectType = ZorvaneProcess;
    object.ObjectId = programId;
    ComPtr<_Recordset> objectRows;
    ASSERT_EQ(S_OK, client->GetSummaryObjectData(&object, objectRows.GetAddressOf()));
    rows = RecordsetRows(objectRows.Get());
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(threeTimesMax, rows[0].at(L"TimeSpent"));
}

TEST_P(BadInputTest, IconsAreStoredWholeUpToTheLimitAndRefusedAboveIt)
{
    const struct {
        const wchar_t* what;
        size_t bytes;
        HRESULT answer;
    } cases[] = {
        {L"three bytes", 3, S_OK}, {L"one megabyte", 1u << 20, S_OK}, {L"ten megabytes", 10u << 20, E_INVALIDARG}};
    TText description(L"Some program");
    for (const auto& call : cases) {
        const std::wstring program = Name(call.what);
        ASSERT_TRUE(Stored(program));
        SAFEARRAY* icon = ByteArray(call.bytes);
        HRESULT result = client->SendProcessInformation(TText(program), description, icon);
        SafeArrayDestroy(icon);
        const std::wstring stored =
            database->Scalar(L"SELECT length(Icon) FROM ProcessInfo WHERE ProcessName='" + program + L"'");
        EXPECT_EQ(call.answer, result) << call.what;
        EXPECT_EQ(call.answer == S_OK ? std::to_wstring(call.bytes) : L"NULL", stored) << call.what;
    }
    const std::wstring before = Counts();
    SAFEARRAY* icon = ByteArray(3);
    HRESULT nameless = client->SendProcessInformation(TText::Null(), description, icon);
    SafeArrayDestroy(icon);
    EXPECT_EQ(E_FAIL, nameless);
    EXPECT_EQ(before, Counts());
    EXPECT_TRUE(Stored(Name(L"after icons")));
}

TEST_P(BadInputTest, ImpossibleRequestsAreAnsweredWithoutRows)
{
    ASSERT_TRUE(Stored(Name(L"requested")));
    for (unsigned long type : {9ul, 0xFFFFFFFFul}) {
        SummaryActivityRequest request{};
        request.ObjectType = static_cast<ZorvaneObjectType>(type);
        ComPtr<_Recordset> rows;
        HRESULT result = client->GetSummaryActivityData(&request, rows.GetAddressOf());
        EXPECT_EQ(E_NOTIMPL, result) << type;
        EXPECT_FALSE(rows) << type;

        SummaryObjectRequest object{};
        object.ObjectType = static_cast<ZorvaneObjectType>(type);
        object.ObjectId = 1;
        ComPtr<_Recordset> objectRows;
        result = client->GetSummaryObjectData(&object, objectRows.GetAddressOf());
        EXPECT_EQ(E_NOTIMPL, result) << type;
        EXPECT_FALSE(objectRows) << type;
    }
    std::vector<TRow> rows;
    EXPECT_EQ(S_OK, Summary(client.Get(), ZorvaneProcess, rows, kNoon2024 + 1, kNoon2024 - 1));
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(S_OK, Summary(client.Get(), ZorvaneProcess, rows, kNoon2024 - 1, kNoon2024 + 1));
    EXPECT_FALSE(rows.empty());
}

INSTANTIATE_TEST_SUITE_P(ServerAndService, BadInputTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& iInfo) {
                             return iInfo.param ? "ThroughTheService" : "StraightToTheServer";
                         });

}  // namespace
}  // namespace e2e
