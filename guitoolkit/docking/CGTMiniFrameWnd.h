// The small floating frame a control bar lives in while it floats: its own border, caption
// and caption buttons, moving and sizing with the mouse, docking the bar back where it is
// dropped, rolling up to its caption, and its record in the frame's saved layout. It holds
// one bar; CGTMultiMiniFrameWnd holds several. Every mini frame belongs to an owner frame
// whose dock manager lists it, and deletes itself when its window goes.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include <guitoolkit/docking/CGTDragFrameImpl.h>

class CGTBaseControlBar;
class CGTCaptionButton;
class CGTDockManager;

class CGTMiniFrameWnd : public CWnd {
    DECLARE_SERIAL(CGTMiniFrameWnd)
public:
    CGTMiniFrameWnd();
    ~CGTMiniFrameWnd() override;

    // The held control bar's answer to the matching bar query.
    virtual BOOL ForwardBarQuery(CGTBaseControlBar* iBar) const;
    virtual BOOL IsCursorInside() const;
    virtual BOOL IsCursorOutsideUnpinned() const;
    virtual int GetCaptionHeight() const;
    virtual BOOL ForwardBarQuery2() const;
    virtual void AttachBar(CGTBaseControlBar* iBar);
    virtual void ReleaseBar(CGTBaseControlBar* iBar, BOOL iDestroyIfEmpty, BOOL iKeepWhenEmpty);
    virtual void SwapBar(CGTBaseControlBar* iOld, CGTBaseControlBar* iNew);
    // The end-of-move decision; the bar that docked, or null.
    virtual CGTBaseControlBar* ResolveDropAtMoveEnd(BOOL& oDockedAsTab);
    virtual void ApplyCaptionButtonFlags(DWORD iFlags);
    // TRUE when nothing was docked.
    virtual BOOL DockWithoutDrag(int iMethod, CGTBaseControlBar* iTarget, int iUnused = 0);
    virtual void MoveFrameBy(int iDx, int iDy);
    virtual void ReturnBarToDock();
    virtual BOOL IsDockingAllowed() const;
    virtual int GetBarCount() const;
    virtual BOOL IsBarVisible() const;
    virtual CWnd* GetBar() const;
    virtual CWnd* VisibleBarOrNull() const;
    virtual int EffectiveDockingMode() const;
    virtual void FitToBarSize();
    virtual CString GetCaptionText() const;
    virtual void GetBorderSize(CRect& oBorders) const;
    virtual BOOL TabAreaOfFrame(CPoint iScreenPoint, CRect& oRect, CGTBaseControlBar*& oBar);
    virtual CGTBaseControlBar* BarUnderPoint(CPoint iScreenPoint, int iSensitivity, BOOL iIncludeHidden);
    // In window coordinates.
    virtual void CaptionRectangle(CRect& oRect) const;
    virtual void AdjustBarToClient();
    virtual void AdjustLayout();
    virtual BOOL SaveHeldBarState(LPCWSTR iProfile, int iIndex);
    virtual BOOL LoadHeldBarState(LPCWSTR iProfile, int iIndex);
    virtual void ReattachLoadedBar(CGTDockManager& ioManager);
    virtual LRESULT HitTestFrame(CPoint iScreenPoint, BOOL iDetectCaption);
    virtual void ForgetDeadBar();
    virtual void AfterBarAttached();
    virtual void AfterBarReleased();
    virtual BOOL Create(LPCWSTR iWindowName, DWORD iStyle, const RECT& iRect, CWnd* iParent,
                        CCreateContext* iContext = nullptr);
    // FALSE without a window, or when the parent is no frame with a dock manager.
    virtual BOOL CreateEx(DWORD iExStyle, LPCWSTR iWindowName, DWORD iStyle, const RECT& iRect, CWnd* iParent,
                          CCreateContext* iContext = nullptr);
    virtual void NotifyMoveState(BOOL iMoving);
    virtual void EnterMoveMode(CWnd* iTransientWnd);
    virtual void PaintFrameBorder(CDC* iDc);
    virtual void PaintCaptionButtons(CDC* iDc);
    virtual void RecordMoveStartRect();
    virtual BOOL OwnerAllowsClose();
    virtual void HideFrameAndBar();
    virtual void RunCaptionButtonAction(UINT iHitCode);
    virtual CGTBaseControlBar* DockHeldBarAtCursor(BOOL& oDocked);
    virtual CGTCaptionButton* CreateCaptionButton(UINT iHitCode);
    virtual void HoverCaptionButtons(CPoint iScreenPoint);
    virtual void EndCaptionButtonTracking();
    virtual void ComputeMinTrackSize(CSize iBarMinimum, MINMAXINFO* ioInfo);
    virtual void UpdateRollState();
    virtual void RefreshCaptionMetrics();

    CGTCaptionButton* FindCaptionButton(UINT iHitCode) const;
    void StartDockCheckTimer(UINT iInterval);
    // 1 when the user released the mouse, 0 when the tear-off was cancelled.
    int TrackTearOff(CWnd* iSource);
    BOOL IsInMoveMode() const { return m_InMoveMode; }
    BOOL IsPinned() const { return m_Pinned; }
    void SetPinned(BOOL iPinned) { m_Pinned = iPinned; }
    HWND GetOwnerFrameHandle() const { return m_OwnerFrame; }
    void Serialize(CArchive& ioArchive) override;

    static void RedrawAllMiniFrames();
    // The bar registered under a control id, or null.
    static CGTBaseControlBar* LookupFloatingBar(UINT iId);
    static void CollectFloatingBars(CObList& oBars, CRuntimeClass* iClass = nullptr);
    static void RegisterFloatingBarId(CGTBaseControlBar* iBar, BOOL iAdd);

    // Set by the dock manager while it reads mini frames from a saved layout.
    static CWnd* s_LoadingFrame;
    static const UINT s_RollUpInterval = 250;
    static const int s_ButtonGap = 4;
    static int s_ButtonOffset;

protected:
    void PostNcDestroy() override;
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnCheckEmpty(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    HWND m_HeldBar;
    HWND m_OwnerFrame;
    int m_CaptionHeight;
    int m_MinTrackWidth;
    int m_MinTrackHeight;
    BOOL m_Active;
    CObList m_CaptionButtons;
    DWORD m_CaptionButtonFlags;
    CToolTipCtrl m_ToolTip;
    BOOL m_InMoveMode;
    BOOL m_Moved;
    CPoint m_MoveStart;
    CPoint m_MoveLast;
    UINT m_PressedButton;
    UINT m_HotButton;
    CRect m_ButtonRedrawRect;
    UINT_PTR m_DockTimer;
    UINT_PTR m_RollUpTimer;
    BOOL m_RolledUp;
    int m_HeightBeforeRollUp;
    BOOL m_Pinned;
    int m_PendingDockMethod;
    CGTBaseControlBar* m_PendingTarget;
    HWND m_TransientWnd;
    HWND m_FocusWnd;
    BOOL m_KeepWhenEmpty;
    BOOL m_ToolbarBorders;
    int m_LoadedBarId;
    CRect m_RecentWindowRect;
    CGTDragFrameImpl m_DragFrame;
};
