#include "TestWorker.h"
#include <csl/EThreadInterrupt.h>
#include <csl/TMultiLockEx.h>
#include <csl/ThreadInterrupt.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

typedef TMultiLockEx<_ml_no_notify, _ml_free_signal_event<_ml_full_owners_list<_ml_interlocked_inner_lock>>>
    FullListLock;
typedef TMultiLockEx<_ml_notify, _ml_free_signal_event<_ml_single_owners_list<_ml_interlocked_inner_lock>>>
    SingleOwnerLock;

namespace {

// What a thread that holds nothing gets at once; it gives back what it got.
bool OtherGetsShared(IMultiLockEx& ioLock)
{
    TestWorker other;
    return other.Run([&] {
        const bool got = ioLock.LockShared(0);
        if (got)
            ioLock.Unlock();
        return got;
    });
}

bool OtherGetsExclusive(IMultiLockEx& ioLock)
{
    TestWorker other;
    return other.Run([&] {
        const bool got = ioLock.LockExclusive(0);
        if (got)
            ioLock.Unlock();
        return got;
    });
}

template <class Lock>
struct Inspectable : Lock {
    LONG UpgradeWaiters() const { return this->m_UpgradeWaiters; }
};

// Holds the lock's bookkeeping from outside, as a thread in the middle of an acquisition does.
template <class Lock>
struct BookkeepingHolder : Lock {
    void Hold() { this->InnerLock(); }
    void Free() { this->InnerUnlock(); }
};

template <class Lock>
void WaitForUpgradeWaiter(const Inspectable<Lock>& iLock)
{
    while (iLock.UpgradeWaiters() == 0)
        Sleep(1);
}

}  // namespace

TEST(MultiLock, NestedHoldsOfOneThreadTakeAtOnceAndReleaseInTurn)
{
    for (const std::string sequence : {"SSX", "XS", "SX", "XSXSS", "SSSSS"}) {
        FullListLock lock;
        for (char kind : sequence)
            ASSERT_TRUE(kind == 'S' ? lock.LockShared(0) : lock.LockExclusive(0)) << sequence;
        for (size_t i = 0; i < sequence.size(); ++i) {
            EXPECT_FALSE(OtherGetsExclusive(lock)) << sequence << " after " << i << " releases";
            lock.Unlock();
        }
        EXPECT_TRUE(OtherGetsExclusive(lock)) << sequence;
    }
}

TEST(MultiLock, UpgradeInPlaceIsUndoneByTheNextRelease)
{
    FullListLock lock;
    TestWorker other;
    ASSERT_TRUE(lock.LockShared(0));
    ASSERT_TRUE(lock.LockExclusive(0));
    EXPECT_FALSE(OtherGetsShared(lock));
    lock.Unlock();
    ASSERT_TRUE(other.Run([&] { return lock.LockShared(0); }));
    lock.Unlock();
    EXPECT_FALSE(lock.LockExclusive(0));
    EXPECT_TRUE(OtherGetsShared(lock));
    other.Run([&] { lock.Unlock(); });
    EXPECT_TRUE(lock.LockExclusive(0));
    lock.Unlock();
}

TEST(MultiLock, ExclusiveHolderReleasesItsLaterSharedHoldFirst)
{
    FullListLock lock;
    ASSERT_TRUE(lock.LockExclusive(0));
    ASSERT_TRUE(lock.LockShared(0));
    lock.Unlock();
    EXPECT_FALSE(OtherGetsShared(lock));
    lock.Unlock();
    EXPECT_TRUE(OtherGetsExclusive(lock));
}

TEST(MultiLock, TimedAcquisitionRunsOutAndChangesNothing)
{
    FullListLock lock;
    TestWorker holder;
    ASSERT_TRUE(holder.Run([&] { return lock.LockExclusive(0); }));
    EXPECT_FALSE(lock.LockExclusive(50));
    EXPECT_FALSE(lock.LockShared(50));
    EXPECT_THROW(lock.Unlock(), std::logic_error);
    holder.Run([&] { lock.Unlock(); });
    EXPECT_TRUE(lock.LockExclusive(0));
    lock.Unlock();
}

