#include <guitoolkit/docking/GTDockingTargets.h>
#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>

namespace {
// The side a hovered marker stands for; 0 for the centre and none.
DWORD MarkerSide(int iMarker, BOOL iOuter)
{
    static const DWORD sides[] = {GTSideLeft, GTSideRight, GTSideTop, GTSideBottom};
    const int first = iOuter ? 0 : 4;
    return iMarker >= first && iMarker < first + 4 ? sides[iMarker - first] : 0;
}

}  // namespace

CGTSmartDockingManager* GetRunningSmartDocking(CGTBaseControlBar* iBar, CGTDockManager* iDockManager)
{
    CGTDockManager* manager = iDockManager;
    if (manager == nullptr && iBar != nullptr)
        manager = GetDockManagerOfFrame(iBar->GetParentFrame());
    CGTSmartDockingManager* smart = manager != nullptr ? manager->GetExistingSmartDockingManager() : nullptr;
    return smart != nullptr && smart->IsStarted() ? smart : nullptr;
}

BOOL HitTestBarDockingTarget(CPoint iScreenPoint, CGTBaseControlBar* iBar, int iSensitivity,
                             CGTDockManager* iDockManager, BOOL iOuter, DWORD& oSide, DWORD iAllowedSides,
                             LPCRECT iRect)
{
    oSide = 0;
    if (iBar == nullptr && iRect == nullptr)
        return FALSE;
    if (CGTSmartDockingManager* smart = GetRunningSmartDocking(iBar, iDockManager)) {
        oSide = MarkerSide(smart->GetHoveredMarker(), iOuter);
        return oSide != 0;
    }
    CRect rect;
    if (iBar != nullptr)
        iBar->GetWindowRect(&rect);
    else
        rect = *iRect;
    int caption = 0;
    int tabArea = 0;
    if (auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, iBar)) {
        caption = pane->GetCaptionHeight();
        CRect top, bottom;
        pane->GetTabAreaRects(top, bottom);
        tabArea = bottom.Height();
    }
    return CGTGlobalUtils::HitTestDockingTarget(iScreenPoint, rect, iSensitivity, iOuter, oSide, iAllowedSides, caption,
                                                tabArea);
}
