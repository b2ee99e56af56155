#include <csl/TCriticalSection.h>
#include <csl/ENotImplemented.h>

TCriticalSection::TCriticalSection()
{
    InitializeCriticalSection(&m_Section);
}

TCriticalSection::~TCriticalSection()
{
    DeleteCriticalSection(&m_Section);
}

bool TCriticalSection::Lock(DWORD)
{
    throw ENotImplemented(".\\CriticalSection", 18, "TCriticalSection::Lock");
}

void TCriticalSection::Lock()
{
    EnterCriticalSection(&m_Section);
}

void TCriticalSection::Unlock()
{
    LeaveCriticalSection(&m_Section);
}
