// The popup menu bar's answers to the mouse and the keyboard: the highlighted item, the
// delayed opening and closing of sub-menus, and running the chosen command.
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTMenuSound.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>

namespace {
const UINT setMessageString = 0x0362;
const UINT idleMessage = 0xE001;
const UINT_PTR openTimer = 1;
const UINT_PTR closeTimer = 2;

CGTToolbarMenuButton* AsSubMenuItem(CGTToolbarButton* iItem)
{
    auto* item = dynamic_cast<CGTToolbarMenuButton*>(iItem);
    if (item == nullptr || item->IsShowAllButton() || (item->m_CommandId != GTSubMenuCommand && !item->DrawsArrow()))
        return nullptr;
    return item;
}

BOOL CursorIn(const CWnd& iBar, const CGTToolbarButton* iItem)
{
    if (iItem == nullptr || iBar.GetSafeHwnd() == nullptr)
        return FALSE;
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    iBar.ScreenToClient(&cursor);
    return iItem->Rect().PtInRect(cursor);
}
}  // namespace

// --- The highlighted item and the delayed sub-menus ---

void CGTPopupMenuBar::ClearHotItem()
{
    m_HotIndex = -1;
}

void CGTPopupMenuBar::SetHot(int iIndex)
{
    if (iIndex == -1 && CursorIn(*this, GetButton(m_HotIndex)))
        return;
    CGTToolbarButton* item = GetButton(iIndex);
    if (iIndex != m_HotIndex) {
        CGTToolbarMenuButton* dropped = nullptr;
        for (int index = 0; index < GetButtonCount() && dropped == nullptr; ++index) {
            auto* candidate = dynamic_cast<CGTToolbarMenuButton*>(GetButton(index));
            if (candidate != nullptr && candidate->IsDroppedDown())
                dropped = candidate;
        }
        if (dropped != nullptr && dropped != item) {
            if (IsCustomizeMode() || m_KeyboardNavigation) {
                dropped->OnCancelMode();
                CGTPopupMenu::ActivatePopupMenu(GetParentPopup()->HostFrame(), GetParentPopup());
            } else {
                m_DelayedClose = dropped;
                SetTimer(closeTimer, static_cast<UINT>(std::max(GetSubMenuDelay() - 1, 0)), nullptr);
            }
        }
        if (item != nullptr && item->IsShowAllButton())
            item->OnClick(this, TRUE);
        else if (CGTToolbarMenuButton* subMenu = AsSubMenuItem(item); subMenu != nullptr && !subMenu->IsDroppedDown())
            subMenu->OnClick(this, TRUE);
        CGTPopupMenu* popup = GetParentPopup();
        CGTPopupMenu* parent = popup != nullptr ? popup->GetParentPopup() : nullptr;
        if (parent != nullptr && parent->GetMenuBar()->m_DelayedClose == popup->m_ParentButton)
            parent->GetMenuBar()->RestoreDelayedSubmenu();
    }
    if (item != nullptr && item == m_DelayedClose) {
        m_DelayedClose = nullptr;
        KillTimer(closeTimer);
    }
    const int previous = m_HotIndex;
    m_HotIndex = iIndex;
    if (previous != iIndex) {
        InvalidateButton(previous);
        InvalidateButton(iIndex);
        UpdateWindow();
    }
}

void CGTPopupMenuBar::StartDelayedSubmenu(CGTToolbarMenuButton* iButton, int iFactor)
{
    KillTimer(openTimer);
    m_DelayedOpen = iButton;
    if (iButton != nullptr && iButton == m_DelayedClose) {
        RestoreDelayedSubmenu();
        return;
    }
    SetTimer(openTimer, static_cast<UINT>(GetSubMenuDelay() * iFactor), nullptr);
}

void CGTPopupMenuBar::CancelDelayedSubmenu()
{
    KillTimer(closeTimer);
    CGTToolbarMenuButton* button = m_DelayedClose;
    m_DelayedClose = nullptr;
    if (button != nullptr)
        button->OnCancelMode();
}

