// The tab window's buttons, keyboard, tab list, shared scroll bar and the strips the user drags.
#include <guitoolkit/docking/CGTTabWnd.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTTabbedToolbar.h>
#include <guitoolkit/toolbars/CGTToolbarButton.h>
#include <algorithm>
#include <vector>

BEGIN_MESSAGE_MAP(CGTTabWnd, CGTBaseTabWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_HSCROLL()
    ON_WM_SETCURSOR()
    ON_WM_CANCELMODE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_SETFOCUS()
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

namespace {
const int scrollStep = 20;
const int splitterWidth = 5;
const int tabListFirstCommand = -100;

// The label as a menu shows it without an access key: each single "&" doubled, "&&" kept.
CString MenuLabel(const CString& iLabel)
{
    CString shown;
    for (int i = 0; i < iLabel.GetLength(); ++i) {
        shown += iLabel[i];
        if (iLabel[i] != L'&')
            continue;
        if (i + 1 < iLabel.GetLength() && iLabel[i + 1] == L'&')
            shown += iLabel[++i];
        else
            shown += L'&';
    }
    return shown;
}
}  // namespace

int CGTTabWnd::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTBaseTabWnd::OnCreate(iCreate) == -1)
        return -1;
    if (m_HasScrollButtons)
        CreateButtons();
    if (m_SharedScrollBar)
        m_ScrollBar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this, static_cast<UINT>(-1));
    if (!m_Flat) {
        m_ToolTip.Create(this, TTS_ALWAYSTIP);
        for (int i = 0; i < GetTabCount(); ++i)
            SetToolForTab(i, TRUE);
    }
    RecalcLayout();
    return 0;
}

void CGTTabWnd::CreateButtons()
{
    std::vector<CGTTabButton*> order;
    if (m_Flat)
        order = {&m_First, &m_ScrollLeft, &m_ScrollRight, &m_Last, &m_Close};
    else
        order = {&m_ScrollLeft, &m_ScrollRight, &m_Close};
    m_ButtonWindows.RemoveAll();
    for (CGTTabButton* button : order) {
        button->Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, static_cast<UINT>(-1));
        m_ButtonWindows.AddTail(button->GetSafeHwnd());
    }
    if (!(m_Look4 || m_Look5)) {
        m_ScrollLeft.SetAutoRepeatDelay(50);
        m_ScrollRight.SetAutoRepeatDelay(50);
    }
    UpdateButtonImages();
    if (!m_Flat) {
        m_Close.SetToolTipText(L"Close");
        m_ScrollLeft.SetToolTipText(L"Scroll Left");
        m_ScrollRight.SetToolTipText(m_TabListMode ? L"Active Files" : L"Scroll Right");
    }
}

void CGTTabWnd::UpdateButtonImages()
{
    if (m_ScrollLeft.GetSafeHwnd() == nullptr)
        return;
    const int style = m_Look4 || m_Look5 || m_Look6Or7 ? 0 : 4;
    if (m_Flat) {
        m_First.SetStdGlyphImage(18, 0, 0);
        m_Last.SetStdGlyphImage(19, 0, 0);
        m_ScrollLeft.SetStdGlyphImage(17, 0, 0);
        m_ScrollRight.SetStdGlyphImage(14, 0, 0);
    } else {
        // The strip's glyph 20 points left and 21 right.
        m_ScrollLeft.SetStdGlyphImage(20, style, 22);
        m_ScrollRight.SetStdGlyphImage(21, style, 23);
    }
    if (m_TabListMode)
        m_ScrollRight.SetStdGlyphImage(m_TabsHidden ? 33 : 13, style, 13);
    m_Close.SetStdGlyphImage(5, m_Flat ? 0 : style, 0);
}

CWnd* CGTTabWnd::GetButton(int iButton)
{
    CGTTabButton* buttons[] = {&m_ScrollLeft, &m_ScrollRight, &m_First, &m_Last, &m_Close};
    return iButton >= 0 && iButton < 5 ? buttons[iButton] : nullptr;
}

