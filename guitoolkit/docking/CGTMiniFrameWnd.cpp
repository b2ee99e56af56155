// The mini-frame issues fill in what is left here as the Part's defaults.
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/docking/CGTDockManager.h>

IMPLEMENT_SERIAL(CGTMiniFrameWnd, CWnd, VERSIONABLE_SCHEMA | 2)

CWnd* CGTMiniFrameWnd::s_LoadingFrame = nullptr;
int CGTMiniFrameWnd::s_ButtonOffset = 0;

CGTMiniFrameWnd::CGTMiniFrameWnd()
    : m_HeldBar(nullptr), m_OwnerFrame(nullptr), m_CaptionHeight(::GetSystemMetrics(SM_CYSMCAPTION)),
      m_MinTrackWidth(m_CaptionHeight + 15), m_MinTrackHeight(m_CaptionHeight + 15), m_Active(FALSE),
      m_CaptionButtons(10), m_CaptionButtonFlags(0), m_InMoveMode(FALSE), m_Moved(FALSE), m_MoveStart(-1, -1),
      m_MoveLast(-1, -1), m_PressedButton(0), m_HotButton(0), m_ButtonRedrawRect(0, 0, 0, 0), m_DockTimer(0),
      m_RollUpTimer(0), m_RolledUp(FALSE), m_HeightBeforeRollUp(0), m_Pinned(FALSE), m_PendingDockMethod(0),
      m_PendingTarget(nullptr), m_TransientWnd(nullptr), m_FocusWnd(nullptr), m_KeepWhenEmpty(FALSE),
      m_ToolbarBorders(TRUE), m_LoadedBarId(0), m_RecentWindowRect(0, 0, 100, 100)
{
}

CGTMiniFrameWnd::~CGTMiniFrameWnd() = default;

BOOL CGTMiniFrameWnd::ForwardBarQuery(CGTBaseControlBar*) const
{
    return FALSE;
}

BOOL CGTMiniFrameWnd::IsCursorInside() const
{
    return FALSE;
}

BOOL CGTMiniFrameWnd::IsCursorOutsideUnpinned() const
{
    return FALSE;
}

int CGTMiniFrameWnd::GetCaptionHeight() const
{
    return m_CaptionHeight;
}

BOOL CGTMiniFrameWnd::ForwardBarQuery2() const
{
    return FALSE;
}

void CGTMiniFrameWnd::AttachBar(CGTBaseControlBar*) {}

void CGTMiniFrameWnd::ReleaseBar(CGTBaseControlBar*, BOOL, BOOL) {}

void CGTMiniFrameWnd::SwapBar(CGTBaseControlBar*, CGTBaseControlBar*) {}

CGTBaseControlBar* CGTMiniFrameWnd::ResolveDropAtMoveEnd(BOOL&)
{
    return nullptr;
}

void CGTMiniFrameWnd::ApplyCaptionButtonFlags(DWORD) {}

BOOL CGTMiniFrameWnd::DockWithoutDrag(int, CGTBaseControlBar*, int)
{
    return TRUE;
}

void CGTMiniFrameWnd::MoveFrameBy(int, int) {}

void CGTMiniFrameWnd::ReturnBarToDock() {}

BOOL CGTMiniFrameWnd::IsDockingAllowed() const
{
    return FALSE;
}

int CGTMiniFrameWnd::GetBarCount() const
{
    return m_HeldBar != nullptr && ::IsWindow(m_HeldBar) ? 1 : 0;
}

BOOL CGTMiniFrameWnd::IsBarVisible() const
{
    return m_HeldBar != nullptr && (::GetWindowLongW(m_HeldBar, GWL_STYLE) & WS_VISIBLE) != 0;
}

CWnd* CGTMiniFrameWnd::GetBar() const
{
    return CWnd::FromHandlePermanent(m_HeldBar);
}

CWnd* CGTMiniFrameWnd::VisibleBarOrNull() const
{
    return IsBarVisible() ? GetBar() : nullptr;
}

int CGTMiniFrameWnd::EffectiveDockingMode() const
{
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, GetBar());
    return bar != nullptr ? bar->GetDockingMode() : CGTDockManager::s_nDockingMode;
}

void CGTMiniFrameWnd::FitToBarSize() {}

