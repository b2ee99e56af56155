// A bar the user can drag: toolbars, docking panes, tabbed and outlook bars. It adds margins
// and a gripper, its full ("virtual") rectangle in its row, the drag state, floating into a
// mini frame of a configurable class, docking into a dock bar at a point, at its recent place
// or at a rectangle, the docking menu, and the registry values of its placement under
// "<section>VADEControlBar-<id>[<sub-id in hex>]": "ID", "RectRecentFloat",
// "RectRecentDocked", "RecentFrameAlignment", "RecentRowIndex", "IsFloating", "MRUWidth" and
// "PinState".
#pragma once
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/docking/CGTControlBarImpl.h>
#include <guitoolkit/docking/CGTDragFrameImpl.h>
#include <guitoolkit/docking/CGTRecentDockInfo.h>

class CGTDockBar;
class CGTRegistry;

class CGTControlBar : public CGTBaseControlBar {
    DECLARE_DYNAMIC(CGTControlBar)
public:
    CGTControlBar();
    ~CGTControlBar() override;

    // --- Overrides of the base bar ---

    BOOL IsTabbed() const override;
    BOOL IsResizable() const override;
    BOOL CanDockToBar(const CGTBaseControlBar* iBar) const override;
    int DockToTarget(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod) override;
    BOOL FloatAtRect(CRect iRect, int iMethod, BOOL iShow = TRUE) override;
    void UpdateStoredRect() override;
    CGTMiniFrameWnd* CreateFloatingFrame(CRect iRect) override;
    void OnBeforeChangeParent(CWnd* iNewParent, BOOL iDelay = FALSE) override;
    void LeaveDockSite(CWnd* iOldParent) override;
    BOOL LoadState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1)) override;
    BOOL SaveState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1)) override;
    void UnDockControlBar(BOOL iDelay = FALSE) override;

    // --- The control bar's own operations, in the order other modules rely on ---

    virtual BOOL IsBeingDragged() const;
    // The smallest size the bar takes.
    virtual CSize GetStoredSize() const;
    virtual int GetDockGap() const;
    // How far a slider moves the bar at once; -1: any distance.
    virtual int GetResizeStep() const;
    // How much shorter the window is than its virtual rectangle along the bar.
    virtual int GetShrinkDeficit() const;
    // How much the window can shrink along the bar.
    virtual int GetSpareLength() const;
    virtual BOOL IsNotRestricted() const;
    virtual void CopyControlBarState(const CGTControlBar& iOther);
    virtual BOOL IsShownInBarsMenu() const;
    // The bar's name in the bars menu.
    virtual CString GetBarCaption() const;
    // The bar is the active one of its row (auto-hide toolbars).
    virtual void SetRowActive(BOOL iActive);
    virtual void SetRestriction(DWORD iRestriction);
    // A bar made by tearing off a popup menu.
    virtual BOOL IsTearOffBar() const;
    virtual void ReparentForDocking(CGTBaseControlBar* iTarget, int iMethod);
    virtual int DockToTargetByMouse(CGTBaseControlBar* iTarget);
    virtual CSize GetStretchBound() const;
    // The change of size a requested rectangle means for the bar, kept above the stored size.
    virtual CSize CalcAvailableSize(CRect iRect, UINT iFlags);
    // Grows (positive) or shrinks the bar along its length; the change applied.
    virtual int StretchBar(int iDelta);
    // Where a dragged bar would dock; oHandled when the target took the drop itself.
    virtual CGTBaseControlBar* FindDockTarget(int iSensitivity, int& oHitCode, BOOL& oHandled);
    // Whether a dragged bar leaves (docked) or enters (floating) the dock bar under the cursor.
    virtual BOOL AttachToBar(int iSensitivity, CGTDockBar*& oDockBar);
    // Docks or shows the bar where the loaded layout says.
    virtual void RestorePlacement(CGTDockManager& ioManager);
    virtual void StopDragging();
    // FALSE refuses the float.
    virtual BOOL OnBeforeFloat(CRect& ioRect, int iMethod);
    virtual void RefreshFloatingFrame();
    virtual BOOL Create(LPCWSTR iClassName, DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId,
                        DWORD iBehaviourStyle = GTBehaviourAll, CCreateContext* iContext = nullptr);
    // Without a class name, the toolkit's "VADEControlBar" class.
    virtual BOOL CreateEx(DWORD iExStyle, LPCWSTR iClassName, DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId,
                          DWORD iBehaviourStyle = GTBehaviourAll, CCreateContext* iContext = nullptr);
    virtual CSize CalcSizeForRect(CRect iRect);
    // Takes the size the bar asks for; iArrange re-lays out its row and the frame.
    virtual void AdjustSize(BOOL iArrange);
    // A caption drag has begun but the bar does not float yet.
    virtual BOOL IsFloatPending() const;
    virtual void OnAutoHideCommand();
    virtual void OnHideCommand();
    // The docking menu at a screen point; FALSE when the bar offers none.
    virtual BOOL HandleOwnContextMenu(CPoint iScreenPoint);
    // FALSE refuses the menu.
    virtual BOOL OnBeforeDockingMenu(CMenu& ioMenu);
    // FALSE refuses the chosen command.
    virtual BOOL OnDockingMenuCommand(UINT iCommand);
    virtual void ResumeDrag();
    virtual void OnRowChanged();
    // FALSE refuses the dock.
    virtual BOOL OnBeforeDock(CGTBaseControlBar*& ioTarget, LPCRECT iRect, int iMethod);
    virtual void OnAfterDock(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod);
    virtual void OnBeforeStretch(int& ioDelta);
    virtual void OnAfterStretch(int iDelta);
    virtual void ChangeParent(CWnd* iNewParent, int iMethod);
    virtual void SetBeingDragged(BOOL iDragged);
    // 0 when the bar or the target refuses; the bar then stays where it was.
    virtual int DockAtTarget(CGTBaseControlBar* iTarget, LPCRECT iRect, int iMethod);
    virtual BOOL EnterDragMode(BOOL iChangeHotPoint);
    virtual void StoreRecentDockInfo();

    // --- Non-virtual operations ---

    // Records the window rectangle, in the parent's client coordinates, as the virtual one.
    void StoreCurrentRect();
    const CRect& GetVirtualRect() const { return m_VirtualRect; }
    // Offsets the virtual rectangle; a horizontal bar in a right-to-left parent mirrors x.
    void OffsetVirtualRect(CSize iDelta);
    // Moves the bar with its row: along x on left and right dock bars, along y on top and
    // bottom ones. FALSE when the window could not be moved.
    BOOL MoveWithOffset(DWORD iAlignment, int iDelta);
    // The point lies before the bar along its dock bar (in screen coordinates with iScreen,
    // else in the dock bar's client coordinates); TRUE without a dock bar.
    BOOL IsPointBeforeBar(CPoint iPoint, BOOL iScreen) const;
    // A zero-filled block of iCount records of iSize bytes (none for iCount 0 or less);
    // FALSE when it cannot be allocated.
    BOOL AllocRowExtraArray(int iCount, int iSize);
    BYTE* GetRowExtraArray() const { return m_RowExtra; }
    int GetRowExtraCount() const { return m_RowExtraCount; }
    // Left, top, right, bottom.
    void SetBorders(int iLeft = 0, int iTop = 0, int iRight = 0, int iBottom = 0);
    void SetBorders(const RECT& iBorders) { SetBorders(iBorders.left, iBorders.top, iBorders.right, iBorders.bottom); }
    CRect GetBorders() const;
    // Shrinks a rectangle by the border lines of a docked, untabbed bar, the margins (turned for
    // a vertical bar) and the gripper strip; an empty one gives the negative sizes of all.
    void AdjustClientRectByBorders(CRect& ioRect, BOOL iHorizontal) const;
    CGTRecentDockInfo& GetRecentDockInfo() { return m_RecentDockInfo; }
    const CGTRecentDockInfo& GetRecentDockInfo() const { return m_RecentDockInfo; }
    BOOL IsGroupFirst() const { return m_GroupFirst; }
    BOOL IsGroupLast() const { return m_GroupLast; }
    BOOL IsRowActive() const { return m_RowActive; }
    void SetGroupFlags(BOOL iFirst, BOOL iLast)
    {
        m_GroupFirst = iFirst;
        m_GroupLast = iLast;
    }
    CPoint GetHotPoint() const { return m_HotPoint; }
    void SetHotPoint(CPoint iPoint) { m_HotPoint = iPoint; }
    BOOL HasRowChanged() const { return m_RowChanged; }
    void SetRowChanged(BOOL iChanged) { m_RowChanged = iChanged; }
    void SetFloatingFrameClass(CRuntimeClass* iClass) { m_FloatingFrameClass = iClass; }
    CRuntimeClass* GetFloatingFrameClass() const { return m_FloatingFrameClass; }
    int GetPinState() const { return m_PinState; }
    void SetStoredSize(CSize iSize) { m_StoredSize = iSize; }
    CGTControlBarImpl& GetImpl() { return m_Impl; }

    // The docked rectangle read with the bar's stored state.
    CRect GetLoadedDockedRect() const { return m_LoadedDockedRect; }

