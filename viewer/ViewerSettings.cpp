#include "ViewerSettings.h"

#include <guitoolkit/core/CGTRegistry.h>

#include <cmath>
#include <cstring>

const wchar_t kViewerSettingsKey[] = L"SOFTWARE\\Halvorn Software\\Zorvane\\Viewer";

namespace {

const wchar_t kServer[] = L"Server";
const wchar_t kStartDate[] = L"StartDate";
const wchar_t kEndDate[] = L"EndDate";
const wchar_t kPeriodType[] = L"PeriodType";

// Reading opens with create rights too, so that the first start leaves the key behind.
bool OpenKey(CGTRegistry& ioRegistry, LPCWSTR iKey)
{
    return ioRegistry.CreateKey(iKey) != FALSE;
}

// A date as the raw little-endian bytes of its DATE.
void ReadDate(CGTRegistry& ioRegistry, LPCWSTR iName, COleDateTime& ioDate)
{
    BYTE* bytes = nullptr;
    UINT size = 0;
    ioRegistry.ReadBinary(iName, bytes, size);
    DATE date = 0;
    if (bytes && size >= sizeof date)
        std::memcpy(&date, bytes, sizeof date);
    delete[] bytes;
    if (size >= sizeof date && std::isfinite(date))
        ioDate = COleDateTime(date);
}

void WriteDate(CGTRegistry& ioRegistry, LPCWSTR iName, const COleDateTime& iDate)
{
    const DATE date = iDate.m_dt;
    ioRegistry.WriteBinary(iName, reinterpret_cast<const BYTE*>(&date), sizeof date);
}

}  // namespace

CString ReadServerName(LPCWSTR iKey)
{
    CGTRegistry registry(FALSE, FALSE);
    CString server;
    if (OpenKey(registry, iKey))
        registry.ReadString(kServer, server);
    return server;
}

void WriteServerName(LPCWSTR iServer, LPCWSTR iKey)
{
    CGTRegistry registry(FALSE, FALSE);
    if (OpenKey(registry, iKey))
        registry.WriteString(kServer, iServer);
}

CPeriodSettings::CPeriodSettings(const SmartPtr<ILocalClock>& iClock, LPCWSTR iKey)
    : m_Clock(iClock), m_Key(iKey), m_Period(InitialReportPeriod(*iClock))
{
}

BOOL CPeriodSettings::LoadPeriodSettings()
{
    CGTRegistry registry(FALSE, FALSE);
    if (!OpenKey(registry, m_Key))
        return FALSE;
    ReadDate(registry, kStartDate, m_Period.Start);
    ReadDate(registry, kEndDate, m_Period.End);
    DWORD type = 0;
    if (registry.ReadDword(kPeriodType, type) && registry.lastSize == sizeof type)
        m_Period.PeriodType = static_cast<int>(type);
    return TRUE;
}

BOOL CPeriodSettings::SavePeriodSettings() const
{
    CGTRegistry registry(FALSE, FALSE);
    if (!OpenKey(registry, m_Key))
        return FALSE;
    WriteDate(registry, kStartDate, m_Period.Start);
    WriteDate(registry, kEndDate, m_Period.End);
    registry.WriteDword(kPeriodType, static_cast<DWORD>(m_Period.PeriodType));
    return TRUE;
}

void CPeriodSettings::ComputePeriod(ReportPeriod& oPeriod)
{
    UpdateReportPeriod(m_Period, *m_Clock);
    oPeriod = m_Period;
}
