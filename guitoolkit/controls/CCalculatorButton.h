// The calculator's keys and its display cell: toolbar buttons that the calculator owns.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarButton.h>

class CGTCalculator;

class CCalculatorButton : public CGTToolbarButton {
    DECLARE_DYNCREATE(CCalculatorButton)
public:
    // A digit key for digit 0.
    CCalculatorButton();
    // iDigit -1 for a key that is no digit; codes of 0 stand for none.
    CCalculatorButton(LPCWSTR iLabel, short iDigit, UINT iCommand, UINT iFirstCode, UINT iSecondCode = 0,
                      BOOL iVirtualKey = FALSE, BOOL iCtrl = FALSE, BOOL iExtra = FALSE);
    static CCalculatorButton* Digit(short iDigit);

    // Whether a key message of this code (virtual keys from WM_KEYDOWN, else characters of
    // WM_CHAR) presses the key, given the state of Ctrl.
    BOOL Matches(UINT iCode, BOOL iVirtualKey, BOOL iCtrlDown) const;

    short GetDigit() const { return m_Digit; }
    UINT GetCommand() const { return m_Command; }
    BOOL IsExtraCommand() const { return m_Extra; }

    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    void OnChangeParent(CWnd* iOwner) override;

private:
    short m_Digit;
    UINT m_Command;
    UINT m_FirstCode;
    UINT m_SecondCode;
    CGTCalculator* m_Calculator;
    BOOL m_VirtualKey;
    BOOL m_Ctrl;
    BOOL m_Extra;
};

class CCalculatorDisplay : public CGTToolbarButton {
    DECLARE_DYNCREATE(CCalculatorDisplay)
public:
    CCalculatorDisplay();
    explicit CCalculatorDisplay(LPCWSTR iText);

    void SetMemoryShown(BOOL iShown) { m_MemoryShown = iShown; }
    BOOL IsMemoryShown() const { return m_MemoryShown; }

    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    void OnChangeParent(CWnd* iOwner) override;

private:
    BOOL m_MemoryShown;
    CGTCalculator* m_Calculator;
};
