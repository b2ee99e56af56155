// What every toolkit frame shares (the frame window, and the MDI and in-place frames that
// embed one too): the link to its menu bar, its user-defined toolbars with their id range,
// its torn-off menu bars, its full-screen state, its side of loading and saving (user
// toolbars, tear-off bars, the main window placement), and the routing of keys and mouse
// clicks to the toolkit's menus while a popup menu is open.
//
// Stored state: user toolbars as toolbars (index -1, their id); tear-off bars under the
// workspace path + "ControlBars-TearOff-<n>" ("ID", "Name", "State": the archived bar), n
// counting the bars saved, 0 upward without gaps.
#pragma once
#include <guitoolkit/core/CGTRegisteredMessage.h>
#include <afxwin.h>
#include <afxtempl.h>
#include <memory>

class CGTBaseControlBar;
class CGTDockManager;
class CGTFullScreenImpl;
class CGTMenuBar;
class CGTPopupMenu;
class CGTToolBar;
class CGTToolbarMenuButton;

// Posted to a frame to leave full screen.
extern const CGTRegisteredMessage GTMSG_LEAVEFULLSCREEN;

class CGTFrameImpl {
public:
    explicit CGTFrameImpl(CFrameWnd* iOwner);
    virtual ~CGTFrameImpl();
    CGTFrameImpl(const CGTFrameImpl&) = delete;
    CGTFrameImpl& operator=(const CGTFrameImpl&) = delete;

    CFrameWnd* GetOwner() const { return m_Owner; }
    CGTDockManager* GetDockManager() const { return m_DockManager; }
    void SetDockManager(CGTDockManager* iManager) { m_DockManager = iManager; }
    UINT GetResourceId() const { return m_ResourceId; }
    void SetResourceId(UINT iId) { m_ResourceId = iId; }
    CGTFullScreenImpl& GetFullScreen() { return *m_FullScreen; }
    BOOL IsFullScreen() const;

    // --- Full screen ---

    // The application's command that enters and leaves full screen; 0: none.
    void EnableFullScreenMode(UINT iCommandId) { m_FullScreenCommand = iCommandId; }
    // The full-screen command: its item is checked while on; it enters, or has the frame
    // leave (GTMSG_LEAVEFULLSCREEN posted, as the command may come from the bar that leaving
    // destroys). FALSE for any other command.
    BOOL RouteFullScreenCommand(UINT iId, int iCode, void* iExtra, AFX_CMDHANDLERINFO* iHandlerInfo);
    // Reloads the layout of before; nothing when not full screen.
    void LeaveFullScreen();

    // --- User-defined toolbars ---

    // Both -1: no user toolbars.
    void SetUserToolbarRange(UINT iFirstId, UINT iLastId);
    // Null past the end of the list.
    CGTToolBar* GetUserToolbarAt(int iIndex) const;
    const CObList& GetUserToolbars() const { return m_UserToolbars; }
    // A floating toolbar of the lowest free id of the range; null without one (a full range
    // tells the user the limit) or when its window cannot be made.
    CGTToolBar* CreateNewUserToolbar(LPCWSTR iName);
    // FALSE for a toolbar that is not one of the frame's user toolbars.
    BOOL DeleteUserToolbar(CGTToolBar* iBar);
    // Replaces the frame's user toolbars by those saved under the workspace path.
    void LoadUserToolbars();
    void SaveUserToolbars(BOOL iThisFrameOnly);
    // Menu items of the range name the user toolbars by position; those without one go.
    void ReplaceMenuItemsWithToolbars(CMenu& ioMenu, UINT iFirstId, UINT iLastId) const;
    // The class made for user toolbars (CGTToolBar or derived).
    CRuntimeClass* m_UserToolbarClass;

    // --- Tear-off bars ---

    void AddTearOffBar(CGTToolBar* iBar);
    void RemoveTearOffBar(CGTToolBar* iBar);
    CGTToolBar* FindTearOffBar(UINT iId) const;
    const CObList& GetTearOffBars() const { return m_TearOffBars; }
    void LoadTearOffBars();
    void SaveTearOffBars(BOOL iThisFrameOnly);

    // --- Loading, saving and the window placement ---

    // The workspace loads the whole layout for this frame; nothing without a workspace.
    void NotifyWorkspaceOfLoad();
    // The toolbars' large-icons option, read before any bar exists; FALSE without a workspace.
    BOOL LoadLargeIconsOption();
    void StoreWindowPlacement();
    // The saved placement into a creation record of the main window.
    void ApplySavedPlacement(CREATESTRUCT& ioCreate);
    // Leaves full screen, saves the layout and the placement.
    void OnFrameClosing();
    // The frame's child windows other than toolbars load (save) their own state.
    void LoadChildWindowsState(LPCWSTR iPath);
    void SaveChildWindowsState(LPCWSTR iPath);
    // When 0 the workspace does not load the docking layout for this frame.
    BOOL m_AllowDockStateLoad;

