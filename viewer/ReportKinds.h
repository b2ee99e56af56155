#pragma once
// The six reports, one per kind of tree node: they differ in icon, columns, caption and the
// request they send.
#include "Report.h"

// A user's computers.
class CUserReport : public CReport {
    DECLARE_DYNAMIC(CUserReport)
public:
    using CReport::CReport;
    void Build(int iFlag) override;
};

// A computer's users.
class CWorkstationReport : public CReport {
    DECLARE_DYNAMIC(CWorkstationReport)
public:
    using CReport::CReport;
    void Build(int iFlag) override;
};

// The programs of a user on a computer, below either of them.
class CComputerReport : public CReport {
    DECLARE_DYNAMIC(CComputerReport)
public:
    using CReport::CReport;
    void Build(int iFlag) override;
};

// A program's users.
class CProgramReport : public CReport {
    DECLARE_DYNAMIC(CProgramReport)
public:
    using CReport::CReport;
    void Build(int iFlag) override;
};

// A program's window titles for a user on a computer.
class CApplicationReport : public CReport {
    DECLARE_DYNAMIC(CApplicationReport)
public:
    using CReport::CReport;
    void Build(int iFlag) override;
};

// A program's window titles for a user, on any computer.
class CAppUserReport : public CReport {
    DECLARE_DYNAMIC(CAppUserReport)
public:
    using CReport::CReport;
    void Build(int iFlag) override;
};
