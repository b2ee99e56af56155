// Frame windows: creation from resources, layout of bars and pane, command routing,
// menu updates, status prompts, activation of floating windows and help mode.
#include "afxstate.h"
#include <vector>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

// Frames of this thread, for the idle update of floating frames.
static std::vector<CFrameWnd*>& FrameList()
{
    static thread_local std::vector<CFrameWnd*> frames;
    return frames;
}

void AFXAPI AfxFrameListIdleUpdate(CWnd* pMainWnd)
{
    std::vector<CFrameWnd*> frames = FrameList();
    for (CFrameWnd* pFrame : frames) {
        if (pFrame == pMainWnd || pFrame->m_hWnd == nullptr || !pFrame->IsWindowVisible())
            continue;
        if (std::find(FrameList().begin(), FrameList().end(), pFrame) == FrameList().end())
            continue;  // destroyed by an earlier update
        AfxCallWndProc(pFrame, pFrame->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
        pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
}

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
    ON_WM_ENABLE()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_ENTERIDLE()
    ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::OnSetMessageString)
    ON_MESSAGE(WM_POPMESSAGESTRING, &CFrameWnd::OnPopMessageString)
    ON_MESSAGE_VOID(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_HELPHITTEST, &CFrameWnd::OnHelpHitTest)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_REBAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_REBAR, &CFrameWnd::OnBarCheck)
    ON_COMMAND(ID_CONTEXT_HELP, &CFrameWnd::OnContextHelp)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &CFrameWnd::OnToolTipText)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd()
    : m_bAutoMenuEnable(TRUE), m_hAccelTable(nullptr), m_hMenuDefault(nullptr), m_nIDHelp(0), m_nWindow(-1),
      m_nShowDelay(-1), m_bHelpMode(HELP_INACTIVE), m_nIDTracking(0), m_nIDLastMessage(0), m_nIdleFlags(0),
      m_hMenuAlt(nullptr), m_lpfnCloseProc(nullptr), m_pViewActive(nullptr), m_bInRecalcLayout(FALSE),
      m_bRoutedByParent(FALSE)
{
    FrameList().push_back(this);
}

CFrameWnd::~CFrameWnd()
{
    // Bars that outlive their frame (floating ones) must not reach back into it.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;)
        static_cast<CControlBar*>(m_listControlBars.GetNext(pos))->m_pDockSite = nullptr;
    auto& frames = FrameList();
    frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
}

BOOL CFrameWnd::IsFrameWnd() const
{
    return TRUE;
}
void CFrameWnd::PostNcDestroy()
{
    delete this;
}

// --- Creation ------------------------------------------------------------------------------

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        AfxEndDeferRegisterClass(_afxWndFrameOrView);
        cs.lpszClass = _afxWndFrameOrView;
    }
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    return TRUE;
}

BOOL CFrameWnd::Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       LPCWSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        hMenu = ::LoadMenuW(AfxFindResourceHandle(lpszMenuName, (LPCWSTR)RT_MENU), lpszMenuName);
        if (hMenu == nullptr) {
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName;
    m_hMenuDefault = hMenu;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu, (LPVOID)pContext)) {
        if (hMenu != nullptr)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

LPCWSTR CFrameWnd::GetIconWndClass(DWORD, UINT nIDResource)
{
    HICON hIcon = ::LoadIconW(AfxFindResourceHandle(MAKEINTRESOURCEW(nIDResource), (LPCWSTR)RT_GROUP_ICON),
                              MAKEINTRESOURCEW(nIDResource));
    if (hIcon == nullptr)
        return nullptr;
    return AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW),
                               (HBRUSH)(COLOR_WINDOW + 1), hIcon);
}

BOOL CFrameWnd::LoadAccelTable(LPCWSTR lpszResourceName)
{
    if (m_hAccelTable != nullptr)
        return FALSE;
    m_hAccelTable =
        ::LoadAcceleratorsW(AfxFindResourceHandle(lpszResourceName, (LPCWSTR)RT_ACCELERATOR), lpszResourceName);
    return m_hAccelTable != nullptr;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFull;
    if (strFull.LoadString(nIDResource))
        AfxExtractSubString(m_strTitle, strFull, 0);
    LPCWSTR lpszClass = GetIconWndClass(dwDefaultStyle, nIDResource);
    CString strTitle = m_strTitle;
    LPCWSTR lpszMenu = MAKEINTRESOURCEW(nIDResource);
    if (::FindResourceW(AfxFindResourceHandle(lpszMenu, (LPCWSTR)RT_MENU), lpszMenu, (LPCWSTR)RT_MENU) == nullptr)
        lpszMenu = nullptr;
    if (!Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext))
        return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCEW(nIDResource));
    if (pContext == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    return OnCreateHelper(lpcs, (CCreateContext*)lpcs->lpCreateParams);
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CWnd* pView = static_cast<CWnd*>(pContext->m_pNewViewClass->CreateObject());
    if (pView == nullptr)
        return nullptr;
    // A view deletes itself when its window goes, also when creation fails.
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    return pView;
}

