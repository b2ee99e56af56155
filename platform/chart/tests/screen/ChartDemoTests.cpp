// What a user sees, on a real X display: the chart control in a form view, filled as a report
// fills it (through the form's wrapper and dispatch drivers) with a dozen named values. The window's pixels on the
// screen are the picture the control draws into memory, where the render tests find its bars, legend and title. The
// screenshot is kept as chart-demo.bmp beside the test for people to look at.
#include <afxole.h>
#include <afxext.h>
#include <gtest/gtest.h>

#include <set>

#include "LibraryCalls.h"
#include "ScreenTestSupport.h"
#include "chart_demo_resource.h"

namespace {

class CChartForm : public CFormView {
public:
    CChartForm() : CFormView(IDD_CHART_DEMO) {}
    CWnd m_wndChart;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_CHART, m_wndChart); }
};

const ChartPoints kWeek = {{L"Word processor", 9.5}, {L"Spreadsheet", 7.25}, {L"Mail", 6},    {L"Browser", 5.5},
                           {L"Terminal", 4.75},      {L"Editor", 4},         {L"Chat", 3.5},  {L"Calendar", 3},
                           {L"Slides", 2.5},         {L"Drawing", 2},        {L"Files", 1.5}, {L"Notes", 1}};

}  // namespace

TEST(ChartDemo, TheFormShowsOnScreenWhatTheChartDrawsInMemory)
{
    CWinApp app(L"ChartDemo");
    ASSERT_TRUE(AfxOleInit());
    AfxEnableControlContainer();
    CFrameWnd* pFrame = new CFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(pFrame->Create(nullptr, L"Chart demo", WS_OVERLAPPEDWINDOW, CRect(0, 0, 720, 520)));
    app.m_pMainWnd = pFrame;
    CChartForm* pForm = new CChartForm;
    ASSERT_TRUE(pForm->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 700, 480), pFrame, AFX_IDW_PANE_FIRST,
                              nullptr));
    pForm->OnInitialUpdate();
    pFrame->RecalcLayout();
    pFrame->ShowWindow(SW_SHOWNORMAL);

    ComPtr<IDispatch> chart;
    ASSERT_NE(pForm->m_wndChart.GetControlUnknown(), nullptr);
    ASSERT_EQ(S_OK, pForm->m_wndChart.GetControlUnknown()->QueryInterface(IID_PPV_ARGS(&chart)));
    ShowView(pForm->m_wndChart);
    SetupChart(pForm->m_wndChart);
    OutputChart(pForm->m_wndChart, kWeek);
    SetChartTitle(pForm->m_wndChart);
    LetItDraw(app);

    CRect rectChart;
    pForm->m_wndChart.GetWindowRect(&rectChart);
    Screenshot shot(rectChart);
    CRect rectFrame;
    pFrame->GetWindowRect(&rectFrame);
    Screenshot(rectFrame).Save(L"chart-demo.bmp");

    Bitmap memory(rectChart.Width(), rectChart.Height(), RGB(255, 0, 255));
    ASSERT_EQ(S_OK, memory.Draw(chart.Get(), {0, 0, rectChart.Width(), rectChart.Height()}));
    int nDiffering = 0;
    std::set<DWORD> colours;
    for (int y = 0; y < rectChart.Height(); y++)
        for (int x = 0; x < rectChart.Width(); x++) {
            DWORD dwShown = shot.Pixel(rectChart.left + x, rectChart.top + y);
            nDiffering += dwShown != ToPixel(memory.At(x, y));
            colours.insert(dwShown);
        }
    EXPECT_EQ(0, nDiffering) << "of " << rectChart.Width() * rectChart.Height() << " pixels";
    EXPECT_GE(colours.size(), kWeek.size()) << "a colour for every bar at least";

    chart.Reset();
    pFrame->DestroyWindow();
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {}
}
