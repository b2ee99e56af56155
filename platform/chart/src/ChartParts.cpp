#include "ChartParts.h"

#include "ChartError.h"
#include "DispatchObject.h"

namespace {

using Chart = std::weak_ptr<ChartModel>;
using Series = std::weak_ptr<ChartSeries>;

std::shared_ptr<ChartModel> Alive(const Chart& iChart)
{
    auto chart = iChart.lock();
    if (!chart)
        throw ChartError(CO_E_OBJNOTCONNECTED, L"The chart that this object belongs to no longer exists.");
    return chart;
}

std::shared_ptr<ChartSeries> Alive(const Chart& iChart, const Series& iSeries)
{
    Alive(iChart);
    auto series = iSeries.lock();
    if (!series)
        throw ChartError(CO_E_OBJNOTCONNECTED, L"This series has been removed from its chart.");
    return series;
}

using Handler = std::function<void(DispatchCall&)>;

DispatchMember Method(DISPID iId, std::vector<VARTYPE> iParameters, Handler iHandler)
{
    return {iId, DISPATCH_METHOD, std::move(iParameters), std::move(iHandler)};
}

DispatchMember PropertyGet(DISPID iId, Handler iHandler)
{
    return {iId, DISPATCH_PROPERTYGET, {}, std::move(iHandler)};
}

DispatchMember PropertyPut(DISPID iId, VARTYPE iType, Handler iHandler)
{
    return {iId, DISPATCH_PROPERTYPUT, {iType}, std::move(iHandler)};
}

// A property get that hands out a further object of the chart.
DispatchMember Object(DISPID iId, const Chart& iChart, ComPtr<IDispatch> (*iMake)(const Chart&))
{
    return PropertyGet(iId, [=](DispatchCall& ioCall) {
        Alive(iChart);
        ioCall.Return(iMake(iChart));
    });
}

template <class T>
using Check = std::function<void(const T&)>;

Check<LONG> Range(LONG iLow, LONG iHigh, const wchar_t* iWhat)
{
    return [=](const LONG& iValue) { CheckRange(iValue, iLow, iHigh, iWhat); };
}

void CheckColour(const ULONG& iColour)
{
    if ((iColour & 0xFF000000) != 0)
        throw ChartError(E_INVALIDARG, L"The panel's colour is an RGB value.");
}

// A put that checks the value before it stores it and the get that reads it back.
template <class T>
void AddSetting(DispatchMembers& ioMembers, DISPID iId, const Chart& iChart, T ChartSettings::*iField,
                Check<T> iCheck = nullptr)
{
    ioMembers.push_back(PropertyPut(iId, DispatchType<T>::kType, [=](DispatchCall& ioCall) {
        auto chart = Alive(iChart);
        T value = ioCall.Arg<T>(0);
        if (iCheck)
            iCheck(value);
        chart->Set(iField, std::move(value));
    }));
    ioMembers.push_back(
        PropertyGet(iId, [=](DispatchCall& ioCall) { ioCall.Return(Alive(iChart)->Settings().*iField); }));
}

ComPtr<IDispatch> Bars(const Chart& iChart)
{
    DispatchMembers members;
    AddSetting(members, 30, iChart, &ChartSettings::FlatBars);
    return DispatchObject::Make(std::move(members));
}

ComPtr<IDispatch> TitleFormat(const Chart& iChart)
{
    DispatchMembers members;
    AddSetting(members, 1, iChart, &ChartSettings::TitleSize,
               Range(10, 1000, L"The title's size in tenths of a point"));
    AddSetting(members, 2, iChart, &ChartSettings::Title);
    return DispatchObject::Make(std::move(members));
}

ComPtr<IDispatch> TitleText(const Chart& iChart)
{
    return DispatchObject::Make({Object(30, iChart, TitleFormat)});
}

ComPtr<IDispatch> Title(const Chart& iChart)
{
    return DispatchObject::Make({Object(1, iChart, TitleText)});
}

ComPtr<IDispatch> Legend(const Chart& iChart)
{
    DispatchMembers members;
    AddSetting(members, 206, iChart, &ChartSettings::LegendShown);
    return DispatchObject::Make(std::move(members));
}

ComPtr<IDispatch> CategoryLabels(const Chart& iChart)
{
    DispatchMembers members;
    AddSetting(members, 2, iChart, &ChartSettings::LabelSize, Range(1, 100, L"The category labels' size in points"));
    AddSetting(members, 3, iChart, &ChartSettings::LabelsShown);
    return DispatchObject::Make(std::move(members));
}

ComPtr<IDispatch> ValueAxis(const Chart& iChart)
{
    DispatchMembers members;
    AddSetting(members, 1, iChart, &ChartSettings::AxisShown, Range(0, 1, L"The value axis (0 hidden, 1 shown)"));
    AddSetting(members, 14, iChart, &ChartSettings::GridLines, Range(0, 1, L"The grid lines (0 none, 1 shown)"));
    members.push_back(Object(104, iChart, CategoryLabels));
    return DispatchObject::Make(std::move(members));
}

ComPtr<IDispatch> Panel(const Chart& iChart)
{
    DispatchMembers members;
    AddSetting<ULONG>(members, 15, iChart, &ChartSettings::PanelColour, CheckColour);
    AddSetting(members, 203, iChart, &ChartSettings::Border, Range(0, 1, L"The border (0 none, 1 line)"));
    return DispatchObject::Make(std::move(members));
}

ComPtr<IDispatch> Points(const Chart& iChart)
{
    return DispatchObject::Make({Method(4, {}, [=](DispatchCall&) { Alive(iChart)->RemovePoints(); })});
}

ComPtr<IDispatch> Data(const Chart& iChart)
{
    return DispatchObject::Make({Object(6, iChart, Points)});
}

ComPtr<IDispatch> SeriesMarks(const Chart& iChart, const Series& iSeries)
{
    return DispatchObject::Make({
        PropertyPut(2, VT_I4,
                    [=](DispatchCall& ioCall) {
                        auto series = Alive(iChart, iSeries);
                        Alive(iChart)->SetMarks(*series, ioCall.Arg<LONG>(0));
                    }),
        PropertyGet(2, [=](DispatchCall& ioCall) { ioCall.Return(static_cast<LONG>(Alive(iChart, iSeries)->Marks)); }),
    });
}

ComPtr<IDispatch> SeriesObject(const Chart& iChart, const Series& iSeries)
{
    return DispatchObject::Make({
        Method(46, {VT_R8, VT_BSTR, VT_UI4},
               [=](DispatchCall& ioCall) {
                   auto series = Alive(iChart, iSeries);
                   ioCall.Return(Alive(iChart)->AddPoint(*series, ioCall.Arg<double>(0), ioCall.Arg<std::wstring>(1),
                                                         ioCall.Arg<ULONG>(2)));
               }),
        PropertyGet(30,
                    [=](DispatchCall& ioCall) {
                        Alive(iChart, iSeries);
                        ioCall.Return(SeriesMarks(iChart, iSeries));
                    }),
    });
}

}  // namespace

DispatchMembers ChartMembers(std::weak_ptr<ChartModel> iChart)
{
    const Chart chart = std::move(iChart);
    return {
        Method(37, {}, [=](DispatchCall&) { Alive(chart)->RemoveSeries(); }),
        Method(28, {VT_I4}, [=](DispatchCall& ioCall) { ioCall.Return(Alive(chart)->AddSeries(ioCall.Arg<LONG>(0))); }),
        Method(56, {VT_I4},
               [=](DispatchCall& ioCall) {
                   Series series = Alive(chart)->SeriesAt(ioCall.Arg<LONG>(0));
                   ioCall.Return(SeriesObject(chart, series));
               }),
        Method(202, {VT_I4, VT_I4},
               [=](DispatchCall& ioCall) { Alive(chart)->SetMargins(ioCall.Arg<LONG>(0), ioCall.Arg<LONG>(1)); }),
        Object(1, chart, Bars),
        Object(2, chart, Title),
        Object(3, chart, Legend),
        Object(15, chart, ValueAxis),
        Object(17, chart, Panel),
        Object(22, chart, Data),
    };
}
