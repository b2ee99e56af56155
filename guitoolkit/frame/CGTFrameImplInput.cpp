// The frame's routing of keys and mouse clicks to the toolkit's menus, its menu bar link,
// and the popup that adds or removes a bar's buttons.
#include <guitoolkit/frame/CGTFrameImpl.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/frame/CGTPrintPreviewView.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/toolbars/CGTCustomizeMenuButton.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>
#include <guitoolkit/toolbars/CGTToolbarCustomize.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>

namespace {
// The item a bar's customize button leaves in the menu of its buttons; its text is the bar's id.
const UINT barButtonsPlaceholder = 1;
const UINT resetToolbarCommand = static_cast<UINT>(-20);

BOOL IsKeyDown(int iKey)
{
    return (::GetKeyState(iKey) & 0x8000) != 0;
}

// The bar whose buttons the popup is to list: the placeholder's bar; null for any other popup.
CGTToolBar* PlaceholderBar(CGTPopupMenu& iPopup)
{
    const CGTToolbarButton* first = iPopup.GetMenuItemCount() == 1 ? iPopup.GetMenuItem(0) : nullptr;
    if (first == nullptr || first->m_CommandId != barButtonsPlaceholder)
        return nullptr;
    const int id = _wtoi(first->m_Text);
    const CObList& bars = CGTToolBar::GetAllToolbars();
    for (POSITION at = bars.GetHeadPosition(); at != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(bars.GetNext(at));
        if (bar->GetSafeHwnd() != nullptr && bar->GetDlgCtrlID() == id)
            return bar;
    }
    return nullptr;
}

// An empty button text: the open sheet's name of the command, else its string resource.
CString CommandText(const CGTToolbarButton& iButton)
{
    if (!iButton.m_Text.IsEmpty())
        return iButton.m_Text;
    CString text;
    if (theActiveCustomizeSheet != nullptr) {
        if (LPCWSTR name = theActiveCustomizeSheet->GetCommandName(iButton.m_CommandId))
            text = name;
        return text;
    }
    CString resource;
    if (resource.LoadString(iButton.m_CommandId)) {
        const int newline = resource.Find(L'\n');
        text = newline >= 0 ? resource.Mid(newline + 1) : resource;
    }
    return text;
}

BOOL IsInPopupMenu(HWND iWindow)
{
    for (HWND window = iWindow; window != nullptr; window = ::GetParent(window)) {
        if (DYNAMIC_DOWNCAST(CGTPopupMenu, CWnd::FromHandlePermanent(window)) != nullptr)
            return TRUE;
    }
    return FALSE;
}
}  // namespace

void CGTFrameImpl::SetMenuBar(CGTMenuBar* iBar)
{
    m_MenuBar = iBar;
    if (iBar == nullptr || m_Owner->GetSafeHwnd() == nullptr)
        return;
    m_FrameMenu = ::GetMenu(m_Owner->GetSafeHwnd());
    if (m_FrameMenu == nullptr)
        m_FrameMenu = m_Owner->m_hMenuDefault;
    if (m_FrameMenu != nullptr)
        iBar->CreateFromMenu(m_FrameMenu, TRUE);
    m_Owner->SetMenu(nullptr);
    iBar->SetFrameMenu(m_ResourceId);
}

void CGTFrameImpl::UpdateMenuBarState()
{
    // A deactivated frame's personalised menus show their recent commands again.
    if (m_MenuBar != nullptr && !CGTToolBar::IsCustomizeMode() && GTMenuOptions::s_RecentlyUsed)
        CGTMenuBar::SetShowAllCommands(FALSE);
}

BOOL CGTFrameImpl::IsPlainF1KeyDown(const MSG& iMessage)
{
    return iMessage.message == WM_KEYDOWN && iMessage.wParam == VK_F1 && (iMessage.lParam & 0x40000000) == 0 &&
        !IsKeyDown(VK_SHIFT) && !IsKeyDown(VK_CONTROL) && !IsKeyDown(VK_MENU);
}

BOOL CGTFrameImpl::ProcessMenuBarKey(UINT iChar)
{
    // In print preview only the preview's toolbar takes keys.
    const BOOL preview = m_DockManager != nullptr && m_DockManager->IsPrintPreviewMode();
    if (!preview && m_MenuBar != nullptr && m_MenuBar->IsVisible() && m_MenuBar->ProcessAccessKey(iChar))
        return TRUE;
    const CObList& bars = CGTToolBar::GetAllToolbars();
    for (POSITION at = bars.GetHeadPosition(); at != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(bars.GetNext(at));
        if (bar == m_MenuBar || bar->GetSafeHwnd() == nullptr || !bar->IsVisible() ||
            bar->GetTopLevelFrame() != m_Owner || (preview && !bar->IsKindOf(RUNTIME_CLASS(CGTPrintPreviewToolBar))))
            continue;
        if (bar->ProcessAccessKey(iChar))
            return TRUE;
    }
    return FALSE;
}

