// The toolbar's answers to the mouse and the keyboard: hot tracking, pressed looks, commands
// sent to the owner, status-bar prompts, access keys and tooltips.
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTMenuSound.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTDropDownToolbarButton.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarSystemMenuButton.h>
#include <guitoolkit/toolbars/GTCommandText.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>

namespace {
const UINT setMessageString = 0x0362;
const UINT idleMessage = 0xE001;
const CPoint noPoint(-1, -1);

BOOL IsSystemMenuRange(UINT iCommandId)
{
    return iCommandId >= 0xF000 && iCommandId <= 0xF1EF;
}
}  // namespace

void CGTToolBar::ResetHotButton()
{
    if (GetButton(m_HotIndex) != nullptr) {
        const int hot = m_HotIndex;
        m_HotIndex = m_MenuSelection = -1;
        InvalidateButton(hot);
        UpdateWindow();
        ShowCommandMessageString(static_cast<UINT>(-1));
    }
    RestoreFocus();
}

void CGTToolBar::SetButtonStyle(int iIndex, UINT iStyle)
{
    CGTToolbarButton* button = GetButton(iIndex);
    if (button == nullptr || button->m_Style == iStyle)
        return;
    if (iStyle & TBBS_DISABLED)
        iStyle &= ~TBBS_PRESSED;
    const BOOL wasPressed = (button->m_Style & TBBS_PRESSED) != 0;
    button->SetStyle(iStyle);
    if (!(wasPressed && (iStyle & TBBS_PRESSED)))
        InvalidateButton(iIndex);
}

UINT CGTToolBar::GetButtonStyle(int iIndex) const
{
    const CGTToolbarButton* button = GetButton(iIndex);
    return button != nullptr ? button->m_Style : 0;
}

CGTToolbarButton* CGTToolBar::GetHotButton() const
{
    return GetButton(m_HotIndex);
}

BOOL CGTToolBar::SetHotButton(CGTToolbarButton* iButton)
{
    if (iButton == nullptr) {
        m_MenuSelection = -1;
        return TRUE;
    }
    const int index = ButtonToIndex(iButton);
    if (index < 0)
        return FALSE;
    if (index != m_MenuSelection)
        SetHot(index);
    return TRUE;
}

BOOL CGTToolBar::ProcessAccessKey(UINT iCharacter)
{
    if (!VirtualKeyProducesChar(iCharacter))
        return FALSE;
    wchar_t key[2] = {static_cast<wchar_t>(NormalizeAcceleratorKey(iCharacter)), 0};
    ::CharUpperW(key);
    CGTToolbarButton* button = nullptr;
    if (!m_AccessKeys.Lookup(key[0], button))
        return FALSE;
    const int animation = GTMenuOptions::s_Animation;
    GTMenuOptions::s_Animation = 0;
    const BOOL dropped = DropDownMenu(button);
    GTMenuOptions::s_Animation = animation;
    return dropped || SendButtonCommandById(button->m_CommandId);
}

CGTToolbarMenuButton* CGTToolBar::GetDroppedDownMenuButton(int* oIndex) const
{
    for (int index = 0; index < GetButtonCount(); ++index) {
        auto* button = dynamic_cast<CGTToolbarMenuButton*>(GetButton(index));
        if (button != nullptr && button->IsDroppedDown()) {
            if (oIndex != nullptr)
                *oIndex = index;
            return button;
        }
    }
    if (oIndex != nullptr)
        *oIndex = -1;
    return nullptr;
}

BOOL CGTToolBar::DropDownMenu(CGTToolbarButton* iButton)
{
    auto* button = dynamic_cast<CGTToolbarMenuButton*>(iButton);
    if (button == nullptr || !button->OnClick(this, TRUE))
        return FALSE;
    if (CGTPopupMenu* popup = button->GetPopupMenu(); popup != nullptr && popup->GetSafeHwnd() != nullptr)
        popup->SendMessage(WM_KEYDOWN, VK_HOME);
    SetHotButton(button);
    return TRUE;
}

BOOL CGTToolBar::DropDownPrevMenu()
{
    return DropDownNeighbourMenu(-1);
}

BOOL CGTToolBar::DropDownNextMenu()
{
    return DropDownNeighbourMenu(1);
}

