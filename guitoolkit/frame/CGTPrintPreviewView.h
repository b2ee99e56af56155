// The print preview in the toolkit's looks: the preview's commands on a toolkit toolbar
// drawn by the visual manager, the page number in the toolkit's status bar.
#pragma once
#include <afxwin.h>
#include <afxpreview.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

class CGTStatusBar;

// The preview's command bar: no customisation menu, tooltips from the toolkit's strings.
class CGTPrintPreviewToolBar : public CGTToolBar {
    DECLARE_DYNAMIC(CGTPrintPreviewToolBar)
public:
    INT_PTR OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const override;

protected:
    afx_msg void OnContextMenu(CWnd* iWnd, CPoint iPoint);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

class CGTPrintPreviewView : public CPreviewView {
    DECLARE_DYNCREATE(CGTPrintPreviewView)
public:
    CGTPrintPreviewView();
    ~CGTPrintPreviewView() override;

    // Shows the view's pages in a toolkit print preview; FALSE when the view cannot print.
    static BOOL Show(CView* iView);

    void OnDisplayPageNumber(UINT iPage, UINT iPagesDisplayed) override;
    CGTPrintPreviewToolBar& GetToolBar() { return m_ToolBar; }
    // The page-count button's image: its own, or the one-page image while one page shows.
    int GetPageCountImage() const;

protected:
    // The preview bar and the toolbar in it take the frame's width and the toolbar's
    // height; the frame lays out again only when that size changed.
    void LayoutToolBar();
    // The status bar's message pane, or -1 without a toolkit status bar.
    int MessagePane() const;

    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnUpdateNumPageChange(CCmdUI* iCmdUI);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    CGTPrintPreviewToolBar m_ToolBar;
    int m_PageCountImage;
    int m_OnePageImage;
    int m_PageCountIndex;
    CGTStatusBar* m_StatusBar;
    CSize m_LastSize;
};
