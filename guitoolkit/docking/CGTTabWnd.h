// The concrete tab control: one of seven looks, the tabs area and the area of the tab windows,
// every tab's rectangle, the scroll, close and tab-list buttons and, in the flat looks, a
// horizontal scroll bar shared with the active window. The strip of tabbed panes and of MDI
// tab groups; CGTTabButton is its button.
#pragma once
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>

class CGTTabButton : public CGTButton {
    DECLARE_DYNCREATE(CGTTabButton)
};

class CGTTabWnd : public CGTBaseTabWnd {
    DECLARE_DYNCREATE(CGTTabWnd)
public:
    CGTTabWnd();
    ~CGTTabWnd() override;

    // iStyle 1 to 7; iLocation 1 puts the tabs at the top.
    BOOL Create(int iStyle, const RECT& iRect, CWnd* iParent, UINT iId, int iLocation = 0, BOOL iCloseButton = FALSE);

    virtual void AdjustTabs();
    virtual void AdjustTabsScroll();
    virtual void RepositionScrollBar();
    virtual void ShowTabsList(CPoint iScreenPoint);
    virtual BOOL IsMDITabGroup() const;
    virtual void DrawTab(CDC* iDc, CGTTabInfo* iTab, BOOL iActive);
    virtual void DrawFlatTab(CDC* iDc, CGTTabInfo* iTab, BOOL iActive);
    virtual void DrawResizeFrame(LPCRECT iNew, LPCRECT iOld);

    // -1: the active tab.
    void ActivateMDITab(int iIndex = -1);
    // The icon of a command of the open tab-list menu, or null.
    static HICON GetIconForCommand(UINT iCommand);

protected:
    BOOL m_Flat;
    BOOL m_SharedScrollBar;
    BOOL m_Look4;
    BOOL m_Look5;
    BOOL m_Look6Or7;
    BOOL m_HasScrollButtons;
    BOOL m_CloseButtonWanted;
    CRect m_TabsArea;
    CRect m_WndArea;
    int m_ScrollBarRight;
    CScrollBar m_ScrollBar;
    int m_ScrollBarWidth;
    CRect m_SplitterRect;
    BOOL m_SplitterDrag;
    CGTTabButton m_ScrollLeft;
    CGTTabButton m_ScrollRight;
    CGTTabButton m_First;
    CGTTabButton m_Last;
    CGTTabButton m_Close;
    int m_ButtonsShown;
    int m_FirstVisibleOffset;
    int m_TotalTabsWidth;
    BOOL m_AutoSizeWindows;
    BOOL m_DrawFrame;
    BOOL m_TransparentBackground;
    BOOL m_HideWhenEmpty;
    BOOL m_BoldActiveTab;
    BOOL m_TabListMode;
    BOOL m_TabsHidden;
    int m_MaxTabWidth;
    // 0 none, 1 a resize strip on the right edge, 2 on the bottom edge.
    int m_ResizeMode;
    CRect m_ResizeStrip;
    CRect m_ResizeDragRect;
    CRect m_ResizeBounds;
    BOOL m_ResizeDrag;
    int m_ScrollOffset;
    int m_MaxScrollOffset;
    int m_FirstShownTab;
    CList<HWND, HWND> m_ButtonWindows;
};
