#include <csl/tests/LogCapture.h>

#include <csl/EGeneric.h>
#include <csl/TEvent.h>
#include <csl/TSemaphore.h>
#include <csl/TThreadPool.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The target of the member-call jobs.
class TWork {
public:
    TWork() : m_Done(0) {}

    void Count()
    {
        InterlockedIncrement(&m_Done);
        m_Finished.Unlock();
    }
    void Block()
    {
        m_Started.Unlock();
        WaitForSingleObject(m_Release.GetHandle(), INFINITE);
        InterlockedIncrement(&m_Done);
        m_Finished.Unlock();
    }
    void Fail() { throw EGeneric(TNamedValue("Text", "job failed")); }

    void WaitStarted(int iJobs)
    {
        for (int i = 0; i < iJobs; ++i)
            m_Started.Lock();
    }
    void WaitFinished(int iJobs)
    {
        for (int i = 0; i < iJobs; ++i)
            m_Finished.Lock();
    }

    LONG Done() const { return m_Done; }
    void Release() { m_Release.Set(); }

private:
    volatile LONG m_Done;
    TSemaphore m_Started;
    TSemaphore m_Finished;
    TEvent m_Release{true, false};
};

TEST(ThreadPoolTest, OneJobStartsOneWorker)
{
    SmartPtr<TThreadPool> pool = TThreadPool::Create(10, 0);
    TWork work;
    IThreadPool::AddMemberCallJob<TWork>(pool, &work, &TWork::Count);
    work.WaitFinished(1);

    EXPECT_EQ(1, work.Done());
    EXPECT_EQ(1u, pool->GetWorkerCount());
    pool->Shutdown();
}

TEST(ThreadPoolTest, LongJobsStartAtMostTheMaximumAndTheRestWait)
{
    SmartPtr<TThreadPool> pool = TThreadPool::Create(10, 0);
    TWork work;
    for (int i = 0; i < 15; ++i)
        IThreadPool::AddMemberCallJob<TWork>(pool, &work, &TWork::Block);
    work.WaitStarted(10);

    EXPECT_EQ(10u, pool->GetWorkerCount());
    EXPECT_EQ(5u, pool->GetQueuedJobCount());
    work.Release();
    work.WaitFinished(15);
    EXPECT_EQ(15, work.Done());
    EXPECT_LE(pool->GetWorkerCount(), 10u);
    pool->Shutdown();
}

TEST(ThreadPoolTest, QueueOverflowsAtTheThousandAndFirstJob)
{
    // No worker may start, so no job is ever taken.
    SmartPtr<TThreadPool> pool = TThreadPool::Create(0, 0);
    TWork work;
    for (int i = 0; i < TThreadPool::kQueueLimit; ++i)
        IThreadPool::AddMemberCallJob<TWork>(pool, &work, &TWork::Count);
    try {
        IThreadPool::AddMemberCallJob<TWork>(pool, &work, &TWork::Count);
        FAIL() << "the queue took a job beyond its limit";
    } catch (const EGeneric& e) {
        std::string text;
        EXPECT_EQ("Thread pool overflowed", e.GetProperty("Text").GetString(text));
    }
    EXPECT_EQ(static_cast<size_t>(TThreadPool::kQueueLimit), pool->GetQueuedJobCount());
    pool->Shutdown();
    EXPECT_EQ(0u, pool->GetQueuedJobCount());
    EXPECT_EQ(0, work.Done());
}

TEST(ThreadPoolTest, FailingJobsAreLoggedAndTheWorkersKeepServing)
{
    TLogCapture log;
    SmartPtr<TThreadPool> pool = TThreadPool::Create(2, 0);
    TWork work;
    for (int i = 0; i < 20; ++i)
        IThreadPool::AddMemberCallJob<TWork>(pool, &work, &TWork::Fail);
    IThreadPool::AddMemberCallJob<TWork>(pool, &work, &TWork::Count);
    work.WaitFinished(1);

    EXPECT_EQ(1, work.Done());
    EXPECT_LE(pool->GetWorkerCount(), 2u);
    pool->Shutdown();
    const std::string line = "(!) Thread runaway with exception class EGeneric:\nText: job failed\n";
    size_t count = 0;
    for (size_t at = log.Text().find(line); at != std::string::npos; at = log.Text().find(line, at + 1))
        ++count;
    EXPECT_EQ(20u, count);
}

TEST(ThreadPoolTest, StatusTextOfANewPool)
{
    SmartPtr<TThreadPool> pool = TThreadPool::Create(10, 0);
    char address[16];
    snprintf(address, sizeof(address), "%lx", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(pool.get())));
    EXPECT_EQ(std::string("Thread Pool 0x") + address +
                  " MaxTotalThreads=10 MinIdleThreads=0\n"
                  "Threads: 0 (0 idle thread(s))\nJobs: 0\n",
              pool->GetDescription());
}

}  // namespace
