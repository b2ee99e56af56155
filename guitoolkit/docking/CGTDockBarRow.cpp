#include <guitoolkit/docking/CGTDockBarRow.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTControlBar.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CGTDockBarRow, CObject)

namespace {
const UINT moveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
}

CGTDockBarRow::CGTDockBarRow(CGTDockBar& iDockBar, int iOffset, int iThickness)
    : m_IncludeHidden(FALSE), m_Visible(TRUE), m_Thickness(iThickness), m_Offset(iOffset), m_Bars(10),
      m_Alignment(iDockBar.GetCurrentAlignment()), m_DockBar(iDockBar), m_ExtraThickness(0), m_ExtraMode(0)
{
}

CGTDockBarRow::~CGTDockBarRow()
{
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        CGTControlBar* bar = static_cast<CGTControlBar*>(m_Bars.GetNext(position));
        bar->SetDockSite(bar->GetParentDockBar(), nullptr);
    }
}

BOOL CGTDockBarRow::IsHorizontal() const
{
    return IsHorizontalSide(m_Alignment);
}

CGTControlBar* CGTDockBarRow::BarAt(POSITION iPosition) const
{
    return static_cast<CGTControlBar*>(m_Bars.GetAt(iPosition));
}

CRect CGTDockBarRow::BarRect(const CGTControlBar& iBar) const
{
    CRect rect;
    iBar.GetWindowRect(&rect);
    m_DockBar.ScreenToClient(&rect);
    return rect;
}

BOOL CGTDockBarRow::Counts(const CGTControlBar& iBar) const
{
    return m_IncludeHidden || iBar.IsVisible();
}

int CGTDockBarRow::RowLength() const
{
    CRect client;
    m_DockBar.GetClientRect(&client);
    return Length(client);
}

int CGTDockBarRow::Length(const CRect& iRect) const
{
    return IsHorizontal() ? iRect.Width() : iRect.Height();
}

int CGTDockBarRow::Start(const CRect& iRect) const
{
    return IsHorizontal() ? iRect.left : iRect.top;
}

int CGTDockBarRow::End(const CRect& iRect) const
{
    return IsHorizontal() ? iRect.right : iRect.bottom;
}

void CGTDockBarRow::MoveAlong(CGTControlBar& ioBar, int iDelta) const
{
    if (iDelta == 0)
        return;
    CRect rect = BarRect(ioBar);
    rect.OffsetRect(IsHorizontal() ? CSize(iDelta, 0) : CSize(0, iDelta));
    ioBar.MoveBarWindow(nullptr, rect.left, rect.top, 0, 0, moveOnly);
}

BOOL CGTDockBarRow::HasBar(const CGTControlBar* iBar) const
{
    return m_Bars.Find(const_cast<CGTControlBar*>(iBar)) != nullptr;
}

void CGTDockBarRow::GetRectInDockBar(CRect& oRect) const
{
    m_DockBar.GetClientRect(&oRect);
    if (IsHorizontal()) {
        oRect.top += m_Offset;
        oRect.bottom = oRect.top + m_Thickness;
    } else {
        oRect.left += m_Offset;
        oRect.right = oRect.left + m_Thickness;
    }
}

void CGTDockBarRow::GetScreenRect(CRect& oRect) const
{
    GetRectInDockBar(oRect);
    m_DockBar.ClientToScreen(&oRect);
}

BOOL CGTDockBarRow::AcceptsBars() const
{
    return TRUE;
}

void CGTDockBarRow::GetInflatedRect(CRect& oRect) const
{
    GetScreenRect(oRect);
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        CGTControlBar* bar = BarAt(position);
        m_Bars.GetNext(position);
        if (Counts(*bar))
            oRect.InflateRect(bar->GetStretchLimit(FALSE, IsHorizontal()));
    }
}

int CGTDockBarRow::GetVisibleBarCount() const
{
    int count = 0;
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;)
        count += Counts(*static_cast<CGTControlBar*>(m_Bars.GetNext(position))) ? 1 : 0;
    return count;
}

