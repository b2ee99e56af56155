#pragma once
#include "ViewerSettings.h"

// What the reports and the report view need of the application: the report period it keeps.
class IReportPeriodHost {
public:
    virtual CPeriodSettings& GetReportPeriod() = 0;

protected:
    ~IReportPeriodHost() = default;
};

// The application's period, or null while the application keeps none.
CPeriodSettings* GetAppReportPeriod();
