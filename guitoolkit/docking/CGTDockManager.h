// The per-frame registry of everything that docks: the frame's dock bars, docked bars and
// panes, sliders, auto-hide sliders and floating mini frames. It creates the dock bars of the
// enabled sides, docks bars on request, finds them by id, point or side, shows and hides
// them as a group, lays them out in the frame, decides where a dragged frame docks, offers
// the bars menu and saves the docking layout under "<section>VADEDockManager-<id>"
// ("DockingCBAndSliders"). Every toolkit frame holds one.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

class CGTAutoHideToolBar;
class CGTBaseControlBar;
class CGTControlBar;
class CGTDockBar;
class CGTDockingControlBar;
class CGTMiniFrameWnd;
class CGTSlider;
class CGTSmartDockingManager;

// The look of the smart-docking markers.
struct CGTSmartDockingParams {
    CGTSmartDockingParams();

    CSize m_CentralGroupSize;
    int m_CentralGroupOffset;
    COLORREF m_TransparentColor;
    // Built-in marker images are recoloured from the first tone to the second; -1: the look's.
    COLORREF m_ToneSource;
    COLORREF m_ToneTarget;
    // Bitmap resources of the left, right, top, bottom and centre markers; 0: built in.
    UINT m_MarkerBitmaps[5];
    UINT m_MarkerHotBitmaps[5];
    // -1: the look's.
    COLORREF m_CentralGroupBackColor;
    COLORREF m_CentralGroupBorderColor;
    // The placement preview in the system highlight colour rather than a fixed blue.
    BOOL m_UseSystemHighlight;
};

// One auto-hidden pane of a saved layout.
class VADE_AUTOHIDEBAR_SAVE_INFO {
public:
    VADE_AUTOHIDEBAR_SAVE_INFO();
    VADE_AUTOHIDEBAR_SAVE_INFO(const VADE_AUTOHIDEBAR_SAVE_INFO& iOther);
    VADE_AUTOHIDEBAR_SAVE_INFO& operator=(const VADE_AUTOHIDEBAR_SAVE_INFO& iOther);
    void Serialize(CArchive& ioArchive);

    int m_nPaneId;
    DWORD m_dwSide;
    BOOL m_bShown;
    CRect m_rectPane;
    CList<UINT, UINT> m_lstGroupIds;
    BOOL m_bFirstInGroup;
    BOOL m_bLastInGroup;
    BOOL m_bActiveInGroup;
    CGTDockingControlBar* m_pSavedPane;
};

// Records go through their own Serialize.
inline void AFXAPI SerializeElements(CArchive& ioArchive, VADE_AUTOHIDEBAR_SAVE_INFO* ioRecords, INT_PTR iCount)
{
    for (INT_PTR i = 0; i < iCount; ++i)
        ioRecords[i].Serialize(ioArchive);
}

class CGTDockManager : public CObject {
    DECLARE_DYNAMIC(CGTDockManager)
public:
    CGTDockManager();
    ~CGTDockManager() override;

    void Serialize(CArchive& ioArchive) override;

    virtual CGTBaseControlBar* FindBarForDockingAtPoint(CPoint iPoint, int iSensitivity, CRuntimeClass* iClass,
                                                        DWORD& oAlignment, CGTBaseControlBar* iExclude = nullptr);
    virtual CGTBaseControlBar* FindBarAtPoint(CPoint iPoint, int iSensitivity, BOOL iExact, CRuntimeClass* iClass,
                                              BOOL iVisibleOnly = FALSE, const CGTBaseControlBar* iExclude = nullptr);
    virtual CGTMiniFrameWnd* FindMiniFrameAtPoint(CPoint iPoint, CGTMiniFrameWnd* iExclude = nullptr,
                                                  BOOL iMultiOnly = FALSE);
    // 0 none, 2 a frame edge, 3 into a multi-pane mini frame, else the target pane's own code.
    virtual int FindDockTarget(CPoint iPoint, int iSensitivity, DWORD iAllowedSides, CGTBaseControlBar*& oTarget,
                               CGTBaseControlBar* iDragged);
    virtual BOOL AddMiniFrame(CGTMiniFrameWnd* iFrame);
    virtual BOOL RemoveMiniFrame(CGTMiniFrameWnd* iFrame);
    virtual CGTBaseControlBar* FindBarById(UINT iId, BOOL iSearchMiniFrames = FALSE);
    virtual CGTDockBar* FindDockBarByAlignment(DWORD iAlignment, BOOL iFromHead);
    virtual CGTDockBar* FindDockBarOfRow(CGTBaseControlBar* iBar);
    virtual void RearrangeDockBars();
    virtual void AdjustAllBars();
    virtual void RecalcLayout(HDWP iDefer = nullptr);
    // TRUE: the frame keeps floating; FALSE: its bar docked.
    virtual BOOL ProcessFloatingFrameMove(CGTMiniFrameWnd* iFrame);
    // Where a floating bar dragged to the cursor would dock: oCode 1 into the dock bar answered,
    // 2 beside the pane answered or at the frame edge (null), 3 as a tab or into a multi-pane
    // frame; 0 and null for nowhere.
    CGTBaseControlBar* FindDragTarget(CGTControlBar& iBar, int& oCode);
    virtual void RefreshAllBarFrames();
    virtual BOOL SaveState(LPCWSTR iProfile, UINT iId);
    virtual BOOL LoadState(LPCWSTR iProfile, UINT iId);
    virtual void ApplyLoadedState();
    virtual BOOL ShowAllBars(BOOL iShow);
    virtual void ShowFloatingWindows(BOOL iShow);
    virtual BOOL CutDockStripFromRect(CRect& ioRect, DWORD iAlignment);

