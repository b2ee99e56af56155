// Frames of several documents: the MDI frame with its client window, and its child frames.
#include "afxstate.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

// Shows hMenu in the frame, the children listed in its window popup.
static void ShowFrameMenu(CMDIFrameWnd* pFrame, HMENU hMenu)
{
    ::SendMessageW(pFrame->m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hMenu, (LPARAM)pFrame->GetWindowMenuPopup(hMenu));
    ::DrawMenuBar(pFrame->m_hWnd);
}

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_CLOSE()
    ON_COMMAND(ID_WINDOW_NEW, &CMDIFrameWnd::OnWindowNew)
    ON_COMMAND_EX(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_NEW, ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(nullptr) {}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    return CreateClient(lpcs, CMenu::FromHandle(GetWindowMenuPopup(m_hMenuDefault)));
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs = {pWindowMenu->GetSafeHmenu(), AFX_IDM_FIRST_MDICHILD};
    // The client is the frame's pane: the layout gives it the room the bars leave.
    m_hWndMDIClient = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL | MDIS_ALLCHILDSTYLES, 0, 0,
        0, 0, m_hWnd, (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, AfxGetInstanceHandle(), &ccs);
    return m_hWndMDIClient != nullptr;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == nullptr)
        return nullptr;
    // The Window menu comes last as a rule: the search starts there.
    for (int nPos = ::GetMenuItemCount(hMenuBar) - 1; nPos >= 0; nPos--) {
        HMENU hPopup = ::GetSubMenu(hMenuBar, nPos);
        for (int nItem = 0, nCount = ::GetMenuItemCount(hPopup); hPopup != nullptr && nItem < nCount; nItem++) {
            UINT nID = ::GetMenuItemID(hPopup, nItem);
            if (nID >= AFX_IDM_WINDOW_FIRST && nID <= AFX_IDM_WINDOW_LAST)
                return hPopup;
        }
    }
    return nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hWnd = m_hWndMDIClient != nullptr
        ? (HWND)::SendMessageW(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized)
        : nullptr;
    CMDIChildWnd* pChild = DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(hWnd));
    if (pbMaximized != nullptr)
        *pbMaximized = pChild != nullptr && bMaximized;
    return pChild;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessageW(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd(), 0);
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    HMENU hOld = (HMENU)::SendMessageW(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)pFrameMenu->GetSafeHmenu(),
                                       (LPARAM)pWindowMenu->GetSafeHmenu());
    return CMenu::FromHandle(hOld);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild != nullptr ? static_cast<CFrameWnd*>(pChild) : this;
}

CDocument* CMDIFrameWnd::GetActiveDocument()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild != nullptr ? pChild->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active child first (its view, its document, itself), then this frame and the application.
    if (CMDIChildWnd* pChild = MDIGetActive()) {
        HWND hWndChild = pChild->m_hWnd;
        pChild->m_bRoutedByParent = TRUE;
        BOOL bHandled = pChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
        if (CWnd::FromHandlePermanent(hWndChild) == pChild)  // a handler may have closed it
            pChild->m_bRoutedByParent = FALSE;
        if (bHandled)
            return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    // The active child's accelerators first, then the frame's, then the system's MDI keys.
    // A key inside the child has been through the child on the pump's walk already.
    CMDIChildWnd* pChild = MDIGetActive();
    BOOL bInChild = pChild != nullptr && (pMsg->hwnd == pChild->m_hWnd || ::IsChild(pChild->m_hWnd, pMsg->hwnd));
    if (pChild != nullptr && !bInChild && pChild->PreTranslateMessage(pMsg))
        return TRUE;
    HACCEL hAccel = GetDefaultAccelerator();
    if (hAccel != nullptr && ::TranslateAcceleratorW(m_hWnd, hAccel, pMsg))
        return TRUE;
    return (pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) &&
        ::TranslateMDISysAccel(m_hWndMDIClient, pMsg);
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcW(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (CMDIChildWnd* pChild = MDIGetActive())
        pChild->OnUpdateFrameMenu(TRUE, pChild, hMenuAlt);
    else
        ShowFrameMenu(this, hMenuAlt != nullptr ? hMenuAlt : m_hMenuDefault);
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    // The system shows a maximized child's title itself, as "frame - [child]".
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pChild = MDIGetActive(&bMaximized);
    CString strChild;
    if (bAddToTitle && pChild != nullptr && !bMaximized)
        pChild->GetWindowText(strChild);
    UpdateFrameTitleForDocument(strChild);
}

void CMDIFrameWnd::OnClose()
{
    // A child that shows a print preview ends it first; the frame stays.
    for (HWND hWnd = ::GetWindow(m_hWndMDIClient, GW_CHILD); hWnd != nullptr; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        CFrameWnd* pChild = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hWnd));
        if (pChild != nullptr && pChild->m_lpfnCloseProc != nullptr) {
            pChild->SendMessage(WM_CLOSE);
            return;
        }
    }
    CFrameWnd::OnClose();
}

void CMDIFrameWnd::OnWindowNew()
{
    CMDIChildWnd* pActive = MDIGetActive();
    CDocument* pDoc = pActive != nullptr ? pActive->GetActiveDocument() : nullptr;
    CDocTemplate* pTemplate = pDoc != nullptr ? pDoc->GetDocTemplate() : nullptr;
    if (pTemplate == nullptr)
        return;
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDoc, pActive);
    if (pFrame == nullptr) {
        AfxMessageBox(L"Failed to create another window of the document.", MB_ICONEXCLAMATION);
        return;
    }
    pTemplate->InitialUpdateFrame(pFrame, pDoc);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID) {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    default:
        return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != nullptr);
}

