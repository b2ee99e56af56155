#include <guitoolkit/docking/CGTAppBarWnd.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <afxpriv.h>

namespace {
// The message map takes the registered message by its address.
UINT s_CallbackMessage = CGTAppBarWnd::CallbackMessage();
}  // namespace

BEGIN_MESSAGE_MAP(CGTAppBarWnd, CWnd)
    ON_WM_DESTROY()
    ON_WM_ACTIVATE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_NCHITTEST()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_NCMOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_MOVE()
    ON_WM_SIZE()
    ON_WM_CANCELMODE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_TIMER()
    ON_REGISTERED_MESSAGE(s_CallbackMessage, &CGTAppBarWnd::OnAppBarCallback)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CGTAppBarWnd::OnIdleUpdateCmdUI)
    ON_WM_ENTERSIZEMOVE()
    ON_WM_EXITSIZEMOVE()
END_MESSAGE_MAP()

namespace {
HCURSOR SizeAllCursor()
{
    static const HCURSOR s_Cursor = ::LoadCursorW(nullptr, IDC_SIZEALL);
    return s_Cursor;
}
}  // namespace

void CGTAppBarWnd::GetBorderSize(CRect& oBorders) const
{
    const int cx = ::GetSystemMetrics(SM_CXFRAME), cy = ::GetSystemMetrics(SM_CYFRAME);
    oBorders.SetRect(
        m_Side == floatingSide || m_Side == ABE_RIGHT ? cx : 0, m_Side == floatingSide || m_Side == ABE_BOTTOM ? cy : 0,
        m_Side == floatingSide || m_Side == ABE_LEFT ? cx : 0, m_Side == floatingSide || m_Side == ABE_TOP ? cy : 0);
}

void CGTAppBarWnd::GetCaptionRect(CRect& oRect) const
{
    CRect window, borders;
    GetWindowRect(window);
    GetBorderSize(borders);
    oRect.SetRect(borders.left, borders.top, window.Width() - borders.right, borders.top + m_CaptionHeight);
}

CString CGTAppBarWnd::GetCaptionText() const
{
    CString text;
    if (m_ContentWindow != nullptr && ::IsWindow(m_ContentWindow))
        CWnd::FromHandle(m_ContentWindow)->GetWindowText(text);
    else
        text = L"SideBar";
    return text;
}

void CGTAppBarWnd::DrawCaption(CDC* iDc)
{
    CRect window, caption;
    GetWindowRect(window);
    window.OffsetRect(-window.TopLeft());
    GetCaptionRect(caption);
    CGTVisualManager::GetCurrent()->DrawAppBarCaption(iDc, this, window, caption, GetCaptionText());
}

void CGTAppBarWnd::DrawBorder(CDC* iDc)
{
    CRect window, caption;
    GetWindowRect(window);
    window.OffsetRect(-window.TopLeft());
    GetCaptionRect(caption);
    CGTVisualManager::GetCurrent()->DrawAppBarBorder(iDc, this, window, caption, m_Dragging);
}

LRESULT CGTAppBarWnd::HitTest(CPoint iPoint, BOOL iDetectCaption)
{
    CRect window, borders, caption;
    GetWindowRect(window);
    if (!window.PtInRect(iPoint))
        return HTNOWHERE;
    GetBorderSize(borders);
    GetCaptionRect(caption);
    caption.OffsetRect(window.TopLeft());
    if (iDetectCaption && caption.PtInRect(iPoint))
        return HTCAPTION;
    const CRect inner(window.left + borders.left, window.top + borders.top, window.right - borders.right,
                      window.bottom - borders.bottom);
    if (inner.PtInRect(iPoint))
        return HTCLIENT;
    int horizontal = iPoint.x < inner.left ? -1 : iPoint.x >= inner.right ? 1 : 0;
    int vertical = iPoint.y < inner.top ? -1 : iPoint.y >= inner.bottom ? 1 : 0;
    if (IsFloating()) {
        // Near a corner, the band along the other edge sizes both ways.
        const int cornerX = ::GetSystemMetrics(SM_CXCURSOR) / 2, cornerY = ::GetSystemMetrics(SM_CYCURSOR) / 2;
        if (vertical != 0 && horizontal == 0)
            horizontal = iPoint.x < window.left + cornerX ? -1 : iPoint.x >= window.right - cornerX ? 1 : 0;
        else if (horizontal != 0 && vertical == 0)
            vertical = iPoint.y < window.top + cornerY ? -1 : iPoint.y >= window.bottom - cornerY ? 1 : 0;
    }
    static const LRESULT codes[3][3] = {
        {HTTOPLEFT, HTLEFT, HTBOTTOMLEFT}, {HTTOP, HTCLIENT, HTBOTTOM}, {HTTOPRIGHT, HTRIGHT, HTBOTTOMRIGHT}};
    return codes[horizontal + 1][vertical + 1];
}

