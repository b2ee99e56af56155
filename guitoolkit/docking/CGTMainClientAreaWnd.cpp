#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/IGTMDITabHost.h>

IMPLEMENT_DYNAMIC(CGTMainClientAreaWnd, CWnd)

namespace {
const UINT syncTabsMessage = WM_USER + 0x65;
const DWORD clientEdge = WS_EX_CLIENTEDGE;
}  // namespace

BEGIN_MESSAGE_MAP(CGTMainClientAreaWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_STYLECHANGED()
    ON_MESSAGE(WM_MDISETMENU, &CGTMainClientAreaWnd::OnMDISetMenu)
    ON_MESSAGE(WM_MDIREFRESHMENU, &CGTMainClientAreaWnd::OnMDIRefreshMenu)
    ON_MESSAGE(WM_MDIDESTROY, &CGTMainClientAreaWnd::OnMDIDestroy)
    ON_MESSAGE(WM_MDINEXT, &CGTMainClientAreaWnd::OnMDINext)
    ON_MESSAGE(syncTabsMessage, &CGTMainClientAreaWnd::OnSyncTabs)
    ON_REGISTERED_MESSAGE(GTM_GETDRAGBOUNDS, &CGTMainClientAreaWnd::OnGetDragBounds)
    ON_REGISTERED_MESSAGE(GTM_ON_DRAGCOMPLETE, &CGTMainClientAreaWnd::OnDragComplete)
    ON_REGISTERED_MESSAGE(GTM_ON_TABGROUPMOUSEMOVE, &CGTMainClientAreaWnd::OnTabGroupMouseMove)
    ON_REGISTERED_MESSAGE(GTM_ON_CANCELTABMOVE, &CGTMainClientAreaWnd::OnCancelTabMove)
    ON_REGISTERED_MESSAGE(GTM_ON_MOVETABCOMPLETE, &CGTMainClientAreaWnd::OnMoveTabComplete)
END_MESSAGE_MAP()

MDITabSettings::MDITabSettings()
    : location(1), style(3), tabIcons(0), closeButton(1), customTooltips(0), autoColor(0), documentMenu(0), tabSwap(1),
      borderSize(CGTVisualManager::GetCurrent()->GetMDITabBorderSize()), drawFrame(1)
{
}

void MDITabSettings::Serialize(CArchive& ioArchive)
{
    int* const stored[] = {&location,  &style,        &closeButton, &tabIcons,
                           &autoColor, &documentMenu, &tabSwap,     &borderSize};
    for (int* value : stored) {
        if (ioArchive.IsStoring())
            ioArchive << *value;
        else
            ioArchive >> *value;
    }
}

CGTMainClientAreaWnd::CGTMainClientAreaWnd()
    : m_mapIconIndex(10), m_lstGroups(10), m_mapGroupIcons(10), m_lstRetiredGroups(10), m_lstRestoredDocuments(10),
      m_bTabsShown(FALSE), m_bSingleTabsMode(FALSE), m_bGroupsMode(FALSE), m_bLoading(FALSE), m_nGroupSplit(0),
      m_nSplitterMargin(40), m_nNewGroupZone(40), m_rectDropFrame(0, 0, 0, 0), m_bDropVertical(FALSE),
      m_nLayoutRemainder(0)
{
}

CGTMainClientAreaWnd::~CGTMainClientAreaWnd()
{
    for (CObList* list : {&m_lstGroups, &m_lstRetiredGroups}) {
        while (!list->IsEmpty()) {
            auto* group = static_cast<CGTTabWnd*>(list->RemoveHead());
            if (group->GetSafeHwnd() != nullptr)
                group->DestroyWindow();
            delete group;
        }
    }
    POSITION position = m_mapGroupIcons.GetStartPosition();
    while (position != nullptr) {
        CGTTabWnd* group = nullptr;
        CImageList* images = nullptr;
        m_mapGroupIcons.GetNextAssoc(position, group, images);
        delete images;
    }
}

void CGTMainClientAreaWnd::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    CreateTabGroupWindow(&m_wndSingleTabs);
}

