// The concrete tab control: one of seven looks, the tabs area and the area of the tab windows,
// every tab's rectangle, the scroll, close and tab-list buttons and, in the flat looks, a
// horizontal scroll bar shared with the active window. The strip of tabbed panes and of MDI
// tab groups; CGTTabButton is its button.
#pragma once
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>

class CGTTabWnd;

// A scroll, close or list button of a tab window, drawn by the look with its tab window.
class CGTTabButton : public CGTButton {
    DECLARE_DYNCREATE(CGTTabButton)
public:
    void FillFace(CDC* iDc, const CRect& iRect) override;
    void DrawBorder(CDC* iDc, CRect& ioRect, UINT iState) override;

private:
    CGTTabWnd* GetTabWnd() const;
};

// What the looks read of a tab window.
class CGTTabWndLook : public IGTLookTabWnd {
public:
    explicit CGTTabWndLook(CGTTabWnd& iOwner) : m_Owner(iOwner) {}

    BOOL UsesDialogColors() const override { return FALSE; }
    CWnd* GetControlWindow() const override;
    GTTabLook GetTabLook() const override;
    BOOL HasRoundedEnds() const override { return FALSE; }
    BOOL HasFlatFrame() const override { return FALSE; }
    BOOL IsPropertySheetTab() const override { return FALSE; }
    BOOL AreTabsOnTop() const override;
    int GetActiveTab() const override;
    int GetHighlightedTab() const override;
    CRect GetTabAreaRect() const override;
    CString GetTabLabel(int tab) const override;
    COLORREF GetTabBackgroundColor(int tab) const override;
    COLORREF GetTabTextColor(int tab) const override;
    void SetTabBackgroundColor(int tab, COLORREF color) override;
    void SetTabTextColor(int, COLORREF) override {}
    BOOL DrawsColoredTabs() const override;
    BOOL KeepsTextColor() const override { return FALSE; }
    CImageList* GetImageList() const override;
    int GetTabImage(int tab) const override;
    HICON GetTabIcon(int tab) const override;
    CSize GetImageSize() const override;
    int GetImageMargin() const override { return 4; }
    BOOL DrawsLabelsWithoutPrefix() const override { return TRUE; }
    IGTLookBar* GetParentBar() const override;

private:
    CGTTabWnd& m_Owner;
};

class CGTTabWnd : public CGTBaseTabWnd {
    DECLARE_DYNCREATE(CGTTabWnd)
public:
    CGTTabWnd();
    ~CGTTabWnd() override;

    // iStyle 0 to 7; iLocation 1 puts the tabs at the top.
    BOOL Create(int iStyle, const RECT& iRect, CWnd* iParent, UINT iId, int iLocation = 0, BOOL iCloseButton = FALSE);

