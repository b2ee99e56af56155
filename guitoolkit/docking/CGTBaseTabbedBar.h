// A docking pane whose client area is a tab window, each tab holding another docking pane;
// made when one pane is dropped onto another as a tab. The base of the tabbed pane and of the
// outlook bar.
#pragma once
#include <guitoolkit/docking/CGTDockingControlBar.h>

class CGTBaseTabWnd;
class CGTTabWnd;

class CGTBaseTabbedBar : public CGTDockingControlBar {
    DECLARE_DYNAMIC(CGTBaseTabbedBar)
public:
    explicit CGTBaseTabbedBar(BOOL iAutoDestroy = FALSE);
    ~CGTBaseTabbedBar() override;

    virtual CGTBaseTabWnd* GetTabWindow() const;
    virtual int CountTabs() const;
    virtual int CountVisibleTabs() const;
    virtual BOOL QueryHideSingleTab() const;
    virtual BOOL DestroysWhenEmpty() const;
    virtual BOOL AddBarAsTab(CGTBaseControlBar* iBar, BOOL iVisible = TRUE, BOOL iSetActive = TRUE,
                             BOOL iDetachable = TRUE);
    virtual BOOL FloatBarFromTab(CGTBaseControlBar* iBar, int iIndex, int iMethod, BOOL iHide);
    virtual BOOL DetachBarTab(CGTBaseControlBar* iBar, BOOL iHide);
    virtual BOOL RemoveBarTab(CGTBaseControlBar* iBar);
    virtual BOOL ShowBarTab(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate);
    virtual CWnd* FindTabBarById(UINT iId) const;
    virtual CWnd* GetBarOfTab(int iIndex, BOOL iUnwrap) const;
    virtual CWnd* FirstVisibleTabOfBar(int& oIndex) const;
    virtual void ApplyRestoredTabs(BOOL iValue);
    virtual void ArchiveTabWindow(CArchive& ioArchive);
    virtual void WriteTabBarIds(CArchive& ioArchive);
    virtual void SetCaptionFromTab(BOOL iOn);
    virtual BOOL GetCaptionFromTab() const;
    virtual void OnTabActivated(int iIndex);
    // The pane deletes itself with its window (a pane made for a drop).
    void SetAutoDestroy(BOOL iAutoDestroy) { m_AutoDestroy = iAutoDestroy; }

    void Serialize(CArchive& ioArchive) override;
    HICON GetBarIcon(BOOL iBig) override;
    BOOL FloatAtRect(CRect iRect, int iMethod, BOOL iShow = TRUE) override;
    void UpdateStoredRect() override;
    BOOL LoadState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1)) override;
    BOOL SaveState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1)) override;
    int DockAtTarget(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod) override;
    void StoreRecentDockInfo() override;
    // Pinning the tabbed pane pins each detachable tab as a pane of its own, as one group.
    CGTAutoHideToolBar* SetAutoHideMode(BOOL iMode, DWORD iAlignment, CGTAutoHideToolBar* iToolBar = nullptr,
                                        BOOL iAnimate = TRUE) override;

protected:
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnNcDestroy();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnSetFocus(CWnd* iOldWindow);
    afx_msg LRESULT OnChangeActiveTab(WPARAM iIndex, LPARAM iTabWnd);
    DECLARE_MESSAGE_MAP()

    // Every tab that is a visible, detachable docking pane leaves the tab window with its caption
    // back on, handed to iEach; answers how many tabs stayed.
    template <class Each>
    int ReleaseDetachableTabs(Each iEach);
    // After tabs left: hidden when none visible stays, else a visible tab active, laid out, shown.
    BOOL ShowAfterRelease(int iStayed);

    BOOL m_AutoDestroy;
    CGTBaseTabWnd* m_TabWnd;
    BOOL m_CaptionFromTab;
    // One value per tab, rebuilt from the tab window at the start of LoadState.
    CArray<int, int> m_RestoredTabs;
};

class CGTTabbedControlBar : public CGTBaseTabbedBar {
    DECLARE_SERIAL(CGTTabbedControlBar)
public:
    explicit CGTTabbedControlBar(BOOL iAutoDestroy = FALSE);

    // Gives every live tabbed pane the process's tab look again.
    static void ApplyTabStyleToAll();

    void GetTabAreaRects(CRect& oTop, CRect& oBottom) const override;
    BOOL FloatBarFromTab(CGTBaseControlBar* iBar, int iIndex, int iMethod, BOOL iHide) override;
    BOOL DetachBarTab(CGTBaseControlBar* iBar, BOOL iHide) override;
    virtual BOOL AreTabsAtBottom() const;
    // The close button: the frame may keep the active tab; the last visible tab closes the
    // whole pane, any other is hidden alone.
    virtual void OnCloseButtonPressed();

    // The process's tab look besides the style in CGTDockingValues::TabbedBarStyle().
    static BOOL s_TabsOnTop;
    static BOOL s_UseAutoColors;
    // What each tabbed pane's tab window is made of (a CGTTabWnd).
    static CRuntimeClass* s_TabWindowClass;

protected:
    void OnPressButtons(UINT iHitCode) override;
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // The look's border and the process's style and colours on one tab window.
    static void ApplyTabStyle(CGTTabWnd& ioTabs);
};
