// Bringing the tabs in line with the MDI children, and placing groups, tabs and children.
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/docking/IGTMDITabHost.h>

namespace {
const DWORD groupedOffStyles = WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZE | WS_SYSMENU;

// A plain child's small icon: its own, else its class's.
HICON WindowSmallIcon(HWND iWindow)
{
    auto icon = reinterpret_cast<HICON>(::SendMessageW(iWindow, WM_GETICON, ICON_SMALL, 0));
    return icon != nullptr ? icon : reinterpret_cast<HICON>(::GetClassLongPtrW(iWindow, GCLP_HICONSM));
}
}  // namespace

CImageList& CGTMainClientAreaWnd::GroupImages(CGTTabWnd& iGroup)
{
    CImageList* images = nullptr;
    if (!m_mapGroupIcons.Lookup(&iGroup, images)) {
        images = new CImageList;
        MakeImageList(*images);
        m_mapGroupIcons.SetAt(&iGroup, images);
    }
    return *images;
}

void CGTMainClientAreaWnd::SyncChildIcon(CGTTabWnd& ioTabs, int iTab, HICON iIcon, CImageList& ioImages)
{
    int image = -1;
    if (iIcon != nullptr && !m_mapIconIndex.Lookup(iIcon, image)) {
        image = ioImages.Add(iIcon);
        m_mapIconIndex.SetAt(iIcon, image);
    }
    if (ioTabs.GetImageList() != &ioImages && ioImages.GetImageCount() > 0)
        ioTabs.SetImageList(ioImages.GetSafeHandle());
    if (static_cast<int>(ioTabs.GetTabImage(iTab)) != image)
        ioTabs.SetTabImage(iTab, static_cast<UINT>(image));
}

void CGTMainClientAreaWnd::SyncTabGroups(BOOL iMakeActiveVisible)
{
    if (m_bLoading)
        return;
    BOOL layoutChanged = FALSE;
    HWND toActivate = nullptr;
    for (CWnd* window = GetWindow(GW_CHILD); window != nullptr;) {
        CWnd* next = window->GetWindow(GW_HWNDNEXT);
        IGTMDITabChild* child = AsMDITabChild(window);
        if (child == nullptr) {
            window = next;
            continue;
        }
        window->ModifyStyle(groupedOffStyles, 0, SWP_NOZORDER);
        const CString title = child->GetChildTitle();
        CGTTabWnd* group = child->GetTabGroup();
        if (group == nullptr && !child->IsBeingDestroyed() && child->CanAppearOnTabs()) {
            if (m_lstGroups.IsEmpty()) {
                CGTTabWnd* created = CreateTabGroupWindow();
                if (created == nullptr) {
                    window = next;
                    continue;
                }
                m_lstGroups.AddTail(created);
            }
            group = GetActiveGroup() != nullptr ? GetActiveGroup() : static_cast<CGTTabWnd*>(m_lstGroups.GetHead());
            group->AddTab(window, title, static_cast<UINT>(-1), TRUE);
            child->SetTabGroup(group);
            if (!group->IsWindowVisible())
                group->ShowWindow(SW_SHOWNA);
            toActivate = window->GetSafeHwnd();
        }
        const int tab = group != nullptr ? group->GetTabFromHwnd(window->GetSafeHwnd()) : -1;
        if (tab >= 0 && (window->GetStyle() & WS_VISIBLE) == 0) {
            group->RemoveTab(tab);
            child->SetTabGroup(nullptr);
            if (group->GetTabCount() == 0)
                DropTabGroup(group);
            layoutChanged = TRUE;
        } else if (tab >= 0) {
            CString label;
            group->GetTabLabel(tab, label);
            if (label != title)
                group->SetTabLabel(tab, title);
            if (m_settings.tabIcons)
                SyncChildIcon(*group, tab, child->GetChildIcon(), GroupImages(*group));
        }
        window = next;
    }
    if (!m_settings.tabIcons) {
        for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;) {
            CGTTabWnd* group = static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p));
            group->ClearImageList();
            CImageList& images = GroupImages(*group);
            images.SetImageCount(0);
        }
        m_mapIconIndex.RemoveAll();
    }
    for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;)
        AdjustGroupChildren(*static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p)));
    if (layoutChanged)
        if (CWnd* main = AfxGetMainWnd(); main != nullptr && main->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            static_cast<CFrameWnd*>(main)->RecalcLayout();
    if (toActivate != nullptr)
        ActivateChildTab(toActivate);
    if (CGTTabWnd* active = GetActiveGroup(); iMakeActiveVisible && active != nullptr)
        active->EnsureVisible(active->GetActiveTab());
}

