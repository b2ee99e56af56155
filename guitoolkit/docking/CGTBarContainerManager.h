// Owns one container tree and the lists of the docking panes and sliders in it: one per group
// of panes docked along a frame edge (through the group's default slider) and one per
// multi-pane mini frame. It docks panes beside one another, merges other trees, answers hit
// tests and sizes for the group, and saves and loads the tree with its pane list.
#pragma once
#include <afxwin.h>

class CGTBarContainer;
class CGTBaseControlBar;
class CGTDockManager;
class CGTDockingControlBar;
class CGTSlider;

class CGTBarContainerManager : public CObject {
    DECLARE_DYNCREATE(CGTBarContainerManager)
public:
    CGTBarContainerManager();
    ~CGTBarContainerManager() override;

    virtual BOOL Create(CWnd* iDockSite, CGTSlider* iDefaultSlider, CRuntimeClass* iContainerClass = nullptr);
    virtual BOOL AddContainerManager(CGTDockingControlBar* iTarget, DWORD iAlignment, CGTBarContainerManager* iOther,
                                     BOOL iCopy);
    virtual BOOL AddContainerManager(CGTBarContainerManager* iOther, BOOL iCopy);
    virtual BOOL AddContainerManagerToTabWnd(CGTDockingControlBar* iTarget, CGTBarContainerManager* iOther);
    virtual void AddControlBar(CGTDockingControlBar* iBar);
    virtual CGTDockingControlBar* AddControlBarToRecentContainer(CGTDockingControlBar* iBar, CGTBarContainer* iRecent);
    virtual BOOL InsertControlBar(CGTDockingControlBar* iNew, CGTDockingControlBar* iTarget, DWORD iAlignment);
    virtual void OnSliderMove(CGTSlider* iSlider, UINT iFlags, int iOffset, HDWP& ioDefer);
    virtual void GetWindowRect(CRect& oRect) const;
    virtual void GetAvailableSpace(CRect& oRect) const;
    virtual BOOL RemoveControlBarFromContainer(CGTDockingControlBar* iBar);
    virtual void ResizeBarContainers(CRect iRect, HDWP& ioDefer);
    virtual void StretchBarContainers(int iDirection, BOOL iGrow, int iOffset, HDWP& ioDefer);
    virtual BOOL ReplaceControlBar(CGTDockingControlBar* iOld, CGTDockingControlBar* iNew);
    virtual void GetMinMaxOffset(CGTSlider* iSlider, int& oMinOffset, int& oMaxOffset, int& oStep);
    virtual BOOL CheckAndGetVisibility();
    virtual BOOL IsRootContainerVisible() const;
    virtual void GetMinSize(CSize& oSize) const;
    virtual int GetVisibleBarCount() const;
    virtual void EnableGrippers(BOOL iEnable);
    virtual void HideAll();
    virtual BOOL CanFloat() const;
    // TRUE when a listed pane answers its insert-before (float) query.
    virtual BOOL IsAnyBarQueryTrue() const;
    virtual CGTDockingControlBar* ControlBarFromPoint(CPoint iScreenPoint, int iSensitivity, BOOL iExactBar,
                                                      BOOL& oIsTabArea, BOOL& oCaption);
    virtual BOOL DoesPointHitCaption(CPoint iPoint, CGTDockingControlBar*& oBar);
    virtual CGTDockingControlBar* GetFirstControlBar() const;
    virtual CWnd* GetDockSite() const;
    virtual CGTDockingControlBar* GetFirstVisibleBar() const;
    // Every listed pane may be tabbed (TRUE for none).
    virtual BOOL AreAllBarsQueryTrue() const;
    // The keep-open flag of every listed pane.
    virtual void SetBarsState(BOOL iKeepOpen);
    virtual void RemoveSlider(CGTSlider* iSlider);
    virtual void StoreRecentDockInfo(CGTDockingControlBar* iBar);
    virtual CGTBarContainer* FindContainerByBar(CGTDockingControlBar* iBar, BOOL& oLeftBar);
    void Serialize(CArchive& ioArchive) override;

    BOOL IsEmpty() const { return m_Bars.IsEmpty(); }
    const CObList& GetBars() const { return m_Bars; }
    const CObList& GetSliders() const { return m_Sliders; }
    CGTBarContainer* GetRoot() const { return m_Root; }
    CGTSlider* GetDefaultSlider() const { return m_DefaultSlider; }
    CRuntimeClass* GetContainerClass() const { return m_ContainerClass; }
    CGTDockingControlBar* FindTabbedBarByTabID(int iId) const;
    int GetNodeCount() const;
    int GetTotalReferenceCount() const;
    void AddToBarList(CGTDockingControlBar* iBar);
    void AddSlider(CGTSlider* iSlider);
    // The default slider removes the group when it is empty and unreferenced.
    void CheckDefaultSlider();
    void RemoveNonValidBars();
    BOOL IsValidBar(const CGTDockingControlBar* iBar) const;
    // Appends the listed panes and sliders that are shown.
    void CollectVisible(CObList& oBars, CObList& oSliders) const;
    void RemoveVisibleFromLists();
    // Null when the window cannot be made; iId -1 takes the next free id.
    CGTSlider* CreateSlider(CRect iRect, DWORD iStyle, int iId = -1);
    BOOL AddControlBarAndSlider(CGTDockingControlBar* iTarget, CGTDockingControlBar* iNew, DWORD iAlignment);
    BOOL AddContainerToBar(CGTDockingControlBar* iBar, CGTBarContainer* iContainer, DWORD iAlignment);
    // Gives the new part of a rectangle its side (at least the minimum size, at most half of
    // the container), the slider the band beside it, and the container the rest.
    // Moves windows to a new parent; all but sliders keep their place on the screen.
    static void ReparentBars(const CObList& iWindows, CWnd* iParent, BOOL iVisibleOnly);
    static void SplitRectForDocking(CRect& ioContainer, CRect& ioNew, CRect& oSlider, DWORD& oSliderStyle,
                                    DWORD iAlignment, int iMinWidth, int iMinHeight);

    static int s_NextSliderId;
    // Kept free round the group's default slider when it is dragged.
    static const int s_DefaultSliderMargin = 4;

protected:
    BOOL IsInBarList(const CGTDockingControlBar* iBar) const;
    CGTBarContainer* CreateNode(CGTDockingControlBar* iLeft, CGTDockingControlBar* iRight, CGTSlider* iSlider) const;
    BOOL IsRightToLeft() const;
    CGTDockManager* GetDockManager() const;

    CObList m_Bars;
    CObList m_Sliders;
    CGTBarContainer* m_Root;
    CRuntimeClass* m_ContainerClass;
    CGTSlider* m_DefaultSlider;
    BOOL m_OwnsTree;
    CWnd* m_DockSite;
};
