// The smart-docking issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTSmartDockingManager.h>

IMPLEMENT_DYNAMIC(CGTSmartDockingManager, CObject)

CGTSmartDockingManager::CGTSmartDockingManager()
    : m_Started(FALSE), m_Created(FALSE), m_Shown(FALSE), m_CentralGroupShown(FALSE), m_HoveredMarker(-1),
      m_Host(nullptr), m_DraggedWnd(nullptr), m_AllowedAlignments(0xF000), m_DockSiteRect(0, 0, 0, 0), m_Markers{},
      m_CentralGroup(nullptr)
{
}

CGTSmartDockingManager::~CGTSmartDockingManager()
{
    for (int id = 0; id < 4; ++id)
        delete m_Markers[id];
    delete m_CentralGroup;
}

void CGTSmartDockingManager::Create(CWnd* iHost, CRuntimeClass*, CRuntimeClass*)
{
    m_Host = iHost;
}

void CGTSmartDockingManager::Destroy() {}

void CGTSmartDockingManager::Start(CWnd*) {}

void CGTSmartDockingManager::Stop() {}

void CGTSmartDockingManager::Show(BOOL) {}

void CGTSmartDockingManager::OnPosChange(const CRect&) {}

void CGTSmartDockingManager::ShowCentralGroup(BOOL, DWORD) {}

void CGTSmartDockingManager::MoveCentralGroup(const CRect&, int, DWORD) {}

void CGTSmartDockingManager::OnMouseMove(CPoint) {}

void CGTSmartDockingManager::ShowPlace(const CRect&) {}

void CGTSmartDockingManager::ShowTabbedPlace(const CRect&, int, int, int) {}

void CGTSmartDockingManager::HidePlace() {}

void CGTSmartDockingManager::CauseCancelMode() {}
