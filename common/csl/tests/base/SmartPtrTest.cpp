#include <csl/SmartPtr.h>

#include <gtest/gtest.h>

TEST(SmartPtr, Smoke)
{
    SmartPtr<SmartPtrObj> p(new SmartPtrObj);
    EXPECT_TRUE(p);
}
