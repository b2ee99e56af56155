#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/GuiToolkitHooks.h>
#include <guitoolkit/core/RegistrySectionPath.h>

namespace {
const UINT subMenuCommand = 0xFFFFFFFF;
const INT_PTR blockSize = 10;

void EmptyTheManager()
{
    GetCommandManager().ClearAll();
}
}  // namespace

CGTCommandManager& GetCommandManager()
{
    static CGTCommandManager manager;
    return manager;
}

CGTCommandManager::CGTCommandManager()
    : m_StandardImages(blockSize), m_UserImages(blockSize), m_CommandsWithoutImages(blockSize),
      m_MenuUserImages(blockSize)
{
    SetGuiToolkitHook(GTModuleHook::CommandManagerCleanUp, &EmptyTheManager);
}

CGTCommandManager::~CGTCommandManager() = default;

int CGTCommandManager::GetCommandImage(UINT iCommand, BOOL iUser) const
{
    int image = -1;
    return (iUser ? m_UserImages : m_StandardImages).Lookup(iCommand, image) ? image : -1;
}

void CGTCommandManager::SetCommandImage(UINT iCommand, int iImage, BOOL iUser)
{
    if (iCommand == 0 || iCommand == subMenuCommand)
        return;
    if (GetCommandImage(iCommand, !iUser) != -1)
        return;
    (iUser ? m_UserImages : m_StandardImages).SetAt(iCommand, iImage);
}

void CGTCommandManager::EnableMenuItemImage(UINT iCommand, BOOL iEnable, int iImage)
{
    POSITION listed = m_CommandsWithoutImages.Find(iCommand);
    if (!iEnable) {
        m_MenuUserImages.RemoveKey(iCommand);
        if (listed == nullptr)
            m_CommandsWithoutImages.AddTail(iCommand);
        return;
    }
    if (listed != nullptr)
        m_CommandsWithoutImages.RemoveAt(listed);
    if (iImage < 0)
        m_MenuUserImages.RemoveKey(iCommand);
    else
        m_MenuUserImages.SetAt(iCommand, iImage);
}

BOOL CGTCommandManager::IsMenuItemWithoutImage(UINT iCommand) const
{
    return m_CommandsWithoutImages.Find(iCommand) != nullptr;
}

int CGTCommandManager::GetMenuUserImage(UINT iCommand) const
{
    int image = -1;
    return m_MenuUserImages.Lookup(iCommand, image) ? image : -1;
}

void CGTCommandManager::ClearUserImage(UINT iCommand)
{
    m_UserImages.RemoveKey(iCommand);
}

void CGTCommandManager::ClearUserImages()
{
    m_UserImages.RemoveAll();
}

void CGTCommandManager::ClearAll()
{
    m_StandardImages.RemoveAll();
    m_UserImages.RemoveAll();
    m_CommandsWithoutImages.RemoveAll();
    m_MenuUserImages.RemoveAll();
}

CString CGTCommandManager::KeyPath(LPCWSTR iProfile)
{
    return BuildRegistrySectionPath(L"RIRToolBars", iProfile) + L"RIRCommandManager";
}

BOOL CGTCommandManager::SaveState(LPCWSTR iProfile)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    return registry.CreateKey(KeyPath(iProfile)) &&
        registry.WriteSerializable(L"CommandsWithoutImages", m_CommandsWithoutImages) &&
        registry.WriteSerializable(L"MenuUserImages", m_MenuUserImages);
}

BOOL CGTCommandManager::LoadState(LPCWSTR iProfile)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    if (!registry.Open(KeyPath(iProfile)))
        return FALSE;
    // Both are read into copies before either is applied: a value that breaks off half-way
    // changes nothing.
    CList<UINT, UINT> withoutImages(blockSize);
    CMap<UINT, UINT, int, int> menuImages(blockSize);
    if (!registry.ReadSerializable(L"CommandsWithoutImages", withoutImages) ||
        !registry.ReadSerializable(L"MenuUserImages", menuImages))
        return FALSE;
    m_CommandsWithoutImages.RemoveAll();
    m_CommandsWithoutImages.AddTail(&withoutImages);
    UINT command = 0;
    int image = 0;
    for (POSITION position = menuImages.GetStartPosition(); position != nullptr;) {
        menuImages.GetNextAssoc(position, command, image);
        m_MenuUserImages.SetAt(command, image);
    }
    return TRUE;
}
