// How the menu bar lays out (across its whole row, the caption buttons at its end), what its
// items show as tooltips, and how the keyboard walks its menus.
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTToolbarSystemMenuButton.h>
#include <guitoolkit/toolbars/CHelpComboBoxButton.h>
#include <algorithm>

namespace {
const int menuTextLimit = 1024;
const int noLimit = 32767;

// The text of the command's first item in the menu or its sub-menus.
BOOL FindMenuText(HMENU iMenu, UINT iCommandId, CString& oText)
{
    for (int index = 0; iMenu != nullptr && index < ::GetMenuItemCount(iMenu); ++index) {
        if (HMENU subMenu = ::GetSubMenu(iMenu, index)) {
            if (FindMenuText(subMenu, iCommandId, oText))
                return TRUE;
            continue;
        }
        if (::GetMenuItemID(iMenu, index) != iCommandId)
            continue;
        wchar_t text[menuTextLimit + 1] = {};
        ::GetMenuStringW(iMenu, index, text, menuTextLimit, MF_BYPOSITION);
        oText = text;
        return TRUE;
    }
    return FALSE;
}
}  // namespace

BOOL CGTMenuBar::LoadButtonText(CGTToolbarButton& ioButton)
{
    CString text;
    if (FindMenuText(m_CurrentMenu, ioButton.m_CommandId, text)) {
        ioButton.m_Text = text;
        return TRUE;
    }
    return CGTToolBar::LoadButtonText(ioButton);
}

INT_PTR CGTMenuBar::OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const
{
    if (dynamic_cast<const CGTToolbarMenuButton*>(GetButton(HitTest(iPoint))) != nullptr)
        return -1;
    return CGTToolBar::OnToolHitTest(iPoint, oInfo);
}

// --- Sizes ---

void CGTMenuBar::UpdateItemsHaveImages()
{
    m_ItemsHaveImages = FALSE;
    for (int index = 0; index < GetButtonCount() && !m_ItemsHaveImages; ++index) {
        const CGTToolbarButton* button = GetButton(index);
        if (button->IsKindOf(RUNTIME_CLASS(CGTToolbarMenuButtonsButton)) ||
            button->IsKindOf(RUNTIME_CLASS(CGTToolbarSystemMenuButton)))
            continue;
        m_ItemsHaveImages = button->m_ShowImage && button->GetImage() >= 0;
    }
}

int CGTMenuBar::GetRowHeight() const
{
    const int base = m_ItemsHaveImages ? GetButtonSize().cy : GetMenuButtonSize().cy - 2;
    const BOOL horizontal = (GetBarStyle() & CBRS_ORIENT_VERT) == 0;
    return std::max(base, horizontal ? theGuiToolkitGlobals.textHeightRegular : theGuiToolkitGlobals.textHeightVert);
}

int CGTMenuBar::GetColumnWidth() const
{
    return m_ItemsHaveImages ? GetButtonSize().cx : GetMenuButtonSize().cx - 2;
}

CSize CGTMenuBar::GetStretchLimit(BOOL iStretch, BOOL iHorizontal)
{
    if (GetButtonCount() == 0)
        return GetButtonSize();
    return CalcSize((iStretch ? LM_STRETCH : 0) | (iHorizontal ? LM_HORZ : 0), -1);
}

int CGTMenuBar::GetShrinkDeficit() const
{
    CWnd* dockBar = GetParent();
    if (m_Floating || !m_Stretched || dockBar == nullptr)
        return CGTToolBar::GetShrinkDeficit();
    CRect available, window;
    dockBar->GetClientRect(&available);
    GetWindowRect(&window);
    const int deficit = IsHorizontal() ? available.Width() - window.Width() : available.Height() - window.Height();
    return std::max(deficit, 0);
}

