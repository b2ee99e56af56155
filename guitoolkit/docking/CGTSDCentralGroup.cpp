// The smart-docking issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTSDCentralGroup.h>

IMPLEMENT_DYNAMIC(CGTCentralGroupWnd, CWnd)
IMPLEMENT_DYNCREATE(CGTSDCentralGroup, CObject)
IMPLEMENT_DYNAMIC(CGTSDPlaceMarkerWnd, CWnd)

BOOL CGTSDPlaceMarkerWnd::s_TabsOnTop = FALSE;

CGTCentralGroupWnd::CGTCentralGroupWnd() : m_Group(nullptr) {}

CGTSDCentralGroup::CGTSDCentralGroup() : m_Created(FALSE), m_CentreMarkerOn(TRUE), m_Layered(FALSE)
{
    m_Wnd.m_Group = this;
}

CGTSDCentralGroup::~CGTSDCentralGroup() = default;

BOOL CGTSDCentralGroup::Create(CWnd*)
{
    return FALSE;
}

void CGTSDCentralGroup::Destroy() {}

void CGTSDCentralGroup::Show(BOOL) {}

BOOL CGTSDCentralGroup::MoveTo(const CRect&, int)
{
    return FALSE;
}

CGTSDCentralGroupMarker* CGTSDCentralGroup::GetMarker(int iId)
{
    return iId >= 4 && iId <= 8 ? &m_Markers[iId - 4] : nullptr;
}

CGTSDPlaceMarkerWnd::CGTSDPlaceMarkerWnd()
    : m_Host(nullptr), m_DraggedWnd(nullptr), m_ShownRect(0, 0, 0, 0), m_TabRect(0, 0, 0, 0), m_Tabbed(FALSE),
      m_Shown(FALSE), m_UseSystemHighlight(FALSE)
{
}

BOOL CGTSDPlaceMarkerWnd::Create(CWnd* iHost)
{
    m_Host = iHost;
    return FALSE;
}

void CGTSDPlaceMarkerWnd::ShowAt(const CRect&) {}

void CGTSDPlaceMarkerWnd::ShowTabbedAt(const CRect&, const CRect&) {}

void CGTSDPlaceMarkerWnd::Hide() {}
