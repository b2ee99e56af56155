#include "Quantum.h"

bool TQuantum::Set(unsigned long seconds)
{
    if (seconds == 0)
        return false;
    seconds_ = seconds > MaximumSeconds ? MaximumSeconds : seconds;
    return true;
}

unsigned long TQuantum::TimerInterval(long long now) const
{
    return static_cast<unsigned long>(seconds_ - now % seconds_) * 1000;
}

long long TQuantum::PeriodStart(long long now) const
{
    return now - now % seconds_;
}
