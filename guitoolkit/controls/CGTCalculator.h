// A pocket-calculator keypad on a popup menu bar: one value, a pending two-operand
// operation and a memory. It runs as the popup of a calculator-mode edit, as a plain child
// control, or as a bar with a command id.
#pragma once
#include <guitoolkit/core/GTLookTargets.h>
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>

class CGTEdit;
class CCalculatorButton;
class CCalculatorDisplay;

class CGTCalculator : public CGTPopupMenuBar, public IGTLookCalculator {
    DECLARE_DYNCREATE(CGTCalculator)
public:
    enum Command : UINT {
        ClearEntry = 1,
        ClearAll = 2,
        MemoryClear = 3,
        MemoryRecall = 4,
        MemoryAdd = 5,
        Add = 6,
        Subtract = 7,
        Multiply = 8,
        Divide = 9,
        ChangeSign = 10,
        DecimalPoint = 11,
        SquareRoot = 12,
        Percent = 13,
        Equals = 14,
        Reciprocal = 15,
        BackSpace = 16,
        FirstExtraCommand = 100
    };

    CGTCalculator();
    CGTCalculator(double iValue, UINT iCommandId, CGTEdit* iEdit);
    ~CGTCalculator() override;

    void ResetState();
    // Further keys after the standard ones, one per label; the character after "&" types it.
    void SetAdditionalCommands(const CStringList& iCommands);
    // Gets the focus back when the calculator closes.
    void SetOwnerWindow(CWnd* iOwner) { m_Owner = iOwner; }
    void SetUsesButtonColors(BOOL iUses) { m_UsesButtonColors = iUses; }
    BOOL UsesButtonColors() const override { return m_UsesButtonColors; }

    double GetValue() const { return m_Value; }
    // What the display cell shows: "Error" in error.
    CString GetDisplayedText() const;
    BOOL IsError() const { return m_Error; }
    UINT GetCommandId() const { return m_CommandId; }

    // An extra key pressed on a calculator without an edit.
    virtual void OnUserCommand(UINT iCommand);
    virtual BOOL OnDrawKey(CDC* iDc, const CRect& iRect, CCalculatorButton* iButton, int iState);
    virtual BOOL OnDrawDisplay(CDC* iDc, const CRect& iRect, const CString& iText, BOOL iMemory);
    // Puts the display, the standard keys and the extra keys on the bar.
    virtual void CreateKeys();
    virtual void ProcessDigit(int iDigit);
    // A key message's code (virtual keys from WM_KEYDOWN, else WM_CHAR characters); TRUE
    // when it was used.
    virtual BOOL ProcessKey(UINT iCode, BOOL iVirtualKey);
    // The calculator's state machine for one key; FALSE for a button that is no key.
    BOOL ProcessCommand(CGTToolbarButton* iButton);

    void OnSendCommand(CGTToolbarButton* iItem) override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;

private:
    BOOL IsPopupMode() const { return m_Edit != nullptr || m_Owner != nullptr; }
    void RunCommand(UINT iCommand);
    void RunExtraCommand(UINT iCommand);
    void PressEquals();
    void PressDecimalPoint();
    void PressBackSpace();
    void PressOperator(UINT iCommand);
    void ApplyPendingOperation();
    void SetError() { m_Error = TRUE; }
    void FormatValue();
    void UpdateDisplay();
    void ClosePopup();
    void AddExtraKey(const CString& iLabel, UINT iCommand);
    CCalculatorDisplay* FindDisplay() const;

    double m_Value;
    double m_Operand;
    double m_Memory;
    CString m_DisplayText;
    UINT m_PendingOperation;
    UINT m_CommandId;
    CWnd* m_Owner;
    CGTEdit* m_Edit;
    int m_VerticalGap;
    int m_HorizontalGap;
    CRect m_DisplayRect;
    BOOL m_NewEntry;
    BOOL m_Error;
    BOOL m_RepeatEquals;
    int m_Rows;
    int m_Columns;
    CStringList m_ExtraCommands;
    BOOL m_UsesButtonColors;
};
