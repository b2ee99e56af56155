#include <guitoolkit/docking/CGTAppBarWnd.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/GTDockingGeometry.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CGTAppBarWnd, CWnd)

namespace {
// How many steps a slide takes when the system shows windows while they move.
const int slideSteps = 4;
}  // namespace

CGTAppBarWnd::CGTAppBarWnd()
    : m_AutoHide(FALSE), m_AlwaysOnTop(FALSE), m_Side(ABE_TOP), m_DockThickness{80, 60, 80, 60},
      m_FloatRect(0, 0, 0, 0), m_CaptionHeight(theGuiToolkitGlobals.textHeightRegular + 4), m_ContentWindow(nullptr),
      m_Options(allowLeftRight | allowTopBottom | allowFloat | allowAutoHide | allowAlwaysOnTop), m_Registered(FALSE),
      m_AutoHideActive(FALSE), m_SlidOut(FALSE), m_DockedOnce(FALSE), m_Dragging(FALSE), m_DragRect(0, 0, 0, 0),
      m_DragStartRect(0, 0, 0, 0), m_DragStart(0, 0), m_DragSide(ABE_TOP), m_Sizing(FALSE), m_DockedRect(0, 0, 0, 0),
      m_InPositionUpdate(FALSE)
{
}

CGTAppBarWnd::~CGTAppBarWnd()
{
    Unregister();
}

UINT CGTAppBarWnd::CallbackMessage()
{
    static const UINT s_Message = ::RegisterWindowMessageW(L"GTM_APPBAR_CALLBACK");
    return s_Message;
}

BOOL CGTAppBarWnd::Create(LPCWSTR iTitle, const RECT& iFloatRect)
{
    m_FloatRect = iFloatRect;
    const CString windowClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(WS_EX_TOOLWINDOW, windowClass, iTitle, WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, iFloatRect, nullptr,
                    0);
}

UINT_PTR CGTAppBarWnd::Shell(DWORD iMessage, APPBARDATA& ioData) const
{
    return CGTShellAppBars::Current().Send(iMessage, ioData);
}

APPBARDATA CGTAppBarWnd::Data(int iSide) const
{
    APPBARDATA data = {};
    data.cbSize = sizeof(data);
    data.hWnd = m_hWnd;
    data.uEdge = static_cast<UINT>(iSide);
    return data;
}

BOOL CGTAppBarWnd::Register()
{
    if (m_Registered)
        return TRUE;
    APPBARDATA data = Data();
    data.uCallbackMessage = CallbackMessage();
    m_Registered = Shell(ABM_NEW, data) != 0;
    return m_Registered;
}

void CGTAppBarWnd::Unregister()
{
    if (!m_Registered)
        return;
    APPBARDATA data = Data();
    if (Shell(ABM_REMOVE, data) != 0)
        m_Registered = FALSE;
}