void CGTMainClientAreaWnd::SyncSingleTabs(BOOL iMakeActiveVisible)
{
    if (m_bGroupsMode) {
        SyncTabGroups(iMakeActiveVisible);
        return;
    }
    if (m_wndSingleTabs.GetSafeHwnd() == nullptr || !m_bTabsShown || m_bLoading)
        return;
    BOOL layoutChanged = FALSE;
    for (CWnd* window = GetWindow(GW_CHILD); window != nullptr; window = window->GetWindow(GW_HWNDNEXT)) {
        if (window->IsKindOf(RUNTIME_CLASS(CGTTabWnd)))
            continue;
        IGTMDITabChild* child = AsMDITabChild(window);
        CString title;
        if (child != nullptr)
            title = child->GetChildTitle();
        else
            window->GetWindowText(title);
        const HICON icon = child != nullptr ? child->GetChildIcon() : WindowSmallIcon(window->GetSafeHwnd());
        int tab = m_wndSingleTabs.GetTabFromHwnd(window->GetSafeHwnd());
        if (tab < 0 && (child == nullptr || (!child->IsBeingDestroyed() && child->CanAppearOnTabs())) &&
            (window->GetStyle() & WS_VISIBLE) != 0) {
            m_wndSingleTabs.AddTab(window, title, static_cast<UINT>(-1), TRUE);
            tab = m_wndSingleTabs.GetTabCount() - 1;
            m_wndSingleTabs.SetActiveTab(tab);
            layoutChanged = TRUE;
        } else if (tab >= 0 && (window->GetStyle() & WS_VISIBLE) == 0) {
            m_wndSingleTabs.RemoveTab(tab);
            layoutChanged = TRUE;
            continue;
        }
        if (tab < 0)
            continue;
        CString label;
        m_wndSingleTabs.GetTabLabel(tab, label);
        if (label != title)
            m_wndSingleTabs.SetTabLabel(tab, title);
        if (m_settings.tabIcons) {
            SyncChildIcon(m_wndSingleTabs, tab, icon, m_imlSingleTabIcons);
            if (m_imlSingleTabIcons.GetImageCount() == 1)
                m_wndSingleTabs.SetImageList(m_imlSingleTabIcons.GetSafeHandle());
        }
    }
    if (layoutChanged)
        RecalcFrameLayout();
    if (iMakeActiveVisible)
        m_wndSingleTabs.EnsureVisible(m_wndSingleTabs.GetActiveTab());
}

void CGTMainClientAreaWnd::AdjustGroupChildren(CGTTabWnd& ioGroup)
{
    if (!ioGroup.IsWindowVisible())
        return;
    CRect area;
    ioGroup.GetWndArea(area);
    ioGroup.MapWindowPoints(this, area);
    for (int i = 0; i < ioGroup.GetTabCount(); ++i) {
        CWnd* window = ioGroup.GetTabWnd(i);
        if (window->GetSafeHwnd() == nullptr)
            continue;
        if (window->IsIconic())
            window->ShowWindow(SW_RESTORE);
        const UINT flags = i == ioGroup.GetActiveTab() ? SWP_NOACTIVATE : SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE;
        window->SetWindowPos(&wndTop, area.left, area.top, area.Width(), area.Height(), flags);
    }
}

void CGTMainClientAreaWnd::CalcWindowRect(LPRECT ioRect, UINT iAdjustType)
{
    if (m_bLoading)
        return;
    if (m_bGroupsMode) {
        SetWindowPos(&wndBottom, ioRect->left, ioRect->top, ioRect->right - ioRect->left, ioRect->bottom - ioRect->top,
                     SWP_NOACTIVATE);
        // The groups fill the area: scroll bars would only take room from them.
        ShowScrollBar(SB_BOTH, FALSE);
        CRect client;
        GetClientRect(client);
        LayoutGroups(client);
    } else if (m_wndSingleTabs.GetSafeHwnd() != nullptr) {
        CRect rect(ioRect);
        LayoutSingleTabs(rect);
        *ioRect = rect;
    }
    CWnd::CalcWindowRect(ioRect, iAdjustType);
}