    BOOL SetOwnerFrame(CWnd* iFrame);
    CWnd* GetOwnerFrame() const { return m_pOwnerFrame; }
    BOOL AddBar(CGTBaseControlBar* iBar, BOOL iTail = TRUE, BOOL iAutoHide = FALSE, BOOL iInsertForOuterEdge = FALSE);
    BOOL InsertBarNextTo(CGTBaseControlBar* iBar, CGTBaseControlBar* iNeighbour, BOOL iAfter);
    void RemoveBar(CGTBaseControlBar* iBar, BOOL iDestroy = FALSE, BOOL iRecalcLayout = TRUE, BOOL iAutoHide = FALSE);
    BOOL CreateDockBars(DWORD iSides);
    BOOL CreateAutoHideDockBars(DWORD iSides);
    void DockBar(CGTBaseControlBar* iBar, UINT iDockBarId = 0, LPCRECT iRect = nullptr);
    CGTAutoHideToolBar* AddAutoHideBar(CGTDockingControlBar* iPane, CGTAutoHideToolBar* iToolBar = nullptr);
    void RaiseBars(DWORD iAlignment, BOOL iWithoutBars);
    void CollectBars(CObList& oBars, BOOL iIncludeAutoHide = FALSE, CRuntimeClass* iClass = nullptr);
    void ReorderFloatFrames();
    BOOL SendMessageToMiniFrames(UINT iMessage, WPARAM iWParam = 0, LPARAM iLParam = 0);
    void FreezeUpdates(BOOL iFreeze);
    BOOL IsPointNearDockArea(CPoint iPoint, DWORD& oAlignment, BOOL& oOuterEdge);
    void CalcExpectedDockedRect(CWnd* iDragged, CPoint iPoint, CRect& oRect, BOOL& oDrawTab,
                                CGTDockingControlBar*& oTarget);
    // The outline of a pane's drop on a pane of a multi-pane frame or of a docked group under
    // the point; FALSE when there is none there.
    BOOL PaneDropOutline(CGTDockingControlBar& iDragged, CGTMiniFrameWnd* iDraggedFrame, CPoint iPoint, CRect& oRect,
                         BOOL& oDrawTab, CGTDockingControlBar*& oTarget);
    void AlignAutoHideBar(CGTSlider* iSlider, BOOL iShowing);
    void SlideInAutoHideBars(CGTDockingControlBar* iExcept = nullptr, BOOL iImmediate = FALSE);
    // The auto-hide slider moves to the head of the auto-hide list.
    void BringAutoHideBarToFront(CGTSlider* iSlider);
    const CObList& GetAutoHideBars() const { return m_lstAutoHideSliders; }
    void GetClientAreaBounds(CRect& oRect) const { oRect = m_rectFreeArea; }
    DWORD GetAutoHideSides() const { return m_dwAutoHideSides; }
    BOOL AreUpdatesLocked() const { return m_bUpdateLocked; }
    void OnClosePopupMenu() { m_bMenuOpen = FALSE; }
    void SetPrintPreviewMode(BOOL iPreview);
    BOOL IsPrintPreviewMode() const { return m_bPreviewMode; }
    void BuildBarsMenu(CMenu& ioMenu, BOOL iToolbarsOnly);
    void ShowBarsContextMenu(CPoint iPoint);
    // The frame offers the bars menu; with iExtraCmd non-zero a last item runs that command.
    void EnableBarsMenu(BOOL iEnable, BOOL iToolbarsOnly = FALSE, UINT iExtraCmd = 0, LPCWSTR iExtraText = nullptr);
    BOOL RouteBarCommand(UINT iId, int iCode, void* iExtra, AFX_CMDHANDLERINFO* iHandlerInfo);
    // Made on first use; null when smart docking cannot start. A new look or new system colours
    // have the markers made again at the next use outside a drag.
    CGTSmartDockingManager* GetSmartDockingManager();
    // The one that exists, without making one.
    CGTSmartDockingManager* GetExistingSmartDockingManager() const { return m_pSmartDocking; }