CGTTabWnd* CGTMainClientAreaWnd::CreateTabGroupWindow(CGTTabWnd* iTabWindow)
{
    CGTTabWnd* tabs = iTabWindow != nullptr ? iTabWindow : new CGTTabWnd;
    if (m_settings.customTooltips)
        tabs->EnableCustomToolTips();
    CWnd* parent = m_bGroupsMode ? static_cast<CWnd*>(this) : GetParent();
    if (!tabs->Create(m_settings.style, CRect(0, 0, 0, 0), parent, static_cast<UINT>(-1), m_settings.location,
                      m_settings.closeButton)) {
        if (iTabWindow == nullptr)
            delete tabs;
        return nullptr;
    }
    ApplyTabSettings(*tabs);
    if (!m_bTabsShown)
        tabs->ShowWindow(SW_HIDE);
    if (m_bGroupsMode && tabs != &m_wndSingleTabs) {
        auto* images = new CImageList;
        MakeImageList(*images);
        m_mapGroupIcons.SetAt(tabs, images);
    } else {
        MakeImageList(m_imlSingleTabIcons);
    }
    return tabs;
}

void CGTMainClientAreaWnd::MakeImageList(CImageList& oImages) const
{
    oImages.DeleteImageList();
    const SIZE size = theGuiToolkitGlobals.sizeSmallIcon;
    oImages.Create(size.cx, size.cy, ILC_COLOR32 | ILC_MASK, 0, 1);
}

void CGTMainClientAreaWnd::ApplyTabSettings(CGTTabWnd& ioTabs)
{
    ioTabs.SetTabStyle(m_settings.style);
    ioTabs.SetLocation(m_settings.location);
    ioTabs.EnableTabDocumentsMenu(m_settings.documentMenu);
    // Switching it off clears every tab's colour: only a change may do that.
    if (ioTabs.IsAutoColor() != m_settings.autoColor)
        ioTabs.EnableAutoColor(m_settings.autoColor);
    ioTabs.EnableTabSwap(m_settings.tabSwap);
    ioTabs.SetTabBorderSize(m_settings.borderSize, TRUE);
    ioTabs.EnableCustomToolTips(m_settings.customTooltips);
    ioTabs.SetAutoDestroyWindows(FALSE);
    ioTabs.SetHideInactiveWindows(FALSE);
    ioTabs.SetAutoSizeWindows(FALSE);
    ioTabs.HideWhenEmpty(TRUE);
    ioTabs.EnableActivateLastVisible(TRUE);
    ioTabs.EnableActivatePrevious(TRUE);
    ioTabs.SetDrawFrame(m_settings.drawFrame);
    ioTabs.EnableActiveTabBold(TRUE);
}

IGTMDITabFrame* CGTMainClientAreaWnd::GetMDIFrame() const
{
    return AsMDITabFrame(GetParent());
}

