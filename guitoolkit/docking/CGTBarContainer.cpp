// The container-tree issue fills in the layout; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTSlider.h>

IMPLEMENT_DYNCREATE(CGTBarContainer, CObject)

int CGTBarContainer::s_MaintainPercentage = 0;

CGTBarContainer::CGTBarContainer(CGTBarContainerManager* iManager, CGTDockingControlBar* iLeft,
                                 CGTDockingControlBar* iRight, CGTSlider* iSlider)
    : m_LeftBar(iLeft), m_RightBar(iRight), m_Slider(iSlider), m_LeftContainer(nullptr), m_RightContainer(nullptr),
      m_Parent(nullptr), m_Manager(iManager), m_Percent(50), m_SavedSliderHorizontal(FALSE), m_ReferenceCount(0),
      m_SavedSliderStyle(0), m_SavedSliderRect(0, 0, 0, 0), m_SavedLeftBarId(-1), m_SavedRightBarId(-1),
      m_SavedSliderId(-1), m_LeftTabIds(10), m_RightTabIds(10), m_QueuedForDeletion(FALSE)
{
}

CGTBarContainer::~CGTBarContainer()
{
    delete m_LeftContainer;
    delete m_RightContainer;
}

void CGTBarContainer::GetContainerRect(CRect& oRect, BOOL) const
{
    oRect.SetRectEmpty();
}

void CGTBarContainer::GetMinSize(CSize& oSize) const
{
    oSize = CSize(0, 0);
}

void CGTBarContainer::GetLeftMinSize(CSize& oSize) const
{
    oSize = CSize(0, 0);
}

void CGTBarContainer::GetRightMinSize(CSize& oSize) const
{
    oSize = CSize(0, 0);
}

int CGTBarContainer::GetResizeStep() const
{
    return -1;
}

void CGTBarContainer::FillContainerRect(CGTDockingControlBar*, BOOL) {}

BOOL CGTBarContainer::RemoveControlBar(CGTDockingControlBar*)
{
    return FALSE;
}

void CGTBarContainer::DeleteControlBar(CGTDockingControlBar*, int) {}

void CGTBarContainer::StoreRecentDockInfo(CGTDockingControlBar*) {}

void CGTBarContainer::MoveContainer(int, int) {}

void CGTBarContainer::Serialize(CArchive&) {}

void CGTBarContainer::SetBar(CGTDockingControlBar* iBar, BOOL iLeft)
{
    (iLeft ? m_LeftBar : m_RightBar) = iBar;
}

void CGTBarContainer::SetContainer(CGTBarContainer* iContainer, BOOL iLeft)
{
    (iLeft ? m_LeftContainer : m_RightContainer) = iContainer;
    if (iContainer != nullptr)
        iContainer->m_Parent = this;
}

CGTBarContainer* CGTBarContainer::FindSubContainer(const CObject* iKey, int iCriterion)
{
    const CObject* mine[] = {m_LeftBar, m_RightBar, m_Slider, this};
    if (iCriterion >= 0 && iCriterion < 4 && mine[iCriterion] == iKey)
        return this;
    for (CGTBarContainer* child : {m_LeftContainer, m_RightContainer}) {
        if (CGTBarContainer* found = child != nullptr ? child->FindSubContainer(iKey, iCriterion) : nullptr)
            return found;
    }
    return nullptr;
}

CList<int, int>* CGTBarContainer::GetTabIDList(const CGTDockingControlBar* iBar)
{
    if (iBar == m_LeftBar)
        return &m_LeftTabIds;
    return iBar == m_RightBar ? &m_RightTabIds : nullptr;
}

int CGTBarContainer::Release()
{
    return --m_ReferenceCount > 0 ? m_ReferenceCount : 0;
}