    // --- Menu bar, keys and popup menus ---

    // The bar takes the frame's Windows menu, which the frame then no longer shows.
    void SetMenuBar(CGTMenuBar* iBar);
    CGTMenuBar* GetMenuBar() const { return m_MenuBar; }
    HMENU GetFrameMenu() const { return m_FrameMenu; }
    void UpdateMenuBarState();
    static BOOL IsPlainF1KeyDown(const MSG& iMessage);
    // A menu character offered to the visible menu bar and toolbars of this frame.
    BOOL ProcessMenuBarKey(UINT iChar);
    // TRUE when the key was taken (by the open popup, a minimised frame, a shortcut).
    BOOL ProcessShortcutKey(const MSG& iMessage);
    // FALSE refuses the popup; on TRUE it is the process's active popup.
    BOOL OnShowPopupMenu(CGTPopupMenu* iPopup);
    // TRUE when a mouse message was taken for the open popup or customisation.
    BOOL HandlePopupMouseDown(UINT iMessage, CPoint iScreenPoint, CWnd* iWindow);
    // The frame's message filter before its base's; TRUE: the message is eaten.
    BOOL FilterFrameMessage(MSG& ioMessage);
    // An accelerator's command counted, offered to the open popup (as Escape) and to the user
    // tools; TRUE when taken.
    BOOL HandleAcceleratorCommand(UINT iCommand);
    // Every child window of a frame but iKeep, listed first and destroyed while it still is one.
    static void DestroyChildWindows(HWND iParent, HWND iKeep = nullptr);
    // The show/hide commands of the toolbar, status bar and rebar act on the bar with that id;
    // FALSE without one.
    BOOL ToggleCommandBar(UINT iId);
    BOOL UpdateCommandBar(CCmdUI& ioCmdUI);
    // Fills a bar's "Add or Remove Buttons" popup and hands it to the owner frame's hook.
    void ShowToolbarCustomization(CGTPopupMenu* iPopup, CGTToolBar* iBar);

    // --- What the main frames' overrides share ---

    // The dock manager's free area is the border space the frame hands out.
    BOOL NegotiateBorderSpace(UINT iBorderCmd, LPRECT ioRect);
    // TRUE when full screen set the limits; FALSE leaves them to the frame's base.
    BOOL GetFullScreenMinMaxInfo(MINMAXINFO* ioInfo);
    // After the base's activation: the menu bar's state, and a clicked frame drawn at once.
    void OnFrameActivate(UINT iState);
    // The frame's accelerators and its child windows but iKeep, before the frame goes.
    void DestroyFrameWindows(HWND iKeep = nullptr);
    // The accessibility reports of a popup opening and closing.
    static void NotifyPopupMenuShown(CGTPopupMenu* iPopup);
    void OnPopupMenuClosed(CGTPopupMenu* iPopup);
    BOOL IsUserToolbar(const CGTToolBar* iBar) const;
    // Bars other than toolbars are never torn off.
    void RemoveTearOffControlBar(CGTBaseControlBar* iBar);

private:
    // Visible, gripper, dynamic size, hidden in place: user and tear-off bars.
    static const DWORD s_BarWindowStyle = 0x50402808;
    // The lowest id of the range no user toolbar has; -1 when none is free.
    UINT FreeUserToolbarId() const;
    // A toolbar of the user class as a child of the frame with that id; null when it fails.
    CGTToolBar* MakeUserToolbarWindow(UINT iId) const;
    // Bar style, docking sides: what user and tear-off bars share.
    void PrepareLoadedBar(CGTToolBar& ioBar) const;
    void DestroyBar(CGTToolBar* iBar);
    void DeleteUserToolbars();
    void DeleteTearOffBars();
    CString TearOffKey() const;
    void RecalcOwnerLayout();

    UINT m_FirstUserToolbarId;
    UINT m_LastUserToolbarId;
    CObList m_UserToolbars;
    CObList m_TearOffBars;
    CString m_TearOffRegName;
    CGTMenuBar* m_MenuBar;
    HMENU m_FrameMenu;
    CFrameWnd* m_Owner;
    CGTDockManager* m_DockManager;
    UINT m_ResourceId;
    UINT m_FullScreenCommand;
    std::unique_ptr<CGTFullScreenImpl> m_FullScreen;
};
