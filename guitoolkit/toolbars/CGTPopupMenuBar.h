// The bar inside a popup menu window: its buttons are the menu items, one per row, in
// columns where an item breaks the column. It turns a Windows menu into items and back,
// measures and places them, tracks the highlighted item with the system's sub-menu delays,
// answers the keyboard and runs the chosen command.
#pragma once
#include <guitoolkit/toolbars/CGTToolBar.h>

class CGTPopupMenu;
class CGTToolbarMenuButton;

class CGTPopupMenuBar : public CGTToolBar {
    DECLARE_SERIAL(CGTPopupMenuBar)
public:
    CGTPopupMenuBar();
    ~CGTPopupMenuBar() override;

    // Rarely used commands are left out unless iShowAllCommands (or the menu bar's show-all
    // flag) is set; the frame may adjust the menu first (WM_INITMENUPOPUP).
    BOOL ImportFromMenu(HMENU iMenu, BOOL iShowAllCommands);
    // A new Windows popup menu of the items; null when it cannot be built.
    HMENU ExportToMenu() const;
    // The items of the menu resource's first sub-menu become the bar's original items, when
    // the workspace lets menus be customized.
    BOOL LoadFromResource(UINT iMenuId);
    // Runs the chosen command and closes the popup chain.
    void InvokeItem(UINT iCommandId, CGTToolbarButton* iItem);
    virtual void OnSendCommand(CGTToolbarButton* iItem);
    // The keys of a popup menu; FALSE for a key the bar does not take.
    virtual BOOL OnKeyDown(UINT iKey);

    // The sub-menu of iButton opens after the system's delay times iFactor.
    void StartDelayedSubmenu(CGTToolbarMenuButton* iButton, int iFactor);
    // The sub-menu whose close waits closes now.
    void CancelDelayedSubmenu();
    // The sub-menu whose close waits stays open, its item highlighted again.
    void RestoreDelayedSubmenu();
    // The bar of the chain (or the toolbar the chain drops from) under a screen point.
    CGTToolBar* FindMenuBarAtPoint(CPoint iScreenPoint) const;
    // On this bar and the bars of every popup above it.
    void SetCommandRunning(BOOL iRunning);
    BOOL IsCommandRunning() const { return m_CommandRunning; }

    CGTPopupMenu* GetParentPopup() const;
    CGTToolBar* GetParentToolBar() const { return m_ParentToolBar; }
    void SetParentToolBar(CGTToolBar* iBar) { m_ParentToolBar = iBar; }
    UINT GetDefaultCommand() const { return m_DefaultCommand; }
    BOOL AreAllCommandsShown() const { return m_AllShown; }
    int GetFirstVisibleRow() const { return m_FirstVisibleRow; }
    void SetFirstVisibleRow(int iRow) { m_FirstVisibleRow = iRow; }
    void SetMaxWidth(int iWidth) { m_MaxWidth = iWidth; }
    void SetTrackMode(BOOL iTrackMode) { m_TrackMode = iTrackMode; }
    void SetPalette(int iRows);
    const CUIntArray& GetColumnWidths() const { return m_ColumnWidths; }
    // The items the menu's resource defines (LoadFromResource).
    const CObList& GetOriginalItems() const { return m_OriginalButtons; }
    // The command of an item that ImportFromMenu left out, by its access key; 0 for none.
    UINT FindHiddenAccessKey(UINT iKey) const;
    // Forgets the highlighted item, with no repainting and no delayed sub-menus.
    void ClearHotItem();
    int GetHotIndex() const { return m_HotIndex; }
    // The delayed sub-menu timers' interval: the user's "MenuShowDelay" (0 to 5000 ms,
    // 500 when absent or not a number), read once per process.
    static int GetSubMenuDelay();
    // The value a "MenuShowDelay" text stands for.
    static int ParseMenuShowDelay(const CString& iText);
    // Reads the setting again at the next use.
    static void ForgetSubMenuDelay() { s_SubMenuDelay = -1; }
    static int GetLastInvokedItem() { return s_LastInvokedItem; }

    // CGTToolBar.
    // The delayed sub-menus go with the items.
    void RemoveAllButtons() override;
    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override;
    void RecalcButtonLayout() override;
    void AdjustLayout() override;
    int GetRowHeight() const override;
    void SetHot(int iIndex) override;
    void SetButtonStyle(int iIndex, UINT iStyle) override;
    CWnd* GetCommandTarget() const override;
    CSize GetImageSize() const override;
    void DoPaint(CDC* iDc) override;
    // The items over the look's background, straight onto the DC.
    void DrawContent(CDC* iDc, const CRect& iClip);
    INT_PTR OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const override;

    // IGTLookBar.
    GTLookBarKind GetLookKind() const override { return GTLookBarKind::PopupMenuBar; }
    IGTLookPopupMenu* GetPopupMenu() const override;
    BOOL ShowsImageColumn() const override { return !m_Palette; }

    // Height of a separator row.
    static const int s_SeparatorHeight = 8;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnDestroy();
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams);
    afx_msg void OnTimer(UINT_PTR iTimer);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg LRESULT OnIdleUpdate(WPARAM iDisableIfNoHandler, LPARAM);
    DECLARE_MESSAGE_MAP()

    // A mouse message outside the client area goes to the bar of the chain under the point;
    // TRUE when it lies outside.
    BOOL ForwardOutside(UINT iMessage, UINT iFlags, CPoint iPoint);
    // The item's size in the bar's font; separators are s_SeparatorHeight high.
    CSize MeasureItem(CDC& ioDc, CGTToolbarButton& ioItem, CSize iRowSize);
    void DrawRarelyUsedRuns(CDC* iDc);
    // The next item Up/Down (iStep -1 or 1) finds from iFrom, wrapping round; -1 for none.
    int FindSelectable(int iFrom, int iStep) const;
    // Opens the item's sub-menu with its first item highlighted; FALSE when it has none.
    BOOL OpenSubMenuByKey(CGTToolbarButton* iItem);
    void MoveHotByKey(int iIndex);
    // The command a key names: an access key of a shown item or of a hidden one.
    BOOL RunAccessKey(UINT iKey);

    CGTToolBar* m_ParentToolBar;
    UINT m_DefaultCommand;
    CGTToolbarMenuButton* m_DelayedOpen;
    CGTToolbarMenuButton* m_DelayedClose;
    BOOL m_IgnoreRelease;
    BOOL m_SkipNextMove;
    int m_FirstVisibleRow;
    int m_SeparatorLeft;
    int m_SeparatorRight;
    BOOL m_AllShown;
    int m_MaxWidth;
    CUIntArray m_ColumnWidths;
    CMap<UINT, UINT, UINT, UINT> m_HiddenAccessKeys;
    BOOL m_CommandRunning;
    BOOL m_TrackMode;
    // Set while a key moves the highlight: an open sub-menu then closes at once.
    BOOL m_KeyboardNavigation;
    BOOL m_Palette;
    int m_PaletteRows;

    static int s_SubMenuDelay;
    static int s_LastInvokedItem;
};
