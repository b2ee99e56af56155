// Synchronisation objects.
#pragma once
#include <afx.h>

// A critical section: Lock and Unlock pair up on one thread, and the same thread may lock
// again while it holds the section.
class CCriticalSection {
public:
    CCriticalSection() { ::InitializeCriticalSection(&m_sect); }
    ~CCriticalSection() { ::DeleteCriticalSection(&m_sect); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    operator CRITICAL_SECTION*() { return &m_sect; }
    BOOL Lock()
    {
        ::EnterCriticalSection(&m_sect);
        return TRUE;
    }
    BOOL Lock(DWORD) { return Lock(); }  // a critical section waits without a time limit
    BOOL Unlock()
    {
        ::LeaveCriticalSection(&m_sect);
        return TRUE;
    }

    CRITICAL_SECTION m_sect;
};
