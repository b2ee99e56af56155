#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>

IMPLEMENT_DYNCREATE(CGTOutlookSrcrollButton, CGTButton)
IMPLEMENT_DYNCREATE(CGTOutlookWnd, CGTBaseTabWnd)

BEGIN_MESSAGE_MAP(CGTOutlookWnd, CGTBaseTabWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETCURSOR()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {
enum : int {
    upGlyph = 24,
    downGlyph = 13,
    // Distance of the scroll buttons from the page area's corners.
    scrollButtonInset = 4,
    // Room left of a page button's label for its image.
    imageLabelGap = 8,
    imageLeft = 4
};

HCURSOR HandCursor()
{
    static HCURSOR s_Cursor = ::LoadCursorW(AfxFindResourceHandle(MAKEINTRESOURCEW(IDC_GT_HAND), RT_GROUP_CURSOR),
                                            MAKEINTRESOURCEW(IDC_GT_HAND));
    return s_Cursor;
}
}  // namespace

void CGTOutlookSrcrollButton::FillFace(CDC* iDc, const CRect& iRect)
{
    CGTVisualManager::GetCurrent()->FillOutlookScrollButton(iDc, iRect, IsHighlighted(), IsPushed(),
                                                            !IsWindowEnabled());
}

void CGTOutlookSrcrollButton::DrawBorder(CDC* iDc, CRect& ioRect, UINT)
{
    CGTVisualManager::GetCurrent()->DrawOutlookScrollButtonBorder(iDc, ioRect, IsHighlighted(), IsPushed());
}

CGTOutlookWnd::CGTOutlookWnd()
    : m_PageButtonsShown(-1), m_InRelayout(FALSE), m_ScrollButtonsShown(FALSE), m_PageArea(0, 0, 0, 0)
{
    m_WrapperClass = RUNTIME_CLASS(CGTOutlookBarDockingPane);
    // Pages belong to whoever added them; the bar deletes only its custom pages.
    m_AutoDestroyWindows = FALSE;
}

BOOL CGTOutlookWnd::Create(const RECT& iRect, CWnd* iParent, UINT iId)
{
    return CWnd::Create(nullptr, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, iRect, iParent, iId);
}

int CGTOutlookWnd::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTBaseTabWnd::OnCreate(iCreate) == -1)
        return -1;
    SetTabsHeight();
    const CRect size(CPoint(0, 0), CGTMenuGlyphs::GetSize() + CSize(6, 6));
    for (auto [button, glyph] :
         {std::pair<CGTOutlookSrcrollButton*, int>{&m_ScrollUp, upGlyph}, {&m_ScrollDown, downGlyph}}) {
        if (!button->Create(L"", WS_CHILD, size, this, static_cast<UINT>(-1)))
            return -1;
        button->SetStdGlyphImage(glyph);
        button->SetAutoRepeatDelay(scrollRepeatMs);
    }
    return 0;
}

BOOL CGTOutlookWnd::ShowsPageButtons() const
{
    return GetVisibleTabCount() > 1 || !IsHideSingleTab();
}

