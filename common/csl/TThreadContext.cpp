#include <csl/TThreadContext.h>

#include <csl/EThreadInterrupt.h>
#include <csl/TLockScope.h>

namespace {

const DWORD kInterruptStop = 5000;
const DWORD kDestroyWait = 2000;

}  // namespace

TThreadContext::TThreadContext(const SmartPtr<IThreadOwner>& iOwner) : m_Owner(iOwner), m_StartHoldReleased(0)
{
    LockExclusiveAnonymous();
}

TThreadContext::~TThreadContext()
{
    // A worker that never ran still holds its start hold; nobody else would give it back.
    ReleaseStartHold();
    try {
        TLockScope lock(*this);
        if (IsValid() && !WaitForEnd(kDestroyWait))
            Interrupt();
    } catch (const std::exception&) {
        // The thread part's destruction below still stops the thread.
    }
    m_Owner.Reset();
}

// Given back once: a restarted worker runs its body again, and a second release of a hold
// that is no longer there would end it at once.
void TThreadContext::ReleaseStartHold()
{
    if (InterlockedExchange(&m_StartHoldReleased, 1) == 0)
        UnlockAnonymous();
}

void TThreadContext::Interrupt()
{
    TLockScope lock(*this);
    if (WaitForEnd(0))
        return;
    QueueInterrupt();
    Stop(kInterruptStop);
}

void TThreadContext::Restart()
{
    TLockScope lock(*this);
    Interrupt();
    Start();
}

void TThreadContext::Suspend()
{
    TLockScope lock(*this);
    TThreadClass::Suspend();
}

void TThreadContext::Resume()
{
    TLockScope lock(*this);
    TThreadClass::Resume();
}

void TThreadContext::SetPriority(int iPriority)
{
    TLockScope lock(*this);
    TThreadClass::SetPriority(iPriority);
}

void TThreadContext::Start()
{
    TThreadClass::Start();
}

// A job that throws is logged and the worker goes on serving: failing jobs never use up
// the pool. Only an interrupt ends the worker early.
void TThreadContext::Run()
{
    ReleaseStartHold();
    const SmartPtr<TThreadContext> self(this);
    for (SmartPtr<IThreadJob> job = m_Owner->GetNextJob(self); job; job = m_Owner->GetNextJob(self)) {
        try {
            job->Run(self);
        } catch (const EThreadInterrupt&) {
            throw;
        } catch (...) {
            LogRunaway();
        }
    }
}

std::string TThreadContext::GetDescription() const
{
    return const_cast<TThreadContext*>(this)->GetStackText();
}
