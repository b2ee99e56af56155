#include <guitoolkit/docking/CGTSDCentralGroup.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/GTSmartDockingColors.h>

IMPLEMENT_DYNAMIC(CGTCentralGroupWnd, CWnd)
IMPLEMENT_DYNCREATE(CGTSDCentralGroup, CObject)

BEGIN_MESSAGE_MAP(CGTCentralGroupWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_CLOSE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CGTCentralGroupWnd::CGTCentralGroupWnd() : m_Group(nullptr) {}

void CGTCentralGroupWnd::OnPaint()
{
    CPaintDC dc(this);
    if (m_Group == nullptr)
        return;
    CGTMemDC memory(dc, this);
    m_Group->Paint(&memory.GetDC());
}

void CGTCentralGroupWnd::OnClose() {}

BOOL CGTCentralGroupWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

CGTSDCentralGroup::CGTSDCentralGroup() : m_Created(FALSE), m_CentreMarkerOn(TRUE), m_Layered(FALSE)
{
    m_Wnd.m_Group = this;
}

CGTSDCentralGroup::~CGTSDCentralGroup()
{
    Destroy();
}

BOOL CGTSDCentralGroup::Create(CWnd* iHost)
{
    if (m_Created)
        return TRUE;
    for (int id = 4; id <= 8; ++id)
        if (!m_Markers[id - 4].Create(id, this))
            return FALSE;
    CRgn shape;
    CRect bounds;
    if (!BuildShapes(shape, bounds))
        return FALSE;
    m_Layered = theGuiToolkitGlobals.pfnSetLayeredWindowAttributes != nullptr;
    const DWORD exStyle = WS_EX_TOPMOST | (m_Layered ? WS_EX_LAYERED : 0);
    if (!m_Wnd.CreateEx(exStyle, CGTMarkerBmpWnd::MarkerWindowClass(), L"", WS_POPUP, bounds, iHost, 0))
        return FALSE;
    const COLORREF transparent = CGTDockManager::s_smartDockingParams.m_TransparentColor;
    if (m_Layered)
        theGuiToolkitGlobals.SetLayeredWindowAttributes(m_Wnd.m_hWnd, transparent, 0, LWA_COLORKEY);
    else
        m_Wnd.SetWindowRgn(static_cast<HRGN>(shape.Detach()), FALSE);
    const GTSmartDockingColors colors = CurrentSmartDockingColors();
    m_Wnd.m_BackBrush.CreateSolidBrush(colors.back);
    m_Wnd.m_BorderBrush.CreateSolidBrush(colors.border);
    m_Created = TRUE;
    return TRUE;
}

BOOL CGTSDCentralGroup::BuildShapes(CRgn& oWindowShape, CRect& oBounds)
{
    oWindowShape.CreateRectRgn(0, 0, 0, 0);
    for (CGTSDCentralGroupMarker& marker : m_Markers) {
        if (marker.m_Shape.GetSafeHandle() == nullptr)
            return FALSE;
        oWindowShape.CombineRgn(&oWindowShape, &marker.m_Shape, RGN_OR);
    }
    oWindowShape.GetRgnBox(&oBounds);
    CRect box = oBounds;
    const int offset = m_Markers[0].GroupOffset();
    box.DeflateRect(offset, offset);
    const int middleX = (box.left + box.right) / 2;
    const int middleY = (box.top + box.bottom) / 2;
    const POINT corners[] = {{box.left, middleY}, {middleX, box.bottom}, {box.right, middleY}, {middleX, box.top}};
    if (m_Diamond.GetSafeHandle() != nullptr)
        m_Diamond.DeleteObject();
    m_Diamond.CreatePolygonRgn(corners, 4, ALTERNATE);
    oWindowShape.CombineRgn(&oWindowShape, &m_Diamond, RGN_OR);
    return TRUE;
}

void CGTSDCentralGroup::Destroy()
{
    if (m_Wnd.GetSafeHwnd() != nullptr)
        m_Wnd.DestroyWindow();
    for (CGTSDCentralGroupMarker& marker : m_Markers)
        marker.Destroy();
    for (CBrush* brush : {&m_Wnd.m_BackBrush, &m_Wnd.m_BorderBrush})
        if (brush->GetSafeHandle() != nullptr)
            brush->DeleteObject();
    if (m_Diamond.GetSafeHandle() != nullptr)
        m_Diamond.DeleteObject();
    m_Created = FALSE;
}

void CGTSDCentralGroup::Show(BOOL iShow)
{
    if (m_Wnd.GetSafeHwnd() != nullptr)
        m_Wnd.ShowWindow(iShow ? SW_SHOWNOACTIVATE : SW_HIDE);
}

BOOL CGTSDCentralGroup::MoveTo(const CRect& iRect, int iCentreMarker)
{
    if ((iCentreMarker == 0 || iCentreMarker == 1) && m_CentreMarkerOn != iCentreMarker) {
        m_CentreMarkerOn = iCentreMarker;
        m_Markers[4].m_Visible = iCentreMarker;
        if (m_Wnd.GetSafeHwnd() != nullptr)
            m_Wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    if (m_Wnd.GetSafeHwnd() == nullptr)
        return FALSE;
    CRect window;
    m_Wnd.GetWindowRect(&window);
    const CPoint place((iRect.left + iRect.right - window.Width()) / 2,
                       (iRect.top + iRect.bottom - window.Height()) / 2);
    if (window.TopLeft() == place)
        return FALSE;
    m_Wnd.SetWindowPos(&CWnd::wndTopMost, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    return TRUE;
}

CGTSDCentralGroupMarker* CGTSDCentralGroup::GetMarker(int iId)
{
    return iId >= 4 && iId <= 8 ? &m_Markers[iId - 4] : nullptr;
}

void CGTSDCentralGroup::Paint(CDC* iDc)
{
    if (m_Layered) {
        CRect client;
        m_Wnd.GetClientRect(&client);
        iDc->FillSolidRect(&client, CGTDockManager::s_smartDockingParams.m_TransparentColor);
    }
    iDc->FillRgn(&m_Diamond, &m_Wnd.m_BackBrush);
    iDc->FrameRgn(&m_Diamond, &m_Wnd.m_BorderBrush, 1, 1);
    for (CGTSDCentralGroupMarker& marker : m_Markers)
        if (marker.m_Visible && (marker.GetId() != 8 || m_CentreMarkerOn))
            marker.Draw(iDc);
}
