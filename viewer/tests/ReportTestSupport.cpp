#include "ReportTestSupport.h"

#include <ViewerSettings.h>

#include <gtest/gtest.h>

namespace {

const wchar_t kPeriodKey[] = L"SOFTWARE\\ZorvaneTests\\ReportPeriod";

// The chart control registered while the tests run.
class ChartControlEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_Chart.reset(new TChartControl);
        ASSERT_TRUE(m_Chart->IsRegistered());
    }
    void TearDown() override { m_Chart.reset(); }

private:
    std::unique_ptr<TChartControl> m_Chart;
};

const auto* const g_ChartControl = ::testing::AddGlobalTestEnvironment(new ChartControlEnvironment);

}  // namespace

TChartControl::TChartControl() : m_Dll(nullptr), m_Registered(false)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    AfxEnableControlContainer();
    m_Dll = LoadLibraryW(L"" CHART_DLL);
    m_Registered = m_Dll && Call("DllRegisterServer") == S_OK;
}

TChartControl::~TChartControl()
{
    if (m_Registered)
        Call("DllUnregisterServer");
    CoUninitialize();
}

HRESULT TChartControl::Call(const char* iEntry) const
{
    auto entry = reinterpret_cast<HRESULT(WINAPI*)()>(GetProcAddress(m_Dll, iEntry));
    return entry ? entry() : HRESULT_FROM_WIN32(GetLastError());
}

CReportTestApp::CReportTestApp() : clock(new TFixedClock), period(clock, kPeriodKey)
{
    clock->Set(2026, 5, 20, 15, 30, 0);
    period.SetPeriod({COleDateTime(), COleDateTime(), ReportPeriod::ThisYear});
}

CReportTestApp::~CReportTestApp()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kPeriodKey);
}

BEGIN_MESSAGE_MAP(CReportFrame, CTreesFrame)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CReportFrame::CReportFrame()
{
    for (int i = 0; i < 3; ++i)
        m_Reports[i].reset(new CTreeReports(*GetViewerTree(static_cast<ViewerTree>(i))));
}

void CReportFrame::ClearTrees()
{
    for (auto& reports : m_Reports)
        reports->ForgetCurrentObject();
    CTreesFrame::ClearTrees();
}

CRightView* CReportFrame::OpenView(CZVViewerDoc* iDocument)
{
    CCreateContext context;
    context.m_pCurrentDoc = iDocument;
    context.m_pNewViewClass = RUNTIME_CLASS(CRightView);
    CRightView* view = static_cast<CRightView*>(CreateView(&context));
    if (!view)
        return nullptr;
    SetActiveView(view);
    SetReportView(view);
    CRect client;
    GetClientRect(client);
    OnSize(SIZE_RESTORED, client.Width(), client.Height());
    view->OnInitialUpdate();
    return view;
}

BOOL CReportFrame::OnNotify(WPARAM iWParam, LPARAM iLParam, LRESULT* oResult)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(iLParam);
    for (int i = 0; i < 3; ++i)
        if (header->code == TVN_SELCHANGEDW && header->hwndFrom == GetViewerTree(static_cast<ViewerTree>(i))->m_hWnd)
            m_Reports[i]->ShowSelectedReport();
    return CTreesFrame::OnNotify(iWParam, iLParam, oResult);
}

void CReportFrame::OnSize(UINT, int iWidth, int iHeight)
{
    const int trees = 200;
    for (int i = 0; i < 3; ++i) {
        CTreeCtrl* tree = GetViewerTree(static_cast<ViewerTree>(i));
        tree->MoveWindow(0, 0, trees, iHeight);
        tree->ShowWindow(static_cast<ViewerTree>(i) == active ? SW_SHOW : SW_HIDE);
    }
    if (CWnd* view = GetDlgItem(AFX_IDW_PANE_FIRST))
        view->MoveWindow(trees, 0, iWidth - trees, iHeight);
}

TReportWindow::TReportWindow(const CRect& iFrame) : activation(new TFakeActivation(server))
{
    WriteServerName(L"reports01");
    SetServerActivation(activation);
    frame = new CReportFrame;
    frame->MoveWindow(iFrame);
    app.m_pMainWnd = frame;
    document = new CZVViewerDoc;
    document->m_bAutoDelete = FALSE;
    frame->document = document;
    app.HoldDocument(document);
    for (int i = 0; i < 3; ++i)
        Script(Summary({}));
    document->ConnectToServer();
    server.script.activityRequests.clear();
    view = frame->OpenView(document);
}

TReportWindow::~TReportWindow()
{
    frame->ClearTrees();
    frame->DestroyWindow();
    delete document;
    SetServerActivation(new TComServerActivation);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {}
}

HTREEITEM TReportWindow::AddObject(ViewerTree iTree, CTreeObject* iObject, HTREEITEM iParent)
{
    const HTREEITEM item = Tree(iTree).InsertItem(iObject->GetName(), iParent);
    Tree(iTree).SetItemData(item, reinterpret_cast<DWORD_PTR>(iObject));
    return item;
}

_Recordset* Summary(const std::vector<SummaryRow>& iRows)
{
    std::vector<_variant_t> values;
    for (const SummaryRow& row : iRows)
        values.insert(values.end(), {row.Id, row.Name, row.Time, row.Keys, row.Mice});
    return MakeRecordset({{L"ID", adInteger, 4},
                          {L"Name", adVarWChar, 256},
                          {L"TimeSpent", adDouble, 8},
                          {L"KeyboardEvents", adDouble, 8},
                          {L"MouseEvents", adDouble, 8}},
                         values);
}

_Recordset* LargeSummary(int iCount)
{
    std::vector<SummaryRow> rows;
    for (long id = 1; id <= iCount; ++id)
        rows.push_back({_variant_t(id), _variant_t((L"user " + std::to_wstring(id)).c_str()),
                        _variant_t(60000.0 * ((id * 7919) % 100003)), _variant_t(double(id % 977)),
                        _variant_t(double(id % 331))});
    return Summary(rows);
}
