#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/IGTDockingFrame.h>

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

namespace {
const DWORD captionStyles = WS_CAPTION;
// Window-style bit: the pane floats with others in a multi-pane mini frame.
const DWORD multiPaneStyle = 0x40;
}  // namespace

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

BOOL CGTDockingControlBar::CreateEx(DWORD iExStyle, LPCWSTR iCaption, CWnd* iParent, const RECT& iRect,
                                    BOOL iHasGripper, UINT iId, DWORD iStyle, DWORD iTabbedStyle, DWORD iBehaviourStyle,
                                    CCreateContext* iContext)
{
    if (iStyle & multiPaneStyle)
        SetFloatingFrameClass(RUNTIME_CLASS(CGTMultiMiniFrameWnd));
    if (iTabbedStyle & 0x40)
        m_TabbedPaneClass = RUNTIME_CLASS(CGTOutlookBar);
    else if (iTabbedStyle & 0x20)
        m_TabbedPaneClass = RUNTIME_CLASS(CGTTabbedControlBar);
    DWORD style = iStyle;
    if ((style & captionStyles) != 0 || iHasGripper) {
        m_HasCaption = TRUE;
        style &= ~captionStyles;
    }
    if (!CGTControlBar::CreateEx(iExStyle, nullptr, style, iRect, iParent, iId, iBehaviourStyle, iContext))
        return FALSE;
    m_RestoredRect = iRect;
    const CSize minimum = GetStoredSize();
    if (minimum != CSize(0, 0)) {
        m_RestoredRect.right = m_RestoredRect.left + minimum.cx;
        m_RestoredRect.bottom = m_RestoredRect.top + minimum.cy;
    }
    SetAlignment(style & GTSideAny);
    EnableGripper(m_HasCaption);
    if (iCaption != nullptr)
        SetWindowText(iCaption);
    return TRUE;
}

void CGTDockingControlBar::GetTabAreaRects(CRect& oTop, CRect& oBottom) const
{
    oTop.SetRectEmpty();
    oBottom.SetRectEmpty();
}

BOOL CGTDockingControlBar::CanAutoHideAll() const
{
    return m_AutoHideAllAllowed;
}

BOOL CGTDockingControlBar::IsAutoHideMode() const
{
    return m_AutoHideMode;
}

BOOL CGTDockingControlBar::IsInFloatingMultiPaneFrameWnd() const
{
    return DYNAMIC_DOWNCAST(CGTMultiMiniFrameWnd, GetParentMiniFrame()) != nullptr;
}

BOOL CGTDockingControlBar::CanAcceptBar(const CGTBaseControlBar* iBar) const
{
    return DYNAMIC_DOWNCAST(CGTDockingControlBar, const_cast<CGTBaseControlBar*>(iBar)) != nullptr &&
        (IsNotOnlyBarInMiniFrame() || IsInFloatingMultiPaneFrameWnd());
}

int CGTDockingControlBar::GetCaptionHeight() const
{
    return IsOnlyBarInMiniFrame() ? 0 : m_CaptionHeight;
}

