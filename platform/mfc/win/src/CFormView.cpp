#include "afxstate.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CFormView::CFormView(LPCWSTR lpszTemplateName)
    : m_lpszTemplateName(lpszTemplateName), m_hWndFocus(nullptr), m_pCreateContext(nullptr)
{
}

CFormView::CFormView(UINT nIDTemplate) : CFormView(MAKEINTRESOURCEW(nIDTemplate)) {}

BOOL CFormView::Create(LPCWSTR, LPCWSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                       CCreateContext* pContext)
{
    m_pCreateContext = pContext;
    // The template's child window; a failed creation may have taken the object with it.
    if (!CreateDlg(m_lpszTemplateName, pParentWnd))
        return FALSE;
    m_pCreateContext = nullptr;
    ExecuteDlgInit(m_lpszTemplateName);
    // The template's size is what the view scrolls over.
    CRect rectTemplate;
    GetWindowRect(&rectTemplate);
    SetScrollSizes(MM_TEXT, rectTemplate.Size());
    SetDlgCtrlID((int)nID);
    if (dwStyle & WS_BORDER)
        ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpcs)
{
    lpcs->lpCreateParams = m_pCreateContext;
    return CScrollView::OnCreate(lpcs);
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnDraw(CDC*) {}

void CFormView::OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd)
{
    // Going inactive, the view remembers which control had the focus.
    if (nState == WA_INACTIVE) {
        HWND hWndFocus = ::GetFocus();
        if (hWndFocus != nullptr && ::IsChild(m_hWnd, hWndFocus))
            m_hWndFocus = hWndFocus;
    }
    CScrollView::OnActivateFrame(nState, pFrameWnd);
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView)
{
    if (bActivate && pActivateView == this && m_hWndFocus != nullptr && ::IsChild(m_hWnd, m_hWndFocus)) {
        ::SetFocus(m_hWndFocus);
        return;
    }
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CFormView::OnSetFocus(CWnd* pOldWnd)
{
    // The focus goes on to the remembered control, else to the first one that takes it.
    if (m_hWndFocus == nullptr || !::IsChild(m_hWnd, m_hWndFocus))
        m_hWndFocus = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (m_hWndFocus != nullptr) {
        ::SetFocus(m_hWndFocus);
        return;
    }
    CScrollView::OnSetFocus(pOldWnd);
}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CScrollView::PreTranslateMessage(pMsg))
        return TRUE;
    CFrameWnd* pFrameWnd = GetTopLevelFrame();
    if (pFrameWnd != nullptr && pFrameWnd->m_bHelpMode)
        return FALSE;
    // Without controls there are no dialog keys: the pump's walk takes the message on to
    // the frames.
    if (::GetWindow(m_hWnd, GW_CHILD) == nullptr)
        return FALSE;
    // The dialog keys take all input, which the frames' accelerators and tooltips would not
    // see then: the frames have it first, here, since the walk does not reach them after.
    bool bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    if (!bInput)
        return FALSE;
    for (pFrameWnd = GetParentFrame(); pFrameWnd != nullptr; pFrameWnd = pFrameWnd->GetParentFrame())
        if (pFrameWnd->PreTranslateMessage(pMsg))
            return TRUE;
    return PreTranslateInput(pMsg);
}
