#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/docking/GTDockingTargets.h>
#include <guitoolkit/docking/IGTDockingFrame.h>

CGTMiniFrameWnd* CGTDockingControlBar::SmartDragFrame() const
{
    if (!(GetDockingMode() & GTDockingSmart))
        return nullptr;
    CGTMiniFrameWnd* frame = GetParentMiniFrame();
    if (frame == nullptr || GetRunningSmartDocking(nullptr, GetDockManagerOfFrame(frame)) == nullptr)
        return nullptr;
    return ::GetCapture() == frame->GetSafeHwnd() ? frame : nullptr;
}
