// The application's context menus, registered by name and menu resource id. While it lives
// the manager is the process's current one.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

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

    // The command chosen in the popup TrackPopupMenu shows; the popup stores it.
    void SetLastCommand(UINT iCommandId) { m_LastCommand = iCommandId; }

private:
    CMap<UINT, UINT, HMENU, HMENU> m_MenusById;
    CMap<CString, LPCWSTR, HMENU, HMENU> m_MenusByName;
    UINT m_LastCommand = 0;
};
