// The drag loop and floating of a control bar; the drag-loop issue fills these in.
#include <guitoolkit/docking/CGTControlBar.h>

BOOL CGTControlBar::FloatAtRect(CRect, int, BOOL)
{
    return FALSE;
}

CGTMiniFrameWnd* CGTControlBar::CreateFloatingFrame(CRect)
{
    return nullptr;
}

BOOL CGTControlBar::AttachToBar(int, CGTDockBar*& oDockBar)
{
    oDockBar = nullptr;
    return FALSE;
}

void CGTControlBar::StopDragging() {}

BOOL CGTControlBar::EnterDragMode(BOOL)
{
    return FALSE;
}
