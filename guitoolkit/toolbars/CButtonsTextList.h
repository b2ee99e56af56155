// The command list of the customization sheet's Commands page: each row a button of the
// sheet's catalogue, drawn as a menu item with its image; a row dragged out of the list is a
// button dropped on a toolbar or menu.
#pragma once
#include <afxwin.h>
#include <afxctrls.h>

class CButtonsTextList : public CListBox {
public:
    CButtonsTextList();

    void DrawItem(LPDRAWITEMSTRUCT iDrawItem) override;
    void MeasureItem(LPMEASUREITEMSTRUCT ioMeasureItem) override;
    int GetRowHeight() const { return m_RowSize.cy; }

protected:
    void PreSubclassWindow() override;
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    DECLARE_MESSAGE_MAP()

    CSize m_RowSize;
};
