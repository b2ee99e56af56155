// The abstract tab control of the toolkit: an ordered list of tabs, each standing for a child
// window, one shown at a time. It tells its owner through registered messages when the active
// tab changes, a tab moves or is renamed, and handles activation, re-ordering, tearing a tab
// off into a floating pane, in-place renaming and the drop target that activates a tab. The
// look and geometry of the tab row are CGTTabWnd's.
#pragma once
#include <afxole.h>
#include <afxcmn.h>
#include <afxtempl.h>

class CGTBaseTabWnd;

// One tab; owned by its tab window.
class CGTTabInfo : public CObject {
    DECLARE_DYNAMIC(CGTTabInfo)
public:
    CGTTabInfo(const CString& iLabel, UINT iImage, CWnd* iWindow, int iTabId, BOOL iDetachable);
    ~CGTTabInfo() override;

    CString m_Label;
    // -1: none.
    UINT m_Image;
    // Owned; null: none.
    HICON m_Icon;
    CRect m_Rect;
    BOOL m_Visible;
    CWnd* m_Window;
    BOOL m_IsListView;
    int m_FullWidth;
    int m_TabId;
    COLORREF m_SecondColor;
    COLORREF m_BackColor;
    BOOL m_IconOnly;
    BOOL m_TooltipAlways;
    BOOL m_Detachable;
};

// A tab as a saved layout gives it back, until the tabs are rebuilt.
class CGTRestoredTabInfo : public CObject {
    DECLARE_DYNAMIC(CGTRestoredTabInfo)
public:
    CGTRestoredTabInfo();

    CString m_Label;
    BOOL m_Visible;
    int m_ControlId;
    BOOL m_Detachable;
    COLORREF m_SecondColor;
    COLORREF m_BackColor;
};

class CGTTabDropTarget : public COleDropTarget {
    DECLARE_DYNAMIC(CGTTabDropTarget)
public:
    CGTTabDropTarget();

    DROPEFFECT OnDragEnter(CWnd* iWindow, COleDataObject* iData, DWORD iKeyState, CPoint iPoint) override;
    DROPEFFECT OnDragOver(CWnd* iWindow, COleDataObject* iData, DWORD iKeyState, CPoint iPoint) override;
    void OnDragLeave(CWnd* iWindow) override;
    BOOL OnDrop(CWnd* iWindow, COleDataObject* iData, DROPEFFECT iEffect, CPoint iPoint) override;

    CGTBaseTabWnd* m_TabWnd;

private:
    // Toolbar customization is on and the data carries a toolbar button: the hooks decide.
    static BOOL ServesButtonDrag(COleDataObject* iData);
};

// What GTM_ON_GET_TAB_TOOLTIP hands the owner; one record serves the process.
struct GTTabToolTipInfo {
    CString m_Text;
    CGTBaseTabWnd* m_TabWnd;
    int m_Tab;
};

class CGTBaseTabWnd : public CWnd {
    DECLARE_DYNAMIC(CGTBaseTabWnd)
public:
    CGTBaseTabWnd();
    ~CGTBaseTabWnd() override;

