// One node of the binary layout tree of a group of docking panes that share an area (along a
// frame edge, or in a multi-pane mini frame): two sides, each a pane or a sub-tree, split by
// a slider and shared by remembered percentages.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

class CGTBarContainerManager;
class CGTDockingControlBar;
class CGTSlider;

class CGTBarContainer : public CObject {
    DECLARE_DYNCREATE(CGTBarContainer)
public:
    CGTBarContainer(CGTBarContainerManager* iManager = nullptr, CGTDockingControlBar* iLeft = nullptr,
                    CGTDockingControlBar* iRight = nullptr, CGTSlider* iSlider = nullptr);
    ~CGTBarContainer() override;

    // Screen coordinates.
    virtual void GetContainerRect(CRect& oRect, BOOL iIgnoreVisibility = FALSE) const;
    virtual void GetMinSize(CSize& oSize) const;
    virtual void GetLeftMinSize(CSize& oSize) const;
    virtual void GetRightMinSize(CSize& oSize) const;
    virtual int GetResizeStep() const;
    virtual void FillContainerRect(CGTDockingControlBar* iIgnore, BOOL iSkip);
    virtual BOOL RemoveControlBar(CGTDockingControlBar* iBar);
    // iSide: 0 left, 1 right.
    virtual void DeleteControlBar(CGTDockingControlBar* iBar, int iSide);
    virtual void StoreRecentDockInfo(CGTDockingControlBar* iBar);
    virtual void MoveContainer(int iX, int iY);
    void Serialize(CArchive& ioArchive) override;

    void SetBar(CGTDockingControlBar* iBar, BOOL iLeft);
    void SetContainer(CGTBarContainer* iContainer, BOOL iLeft);
    // iCriterion: 0 left bar, 1 right bar, 2 slider, 3 the node itself.
    CGTBarContainer* FindSubContainer(const CObject* iKey, int iCriterion);
    BOOL IsLeftBar(const CGTDockingControlBar* iBar) const { return m_LeftBar == iBar; }
    BOOL IsContainerEmpty() const;
    BOOL IsContainerVisible() const;
    BOOL IsLeftPartEmpty(BOOL iCheckVisibility) const;
    BOOL IsRightPartEmpty(BOOL iCheckVisibility) const;
    BOOL IsSliderHorz() const;
    void CheckSliderVisibility();
    BOOL SetUpByID(int iId, CGTDockingControlBar* iBar);
    CList<int, int>* GetTabIDList(const CGTDockingControlBar* iBar);
    CGTDockingControlBar* FindTabbedBarByTabID(int iId);
    void SetContainerManager(CGTBarContainerManager* iManager, BOOL iDeep);
    int GetNodeCount() const;
    int GetTotalReferenceCount() const;
    void AddRef() { ++m_ReferenceCount; }
    // Collapses the node when no reference is left; the count left.
    int Release();
    void RemoveNonValidBars();
    void CollapseNode();
    void CollapseAll();
    void InsertContainer(CGTBarContainer* iNew, BOOL iByLeftBar);
    // Visible panes move to the copy; the source keeps the hidden ones and the slider's shape.
    CGTBarContainer* CopyTree(CGTBarContainer* iParent);
    void StoreRecentPercents();
    // iRect in the dock site's client coordinates.
    void ResizeContainer(CRect iRect, HDWP& ioDefer, BOOL iRepaint = TRUE);
    int MoveSlider(int iOffset, HDWP& ioDefer);
    CSize CalcAvailableSpace(CSize iDelta, BOOL iLeft) const;
    int CalcAvailableBarSpace(int iOffset, CGTDockingControlBar* iBar, CGTBarContainer* iContainer, BOOL iLeft) const;
    int StretchContainer(int iOffset, BOOL iHorizontal, BOOL iLeftBar, BOOL iMoveSlider, HDWP& ioDefer);
    void ResizeSide(int iOffset, BOOL iLeft, HDWP& ioDefer);
    // The bar that took iBar in: iBar, or a tabbed pane it became a tab of; null for none.
    CGTDockingControlBar* AddRecentBar(CGTDockingControlBar* iBar);
    void SaveTabbedBar(CArchive& ioArchive, CGTDockingControlBar* iBar);
    CGTDockingControlBar* LoadTabbedBar(CArchive& ioArchive, CList<int, int>& oTabIds);

    // Still allocated: recent-dock records hold counted pointers that may outlive a tree.
    static BOOL IsLive(const CGTBarContainer* iContainer);

    CGTDockingControlBar* m_LeftBar;
    CGTDockingControlBar* m_RightBar;
    CGTSlider* m_Slider;
    CGTBarContainer* m_LeftContainer;
    CGTBarContainer* m_RightContainer;
    CGTBarContainer* m_Parent;
    CGTBarContainerManager* m_Manager;
    int m_Percent;
    BOOL m_SavedSliderHorizontal;
    int m_ReferenceCount;
    int m_SavedSliderStyle;
    CRect m_SavedSliderRect;
    int m_SavedLeftBarId;
    int m_SavedRightBarId;
    int m_SavedSliderId;
    CList<int, int> m_LeftTabIds;
    CList<int, int> m_RightTabIds;
    BOOL m_QueuedForDeletion;

    // Off unless an application sets it: growth then follows the remembered shares.
    static int s_MaintainPercentage;

private:
    // A side's current rectangle (screen) and minimum size.
    struct Side {
        CRect m_Rect;
        CSize m_MinSize;
    };
    Side GetSide(BOOL iLeft) const;
    // The current split: both sides, the node's extent and the left one's (repaired), and
    // the share the repair took (-1 for none).
    struct Split {
        Side m_Left;
        Side m_Right;
        int m_Extent;
        int m_LeftExtent;
        int m_Recent;
    };
    Split MeasureSplit() const;
    // Moves a side's edge at the slider by an offset, held at its minimum size; the rectangle
    // ends in the dock site's client coordinates.
    void MoveInnerEdge(Side& ioSide, BOOL iLeft, int iOffset, BOOL iVertical) const;
    // The panes of an auto-hidden group are laid out although hidden.
    BOOL IsAutoHideGroup() const;
    BOOL Counts(const CGTDockingControlBar* iBar) const;
    BOOL Counts(const CGTBarContainer* iContainer) const;
    // A side's remembered share: its bar's, else its sub-tree's, else 50.
    int RememberedShare(BOOL iLeft) const;
    // Re-derives the left extent from remembered shares when the current split is broken;
    // the share it took, or -1.
    int RepairSplit(int iExtent, int& ioLeft, int iRight, BOOL iBroken) const;
    void PlaceSide(BOOL iLeft, const CRect& iRect, HDWP& ioDefer, BOOL iRepaint, int iShare);
    // Moves the side's edge that faces the node's moving edge (the far one with iFarEdge):
    // a positive offset always grows the side.
    void StretchPart(BOOL iLeft, int iOffset, BOOL iHorizontal, BOOL iFarEdge, HDWP& ioDefer);
    CGTBarContainer* CreateNode() const;
    CRect ToDockSite(CRect iScreenRect) const;
    CWnd* GetDockSite() const;
    CGTBarContainer* NonEmptyAncestor() const;
    void WriteSide(CArchive& ioArchive, CGTDockingControlBar* iBar);
    void ReadSide(CArchive& ioArchive, BOOL iLeft);
};
