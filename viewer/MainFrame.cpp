#include "MainFrame.h"

#include "ApplicationLook.h"
#include "CZVViewerDoc.h"
#include "ServerBusyGuard.h"
#include "ViewerResources.h"

#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/GTDockingConstants.h>

IMPLEMENT_DYNCREATE(CMainFrame, CGTFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CGTFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_COMMAND(ID_VIEW_CUSTOMIZE, &CMainFrame::OnCustomizeCommand)
    ON_REGISTERED_MESSAGE(GTTOOLBAR_RESETTOOLBAR, &CMainFrame::OnResetToolbar)
    ON_REGISTERED_MESSAGE(GTTOOLBAR_POPUPMENU, &CMainFrame::OnToolbarMenuRequest)
    ON_REGISTERED_MESSAGE(GTTOOLBAR_CUSTOMIZEHELP, &CMainFrame::OnCustomizeHelp)
    ON_REGISTERED_MESSAGE(GTM_ON_CHANGING_ACTIVE_TAB, &CMainFrame::OnChangingActiveTab)
    ON_REGISTERED_MESSAGE(GTM_ONCHANGE_ACTIVE_TAB, &CMainFrame::OnChangeActiveTab)
    ON_COMMAND_EX_RANGE(ID_VIEW_USER_TOOLBAR1, ID_VIEW_USER_TOOLBAR10, &CMainFrame::OnToggleUserToolbar)
    ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_USER_TOOLBAR1, ID_VIEW_USER_TOOLBAR10, &CMainFrame::OnUpdateUserToolbar)
    ON_COMMAND_EX(ID_VIEW_USERS_TREE, &CMainFrame::OnToggleTreeBar)
    ON_COMMAND_EX(ID_VIEW_COMPUTERS_TREE, &CMainFrame::OnToggleTreeBar)
    ON_COMMAND_EX(ID_VIEW_APPLICATIONS_TREE, &CMainFrame::OnToggleTreeBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_USERS_TREE, &CMainFrame::OnUpdateTreeBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_COMPUTERS_TREE, &CMainFrame::OnUpdateTreeBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_APPLICATIONS_TREE, &CMainFrame::OnUpdateTreeBar)
    ON_COMMAND_RANGE(kFirstLook, kLastLook, &CMainFrame::OnApplicationLook)
    ON_UPDATE_COMMAND_UI_RANGE(kFirstLook, kLastLook, &CMainFrame::OnUpdateApplicationLook)
    ON_COMMAND(ID_VIEW_REFRESH, &CMainFrame::OnRefresh)
    ON_COMMAND(ID_VIEW_OPTIONS, &CMainFrame::OnOptions)
END_MESSAGE_MAP()

namespace {

// The commands a personalised menu always shows. 59649 and 59650 are the toolkit's own.
const UINT kCoreCommands[] = {ID_VIEW_TOOLBARS,
                              ID_FILE_OPEN,
                              ID_FILE_SAVE,
                              ID_FILE_PRINT,
                              ID_APP_EXIT,
                              ID_EDIT_CUT,
                              ID_EDIT_PASTE,
                              ID_EDIT_UNDO,
                              59650,
                              59649,
                              ID_APP_ABOUT,
                              ID_VIEW_TOOLBAR,
                              ID_VIEW_CUSTOMIZE,
                              ID_WINDOW_TILE_HORZ,
                              ID_VIEW_APPLOOK_WIN_2000,
                              ID_VIEW_APPLOOK_OFF_XP,
                              ID_VIEW_APPLOOK_OFF_2003,
                              ID_VIEW_APPLOOK_VS_2005,
                              ID_VIEW_APPLOOK_WIN_XP};
const UINT kMenuBarId = 59398;
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
const DWORD kTreeBarStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_LEFT | CBRS_FLOAT_MULTI;

// Only one tab change is handled at a time: showing a report may change tabs again.
bool g_ChangingTab = false;

}  // namespace

CMainFrame::CMainFrame()
    : m_ReportView(nullptr), m_PreviousBarId(static_cast<UINT>(-1)), m_ActiveBarId(0), m_Look(ReadApplicationLook())
{
}

