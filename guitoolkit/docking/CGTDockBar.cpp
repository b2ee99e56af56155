#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTControlBar.h>
#include <guitoolkit/docking/CGTDockBarRow.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <algorithm>

IMPLEMENT_DYNCREATE(CGTDockBar, CGTBaseControlBar)

BEGIN_MESSAGE_MAP(CGTDockBar, CGTBaseControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CGTDockBar::CGTDockBar() : m_Bars(10), m_Rows(10), m_DockBarId(0) {}

CGTDockBar::~CGTDockBar()
{
    while (!m_Rows.IsEmpty())
        delete static_cast<CGTDockBarRow*>(m_Rows.RemoveHead());
}

BOOL CGTDockBar::IsResizable() const
{
    return FALSE;
}

BOOL CGTDockBar::AllowsInsertBefore() const
{
    return FALSE;
}

BOOL CGTDockBar::CanAcceptBar(const CGTBaseControlBar* iBar) const
{
    return iBar != nullptr;
}

void CGTDockBar::AdjustLayout()
{
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;)
        static_cast<CGTControlBar*>(m_Bars.GetNext(position))->AdjustLayout();
}

CSize CGTDockBar::GetStretchLimit(BOOL iStretch, BOOL iHorizontal)
{
    for (POSITION position = m_Rows.GetHeadPosition(); position != nullptr;) {
        auto* row = static_cast<CGTDockBarRow*>(m_Rows.GetNext(position));
        if (!row->IsRowVisible())
            continue;
        const CSize size = row->CalcRowSize(iStretch, iHorizontal);
        const int needed = IsHorizontal() ? size.cy : size.cx;
        if (needed > 0 && needed != row->GetThickness())
            ResizeRow(row, needed, FALSE);
    }
    CRect window;
    GetWindowRect(&window);
    return window.Size();
}

BOOL CGTDockBar::IsAnyBarDragged() const
{
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        if (static_cast<CGTControlBar*>(m_Bars.GetNext(position))->IsBeingDragged())
            return TRUE;
    }
    return FALSE;
}

CGTDockBarRow* CGTDockBar::CreateRow(int iOffset, int iThickness)
{
    return new CGTDockBarRow(*this, iOffset, iThickness);
}

int CGTDockBar::NeededThickness(CGTControlBar& iBar) const
{
    const CSize size = iBar.GetStretchLimit(FALSE, IsHorizontal());
    return IsHorizontal() ? size.cy : size.cx;
}

