#include "ChartTestSupport.h"

#include <gtest/gtest.h>

#include "ChartClass.h"

namespace {

class ChartEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_EQ(S_OK, CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
        s_Dll = LoadLibraryW(L"" CHART_DLL);
        ASSERT_NE(nullptr, s_Dll);
        ASSERT_EQ(S_OK, CallDllEntry("DllRegisterServer"));
    }
    void TearDown() override
    {
        EXPECT_EQ(S_OK, CallDllEntry("DllUnregisterServer"));
        CoUninitialize();
    }

    static HMODULE s_Dll;
};

HMODULE ChartEnvironment::s_Dll = nullptr;

const auto* const g_Environment = ::testing::AddGlobalTestEnvironment(new ChartEnvironment);

VARIANT Make(VARTYPE iType, const std::function<void(VARIANT&)>& iFill)
{
    VARIANT value;
    VariantInit(&value);
    V_VT(&value) = iType;
    iFill(value);
    return value;
}

HRESULT Invoke(IDispatch* iObject, WORD iKind, DISPID iId, std::vector<VARIANT>& ioArguments, Outcome& oOutcome)
{
    std::vector<VARIANT> reversed(ioArguments.rbegin(), ioArguments.rend());
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params = {reversed.data(), iKind == DISPATCH_PROPERTYPUT ? &put : nullptr,
                         static_cast<UINT>(reversed.size()), iKind == DISPATCH_PROPERTYPUT ? 1u : 0u};
    EXCEPINFO exception{};
    HRESULT hr = iObject->Invoke(iId, IID_NULL, LOCALE_USER_DEFAULT, iKind, &params, &oOutcome.Value.Get(), &exception,
                                 &oOutcome.ArgumentError);
    oOutcome.ExceptionCode = exception.scode;
    if (exception.bstrSource)
        oOutcome.Source = exception.bstrSource;
    if (exception.bstrDescription)
        oOutcome.Description = exception.bstrDescription;
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    for (VARIANT& argument : ioArguments)
        VariantClear(&argument);
    return hr;
}

}  // namespace

HMODULE ChartDll()
{
    return ChartEnvironment::s_Dll;
}

HRESULT CallDllEntry(const char* iName)
{
    auto entry = reinterpret_cast<HRESULT(WINAPI*)()>(GetProcAddress(ChartDll(), iName));
    return entry ? entry() : HRESULT_FROM_WIN32(GetLastError());
}

ComPtr<IDispatch> NewChart()
{
    ComPtr<IDispatch> chart;
    EXPECT_EQ(S_OK, CoCreateInstance(CLSID_Chart, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&chart)));
    return chart;
}

VARIANT I4(LONG iValue)
{
    return Make(VT_I4, [&](VARIANT& oValue) { V_I4(&oValue) = iValue; });
}

VARIANT UI4(ULONG iValue)
{
    return Make(VT_UI4, [&](VARIANT& oValue) { V_UI4(&oValue) = iValue; });
}

VARIANT R8(double iValue)
{
    return Make(VT_R8, [&](VARIANT& oValue) { V_R8(&oValue) = iValue; });
}

VARIANT Bool(bool iValue)
{
    return Make(VT_BOOL, [&](VARIANT& oValue) { V_BOOL(&oValue) = iValue ? VARIANT_TRUE : VARIANT_FALSE; });
}

VARIANT Text(const wchar_t* iValue)
{
    return Make(VT_BSTR, [&](VARIANT& oValue) { V_BSTR(&oValue) = SysAllocString(iValue); });
}

Outcome Call(IDispatch* iObject, WORD iKind, DISPID iId, std::vector<VARIANT> iArguments)
{
    Outcome outcome;
    outcome.Code = Invoke(iObject, iKind, iId, iArguments, outcome);
    return outcome;
}

ComPtr<IDispatch> Get(IDispatch* iObject, DISPID iId)
{
    Outcome outcome = Call(iObject, DISPATCH_PROPERTYGET, iId);
    EXPECT_EQ(S_OK, outcome.Code) << "get " << iId << ": " << testing::PrintToString(outcome.Description);
    EXPECT_EQ(VT_DISPATCH, V_VT(&outcome.Value.Get())) << "get " << iId;
    ComPtr<IDispatch> object;
    if (V_VT(&outcome.Value.Get()) == VT_DISPATCH)
        object = V_DISPATCH(&outcome.Value.Get());
    return object;
}

ComPtr<IDispatch> Get(IDispatch* iObject, std::vector<DISPID> iPath)
{
    ComPtr<IDispatch> object = iObject;
    for (DISPID id : iPath) {
        if (!object)
            break;
        object = Get(object.Get(), id);
    }
    return object;
}

