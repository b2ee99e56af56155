// The small floating frame a control bar lives in while it floats: its own border, caption
// and caption buttons, moving and sizing with the mouse, docking the bar back where it is
// dropped, rolling up to its caption, and its record in the frame's saved layout. It holds
// one bar; CGTMultiMiniFrameWnd holds several. Every mini frame belongs to an owner frame
// whose dock manager lists it, and deletes itself when its window goes.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include <guitoolkit/core/GTLookTargets.h>
#include <guitoolkit/docking/CGTDragFrameImpl.h>

class CGTBaseControlBar;
class CGTControlBar;
class CGTCaptionButton;
class CGTDockManager;
class CGTSmartDockingManager;

class CGTMiniFrameWnd : public CWnd, public IGTLookMiniFrame {
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
    // Timer 4 has the owner frame run its docking check on this frame; 0 stops it.
    void StartDockCheckTimer(UINT iInterval);
    // 1 when the user released the mouse, 0 when the tear-off was cancelled; a cancelled
    // tear-off (another window holding the capture included) shows the source again and
    // destroys and deletes the new bar, which must live on the heap.
    int TrackTearOff(CWnd* iSource);
    // The same for a bar just floated from a popup menu; one that did not float is taken away
    // at once (0).
    static int TrackNewTearOff(CGTBaseControlBar& ioBar, CWnd* iSource);
    BOOL IsInMoveMode() const { return m_InMoveMode; }
    // The cursor left its press point during the current or last move.
    BOOL HasMoved() const { return m_Moved; }
    BOOL IsPinned() const { return m_Pinned; }
    void SetPinned(BOOL iPinned) { m_Pinned = iPinned; }
    HWND GetOwnerFrameHandle() const { return m_OwnerFrame; }
    void Serialize(CArchive& ioArchive) override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;
    // IGTLookMiniFrame: the plain frame.
    int GetLookState() const override { return 0; }

    static void RedrawAllMiniFrames();
    // The bar registered under a control id, or null.
    static CGTBaseControlBar* LookupFloatingBar(UINT iId);
    static void CollectFloatingBars(CObList& oBars, CRuntimeClass* iClass = nullptr);
    static void RegisterFloatingBarId(CGTBaseControlBar* iBar, BOOL iAdd);

    // Set by the dock manager while it reads mini frames from a saved layout.
    static CWnd* s_LoadingFrame;
    // While a mini frame handles a mouse move of its own move, and while its bar docks at the
    // end of a standard or smart move.
    static BOOL s_Moving;
    static BOOL s_DockingInProgress;
    static const UINT s_RollUpInterval = 250;
    static const int s_ButtonGap = 4;
    static int s_ButtonOffset;

protected:
    void PostNcDestroy() override;
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnCheckEmpty(WPARAM, LPARAM);
    afx_msg void OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams);
    afx_msg LRESULT OnNcHitTest(CPoint iPoint);
    afx_msg BOOL OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnNcMouseMove(UINT iHitTest, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg int OnMouseActivate(CWnd* iTopLevel, UINT iHitTest, UINT iMessage);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg void OnCancelMode();
    afx_msg void OnChar(UINT iChar, UINT iRepeat, UINT iFlags);
    afx_msg void OnClose();
    afx_msg void OnTimer(UINT_PTR iTimer);
    afx_msg void OnWindowPosChanging(WINDOWPOS* ioPosition);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* ioInfo);
    afx_msg void OnSizing(UINT iEdge, LPRECT ioRect);
    afx_msg void OnSettingChange(UINT iFlags, LPCWSTR iSection);
    afx_msg BOOL OnToolTipText(UINT iId, NMHDR* iHeader, LRESULT* oResult);
    DECLARE_MESSAGE_MAP()

    // The caption buttons placed along the caption, and their tooltip tools.
    void LayoutCaptionButtons();
    void RebuildToolTips();
    // The caption button at a screen point, or null.
    CGTCaptionButton* CaptionButtonAt(CPoint iScreenPoint) const;
    void RedrawCaptionButton(UINT iHitCode);
    void DeleteCaptionButtons();
    // Out of the owner's tear-off bars, destroyed and deleted.
    static void DiscardTearOffBar(CGTBaseControlBar& ioBar, CWnd* iOwner);
    BOOL HoldsToolbar() const;
    // Ends a move without a drop: the capture goes and the bar is told.
    void LeaveMoveMode();
    void CancelMove();
    // The owner's smart-docking manager when the docking mode asks for one.
    CGTSmartDockingManager* OwnerSmartDocking() const;
    void HideSmartMarkers();
    // Sizes a bar taken back from a saved layout, and the frame with it.
    void PlaceLoadedBar(CGTControlBar& ioBar);

    // Counts the frame's handlers on the stack: a frame emptied inside one of them goes through
    // the posted check instead of being deleted under its own feet.
    class HandlerScope {
    public:
        explicit HandlerScope(CGTMiniFrameWnd& ioFrame);
        ~HandlerScope();
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;

    private:
        CGTMiniFrameWnd& m_Frame;
    };

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
    int m_HandlerDepth;
};
