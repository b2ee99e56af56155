// The report's calls on the chart control, recorded by a stand-in for its IDispatch: which
// object, which member, how it is called and with which arguments of which types.
#include <ReportChart.h>

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TCallLog {
    std::vector<std::wstring> calls;
    // Objects that the control does not hand out, by path ("chart.17").
    std::set<std::wstring> missing;
    int live = 0;
};

std::wstring Argument(const VARIANT& iValue)
{
    std::wostringstream text;
    switch (iValue.vt) {
    case VT_I4:
        text << L"I4 " << iValue.lVal;
        break;
    case VT_UI4:
        text << L"UI4 " << std::hex << iValue.ulVal;
        break;
    case VT_BOOL:
        text << L"BOOL " << (iValue.boolVal ? L"TRUE" : L"FALSE");
        break;
    case VT_R8:
        text << L"R8 " << iValue.dblVal;
        break;
    case VT_BSTR:
        text << L"BSTR '" << iValue.bstrVal << L"'";
        break;
    default:
        text << L"vt " << iValue.vt;
    }
    return text.str();
}

// An object of the chart; each object that it hands out is a recorder named by its path.
class TRecordingDispatch : public IDispatch {
public:
    TRecordingDispatch(const std::wstring& iPath, TCallLog& ioLog) : m_Path(iPath), m_Log(ioLog) { ++m_Log.live; }
    virtual ~TRecordingDispatch() { --m_Log.live; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        *object = iid == IID_IUnknown || iid == IID_IDispatch ? this : nullptr;
        if (!*object)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_References; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_References;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID iId, REFIID, LCID, WORD iFlags, DISPPARAMS* iParams, VARIANT* oResult,
                                     EXCEPINFO*, UINT*) override
    {
        const bool put = iFlags == DISPATCH_PROPERTYPUT && iParams->cNamedArgs == 1 &&
            iParams->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
        std::wostringstream call;
        call << m_Path << (iFlags == DISPATCH_PROPERTYGET ? L" get " : put ? L" put " : L" method ") << iId << L"(";
        for (UINT i = iParams->cArgs; i > 0; --i)
            call << Argument(iParams->rgvarg[i - 1]) << (i > 1 ? L", " : L"");
        call << L")";
        m_Log.calls.push_back(call.str());
        if (!oResult)
            return S_OK;
        VariantInit(oResult);
        if (iFlags == DISPATCH_PROPERTYGET || iId == 56) {
            const std::wstring path = m_Path + L"." + std::to_wstring(iId);
            oResult->vt = VT_DISPATCH;
            oResult->pdispVal = m_Log.missing.count(path) ? nullptr : new TRecordingDispatch(path, m_Log);
        } else if (iId == 46 || iId == 28) {
            oResult->vt = VT_I4;
            oResult->lVal = 7;
        }
        return S_OK;
    }

private:
    std::wstring m_Path;
    TCallLog& m_Log;
    ULONG m_References = 1;
};

using Calls = std::vector<std::wstring>;

class ReportChartTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        m_Chart.ReleaseDispatch();
        EXPECT_EQ(0, m_Log.live) << "every object the calls took is released";
    }
    Calls Output(std::vector<ReportChartPoint>& ioPoints)
    {
        m_Log.calls.clear();
        OutputReportChart(m_Chart, ioPoints);
        return m_Log.calls;
    }
    static std::vector<ReportChartPoint> Points(int iCount)
    {
        std::vector<ReportChartPoint> points;
        for (int i = 0; i < iCount; ++i)
            points.push_back({CString(L"p") + CString(std::to_wstring(i).c_str()), 1000.0 * (i + 1)});
        return points;
    }
    static std::wstring Point(double iValue, const std::wstring& iLabel, const wchar_t* iColour = L"20000000")
    {
        std::wostringstream value;
        value << iValue;
        return L"chart.56 method 46(R8 " + value.str() + L", BSTR '" + iLabel + L"', UI4 " + iColour + L")";
    }

    TCallLog m_Log;
    COleDispatchDriver m_Chart{new TRecordingDispatch(L"chart", m_Log)};
    const Calls m_LabelsCalls = {L"chart get 15()", L"chart.15 get 104()", L"chart.15.104 put 2(I4 10)",
                                 L"chart.15.104 put 3(BOOL FALSE)"};
};

