#include "CVSTreeCtrl.h"

#include "ServerBusyGuard.h"
#include "TreeObject.h"

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

BOOL CVSTreeCtrl::OnChildNotify(UINT iMessage, WPARAM iWParam, LPARAM iLParam, LRESULT* oResult)
{
    const NMTREEVIEWW* notify = reinterpret_cast<const NMTREEVIEWW*>(iLParam);
    if (iMessage == WM_NOTIFY && notify->hdr.code == TVN_ITEMEXPANDINGW && RefuseWhileServerBusy()) {
        if (oResult)
            *oResult = TRUE;
        return TRUE;
    }
    if (iMessage != WM_NOTIFY || notify->hdr.code != TVN_DELETEITEMW)
        return CWaitingTreeCtrl::OnChildNotify(iMessage, iWParam, iLParam, oResult);
    CTreeObject* object = reinterpret_cast<CTreeObject*>(notify->itemOld.lParam);
    if (IWorkSpaceTreeHost* host = dynamic_cast<IWorkSpaceTreeHost*>(GetParent()))
        host->ForgetObject(object);
    delete object;
    if (oResult)
        *oResult = 0;
    return TRUE;
}
