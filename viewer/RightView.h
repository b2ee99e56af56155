#pragma once
#include "CTChart.h"
#include "CZVGrid.h"
#include "ReportPeriod.h"
#include "ViewerResources.h"

#include <afxcmn.h>
#include <afxdlgs.h>
#include <afxext.h>

// The report view: a form with the report's title, the period selector, the chart and the
// report grid. The reports fill it; it asks for them through the main frame's tree.
class CRightView : public CFormView {
    DECLARE_DYNCREATE(CRightView)
public:
    CRightView();
    ~CRightView() override;

    // The reports fill these and read the period from them.
    CFindReplaceDialog* m_pFindDialog;
    CZVGrid m_wndGrid;
    CTChart m_wndChart;
    CStatic m_wndIcon;
    CStatic m_wndCaption;
    COleDateTime m_timeFrom;
    COleDateTime m_dateFrom;
    COleDateTime m_timeTo;
    COleDateTime m_dateTo;
    int m_nPeriod;

    void OnInitialUpdate() override;
    // Chart and grid fill the width beside the form's left margin, the chart two thirds of
    // the height; the view scrolls when that leaves either smaller than 400 x 150, or the
    // form's controls outside.
    void LayoutControls();
    // The pickers take part only in a custom period.
    void UpdatePeriodControls();
    // The period a report is built for, into both pickers of each end and the controls.
    void ShowPeriod(const ReportPeriod& iPeriod);
    // The controls' period: each end the date of its date picker at the time of its time
    // picker.
    ReportPeriod ReadPeriod();
    // Takes the title icon and destroys the one it replaces (not the form's own, which the
    // system shares).
    void SetTitleIcon(HICON iIcon);
    // A new report: the next search starts from the current row again.
    static void ForgetFoundRow() { s_nLastFoundRow = -1; }
    // The export's file name: the title without what a file name cannot hold, and ".htm".
    CString DefaultExportName() const;
    // Writes the grid as an HTML page; a file that cannot be written is reported.
    void ExportReport(const CString& iPath);

protected:
    void DoDataExchange(CDataExchange* iExchange) override;

    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnDestroy();
    afx_msg void OnRefresh();
    afx_msg void OnPeriodChanged(UINT iId);
    afx_msg void OnGridDblClk(NMHDR* iNotify, LRESULT* oResult);
    afx_msg void OnFind();
    afx_msg LRESULT OnFindReplace(WPARAM iWParam, LPARAM iLParam);
    afx_msg void OnExportReport();
    DECLARE_MESSAGE_MAP()

    // The row id where the last search stopped; -1 for none.
    static int s_nLastFoundRow;

private:
    void FindNext(const CString& iText, BOOL iMatchCase, BOOL iDown);

    // The form's own extent, which the view scrolls over at least: no control of the period
    // selector is out of reach in a narrow window.
    CSize m_FormSize;
    // The title icon a report gave, which the view owns.
    HICON m_hTitleIcon;
};

// The shown text of a cell as find and export see it: a text as it is, a 32-bit integer in
// decimal, a 64-bit count as its cell shows it, anything else nothing.
CString CellText(const VARIANT& iValue);

// The viewer document's report view, or null.
CRightView* GetReportView();
