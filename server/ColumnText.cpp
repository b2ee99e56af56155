#include "ColumnText.h"

_bstr_t FitColumn(const _bstr_t& iText, size_t iWidth)
{
    if (iText.length() <= iWidth)
        return iText;
    const wchar_t* text = static_cast<const wchar_t*>(iText);
    size_t length = iWidth;
    if (length > 0 && IS_HIGH_SURROGATE(text[length - 1]))
        --length;
    return _bstr_t(SysAllocStringLen(text, static_cast<UINT>(length)), false);
}
