// The accessible object of a window: the window itself, without windowless children unless
// a class adds them through the Get... members.
#include "afxstate.h"
#include <oleacc.h>

static bool IsSelf(const VARIANT& varChild)
{
    return varChild.vt == VT_I4 && varChild.lVal == CHILDID_SELF;
}

HRESULT CWnd::get_accChildCount(long* pcountChildren)
{
    if (pcountChildren == nullptr)
        return E_POINTER;
    *pcountChildren = GetAccessibleChildCount();
    return S_OK;
}

HRESULT CWnd::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    return GetAccessibleChild(varChild, ppdispChild);
}

HRESULT CWnd::get_accName(VARIANT varChild, BSTR* pszName)
{
    return GetAccessibleName(varChild, pszName);
}

HRESULT CWnd::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild)
{
    return GetAccessibilityLocation(varChild, pxLeft, pyTop, pcxWidth, pcyHeight);
}

HRESULT CWnd::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    return GetAccessibilityHitTest(xLeft, yTop, pvarChild);
}

long CWnd::GetAccessibleChildCount()
{
    return 0;
}

HRESULT CWnd::GetAccessibleChild(VARIANT, IDispatch** ppdispChild)
{
    if (ppdispChild == nullptr)
        return E_POINTER;
    *ppdispChild = nullptr;
    return E_INVALIDARG;  // no windowless child has that id
}

HRESULT CWnd::GetAccessibleName(VARIANT varChild, BSTR* pszName)
{
    if (pszName == nullptr)
        return E_POINTER;
    *pszName = nullptr;
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    CString strText;
    GetWindowText(strText);
    *pszName = ::SysAllocString(strText);
    return *pszName != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT CWnd::GetAccessibilityLocation(VARIANT varChild, long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight)
{
    if (pxLeft == nullptr || pyTop == nullptr || pcxWidth == nullptr || pcyHeight == nullptr)
        return E_POINTER;
    if (!IsSelf(varChild))
        return E_INVALIDARG;
    CRect rect;
    GetWindowRect(&rect);
    *pxLeft = rect.left;
    *pyTop = rect.top;
    *pcxWidth = rect.Width();
    *pcyHeight = rect.Height();
    return S_OK;
}

HRESULT CWnd::GetAccessibilityHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (pvarChild == nullptr)
        return E_POINTER;
    CRect rect;
    GetWindowRect(&rect);
    if (!rect.PtInRect(CPoint(xLeft, yTop))) {
        pvarChild->vt = VT_EMPTY;
        return S_FALSE;
    }
    pvarChild->vt = VT_I4;
    pvarChild->lVal = CHILDID_SELF;
    return S_OK;
}