CSize CGTMenuBar::CalcSize(DWORD iMode, int iLength)
{
    m_HotIndex = -1;
    UpdateItemsHaveImages();
    if (m_Floating || !m_Stretched)
        return CGTToolBar::CalcSize(iMode, iLength);
    const BOOL horizontal = (iMode & LM_HORZ) != 0;
    CRect available(0, 0, 0, 0);
    if (CWnd* parent = GetParent())
        parent->GetClientRect(&available);
    CRect borders(0, 0, 0, 0);
    AdjustClientRectByBorders(borders, horizontal);
    CSize size;
    if (horizontal) {
        WrapButtons(available.Width() + borders.Width(), noLimit);
        size = CSize(available.Width(), CalcLayoutSize(FALSE).cy - borders.Height());
    } else {
        WrapButtons(noLimit, available.Height() + borders.Height());
        size = CSize(CalcLayoutSize(TRUE).cx - borders.Width(), available.Height());
    }
    RebuildAccessKeys();
    return size;
}

void CGTMenuBar::RecalcButtonLayout()
{
    CHelpComboBoxButton* help = GetHelpCombobox();
    if (help != nullptr)
        help->SetVisible(FALSE);
    CGTToolBar::RecalcButtonLayout();
    if (help != nullptr)
        help->SetVisible(TRUE);
    if ((!m_Maximized && help == nullptr) || GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    const BOOL horizontal = IsHorizontal();
    int edge = horizontal ? client.right : client.bottom;
    const int last = GetButtonCount() - 1 - (m_CustomizeButton != nullptr ? 1 : 0);
    for (int index = last; index > last - m_CaptionButtonCount; --index) {
        CGTToolbarButton* caption = GetButton(index);
        const CSize size = m_SystemButtonSize;
        const CRect rect = horizontal
            ? CRect(edge - size.cx, client.CenterPoint().y - size.cy / 2, edge, client.CenterPoint().y + size.cy / 2)
            : CRect(client.CenterPoint().x - size.cx / 2, edge - size.cy, client.CenterPoint().x + size.cx / 2, edge);
        caption->SetRect(rect);
        ShowButton(*caption, TRUE);
        edge -= horizontal ? size.cx : size.cy;
    }
    if (help == nullptr || !horizontal)
        return;
    help->SetRect(CRect(edge - help->GetWidth(), client.top, edge, client.bottom));
    ShowButton(*help, TRUE);
    help->OnShow(TRUE);
}

// --- Keyboard ---

BOOL CGTMenuBar::PreTranslateMessage(MSG* ioMessage)
{
    if (ioMessage->message != WM_KEYDOWN)
        return CGTToolBar::PreTranslateMessage(ioMessage);
    if (GetDroppedDownMenuButton() != nullptr)
        return CGTBaseToolBar::PreTranslateMessage(ioMessage);
    const int last = LastItemIndex();
    CGTToolbarButton* hot = m_HotIndex <= last ? GetHotButton() : nullptr;
    if (hot == nullptr)
        return CGTToolBar::PreTranslateMessage(ioMessage);
    UINT key = static_cast<UINT>(ioMessage->wParam);
    if (GetExStyle() & WS_EX_LAYOUTRTL) {
        if (key == VK_LEFT)
            key = VK_RIGHT;
        else if (key == VK_RIGHT)
            key = VK_LEFT;
    }
    switch (key) {
    case VK_RETURN:
        if (!DropDownMenu(hot))
            SendButtonCommandById(hot->m_CommandId);
        return TRUE;
    case VK_ESCAPE:
        ResetHotButton();
        RestoreFocus();
        SetShowAllCommands(FALSE);
        return CGTToolBar::PreTranslateMessage(ioMessage);
    case VK_LEFT:
    case VK_RIGHT: {
        const int previous = m_HotIndex;
        m_HotIndex = key == VK_LEFT ? (previous > 0 ? previous - 1 : last) : (previous < last ? previous + 1 : 0);
        InvalidateButton(previous);
        InvalidateButton(m_HotIndex);
        UpdateWindow();
        theGuiToolkitGlobals.NotifyWinEventOptional(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_CLIENT, m_HotIndex);
        return CGTToolBar::PreTranslateMessage(ioMessage);
    }
    case VK_DOWN:
        DropDownMenu(hot);
        return TRUE;
    default:
        return ProcessAccessKey(key) || CGTToolBar::PreTranslateMessage(ioMessage);
    }
}
