#include "ServerBusyGuard.h"

#include "CZVViewerDoc.h"
#include "ViewerResources.h"

bool RefuseWhileServerBusy()
{
    const CZVViewerDoc* document = GetViewerDocument();
    if (!document || !document->IsServerBusy())
        return false;
    if (CFrameWnd* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd()))
        frame->SetMessageText(IDS_SERVER_BUSY);
    return true;
}
