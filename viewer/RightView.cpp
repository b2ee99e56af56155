#include "RightView.h"

#include "CZVViewerDoc.h"
#include "ReportChart.h"
#include "ReportErrors.h"
#include "ReportPeriodHost.h"
#include "TreeReports.h"

#include <guitoolkit/controls/CGTGridRow.h>

#include <algorithm>

IMPLEMENT_DYNCREATE(CRightView, CFormView)

int CRightView::s_nLastFoundRow = -1;

namespace {

const UINT s_FindMessage = RegisterWindowMessageW(FINDMSGSTRING);

const int kMinimumWidth = 400;
const int kMinimumHeight = 150;
const int kGridGap = 3;

CGTGridLook Look(COLORREF iFill, COLORREF iText, COLORREF iGradient, int iAngle, COLORREF iBorder)
{
    return {iFill, iText, iGradient, iAngle, iBorder};
}

CGTGridColorTheme ReportColors()
{
    const COLORREF none = (COLORREF)-1;
    CGTGridColorTheme colors;
    colors.m_Background = none;
    colors.m_Text = RGB(50, 50, 50);
    colors.m_Extra = none;
    colors.m_EvenRows = Look(RGB(238, 238, 238), none, none, 0, none);
    colors.m_OddRows = Look(none, none, none, 0, none);
    colors.m_GroupRows = Look(RGB(222, 230, 240), RGB(72, 105, 148), RGB(255, 255, 255), 90, none);
    colors.m_GroupCaptions = Look(RGB(117, 150, 188), RGB(249, 250, 252), RGB(183, 200, 220), 90, none);
    colors.m_SelectedCells = Look(RGB(175, 194, 217), RGB(52, 77, 108), RGB(222, 230, 240), 90, RGB(175, 194, 217));
    colors.m_Header = Look(RGB(215, 218, 227), none, RGB(244, 245, 248), 90, RGB(173, 183, 205));
    colors.m_SelectedHeader = Look(RGB(251, 157, 105), none, RGB(254, 204, 153), 90, RGB(173, 183, 205));
    colors.m_RowMargin = Look(RGB(215, 218, 227), none, RGB(244, 245, 248), 0, RGB(173, 183, 205));
    colors.m_LineColor = none;
    colors.m_GroupLineColor = none;
    return colors;
}

COleDateTime DateAtTime(const COleDateTime& iDate, const COleDateTime& iTime)
{
    if (iDate.GetStatus() != COleDateTime::valid || iTime.GetStatus() != COleDateTime::valid)
        return iDate;
    return COleDateTime(iDate.GetYear(), iDate.GetMonth(), iDate.GetDay(), iTime.GetHour(), iTime.GetMinute(),
                        iTime.GetSecond());
}

}  // namespace

BEGIN_MESSAGE_MAP(CRightView, CFormView)
    ON_WM_SIZE()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_REFRESH, &CRightView::OnRefresh)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_TODAY, IDC_CUSTOM_PERIOD, &CRightView::OnPeriodChanged)
    ON_NOTIFY(NM_DBLCLK, IDC_REPORT_GRID, &CRightView::OnGridDblClk)
    ON_COMMAND(ID_EDIT_FIND, &CRightView::OnFind)
    ON_REGISTERED_MESSAGE(s_FindMessage, &CRightView::OnFindReplace)
    ON_COMMAND(ID_EXPORT_REPORT, &CRightView::OnExportReport)
END_MESSAGE_MAP()

CRightView::CRightView()
    : CFormView(IDD_REPORT_VIEW), m_pFindDialog(nullptr), m_nPeriod(ReportPeriod::ThisYear), m_FormSize(0, 0),
      m_hTitleIcon(nullptr)
{
    m_timeFrom = m_dateFrom = m_timeTo = m_dateTo = COleDateTime::GetCurrentTime();
}

CRightView::~CRightView() = default;

CRightView* GetReportView()
{
    const IReportFrame* frame = dynamic_cast<IReportFrame*>(AfxGetMainWnd());
    return frame ? DYNAMIC_DOWNCAST(CRightView, frame->GetReportView()) : nullptr;
}

void CRightView::DoDataExchange(CDataExchange* iExchange)
{
    CFormView::DoDataExchange(iExchange);
    DDX_Control(iExchange, IDC_CHART, m_wndChart);
    DDX_Control(iExchange, IDC_TITLE_ICON, m_wndIcon);
    DDX_Control(iExchange, IDC_TITLE, m_wndCaption);
    DDX_DateTimeCtrl(iExchange, IDC_TIME_FROM, m_timeFrom);
    DDX_DateTimeCtrl(iExchange, IDC_DATE_FROM, m_dateFrom);
    DDX_DateTimeCtrl(iExchange, IDC_TIME_TO, m_timeTo);
    DDX_DateTimeCtrl(iExchange, IDC_DATE_TO, m_dateTo);
    DDX_Radio(iExchange, IDC_TODAY, m_nPeriod);
}

