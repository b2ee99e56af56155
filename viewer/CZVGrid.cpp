#include "CZVGrid.h"

#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/GTGridValueOrder.h>

IMPLEMENT_DYNAMIC(CZVGrid, CGTGridCtrl)

BEGIN_MESSAGE_MAP(CZVGrid, CGTGridCtrl)
END_MESSAGE_MAP()

namespace {

const VARIANT* SortKey(const CGTGridItem* iItem)
{
    return reinterpret_cast<const VARIANT*>(iItem->GetData());
}

}  // namespace

int CZVGrid::CompareItems(CGTGridItem* iItem1, CGTGridItem* iItem2)
{
    const VARIANT* first = SortKey(iItem1);
    const VARIANT* second = SortKey(iItem2);
    int order = 0;
    if (first && second && GTGridValueOrder(*first, *second, order))
        return order;
    return CGTGridCtrl::CompareItems(iItem1, iItem2);
}
