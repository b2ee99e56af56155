// One page of an outlook bar: a toolbar of large command buttons stacked in one centred
// column, each an image with its label underneath, scrolled by two small arrow buttons, on an
// optional tiled background bitmap. CGTOutlookButton is the button kind it holds.
#pragma once
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/docking/CGTOutlookButton.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

class CGTOutlookBarPane : public CGTToolBar {
    DECLARE_SERIAL(CGTOutlookBarPane)
public:
    // Timers of the scroll buttons while one is held.
    enum : UINT_PTR {
        scrollUpTimer = 1,
        scrollDownTimer = 2
    };
    enum : UINT {
        scrollRepeatMs = 200
    };

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
    void SetTextColor(COLORREF iColor) { m_TextColor = iColor; }
    BOOL HasBackgroundImage() const { return m_BackgroundId != 0; }

    // One scrolling step; FALSE (and the step's timer stopped) when there is nothing to scroll.
    BOOL ScrollUp();
    BOOL ScrollDown();
    // Scrolls step by step until the button lies inside the client area or scrolling stops.
    void ScrollToButton(int iIndex);
    int GetScrollOffset() const { return m_ScrollOffset; }
    int GetFirstVisible() const { return m_FirstVisible; }
    CGTButton& GetScrollUpButton() { return m_ScrollUp; }
    CGTButton& GetScrollDownButton() { return m_ScrollDown; }
    static CSize GetSharedImageSize() { return s_SharedImageSize; }

    void RecalcButtonLayout() override;
    void RemoveAllButtons() override;
    // The recorded original buttons come back in place of the current ones.
    BOOL RestoreOriginalState() override;
    // After a change of the resources: the original buttons come back unless the stored list
    // holds the same commands in the same order. TRUE when they came back.
    BOOL MergeOriginalButtons(const CObList& iStored) override;
    CGTToolbarButton* CreateDroppedButton(COleDataObject* iData) override;
    DROPEFFECT OnDragOver(COleDataObject* iData, DWORD iKeyState, CPoint iPoint) override;
    BOOL UpdateMenuItemState(CGTToolbarButton* iButton, CMenu* iPopup) override;
    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override;
    void DoPaint(CDC* iDc) override;
    BOOL PreTranslateMessage(MSG* iMsg) override;
    // A pane dropped on an outlook bar becomes its page; it finds its target under the cursor.
    int DockToTarget(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod) override;
    CGTBaseControlBar* FindDockTarget(int iSensitivity, int& oHitCode, BOOL& oHandled) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnTimer(UINT_PTR iTimer);
    afx_msg void OnSysColorChange();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnSetFocus(CWnd* iPrevious);
    DECLARE_MESSAGE_MAP()

    CGTToolBarImages m_Background;
    UINT m_BackgroundId;
    CSize m_BackgroundSize;
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

private:
    CSize ScrollButtonSize() const;
    // Whether the client area has room for a scroll button.
    BOOL HasRoomForScrollButtons(const CRect& iClient) const;
    void PlaceScrollButton(CGTButton& ioButton, BOOL iShow, int iX, int iY);
    void Relayout();
    void FillPaneBackground(CDC& iDc, const CRect& iRect);
    // Sends a mouse message that falls on a scroll button to it, in its own coordinates.
    void ForwardToScrollButton(const MSG& iMsg, CGTButton& ioButton, CPoint iScreenPoint);
    BOOL IsButtonHighlighted(int iIndex) const;

    friend class CGTOutlookButton;
};