HWND CGTMainClientAreaWnd::GetActiveChild() const
{
    return m_hWnd != nullptr ? reinterpret_cast<HWND>(::SendMessage(m_hWnd, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

BOOL CGTMainClientAreaWnd::WantsClientEdge() const
{
    const HWND active = GetActiveChild();
    return !m_bGroupsMode && active != nullptr && (::GetWindowLongW(active, GWL_STYLE) & WS_SYSMENU) != 0;
}

void CGTMainClientAreaWnd::SetClientEdge(BOOL iEdge)
{
    if (!WantsClientEdge())
        ModifyStyleEx(iEdge ? 0 : clientEdge, iEdge ? clientEdge : 0, SWP_FRAMECHANGED);
}

void CGTMainClientAreaWnd::RecalcFrameLayout()
{
    if (CFrameWnd* frame = GetParentFrame())
        frame->RecalcLayout();
}

void CGTMainClientAreaWnd::SwitchMDITabs(BOOL iEnable, const MDITabSettings& iSettings)
{
    if (m_bGroupsMode)
        SwitchTabGroups(FALSE, iSettings);
    m_bSingleTabsMode = iEnable;
    m_bTabsShown = iEnable;
    m_settings = iSettings;
    ApplyTabSettings(m_wndSingleTabs);
    if (iEnable)
        SyncSingleTabs(FALSE);
    SetClientEdge(!iEnable);
    m_wndSingleTabs.ShowWindow(SW_SHOWNA);
    BringWindowToTop();
    RecalcFrameLayout();
    const UINT redraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
    m_wndSingleTabs.RedrawWindow(nullptr, nullptr, redraw);
    RedrawWindow(nullptr, nullptr, redraw);
}

void CGTMainClientAreaWnd::SwitchTabGroups(BOOL iEnable, const MDITabSettings& iSettings)
{
    if (m_bSingleTabsMode)
        SwitchMDITabs(FALSE, iSettings);
    m_wndSingleTabs.ShowWindow(SW_HIDE);
    const HWND active = GetActiveChild();
    if (m_bGroupsMode && !iEnable) {
        for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;)
            static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p))->ShowWindow(SW_HIDE);
        SetGroupChildStyles(TRUE);
    }
    m_bGroupsMode = iEnable;
    m_bTabsShown = iEnable;
    if (!iEnable) {
        SetClientEdge(TRUE);
        return;
    }
    m_settings = iSettings;
    SetClientEdge(FALSE);
    for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;) {
        auto* group = static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p));
        group->ShowWindow(SW_SHOWNA);
        ApplyTabSettings(*group);
    }
    SyncTabGroups(TRUE);
    for (POSITION p = m_lstGroups.GetHeadPosition(); p != nullptr;) {
        auto* group = static_cast<CGTTabWnd*>(m_lstGroups.GetNext(p));
        group->RecalcLayout();
        AdjustGroupChildren(*group);
    }
    if (active != nullptr)
        ActivateChildTab(active);
}

void CGTMainClientAreaWnd::SetGroupChildStyles(BOOL iPlain)
{
    const DWORD frameBits = WS_CAPTION | WS_THICKFRAME;
    for (CWnd* child = GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT)) {
        if (AsMDITabChild(child) == nullptr)
            continue;
        if (iPlain)
            child->ModifyStyle(0, frameBits | WS_SYSMENU, SWP_FRAMECHANGED | SWP_NOZORDER);
        else
            child->ModifyStyle(frameBits | WS_MAXIMIZE | WS_SYSMENU, 0, SWP_NOZORDER);
    }
}

BOOL CGTMainClientAreaWnd::OnEraseBkgnd(CDC* iDc)
{
    IGTMDITabFrame* frame = GetMDIFrame();
    if (frame != nullptr && frame->EraseClientAreaBackground(iDc))
        return TRUE;
    return static_cast<BOOL>(Default());
}

void CGTMainClientAreaWnd::OnStyleChanged(int iStyleType, LPSTYLESTRUCT iStyle)
{
    if (iStyleType == GWL_EXSTYLE && !WantsClientEdge())
        iStyle->styleNew &= ~clientEdge;
    Default();
}

LRESULT CGTMainClientAreaWnd::OnMDISetMenu(WPARAM iFrameMenu, LPARAM iWindowMenu)
{
    IGTMDITabFrame* frame = GetMDIFrame();
    if (frame != nullptr && frame->ShowMenuInMenuBar(reinterpret_cast<HMENU>(iFrameMenu)))
        return DefWindowProc(WM_MDISETMENU, 0, iWindowMenu);
    return DefWindowProc(WM_MDISETMENU, iFrameMenu, iWindowMenu);
}

LRESULT CGTMainClientAreaWnd::OnMDIRefreshMenu(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    if (IGTMDITabFrame* frame = GetMDIFrame())
        frame->RefreshWindowMenuPopup();
    return result;
}

LRESULT CGTMainClientAreaWnd::OnSyncTabs(WPARAM, LPARAM)
{
    SyncSingleTabs(FALSE);
    return 0;
}
