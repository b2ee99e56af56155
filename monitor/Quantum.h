#pragma once

// The reporting period. Records are aligned on multiples of the quantum counted in UTC
// seconds since 1970, so every monitor of a network reports the same periods.
class TQuantum {
public:
    static constexpr unsigned long DefaultSeconds = 60;
    // A day; longer periods would overflow the timer's milliseconds and make no sense.
    static constexpr unsigned long MaximumSeconds = 86400;

    unsigned long Seconds() const { return m_Seconds; }
    unsigned long LengthMs() const { return m_Seconds * 1000; }
    // The quanta of a day, at least one.
    unsigned long PerDay() const { return MaximumSeconds / m_Seconds; }

    // Takes the quantum the server hands out. 0 cannot divide time: it is refused (false) and
    // the previous quantum stays; a very long one is clamped to the maximum.
    bool Set(unsigned long iSeconds);

    // Milliseconds from iNow (seconds since 1970) to the next multiple of the quantum; never 0.
    unsigned long TimerInterval(long long iNow) const;
    // Now rounded down to a multiple of the quantum.
    long long PeriodStart(long long iNow) const;

private:
    unsigned long m_Seconds = DefaultSeconds;
};
