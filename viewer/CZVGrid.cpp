#include "CZVGrid.h"

#include <guitoolkit/controls/CGTGridItem.h>

#include <cwchar>

IMPLEMENT_DYNAMIC(CZVGrid, CGTGridCtrl)

BEGIN_MESSAGE_MAP(CZVGrid, CGTGridCtrl)
END_MESSAGE_MAP()

namespace {

const int kUndecided = 2;

// Unordered floating-point values (NaN) come after.
template <class Value>
int Order(Value iFirst, Value iSecond)
{
    return iFirst < iSecond ? -1 : (iFirst == iSecond ? 0 : 1);
}

// Two keys of one type; kUndecided for the types the keys do not order.
int OrderOfKeys(const VARIANT& iFirst, const VARIANT& iSecond)
{
    switch (iFirst.vt) {
    case VT_I2:
        return Order(iFirst.iVal, iSecond.iVal);
    case VT_UI2:
        return Order(iFirst.uiVal, iSecond.uiVal);
    case VT_I4:
    case VT_INT:
        return Order(iFirst.lVal, iSecond.lVal);
    case VT_UI4:
    case VT_UINT:
        return Order(iFirst.ulVal, iSecond.ulVal);
    case VT_UI1:
        return Order(iFirst.bVal, iSecond.bVal);
    case VT_BOOL:
        return Order(iFirst.boolVal != VARIANT_FALSE, iSecond.boolVal != VARIANT_FALSE);
    case VT_R4:
        return Order(iFirst.fltVal, iSecond.fltVal);
    case VT_R8:
    case VT_DATE:
        return Order(iFirst.dblVal, iSecond.dblVal);
    case VT_BSTR:
        return Order(std::wcscmp(iFirst.bstrVal ? iFirst.bstrVal : L"", iSecond.bstrVal ? iSecond.bstrVal : L""), 0);
    default:
        return kUndecided;
    }
}

const VARIANT* SortKey(const CGTGridItem* iItem)
{
    return reinterpret_cast<const VARIANT*>(iItem->GetData());
}

}  // namespace

int CZVGrid::CompareItems(CGTGridItem* iItem1, CGTGridItem* iItem2)
{
    const VARIANT* first = SortKey(iItem1);
    const VARIANT* second = SortKey(iItem2);
    const int order = first && second && first->vt == second->vt ? OrderOfKeys(*first, *second) : kUndecided;
    return order != kUndecided ? order : CGTGridCtrl::CompareItems(iItem1, iItem2);
}
