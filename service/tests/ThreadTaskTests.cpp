// The thread task: its events, its failure and its abort.
#include <TThreadTask_MemberCall0.h>

#include <csl/TThreadPool.h>
#include <csl/ThreadInterrupt.h>

#include <gtest/gtest.h>

#include <atomic>

namespace {

struct TWork {
    TEvent release{true, false};
    TEvent entered{true, false};
    std::atomic<int> runs{0};
    std::atomic<bool> unwound{false};

    void Return() { ++runs; }
    void Fail()
    {
        ++runs;
        throw EGeneric({TNamedValue("Text", "no luck"), TNamedValue("Code", 5)});
    }
    void Block()
    {
        ++runs;
        entered.Set();
        WaitForSingleObject(release.GetHandle(), INFINITE);
    }
    // Waits alertably until released or interrupted; a local's destructor shows the unwinding.
    void WaitAlertably()
    {
        struct TMark {
            std::atomic<bool>& flag;
            ~TMark() { flag = true; }
        } mark{unwound};
        ++runs;
        entered.Set();
        while (WaitForSingleObjectEx(release.GetHandle(), INFINITE, TRUE) == WAIT_IO_COMPLETION)
            ThrowIfInterrupted();
    }
};

class ThreadTaskTest : public ::testing::Test {
protected:
    void TearDown() override { pool->Shutdown(); }

    SmartPtr<IThreadPool> pool = TThreadPool::Create(2, 0);
    TWork work;
};

TEST_F(ThreadTaskTest, ATaskThatReturnedIsFinished)
{
    SmartPtr<IThreadTask> task = AddMemberCallTask(pool, &work, &TWork::Return);
    EXPECT_TRUE(task->WaitFinished(60000));
    EXPECT_TRUE(task->WaitFinished(1000));
    EXPECT_TRUE(task->IsStarted());
    EXPECT_FALSE(task->IsRunning());
    EXPECT_FALSE(task->HasFailed());
    EXPECT_NO_THROW(task->RethrowFailure());
    EXPECT_EQ(1, work.runs.load());
}

TEST_F(ThreadTaskTest, AFailureIsKeptAndRethrown)
{
    SmartPtr<IThreadTask> task = AddMemberCallTask(pool, &work, &TWork::Fail);
    ASSERT_TRUE(task->WaitFinished(60000));
    EXPECT_TRUE(task->HasFailed());
    try {
        task->RethrowFailure();
        ADD_FAILURE() << "no exception";
    } catch (const EGeneric& failure) {
        EXPECT_EQ(5, failure.GetProperty("Code").GetInt());
        EXPECT_TRUE(std::string(failure.what()).find("no luck") != std::string::npos) << failure.what();
    }
}

TEST_F(ThreadTaskTest, ATaskAbortedBeforeItStartsNeverRuns)
{
    pool = TThreadPool::Create(1, 0);
    SmartPtr<IThreadTask> blocker = AddMemberCallTask(pool, &work, &TWork::Block);
    ASSERT_TRUE(work.entered.GetHandle() && WaitForSingleObject(work.entered.GetHandle(), 60000) == WAIT_OBJECT_0);
    SmartPtr<IThreadTask> queued = AddMemberCallTask(pool, &work, &TWork::Return);
    EXPECT_FALSE(queued->IsStarted());
    queued->Abort();
    EXPECT_TRUE(queued->IsFinished());
    SmartPtr<IThreadTask> after = AddMemberCallTask(pool, &work, &TWork::Return);
    work.release.Set();
    ASSERT_TRUE(after->WaitFinished(60000));
    EXPECT_FALSE(queued->IsStarted());
    EXPECT_EQ(2, work.runs.load());
}

// The worker is interrupted, not killed: the task's body unwinds, and the worker serves
// the pool again afterwards.
TEST_F(ThreadTaskTest, AbortEndsARunningTaskAtItsAlertableWait)
{
    pool = TThreadPool::Create(1, 0);
    SmartPtr<IThreadTask> task = AddMemberCallTask(pool, &work, &TWork::WaitAlertably);
    ASSERT_TRUE(task->WaitStarted(60000));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(work.entered.GetHandle(), 60000));
    EXPECT_TRUE(task->IsRunning());
    task->Abort();
    EXPECT_TRUE(task->IsFinished());
    EXPECT_TRUE(work.unwound.load());
    EXPECT_FALSE(task->HasFailed());
    SmartPtr<IThreadTask> next = AddMemberCallTask(pool, &work, &TWork::Return);
    EXPECT_TRUE(next->WaitFinished(60000));
}

}  // namespace
