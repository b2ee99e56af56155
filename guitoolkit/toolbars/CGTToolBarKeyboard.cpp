// The toolbar and the keyboard: Escape, the reset prompt, the tooltip's share of the input,
// and the window that had the focus before the bar took it.
#include <guitoolkit/core/GTTooltipInput.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

namespace {
BOOL IsInToolBar(HWND iWindow)
{
    for (HWND window = iWindow; window != nullptr; window = ::GetParent(window)) {
        CWnd* object = CWnd::FromHandlePermanent(window);
        if (object != nullptr && object->IsKindOf(RUNTIME_CLASS(CGTToolBar)))
            return TRUE;
    }
    return FALSE;
}
}  // namespace

BOOL CGTToolBar::PreTranslateMessage(MSG* ioMessage)
{
    if (ioMessage->message == WM_KEYDOWN && ioMessage->wParam == VK_ESCAPE &&
        (m_ResizedButton != nullptr || GetDroppedDownMenuButton() == nullptr)) {
        if (m_ResizedButton != nullptr) {
            CancelCustomizeResize();
        } else {
            ResetHotButton();
            RestoreFocus();
        }
        return TRUE;
    }
    if (ioMessage->message == GTTOOLBAR_RESETPROMPT) {
        ResetWithPrompt();
        return TRUE;
    }
    if (m_Tooltip.GetSafeHwnd() != nullptr && IsTooltipInput(ioMessage->message))
        m_Tooltip.RelayEvent(ioMessage);
    return CGTBaseToolBar::PreTranslateMessage(ioMessage);
}

void CGTToolBar::OnSetFocus(CWnd* iPrevious)
{
    CGTBaseToolBar::OnSetFocus(iPrevious);
    HWND previous = iPrevious != nullptr ? iPrevious->GetSafeHwnd() : nullptr;
    if (m_RememberFocus && previous != nullptr && ::IsWindow(previous) && !IsInToolBar(previous))
        m_SavedFocus = previous;
}

void CGTToolBar::OnKillFocus(CWnd* iNext)
{
    CGTBaseToolBar::OnKillFocus(iNext);
    if (s_CustomizeMode)
        return;
    // The focus is already on its way elsewhere: the window it had before is not given it.
    m_SavedFocus = nullptr;
    ResetHotButton();
}
