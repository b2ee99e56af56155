#pragma once
#include <csl/IThreadContext.h>
#include <csl/IThreadOwner.h>
#include <csl/IThreadPool.h>
#include <csl/TSemaphore.h>

#include <deque>
#include <set>

class TThreadContext;

// Runs jobs on workers that it starts on demand, up to MaxTotalThreads, and lets retire
// when they stay idle beyond MinIdleThreads. At most 1,000 jobs wait in its queue.
class TThreadPool : public IThreadPool, public IThreadOwner {
public:
    enum {
        kQueueLimit = 1000
    };

    static SmartPtr<TThreadPool> Create(DWORD iMaxTotalThreads, DWORD iMinIdleThreads);
    ~TThreadPool() override;

    bool AddJob(const SmartPtr<IThreadJob>& iJob) override;
    void Shutdown() override;
    virtual SmartPtr<IThreadJob> PopJob();
    virtual bool PushJob(const SmartPtr<IThreadJob>& iJob);
    virtual bool NeedMoreWorkers();
    virtual bool HasSurplusIdle();
    virtual void StartWorkerIfNeeded();
    virtual void OnWorkerFinished(const SmartPtr<TThreadContext>& iWorker);

    SmartPtr<IThreadJob> GetNextJob(const SmartPtr<TThreadContext>& iWorker) override;

    // Status: sizes, workers with their stacks, queued jobs.
    std::string GetDescription() const override;

    size_t GetWorkerCount();
    size_t GetQueuedJobCount();

private:
    TThreadPool(DWORD iMaxTotalThreads, DWORD iMinIdleThreads);

    struct TWorkerLess {
        bool operator()(const SmartPtr<TThreadContext>& iLeft, const SmartPtr<TThreadContext>& iRight) const
        {
            return iLeft.get() < iRight.get();
        }
    };

    DWORD m_MaxTotalThreads;
    DWORD m_MinIdleThreads;
    volatile LONG m_IdleCount;
    std::set<SmartPtr<TThreadContext>, TWorkerLess> m_Workers;
    TThreadContextLock m_WorkersLock;
    std::deque<SmartPtr<IThreadJob>> m_Jobs;
    TThreadContextLock m_JobsLock;
    TSemaphore m_JobCount;
    SmartPtr<TThreadContext> m_LastFinished;
    int m_WorkerPriority;
};
