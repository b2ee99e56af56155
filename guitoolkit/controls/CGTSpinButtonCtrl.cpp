#include <guitoolkit/controls/CGTSpinButtonCtrl.h>
#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>

IMPLEMENT_DYNAMIC(CGTSpinButtonCtrl, CSpinButtonCtrl)

BEGIN_MESSAGE_MAP(CGTSpinButtonCtrl, CSpinButtonCtrl)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_MOUSEMOVE()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

CGTSpinButtonCtrl::CGTSpinButtonCtrl()
    : m_UpPressed(FALSE), m_DownPressed(FALSE), m_UpHot(FALSE), m_DownHot(FALSE), m_Tracking(FALSE)
{
}

int CGTSpinButtonCtrl::GetDrawState() const
{
    int state = 0;
    if (m_UpPressed)
        state |= 1;
    if (m_DownPressed)
        state |= 2;
    if (m_UpHot)
        state |= 4;
    if (m_DownHot)
        state |= 8;
    if (!IsWindowEnabled())
        state |= 16;
    return state;
}

void CGTSpinButtonCtrl::SplitClient(CRect& oUp, CRect& oDown) const
{
    CRect client;
    GetClientRect(client);
    oUp = oDown = client;
    oUp.bottom = oDown.top = (client.top + client.bottom) / 2;
}

void CGTSpinButtonCtrl::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(client);
    CGTMemDC memory(paint, this);
    CDC& dc = memory.GetDC();
    dc.FillRect(client, &theGuiToolkitGlobals.brushWindow);
    CGTVisualManager::GetCurrent()->DrawSpinButtons(&dc, client, GetDrawState(), FALSE, this);
}

BOOL CGTSpinButtonCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTSpinButtonCtrl::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    CRect up, down;
    SplitClient(up, down);
    m_UpPressed = up.PtInRect(iPoint);
    m_DownPressed = down.PtInRect(iPoint);
    CSpinButtonCtrl::OnLButtonDown(iFlags, iPoint);
}

void CGTSpinButtonCtrl::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    CRect up, down;
    SplitClient(up, down);
    const BOOL wasUpHot = m_UpHot;
    const BOOL wasDownHot = m_DownHot;
    m_UpHot = up.PtInRect(iPoint);
    m_DownHot = down.PtInRect(iPoint);
    if (iFlags & MK_LBUTTON) {
        m_UpPressed = m_UpHot;
        m_DownPressed = m_DownHot;
    }
    CSpinButtonCtrl::OnMouseMove(iFlags, iPoint);
    if (wasUpHot != m_UpHot || wasDownHot != m_DownHot)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    TrackLeave();
}

void CGTSpinButtonCtrl::TrackLeave()
{
    if (m_Tracking)
        return;
    TRACKMOUSEEVENT request = {sizeof(request), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
    m_Tracking = TrackMouseLeave(request);
}

void CGTSpinButtonCtrl::ClearState()
{
    m_UpPressed = m_DownPressed = m_UpHot = m_DownHot = FALSE;
}

void CGTSpinButtonCtrl::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    ClearState();
    CSpinButtonCtrl::OnLButtonUp(iFlags, iPoint);
}

void CGTSpinButtonCtrl::OnCancelMode()
{
    CSpinButtonCtrl::OnCancelMode();
    ClearState();
}

void CGTSpinButtonCtrl::OnMouseLeave()
{
    m_Tracking = FALSE;
    if (m_UpPressed || m_DownPressed || m_UpHot || m_DownHot) {
        m_UpHot = m_DownHot = FALSE;
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}