void CGTPopupMenuBar::RestoreDelayedSubmenu()
{
    KillTimer(closeTimer);
    CGTToolbarMenuButton* button = m_DelayedClose;
    m_DelayedClose = nullptr;
    const int index = ButtonToIndex(button);
    if (index < 0)
        return;
    const int previous = m_HotIndex;
    m_HotIndex = index;
    InvalidateButton(previous);
    InvalidateButton(index);
}

void CGTPopupMenuBar::OnTimer(UINT_PTR iTimer)
{
    if (iTimer == openTimer) {
        KillTimer(openTimer);
        if (m_Tooltip.GetSafeHwnd() != nullptr)
            m_Tooltip.Activate(FALSE);
        if (CursorIn(*this, m_DelayedClose))
            return;
        CancelDelayedSubmenu();
        CGTToolbarMenuButton* button = m_DelayedOpen;
        m_DelayedOpen = nullptr;
        if (button != nullptr && button == GetHotButton()) {
            if (button->IsShowAllButton())
                button->OnClick(this, FALSE);
            else
                button->OpenPopupForParent(this);
        }
        return;
    }
    if (iTimer == closeTimer) {
        KillTimer(closeTimer);
        if (m_DelayedClose != nullptr && !CursorIn(*this, m_DelayedClose)) {
            CancelDelayedSubmenu();
            if (CGTPopupMenu* popup = GetParentPopup())
                CGTPopupMenu::ActivatePopupMenu(popup->HostFrame(), popup);
        }
        return;
    }
    CGTToolBar::OnTimer(iTimer);
}

CGTToolBar* CGTPopupMenuBar::FindMenuBarAtPoint(CPoint iScreenPoint) const
{
    CGTPopupMenu* popup = GetParentPopup();
    CGTPopupMenu* top = popup;
    for (; popup != nullptr; popup = popup->GetParentPopup()) {
        CGTPopupMenuBar* bar = popup->GetMenuBar();
        CRect client;
        bar->GetClientRect(&client);
        bar->ClientToScreen(&client);
        if (client.PtInRect(iScreenPoint))
            return bar;
        top = popup;
    }
    CGTToolBar* toolbar = top != nullptr ? top->GetParentToolBar() : nullptr;
    if (toolbar == nullptr || toolbar->GetSafeHwnd() == nullptr)
        return nullptr;
    CRect client;
    toolbar->GetClientRect(&client);
    toolbar->ClientToScreen(&client);
    return client.PtInRect(iScreenPoint) ? toolbar : nullptr;
}

void CGTPopupMenuBar::SetCommandRunning(BOOL iRunning)
{
    m_CommandRunning = iRunning;
    for (CGTPopupMenu* popup = GetParentPopup(); popup != nullptr; popup = popup->GetParentPopup())
        popup->GetMenuBar()->m_CommandRunning = iRunning;
}

// --- Mouse ---

BOOL CGTPopupMenuBar::ForwardOutside(UINT iMessage, UINT iFlags, CPoint iPoint)
{
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(iPoint))
        return FALSE;
    CPoint screen = iPoint;
    ClientToScreen(&screen);
    CGTToolBar* bar = FindMenuBarAtPoint(screen);
    if (bar != nullptr && bar != this) {
        bar->ScreenToClient(&screen);
        bar->SendMessage(iMessage, iFlags, MAKELPARAM(screen.x, screen.y));
    }
    return TRUE;
}

void CGTPopupMenuBar::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    if (m_SkipNextMove) {
        m_SkipNextMove = FALSE;
        return;
    }
    if (IsCustomizeMode()) {
        CGTToolBar::OnMouseMove(iFlags, iPoint);
        return;
    }
    if (ForwardOutside(WM_MOUSEMOVE, iFlags, iPoint))
        return;
    if (!m_Tracking) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        m_Tracking = ::TrackMouseEvent(&track);
    }
    const int hot = HitTest(iPoint);
    if (hot != m_HotIndex) {
        SetHot(hot);
        if (const CGTToolbarButton* item = GetButton(hot))
            ShowCommandMessageString(item->m_CommandId);
    }
}

