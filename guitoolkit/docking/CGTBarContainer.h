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
    CList<int, int>* GetTabIDList(const CGTDockingControlBar* iBar);
    void AddRef() { ++m_ReferenceCount; }
    // Collapses the node when no reference is left; the count left.
    int Release();

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
};
