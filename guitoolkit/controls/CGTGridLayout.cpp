// Geometry of the grid: row heights, the grouping area, the header, the rows area, the
// scroll bars and scrolling.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <afxcmn.h>
#include <algorithm>
#include <climits>

void CGTGridCtrl::CalcRowHeights()
{
    TEXTMETRIC metrics;
    if (m_Printing) {
        CFont* oldFont = SelectPaintFont(m_PrintDc);
        m_PrintDc->GetTextMetrics(&metrics);
        m_PrintDc->SelectObject(oldFont);
        m_RowHeight = m_GroupRowHeight = metrics.tmHeight + PrintScaleY(4);
        return;
    }
    if (GetSafeHwnd() == nullptr)
        return;
    CClientDC dc(this);
    CFont* oldFont = SelectPaintFont(&dc);
    dc.GetTextMetrics(&metrics);
    dc.SelectObject(oldFont);
    m_RowHeight = m_GroupRowHeight = metrics.tmHeight + 4;
}

void CGTGridCtrl::GetGroupAreaRect(CRect& oRect, CDC*, const CRect& iClient)
{
    if (!m_GroupAreaShown) {
        oRect.SetRectEmpty();
        return;
    }
    const int groups = m_Columns.GetGroupColumnCount();
    oRect = iClient;
    if (m_Printing)
        oRect.bottom = groups == 0
            ? oRect.top
            : oRect.top + GetRowHeight() + PrintScaleY(3) + PrintScaleY(10) * (groups - 1) + 2 * PrintScaleY(7);
    else
        oRect.bottom = oRect.top + GetRowHeight() + (groups <= 1 ? 16 : 3 + 10 * (groups - 1) + 2 * 7);
}

void CGTGridCtrl::GetHeaderRect(CRect& oRect, CDC*, const CRect& iClient)
{
    if (!m_HeaderShown) {
        oRect.SetRectEmpty();
        return;
    }
    oRect = iClient;
    oRect.bottom = oRect.top + GetRowHeight() + PrintScaleY(4);
}

void CGTGridCtrl::PlaceBands(const CRect& iArea, CDC* iDc)
{
    CRect group;
    GetGroupAreaRect(group, iDc, iArea);
    m_GroupAreaHeight = group.Height();
    GetHeaderRect(m_HeaderRect, iDc, iArea);
    m_HeaderRect.OffsetRect(0, m_GroupAreaHeight);
    m_RowsArea = iArea;
    m_RowsArea.top += m_GroupAreaHeight + m_HeaderRect.Height();
}

void CGTGridCtrl::AdjustLayout()
{
    if (GetSafeHwnd() == nullptr || m_InLayout)
        return;
    m_InLayout = TRUE;
    if (m_RowsChanged)
        PositionRows();
    CalcRowHeights();
    CRect client;
    GetClientRect(client);
    PlaceBands(client, nullptr);
    if (m_HeaderRect.IsRectEmpty())
        m_HeaderRect = CRect(client.left, m_RowsArea.top, client.right, m_RowsArea.top);
    m_Columns.RecalcWidths(m_RowsArea.Width());

    const int barWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = ::GetSystemMetrics(SM_CYHSCROLL);
    SetScrollRanges();
    if (m_VertTotal > 0) {
        m_RowsArea.right -= barWidth;
        m_HeaderRect.right -= barWidth;
        if (m_Columns.m_StretchMode)
            m_Columns.RecalcWidths(m_RowsArea.Width());
    }
    if (m_HorzTotal > 0)
        m_RowsArea.bottom -= barHeight;

    // The vertical bar runs beside the header and the rows.
    const UINT place = SWP_NOZORDER | SWP_NOACTIVATE;
    if (m_VertScroll.GetSafeHwnd() != nullptr) {
        if (m_VertTotal > 0)
            m_VertScroll.SetWindowPos(nullptr, m_RowsArea.right, m_HeaderRect.top, barWidth,
                                      m_RowsArea.bottom - m_HeaderRect.top, place);
        else
            m_VertScroll.SetWindowPos(nullptr, 0, 0, 0, 0, place);
    }
    if (m_HorzScroll.GetSafeHwnd() != nullptr) {
        if (m_HorzTotal > 0)
            m_HorzScroll.SetWindowPos(nullptr, m_RowsArea.left, m_RowsArea.bottom, m_RowsArea.Width(), barHeight,
                                      place);
        else
            m_HorzScroll.SetWindowPos(nullptr, 0, 0, 0, 0, place);
    }

    PositionRows();
    m_SelectionRect = GetSelectionRect();
    MoveInPlaceControl();
    RedrawAll();
    m_InLayout = FALSE;
}

