// What the dock manager's saved layout needs of a pane and a bar beyond their public
// operations: the pane's auto-hide toolbar and restored rectangle, a control bar's loaded
// docked rectangle, and a bar's remembered visibility. Only reads and writes fields; never
// instantiated.
#pragma once
#include <guitoolkit/docking/CGTDockingControlBar.h>

class GTPaneStateAccess : private CGTDockingControlBar {
public:
    static CGTAutoHideToolBar* AutoHideToolBarOf(const CGTDockingControlBar& iPane)
    {
        return iPane.*(&GTPaneStateAccess::m_AutoHideToolBar);
    }
    static CRect RestoredRectOf(const CGTDockingControlBar& iPane)
    {
        return iPane.*(&GTPaneStateAccess::m_RestoredRect);
    }
    static CRect LoadedDockedRectOf(const CGTControlBar& iBar)
    {
        return iBar.*(&GTPaneStateAccess::m_LoadedDockedRect);
    }
    static void SetRememberedVisibility(CGTBaseControlBar& ioBar, BOOL iVisible)
    {
        ioBar.*(&GTPaneStateAccess::m_RememberedVisibility) = iVisible;
    }

    GTPaneStateAccess() = delete;
};
