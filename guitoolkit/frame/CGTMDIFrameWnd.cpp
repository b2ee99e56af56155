#include <guitoolkit/frame/CGTMDIFrameWnd.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/frame/CGTMDIChildWnd.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <afxole.h>
#include <afxpriv.h>

IMPLEMENT_DYNCREATE(CGTMDIFrameWnd, CMDIFrameWnd)

namespace {
const UINT firstWindowCommand = 0xE130;
const UINT lastWindowCommand = 0xE13F;
const UINT firstChildCommand = 0xFF00;
const DWORD checkedStyle = 0x10000;
}  // namespace

CGTMDIFrameWnd::CGTMDIFrameWnd()
    : m_Impl(this), m_WindowMenuPopup(nullptr), m_SubclassClient(TRUE), m_Closing(FALSE), m_Minimized(FALSE),
      m_WasMaximized(FALSE), m_InRecalcLayout(FALSE), m_TabsFrameId(0), m_PrintPreviewChild(nullptr)
{
}

CGTMDIFrameWnd::~CGTMDIFrameWnd() = default;

BOOL CGTMDIFrameWnd::PreCreateWindow(CREATESTRUCT& ioCreate)
{
    m_Impl.SetDockManager(&m_DockManager);
    m_Impl.ApplySavedPlacement(ioCreate);
    return CMDIFrameWnd::PreCreateWindow(ioCreate);
}

BOOL CGTMDIFrameWnd::LoadFrame(UINT iResourceId, DWORD iStyle, CWnd* iParent, CCreateContext* iContext)
{
    m_Impl.SetResourceId(iResourceId);
    m_Impl.LoadLargeIconsOption();
    if (!CMDIFrameWnd::LoadFrame(iResourceId, iStyle, iParent, iContext))
        return FALSE;
    m_Impl.NotifyWorkspaceOfLoad();
    if (CGTMenuBar* menuBar = m_Impl.GetMenuBar())
        m_hMenuDefault = menuBar->GetDefaultMenu();
    return TRUE;
}

BOOL CGTMDIFrameWnd::OnCreateClient(LPCREATESTRUCT iCreate, CCreateContext* iContext)
{
    if (!CMDIFrameWnd::OnCreateClient(iCreate, iContext))
        return FALSE;
    return !m_SubclassClient || m_ClientArea.SubclassWindow(m_hWndMDIClient);
}

BOOL CGTMDIFrameWnd::OnCommand(WPARAM iWParam, LPARAM iLParam)
{
    if (HIWORD(iWParam) == 1 && m_Impl.HandleAcceleratorCommand(LOWORD(iWParam)))
        return TRUE;
    if (CGTToolBar::IsCustomizeMode())
        return FALSE;
    return CMDIFrameWnd::OnCommand(iWParam, iLParam);
}

BOOL CGTMDIFrameWnd::OnCmdMsg(UINT iId, int iCode, void* iExtra, AFX_CMDHANDLERINFO* iHandlerInfo)
{
    return CMDIFrameWnd::OnCmdMsg(iId, iCode, iExtra, iHandlerInfo) ||
        m_DockManager.RouteBarCommand(iId, iCode, iExtra, iHandlerInfo);
}

BOOL CGTMDIFrameWnd::PreTranslateMessage(MSG* ioMessage)
{
    return m_Impl.FilterFrameMessage(*ioMessage) || CMDIFrameWnd::PreTranslateMessage(ioMessage);
}

void CGTMDIFrameWnd::AdjustDockingLayout(HDWP iDefer)
{
    if (m_DockManager.AreUpdatesLocked() || m_Minimized)
        return;
    m_DockManager.RecalcLayout(iDefer);
    AdjustClientArea();
    if (CGTDockManager::s_bLayoutSuspended)
        RecalcLayout();
}

void CGTMDIFrameWnd::AdjustClientArea()
{
    if (m_ClientArea.GetSafeHwnd() == nullptr)
        return;
    CRect area;
    m_DockManager.GetClientAreaBounds(area);
    // A dock manager without bars leaves the whole client.
    if (area.IsRectEmpty())
        GetClientRect(area);
    m_ClientArea.CalcWindowRect(area);
}

