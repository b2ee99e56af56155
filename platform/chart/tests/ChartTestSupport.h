#pragma once
#include <windows.h>
#include <ole2.h>
#include <wrl/client.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Variant.h"

using Microsoft::WRL::ComPtr;

// The chart DLL, loaded and registered through its own entry point for the whole test program.
HMODULE ChartDll();
HRESULT CallDllEntry(const char* iName);

// A new chart control through COM, by class id.
ComPtr<IDispatch> NewChart();

// Argument values; the call that takes them frees them.
VARIANT I4(LONG iValue);
VARIANT UI4(ULONG iValue);
VARIANT R8(double iValue);
VARIANT Bool(bool iValue);
VARIANT Text(const wchar_t* iValue);

// What an IDispatch::Invoke answered.
struct Outcome {
    HRESULT Code = E_FAIL;
    Variant Value;
    UINT ArgumentError = ~0u;
    SCODE ExceptionCode = S_OK;
    std::wstring Source;
    std::wstring Description;
};

// One call with its arguments in call order.
Outcome Call(IDispatch* iObject, WORD iKind, DISPID iId, std::vector<VARIANT> iArguments = {});
// Calls that must succeed.
ComPtr<IDispatch> Get(IDispatch* iObject, DISPID iId);
ComPtr<IDispatch> Get(IDispatch* iObject, std::vector<DISPID> iPath);
void Put(IDispatch* iObject, DISPID iId, VARIANT iValue);
void Method(IDispatch* iObject, DISPID iId, std::vector<VARIANT> iArguments = {});
// The chart's series by index (method 56).
ComPtr<IDispatch> SeriesAt(IDispatch* iChart, LONG iIndex);

// The viewer's calls on its chart: once when the view is first shown, then at every report
// build, for points given as (label, value) already sorted highest first.
using ChartPoints = std::vector<std::pair<std::wstring, double>>;
void ShowView(IDispatch* iChart);
void SetupChart(IDispatch* iChart);
void OutputChart(IDispatch* iChart, const ChartPoints& iPoints);
void SetChartTitle(IDispatch* iChart);

// A 32-bit top-down picture that a chart draws into through IViewObject::Draw.
class Bitmap {
public:
    Bitmap(int iWidth, int iHeight, COLORREF iFill);
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    ~Bitmap();

    int Width() const { return m_Width; }
    int Height() const { return m_Height; }
    HDC Dc() const { return m_Dc; }
    COLORREF At(int iX, int iY) const;
    // Draws the chart into the rectangle; answers Draw's result.
    HRESULT Draw(IDispatch* iChart, const RECT& iBounds);
    // Every pixel of the colour, or none.
    bool Contains(COLORREF iColour) const;

private:
    int m_Width;
    int m_Height;
    HDC m_Dc;
    HBITMAP m_Bitmap;
    HGDIOBJ m_Previous;
    const DWORD* m_Bits;
};