CSize CGTDockBarRow::CalcRowSize(BOOL iStretch, BOOL iHorizontal) const
{
    if (!m_Visible)
        return IsHorizontal() ? CSize(32767, 0) : CSize(0, 32767);
    int along = 0, across = 0;
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        CGTControlBar* bar = static_cast<CGTControlBar*>(m_Bars.GetNext(position));
        if (!Counts(*bar))
            continue;
        const CSize size = bar->GetStretchLimit(iStretch, iHorizontal);
        along += IsHorizontal() ? size.cx : size.cy;
        across = std::max<int>(across, IsHorizontal() ? size.cy : size.cx);
    }
    if (across > 0)
        across += m_ExtraThickness;
    return IsHorizontal() ? CSize(along, across) : CSize(across, along);
}

void CGTDockBarRow::PlaceBarAt(CGTControlBar* iBar, int, LPCRECT iRect, BOOL iAfterLast)
{
    int along = 0;
    int across = m_Offset + (m_ExtraMode == 1 ? m_ExtraThickness : 0);
    if (iRect != nullptr && !::IsRectEmpty(iRect)) {
        along = Start(*iRect);
    } else if (iAfterLast && !m_Bars.IsEmpty()) {
        const int lastEnd = End(BarRect(*static_cast<CGTControlBar*>(m_Bars.GetTail())));
        if (lastEnd > 0)
            along = lastEnd + CGTAutoHideDockBar::s_Spacing;
    }
    const CSize size = iBar->GetStretchLimit(FALSE, IsHorizontal());
    const CPoint at = IsHorizontal() ? CPoint(along, across) : CPoint(across, along);
    iBar->MoveBarWindow(nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    AddBar(iBar);
    iBar->StoreCurrentRect();
}

void CGTDockBarRow::PlaceBarByMouse(CGTControlBar* iBar, int iMethod)
{
    CRect window;
    iBar->GetWindowRect(&window);
    CPoint at = window.TopLeft();
    m_DockBar.ScreenToClient(&at);
    if (iMethod == GTDockByMouse) {
        CPoint cursor;
        CGTCursor::Current().GetPosition(cursor);
        m_DockBar.ScreenToClient(&cursor);
        CPoint client(0, 0);
        iBar->ClientToScreen(&client);
        const CSize inset = client - window.TopLeft();
        at = cursor - iBar->GetHotPoint() - inset;
    }
    if (IsHorizontal())
        at.y = m_Offset;
    else
        at.x = m_Offset;
    iBar->MoveBarWindow(nullptr, at.x, at.y, 0, 0, moveOnly);
    AddBar(iBar);
    iBar->StoreCurrentRect();
}

void CGTDockBarRow::RemoveBar(CGTControlBar* iBar)
{
    POSITION found = m_Bars.Find(iBar);
    if (found == nullptr)
        return;
    iBar->StretchBar(65535);
    m_Bars.RemoveAt(found);
    iBar->SetDockSite(iBar->GetParentDockBar(), nullptr);
    if (m_Bars.IsEmpty()) {
        m_DockBar.RemoveRow(this);
        return;
    }
    RefreshBarRects(TRUE, iBar);
    StretchBarsIntoFreeLength();
    UpdateVisibility(FALSE);
    const int thickest = GetMaxBarThickness();
    if (thickest > 0 && thickest < m_Thickness)
        m_DockBar.ResizeRow(this, thickest, TRUE);
}

void CGTDockBarRow::StretchBarsIntoFreeLength()
{
    int free = GetFreeLength(FALSE);
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr && free > 0;) {
        CGTControlBar* bar = BarAt(position);
        m_Bars.GetNext(position);
        if (Counts(*bar))
            free -= bar->StretchBar(free);
    }
}

void CGTDockBarRow::ArrangeWithSpacing(int iStart, int iGap)
{
    const BOOL halfBack = CGTVisualManager::GetCurrent()->GetAutoHideLayoutFlag();
    int along = iStart;
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        CGTControlBar* bar = BarAt(position);
        m_Bars.GetNext(position);
        if (!Counts(*bar))
            continue;
        const int length = Length(BarRect(*bar));
        if (!bar->IsGroupFirst())
            along -= iGap + CGTAutoHideDockBar::s_PullBack + (halfBack ? length / 2 : 0);
        MoveAlong(*bar, along - Start(BarRect(*bar)));
        along += length + iGap;
    }
}