int CGTGridCtrl::ClampOffset(int iOffset, int iTotal, int iPage) const
{
    if (iTotal <= 0)
        return 0;
    return std::max(0, std::min(iOffset, iTotal - iPage + 1));
}

void CGTGridCtrl::SetScrollRanges()
{
    int vertPage = 0;
    int vertTotal = 0;
    if (m_RowHeight != 0 && m_VirtualMode) {
        vertPage = m_RowsArea.Height();
        vertTotal = (int)std::min<LONGLONG>((LONGLONG)m_RowHeight * m_VirtualRows, INT_MAX);
    } else if (m_RowHeight != 0) {
        vertPage = m_RowsArea.Height();
        int groups = 0;
        const BOOL everyEntry = IsSortingActive() && !IsGrouping();
        for (INT_PTR i = 0; i < m_Shown.GetSize(); ++i)
            groups += m_Shown[i]->IsGroup() && (everyEntry || m_Shown[i]->IsParentExpanded());
        const int rows = GetRowCount(TRUE);
        vertTotal = m_GroupRowHeight * groups + m_RowHeight * (rows - groups);
    }
    int horzPage = m_RowsArea.Width();
    int horzTotal = m_Columns.m_TotalWidth;
    if (vertTotal > vertPage && !m_Columns.m_StretchMode)
        horzPage -= ::GetSystemMetrics(SM_CXVSCROLL);
    if (horzTotal > horzPage)
        vertPage -= ::GetSystemMetrics(SM_CYHSCROLL);

    auto apply = [](CScrollBar& iBar, int iTotal, int iPage, int iOffset) {
        SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, iTotal, (UINT)iPage, iOffset};
        iBar.SetScrollInfo(&info, TRUE);
        iBar.EnableScrollBar(iTotal < 1 ? ESB_DISABLE_BOTH : ESB_ENABLE_BOTH);
        iBar.EnableWindow(TRUE);
    };
    if (m_VertScroll.GetSafeHwnd() != nullptr) {
        if (vertTotal <= vertPage)
            vertTotal = vertPage = 0;
        m_VertOffset = m_RowHeight == 0 ? 0 : WholeRowOffset(ClampOffset(m_VertOffset, vertTotal, vertPage));
        apply(m_VertScroll, vertTotal, vertPage, m_VertOffset);
    }
    if (m_HorzScroll.GetSafeHwnd() != nullptr) {
        if (horzTotal <= horzPage || m_Columns.m_StretchMode)
            horzTotal = horzPage = 0;
        m_HorzOffset = ClampOffset(m_HorzOffset, horzTotal, horzPage);
        apply(m_HorzScroll, horzTotal, horzPage, m_HorzOffset);
    }
    m_VertTotal = vertTotal;
    m_VertPage = vertPage;
    m_HorzTotal = horzTotal;
    m_HorzPage = horzPage;
}

void CGTGridCtrl::OffsetRows(int iDeltaX, int iDeltaY)
{
    m_ToolTip.Hide();
    m_FirstVisible = -1;
    auto offset = [iDeltaX, iDeltaY](CGTGridRow* iRow) {
        CRect rect = iRow->GetRect();
        if (rect.IsRectEmpty())
            return FALSE;
        rect.OffsetRect(iDeltaX, iDeltaY);
        iRow->SetRect(rect);
        for (int cell = 0; cell < iRow->GetItemCount(); ++cell) {
            CRect area = iRow->GetItem(cell)->GetRect();
            if (!area.IsRectEmpty())
                area.OffsetRect(iDeltaX, iDeltaY);
            iRow->GetItem(cell)->SetRect(area);
        }
        return TRUE;
    };
    if (m_VirtualMode) {
        m_Cache.ForEachRow([&](int, CGTGridRow* iRow) { offset(iRow); });
        m_FirstVisible = GetRowHeight() > 0 ? m_VertOffset / GetRowHeight() : 0;
        return;
    }
    for (INT_PTR i = 0; i < m_Shown.GetSize(); ++i)
        if (offset(m_Shown[i]) && m_FirstVisible < 0 && m_Shown[i]->GetRect().bottom >= m_RowsArea.top)
            m_FirstVisible = (int)i;
}

int CGTGridCtrl::WholeRowOffset(int iOffset) const
{
    const int height = GetRowHeight();
    if (!m_VirtualMode || height <= 0 || iOffset % height == 0)
        return iOffset;
    return (iOffset / height + 1) * height;
}

