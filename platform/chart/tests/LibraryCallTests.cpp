// The report's calls as the viewer makes them, through the window that hosts the chart and
// dispatch drivers for the objects it hands out, against the same calls made straight through
// IDispatch, whose picture the render tests read.
#include "LibraryCalls.h"

#include <gtest/gtest.h>

#include "ChartClass.h"

namespace {

// The chart hosted in a window, as the report view's template hosts it.
struct HostedChart {
    CWnd parent;
    CWnd chart;
    HostedChart()
    {
        EXPECT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP, 0, 0, 800, 400, nullptr, nullptr));
        EXPECT_TRUE(chart.CreateControl(CLSID_Chart, nullptr, WS_VISIBLE, CRect(0, 0, 800, 400), &parent, 1049));
    }
    ~HostedChart() { parent.DestroyWindow(); }
    ComPtr<IDispatch> Dispatch()
    {
        ComPtr<IDispatch> dispatch;
        if (chart.GetControlUnknown() != nullptr)
            chart.GetControlUnknown()->QueryInterface(IID_PPV_ARGS(&dispatch));
        return dispatch;
    }
};

}  // namespace

TEST(ChartThroughTheLibrary, TheReportsCallsThroughWrapperAndDriversDrawWhatDirectCallsDraw)
{
    ASSERT_TRUE(AfxOleInit());
    AfxEnableControlContainer();
    for (size_t count : {0, 3, 13}) {
        SCOPED_TRACE(count);
        ChartPoints points;
        for (size_t i = 0; i < count; ++i)
            points.push_back({L"A program with a description of more than forty characters " + std::to_wstring(i),
                              250.0 - 15.0 * i});
        {
            HostedChart hosted;
            ShowView(hosted.chart);
            SetupChart(hosted.chart);
            OutputChart(hosted.chart, points);
            SetChartTitle(hosted.chart);
            ComPtr<IDispatch> direct = NewChart();
            ShowView(direct.Get());
            SetupChart(direct.Get());
            OutputChart(direct.Get(), points);
            SetChartTitle(direct.Get());

            Bitmap throughLibrary(800, 400, RGB(255, 0, 255));
            Bitmap straight(800, 400, RGB(255, 0, 255));
            ASSERT_EQ(S_OK, throughLibrary.Draw(hosted.Dispatch().Get(), {0, 0, 800, 400}));
            ASSERT_EQ(S_OK, straight.Draw(direct.Get(), {0, 0, 800, 400}));
            int differing = 0;
            for (int y = 0; y < 400; ++y)
                for (int x = 0; x < 800; ++x)
                    differing += throughLibrary.At(x, y) != straight.At(x, y);
            EXPECT_EQ(0, differing);
            EXPECT_EQ(count > 12, throughLibrary.Contains(0x00989898)) << "the \"Others\" bar";
        }
        // Every object that the drivers got is released with them.
        EXPECT_EQ(S_OK, CallDllEntry("DllCanUnloadNow"));
    }
}
