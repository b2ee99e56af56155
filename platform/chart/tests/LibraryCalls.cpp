#include "LibraryCalls.h"

namespace {

LPDISPATCH ObjectAt(const COleDispatchDriver& iOwner, DISPID iId)
{
    LPDISPATCH object = nullptr;
    iOwner.GetProperty(iId, VT_DISPATCH, &object);
    return object;
}

// The chart's object at the end of a path of property gets, as a driver that releases it.
COleDispatchDriver ObjectAt(CWnd& ioChart, std::initializer_list<DISPID> iPath)
{
    LPDISPATCH first = nullptr;
    ioChart.GetProperty(*iPath.begin(), VT_DISPATCH, &first);
    COleDispatchDriver object(first);
    for (auto id = iPath.begin() + 1; id != iPath.end(); ++id)
        object.AttachDispatch(ObjectAt(object, *id));
    return object;
}

COleDispatchDriver FirstSeries(CWnd& ioChart)
{
    static BYTE params[] = VTS_I4;
    LPDISPATCH series = nullptr;
    ioChart.InvokeHelper(56, DISPATCH_METHOD, VT_DISPATCH, &series, params, 0L);
    return COleDispatchDriver(series);
}

}  // namespace

void ShowView(CWnd& ioChart)
{
    static BYTE params[] = VTS_I4 VTS_I4;
    ioChart.InvokeHelper(202, DISPATCH_METHOD, VT_EMPTY, nullptr, params, 1L, 10L);
}

void SetupChart(CWnd& ioChart)
{
    COleDispatchDriver panel = ObjectAt(ioChart, {17});
    panel.SetProperty(15, VT_UI4, 0x00FFFFFFUL);
    panel.SetProperty(203, VT_I4, 1L);
    ObjectAt(ioChart, {1}).SetProperty(30, VT_BOOL, TRUE);
    ObjectAt(ioChart, {3}).SetProperty(206, VT_BOOL, TRUE);
    COleDispatchDriver axis = ObjectAt(ioChart, {15});
    axis.SetProperty(1, VT_I4, 1L);
    axis.SetProperty(14, VT_I4, 0L);
    ioChart.InvokeHelper(37, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
    static BYTE kind[] = VTS_I4;
    long index = 0;
    ioChart.InvokeHelper(28, DISPATCH_METHOD, VT_I4, &index, kind, 5L);
    ObjectAt(ioChart, {22, 6}).InvokeHelper(4, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}

void OutputChart(CWnd& ioChart, const ChartPoints& iPoints)
{
    static BYTE point[] = VTS_R8 VTS_BSTR VTS_UI4;
    COleDispatchDriver series = FirstSeries(ioChart);
    long index = 0;
    const size_t shown = std::min<size_t>(iPoints.size(), 12);
    for (size_t i = 0; i < shown; ++i)
        series.InvokeHelper(46, DISPATCH_METHOD, VT_I4, &index, point, iPoints[i].second,
                            iPoints[i].first.substr(0, 40).c_str(), 0x20000000UL);
    if (iPoints.size() > 12) {
        double others = 0;
        for (size_t i = 12; i < iPoints.size(); ++i)
            others += iPoints[i].second;
        series.InvokeHelper(46, DISPATCH_METHOD, VT_I4, &index, point, others, L"Others", 0x00989898UL);
    }
    COleDispatchDriver labels = ObjectAt(ioChart, {15, 104});
    labels.SetProperty(2, VT_I4, 10L);
    labels.SetProperty(3, VT_BOOL, FALSE);
}

void SetChartTitle(CWnd& ioChart)
{
    COleDispatchDriver marks(ObjectAt(FirstSeries(ioChart), 30));
    marks.SetProperty(2, VT_I4, 1L);
    COleDispatchDriver title = ObjectAt(ioChart, {2, 1, 30});
    title.SetProperty(1, VT_I4, 90L);
    title.SetProperty(2, VT_BSTR, L"Some Title");
}