BOOL CGTToolBar::DropDownNeighbourMenu(int iStep)
{
    int start = -1;
    if (GetDroppedDownMenuButton(&start) == nullptr)
        return FALSE;
    const int count = GetButtonCount();
    int index = start;
    do {
        index = (index + iStep + count) % count;
        const auto* button = dynamic_cast<const CGTToolbarMenuButton*>(GetButton(index));
        if (button != nullptr && !(button->m_Style & TBBS_DISABLED))
            break;
    } while (index != start);
    if (index == start)
        return TRUE;
    const int animation = GTMenuOptions::s_Animation;
    GTMenuOptions::s_Animation = 0;
    SetHot(index);
    GTMenuOptions::s_Animation = animation;
    auto* button = static_cast<CGTToolbarMenuButton*>(GetButton(index));
    if (CGTPopupMenu* popup = button->GetPopupMenu(); popup != nullptr && popup->GetSafeHwnd() != nullptr)
        popup->SendMessage(WM_KEYDOWN, VK_HOME);
    return TRUE;
}

void CGTToolBar::SetHot(int iIndex)
{
    if (iIndex == m_MenuSelection)
        iIndex = -1;
    m_MenuSelection = iIndex;
    CGTToolbarMenuButton* dropped = GetDroppedDownMenuButton();
    if (dropped == nullptr && !s_CustomizeMode)
        return;
    CGTToolbarButton* button = GetButton(iIndex);
    if (button == nullptr) {
        m_MenuSelection = -1;
        if (s_CustomizeMode && !s_AltDrag && dropped != nullptr)
            dropped->OnCancelMode();
        return;
    }
    if (button == dropped) {
        if (s_CustomizeMode)
            dropped->OnCancelMode();
    } else {
        if (dropped != nullptr) {
            // The closing popup must not give its button the hot look back.
            const int hot = m_HotIndex;
            if (!s_CustomizeMode)
                m_HotIndex = -1;
            dropped->OnCancelMode();
            m_HotIndex = hot;
        }
        auto* menuButton = dynamic_cast<CGTToolbarMenuButton*>(button);
        const BOOL systemMenu = DYNAMIC_DOWNCAST(CGTToolbarSystemMenuButton, button) != nullptr;
        if (menuButton != nullptr && !(systemMenu && s_CustomizeMode))
            menuButton->OnClick(this, TRUE);
    }
    if (s_CustomizeMode && m_InsertionIndex < 0)
        SelectForCustomizing(button->IsSeparator() ? -1 : iIndex);
    const int previous = m_HotIndex;
    m_HotIndex = iIndex;
    InvalidateButton(previous);
    InvalidateButton(iIndex);
    UpdateWindow();
}

CWnd* CGTToolBar::GetCommandTarget() const
{
    CWnd* target = GetOwner();
    if (target == nullptr)
        target = GetParent();
    if (target != nullptr && !target->IsFrameWnd())
        if (CFrameWnd* frame = GetParentFrame())
            return frame;
    return target;
}

BOOL CGTToolBar::PostButtonCommand(CGTToolbarButton* iButton, BOOL iSkipCheck, UINT iNotifyCode, WPARAM, LPARAM iLParam)
{
    if (!iSkipCheck && !iButton->NotifyCommand(static_cast<int>(iNotifyCode)))
        return FALSE;
    if (CWnd* target = OwnerOrParent())
        target->PostMessage(WM_COMMAND, MAKEWPARAM(iButton->m_CommandId, iNotifyCode), iLParam);
    return TRUE;
}

BOOL CGTToolBar::SendButtonCommandById(UINT iCommandId)
{
    if (iCommandId == 0 || iCommandId == static_cast<UINT>(-1))
        return FALSE;
    PlayMenuSound(1);
    AddCommandUsage(iCommandId);
    if (CWnd* target = OwnerOrParent())
        target->PostMessage(WM_COMMAND, iCommandId, 0);
    return TRUE;
}

CWnd* CGTToolBar::OwnerOrParent() const
{
    CWnd* owner = GetOwner();
    return owner != nullptr ? owner : GetParent();
}

BOOL CGTToolBar::TakesButtonCommand(CGTToolbarButton*)
{
    return FALSE;
}

void CGTToolBar::ShowCommandMessageString(UINT iCommandId)
{
    if (IsMouseHookInstalled())
        return;
    CWnd* target = OwnerOrParent();
    if (target == nullptr)
        return;
    UINT prompt = iCommandId;
    if (iCommandId == static_cast<UINT>(-1) || iCommandId == static_cast<UINT>(-20))
        prompt = idleMessage;
    else if (IsSystemMenuRange(iCommandId))
        prompt = 0xEF00 + (iCommandId - 0xF000) / 16;
    else if (static_cast<int>(iCommandId) < 0 || iCommandId > 0xFEFF)
        prompt = 0xEF1F;
    target->SendMessage(setMessageString, prompt);
}

BOOL CGTToolBar::OnUserToolTip(CGTToolbarButton*, CString&) const
{
    return FALSE;
}

