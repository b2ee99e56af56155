#include "ReportChart.h"

#include "ViewerResources.h"

#include <algorithm>
#include <initializer_list>

namespace {

const size_t kShownPoints = 12;
const int kLabelLength = 40;
const DWORD kPointColour = 0x20000000;
const DWORD kOthersColour = 0x00989898;

// The object at the end of a path of property gets; empty when one of them yields none.
COleDispatchDriver ObjectAt(COleDispatchDriver& ioOwner, std::initializer_list<DISPID> iPath)
{
    COleDispatchDriver object(ioOwner.m_lpDispatch, FALSE);
    for (DISPID id : iPath) {
        if (!object.m_lpDispatch)
            break;
        IDispatch* next = nullptr;
        object.GetProperty(id, VT_DISPATCH, &next);
        object.AttachDispatch(next);
    }
    return object;
}

COleDispatchDriver FirstSeries(COleDispatchDriver& ioChart)
{
    static const BYTE params[] = VTS_I4;
    IDispatch* series = nullptr;
    ioChart.InvokeHelper(56, DISPATCH_METHOD, VT_DISPATCH, &series, params, 0L);
    return COleDispatchDriver(series);
}

void AddPoint(COleDispatchDriver& ioSeries, double iValue, LPCWSTR iLabel, DWORD iColour)
{
    static const BYTE params[] = VTS_R8 VTS_BSTR VTS_UI4;
    long index = 0;
    ioSeries.InvokeHelper(46, DISPATCH_METHOD, VT_I4, &index, params, iValue, iLabel, iColour);
}

}  // namespace

void ShowReportChartView(COleDispatchDriver& ioChart)
{
    static const BYTE params[] = VTS_I4 VTS_I4;
    ioChart.InvokeHelper(202, DISPATCH_METHOD, VT_EMPTY, nullptr, params, 1L, 10L);
}

void SetupReportChart(COleDispatchDriver& ioChart)
{
    COleDispatchDriver panel = ObjectAt(ioChart, {17});
    if (panel.m_lpDispatch) {
        panel.SetProperty(15, VT_UI4, 0x00FFFFFFUL);
        panel.SetProperty(203, VT_I4, 1L);
    }
    COleDispatchDriver first = ObjectAt(ioChart, {1});
    if (first.m_lpDispatch)
        first.SetProperty(30, VT_BOOL, TRUE);
    COleDispatchDriver third = ObjectAt(ioChart, {3});
    if (third.m_lpDispatch)
        third.SetProperty(206, VT_BOOL, TRUE);
    COleDispatchDriver axis = ObjectAt(ioChart, {15});
    if (axis.m_lpDispatch) {
        axis.SetProperty(1, VT_I4, 1L);
        axis.SetProperty(14, VT_I4, 0L);
    }
    ioChart.InvokeHelper(37, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
    static const BYTE kind[] = VTS_I4;
    long index = 0;
    ioChart.InvokeHelper(28, DISPATCH_METHOD, VT_I4, &index, kind, 5L);
    COleDispatchDriver clear = ObjectAt(ioChart, {22, 6});
    if (clear.m_lpDispatch)
        clear.InvokeHelper(4, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}

void OutputReportChart(COleDispatchDriver& ioChart, std::vector<ReportChartPoint>& ioPoints)
{
    COleDispatchDriver series = FirstSeries(ioChart);
    std::stable_sort(ioPoints.begin(), ioPoints.end(), CompareChartPointsByValue);
    const size_t shown = std::min(ioPoints.size(), kShownPoints);
    for (size_t i = 0; i < shown; ++i) {
        ReportChartPoint& point = ioPoints[i];
        if (point.Label.GetLength() > kLabelLength)
            point.Label = point.Label.Left(kLabelLength);
        if (series.m_lpDispatch)
            AddPoint(series, ChartValue(point), point.Label, kPointColour);
    }
    if (ioPoints.size() > kShownPoints) {
        double others = 0.0;
        for (size_t i = kShownPoints; i < ioPoints.size(); ++i)
            others += ChartValue(ioPoints[i]);
        CString label;
        label.LoadString(IDS_OTHERS);
        if (series.m_lpDispatch)
            AddPoint(series, others, label, kOthersColour);
    }
    COleDispatchDriver labels = ObjectAt(ioChart, {15, 104});
    if (labels.m_lpDispatch) {
        labels.SetProperty(2, VT_I4, 10L);
        labels.SetProperty(3, VT_BOOL, FALSE);
    }
}

void SetReportChartTitle(COleDispatchDriver& ioChart)
{
    COleDispatchDriver series = FirstSeries(ioChart);
    COleDispatchDriver marks = ObjectAt(series, {30});
    if (marks.m_lpDispatch)
        marks.SetProperty(2, VT_I4, 1L);
    COleDispatchDriver title = ObjectAt(ioChart, {2, 1, 30});
    if (title.m_lpDispatch) {
        title.SetProperty(1, VT_I4, 90L);
        title.SetProperty(2, VT_BSTR, L"Some Title");
    }
}