TEST(MultiLock, AnonymousHoldIsGivenBackByAnotherThread)
{
    FullListLock lock;
    TestWorker taker, waiter;
    ASSERT_TRUE(taker.Run([&] { return lock.LockExclusiveAnonymous(0); }));
    EXPECT_THROW(taker.Run([&] { lock.Unlock(); }), std::logic_error);
    auto waited = waiter.Post([&] {
        lock.LockShared();
        lock.Unlock();
        return true;
    });
    lock.UnlockAnonymous();
    EXPECT_TRUE(waited.get());
    ASSERT_TRUE(lock.LockSharedAnonymous(0));
    taker.Run([&] { lock.UnlockAnonymous(); });
    EXPECT_TRUE(OtherGetsExclusive(lock));
}

// A release that has to wait for the bookkeeping must not end with the interrupt: the hold
// would stay for good. The interrupt comes at the thread's next wait instead.
TEST(MultiLock, InterruptDuringReleaseWaitsForTheNextWait)
{
    BookkeepingHolder<FullListLock> lock;
    TestWorker holder;
    ASSERT_TRUE(holder.Run([&] { return lock.LockExclusive(0); }));
    std::atomic<bool> releasing(false);
    lock.Hold();
    auto released = holder.Post([&] {
        QueueUserAPC(&ThreadInterruptCall, GetCurrentThread(), 0);
        releasing = true;
        try {
            lock.Unlock();
        } catch (const EThreadInterrupt&) {
            return std::string("interrupted in the release");
        }
        try {
            if (SleepEx(0, TRUE) == WAIT_IO_COMPLETION)
                ThrowIfInterrupted();
        } catch (const EThreadInterrupt&) {
            return std::string("interrupted at the next wait");
        }
        return std::string("interrupt lost");
    });
    while (!releasing)
        Sleep(1);
    Sleep(50);  // lets the release find the bookkeeping held
    lock.Free();
    EXPECT_EQ("interrupted at the next wait", released.get());
    EXPECT_TRUE(OtherGetsExclusive(lock));
}

template <class Lock>
class BothPolicies : public ::testing::Test {
};
typedef ::testing::Types<FullListLock, SingleOwnerLock> LockTypes;
TYPED_TEST_SUITE(BothPolicies, LockTypes);

TYPED_TEST(BothPolicies, SecondSharedHolderAskingForExclusiveGetsDeadLock)
{
    Inspectable<TypeParam> lock;
    TestWorker first, second;
    ASSERT_TRUE(first.Run([&] { return lock.LockShared(0); }));
    ASSERT_TRUE(second.Run([&] { return lock.LockShared(0); }));
    auto upgraded = first.Post([&] {
        lock.LockExclusive();
        return true;
    });
    WaitForUpgradeWaiter(lock);
    second.Run([&] {
        try {
            lock.LockExclusive();
            ADD_FAILURE() << "no dead-lock";
        } catch (const std::exception& e) {
            EXPECT_STREQ("dead-lock", e.what());
        }
        EXPECT_TRUE(lock.LockShared(0)) << "the shared hold is kept";
        lock.Unlock();
        lock.Unlock();
    });
    EXPECT_TRUE(upgraded.get());
    EXPECT_FALSE(OtherGetsShared(lock));
    first.Run([&] {
        lock.Unlock();
        lock.Unlock();
    });
    EXPECT_TRUE(OtherGetsExclusive(lock));
}

TYPED_TEST(BothPolicies, ReleaseByAThreadThatHoldsNothingIsRefused)
{
    TypeParam lock;
    TestWorker holder;
    ASSERT_TRUE(holder.Run([&] { return lock.LockShared(0); }));
    EXPECT_THROW(lock.Unlock(), std::logic_error);
    EXPECT_THROW(lock.UnlockAnonymous(), std::logic_error);
    EXPECT_FALSE(OtherGetsExclusive(lock));
    holder.Run([&] { lock.Unlock(); });
    EXPECT_TRUE(OtherGetsExclusive(lock));
}

