// The resizable docking pane: a control bar with an optional caption (title and up to three
// caption buttons) that docks at a frame edge beside a slider, beside or onto another pane,
// as a tab of a tabbed pane, floats in a mini frame, or hides on the frame edge behind an
// auto-hide button and slides out on demand. The viewer's tree panes derive from it.
#pragma once
#include <afxcmn.h>
#include <afxtempl.h>
#include <guitoolkit/docking/CGTControlBar.h>

class CGTAutoHideButton;
class CGTAutoHideToolBar;
class CGTBarContainerManager;
class CGTBaseTabbedBar;
class CGTCaptionButton;

class CGTDockingControlBar : public CGTControlBar {
    DECLARE_SERIAL(CGTDockingControlBar)
public:
    CGTDockingControlBar();
    ~CGTDockingControlBar() override;

    BOOL IsResizable() const override;
    BOOL CanBeTabbed() const override;

    virtual BOOL Create(LPCWSTR iCaption, CWnd* iParent, CSize iSize, BOOL iHasGripper, UINT iId, DWORD iStyle,
                        DWORD iTabbedStyle = 0x20, DWORD iBehaviourStyle = GTBehaviourAll);
    virtual BOOL Create(LPCWSTR iCaption, CWnd* iParent, const RECT& iRect, BOOL iHasGripper, UINT iId, DWORD iStyle,
                        DWORD iTabbedStyle = 0x20, DWORD iBehaviourStyle = GTBehaviourAll,
                        CCreateContext* iContext = nullptr);
    virtual BOOL CreateEx(DWORD iExStyle, LPCWSTR iCaption, CWnd* iParent, const RECT& iRect, BOOL iHasGripper,
                          UINT iId, DWORD iStyle, DWORD iTabbedStyle = 0x20, DWORD iBehaviourStyle = GTBehaviourAll,
                          CCreateContext* iContext = nullptr);
    // The tab strips of a tabbed pane (screen coordinates); empty here.
    virtual void GetTabAreaRects(CRect& oTop, CRect& oBottom) const;
    // A caption button's hit code, HTCAPTION, HTCLIENT, HTNOWHERE, or -2 for not handled.
    virtual int HitTestCaption(CPoint iScreenPoint, BOOL iDetectCaption);
    virtual BOOL CanAutoHideAll() const;
    // 0 none, 2 dock beside, 3 attach as a tab.
    virtual int HitTestDockTarget(CPoint iScreenPoint, int iSensitivity);
    virtual CGTDockingControlBar* AttachToTabWnd(CGTDockingControlBar* iTarget, int iMethod, BOOL iSetActive = TRUE,
                                                 CGTBaseTabbedBar** oTabbedBar = nullptr);
    virtual CGTBaseTabbedBar* CreateTabbedBar();
    virtual BOOL DockBesidePane(CGTDockingControlBar* iTarget, DWORD iAlignment, LPCRECT iRect);
    virtual BOOL DockContainerBesidePane(CGTBarContainerManager* iManager, DWORD iAlignment, int iUnused = 0);
    virtual void NotifyDocked();
    virtual CGTAutoHideToolBar* SetAutoHideMode(BOOL iMode, DWORD iAlignment, CGTAutoHideToolBar* iToolBar = nullptr,
                                                BOOL iAnimate = TRUE);
    virtual BOOL CanHideAutoHiddenPane() const;
    virtual BOOL IsSlideFinished() const;
    virtual int GetSlideMode() const;
    virtual void CopyState(const CGTDockingControlBar& iOther);
    virtual void StoreRecentTabRelatedInfo();
    virtual void DrawCaption(CDC* iDc, CRect iCaption);
    virtual void MoveToContainerRect();
    virtual void OnTrackCaptionButtons(CPoint iScreenPoint);
    virtual void StopCaptionButtonsTracking();
    virtual void CreateCaptionButtons();
    virtual void CheckAutoHideCondition();
    virtual BOOL IsSlideComplete() const;
    virtual void SlideStep();

    HWND GetDefaultSlider() const { return m_DefaultSlider; }
    void SetDefaultSlider(HWND iSlider) { m_DefaultSlider = iSlider; }
    int GetContainerShare() const { return m_ContainerShare; }
    void SetContainerShare(int iShare) { m_ContainerShare = iShare; }

    static int s_CaptionMargin;
    static int s_ButtonMargin;
    static BOOL s_HideUnusableButtons;
    static int s_SlideSteps;
    static UINT s_SlideInterval;
    static UINT s_CheckInterval;
    static BOOL s_AnimationDisabled;
    static int s_DefaultSlideMode;
    static BOOL s_HideAutoHiddenPanes;
    // The docking look's switches: rebuild the caption buttons, show the window-position button.
    static BOOL s_RebuildCaptionButtons;
    static BOOL s_ShowWindowPositionButton;

protected:
    BOOL m_PendingFloat;
    BOOL m_LeftWindow;
    int m_CaptionHeight;
    BOOL m_HasCaption;
    int m_ButtonVerticalAdjust;
    BOOL m_Active;
    CRect m_NcRedrawRect;
    // Percent of the pane's container.
    int m_ContainerShare;
    BOOL m_AutoHideAllAllowed;
    BOOL m_AutoHideMode;
    UINT_PTR m_AutoHideCheckTimer;
    UINT_PTR m_SlideTimer;
    int m_SlidePosition;
    int m_SlideStep;
    CRect m_RestoredRect;
    BOOL m_Sliding;
    BOOL m_SlidingIn;
    int m_SlideMode;
    BOOL m_KeepOpen;
    CGTAutoHideButton* m_AutoHideButton;
    CGTAutoHideToolBar* m_AutoHideToolBar;
    CArray<CGTCaptionButton*, CGTCaptionButton*> m_CaptionButtons;
    CRuntimeClass* m_TabbedPaneClass;
    HWND m_DefaultSlider;
    UINT m_HoveredButton;
    UINT m_PressedButton;
    BOOL m_ButtonCapture;
    CToolTipCtrl m_CaptionToolTip;
};