void CFrameWnd::OnDestroy()
{
    // The frame's own menu goes with the window, not one set in its place.
    if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    // Closing a frame that shows a print preview ends the preview only.
    if (m_lpfnCloseProc != nullptr) {
        (*m_lpfnCloseProc)(this);
        return;
    }
    CDocument* pDocument = GetActiveDocument();
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        // The main frame asks every modified document first, then closes them all.
        if (!pApp->SaveAllModified())
            return;
        pApp->CloseAllDocuments(FALSE);
        if (pApp->m_pMainWnd == nullptr)
            return;  // closing the documents took this frame
    } else if (pDocument != nullptr) {
        if (!pDocument->CanCloseFrame(this))
            return;
        // The last frame of a document closes the document (and so itself).
        BOOL bOtherFrame = FALSE;
        for (POSITION pos = pDocument->GetFirstViewPosition(); pos != nullptr && !bOtherFrame;)
            bOtherFrame = pDocument->GetNextView(pos)->GetParentFrame() != this;
        if (!bOtherFrame && pDocument->m_bAutoDelete) {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CView* pView = GetActiveView();
    if (pView == nullptr) {
        pView = DYNAMIC_DOWNCAST(CView, GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
        if (pView != nullptr)
            SetActiveView(pView, FALSE);
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        if (pView != nullptr)
            pView->OnActivateFrame(WA_INACTIVE, this);
        int nCmdShow = -1;
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == this) {
            nCmdShow = pApp->m_nCmdShow;  // the program's show command serves once
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (pView != nullptr)
            pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != nullptr)
        pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : (IsWindowVisible() ? SW_SHOW : SW_SHOWNORMAL);
    ShowWindow(nCmdShow);
    if (IsWindowVisible())
        BringWindowToTop();
}

// --- Layout ----------------------------------------------------------------------------------

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= (idleLayout | (bNotify ? idleNotify : 0));
}

BOOL CFrameWnd::NegotiateBorderSpace(UINT nBorderCmd, LPRECT lpRectBorder)
{
    CRect border, request;
    switch (nBorderCmd) {
    case borderGet:
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, lpRectBorder);
        return TRUE;
    case borderRequest:
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &border);
        request = *lpRectBorder;
        return request.left + request.right <= border.Width() && request.top + request.bottom <= border.Height();
    case borderSet:
        if (lpRectBorder == nullptr) {
            if (!m_rectBorder.IsRectNull()) {
                m_rectBorder.SetRectEmpty();
                RecalcLayout();
            }
        } else if (m_rectBorder != *lpRectBorder) {
            m_rectBorder = *lpRectBorder;
            RecalcLayout();
        }
        return TRUE;
    default:
        return FALSE;
    }
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC)
{
    // The pane covers the client area; erasing under it only flickers.
    if (m_pViewActive != nullptr)
        return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

// --- Views, routing --------------------------------------------------------------------------

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}
CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = nullptr;
    if (pViewOld != nullptr && bNotify)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (pViewNew != nullptr && bNotify)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The active view first (it passes on to its document), then the frame, then the application.
    BOOL bToApp = !m_bRoutedByParent;
    m_bRoutedByParent = FALSE;  // commands that its handlers send go the whole way
    CView* pView = GetActiveView();
    if (pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (!bToApp)
        return FALSE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND hWndCtrl = (HWND)lParam;
    UINT nID = LOWORD(wParam);
    CFrameWnd* pFrameWnd = GetTopLevelFrame();
    if (pFrameWnd != nullptr && pFrameWnd->m_bHelpMode && hWndCtrl == nullptr && nID != ID_HELP &&
        nID != ID_DEFAULT_HELP && nID != ID_CONTEXT_HELP) {
        // In help mode a command asks for its help.
        if (!SendMessage(WM_COMMANDHELP, 0, HID_BASE_COMMAND + nID))
            SendMessage(WM_COMMAND, ID_DEFAULT_HELP);
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    return m_hAccelTable;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != nullptr && ::TranslateAcceleratorW(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

// --- Menus and idle updates ----------------------------------------------------------------

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu)
        return;
    CCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = pMenu->GetMenuItemID(state.m_nIndex);
        if (state.m_nID == 0)
            continue;  // separator
        if (state.m_nID == (UINT)-1) {
            // A popup is updated through its first item, and never disabled for want of a handler.
            state.m_pSubMenu = pMenu->GetSubMenu(state.m_nIndex);
            if (state.m_pSubMenu == nullptr || (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 ||
                state.m_nID == (UINT)-1)
                continue;
            state.DoUpdate(this, FALSE);
        } else {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // Handlers may have added or removed items.
        UINT nCount = pMenu->GetMenuItemCount();
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount && pMenu->GetMenuItemID(state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU)
{
    CFrameWnd* pFrameWnd = GetTopLevelFrame();
    if (nFlags == 0xFFFF) {
        m_nFlags &= ~WF_NOPOPMSG;
        m_nIDTracking =
            (pFrameWnd != nullptr && pFrameWnd->m_bHelpMode) ? AFX_IDS_HELPMODEMESSAGE : AFX_IDS_IDLEMESSAGE;
        SendMessage(WM_SETMESSAGESTRING, (WPARAM)m_nIDTracking);
    } else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        m_nIDTracking = 0;
    else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
        m_nIDTracking = AFX_IDS_SCFIRST + (nItemID - 0xF000) / 16;
    else if (nItemID >= AFX_IDM_FIRST_MDICHILD)
        m_nIDTracking = AFX_IDS_MDICHILD;
    else
        m_nIDTracking = nItemID;
    if (pFrameWnd != nullptr)
        pFrameWnd->m_nFlags |= WF_NOPOPMSG;
    if (m_nIDTracking != m_nIDLastMessage && GetParent() != nullptr)
        PostMessage(WM_KICKIDLE);
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    CWnd::OnEnterIdle(nWhy, pWho);
    if (nWhy == MSGF_MENU && m_nIDTracking != m_nIDLastMessage)
        SetMessageText(m_nIDTracking);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDocument = GetActiveDocument();
    UpdateFrameTitleForDocument(bAddToTitle && pDocument != nullptr ? (LPCWSTR)pDocument->GetTitle() : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCWSTR lpszDocName)
{
    CString strText = m_strTitle;
    if (lpszDocName != nullptr && *lpszDocName != 0) {
        CString strDoc = NumberedTitle(lpszDocName);
        strText = (GetStyle() & FWS_PREFIXTITLE) ? strDoc + L" - " + m_strTitle : m_strTitle + L" - " + strDoc;
    }
    SetTitleText(strText);
}

CString CFrameWnd::NumberedTitle(LPCWSTR lpszDocName) const
{
    CString strDoc(lpszDocName);
    if (m_nWindow > 0) {
        CString strNumber;
        strNumber.Format(L":%d", m_nWindow);
        strDoc += strNumber;
    }
    return strDoc;
}

BOOL CFrameWnd::SetTitleText(const CString& strText)
{
    CString strOld;
    GetWindowText(strOld);
    if (strOld == strText)
        return FALSE;  // no flicker when nothing changes
    SetWindowText(strText);
    return TRUE;
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (m_lpfnCloseProc != nullptr)
        return;  // a print preview has no menu
    if (hMenuAlt == nullptr)
        hMenuAlt = m_hMenuDefault;
    if (hMenuAlt != nullptr && ::GetMenu(m_hWnd) != hMenuAlt)
        ::SetMenu(m_hWnd, hMenuAlt);
}

void CFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt)
{
    m_hMenuAlt = hMenuAlt;
    m_nIdleFlags |= idleMenu;
}

void CFrameWnd::OnIdleUpdateCmdUI()
{
    if (m_nIdleFlags & idleMenu) {
        m_nIdleFlags &= ~idleMenu;
        OnUpdateFrameMenu(m_hMenuAlt);
    }
    if (m_nIdleFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    if (m_nIdleFlags & idleLayout) {
        RecalcLayout(m_nIdleFlags & idleNotify);
        UpdateWindow();
    }
    if (m_nIDTracking != m_nIDLastMessage)
        SetMessageText(m_nIDTracking);
    m_nIdleFlags = 0;
}

// --- Status prompts --------------------------------------------------------------------------

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    CString strFull;
    if (strFull.LoadString(nID))
        AfxExtractSubString(rMessage, strFull, 0);
    else
        rMessage.Empty();
}

void CFrameWnd::SetMessageText(LPCWSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText);
}
void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, (WPARAM)nID);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    m_nFlags &= ~WF_NOPOPMSG;
    if (CWnd* pMessageBar = GetMessageBar()) {
        CString strMessage;
        LPCWSTR lpsz = (LPCWSTR)lParam;
        if (lpsz == nullptr && wParam != 0) {
            UINT nID = (UINT)wParam;
            CFrameWnd* pTop = GetTopLevelFrame();
            if (nID == AFX_IDS_IDLEMESSAGE && pTop != nullptr && pTop->m_bHelpMode)
                nID = AFX_IDS_HELPMODEMESSAGE;
            GetMessageString(nID, strMessage);
            lpsz = strMessage;
        }
        pMessageBar->SetWindowText(lpsz);
        if (CFrameWnd* pFrame = pMessageBar->GetParentFrame(); pFrame != nullptr && pFrame != this)
            pFrame->m_nIDLastMessage = pFrame->m_nIDTracking = (UINT)wParam;
    }
    m_nIDLastMessage = m_nIDTracking = (UINT)wParam;
    return nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    if (m_nFlags & WF_NOPOPMSG)
        return 0;
    return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    NMTTDISPINFOW* pTTT = (NMTTDISPINFOW*)pNMHDR;
    UINT_PTR nID = pNMHDR->idFrom;
    if (pTTT->uFlags & TTF_IDISHWND)
        nID = (UINT_PTR)::GetDlgCtrlID((HWND)nID);
    if (nID == 0)
        return FALSE;
    // The tip is the part of the command's string after the line feed.
    CString strFull, strTip;
    if (strFull.LoadString((UINT)nID))
        AfxExtractSubString(strTip, strFull, 1);
    lstrcpynW(pTTT->szText, strTip, _countof(pTTT->szText));
    *pResult = 0;
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}

// --- Control bars ----------------------------------------------------------------------------

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if ((UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    }
    return nullptr;
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    if (POSITION pos = m_listControlBars.Find(pBar))
        m_listControlBars.RemoveAt(pos);
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    pBar->DelayShow(bShow);
    if (!bDelay) {
        pBar->SendMessage(WM_IDLEUPDATECMDUI, FALSE);
        RecalcLayout();
    }
}

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.Clear();
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_pDockBar == nullptr)
            continue;  // not docked by the platform (the toolkit docks its own bars)
        CControlBarInfo* pInfo = new CControlBarInfo;
        pInfo->m_nBarID = (UINT)pBar->GetDlgCtrlID();
        pInfo->m_bVisible = pBar->IsVisible();
        state.m_arrBarInfo.Add(pInfo);
    }
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar != nullptr) {
        pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
        return;
    }
    pCmdUI->ContinueRouting();
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr)
        return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