// --- Child frames ------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(nullptr) {}

BOOL CMDIChildWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == nullptr)
        pParentWnd = DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd());
    if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr) {
        PostNcDestroy();
        return FALSE;
    }
    pParentWnd->RecalcLayout();  // the child is placed in the client's final room
    CREATESTRUCTW cs = {};
    cs.lpCreateParams = pContext;
    cs.hInstance = AfxGetInstanceHandle();
    cs.hwndParent = pParentWnd->m_hWnd;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.style = (LONG)dwStyle;
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    m_strTitle = cs.lpszName;
    // Created hidden: ActivateFrame shows it as the active child is, maximized or not.
    MDICREATESTRUCTW mcs = {cs.lpszClass,
                            cs.lpszName,
                            cs.hInstance,
                            cs.x,
                            cs.y,
                            cs.cx,
                            cs.cy,
                            (DWORD)cs.style & ~(WS_VISIBLE | WS_MAXIMIZE),
                            (LPARAM)pContext};
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::SendMessageW(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();  // creation failed after the hook: the object is gone
    if (hWnd == nullptr)
        return FALSE;
    if (dwStyle & WS_VISIBLE)
        ActivateFrame((dwStyle & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : -1);
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    // Children of one kind share their template's menu and accelerators.
    CMultiDocTemplate* pTemplate =
        pContext != nullptr ? DYNAMIC_DOWNCAST(CMultiDocTemplate, pContext->m_pNewDocTemplate) : nullptr;
    if (pTemplate != nullptr) {
        m_hMenuShared = pTemplate->m_hMenuShared;
        m_hAccelTable = pTemplate->m_hAccelTable;
    }
    CString strFull, strTitle;
    if (strFull.LoadString(nIDResource))
        AfxExtractSubString(strTitle, strFull, CDocTemplate::docName);
    return Create(GetIconWndClass(dwDefaultStyle, nIDResource), strTitle, dwDefaultStyle | WS_CHILD, rectDefault,
                  DYNAMIC_DOWNCAST(CMDIFrameWnd, pParentWnd), pContext);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    // The context comes inside the MDI creation record.
    const MDICREATESTRUCTW* pMDICreate = (const MDICREATESTRUCTW*)lpcs->lpCreateParams;
    return OnCreateHelper(lpcs, pMDICreate != nullptr ? (CCreateContext*)pMDICreate->lParam : nullptr);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    return DYNAMIC_DOWNCAST(CMDIFrameWnd, GetParentFrame());
}

void CMDIChildWnd::MDIActivate()
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIDestroy()
{
    ::SendMessageW(::GetParent(m_hWnd), WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    MDIDestroy();  // may delete this
    return TRUE;
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcW(m_hWnd, message, wParam, lParam);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*)
{
    Default();
    // Becoming active shows this child's menu; the last child going, the frame's own.
    if (bActivate || pActivateWnd == nullptr)
        OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
    if (CView* pView = GetActiveView())
        pView->OnActivateView(bActivate, pView, pView);
    // The last child going leaves the frame's title without a document (it is still the
    // active child during this message).
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(bActivate || pActivateWnd != nullptr);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr)
        return;
    if (bActivate)
        ShowFrameMenu(pFrame,
                      hMenuAlt != nullptr ? hMenuAlt
                                          : (m_hMenuShared != nullptr ? m_hMenuShared : pFrame->m_hMenuDefault));
    else if (pActivateWnd == nullptr)
        ShowFrameMenu(pFrame, pFrame->m_hMenuDefault);
}

void CMDIChildWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != nullptr && pFrame->MDIGetActive() == this)
        OnUpdateFrameMenu(TRUE, this, hMenuAlt);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) && bAddToTitle) {
        CDocument* pDoc = GetActiveDocument();
        // The Window menu lists the children by their titles.
        if (SetTitleText(NumberedTitle(pDoc != nullptr ? (LPCWSTR)pDoc->GetTitle() : (LPCWSTR)m_strTitle)))
            ::SendMessageW(::GetParent(m_hWnd), WM_MDIREFRESHMENU, 0, 0);
    }
    if (CMDIFrameWnd* pFrame = GetMDIFrame())
        pFrame->OnUpdateFrameTitle(bAddToTitle);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActive = pFrame != nullptr ? pFrame->MDIGetActive(&bMaximized) : nullptr;
    BOOL bFirstShow = !IsWindowVisible();
    // A new child comes up as the active one is: maximized when it is.
    if (nCmdShow == -1 && bFirstShow && pActive != nullptr && pActive != this && bMaximized)
        nCmdShow = SW_SHOWMAXIMIZED;
    CFrameWnd::ActivateFrame(nCmdShow);
    if (pFrame == nullptr)
        return;
    pFrame->MDIActivate(this);
    if (bFirstShow) {
        ::SendMessageW(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
        pFrame->DrawMenuBar();
    }
}

CWnd* CMDIChildWnd::GetMessageBar()
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    return pFrame != nullptr ? pFrame->GetMessageBar() : CFrameWnd::GetMessageBar();
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // The accelerators send their commands to the main frame, which routes them to the
    // active child first.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    return pFrame != nullptr && m_hAccelTable != nullptr && pMsg->message >= WM_KEYFIRST &&
        pMsg->message <= WM_KEYLAST && ::TranslateAcceleratorW(pFrame->m_hWnd, m_hAccelTable, pMsg);
}
