#include <csl/AlertableWait.h>
#include <csl/ESystemException.h>
#include <csl/EThreadInterrupt.h>
#include <csl/TEvent.h>
#include <csl/ThreadInterrupt.h>

#include <gtest/gtest.h>

namespace {
void CALLBACK OtherCall(ULONG_PTR) {}
}  // namespace

// The calls are queued to this thread, so they run in the wait that follows.
TEST(AlertableWait, TellsSignalledTimedOutAndWokenApart)
{
    TEvent event(true, false);
    EXPECT_EQ(TWaitOutcome::TimedOut, WaitAlertable(event.GetHandle(), 0));
    EXPECT_FALSE(WaitSignalled(event.GetHandle(), 0));

    ASSERT_TRUE(QueueUserAPC(OtherCall, GetCurrentThread(), 0));
    EXPECT_EQ(TWaitOutcome::Woken, WaitAlertable(event.GetHandle(), INFINITE));
    ASSERT_TRUE(QueueUserAPC(OtherCall, GetCurrentThread(), 0));
    EXPECT_FALSE(WaitSignalled(event.GetHandle(), INFINITE));

    event.Set();
    EXPECT_EQ(TWaitOutcome::Signalled, WaitAlertable(event.GetHandle(), INFINITE));
    EXPECT_TRUE(WaitSignalled(event.GetHandle(), INFINITE));
}

TEST(AlertableWait, AnInterruptThrowsOnceAndAFailedWaitThrowsItsError)
{
    TEvent event(true, false);
    ASSERT_TRUE(QueueUserAPC(ThreadInterruptCall, GetCurrentThread(), 0));
    EXPECT_THROW(WaitAlertable(event.GetHandle(), INFINITE), EThreadInterrupt);
    EXPECT_EQ(TWaitOutcome::TimedOut, WaitAlertable(event.GetHandle(), 0));

    EXPECT_THROW(WaitAlertable(nullptr, 0), ESystemException);
    EXPECT_EQ(WAIT_OBJECT_0 + 1, CheckAlertableWait(WAIT_OBJECT_0 + 1));
}
