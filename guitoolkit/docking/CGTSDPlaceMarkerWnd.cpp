#include <guitoolkit/docking/CGTSDCentralGroup.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTDockManager.h>

IMPLEMENT_DYNAMIC(CGTSDPlaceMarkerWnd, CWnd)

BEGIN_MESSAGE_MAP(CGTSDPlaceMarkerWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_CLOSE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CGTSDPlaceMarkerWnd::s_TabsOnTop = FALSE;

namespace {
const BYTE previewAlpha = 100;
const UINT redrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
}  // namespace

CGTSDPlaceMarkerWnd::CGTSDPlaceMarkerWnd()
    : m_Host(nullptr), m_DraggedWnd(nullptr), m_ShownRect(0, 0, 0, 0), m_TabRect(0, 0, 0, 0), m_Tabbed(FALSE),
      m_Shown(FALSE), m_UseSystemHighlight(FALSE)
{
}

BOOL CGTSDPlaceMarkerWnd::Create(CWnd* iHost)
{
    m_Host = iHost;
    m_UseSystemHighlight = CGTDockManager::s_smartDockingParams.m_UseSystemHighlight;
    const BOOL layered =
        theGuiToolkitGlobals.pfnSetLayeredWindowAttributes != nullptr && theGuiToolkitGlobals.bitsPerPixel > 8;
    static const CString windowClass = AfxRegisterWndClass(0);
    if (!CreateEx(layered ? WS_EX_LAYERED : 0, windowClass, L"", WS_POPUP, CRect(0, 0, 0, 0), iHost, 0))
        return FALSE;
    if (layered)
        theGuiToolkitGlobals.SetLayeredWindowAttributes(m_hWnd, 0, previewAlpha, LWA_ALPHA);
    return TRUE;
}

void CGTSDPlaceMarkerWnd::ShowAt(const CRect& iRect)
{
    if (m_hWnd == nullptr || (!m_Tabbed && m_Shown && iRect == m_ShownRect))
        return;
    ShowWindow(SW_HIDE);
    if (m_Tabbed)
        SetWindowRgn(nullptr, FALSE);
    m_Tabbed = FALSE;
    m_TabRect.SetRectEmpty();
    MoveAndShow(iRect.left, iRect.top, iRect.Width(), iRect.Height());
    m_ShownRect = iRect;
}

void CGTSDPlaceMarkerWnd::ShowTabbedAt(const CRect& iRect, const CRect& iTab)
{
    if (m_hWnd == nullptr || (m_Tabbed && m_Shown && iRect == m_ShownRect && iTab == m_TabRect))
        return;
    ShowWindow(SW_HIDE);
    const int tabHeight = iTab.Height();
    CRgn body, tab;
    body.CreateRectRgn(0, s_TabsOnTop ? tabHeight : 0, iRect.Width(), iRect.Height() + (s_TabsOnTop ? tabHeight : 0));
    const int tabTop = s_TabsOnTop ? 0 : iRect.Height();
    tab.CreateRectRgn(iTab.left, tabTop, iTab.right, tabTop + tabHeight);
    body.CombineRgn(&body, &tab, RGN_OR);
    SetWindowRgn(static_cast<HRGN>(body.Detach()), FALSE);
    m_Tabbed = TRUE;
    MoveAndShow(iRect.left, iRect.top - (s_TabsOnTop ? tabHeight : 0), iRect.Width(), iRect.Height() + tabHeight);
    m_ShownRect = iRect;
    m_TabRect = iTab;
}

void CGTSDPlaceMarkerWnd::MoveAndShow(int iX, int iY, int iWidth, int iHeight)
{
    if (!(GetExStyle() & WS_EX_LAYERED)) {
        if (m_Underneath.GetSafeHandle() != nullptr)
            m_Underneath.DeleteObject();
        CDC* screen = CDC::FromHandle(::GetDC(nullptr));
        CDC copy;
        copy.CreateCompatibleDC(screen);
        m_Underneath.CreateCompatibleBitmap(screen, iWidth, iHeight);
        CBitmap* previous = copy.SelectObject(&m_Underneath);
        copy.BitBlt(0, 0, iWidth, iHeight, screen, iX, iY, SRCCOPY);
        copy.SelectObject(previous);
        ::ReleaseDC(nullptr, screen->GetSafeHdc());
    }
    SetWindowPos(&CWnd::wndTop, iX, iY, iWidth, iHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_Shown = TRUE;
    RedrawWindow(nullptr, nullptr, redrawNow);
}

void CGTSDPlaceMarkerWnd::Hide()
{
    if (!m_Shown)
        return;
    ShowWindow(SW_HIDE);
    m_Shown = FALSE;
    for (CWnd* window : {m_Host, m_DraggedWnd})
        if (window != nullptr && window->GetSafeHwnd() != nullptr)
            window->UpdateWindow();
    m_ShownRect.SetRectEmpty();
    m_TabRect.SetRectEmpty();
}

void CGTSDPlaceMarkerWnd::OnPaint()
{
    CPaintDC dc(this);
    if (!m_Shown)
        return;
    const COLORREF color = m_UseSystemHighlight ? theGuiToolkitGlobals.colorHighlight : RGB(47, 103, 190);
    CRect client;
    GetClientRect(&client);
    if (GetExStyle() & WS_EX_LAYERED) {
        dc.FillSolidRect(&client, CGTDrawManager::ScaleColor(color, 105));
        return;
    }
    if (m_Underneath.GetSafeHandle() != nullptr) {
        CDC copy;
        copy.CreateCompatibleDC(&dc);
        CBitmap* previousBitmap = copy.SelectObject(&m_Underneath);
        dc.BitBlt(0, 0, client.Width(), client.Height(), &copy, 0, 0, SRCCOPY);
        copy.SelectObject(previousBitmap);
    }
    const COLORREF inverted = RGB(255 - GetRValue(color), 255 - GetGValue(color), 255 - GetBValue(color));
    CBrush brush(CGTDrawManager::ScaleColor(inverted, 50));
    CBrush* previous = dc.SelectObject(&brush);
    dc.PatBlt(client.left, client.top, client.Width(), client.Height(), PATINVERT);
    dc.SelectObject(previous);
}

void CGTSDPlaceMarkerWnd::OnClose() {}

BOOL CGTSDPlaceMarkerWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
