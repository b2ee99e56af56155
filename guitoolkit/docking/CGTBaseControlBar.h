// The base of every bar of the toolkit: toolbars, docking panes, dock bars, sliders, tabbed
// and outlook bars. A child window that keeps its side and style words, the sides it may dock
// on, its docking mode, the frame that owns it, the dock bar and row that hold it while it is
// docked, and a remembered visibility kept in the registry under
// "<section>VADEBaseControlBar-<id>[<sub-id in hex>]" ("IsVisible").
//
// Its own placement requests (add, remove, dock, re-lay out) go to the dock manager of the
// frame that owns it, through the frame's IGTDockingFrame; without such a frame they do
// nothing. Everything runs on the GUI thread.
#pragma once
#include <afxwin.h>
#include <afxext.h>
#include <afxmt.h>
#include <guitoolkit/core/GTLookTargets.h>
#include <guitoolkit/docking/GTDockingConstants.h>

class CGTDockBar;
class CGTDockBarRow;
class CGTDockManager;
class CGTMiniFrameWnd;
class CGTBaseTabWnd;

class CGTBaseControlBar : public CWnd, public IGTLookBar {
    DECLARE_DYNAMIC(CGTBaseControlBar)
public:
    CGTBaseControlBar();
    ~CGTBaseControlBar() override;

    // --- Docking questions, in the order other modules rely on ---

