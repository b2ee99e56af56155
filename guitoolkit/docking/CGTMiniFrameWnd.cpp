// Moving, painting, caption buttons and the saved record are the mini-frame issues'; what
// floating a bar needs is here.
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

IMPLEMENT_SERIAL(CGTMiniFrameWnd, CWnd, VERSIONABLE_SCHEMA | 2)

BEGIN_MESSAGE_MAP(CGTMiniFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_REGISTERED_MESSAGE(GTMSG_CHECKEMPTYMINIFRAME, &CGTMiniFrameWnd::OnCheckEmpty)
END_MESSAGE_MAP()

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

void CGTMiniFrameWnd::AttachBar(CGTBaseControlBar* iBar)
{
    m_ToolbarBorders = iBar->IsKindOf(RUNTIME_CLASS(CGTToolBar));
    if (iBar->GetSafeHwnd() == m_HeldBar)
        return;
    m_HeldBar = iBar->GetSafeHwnd();
    CString caption;
    iBar->GetWindowText(caption);
    SetWindowText(caption);
    SendMessage(WM_SETICON, ICON_SMALL, iBar->SendMessage(WM_GETICON, ICON_SMALL, 0));
    SendMessage(WM_SETICON, ICON_BIG, iBar->SendMessage(WM_GETICON, ICON_BIG, 0));
    RegisterFloatingBarId(iBar, TRUE);
    ApplyCaptionButtonFlags(iBar->CanHide() ? 0x02 : 0);
    AfterBarAttached();
}

void CGTMiniFrameWnd::ReleaseBar(CGTBaseControlBar* iBar, BOOL iDestroyIfEmpty, BOOL iKeepWhenEmpty)
{
    m_KeepWhenEmpty = iKeepWhenEmpty;
    RegisterFloatingBarId(iBar, FALSE);
    if (iBar->GetSafeHwnd() == m_HeldBar)
        m_HeldBar = nullptr;
    AfterBarReleased();
    if (GetBarCount() > 0)
        return;
    if (iDestroyIfEmpty)
        DestroyWindow();
    else
        PostMessage(GTMSG_CHECKEMPTYMINIFRAME);
}

void CGTMiniFrameWnd::SwapBar(CGTBaseControlBar* iOld, CGTBaseControlBar* iNew)
{
    RegisterFloatingBarId(iOld, FALSE);
    if (iOld->GetSafeHwnd() == m_HeldBar)
        m_HeldBar = iNew->GetSafeHwnd();
    RegisterFloatingBarId(iNew, TRUE);
    AfterBarAttached();
}

CGTBaseControlBar* CGTMiniFrameWnd::ResolveDropAtMoveEnd(BOOL&)
{
    return nullptr;
}

void CGTMiniFrameWnd::ApplyCaptionButtonFlags(DWORD iFlags)
{
    m_CaptionButtonFlags = iFlags;
}

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

CGTBaseControlBar* CGTMiniFrameWnd::BarUnderPoint(CPoint iScreenPoint, int, BOOL iIncludeHidden)
{
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, GetBar());
    if (bar == nullptr || (!iIncludeHidden && !IsBarVisible()))
        return nullptr;
    CRect window;
    bar->GetWindowRect(&window);
    return window.PtInRect(iScreenPoint) ? bar : nullptr;
}

void CGTMiniFrameWnd::CaptionRectangle(CRect& oRect) const
{
    oRect.SetRectEmpty();
}

void CGTMiniFrameWnd::AdjustBarToClient() {}

void CGTMiniFrameWnd::AdjustLayout()
{
    CWnd* bar = GetBar();
    if (bar == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    bar->SetWindowPos(nullptr, 0, 0, client.Width(), client.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

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

BOOL CGTMiniFrameWnd::CreateEx(DWORD iExStyle, LPCWSTR iWindowName, DWORD iStyle, const RECT& iRect, CWnd* iParent,
                               CCreateContext* iContext)
{
    CGTDockManager* manager = iParent != nullptr && iParent->IsFrameWnd() ? GetDockManagerOfFrame(iParent) : nullptr;
    if (manager == nullptr)
        return FALSE;
    if (iParent->GetExStyle() & WS_EX_LAYOUTRTL)
        iExStyle |= WS_EX_LAYOUTRTL;
    m_OwnerFrame = iParent->GetSafeHwnd();
    if (!CWnd::CreateEx(iExStyle, RegisterLibraryWindowClass(L"VADEMiniFrame"), iWindowName, iStyle | WS_POPUP, iRect,
                        iParent, 0, iContext))
        return FALSE;
    manager->AddMiniFrame(this);
    m_DragFrame.Init(this);
    return TRUE;
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

CGTBaseControlBar* CGTMiniFrameWnd::LookupFloatingBar(UINT iId)
{
    HWND bar = nullptr;
    if (!CGTDockingValues::MiniFrameBarsById().Lookup(iId, bar))
        return nullptr;
    return DYNAMIC_DOWNCAST(CGTBaseControlBar, CWnd::FromHandlePermanent(bar));
}

void CGTMiniFrameWnd::CollectFloatingBars(CObList& oBars, CRuntimeClass* iClass)
{
    const CList<HWND, HWND>& frames = CGTDockingValues::MiniFrameWindows();
    for (POSITION position = frames.GetHeadPosition(); position != nullptr;) {
        auto* frame = DYNAMIC_DOWNCAST(CGTMiniFrameWnd, CWnd::FromHandlePermanent(frames.GetNext(position)));
        CWnd* bar = frame != nullptr ? frame->GetBar() : nullptr;
        if (bar != nullptr && (iClass == nullptr || bar->IsKindOf(iClass)))
            oBars.AddTail(bar);
    }
}

void CGTMiniFrameWnd::RegisterFloatingBarId(CGTBaseControlBar* iBar, BOOL iAdd)
{
    CMap<UINT, UINT, HWND, HWND>& map = CGTDockingValues::MiniFrameBarsById();
    const auto enter = [&](CWnd* iWindow) {
        const UINT id = static_cast<UINT>(iWindow->GetDlgCtrlID());
        if (id == static_cast<UINT>(-1))
            return;
        if (iAdd)
            map.SetAt(id, iWindow->GetSafeHwnd());
        else
            map.RemoveKey(id);
    };
    if (auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, iBar)) {
        for (int tab = 0; tab < tabbed->CountTabs(); ++tab) {
            if (CWnd* bar = tabbed->GetBarOfTab(tab, TRUE))
                enter(bar);
        }
        return;
    }
    enter(iBar);
}

int CGTMiniFrameWnd::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CWnd::OnCreate(iCreate) == -1)
        return -1;
    CGTDockingValues::MiniFrameWindows().AddTail(m_hWnd);
    return 0;
}

void CGTMiniFrameWnd::OnDestroy()
{
    if (CGTDockManager* manager = GetDockManagerOfFrame(CWnd::FromHandlePermanent(m_OwnerFrame)))
        manager->RemoveMiniFrame(this);
    CList<HWND, HWND>& frames = CGTDockingValues::MiniFrameWindows();
    if (POSITION position = frames.Find(m_hWnd))
        frames.RemoveAt(position);
    CWnd::OnDestroy();
}

LRESULT CGTMiniFrameWnd::OnCheckEmpty(WPARAM, LPARAM)
{
    if (GetBarCount() > 0)
        return 0;
    if (m_KeepWhenEmpty)
        ShowWindow(SW_HIDE);
    else
        DestroyWindow();
    return 0;
}

void CGTMiniFrameWnd::PostNcDestroy()
{
    delete this;
}
