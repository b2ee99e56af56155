// The floating "Field Chooser" that lists the grid's hidden columns as buttons: a caption
// dragged out of the header into it hides its column, one dragged from it back into the
// header shows it. Hidden on close (not destroyed); it tells the grid when it goes.
#pragma once
#include <afxwin.h>
#include <afxctrls.h>
#include <afxframe.h>

class CGTGridCtrl;
class CGTGridColumnChooser;

class CGTGridColumnListBox : public CListBox {
    DECLARE_DYNAMIC(CGTGridColumnListBox)
public:
    explicit CGTGridColumnListBox(CGTGridColumnChooser& iChooser);

    void DrawItem(LPDRAWITEMSTRUCT iDraw) override;
    void MeasureItem(LPMEASUREITEMSTRUCT iMeasure) override;
    // Fills the list with the hidden columns; FALSE when there are none.
    BOOL FillHiddenColumns();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnKeyDown(UINT iChar, UINT iRepeat, UINT iFlags);
    DECLARE_MESSAGE_MAP()

    CGTGridColumnChooser& m_Chooser;
};

class CGTGridColumnChooser : public CMiniFrameWnd {
    DECLARE_DYNAMIC(CGTGridColumnChooser)
public:
    CGTGridColumnChooser();
    ~CGTGridColumnChooser() override;

    BOOL Create(CGTGridCtrl* iGrid, const CRect& iRect, CWnd* iParent);
    void UpdateList();
    int GetListHeight() const;
    CGTGridCtrl* GetGrid() const { return m_Grid; }
    BOOL IsEmpty() const { return m_Empty; }
    void SetEmpty(BOOL iEmpty) { m_Empty = iEmpty; }
    CGTGridColumnListBox& GetList() { return m_List; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnClose();
    afx_msg void OnWindowPosChanged(WINDOWPOS* iPosition);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    CGTGridColumnListBox m_List;
    CGTGridCtrl* m_Grid;
    BOOL m_Empty;
};
