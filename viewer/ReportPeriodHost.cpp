#include "ReportPeriodHost.h"

#include <afxwin.h>

CPeriodSettings* GetAppReportPeriod()
{
    IReportPeriodHost* host = dynamic_cast<IReportPeriodHost*>(AfxGetApp());
    return host ? &host->GetReportPeriod() : nullptr;
}
