#include <guitoolkit/frame/CGTMDIChildWnd.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/frame/CGTFrameImpl.h>
#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/frame/CGTMDIFrameWnd.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <afxpriv.h>

IMPLEMENT_DYNCREATE(CGTMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CGTMDIChildWnd, CMDIChildWnd)
    ON_WM_CREATE()
    ON_WM_MDIACTIVATE()
    ON_WM_SIZE()
    ON_WM_SIZING()
    ON_WM_DESTROY()
    ON_WM_GETMINMAXINFO()
    ON_MESSAGE(WM_SETTEXT, &CGTMDIChildWnd::OnSetText)
    ON_MESSAGE(WM_SETICON, &CGTMDIChildWnd::OnSetIcon)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CGTMDIChildWnd::OnIdleUpdateCmdUI)
    ON_WM_STYLECHANGED()
END_MESSAGE_MAP()

namespace {
// Activation of one child activates another through the client area: one at a time.
BOOL activating = FALSE;
const UINT topDockBar = 0xE81B;
}  // namespace

CGTMDIChildWnd::CGTMDIChildWnd()
    : m_MDIFrame(nullptr), m_TabGroup(nullptr), m_BeingDestroyed(FALSE), m_Minimized(FALSE), m_WasMaximized(FALSE),
      m_RestoreRect(0, 0, 0, 0)
{
}

CGTMDIChildWnd::~CGTMDIChildWnd() = default;

CGTMainClientAreaWnd* CGTMDIChildWnd::GetClientArea() const
{
    return m_MDIFrame != nullptr ? &m_MDIFrame->GetClientArea() : nullptr;
}

BOOL CGTMDIChildWnd::InTabGroups() const
{
    return GetClientArea() != nullptr && GetClientArea()->IsTabGroupsMode();
}

BOOL CGTMDIChildWnd::PreCreateWindow(CREATESTRUCT& ioCreate)
{
    m_DockManager.SetOwnerFrame(this);
    return CMDIChildWnd::PreCreateWindow(ioCreate);
}

