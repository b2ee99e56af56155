// A docking pane whose client area is a tab window, each tab holding another docking pane;
// made when one pane is dropped onto another as a tab. The base of the tabbed pane and of the
// outlook bar.
#pragma once
#include <guitoolkit/docking/CGTDockingControlBar.h>

class CGTBaseTabWnd;

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

protected:
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

    // The process's tab look besides the style in CGTDockingValues::TabbedBarStyle().
    static BOOL s_TabsOnTop;
    static BOOL s_UseAutoColors;
    // What each tabbed pane's tab window is made of (a CGTTabWnd).
    static CRuntimeClass* s_TabWindowClass;
};