    virtual BOOL IsPtInTabArea(CPoint iPoint) const;
    virtual void GetTabArea(CRect& oTop, CRect& oBottom) const;
    virtual void SetImageList(HIMAGELIST iImages);
    virtual BOOL SetImageList(UINT iBitmapId, int iImageWidth, COLORREF iMask);
    virtual void ClearImageList();
    virtual void SetTabsHeight();
    virtual int GetTabsHeight() const;
    virtual void GetWndArea(CRect& oRect) const;
    virtual void RecalcLayout();
    virtual void AddTab(CWnd* iWindow, UINT iLabelId, UINT iImage = static_cast<UINT>(-1), BOOL iDetachable = TRUE);
    virtual void AddTab(CWnd* iWindow, LPCWSTR iLabel, UINT iImage = static_cast<UINT>(-1), BOOL iDetachable = TRUE);
    virtual void InsertTab(CWnd* iWindow, UINT iLabelId, int iIndex, UINT iImage = static_cast<UINT>(-1),
                           BOOL iDetachable = TRUE);
    virtual void InsertTab(CWnd* iWindow, LPCWSTR iLabel, int iIndex, UINT iImage = static_cast<UINT>(-1),
                           BOOL iDetachable = TRUE);
    virtual BOOL RemoveTab(int iIndex, BOOL iRecalcLayout = TRUE);
    virtual void RemoveAllTabs();
    // iMethod: 1 by the mouse, 2 by a double click.
    virtual BOOL DetachTab(int iMethod, int iIndex = -1, BOOL iHide = FALSE);
    virtual int GetVisibleTabCount() const;
    virtual BOOL ShowTab(int iIndex, BOOL iShow = TRUE, BOOL iRecalcLayout = TRUE, BOOL iActivate = FALSE);
    virtual int GetTabCount() const;
    virtual CWnd* GetTabWnd(int iIndex) const;
    virtual CWnd* GetTabWndUnwrapped(int iIndex) const;
    virtual BOOL GetTabRect(int iIndex, CRect& oRect) const;
    virtual BOOL GetTabLabel(int iIndex, CString& oLabel) const;
    virtual BOOL SetTabLabel(int iIndex, const CString& iLabel);
    virtual UINT GetTabImage(int iIndex) const;
    virtual BOOL SetTabImage(int iIndex, UINT iImage);
    virtual BOOL IsTabIconOnly(int iIndex) const;
    virtual BOOL SetTabIconOnly(int iIndex, BOOL iIconOnly = TRUE, BOOL iTooltipAlways = FALSE);
    virtual BOOL SetTabHicon(int iIndex, HICON iIcon);
    virtual HICON GetTabHicon(int iIndex) const;
    virtual COLORREF GetTabBkColor(int iIndex) const;
    virtual BOOL SetTabBkColor(int iIndex, COLORREF iColor = static_cast<COLORREF>(-1));
    virtual COLORREF GetTabSecondColor(int iIndex) const;
    virtual BOOL SetTabSecondColor(int iIndex, COLORREF iColor = static_cast<COLORREF>(-1));
    virtual BOOL IsTabDetachable(int iIndex) const;
    virtual BOOL EnableTabDetach(int iIndex, BOOL iEnable);
    virtual BOOL StartRenameTab(int iIndex);
    virtual BOOL RenameTab();
    virtual BOOL OnRenameTab(int iIndex, CString& ioName);
    virtual void EnableRename(BOOL iEnable);
    virtual void AdjustRenameEditRect(CRect& ioRect);
    virtual int GetActiveTab() const;
    virtual CWnd* GetActiveWnd() const;
    virtual BOOL SetActiveTab(int iIndex);
    virtual int GetTabFromPoint(CPoint iPoint) const;
    virtual int GetTabFromHwnd(HWND iWindow) const;
    virtual int FindTabByID(int iTabId) const;
    virtual BOOL EnsureVisible(int iIndex);
    virtual void SetActiveTabColor(COLORREF iColor);
    virtual void SetActiveTabTextColor(COLORREF iColor);
    virtual COLORREF GetActiveTabColor() const;
    virtual COLORREF GetActiveTabTextColor() const;
    virtual CSize GetImageSize() const;
    virtual CImageList* GetImageList() const;
    virtual BOOL HasTabIcon(int iIndex) const;
    virtual void SetTabBorderSize(int iSize, BOOL iRepaint = TRUE);
    virtual int GetTabBorderSize() const;
    virtual CWnd* FindTargetWnd(CPoint iPoint);
    virtual void ApplyRestoredTabInfo(BOOL iUseTabIndexes = FALSE);
    virtual CWnd* GetFirstVisibleTab(int iFrom, int& oIndex);
    virtual CWnd* GetFirstVisibleTab(int& oIndex);
    virtual CWnd* GetLastVisibleTab(int& oIndex);
    virtual void SwapTabs(int iFirst, int iSecond);
    virtual void MoveTab(int iFrom, int iTo);
    virtual CSize GetMaxWindowSize() const;
    virtual void OnTabsChanged();
    virtual void FireChangeActiveTab(int iIndex);
    virtual BOOL FireChangingActiveTab(int iIndex);
    // 1 tabs on top, 0 at the bottom.
    virtual void SetLocation(int iLocation);
    virtual BOOL IsTabVisible(int iIndex) const;
    virtual BOOL IsFlatTab() const;
    virtual BOOL IsLook4() const;
    virtual BOOL IsLook5() const;
    virtual BOOL IsLook6Or7() const;
    virtual BOOL IsDrawFrame() const;
    virtual BOOL IsRenameEnabled() const;
    virtual int GetFirstShownTab() const;
    virtual BOOL IsHideSingleTab() const;
    virtual void HideSingleTab(BOOL iHide = TRUE);
    virtual BOOL IsColored() const;
    virtual DROPEFFECT OnDropHook(COleDataObject* iData, DROPEFFECT iEffect, CPoint iPoint);
    virtual DROPEFFECT OnDragEnterHook(COleDataObject* iData, DWORD iKeyState, CPoint iPoint);
    virtual void OnDragLeaveHook();
    virtual DROPEFFECT OnDragOverHook(COleDataObject* iData, DWORD iKeyState, CPoint iPoint);
    virtual void ClearTabs();
    virtual int GetTabToDetach(int iIndex) const;
    virtual CWnd* CreateWrapper(CWnd* iWindow, LPCWSTR iLabel, BOOL iDetachable);
    virtual void InitAutoColors();
    virtual BOOL IsActivateOnButtonUp() const;

    void Serialize(CArchive& ioArchive) override;
    BOOL PreTranslateMessage(MSG* iMsg) override;