CString CGTMiniFrameWnd::GetCaptionText() const
{
    CString text;
    if (CWnd* bar = GetBar())
        bar->GetWindowText(text);
    return text;
}

void CGTMiniFrameWnd::GetBorderSize(CRect& oBorders) const
{
    oBorders.SetRectEmpty();
}

BOOL CGTMiniFrameWnd::TabAreaOfFrame(CPoint, CRect& oRect, CGTBaseControlBar*& oBar)
{
    oRect.SetRectEmpty();
    oBar = nullptr;
    return FALSE;
}

CGTBaseControlBar* CGTMiniFrameWnd::BarUnderPoint(CPoint, int, BOOL)
{
    return nullptr;
}

void CGTMiniFrameWnd::CaptionRectangle(CRect& oRect) const
{
    oRect.SetRectEmpty();
}

void CGTMiniFrameWnd::AdjustBarToClient() {}

void CGTMiniFrameWnd::AdjustLayout() {}

BOOL CGTMiniFrameWnd::SaveHeldBarState(LPCWSTR, int)
{
    return TRUE;
}

BOOL CGTMiniFrameWnd::LoadHeldBarState(LPCWSTR, int)
{
    return TRUE;
}

void CGTMiniFrameWnd::ReattachLoadedBar(CGTDockManager&) {}

LRESULT CGTMiniFrameWnd::HitTestFrame(CPoint, BOOL)
{
    return HTNOWHERE;
}

void CGTMiniFrameWnd::ForgetDeadBar() {}

void CGTMiniFrameWnd::AfterBarAttached() {}

void CGTMiniFrameWnd::AfterBarReleased() {}

BOOL CGTMiniFrameWnd::Create(LPCWSTR iWindowName, DWORD iStyle, const RECT& iRect, CWnd* iParent,
                             CCreateContext* iContext)
{
    return CreateEx(0, iWindowName, iStyle, iRect, iParent, iContext);
}

BOOL CGTMiniFrameWnd::CreateEx(DWORD, LPCWSTR, DWORD, const RECT&, CWnd*, CCreateContext*)
{
    return FALSE;
}

void CGTMiniFrameWnd::NotifyMoveState(BOOL) {}

void CGTMiniFrameWnd::EnterMoveMode(CWnd*) {}

void CGTMiniFrameWnd::PaintFrameBorder(CDC*) {}

void CGTMiniFrameWnd::PaintCaptionButtons(CDC*) {}

void CGTMiniFrameWnd::RecordMoveStartRect() {}

BOOL CGTMiniFrameWnd::OwnerAllowsClose()
{
    return TRUE;
}

void CGTMiniFrameWnd::HideFrameAndBar() {}

void CGTMiniFrameWnd::RunCaptionButtonAction(UINT) {}

CGTBaseControlBar* CGTMiniFrameWnd::DockHeldBarAtCursor(BOOL&)
{
    return nullptr;
}

CGTCaptionButton* CGTMiniFrameWnd::CreateCaptionButton(UINT)
{
    return nullptr;
}

void CGTMiniFrameWnd::HoverCaptionButtons(CPoint) {}

void CGTMiniFrameWnd::EndCaptionButtonTracking() {}

void CGTMiniFrameWnd::ComputeMinTrackSize(CSize, MINMAXINFO*) {}

void CGTMiniFrameWnd::UpdateRollState() {}

void CGTMiniFrameWnd::RefreshCaptionMetrics() {}

CGTCaptionButton* CGTMiniFrameWnd::FindCaptionButton(UINT) const
{
    return nullptr;
}

void CGTMiniFrameWnd::StartDockCheckTimer(UINT) {}

int CGTMiniFrameWnd::TrackTearOff(CWnd*)
{
    return 0;
}

void CGTMiniFrameWnd::Serialize(CArchive&) {}

void CGTMiniFrameWnd::RedrawAllMiniFrames() {}

CGTBaseControlBar* CGTMiniFrameWnd::LookupFloatingBar(UINT)
{
    return nullptr;
}

void CGTMiniFrameWnd::CollectFloatingBars(CObList&, CRuntimeClass*) {}

void CGTMiniFrameWnd::RegisterFloatingBarId(CGTBaseControlBar*, BOOL) {}

void CGTMiniFrameWnd::PostNcDestroy()
{
    delete this;
}