CMainFrame::~CMainFrame() = default;

int CMainFrame::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTFrameWnd::OnCreate(iCreate) == -1)
        return -1;
    // The new document connects and fills the trees before the template makes this frame
    // the main window; the trees are found through the main window.
    CWinApp* app = AfxGetApp();
    if (app && !app->m_pMainWnd)
        app->m_pMainWnd = this;
    OnApplicationLook(m_Look);
    CGTToolBar::s_AltDragAllowed = TRUE;
    CList<UINT, UINT> core;
    for (UINT command : kCoreCommands)
        core.AddTail(command);
    CGTToolBar::SetCoreCommands(core);
    if (!CreateBars())
        return -1;
    if (!CreateWorkSpaceBars())
        return 0;
    m_ToolBar.SetWindowText(CString(MAKEINTRESOURCEW(IDS_TOOLBAR_STANDARD)));
    DockBars();
    return 0;
}

BOOL CMainFrame::CreateBars()
{
    if (!m_MenuBar.Create(this, 0x50402808, kMenuBarId))
        return FALSE;
    m_MenuBar.SetBarStyle(m_MenuBar.GetBarStyle() | CBRS_TOOLTIPS);
    CClientDC screen(nullptr);
    const BOOL manyColours = screen.GetDeviceCaps(BITSPIXEL) > 8;
    if (!m_ToolBar.CreateEx(this, TBSTYLE_FLAT, 0x50402834, CRect(1, 1, 1, 1), AFX_IDW_TOOLBAR) ||
        !m_ToolBar.LoadToolBar(IDR_MAINFRAME, manyColours ? IDB_TOOLBAR_COLD : 0, 0, TRUE, 0, 0,
                               manyColours ? IDB_TOOLBAR_HOT : 0))
        return FALSE;
    return m_StatusBar.Create(this, 0x50008200, AFX_IDW_STATUS_BAR) &&
        m_StatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators)));
}

// A bar that cannot be created leaves the frame without it and the rest; the frame still opens.
BOOL CMainFrame::CreateWorkSpaceBars()
{
    const struct {
        CWorkSpaceBar& Bar;
        UINT Id;
        UINT Title;
        UINT Icon;
    } bars[] = {{m_UsersBar, kUsersBarId, IDS_USERS_BAR, IDI_USERS_BAR},
                {m_ComputersBar, kComputersBarId, IDS_COMPUTERS_BAR, IDI_COMPUTERS_BAR},
                {m_ApplicationsBar, kApplicationsBarId, IDS_APPLICATIONS_BAR, IDI_APPLICATIONS_BAR}};
    for (const auto& bar : bars) {
        if (!bar.Bar.Create(CString(MAKEINTRESOURCEW(bar.Title)), this, CRect(0, 0, 200, 200), TRUE, bar.Id,
                            kTreeBarStyle, 0x20, GTBehaviourAll))
            return FALSE;
        m_Bars[bar.Id] = &bar.Bar;
        m_ActiveBarId = bar.Id;
        HICON icon = static_cast<HICON>(
            LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(bar.Icon), IMAGE_ICON, 16, 16, LR_SHARED));
        bar.Bar.SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    return TRUE;
}

void CMainFrame::DockBars()
{
    m_MenuBar.EnableDocking(CBRS_ALIGN_ANY);
    m_ToolBar.EnableDocking(CBRS_ALIGN_ANY);
    for (auto& bar : m_Bars)
        bar.second->EnableDocking(CBRS_ALIGN_ANY);
    CreateDockBars(GTSideAny);
    CreateAutoHideDockBars(GTSideAny);
    DockBar(&m_MenuBar);
    DockBar(&m_ToolBar);
    // The dock manager docks a resizable bar only on a side named by its dock bar id.
    DockBar(&m_UsersBar, GTDockBarLeftId);
    CGTDockingControlBar* tabbed = m_ComputersBar.AttachToTabWnd(&m_UsersBar, GTDockAsTab);
    if (tabbed)
        m_ApplicationsBar.AttachToTabWnd(tabbed, GTDockAsTab);
}