// --- Activation of floating windows --------------------------------------------------------

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    CFrameWnd* pParent = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
    if (dwFlags & (FS_DEACTIVATE | FS_ACTIVATE)) {
        BOOL bActivate = !(dwFlags & FS_DEACTIVATE);
        if (bActivate && pParent->IsWindowEnabled() && pParent != this) {
            pParent->m_nFlags |= WF_KEEPMINIACTIVE;
            pParent->SendMessage(WM_NCACTIVATE, TRUE);
            pParent->m_nFlags &= ~WF_KEEPMINIACTIVE;
        } else
            pParent->SendMessage(WM_NCACTIVATE, bActivate);
    }
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (hWnd != pParent->m_hWnd && AfxIsDescendant(pParent->m_hWnd, hWnd))
            ::SendMessageW(hWnd, WM_FLOATSTATUS, dwFlags, 0);
    }
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    // The top-level frame stays active while a window of its own (a floating palette
    // that answers FS_SYNCACTIVE) takes the activation.
    CFrameWnd* pTopLevel = (GetStyle() & WS_CHILD) ? this : GetTopLevelFrame();
    CWnd* pActive = nState == WA_INACTIVE ? pWndOther : this;
    BOOL bStayActive = pActive != nullptr &&
        (pTopLevel == pActive ||
         (pTopLevel == pActive->GetTopLevelFrame() && pActive->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE) != 0));
    pTopLevel->m_nFlags &= ~WF_STAYACTIVE;
    if (bStayActive)
        pTopLevel->m_nFlags |= WF_STAYACTIVE;
    NotifyFloatingWindows(bStayActive ? FS_ACTIVATE : FS_DEACTIVATE);
    if (CView* pView = GetActiveView()) {
        if (nState != WA_INACTIVE && !bMinimized)
            pView->OnActivateView(TRUE, pView, pView);
        pView->OnActivateFrame(nState, this);
    }
}

