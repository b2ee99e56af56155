#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/GTDockingGeometry.h>
#include <set>

IMPLEMENT_DYNCREATE(CGTBarContainer, CObject)

int CGTBarContainer::s_MaintainPercentage = 0;

namespace {
std::set<const CGTBarContainer*>& LiveContainers()
{
    static std::set<const CGTBarContainer*> live;
    return live;
}

// Collapsed nodes wait here until the process ends.
class DeletionList {
public:
    ~DeletionList()
    {
        while (!m_Nodes.IsEmpty())
            delete m_Nodes.RemoveHead();
    }
    CObList m_Nodes{10};
};

DeletionList& CollapsedNodes()
{
    static DeletionList list;
    return list;
}
}  // namespace

CGTBarContainer::CGTBarContainer(CGTBarContainerManager* iManager, CGTDockingControlBar* iLeft,
                                 CGTDockingControlBar* iRight, CGTSlider* iSlider)
    : m_LeftBar(iLeft), m_RightBar(iRight), m_Slider(iSlider), m_LeftContainer(nullptr), m_RightContainer(nullptr),
      m_Parent(nullptr), m_Manager(iManager), m_Percent(50), m_SavedSliderHorizontal(FALSE), m_ReferenceCount(0),
      m_SavedSliderStyle(0), m_SavedSliderRect(0, 0, 0, 0), m_SavedLeftBarId(-1), m_SavedRightBarId(-1),
      m_SavedSliderId(-1), m_LeftTabIds(10), m_RightTabIds(10), m_QueuedForDeletion(FALSE)
{
    // The live set is made first so that it outlives the collapsed nodes deleted at exit.
    LiveContainers().insert(this);
    CollapsedNodes();
}

CGTBarContainer::~CGTBarContainer()
{
    LiveContainers().erase(this);
    delete m_LeftContainer;
    delete m_RightContainer;
    if (m_Slider != nullptr && !m_Slider->IsDefaultSlider() && ::IsWindow(m_Slider->GetSafeHwnd()))
        m_Slider->DestroyWindow();
}

BOOL CGTBarContainer::IsLive(const CGTBarContainer* iContainer)
{
    return iContainer != nullptr && LiveContainers().count(iContainer) != 0;
}

BOOL CGTBarContainer::RemoveControlBar(CGTDockingControlBar* iBar)
{
    for (int side = 0; side < 2; ++side) {
        if (CGTBarContainer* node = FindSubContainer(iBar, side)) {
            node->DeleteControlBar(iBar, side);
            return TRUE;
        }
    }
    return FALSE;
}

void CGTBarContainer::StoreRecentDockInfo(CGTDockingControlBar* iBar)
{
    CGTSlider* slider = DYNAMIC_DOWNCAST(CGTSlider, CWnd::FromHandlePermanent(iBar->GetDefaultSlider()));
    if (slider != nullptr && slider->IsAutoHideSlider() && iBar->GetParentMiniFrame() == nullptr)
        return;
    iBar->GetRecentDockInfo().StoreDockInfo(this);
}

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

BOOL CGTBarContainer::IsContainerEmpty() const
{
    return m_LeftBar == nullptr && m_RightBar == nullptr &&
        (m_LeftContainer == nullptr || m_LeftContainer->IsContainerEmpty()) &&
        (m_RightContainer == nullptr || m_RightContainer->IsContainerEmpty());
}

BOOL CGTBarContainer::IsContainerVisible() const
{
    return GTGeometry::IsShown(m_LeftBar) || GTGeometry::IsShown(m_RightBar) ||
        (m_LeftContainer != nullptr && m_LeftContainer->IsContainerVisible()) ||
        (m_RightContainer != nullptr && m_RightContainer->IsContainerVisible());
}

BOOL CGTBarContainer::IsLeftPartEmpty(BOOL iCheckVisibility) const
{
    const BOOL noBar = m_LeftBar == nullptr || (iCheckVisibility && !GTGeometry::IsShown(m_LeftBar));
    return noBar &&
        (m_LeftContainer == nullptr || m_LeftContainer->IsContainerEmpty() ||
         (iCheckVisibility && !m_LeftContainer->IsContainerVisible()));
}

BOOL CGTBarContainer::IsRightPartEmpty(BOOL iCheckVisibility) const
{
    const BOOL noBar = m_RightBar == nullptr || (iCheckVisibility && !GTGeometry::IsShown(m_RightBar));
    return noBar &&
        (m_RightContainer == nullptr || m_RightContainer->IsContainerEmpty() ||
         (iCheckVisibility && !m_RightContainer->IsContainerVisible()));
}

