#include <csl/TThreadPool.h>

#include <csl/EGeneric.h>
#include <csl/TLockScope.h>
#include <csl/TSharedLockScope.h>
#include <csl/TThreadContext.h>
#include <csl/ThreadInterrupt.h>

#include <sstream>

namespace {

const DWORD kIdleWait = 10000;

// The lock objects are not changed by taking them; status texts are built from const.
IMultiLock& Unconst(const TThreadContextLock& iLock)
{
    return const_cast<TThreadContextLock&>(iLock);
}

}  // namespace

SmartPtr<TThreadPool> TThreadPool::Create(DWORD iMaxTotalThreads, DWORD iMinIdleThreads)
{
    return SmartPtr<TThreadPool>(new TThreadPool(iMaxTotalThreads, iMinIdleThreads));
}

TThreadPool::TThreadPool(DWORD iMaxTotalThreads, DWORD iMinIdleThreads)
    : m_MaxTotalThreads(iMaxTotalThreads), m_MinIdleThreads(iMinIdleThreads), m_IdleCount(0), m_WorkerPriority(0)
{
}

TThreadPool::~TThreadPool()
{
    Shutdown();
    m_LastFinished.Reset();
}

bool TThreadPool::AddJob(const SmartPtr<IThreadJob>& iJob)
{
    if (!PushJob(iJob))
        throw EGeneric(TNamedValue("Text", "Thread pool overflowed"));
    if (NeedMoreWorkers())
        StartWorkerIfNeeded();
    return GetQueuedJobCount() <= m_MaxTotalThreads;
}

bool TThreadPool::PushJob(const SmartPtr<IThreadJob>& iJob)
{
    TLockScope lock(m_JobsLock);
    if (m_Jobs.size() >= kQueueLimit)
        return false;
    m_Jobs.push_back(iJob);
    try {
        m_JobCount.Unlock();
    } catch (...) {
        m_Jobs.pop_back();
        throw;
    }
    return true;
}

SmartPtr<IThreadJob> TThreadPool::PopJob()
{
    TLockScope lock(m_JobsLock);
    if (m_Jobs.empty())
        return SmartPtr<IThreadJob>();
    SmartPtr<IThreadJob> job = m_Jobs.front();
    m_Jobs.pop_front();
    return job;
}

bool TThreadPool::NeedMoreWorkers()
{
    TSharedLockScope lock(m_WorkersLock);
    return static_cast<size_t>(m_IdleCount) < GetQueuedJobCount() && m_Workers.size() < m_MaxTotalThreads;
}

bool TThreadPool::HasSurplusIdle()
{
    return static_cast<DWORD>(m_IdleCount) > m_MinIdleThreads;
}

// The need is checked again under the exclusive lock: two callers that both saw it never
// start more than MaxTotalThreads workers together.
void TThreadPool::StartWorkerIfNeeded()
{
    TLockScope lock(m_WorkersLock);
    if (!NeedMoreWorkers())
        return;
    SmartPtr<TThreadContext> worker(new TThreadContext(SmartPtr<IThreadOwner>(this)));
    m_Workers.insert(worker);
    try {
        worker->Start();
    } catch (...) {
        m_Workers.erase(worker);
        throw;
    }
    if (m_WorkerPriority != 0)
        worker->SetPriority(m_WorkerPriority);
}

void TThreadPool::OnWorkerFinished(const SmartPtr<TThreadContext>& iWorker)
{
    TLockScope lock(m_WorkersLock);
    if (m_Workers.erase(iWorker))
        m_LastFinished = iWorker;
}

SmartPtr<IThreadJob> TThreadPool::GetNextJob(const SmartPtr<TThreadContext>& iWorker)
{
    for (;;) {
        ThrowIfInterrupted();
        InterlockedIncrement(&m_IdleCount);
        bool counted;
        try {
            counted = m_JobCount.Lock(kIdleWait);
        } catch (...) {
            InterlockedDecrement(&m_IdleCount);
            throw;
        }
        InterlockedDecrement(&m_IdleCount);
        if (counted) {
            SmartPtr<IThreadJob> job = PopJob();
            if (job)
                return job;
        }
        ThrowIfInterrupted();
        if (HasSurplusIdle()) {
            OnWorkerFinished(iWorker);
            return SmartPtr<IThreadJob>();
        }
    }
}

void TThreadPool::Shutdown()
{
    {
        TLockScope lock(m_WorkersLock);
        m_MinIdleThreads = 0;
        m_MaxTotalThreads = 0;
        {
            TLockScope jobsLock(m_JobsLock);
            m_Jobs.clear();
        }
        for (const SmartPtr<TThreadContext>& worker : m_Workers)
            worker->Interrupt();
        m_Workers.clear();
    }
    m_LastFinished.Reset();
}

size_t TThreadPool::GetWorkerCount()
{
    TSharedLockScope lock(m_WorkersLock);
    return m_Workers.size();
}

size_t TThreadPool::GetQueuedJobCount()
{
    TSharedLockScope lock(m_JobsLock);
    return m_Jobs.size();
}

std::string TThreadPool::GetDescription() const
{
    std::ostringstream text;
    text << "Thread Pool 0x" << std::hex << reinterpret_cast<uintptr_t>(this) << std::dec
         << " MaxTotalThreads=" << m_MaxTotalThreads << " MinIdleThreads=" << m_MinIdleThreads << "\n";
    {
        TSharedLockScope lock(Unconst(m_WorkersLock));
        text << "Threads: " << m_Workers.size() << " (" << m_IdleCount << " idle thread(s))\n";
        for (const SmartPtr<TThreadContext>& worker : m_Workers)
            text << worker->GetDescription() << "\n";
    }
    TSharedLockScope lock(Unconst(m_JobsLock));
    text << "Jobs: " << m_Jobs.size() << "\n";
    for (const SmartPtr<IThreadJob>& job : m_Jobs)
        text << job->GetDescription() << "\n";
    return text.str();
}

SmartPtr<IThreadPool>& ProcessThreadPool()
{
    static SmartPtr<IThreadPool> sPool;
    return sPool;
}

void ShutdownProcessThreadPool()
{
    SmartPtr<IThreadPool> pool = ProcessThreadPool();
    ProcessThreadPool().Reset();
    if (pool)
        pool->Shutdown();
}
