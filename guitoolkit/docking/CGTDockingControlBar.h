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
class CGTSlider;

class CGTDockingControlBar : public CGTControlBar {
    DECLARE_SERIAL(CGTDockingControlBar)
public:
    CGTDockingControlBar();
    ~CGTDockingControlBar() override;

    BOOL IsResizable() const override;
    BOOL CanBeTabbed() const override;
    BOOL IsVisible() const override;
    BOOL CanAcceptBar(const CGTBaseControlBar* iBar) const override;
    int GetCaptionHeight() const override;
    BOOL IsInFloatingMultiPaneFrameWnd() const override;
    BOOL CanAutoHide() const override;
    BOOL IsAutoHideMode() const override;
    void EnableGripper(BOOL iEnable) override;
    BOOL DockToFrameWindow(DWORD iAlignment, LPCRECT iRect, int iMethod, CGTBaseControlBar* iTarget, int iSliderId,
                           BOOL iOuterEdge) override;
    void OnBeforeChangeParent(CWnd* iNewParent, BOOL iDelay = FALSE) override;
    void LeaveDockSite(CWnd* iOldParent) override;
    void ShowBar(BOOL iShow, BOOL iDelay, BOOL iActivate) override;
    void UnDockControlBar(BOOL iDelay = FALSE) override;
    void OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler) override;
    void OnAutoHideCommand() override;
    void OnHideCommand() override;
    void OnAfterDock(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod) override;
    int DockAtTarget(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod) override;
    // Where the dragged pane lands under the cursor: beside the pane there (hit code 2) or as
    // its tab (3); in the smart mode the markers decide. Holding Ctrl docks nothing.
    CGTBaseControlBar* FindDockTarget(int iSensitivity, int& oHitCode, BOOL& oHandled) override;
    BOOL EnterDragMode(BOOL iChangeHotPoint) override;
    void StoreRecentDockInfo() override;
    void Serialize(CArchive& ioArchive) override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;

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
    // Back from auto-hide mode: to the recent place, or as a tab beside the target.
    virtual void LeaveAutoHideMode(CGTDockingControlBar* iTarget);
    // In auto-hide mode only: out over the client area or back in, animated with iUseTimer.
    virtual void Slide(BOOL iSlideOut, BOOL iUseTimer);

    // Caption buttons by position (null out of range) and by hit code.
    CGTCaptionButton* GetCaptionButton(int iIndex) const;
    CGTCaptionButton* FindCaptionButton(UINT iHitCode) const;
    int GetCaptionButtonCount() const { return static_cast<int>(m_CaptionButtons.GetSize()); }
    // The hit code of the visible button at a screen point; 0 for none.
    UINT CaptionButtonAt(CPoint iScreenPoint) const;
    // The pane's close: the frame's window may keep it (GTM_ON_PRESS_CLOSE_BUTTON non-zero).
    void ClosePane();
    HWND GetDefaultSlider() const { return m_DefaultSlider; }
    CGTSlider* GetDefaultSliderObject() const;
    void SetKeepOpen(BOOL iKeepOpen) { m_KeepOpen = iKeepOpen; }
    BOOL IsActive() const { return m_Active; }
    HWND CaptionToolTip() const { return m_CaptionToolTip.GetSafeHwnd(); }
    void SetDefaultSlider(HWND iSlider) { m_DefaultSlider = iSlider; }
    int GetContainerShare() const { return m_ContainerShare; }
    // An auto-hidden pane that is out (shown and not sliding in).
    BOOL IsSlidOut() const;
    CGTAutoHideToolBar* GetAutoHideToolBar() const { return m_AutoHideToolBar; }
    CGTAutoHideButton* GetAutoHideButton() const { return m_AutoHideButton; }
    void SetAutoHideButton(CGTAutoHideButton* iButton, CGTAutoHideToolBar* iToolBar)
    {
        m_AutoHideButton = iButton;
        m_AutoHideToolBar = iToolBar;
    }
    // The rectangle of the slid-out pane (parent client coordinates).
    CRect GetRestoredRect() const { return m_RestoredRect; }
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
    // The mini frame that holds the pane while it is dragged with the smart-docking markers
    // up (it holds the mouse); null otherwise.
    CGTMiniFrameWnd* SmartDragFrame() const;
    // A caption drag in the immediate (and smart) mode: once the cursor has gone past the
    // system drag distance from the press, without leaving the pane first, the pane floats
    // (a tab leaves its tab window) and its mini frame follows the mouse.
    void FloatPastDragDistance(UINT iFlags, CPoint iPoint);

    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnDestroy();
    afx_msg void OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnNcHitTest(CPoint iPoint);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnNcMouseMove(UINT iHitTest, CPoint iPoint);
    afx_msg void OnCancelMode();
    afx_msg void OnClose();
    afx_msg void OnSettingChange(UINT iFlags, LPCWSTR iSection);
    afx_msg BOOL OnNeedToolTipText(UINT iId, NMHDR* iHeader, LRESULT* oResult);
    afx_msg void OnRButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnContextMenu(CWnd* iWindow, CPoint iPoint);
    afx_msg LRESULT OnSetText(WPARAM iWParam, LPARAM iLParam);
    afx_msg void OnTimer(UINT_PTR iId);
    DECLARE_MESSAGE_MAP()

    // The click of a caption button that was pressed and released over itself.
    virtual void OnPressButtons(UINT iHitCode);
    // Buttons of a derived pane's own that its state hides; the caption's layout asks.
    virtual BOOL IsCaptionButtonHidden(UINT iHitCode) const;
    void RedrawButton(const CGTCaptionButton* iButton);
    // The pin with Ctrl: every pane of the group pinned away, or every auto-hidden pane of
    // the edge back.
    void ToggleAutoHideAll();
    // A pane that goes while pinned away takes its button and slider along.
    void DropAutoHide();
    // ShowBar of a pane in auto-hide mode.
    void ShowAutoHiddenBar(BOOL iShow, BOOL iDelay, BOOL iActivate);
    void KillAutoHideTimers();
    // Back to the place it had before auto-hide mode, after a failed start.
    void AbandonAutoHideMode();
    // Out of the slider that travels with the pane in auto-hide mode, which goes.
    void LeaveAutoHideSlider();
    // The pane (and its slider beside it) against the outer edge, showing iVisible pixels.
    void PlaceSlid(int iVisible);
    int SlideExtent() const;
    int VisibleExtent() const;
    // The caption band of a docked pane, in window coordinates.
    CRect GetCaptionRect() const;

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
