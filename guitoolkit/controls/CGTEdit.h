// The toolkit's edit control. What it offers so far: the key and mouse handling that edits
// derived from it pass what they do not use on to, its calculator mode switch, and the
// browse mode: a small button at the right edge, in the non-client area, whose press runs
// the edit's action.
#pragma once
#include <afxwin.h>

class CGTCalculator;

class CGTEdit : public CEdit {
    DECLARE_DYNAMIC(CGTEdit)
public:
    CGTEdit();

    // iExtraCommands: further calculator commands, null for none.
    void EnableCalculatorMode(const CStringList* iExtraCommands = nullptr);
    BOOL IsCalculatorMode() const { return m_CalculatorMode; }
    const CStringList& GetCalculatorCommands() const { return m_CalculatorCommands; }

    // The button shows the label; its press runs RunButtonAction. FALSE takes the button away.
    void EnableBrowseMode(BOOL iEnable = TRUE, LPCWSTR iLabel = L"...");
    BOOL IsBrowseMode() const { return m_BrowseMode; }
    // In client coordinates (right of the client area, at the window's right edge); empty
    // without the button.
    CRect GetButtonRect() const;

    BOOL PreTranslateMessage(MSG* ioMessage) override;

    // The calculator's "=": the result becomes the text, as if typed.
    void TakeCalculatorResult(const CString& iText);
    // An extra calculator key (its command from 100 on) was pressed; nothing by default.
    virtual void OnCalculatorUserCommand(CGTCalculator* iCalculator, UINT iCommand);

protected:
    // What the button does; the edit takes the focus (a derived edit supplies the action).
    virtual void RunButtonAction();
    virtual void DrawButton(CDC* iDc, const CRect& iRect, BOOL iPressed, BOOL iHot);
    virtual void UpdateButtonLayout();
    // The owner (else the parent) learns that the action changed the text.
    virtual void NotifyTextChanged();

    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnCancelMode();
    afx_msg void OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint iPoint);
    afx_msg void OnNcMouseMove(UINT iHitTest, CPoint iPoint);
    afx_msg void OnNcLButtonDblClk(UINT iHitTest, CPoint iPoint);
    DECLARE_MESSAGE_MAP()

    BOOL m_CalculatorMode;
    CStringList m_CalculatorCommands;

    BOOL m_BrowseMode;
    BOOL m_PressedLook;
    BOOL m_Hot;
    BOOL m_TrackingPress;
    CString m_ButtonLabel;
    int m_ButtonWidth;

private:
    BOOL IsOnButton(CPoint iClientPoint) const;
    void RedrawFrame();
    void EndPress();
};
