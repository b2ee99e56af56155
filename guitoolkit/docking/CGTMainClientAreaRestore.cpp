// Opening again what a read "MDITabsState" names, once nothing stands in the way.
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/docking/GTMDITabsRecord.h>
#include <guitoolkit/docking/IGTMDITabHost.h>

using namespace GTMDITabsRecord;

BOOL CGTMainClientAreaWnd::HasChildren() const
{
    for (CWnd* window = GetWindow(GW_CHILD); window != nullptr; window = window->GetWindow(GW_HWNDNEXT)) {
        if (AsMDITabChild(window) != nullptr)
            return TRUE;
    }
    return FALSE;
}

BOOL CGTMainClientAreaWnd::ApplyRecord(Record& ioRecord)
{
    CloseAllChildren(nullptr);
    if (HasChildren())
        return FALSE;
    m_lstRestoredDocuments.RemoveAll();
    if (m_bSingleTabsMode && !ioRecord.singleTabsMode)
        SwitchMDITabs(FALSE, m_settings);
    if (m_bGroupsMode && !ioRecord.groupsMode)
        SwitchTabGroups(FALSE, m_settings);
    m_settings = ioRecord.settings;
    m_bLoading = TRUE;
    m_bTabsShown = ioRecord.tabsShown;
    m_nGroupSplit = ioRecord.groupSplit;
    m_nSplitterMargin = ioRecord.splitterMargin;
    m_nNewGroupZone = ioRecord.newGroupZone;
    if (ioRecord.singleTabsMode) {
        RestoreGroup(ioRecord.groups.front(), m_wndSingleTabs, FALSE);
        m_bLoading = FALSE;
        SwitchMDITabs(TRUE, m_settings);
        SyncSingleTabs(TRUE);
        m_wndSingleTabs.RecalcLayout();
    } else if (ioRecord.groupsMode) {
        m_bGroupsMode = TRUE;
        RestoreGroups(ioRecord);
    } else {
        RestoreChildren(ioRecord);
    }
    m_bLoading = FALSE;
    RecalcFrameLayout();
    return TRUE;
}

void CGTMainClientAreaWnd::RestoreGroups(Record& ioRecord)
{
    // Documents of a group whose window could not be made join the group before it, or the
    // first one made after it.
    Group* waiting = nullptr;
    CGTTabWnd* previous = nullptr;
    for (Group& saved : ioRecord.groups) {
        CGTTabWnd* group = CreateTabGroupWindow();
        if (group == nullptr) {
            if (previous != nullptr)
                RestoreGroup(saved, *previous, TRUE);
            else if (waiting == nullptr)
                waiting = &saved;
            else
                std::move(saved.tabs.begin(), saved.tabs.end(), std::back_inserter(waiting->tabs));
            continue;
        }
        if (waiting != nullptr) {
            std::move(waiting->tabs.begin(), waiting->tabs.end(), std::inserter(saved.tabs, saved.tabs.begin()));
            waiting = nullptr;
        }
        RestoreGroup(saved, *group, TRUE);
        if (group->GetTabCount() == 0) {
            CImageList* images = nullptr;
            if (m_mapGroupIcons.Lookup(group, images)) {
                delete images;
                m_mapGroupIcons.RemoveKey(group);
            }
            group->DestroyWindow();
            delete group;
            continue;
        }
        m_lstGroups.AddTail(group);
        previous = group;
    }
    if (!m_lstGroups.IsEmpty())
        static_cast<CGTTabWnd*>(m_lstGroups.GetTail())->SetResizeMode(0);
    CGTTabWnd* active = GetActiveGroup();
    m_bLoading = FALSE;
    SwitchTabGroups(TRUE, m_settings);
    SyncTabGroups(TRUE);
    for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;) {
        auto* group = static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p));
        group->RecalcLayout();
        AdjustGroupChildren(*group);
    }
    if (active != nullptr && active->GetActiveWnd() != nullptr)
        PostMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(active->GetActiveWnd()->GetSafeHwnd()));
}

CWnd* CGTMainClientAreaWnd::OpenSavedDocument(Document& ioDocument)
{
    IGTMDITabFrame* frame = GetMDIFrame();
    if (frame == nullptr)
        return nullptr;
    std::unique_ptr<CObject> object = std::move(ioDocument.object);
    if (m_lstRestoredDocuments.Find(ioDocument.name) != nullptr)
        return frame->OpenAnotherDocumentWindow(ioDocument.name, object.get());
    CWnd* window = frame->OpenDocumentWindow(ioDocument.name, object.get());
    m_lstRestoredDocuments.AddTail(ioDocument.name);
    return window;
}

void CGTMainClientAreaWnd::RestoreGroup(Group& ioSaved, CGTTabWnd& ioGroup, BOOL iBind)
{
    if (ioSaved.activeGroup) {
        SetActiveGroup(&ioGroup);
        ioGroup.RedrawWindow();
    }
    CArray<COLORREF, COLORREF> colors;
    for (COLORREF color : ioSaved.colors)
        colors.Add(color);
    ioGroup.SetAutoColors(colors);
    if (ioGroup.IsAutoColor() != ioSaved.autoColor)
        ioGroup.EnableAutoColor(ioSaved.autoColor);
    for (Tab& tab : ioSaved.tabs) {
        ioGroup.SetResizeMode(tab.resizeMode);
        CWnd* window = OpenSavedDocument(tab.document);
        if (window == nullptr)
            continue;
        ioGroup.AddTab(window, tab.label, static_cast<UINT>(-1), TRUE);
        ioGroup.SetTabBkColor(ioGroup.GetTabCount() - 1, tab.color);
        if (IGTMDITabChild* child = AsMDITabChild(window); iBind && child != nullptr)
            child->SetTabGroup(&ioGroup);
    }
    ioGroup.EnableTabDocumentsMenu(ioSaved.documentMenu);
    ioGroup.EnableTabSwap(ioSaved.tabSwap);
    ioGroup.SetTabBorderSize(ioSaved.borderSize, TRUE);
    m_settings.autoColor = ioSaved.autoColor;
    m_settings.documentMenu = ioSaved.documentMenu;
    m_settings.tabSwap = ioSaved.tabSwap;
    m_settings.borderSize = ioSaved.borderSize;
    CRect rect = ioSaved.rect;
    ioGroup.GetParent()->ScreenToClient(rect);
    ioGroup.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (ioGroup.GetTabCount() > 0)
        ioGroup.SetActiveTab(std::max(0, std::min(ioSaved.activeTab, ioGroup.GetTabCount() - 1)));
}

void CGTMainClientAreaWnd::RestoreChildren(Record& ioRecord)
{
    BOOL maximized = FALSE;
    HWND active = nullptr;
    for (Child& saved : ioRecord.children) {
        CWnd* window = OpenSavedDocument(saved.document);
        if (window == nullptr)
            continue;
        WINDOWPLACEMENT place = saved.placement;
        if (maximized)
            place.showCmd = SW_SHOWMAXIMIZED;
        maximized = maximized || place.showCmd == SW_SHOWMAXIMIZED;
        window->SetWindowPlacement(&place);
        if (saved.active)
            active = window->GetSafeHwnd();
    }
    if (active != nullptr)
        SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(active));
}
