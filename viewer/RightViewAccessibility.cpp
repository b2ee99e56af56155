#include "RightView.h"

HRESULT CRightView::get_accChildCount(long* oCount)
{
    if (oCount == nullptr)
        return E_POINTER;
    *oCount = GetAccessibleChildCount();
    return S_OK;
}

HRESULT CRightView::get_accChild(VARIANT iChild, IDispatch** oDispatch)
{
    return GetAccessibleChild(iChild, oDispatch);
}

HRESULT CRightView::get_accName(VARIANT iChild, BSTR* oName)
{
    return GetAccessibleName(iChild, oName);
}

HRESULT CRightView::accLocation(long* oLeft, long* oTop, long* oWidth, long* oHeight, VARIANT iChild)
{
    return GetAccessibilityLocation(iChild, oLeft, oTop, oWidth, oHeight);
}

HRESULT CRightView::accHitTest(long iX, long iY, VARIANT* oChild)
{
    return GetAccessibilityHitTest(iX, iY, oChild);
}