LRESULT CGTAppBarWnd::OnNcHitTest(CPoint iPoint)
{
    LRESULT hit = HitTest(iPoint, TRUE);
    const int primary = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (hit == HTCAPTION && CGTKeyState::Current().GetAsyncKeyState(primary) < 0)
        hit = HTCLIENT;
    if (!m_Registered)
        return hit;
    // A docked bar sizes only from the edge that faces the rest of the screen.
    static const LRESULT innerEdge[4] = {HTRIGHT, HTBOTTOM, HTLEFT, HTTOP};
    return m_Side >= ABE_LEFT && m_Side <= ABE_BOTTOM && hit == innerEdge[m_Side] ? hit : HTCLIENT;
}

void CGTAppBarWnd::OnLButtonDown(UINT, CPoint iPoint)
{
    GetWindowRect(m_DragStartRect);
    m_DragRect = m_DragStartRect;
    ClientToScreen(&iPoint);
    m_DragStart = iPoint;
    m_DragSide = m_Registered ? m_Side : floatingSide;
    if (m_AutoHideActive)
        KillTimer(autoHideTimer);
    m_Dragging = TRUE;
    SetCapture();
    ::SetCursor(SizeAllCursor());
}

void CGTAppBarWnd::OnMouseMove(UINT, CPoint iPoint)
{
    if (!m_Dragging)
        return;
    ClientToScreen(&iPoint);
    CRect work;
    MONITORINFO monitor = {sizeof(monitor)};
    if (::GetMonitorInfoW(::MonitorFromPoint(iPoint, MONITOR_DEFAULTTONEAREST), &monitor))
        work = monitor.rcWork;
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    CRect middle = work;
    middle.DeflateRect(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
    const BOOL mayDock = (m_Options & (allowLeftRight | allowTopBottom)) != 0;
    if ((m_Options & allowFloat) != 0 &&
        (middle.PtInRect(iPoint) || !mayDock || CGTKeyState::Current().IsDown(VK_CONTROL)))
        DragFloating(iPoint);
    else
        DragDocked(iPoint);
}

void CGTAppBarWnd::DragFloating(CPoint iCursor)
{
    m_FloatRect.OffsetRect(iCursor - m_DragStart);
    m_DragStart = iCursor;
    if (!m_FloatRect.PtInRect(iCursor)) {
        CRect borders;
        GetBorderSize(borders);
        m_FloatRect.OffsetRect(iCursor.x - m_FloatRect.Width() / 2 - m_FloatRect.left,
                               iCursor.y - borders.top - m_CaptionHeight / 2 - m_FloatRect.top);
    }
    m_DockedOnce = FALSE;
    m_SlidOut = FALSE;
    MoveBar(m_FloatRect, FALSE);
}

void CGTAppBarWnd::DragDocked(CPoint iCursor)
{
    CRect screen;
    GetScreenRect(screen);
    const LONGLONG width = screen.Width(), height = screen.Height();
    const BOOL lower = iCursor.y > height / 2, left = iCursor.x < width / 2;
    const LONGLONG vertical = lower ? height - iCursor.y : iCursor.y;
    const LONGLONG horizontal = left ? iCursor.x : width - iCursor.x;
    int side;
    CRect rect;
    if (vertical * width > horizontal * height && (m_Options & allowLeftRight) != 0) {
        side = left ? ABE_LEFT : ABE_RIGHT;
        rect = Strip(side, m_DockThickness[side]);
    } else if ((m_Options & allowTopBottom) != 0) {
        side = lower ? ABE_BOTTOM : ABE_TOP;
        rect = Strip(side, m_DockThickness[side]);
    } else {
        if ((m_Options & allowFloat) != 0)
            DragFloating(iCursor);
        return;
    }
    if (!Register())
        return;
    if (m_Side == floatingSide || !m_DockedOnce)
        m_DragStart = iCursor;
    m_DockedOnce = TRUE;
    m_Side = side;
    AdjustDockRect(rect);
    m_DragRect = rect;
    const BOOL wasUpdating = m_InPositionUpdate;
    m_InPositionUpdate = TRUE;
    MoveWindow(rect, TRUE);
    m_InPositionUpdate = wasUpdating;
}

void CGTAppBarWnd::OnLButtonUp(UINT, CPoint)
{
    if (!m_Dragging)
        return;
    m_Dragging = FALSE;
    ReleaseCapture();
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    if (!m_DockedOnce)
        Float();
    else if (m_Registered)
        DockKeepingAutoHide(&m_DragRect);
}

void CGTAppBarWnd::OnCancelMode()
{
    CWnd::OnCancelMode();
    if (!m_Dragging)
        return;
    m_Dragging = FALSE;
    if (m_DragSide != floatingSide && Register()) {
        m_DockedOnce = TRUE;
        SetSide(m_DragSide, m_DockedRect, TRUE, m_AutoHideActive);
    } else {
        m_FloatRect = m_DragStartRect;
        if (m_Registered)
            Float();
        else
            MoveBar(m_FloatRect, TRUE);
    }
    if (m_AutoHideActive)
        SetTimer(autoHideTimer, autoHideDelayMs, nullptr);
    if (GetCapture() == this)
        ReleaseCapture();
}

void CGTAppBarWnd::OnNcMouseMove(UINT iHitTest, CPoint iPoint)
{
    CWnd::OnNcMouseMove(iHitTest, iPoint);
    if (m_SlidOut && m_AutoHideActive)
        SlideIn();
}

void CGTAppBarWnd::OnTimer(UINT_PTR iId)
{
    if (iId != autoHideTimer) {
        CWnd::OnTimer(iId);
        return;
    }
    CRect window;
    GetWindowRect(window);
    POINT cursor;
    if (!CGTCursor::Current().GetPosition(cursor) || window.PtInRect(cursor))
        return;
    KillTimer(autoHideTimer);
    SlideOut();
}

void CGTAppBarWnd::OnDestroy()
{
    KillTimer(autoHideTimer);
    Unregister();
    CWnd::OnDestroy();
}

void CGTAppBarWnd::OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized)
{
    CWnd::OnActivate(iState, iOther, iMinimized);
    if (!m_Registered)
        return;
    APPBARDATA data = Data();
    Shell(ABM_ACTIVATE, data);
}

