// Tab groups: splitting one off, moving documents between them, dropping emptied ones, the
// splitter between neighbours, and the tab dragged from one group to another.
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/IGTMDITabHost.h>
#include <windowsx.h>

namespace {
const int dropFrameWidth = 4;

CRect WindowRect(CWnd& iWindow)
{
    CRect rect;
    iWindow.GetWindowRect(rect);
    return rect;
}

CRect ScreenWndArea(CGTTabWnd& iGroup)
{
    CRect area;
    iGroup.GetWndArea(area);
    iGroup.ClientToScreen(area);
    return area;
}

HCURSOR DragCursor(HCURSOR& ioSlot, UINT iId)
{
    if (ioSlot == nullptr)
        ioSlot = ::LoadCursorW(AfxFindResourceHandle(MAKEINTRESOURCEW(iId), RT_GROUP_CURSOR), MAKEINTRESOURCEW(iId));
    return ioSlot;
}
}  // namespace

BOOL CGTMainClientAreaWnd::IsTabGroup(CWnd* iWindow) const
{
    return m_bGroupsMode && iWindow != nullptr && m_lstGroups.Find(iWindow) != nullptr;
}

CGTTabWnd* CGTMainClientAreaWnd::FindGroupOfWindow(HWND iWindow) const
{
    for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;) {
        auto* group = static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p));
        if (iWindow != nullptr && group->GetTabFromHwnd(iWindow) >= 0)
            return group;
    }
    return nullptr;
}

CGTTabWnd* CGTMainClientAreaWnd::GroupAt(CPoint iScreenPoint) const
{
    for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;) {
        auto* group = static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p));
        if (WindowRect(*group).PtInRect(iScreenPoint))
            return group;
    }
    return nullptr;
}

CGTTabWnd* CGTMainClientAreaWnd::NextGroup(CGTTabWnd* iGroup, int iStep) const
{
    POSITION position = m_lstGroups.Find(iGroup);
    if (position == nullptr)
        return nullptr;
    if (iStep > 0)
        m_lstGroups.GetNext(position);
    else
        m_lstGroups.GetPrev(position);
    return position != nullptr ? static_cast<CGTTabWnd*>(m_lstGroups.GetAt(position)) : nullptr;
}

DWORD CGTMainClientAreaWnd::GetTabGroupMenuFlags() const
{
    CGTTabWnd* group = FindGroupOfWindow(GetActiveChild());
    if (group == nullptr)
        return 0;
    DWORD flags = 0;
    if (group->GetTabCount() > 1)
        flags = m_lstGroups.GetCount() >= 2 ? (m_nGroupSplit == 1 ? 1 : 2) : 3;
    if (m_lstGroups.GetHead() != group)
        flags |= 4;
    if (m_lstGroups.GetTail() != group)
        flags |= 8;
    return flags;
}

