// The toolkit's edit control: a small button at the right edge, in the non-client area,
// whose press runs the edit's action: the caller's, a calculator drop-down (whose mode also
// keeps the text a decimal number), a file dialog or a folder picker.
#pragma once
#include <afxwin.h>

class CGTCalculator;

class CGTEdit : public CEdit {
    DECLARE_DYNAMIC(CGTEdit)
public:
    enum Mode {
        NoButton = 0,
        CallerAction = 1,
        CalculatorMode = 2,
        FileMode = 3,
        FolderMode = 4
    };

    CGTEdit();

    // iExtraCommands: further calculator commands, null for none.
    void EnableCalculatorMode(const CStringList* iExtraCommands = nullptr);
    BOOL IsCalculatorMode() const { return m_Mode == CalculatorMode; }
    const CStringList& GetCalculatorCommands() const { return m_CalculatorCommands; }

    // The button shows the label; its press runs RunButtonAction. FALSE takes the button away.
    void EnableBrowseMode(BOOL iEnable = TRUE, LPCWSTR iLabel = L"...");
    // The button opens a file dialog for the text, with the default extension and the
    // dialog's filter ("Text files (*.txt)|*.txt||").
    void EnableFileBrowseMode(LPCWSTR iDefaultExtension = nullptr, LPCWSTR iFilter = nullptr);
    // The button opens a folder picker for the text.
    void EnableFolderBrowseMode();
    BOOL IsBrowseMode() const { return m_Mode != NoButton; }
    int GetMode() const { return m_Mode; }

    // Whether a character typed in calculator mode keeps the text a decimal number.
    virtual BOOL AcceptCalculatorChar(UINT iCharacter);
    // Where the calculator starts: the text, with "," as well as "." for the decimal point.
    double GetCalculatorStartValue() const;
    // In client coordinates (right of the client area, at the window's right edge); empty
    // without the button.
    CRect GetButtonRect() const;

    BOOL PreTranslateMessage(MSG* ioMessage) override;

    // The calculator's "=": the result becomes the text, as if typed.
    void TakeCalculatorResult(const CString& iText);
    // An extra calculator key (its command from 100 on) was pressed; nothing by default.
    virtual void OnCalculatorUserCommand(CGTCalculator* iCalculator, UINT iCommand);

protected:
    // What the button does: the mode's dialog, then the edit takes the focus (with a caller's
    // action a derived edit supplies it).
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

    int m_Mode;
    CStringList m_CalculatorCommands;
    CString m_DefaultExtension;
    CString m_Filter;
    BOOL m_PressedLook;
    BOOL m_Hot;
    BOOL m_TrackingPress;
    CString m_ButtonLabel;
    int m_ButtonWidth;

private:
    BOOL IsOnButton(CPoint iClientPoint) const;
    void RedrawFrame();
    void EndPress();
    void SetMode(int iMode);
    // The file dialog or folder picker of modes 3 and 4 for the text.
    void Browse();
};