void CGTGridCtrl::SetVertOffset(int iOffset)
{
    iOffset = WholeRowOffset(ClampOffset(iOffset, m_VertTotal, m_VertPage));
    if (iOffset == m_VertOffset)
        return;
    const int delta = m_VertOffset - iOffset;
    m_VertOffset = iOffset;
    if (m_VertScroll.GetSafeHwnd() != nullptr)
        m_VertScroll.SetScrollPos(iOffset);
    OffsetRows(0, delta);
    m_SelectionRect = GetSelectionRect();
    if (GetSafeHwnd() != nullptr)
        ScrollWindow(0, delta, m_RowsArea, m_RowsArea);
    MoveInPlaceControl();
}

void CGTGridCtrl::SetHorzOffset(int iOffset)
{
    iOffset = ClampOffset(iOffset, m_HorzTotal, m_HorzPage);
    if (iOffset == m_HorzOffset)
        return;
    const int delta = m_HorzOffset - iOffset;
    m_HorzOffset = iOffset;
    if (m_HorzScroll.GetSafeHwnd() != nullptr)
        m_HorzScroll.SetScrollPos(iOffset);
    OffsetRows(delta, 0);
    m_SelectionRect = GetSelectionRect();
    if (GetSafeHwnd() != nullptr) {
        ScrollWindow(delta, 0, m_RowsArea, m_RowsArea);
        InvalidateRect(m_HeaderRect);
    }
    MoveInPlaceControl();
}

int CGTGridCtrl::ScrolledOffset(int iBar, UINT iCode, int iOffset, int iLine, int iPage, int iTotal)
{
    // The codes of both bars have the same values (SB_LINEUP is SB_LINELEFT...).
    switch (iCode) {
    case SB_LINEUP:
        return iOffset - iLine;
    case SB_LINEDOWN:
        return iOffset + iLine;
    case SB_PAGEUP:
        return iOffset - iPage;
    case SB_PAGEDOWN:
        return iOffset + iPage;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info;
        GetScrollInfo(iBar, &info, SIF_ALL);
        return info.nTrackPos;
    }
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return iTotal;
    default:
        return iOffset;
    }
}

void CGTGridCtrl::ScrollVert(UINT iCode)
{
    if (IsPointerBusy())
        return;
    EndEditItem(FALSE);
    int page = m_RowsArea.Height();
    if (m_VirtualMode && GetRowHeight() > 0)
        page = std::max(1, page / GetRowHeight()) * GetRowHeight();
    SetVertOffset(ScrolledOffset(SB_VERT, iCode, m_VertOffset, GetRowHeight(), page, m_VertTotal));
}

void CGTGridCtrl::ScrollHorz(UINT iCode)
{
    if (IsPointerBusy())
        return;
    EndEditItem(FALSE);
    SetHorzOffset(ScrolledOffset(SB_HORZ, iCode, m_HorzOffset, std::max(1, GetRowHeight()), m_HorzPage, m_HorzTotal));
}

void CGTGridCtrl::OnVScroll(UINT iCode, UINT, CScrollBar* iBar)
{
    // The in-place spin control scrolls its own value.
    if (iBar != nullptr && m_CurrentItem != nullptr && (CWnd*)iBar == (CWnd*)m_CurrentItem->GetSpinWnd())
        return;
    ScrollVert(iCode);
}

void CGTGridCtrl::OnHScroll(UINT iCode, UINT, CScrollBar*)
{
    ScrollHorz(iCode);
}

BOOL CGTGridCtrl::OnMouseWheel(UINT, short iDelta, CPoint)
{
    if (CGTActivePopupMenu::Get() != nullptr || IsPointerBusy())
        return TRUE;
    for (int step = 0; step < abs(iDelta) / WHEEL_DELTA; ++step)
        ScrollVert(iDelta > 0 ? SB_LINEUP : SB_LINEDOWN);
    return TRUE;
}

void CGTGridCtrl::MoveInPlaceControl()
{
    if (m_CurrentItem == nullptr || m_CurrentItem->GetInPlaceWnd() == nullptr)
        return;
    CRect edit, spin;
    m_CurrentItem->AdjustInPlaceEditRect(edit, spin);
    m_CurrentItem->GetInPlaceWnd()->MoveWindow(edit);
    if (CWnd* spinWnd = (CWnd*)m_CurrentItem->GetSpinWnd())
        spinWnd->MoveWindow(spin);
}