void CGTOutlookWnd::RecalcLayout()
{
    const int height = GetTabsHeight();
    if (m_hWnd == nullptr || height == 0)
        return;
    m_InRelayout = TRUE;
    CRect area;
    GetClientRect(area);
    area.DeflateRect(1, 1);
    m_PageArea = area;
    const BOOL buttons = ShowsPageButtons();
    if (buttons)
        m_PageArea.DeflateRect(0, 1);
    int y = area.top;
    for (int index = 0; index < GetTabCount(); ++index) {
        CGTTabInfo* tab = m_Tabs[index];
        if (!buttons || !tab->m_Visible) {
            tab->m_Rect.SetRectEmpty();
            continue;
        }
        tab->m_Rect.SetRect(area.left, y, area.right + 1, y + height);
        if (index != m_ActiveTab) {
            y += height;
            continue;
        }
        int after = 0;
        for (int next = index + 1; next < GetTabCount(); ++next)
            after += m_Tabs[next]->m_Visible ? 1 : 0;
        m_PageArea.top = tab->m_Rect.bottom;
        m_PageArea.bottom = area.bottom - after * height;
        y = m_PageArea.bottom + 1;
    }
    MovePages();
    if (m_ScrollButtonsShown) {
        const CSize size = CGTMenuGlyphs::GetSize() + CSize(6, 6);
        const int x = m_PageArea.right - size.cx - scrollButtonInset;
        m_ScrollUp.SetWindowPos(&wndTop, x, m_PageArea.top + scrollButtonInset, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        m_ScrollDown.SetWindowPos(&wndTop, x, m_PageArea.bottom - size.cy - scrollButtonInset, 0, 0,
                                  SWP_NOSIZE | SWP_NOACTIVATE);
    }
    m_InRelayout = FALSE;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CGTOutlookWnd::MovePages()
{
    for (int index = 0; index < GetTabCount(); ++index) {
        CWnd* page = m_Tabs[index]->m_Visible ? m_Tabs[index]->m_Window : nullptr;
        if (page->GetSafeHwnd() == nullptr)
            continue;
        // A pane only re-lays its buttons out while its place is being given.
        auto* pane = DYNAMIC_DOWNCAST(CGTOutlookBarPane, page);
        if (pane != nullptr)
            pane->SetNoRelayout(TRUE);
        page->SetWindowPos(nullptr, m_PageArea.left, m_PageArea.top, m_PageArea.Width(), m_PageArea.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
        if (pane != nullptr)
            pane->SetNoRelayout(FALSE);
    }
}

BOOL CGTOutlookWnd::SetActiveTab(int iIndex)
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    if (iIndex == m_ActiveTab)
        return TRUE;
    if (FireChangingActiveTab(iIndex))
        return FALSE;
    if (CWnd* old = GetActiveWnd(); old->GetSafeHwnd() != nullptr)
        old->ShowWindow(SW_HIDE);
    m_ActiveTab = iIndex;
    RecalcLayout();
    if (CWnd* page = GetActiveWnd(); page->GetSafeHwnd() != nullptr)
        page->ShowWindow(SW_SHOW);
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, GetParent());
    if (bar != nullptr && bar->GetCaptionFromTab()) {
        bar->SetWindowText(m_Tabs[iIndex]->m_Label);
        bar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
    FireChangeActiveTab(iIndex);
    return TRUE;
}

void CGTOutlookWnd::GetTabArea(CRect& oTop, CRect& oBottom) const
{
    oTop.SetRectEmpty();
    oBottom.SetRectEmpty();
    BOOL inFirstRun = TRUE;
    for (int index = 0; index < GetTabCount(); ++index) {
        const CRect& rect = m_Tabs[index]->m_Rect;
        if (rect.IsRectEmpty())
            continue;
        inFirstRun = inFirstRun && (oTop.IsRectEmpty() || rect.top == oTop.bottom);
        CRect& run = inFirstRun ? oTop : oBottom;
        if (run.IsRectEmpty())
            run = rect;
        else
            run.UnionRect(&run, &rect);
    }
    if (m_hWnd == nullptr)
        return;
    for (CRect* rect : {&oTop, &oBottom}) {
        if (!rect->IsRectEmpty())
            ClientToScreen(rect);
    }
}

BOOL CGTOutlookWnd::IsPtInTabArea(CPoint iPoint) const
{
    CRect top, bottom;
    GetTabArea(top, bottom);
    ClientToScreen(&iPoint);
    return top.PtInRect(iPoint) || bottom.PtInRect(iPoint);
}

void CGTOutlookWnd::GetWndArea(CRect& oRect) const
{
    oRect = m_PageArea;
}

DROPEFFECT CGTOutlookWnd::OnDragOverHook(COleDataObject*, DWORD iKeyState, CPoint iPoint)
{
    const int tab = GetTabFromPoint(iPoint);
    if (tab < 0)
        return DROPEFFECT_NONE;
    SetActiveTab(tab);
    return (iKeyState & MK_CONTROL) != 0 ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CGTOutlookWnd::ClearTabs()
{
    m_PageButtonsShown = -1;
    CGTBaseTabWnd::ClearTabs();
}

void CGTOutlookWnd::EnableScrollButtons(BOOL iUp, BOOL iDown)
{
    const BOOL shown = iUp || iDown;
    for (auto [button, enabled] :
         {std::pair<CGTOutlookSrcrollButton*, BOOL>{&m_ScrollUp, iUp}, {&m_ScrollDown, iDown}}) {
        if (button->GetSafeHwnd() == nullptr)
            continue;
        button->EnableWindow(enabled);
        button->ShowWindow(shown ? SW_SHOWNOACTIVATE : SW_HIDE);
        button->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    }
    if (shown == m_ScrollButtonsShown)
        return;
    m_ScrollButtonsShown = shown;
    RecalcLayout();
}

BOOL CGTOutlookWnd::OnCommand(WPARAM iWParam, LPARAM iLParam)
{
    const HWND from = reinterpret_cast<HWND>(iLParam);
    if (from == nullptr || (from != m_ScrollUp.GetSafeHwnd() && from != m_ScrollDown.GetSafeHwnd()))
        return CGTBaseTabWnd::OnCommand(iWParam, iLParam);
    CGTOutlookSrcrollButton& button = from == m_ScrollUp.GetSafeHwnd() ? m_ScrollUp : m_ScrollDown;
    if (auto* bar = DYNAMIC_DOWNCAST(CGTOutlookBar, GetParent()))
        bar->OnScroll(&button == &m_ScrollDown);
    if (!button.IsWindowEnabled())
        SetFocus();
    return TRUE;
}

void CGTOutlookWnd::OnSize(UINT iType, int iWidth, int iHeight)
{
    CWnd::OnSize(iType, iWidth, iHeight);
    RecalcLayout();
}

BOOL CGTOutlookWnd::OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (iHitTest == HTCLIENT && GetTabFromPoint(point) >= 0 && HandCursor() != nullptr) {
        ::SetCursor(HandCursor());
        return TRUE;
    }
    return CGTBaseTabWnd::OnSetCursor(iWindow, iHitTest, iMessage);
}

BOOL CGTOutlookWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTOutlookWnd::OnPaint()
{
    CPaintDC paint(this);
    CGTMemDC memory(paint, this);
    CDC& dc = memory.GetDC();
    CRect client;
    GetClientRect(client);
    dc.FillRect(&client, &theGuiToolkitGlobals.brushBarFace);
    dc.FillSolidRect(m_PageArea.left - 1, m_PageArea.bottom, m_PageArea.Width() + 2, 1,
                     theGuiToolkitGlobals.colorBarShadow);
    CFont* oldFont = dc.SelectObject(&theGuiToolkitGlobals.fontRegular);
    dc.SetBkMode(TRANSPARENT);
    if (ShowsPageButtons()) {
        for (int index = 0; index < GetTabCount(); ++index)
            DrawPageButton(dc, index);
    }
    dc.SelectObject(oldFont);
}

void CGTOutlookWnd::DrawPageButton(CDC& iDc, int iIndex)
{
    const CGTTabInfo& tab = *m_Tabs[iIndex];
    CRect rect = tab.m_Rect;
    if (rect.IsRectEmpty())
        return;
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    iDc.SetTextColor(look->DrawOutlookPageButtonBorder(&iDc, rect, iIndex == m_HotTab, iIndex == m_PressedTab));
    look->FillOutlookPageButton(&iDc, rect);
    const CSize image = tab.m_Icon != nullptr
        ? CSize(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON))
        : (m_Images != nullptr && tab.m_Image != static_cast<UINT>(-1) ? m_ImageSize : CSize(0, 0));
    if (image.cx > 0 && rect.Width() > image.cx + imageLeft) {
        const CPoint at(rect.left + imageLeft, rect.top + (rect.Height() - image.cy) / 2);
        if (tab.m_Icon != nullptr)
            ::DrawIconEx(iDc.GetSafeHdc(), at.x, at.y, tab.m_Icon, 0, 0, 0, nullptr, DI_NORMAL);
        else
            m_Images->Draw(&iDc, static_cast<int>(tab.m_Image), at, ILD_TRANSPARENT);
    }
    rect.left += image.cx + imageLabelGap;
    iDc.DrawText(tab.m_Label, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}