void CGTMainClientAreaWnd::LayoutGroups(const CRect& iClient)
{
    const int count = static_cast<int>(m_lstGroups.GetCount());
    if (count == 0)
        return;
    if (count == 1) {
        CGTTabWnd* group = static_cast<CGTTabWnd*>(m_lstGroups.GetHead());
        group->ShowWindow(SW_SHOWNA);
        group->SetWindowPos(nullptr, iClient.left, iClient.top, iClient.Width(), iClient.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE);
        AdjustGroupChildren(*group);
        return;
    }
    const BOOL vertical = m_nGroupSplit != 2;
    int used = 0;
    for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;) {
        CRect rect;
        static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p))->GetWindowRect(rect);
        used += vertical ? rect.Width() : rect.Height();
    }
    const int available = vertical ? iClient.Width() : iClient.Height();
    int share = (available - used) / count;
    m_nLayoutRemainder += (available - used) % count;
    if (std::abs(m_nLayoutRemainder) >= count) {
        share += m_nLayoutRemainder > 0 ? 1 : -1;
        m_nLayoutRemainder = 0;
    }
    int edge = vertical ? iClient.left : iClient.top;
    for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;) {
        CGTTabWnd* group = static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p));
        CRect rect;
        group->GetWindowRect(rect);
        const int farEdge = vertical ? iClient.right : iClient.bottom;
        const int extent = p == nullptr ? farEdge - edge : (vertical ? rect.Width() : rect.Height()) + share;
        if (vertical)
            group->SetWindowPos(nullptr, edge, iClient.top, extent, iClient.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        else
            group->SetWindowPos(nullptr, iClient.left, edge, iClient.Width(), extent, SWP_NOZORDER | SWP_NOACTIVATE);
        edge += extent;
        AdjustGroupChildren(*group);
    }
}

void CGTMainClientAreaWnd::LayoutSingleTabs(CRect& ioRect)
{
    const CRect whole = ioRect;
    if (m_bTabsShown) {
        m_wndSingleTabs.SetWindowPos(nullptr, whole.left, whole.top, whole.Width(), whole.Height(),
                                     SWP_NOZORDER | SWP_NOACTIVATE);
        CRect area;
        m_wndSingleTabs.GetWndArea(area);
        m_wndSingleTabs.MapWindowPoints(GetParent(), area);
        ioRect = area;
        m_wndSingleTabs.ShowWindow(SW_SHOWNA);
    } else {
        m_wndSingleTabs.ShowWindow(SW_HIDE);
    }
    CRect before;
    GetClientRect(before);
    SetWindowPos(nullptr, ioRect.left, ioRect.top, ioRect.Width(), ioRect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (!m_bTabsShown) {
        const int moved = ioRect.Height() - before.Height();
        for (CWnd* child = GetWindow(GW_CHILD); child != nullptr && moved != 0; child = child->GetWindow(GW_HWNDNEXT)) {
            if (child->IsZoomed())
                break;
            if (!child->IsIconic())
                continue;
            CRect rect;
            child->GetWindowRect(rect);
            ScreenToClient(rect);
            child->SetWindowPos(nullptr, rect.left, std::max(0L, rect.top + moved), 0, 0,
                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return;
    }
    CRect client;
    GetClientRect(client);
    for (int i = 0; i < m_wndSingleTabs.GetTabCount(); ++i) {
        CWnd* window = m_wndSingleTabs.GetTabWnd(i);
        if (window->GetSafeHwnd() == nullptr || (window->GetStyle() & WS_SYSMENU) != 0)
            continue;
        if (window->IsIconic())
            window->ShowWindow(SW_RESTORE);
        CRect frame = client;
        ::AdjustWindowRectEx(frame, window->GetStyle(), FALSE, window->GetExStyle());
        CRect now;
        window->GetWindowRect(now);
        ScreenToClient(now);
        if (now == frame)
            break;
        const UINT flags =
            i == m_wndSingleTabs.GetActiveTab() ? SWP_NOACTIVATE : SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOREDRAW;
        window->SetWindowPos(nullptr, frame.left, frame.top, frame.Width(), frame.Height(), flags);
    }
}

void CGTMainClientAreaWnd::ActivateChildTab(HWND iChild)
{
    if (m_bLoading)
        return;
    if (m_bGroupsMode) {
        IGTMDITabChild* child = AsMDITabChild(iChild);
        CGTTabWnd* group = child != nullptr ? child->GetTabGroup() : nullptr;
        const int tab = group != nullptr ? group->GetTabFromHwnd(iChild) : -1;
        if (tab < 0)
            return;
        SetActiveGroup(group);
        group->SetActiveTab(tab);
        // The bold active label may change the tabs' height.
        AdjustGroupChildren(*group);
        group->RedrawWindow();
    } else if (m_bSingleTabsMode) {
        const int tab = m_wndSingleTabs.GetTabFromHwnd(iChild);
        if (tab >= 0)
            m_wndSingleTabs.SetActiveTab(tab);
    }
}

void CGTMainClientAreaWnd::SetActiveGroup(CGTTabWnd* iGroup)
{
    CGTTabWnd* previous = GetActiveGroup();
    if (previous != nullptr && previous != iGroup) {
        previous->SetActiveInGroup(FALSE);
        previous->RedrawWindow();
    }
    if (iGroup != nullptr)
        iGroup->SetActiveInGroup(TRUE);
}

CGTTabWnd* CGTMainClientAreaWnd::GetActiveGroup() const
{
    for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;) {
        auto* group = static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p));
        if (group->IsActiveInGroup())
            return group;
    }
    return nullptr;
}
