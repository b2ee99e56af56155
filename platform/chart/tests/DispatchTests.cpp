// The chart's dispatch contract: members by dispatch id, their types, refusals and the
// lifetime of the objects it hands out.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "ChartClass.h"
#include "ChartTestSupport.h"

namespace {

using Reach = std::function<ComPtr<IDispatch>(IDispatch*)>;

Reach Path(std::vector<DISPID> iPath)
{
    return [=](IDispatch* iChart) { return Get(iChart, iPath); };
}

// Series 0 of a chart that has one, or one of its objects.
Reach Series(std::vector<DISPID> iPath = {})
{
    return [=](IDispatch* iChart) { return Get(SeriesAt(iChart, 0).Get(), iPath); };
}

std::wstring Show(const VARIANT& iValue)
{
    Variant text;
    if (FAILED(VariantChangeType(&text.Get(), const_cast<VARIANT*>(&iValue), 0, VT_BSTR)))
        return L"?";
    return std::to_wstring(V_VT(&iValue)) + L":" + V_BSTR(&text.Get());
}

// Each value is used once, by the call that frees it.
struct Setting {
    const char* Name;
    Reach Object;
    DISPID Id;
    VARIANT Default;
    VARIANT Sent;
    VARIANT Read;
};

TEST(ChartDispatch, EveryPutReadsBackThroughItsGetFromItsDefault)
{
    Setting settings[] = {
        {"panel colour", Path({17}), 15, UI4(0x00FFFFFF), UI4(0x00123456), UI4(0x00123456)},
        {"panel border", Path({17}), 203, I4(1), I4(0), I4(0)},
        {"flat bars", Path({1}), 30, Bool(true), Bool(false), Bool(false)},
        {"legend", Path({3}), 206, Bool(true), Bool(false), Bool(false)},
        {"value axis", Path({15}), 1, I4(1), I4(0), I4(0)},
        {"grid lines", Path({15}), 14, I4(1), I4(0), I4(0)},
        {"label size", Path({15, 104}), 2, I4(8), I4(10), I4(10)},
        {"labels shown", Path({15, 104}), 3, Bool(true), Bool(false), Bool(false)},
        {"title size", Path({2, 1, 30}), 1, I4(120), Text(L"90"), I4(90)},
        {"title text", Path({2, 1, 30}), 2, Text(L""), Text(L"Some Title"), Text(L"Some Title")},
        {"series marks", Series({30}), 2, I4(0), I4(3), I4(3)},
    };
    for (Setting& setting : settings) {
        SCOPED_TRACE(setting.Name);
        ComPtr<IDispatch> chart = NewChart();
        Method(chart.Get(), 28, {I4(5)});
        ComPtr<IDispatch> object = setting.Object(chart.Get());
        ASSERT_TRUE(object);
        auto expect = [&](VARIANT iValue) {
            Variant wanted;
            wanted.Get() = iValue;
            Outcome got = Call(object.Get(), DISPATCH_PROPERTYGET, setting.Id);
            EXPECT_EQ(S_OK, got.Code);
            EXPECT_EQ(Show(wanted.Get()), Show(got.Value.Get()));
        };
        expect(setting.Default);
        Put(object.Get(), setting.Id, setting.Sent);
        expect(setting.Read);
    }
}

TEST(ChartDispatch, MethodsAnswerTheIndexOfWhatTheyAdd)
{
    ComPtr<IDispatch> chart = NewChart();
    LONG index = 0;
    for (LONG kind : {5, 6, 5}) {
        Outcome added = Call(chart.Get(), DISPATCH_METHOD, 28, {I4(kind)});
        ASSERT_EQ(S_OK, added.Code);
        EXPECT_EQ(L"3:" + std::to_wstring(index++), Show(added.Value.Get()));
    }
    ComPtr<IDispatch> series = SeriesAt(chart.Get(), 2);
    for (LONG point = 0; point < 3; ++point) {
        Outcome added = Call(series.Get(), DISPATCH_METHOD, 46, {R8(point), Text(L"point"), UI4(0x20000000)});
        ASSERT_EQ(S_OK, added.Code);
        EXPECT_EQ(L"3:" + std::to_wstring(point), Show(added.Value.Get()));
    }
    Outcome cleared = Call(chart.Get(), DISPATCH_METHOD, 37);
    EXPECT_EQ(S_OK, cleared.Code);
    EXPECT_EQ(VT_EMPTY, V_VT(&cleared.Value.Get()));
}

struct BadCall {
    const char* Name;
    Reach Object;
    WORD Kind;
    DISPID Id;
    std::vector<VARIANT> Arguments;  // freed by the call
    HRESULT Code;
    UINT ArgumentError = ~0u;   // ~0u: not set
    const wchar_t* Text = L"";  // a part of the description of DISP_E_EXCEPTION
};

TEST(ChartDispatch, BadCallsGetIDispatchCodesOrATextAndChangeNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const Reach chart = [](IDispatch* iChart) { return ComPtr<IDispatch>(iChart); };
    const UINT none = ~0u;
    BadCall calls[] = {
        {"unknown id", chart, DISPATCH_METHOD, 99, {}, DISP_E_MEMBERNOTFOUND},
        {"method as put", chart, DISPATCH_PROPERTYPUT, 37, {I4(1)}, DISP_E_MEMBERNOTFOUND},
        {"get as method", Path({17}), DISPATCH_METHOD, 15, {}, DISP_E_MEMBERNOTFOUND},
        {"no flags", chart, 0, 28, {I4(5)}, DISP_E_MEMBERNOTFOUND},
        {"too few", chart, DISPATCH_METHOD, 28, {}, DISP_E_BADPARAMCOUNT},
        {"too many", chart, DISPATCH_METHOD, 202, {I4(1), I4(2), I4(3)}, DISP_E_BADPARAMCOUNT},
        {"text for a kind", chart, DISPATCH_METHOD, 28, {Text(L"bars")}, DISP_E_TYPEMISMATCH, 0},
        {"text for a value",
         Series(),
         DISPATCH_METHOD,
         46,
         {Text(L"much"), Text(L"label"), UI4(0)},
         DISP_E_TYPEMISMATCH,
         2},
        {"text for a colour",
         Series(),
         DISPATCH_METHOD,
         46,
         {R8(1), Text(L"label"), Text(L"red")},
         DISP_E_TYPEMISMATCH,
         0},
        {"kind 7", chart, DISPATCH_METHOD, 28, {I4(7)}, DISP_E_EXCEPTION, none, L"kind"},
        {"series 1 of 1", chart, DISPATCH_METHOD, 56, {I4(1)}, DISP_E_EXCEPTION, none, L"no series 1"},
        {"series -1", chart, DISPATCH_METHOD, 56, {I4(-1)}, DISP_E_EXCEPTION, none, L"no series -1"},
        {"not a number",
         Series(),
         DISPATCH_METHOD,
         46,
         {R8(nan), Text(L"label"), UI4(0)},
         DISP_E_EXCEPTION,
         none,
         L"finite"},
        {"infinite",
         Series(),
         DISPATCH_METHOD,
         46,
         {R8(-infinity), Text(L"label"), UI4(0)},
         DISP_E_EXCEPTION,
         none,
         L"finite"},
        {"palette index",
         Series(),
         DISPATCH_METHOD,
         46,
         {R8(1), Text(L"label"), UI4(0x01000001)},
         DISP_E_EXCEPTION,
         none,
         L"colour"},
        {"marks 4", Series({30}), DISPATCH_PROPERTYPUT, 2, {I4(4)}, DISP_E_EXCEPTION, none, L"marks"},
        {"automatic panel", Path({17}), DISPATCH_PROPERTYPUT, 15, {UI4(0x20000000)}, DISP_E_EXCEPTION, none, L"colour"},
        {"border 2", Path({17}), DISPATCH_PROPERTYPUT, 203, {I4(2)}, DISP_E_EXCEPTION, none, L"border"},
        {"axis 2", Path({15}), DISPATCH_PROPERTYPUT, 1, {I4(2)}, DISP_E_EXCEPTION, none, L"axis"},
        {"title size 0", Path({2, 1, 30}), DISPATCH_PROPERTYPUT, 1, {I4(0)}, DISP_E_EXCEPTION, none, L"title"},
        {"label size 0", Path({15, 104}), DISPATCH_PROPERTYPUT, 2, {I4(0)}, DISP_E_EXCEPTION, none, L"labels"},
        {"margin 50", chart, DISPATCH_METHOD, 202, {I4(50), I4(10)}, DISP_E_EXCEPTION, none, L"margin"},
    };
    ComPtr<IDispatch> target = NewChart();
    Method(target.Get(), 28, {I4(5)});
    Method(SeriesAt(target.Get(), 0).Get(), 46, {R8(1), Text(L"first"), UI4(0)});
    for (BadCall& call : calls) {
        SCOPED_TRACE(call.Name);
        ComPtr<IDispatch> object = call.Object(target.Get());
        ASSERT_TRUE(object);
        Outcome outcome = Call(object.Get(), call.Kind, call.Id, std::move(call.Arguments));
        EXPECT_EQ(call.Code, outcome.Code);
        EXPECT_EQ(VT_EMPTY, V_VT(&outcome.Value.Get()));
        EXPECT_EQ(call.ArgumentError, outcome.ArgumentError);
        if (call.Code == DISP_E_EXCEPTION) {
            EXPECT_NE(std::wstring::npos, outcome.Description.find(call.Text))
                << testing::PrintToString(outcome.Description);
            EXPECT_EQ(kChartIndependentProgId, outcome.Source);
            EXPECT_TRUE(FAILED(outcome.ExceptionCode));
        }
    }
    // Nothing of it arrived: one series with one point, the settings as they were.
    EXPECT_EQ(L"3:1", Show(Call(target.Get(), DISPATCH_METHOD, 28, {I4(5)}).Value.Get()));
    EXPECT_EQ(L"3:1",
              Show(Call(SeriesAt(target.Get(), 0).Get(), DISPATCH_METHOD, 46, {R8(2), Text(L""), UI4(0)}).Value.Get()));
    ComPtr<IDispatch> panel = Get(target.Get(), 17);
    EXPECT_EQ(L"19:16777215", Show(Call(panel.Get(), DISPATCH_PROPERTYGET, 15).Value.Get()));
    EXPECT_EQ(L"3:1", Show(Call(panel.Get(), DISPATCH_PROPERTYGET, 203).Value.Get()));
    EXPECT_EQ(L"3:0", Show(Call(Get(SeriesAt(target.Get(), 0).Get(), 30).Get(), DISPATCH_PROPERTYGET, 2).Value.Get()));
}

TEST(ChartDispatch, NamedArgumentsAndInterfaceIdsAreIDispatchs)
{
    ComPtr<IDispatch> chart = NewChart();
    VARIANT kind = I4(5);
    DISPID named = 0;
    DISPPARAMS withName = {&kind, &named, 1, 1};
    EXPECT_EQ(DISP_E_NONAMEDARGS,
              chart->Invoke(28, IID_NULL, 0, DISPATCH_METHOD, &withName, nullptr, nullptr, nullptr));
    DISPPARAMS plain = {&kind, nullptr, 1, 0};
    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE,
              chart->Invoke(28, IID_IDispatch, 0, DISPATCH_METHOD, &plain, nullptr, nullptr, nullptr));
    // A caller that wants no result still adds the series.
    EXPECT_EQ(S_OK, chart->Invoke(28, IID_NULL, 0, DISPATCH_METHOD, &plain, nullptr, nullptr, nullptr));
    EXPECT_TRUE(SeriesAt(chart.Get(), 0));

    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(L"AddSeries");
    EXPECT_EQ(DISP_E_UNKNOWNNAME, chart->GetIDsOfNames(IID_NULL, &name, 1, 0, &id));
    EXPECT_EQ(DISPID_UNKNOWN, id);
    UINT count = 1;
    EXPECT_EQ(S_OK, chart->GetTypeInfoCount(&count));
    EXPECT_EQ(0u, count);
}