    void EnableAutoColor(BOOL iEnable = TRUE);
    void SetAutoColors(const CArray<COLORREF, COLORREF>& iColors);
    const CArray<COLORREF, COLORREF>& GetAutoColors() const { return m_AutoColorPalette; }
    void EnableCustomToolTips(BOOL iEnable = TRUE);
    // One entry per tab, each the index of the tab that is to stand there.
    BOOL SetTabsOrder(const CArray<int, int>& iOrder);
    void EnableActivateLastVisible(BOOL iEnable = TRUE) { m_ActivateLastVisible = iEnable; }
    void EnableActivatePrevious(BOOL iEnable = TRUE) { m_ActivatePrevious = iEnable; }
    void EnableActivateOnButtonUp(BOOL iEnable = TRUE) { m_ActivateOnButtonUp = iEnable; }
    void EnableActivateOnRightClick(BOOL iEnable = TRUE) { m_ActivateOnRightClick = iEnable; }
    void EnableTabSwap(BOOL iEnable = TRUE) { m_TabSwap = iEnable; }
    void EnableHotTracking(BOOL iEnable = TRUE) { m_HotTracking = iEnable; }
    void SetAutoDestroyWindows(BOOL iAutoDestroy) { m_AutoDestroyWindows = iAutoDestroy; }
    void SetHideInactiveWindows(BOOL iHide) { m_HideInactiveWindows = iHide; }
    BOOL IsAutoColor() const { return m_AutoColors; }
    int GetLocation() const { return m_Location; }
    int GetHotTab() const { return m_HotTab; }
    BOOL IsRenaming() const { return m_RenameEdit != nullptr; }

    static GTTabToolTipInfo& ToolTipInfo();

protected:
    // The tab window's frame: the active in-place one when set, else its top-level frame; null
    // when that is the parent.
    CWnd* GetNotifiedFrame() const;
    void SetToolForTab(int iIndex, BOOL iAdd);
    // The nearest visible tab to take over from one removed or hidden at iIndex.
    int ChooseNextActive(int iIndex, int iOldActive) const;
    // Activates a tab (none for -1) and makes sure the owner hears of it once.
    void ActivateAndNotify(int iIndex);
    // FALSE when the owner refused the activation.
    BOOL ActivateByMouse(int iIndex, BOOL iByUserInput);
    void EndRename();
    void EndTabMove();
    // During a tab move: swaps the dragged tab along the row, or tears it off outside it.
    void MoveTabWithMouse(CPoint iPoint);
    // The keyboard and mouse while a tab's label is edited in place; TRUE: handled.
    BOOL PreTranslateRename(MSG* iMsg);
    void RedrawTab(int iIndex);
    void ReleaseOwnImages();
    int FindTabOfControl(int iControlId) const;

    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnDestroy();
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg void OnRButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnCancelMode();
    afx_msg void OnSysColorChange();
    afx_msg BOOL OnNeedToolTipText(UINT iId, NMHDR* iNotify, LRESULT* oResult);
    DECLARE_MESSAGE_MAP()

    CArray<CGTTabInfo*, CGTTabInfo*> m_Tabs;
    int m_ActiveTab;
    int m_DragStartTab;
    CImageList* m_Images;
    CImageList m_OwnImages;
    CSize m_ImageSize;
    CToolTipCtrl m_ToolTip;
    BOOL m_CustomToolTips;
    int m_NextTabId;
    int m_TabBorderSize;
    int m_TabsHeight;
    BOOL m_AutoDestroyWindows;
    BOOL m_HideInactiveWindows;
    BOOL m_ActivateOnButtonUp;
    BOOL m_TabSwap;
    BOOL m_HideSingleTab;
    BOOL m_HotTracking;
    BOOL m_ActivateOnRightClick;
    BOOL m_InPlaceRename;
    BOOL m_ActivateLastVisible;
    BOOL m_ActivatePrevious;
    BOOL m_AutoColors;
    BOOL m_DefaultPalette;
    BOOL m_RedrawLock;
    int m_HotTab;
    int m_PressedTab;
    BOOL m_TabMove;
    CPoint m_TabMoveStart;
    int m_TabMoveOffset;
    COLORREF m_ActiveTabColor;
    COLORREF m_ActiveTabTextColor;
    CBrush m_ActiveTabBrush;
    CFont m_FlatFont;
    CFont m_FlatBoldFont;
    int m_Location;
    int m_PreviousActiveTab;
    int m_RenamedTab;
    CEdit* m_RenameEdit;
    CObList m_RestoredTabs;
    int m_RestoredActiveTab;
    int m_RestoredLocation;
    CWnd* m_DockFrame;
    // The docking wrapper made for detachable plain windows; null: CGTDockingCBWrapper.
    CRuntimeClass* m_WrapperClass;
    CArray<COLORREF, COLORREF> m_AutoColorPalette;
    BOOL m_ChangeSent;
    BOOL m_ActivatedByClick;
    BOOL m_ActivatedByUser;
    int m_DrawnTab;
    CGTTabDropTarget m_DropTarget;
};