void CGTTabWnd::RepositionButtons(int iButtonSize)
{
    if (m_ButtonWindows.IsEmpty())
        return;
    const BOOL hidden = GetTabsHeight() == 0;
    const BOOL sloped = m_Look4 || m_Look5 || m_Look6Or7;
    CRect client;
    GetClientRect(client);
    const int top = m_TabsArea.top + (m_TabsArea.Height() - iButtonSize) / 2;
    int x = m_Flat ? client.left + 1 : m_TabsArea.right + (sloped && !m_TabListMode ? 0 : 1);
    BOOL first = TRUE;
    for (POSITION pos = m_ButtonWindows.GetHeadPosition(); pos != nullptr;) {
        CWnd* button = CWnd::FromHandle(m_ButtonWindows.GetNext(pos));
        const BOOL shown =
            !hidden && !(button == &m_Close && !m_CloseButtonWanted) && !(button == &m_ScrollLeft && m_TabListMode);
        if (!shown) {
            button->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
            continue;
        }
        int left = x;
        if (sloped && !m_TabListMode && first)
            left = m_TabsArea.left - iButtonSize - 1;
        else
            x += iButtonSize + 3;
        first = FALSE;
        button->SetWindowPos(nullptr, left, top, iButtonSize, iButtonSize, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CGTTabWnd::UpdateButtons()
{
    if (m_ScrollLeft.GetSafeHwnd() == nullptr)
        return;
    const BOOL sloped = m_Look4 || m_Look5 || m_Look6Or7;
    int last = -1;
    GetLastVisibleTab(last);
    const BOOL left = sloped ? m_FirstShownTab > 0 : m_ScrollOffset > 0;
    BOOL right = m_ScrollOffset < m_MaxScrollOffset;
    if (sloped)
        right = last >= 0 && m_Tabs[last]->m_Rect.right > m_TabsArea.right && m_FirstShownTab != last;
    if (m_TabListMode) {
        right = TRUE;
        UpdateButtonImages();
    }
    const std::pair<CGTTabButton*, BOOL> states[] = {
        {&m_ScrollLeft, left}, {&m_ScrollRight, right}, {&m_First, left}, {&m_Last, right}};
    for (const auto& state : states) {
        if (state.first->GetSafeHwnd() == nullptr)
            continue;
        if (!state.second && state.first->IsWindowEnabled())
            state.first->SendMessage(WM_CANCELMODE);
        state.first->EnableWindow(state.second);
    }
}

void CGTTabWnd::ScrollBy(int iDelta)
{
    const int old = m_ScrollOffset;
    m_ScrollOffset = std::max(0, m_ScrollOffset + iDelta);
    if (!(m_Look4 || m_Look5 || m_Look6Or7))
        m_ScrollOffset = std::min(m_ScrollOffset, m_MaxScrollOffset);
    if (old == m_ScrollOffset)
        return;
    AdjustTabs();
    UpdateButtons();
    Invalidate();
    UpdateWindow();
}

BOOL CGTTabWnd::OnCommand(WPARAM iWParam, LPARAM iLParam)
{
    const HWND from = reinterpret_cast<HWND>(iLParam);
    if (from == nullptr || from == m_hWnd || ::GetParent(from) != m_hWnd || HIWORD(iWParam) != BN_CLICKED)
        return CGTBaseTabWnd::OnCommand(iWParam, iLParam);
    const BOOL sloped = m_Look4 || m_Look5 || m_Look6Or7;
    const int overlap = m_TabsArea.Height() - SpacingValue() - 1;
    if (from == m_ScrollLeft.GetSafeHwnd()) {
        if (!sloped) {
            ScrollBy(-scrollStep);
        } else if (m_FirstShownTab > 0) {
            --m_FirstShownTab;
            ScrollBy(-(m_Tabs[m_FirstShownTab]->m_FullWidth - overlap));
        }
    } else if (from == m_ScrollRight.GetSafeHwnd()) {
        if (m_TabListMode) {
            CRect rect;
            m_ScrollRight.GetWindowRect(rect);
            ShowTabsList(CPoint(rect.left, rect.bottom));
        } else if (!sloped) {
            ScrollBy(scrollStep);
        } else if (m_FirstShownTab < GetTabCount() - 1) {
            ScrollBy(m_Tabs[m_FirstShownTab]->m_FullWidth - overlap);
            ++m_FirstShownTab;
        }
    } else if (from == m_First.GetSafeHwnd()) {
        ScrollBy(-m_ScrollOffset);
    } else if (from == m_Last.GetSafeHwnd()) {
        ScrollBy(m_MaxScrollOffset - m_ScrollOffset);
    } else if (from == m_Close.GetSafeHwnd()) {
        if (GetActiveWnd()->GetSafeHwnd() != nullptr)
            GetActiveWnd()->SendMessage(WM_CLOSE);
    }
    return TRUE;
}

void CGTTabWnd::ShowTabsList(CPoint iScreenPoint)
{
    CGTContextMenuManager* manager = CGTContextMenuManager::Current();
    if (manager == nullptr)
        return;
    std::vector<int> tabs;
    for (int i = 0; i < GetTabCount(); ++i) {
        if (m_Tabs[i]->m_Visible)
            tabs.push_back(i);
    }
    std::stable_sort(tabs.begin(), tabs.end(),
                     [this](int a, int b) { return m_Tabs[a]->m_Label.CompareNoCase(m_Tabs[b]->m_Label) < 0; });
    CMenu menu;
    menu.CreatePopupMenu();
    CMap<UINT, UINT, HICON, HICON>& icons = CGTDockingValues::TabCommandIcons();
    for (int tab : tabs) {
        const UINT command = static_cast<UINT>(tabListFirstCommand - tab);
        menu.AppendMenu(MF_STRING, command, MenuLabel(m_Tabs[tab]->m_Label));
        const HWND window = m_Tabs[tab]->m_Window->GetSafeHwnd();
        HICON icon = nullptr;
        if (window != nullptr) {
            icon = reinterpret_cast<HICON>(::SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
            if (icon == nullptr)
                icon = reinterpret_cast<HICON>(::GetClassLongPtrW(window, GCLP_HICONSM));
        }
        icons.SetAt(command, icon);
    }
    m_ScrollRight.SetCheck(TRUE);
    const BOOL rightToLeft = (GetExStyle() & WS_EX_LAYOUTRTL) != 0;
    const UINT chosen = manager->TrackPopupMenu(menu.GetSafeHmenu(), iScreenPoint.x, iScreenPoint.y, this, rightToLeft);
    if (m_ScrollRight.GetSafeHwnd() != nullptr)
        m_ScrollRight.SetCheck(FALSE);
    icons.RemoveAll();
    const int tab = tabListFirstCommand - static_cast<int>(chosen);
    if (chosen != 0 && tab >= 0 && tab < GetTabCount())
        ActivateByMouse(tab, TRUE);
}

int CGTTabWnd::NextVisibleTab(int iIndex, int iStep) const
{
    const int count = GetTabCount();
    for (int step = 1; step < count; ++step) {
        const int index = ((iIndex + iStep * step) % count + count) % count;
        if (m_Tabs[index]->m_Visible)
            return index;
    }
    return iIndex;
}

BOOL CGTTabWnd::PreTranslateMessage(MSG* iMsg)
{
    if (iMsg->message == WM_KEYDOWN && m_ActiveTab >= 0 && (iMsg->wParam == VK_PRIOR || iMsg->wParam == VK_NEXT) &&
        (CGTKeyState::Current().GetKeyState(VK_CONTROL) & 0x8000) != 0 && m_RenameEdit == nullptr) {
        const int next = NextVisibleTab(m_ActiveTab, iMsg->wParam == VK_PRIOR ? -1 : 1);
        if (next != m_ActiveTab) {
            m_ChangeSent = FALSE;
            if (SetActiveTab(next) && GetActiveWnd()->GetSafeHwnd() != nullptr)
                GetActiveWnd()->SetFocus();
            if (!m_ChangeSent)
                FireChangeActiveTab(m_ActiveTab);
        }
        return TRUE;
    }
    return CGTBaseTabWnd::PreTranslateMessage(iMsg);
}

void CGTTabWnd::OnDestroy()
{
    m_ActiveTabBrush.DeleteObject();
    if (m_ToolTip.GetSafeHwnd() != nullptr)
        m_ToolTip.DestroyWindow();
    CGTBaseTabWnd::OnDestroy();
}

void CGTTabWnd::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTBaseTabWnd::OnSize(iType, iWidth, iHeight);
    const int scrollWidth = ::GetSystemMetrics(SM_CXHSCROLL);
    const int available = iWidth - 2 * (GetTabsHeight() + 2 * ::GetSystemMetrics(SM_CXVSCROLL));
    if (available <= 2 * scrollWidth)
        m_ScrollBarWidth = 0;
    else if (available / 2 <= 2 * scrollWidth)
        m_ScrollBarWidth = available;
    else
        m_ScrollBarWidth = available / 2;
    if (!(m_Look4 || m_Look5 || m_Look6Or7)) {
        RecalcLayout();
        SyncScrollBar();
        return;
    }
    m_ScrollOffset = 0;
    m_FirstShownTab = 0;
    SetRedraw(FALSE);
    RecalcLayout();
    EnsureVisible(m_ActiveTab);
    SetRedraw(TRUE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    SyncScrollBar();
}

void CGTTabWnd::RepositionScrollBar()
{
    if (m_ScrollBar.GetSafeHwnd() == nullptr)
        return;
    m_SplitterRect.SetRectEmpty();
    if (GetTabsHeight() == 0) {
        m_ScrollBar.SetWindowPos(nullptr, m_TabsArea.left, m_TabsArea.top, m_TabsArea.Width(),
                                 std::max(0, m_TabsArea.Height() - 2), SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (m_ScrollBarWidth < 2 * ::GetSystemMetrics(SM_CXHSCROLL)) {
        m_ScrollBar.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    const CRect bar(m_ScrollBarRight - m_ScrollBarWidth, m_TabsArea.top + 1, m_ScrollBarRight, m_TabsArea.bottom - 2);
    m_ScrollBar.SetWindowPos(nullptr, bar.left, bar.top, bar.Width(), bar.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_SplitterRect = CRect(bar.left - splitterWidth, m_TabsArea.top, bar.left, m_TabsArea.bottom);
    m_TabsArea.right = m_SplitterRect.left;
}

void CGTTabWnd::SyncScrollBar()
{
    CWnd* window = GetActiveWnd();
    if (m_ScrollBar.GetSafeHwnd() == nullptr || window->GetSafeHwnd() == nullptr)
        return;
    SCROLLINFO info = {sizeof(info), SIF_ALL};
    const BOOL has = window->GetScrollInfo(SB_HORZ, &info);
    m_ScrollBar.SetScrollInfo(&info);
    m_ScrollBar.EnableWindow(has && static_cast<int>(info.nPage) <= info.nMax - info.nMin);
    window->ShowScrollBar(SB_HORZ, FALSE);
    if ((window->GetStyle() & WS_HSCROLL) != 0)
        window->ModifyStyle(WS_HSCROLL, 0, SWP_FRAMECHANGED);
}

void CGTTabWnd::OnHScroll(UINT iCode, UINT iPosition, CScrollBar* iScrollBar)
{
    static BOOL scrolling = FALSE;
    CWnd* window = GetActiveWnd();
    if (iScrollBar != &m_ScrollBar || window->GetSafeHwnd() == nullptr || scrolling) {
        CGTBaseTabWnd::OnHScroll(iCode, iPosition, iScrollBar);
        return;
    }
    scrolling = TRUE;
    if (m_Tabs[m_ActiveTab]->m_IsListView && (iCode == SB_THUMBTRACK || iCode == SB_THUMBPOSITION))
        window->SendMessage(LVM_SCROLL, static_cast<int>(iPosition) - window->GetScrollPos(SB_HORZ), 0);
    else
        window->SendMessage(WM_HSCROLL, MAKEWPARAM(iCode, iPosition), 0);
    scrolling = FALSE;
    m_ScrollBar.SetScrollPos(window->GetScrollPos(SB_HORZ));
    GetParent()->SendMessage(GTM_ON_HSCROLL, MAKEWPARAM(iCode, iPosition), 0);
}

void CGTTabWnd::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    if (m_SplitterRect.PtInRect(iPoint)) {
        m_SplitterDrag = TRUE;
        SetCapture();
        return;
    }
    if (m_ResizeStrip.PtInRect(iPoint)) {
        CRect bounds(0, 0, 0, 0);
        if (GetParent()->SendMessage(GTM_GETDRAGBOUNDS, reinterpret_cast<WPARAM>(this),
                                     reinterpret_cast<LPARAM>(&bounds)) == 0 ||
            bounds.IsRectEmpty())
            return;
        m_ResizeBounds = bounds;
        m_ResizeDrag = TRUE;
        m_ResizeDragRect.SetRectEmpty();
        SetCapture();
        OnMouseMove(iFlags, iPoint);
        return;
    }
    CWnd* target = GetTabFromPoint(iPoint) < 0 ? FindTargetWnd(iPoint) : nullptr;
    if (target != nullptr) {
        PassClick(*target, WM_LBUTTONDOWN, iFlags, iPoint);
        return;
    }
    CGTBaseTabWnd::OnLButtonDown(iFlags, iPoint);
    GroupMouseDown(iPoint);
}

void CGTTabWnd::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    CWnd* target = FindTargetWnd(iPoint);
    if (target != nullptr && ::ChildWindowFromPoint(m_hWnd, iPoint) == m_hWnd)
        PassClick(*target, WM_LBUTTONDBLCLK, iFlags, iPoint);
    else
        CGTBaseTabWnd::OnLButtonDblClk(iFlags, iPoint);
}

void CGTTabWnd::PassClick(CWnd& ioTarget, UINT iMessage, UINT iFlags, CPoint iPoint)
{
    MapWindowPoints(&ioTarget, &iPoint, 1);
    ioTarget.SendMessage(iMessage, iFlags, MAKELPARAM(iPoint.x, iPoint.y));
}

void CGTTabWnd::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    if (m_SplitterDrag) {
        m_SplitterDrag = FALSE;
        ReleaseCapture();
        return;
    }
    if (m_ResizeDrag) {
        CRect window;
        GetWindowRect(window);
        const CRect last = m_ResizeDragRect;
        OnCancelMode();
        if (m_ResizeMode == 1)
            window.right = last.CenterPoint().x;
        else
            window.bottom = last.CenterPoint().y;
        GetParent()->SendMessage(GTM_ON_DRAGCOMPLETE, reinterpret_cast<WPARAM>(this),
                                 reinterpret_cast<LPARAM>(&window));
        return;
    }
    if (!GroupMouseUp(iPoint))
        CGTBaseTabWnd::OnLButtonUp(iFlags, iPoint);
}

void CGTTabWnd::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    if (m_SplitterDrag) {
        const int width = m_ScrollBarRight - iPoint.x - splitterWidth / 2;
        const int widest = m_TabsArea.Width() + m_ScrollBarWidth - splitterWidth;
        m_ScrollBarWidth = std::max(2 * ::GetSystemMetrics(SM_CXHSCROLL), std::min(width, widest));
        RecalcLayout();
        return;
    }
    if (m_ResizeDrag) {
        CPoint screen = iPoint;
        ClientToScreen(&screen);
        CRect rect;
        if (m_ResizeMode == 1) {
            const int x = std::max(m_ResizeBounds.left, std::min(screen.x, m_ResizeBounds.right));
            rect = CRect(x - m_ResizeStrip.Width() / 2, m_ResizeBounds.top, x + m_ResizeStrip.Width() / 2 + 1,
                         m_ResizeBounds.bottom);
        } else {
            const int y = std::max(m_ResizeBounds.top, std::min(screen.y, m_ResizeBounds.bottom));
            rect = CRect(m_ResizeBounds.left, y - m_ResizeStrip.Height() / 2, m_ResizeBounds.right,
                         y + m_ResizeStrip.Height() / 2 + 1);
        }
        DrawResizeFrame(rect, m_ResizeDragRect.IsRectEmpty() ? nullptr : &m_ResizeDragRect);
        m_ResizeDragRect = rect;
        return;
    }
    if (!GroupMouseMove(iFlags, iPoint))
        CGTBaseTabWnd::OnMouseMove(iFlags, iPoint);
}

void CGTTabWnd::DrawResizeFrame(LPCRECT iNew, LPCRECT iOld)
{
    const int thickness = (m_ResizeMode == 1 ? m_ResizeStrip.Width() : m_ResizeStrip.Height()) / 2 + 1;
    const CSize size(thickness, thickness);
    CGTScreenDrawing::Current().DrawDragRect(iNew, size, iOld, size);
}

void CGTTabWnd::OnCancelMode()
{
    if (m_ResizeDrag) {
        if (!m_ResizeDragRect.IsRectEmpty())
            DrawResizeFrame(nullptr, &m_ResizeDragRect);
        m_ResizeDrag = FALSE;
        m_ResizeDragRect.SetRectEmpty();
    }
    m_SplitterDrag = FALSE;
    if (m_GroupTabMove) {
        m_GroupTabMove = FALSE;
        GetParent()->SendMessage(GTM_ON_CANCELTABMOVE);
    }
    CGTBaseTabWnd::OnCancelMode();
}

BOOL CGTTabWnd::OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage)
{
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    ScreenToClient(&cursor);
    if (m_SplitterRect.PtInRect(cursor) || (m_ResizeMode == 1 && m_ResizeStrip.PtInRect(cursor))) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        return TRUE;
    }
    if (m_ResizeMode == 2 && m_ResizeStrip.PtInRect(cursor)) {
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
        return TRUE;
    }
    return CGTBaseTabWnd::OnSetCursor(iWindow, iHitTest, iMessage);
}

void CGTTabWnd::OnSysColorChange()
{
    CGTBaseTabWnd::OnSysColorChange();
    if (m_Flat && m_ActiveTabColor == static_cast<COLORREF>(-1))
        SetActiveTabColor(m_ActiveTabColor);
}

void CGTTabWnd::OnSettingChange(UINT iFlags, LPCWSTR iSection)
{
    CGTBaseTabWnd::OnSettingChange(iFlags, iSection);
    if (!m_Flat)
        return;
    SetTabsHeight();
    RecalcLayout();
    SyncScrollBar();
}

void CGTTabWnd::OnSetFocus(CWnd* iOldWindow)
{
    CGTBaseTabWnd::OnSetFocus(iOldWindow);
    if (GetActiveWnd()->GetSafeHwnd() != nullptr)
        GetActiveWnd()->SetFocus();
}

DROPEFFECT CGTTabWnd::OnDragEnterHook(COleDataObject* iData, DWORD iKeyState, CPoint iPoint)
{
    return OnDragOverHook(iData, iKeyState, iPoint);
}

DROPEFFECT CGTTabWnd::OnDragOverHook(COleDataObject* iData, DWORD iKeyState, CPoint iPoint)
{
    if (!GetParent()->IsKindOf(RUNTIME_CLASS(CGTTabbedToolbar)) ||
        !iData->IsDataAvailable(CGTToolbarButton::GetClipboardFormat()))
        return DROPEFFECT_NONE;
    const int tab = GetTabFromPoint(iPoint);
    if (tab >= 0)
        ActivateByMouse(tab, TRUE);
    return (iKeyState & MK_CONTROL) != 0 ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