void CGTPopupMenuBar::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    m_IgnoreRelease = FALSE;
    if (IsCustomizeMode()) {
        CGTToolBar::OnLButtonDown(iFlags, iPoint);
        return;
    }
    if (ForwardOutside(WM_LBUTTONDOWN, iFlags, iPoint))
        return;
    if (CGTToolbarMenuButton* subMenu = AsSubMenuItem(GetButton(HitTest(iPoint))))
        subMenu->OnClick(this, FALSE);
}

void CGTPopupMenuBar::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    if (IsCustomizeMode()) {
        CGTToolBar::OnLButtonUp(iFlags, iPoint);
        return;
    }
    if (m_IgnoreRelease) {
        // The release of the press that opened the menu.
        m_IgnoreRelease = FALSE;
        CRect client;
        GetClientRect(&client);
        if (!client.PtInRect(iPoint))
            return;
    } else if (ForwardOutside(WM_LBUTTONUP, iFlags, iPoint)) {
        GetParent()->DestroyWindow();
        return;
    }
    const int index = HitTest(iPoint);
    if (index >= 0 && index == m_HotIndex)
        OnSendCommand(GetButton(index));
}

void CGTPopupMenuBar::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    if (AsSubMenuItem(GetButton(HitTest(iPoint))) == nullptr)
        CGTToolBar::OnLButtonDblClk(iFlags, iPoint);
}

// --- Keyboard ---

int CGTPopupMenuBar::FindSelectable(int iFrom, int iStep) const
{
    const int count = GetButtonCount();
    for (int tried = 0, index = iFrom; tried < count; ++tried) {
        index = (index + iStep + count) % count;
        const CGTToolbarButton* item = GetButton(index);
        if (!item->IsSeparator() && !item->Rect().IsRectEmpty())
            return index;
    }
    return -1;
}

void CGTPopupMenuBar::MoveHotByKey(int iIndex)
{
    if (iIndex < 0 || iIndex == m_HotIndex)
        return;
    m_KeyboardNavigation = TRUE;
    SetHot(iIndex);
    m_KeyboardNavigation = FALSE;
    const CGTToolbarButton* item = GetButton(iIndex);
    if (item != nullptr && AsSubMenuItem(const_cast<CGTToolbarButton*>(item)) == nullptr)
        ShowCommandMessageString(item->m_CommandId);
}

BOOL CGTPopupMenuBar::OpenSubMenuByKey(CGTToolbarButton* iItem)
{
    CGTToolbarMenuButton* subMenu = AsSubMenuItem(iItem);
    if (subMenu == nullptr)
        return FALSE;
    MoveHotByKey(ButtonToIndex(subMenu));
    if (subMenu->OpenPopupForParent(this) && subMenu->GetPopupMenu() != nullptr)
        subMenu->GetPopupMenu()->SendMessage(WM_KEYDOWN, VK_HOME);
    return TRUE;
}

BOOL CGTPopupMenuBar::RunAccessKey(UINT iKey)
{
    UINT command = 0;
    CGTToolbarButton* item = nullptr;
    const BOOL hiddenItems = GTMenuOptions::s_RecentlyUsed && !m_AllShown;
    if (VirtualKeyProducesChar(iKey)) {
        wchar_t key[2] = {static_cast<wchar_t>(NormalizeAcceleratorKey(iKey)), 0};
        ::CharUpperW(key);
        if (!m_AccessKeys.Lookup(key[0], item) && hiddenItems)
            command = FindHiddenAccessKey(key[0]);
    } else if (hiddenItems) {
        command = FindHiddenAccessKey(iKey);
    }
    if (item == nullptr && command == 0)
        return FALSE;
    if (item == nullptr) {
        InvokeItem(command, nullptr);
        return TRUE;
    }
    if (OpenSubMenuByKey(item))
        return TRUE;
    if (item->m_Style & TBBS_DISABLED) {
        GetParent()->DestroyWindow();
        return TRUE;
    }
    OnSendCommand(item);
    return TRUE;
}

