// The text of an accelerator entry as menus, tooltips and the keyboard page show it:
// modifiers in the order Ctrl, Shift, Alt, each with "+", then the key, named by the
// running keyboard layout ("Ctrl+Shift+S").
#pragma once
#include <afxwin.h>

class CGTKeyHelper {
public:
    // The entry stays the caller's; null gives an empty text.
    explicit CGTKeyHelper(const ACCEL* iAccel = nullptr) : m_Accel(iAccel) {}

    void Format(CString& oText) const;

    // The key's name, only its first letter in capitals.
    static CString KeyName(UINT iVirtualKey);

private:
    const ACCEL* m_Accel;
};
