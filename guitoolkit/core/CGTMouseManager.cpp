#include <guitoolkit/core/CGTMouseManager.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/RegistrySectionPath.h>

IMPLEMENT_DYNCREATE(CGTMouseManager, CObject)

namespace {
CGTMouseManager* currentManager = nullptr;

CString SectionPath(LPCWSTR profile)
{
    return BuildRegistrySectionPath(L"RIRMouseManager", profile);
}
}  // namespace

CGTMouseManager::CGTMouseManager()
{
    currentManager = this;
}

CGTMouseManager::~CGTMouseManager()
{
    if (currentManager == this)
        currentManager = nullptr;
}

CGTMouseManager* CGTMouseManager::Current()
{
    return currentManager;
}

BOOL CGTMouseManager::AddView(UINT iViewId, LPCWSTR iName, UINT iIconId)
{
    int id = 0;
    if (iName == nullptr || m_ViewIdsByName.Lookup(iName, id))
        return FALSE;
    for (POSITION position = m_ViewIdsByName.GetStartPosition(); position != nullptr;) {
        CString name;
        m_ViewIdsByName.GetNextAssoc(position, name, id);
        if (static_cast<UINT>(id) == iViewId)
            return FALSE;
    }
    m_ViewIdsByName.SetAt(iName, static_cast<int>(iViewId));
    if (iIconId != 0)
        m_ViewIcons.SetAt(iViewId, iIconId);
    return TRUE;
}

void CGTMouseManager::GetViewNames(CStringList& oNames) const
{
    oNames.RemoveAll();
    for (POSITION position = m_ViewIdsByName.GetStartPosition(); position != nullptr;) {
        CString name;
        int id = 0;
        m_ViewIdsByName.GetNextAssoc(position, name, id);
        oNames.AddTail(name);
    }
}

int CGTMouseManager::GetViewIdByName(LPCWSTR iName) const
{
    int id = -1;
    return iName != nullptr && m_ViewIdsByName.Lookup(iName, id) ? id : -1;
}

UINT CGTMouseManager::GetViewIconId(UINT iViewId) const
{
    UINT icon = 0;
    return m_ViewIcons.Lookup(iViewId, icon) ? icon : 0;
}

UINT CGTMouseManager::GetViewDblClickCommand(UINT iViewId) const
{
    UINT command = 0;
    return m_ViewCommands.Lookup(iViewId, command) ? command : 0;
}

void CGTMouseManager::SetViewCommand(UINT iViewId, UINT iCommand)
{
    if (iCommand == 0)
        m_ViewCommands.RemoveKey(iViewId);
    else
        m_ViewCommands.SetAt(iViewId, iCommand);
}

BOOL CGTMouseManager::SaveState(LPCWSTR iProfile)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    return registry.CreateKey(SectionPath(iProfile)) && registry.WriteSerializable(L"Mouse", *this);
}

BOOL CGTMouseManager::LoadState(LPCWSTR iProfile)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    return registry.Open(SectionPath(iProfile)) && registry.ReadSerializable(L"Mouse", *this);
}

void CGTMouseManager::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsStoring()) {
        ioArchive << static_cast<UINT>(m_ViewCommands.GetCount());
        for (POSITION position = m_ViewCommands.GetStartPosition(); position != nullptr;) {
            UINT viewId = 0;
            UINT command = 0;
            m_ViewCommands.GetNextAssoc(position, viewId, command);
            ioArchive << viewId << command;
        }
        return;
    }
    // Read aside: a value that ends early throws before anything is replaced.
    CMap<UINT, UINT, UINT, UINT> loaded;
    int count = 0;
    ioArchive >> count;
    for (int index = 0; index < count; ++index) {
        UINT viewId = 0;
        UINT command = 0;
        ioArchive >> viewId >> command;
        loaded.SetAt(viewId, command);
    }
    m_ViewCommands.RemoveAll();
    for (POSITION position = loaded.GetStartPosition(); position != nullptr;) {
        UINT viewId = 0;
        UINT command = 0;
        loaded.GetNextAssoc(position, viewId, command);
        m_ViewCommands.SetAt(viewId, command);
    }
}
