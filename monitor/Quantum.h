#pragma once

// The reporting period. Records are aligned on multiples of the quantum counted in UTC
// seconds since 1970, so every monitor of a network reports the same periods.
class TQuantum {
public:
    static constexpr unsigned long DefaultSeconds = 60;
    // A day; longer periods would overflow the timer's milliseconds and make no sense.
    static constexpr unsigned long MaximumSeconds = 86400;

    unsigned long Seconds() const { return seconds_; }
    unsigned long LengthMs() const { return seconds_ * 1000; }
    // The quanta of a day, at least one.
    unsigned long PerDay() const { return MaximumSeconds / seconds_; }

    // Takes the quantum the server hands out. 0 cannot divide time: it is refused (false) and
    // the previous quantum stays; a very long one is clamped to the maximum.
    bool Set(unsigned long seconds);

    // Milliseconds from now (seconds since 1970) to the next multiple of the quantum; never 0.
    unsigned long TimerInterval(long long now) const;
    // Now rounded down to a multiple of the quantum.
    long long PeriodStart(long long now) const;

private:
    unsigned long seconds_ = DefaultSeconds;
};