void CGTToolBar::RebuildAccessKeys()
{
    m_AccessKeys.RemoveAll();
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
        if (button->IsSeparator() || !button->m_ShowText)
            continue;
        const int amp = button->m_Text.Find(L'&');
        if (amp < 0 || amp == button->m_Text.GetLength() - 1)
            continue;
        wchar_t key[2] = {button->m_Text[amp + 1], 0};
        ::CharUpperW(key);
        m_AccessKeys[key[0]] = button;
    }
}

// --- Mouse ---

void CGTToolBar::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    const int index = HitTest(iPoint);
    if (s_CustomizeMode)
        TakeCustomizeSelection();
    CGTToolbarButton* button = GetButton(index);
    if (button == nullptr) {
        m_PressedIndex = -1;
        if (s_CustomizeMode && !m_Locked) {
            SelectForCustomizing(-1);
            SetHot(-1);
        }
        CGTBaseToolBar::OnLButtonDown(iFlags, iPoint);
        return;
    }
    s_AltDrag = s_AltDragAllowed && !s_CustomizeMode && CGTKeyState::Current().GetAsyncKeyState(VK_MENU) < 0;
    if ((s_CustomizeMode || s_AltDrag) && !m_Locked) {
        OnCustomizePress(index, iFlags, iPoint);
        return;
    }
    m_PressedIndex = index;
    UpdateButtonCmdUI(index);
    // A drop-down button still opens its group when its current command is disabled.
    if ((button->m_Style & TBBS_DISABLED) && !button->IsKindOf(RUNTIME_CLASS(CGTDropDownToolbarButton))) {
        m_PressedIndex = -1;
        return;
    }
    button->m_Style |= TBBS_PRESSED;
    InvalidateButton(index);
    UpdateWindow();
    ShowCommandMessageString(button->m_CommandId);
    if (button->OnClick(this, FALSE)) {
        if (m_Tooltip.GetSafeHwnd() != nullptr)
            m_Tooltip.Pop();
        if (ButtonToIndex(button) >= 0)
            button->m_Style &= ~TBBS_PRESSED;
        m_PressedIndex = m_HotIndex = -1;
        SetHot(-1);
        InvalidateButton(index);
        return;
    }
    m_SavedCapture = ::SetCapture(m_hWnd);
}

void CGTToolBar::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    CGTToolbarButton* button = GetButton(HitTest(iPoint));
    if (button == nullptr) {
        CGTBaseToolBar::OnLButtonDblClk(iFlags, iPoint);
        return;
    }
    button->OnDblClick(this);
    // The system menu's double click closed the child, or was refused.
    if (DYNAMIC_DOWNCAST(CGTToolbarSystemMenuButton, button) != nullptr)
        return;
    OnLButtonDown(iFlags, iPoint);
}

void CGTToolBar::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    if (s_CustomizeMode && !m_Locked) {
        TrackCustomizeResize(iPoint);
        return;
    }
    if (iPoint == m_LastPoint)
        return;
    m_LastPoint = iPoint;
    int hot = HitTest(iPoint);
    // Keyboard users keep their button while the mouse passes between buttons.
    if (m_RememberFocus && hot == -1 && ::GetFocus() == m_hWnd)
        return;
    const CGTToolbarButton* hotButton = GetButton(hot);
    if (hotButton != nullptr && (hotButton->IsSeparator() || (hotButton->m_Style & TBBS_DISABLED)))
        hot = -1;
    if (!m_Tracking) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        m_Tracking = ::TrackMouseEvent(&track);
    }
    if (hot != m_HotIndex) {
        if (hot == -1 && m_PressedIndex == -1)
            ShowCommandMessageString(static_cast<UINT>(-1));
        else if (hot != -1)
            ShowCommandMessageString(m_PressedIndex == -1 || m_PressedIndex == hot ? GetButton(hot)->m_CommandId
                                                                                   : static_cast<UINT>(-1));
        if (CGTToolbarButton* pressed = GetButton(m_PressedIndex)) {
            const UINT style =
                hot == m_PressedIndex ? pressed->m_Style | TBBS_PRESSED : pressed->m_Style & ~TBBS_PRESSED;
            SetButtonStyle(m_PressedIndex, style);
        }
        const int previous = m_HotIndex;
        m_HotIndex = hot;
        if (m_PressedIndex == -1 || previous == m_PressedIndex)
            InvalidateButton(previous);
        if (m_PressedIndex == -1)
            InvalidateButton(hot);
        // An open menu follows the mouse to the next menu button.
        SetHot(hot);
        UpdateWindow();
    }
    CGTBaseToolBar::OnMouseMove(iFlags, iPoint);
}

