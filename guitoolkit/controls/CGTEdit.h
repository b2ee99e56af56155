// The toolkit's edit control. What it offers so far: the key and mouse handling that edits
// derived from it pass what they do not use on to, and its calculator mode switch.
#pragma once
#include <afxwin.h>

class CGTEdit : public CEdit {
    DECLARE_DYNAMIC(CGTEdit)
public:
    CGTEdit();

    // iExtraCommands: further calculator commands, null for none.
    void EnableCalculatorMode(const CStringList* iExtraCommands = nullptr);
    BOOL IsCalculatorMode() const { return m_CalculatorMode; }
    const CStringList& GetCalculatorCommands() const { return m_CalculatorCommands; }

    BOOL PreTranslateMessage(MSG* ioMessage) override;

protected:
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    DECLARE_MESSAGE_MAP()

    BOOL m_CalculatorMode;
    CStringList m_CalculatorCommands;
};
