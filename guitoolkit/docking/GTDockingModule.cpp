#include <guitoolkit/docking/GTDockingModule.h>
#include <afxdlgs.h>
#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/docking/IGTDockingFrame.h>

namespace {
BOOL MiniFrameOwner(CWnd* iWindow, HWND* oOwner)
{
    auto* frame = DYNAMIC_DOWNCAST(CGTMiniFrameWnd, iWindow);
    if (frame == nullptr)
        return FALSE;
    *oOwner = frame->GetOwnerFrameHandle();
    return TRUE;
}

void SetDockingLookSwitches(BOOL iRebuildCaptionButtons, BOOL iShowWindowPositionButton, BOOL iAutoHideBorders)
{
    CGTDockingControlBar::s_RebuildCaptionButtons = iRebuildCaptionButtons;
    CGTDockingControlBar::s_ShowWindowPositionButton = iShowWindowPositionButton;
    CGTAutoHideButton::s_DrawBorder = iAutoHideBorders;
}
}  // namespace

BOOL RegisterDockingModule()
{
    static BOOL registered = FALSE;
    if (registered)
        return TRUE;
    registered = TRUE;
    SetMiniFrameOwnerQuery(&MiniFrameOwner);
    GTLookClientHooks& hooks = CGTVisualManager::ClientHooks();
    hooks.setDockingMode = &CGTDockManager::SetDockingMode;
    hooks.applyTabStyleToAll = &CGTTabbedControlBar::ApplyTabStyleToAll;
    hooks.setDockingLookSwitches = &SetDockingLookSwitches;
    hooks.redrawAllMiniFrames = &CGTMiniFrameWnd::RedrawAllMiniFrames;
    // Saved layouts name these classes; each enters itself in the list of run-time classes
    // from its own file, which this keeps in the program.
    const CRuntimeClass* const namedInLayouts[] = {
        RUNTIME_CLASS(CGTTabbedControlBar), RUNTIME_CLASS(CGTDockingControlBar), RUNTIME_CLASS(CGTMiniFrameWnd),
        RUNTIME_CLASS(CGTOutlookButton),    RUNTIME_CLASS(CGTOutlookBarPane),    RUNTIME_CLASS(CGTOutlookBar),
    };
    (void)namedInLayouts;
    return TRUE;
}

IGTDockingFrame* AsDockingFrame(CWnd* iWindow)
{
    return dynamic_cast<IGTDockingFrame*>(iWindow);
}

CGTDockManager* GetDockManagerOfFrame(CWnd* iWindow)
{
    for (CWnd* window = iWindow; window != nullptr; window = window->GetParent()) {
        if (IGTDockingFrame* frame = AsDockingFrame(window))
            return frame->GetDockManager();
        if (window->IsKindOf(RUNTIME_CLASS(CDialog)) || window->IsKindOf(RUNTIME_CLASS(CPropertySheet))) {
            theGlobalUtils.m_DialogsAreOwners = TRUE;
            return nullptr;
        }
        if (!window->IsKindOf(RUNTIME_CLASS(CGTMiniFrameWnd)))
            return nullptr;
    }
    return nullptr;
}
