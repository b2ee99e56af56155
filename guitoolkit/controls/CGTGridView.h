// A document view that is one grid control, and prints it page by page through the
// framework's print loop. Print preview is not offered.
#pragma once
#include <afxwin.h>
#include <guitoolkit/controls/CGTGridCtrl.h>

class CGTGridView : public CView {
    DECLARE_DYNCREATE(CGTGridView)
public:
    CGTGridView();
    ~CGTGridView() override;

    CGTGridCtrl* GetGridCtrl() const { return m_Grid; }

    void OnDraw(CDC*) override {}
    void OnPrepareDC(CDC* iDc, CPrintInfo* iInfo = nullptr) override;
    BOOL OnPreparePrinting(CPrintInfo* iInfo) override;
    void OnBeginPrinting(CDC* iDc, CPrintInfo* iInfo) override;
    void OnPrint(CDC* iDc, CPrintInfo* iInfo) override;
    void OnEndPrinting(CDC* iDc, CPrintInfo* iInfo) override;

protected:
    // The grid the view shows; derived views make their own kind.
    virtual CGTGridCtrl* CreateGrid();

    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnSetFocus(CWnd* iOldWnd);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CGTGridCtrl* m_Grid;
    CGTGridPrintRecord* m_PrintRecord;
};
