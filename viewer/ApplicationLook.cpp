#include "ApplicationLook.h"

#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTVisualManager2003.h>
#include <guitoolkit/core/CGTVisualManagerVS2005.h>
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/core/CGTWinXPVisualManager.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/docking/IGTDockingFrame.h>

namespace {

const wchar_t kLookValue[] = L"ApplicationLook";
const int kVS2005TabStyle = 6;

}  // namespace

UINT ReadApplicationLook()
{
    const CGTWorkspace* workspace = CGTWorkspace::Current();
    const int look = workspace ? workspace->ReadWorkspaceInt(kLookValue, kDefaultLook) : kDefaultLook;
    return look >= static_cast<int>(kFirstLook) && look <= static_cast<int>(kLastLook) ? static_cast<UINT>(look)
                                                                                       : kDefaultLook;
}

void WriteApplicationLook(UINT iLook)
{
    if (CGTWorkspace* workspace = CGTWorkspace::Current())
        workspace->WriteWorkspaceInt(kLookValue, static_cast<int>(iLook));
}

void ApplyApplicationLook(CFrameWnd& ioFrame, UINT iLook)
{
    CGTDockManager::SetDockingMode(GTDockingSmart);
    CGTDockingValues::TabbedBarStyle() = 0;
    switch (iLook) {
    case 32826:
        CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(CGTVisualManager));
        break;
    case 32827:
        CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(CGTVisualManagerXP));
        break;
    case 32828:
        CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(CGTVisualManager2003));
        break;
    case 32829:
        CGTDockingValues::TabsUseTheme() = TRUE;
        CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(CGTWinXPVisualManager));
        break;
    default:
        CGTDockingValues::TabbedBarStyle() = kVS2005TabStyle;
        CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(CGTVisualManagerVS2005));
        CGTVisualManager::GetCurrent();
        break;
    }
    if (CGTDockManager* docking = GetDockManagerOfFrame(&ioFrame))
        docking->RefreshAllBarFrames();
    CGTTabbedControlBar::ApplyTabStyleToAll();
    ioFrame.RecalcLayout();
    ioFrame.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