TEST(ChartDispatch, ObjectsKeptAfterTheirSeriesOrChartAnswerAnErrorAndKeepTheDllLoaded)
{
    ComPtr<IDispatch> chart = NewChart();
    Method(chart.Get(), 28, {I4(5)});
    ComPtr<IDispatch> series = SeriesAt(chart.Get(), 0);
    ComPtr<IDispatch> marks = Get(series.Get(), 30);
    Method(chart.Get(), 37);
    Method(chart.Get(), 28, {I4(5)});
    for (IDispatch* removed : {series.Get(), marks.Get()}) {
        Outcome outcome = Call(removed, DISPATCH_PROPERTYGET, removed == marks.Get() ? 2 : 30);
        EXPECT_EQ(DISP_E_EXCEPTION, outcome.Code);
        EXPECT_NE(std::wstring::npos, outcome.Description.find(L"series has been removed"));
    }

    ComPtr<IDispatch> title = Get(chart.Get(), {2, 1, 30});
    chart.Reset();
    series.Reset();
    marks.Reset();
    EXPECT_EQ(S_FALSE, CallDllEntry("DllCanUnloadNow"));
    Outcome outcome = Call(title.Get(), DISPATCH_PROPERTYPUT, 2, {Text(L"late")});
    EXPECT_EQ(DISP_E_EXCEPTION, outcome.Code);
    EXPECT_NE(std::wstring::npos, outcome.Description.find(L"chart that this object belongs to no longer exists"));
    title.Reset();
    EXPECT_EQ(S_OK, CallDllEntry("DllCanUnloadNow"));

    ComPtr<IClassFactory> factory;
    ASSERT_EQ(S_OK, CoGetClassObject(CLSID_Chart, CLSCTX_INPROC_SERVER, nullptr, IID_PPV_ARGS(&factory)));
    factory->LockServer(TRUE);
    EXPECT_EQ(S_FALSE, CallDllEntry("DllCanUnloadNow"));
    factory->LockServer(FALSE);
    EXPECT_EQ(S_OK, CallDllEntry("DllCanUnloadNow"));
}

}  // namespace
