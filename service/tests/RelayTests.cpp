// The relay of the five calls to the activity server.
#include "ServiceObjectFixture.h"

#include <PlatformAdo.h>

#include <csl/CallFailure.h>

#include <csl/TDebugStream.h>
#include <csl/tests/TestCallerToken.h>

#include <thread>

namespace {

class RelayTest : public ServiceObjectTest {
protected:
    void SetUp() override
    {
        ServiceObjectTest::SetUp();
        // No monitors: nobody is logged on.
        sessions.users = false;
    }

    std::vector<std::wstring> Calls()
    {
        std::lock_guard<std::mutex> guard(server.script.lock);
        return server.script.calls;
    }
};

BSTR Bstr(const wchar_t* iText)
{
    return SysAllocString(iText);
}

TEST_F(RelayTest, ForwardsEveryCallWithItsArgumentsAndResults)
{
    RegisterServer();
    Create();
    ASSERT_EQ(1u, server.Count());
    _Recordset* rows = nullptr;
    ASSERT_EQ(S_OK, ado::CreateInstance(CLSID_Recordset, IID__Recordset, reinterpret_cast<void**>(&rows)));
    server.script.recordset = rows;
    server.script.askFor.insert(L"edit.exe");

    BSTR computer = Bstr(L"HOST"), user = Bstr(L"DOM\\ann"), process = Bstr(L"edit.exe"), title = Bstr(L"a - Edit");
    long needMore = -1;
    EXPECT_EQ(S_OK, relay->ReportActivity(39000.5, computer, user, process, 60000, 12, 34, title, &needMore));
    EXPECT_EQ(1, needMore);

    unsigned long quantum = 0;
    EXPECT_EQ(S_OK, relay->GetQuantum(&quantum));
    EXPECT_EQ(42u, quantum);

    SAFEARRAY* icon = SafeArrayCreateVector(VT_UI1, 0, 70);
    EXPECT_EQ(S_OK, relay->SendProcessInformation(process, title, icon));
    ASSERT_EQ(1u, server.script.information.size());
    EXPECT_EQ(70u, server.script.information[0].icon.size());

    SummaryActivityRequest activity = {};
    activity.ObjectType = ZorvaneProcess;
    activity.FirstEntry = 5;
    _Recordset* activityRows = nullptr;
    EXPECT_EQ(S_OK, relay->GetSummaryActivityData(&activity, &activityRows));
    EXPECT_EQ(7u, activity.UserId);
    EXPECT_EQ(5u, activity.FirstEntry);
    EXPECT_EQ(rows, activityRows);

    SummaryObjectRequest object = {};
    object.ObjectType = ZorvaneUser;
    _Recordset* objectRows = nullptr;
    EXPECT_EQ(S_OK, relay->GetSummaryObjectData(&object, &objectRows));
    EXPECT_EQ(7u, object.ObjectId);
    EXPECT_EQ(rows, objectRows);

    const std::vector<std::wstring> expected = {L"ReportActivity HOST DOM\\ann edit.exe 60000 12 34 a - Edit",
                                                L"GetQuantum", L"SendProcessInformation edit.exe a - Edit",
                                                L"GetSummaryActivityData", L"GetSummaryObjectData"};
    EXPECT_EQ(expected, Calls());
    EXPECT_EQ(1u, server.Count());
    EXPECT_TRUE(log->Contains(" HOST DOM\\ann edit.exe Time:60000 Keyboard:12 Mouse:34 a - Edit\n")) << log->Text();
    EXPECT_TRUE(log->Contains("SendProcessInformation( edit.exe, a - Edit, 70 )\n"));

    // Through IDispatch, described by the server's type library.
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(S_OK, relay->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    LPOLESTR name = const_cast<LPOLESTR>(L"GetQuantum");
    DISPID id = 0;
    ASSERT_EQ(S_OK, dispatch->GetIDsOfNames(IID_NULL, &name, 1, 0, &id));
    EXPECT_EQ(0x60020001, id);
    DISPPARAMS none = {};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(S_OK, dispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr));
    EXPECT_EQ(42u, V_UI4(&result));
    dispatch->Release();

    objectRows->Release();
    activityRows->Release();
    rows->Release();
    SafeArrayDestroy(icon);
    for (BSTR text : {computer, user, process, title})
        SysFreeString(text);
}

// The server sees the service as the caller of every relayed call, and lets it see everything:
// the relay itself lets only administrators through, and denies a caller it cannot identify.
TEST_F(RelayTest, SummariesGoToAdministratorsOnly)
{
    RegisterServer();
    Create();
    const struct {
        TTestCallerToken::TKind caller;
        HRESULT answer;
    } cases[] = {
        {TTestCallerToken::PlainUser, E_ACCESSDENIED},
        {TTestCallerToken::Unreadable, E_ACCESSDENIED},
        {TTestCallerToken::Administrator, S_OK},
    };
    for (const auto& c : cases) {
        Object().SetCallerToken(std::unique_ptr<ICallerToken>(new TTestCallerToken(c.caller)));
        const size_t before = Calls().size();
        for (int type = ZorvaneUser; type <= ZorvaneYearsDistribution; ++type) {
            for (long empty : {0, 1}) {
                SummaryActivityRequest activity = {};
                activity.ObjectType = static_cast<ZorvaneObjectType>(type);
                activity.ReturnEmptyObjects = empty;
                _Recordset* rows = nullptr;
                EXPECT_EQ(c.answer, relay->GetSummaryActivityData(&activity, &rows)) << c.caller << " " << type;
                EXPECT_EQ(nullptr, rows);
            }
        }
        for (int type = ZorvaneUser; type <= ZorvaneDocument; ++type) {
            SummaryObjectRequest object = {};
            object.ObjectType = static_cast<ZorvaneObjectType>(type);
            object.ObjectId = 1;
            _Recordset* rows = nullptr;
            EXPECT_EQ(c.answer, relay->GetSummaryObjectData(&object, &rows)) << c.caller << " " << type;
            EXPECT_EQ(nullptr, rows);
        }
        EXPECT_EQ(c.answer == S_OK ? 9u * 2 + 4 : 0u, Calls().size() - before) << c.caller;
    }
    EXPECT_TRUE(log->Contains("(!) CZorvane::GetSummaryObjectData: summaries go to administrators only\n"));
}

// The relay mends a broken way to the server itself: a record that never arrived goes to a new
// server object at once; one that may have been stored is not sent twice; a refusal is the
// server's answer. Its caller is never told to reconnect.
TEST_F(RelayTest, ARecordFaresByWhatBecameOfTheServersCall)
{
    const struct {
        std::vector<HRESULT> results;
        HRESULT answer;
        size_t reconnections;
        size_t attempts;
    } cases[] = {
        {{static_cast<HRESULT>(0x800706BA)}, S_OK, 1, 2},
        {{RPC_E_DISCONNECTED}, S_OK, 1, 2},
        {{CO_E_OBJNOTCONNECTED}, S_OK, 1, 2},
        {{static_cast<HRESULT>(0x800706BA), RPC_E_DISCONNECTED}, ZV_E_SERVER_NOT_REACHED, 1, 2},
        {{static_cast<HRESULT>(0x800706BE)}, ZV_E_SERVER_CALL_BROKEN, 1, 1},
        {{RPC_E_SERVERFAULT}, ZV_E_SERVER_CALL_BROKEN, 1, 1},
        {{RPC_E_CALL_REJECTED}, RPC_E_CALL_REJECTED, 0, 1},
        {{E_INVALIDARG}, E_INVALIDARG, 0, 1},
        {{E_FAIL}, E_FAIL, 0, 1},
    };
    RegisterServer();
    Create();
    BSTR text = SysAllocString(L"x");
    for (const auto& c : cases) {
        const size_t objects = server.Count();
        const size_t calls = Calls().size();
        server.script.results[L"ReportActivity"].assign(c.results.begin(), c.results.end());
        long needMore = -1;
        EXPECT_EQ(c.answer, relay->ReportActivity(39000, text, text, text, 1, 2, 3, text, &needMore))
            << std::hex << c.results[0];
        EXPECT_EQ(objects + c.reconnections, server.Count()) << std::hex << c.results[0];
        EXPECT_EQ(calls + c.attempts, Calls().size()) << std::hex << c.results[0];
        EXPECT_FALSE(ClassifyCallFailure(c.answer).Reconnect) << std::hex << c.results[0];
        server.script.results.clear();
    }
    SysFreeString(text);
}

TEST_F(RelayTest, WithoutAServerAnswersThatItWasNotReachedAndConnectsWhenItIsBack)
{
    Create();
    EXPECT_TRUE(log->Contains("(!) CZorvane::FinalConstruct: exception ")) << log->Text();
    unsigned long quantum = 99;
    EXPECT_EQ(ZV_E_SERVER_NOT_REACHED, relay->GetQuantum(&quantum));
    EXPECT_EQ(0u, quantum);
    long needMore = 99;
    BSTR text = SysAllocString(L"x");
    EXPECT_EQ(ZV_E_SERVER_NOT_REACHED, relay->ReportActivity(39000, text, text, text, 1, 2, 3, text, &needMore));
    EXPECT_EQ(0, needMore);
    SummaryActivityRequest request = {};
    _Recordset* rows = reinterpret_cast<_Recordset*>(0x1234);
    EXPECT_EQ(ZV_E_SERVER_NOT_REACHED, relay->GetSummaryActivityData(&request, &rows));
    EXPECT_EQ(nullptr, rows);
    EXPECT_TRUE(log->Contains("(!) CZorvane::GetQuantum: exception "));
    EXPECT_TRUE(log->Contains("(!) CZorvane::ReportActivity: exception "));

    RegisterServer();
    EXPECT_EQ(S_OK, relay->GetQuantum(&quantum));
    EXPECT_EQ(42u, quantum);
    EXPECT_EQ(E_POINTER, relay->GetQuantum(nullptr));
    EXPECT_EQ(E_POINTER, relay->GetSummaryObjectData(nullptr, &rows));
    SysFreeString(text);
}

// A call in progress keeps its own reference to the server: a reconnection on another
// thread lets go of the relay's, not of the call's.
TEST_F(RelayTest, AReconnectionDoesNotReleaseTheServerUnderARunningCall)
{
    RegisterServer();
    Create();
    server.script.entered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    server.script.proceed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    unsigned long quantum = 0;
    HRESULT slowResult = E_UNEXPECTED;
    std::thread slow([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        slowResult = relay->GetQuantum(&quantum);
        CoUninitialize();
    });
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(server.script.entered, 60000));
    HANDLE entered = server.script.entered;
    server.script.entered = nullptr;

    server.script.results[L"ReportActivity"].push_back(RPC_E_SERVERFAULT);
    long needMore = 0;
    BSTR text = SysAllocString(L"x");
    EXPECT_EQ(ZV_E_SERVER_CALL_BROKEN, relay->ReportActivity(39000, text, text, text, 1, 2, 3, text, &needMore));
    ASSERT_EQ(2u, server.Count());
    EXPECT_GE(server.Server(0).references.load(), 1);

    SetEvent(server.script.proceed);
    slow.join();
    EXPECT_EQ(S_OK, slowResult);
    EXPECT_EQ(42u, quantum);
    EXPECT_EQ(0, server.Server(0).references.load());
    EXPECT_EQ(1, server.Server(1).references.load());
    SysFreeString(text);
    CloseHandle(entered);
    CloseHandle(server.script.proceed);
}

TEST_F(RelayTest, ASecondObjectCannotBeCreatedWhileOneServes)
{
    RegisterServer();
    Create();
    EXPECT_EQ(E_OUTOFMEMORY, CreateClassObjectOnAnotherThread());
    EXPECT_TRUE(log->Contains("(!) ERROR: Another instance of ZorvaneService is running on this computer\n"));
}

}  // namespace