void CGTToolBar::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    if (s_CustomizeMode && !m_Locked) {
        EndCustomizeResize(iPoint);
        CGTBaseToolBar::OnLButtonUp(iFlags, iPoint);
        return;
    }
    const int index = m_PressedIndex;
    CGTToolbarButton* button = GetButton(index);
    if (button == nullptr) {
        if (HitTest(iPoint) < 0)
            CGTBaseToolBar::OnLButtonUp(iFlags, iPoint);
        m_LastPoint = noPoint;
        OnMouseMove(0, iPoint);
        return;
    }
    ReleaseMouse();
    const BOOL over = HitTest(iPoint) == index;
    if (over)
        UpdateButtonCmdUI(index);
    UINT style = button->m_Style & ~TBBS_PRESSED;
    UINT command = 0;
    if (over && !(button->m_Style & TBBS_DISABLED)) {
        command = button->m_CommandId;
        if (button->m_Style & TBBS_CHECKBOX) {
            if (style & TBBS_INDETERMINATE)
                style = (style & ~TBBS_INDETERMINATE) | TBBS_CHECKED;
            else
                style ^= TBBS_CHECKED;
        }
    }
    ShowCommandMessageString(static_cast<UINT>(-1));
    m_PressedIndex = m_HotIndex = -1;
    RestoreFocus();
    const HWND window = m_hWnd;
    const BOOL taken = over && !(button->m_Style & TBBS_DISABLED) && TakesButtonCommand(button);
    if (!taken && command != 0 && command != static_cast<UINT>(-1)) {
        InvalidateButton(index);
        UpdateWindow();
        AddCommandUsage(command);
        const CGTUserToolsManager* tools = CGTUserToolsManager::Current();
        const BOOL ranTool = tools != nullptr && const_cast<CGTUserToolsManager*>(tools)->InvokeToolByCommand(command);
        if (!button->OnCancelDropDownDelay() && !ranTool)
            OwnerOrParent()->SendMessage(WM_COMMAND, command, 0);
    }
    if (::IsWindow(window) && GetButton(index) == button) {
        SetButtonStyle(index, style);
        InvalidateButton(index);
        m_LastPoint = noPoint;
        OnMouseMove(0, iPoint);
    }
}

LRESULT CGTToolBar::OnMouseLeave(WPARAM, LPARAM)
{
    if (IsMouseHookInstalled() || (!s_CustomizeMode && GetDroppedDownMenuButton() != nullptr))
        return 0;
    m_Tracking = FALSE;
    m_LastPoint = noPoint;
    if (m_HotIndex == -1) {
        ShowCommandMessageString(static_cast<UINT>(-1));
        return 0;
    }
    if (::GetFocus() != m_hWnd) {
        const int previous = m_HotIndex;
        m_HotIndex = -1;
        SetHot(-1);
        CGTToolbarButton* button = InvalidateButton(previous);
        if (button != nullptr && !button->IsDroppedDown())
            ShowCommandMessageString(static_cast<UINT>(-1));
    }
    return 0;
}

void CGTToolBar::ReleaseMouse()
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (m_SavedCapture != nullptr && ::IsWindow(m_SavedCapture))
        ::SetCapture(m_SavedCapture);
    m_SavedCapture = nullptr;
}

// --- Messages ---

LRESULT CGTToolBar::OnNcHitTest(CPoint)
{
    return HTCLIENT;
}

LRESULT CGTToolBar::OnGetButton(WPARAM iIndex, LPARAM oButton)
{
    const CGTToolbarButton* button = GetButton(static_cast<int>(iIndex));
    auto* info = reinterpret_cast<TBBUTTON*>(oButton);
    if (button == nullptr || info == nullptr)
        return FALSE;
    *info = TBBUTTON{};
    info->idCommand = static_cast<int>(button->m_CommandId);
    info->fsState = static_cast<BYTE>(button->m_Style >> 16);
    info->fsStyle = static_cast<BYTE>(button->m_Style);
    return TRUE;
}

LRESULT CGTToolBar::OnGetButtonText(WPARAM iCommandId, LPARAM oText)
{
    const int index = CommandToIndex(static_cast<UINT>(iCommandId));
    const CString text = index >= 0 ? GetButton(index)->m_Text : CString();
    if (oText != 0)
        wcscpy(reinterpret_cast<LPWSTR>(oText), text);
    return text.GetLength();
}