    // Docked at the top or bottom.
    virtual BOOL IsHorizontal() const;
    // Docked, or sharing its mini frame with other bars.
    virtual BOOL IsNotOnlyBarInMiniFrame() const;
    // The parent is a tab window.
    virtual BOOL IsTabbed() const;
    virtual BOOL IsOnlyBarInMiniFrame() const;
    // Docked at a frame edge with a slider rather than in a dock bar row; toolbars and dock
    // bars are not.
    virtual BOOL IsResizable() const;
    virtual BOOL IsVisible() const;
    // Whether a bar docked at the outer edge may be listed before this one (CanFloat here).
    virtual BOOL AllowsInsertBefore() const;
    virtual BOOL CanAcceptBar(const CGTBaseControlBar* iBar) const;
    virtual BOOL CanDockToBar(const CGTBaseControlBar* iBar) const;
    // The bar may become a tab of a tabbed pane.
    virtual BOOL CanBeTabbed() const;
    virtual DWORD GetCurrentAlignment() const;
    virtual DWORD GetEnabledAlignment() const;
    // The frame that owns the bar; null for a bar in a dialog or an application bar.
    virtual CWnd* FindOwnerFrame() const;
    virtual CGTDockBar* GetParentDockBar() const;
    virtual BOOL IsAutoHideMode() const;
    virtual BOOL IsInFloatingMultiPaneFrameWnd() const;
    virtual BOOL GetRememberedVisibility() const;
    // A loaded layout sets the visibility a bar takes when its place comes back.
    void SetRememberedVisibility(BOOL iVisible) { m_RememberedVisibility = iVisible; }
    virtual BOOL IsStateLoaded() const;
    virtual void SetStateLoaded(BOOL iLoaded);
    // The bar's own docking mode, or the process's when the bar has none.
    virtual int GetDockingMode() const;
    virtual HICON GetBarIcon(BOOL iBig);
    // The style word: side bits, floating bit, border bits, gripper and the creation style.
    virtual DWORD GetStyleWord() const;
    virtual DWORD GetBehaviourStyle() const;
    virtual BOOL CanHide() const;
    virtual BOOL CanFloat() const;
    // Docked into a dock bar even when it may not float.
    virtual BOOL CanDockWithoutFloating() const;
    virtual BOOL CanAutoHide() const;
    // A floating bar's mini frame is repainted at once after the float.
    virtual BOOL IsImmediateUpdate() const;
    // Replaces the side bits only.
    virtual void SetAlignment(DWORD iAlignment);
    virtual void SetStyleWord(DWORD iStyle);
    virtual void SetBehaviourStyle(DWORD iStyle);
    // The sides the bar may dock on (GTSideAny for all); 0: none.
    virtual void EnableDocking(DWORD iAlignment);
    virtual void OnAfterFloat();
    virtual void OnAfterDockFromMiniFrame();
    // Non-zero when the bar docked (iRect: the place for GTDockByRect).
    virtual int DockToTarget(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod);
    virtual BOOL FloatAtRect(CRect iRect, int iMethod, BOOL iShow = TRUE);
    virtual int GetCaptionHeight() const;
    virtual void EnableGripper(BOOL iEnable);
    // Docks a resizable bar against a frame edge; FALSE here.
    virtual BOOL DockToFrameWindow(DWORD iAlignment, LPCRECT iRect, int iMethod, CGTBaseControlBar* iTarget,
                                   int iSliderId, BOOL iOuterEdge);
    virtual CSize GetDockedSize(BOOL iStretch, BOOL iHorizontal);
    // Re-lays the bar's contents out; a dock bar passes it on to every bar it holds.
    virtual void AdjustLayout();
    virtual void UpdateStoredRect();
    virtual CGTMiniFrameWnd* CreateFloatingFrame(CRect iRect);
    virtual void OnAfterChangeParent(CWnd* iOldParent);
    virtual void OnBeforeChangeParent(CWnd* iNewParent, BOOL iDelay = FALSE);
    virtual void LeaveDockSite(CWnd* iOldParent);
    virtual void ShowBar(BOOL iShow, BOOL iDelay, BOOL iActivate);
    virtual CGTMiniFrameWnd* GetParentMiniFrame() const;
    // iIndex -1: the control id; iSubId -1: none.
    virtual BOOL LoadState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1));
    // FALSE when the key cannot be created or a value not written.
    virtual BOOL SaveState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1));
    // iRect in the client coordinates of the bar's parent (dock bar, frame or mini frame); with a
    // deferred-position handle the move joins it (the new handle is answered).
    virtual HDWP MoveToRectInParent(const CRect& iRect, BOOL iRepaint = TRUE, HDWP iDefer = nullptr);
    virtual HDWP MoveBarWindow(const CWnd* iInsertAfter, int iX, int iY, int iWidth, int iHeight, UINT iFlags,
                               HDWP iDefer = nullptr);
    virtual void CopyStateFrom(const CGTBaseControlBar& iOther);
    // Leaves the dock site (dock bar, slider, mini frame); re-lays out unless iDelay.
    virtual void UnDockControlBar(BOOL iDelay = FALSE);
    virtual void OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler);
    virtual void ShowBarsContextMenu(CWnd* iFrame, CPoint iScreenPoint);
    virtual BOOL CreateBarWindow(DWORD iExStyle, LPCWSTR iClassName, LPCWSTR iWindowName, DWORD iStyle,
                                 const RECT& iRect, CWnd* iParent, UINT iId, DWORD iBehaviourStyle,
                                 CCreateContext* iContext = nullptr);
    // The size the bar asks its row for.
    virtual CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal);
    virtual void DoPaint(CDC* iDc);
    virtual void AdjustOwnerLayout(BOOL iDelay);

    // --- Forwarded to the dock manager of the owner frame ---

    BOOL AddBarToOwnerFrame();
    void RemoveBarFromOwnerFrame(BOOL iDestroy, BOOL iRecalcLayout, BOOL iAutoHide);
    // TRUE without a frame when the bar lives in a dialog or an application bar.
    BOOL IsPointNearOwnerDockArea(CPoint iScreenPoint, DWORD& oAlignment, BOOL& oOuterEdge);
    CGTBaseControlBar* FindBarAtPointInOwner(CPoint iScreenPoint, int iSensitivity, BOOL iExact, CRuntimeClass* iClass);
    BOOL InsertBarInOwner(CGTBaseControlBar* iBar, CGTBaseControlBar* iNeighbour, BOOL iAfter);
    // With iRecorded, the frame recorded at creation; else the frame above the bar.
    void DockToOwnerFrame(BOOL iRecorded);
    // The dock manager of the frame that owns the bar; null for none.
    CGTDockManager* GetOwnerDockManager() const;

    // Names the toolbars and popup menus use.
    CSize CalcFixedLayout(BOOL iStretch, BOOL iHorizontal) { return GetStretchLimit(iStretch, iHorizontal); }
    DWORD GetBarStyle() const override { return GetStyleWord(); }
    void SetBarStyle(DWORD iStyle) { SetStyleWord(iStyle); }

    CGTDockBarRow* GetDockRow() const { return m_DockRow; }
    void SetDockSite(CGTDockBar* iDockBar, CGTDockBarRow* iRow);
    void SetOwnerFrame(CWnd* iFrame) { m_OwnerFrame = iFrame; }
    // The rectangle a row computes for the bar before it moves it (dock bar client coordinates).
    CRect& LayoutRect() { return m_LayoutRect; }
    void SetDialogTemplate(LPCWSTR iTemplate) { m_DialogTemplate = iTemplate; }
    CSize GetTemplateSize() const { return m_TemplateSize; }
    void SetDockingMode(int iMode) { m_DockingMode = iMode; }
    // The tab window that holds the bar (also through a docking wrapper); null for none.
    CGTBaseTabWnd* GetHoldingTabWnd() const;

    // IGTLookBar.
    BOOL UsesDialogColors() const override { return m_DialogControl; }
    GTLookBarKind GetLookKind() const override { return GTLookBarKind::Other; }
    BOOL DrawsOwnBorder() const override { return FALSE; }
    BOOL KeepsTopEdgePlain() const override { return TRUE; }
    COLORREF GetBackgroundColor() const override { return static_cast<COLORREF>(-1); }
    CWnd* GetControlWindow() const override { return const_cast<CGTBaseControlBar*>(this); }
    IGTLookBar* GetParentBar() const override;
    CSize GetButtonSize() const override { return CSize(0, 0); }
    CSize GetImageSize() const override { return CSize(0, 0); }
    BOOL IsRounded() const override { return FALSE; }
    IGTLookCustomizeButton* GetLookCustomizeButton() const override { return nullptr; }
    IGTLookPopupMenu* GetPopupMenu() const override { return nullptr; }
    BOOL ShowsImageColumn() const override { return FALSE; }

    void Serialize(CArchive& ioArchive) override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override;

    // Set the first time a bar without an owner frame finds itself in a dialog or an
    // application bar: such bars count every point as near a dock area.
    static BOOL s_HostedOutsideFrame;
    // While set, every bar paints inside s_PaintLock; for applications that paint bars from
    // several threads.
    static BOOL s_UsePaintLock;
    static CCriticalSection s_PaintLock;

