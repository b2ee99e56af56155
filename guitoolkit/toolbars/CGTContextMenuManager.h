// The application's context menus, registered by name and menu resource id, shown as the
// toolkit's popup menus: modelessly (the chosen command is posted) or modally (the chosen
// command is returned). The user's changes to them are stored with the workspace's state,
// beside the items each menu's resource defines. While it lives the manager is the
// process's current one.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>
#include <utility>
#include <vector>

class CGTPopupMenu;

class CGTContextMenuManager : public CObject {
    DECLARE_DYNAMIC(CGTContextMenuManager)
public:
    CGTContextMenuManager();
    // Destroys the registered menus.
    ~CGTContextMenuManager() override;
    static CGTContextMenuManager* Current();

    // Loads the menu resource; its marked sub-menus get tear-off ids when the workspace
    // keeps tear-off menus. FALSE when it cannot be loaded or the id is registered already.
    BOOL AddMenu(LPCWSTR iName, UINT iResourceId);
    void GetMenuNames(CStringList& oNames) const;
    // Null for an unknown name; oResourceId (when given) gets the menu's id.
    HMENU LookupMenuByName(LPCWSTR iName, UINT* oResourceId = nullptr) const;

    // Null when nothing is shown: an owner that hosts popups (a toolkit dialog or page)
    // without iOwnMessage gets none. Without iOwnMessage commands go to the owner's top-level
    // window. iKeepMenu: the menu stays the caller's.
    virtual CGTPopupMenu* ShowPopupMenu(HMENU iMenu, int iX, int iY, CWnd* iOwner, BOOL iOwnMessage = FALSE,
                                        BOOL iKeepMenu = TRUE, BOOL iRightAlign = FALSE);
    // The first sub-menu of a registered menu; FALSE for an unknown id or when none shows.
    virtual BOOL ShowPopupMenu(UINT iResourceId, int iX, int iY, CWnd* iOwner, BOOL iOwnMessage = FALSE,
                               BOOL iRightAlign = FALSE);
    // Shows the menu and waits for the user: the chosen command, 0 when the menu was
    // dismissed, could not be shown, or the application is asked to quit (WM_QUIT stays
    // queued for it).
    virtual UINT TrackPopupMenu(HMENU iMenu, int iX, int iY, CWnd* iOwner, BOOL iRightAlign = FALSE);
    // Each registered menu's items under the profile (the toolbar format, keyed by the
    // menu's id) and in the menu hash. FALSE when a menu cannot be read or stored.
    virtual BOOL SaveState(LPCWSTR iProfile = nullptr);
    // The stored items come back through the menu hash, where popups find them.
    virtual BOOL LoadState(LPCWSTR iProfile = nullptr);
    // Forgets the user's changes: the menus show their resources' items again.
    virtual BOOL ResetState();

    // The command chosen in the popup TrackPopupMenu shows; the popup stores it.
    void SetLastCommand(UINT iCommandId) { m_LastCommand = iCommandId; }

private:
    void DeleteOriginalItems();
    // Each registered menu's id and its first sub-menu, which holds its items.
    std::vector<std::pair<UINT, HMENU>> ItemMenus() const;
    // A popup menu bar for loading and storing a menu's items; the caller deletes it.
    static class CGTPopupMenuBar* CreateStateBar();

    CMap<UINT, UINT, HMENU, HMENU> m_MenusById;
    CMap<CString, LPCWSTR, HMENU, HMENU> m_MenusByName;
    // Per menu id, the items as the resource defines them.
    CMap<UINT, UINT, CObList*, CObList*> m_OriginalItems;
    UINT m_LastCommand = 0;
    BOOL m_TrackMode = FALSE;
};