void CGTMDIChildWnd::CoverClientArea()
{
    CRect client;
    ::GetClientRect(::GetParent(m_hWnd), client);
    ::AdjustWindowRectEx(client, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, client.left, client.top, client.Width(), client.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

int CGTMDIChildWnd::OnCreate(LPCREATESTRUCT iCreate)
{
    m_MDIFrame = DYNAMIC_DOWNCAST(CGTMDIFrameWnd, GetMDIFrame());
    if ((iCreate->style & WS_SYSMENU) == 0) {
        CWnd* client = GetParent();
        client->SetRedraw(FALSE);
        m_RestoreRect = CRect(CPoint(iCreate->x, iCreate->y), CSize(iCreate->cx, iCreate->cy));
        if (!InTabGroups())
            CoverClientArea();
        client->SetRedraw(TRUE);
    }
    return CMDIChildWnd::OnCreate(iCreate);
}

void CGTMDIChildWnd::OnMDIActivate(BOOL iActivate, CWnd* iActivated, CWnd* iDeactivated)
{
    m_DockManager.ShowFloatingWindows(iActivate);
    if (activating)
        return;
    activating = TRUE;
    CMDIChildWnd::OnMDIActivate(iActivate, iActivated, iDeactivated);
    activating = FALSE;
    if (iActivate && iActivated == this && GetClientArea() != nullptr)
        GetClientArea()->ActivateChildTab(m_hWnd);
}

void CGTMDIChildWnd::OnSize(UINT iType, int iWidth, int iHeight)
{
    if (m_BeingDestroyed)
        return;
    m_Minimized = iType == SIZE_MINIMIZED;
    CMDIChildWnd::OnSize(iType, iWidth, iHeight);
    if (iType == SIZE_MAXIMIZED || m_WasMaximized)
        RecalcLayout();
    else
        AdjustDockingLayout();
    m_WasMaximized = iType == SIZE_MAXIMIZED;
}

void CGTMDIChildWnd::OnSizing(UINT iSide, LPRECT ioRect)
{
    const CRect before = ioRect;
    Default();
    if (CRect(ioRect).Size() != before.Size())
        AdjustDockingLayout();
}

void CGTMDIChildWnd::OnDestroy()
{
    CGTFrameImpl::DestroyChildWindows(m_hWnd);
    m_TabGroup = nullptr;
    CMDIChildWnd::OnDestroy();
}

void CGTMDIChildWnd::OnGetMinMaxInfo(MINMAXINFO* ioInfo)
{
    CGTMainClientAreaWnd* area = GetClientArea();
    if (m_MDIFrame != nullptr && m_MDIFrame->GetFrameImpl().IsFullScreen() && !area->IsMDITabsMode() &&
        !area->IsTabGroupsMode())
        m_MDIFrame->GetFrameImpl().GetFullScreen().OnGetMinMaxInfo(ioInfo);
    else
        CMDIChildWnd::OnGetMinMaxInfo(ioInfo);
}

LRESULT CGTMDIChildWnd::OnSetText(WPARAM iWParam, LPARAM iLParam)
{
    const LRESULT result = Default();
    if (GetClientArea() != nullptr)
        GetClientArea()->SyncSingleTabs(TRUE);
    return result;
}

LRESULT CGTMDIChildWnd::OnSetIcon(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    if (GetClientArea() != nullptr)
        GetClientArea()->SyncSingleTabs(FALSE);
    return result;
}

LRESULT CGTMDIChildWnd::OnIdleUpdateCmdUI(WPARAM iWParam, LPARAM iLParam)
{
    m_DockManager.SendMessageToMiniFrames(WM_IDLEUPDATECMDUI, iWParam, iLParam);
    CMDIChildWnd::OnIdleUpdateCmdUI();
    return 0;
}

void CGTMDIChildWnd::OnStyleChanged(int iStyleType, LPSTYLESTRUCT iStyle)
{
    CMDIChildWnd::OnStyleChanged(iStyleType, iStyle);
    if (iStyleType != GWL_STYLE || ((iStyle->styleOld ^ iStyle->styleNew) & WS_MAXIMIZE) == 0)
        return;
    CWnd* client = GetParent();
    if ((iStyle->styleNew & WS_MAXIMIZE) != 0) {
        if ((iStyle->styleOld & (WS_MINIMIZE | WS_MAXIMIZE)) == 0) {
            GetWindowRect(m_RestoreRect);
            client->ScreenToClient(m_RestoreRect);
        }
        client->ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED);
        if (!InTabGroups())
            CoverClientArea();
    } else if (!InTabGroups()) {
        client->ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
        if (!m_RestoreRect.IsRectEmpty())
            MoveWindow(m_RestoreRect);
    }
}

BOOL CGTMDIChildWnd::PreTranslateMessage(MSG* ioMessage)
{
    if (ioMessage->message >= WM_KEYFIRST && ioMessage->message <= WM_KEYLAST &&
        CGTPopupMenu::GetActiveMenu() != nullptr)
        return FALSE;
    if (ioMessage->message == WM_KEYDOWN && ioMessage->wParam == VK_ESCAPE && m_TabGroup != nullptr &&
        CWnd::GetCapture() == m_TabGroup)
        m_TabGroup->PostMessage(WM_CANCELMODE);
    return CMDIChildWnd::PreTranslateMessage(ioMessage);
}

void CGTMDIChildWnd::ActivateFrame(int iShowCommand)
{
    if ((GetStyle() & WS_SYSMENU) == 0)
        iShowCommand = SW_SHOWMAXIMIZED;
    if (InTabGroups())
        iShowCommand = SW_SHOWNORMAL;
    CMDIChildWnd::ActivateFrame(iShowCommand);
}

void CGTMDIChildWnd::OnUpdateFrameTitle(BOOL iAddToTitle)
{
    CMDIChildWnd::OnUpdateFrameTitle(iAddToTitle);
    if (GetClientArea() != nullptr)
        GetClientArea()->SyncSingleTabs(FALSE);
}

void CGTMDIChildWnd::AdjustDockingLayout(HDWP iDefer)
{
    if (!m_DockManager.AreUpdatesLocked())
        m_DockManager.RecalcLayout(iDefer);
}

void CGTMDIChildWnd::RecalcLayout(BOOL)
{
    m_DockManager.RecalcLayout();
    CWnd* view = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (view == nullptr)
        return;
    view->ModifyStyle(
        0, view->IsKindOf(RUNTIME_CLASS(CSplitterWnd)) ? WS_CLIPSIBLINGS : WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    if (CGTDockManager::s_bLayoutSuspended)
        return;
    CRect area;
    m_DockManager.GetClientAreaBounds(area);
    // A dock manager without bars leaves the whole client.
    if (area.IsRectEmpty())
        GetClientRect(area);
    view->SetWindowPos(&wndBottom, area.left, area.top, area.Width(), area.Height(), SWP_NOACTIVATE);
}

void CGTMDIChildWnd::OnSetPreviewMode(BOOL iPreview, CPrintPreviewState* ioState)
{
    if (auto* main = DYNAMIC_DOWNCAST(CGTMDIFrameWnd, AfxGetMainWnd()))
        main->SetPrintPreviewChild(iPreview ? this : nullptr);
    CMDIChildWnd::OnSetPreviewMode(iPreview, ioState);
}

void CGTMDIChildWnd::OnMoveMiniFrame(CGTMiniFrameWnd* iFrame)
{
    m_DockManager.ProcessFloatingFrameMove(iFrame);
}

void CGTMDIChildWnd::ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate)
{
    iBar->ShowBar(iShow, iDelay, iActivate);
}

BOOL CGTMDIChildWnd::AddBar(CGTBaseControlBar* iBar, BOOL iTail)
{
    return m_DockManager.AddBar(iBar, iTail);
}

void CGTMDIChildWnd::DockBar(CGTBaseControlBar* iBar)
{
    if (iBar->CanFloat() || iBar->CanDockWithoutFloating())
        m_DockManager.DockBar(iBar, topDockBar);
    else
        m_DockManager.AddBar(iBar);
}

CString CGTMDIChildWnd::GetChildTitle() const
{
    CString title;
    GetWindowText(title);
    return title;
}

HICON CGTMDIChildWnd::GetChildIcon() const
{
    auto icon = reinterpret_cast<HICON>(::SendMessageW(m_hWnd, WM_GETICON, ICON_SMALL, 0));
    return icon != nullptr ? icon : reinterpret_cast<HICON>(::GetClassLongPtrW(m_hWnd, GCLP_HICONSM));
}

CString CGTMDIChildWnd::GetStateDocumentName(CObject*& oObject) const
{
    oObject = nullptr;
    CDocument* document = const_cast<CGTMDIChildWnd*>(this)->GetActiveDocument();
    return document != nullptr ? document->GetPathName() : CString();
}
