#include "afxstate.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_HELPHITTEST, &CControlBar::OnHelpHitTest)
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_cxLeftBorder(6), m_cxRightBorder(6), m_cyTopBorder(2), m_cyBottomBorder(2), m_cxDefaultGap(2),
      m_nMRUWidth(32767), m_bAutoDelete(FALSE), m_dwStyle(0), m_dwDockStyle(0), m_pDockSite(nullptr),
      m_pDockBar(nullptr), m_pDockContext(nullptr), m_nStateFlags(0)
{
}

CControlBar::~CControlBar()
{
    // A bar deleted while its window lives never sees its own WM_DESTROY handler (the
    // window dies in the base destructor): it leaves its frame's list here.
    if (m_pDockSite != nullptr)
        m_pDockSite->RemoveControlBar(this);
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle != dwStyle) {
        m_dwStyle = dwStyle;
        if (m_hWnd != nullptr)
            Invalidate();
    }
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

BOOL CControlBar::IsFloating() const
{
    return (m_dwStyle & CBRS_FLOATING) != 0;
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) || (GetStyle() & WS_VISIBLE);
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != nullptr ? pFrame : m_pDockSite;
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    if (bShow && !(GetStyle() & WS_VISIBLE))
        m_nStateFlags |= delayShow;
    else if (!bShow && (GetStyle() & WS_VISIBLE))
        m_nStateFlags |= delayHide;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size;
    size.cx = (bStretch && bHorz ? 32767 : 0);
    size.cy = (bStretch && !bHorz ? 32767 : 0);
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout(nMode & LM_STRETCH, nMode & LM_HORZ);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += 1;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += 1;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= 1;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= 1;
    if (bHorz) {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (m_dwStyle & CBRS_TOOLTIPS)
        EnableToolTips();
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr) {
        m_pDockSite = pFrame;
        pFrame->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockSite != nullptr) {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = nullptr;
    }
    CWnd::OnDestroy();
}

LRESULT CControlBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // Commands and notifications of the bar's controls belong to its owner.
    switch (nMsg) {
    case WM_NOTIFY:
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        LRESULT lResult;
        HWND hWndChild = nMsg == WM_COMMAND ? (HWND)lParam : nMsg == WM_NOTIFY ? ((NMHDR*)lParam)->hwndFrom : nullptr;
        if (hWndChild != nullptr && ReflectLastMsg(hWndChild, &lResult))
            return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner != nullptr)
            return pOwner->SendMessage(nMsg, wParam, lParam);
        break;
    }
    default:
        break;
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // Fly-by prompts: the command under the mouse is shown in the status bar.
    if ((m_dwStyle & CBRS_FLYBY) && pMsg->message == WM_MOUSEMOVE) {
        CPoint point(pMsg->pt);
        ScreenToClient(&point);
        INT_PTR nHit = OnToolHitTest(point, nullptr);
        CWnd* pOwner = GetOwner();
        if (pOwner != nullptr)
            pOwner->SendMessage(WM_SETMESSAGESTRING, nHit > 0 ? (WPARAM)nHit : AFX_IDS_IDLEMESSAGE);
    }
    return FALSE;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    DWORD dwStyle = m_dwStyle;
    if (!(GetStyle() & WS_VISIBLE) || (dwStyle & CBRS_FLOATING))
        return 0;
    CRect rect = lpLayout->rect;
    CSize sizeAvail = rect.Size();
    CSize size = CalcFixedLayout(lpLayout->bStretch, (dwStyle & CBRS_ORIENT_HORZ) != 0);
    size.cx = std::min<int>(size.cx, sizeAvail.cx);
    size.cy = std::min<int>(size.cy, sizeAvail.cy);
    if (dwStyle & CBRS_ORIENT_HORZ) {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = std::max<int>(lpLayout->sizeTotal.cx, size.cx);
        if (dwStyle & CBRS_ALIGN_TOP)
            lpLayout->rect.top += size.cy;
        else {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    } else if (dwStyle & CBRS_ORIENT_VERT) {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = std::max<int>(lpLayout->sizeTotal.cy, size.cy);
        if (dwStyle & CBRS_ALIGN_LEFT)
            lpLayout->rect.left += size.cx;
        else {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    if (lpLayout->hDWP != nullptr)
        AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // Delayed show and hide happen now.
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    UINT swpFlags = 0;
    if ((m_nStateFlags & delayHide) && bVisible)
        swpFlags = SWP_HIDEWINDOW;
    else if ((m_nStateFlags & delayShow) && !bVisible)
        swpFlags = SWP_SHOWWINDOW;
    m_nStateFlags &= ~(delayShow | delayHide);
    if (swpFlags != 0)
        SetWindowPos(nullptr, 0, 0, 0, 0, swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if ((GetStyle() & WS_VISIBLE) && (m_pDockBar == nullptr || (m_pDockBar->GetStyle() & WS_VISIBLE))) {
        CWnd* pOwner = GetOwner();
        CFrameWnd* pTarget =
            (pOwner != nullptr && pOwner->IsFrameWnd()) ? static_cast<CFrameWnd*>(pOwner) : GetParentFrame();
        if (pTarget != nullptr)
            OnUpdateCmdUI(pTarget, (BOOL)wParam);
    }
    return 0;
}

LRESULT CControlBar::OnHelpHitTest(WPARAM, LPARAM lParam)
{
    INT_PTR nID = OnToolHitTest(CPoint((LPARAM)lParam), nullptr);
    if (nID > 0)
        return HID_BASE_COMMAND + nID;
    nID = LOWORD(GetDlgCtrlID());
    return nID != 0 ? HID_BASE_CONTROL + nID : 0;
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

HBRUSH CControlBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    LRESULT lResult;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN) {
        pDC->SetBkColor(::GetSysColor(COLOR_BTNFACE));
        return ::GetSysColorBrush(COLOR_BTNFACE);
    }
    return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    if (m_dwStyle & CBRS_GRIPPER)
        DrawGripper(pDC, rect);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clrShadow);
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrHilite);
    if (m_dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clrShadow);
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clrHilite);
    CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        pDC->Draw3dRect(rect.left + 2, rect.top + 2, 3, rect.Height() - 4, clrHilite, clrShadow);
    else
        pDC->Draw3dRect(rect.left + 2, rect.top + 2, rect.Width() - 4, 3, clrHilite, clrShadow);
}