TEST_F(ReportChartTest, TheViewAndASetUpMakeTheirCallsInOrder)
{
    ShowReportChartView(m_Chart);
    SetupReportChart(m_Chart);
    EXPECT_EQ((Calls{L"chart method 202(I4 1, I4 10)", L"chart get 17()", L"chart.17 put 15(UI4 ffffff)",
                     L"chart.17 put 203(I4 1)", L"chart get 1()", L"chart.1 put 30(BOOL TRUE)", L"chart get 3()",
                     L"chart.3 put 206(BOOL TRUE)", L"chart get 15()", L"chart.15 put 1(I4 1)",
                     L"chart.15 put 14(I4 0)", L"chart method 37()", L"chart method 28(I4 5)", L"chart get 22()",
                     L"chart.22 get 6()", L"chart.22.6 method 4()"}),
              m_Log.calls);
}

TEST_F(ReportChartTest, NoPointsStillSetTheLabels)
{
    std::vector<ReportChartPoint> none;
    Calls expected = {L"chart method 56(I4 0)"};
    expected.insert(expected.end(), m_LabelsCalls.begin(), m_LabelsCalls.end());
    EXPECT_EQ(expected, Output(none));
}

TEST_F(ReportChartTest, TwelvePointsHighestFirstAndNoOthers)
{
    std::vector<ReportChartPoint> points = Points(12);
    Calls expected = {L"chart method 56(I4 0)"};
    for (int i = 11; i >= 0; --i)
        expected.push_back(Point(1000.0 * (i + 1), L"p" + std::to_wstring(i)));
    expected.insert(expected.end(), m_LabelsCalls.begin(), m_LabelsCalls.end());
    EXPECT_EQ(expected, Output(points));
}

TEST_F(ReportChartTest, ThirteenPointsEndInOthersAndLongLabelsAreCut)
{
    std::vector<ReportChartPoint> points = Points(13);
    const CString longLabel(L'x', 41);
    points[12].Label = longLabel;
    points[0].Value = std::numeric_limits<double>::quiet_NaN();
    const Calls calls = Output(points);
    ASSERT_EQ(1u + 13u + 4u, calls.size());
    EXPECT_EQ(Point(13000, std::wstring(40, L'x')), calls[1]);
    EXPECT_EQ(Point(2000, L"p1"), calls[12]);
    // The smallest, which was not a number, as 0: "Others" holds 0 + the next smallest.
    EXPECT_EQ(Point(0, L"Others", L"989898"), calls[13]);
    EXPECT_EQ(CString(L'x', 40), points[0].Label);
    EXPECT_EQ(CString(L"p0"), points[12].Label);

    points = Points(14);
    EXPECT_EQ(Point(1000 + 2000, L"Others", L"989898"), Output(points)[13]);
}

TEST_F(ReportChartTest, TheTitleGoesToItsObject)
{
    SetReportChartTitle(m_Chart);
    EXPECT_EQ((Calls{L"chart method 56(I4 0)", L"chart.56 get 30()", L"chart.56.30 put 2(I4 1)", L"chart get 2()",
                     L"chart.2 get 1()", L"chart.2.1 get 30()", L"chart.2.1.30 put 1(I4 90)",
                     L"chart.2.1.30 put 2(BSTR 'Some Title')"}),
              m_Log.calls);
}

TEST_F(ReportChartTest, AnObjectTheControlDoesNotHandOutIsSkipped)
{
    m_Log.missing = {L"chart.17", L"chart.22.6", L"chart.56", L"chart.2.1"};
    SetupReportChart(m_Chart);
    std::vector<ReportChartPoint> points = Points(13);
    OutputReportChart(m_Chart, points);
    SetReportChartTitle(m_Chart);
    for (const std::wstring& call : m_Log.calls)
        for (const wchar_t* skipped : {L"chart.17 ", L"chart.22.6 ", L"chart.56 ", L"chart.2.1.30 "})
            EXPECT_NE(0u, call.find(skipped)) << call;
    EXPECT_NE(m_Log.calls.end(), std::find(m_Log.calls.begin(), m_Log.calls.end(), L"chart.15.104 put 2(I4 10)"));
}

}  // namespace
