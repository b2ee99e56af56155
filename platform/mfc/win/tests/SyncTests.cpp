// Critical sections: the holding thread may lock again; another thread gets in only when
// every lock is undone.
#include <afxmt.h>
#include <gtest/gtest.h>
#include <thread>

namespace {
// Whether another thread could enter the section now (it lets go again at once).
bool OtherThreadEnters(CCriticalSection& section)
{
    bool bEntered = false;
    std::thread other([&] {
        bEntered = ::TryEnterCriticalSection(section) != FALSE;
        if (bEntered)
            section.Unlock();
    });
    other.join();
    return bEntered;
}
}  // namespace

TEST(CriticalSection, HoldsOtherThreadsOffUntilEveryLockIsUndone)
{
    CCriticalSection section;
    ASSERT_TRUE(section.Lock());
    ASSERT_TRUE(section.Lock());
    EXPECT_FALSE(OtherThreadEnters(section));
    section.Unlock();
    EXPECT_FALSE(OtherThreadEnters(section));
    section.Unlock();
    EXPECT_TRUE(OtherThreadEnters(section));
}
