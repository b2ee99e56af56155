// The floating frame that holds several docking panes at once, laid out by its own container
// manager like a docked group: panes dock into it beside each other or as tabs, it docks as a
// whole, and its panes can be torn out again.
#pragma once
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>

class CGTDockingControlBar;

class CGTMultiMiniFrameWnd : public CGTMiniFrameWnd {
    DECLARE_SERIAL(CGTMultiMiniFrameWnd)
public:
    CGTMultiMiniFrameWnd();
    ~CGTMultiMiniFrameWnd() override;

    // FALSE when it docked, TRUE when nothing happened.
    virtual BOOL DockFrame(CGTMiniFrameWnd* iOther, int iMethod);
    virtual BOOL DockBar(CGTDockingControlBar* iPane);
    virtual BOOL AddRecentControlBar(CGTDockingControlBar* iPane);
    virtual void OnBarLeaving(CGTDockingControlBar* iPane);
    virtual BOOL OnBarEntering(CGTDockingControlBar* iPane);

    CGTBarContainerManager& GetContainerManager() { return m_ContainerManager; }

protected:
    CGTBarContainerManager m_ContainerManager;
    HWND m_LastFocusedBar;
};
