// The edit window of an editable toolbar combo box, laid over the field the button draws.
// It keeps the button's field highlighted while it has the focus or the mouse, reports
// typing to the button, opens and walks the list by key, hands Enter to the bar as the
// button's command, and shows the button's prompt while it is empty and unfocused.
#pragma once
#include <guitoolkit/toolbars/GTControlButtonSupport.h>

class CGTToolbarComboBoxButton;

class CGTComboEdit : public CEdit {
public:
    explicit CGTComboEdit(CGTToolbarComboBoxButton& iButton);
    BOOL PreTranslateMessage(MSG* ioMessage) override;

protected:
    afx_msg void OnSetFocus(CWnd* iPrevious);
    afx_msg void OnKillFocus(CWnd* iNext);
    afx_msg void OnChange();
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseLeave();
    afx_msg void OnContextMenu(CWnd* iWindow, CPoint iPoint);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    // A key of the list: it goes to the combo window, or Enter runs the command.
    BOOL OnListKey(UINT iKey);

    CGTToolbarComboBoxButton& m_Button;
    CGTControlEditInput m_Input;
};
