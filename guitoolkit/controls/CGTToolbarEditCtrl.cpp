#include <guitoolkit/controls/CGTToolbarEditCtrl.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTToolbarEditBoxButton.h>

BEGIN_MESSAGE_MAP(CGTToolbarEditCtrl, CGTEdit)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

namespace {
// The message a key pressed with Ctrl stands for; 0 for none.
UINT ClipboardMessage(UINT iKey)
{
    switch (iKey) {
    case VK_DELETE:
        return WM_CLEAR;
    case 'C':
        return WM_COPY;
    case 'V':
        return WM_PASTE;
    case 'X':
        return WM_CUT;
    case 'Z':
        return EM_UNDO;
    default:
        return 0;
    }
}
}  // namespace

CGTToolbarEditCtrl::CGTToolbarEditCtrl(CGTToolbarEditBoxButton& iButton) : m_Button(iButton) {}

BOOL CGTToolbarEditCtrl::PreTranslateMessage(MSG* ioMessage)
{
    if (ioMessage->message != WM_KEYDOWN)
        return CGTEdit::PreTranslateMessage(ioMessage);
    const UINT key = static_cast<UINT>(ioMessage->wParam);
    if (CGTControlEditInput::MoveFocusByKey(*this, key))
        return TRUE;
    const UINT clipboard = ClipboardMessage(key);
    if (clipboard != 0 && ::GetFocus() == m_hWnd && CGTKeyState::Current().IsDown(VK_CONTROL)) {
        SendMessage(clipboard);
        return TRUE;
    }
    return CGTEdit::PreTranslateMessage(ioMessage);
}

void CGTToolbarEditCtrl::OnSetFocus(CWnd* iPrevious)
{
    CGTEdit::OnSetFocus(iPrevious);
    m_Button.SetHot(TRUE);
}

void CGTToolbarEditCtrl::OnKillFocus(CWnd* iNext)
{
    CGTEdit::OnKillFocus(iNext);
    m_Button.SetHot(FALSE);
}

void CGTToolbarEditCtrl::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    CGTEdit::OnMouseMove(iFlags, iPoint);
    m_Button.SetHot(TRUE);
    m_Input.OnMouseMove(*this);
}

void CGTToolbarEditCtrl::OnMouseLeave()
{
    m_Input.OnMouseLeave();
    if (::GetFocus() != m_hWnd)
        m_Button.SetHot(FALSE);
}

void CGTToolbarEditCtrl::OnContextMenu(CWnd*, CPoint iPoint)
{
    if (m_Button.GetContextMenuId() == 0) {
        Default();
        return;
    }
    CGTControlEditInput::ShowContextMenu(*this, m_Button.GetContextMenuId(), iPoint);
}
