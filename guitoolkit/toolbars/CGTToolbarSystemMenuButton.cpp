#include <guitoolkit/toolbars/CGTToolbarSystemMenuButton.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <afxmdi.h>

IMPLEMENT_SERIAL(CGTToolbarSystemMenuButton, CGTToolbarMenuButton, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CGTToolbarMenuButtonsButton, CGTToolbarButton, VERSIONABLE_SCHEMA | 1)

namespace {
CSize MenuButtonSize()
{
    return CSize(::GetSystemMetrics(SM_CXMENUSIZE), ::GetSystemMetrics(SM_CYMENUSIZE));
}

// The frame a bar belongs to; a bar floating in a mini dock frame belongs to that frame's
// parent.
CFrameWnd* TopFrameOf(CWnd* iBar)
{
    CFrameWnd* frame = iBar != nullptr ? iBar->GetTopLevelFrame() : nullptr;
    if (frame != nullptr && frame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)))
        frame = frame->GetParent() != nullptr ? frame->GetParent()->GetTopLevelFrame() : nullptr;
    return frame;
}
}  // namespace

CGTToolbarSystemMenuButton::CGTToolbarSystemMenuButton(HMENU iSystemMenu, HICON iIcon)
    : CGTToolbarMenuButton(0, iSystemMenu, -1), m_Icon(iIcon), m_SystemMenu(iSystemMenu)
{
}

void CGTToolbarSystemMenuButton::Serialize(CArchive&) {}

void CGTToolbarSystemMenuButton::CopyFrom(const CGTToolbarButton& iSource)
{
    CGTToolbarMenuButton::CopyFrom(iSource);
    if (const auto* source = dynamic_cast<const CGTToolbarSystemMenuButton*>(&iSource)) {
        m_Icon = source->m_Icon;
        m_SystemMenu = source->m_SystemMenu;
    }
}

void CGTToolbarSystemMenuButton::CreateFromMenu(HMENU iMenu)
{
    m_SystemMenu = iMenu;
}

void CGTToolbarSystemMenuButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages*, BOOL, BOOL, BOOL, BOOL, BOOL)
{
    if (m_Icon == nullptr)
        return;
    const CSize size = MenuButtonSize();
    ::DrawIconEx(iDc->GetSafeHdc(), iRect.left, iRect.top + (iRect.Height() - size.cy) / 2, m_Icon, size.cx, size.cy, 0,
                 nullptr, DI_NORMAL);
}

CSize CGTToolbarSystemMenuButton::CalcSize(CDC*, const CSize& iDefaultSize, BOOL)
{
    return CSize(::GetSystemMetrics(SM_CXMENUSIZE), iDefaultSize.cy);
}

void CGTToolbarSystemMenuButton::OnDblClick(CWnd* iOwner)
{
    if (CGTToolBar::IsCustomizeMode())
        return;
    OnCancelMode();
    auto* frame = DYNAMIC_DOWNCAST(CMDIFrameWnd, TopFrameOf(iOwner));
    CMDIChildWnd* child = frame != nullptr ? frame->MDIGetActive() : nullptr;
    if (child == nullptr)
        return;
    const UINT close = ::GetMenuState(m_SystemMenu, SC_CLOSE, MF_BYCOMMAND);
    if (close != static_cast<UINT>(-1) && (close & (MF_GRAYED | MF_DISABLED)))
        return;
    child->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
}

void CGTToolbarSystemMenuButton::OnCancelMode()
{
    if (m_Popup != nullptr && m_Popup->GetSafeHwnd() != nullptr) {
        m_Popup->m_CloseParent = FALSE;
        m_Popup->CloseMenu(FALSE);
    }
    m_Popup = nullptr;
}

HMENU CGTToolbarSystemMenuButton::ExportSubItemsToMenu() const
{
    HMENU menu = CGTToolbarMenuButton::ExportSubItemsToMenu();
    // The states are the system menu's now, not what they were when the button was made.
    if (menu == nullptr || !::IsMenu(m_SystemMenu))
        return menu;
    for (int index = 0; index < ::GetMenuItemCount(m_SystemMenu); ++index) {
        const UINT command = ::GetMenuItemID(m_SystemMenu, index);
        const UINT state = ::GetMenuState(m_SystemMenu, index, MF_BYPOSITION);
        if (command == 0 || command == static_cast<UINT>(-1))
            continue;
        ::CheckMenuItem(menu, command, MF_BYCOMMAND | (state & MF_CHECKED));
        ::EnableMenuItem(menu, command, MF_BYCOMMAND | (state & (MF_GRAYED | MF_DISABLED)));
    }
    return menu;
}

// --- Caption buttons ---

CGTToolbarMenuButtonsButton::CGTToolbarMenuButtonsButton(UINT iSystemCommand) : m_SystemCommand(iSystemCommand) {}

void CGTToolbarMenuButtonsButton::CopyFrom(const CGTToolbarButton& iSource)
{
    CGTToolbarButton::CopyFrom(iSource);
    if (const auto* source = dynamic_cast<const CGTToolbarMenuButtonsButton*>(&iSource))
        m_SystemCommand = source->m_SystemCommand;
}

void CGTToolbarMenuButtonsButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages*, BOOL, BOOL, BOOL iHighlight,
                                         BOOL, BOOL)
{
    CGTVisualManager::GetCurrent()->DrawMenuSystemButton(iDc, iRect, this, m_SystemCommand, m_Style, iHighlight);
}

CSize CGTToolbarMenuButtonsButton::CalcSize(CDC*, const CSize&, BOOL)
{
    return MenuButtonSize();
}