void CGTAppBarWnd::GetScreenRect(CRect& oRect) const
{
    oRect.SetRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

CRect CGTAppBarWnd::Strip(int iSide, int iThickness) const
{
    CRect screen;
    GetScreenRect(screen);
    return AgainstSide(screen, iSide, iThickness);
}

CRect CGTAppBarWnd::AgainstSide(const CRect& iRect, int iSide, int iThickness)
{
    static const DWORD sides[4] = {GTSideLeft, GTSideTop, GTSideRight, GTSideBottom};
    return GTGeometry::PlaceAgainst(iRect, sides[iSide >= ABE_LEFT && iSide <= ABE_BOTTOM ? iSide : ABE_BOTTOM],
                                    iThickness, FALSE);
}

int CGTAppBarWnd::ThicknessOf(const CRect& iRect, int iSide)
{
    return iSide == ABE_LEFT || iSide == ABE_RIGHT ? iRect.Width() : iRect.Height();
}

BOOL CGTAppBarWnd::Dock(int iSide)
{
    if (iSide == floatingSide)
        return Float();
    const BOOL horizontalEdge = iSide == ABE_TOP || iSide == ABE_BOTTOM;
    if (iSide < ABE_LEFT || iSide > ABE_BOTTOM || (m_Options & (horizontalEdge ? allowTopBottom : allowLeftRight)) == 0)
        return FALSE;
    if (!Register())
        return FALSE;
    m_Side = iSide;
    DockKeepingAutoHide(nullptr);
    return TRUE;
}

void CGTAppBarWnd::DockKeepingAutoHide(const CRect* iRect)
{
    const BOOL wasActive = m_AutoHideActive;
    if (wasActive)
        SetAutoHide(FALSE, FALSE, TRUE);
    const BOOL hideAgain = wasActive || m_AutoHide;
    auto dock = [&](BOOL iNoSetPos) {
        if (iRect != nullptr)
            SetSide(m_Side, *iRect, TRUE, iNoSetPos);
        else
            DockToSide(m_Side, TRUE, iNoSetPos);
    };
    dock(hideAgain);
    if (hideAgain && !SetAutoHide(TRUE, TRUE, FALSE))
        dock(FALSE);
}

BOOL CGTAppBarWnd::Float()
{
    if ((m_Options & allowFloat) == 0)
        return FALSE;
    if (m_Registered) {
        SetAutoHide(FALSE, FALSE, TRUE);
        Unregister();
        m_DockedOnce = FALSE;
        m_SlidOut = FALSE;
    }
    m_Side = floatingSide;
    MoveBar(m_FloatRect, TRUE);
    return TRUE;
}

void CGTAppBarWnd::MoveBar(const CRect& iRect, BOOL iFrameChanged)
{
    if (m_hWnd == nullptr)
        return;
    // The shell's answers to the move must not move the bar again.
    const BOOL wasUpdating = m_InPositionUpdate;
    m_InPositionUpdate = TRUE;
    SetWindowPos(nullptr, iRect.left, iRect.top, iRect.Width(), iRect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | (iFrameChanged ? SWP_FRAMECHANGED : 0));
    m_InPositionUpdate = wasUpdating;
}

void CGTAppBarWnd::DockToSide(int iSide, BOOL iMove, BOOL iNoSetPos)
{
    if (!m_Registered)
        return;
    SetSide(iSide, Strip(iSide, m_DockThickness[iSide]), iMove, iNoSetPos);
    m_DockedOnce = TRUE;
}

void CGTAppBarWnd::AdjustDockRect(CRect& ioRect) const
{
    CRect screen;
    GetScreenRect(screen);
    if (m_Side == ABE_LEFT || m_Side == ABE_RIGHT) {
        ioRect.top = screen.top;
        ioRect.bottom = screen.bottom;
    } else {
        ioRect.left = screen.left;
        ioRect.right = screen.right;
    }
    const int thickness = ThicknessOf(ioRect, m_Side);
    APPBARDATA data = Data(m_Side);
    data.rc = ioRect;
    Shell(ABM_QUERYPOS, data);
    ioRect = AgainstSide(data.rc, m_Side, thickness);
}

void CGTAppBarWnd::SetSide(int iSide, CRect iRect, BOOL iMove, BOOL iNoSetPos)
{
    m_Side = iSide;
    AdjustDockRect(iRect);
    if (!iNoSetPos) {
        APPBARDATA data = Data(iSide);
        data.rc = iRect;
        Shell(ABM_SETPOS, data);
        iRect = data.rc;
    }
    if (iMove)
        MoveBar(iRect, TRUE);
    // The strip an auto-hidden bar leaves is not its docked place.
    if (!m_AutoHideActive) {
        m_DockedRect = iRect;
        m_DockThickness[iSide] = ThicknessOf(iRect, iSide);
    }
}

void CGTAppBarWnd::OnAppBarPosChanged()
{
    if (!m_Registered || m_InPositionUpdate || (m_AutoHideActive && m_SlidOut))
        return;
    CRect window;
    GetWindowRect(window);
    const CRect strip = Strip(m_Side, ThicknessOf(window, m_Side));
    if (strip == m_DockedRect)
        return;
    m_InPositionUpdate = TRUE;
    SetSide(m_Side, strip, TRUE, m_AutoHideActive);
    m_InPositionUpdate = FALSE;
}

BOOL CGTAppBarWnd::SetAutoHide(BOOL iEnable, BOOL iMove, BOOL iNoSetPos)
{
    if (!m_Registered)
        return FALSE;
    APPBARDATA data = Data(m_Side);
    const HWND edgeBar = reinterpret_cast<HWND>(Shell(ABM_GETAUTOHIDEBAR, data));
    if (iEnable) {
        if ((m_AutoHide && (m_Options & allowAutoHide) == 0) || (edgeBar != nullptr && edgeBar != m_hWnd))
            return FALSE;
        data.lParam = TRUE;
        if (Shell(ABM_SETAUTOHIDEBAR, data) == 0)
            return FALSE;
        m_AutoHideActive = TRUE;
        // The shell keeps only a thin strip free; the bar stays shown until the mouse leaves.
        SetSide(m_Side, Strip(m_Side, slidOutThickness), FALSE, iNoSetPos);
        if (iMove)
            MoveBar(m_DockedRect, TRUE);
        if (m_hWnd != nullptr)
            SetTimer(autoHideTimer, autoHideDelayMs, nullptr);
        return TRUE;
    }
    if (edgeBar != m_hWnd)
        return FALSE;
    data.lParam = FALSE;
    if (Shell(ABM_SETAUTOHIDEBAR, data) == 0)
        return FALSE;
    m_AutoHideActive = FALSE;
    m_SlidOut = FALSE;
    if (m_hWnd != nullptr)
        KillTimer(autoHideTimer);
    DockToSide(m_Side, iMove, iNoSetPos);
    return TRUE;
}

void CGTAppBarWnd::SlideTo(const CRect& iTarget)
{
    BOOL fullWindows = FALSE;
    ::SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullWindows, 0);
    CRect from;
    GetWindowRect(from);
    for (int step = 1; fullWindows && step < slideSteps; ++step) {
        const CRect between(from.left + (iTarget.left - from.left) * step / slideSteps,
                            from.top + (iTarget.top - from.top) * step / slideSteps,
                            from.right + (iTarget.right - from.right) * step / slideSteps,
                            from.bottom + (iTarget.bottom - from.bottom) * step / slideSteps);
        MoveBar(between, FALSE);
        UpdateWindow();
    }
    MoveBar(iTarget, TRUE);
}