BOOL CGTBarContainer::IsSliderHorz() const
{
    return m_Slider != nullptr ? m_Slider->IsHorizontal() : m_SavedSliderHorizontal;
}

void CGTBarContainer::CheckSliderVisibility()
{
    for (CGTBarContainer* child : {m_LeftContainer, m_RightContainer}) {
        if (child != nullptr)
            child->CheckSliderVisibility();
    }
    if (m_Slider == nullptr || m_Slider->GetSafeHwnd() == nullptr)
        return;
    const BOOL left =
        GTGeometry::IsShown(m_LeftBar) || (m_LeftContainer != nullptr && m_LeftContainer->IsContainerVisible());
    const BOOL right =
        GTGeometry::IsShown(m_RightBar) || (m_RightContainer != nullptr && m_RightContainer->IsContainerVisible());
    m_Slider->ShowWindow(left && right ? SW_SHOW : SW_HIDE);
}

BOOL CGTBarContainer::SetUpByID(int iId, CGTDockingControlBar* iBar)
{
    if (m_SavedLeftBarId == iId || m_SavedRightBarId == iId) {
        SetBar(iBar, m_SavedLeftBarId == iId);
        return TRUE;
    }
    return (m_LeftContainer != nullptr && m_LeftContainer->SetUpByID(iId, iBar)) ||
        (m_RightContainer != nullptr && m_RightContainer->SetUpByID(iId, iBar));
}

CList<int, int>* CGTBarContainer::GetTabIDList(const CGTDockingControlBar* iBar)
{
    if (iBar == m_LeftBar)
        return &m_LeftTabIds;
    return iBar == m_RightBar ? &m_RightTabIds : nullptr;
}

CGTDockingControlBar* CGTBarContainer::FindTabbedBarByTabID(int iId)
{
    if (m_LeftTabIds.Find(iId) != nullptr)
        return m_LeftBar;
    if (m_RightTabIds.Find(iId) != nullptr)
        return m_RightBar;
    for (CGTBarContainer* child : {m_LeftContainer, m_RightContainer}) {
        if (CGTDockingControlBar* found = child != nullptr ? child->FindTabbedBarByTabID(iId) : nullptr)
            return found;
    }
    return nullptr;
}

void CGTBarContainer::SetContainerManager(CGTBarContainerManager* iManager, BOOL iDeep)
{
    m_Manager = iManager;
    if (!iDeep)
        return;
    for (CGTBarContainer* child : {m_LeftContainer, m_RightContainer}) {
        if (child != nullptr)
            child->SetContainerManager(iManager, TRUE);
    }
}

int CGTBarContainer::GetNodeCount() const
{
    return 1 + (m_LeftContainer != nullptr ? m_LeftContainer->GetNodeCount() : 0) +
        (m_RightContainer != nullptr ? m_RightContainer->GetNodeCount() : 0);
}

int CGTBarContainer::GetTotalReferenceCount() const
{
    return m_ReferenceCount + (m_LeftContainer != nullptr ? m_LeftContainer->GetTotalReferenceCount() : 0) +
        (m_RightContainer != nullptr ? m_RightContainer->GetTotalReferenceCount() : 0);
}

int CGTBarContainer::Release()
{
    if (--m_ReferenceCount > 0)
        return m_ReferenceCount;
    CollapseNode();
    return 0;
}

void CGTBarContainer::RemoveNonValidBars()
{
    if (m_Manager != nullptr) {
        for (CGTDockingControlBar** bar : {&m_LeftBar, &m_RightBar}) {
            if (*bar != nullptr && !m_Manager->IsValidBar(*bar))
                *bar = nullptr;
        }
    }
    for (CGTBarContainer* child : {m_LeftContainer, m_RightContainer}) {
        if (child != nullptr)
            child->RemoveNonValidBars();
    }
}

