// Loading and saving the whole layout, and the main window's placement.
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/frame/CGTFrameImpl.h>
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTMouseManager.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/RebarFrameState.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <afxbar.h>
#include <afxcmdline.h>

namespace {
const wchar_t versionKey[] = L"RIRControlBarVersion";
const wchar_t placementKey[] = L"WindowPlacement";
BOOL loadingState = FALSE;

// The process-wide loading flag for the time of one load.
class LoadingScope {
public:
    LoadingScope() : m_Was(loadingState) { loadingState = TRUE; }
    ~LoadingScope() { loadingState = m_Was; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    BOOL m_Was;
};

// A section given to one load or save: the workspace's base meanwhile, its own base again
// afterwards, so that a layout kept aside (full screen's) does not take the later saves.
class SectionScope {
public:
    SectionScope(CGTWorkspace& ioWorkspace, LPCWSTR iSection)
        : m_Workspace(ioWorkspace), m_Base(ioWorkspace.GetRegistryBase())
    {
        if (iSection != nullptr)
            m_Workspace.SetRegistryBase(iSection);
    }
    ~SectionScope() { m_Workspace.SetRegistryBase(m_Base); }
    SectionScope(const SectionScope&) = delete;
    SectionScope& operator=(const SectionScope&) = delete;

private:
    CGTWorkspace& m_Workspace;
    CString m_Base;
};

// While a load that may reset the toolbars runs, buttons keep their images; on every way out
// they follow their commands' images again.
class ImageUpdateScope {
public:
    explicit ImageUpdateScope(BOOL iHold)
    {
        if (iHold)
            CGTToolbarButton::s_UpdateImages = FALSE;
    }
    ~ImageUpdateScope() { CGTToolbarButton::s_UpdateImages = TRUE; }
    ImageUpdateScope(const ImageUpdateScope&) = delete;
    ImageUpdateScope& operator=(const ImageUpdateScope&) = delete;
};

// Every toolkit toolbar of the process whose window exists.
template <class Visit>
void ForEachLiveToolbar(Visit iVisit)
{
    const CObList& bars = CGTToolBar::GetAllToolbars();
    for (POSITION at = bars.GetHeadPosition(); at != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(bars.GetNext(at));
        if (bar->GetSafeHwnd() != nullptr)
            iVisit(*bar);
    }
}
}  // namespace

CRect CGTWorkspace::GetWorkArea()
{
    CRect area;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

BOOL CGTWorkspace::IsLoadingState()
{
    return loadingState;
}

BOOL CGTWorkspace::TakesToolbar(const CWnd& iBar, const CGTFrameImpl& iFrameImpl) const
{
    return !m_ThisFrameOnly || iBar.GetTopLevelFrame() == iFrameImpl.GetOwner();
}

BOOL CGTWorkspace::LoadState(LPCWSTR iSection, CGTFrameImpl* iFrameImpl)
{
    SectionScope section(*this, iSection);
    ImageUpdateScope images(m_ResetUI);
    const CString path = GetRegSectionPath();
    PreLoadState();
    {
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, TRUE);
        if (registry.Open(path + versionKey)) {
            registry.ReadInt(L"Major", m_DataVersionMajor);
            registry.ReadInt(L"Minor", m_DataVersionMinor);
        }
    }
    CGTToolBar::LoadParameters(path);
    GetCommandManager().LoadState(path);
    const BOOL toolbarsChanged = iFrameImpl != nullptr && LoadFrameState(path, *iFrameImpl);
    LoadManagers(path, iFrameImpl);
    if (m_AlwaysResetToolbars || (m_ResetUI && toolbarsChanged)) {
        ForEachLiveToolbar([this](CGTToolBar& bar) {
            if (m_AlwaysResetToolbars || bar.IsResourceChanged())
                bar.RestoreOriginalState();
        });
        if (iFrameImpl != nullptr && iFrameImpl->GetOwner()->GetSafeHwnd() != nullptr)
            iFrameImpl->GetOwner()->RecalcLayout();
    }
    LoadCustomState();
    m_DataVersionMajor = s_VersionMajor;
    m_DataVersionMinor = s_VersionMinor;
    if (iFrameImpl != nullptr && iFrameImpl->GetOwner()->GetSafeHwnd() != nullptr)
        iFrameImpl->GetOwner()->RedrawWindow(nullptr, nullptr,
                                             RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    return TRUE;
}

BOOL CGTWorkspace::LoadFrameState(const CString& iPath, CGTFrameImpl& ioFrameImpl)
{
    ioFrameImpl.LoadChildWindowsState(iPath);
    LoadRebarState(iPath, ioFrameImpl.GetOwner());
    BOOL toolbarsChanged = FALSE;
    {
        LoadingScope loading;
        ForEachLiveToolbar([&](CGTToolBar& bar) {
            if (!TakesToolbar(bar, ioFrameImpl))
                return;
            bar.LoadState(iPath);
            toolbarsChanged |= bar.IsResourceChanged();
        });
        if (m_LoadUserToolbars) {
            ioFrameImpl.LoadUserToolbars();
            ioFrameImpl.LoadTearOffBars();
        }
    }
    CGTDockManager* docking = ioFrameImpl.GetDockManager();
    if (docking != nullptr && m_DataVersionMajor != -1 && m_DataVersionMinor != -1 &&
        ioFrameImpl.m_AllowDockStateLoad) {
        if (docking->LoadState(iPath, ioFrameImpl.GetResourceId()))
            docking->ApplyLoadedState();
    }
    if (m_ReloadPlacement)
        ReloadWindowPlacement(ioFrameImpl.GetOwner());
    return toolbarsChanged;
}

void CGTWorkspace::LoadManagers(const CString& iPath, CGTFrameImpl* iFrameImpl)
{
    if (CGTMouseManager* mouse = CGTMouseManager::Current())
        mouse->LoadState(iPath);
    if (CGTContextMenuManager* menus = CGTContextMenuManager::Current())
        menus->LoadState(iPath);
    if (CGTKeyboardManager* keyboard = CGTKeyboardManager::Current())
        keyboard->LoadState(iPath, iFrameImpl != nullptr ? iFrameImpl->GetOwner() : nullptr);
    if (CGTUserToolsManager* tools = CGTUserToolsManager::Current())
        tools->LoadState(iPath);
}

BOOL CGTWorkspace::SaveState(LPCWSTR iSection, CGTFrameImpl* iFrameImpl)
{
    if (!m_SaveEnabled)
        return FALSE;
    SectionScope section(*this, iSection);
    const CString path = GetRegSectionPath();
    PreSaveState();
    // Every part writes the format of the version announced below.
    m_DataVersionMajor = s_VersionMajor;
    m_DataVersionMinor = s_VersionMinor;
    {
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, FALSE);
        if (registry.CreateKey(path + versionKey)) {
            registry.WriteInt(L"Major", s_VersionMajor);
            registry.WriteInt(L"Minor", s_VersionMinor);
        }
    }
    CGTToolBar::SaveParameters(path);
    GetCommandManager().SaveState(path);
    if (iFrameImpl != nullptr)
        SaveFrameState(path, *iFrameImpl);
    if (CGTToolBarImages* images = CGTToolBar::GetUserImages())
        images->Save();
    SaveManagers(path, iFrameImpl);
    SaveCustomState();
    return TRUE;
}

void CGTWorkspace::SaveFrameState(const CString& iPath, CGTFrameImpl& ioFrameImpl)
{
    CFrameWnd* frame = ioFrameImpl.GetOwner();
    if (AfxGetApp() != nullptr && frame->GetSafeHwnd() != nullptr) {
        CDockState dockState;
        frame->GetDockState(dockState);
        dockState.SaveState(m_RegistryBase + L"\\ControlBars");
    }
    if (CGTDockManager* docking = ioFrameImpl.GetDockManager())
        docking->SaveState(iPath, ioFrameImpl.GetResourceId());
    ForEachLiveToolbar([&](CGTToolBar& bar) {
        if (TakesToolbar(bar, ioFrameImpl))
            bar.SaveState(iPath);
    });
    ioFrameImpl.SaveUserToolbars(m_ThisFrameOnly);
    ioFrameImpl.SaveTearOffBars(m_ThisFrameOnly);
    ioFrameImpl.SaveChildWindowsState(iPath);
    SaveRebarState(iPath, ioFrameImpl.GetOwner());
    ioFrameImpl.StoreWindowPlacement();
}

void CGTWorkspace::SaveManagers(const CString& iPath, CGTFrameImpl* iFrameImpl)
{
    if (CGTMouseManager* mouse = CGTMouseManager::Current())
        mouse->SaveState(iPath);
    if (CGTContextMenuManager* menus = CGTContextMenuManager::Current())
        menus->SaveState(iPath);
    if (CGTKeyboardManager* keyboard = CGTKeyboardManager::Current())
        keyboard->SaveState(iPath, iFrameImpl != nullptr ? iFrameImpl->GetOwner() : nullptr);
    if (CGTUserToolsManager* tools = CGTUserToolsManager::Current())
        tools->SaveState(iPath);
}

BOOL CGTWorkspace::LoadWindowPlacement(CRect& oRect, int& oFlags, int& oShowCmd)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    if (!registry.Open(GetRegSectionPath(placementKey)))
        return FALSE;
    CRect rect;
    int flags = 0;
    int showCmd = 0;
    if (!registry.ReadRect(L"MainWindowRect", rect) || !registry.ReadInt(L"Flags", flags) ||
        !registry.ReadInt(L"ShowCmd", showCmd))
        return FALSE;
    oRect = rect;
    oFlags = flags;
    oShowCmd = showCmd;
    return TRUE;
}

BOOL CGTWorkspace::StoreWindowPlacement(const CRect& iRect, int iFlags, int iShowCmd)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    return registry.CreateKey(GetRegSectionPath(placementKey)) && registry.WriteRect(L"MainWindowRect", iRect) &&
        registry.WriteInt(L"Flags", iFlags) && registry.WriteInt(L"ShowCmd", iShowCmd);
}

BOOL CGTWorkspace::ReloadWindowPlacement(CFrameWnd* iFrame)
{
    if (CWinApp* app = AfxGetApp()) {
        CCommandLineInfo commandLine;
        app->ParseCommandLine(commandLine);
        if (commandLine.m_bRunEmbedded || commandLine.m_bRunAutomated)
            return FALSE;
    }
    CRect rect;
    int flags = 0;
    int showCmd = SW_SHOWNORMAL;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (iFrame == nullptr || !LoadWindowPlacement(rect, flags, showCmd) || !iFrame->GetWindowPlacement(&placement))
        return FALSE;
    const CRect area = GetWorkArea();
    rect.OffsetRect(-area.left, -area.top);
    placement.rcNormalPosition = rect;
    placement.showCmd = showCmd;
    return iFrame->SetWindowPlacement(&placement);
}
