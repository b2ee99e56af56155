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
    : m_Mode(NoButton), m_CalculatorCommands(10), m_PressedLook(FALSE), m_Hot(FALSE), m_TrackingPress(FALSE),
      m_ButtonWidth(20)
{
}

void CGTEdit::EnableCalculatorMode(const CStringList* iExtraCommands)
{
    m_CalculatorCommands.RemoveAll();
    if (iExtraCommands != nullptr)
        m_CalculatorCommands.AddTail(const_cast<CStringList*>(iExtraCommands));
    SetMode(CalculatorMode);
}

BOOL CGTEdit::AcceptCalculatorChar(UINT iCharacter)
{
    const wchar_t character = static_cast<wchar_t>(iCharacter);
    if (iswdigit(character))
        return TRUE;
    CString text;
    if (GetSafeHwnd() != nullptr)
        GetWindowText(text);
    if (character == L',' || character == L'.')
        return text.FindOneOf(L",.") < 0;
    if (character == L'-') {
        int start = 0;
        int end = 0;
        if (GetSafeHwnd() != nullptr)
            GetSel(start, end);
        return text.Find(L'-') < 0 && start == 0;
    }
    return !iswprint(character);
}

double CGTEdit::GetCalculatorStartValue() const
{
    CString text;
    if (GetSafeHwnd() != nullptr)
        GetWindowText(text);
    text.Replace(L',', L'.');
    return text.IsEmpty() ? 0.0 : _wtof(text);
}

BOOL CGTEdit::PreTranslateMessage(MSG* ioMessage)
{
    if (m_Mode == CalculatorMode && ioMessage->message == WM_CHAR &&
        !AcceptCalculatorChar(static_cast<UINT>(ioMessage->wParam)))
        return TRUE;
    if (m_Mode != NoButton && ioMessage->message == WM_SYSKEYDOWN &&
        (ioMessage->wParam == VK_DOWN || ioMessage->wParam == VK_RIGHT)) {
        RunButtonAction();
        return TRUE;
    }
    return CEdit::PreTranslateMessage(ioMessage);
}