protected:
    // The registry key of the bar's own values: "<section path>Word-<number>[<sub-id in hex>]".
    CString StateKey(LPCWSTR iSection, LPCWSTR iWord, LPCWSTR iProfile, int iIndex, UINT iSubId) const;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnSettingChange(UINT iFlags, LPCWSTR iSection);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM iDisableIfNoHandler, LPARAM);
    afx_msg LRESULT OnHelpHitTest(WPARAM, LPARAM iPoint);
    afx_msg LRESULT OnInitDialog(WPARAM, LPARAM);
    afx_msg LRESULT OnSetIcon(WPARAM iType, LPARAM iIcon);
    DECLARE_MESSAGE_MAP()

    // A copy of window-style bits; creation keeps only the visible bit.
    DWORD m_BarFlags;
    DWORD m_EnabledAlignment;
    DWORD m_dwStyle;
    DWORD m_BehaviourStyle;
    BOOL m_RememberedVisibility;
    BOOL m_StateLoaded;
    CGTDockBar* m_ParentDockBar;
    CGTDockBarRow* m_DockRow;
    CWnd* m_OwnerFrame;
    // 0: the process's docking mode.
    int m_DockingMode;
    CRect m_LayoutRect;
    // The parent is a dialog: drawn in the dialog colours and font.
    BOOL m_DialogControl;
    LPCWSTR m_DialogTemplate;
    CSize m_TemplateSize;
};