BOOL CGTDockBarRow::IsExclusiveRow() const
{
    return FALSE;
}

void CGTDockBarRow::GrowThickness(int iDelta)
{
    m_Thickness += iDelta;
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;)
        static_cast<CGTControlBar*>(m_Bars.GetNext(position))->StoreCurrentRect();
}

void CGTDockBarRow::MoveRow(int iDelta)
{
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;)
        static_cast<CGTControlBar*>(m_Bars.GetNext(position))->MoveWithOffset(m_Alignment, iDelta);
    m_Offset += iDelta;
}

void CGTDockBarRow::PushApart(POSITION iPosition, BOOL iForward)
{
    CGTControlBar* previous = BarAt(iPosition);
    POSITION position = iPosition;
    iForward ? m_Bars.GetNext(position) : m_Bars.GetPrev(position);
    while (position != nullptr) {
        CGTControlBar* bar = BarAt(position);
        iForward ? m_Bars.GetNext(position) : m_Bars.GetPrev(position);
        if (!Counts(*bar))
            continue;
        const CRect fixed = BarRect(*previous);
        const CRect moving = BarRect(*bar);
        const int overlap = iForward ? End(fixed) - Start(moving) : End(moving) - Start(fixed);
        if (overlap > 0)
            MoveAlong(*bar, iForward ? overlap : -overlap);
        previous = bar;
    }
}

void CGTDockBarRow::ShiftFrom(POSITION iPosition, int iDelta)
{
    MoveAlong(*BarAt(iPosition), iDelta);
    PushApart(iPosition, iDelta > 0);
}

void CGTDockBarRow::ShrinkFromLast(int iDeficit)
{
    std::vector<CGTControlBar*> counted;
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        CGTControlBar* bar = static_cast<CGTControlBar*>(m_Bars.GetNext(position));
        if (Counts(*bar))
            counted.push_back(bar);
    }
    for (size_t i = counted.size(); i-- > 0 && iDeficit > 0;) {
        const int shrunk = -counted[i]->StretchBar(-iDeficit);
        for (size_t j = i + 1; j < counted.size(); ++j)
            MoveAlong(*counted[j], -shrunk);
        iDeficit -= shrunk;
    }
}

void CGTDockBarRow::ArrangeBars(CGTControlBar* iBar)
{
    CRect row;
    GetRectInDockBar(row);
    POSITION first = nullptr, last = nullptr, start = nullptr;
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr; m_Bars.GetNext(position)) {
        if (!Counts(*BarAt(position)))
            continue;
        first = first != nullptr ? first : position;
        last = position;
        if (BarAt(position) == iBar)
            start = position;
    }
    if (first == nullptr || row.IsRectEmpty())
        return;
    const int free = GetFreeLength(FALSE);
    const int rowStart = Start(row), rowEnd = End(row);
    if (first == last && free < 0) {
        BarAt(first)->StretchBar(free);
        MoveAlong(*BarAt(first), rowStart - Start(BarRect(*BarAt(first))));
        return;
    }
    start = start != nullptr ? start : first;
    PushApart(start, FALSE);
    PushApart(start, TRUE);
    const int before = rowStart - Start(BarRect(*BarAt(first)));
    if (before > 0)
        ShiftFrom(first, before);
    const int past = End(BarRect(*BarAt(last))) - rowEnd;
    if (past <= 0)
        return;
    if (free >= 1) {
        ShiftFrom(last, -past);
        return;
    }
    // The bars do not fit: packed from the row's start, they shrink from the last one.
    if (past + free > 0)
        ShiftFrom(last, -(past + free));
    if (free < 0)
        ShrinkFromLast(-free);
}