BOOL CFrameWnd::OnNcActivate(BOOL bActive)
{
    if (m_nFlags & WF_STAYACTIVE)
        bActive = TRUE;
    if (!IsWindowEnabled())
        bActive = FALSE;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
}

void CFrameWnd::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    NotifyFloatingWindows(bEnable ? FS_ENABLE : FS_DISABLE);
}

// --- Help mode -------------------------------------------------------------------------------

BOOL CFrameWnd::CanEnterHelpMode()
{
    return m_bHelpMode == HELP_INACTIVE;
}

void CFrameWnd::ExitHelpMode()
{
    if (m_bHelpMode)
        PostMessage(WM_KICKIDLE);
    m_bHelpMode = HELP_INACTIVE;
}

LRESULT CFrameWnd::OnHelpHitTest(WPARAM, LPARAM)
{
    return m_nIDHelp != 0 ? HID_BASE_RESOURCE + m_nIDHelp : 0;
}

void CFrameWnd::OnContextHelp()
{
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame == nullptr || !pFrame->CanEnterHelpMode())
        return;
    // Waits for a click; the window under it answers WM_HELPHITTEST with its help context.
    pFrame->m_bHelpMode = HELP_ACTIVE;
    SendMessage(WM_SETMESSAGESTRING, AFX_IDS_HELPMODEMESSAGE);
    SetCapture();
    DWORD_PTR dwContext = 0;
    BOOL bDone = FALSE;
    while (!bDone && pFrame->m_bHelpMode && ::GetCapture() == m_hWnd) {
        MSG msg;
        if (!::GetMessageW(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN) {
            POINT pt = msg.pt;
            HWND hWndHit = ::WindowFromPoint(pt);
            for (HWND h = hWndHit; h != nullptr && dwContext == 0; h = ::GetParent(h)) {
                POINT ptClient = pt;
                ::ScreenToClient(h, &ptClient);
                dwContext = (DWORD_PTR)::SendMessageW(h, WM_HELPHITTEST, 0, MAKELPARAM(ptClient.x, ptClient.y));
            }
            bDone = TRUE;
        } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            bDone = TRUE;
        else {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    ::ReleaseCapture();
    pFrame->ExitHelpMode();
    SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    if (dwContext != 0)
        WinHelp(dwContext, HELP_CONTEXT);
}

// --- Mini-frames ---------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
    ON_WM_NCACTIVATE()
    ON_MESSAGE(WM_FLOATSTATUS, &CMiniFrameWnd::OnFloatStatus)
END_MESSAGE_MAP()

CMiniFrameWnd::CMiniFrameWnd() = default;

BOOL CMiniFrameWnd::Create(LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                           UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strTitle = lpWindowName;
    if (lpClassName == nullptr)
        lpClassName = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW));
    if (dwStyle & (MFS_THICKFRAME | MFS_4THICKFRAME))
        dwStyle |= WS_THICKFRAME;
    // A small caption; a child mini-frame is placed by id, a floating one is owned by the frame.
    HMENU hMenuOrID = (dwStyle & WS_CHILD) ? (HMENU)(UINT_PTR)nID : nullptr;
    return CWnd::CreateEx(dwExStyle | WS_EX_TOOLWINDOW, lpClassName, lpWindowName, dwStyle, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenuOrID);
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    if ((GetStyle() & MFS_SYNCACTIVE) && (m_nFlags & WF_KEEPMINIACTIVE))
        return FALSE;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    BOOL bSync = (GetStyle() & MFS_SYNCACTIVE) != 0;
    if (wParam & (FS_SHOW | FS_HIDE))
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     ((wParam & FS_SHOW) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE |
                         SWP_NOACTIVATE);
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    if ((wParam & (FS_ACTIVATE | FS_DEACTIVATE)) && bSync) {
        ModifyStyle(MFS_SYNCACTIVE, 0);
        SendMessage(WM_NCACTIVATE, (wParam & FS_ACTIVATE) != 0);
        ModifyStyle(0, MFS_SYNCACTIVE);
    }
    return bSync && (wParam & FS_SYNCACTIVE);
}