    BOOL IsPtInTabArea(CPoint iPoint) const override;
    void GetTabArea(CRect& oTop, CRect& oBottom) const override;
    void SetImageList(HIMAGELIST iImages) override;
    BOOL SetImageList(UINT iBitmapId, int iImageWidth, COLORREF iMask) override;
    void SetTabsHeight() override;
    int GetTabsHeight() const override;
    void GetWndArea(CRect& oRect) const override;
    void RecalcLayout() override;
    BOOL SetActiveTab(int iIndex) override;
    void EnableRename(BOOL iEnable) override;
    void AdjustRenameEditRect(CRect& ioRect) override;
    CWnd* FindTargetWnd(CPoint iPoint) override;
    int GetFirstShownTab() const override;
    BOOL EnsureVisible(int iIndex) override;
    int GetTabFromPoint(CPoint iPoint) const override;
    BOOL IsFlatTab() const override { return m_Flat; }
    BOOL IsLook4() const override { return m_Look4; }
    BOOL IsLook5() const override { return m_Look5; }
    BOOL IsLook6Or7() const override { return m_Look6Or7; }
    BOOL IsDrawFrame() const override { return m_DrawFrame; }
    void SwapTabs(int iFirst, int iSecond) override;
    void MoveTab(int iFrom, int iTo) override;
    DROPEFFECT OnDragEnterHook(COleDataObject* iData, DWORD iKeyState, CPoint iPoint) override;
    DROPEFFECT OnDragOverHook(COleDataObject* iData, DWORD iKeyState, CPoint iPoint) override;
    BOOL PreTranslateMessage(MSG* iMsg) override;

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
    void SetTabStyle(int iStyle);
    void EnableActiveTabBold(BOOL iEnable = TRUE);
    void SetResizeMode(int iMode);
    int GetResizeMode() const { return m_ResizeMode; }
    // The one tab group of an MDI client area whose document is the active one.
    void SetActiveInGroup(BOOL iActive) { m_ActiveInGroup = iActive; }
    BOOL IsActiveInGroup() const { return m_ActiveInGroup; }
    // The tab-list mode with its document-list button.
    void EnableTabDocumentsMenu(BOOL iEnable = TRUE);
    BOOL IsTabDocumentsMenu() const { return m_TabListMode; }
    void SetDrawFrame(BOOL iDraw);
    void SetAutoSizeWindows(BOOL iAutoSize) { m_AutoSizeWindows = iAutoSize; }
    void HideWhenEmpty(BOOL iHide = TRUE);
    void SetMaxTabWidth(int iWidth) { m_MaxTabWidth = iWidth; }
    void SetTransparentBackground(BOOL iTransparent) { m_TransparentBackground = iTransparent; }
    BOOL HasScrollButtons() const { return m_HasScrollButtons; }
    int GetScrollOffset() const { return m_ScrollOffset; }
    CWnd* GetButton(int iButton);
    IGTLookTabWnd* GetLook() { return &m_Look; }
    const CRect& GetTabsAreaRect() const { return m_TabsArea; }
    // Whether the tab window tells the tab list from its tabs' own icons.
    BOOL ShowsTabList() const { return m_TabListMode; }
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
    BOOL m_ActiveInGroup;
    // A tab of an MDI tab group held past the drag distance: moves and the release go to the
    // client area, which may take the document to another group.
    BOOL m_GroupTabMove;
    int m_ScrollOffset;
    int m_MaxScrollOffset;
    int m_FirstShownTab;
    CList<HWND, HWND> m_ButtonWindows;
    CGTTabWndLook m_Look;

    // The spacing the flat looks add to their tabs height, also the slack of one scroll step in
    // the sloped looks.
    static int SpacingValue() { return 6; }

    // The tabs area has no height: a single tab with hide-single-tab, none with hide-when-empty.
    BOOL AreTabsHidden() const;
    int GetButtonSize() const;
    void RepositionButtons(int iButtonSize);
    void UpdateButtons();
    void UpdateButtonImages();
    void CreateButtons();
    CFont* TabFont(int iIndex);
    int TabOverlap() const;
    // Widths of overrunning tabs shared out when there are no scroll buttons.
    void NarrowTabs();
    void PlaceTabs();
    void UpdateToolRects();
    void ScrollBy(int iDelta);
    void BuildFlatFonts();
    void SyncScrollBar();
    void PaintTabs(CDC& iDc);
    void DrawActiveFlatEdge(CDC& iDc, const CGTTabInfo& iTab);
    // A click on no tab goes to the window behind the tab row, in its own coordinates.
    void PassClick(CWnd& ioTarget, UINT iMessage, UINT iFlags, CPoint iPoint);
    // The index of the nearest visible tab from iIndex in steps of iStep, going round the ends.
    int NextVisibleTab(int iIndex, int iStep) const;
    // The MDI tab-group rules of a press, a move and a release; TRUE when they took it.
    BOOL GroupMouseDown(CPoint iPoint);
    BOOL GroupMouseMove(UINT iFlags, CPoint iPoint);
    BOOL GroupMouseUp(CPoint iPoint);

    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnHScroll(UINT iCode, UINT iPosition, CScrollBar* iScrollBar);
    afx_msg BOOL OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage);
    afx_msg void OnCancelMode();
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT iFlags, LPCWSTR iSection);
    afx_msg void OnSetFocus(CWnd* iOldWindow);
    afx_msg void OnWindowPosChanging(WINDOWPOS* ioPos);
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override;
    DECLARE_MESSAGE_MAP()
};
