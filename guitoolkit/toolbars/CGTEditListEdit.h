// The editor of an item of an editable list while it is renamed: the list view's own label
// editor, subclassed so that it may show a browse button and keeps the size and place the
// list box gave it.
#pragma once
#include <guitoolkit/controls/CGTEdit.h>

class CGTEditListBase;

class CGTEditListEdit : public CGTEdit {
public:
    CGTEditListEdit();

    // Takes over the list view's editor for the list box.
    BOOL TakeOver(HWND iEditor, CGTEditListBase* iListBox, BOOL iBrowseButton);
    // From now on the list view can no longer move or resize it.
    void SetEditing(BOOL iEditing) { m_Editing = iEditing; }
    BOOL IsEditing() const { return m_Editing; }

protected:
    // The list box decides what a browse means; the editor keeps the focus.
    void RunButtonAction() override;

    afx_msg void OnWindowPosChanging(WINDOWPOS* ioPosition);
    DECLARE_MESSAGE_MAP()

private:
    CGTEditListBase* m_ListBox;
    BOOL m_Editing;
};