void CGTMDIFrameWnd::RecalcLayout(BOOL iNotify)
{
    if (m_InRecalcLayout || m_Minimized)
        return;
    m_InRecalcLayout = TRUE;
    if (m_DockManager.IsPrintPreviewMode() || CGTDockManager::s_bLayoutSuspended)
        CMDIFrameWnd::RecalcLayout(iNotify);
    else
        m_DockManager.RecalcLayout();
    AdjustClientArea();
    m_InRecalcLayout = FALSE;
}

BOOL CGTMDIFrameWnd::NegotiateBorderSpace(UINT iBorderCmd, LPRECT ioRect)
{
    return m_Impl.NegotiateBorderSpace(iBorderCmd, ioRect);
}

void CGTMDIFrameWnd::OnSetPreviewMode(BOOL iPreview, CPrintPreviewState* ioState)
{
    CGTTabWnd& tabs = m_ClientArea.GetSingleTabs();
    if (m_ClientArea.IsMDITabsMode() && tabs.GetSafeHwnd() != nullptr) {
        tabs.ShowWindow(iPreview ? SW_HIDE : SW_SHOWNOACTIVATE);
        m_ClientArea.SetTabsShown(!iPreview);
    }
    m_DockManager.SetPrintPreviewMode(iPreview);
    const DWORD bars = ioState->dwStates;
    CMDIFrameWnd::OnSetPreviewMode(iPreview, ioState);
    ioState->dwStates = bars;
    AdjustDockingLayout();
    RecalcLayout();
}

void CGTMDIFrameWnd::OnUpdateFrameMenu(HMENU iMenuAlt)
{
    CMDIFrameWnd::OnUpdateFrameMenu(iMenuAlt);
    CGTMenuBar* menuBar = m_Impl.GetMenuBar();
    if (menuBar == nullptr || menuBar->GetSafeHwnd() == nullptr || !menuBar->IsVisible())
        return;
    COleClientItem* item = nullptr;
    if (CMDIChildWnd* child = MDIGetActive())
        if (auto* document = DYNAMIC_DOWNCAST(COleDocument, child->GetActiveDocument()))
            item = document->GetInPlaceActiveItem(child);
    ::SetMenu(m_hWnd, item != nullptr ? iMenuAlt : nullptr);
}

HMENU CGTMDIFrameWnd::GetWindowMenuPopup(HMENU iMenuBar)
{
    m_WindowMenuPopup = CMDIFrameWnd::GetWindowMenuPopup(iMenuBar);
    return m_WindowMenuPopup;
}

void CGTMDIFrameWnd::RefreshWindowMenuPopup()
{
    if (CGTMenuBar* menuBar = m_Impl.GetMenuBar())
        GetWindowMenuPopup(menuBar->GetCurrentMenu());
}

BOOL CGTMDIFrameWnd::ShowMenuInMenuBar(HMENU iMenu)
{
    CGTMenuBar* menuBar = m_Impl.GetMenuBar();
    if (menuBar == nullptr || menuBar->GetSafeHwnd() == nullptr)
        return FALSE;
    if (CMDIChildWnd* child = MDIGetActive())
        if (auto* document = DYNAMIC_DOWNCAST(COleDocument, child->GetActiveDocument()))
            if (document->GetInPlaceActiveItem(child) != nullptr)
                return FALSE;
    ::SetMenu(m_hWnd, nullptr);
    menuBar->CreateFromMenu(iMenu != nullptr ? iMenu : menuBar->GetDefaultMenu(), iMenu == nullptr);
    return TRUE;
}

CWnd* CGTMDIFrameWnd::OpenAnotherDocumentWindow(const CString&, CObject*)
{
    OnWindowNew();
    return DYNAMIC_DOWNCAST(CGTMDIChildWnd, MDIGetActive());
}

BOOL CGTMDIFrameWnd::LoadTabsLayout(LPCWSTR iProfile)
{
    return m_ClientArea.LoadMDITabsState(iProfile, m_TabsFrameId);
}

BOOL CGTMDIFrameWnd::SaveTabsLayout(LPCWSTR iProfile)
{
    return m_ClientArea.SaveMDITabsState(iProfile, m_TabsFrameId);
}