// Each waiter, once in, waits for the other to be in as well: only both holding together
// lets either finish.
TYPED_TEST(BothPolicies, EveryWaitingReaderComesInWhenTheLockTurnsShared)
{
    TypeParam lock;
    TestWorker writer, firstReader, secondReader;
    ASSERT_TRUE(writer.Run([&] { return lock.LockExclusive(0); }));
    std::atomic<int> inside(0);
    auto read = [&] {
        lock.LockShared();
        ++inside;
        for (int i = 0; i < 5000 && inside < 2; ++i)
            Sleep(1);
        const bool together = inside == 2;
        lock.Unlock();
        return together;
    };
    auto first = firstReader.Post(read);
    auto second = secondReader.Post(read);
    Sleep(50);  // lets both readers start waiting
    writer.Run([&] { lock.Unlock(); });
    EXPECT_TRUE(first.get());
    EXPECT_TRUE(second.get());
}

// Readers and writers on several threads: a writer is always alone, and nobody is left
// waiting for a wake-up that never comes.
TYPED_TEST(BothPolicies, WritersAreAloneUnderContention)
{
    TypeParam lock;
    std::atomic<int> readers(0), writers(0), overlaps(0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 60; ++i) {
                if ((i + t) % 3 == 0) {
                    lock.LockExclusive();
                    if (++writers != 1 || readers != 0)
                        ++overlaps;
                    --writers;
                } else {
                    lock.LockShared();
                    ++readers;
                    if (writers != 0)
                        ++overlaps;
                    --readers;
                }
                lock.Unlock();
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(0, overlaps.load());
    EXPECT_TRUE(OtherGetsExclusive(lock));
}

TEST(SingleOwnerMultiLock, SharedHolderBecomesExclusiveOnlyWhenAlone)
{
    SingleOwnerLock lock;
    TestWorker first, second;
    ASSERT_TRUE(first.Run([&] { return lock.LockShared(0); }));
    ASSERT_TRUE(second.Run([&] { return lock.LockShared(0); }));
    EXPECT_FALSE(second.Run([&] { return lock.LockExclusive(0); }));
    first.Run([&] { lock.Unlock(); });
    ASSERT_TRUE(second.Run([&] { return lock.LockExclusive(0); }));
    EXPECT_FALSE(OtherGetsShared(lock));
    second.Run([&] { lock.Unlock(); });
    EXPECT_FALSE(OtherGetsShared(lock)) << "exclusive until the owner's last hold ends";
    second.Run([&] { lock.Unlock(); });
    EXPECT_TRUE(OtherGetsExclusive(lock));
}

namespace {

class RecordingLock : public SingleOwnerLock {
public:
    std::vector<std::string> Events;

protected:
    void OnExclusiveFromFree() override { Events.push_back("exclusive begins"); }
    void OnSharedFromFree() override { Events.push_back("shared begins"); }
    void OnExclusiveEnded() override { Events.push_back("exclusive ends"); }
    void OnSharedEnded() override { Events.push_back("shared ends"); }
    void OnUpgraded() override { Events.push_back("upgraded"); }
};

}  // namespace

TEST(SingleOwnerMultiLock, NotifiesBeginningsEndsAndUpgrades)
{
    RecordingLock lock;
    lock.LockShared();
    lock.LockShared();
    lock.LockExclusive();
    lock.Unlock();
    lock.Unlock();
    lock.Unlock();
    lock.LockExclusive();
    lock.LockShared();
    lock.Unlock();
    lock.Unlock();
    lock.LockShared();
    lock.Unlock();
    const std::vector<std::string> expected = {"shared begins",  "upgraded",      "exclusive ends", "exclusive begins",
                                               "exclusive ends", "shared begins", "shared ends"};
    EXPECT_EQ(expected, lock.Events);
}
