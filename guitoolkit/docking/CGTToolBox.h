// A tool box: a docking pane of pages of tool buttons, each an image and a label, from which
// the user picks one tool, reported to the owner as a command. CGTToolBox holds an outlook-style
// bar of tool-box pages; CGTToolBoxEx is a tasks pane whose groups each hold one page.
#pragma once
#include <afxcmn.h>
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/docking/CGTTasksPane.h>

class CGTToolBox;
class CGTToolBoxEx;

class CGTToolBoxPage;

class CGTToolBoxButton : public CObject {
    DECLARE_DYNAMIC(CGTToolBoxButton)
public:
    CGTToolBoxButton();

    // Draws the tool while the page's images are prepared for drawing.
    virtual void OnDraw(CDC* iDc);

    CGTToolBoxPage* m_Page;
    BOOL m_Selected;
    CRect m_Rect;
    CString m_Label;
    int m_Image;
};

class CGTToolBoxPage : public CGTControlBar {
    DECLARE_DYNCREATE(CGTToolBoxPage)
public:
    enum : int {
        listMode = 0,
        gridMode = 1
    };

    CGTToolBoxPage();
    ~CGTToolBoxPage() override;

    BOOL Create(CWnd* iParent, UINT iId, int iMode = listMode);
    // The tool images: a strip of images of the given size.
    BOOL LoadImages(UINT iResourceId, CSize iImageSize);
    // The new tool's index.
    int AddTool(const CString& iLabel, int iImage);
    void SetToolBox(CGTToolBox* iToolBox) { m_ToolBox = iToolBox; }

    // The tool under a client point, -1 for none.
    virtual int HitTest(CPoint iPoint);

    // The height the page needs for all its tools at its current width.
    int GetPageHeight() const;
    // FALSE for an index beyond the tools.
    BOOL SetSelected(int iIndex);
    void ScrollTo(int iPixels);
    // Moves the tools by whole rows; negative scrolls back up.
    void ScrollRows(int iRows);

    int GetToolCount() const { return static_cast<int>(m_Buttons.GetSize()); }
    const CGTToolBoxButton& GetTool(int iIndex) const { return *m_Buttons[iIndex]; }
    int GetSelected() const { return m_Selected; }
    int GetHighlighted() const { return m_Highlighted; }
    int GetScrollRows() const { return m_ScrollRows; }
    int GetHiddenRows() const { return m_HiddenRows; }
    int GetMode() const { return m_Mode; }
    CGTToolBarImages& GetImages() { return m_Images; }
    CSize GetImageSize() const { return m_ImageSize; }

    void AdjustLayout() override;
    GTLookBarKind GetLookKind() const override { return GTLookBarKind::ToolBoxPage; }
    BOOL PreTranslateMessage(MSG* iMessage) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnSysColorChange();
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnCancelMode();
    afx_msg BOOL OnToolTipText(UINT iId, NMHDR* iHeader, LRESULT* oResult);
    DECLARE_MESSAGE_MAP()

    // The size of one tool's cell in the page's mode, for a client area of that width.
    CSize CellSize(int iClientWidth) const;
    int ListRowHeight() const;
    void RedrawTool(int iIndex);
    // Tells the tool box that a tool was clicked.
    void NotifyHost(int iTool);

    CArray<CGTToolBoxButton*, CGTToolBoxButton*> m_Buttons;
    CSize m_ImageSize;
    int m_Selected;
    int m_Highlighted;
    CGTToolBox* m_ToolBox;
    CGTToolBoxEx* m_ToolBoxEx;
    int m_ScrollRows;
    int m_HiddenRows;
    CGTToolBarImages m_Images;
    // 1: a grid of images; otherwise a list of images and labels.
    int m_Mode;
    CToolTipCtrl m_ToolTip;
};

// The tool box's bar: its scroll buttons move the active page by rows.
class CGTToolBoxBar : public CGTOutlookBar {
    DECLARE_DYNCREATE(CGTToolBoxBar)
public:
    void OnScroll(BOOL iDown) override;
};

class CGTToolBox : public CGTDockingControlBar {
    DECLARE_DYNCREATE(CGTToolBox)
public:
    // A page of tools with the images of a bitmap strip; the page's index, -1 when it could
    // not be made.
    int AddToolsPage(const CString& iLabel, UINT iBitmapId, CSize iImageSize, const CStringArray& iTools,
                     int iMode = CGTToolBoxPage::listMode);
    CGTToolBoxPage* GetPage(int iIndex) const;
    CGTToolBoxBar& GetBar() { return m_Bar; }

    virtual void OnClickTool(int iPage, int iTool);
    // Moves the current page one row up or down.
    virtual void OnScrollPage(BOOL iUp);
    // The page's index among the bar's pages, -1 for none.
    int GetPageIndex(const CGTToolBoxPage* iPage) const;
    // The bar's scroll buttons follow the rows of the active page that lie out of sight.
    void UpdateScrollButtons();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    DECLARE_MESSAGE_MAP()

    CGTToolBoxBar m_Bar;
};

class CGTToolBoxEx : public CGTTasksPane {
    DECLARE_DYNCREATE(CGTToolBoxEx)
public:
    virtual void OnClickTool(int iGroup, int iTool);
    int GetPageCount() const;
    CGTToolBoxPage* GetPage(int iGroup) const;
};