// --- Docking ---

void CGTMDIFrameWnd::OnMoveMiniFrame(CGTMiniFrameWnd* iFrame)
{
    m_DockManager.ProcessFloatingFrameMove(iFrame);
}

void CGTMDIFrameWnd::ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate)
{
    iBar->ShowBar(iShow, iDelay, iActivate);
}

void CGTMDIFrameWnd::RemoveTearOffBar(CGTBaseControlBar* iBar)
{
    m_Impl.RemoveTearOffControlBar(iBar);
}

void CGTMDIFrameWnd::ShowAllBars(BOOL iShow)
{
    m_DockManager.ShowAllBars(iShow);
    AdjustDockingLayout();
}

BOOL CGTMDIFrameWnd::AddBar(CGTBaseControlBar* iBar, BOOL iTail)
{
    return m_DockManager.AddBar(iBar, iTail);
}

void CGTMDIFrameWnd::DockBar(CGTBaseControlBar* iBar, UINT iDockBarId, LPCRECT iRect)
{
    m_DockManager.DockBar(iBar, iDockBarId, iRect);
}

BOOL CGTMDIFrameWnd::CreateDockBars(DWORD iSides)
{
    return m_DockManager.CreateDockBars(iSides);
}

CGTBaseControlBar* CGTMDIFrameWnd::FindBarById(UINT iId)
{
    return m_DockManager.FindBarById(iId, TRUE);
}

// --- The toolbars' hooks ---

BOOL CGTMDIFrameWnd::OnShowPopupMenu(CGTPopupMenu* iPopup)
{
    if (!m_Impl.OnShowPopupMenu(iPopup))
        return FALSE;
    if (iPopup == nullptr)
        return TRUE;
    if (!CGTToolBar::IsCustomizeMode() && m_WindowMenuPopup != nullptr)
        AddWindowList(*iPopup);
    CGTFrameImpl::NotifyPopupMenuShown(iPopup);
    return TRUE;
}

void CGTMDIFrameWnd::AddWindowList(CGTPopupMenu& ioPopup)
{
    CGTPopupMenuBar* bar = ioPopup.GetMenuBar();
    BOOL windowMenu = FALSE;
    for (int i = 0; i < bar->GetButtonCount() && !windowMenu; ++i) {
        const UINT command = bar->GetItemID(i);
        windowMenu = command >= firstWindowCommand && command <= lastWindowCommand;
    }
    if (!windowMenu)
        return;
    BOOL first = TRUE;
    for (int i = 0; i < ::GetMenuItemCount(m_WindowMenuPopup); ++i) {
        const UINT command = ::GetMenuItemID(m_WindowMenuPopup, i);
        if (command < firstChildCommand || command == static_cast<UINT>(-1))
            continue;
        if (first) {
            ioPopup.InsertSeparator();
            ::SendMessageW(m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
            first = FALSE;
        }
        wchar_t text[256] = L"";
        ::GetMenuStringW(m_WindowMenuPopup, i, text, 256, MF_BYPOSITION);
        CGTToolbarMenuButton button(command, nullptr, -1, text);
        if ((::GetMenuState(m_WindowMenuPopup, i, MF_BYPOSITION) & MF_CHECKED) != 0)
            button.SetStyle(button.GetStyle() | checkedStyle);
        ioPopup.InsertItem(button);
    }
}

void CGTMDIFrameWnd::OnPopupMenuClosed(CGTPopupMenu* iPopup)
{
    m_Impl.OnPopupMenuClosed(iPopup);
}

CGTToolBar* CGTMDIFrameWnd::FindTearOffBar(UINT iTearOffId)
{
    return m_Impl.FindTearOffBar(iTearOffId);
}

BOOL CGTMDIFrameWnd::IsUserDefinedToolbar(const CGTToolBar* iBar)
{
    return m_Impl.IsUserToolbar(iBar);
}

void CGTMDIFrameWnd::SetMenuBar(CGTMenuBar* iBar)
{
    m_Impl.SetMenuBar(iBar);
}

CGTMenuBar* CGTMDIFrameWnd::GetMenuBar() const
{
    return m_Impl.GetMenuBar();
}
