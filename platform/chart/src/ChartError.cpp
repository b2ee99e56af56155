#include "ChartError.h"

void CheckRange(LONG iValue, LONG iLow, LONG iHigh, const wchar_t* iWhat)
{
    if (iValue < iLow || iValue > iHigh)
        throw ChartError(E_INVALIDARG,
                         std::wstring(iWhat) + L" must be from " + std::to_wstring(iLow) + L" to " +
                             std::to_wstring(iHigh) + L", not " + std::to_wstring(iValue) + L".");
}
