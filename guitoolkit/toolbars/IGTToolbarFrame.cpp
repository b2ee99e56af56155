#include <guitoolkit/toolbars/IGTToolbarFrame.h>

namespace {
CFrameWnd* activeInPlaceFrame = nullptr;
}

IGTToolbarFrame* AsToolbarFrame(CWnd* iFrame)
{
    return dynamic_cast<IGTToolbarFrame*>(iFrame);
}

BOOL FrameAcceptsPopupMenu(CWnd* iFrame, CGTPopupMenu* iPopup)
{
    IGTToolbarFrame* hooks = AsToolbarFrame(iFrame);
    return hooks == nullptr || hooks->OnShowPopupMenu(iPopup);
}

void SetActiveInPlaceFrame(CFrameWnd* iFrame)
{
    activeInPlaceFrame = iFrame;
}

CFrameWnd* GetActiveInPlaceFrame()
{
    return activeInPlaceFrame;
}

CFrameWnd* GetActiveTopLevelFrame(CWnd* iWindow)
{
    if (activeInPlaceFrame != nullptr)
        return activeInPlaceFrame;
    return iWindow != nullptr ? iWindow->GetTopLevelFrame() : nullptr;
}