void CGTAppBarWnd::SlideOut()
{
    const CRect target = AgainstSide(m_DockedRect, m_Side, slidOutThickness);
    m_SlidOut = TRUE;
    SlideTo(target);
}

void CGTAppBarWnd::SlideIn()
{
    m_SlidOut = FALSE;
    SlideTo(m_DockedRect);
    SetTimer(autoHideTimer, autoHideDelayMs, nullptr);
}

BOOL CGTAppBarWnd::SetAlwaysOnTop(BOOL iOnTop)
{
    if ((m_Options & allowAlwaysOnTop) == 0)
        return FALSE;
    m_AlwaysOnTop = iOnTop;
    if (m_hWnd != nullptr)
        SetWindowPos(iOnTop ? &wndTopMost : &wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

void CGTAppBarWnd::OnAppBarFullScreenApp(BOOL iOpen)
{
    // The window the bar stood behind while a full-screen program covered the screen.
    static HWND s_Before = nullptr;
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    if (iOpen) {
        CWnd* before = GetWindow(GW_HWNDPREV);
        s_Before = before != nullptr ? before->m_hWnd : nullptr;
        SetWindowPos(&wndBottom, 0, 0, 0, 0, flags);
    } else if (m_AlwaysOnTop) {
        SetWindowPos(&wndTopMost, 0, 0, 0, 0, flags);
    } else {
        SetWindowPos(s_Before != nullptr ? CWnd::FromHandle(s_Before) : &wndTop, 0, 0, 0, 0, flags);
    }
}

void CGTAppBarWnd::OnAppBarWindowArrange(BOOL) {}

void CGTAppBarWnd::OnAppBarStateChange(BOOL iAutoHide, BOOL iAlwaysOnTop)
{
    if (iAutoHide != m_AutoHide && (m_Options & allowAutoHide) != 0) {
        m_AutoHide = iAutoHide;
        if (m_Registered)
            SetAutoHide(iAutoHide, !iAutoHide, FALSE);
    }
    if (iAlwaysOnTop != m_AlwaysOnTop)
        SetAlwaysOnTop(iAlwaysOnTop);
}

BOOL CGTAppBarWnd::IsFloating() const
{
    return !m_Registered;
}
