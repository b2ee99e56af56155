// A page of the customization sheet: shortcut keys of each command, for the main frame or for each document type.
#pragma once
#include <afxdlgs.h>

class CGTKeyboardPage : public CPropertyPage {
    DECLARE_DYNAMIC(CGTKeyboardPage)
public:
    CGTKeyboardPage(CFrameWnd* iParentFrame, BOOL iAutoSetFromMenus);
    void SetAllCommandsName(LPCWSTR iName) { m_AllCommandsName = iName; }

protected:
    CFrameWnd* m_ParentFrame;
    BOOL m_AutoSetFromMenus;
    CString m_AllCommandsName;
};
