#pragma once
#include <windows.h>

#include <string>

// A call the chart refuses: the code its caller gets and the text that says why.
class ChartError {
public:
    ChartError(HRESULT iCode, std::wstring iText) : m_Code(iCode), m_Text(std::move(iText)) {}

    HRESULT Code() const { return m_Code; }
    const std::wstring& Text() const { return m_Text; }

private:
    HRESULT m_Code;
    std::wstring m_Text;
};

// Refuses a value outside [iLow, iHigh]; iWhat names it at the start of the text.
void CheckRange(LONG iValue, LONG iLow, LONG iHigh, const wchar_t* iWhat);
