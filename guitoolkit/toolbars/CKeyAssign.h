// The box in which the user presses a new shortcut: it shows the keys held together (the
// modifiers, then the key) instead of typing them. Tab without modifiers still moves the
// focus and Escape empties the box.
#pragma once
#include <afxwin.h>
#include <guitoolkit/core/CGTKeyHelper.h>

class CKeyAssign : public CEdit {
public:
    CKeyAssign();

    // Empties the record and the box.
    void ClearCapturedKey();
    BOOL HasCapturedKey() const { return m_KeyDefined; }
    // The flags (FVIRTKEY and the modifiers) and the key; the command is 0.
    const ACCEL& GetCapturedKey() const { return m_Accel; }
    BOOL IsArmed() const { return m_Armed; }

    BOOL PreTranslateMessage(MSG* ioMessage) override;

protected:
    afx_msg void OnKillFocus(CWnd* iNext);
    DECLARE_MESSAGE_MAP()

private:
    void ResetKey();
    // FALSE: the message is not taken (it only changes the record).
    BOOL CaptureKey(const MSG& iMessage);

    BOOL m_KeyDefined;
    ACCEL m_Accel;
    CGTKeyHelper m_Helper;
    // The first key after the box got the focus from the keyboard (the key-up of the Tab that
    // moved it here) only arms the box.
    BOOL m_Armed;
};