void Put(IDispatch* iObject, DISPID iId, VARIANT iValue)
{
    Outcome outcome = Call(iObject, DISPATCH_PROPERTYPUT, iId, {iValue});
    EXPECT_EQ(S_OK, outcome.Code) << "put " << iId << ": " << testing::PrintToString(outcome.Description);
}

void Method(IDispatch* iObject, DISPID iId, std::vector<VARIANT> iArguments)
{
    Outcome outcome = Call(iObject, DISPATCH_METHOD, iId, std::move(iArguments));
    EXPECT_EQ(S_OK, outcome.Code) << "method " << iId << ": " << testing::PrintToString(outcome.Description);
}

void ShowView(IDispatch* iChart)
{
    Method(iChart, 202, {I4(1), I4(10)});
}

void SetupChart(IDispatch* iChart)
{
    ComPtr<IDispatch> panel = Get(iChart, 17);
    Put(panel.Get(), 15, UI4(0x00FFFFFF));
    Put(panel.Get(), 203, I4(1));
    Put(Get(iChart, 1).Get(), 30, Bool(true));
    Put(Get(iChart, 3).Get(), 206, Bool(true));
    ComPtr<IDispatch> axis = Get(iChart, 15);
    Put(axis.Get(), 1, I4(1));
    Put(axis.Get(), 14, I4(0));
    Method(iChart, 37);
    Method(iChart, 28, {I4(5)});
    Method(Get(iChart, {22, 6}).Get(), 4);
}

ComPtr<IDispatch> SeriesAt(IDispatch* iChart, LONG iIndex)
{
    Outcome outcome = Call(iChart, DISPATCH_METHOD, 56, {I4(iIndex)});
    EXPECT_EQ(S_OK, outcome.Code) << testing::PrintToString(outcome.Description);
    ComPtr<IDispatch> series;
    if (V_VT(&outcome.Value.Get()) == VT_DISPATCH)
        series = V_DISPATCH(&outcome.Value.Get());
    return series;
}

void OutputChart(IDispatch* iChart, const ChartPoints& iPoints)
{
    ComPtr<IDispatch> series = SeriesAt(iChart, 0);
    const size_t shown = std::min<size_t>(iPoints.size(), 12);
    for (size_t i = 0; i < shown; ++i)
        Method(series.Get(), 46,
               {R8(iPoints[i].second), Text(iPoints[i].first.substr(0, 40).c_str()), UI4(0x20000000)});
    if (iPoints.size() > 12) {
        double others = 0;
        for (size_t i = 12; i < iPoints.size(); ++i)
            others += iPoints[i].second;
        Method(series.Get(), 46, {R8(others), Text(L"Others"), UI4(0x00989898)});
    }
    ComPtr<IDispatch> labels = Get(iChart, {15, 104});
    Put(labels.Get(), 2, I4(10));
    Put(labels.Get(), 3, Bool(false));
}

void SetChartTitle(IDispatch* iChart)
{
    Put(Get(SeriesAt(iChart, 0).Get(), 30).Get(), 2, I4(1));
    ComPtr<IDispatch> title = Get(iChart, {2, 1, 30});
    Put(title.Get(), 1, I4(90));
    Put(title.Get(), 2, Text(L"Some Title"));
}

Bitmap::Bitmap(int iWidth, int iHeight, COLORREF iFill) : m_Width(iWidth), m_Height(iHeight)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = iWidth;
    info.bmiHeader.biHeight = -iHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_Dc = CreateCompatibleDC(nullptr);
    m_Bitmap = CreateDIBSection(m_Dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_Bits = static_cast<const DWORD*>(bits);
    m_Previous = SelectObject(m_Dc, m_Bitmap);
    HBRUSH brush = CreateSolidBrush(iFill);
    RECT all = {0, 0, iWidth, iHeight};
    FillRect(m_Dc, &all, brush);
    DeleteObject(brush);
}

Bitmap::~Bitmap()
{
    SelectObject(m_Dc, m_Previous);
    DeleteObject(m_Bitmap);
    DeleteDC(m_Dc);
}

COLORREF Bitmap::At(int iX, int iY) const
{
    const DWORD pixel = m_Bits[iY * m_Width + iX];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

HRESULT Bitmap::Draw(IDispatch* iChart, const RECT& iBounds)
{
    ComPtr<IViewObject> view;
    HRESULT hr = iChart->QueryInterface(IID_PPV_ARGS(&view));
    if (FAILED(hr))
        return hr;
    const RECTL bounds = {iBounds.left, iBounds.top, iBounds.right, iBounds.bottom};
    hr = view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, m_Dc, &bounds, nullptr, nullptr, 0);
    GdiFlush();
    return hr;
}

bool Bitmap::Contains(COLORREF iColour) const
{
    for (int y = 0; y < m_Height; ++y)
        for (int x = 0; x < m_Width; ++x)
            if (At(x, y) == iColour)
                return true;
    return false;
}
