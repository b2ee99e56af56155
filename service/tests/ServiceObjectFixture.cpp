#include "ServiceObjectFixture.h"

#include <AtlModule.h>
#include <ComClassFactorySingleton71.h>

#include <csl/TDebugStream.h>

#include <future>

namespace {

CAtlModule sModule;
TFakeSessions sSessions;
SmartPtr<TTextCollector> sLog;

// The object of the test: the service's object on the fake sessions, whose log the test
// reads from its first line after the configuration.
class TTestZorvane : public CZorvane {
public:
    TTestZorvane() : CZorvane(sSessions)
    {
        if (sLog)
            DebugLog().AddWriter(sLog);
    }
};

}  // namespace

bool TFakeSessions::EnumerateActiveSessions(std::vector<DWORD>& oSessions)
{
    oSessions = active;
    return true;
}

bool TFakeSessions::QueryUserToken(DWORD iSession, HANDLE* oToken)
{
    if (!users || withoutUser.count(iSession)) {
        SetLastError(ERROR_NO_TOKEN);
        return false;
    }
    return OpenProcessToken(GetCurrentProcess(), TOKEN_ALL_ACCESS, oToken) != FALSE;
}

// The server's quantum differs from the monitor's first one.
ServiceObjectTest::ServiceObjectTest() : sessions(sSessions)
{
    server.script.quantum = 42;
}

void ServiceObjectTest::SetUp()
{
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
    sSessions = TFakeSessions();
    NewLog();
}

void ServiceObjectTest::NewLog()
{
    log = new TTextCollector();
    sLog = log;
}

void ServiceObjectTest::TearDown()
{
    Destroy();
    RevokeServer();
    DebugLog().RemoveAllWriters();
    sLog.Reset();
    CoUninitialize();
}

void ServiceObjectTest::RegisterServer()
{
    ASSERT_EQ(S_OK,
              CoRegisterClassObject(CLSID_ZorvaneServer, &server, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_Cookie));
}

void ServiceObjectTest::RevokeServer()
{
    if (m_Cookie)
        CoRevokeClassObject(m_Cookie);
    m_Cookie = 0;
}

void ServiceObjectTest::Create()
{
    IUnknown* unknown = nullptr;
    ASSERT_EQ(S_OK, CComClassFactorySingleton71<TTestZorvane>::CreateClassObject(&unknown));
    ASSERT_EQ(S_OK, unknown->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    unknown->Release();
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IZorvane, reinterpret_cast<void**>(&relay)));
}

void ServiceObjectTest::Destroy()
{
    if (relay)
        relay->Release();
    relay = nullptr;
    if (factory)
        factory->Release();
    factory = nullptr;
}

HRESULT CreateClassObjectOnAnotherThread()
{
    return std::async(std::launch::async,
                      [] {
                          IUnknown* unknown = nullptr;
                          HRESULT result = CComClassFactorySingleton71<TTestZorvane>::CreateClassObject(&unknown);
                          if (unknown)
                              unknown->Release();
                          return result;
                      })
        .get();
}
