#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>

IMPLEMENT_DYNAMIC(CGTContextMenuManager, CObject)

namespace {
CGTContextMenuManager* currentManager = nullptr;
}

CGTContextMenuManager::CGTContextMenuManager()
{
    currentManager = this;
}

CGTContextMenuManager::~CGTContextMenuManager()
{
    DeleteOriginalItems();
    UINT id = 0;
    HMENU menu = nullptr;
    for (POSITION position = m_MenusById.GetStartPosition(); position != nullptr;) {
        m_MenusById.GetNextAssoc(position, id, menu);
        ::DestroyMenu(menu);
    }
    if (currentManager == this)
        currentManager = nullptr;
}

CGTContextMenuManager* CGTContextMenuManager::Current()
{
    return currentManager;
}

BOOL CGTContextMenuManager::AddMenu(LPCWSTR iName, UINT iResourceId)
{
    HMENU registered = nullptr;
    if (m_MenusById.Lookup(iResourceId, registered))
        return FALSE;
    LPCWSTR resource = MAKEINTRESOURCEW(iResourceId);
    HMENU menu = ::LoadMenuW(AfxFindResourceHandle(resource, RT_MENU), resource);
    if (menu == nullptr)
        return FALSE;
    CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    if (workspace != nullptr && workspace->GetTearOffTable() != nullptr)
        RewriteSubMenuItems(*workspace->GetTearOffTable(), menu);
    m_MenusById.SetAt(iResourceId, menu);
    m_MenusByName.SetAt(iName, menu);
    return TRUE;
}

void CGTContextMenuManager::GetMenuNames(CStringList& oNames) const
{
    oNames.RemoveAll();
    CString name;
    HMENU menu = nullptr;
    for (POSITION position = m_MenusByName.GetStartPosition(); position != nullptr;) {
        m_MenusByName.GetNextAssoc(position, name, menu);
        oNames.AddTail(name);
    }
}

HMENU CGTContextMenuManager::LookupMenuByName(LPCWSTR iName, UINT* oResourceId) const
{
    HMENU menu = nullptr;
    if (!m_MenusByName.Lookup(iName, menu))
        return nullptr;
    if (oResourceId != nullptr) {
        *oResourceId = 0;
        UINT id = 0;
        HMENU registered = nullptr;
        for (POSITION position = m_MenusById.GetStartPosition(); position != nullptr;) {
            m_MenusById.GetNextAssoc(position, id, registered);
            if (registered == menu)
                *oResourceId = id;
        }
    }
    return menu;
}
