// The toolbar's answers to the mouse and the keyboard.
#include <guitoolkit/toolbars/CGTToolBar.h>

void CGTToolBar::ResetHotButton()
{
    SetHot(-1);
}

void CGTToolBar::SetButtonStyle(int iIndex, UINT iStyle)
{
    CGTToolbarButton* button = GetButton(iIndex);
    if (button == nullptr || button->m_Style == iStyle)
        return;
    button->SetStyle(iStyle);
    InvalidateButton(iIndex);
}

BOOL CGTToolBar::ProcessAccessKey(UINT)
{
    return FALSE;
}

BOOL CGTToolBar::DropDownPrevMenu()
{
    return FALSE;
}

BOOL CGTToolBar::DropDownNextMenu()
{
    return FALSE;
}

void CGTToolBar::SetHot(int iIndex)
{
    if (iIndex == m_HotIndex)
        return;
    const int previous = m_HotIndex;
    m_HotIndex = iIndex;
    InvalidateButton(previous);
    InvalidateButton(iIndex);
}

CWnd* CGTToolBar::GetCommandTarget() const
{
    return GetOwner();
}

BOOL CGTToolBar::PostButtonCommand(CGTToolbarButton* iButton, BOOL, UINT iNotifyCode, WPARAM, LPARAM)
{
    return iButton->NotifyCommand(static_cast<int>(iNotifyCode));
}

void CGTToolBar::ShowCommandMessageString(UINT) {}

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