protected:
    afx_msg void OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams);
    afx_msg void OnNcPaint();
    afx_msg void OnNcDestroy();
    afx_msg void OnContextMenu(CWnd* iWindow, CPoint iPoint);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnStyleChanged(WPARAM iType, LPARAM iStyles);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg void OnCancelMode();
    afx_msg void OnChar(UINT iChar, UINT iRepeat, UINT iFlags);
    DECLARE_MESSAGE_MAP()

    // Ends a drag: the capture and the drag flags go, and the mini frame the bar left with them
    // unless the bar's own float asked to keep it.
    void EndDrag(BOOL iKeepTempWindow);
    // The release of an outline drag: floats the bar at the outline unless a target took it.
    void DropOutline();
    void CancelDrag();
    void KeepHotPointUnderCursor(CGTMiniFrameWnd& ioFrame, CPoint iHotPoint, CPoint iCursor);
    void ShowFloatingFrame(CGTMiniFrameWnd& ioFrame);

    // Creates a bar that hosts a control (a toolbar, a rebar) at no size and without a docking
    // pane's behaviour; its style word is then the bar style alone, the window style's own bits
    // being the control's.
    BOOL CreateWithBarStyle(LPCWSTR iClassName, DWORD iWindowStyle, CWnd* iParent, UINT iId, DWORD iBarStyle);
    // The docking menu's items and their states, without showing it.
    void BuildDockingMenu(CMenu& oMenu);
    void RunDockingMenuCommand(UINT iCommand);
    // The rectangle in the client coordinates of the parent dock bar, else of the owner frame.
    CRect RectInDockSite() const;
    BOOL ReadPlacement(CGTRegistry& ioRegistry);
    BOOL WritePlacement(CGTRegistry& ioRegistry, BOOL iFloating);

    BOOL m_RowChanged;
    // Among auto-hide toolbars: the first and last of a group, and the active one of a row.
    BOOL m_GroupFirst;
    BOOL m_GroupLast;
    BOOL m_RowActive;
    int m_RowExtraCount;
    BYTE* m_RowExtra;
    // The margins; the status bar and the toolbars read them by these names.
    int m_cxLeftBorder;
    int m_cxRightBorder;
    int m_cyTopBorder;
    int m_cyBottomBorder;
    int m_cxDefaultGap;
    int m_RecentLength;
    CRect m_VirtualRect;
    CRect m_DragStartRect;
    BOOL m_Dragging;
    UINT m_SavedId;
    CPoint m_HotPoint;
    BOOL m_DragEnded;
    BOOL m_BeingDragged;
    CRuntimeClass* m_FloatingFrameClass;
    CGTDragFrameImpl m_DragFrame;
    // The mini frame the bar left while being dragged out of it; destroyed when the drag ends.
    CGTMiniFrameWnd* m_TempDragWindow;
    DWORD m_Restriction;
    int m_PinState;
    CSize m_StoredSize;
    CGTRecentDockInfo m_RecentDockInfo;
    CRect m_LoadedDockedRect;
    BOOL m_LoadedFloating;
    BOOL m_MiniFrameDrag;
    CGTControlBarImpl m_Impl;
};
