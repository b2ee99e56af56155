#include <csl/tests/LogCapture.h>

#include <csl/EGeneric.h>
#include <csl/TSemaphore.h>
#include <csl/TThreadClass.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

class TTestThread : public TThreadClass {
public:
    explicit TTestThread(std::function<void()> iBody) : m_Body(std::move(iBody)) {}
    ~TTestThread() override { Stop(INFINITE); }
    void Run() override { m_Body(); }

private:
    std::function<void()> m_Body;
};

// Set when the body's stack was unwound: a terminated thread leaves it unset.
struct TUnwound {
    explicit TUnwound(volatile bool& oFlag) : m_Flag(oFlag) {}
    ~TUnwound() { m_Flag = true; }
    volatile bool& m_Flag;
};

TEST(ThreadClassTest, InterruptEndsThreadBlockedOnSemaphoreQuietly)
{
    TLogCapture log;
    TSemaphore never;
    TSemaphore waiting;
    volatile bool unwound = false;
    TTestThread thread([&] {
        TUnwound guard(unwound);
        waiting.Unlock();
        never.Lock();
    });
    thread.Start();
    waiting.Lock();
    thread.Interrupt(0, 5000);

    EXPECT_TRUE(unwound);
    EXPECT_EQ("", log.Text());
}

TEST(ThreadClassTest, EscapedExceptionsAreLoggedAsRunaways)
{
    struct TCase {
        std::function<void()> Body;
        const char* Line;
    } cases[] = {
        {[] {
             throw EGeneric({TNamedValue("Text", "abc"), TNamedValue("Code", 5)});
         },
         "(!) Thread runaway with exception class EGeneric:\nText: abc\nCode: 5 (0x5)\nStack: \n-> "},
        {[] { throw std::runtime_error("one line"); },
         "(!) Thread runaway with exception class std::runtime_error:one line\n"},
        {[] { throw 5; }, "(!) Thread runaway with unknown exception\n"},
    };
    for (const TCase& c : cases) {
        TLogCapture log;
        TTestThread thread(c.Body);
        thread.Start();
        thread.Stop(INFINITE);
        EXPECT_EQ(0u, log.Text().find(c.Line)) << log.Text();
    }
}

TEST(ThreadClassTest, StackTextOfRunningThreadLeavesItRunning)
{
    TSemaphore release;
    TSemaphore waiting;
    TTestThread thread([&] {
        waiting.Unlock();
        release.Lock();
    });
    thread.Start();
    waiting.Lock();

    EXPECT_EQ(0u, thread.GetStackText().find("\n-> "));
    // Suspend count back at 0: one suspension answers the previous count 0.
    EXPECT_EQ(0u, SuspendThread(thread.GetHandle()));
    ResumeThread(thread.GetHandle());
    release.Unlock();
}

}  // namespace
