// The docking-pane issues fill in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>

IMPLEMENT_SERIAL(CGTDockingControlBar, CGTControlBar, VERSIONABLE_SCHEMA | 2)

int CGTDockingControlBar::s_CaptionMargin = 2;
int CGTDockingControlBar::s_ButtonMargin = 2;
BOOL CGTDockingControlBar::s_HideUnusableButtons = TRUE;
int CGTDockingControlBar::s_SlideSteps = 12;
UINT CGTDockingControlBar::s_SlideInterval = 1;
UINT CGTDockingControlBar::s_CheckInterval = 700;
BOOL CGTDockingControlBar::s_AnimationDisabled = FALSE;
int CGTDockingControlBar::s_DefaultSlideMode = 1;
BOOL CGTDockingControlBar::s_HideAutoHiddenPanes = FALSE;
BOOL CGTDockingControlBar::s_RebuildCaptionButtons = TRUE;
BOOL CGTDockingControlBar::s_ShowWindowPositionButton = FALSE;

CGTDockingControlBar::CGTDockingControlBar()
    : m_PendingFloat(FALSE), m_LeftWindow(FALSE), m_CaptionHeight(0), m_HasCaption(FALSE), m_ButtonVerticalAdjust(0),
      m_Active(FALSE), m_NcRedrawRect(0, 0, 0, 0), m_ContainerShare(100), m_AutoHideAllAllowed(TRUE),
      m_AutoHideMode(FALSE), m_AutoHideCheckTimer(0), m_SlideTimer(0), m_SlidePosition(0), m_SlideStep(0),
      m_RestoredRect(0, 0, 0, 0), m_Sliding(FALSE), m_SlidingIn(FALSE), m_SlideMode(s_DefaultSlideMode),
      m_KeepOpen(FALSE), m_AutoHideButton(nullptr), m_AutoHideToolBar(nullptr),
      m_TabbedPaneClass(RUNTIME_CLASS(CGTTabbedControlBar)), m_DefaultSlider(nullptr), m_HoveredButton(0),
      m_PressedButton(0), m_ButtonCapture(FALSE)
{
}

CGTDockingControlBar::~CGTDockingControlBar()
{
    for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i)
        delete m_CaptionButtons[i];
}

BOOL CGTDockingControlBar::IsResizable() const
{
    return TRUE;
}

BOOL CGTDockingControlBar::CanBeTabbed() const
{
    return TRUE;
}

BOOL CGTDockingControlBar::Create(LPCWSTR iCaption, CWnd* iParent, CSize iSize, BOOL iHasGripper, UINT iId,
                                  DWORD iStyle, DWORD iTabbedStyle, DWORD iBehaviourStyle)
{
    return Create(iCaption, iParent, CRect(CPoint(0, 0), iSize), iHasGripper, iId, iStyle, iTabbedStyle,
                  iBehaviourStyle);
}

BOOL CGTDockingControlBar::Create(LPCWSTR iCaption, CWnd* iParent, const RECT& iRect, BOOL iHasGripper, UINT iId,
                                  DWORD iStyle, DWORD iTabbedStyle, DWORD iBehaviourStyle, CCreateContext* iContext)
{
    return CreateEx(0, iCaption, iParent, iRect, iHasGripper, iId, iStyle, iTabbedStyle, iBehaviourStyle, iContext);
}

BOOL CGTDockingControlBar::CreateEx(DWORD, LPCWSTR, CWnd*, const RECT&, BOOL, UINT, DWORD, DWORD, DWORD,
                                    CCreateContext*)
{
    return FALSE;
}

void CGTDockingControlBar::GetTabAreaRects(CRect& oTop, CRect& oBottom) const
{
    oTop.SetRectEmpty();
    oBottom.SetRectEmpty();
}

int CGTDockingControlBar::HitTestCaption(CPoint, BOOL)
{
    return HTNOWHERE;
}

BOOL CGTDockingControlBar::CanAutoHideAll() const
{
    return m_AutoHideAllAllowed;
}

int CGTDockingControlBar::HitTestDockTarget(CPoint, int)
{
    return 0;
}

CGTDockingControlBar* CGTDockingControlBar::AttachToTabWnd(CGTDockingControlBar*, int, BOOL,
                                                           CGTBaseTabbedBar** oTabbedBar)
{
    if (oTabbedBar != nullptr)
        *oTabbedBar = nullptr;
    return nullptr;
}

CGTBaseTabbedBar* CGTDockingControlBar::CreateTabbedBar()
{
    return nullptr;
}

BOOL CGTDockingControlBar::DockBesidePane(CGTDockingControlBar*, DWORD, LPCRECT)
{
    return FALSE;
}

BOOL CGTDockingControlBar::DockContainerBesidePane(CGTBarContainerManager*, DWORD, int)
{
    return FALSE;
}

void CGTDockingControlBar::NotifyDocked() {}

CGTAutoHideToolBar* CGTDockingControlBar::SetAutoHideMode(BOOL, DWORD, CGTAutoHideToolBar*, BOOL)
{
    return nullptr;
}

BOOL CGTDockingControlBar::CanHideAutoHiddenPane() const
{
    return s_HideAutoHiddenPanes;
}

BOOL CGTDockingControlBar::IsSlideFinished() const
{
    return !m_Sliding || !m_SlidingIn;
}

int CGTDockingControlBar::GetSlideMode() const
{
    return m_SlideMode;
}

void CGTDockingControlBar::CopyState(const CGTDockingControlBar&) {}

void CGTDockingControlBar::StoreRecentTabRelatedInfo() {}

void CGTDockingControlBar::DrawCaption(CDC*, CRect) {}

void CGTDockingControlBar::MoveToContainerRect() {}

void CGTDockingControlBar::OnTrackCaptionButtons(CPoint) {}

void CGTDockingControlBar::StopCaptionButtonsTracking() {}

void CGTDockingControlBar::CreateCaptionButtons() {}

void CGTDockingControlBar::CheckAutoHideCondition() {}

BOOL CGTDockingControlBar::IsSlideComplete() const
{
    return TRUE;
}

void CGTDockingControlBar::SlideStep() {}
