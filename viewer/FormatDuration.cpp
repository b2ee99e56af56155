#include "FormatDuration.h"

#include <cmath>

namespace {

const long long kDay = 86400;
const long long kHour = 3600;

// Whole seconds toward zero, in 64 bits: a sum over years of records outgrows 32.
long long WholeSeconds(double iMilliseconds)
{
    const double seconds = std::trunc(iMilliseconds / 1000);
    const double limit = 9.2e18;
    return std::isfinite(seconds) && std::fabs(seconds) < limit ? static_cast<long long>(seconds) : 0;
}

}  // namespace

CString FormatDuration(double iMilliseconds)
{
    long long seconds = WholeSeconds(iMilliseconds);
    CString days;
    if (seconds >= kDay) {
        const long long count = seconds / kDay;
        days.Format(seconds < 2 * kDay ? L"%I64d day " : L"%I64d days ", count);
        seconds -= count * kDay;
    }
    CString rest;
    if (seconds >= kHour)
        rest.Format(L"%02I64d:%02I64d hours", seconds / kHour, (seconds % kHour) / 60);
    else
        rest.Format(L"%02I64d minutes", seconds / 60);
    return days + rest;
}
