#include <guitoolkit/controls/CGTEdit.h>

IMPLEMENT_DYNAMIC(CGTEdit, CEdit)

BEGIN_MESSAGE_MAP(CGTEdit, CEdit)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

CGTEdit::CGTEdit()
    : m_CalculatorMode(FALSE), m_BrowseMode(FALSE), m_PressedLook(FALSE), m_Hot(FALSE), m_TrackingPress(FALSE),
      m_ButtonWidth(20)
{
}

void CGTEdit::EnableCalculatorMode(const CStringList* iExtraCommands)
{
    m_CalculatorMode = TRUE;
    m_CalculatorCommands.RemoveAll();
    if (iExtraCommands != nullptr)
        m_CalculatorCommands.AddTail(iExtraCommands);
}

BOOL CGTEdit::PreTranslateMessage(MSG* ioMessage)
{
    if (m_BrowseMode && ioMessage->message == WM_SYSKEYDOWN &&
        (ioMessage->wParam == VK_DOWN || ioMessage->wParam == VK_RIGHT)) {
        RunButtonAction();
        return TRUE;
    }
    return CEdit::PreTranslateMessage(ioMessage);
}