    // 0x80 (smart) is stored as 0x81.
    static void SetDockingMode(int iMode);

    static int s_nDockingMode;
    static int s_nDockMargin;
    static BOOL s_bHideAllTakesPanes;
    static int s_nToolbarDockDelay;
    static int s_nPaneDockDelay;
    static BOOL s_bLayoutSuspended;
    // While a loaded layout is applied; bars then answer their remembered visibility.
    static BOOL s_bApplyingState;
    static BOOL s_bStoringState;
    static CGTSmartDockingParams s_smartDockingParams;

protected:
    BOOL m_bLayoutEnabled;
    BOOL m_bUpdateLocked;
    BOOL m_bAdjustSuspended;
    CObList m_lstBars;
    CObList m_lstAutoHideSliders;
    CObList m_lstLoadedDockedBars;
    CObList m_lstLoadedTabbedPanes;
    CObList m_lstLoadedFloatFrames;
    CList<VADE_AUTOHIDEBAR_SAVE_INFO, VADE_AUTOHIDEBAR_SAVE_INFO&> m_lstLoadedAutoHideInfo;
    CObList m_lstFloatFrames;
    CWnd* m_pOwnerFrame;
    CRect m_rectFreeArea;
    CRect m_rectOuterEdge;
    DWORD m_dwDockBarSides;
    DWORD m_dwAutoHideSides;
    CGTBaseControlBar* m_pHoverTarget;
    CGTMiniFrameWnd* m_pHoverFrame;
    // Milliseconds of the toolkit's clock.
    DWORD m_HoverStart;
    int m_nHoverHit;
    BOOL m_bPreviewMode;
    CObList m_lstHiddenBars;
    BOOL m_bAllBarsHidden;
    BOOL m_bBottomStrip;
    BOOL m_bInLayout;
    BOOL m_bInAdjust;
    BOOL m_bSkipApply;
    BOOL m_bApplyBlocked;
    CList<HWND, HWND> m_lstHiddenFloatFrames;
    CGTSmartDockingManager* m_pSmartDocking;
    // The ids the bars menu lists; the bars are looked up when a command comes.
    CMap<UINT, UINT, BOOL, BOOL> m_MenuBarIds;
    BOOL m_bMenuOpen;
    BOOL m_bBarsMenuEnabled;
    BOOL m_bBarsMenuToolbarsOnly;
    UINT m_nMenuExtraCmd;
    CString m_strMenuExtraText;

private:
    // A dock bar of the run-time class on a side of the owner frame, appended to the bar list.
    BOOL CreateDockBarOn(CRuntimeClass* iClass, DWORD iSide);
    // The dock bars of the run-time class for the sides not yet in ioCreated, top, bottom, left, right.
    BOOL CreateSideBars(CRuntimeClass* iClass, DWORD iSides, DWORD& ioCreated);
    // The pane held by an auto-hide slider, else the entry itself.
    static CGTBaseControlBar* HeldBarOf(CObject* iEntry);
    // Hides the visible entries of a list that a group hide takes, remembering them.
    void HideBarGroup(const CObList& iBars);
    void ShowHiddenBars(int iShowCommand);
    BOOL IsSmartDockingRunning() const;
    // Left and right exchanged for a frame laid out right to left.
    DWORD InLayoutDirection(DWORD iSide) const;
    // The edge test: the side of iRect whose strip holds the point, or 0.
    DWORD HitTestEdge(CPoint iPoint, const CRect& iRect, BOOL iOuter, DWORD iAllowed, int iCaption = 0,
                      int iTabArea = 0) const;
    void SetAutoHideStartOffsets();
    CRect ToScreen(CRect iRect) const;
};
