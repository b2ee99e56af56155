// The slider issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>

IMPLEMENT_DYNCREATE(CGTSlider, CGTBaseControlBar)

CRuntimeClass* CGTSlider::s_ContainerManagerClass = RUNTIME_CLASS(CGTBarContainerManager);
CRuntimeClass* CGTSlider::s_SliderClass = RUNTIME_CLASS(CGTSlider);

CGTSlider::CGTSlider()
    : m_SliderId(0), m_SliderStyle(0), m_Thickness(0), m_Tracking(FALSE), m_DefaultSlider(FALSE),
      m_AutoHideSlider(FALSE), m_MinOffset(0), m_MaxOffset(0), m_Step(-1), m_TrackRect(0, 0, 0, 0),
      m_LimitRect(0, 0, 0, 0), m_ContainerManager(nullptr), m_OwnerWindow(nullptr)
{
}

CGTSlider::~CGTSlider() = default;

BOOL CGTSlider::IsHorizontal() const
{
    return (m_SliderStyle & horizontalStyle) != 0;
}

void CGTSlider::Move(int) {}

void CGTSlider::AddControlBar(CGTDockingControlBar*) {}

CGTDockingControlBar* CGTSlider::AddRecentControlBar(CGTDockingControlBar*)
{
    return nullptr;
}

BOOL CGTSlider::InsertControlBar(CGTDockingControlBar*, CGTDockingControlBar*, DWORD, LPCRECT)
{
    return FALSE;
}

BOOL CGTSlider::AttachControlBar(CGTDockingControlBar*, CGTDockingControlBar*)
{
    return FALSE;
}

void CGTSlider::RemoveControlBar(CGTDockingControlBar*) {}

void CGTSlider::RepositionInRect(CRect, HDWP&) {}

BOOL CGTSlider::AddContainerManager(CGTDockingControlBar*, DWORD, CGTBarContainerManager*)
{
    return FALSE;
}

BOOL CGTSlider::AddContainerManagerToTabWnd(CGTDockingControlBar*, CGTBarContainerManager*)
{
    return FALSE;
}

int CGTSlider::CheckVisibility()
{
    return 0;
}

void CGTSlider::ShowControlBar(CGTDockingControlBar*, BOOL) {}

BOOL CGTSlider::DoesContainerFloat() const
{
    return FALSE;
}

CGTDockingControlBar* CGTSlider::ControlBarFromPoint(CPoint, int, BOOL, BOOL& oIsTabArea, BOOL& oCaption)
{
    oIsTabArea = FALSE;
    oCaption = FALSE;
    return nullptr;
}

void CGTSlider::RemoveSelf() {}

BOOL CGTSlider::Create(DWORD iSliderStyle, const RECT& iRect, CWnd* iParent, UINT iId, CCreateContext* iContext)
{
    return CreateEx(0, iSliderStyle, iRect, iParent, iId, iContext);
}

BOOL CGTSlider::CreateEx(DWORD, DWORD, const RECT&, CWnd*, UINT, CCreateContext*)
{
    return FALSE;
}

void CGTSlider::StopTracking(BOOL) {}

void CGTSlider::Init(BOOL iDefaultSlider, CWnd* iOwner)
{
    m_DefaultSlider = iDefaultSlider;
    m_OwnerWindow = iOwner;
}

CGTSlider* CGTSlider::CreateDefaultSlider(DWORD, CWnd*, CRuntimeClass*)
{
    return nullptr;
}
