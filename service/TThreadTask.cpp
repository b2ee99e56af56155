#include "TThreadTask.h"

#include <csl/AlertableWait.h>
#include <csl/TLockScope.h>

TThreadTask::TThreadTask() : m_Started(true, false), m_Finished(true, false) {}

TThreadTask::~TThreadTask()
{
    m_Context.Reset();
}

bool TThreadTask::IsStarted()
{
    return WaitSignalled(m_Started.GetHandle(), 0);
}

bool TThreadTask::IsFinished()
{
    return WaitSignalled(m_Finished.GetHandle(), 0);
}

bool TThreadTask::WaitStarted(DWORD iMilliseconds)
{
    return WaitSignalled(m_Started.GetHandle(), iMilliseconds);
}

bool TThreadTask::WaitFinished(DWORD iMilliseconds)
{
    return WaitSignalled(m_Finished.GetHandle(), iMilliseconds);
}

bool TThreadTask::IsRunning()
{
    return IsStarted() && !IsFinished();
}

SmartPtr<IThreadContext> TThreadTask::RunningContext()
{
    if (!m_Context || !IsRunning())
        return nullptr;
    return m_Context;
}

// The worker's lock is taken before the task's is given back, so that the worker cannot
// move on to another job between the check and the operation.
void TThreadTask::Abort()
{
    TLockScope lock(*this);
    if (SmartPtr<IThreadContext> worker = RunningContext()) {
        TLockScope workerLock(*worker);
        lock.Unlock();
        worker->Interrupt();
        worker->Restart();
    } else {
        lock.Unlock();
    }
    TLockScope finishLock(*this);
    m_Finished.Set();
    m_Context.Reset();
}

template <class Operation>
void TThreadTask::ControlWorker(Operation iOperation)
{
    TLockScope lock(*this);
    if (SmartPtr<IThreadContext> worker = RunningContext()) {
        TLockScope workerLock(*worker);
        iOperation(*worker);
    }
}

void TThreadTask::Suspend()
{
    ControlWorker([](IThreadContext& iWorker) { iWorker.Suspend(); });
}

void TThreadTask::Resume()
{
    ControlWorker([](IThreadContext& iWorker) { iWorker.Resume(); });
}

void TThreadTask::SetPriority(int iPriority)
{
    ControlWorker([iPriority](IThreadContext& iWorker) { iWorker.SetPriority(iPriority); });
}

bool TThreadTask::HasFailed()
{
    TLockScope lock(*this);
    return m_Failure != nullptr;
}

void TThreadTask::RethrowFailure()
{
    TLockScope lock(*this);
    if (m_Failure)
        throw EGeneric(*m_Failure);
}

void TThreadTask::MarkStarted()
{
    TLockScope lock(*this);
    m_Started.Set();
}

void TThreadTask::MarkFinished()
{
    TLockScope lock(*this);
    m_Finished.Set();
    m_Context.Reset();
}

void TThreadTask::SetContext(const SmartPtr<IThreadContext>& iContext)
{
    TLockScope lock(*this);
    m_Context = iContext;
}

void TThreadTask::SetFailure(const EGeneric& iFailure)
{
    TLockScope lock(*this);
    m_Failure.reset(new EGeneric(iFailure));
}
