#include <guitoolkit/toolbars/CGTEditListEdit.h>
#include <guitoolkit/toolbars/CGTEditListBase.h>

BEGIN_MESSAGE_MAP(CGTEditListEdit, CGTEdit)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

CGTEditListEdit::CGTEditListEdit() : m_ListBox(nullptr), m_Editing(FALSE) {}

BOOL CGTEditListEdit::TakeOver(HWND iEditor, CGTEditListBase* iListBox, BOOL iBrowseButton)
{
    m_Editing = FALSE;
    if (GetSafeHwnd() != nullptr)
        UnsubclassWindow();
    if (iEditor == nullptr || !SubclassWindow(iEditor))
        return FALSE;
    m_ListBox = iListBox;
    EnableBrowseMode(iBrowseButton);
    return TRUE;
}

void CGTEditListEdit::RunButtonAction()
{
    if (m_ListBox != nullptr)
        m_ListBox->OnBrowse();
    SetFocus();
}

void CGTEditListEdit::OnWindowPosChanging(WINDOWPOS* ioPosition)
{
    if (m_Editing)
        ioPosition->flags |= SWP_NOMOVE | SWP_NOSIZE;
    CGTEdit::OnWindowPosChanging(ioPosition);
}