void CGTAppBarWnd::OnWindowPosChanged(WINDOWPOS* iPos)
{
    CWnd::OnWindowPosChanged(iPos);
    if (!m_Registered)
        return;
    APPBARDATA data = Data();
    Shell(ABM_WINDOWPOSCHANGED, data);
}

void CGTAppBarWnd::OnMove(int iX, int iY)
{
    CWnd::OnMove(iX, iY);
    if (!m_Dragging && !m_Sizing)
        OnAppBarPosChanged();
}

void CGTAppBarWnd::OnSize(UINT iType, int iWidth, int iHeight)
{
    CWnd::OnSize(iType, iWidth, iHeight);
    if (!m_Dragging && !m_Sizing)
        OnAppBarPosChanged();
}

void CGTAppBarWnd::OnEnterSizeMove()
{
    if (m_Dragging)
        return;
    m_Sizing = TRUE;
    GetWindowRect(m_DragStartRect);
}

void CGTAppBarWnd::OnExitSizeMove()
{
    m_Sizing = FALSE;
    CRect window;
    GetWindowRect(window);
    if (m_Registered && window != m_DragStartRect)
        OnAppBarPosChanged();
    else if (!m_Registered && !m_DockedOnce)
        m_FloatRect = window;
}

void CGTAppBarWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* ioParams)
{
    CRect borders;
    GetBorderSize(borders);
    RECT& rect = ioParams->rgrc[0];
    rect.left += borders.left;
    rect.top += borders.top + m_CaptionHeight;
    rect.right -= borders.right;
    rect.bottom -= borders.bottom;
    rect.bottom = std::max(rect.bottom, rect.top);
    rect.right = std::max(rect.right, rect.left);
}

void CGTAppBarWnd::OnNcPaint()
{
    CWindowDC window(this);
    CRect bounds, client;
    GetWindowRect(bounds);
    GetClientRect(client);
    ClientToScreen(client);
    client.OffsetRect(-bounds.TopLeft());
    bounds.OffsetRect(-bounds.TopLeft());
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&window) || !bitmap.CreateCompatibleBitmap(&window, bounds.Width(), bounds.Height()))
        return;
    CBitmap* old = memory.SelectObject(&bitmap);
    DrawBorder(&memory);
    DrawCaption(&memory);
    window.ExcludeClipRect(&client);
    window.BitBlt(0, 0, bounds.Width(), bounds.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

LRESULT CGTAppBarWnd::OnAppBarCallback(WPARAM iNotification, LPARAM iLParam)
{
    switch (iNotification) {
    case ABN_STATECHANGE: {
        APPBARDATA data = Data();
        const UINT_PTR state = Shell(ABM_GETSTATE, data);
        OnAppBarStateChange((state & ABS_AUTOHIDE) != 0, (state & ABS_ALWAYSONTOP) != 0);
        break;
    }
    case ABN_POSCHANGED:
        OnAppBarPosChanged();
        break;
    case ABN_FULLSCREENAPP:
        OnAppBarFullScreenApp(static_cast<BOOL>(iLParam));
        break;
    case ABN_WINDOWARRANGE:
        OnAppBarWindowArrange(static_cast<BOOL>(iLParam));
        break;
    default:
        break;
    }
    return 0;
}

LRESULT CGTAppBarWnd::OnIdleUpdateCmdUI(WPARAM iWParam, LPARAM)
{
    SendMessageToDescendants(WM_IDLEUPDATECMDUI, iWParam, 0, TRUE, TRUE);
    return 0;
}
