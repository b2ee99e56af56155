// What toolbars, buttons and popup menus ask of the frame that owns them. The toolkit's
// frames implement it; a frame without it answers 0 to every question and accepts every
// popup menu.
#pragma once
#include <afxwin.h>
#include <commctrl.h>

class CGTMenuBar;
class CGTPopupMenu;
class CGTToolBar;
class CGTToolbarButton;

class IGTToolbarFrame {
public:
    // FALSE refuses the popup; on TRUE the frame keeps it as the process's active popup.
    virtual BOOL OnShowPopupMenu(CGTPopupMenu* iPopup) = 0;
    virtual void OnPopupMenuClosed(CGTPopupMenu* iPopup) = 0;
    virtual void OnDrawMenuLogo(CDC* iDc, CGTPopupMenu* iPopup, const CRect& iRect) = 0;
    // The torn-off bar with this identifier; null when there is none.
    virtual CGTToolBar* FindTearOffBar(UINT iTearOffId) = 0;
    // A bar just torn off a popup menu joins the frame's tear-off bars, which it then saves
    // and loads; a frame without them leaves it alone.
    virtual void AddTearOffBar(CGTToolBar*) {}
    virtual int OnButtonTooltip(CGTToolbarButton* iButton, TOOLINFO* ioInfo) = 0;
    virtual LRESULT OnToolbarNotify(WPARAM iWParam, LPARAM iLParam) = 0;
    // FALSE leaves the text alone.
    virtual BOOL GetCommandDescription(UINT iCommandId, CString& oText) = 0;
    virtual BOOL IsUserDefinedToolbar(const CGTToolBar* iBar) = 0;
    // The menu bar the frame shows its menus in: it takes the frame's menu, and the window's
    // own menu goes.
    virtual void SetMenuBar(CGTMenuBar* iBar) = 0;
    // The menu bar the frame shows; null for none.
    virtual CGTMenuBar* GetMenuBar() const { return nullptr; }
    // While the toolbars are customized the floating windows of bars that are not toolbars
    // take no input (iEnable FALSE), and afterwards they do again.
    virtual void EnableMiniFramesForCustomizing(BOOL) {}
    // The command that opens the frame's windows dialog and its text; FALSE when the frame
    // offers none.
    virtual BOOL GetWindowsDialogCommand(UINT&, CString&) const { return FALSE; }
    // May draw a menu item's image in its image column; TRUE when it drew one. Asked for
    // every item while s_AlwaysDrawMenuImages is on, else only for items without an image.
    virtual BOOL OnDrawMenuImage(CDC*, const CGTToolbarButton*, const CRect&) { return FALSE; }

    // Process-wide: the frame's menu-image hook is asked for every item.
    static inline BOOL s_AlwaysDrawMenuImages = FALSE;

protected:
    ~IGTToolbarFrame() = default;
};

// The frame's hooks; null for a frame without them or no frame.
IGTToolbarFrame* AsToolbarFrame(CWnd* iFrame);
// A frame without the hooks accepts the popup.
BOOL FrameAcceptsPopupMenu(CWnd* iFrame, CGTPopupMenu* iPopup);

// The in-place frame that is active in the process, or null; in-place frames set it.
void SetActiveInPlaceFrame(CFrameWnd* iFrame);
CFrameWnd* GetActiveInPlaceFrame();
// The active in-place frame when there is one, else the window's top-level frame.
CFrameWnd* GetActiveTopLevelFrame(CWnd* iWindow);
