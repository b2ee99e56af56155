#include "Quantum.h"

#include <gtest/gtest.h>

namespace {

// 2005-01-01 10:00:00 UTC.
const long long tenOClock = 1104573600;

TEST(QuantumTest, AlignsTimerAndPeriodOnMultiplesOfTheQuantum)
{
    struct Case {
        unsigned long quantum;
        long long now;
        unsigned long interval;
        long long start;
    } cases[] = {
        {60, tenOClock + 25, 35000, tenOClock},
        {60, tenOClock, 60000, tenOClock},  // on a boundary: a whole quantum, never 0
        {60, tenOClock + 59, 1000, tenOClock},
        {300, tenOClock + 299, 1000, tenOClock},
        {7, tenOClock + 3, 7000 - (tenOClock + 3) % 7 * 1000, tenOClock + 3 - (tenOClock + 3) % 7},
    };
    for (const Case& c : cases) {
        TQuantum quantum;
        ASSERT_TRUE(quantum.Set(c.quantum));
        EXPECT_EQ(c.interval, quantum.TimerInterval(c.now)) << c.quantum << " " << c.now;
        EXPECT_EQ(c.start, quantum.PeriodStart(c.now)) << c.quantum << " " << c.now;
    }
}

TEST(QuantumTest, RefusesZeroAndClampsLongQuanta)
{
    TQuantum quantum;
    EXPECT_EQ(60u, quantum.Seconds());
    EXPECT_FALSE(quantum.Set(0));
    EXPECT_EQ(60u, quantum.Seconds());
    EXPECT_TRUE(quantum.Set(0xFFFFFFFF));
    EXPECT_EQ(TQuantum::MaximumSeconds, quantum.Seconds());
    EXPECT_EQ(TQuantum::MaximumSeconds * 1000, quantum.LengthMs());
    EXPECT_EQ(35000u, quantum.TimerInterval(tenOClock + 50400 - 35));  // 24:00 less 35 s
}

}  // namespace
