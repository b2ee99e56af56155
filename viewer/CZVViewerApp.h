#pragma once
#include "ReportPeriodHost.h"

#include <afxwin.h>
#include <guitoolkit/frame/CGTWorkspace.h>

// The viewer's application: starts the platform's services, keeps the report period from
// start to exit, and leaves the GUI layout and the look to the toolkit's workspace.
class CZVViewerApp : public CWinApp, public CGTWorkspace, public IReportPeriodHost {
public:
    CZVViewerApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    CPeriodSettings& GetReportPeriod() override { return m_Period; }
    // The context menus are registered before the saved layout loads theirs.
    void PreLoadState() override;

protected:
    afx_msg void OnAppAbout();
    DECLARE_MESSAGE_MAP()

private:
    CPeriodSettings m_Period;
    ULONG_PTR m_GdiplusToken;
};
