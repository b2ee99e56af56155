#pragma once

#include "InputHooks.h"
#include "MonitorClock.h"
#include "ServerActivator.h"

#include <FakeZorvane.h>

#include <string>

// A hook library whose counters the test sets.
struct TFakeHooks : IInputHooks {
    void Hook() override { hooked = true; }
    void Unhook() override { hooked = false; }
    LONG TakeKeyEvents() override
    {
        LONG v = keys;
        keys = 0;
        return v;
    }
    LONG TakeMouseEvents() override
    {
        LONG v = mice;
        mice = 0;
        return v;
    }
    DWORD LastInputTime() override { return lastInput; }

    bool hooked = false;
    LONG keys = 0;
    LONG mice = 0;
    DWORD lastInput = 0;
};

struct TFakeClock : IMonitorClock {
    long long Now() override { return now; }
    DWORD TickCount() override { return tick; }

    long long now = 1104573600;  // 2005-01-01 10:00:00 UTC
    DWORD tick = 1000000;
};

// Hands out the fake server object, or fails as told.
class TFakeActivator : public IServerActivator {
public:
    explicit TFakeActivator(TFakeZorvane& iServer) : m_Server(iServer) {}
    HRESULT Activate(const CLSID& iClassId, const std::wstring& iServerName, IUnknown** oObject) override
    {
        ++calls;
        lastClass = iClassId;
        lastServerName = iServerName;
        *oObject = nullptr;
        if (FAILED(result))
            return result;
        m_Server.AddRef();
        *oObject = &m_Server;
        return result;
    }

    HRESULT result = S_OK;
    int calls = 0;
    CLSID lastClass = {};
    std::wstring lastServerName;

private:
    TFakeZorvane& m_Server;
};
