// The toolbar as its window changes size: buttons placed anew, and a bar in a rebar band
// giving the band its size.
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTReBar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <algorithm>

namespace {
CWnd* RebarParent(const CWnd& iBar)
{
    CWnd* parent = iBar.GetParent();
    return parent != nullptr && parent->IsKindOf(RUNTIME_CLASS(CGTReBar)) ? parent : nullptr;
}
}  // namespace

BOOL CGTToolBar::SizeRebarBand()
{
    CWnd* rebar = RebarParent(*this);
    if (rebar == nullptr)
        return FALSE;
    const UINT count = static_cast<UINT>(rebar->SendMessage(RB_GETBANDCOUNT));
    for (UINT index = 0; index < count; ++index) {
        REBARBANDINFOW band = {};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        rebar->SendMessage(RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&band));
        if (band.hwndChild != m_hWnd)
            continue;
        CalcMaxButtonHeight();
        const CSize size = CalcLayoutSize(FALSE);
        CRect borders(0, 0, 0, 0);
        AdjustClientRectByBorders(borders, TRUE);
        const UINT width = static_cast<UINT>(std::max(size.cx - borders.Width(), 0L));
        const UINT height = static_cast<UINT>(std::max(size.cy - borders.Height(), 0L));
        const UINT minWidth = static_cast<UINT>(s_ButtonSize.cx);
        // The band lays its child out again, which asks for the band's size once more.
        if (band.cxMinChild == minWidth && band.cyMinChild == height && band.cxIdeal == width)
            return TRUE;
        band.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        band.cxMinChild = minWidth;
        band.cyMinChild = height;
        band.cxIdeal = width;
        rebar->SendMessage(RB_SETBANDINFOW, index, reinterpret_cast<LPARAM>(&band));
        return TRUE;
    }
    return TRUE;
}

void CGTToolBar::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTBaseToolBar::OnSize(iType, iWidth, iHeight);
    if (s_CustomizeMode && !m_Locked)
        CancelCustomizeResize();
    RecalcButtonLayout();
    if (CGTMiniFrameWnd* miniFrame = GetParentMiniFrame())
        TrimFloatingSystemMenu(*miniFrame);
}

// A floating bar's frame is never minimised or maximised, and closes only when the bar may.
void CGTToolBar::TrimFloatingSystemMenu(CWnd& ioMiniFrame) const
{
    CMenu* menu = ioMiniFrame.GetSystemMenu(FALSE);
    if (menu == nullptr)
        return;
    for (UINT command : {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE})
        menu->RemoveMenu(command, MF_BYCOMMAND);
    if (!CanHide())
        menu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
}

void CGTToolBar::OnWindowPosChanging(WINDOWPOS* ioPosition)
{
    CGTBaseToolBar::OnWindowPosChanging(ioPosition);
    if (RebarParent(*this) != nullptr)
        AdjustLayout();
}

void CGTToolBar::OnWindowPosChanged(WINDOWPOS* iPosition)
{
    const CSize previous = m_LastSize;
    if (!(iPosition->flags & SWP_NOSIZE))
        m_LastSize = CSize(iPosition->cx, iPosition->cy);
    CGTBaseToolBar::OnWindowPosChanged(iPosition);
    if (m_LastSize.cx > previous.cx || m_LastSize.cy > previous.cy || RebarParent(*this) != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}