void CMainFrame::OnClose()
{
    if (!RefuseWhileServerBusy())
        CGTFrameWnd::OnClose();
}

void CMainFrame::OnDestroy()
{
    ClearTrees();
    CGTFrameWnd::OnDestroy();
}

void CMainFrame::OnUpdateFrameTitle(BOOL)
{
    SetWindowText(CString(MAKEINTRESOURCEW(AFX_IDS_APP_TITLE)));
}

CWorkSpaceBar* CMainFrame::FindWorkSpaceBar(UINT iId) const
{
    if (!GetSafeHwnd())
        return nullptr;
    const auto found = m_Bars.find(iId);
    return found != m_Bars.end() ? found->second : nullptr;
}

CTreeCtrl* CMainFrame::GetViewerTree(ViewerTree iTree)
{
    const UINT ids[] = {kUsersBarId, kComputersBarId, kApplicationsBarId};
    CWorkSpaceBar* bar = FindWorkSpaceBar(ids[static_cast<int>(iTree)]);
    return bar ? &bar->GetTree() : nullptr;
}

void CMainFrame::ReloadTrees()
{
    for (CWorkSpaceBar* bar :
         {FindWorkSpaceBar(kUsersBarId), FindWorkSpaceBar(kComputersBarId), FindWorkSpaceBar(kApplicationsBarId)})
        if (bar)
            bar->ReloadTree();
}

void CMainFrame::ClearTrees()
{
    for (CWorkSpaceBar* bar :
         {FindWorkSpaceBar(kComputersBarId), FindWorkSpaceBar(kUsersBarId), FindWorkSpaceBar(kApplicationsBarId)})
        if (bar && bar->GetTree().GetSafeHwnd())
            bar->ClearTree();
}

CTreeReports* CMainFrame::GetActiveTreeReports()
{
    CWorkSpaceBar* bar = GetActiveWorkSpaceBar();
    return bar ? &bar->GetReports() : nullptr;
}

void CMainFrame::SelectFirstItem()
{
    if (CTreeReports* reports = GetActiveTreeReports())
        reports->SelectFirstItem();
}

void CMainFrame::SelectChildById(ULONG iId)
{
    if (CTreeReports* reports = GetActiveTreeReports())
        reports->SelectChildById(iId);
}

void CMainFrame::RefreshCurrentReport()
{
    if (CTreeReports* reports = GetActiveTreeReports())
        reports->RefreshCurrentReport();
}

// Another tab releases the current report, which may be the one a server call is building.
LRESULT CMainFrame::OnChangingActiveTab(WPARAM, LPARAM)
{
    return RefuseWhileServerBusy() ? 1 : 0;
}

LRESULT CMainFrame::OnChangeActiveTab(WPARAM, LPARAM iLParam)
{
    CGTBaseTabWnd* tabs = reinterpret_cast<CGTBaseTabWnd*>(iLParam);
    if (!tabs || !m_UsersBar.GetSafeHwnd() || m_UsersBar.GetParent() != tabs)
        return 1;
    const int active = tabs->GetActiveTab();
    CWorkSpaceBar* bar = active >= 0 ? dynamic_cast<CWorkSpaceBar*>(tabs->GetTabWnd(active)) : nullptr;
    if (!bar)
        return 0;
    const UINT id = bar->GetDlgCtrlID();
    if (id == m_PreviousBarId || g_ChangingTab)
        return 0;
    g_ChangingTab = true;
    if (CWorkSpaceBar* previous = FindWorkSpaceBar(m_PreviousBarId))
        previous->ReleaseCurrentReport();
    m_PreviousBarId = m_ActiveBarId = id;
    bar->ShowSelectedReport();
    g_ChangingTab = false;
    return 0;
}

void CMainFrame::OnRefresh()
{
    if (RefuseWhileServerBusy())
        return;
    if (CWorkSpaceBar* bar = GetActiveWorkSpaceBar())
        bar->ResetTree();
}