void CGTBarContainer::CollapseNode()
{
    const int occupants =
        (m_LeftBar != nullptr) + (m_RightBar != nullptr) + (m_LeftContainer != nullptr) + (m_RightContainer != nullptr);
    if (occupants >= 2 || m_ReferenceCount >= 1 || m_QueuedForDeletion)
        return;
    if ((m_Slider != nullptr && m_Slider->IsDefaultSlider()) || m_Parent == nullptr || m_Parent->m_Parent == nullptr) {
        if (m_Manager != nullptr)
            m_Manager->CheckDefaultSlider();
        return;
    }
    const BOOL onLeft = m_Parent->m_LeftContainer == this;
    (onLeft ? m_Parent->m_LeftContainer : m_Parent->m_RightContainer) = nullptr;
    if (CGTDockingControlBar* bar = m_LeftBar != nullptr ? m_LeftBar : m_RightBar)
        m_Parent->SetBar(bar, onLeft);
    else if (CGTBarContainer* child = m_LeftContainer != nullptr ? m_LeftContainer : m_RightContainer)
        m_Parent->SetContainer(child, onLeft);
    m_LeftBar = m_RightBar = nullptr;
    m_LeftContainer = m_RightContainer = nullptr;
    if (m_Slider != nullptr && ::IsWindow(m_Slider->GetSafeHwnd()))
        m_Slider->DestroyWindow();
    m_Slider = nullptr;
    m_Parent = nullptr;
    m_QueuedForDeletion = TRUE;
    CollapsedNodes().m_Nodes.AddTail(this);
}

void CGTBarContainer::CollapseAll()
{
    for (CGTBarContainer* child : {m_LeftContainer, m_RightContainer}) {
        if (child != nullptr)
            child->CollapseAll();
    }
    if (m_Parent != nullptr && m_Parent->m_Parent != nullptr)
        CollapseNode();
}

void CGTBarContainer::InsertContainer(CGTBarContainer* iNew, BOOL iByLeftBar)
{
    CGTDockingControlBar* key = iByLeftBar ? iNew->m_LeftBar : iNew->m_RightBar;
    CGTBarContainer* node = FindSubContainer(key, 0);
    const BOOL left = node != nullptr;
    if (node == nullptr)
        node = FindSubContainer(key, 1);
    if (node == nullptr)
        return;
    node->SetBar(nullptr, left);
    node->SetContainer(iNew, left);
}

CGTBarContainer* CGTBarContainer::CreateNode() const
{
    CRuntimeClass* nodeClass = m_Manager != nullptr ? m_Manager->GetContainerClass() : nullptr;
    auto* node = nodeClass != nullptr ? DYNAMIC_DOWNCAST(CGTBarContainer, nodeClass->CreateObject()) : nullptr;
    if (node == nullptr)
        node = new CGTBarContainer;
    node->SetContainerManager(m_Manager, FALSE);
    return node;
}

CGTBarContainer* CGTBarContainer::CopyTree(CGTBarContainer* iParent)
{
    CGTBarContainer* copy = CreateNode();
    copy->m_Parent = iParent;
    copy->m_Percent = m_Percent;
    for (BOOL left : {TRUE, FALSE}) {
        CGTDockingControlBar*& bar = left ? m_LeftBar : m_RightBar;
        if (GTGeometry::IsShown(bar)) {
            copy->SetBar(bar, left);
            bar = nullptr;
        }
        if (CGTBarContainer* child = left ? m_LeftContainer : m_RightContainer)
            copy->SetContainer(child->CopyTree(copy), left);
    }
    if (GTGeometry::IsShown(m_Slider)) {
        m_SavedSliderStyle = static_cast<int>(m_Slider->GetSliderStyle());
        m_SavedSliderHorizontal = m_Slider->IsHorizontal();
        m_Slider->GetWindowRect(&m_SavedSliderRect);
        m_Slider->GetParent()->ScreenToClient(&m_SavedSliderRect);
        copy->m_Slider = m_Slider;
        m_Slider = nullptr;
    }
    return copy;
}

CGTBarContainer* CGTBarContainer::NonEmptyAncestor() const
{
    CGTBarContainer* node = m_Parent;
    while (node != nullptr && node->IsContainerEmpty())
        node = node->m_Parent;
    return node;
}

CWnd* CGTBarContainer::GetDockSite() const
{
    return m_Manager != nullptr ? m_Manager->GetDockSite() : nullptr;
}

CRect CGTBarContainer::ToDockSite(CRect iScreenRect) const
{
    if (CWnd* site = GetDockSite())
        site->ScreenToClient(&iScreenRect);
    return iScreenRect;
}

BOOL CGTBarContainer::IsAutoHideGroup() const
{
    CGTSlider* slider = m_Manager != nullptr ? m_Manager->GetDefaultSlider() : nullptr;
    return slider != nullptr && slider->IsAutoHideSlider();
}

BOOL CGTBarContainer::Counts(const CGTDockingControlBar* iBar) const
{
    return iBar != nullptr && (GTGeometry::IsShown(iBar) || IsAutoHideGroup());
}

BOOL CGTBarContainer::Counts(const CGTBarContainer* iContainer) const
{
    return iContainer != nullptr && (iContainer->IsContainerVisible() || IsAutoHideGroup());
}
