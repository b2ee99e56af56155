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

class CGTToolBoxButton : public CObject {
    DECLARE_DYNAMIC(CGTToolBoxButton)
public:
    CGTToolBoxButton();

    virtual void OnDraw(CDC* iDc);

    BOOL m_Selected;
    CRect m_Rect;
    CString m_Label;
    int m_Image;
};

class CGTToolBoxPage : public CGTControlBar {
    DECLARE_DYNCREATE(CGTToolBoxPage)
public:
    CGTToolBoxPage();
    ~CGTToolBoxPage() override;

    // The tool under a client point, -1 for none.
    virtual int HitTest(CPoint iPoint);

    int GetPageHeight() const;
    // FALSE for an index beyond the tools.
    BOOL SetSelected(int iIndex);
    void ScrollTo(int iPixels);

protected:
    CArray<CGTToolBoxButton*, CGTToolBoxButton*> m_Buttons;
    CSize m_ImageSize;
    int m_Selected;
    int m_Highlighted;
    CGTToolBox* m_ToolBox;
    CGTToolBoxEx* m_ToolBoxEx;
    int m_ScrollRows;
    int m_HiddenRows;
    BOOL m_Flag;
    CGTToolBarImages m_Images;
    int m_ColorStamp;
    // 1: a grid of images; otherwise a list of images and labels.
    int m_Mode;
    CToolTipCtrl m_ToolTip;
};

class CGTToolBoxBar : public CGTOutlookBar {
    DECLARE_DYNCREATE(CGTToolBoxBar)
};

class CGTToolBox : public CGTDockingControlBar {
    DECLARE_DYNCREATE(CGTToolBox)
public:
    virtual void OnClickTool(int iPage, int iTool);
    // Moves the current page one row up or down.
    virtual void OnScrollPage(BOOL iUp);

protected:
    CGTToolBoxBar m_Bar;
};

class CGTToolBoxEx : public CGTTasksPane {
    DECLARE_DYNCREATE(CGTToolBoxEx)
public:
    virtual void OnClickTool(int iGroup, int iTool);
    int GetPageCount() const;
    CGTToolBoxPage* GetPage(int iGroup) const;
};
