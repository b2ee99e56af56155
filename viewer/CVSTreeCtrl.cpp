#include "CVSTreeCtrl.h"

BOOL CVSTreeCtrl::LoadItemChildren(HTREEITEM iItem)
{
    IWorkSpaceTreeHost* host = dynamic_cast<IWorkSpaceTreeHost*>(GetParent());
    if (!host)
        return FALSE;
    if (iItem != TVI_ROOT)
        return host->ExpandItem(iItem);
    host->LoadRootList();
    return TRUE;
}
