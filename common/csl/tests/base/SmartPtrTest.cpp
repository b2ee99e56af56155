#include <csl/SmartPtr.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

std::atomic<int> sDestroyed{0};

class TCounted : public SmartPtrObj {
public:
    ~TCounted() override { ++sDestroyed; }
};

class IFirst : public virtual SmartPtrObj {};
class ISecond : public virtual SmartPtrObj {};
class TBoth : public IFirst, public ISecond {
public:
    ~TBoth() override { ++sDestroyed; }
};

class SmartPtrTest : public testing::Test {
protected:
    void SetUp() override { sDestroyed = 0; }
};

}  // namespace

TEST_F(SmartPtrTest, NullHandlesDoNothing)
{
    SmartPtr<TCounted> empty;
    empty.Reset();
    SmartPtr<TCounted> other(empty);
    other = empty;
    EXPECT_FALSE(other);
    EXPECT_EQ(0, sDestroyed);
}

TEST_F(SmartPtrTest, LastHandleDestroysOnce)
{
    {
        SmartPtr<TCounted> first(new TCounted);
        SmartPtr<TCounted> second(first);
        first.Reset();
        EXPECT_EQ(0, sDestroyed);
        second = second;  // counts the new object before letting go of the old one
        EXPECT_EQ(0, sDestroyed);
        first = second;
        second = nullptr;
        EXPECT_EQ(0, sDestroyed);
    }
    EXPECT_EQ(1, sDestroyed);
}

TEST_F(SmartPtrTest, HandlesReleasedOnTwoThreadsDestroyOnce)
{
    const int kObjects = 20000;
    std::vector<SmartPtr<TCounted>> mine, theirs;
    for (int i = 0; i < kObjects; ++i) {
        mine.emplace_back(new TCounted);
        theirs.push_back(mine.back());
    }
    std::thread other([&theirs] {
        for (SmartPtr<TCounted>& handle : theirs)
            handle.Reset();
    });
    for (SmartPtr<TCounted>& handle : mine)
        handle.Reset();
    other.join();
    EXPECT_EQ(kObjects, sDestroyed);
}

TEST_F(SmartPtrTest, OneHandleOverwrittenByTwoThreadsLosesNoReference)
{
    SmartPtr<TCounted> shared(new TCounted);
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t)
        threads.emplace_back([&shared] {
            for (int i = 0; i < 2000; ++i)
                shared.Assign(SmartPtr<TCounted>(new TCounted));
        });
    for (std::thread& thread : threads)
        thread.join();
    shared.Reset();
    EXPECT_EQ(4001, sDestroyed);
}

TEST_F(SmartPtrTest, ObjectReachedThroughTwoInterfacesHasOneCount)
{
    SmartPtr<ISecond> second;
    {
        SmartPtr<IFirst> first(new TBoth);
        second = dynamic_cast<ISecond*>(first.get());
    }
    EXPECT_EQ(0, sDestroyed);
    second.Reset();
    EXPECT_EQ(1, sDestroyed);
}

TEST_F(SmartPtrTest, DescriptionNamesClassAndAddress)
{
    SmartPtr<ISecond> object(new TBoth);
    char expected[64];
    std::snprintf(expected, sizeof expected, "class (anonymous namespace)::TBoth {0x%llx}",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(dynamic_cast<TBoth*>(object.get()))));
    EXPECT_EQ(expected, object->GetDescription());
}