int CGTDockBarRow::RoomToSlide(const CGTControlBar& iBar, BOOL iForward) const
{
    CRect row;
    GetRectInDockBar(row);
    const CRect rect = BarRect(iBar);
    int room = iForward ? End(row) - End(rect) : Start(rect) - Start(row);
    BOOL after = FALSE;
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        const CGTControlBar* bar = static_cast<CGTControlBar*>(m_Bars.GetNext(position));
        if (bar == &iBar) {
            after = TRUE;
            continue;
        }
        if (Counts(*bar) && after == iForward)
            room -= Length(BarRect(*bar));
    }
    return room;
}

void CGTDockBarRow::SlideBar(CGTControlBar* iBar, int iDx, int iDy)
{
    int delta = IsHorizontal() ? iDx : iDy;
    POSITION position = m_Bars.Find(iBar);
    if (delta == 0 || position == nullptr)
        return;
    const BOOL forward = delta > 0;
    const int room = RoomToSlide(*iBar, forward);
    if (room <= 0)
        return;
    delta = forward ? std::min(delta, room) : std::max(delta, -room);
    CRect moved = BarRect(*iBar);
    moved.OffsetRect(IsHorizontal() ? CSize(delta, 0) : CSize(0, delta));
    POSITION neighbourPosition = position;
    forward ? m_Bars.GetNext(neighbourPosition) : m_Bars.GetPrev(neighbourPosition);
    CGTControlBar* neighbour = neighbourPosition != nullptr ? BarAt(neighbourPosition) : nullptr;
    const int movedCentre = (Start(moved) + End(moved)) / 2;
    if (neighbour != nullptr && Counts(*neighbour)) {
        const CRect other = BarRect(*neighbour);
        const int otherCentre = (Start(other) + End(other)) / 2;
        if (forward ? otherCentre < movedCentre : otherCentre > movedCentre) {
            // Centres crossed: the neighbour jumps to the other side of the moving bar.
            const int to = forward ? Start(moved) - Length(other) : End(moved);
            MoveAlong(*neighbour, to - Start(other));
            m_Bars.RemoveAt(neighbourPosition);
            forward ? m_Bars.InsertBefore(position, neighbour) : m_Bars.InsertAfter(position, neighbour);
            MoveAlong(*iBar, delta);
            PushApart(m_Bars.Find(neighbour), !forward);
            return;
        }
    }
    MoveAlong(*iBar, delta);
    PushApart(position, forward);
}

void CGTDockBarRow::OnDockBarResized(const CRect& iNewRect, int iSide, BOOL iStretch, int iDelta)
{
    CRect row;
    GetRectInDockBar(row);
    const int change = Length(iNewRect) - Length(row);
    const BOOL sideAlong = IsHorizontal() ? (iSide == 1 || iSide == 2) : (iSide == 3 || iSide == 6);
    if (iStretch && iSide != -1 && sideAlong && GetFreeLength(TRUE) + change >= 1) {
        for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
            CGTControlBar* bar = BarAt(position);
            m_Bars.GetNext(position);
            const CRect window = BarRect(*bar);
            const int distance = Start(bar->GetVirtualRect()) - Start(window);
            if (!Counts(*bar) || distance == 0 || RoomToSlide(*bar, distance > 0) <= 0)
                continue;
            const int step = std::min(std::abs(iDelta), std::abs(distance));
            MoveAlong(*bar, distance > 0 ? step : -step);
        }
    }
    ArrangeBars(nullptr);
    if (iStretch && sideAlong)
        StretchBarsIntoFreeLength();
}

BOOL CGTDockBarRow::IsEmpty() const
{
    return m_Bars.IsEmpty();
}

void CGTDockBarRow::UpdateVisibility(BOOL iDelay)
{
    CWnd* frame = m_DockBar.GetParent();
    const BOOL frameVisible = frame != nullptr && frame->IsWindowVisible();
    BOOL visible = FALSE;
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr && !visible;) {
        const CGTControlBar* bar = static_cast<CGTControlBar*>(m_Bars.GetNext(position));
        if (frameVisible)
            visible = bar->IsWindowVisible();
        else if (bar->IsStateLoaded())
            visible = bar->GetRememberedVisibility();
        else
            visible = (bar->GetStyle() & WS_VISIBLE) != 0;
    }
    if (visible != m_Visible)
        ShowRow(visible, iDelay);
}

