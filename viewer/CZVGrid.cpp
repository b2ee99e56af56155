#include "CZVGrid.h"

#include <guitoolkit/controls/CGTGridItem.h>

#include <cmath>
#include <cwchar>

IMPLEMENT_DYNAMIC(CZVGrid, CGTGridCtrl)

BEGIN_MESSAGE_MAP(CZVGrid, CGTGridCtrl)
END_MESSAGE_MAP()

namespace {

const int kUndecided = 2;

template <class Value>
int Order(Value iFirst, Value iSecond)
{
    return iFirst < iSecond ? -1 : (iSecond < iFirst ? 1 : 0);
}

// A value that is not a number comes after every number, and two of them are equal: the sort
// needs one consistent order, which "unordered is after" in both directions is not.
template <class Value>
int OrderOfReals(Value iFirst, Value iSecond)
{
    const bool firstNaN = std::isnan(iFirst), secondNaN = std::isnan(iSecond);
    if (firstNaN || secondNaN)
        return Order(firstNaN, secondNaN);
    return Order(iFirst, iSecond);
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
        return OrderOfReals(iFirst.fltVal, iSecond.fltVal);
    case VT_R8:
    case VT_DATE:
        return OrderOfReals(iFirst.dblVal, iSecond.dblVal);
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
