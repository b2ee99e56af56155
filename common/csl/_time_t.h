#pragma once
#include <windows.h>
#include <oaidl.h>
#include <ctime>
#include <string>

// A point in time: whole seconds since 1970-01-01 00:00:00 UTC, or the invalid value.
class _time_t {
public:
    static constexpr __int64 Invalid = -1;

    _time_t() : m_Seconds(Invalid) {}
    explicit _time_t(__int64 iSeconds) : m_Seconds(iSeconds) {}
    // The variant's automation date read as a UTC clock; a zero or unusable date is invalid.
    explicit _time_t(const VARIANT& iDate);

    __int64 GetTime64() const { return m_Seconds; }
    const _time_t& Now();

    std::string ToString() const;
    void ToLocalTm(tm& oLocal) const;
    DATE localvarianttime() const;

private:
    __int64 m_Seconds;
};
