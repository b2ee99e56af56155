// The options all bars and menus obey, the command sets, and the rule of rarely used commands.
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/RegistrySectionPath.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <memory>

int GTMenuOptions::s_Animation = 0;
BOOL GTMenuOptions::s_RecentlyUsed = TRUE;
BOOL GTMenuOptions::s_Shadows = TRUE;
BOOL GTMenuOptions::s_ShowAllAfterDelay = TRUE;
BOOL GTMenuOptions::s_ShowAllCommands = FALSE;
CList<UINT, UINT> CGTToolBar::s_ExcludedCommands(10);

namespace {
CList<UINT, UINT>& CoreCommands()
{
    static CList<UINT, UINT> commands(10);
    return commands;
}

// The 2000 look as the user last chose it. Looks that do not allow it keep their own flag,
// so theirs is never stored as the user's choice.
BOOL& Look2000Choice()
{
    static BOOL choice = FALSE;
    return choice;
}

// The tasks pane's Back, Forward and Other Task Panes commands.
const UINT tasksPaneCommands[] = {17020, 17021, 17024};

CString ParametersKey(LPCWSTR iRegistryPath)
{
    CString key;
    key.Format(L"%sRIRToolbarParameters",
               static_cast<LPCWSTR>(BuildRegistrySectionPath(L"RIRToolBars", iRegistryPath)));
    return key;
}

BOOL ReadFlag(CGTRegistry& ioRegistry, LPCWSTR iName, BOOL& oValue)
{
    int value = 0;
    if (!ioRegistry.ReadInt(iName, value))
        return FALSE;
    oValue = value;
    return TRUE;
}
}  // namespace

BOOL CGTToolBar::SaveParameters(LPCWSTR iRegistryPath)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    if (!registry.CreateKey(ParametersKey(iRegistryPath)))
        return FALSE;
    const CGTVisualManager* look = CGTVisualManager::GetCurrent();
    const BOOL look2000 = look->IsLook2000Allowed() ? look->IsLook2000 : Look2000Choice();
    return registry.WriteInt(L"Tooltips", s_ShowTooltips) && registry.WriteInt(L"ShortcutKeys", s_ShowShortcutKeys) &&
        registry.WriteInt(L"LargeIcons", s_LargeIcons) &&
        registry.WriteInt(L"MenuAnimation", GTMenuOptions::s_Animation) &&
        registry.WriteInt(L"RecentlyUsedMenus", GTMenuOptions::s_RecentlyUsed) &&
        registry.WriteInt(L"MenuShadows", GTMenuOptions::s_Shadows) &&
        registry.WriteInt(L"ShowAllMenusAfterDelay", GTMenuOptions::s_ShowAllAfterDelay) &&
        registry.WriteInt(L"Look2000", look2000) && registry.WriteObject(L"CommandsUsage", &GetCommandUsage());
}

BOOL CGTToolBar::LoadParameters(LPCWSTR iRegistryPath)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    if (!registry.Open(ParametersKey(iRegistryPath)))
        return FALSE;
    int animation = 0;
    BOOL look2000 = FALSE;
    BOOL largeIcons = s_LargeIcons;
    CObject* usage = nullptr;
    const BOOL read = ReadFlag(registry, L"Tooltips", s_ShowTooltips) &&
        ReadFlag(registry, L"ShortcutKeys", s_ShowShortcutKeys) && ReadFlag(registry, L"LargeIcons", largeIcons) &&
        registry.ReadInt(L"MenuAnimation", animation) &&
        ReadFlag(registry, L"RecentlyUsedMenus", GTMenuOptions::s_RecentlyUsed) &&
        ReadFlag(registry, L"MenuShadows", GTMenuOptions::s_Shadows) &&
        ReadFlag(registry, L"ShowAllMenusAfterDelay", GTMenuOptions::s_ShowAllAfterDelay) &&
        ReadFlag(registry, L"Look2000", look2000) &&
        registry.ReadObject(L"CommandsUsage", usage, RUNTIME_CLASS(CCmdUsageCount));
    const std::unique_ptr<CObject> loadedUsage(usage);
    if (usage != nullptr)
        GetCommandUsage().CopyFrom(static_cast<const CCmdUsageCount&>(*usage));
    ApplyLargeIcons(largeIcons);
    GTMenuOptions::s_Animation = animation;
    Look2000Choice() = look2000;
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    if (look->IsLook2000Allowed())
        look->SetLook2000(look2000);
    return read;
}

BOOL CGTToolBar::IsCommandRarelyUsed(UINT iCommandId)
{
    if (s_CustomizeMode || iCommandId == 0 || iCommandId == static_cast<UINT>(-1) || IsSystemCommand(iCommandId) ||
        CoreCommands().IsEmpty() || IsBasicCommand(iCommandId))
        return FALSE;
    for (UINT tasksPaneCommand : tasksPaneCommands) {
        if (iCommandId == tasksPaneCommand)
            return FALSE;
    }
    return !GetCommandUsage().IsFrequentlyUsedCmd(iCommandId);
}

BOOL CGTToolBar::IsCommandPermitted(UINT iCommandId)
{
    return s_ExcludedCommands.Find(iCommandId) == nullptr;
}

BOOL CGTToolBar::HasBasicCommands()
{
    return !CoreCommands().IsEmpty();
}

BOOL CGTToolBar::IsBasicCommand(UINT iCommandId)
{
    return CoreCommands().Find(iCommandId) != nullptr;
}

void CGTToolBar::AddCoreCommand(UINT iCommandId)
{
    if (!IsBasicCommand(iCommandId))
        CoreCommands().AddTail(iCommandId);
}

void CGTToolBar::SetCoreCommands(const CList<UINT, UINT>& iCommands)
{
    CoreCommands().RemoveAll();
    CoreCommands().AddTail(&iCommands);
}