void CGTDockBarRow::ShowRow(BOOL iShow, BOOL iDelay)
{
    m_Visible = iShow;
    m_DockBar.ShowRow(this, iShow, !iDelay);
}

BOOL CGTDockBarRow::ReplaceBar(CGTControlBar* iOld, CGTControlBar* iNew)
{
    POSITION found = m_Bars.Find(iOld);
    if (found == nullptr)
        return FALSE;
    m_Bars.SetAt(found, iNew);
    return TRUE;
}

void CGTDockBarRow::ShowBarInRow(CGTControlBar* iBar, BOOL iShow, BOOL iDelay)
{
    iBar->ShowWindow(iShow ? SW_SHOW : SW_HIDE);
    UpdateVisibility(iDelay);
    if (iShow) {
        iBar->StoreCurrentRect();
        ArrangeBars(iBar);
    } else {
        StretchBarsIntoFreeLength();
    }
    if (!iDelay) {
        m_DockBar.AdjustFrameLayout();
        CRect client;
        m_DockBar.GetClientRect(&client);
        OnDockBarResized(client, -1, FALSE, 0);
    }
}

void CGTDockBarRow::OnBarResized(CGTControlBar*) {}

BOOL CGTDockBarRow::IsRowVisible() const
{
    return m_Visible;
}

int CGTDockBarRow::GetFreeLength(BOOL iUseVirtualRects) const
{
    int free = RowLength();
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        const CGTControlBar* bar = static_cast<CGTControlBar*>(m_Bars.GetNext(position));
        if (Counts(*bar))
            free -= Length(iUseVirtualRects ? bar->GetVirtualRect() : BarRect(*bar));
    }
    return free;
}

BOOL CGTDockBarRow::HasRestrictedBar() const
{
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        if (!static_cast<CGTControlBar*>(m_Bars.GetNext(position))->IsNotRestricted())
            return TRUE;
    }
    return FALSE;
}

int CGTDockBarRow::GetMaxBarThickness() const
{
    int thickest = 0;
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        const CGTControlBar* bar = static_cast<CGTControlBar*>(m_Bars.GetNext(position));
        if (Counts(*bar)) {
            const CRect rect = BarRect(*bar);
            thickest = std::max(thickest, IsHorizontal() ? rect.Height() : rect.Width());
        }
    }
    return thickest != 0 && m_ExtraThickness != 0 ? thickest + m_ExtraThickness : thickest;
}

void CGTDockBarRow::AddBar(CGTControlBar* iBar)
{
    CRect rect;
    iBar->GetWindowRect(&rect);
    POSITION before = nullptr;
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr && before == nullptr;) {
        POSITION current = position;
        if (static_cast<CGTControlBar*>(m_Bars.GetNext(position))->IsPointBeforeBar(rect.TopLeft(), TRUE))
            before = current;
    }
    if (before != nullptr)
        m_Bars.InsertBefore(before, iBar);
    else
        m_Bars.AddTail(iBar);
    UpdateVisibility(TRUE);
    const int across = IsHorizontal() ? rect.Height() : rect.Width();
    if (across > m_Thickness)
        m_DockBar.ResizeRow(this, m_ExtraThickness + across, TRUE);
    iBar->SetDockSite(&m_DockBar, this);
    ArrangeBars(iBar);
}

void CGTDockBarRow::RefreshBarRects(BOOL iMoveBack, CGTControlBar* iExcluded)
{
    for (POSITION position = m_Bars.GetHeadPosition(); position != nullptr;) {
        CGTControlBar* bar = BarAt(position);
        m_Bars.GetNext(position);
        if (bar == iExcluded || !Counts(*bar))
            continue;
        if (!iMoveBack)
            bar->StoreCurrentRect();
        else
            MoveAlong(*bar, Start(bar->GetVirtualRect()) - Start(BarRect(*bar)));
    }
}
