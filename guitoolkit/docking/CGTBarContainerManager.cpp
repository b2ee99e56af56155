// The container-manager issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>

IMPLEMENT_DYNCREATE(CGTBarContainerManager, CObject)

int CGTBarContainerManager::s_NextSliderId = 1;

CGTBarContainerManager::CGTBarContainerManager()
    : m_Bars(10), m_Sliders(10), m_Root(nullptr), m_ContainerClass(nullptr), m_DefaultSlider(nullptr), m_OwnsTree(TRUE),
      m_DockSite(nullptr)
{
}

CGTBarContainerManager::~CGTBarContainerManager()
{
    if (m_OwnsTree)
        delete m_Root;
}

BOOL CGTBarContainerManager::Create(CWnd* iDockSite, CGTSlider* iDefaultSlider, CRuntimeClass* iContainerClass)
{
    m_DockSite = iDockSite;
    m_DefaultSlider = iDefaultSlider;
    m_ContainerClass = iContainerClass;
    m_Root = new CGTBarContainer(this);
    return TRUE;
}

BOOL CGTBarContainerManager::AddContainerManager(CGTDockingControlBar*, DWORD, CGTBarContainerManager*, BOOL)
{
    return FALSE;
}

BOOL CGTBarContainerManager::AddContainerManager(CGTBarContainerManager*, BOOL)
{
    return FALSE;
}

BOOL CGTBarContainerManager::AddContainerManagerToTabWnd(CGTDockingControlBar*, CGTBarContainerManager*)
{
    return FALSE;
}

void CGTBarContainerManager::AddControlBar(CGTDockingControlBar*) {}

CGTDockingControlBar* CGTBarContainerManager::AddControlBarToRecentContainer(CGTDockingControlBar*, CGTBarContainer*)
{
    return nullptr;
}

BOOL CGTBarContainerManager::InsertControlBar(CGTDockingControlBar*, CGTDockingControlBar*, DWORD)
{
    return FALSE;
}

void CGTBarContainerManager::OnSliderMove(CGTSlider*, UINT, int, HDWP&) {}

void CGTBarContainerManager::GetWindowRect(CRect& oRect) const
{
    oRect.SetRectEmpty();
}

void CGTBarContainerManager::GetAvailableSpace(CRect& oRect) const
{
    oRect.SetRectEmpty();
}

BOOL CGTBarContainerManager::RemoveControlBarFromContainer(CGTDockingControlBar*)
{
    return FALSE;
}

void CGTBarContainerManager::ResizeBarContainers(CRect, HDWP&) {}

void CGTBarContainerManager::StretchBarContainers(int, BOOL, int, HDWP&) {}

BOOL CGTBarContainerManager::ReplaceControlBar(CGTDockingControlBar*, CGTDockingControlBar*)
{
    return TRUE;
}

void CGTBarContainerManager::GetMinMaxOffset(CGTSlider*, int& oMinOffset, int& oMaxOffset, int& oStep)
{
    oMinOffset = 0;
    oMaxOffset = 0;
    oStep = -1;
}

BOOL CGTBarContainerManager::CheckAndGetVisibility()
{
    return FALSE;
}

BOOL CGTBarContainerManager::IsRootContainerVisible() const
{
    return FALSE;
}

void CGTBarContainerManager::GetMinSize(CSize& oSize) const
{
    oSize = CSize(0, 0);
}

int CGTBarContainerManager::GetVisibleBarCount() const
{
    return 0;
}

void CGTBarContainerManager::EnableGrippers(BOOL) {}

void CGTBarContainerManager::HideAll() {}

BOOL CGTBarContainerManager::CanFloat() const
{
    return FALSE;
}

BOOL CGTBarContainerManager::IsAnyBarQueryTrue() const
{
    return FALSE;
}

CGTDockingControlBar* CGTBarContainerManager::ControlBarFromPoint(CPoint, int, BOOL, BOOL& oIsTabArea, BOOL& oCaption)
{
    oIsTabArea = FALSE;
    oCaption = FALSE;
    return nullptr;
}

BOOL CGTBarContainerManager::DoesPointHitCaption(CPoint, CGTDockingControlBar*& oBar)
{
    oBar = nullptr;
    return FALSE;
}

CGTDockingControlBar* CGTBarContainerManager::GetFirstControlBar() const
{
    return m_Bars.IsEmpty() ? nullptr : static_cast<CGTDockingControlBar*>(m_Bars.GetHead());
}

CWnd* CGTBarContainerManager::GetDockSite() const
{
    return m_DockSite;
}

CGTDockingControlBar* CGTBarContainerManager::GetFirstVisibleBar() const
{
    return nullptr;
}

BOOL CGTBarContainerManager::AreAllBarsQueryTrue() const
{
    return TRUE;
}

void CGTBarContainerManager::SetBarsState(BOOL) {}

void CGTBarContainerManager::RemoveSlider(CGTSlider*) {}

void CGTBarContainerManager::StoreRecentDockInfo(CGTDockingControlBar*) {}

CGTBarContainer* CGTBarContainerManager::FindContainerByBar(CGTDockingControlBar*, BOOL& oLeftBar)
{
    oLeftBar = FALSE;
    return nullptr;
}

void CGTBarContainerManager::Serialize(CArchive&) {}
