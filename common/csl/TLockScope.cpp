#include <csl/TLockScope.h>
#include <csl/TDebugStream.h>

TLockScope::~TLockScope()
{
    try {
        Unlock();
    } catch (const std::exception& e) {
        if (DebugLog().HasWriters())
            DebugLog() << "(!) Exception in TLockScope::~TLockScope() " << e << "\n";
    }
}

void TLockScope::Unlock()
{
    ILock* lock = m_Lock;
    m_Lock = nullptr;
    if (lock)
        lock->Unlock();
}
