#pragma once
// What the report tests stand on: the chart control registered, an application that keeps a
// report period on a fixed clock, and a main window whose trees show their reports in a real
// report view, connected to the fake server.
#include "FixedClock.h"
#include "ViewerTestSupport.h"

#include <ReportPeriodHost.h>
#include <RightView.h>
#include <TreeReports.h>

#include <memory>

// The chart control, from its DLL beside the program, registered while this lives; COM and
// control hosting are on from then.
class TChartControl {
public:
    TChartControl();
    ~TChartControl();
    TChartControl(const TChartControl&) = delete;
    TChartControl& operator=(const TChartControl&) = delete;

    bool IsRegistered() const { return m_Registered; }

private:
    HRESULT Call(const char* iEntry) const;

    HMODULE m_Dll;
    bool m_Registered;
};

// The application the reports see: message boxes recorded, the period in a scratch key.
class CReportTestApp : public CViewerTestApp, public IReportPeriodHost {
public:
    CReportTestApp();
    ~CReportTestApp() override;
    CPeriodSettings& GetReportPeriod() override { return period; }

    SmartPtr<TFixedClock> clock;
    CPeriodSettings period;
};

// The trees and their reports; the active tree shows at the left, the report view beside it.
class CReportFrame : public CTreesFrame, public IReportFrame {
public:
    CReportFrame();
    ViewerTree active = ViewerTree::Applications;

    CTreeReports* GetActiveTreeReports() override { return &Reports(active); }
    void SetReportView(CView* iView) override { m_ReportView = iView; }
    CView* GetReportView() const override { return m_ReportView; }
    CTreeReports& Reports(ViewerTree iTree) { return *m_Reports[static_cast<int>(iTree)]; }
    void ClearTrees() override;
    // The report view of the document, laid out and shown for the first time.
    CRightView* OpenView(CZVViewerDoc* iDocument);

protected:
    BOOL OnNotify(WPARAM iWParam, LPARAM iLParam, LRESULT* oResult) override;
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CTreeReports> m_Reports[3];
    CView* m_ReportView = nullptr;
};

// Everything at once: the application, the fake server, the connected document (its trees
// empty) and the frame with its report view.
class TReportWindow {
public:
    explicit TReportWindow(const CRect& iFrame = CRect(0, 0, 1000, 700));
    ~TReportWindow();

    CTreeCtrl& Tree(ViewerTree iTree) { return *frame->GetViewerTree(iTree); }
    // An item for the object under the parent; the tree deletes the object.
    HTREEITEM AddObject(ViewerTree iTree, CTreeObject* iObject, HTREEITEM iParent = TVI_ROOT);
    // The fake server's next summary.
    void Script(_Recordset* iAnswer) { server.script.recordsets.push_back(iAnswer); }

    CReportTestApp app;
    TFakeZorvane server;
    SmartPtr<TFakeActivation> activation;
    CReportFrame* frame;
    CZVViewerDoc* document;
    CRightView* view;
};

// A summary as the server answers it: one row per object.
struct SummaryRow {
    _variant_t Id, Name, Time, Keys, Mice;
};
_Recordset* Summary(const std::vector<SummaryRow>& iRows);
// A large report's summary: users 1 to iCount, "user N", with times in no order and counts.
_Recordset* LargeSummary(int iCount);