CGTTabWnd* CGTMainClientAreaWnd::SplitOffTabGroup(CGTTabWnd* iSource, const CRect& iRect, BOOL iVertical)
{
    POSITION position = m_lstGroups.Find(iSource);
    if (position == nullptr)
        return nullptr;
    CGTTabWnd* group = CreateTabGroupWindow();
    if (group == nullptr)
        return nullptr;
    const POSITION inserted = m_lstGroups.InsertAfter(position, group);
    const int mode = iVertical ? 1 : 2;
    iSource->SetResizeMode(mode);
    group->SetResizeMode(m_lstGroups.GetTailPosition() == inserted ? 0 : mode);
    m_nGroupSplit = mode;
    CRect source = WindowRect(*iSource);
    ScreenToClient(source);
    CRect rect = iRect;
    ScreenToClient(rect);
    if (iVertical) {
        iSource->SetWindowPos(nullptr, 0, 0, source.Width() - rect.Width(), source.Height(),
                              SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        group->SetWindowPos(nullptr, rect.left, source.top, rect.Width(), source.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        iSource->SetWindowPos(nullptr, 0, 0, source.Width(), source.Height() - rect.Height(),
                              SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        group->SetWindowPos(nullptr, source.left, rect.top, source.Width(), rect.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE);
    }
    group->ShowWindow(SW_SHOWNA);
    AdjustGroupChildren(*iSource);
    return group;
}

BOOL CGTMainClientAreaWnd::MoveDocumentToTabGroup(CGTTabWnd* iFrom, CGTTabWnd* iTo, int iTabIndex)
{
    const int tab = iTabIndex == -1 ? iFrom->GetActiveTab() : iTabIndex;
    if (tab < 0 || tab >= iFrom->GetTabCount())
        return FALSE;
    CWnd* window = iFrom->GetTabWnd(tab);
    IGTMDITabChild* child = AsMDITabChild(window);
    if (child == nullptr)
        return FALSE;
    const HWND fromHandle = iFrom->GetSafeHwnd();
    const HWND toHandle = iTo->GetSafeHwnd();
    CString title;
    window->GetWindowText(title);
    iFrom->RemoveTab(tab);
    child->SetTabGroup(iTo);
    iTo->AddTab(window, title, static_cast<UINT>(-1), TRUE);
    if (iFrom->GetTabCount() == 0) {
        DropTabGroup(iFrom);
        SyncTabGroups(TRUE);
        iTo->RecalcLayout();
    } else {
        AdjustGroupChildren(*iFrom);
    }
    AdjustGroupChildren(*iTo);
    iTo->ActivateMDITab(iTo->GetTabFromHwnd(window->GetSafeHwnd()));
    NotifyGroupMove(fromHandle, toHandle);
    return TRUE;
}

void CGTMainClientAreaWnd::NotifyGroupMove(HWND iFrom, HWND iTo) const
{
    CWnd* main = AfxGetMainWnd();
    if (main != nullptr && AsMDITabFrame(main) != nullptr)
        main->SendMessage(GTM_ON_MOVETOTABGROUP, reinterpret_cast<WPARAM>(iFrom), reinterpret_cast<LPARAM>(iTo));
}

void CGTMainClientAreaWnd::DropTabGroup(CGTTabWnd* iGroup)
{
    POSITION position = m_lstGroups.Find(iGroup);
    if (position == nullptr)
        return;
    CGTTabWnd* neighbour = NextGroup(iGroup, m_lstGroups.GetHeadPosition() == position ? 1 : -1);
    m_lstGroups.RemoveAt(position);
    iGroup->ShowWindow(SW_HIDE);
    if (!m_lstGroups.IsEmpty())
        static_cast<CGTTabWnd*>(m_lstGroups.GetTail())->SetResizeMode(0);
    if (m_lstGroups.GetCount() < 2)
        m_nGroupSplit = 0;
    if (neighbour != nullptr) {
        CRect rect = WindowRect(*neighbour) | WindowRect(*iGroup);
        ScreenToClient(rect);
        neighbour->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER);
        AdjustGroupChildren(*neighbour);
    }
    CImageList* images = nullptr;
    if (m_mapGroupIcons.Lookup(iGroup, images)) {
        delete images;
        m_mapGroupIcons.RemoveKey(iGroup);
    }
    iGroup->SetActiveInGroup(FALSE);
    m_lstRetiredGroups.AddTail(iGroup);
}

void CGTMainClientAreaWnd::CloseAllChildren(CGTTabWnd* iGroup)
{
    if (iGroup != nullptr) {
        for (int i = iGroup->GetTabCount() - 1; i >= 0; --i)
            iGroup->GetTabWnd(i)->SendMessage(WM_CLOSE);
        return;
    }
    CArray<HWND, HWND> children;
    for (CWnd* window = GetWindow(GW_CHILD); window != nullptr; window = window->GetWindow(GW_HWNDNEXT)) {
        if (AsMDITabChild(window) != nullptr)
            children.Add(window->GetSafeHwnd());
    }
    for (INT_PTR i = 0; i < children.GetSize(); ++i) {
        if (::IsWindow(children[i]))
            ::SendMessageW(children[i], WM_CLOSE, 0, 0);
    }
}

LRESULT CGTMainClientAreaWnd::OnMDIDestroy(WPARAM iChild, LPARAM)
{
    const HWND handle = reinterpret_cast<HWND>(iChild);
    IGTMDITabChild* child = AsMDITabChild(handle);
    BOOL layoutChanged = FALSE;
    HWND toActivate = nullptr;
    if (CGTTabWnd* group = child != nullptr ? child->GetTabGroup() : nullptr) {
        child->SetTabGroup(nullptr);
        const int tab = group->GetTabFromHwnd(handle);
        const int height = group->GetTabsHeight();
        if (tab >= 0) {
            child->MarkBeingDestroyed();
            group->RemoveTab(tab);
        }
        if (group->GetTabCount() == 0) {
            if (m_lstGroups.GetCount() >= 2 && group->IsActiveInGroup()) {
                CGTTabWnd* previous = NextGroup(group, -1);
                CGTTabWnd* next = previous != nullptr ? previous : NextGroup(group, 1);
                next->SetActiveInGroup(TRUE);
                toActivate = next->GetTabWnd(std::max(0, next->GetActiveTab()))->GetSafeHwnd();
            }
            DropTabGroup(group);
            layoutChanged = TRUE;
        } else {
            layoutChanged = height != group->GetTabsHeight();
        }
    }
    const int tab = m_wndSingleTabs.GetSafeHwnd() != nullptr ? m_wndSingleTabs.GetTabFromHwnd(handle) : -1;
    if (tab >= 0) {
        const int height = m_wndSingleTabs.GetTabsHeight();
        if (child != nullptr)
            child->MarkBeingDestroyed();
        m_wndSingleTabs.RemoveTab(tab);
        layoutChanged = layoutChanged || height != m_wndSingleTabs.GetTabsHeight();
    }
    const LRESULT result = Default();
    if (layoutChanged)
        RecalcFrameLayout();
    IGTMDITabFrame* frame = GetMDIFrame();
    if ((frame == nullptr || !frame->IsClosing()) && toActivate != nullptr && ::IsWindow(toActivate)) {
        ActivateChildTab(toActivate);
        SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(toActivate));
    }
    return result;
}

LRESULT CGTMainClientAreaWnd::OnMDINext(WPARAM iChild, LPARAM iPrevious)
{
    if (!m_bSingleTabsMode && !m_bGroupsMode)
        return Default();
    CGTTabWnd* group = m_bGroupsMode ? GetActiveGroup() : &m_wndSingleTabs;
    if (group == nullptr)
        return 0;
    const int step = iPrevious != 0 ? -1 : 1;
    int tab = group->GetActiveTab() + step;
    if (tab < 0 || tab >= group->GetTabCount()) {
        if (m_bGroupsMode) {
            CGTTabWnd* next = NextGroup(group, step);
            if (next == nullptr)
                next = static_cast<CGTTabWnd*>(step > 0 ? m_lstGroups.GetHead() : m_lstGroups.GetTail());
            group = next;
        }
        tab = step > 0 ? 0 : group->GetTabCount() - 1;
    }
    CWnd* window = group->GetTabWnd(tab);
    if (window == nullptr || window->GetSafeHwnd() == reinterpret_cast<HWND>(iChild))
        return 0;
    if (m_bGroupsMode)
        SetActiveGroup(group);
    group->ActivateMDITab(tab);
    return 0;
}

LRESULT CGTMainClientAreaWnd::OnGetDragBounds(WPARAM iGroup, LPARAM iBounds)
{
    auto* group = reinterpret_cast<CGTTabWnd*>(iGroup);
    CGTTabWnd* next = m_bGroupsMode ? NextGroup(group, 1) : nullptr;
    if (next == nullptr)
        return 0;
    CRect bounds = WindowRect(*group) | WindowRect(*next);
    if (m_nGroupSplit == 1)
        bounds.DeflateRect(m_nSplitterMargin, 0);
    else
        bounds.DeflateRect(0, m_nSplitterMargin);
    *reinterpret_cast<RECT*>(iBounds) = bounds;
    return 1;
}

LRESULT CGTMainClientAreaWnd::OnDragComplete(WPARAM iGroup, LPARAM iRect)
{
    auto* group = reinterpret_cast<CGTTabWnd*>(iGroup);
    CGTTabWnd* next = m_bGroupsMode ? NextGroup(group, 1) : nullptr;
    if (next == nullptr)
        return 0;
    CRect rect = *reinterpret_cast<const RECT*>(iRect);
    group->SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect following = WindowRect(*next);
    if (m_nGroupSplit == 1)
        following.left = rect.right;
    else
        following.top = rect.bottom;
    ScreenToClient(following);
    next->SetWindowPos(nullptr, following.left, following.top, following.Width(), following.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    AdjustGroupChildren(*group);
    AdjustGroupChildren(*next);
    return 1;
}

void CGTMainClientAreaWnd::DrawDropFrame(const CRect& iFrame)
{
    const CSize width(dropFrameWidth, dropFrameWidth);
    if (m_rectDropFrame != iFrame)
        CGTScreenDrawing::Current().DrawDragRect(iFrame.IsRectEmpty() ? nullptr : &iFrame, width,
                                                 m_rectDropFrame.IsRectEmpty() ? nullptr : &m_rectDropFrame, width);
    m_rectDropFrame = iFrame;
}

LRESULT CGTMainClientAreaWnd::OnTabGroupMouseMove(WPARAM, LPARAM iPoint)
{
    auto* source = DYNAMIC_DOWNCAST(CGTTabWnd, GetCapture());
    if (source == nullptr || m_lstGroups.Find(source) == nullptr)
        return 0;
    if (m_lstGroups.GetCount() == 1 && source->GetTabCount() == 1)
        return 0;
    CPoint point(GET_X_LPARAM(iPoint), GET_Y_LPARAM(iPoint));
    const CRect empty(0, 0, 0, 0);
    if (source->IsPtInTabArea(point)) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        DrawDropFrame(empty);
        return 0;
    }
    source->ClientToScreen(&point);
    CRect client;
    GetClientRect(client);
    ClientToScreen(client);
    if (!client.PtInRect(point)) {
        ::SetCursor(DragCursor(theGuiToolkitGlobals.cursorMdiTabNoDrop, IDC_GT_MDI_TAB_OUTSIDE));
        DrawDropFrame(empty);
        return 1;
    }
    ::SetCursor(DragCursor(theGuiToolkitGlobals.cursorMdiTabDrag, IDC_GT_MDI_TAB_INSIDE));
    CGTTabWnd* target = GroupAt(point);
    if (target == nullptr) {
        DrawDropFrame(empty);
        return 0;
    }
    const CRect rect = WindowRect(*target);
    const BOOL vertical = m_nGroupSplit != 0 ? m_nGroupSplit == 1 : rect.right - point.x < rect.bottom - point.y;
    CRect zone = rect;
    CRect half = rect;
    if (vertical) {
        zone.left = rect.right - m_nNewGroupZone;
        half.left = rect.left + rect.Width() / 2;
    } else {
        zone.top = rect.bottom - m_nNewGroupZone;
        half.top = rect.top + rect.Height() / 2;
    }
    CPoint inTarget = point;
    target->ScreenToClient(&inTarget);
    CRect frame = empty;
    if (zone.PtInRect(point))
        frame = source->GetTabCount() > 1 ? half : empty;
    else if (target != source && target->IsPtInTabArea(inTarget))
        frame = ScreenWndArea(*target);
    DrawDropFrame(frame);
    m_bDropVertical = vertical;
    return 1;
}

LRESULT CGTMainClientAreaWnd::OnCancelTabMove(WPARAM, LPARAM)
{
    DrawDropFrame(CRect(0, 0, 0, 0));
    return 0;
}

LRESULT CGTMainClientAreaWnd::OnMoveTabComplete(WPARAM iSource, LPARAM iPoint)
{
    const CRect frame = m_rectDropFrame;
    DrawDropFrame(CRect(0, 0, 0, 0));
    auto* source = reinterpret_cast<CGTTabWnd*>(iSource);
    if (source == nullptr || m_lstGroups.Find(source) == nullptr)
        return 0;
    CPoint point(GET_X_LPARAM(iPoint), GET_Y_LPARAM(iPoint));
    source->ClientToScreen(&point);
    CGTTabWnd* target = GroupAt(point);
    if (target == nullptr)
        return 0;
    BOOL menuAnswer = TRUE;
    if (frame.IsRectEmpty()) {
        const DWORD flags = GetTabGroupMenuFlags();
        IGTMDITabFrame* mdiFrame = GetMDIFrame();
        if (flags != 0 && mdiFrame != nullptr)
            menuAnswer = mdiFrame->ShowTabGroupMenu(point.x, point.y, flags, TRUE);
    }
    if (menuAnswer) {
        if (frame.IsRectEmpty())
            return 0;
        if (frame == ScreenWndArea(*target))
            MoveDocumentToTabGroup(source, target);
        else if (CGTTabWnd* group = SplitOffTabGroup(target, frame, m_bDropVertical))
            MoveDocumentToTabGroup(source, group);
        return 0;
    }
    if (target != source) {
        MoveDocumentToTabGroup(source, target);
    } else if (source->GetTabCount() >= 2) {
        const BOOL vertical = m_nGroupSplit != 2;
        CRect half = ScreenWndArea(*target);
        if (vertical)
            half.left += half.Width() / 2;
        else
            half.top += half.Height() / 2;
        if (CGTTabWnd* group = SplitOffTabGroup(target, half, vertical))
            MoveDocumentToTabGroup(source, group);
    }
    return 0;
}