void CGTDockingControlBar::EnableGripper(BOOL iEnable)
{
    m_CaptionHeight = iEnable && m_HasCaption ? theGuiToolkitGlobals.textHeightRegular + 2 * s_CaptionMargin + 1 : 0;
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

CGTSlider* CGTDockingControlBar::GetDefaultSliderObject() const
{
    return DYNAMIC_DOWNCAST(CGTSlider, CWnd::FromHandlePermanent(m_DefaultSlider));
}

BOOL CGTDockingControlBar::CanAutoHide() const
{
    CGTSlider* slider = GetDefaultSliderObject();
    CGTDockManager* manager = GetOwnerDockManager();
    return (GetBehaviourStyle() & GTBehaviourCanAutoHide) != 0 && slider != nullptr && manager != nullptr &&
        GetParentMiniFrame() == nullptr && (manager->GetAutoHideSides() & slider->GetCurrentAlignment()) != 0;
}

BOOL CGTDockingControlBar::IsVisible() const
{
    if (!m_AutoHideMode)
        return CGTControlBar::IsVisible();
    return CanHideAutoHiddenPane() && m_AutoHideToolBar != nullptr && m_AutoHideToolBar->IsVisible();
}

void CGTDockingControlBar::ShowBar(BOOL iShow, BOOL iDelay, BOOL iActivate)
{
    if (m_AutoHideMode) {
        ShowAutoHiddenBar(iShow, iDelay, iActivate);
        return;
    }
    if (IsOnlyBarInMiniFrame() || IsTabbed()) {
        CGTControlBar::ShowBar(iShow, iDelay, iActivate);
    } else {
        CGTSlider* slider = GetDefaultSliderObject();
        if (iShow && slider != nullptr)
            MoveToContainerRect();
        ShowWindow(iShow ? SW_SHOW : SW_HIDE);
        if (GetParentMiniFrame() == nullptr && slider != nullptr) {
            if (iShow)
                m_ContainerShare = m_ContainerShare >= 50 ? 50 : m_ContainerShare + 1;
            slider->ShowControlBar(this, iShow);
            if (!iDelay)
                AdjustOwnerLayout(FALSE);
        }
    }
    if (IsTabbed() && iShow && iActivate) {
        if (CGTBaseTabWnd* tabs = DYNAMIC_DOWNCAST(CGTBaseTabWnd, GetParent()))
            tabs->SetActiveTab(tabs->GetTabFromHwnd(m_hWnd));
    }
}

void CGTDockingControlBar::CopyState(const CGTDockingControlBar& iOther)
{
    CopyControlBarState(iOther);
    m_RestoredRect = iOther.m_RestoredRect;
    m_SlideMode = iOther.m_SlideMode;
    m_ContainerShare = iOther.m_ContainerShare;
    m_AutoHideAllAllowed = iOther.m_AutoHideAllAllowed;
}

void CGTDockingControlBar::Serialize(CArchive& ioArchive)
{
    CGTControlBar::Serialize(ioArchive);
    CGTRecentDockInfo& recent = GetRecentDockInfo();
    if (ioArchive.IsStoring()) {
        if (IsOnlyBarInMiniFrame())
            GetParentMiniFrame()->GetWindowRect(&recent.m_rectRecentFloat);
        else
            recent.m_docked.m_rectPane = RectInDockSite();
        ioArchive << recent.m_rectRecentFloat << recent.m_docked.m_rectPane
                  << static_cast<BOOL>(GetParentMiniFrame() != nullptr);
        return;
    }
    ioArchive >> recent.m_rectRecentFloat >> m_LoadedDockedRect >> m_LoadedFloating;
    recent.m_docked.m_rectPane = m_LoadedDockedRect;
}

void CGTDockingControlBar::ClosePane()
{
    CWnd* frame = GetParentFrame();
    if (frame != nullptr && frame->SendMessage(GTM_ON_PRESS_CLOSE_BUTTON, 0, reinterpret_cast<LPARAM>(this)) != 0)
        return;
    if (m_AutoHideMode)
        SetAutoHideMode(FALSE, GetCurrentAlignment());
    ShowBar(FALSE, FALSE, FALSE);
    AdjustOwnerLayout(FALSE);
}

void CGTDockingControlBar::OnHideCommand()
{
    ClosePane();
}

void CGTDockingControlBar::OnAutoHideCommand()
{
    if (CanAutoHide() && m_DefaultSlider != nullptr)
        SetAutoHideMode(!m_AutoHideMode, GetDefaultSliderObject()->GetCurrentAlignment(), nullptr, TRUE);
}

void CGTDockingControlBar::OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler)
{
    CGTControlBar::OnUpdateCmdUI(iTarget, iDisableIfNoHandler);
    const HWND focus = ::GetFocus();
    const BOOL active = focus != nullptr && (focus == m_hWnd || ::IsChild(m_hWnd, focus));
    if (active != m_Active) {
        m_Active = active;
        SendMessage(WM_NCPAINT);
    }
}

void CGTDockingControlBar::OnAfterDock(CGTBaseControlBar*, LPCRECT, int)
{
    if (!CGTDockManager::s_bApplyingState)
        SetFocus();
    if (GetDockingMode() == GTDockingImmediate) {
        CPoint cursor;
        ::GetCursorPos(&cursor);
        ScreenToClient(&cursor);
        SetHotPoint(cursor);
    }
}

BOOL CGTDockingControlBar::EnterDragMode(BOOL iChangeHotPoint)
{
    m_PendingFloat = TRUE;
    return CGTControlBar::EnterDragMode(iChangeHotPoint);
}

void CGTDockingControlBar::NotifyDocked()
{
    OnAfterDock(this, nullptr, GTDockUnknown);
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
