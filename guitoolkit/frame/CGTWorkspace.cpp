#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/frame/CGTFrameWnd.h>
#include <guitoolkit/frame/CGTMDIFrameWnd.h>
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTMouseManager.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>

namespace {
// Makes the manager when there is none and notes that it was made here.
template <class Manager>
BOOL MakeManager(BOOL& oMadeHere)
{
    if (Manager::Current() != nullptr)
        return FALSE;
    new Manager;
    oMadeHere = TRUE;
    return TRUE;
}

template <class Manager>
void DeleteManagerMadeHere(BOOL iMadeHere)
{
    if (iMadeHere)
        delete Manager::Current();
}
}  // namespace

CGTWorkspace::CGTWorkspace(BOOL iResetUI)
    : m_LoadUserToolbars(TRUE), m_ThisFrameOnly(FALSE), m_SaveEnabled(TRUE), m_ResetUI(iResetUI),
      m_AlwaysResetToolbars(FALSE), m_ReloadPlacement(TRUE), m_MadeKeyboardManager(FALSE),
      m_MadeContextMenuManager(FALSE), m_MadeMouseManager(FALSE), m_MadeUserToolsManager(FALSE)
{
}

CGTWorkspace::~CGTWorkspace()
{
    DeleteManagerMadeHere<CGTKeyboardManager>(m_MadeKeyboardManager);
    DeleteManagerMadeHere<CGTContextMenuManager>(m_MadeContextMenuManager);
    DeleteManagerMadeHere<CGTMouseManager>(m_MadeMouseManager);
    DeleteManagerMadeHere<CGTUserToolsManager>(m_MadeUserToolsManager);
}

CGTWorkspace* CGTWorkspace::Current()
{
    return dynamic_cast<CGTWorkspace*>(CGTWorkspaceSettings::Current());
}

BOOL CGTWorkspace::InitContextMenuManager()
{
    return MakeManager<CGTContextMenuManager>(m_MadeContextMenuManager);
}

BOOL CGTWorkspace::InitKeyboardManager()
{
    return MakeManager<CGTKeyboardManager>(m_MadeKeyboardManager);
}

BOOL CGTWorkspace::InitMouseManager()
{
    return MakeManager<CGTMouseManager>(m_MadeMouseManager);
}

BOOL CGTWorkspace::InitUserToolsManager(UINT iFirstCommandId, UINT iLastCommandId, CRuntimeClass* iToolClass)
{
    if (CGTUserToolsManager::Current() != nullptr)
        return FALSE;
    new CGTUserToolsManager(iFirstCommandId, iLastCommandId, iToolClass);
    m_MadeUserToolsManager = TRUE;
    return TRUE;
}

BOOL CGTWorkspace::EnableTearOffMenus(UINT iFirstId, UINT iLastId)
{
    if (m_TearOffTable != nullptr)
        return FALSE;
    m_TearOffTable = std::make_unique<MenuTearOffIdTable>(iFirstId, iLastId);
    return TRUE;
}

CGTContextMenuManager* CGTWorkspace::GetContextMenuManager()
{
    InitContextMenuManager();
    return CGTContextMenuManager::Current();
}

int CGTWorkspace::ReadWorkspaceInt(LPCWSTR iName, int iDefault) const
{
    return ReadSectionInt(L"", iName, iDefault);
}

BOOL CGTWorkspace::WriteWorkspaceInt(LPCWSTR iName, int iValue)
{
    return WriteSectionInt(L"", iName, iValue);
}

int CGTWorkspace::ReadSectionInt(LPCWSTR iSuffix, LPCWSTR iName, int iDefault) const
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    int value = iDefault;
    if (!registry.Open(GetRegSectionPath(iSuffix)) || !registry.ReadInt(iName, value))
        return iDefault;
    return value;
}

BOOL CGTWorkspace::WriteSectionInt(LPCWSTR iSuffix, LPCWSTR iName, int iValue)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    return registry.CreateKey(GetRegSectionPath(iSuffix)) && registry.WriteInt(iName, iValue);
}

BOOL CGTWorkspace::CleanState(LPCWSTR iSection)
{
    if (iSection != nullptr)
        SetRegistryBase(iSection);
    CGTRegistryHolder holder;
    return holder.Create(FALSE, FALSE).DeleteKey(GetRegSectionPath(), FALSE);
}

BOOL CGTWorkspace::LoadMDIFrameState(LPCWSTR iSection, CFrameWnd* iFrame)
{
    return LoadSDIFrameState(iSection, iFrame);
}

BOOL CGTWorkspace::LoadSDIFrameState(LPCWSTR iSection, CFrameWnd* iFrame)
{
    CGTFrameImpl* impl = nullptr;
    if (auto* frame = DYNAMIC_DOWNCAST(CGTFrameWnd, iFrame))
        impl = &frame->GetFrameImpl();
    else if (auto* mdiFrame = DYNAMIC_DOWNCAST(CGTMDIFrameWnd, iFrame))
        impl = &mdiFrame->GetFrameImpl();
    return LoadState(iSection, impl);
}

void CGTWorkspace::OnClosingMainFrame(CGTFrameImpl* iFrameImpl)
{
    SaveState(nullptr, iFrameImpl);
}

BOOL CGTWorkspace::ShowPopupMenu(UINT iMenuId, const CPoint& iScreenPoint, CWnd* iOwner)
{
    CGTContextMenuManager* manager = CGTContextMenuManager::Current();
    return manager != nullptr && manager->ShowPopupMenu(iMenuId, iScreenPoint.x, iScreenPoint.y, iOwner);
}

BOOL CGTWorkspace::OnViewDoubleClick(CWnd* iWindow, int iViewId)
{
    const CGTMouseManager* mouse = CGTMouseManager::Current();
    if (mouse == nullptr)
        return FALSE;
    const UINT command = mouse->GetViewDblClickCommand(iViewId);
    if (command == 0 || command == static_cast<UINT>(-1)) {
        CGTBeeper::Current().Beep(0xFFFFFFFF);
        return FALSE;
    }
    CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    if (tools != nullptr && tools->InvokeToolByCommand(command))
        return TRUE;
    CWnd* target = iWindow != nullptr ? GetActiveTopLevelFrame(iWindow) : AfxGetMainWnd();
    if (target != nullptr)
        target->SendMessage(WM_COMMAND, command);
    return TRUE;
}

void CGTWorkspace::OnAppContextHelp(CWnd* iControl, const DWORD iHelpIds[])
{
    const CWinApp* app = AfxGetApp();
    ::WinHelpW(iControl != nullptr ? iControl->GetSafeHwnd() : nullptr,
               app != nullptr ? app->m_pszHelpFilePath : nullptr, HELP_CONTEXTMENU,
               reinterpret_cast<ULONG_PTR>(iHelpIds));
}