LRESULT CGTToolBar::WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    if (iMessage == WM_NOTIFY && OnNeedToolText(reinterpret_cast<NMHDR*>(iLParam)))
        return 0;
    if (iMessage == WM_COMMAND && RouteControlCommand(iWParam, iLParam))
        return 0;
    return CGTBaseToolBar::WindowProc(iMessage, iWParam, iLParam);
}

BOOL CGTToolBar::OnNeedToolText(NMHDR* iHeader)
{
    if (iHeader->code != TTN_NEEDTEXTW || m_Tooltip.GetSafeHwnd() == nullptr ||
        iHeader->hwndFrom != m_Tooltip.GetSafeHwnd())
        return FALSE;
    // No tip stands over a menu open from the bar.
    if (GetDroppedDownMenuButton() != nullptr) {
        reinterpret_cast<NMTTDISPINFOW*>(iHeader)->lpszText = const_cast<LPWSTR>(L"");
        return TRUE;
    }
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    ScreenToClient(&cursor);
    TOOLINFO info = {};
    info.cbSize = sizeof(info);
    if (OnToolHitTest(cursor, &info) == -1 || info.lpszText == nullptr) {
        ::free(info.lpszText);
        return FALSE;
    }
    s_TooltipText = info.lpszText;
    ::free(info.lpszText);
    reinterpret_cast<NMTTDISPINFOW*>(iHeader)->lpszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(s_TooltipText));
    m_Tooltip.SetFont(&theGuiToolkitGlobals.fontRegular, FALSE);
    return TRUE;
}

void CGTToolBar::UpdateTooltips()
{
    if (m_Tooltip.GetSafeHwnd() == nullptr)
        return;
    while (m_Tooltip.GetToolCount() > 0) {
        TOOLINFO info = {};
        info.cbSize = sizeof(info);
        m_Tooltip.SendMessage(TTM_ENUMTOOLS, 0, reinterpret_cast<LPARAM>(&info));
        m_Tooltip.SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
    }
    for (int index = 0; index < GetButtonCount(); ++index) {
        CGTToolbarButton* button = GetButton(index);
        if (button->m_Style == TBBS_SEPARATOR)
            continue;
        CString text = GetCommandText(button->m_CommandId);
        if (!button->OnUpdateToolTip(this, index, m_Tooltip, text))
            m_Tooltip.AddTool(this, LPSTR_TEXTCALLBACK, button->Rect(), index + 1);
    }
}

// --- Mouse hook ---

void CGTToolBar::InstallMouseHook(BOOL iOn)
{
    if (iOn) {
        if (s_MouseHook == nullptr)
            s_MouseHook = ::SetWindowsHookExW(WH_MOUSE, &MouseHookProc, nullptr, ::GetCurrentThreadId());
        return;
    }
    if (s_MouseHook == nullptr)
        return;
    ::UnhookWindowsHookEx(s_MouseHook);
    s_MouseHook = nullptr;
    s_MouseHookBar = nullptr;
    for (POSITION position = s_AllToolbars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(s_AllToolbars.GetNext(position));
        if (bar->IsLive())
            bar->SendMessage(WM_CANCELMODE);
    }
}

LRESULT CALLBACK CGTToolBar::MouseHookProc(int iCode, WPARAM iWParam, LPARAM iLParam)
{
    if (iCode != HC_ACTION)
        return ::CallNextHookEx(s_MouseHook, iCode, iWParam, iLParam);
    if (iWParam != WM_MOUSEMOVE)
        return 0;
    const CPoint point = reinterpret_cast<MOUSEHOOKSTRUCT*>(iLParam)->pt;
    CGTToolBar* bar = nullptr;
    for (POSITION position = s_AllToolbars.GetHeadPosition(); position != nullptr && bar == nullptr;) {
        auto* candidate = static_cast<CGTToolBar*>(s_AllToolbars.GetNext(position));
        CRect window;
        if (candidate->IsLive() && candidate->IsWindowVisible() &&
            (candidate->GetWindowRect(&window), window.PtInRect(point)))
            bar = candidate;
    }
    if (bar != nullptr) {
        CPoint client = point;
        bar->ScreenToClient(&client);
        bar->OnMouseMove(0, client);
    }
    if (s_MouseHookBar != nullptr && s_MouseHookBar != bar && s_MouseHookBar->IsLive()) {
        s_MouseHookBar->m_Tracking = FALSE;
        s_MouseHookBar->m_LastPoint = noPoint;
        const int hot = s_MouseHookBar->m_HotIndex;
        s_MouseHookBar->m_HotIndex = -1;
        s_MouseHookBar->SetHot(-1);
        s_MouseHookBar->InvalidateButton(hot);
    }
    s_MouseHookBar = bar;
    return 0;
}
