#include "Quantum.h"

bool TQuantum::Set(unsigned long iSeconds)
{
    if (iSeconds == 0)
        return false;
    m_Seconds = iSeconds > MaximumSeconds ? MaximumSeconds : iSeconds;
    return true;
}

unsigned long TQuantum::TimerInterval(long long iNow) const
{
    return static_cast<unsigned long>(m_Seconds - iNow % m_Seconds) * 1000;
}

long long TQuantum::PeriodStart(long long iNow) const
{
    return iNow - iNow % m_Seconds;
}
