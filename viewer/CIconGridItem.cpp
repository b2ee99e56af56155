#include "CIconGridItem.h"

IMPLEMENT_DYNAMIC(CIconGridItem, CGTGridItem)

CIconGridItem::CIconGridItem(const VARIANT& iValue, HICON iIcon, DWORD_PTR iData, LPCWSTR iEditMask,
                             LPCWSTR iInputTemplate, LPCWSTR iValidChars)
    : CGTGridItem(iValue, iData, iEditMask, iInputTemplate, iValidChars), m_hIcon(iIcon)
{
}

CIconGridItem::~CIconGridItem()
{
    if (m_hIcon)
        DestroyIcon(m_hIcon);
}

void CIconGridItem::OnDrawValue(CDC* iDc, CRect iRect)
{
    const COLORREF text = OnFillBackground(iDc, iRect);
    if (text != (COLORREF)-1)
        iDc->SetTextColor(text);
    const int side = iRect.Height();
    if (m_hIcon)
        DrawIconEx(iDc->GetSafeHdc(), iRect.left, iRect.top, m_hIcon, side, side, 0, nullptr, DI_NORMAL | DI_COMPAT);
    iRect.left += side;
    const VARIANT& value = GetValue();
    if (value.vt == VT_BSTR && value.bstrVal)
        iDc->DrawText(value.bstrVal, -1, iRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT);
}
