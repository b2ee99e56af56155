#pragma once
#include <afx.h>

#include "ReportPeriod.h"

#include <csl/SmartPtr.h>

// The viewer's own key under HKEY_CURRENT_USER.
extern const wchar_t kViewerSettingsKey[];

// The computer the server is activated on; empty when the key or the value is missing.
CString ReadServerName(LPCWSTR iKey = kViewerSettingsKey);
// Does nothing when the key cannot be opened.
void WriteServerName(LPCWSTR iServer, LPCWSTR iKey = kViewerSettingsKey);

// The report period the application keeps from start to exit: loaded at start, saved at
// exit, brought up to date for each report. Opening its key creates it.
class CPeriodSettings {
public:
    explicit CPeriodSettings(const SmartPtr<ILocalClock>& iClock, LPCWSTR iKey = kViewerSettingsKey);

    // Values of the wrong size, or dates that are not finite, are ignored. FALSE when the
    // key cannot be opened; the period then stays as it was.
    BOOL LoadPeriodSettings();
    BOOL SavePeriodSettings() const;
    void SetPeriod(const ReportPeriod& iPeriod) { m_Period = iPeriod; }
    // Brings a named period up to now, keeps it, and copies the whole period out.
    void ComputePeriod(ReportPeriod& oPeriod);
    const ReportPeriod& GetPeriod() const { return m_Period; }

private:
    SmartPtr<ILocalClock> m_Clock;
    CString m_Key;
    ReportPeriod m_Period;
};