int CRightView::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CFormView::OnCreate(iCreate) == -1)
        return -1;
    if (CWnd* chart = GetDlgItem(IDC_CHART))
        chart->ShowWindow(SW_HIDE);
    return 0;
}

void CRightView::OnDestroy()
{
    if (m_wndIcon.GetSafeHwnd())
        SetTitleIcon(nullptr);
    CFormView::OnDestroy();
}

void CRightView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    m_FormSize = GetTotalSize();
    CRect chart;
    m_wndChart.GetWindowRect(chart);
    ScreenToClient(chart);
    CRect client;
    GetClientRect(client);
    m_wndGrid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP,
                     CRect(chart.left, chart.bottom + kGridGap, chart.right, client.bottom), this, IDC_REPORT_GRID);
    m_wndGrid.EnableHeader(TRUE, (DWORD)-1);
    m_wndGrid.SetSortColumn(1, TRUE, FALSE);
    m_wndGrid.ShowGroupArea(FALSE);
    m_wndGrid.SetReadOnly(TRUE);
    m_wndGrid.SetSingleSelection(TRUE);
    m_wndGrid.EnableSortedColumnHighlight(TRUE, TRUE);
    m_wndGrid.SetColorTheme(ReportColors(), TRUE);
    RunReportStep([this] {
        COleDispatchDriver dispatch = m_wndChart.GetDispatch();
        ShowReportChartView(dispatch);
    });
    m_wndChart.ShowWindow(SW_SHOWNORMAL);
    LayoutControls();
    if (CTreeReports* reports = GetActiveTreeReports())
        reports->SelectFirstItem();
    UpdatePeriodControls();
}

void CRightView::OnSize(UINT iType, int iWidth, int iHeight)
{
    CFormView::OnSize(iType, iWidth, iHeight);
    LayoutControls();
}

void CRightView::LayoutControls()
{
    if (!m_wndChart.GetSafeHwnd() || !m_wndGrid.GetSafeHwnd())
        return;
    CRect view;
    GetClientRect(view);
    CRect chart;
    m_wndChart.GetWindowRect(chart);
    ScreenToClient(chart);
    chart.right = view.right;
    chart.bottom = (2 * (view.Height() - chart.top)) / 3;
    if (chart.Width() < kMinimumWidth)
        chart.right = chart.left + kMinimumWidth;
    if (chart.Height() < kMinimumHeight)
        chart.bottom = chart.top + kMinimumHeight;
    m_wndChart.MoveWindow(chart, TRUE);
    CRect grid(chart.left, chart.bottom + kGridGap, chart.right, view.bottom);
    if (grid.Height() < kMinimumHeight)
        grid.bottom = grid.top + kMinimumHeight;
    m_wndGrid.MoveWindow(grid, TRUE);
    SetScrollSizes(MM_TEXT, CSize(std::max<int>(chart.right - view.left, m_FormSize.cx), grid.bottom - view.top));
}

void CRightView::UpdatePeriodControls()
{
    UpdateData(TRUE);
    const BOOL custom = m_nPeriod == ReportPeriod::Custom;
    for (UINT picker : {IDC_TIME_FROM, IDC_DATE_FROM, IDC_TIME_TO, IDC_DATE_TO})
        GetDlgItem(picker)->EnableWindow(custom);
}

void CRightView::OnPeriodChanged(UINT)
{
    UpdatePeriodControls();
}

void CRightView::ShowPeriod(const ReportPeriod& iPeriod)
{
    m_dateFrom = m_timeFrom = iPeriod.Start;
    m_dateTo = m_timeTo = iPeriod.End;
    const bool named = iPeriod.PeriodType >= ReportPeriod::Today && iPeriod.PeriodType < ReportPeriod::Custom;
    m_nPeriod = named ? iPeriod.PeriodType : ReportPeriod::Custom;
    UpdateData(FALSE);
}

ReportPeriod CRightView::ReadPeriod()
{
    UpdateData(TRUE);
    return {DateAtTime(m_dateFrom, m_timeFrom), DateAtTime(m_dateTo, m_timeTo), m_nPeriod};
}

void CRightView::OnRefresh()
{
    const ReportPeriod period = ReadPeriod();
    if (CPeriodSettings* settings = GetAppReportPeriod())
        settings->SetPeriod(period);
    if (CTreeReports* reports = GetActiveTreeReports())
        reports->RefreshCurrentReport();
}

void CRightView::SetTitleIcon(HICON iIcon)
{
    const HICON replaced = m_wndIcon.SetIcon(iIcon);
    if (replaced && replaced == m_hTitleIcon)
        DestroyIcon(replaced);
    m_hTitleIcon = iIcon;
}

void CRightView::OnGridDblClk(NMHDR*, LRESULT* oResult)
{
    *oResult = 0;
    const CGTGridRow* row = m_wndGrid.GetCurSelRow();
    CTreeReports* reports = GetActiveTreeReports();
    if (row && reports)
        reports->SelectChildById(static_cast<ULONG>(row->GetData()));
}
