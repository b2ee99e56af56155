#include <guitoolkit/docking/CGTControlBarImpl.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTControlBar.h>

void CGTControlBarImpl::CalcNcSize(CRect& ioRect) const
{
    m_Bar.AdjustClientRectByBorders(ioRect, m_Bar.IsHorizontal());
    if (!(m_Bar.GetBarStyle() & CBRS_GRIPPER))
        return;
    if (m_Bar.IsHorizontal())
        ioRect.left += gripperSize;
    else
        ioRect.top += gripperSize;
}

void CGTControlBarImpl::GetGripperRect(CRect& oRect, BOOL iClientCoordinates) const
{
    oRect.SetRectEmpty();
    if (!(m_Bar.GetBarStyle() & CBRS_GRIPPER) || m_Bar.GetSafeHwnd() == nullptr)
        return;
    CRect window;
    m_Bar.GetWindowRect(&window);
    window.OffsetRect(-window.TopLeft());
    CRect inside = window;
    m_Bar.AdjustClientRectByBorders(inside, m_Bar.IsHorizontal());
    oRect = inside;
    if (m_Bar.IsHorizontal())
        oRect.right = oRect.left + gripperSize;
    else
        oRect.bottom = oRect.top + gripperSize;
    if (iClientCoordinates) {
        CRect client = window;
        CalcNcSize(client);
        oRect.OffsetRect(-client.TopLeft());
    }
}

void CGTControlBarImpl::DrawNcArea()
{
    CWindowDC dc(&m_Bar);
    CRect window;
    m_Bar.GetWindowRect(&window);
    window.OffsetRect(-window.TopLeft());
    CRect client = window;
    CalcNcSize(client);
    dc.ExcludeClipRect(&client);
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    CRect border = window;
    look->DrawBarBorder(&dc, &m_Bar, border);
    CRect gripper;
    GetGripperRect(gripper, FALSE);
    if (!gripper.IsRectEmpty())
        look->DrawGripper(&dc, gripper, (m_Bar.GetCurrentAlignment() & CBRS_ORIENT_HORZ) != 0, &m_Bar);
}

void CGTControlBarImpl::DrawParentBackground(CDC* iDc)
{
    theGuiToolkitGlobals.DrawParentBackground(&m_Bar, iDc);
}
