#include <guitoolkit/toolbars/CGTComboEdit.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTToolbarComboBoxButton.h>

BEGIN_MESSAGE_MAP(CGTComboEdit, CEdit)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_CONTROL_REFLECT(EN_CHANGE, &CGTComboEdit::OnChange)
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_CONTEXTMENU()
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {
BOOL IsListKey(UINT iKey)
{
    switch (iKey) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_UP:
    case VK_DOWN:
        return TRUE;
    default:
        return FALSE;
    }
}
}  // namespace

CGTComboEdit::CGTComboEdit(CGTToolbarComboBoxButton& iButton) : m_Button(iButton) {}

BOOL CGTComboEdit::PreTranslateMessage(MSG* ioMessage)
{
    CComboBox* combo = m_Button.GetComboBox();
    const BOOL open = combo != nullptr && combo->GetSafeHwnd() != nullptr && combo->GetDroppedState();
    if (ioMessage->message == WM_MOUSEWHEEL && open) {
        combo->SendMessage(ioMessage->message, ioMessage->wParam, ioMessage->lParam);
        return TRUE;
    }
    if (ioMessage->message != WM_KEYDOWN)
        return CEdit::PreTranslateMessage(ioMessage);
    const UINT key = static_cast<UINT>(ioMessage->wParam);
    const CGTKeyState& keys = CGTKeyState::Current();
    const BOOL plain = !keys.IsDown(VK_MENU) && !keys.IsDown(VK_CONTROL);
    if (plain && (key == VK_RETURN || (open && IsListKey(key))))
        return OnListKey(key);
    if (CGTControlEditInput::MoveFocusByKey(*this, key)) {
        if (key == VK_ESCAPE && combo != nullptr && combo->GetSafeHwnd() != nullptr)
            combo->ShowDropDown(FALSE);
        return TRUE;
    }
    if (plain && (key == VK_UP || key == VK_DOWN) && combo != nullptr && combo->GetSafeHwnd() != nullptr) {
        combo->ShowDropDown(TRUE);
        m_Button.InvalidateField();
        return TRUE;
    }
    return CEdit::PreTranslateMessage(ioMessage);
}

BOOL CGTComboEdit::OnListKey(UINT iKey)
{
    CComboBox* combo = m_Button.GetComboBox();
    SetFocus();
    if (combo == nullptr || combo->GetSafeHwnd() == nullptr)
        return TRUE;
    if (combo->GetDroppedState()) {
        combo->SendMessage(WM_KEYDOWN, iKey);
        return TRUE;
    }
    CString text;
    GetWindowText(text);
    m_Button.TakeEditText(text);
    if (CWnd* owner = combo->GetOwner())
        owner->PostMessage(WM_COMMAND, m_Button.m_CommandId, reinterpret_cast<LPARAM>(combo->GetSafeHwnd()));
    return TRUE;
}

void CGTComboEdit::OnSetFocus(CWnd* iPrevious)
{
    CEdit::OnSetFocus(iPrevious);
    m_Button.SetHot(TRUE);
    m_Button.NotifyCommand(CBN_SETFOCUS);
}

void CGTComboEdit::OnKillFocus(CWnd* iNext)
{
    CEdit::OnKillFocus(iNext);
    CComboBox* combo = m_Button.GetComboBox();
    if (combo == nullptr || !::IsWindow(combo->GetSafeHwnd()))
        return;
    m_Button.SetHot(FALSE);
    m_Button.NotifyCommand(CBN_KILLFOCUS);
}

void CGTComboEdit::OnChange()
{
    if (!m_Button.IsSettingText())
        m_Button.NotifyCommand(CBN_EDITCHANGE);
}

void CGTComboEdit::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    CEdit::OnMouseMove(iFlags, iPoint);
    m_Button.SetHot(TRUE);
    m_Input.OnMouseMove(*this);
}

void CGTComboEdit::OnMouseLeave()
{
    m_Input.OnMouseLeave();
    if (::GetFocus() != m_hWnd)
        m_Button.SetHot(FALSE);
}

void CGTComboEdit::OnContextMenu(CWnd*, CPoint iPoint)
{
    if (m_Button.GetContextMenuId() == 0) {
        Default();
        return;
    }
    CGTControlEditInput::ShowContextMenu(*this, m_Button.GetContextMenuId(), iPoint);
}

void CGTComboEdit::OnPaint()
{
    const CString prompt = m_Button.GetPrompt();
    if (GetWindowTextLength() > 0 || prompt.IsEmpty() || ::GetFocus() == m_hWnd) {
        Default();
        return;
    }
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillRect(&client, &theGuiToolkitGlobals.brushWindow);
    CFont* previous = dc.SelectObject(&theGuiToolkitGlobals.fontRegular);
    dc.SetTextColor(theGuiToolkitGlobals.colorGrayText);
    dc.SetBkMode(TRANSPARENT);
    client.DeflateRect(1, 1);
    dc.DrawText(prompt, &client, DT_SINGLELINE | DT_VCENTER);
    dc.SelectObject(previous);
}
