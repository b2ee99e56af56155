// The edit window of a toolbar edit-box button: it keeps the button highlighted while it has
// the focus or the mouse, moves the focus away on Tab and Escape, answers the clipboard keys
// with Ctrl itself, and shows the button's context menu.
#pragma once
#include <guitoolkit/controls/CGTEdit.h>
#include <guitoolkit/toolbars/GTControlButtonSupport.h>

class CGTToolbarEditBoxButton;

class CGTToolbarEditCtrl : public CGTEdit {
public:
    explicit CGTToolbarEditCtrl(CGTToolbarEditBoxButton& iButton);
    BOOL PreTranslateMessage(MSG* ioMessage) override;

protected:
    afx_msg void OnSetFocus(CWnd* iPrevious);
    afx_msg void OnKillFocus(CWnd* iNext);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseLeave();
    afx_msg void OnContextMenu(CWnd* iWindow, CPoint iPoint);
    DECLARE_MESSAGE_MAP()

    CGTToolbarEditBoxButton& m_Button;
    CGTControlEditInput m_Input;
};
