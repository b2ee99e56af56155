#include <csl/ENotImplemented.h>
#include <csl/ESystemException.h>
#include <csl/TCriticalSection.h>
#include <csl/TEvent.h>
#include <csl/THandle.h>
#include <csl/TLockScope.h>
#include <csl/TMutex.h>
#include <csl/TSemaphore.h>
#include <csl/TWaitableTimer.h>

#include <gtest/gtest.h>

#include <thread>

TEST(Mutex, AbandonedByAnEndedThreadIsTakenWithSuccess)
{
    TMutex mutex;
    std::thread([&mutex] { mutex.Lock(); }).join();
    EXPECT_TRUE(mutex.Lock(0));
    mutex.Unlock();
}

TEST(Mutex, IsRecursiveAndExcludesOtherThreads)
{
    TMutex mutex;
    mutex.Lock();
    EXPECT_TRUE(mutex.Lock(0));
    bool otherGotIt = true;
    std::thread([&] { otherGotIt = mutex.Lock(0); }).join();
    EXPECT_FALSE(otherGotIt);
    mutex.Unlock();
    mutex.Unlock();
    EXPECT_THROW(mutex.Unlock(), ESystemException);
}

TEST(Mutex, NamedMutexesOfOneNameAreOneMutex)
{
    TMutex first("ZvCslTestNamedMutex");
    TMutex second("ZvCslTestNamedMutex");
    first.Lock();
    bool otherGotIt = true;
    std::thread([&] { otherGotIt = second.Lock(0); }).join();
    EXPECT_FALSE(otherGotIt);
    first.Unlock();
}

namespace {
void CALLBACK WakeUp(ULONG_PTR) {}
}  // namespace

TEST(Mutex, TimedLockReportsFalseWhenAnAsynchronousCallWakesIt)
{
    TMutex mutex;
    mutex.Lock();
    bool gotIt = true;
    std::thread waiter([&] {
        QueueUserAPC(WakeUp, GetCurrentThread(), 0);
        gotIt = mutex.Lock(60000);
    });
    waiter.join();
    EXPECT_FALSE(gotIt);
    mutex.Unlock();
}

TEST(Semaphore, CountsFromZeroToAThousand)
{
    TSemaphore semaphore;
    EXPECT_FALSE(semaphore.Lock(0));
    semaphore.Unlock();
    EXPECT_TRUE(semaphore.Lock(0));
    EXPECT_FALSE(semaphore.Lock(0));

    for (int i = 0; i < TSemaphore::kMaximumCount; ++i)
        semaphore.Unlock();
    try {
        semaphore.Unlock();
        FAIL() << "the 1001st release must throw";
    } catch (const ESystemException& e) {
        EXPECT_EQ(ERROR_TOO_MANY_POSTS, e.GetProperty("Code").GetInt());
    }
}

TEST(Semaphore, MayBeReleasedByAnotherThread)
{
    TSemaphore semaphore;
    std::thread([&] { semaphore.Unlock(); }).join();
    semaphore.Lock();
}

TEST(CriticalSection, TimedLockIsNotImplemented)
{
    TCriticalSection section;
    try {
        section.Lock(10);
        FAIL() << "a timed lock must throw";
    } catch (const ENotImplemented& e) {
        EXPECT_STREQ("Text: Not implemented\nSourceFile: .\\CriticalSection\nSourceLine: 18 (0x12)\nFunction: "
                     "TCriticalSection::Lock",
                     e.what());
    }
    section.Lock();
    section.Lock();
    section.Unlock();
    section.Unlock();
}

TEST(Handle, HoldsNothingForMinusOneOrZero)
{
    for (HANDLE none : {INVALID_HANDLE_VALUE, HANDLE(nullptr)}) {
        THandle handle(none);
        EXPECT_FALSE(handle.IsValid());
        handle.Close();
    }
}

TEST(Handle, FailedCloseThrowsOnlyWhenExplicit)
{
    HANDLE raw = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(CloseHandle(raw));
    {
        THandle stale(raw);
        EXPECT_THROW(stale.Close(), ESystemException);
        EXPECT_TRUE(stale.IsValid());
    }  // the destructor logs the second failure and goes on
}

TEST(Event, SignalsWaiters)
{
    TEvent event(true, false);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(event.GetHandle(), 0));
    event.Set();
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(event.GetHandle(), 0));
    event.Reset();
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(event.GetHandle(), 0));
}

TEST(WaitableTimer, LongDueTimeDoesNotWrap)
{
    TWaitableTimer timer(true);
    timer.Set(300000);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(timer.GetHandle(), 200));
    timer.Set(1);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(timer.GetHandle(), 10000));
}

namespace {

class TCountingLock : public ILock {
public:
    bool Lock(DWORD) override { return true; }
    void Lock() override { ++Locks; }
    void Unlock() override
    {
        ++Unlocks;
        if (FailUnlock)
            throw ESystemException(ERROR_NOT_OWNER);
    }
    int Locks = 0;
    int Unlocks = 0;
    bool FailUnlock = false;
};

}  // namespace

TEST(LockScope, ReleasesItsLockExactlyOnce)
{
    TCountingLock lock;
    {
        TLockScope scope(lock);
        EXPECT_EQ(1, lock.Locks);
        scope.Unlock();
        scope.Unlock();
    }
    EXPECT_EQ(1, lock.Unlocks);

    lock.FailUnlock = true;
    {
        TLockScope scope(lock);
        EXPECT_THROW(scope.Unlock(), ESystemException);
    }
    EXPECT_EQ(2, lock.Unlocks);
    {
        TLockScope scope(lock);
    }  // a failing release in the destructor is logged, not thrown
    EXPECT_EQ(3, lock.Unlocks);
}
