#pragma once
#include <csl/ILocalClock.h>

// A clock that shows the time the test sets.
class TFixedClock : public ILocalClock {
public:
    void Set(WORD iYear, WORD iMonth, WORD iDay, WORD iHour, WORD iMinute, WORD iSecond, WORD iMilliseconds = 0)
    {
        m_Now = {iYear, iMonth, 0, iDay, iHour, iMinute, iSecond, iMilliseconds};
    }
    void GetLocalTime(SYSTEMTIME& oTime) override { oTime = m_Now; }

private:
    SYSTEMTIME m_Now = {2026, 1, 0, 1};
};
