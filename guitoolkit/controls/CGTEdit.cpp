#include <guitoolkit/controls/CGTEdit.h>

IMPLEMENT_DYNAMIC(CGTEdit, CEdit)

BEGIN_MESSAGE_MAP(CGTEdit, CEdit)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CGTEdit::CGTEdit() : m_CalculatorMode(FALSE) {}

void CGTEdit::EnableCalculatorMode(const CStringList* iExtraCommands)
{
    m_CalculatorMode = TRUE;
    m_CalculatorCommands.RemoveAll();
    if (iExtraCommands != nullptr)
        m_CalculatorCommands.AddTail(iExtraCommands);
}

BOOL CGTEdit::PreTranslateMessage(MSG* ioMessage)
{
    return CEdit::PreTranslateMessage(ioMessage);
}

void CGTEdit::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    CEdit::OnMouseMove(iFlags, iPoint);
}
