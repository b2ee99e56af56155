#include <guitoolkit/docking/CGTControlBarImpl.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTControlBar.h>

namespace {
// The window rectangle with its origin at the window's top-left corner.
CRect WindowRectAtOrigin(const CWnd& iWindow)
{
    CRect window;
    iWindow.GetWindowRect(&window);
    window.OffsetRect(-window.TopLeft());
    return window;
}
}  // namespace

void CGTControlBarImpl::CalcNcSize(CRect& ioRect) const
{
    m_Bar.AdjustClientRectByBorders(ioRect, m_Bar.IsHorizontal());
}

void CGTControlBarImpl::GetGripperRect(CRect& oRect, BOOL iClientCoordinates) const
{
    oRect.SetRectEmpty();
    const DWORD style = m_Bar.GetStyleWord();
    if (!(style & GTStyleGripper) || (style & GTStyleFloating) || m_Bar.GetSafeHwnd() == nullptr)
        return;
    CRect client = WindowRectAtOrigin(m_Bar);
    CalcNcSize(client);
    oRect = client;
    if (!m_Bar.IsHorizontal()) {
        oRect.bottom = client.top;
        oRect.top = client.top - gripperSize;
    } else if (m_Bar.GetExStyle() & WS_EX_LAYOUTRTL) {
        oRect.left = client.right;
        oRect.right = client.right + gripperSize;
    } else {
        oRect.right = client.left;
        oRect.left = client.left - gripperSize;
    }
    if (iClientCoordinates)
        oRect.OffsetRect(-client.TopLeft());
}

void CGTControlBarImpl::DrawNcArea(HRGN iRegion)
{
    CWindowDC dc(&m_Bar);
    CRect client = WindowRectAtOrigin(m_Bar);
    CalcNcSize(client);
    dc.ExcludeClipRect(&client);
    if (iRegion != nullptr && iRegion != reinterpret_cast<HRGN>(1)) {
        CRect window;
        m_Bar.GetWindowRect(&window);
        CRgn update;
        if (m_Bar.GetExStyle() & WS_EX_LAYOUTRTL) {
            CRect box;
            ::GetRgnBox(iRegion, &box);
            update.CreateRectRgn(window.right - box.right, box.top - window.top, window.right - box.left,
                                 box.bottom - window.top);
        } else {
            update.CreateRectRgn(0, 0, 0, 0);
            update.CopyRgn(CRgn::FromHandle(iRegion));
            update.OffsetRgn(-window.TopLeft());
        }
        dc.SelectClipRgn(&update, RGN_AND);
    }
    DrawNonClient(&dc);
}

void CGTControlBarImpl::DrawNonClient(CDC* iDc)
{
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    CRect rect = WindowRectAtOrigin(m_Bar);
    look->DrawBarBorder(iDc, &m_Bar, rect);
    look->DrawBarBackground(iDc, &m_Bar, rect, rect);
    CRect gripper;
    GetGripperRect(gripper, FALSE);
    if (!gripper.IsRectEmpty())
        look->DrawGripper(iDc, gripper, m_Bar.IsHorizontal(), &m_Bar);
}

void CGTControlBarImpl::DrawParentBackground(CDC* iDc)
{
    theGuiToolkitGlobals.DrawParentBackground(&m_Bar, iDc);
}
