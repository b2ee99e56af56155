#include "CCalculatorButton.h"
#include "CGTCalculator.h"
#include <guitoolkit/toolbars/CGTToolBar.h>

IMPLEMENT_DYNCREATE(CCalculatorButton, CGTToolbarButton)
IMPLEMENT_DYNCREATE(CCalculatorDisplay, CGTToolbarButton)

namespace {

const COLORREF DigitColor = RGB(0, 0, 255);
const COLORREF StandardKeyColor = RGB(255, 0, 0);
const COLORREF ExtraKeyColor = RGB(255, 0, 255);
const UINT PressedStyles = 0x30000;

}  // namespace

CCalculatorButton::CCalculatorButton() : CCalculatorButton(L"0", 0, 0, '0') {}

CCalculatorButton::CCalculatorButton(LPCWSTR iLabel, short iDigit, UINT iCommand, UINT iFirstCode, UINT iSecondCode,
                                     BOOL iVirtualKey, BOOL iCtrl, BOOL iExtra)
    : m_Digit(iDigit), m_Command(iCommand), m_FirstCode(iFirstCode), m_SecondCode(iSecondCode), m_Calculator(nullptr),
      m_VirtualKey(iVirtualKey), m_Ctrl(iCtrl), m_Extra(iExtra)
{
    m_Text = iLabel;
    m_ShowText = TRUE;
    m_ShowImage = FALSE;
}

CCalculatorButton* CCalculatorButton::Digit(short iDigit)
{
    CString label;
    label.Format(L"%d", iDigit);
    return new CCalculatorButton(label, iDigit, 0, L'0' + iDigit);
}

BOOL CCalculatorButton::Matches(UINT iCode, BOOL iVirtualKey, BOOL iCtrlDown) const
{
    if (!m_VirtualKey != !iVirtualKey || (m_Ctrl && !iCtrlDown) || iCode == 0)
        return FALSE;
    return iCode == m_FirstCode || iCode == m_SecondCode;
}

void CCalculatorButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages*, BOOL, BOOL iCustomizeMode,
                               BOOL iHighlight, BOOL, BOOL)
{
    if (m_Calculator == nullptr)
        return;
    int state = 0;
    if (!iCustomizeMode)
        state = (m_Style & PressedStyles) != 0 ? 1 : (iHighlight ? 2 : 0);
    if (!m_Calculator->OnDrawKey(iDc, iRect, this, state))
        return;
    const BOOL numeric = m_Digit >= 0 || m_Command == CGTCalculator::DecimalPoint;
    const COLORREF color = m_Extra ? ExtraKeyColor : (numeric ? DigitColor : StandardKeyColor);
    const COLORREF previous = iDc->SetTextColor(color);
    const int mode = iDc->SetBkMode(TRANSPARENT);
    CRect text = iRect;
    iDc->DrawText(m_Text, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    iDc->SetBkMode(mode);
    iDc->SetTextColor(previous);
}

void CCalculatorButton::OnChangeParent(CWnd* iOwner)
{
    CGTToolbarButton::OnChangeParent(iOwner);
    m_Calculator = dynamic_cast<CGTCalculator*>(iOwner);
}

CCalculatorDisplay::CCalculatorDisplay() : CCalculatorDisplay(L"0") {}

CCalculatorDisplay::CCalculatorDisplay(LPCWSTR iText) : m_MemoryShown(FALSE), m_Calculator(nullptr)
{
    m_Text = iText;
    m_ShowText = TRUE;
    m_ShowImage = FALSE;
}

void CCalculatorDisplay::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages*, BOOL, BOOL, BOOL, BOOL, BOOL)
{
    if (m_Calculator == nullptr || !m_Calculator->OnDrawDisplay(iDc, iRect, m_Text, m_MemoryShown))
        return;
    CRect text = iRect;
    text.DeflateRect(4, 2);
    const int mode = iDc->SetBkMode(TRANSPARENT);
    if (m_MemoryShown) {
        iDc->DrawText(L"M", CRect(text), DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        text.left += iDc->GetTextExtent(L"M").cx;
    }
    iDc->DrawText(m_Text, text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    iDc->SetBkMode(mode);
}

void CCalculatorDisplay::OnChangeParent(CWnd* iOwner)
{
    CGTToolbarButton::OnChangeParent(iOwner);
    m_Calculator = dynamic_cast<CGTCalculator*>(iOwner);
}
