#pragma once
#include <csl/ESystemException.h>

#include <windows.h>

// One thread-local storage index, owned: every thread sees its own value, null at first.
class TTlsSlot {
public:
    TTlsSlot() : m_Index(TlsAlloc())
    {
        if (m_Index == TLS_OUT_OF_INDEXES)
            ThrowLastSystemError();
    }
    ~TTlsSlot() { TlsFree(m_Index); }
    TTlsSlot(const TTlsSlot&) = delete;
    TTlsSlot& operator=(const TTlsSlot&) = delete;

    void* Get() const { return TlsGetValue(m_Index); }
    void Set(void* iValue)
    {
        if (!TlsSetValue(m_Index, iValue))
            ThrowLastSystemError();
    }

private:
    DWORD m_Index;
};
