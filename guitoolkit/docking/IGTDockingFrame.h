// What the docking classes ask of the frame that owns a dock manager: the toolkit's frame,
// MDI frame and child and OLE frames implement it. A window without it owns no dock manager.
#pragma once
#include <afxwin.h>

class CGTBaseControlBar;
class CGTDockingControlBar;
class CGTDockManager;
class CGTMiniFrameWnd;

class IGTDockingFrame {
public:
    virtual CGTDockManager* GetDockManager() = 0;
    // Lays out the dock bars and docked bars (one deferred batch when given), then the client area.
    virtual void AdjustDockingLayout(HDWP iDefer = nullptr) = 0;
    // FALSE refuses to close a docking pane from its close button.
    virtual BOOL OnCloseDockingPane(CGTDockingControlBar* iPane) = 0;
    // A floating mini frame moved: the frame runs its docking check for it.
    virtual void OnMoveMiniFrame(CGTMiniFrameWnd* iFrame) = 0;
    // Asked on every immediate-mode move and on WM_MOVING.
    virtual BOOL MayMoveMiniFrame(CGTMiniFrameWnd* iFrame) = 0;
    // Asked on a mini frame's close button and on WM_CLOSE.
    virtual BOOL MayCloseMiniFrame(CGTMiniFrameWnd* iFrame) = 0;
    virtual void ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate) = 0;
    // A torn-off bar whose tear-off was cancelled leaves the frame's list.
    virtual void RemoveTearOffBar(CGTBaseControlBar* iBar) = 0;

protected:
    ~IGTDockingFrame() = default;
};

// The frame's docking hooks; null for a window without them or no window.
IGTDockingFrame* AsDockingFrame(CWnd* iWindow);
// The dock manager a frame holds; a mini frame passes the question to its parent. Any
// other window answers null, and a dialog or property sheet notes that dialogs own bars.
CGTDockManager* GetDockManagerOfFrame(CWnd* iWindow);
