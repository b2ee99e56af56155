// One page of an outlook bar: a toolbar of large command buttons stacked in one centred
// column, each an image with its label underneath, scrolled by two small arrow buttons, on an
// optional tiled background bitmap. CGTOutlookButton is the button kind it holds.
#pragma once
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

class CGTOutlookBarPane;

class CGTOutlookButton : public CGTToolbarButton {
    DECLARE_SERIAL(CGTOutlookButton)
public:
    CGTOutlookButton();

    CGTOutlookBarPane* m_ParentPane;
    CSize m_ImageSize;
    // The label fitted the available width in one piece at the last measurement.
    BOOL m_WholeText;
};

class CGTOutlookBarPane : public CGTToolBar {
    DECLARE_SERIAL(CGTOutlookBarPane)
public:
    CGTOutlookBarPane();
    ~CGTOutlookBarPane() override;

    BOOL InsertCommandButton(int iImage, LPCWSTR iLabel, UINT iCommandId, int iPosition = -1);
    BOOL InsertBitmapButton(HBITMAP iBitmap, LPCWSTR iLabel, UINT iCommandId, int iPosition = -1);
    BOOL InsertIconButton(HICON iIcon, LPCWSTR iLabel, UINT iCommandId, int iPosition = -1, BOOL iAlpha = FALSE);
    BOOL DeleteCommandButton(UINT iCommandId);
    // 0 removes the background.
    void SetBackgroundBitmap(UINT iResourceId);
    BOOL CreatePane(CWnd* iParent, DWORD iStyle, UINT iId, DWORD iBehaviourStyle = 0);
    void SetNoRelayout(BOOL iOn) { m_NoRelayout = iOn; }

protected:
    CGTToolBarImages m_Background;
    UINT m_BackgroundId;
    CBrush m_BackgroundBrush;
    // -1: automatic.
    COLORREF m_TextColor;
    COLORREF m_IconBackdrop;
    CGTButton m_ScrollUp;
    CGTButton m_ScrollDown;
    int m_ScrollOffset;
    int m_FirstVisible;
    BOOL m_CanScrollDown;
    BOOL m_HighlightImage;
    // The outlook bar a dragged pane has just left.
    HWND m_TearOffTarget;
    BOOL m_NoRelayout;
    BOOL m_ShowLabels;

    // The button images all panes share are CGTDockingValues::OutlookPaneImages().
    static CSize s_SharedImageSize;
};
