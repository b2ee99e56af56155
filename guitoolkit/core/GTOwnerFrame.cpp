#include <guitoolkit/core/GTOwnerFrame.h>

namespace {
CWnd* ownerFrame = nullptr;
}

void SetToolkitOwnerFrame(CWnd* iFrame)
{
    ownerFrame = iFrame;
}

CWnd* GetToolkitOwnerFrame()
{
    return ownerFrame;
}

CFrameWnd* GetToolkitPopupFrame(CWnd* iWindow)
{
    if (auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, ownerFrame))
        return frame;
    return iWindow != nullptr && iWindow->GetSafeHwnd() != nullptr ? iWindow->GetTopLevelFrame() : nullptr;
}