BOOL CGTPopupMenuBar::OnKeyDown(UINT iKey)
{
    if (iKey == VK_TAB)
        iKey = CGTKeyState::Current().IsDown(VK_SHIFT) ? VK_UP : VK_DOWN;
    const int count = GetButtonCount();
    switch (iKey) {
    case VK_RETURN: {
        CGTToolbarButton* item = GetHotButton();
        if (item == nullptr || OpenSubMenuByKey(item))
            return TRUE;
        if (CWnd* target = OwnerOrParent())
            target->SendMessage(setMessageString, idleMessage);
        OnSendCommand(item);
        return TRUE;
    }
    case VK_DOWN:
        MoveHotByKey(FindSelectable(m_HotIndex < 0 ? -1 : m_HotIndex, 1));
        return TRUE;
    case VK_HOME:
        MoveHotByKey(FindSelectable(-1, 1));
        return TRUE;
    case VK_UP:
        MoveHotByKey(FindSelectable(m_HotIndex < 0 ? count : m_HotIndex, -1));
        return TRUE;
    case VK_END:
        MoveHotByKey(FindSelectable(count, -1));
        return TRUE;
    default:
        if (IsCustomizeMode() || CGTKeyState::Current().IsDown(VK_CONTROL))
            return FALSE;
        return RunAccessKey(iKey);
    }
}

// --- Commands ---

void CGTPopupMenuBar::OnSendCommand(CGTToolbarButton* iItem)
{
    if (iItem == nullptr || iItem->IsDroppedDown())
        return;
    // Items that act in the menu itself take the click, disabled or not.
    if (auto* menuItem = dynamic_cast<CGTToolbarMenuButton*>(iItem); menuItem != nullptr && menuItem->OnClickMenuItem())
        return;
    if ((iItem->m_Style & TBBS_DISABLED) || iItem->m_CommandId == GTSubMenuCommand)
        return;
    if (iItem->IsShowAllButton()) {
        iItem->OnClick(this, FALSE);
        return;
    }
    InvokeItem(iItem->m_CommandId, iItem);
}

void CGTPopupMenuBar::InvokeItem(UINT iCommandId, CGTToolbarButton* iItem)
{
    CGTPopupMenu* popup = GetParentPopup();
    CWnd* target = popup != nullptr ? popup->m_MessageTarget : nullptr;
    if (CWnd* prompt = target != nullptr ? target : OwnerOrParent())
        prompt->SendMessage(setMessageString, idleMessage);
    CGTPopupMenu* top = popup;
    while (top != nullptr && top->GetParentPopup() != nullptr)
        top = top->GetParentPopup();
    if (CGTToolBar* toolbar = top != nullptr ? top->GetParentToolBar() : nullptr)
        toolbar->ResetHotButton();
    if (iCommandId != 0) {
        SetCommandRunning(TRUE);
        PlayMenuSound(CGTMenuSound::MenuCommand);
        if (m_TrackMode) {
            if (CGTContextMenuManager* manager = CGTContextMenuManager::Current())
                manager->SetLastCommand(iCommandId);
        } else if (popup == nullptr || popup->m_ParentButton == nullptr ||
                   !popup->m_ParentButton->OnClickHiddenButton(this, iItem)) {
            AddCommandUsage(iCommandId);
            CGTUserToolsManager* tools = CGTUserToolsManager::Current();
            if (target != nullptr)
                target->PostMessage(WM_COMMAND, iCommandId);
            else if (tools == nullptr || !tools->InvokeToolByCommand(iCommandId))
                OwnerOrParent()->PostMessage(WM_COMMAND, iCommandId);
        }
    }
    s_LastInvokedItem = iItem != nullptr ? ButtonToIndex(iItem) : -1;
    if (m_Palette && iItem != nullptr && popup != nullptr && popup->m_ParentButton != nullptr) {
        popup->m_ParentButton->m_CommandId = iCommandId;
        popup->m_ParentButton->SetImage(iItem->GetImage());
        if (CGTToolBar* owner = popup->m_ParentButton->GetParentToolBar())
            owner->InvalidateButton(owner->ButtonToIndex(popup->m_ParentButton));
    }
    SetCommandRunning(FALSE);
    if (popup != nullptr)
        popup->DestroyWindow();
}