BOOL CGTFrameImpl::ProcessShortcutKey(const MSG& iMessage)
{
    if (CGTPopupMenu* popup = CGTPopupMenu::GetActiveMenu()) {
        popup->SendMessage(WM_KEYDOWN, iMessage.wParam, iMessage.lParam);
        return TRUE;
    }
    if (m_Owner->GetSafeHwnd() != nullptr && m_Owner->IsIconic())
        return TRUE;
    if (CGTToolBar::IsCustomizeMode())
        return FALSE;
    // Alt with a character opens the menu of that mnemonic.
    if (iMessage.message == WM_SYSKEYDOWN && IsKeyDown(VK_MENU)) {
        const UINT character = ::MapVirtualKeyW(static_cast<UINT>(iMessage.wParam), MAPVK_VK_TO_CHAR);
        return character != 0 && ProcessMenuBarKey(character);
    }
    return FALSE;
}

BOOL CGTFrameImpl::OnShowPopupMenu(CGTPopupMenu* iPopup)
{
    // A popup opened by a message that a moving or docking bar lets through would take the
    // mouse from the move.
    if (iPopup != nullptr && (CGTMiniFrameWnd::s_Moving || CGTMiniFrameWnd::s_DockingInProgress))
        return FALSE;
    if (iPopup != nullptr && CGTToolBar::IsCustomizeMode()) {
        const CGTToolBar* parent = iPopup->GetParentToolBar();
        if (parent != nullptr && !parent->IsKindOf(RUNTIME_CLASS(CGTMenuBar)) &&
            !parent->IsKindOf(RUNTIME_CLASS(CGTPopupMenuBar)))
            return FALSE;
    }
    CGTActivePopupMenu::Set(iPopup);
    if (iPopup == nullptr)
        return TRUE;
    if (CGTToolBar* bar = PlaceholderBar(*iPopup))
        ShowToolbarCustomization(iPopup, bar);
    return TRUE;
}

void CGTFrameImpl::ShowToolbarCustomization(CGTPopupMenu* iPopup, CGTToolBar* iBar)
{
    CGTCustomizeMenuButton::SetCustomizedToolbar(iBar);
    iPopup->RemoveAllItems();
    for (int index = 0; index < iBar->GetButtonCount(); ++index) {
        const CGTToolbarButton* button = iBar->GetButton(index);
        if (button->IsSeparator() || button == iBar->GetCustomizeButton())
            continue;
        CGTCustomizeMenuButton item(button->m_CommandId, nullptr, button->GetImage(), CommandText(*button),
                                    button->m_UserImage);
        item.SetItem(index, TRUE, FALSE);
        iPopup->InsertItem(item);
    }
    iPopup->InsertSeparator();
    CString reset;
    reset.LoadString(IDS_GT_RESET_TOOLBAR_ITEM);
    CGTCustomizeMenuButton resetItem(resetToolbarCommand, nullptr, -1, reset);
    resetItem.SetItem(CGTCustomizeMenuButton::s_ResetItem, TRUE, FALSE);
    iPopup->InsertItem(resetItem);
}

BOOL CGTFrameImpl::HandlePopupMouseDown(UINT iMessage, CPoint iScreenPoint, CWnd* iWindow)
{
    const BOOL customizing = CGTToolBar::IsCustomizeMode();
    if (iMessage == WM_LBUTTONDOWN && (customizing || IsKeyDown(VK_MENU))) {
        auto* bar = DYNAMIC_DOWNCAST(CGTToolBar, iWindow);
        if (bar == nullptr || bar->IsKindOf(RUNTIME_CLASS(CGTPopupMenuBar)))
            return FALSE;
        CPoint client = iScreenPoint;
        bar->ScreenToClient(&client);
        bar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.x, client.y));
        return TRUE;
    }
    CGTPopupMenu* popup = CGTPopupMenu::GetActiveMenu();
    if (customizing || popup == nullptr || popup->GetSafeHwnd() == nullptr)
        return FALSE;
    if (IsInPopupMenu(iWindow != nullptr ? iWindow->GetSafeHwnd() : nullptr))
        return FALSE;
    CGTToolBar* parentBar = popup->GetParentToolBar();
    if (popup->m_ParentButton != nullptr && parentBar != nullptr && parentBar->GetSafeHwnd() != nullptr) {
        CRect button = popup->m_ParentButton->Rect();
        parentBar->ClientToScreen(&button);
        if (button.PtInRect(iScreenPoint))
            return parentBar->IsKindOf(RUNTIME_CLASS(CGTMenuBar));
    }
    popup->SendMessage(WM_CLOSE);
    if (m_Owner->GetSafeHwnd() != nullptr)
        m_Owner->SetFocus();
    return FALSE;
}
