#include "CCountGridItem.h"

#include <comutil.h>

IMPLEMENT_DYNAMIC(CCountGridItem, CGTGridItem)

namespace {

_variant_t CountValue(LONGLONG iCount)
{
    _variant_t value;
    value.vt = VT_I8;
    value.llVal = iCount;
    return value;
}

}  // namespace

CCountGridItem::CCountGridItem(LONGLONG iCount) : CGTGridItem(CountValue(iCount)) {}

CString CCountGridItem::FormatItem()
{
    return Text(GetValue().llVal);
}

CString CCountGridItem::Text(LONGLONG iCount)
{
    CString text;
    text.Format(L"%lld", iCount);
    return text;
}