BOOL CGTDockBar::DockControlBar(CGTControlBar* iBar, int iMethod, LPCRECT iRect)
{
    if (m_Bars.Find(iBar) != nullptr)
        return FALSE;
    CGTDockBarRow* row = nullptr;
    if (iMethod == GTDockByMouse) {
        CPoint cursor;
        CGTCursor::Current().GetPosition(cursor);
        BOOL beforeFirst = FALSE;
        CGTDockBarRow* under = RowAtPoint(cursor, beforeFirst);
        if (under != nullptr && !under->HasRestrictedBar() && (iBar->IsNotRestricted() || under->IsEmpty()))
            row = under;
        else if (under != nullptr)
            row = InsertRow(RowAfter(under), NeededThickness(*iBar));
        else
            row = InsertRow(beforeFirst && !m_Rows.IsEmpty() ? static_cast<CGTDockBarRow*>(m_Rows.GetHead()) : nullptr,
                            NeededThickness(*iBar));
    } else if (iMethod == GTDockToRecentPlace) {
        const CGTRecentDockInfo& recent = iBar->GetRecentDockInfo();
        row = OwnRow(recent.m_pRecentRow);
        if (row == nullptr) {
            // A stored index past the rows opens one new row at the end, not as many as it says.
            const int index = static_cast<int>(std::min<INT_PTR>(recent.m_nRecentRowIndex, m_Rows.GetCount()));
            if (CGTDockManager::s_bApplyingState && index == m_Rows.GetCount())
                InsertRow(nullptr, NeededThickness(*iBar));
            row = RowAtIndex(index);
        }
    } else if (iMethod == GTDockByRect && iRect != nullptr) {
        CPoint corner(iRect->left, iRect->top);
        ClientToScreen(&corner);
        BOOL beforeFirst = FALSE;
        row = RowAtPoint(corner, beforeFirst);
    }
    if (row == nullptr)
        row = InsertRow(nullptr, NeededThickness(*iBar));
    if (row == nullptr)
        return FALSE;
    if (iMethod == GTDockByMouse)
        row->PlaceBarByMouse(iBar, iMethod);
    else
        row->PlaceBarAt(iBar, iMethod, iRect);
    m_Bars.AddTail(iBar);
    AdjustFrameLayout();
    iBar->ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CGTDockBar::DockBarBefore(CGTControlBar* iBar, CGTControlBar* iDocked)
{
    CGTDockBarRow* row = OwnRow(iDocked->GetDockRow());
    if (row == nullptr)
        return FALSE;
    CRect docked;
    iDocked->GetWindowRect(&docked);
    ScreenToClient(&docked);
    const CSize size = iBar->GetStretchLimit(FALSE, IsHorizontal());
    const int gap = iDocked->GetDockGap();
    CRect target = docked;
    if (IsHorizontal()) {
        target.right = docked.left - gap;
        target.left = target.right - size.cx;
    } else {
        target.bottom = docked.top - gap;
        target.top = target.bottom - size.cy;
    }
    iBar->ReparentForDocking(this, GTDockByRect);
    row->SetIncludeHidden(TRUE);
    row->PlaceBarAt(iBar, GTDockByRect, &target);
    row->SetIncludeHidden(FALSE);
    m_Bars.InsertBefore(m_Bars.Find(iDocked), iBar);
    AdjustFrameLayout();
    RepositionRows();
    return TRUE;
}

void CGTDockBar::RemoveControlBar(CGTControlBar* iBar)
{
    if (POSITION found = m_Bars.Find(iBar))
        m_Bars.RemoveAt(found);
    if (CGTDockBarRow* row = OwnRow(iBar->GetDockRow()))
        row->RemoveBar(iBar);
    iBar->SetDockSite(nullptr, nullptr);
}

BOOL CGTDockBar::MoveControlBar(CGTControlBar* iBar, UINT, int iDx, int iDy)
{
    iBar->OffsetVirtualRect(CSize(iDx, iDy));
    CRect moved = iBar->GetVirtualRect();
    ClientToScreen(&moved);
    CGTDockBar* under = nullptr;
    if (iBar->AttachToBar(CGTDockManager::s_nDockMargin, under)) {
        iBar->FloatAtRect(moved, GTDockByMouse, TRUE);
        return TRUE;
    }
    CGTDockBarRow* row = OwnRow(iBar->GetDockRow());
    if (row == nullptr)
        return FALSE;
    CRect rowRect, window;
    row->GetScreenRect(rowRect);
    iBar->GetWindowRect(&window);
    const int nearSide = IsHorizontal() ? rowRect.top - moved.top : rowRect.left - moved.left;
    const int farSide = IsHorizontal() ? rowRect.bottom - moved.bottom : rowRect.right - moved.right;
    const int across = std::abs(nearSide) < std::abs(farSide) ? nearSide : farSide;
    const int thickness = IsHorizontal() ? window.Height() : window.Width();
    if (std::abs(across) * 3 > thickness * 2) {
        BOOL beforeFirst = FALSE;
        CGTDockBarRow* other = RowAtPoint(moved.CenterPoint(), beforeFirst);
        if (row->GetVisibleBarCount() > 1 && across < row->GetThickness()) {
            row->RemoveBar(iBar);
            CGTDockBarRow* fresh = InsertRow(across > 0 ? row : RowAfter(row), NeededThickness(*iBar));
            fresh->PlaceBarByMouse(iBar, GTDockByMouse);
            AdjustFrameLayout();
        } else if (other != nullptr && other != row) {
            if (row->HasRestrictedBar() || other->HasRestrictedBar()) {
                SwapRows(row, other);
            } else {
                row->RemoveBar(iBar);
                other->PlaceBarByMouse(iBar, GTDockByMouse);
            }
            iBar->SetRowChanged(TRUE);
            AdjustFrameLayout();
        }
    } else if (std::abs(across) < thickness) {
        row->SlideBar(iBar, iDx, iDy);
    }
    return FALSE;
}

void CGTDockBar::MoveRowsAfter(CGTDockBarRow* iRow, int iDelta)
{
    POSITION position = m_Rows.Find(iRow);
    if (position == nullptr)
        return;
    for (m_Rows.GetNext(position); position != nullptr;)
        static_cast<CGTDockBarRow*>(m_Rows.GetNext(position))->MoveRow(iDelta);
}

void CGTDockBar::ShiftRowsAfter(CGTDockBarRow* iRow)
{
    MoveRowsAfter(iRow, iRow->GetThickness());
}

void CGTDockBar::ShiftRowsBack(CGTDockBarRow* iRow)
{
    if (iRow->IsRowVisible())
        MoveRowsAfter(iRow, -iRow->GetThickness());
}

void CGTDockBar::ResizeRowBy(CGTDockBarRow* iRow, int iDelta)
{
    iRow->GrowThickness(iDelta);
    if (iRow->IsRowVisible())
        MoveRowsAfter(iRow, iDelta);
}

void CGTDockBar::OnRowShown(CGTDockBarRow* iRow, BOOL iShown)
{
    MoveRowsAfter(iRow, iShown ? iRow->GetThickness() : -iRow->GetThickness());
}

void CGTDockBar::OnRowsChanged() {}

void CGTDockBar::OnDockBarResized(const CRect& iNewRect)
{
    CRect client;
    GetClientRect(&client);
    if (client.Size() == iNewRect.Size()) {
        RepositionRows();
        return;
    }
    const BOOL widthChanged = client.Width() != iNewRect.Width();
    const int change = widthChanged ? iNewRect.Width() - client.Width() : iNewRect.Height() - client.Height();
    // The rows measure themselves against the dock bar's client area, so it takes its new size
    // before they arrange; the frame's layout moves it into place afterwards.
    CRect window;
    GetWindowRect(&window);
    SetWindowPos(nullptr, 0, 0, window.Width() + iNewRect.Width() - client.Width(),
                 window.Height() + iNewRect.Height() - client.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (POSITION position = m_Rows.GetHeadPosition(); position != nullptr;)
        static_cast<CGTDockBarRow*>(m_Rows.GetNext(position))
            ->OnDockBarResized(iNewRect, widthChanged ? 2 : 6, change > 0, std::abs(change));
}

void CGTDockBar::RepositionRows()
{
    for (POSITION position = m_Rows.GetHeadPosition(); position != nullptr;)
        static_cast<CGTDockBarRow*>(m_Rows.GetNext(position))->RefreshBarRects(TRUE);
}

BOOL CGTDockBar::ShowControlBar(CGTControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL)
{
    CGTDockBarRow* row = iBar != nullptr ? OwnRow(iBar->GetDockRow()) : nullptr;
    if (row == nullptr)
        return FALSE;
    row->ShowBarInRow(iBar, iShow, iDelay);
    return TRUE;
}

CGTControlBar* CGTDockBar::BarFromPoint(CPoint iScreenPoint) const
{
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTControlBar*>(m_Bars.GetNext(position));
        CRect rect;
        bar->GetWindowRect(&rect);
        if (rect.PtInRect(iScreenPoint))
            return bar;
    }
    return nullptr;
}

void CGTDockBar::AdjustFrameLayout()
{
    CWnd* parent = GetParent();
    if (IGTDockingFrame* frame = AsDockingFrame(parent))
        frame->AdjustDockingLayout();
    else if (parent != nullptr && parent->IsKindOf(RUNTIME_CLASS(CDialog)))
        s_HostedOutsideFrame = TRUE;
}

UINT CGTDockBar::GetDockBarId() const
{
    return m_DockBarId;
}

BOOL CGTDockBar::MoveToRect(const CRect& iRect)
{
    return SetWindowPos(nullptr, iRect.left, iRect.top, iRect.Width(), iRect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CGTDockBar::Create(DWORD iStyle, const RECT& iRect, CWnd* iParent)
{
    return CreateEx(0, iStyle, iRect, iParent);
}

BOOL CGTDockBar::CreateEx(DWORD iExStyle, DWORD iStyle, const RECT&, CWnd* iParent)
{
    const DWORD side = iStyle & GTSideAny;
    m_EnabledAlignment |= side;
    SetAlignment(side);
    CRect rect;
    iParent->GetClientRect(&rect);
    switch (side) {
    case GTSideLeft:
        rect.right = rect.left;
        m_DockBarId = GTDockBarLeftId;
        break;
    case GTSideRight:
        rect.left = rect.right;
        m_DockBarId = GTDockBarRightId;
        break;
    case GTSideBottom:
        rect.top = rect.bottom;
        m_DockBarId = GTDockBarBottomId;
        break;
    default:
        rect.bottom = rect.top;
        m_DockBarId = GTDockBarTopId;
        break;
    }
    return CreateBarWindow(iExStyle, RegisterLibraryWindowClass(L"VADEDockBar"), nullptr,
                           iStyle | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect, iParent,
                           m_DockBarId, 0);
}

CGTDockBarRow* CGTDockBar::InsertRow(CGTDockBarRow* iBefore, int iThickness)
{
    int offset = 0;
    for (POSITION position = m_Rows.GetHeadPosition(); position != nullptr;) {
        auto* row = static_cast<CGTDockBarRow*>(m_Rows.GetNext(position));
        if (row == iBefore)
            break;
        if (row->IsRowVisible())
            offset += row->GetThickness();
    }
    ChangeThickness(iThickness);
    CGTDockBarRow* row = CreateRow(offset, iThickness);
    if (row == nullptr)
        return nullptr;
    if (POSITION before = iBefore != nullptr ? m_Rows.Find(iBefore) : nullptr) {
        m_Rows.InsertBefore(before, row);
        ShiftRowsAfter(row);
    } else {
        m_Rows.AddTail(row);
    }
    AdjustFrameLayout();
    return row;
}

void CGTDockBar::RemoveRow(CGTDockBarRow* iRow)
{
    POSITION position = m_Rows.Find(iRow);
    if (position == nullptr)
        return;
    if (iRow->IsRowVisible()) {
        ChangeThickness(-iRow->GetThickness());
        ShiftRowsBack(iRow);
    }
    m_Rows.RemoveAt(position);
    delete iRow;
    AdjustFrameLayout();
}

int CGTDockBar::ResizeRow(CGTDockBarRow* iRow, int iThickness, BOOL iRelayout)
{
    const int change = iThickness - iRow->GetThickness();
    if (change < 0 && !iRow->IsEmpty()) {
        const CSize needed = iRow->CalcRowSize(FALSE, IsHorizontal());
        if (iThickness < (IsHorizontal() ? needed.cy : needed.cx))
            return 0;
    }
    ResizeRowBy(iRow, change);
    if (iRow->IsRowVisible())
        ChangeThickness(change);
    if (iRelayout)
        AdjustFrameLayout();
    return change;
}

void CGTDockBar::ShowRow(CGTDockBarRow* iRow, BOOL iShow, BOOL iRelayout)
{
    OnRowShown(iRow, iShow);
    ChangeThickness(iShow ? iRow->GetThickness() : -iRow->GetThickness());
    if (iRelayout)
        AdjustFrameLayout();
}

int CGTDockBar::GetRowIndex(const CGTDockBarRow* iRow) const
{
    int index = 0;
    for (POSITION position = m_Rows.GetHeadPosition(); position != nullptr; ++index) {
        if (m_Rows.GetNext(position) == iRow)
            return index;
    }
    return -1;
}

BOOL CGTDockBar::SwapRows(CGTDockBarRow* iFirst, CGTDockBarRow* iSecond)
{
    if (GetRowIndex(iFirst) > GetRowIndex(iSecond))
        std::swap(iFirst, iSecond);
    POSITION first = m_Rows.Find(iFirst);
    POSITION second = m_Rows.Find(iSecond);
    if (first == nullptr || second == nullptr || iFirst == iSecond)
        return FALSE;
    for (POSITION position = first; m_Rows.GetNext(position), position != second;) {
        if (static_cast<CGTDockBarRow*>(m_Rows.GetAt(position))->IsRowVisible())
            return FALSE;
    }
    const int firstThickness = iFirst->GetThickness();
    iFirst->MoveRow(iSecond->GetThickness());
    iSecond->MoveRow(-firstThickness);
    m_Rows.SetAt(first, iSecond);
    m_Rows.SetAt(second, iFirst);
    iFirst->ArrangeBars(nullptr);
    iSecond->ArrangeBars(nullptr);
    return TRUE;
}

CGTDockBarRow* CGTDockBar::RowAtPoint(CPoint iScreenPoint, BOOL& oBeforeFirst) const
{
    for (POSITION position = m_Rows.GetHeadPosition(); position != nullptr;) {
        auto* row = static_cast<CGTDockBarRow*>(m_Rows.GetNext(position));
        CRect rect;
        row->GetScreenRect(rect);
        if (row->IsRowVisible() && rect.PtInRect(iScreenPoint)) {
            oBeforeFirst = FALSE;
            return row;
        }
    }
    CRect window;
    GetWindowRect(&window);
    oBeforeFirst = IsHorizontal() ? iScreenPoint.y < window.top : iScreenPoint.x < window.left;
    return nullptr;
}

void CGTDockBar::ChangeThickness(int iDelta)
{
    if (iDelta == 0 || m_hWnd == nullptr)
        return;
    CRect rect;
    GetWindowRect(&rect);
    GetParent()->ScreenToClient(&rect);
    switch (GetCurrentAlignment()) {
    case GTSideLeft:
        rect.right += iDelta;
        break;
    case GTSideRight:
        rect.left -= iDelta;
        break;
    case GTSideBottom:
        rect.top -= iDelta;
        break;
    default:
        rect.bottom += iDelta;
        break;
    }
    MoveWindow(&rect, FALSE);
}

CGTDockBarRow* CGTDockBar::RowAtIndex(int iIndex) const
{
    POSITION position = iIndex >= 0 ? m_Rows.FindIndex(iIndex) : nullptr;
    return position != nullptr ? static_cast<CGTDockBarRow*>(m_Rows.GetAt(position)) : nullptr;
}

CGTDockBarRow* CGTDockBar::RowAfter(CGTDockBarRow* iRow) const
{
    POSITION position = m_Rows.Find(iRow);
    if (position == nullptr)
        return nullptr;
    m_Rows.GetNext(position);
    return position != nullptr ? static_cast<CGTDockBarRow*>(m_Rows.GetAt(position)) : nullptr;
}

CGTDockBarRow* CGTDockBar::OwnRow(CGTDockBarRow* iRow) const
{
    return iRow != nullptr && m_Rows.Find(iRow) != nullptr ? iRow : nullptr;
}

void CGTDockBar::PostNcDestroy()
{
    delete this;
}

void CGTDockBar::OnPaint()
{
    CPaintDC dc(this);
}

BOOL CGTDockBar::OnEraseBkgnd(CDC* iDc)
{
    CRect client;
    GetClientRect(&client);
    CGTVisualManager::GetCurrent()->DrawBarBackground(iDc, this, client, client);
    return TRUE;
}

void CGTDockBar::OnContextMenu(CWnd*, CPoint iPoint)
{
    if (CGTActivePopupMenu::Get() != nullptr || CGTToolBar::IsCustomizeMode() || IsAnyBarDragged())
        return;
    CWnd* frame = FindOwnerFrame();
    ShowBarsContextMenu(frame != nullptr ? frame : GetActiveTopLevelFrame(this), iPoint);
}

void CGTDockBar::OnDestroy()
{
    RemoveBarFromOwnerFrame(FALSE, FALSE, FALSE);
    CGTBaseControlBar::OnDestroy();
}
