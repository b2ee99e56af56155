#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <oleauto.h>

CGTGlobalUtils theGlobalUtils;

RECT CGTGlobalUtils::WorkAreaAt(POINT point)
{
    MONITORINFO monitor = {sizeof(monitor)};
    if (::GetMonitorInfoW(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor))
        return monitor.rcWork;
    RECT work = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

namespace {
// The variant conversion of source to the type; the source is cleared.
BOOL Convert(VARIANT& source, VARIANT& target, VARTYPE type)
{
    ::VariantInit(&target);
    const HRESULT result = ::VariantChangeType(&target, &source, 0, type);
    ::VariantClear(&source);
    return SUCCEEDED(result);
}

BOOL ToText(VARIANT& value, CString& text)
{
    VARIANT converted;
    if (!Convert(value, converted, VT_BSTR))
        return FALSE;
    text = converted.bstrVal;
    ::VariantClear(&converted);
    return TRUE;
}

BOOL FromText(LPCWSTR text, VARIANT& converted, VARTYPE type)
{
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = ::SysAllocString(text != nullptr && text[0] != L'\0' ? text : L"0");
    return Convert(value, converted, type);
}

void CALLBACK CheckMouseLeave(HWND window, UINT, UINT_PTR timer, DWORD)
{
    RECT client = {};
    ::GetClientRect(window, &client);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    POINT cursor = {};
    const CGTCursor& mouse = CGTCursor::Current();
    mouse.GetPosition(cursor);
    if (::PtInRect(&client, cursor) && mouse.WindowAt(cursor) == window)
        return;
    ::KillTimer(window, timer);
    ::PostMessageW(window, WM_MOUSELEAVE, 0, 0);
}
}  // namespace

void CGTGlobalUtils::AdjustRectToWorkArea(CRect& ioRect, const RECT* iMargins) const
{
    POINT reference = ioRect.TopLeft();
    if (m_UseCursorPosition)
        CGTCursor::Current().GetPosition(reference);
    const RECT work = WorkAreaAt(reference);
    const RECT margins = iMargins != nullptr ? *iMargins : RECT{};
    if (ioRect.right <= work.left + margins.left)
        ioRect.OffsetRect(work.left + margins.left - ioRect.right, 0);
    if (ioRect.left >= work.right - margins.right)
        ioRect.OffsetRect(work.right - margins.right - ioRect.left, 0);
    if (ioRect.top >= work.bottom - margins.bottom)
        ioRect.OffsetRect(0, work.bottom - margins.bottom - ioRect.top);
    if (ioRect.bottom < work.top + margins.top)
        ioRect.OffsetRect(0, work.top + margins.top - ioRect.bottom);
}

void CGTGlobalUtils::RotateRect(CRect& ioRect, int iAngle)
{
    const CRect r = ioRect;
    if (iAngle == 180)
        ioRect.SetRect(r.left, r.bottom, r.right, r.top);
    else if (iAngle == 90)
        ioRect.SetRect(r.bottom, r.left, r.top, r.right);
    else if (iAngle == -90)
        ioRect.SetRect(r.top, r.right, r.bottom, r.left);
}

BOOL CGTGlobalUtils::HitTestDockingTarget(CPoint iPoint, const CRect& iRect, int iSensitivity, BOOL iOuter,
                                          DWORD& oAlignment, DWORD iAllowed, int iCaptionHeight, int iTabAreaHeight)
{
    const int s = iSensitivity;
    const LONG l = iRect.left, t = iRect.top, r = iRect.right, b = iRect.bottom;
    const struct {
        DWORD alignment;
        CRect strip;
    } strips[] = {
        {CBRS_ALIGN_TOP, iOuter ? CRect(l - s, t - s, r + s, t) : CRect(l - s, t - s, r + s, t + iCaptionHeight + s)},
        {CBRS_ALIGN_LEFT, iOuter ? CRect(l - s, t - s, l, b + s) : CRect(l - s, t - s, l + s, b + s)},
        {CBRS_ALIGN_BOTTOM,
         iOuter ? CRect(l - s, b, r + s, b + s) : CRect(l - s, b - iTabAreaHeight - s, r + s, b + s)},
        {CBRS_ALIGN_RIGHT, iOuter ? CRect(r, t - s, r + s, b + s) : CRect(r - s, t - s, r + s, b + s)},
    };
    for (const auto& strip : strips) {
        if ((iAllowed & strip.alignment) != 0 && strip.strip.PtInRect(iPoint)) {
            oAlignment = strip.alignment;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CGTGlobalUtils::CurrencyToString(CString& oText, CY iValue)
{
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_CY;
    value.cyVal = iValue;
    return ToText(value, oText);
}

BOOL CGTGlobalUtils::DecimalToString(CString& oText, const DECIMAL& iValue)
{
    VARIANT value;
    value.decVal = iValue;
    value.vt = VT_DECIMAL;  // shares its place with the decimal's reserved word
    return ToText(value, oText);
}

BOOL CGTGlobalUtils::StringToCurrency(CY& oValue, LPCWSTR iText)
{
    VARIANT converted;
    if (!FromText(iText, converted, VT_CY))
        return FALSE;
    oValue = converted.cyVal;
    return TRUE;
}

BOOL CGTGlobalUtils::StringToDecimal(DECIMAL& oValue, LPCWSTR iText)
{
    VARIANT converted;
    if (!FromText(iText, converted, VT_DECIMAL))
        return FALSE;
    oValue = converted.decVal;
    return TRUE;
}

BOOL TrackMouseLeave(const TRACKMOUSEEVENT& iRequest)
{
    if (iRequest.cbSize < 16 || !::IsWindow(iRequest.hwndTrack) || (iRequest.dwFlags & TME_LEAVE) == 0)
        return FALSE;
    return ::SetTimer(iRequest.hwndTrack, GTTrackMouseLeaveTimer, 100, &CheckMouseLeave) != 0;
}
