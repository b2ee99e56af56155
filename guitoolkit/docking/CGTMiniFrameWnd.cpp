#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/toolbars/CCustomizeButton.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

IMPLEMENT_SERIAL(CGTMiniFrameWnd, CWnd, VERSIONABLE_SCHEMA | 2)

BEGIN_MESSAGE_MAP(CGTMiniFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_REGISTERED_MESSAGE(GTMSG_CHECKEMPTYMINIFRAME, &CGTMiniFrameWnd::OnCheckEmpty)
    ON_WM_NCCALCSIZE()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_WM_NCPAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCMOUSEMOVE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEACTIVATE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CANCELMODE()
    ON_WM_CHAR()
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_SIZING()
    ON_WM_SETTINGCHANGE()
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOW, 0, 0xFFFF, &CGTMiniFrameWnd::OnToolTipText)
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
      m_ToolbarBorders(TRUE), m_LoadedBarId(0), m_RecentWindowRect(0, 0, 100, 100), m_HandlerDepth(0)
{
}

CGTMiniFrameWnd::~CGTMiniFrameWnd()
{
    DeleteCaptionButtons();
}

BOOL CGTMiniFrameWnd::ForwardBarQuery(CGTBaseControlBar*) const
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
    auto* toolbar = DYNAMIC_DOWNCAST(CGTToolBar, iBar);
    const BOOL optionsMenu = toolbar != nullptr && toolbar->GetCustomizeButton() != nullptr;
    DWORD flags = iBar->CanHide() ? 0x02 : 0;
    if (optionsMenu && toolbar->IsKindOf(RUNTIME_CLASS(CGTMenuBar)))
        flags = 0x10;
    else if (optionsMenu && flags != 0)
        flags |= 0x10;
    ApplyCaptionButtonFlags(flags);
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
    if (iDestroyIfEmpty && m_HandlerDepth == 0)
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

CString CGTMiniFrameWnd::GetCaptionText() const
{
    CString text;
    if (CWnd* bar = GetBar())
        bar->GetWindowText(text);
    return text;
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

void CGTMiniFrameWnd::AdjustLayout()
{
    CWnd* bar = GetBar();
    if (bar == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    bar->SetWindowPos(nullptr, 0, 0, client.Width(), client.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

// A floating bar is on no list of the dock manager: its frame saves and loads its values.
BOOL CGTMiniFrameWnd::SaveHeldBarState(LPCWSTR iProfile, int)
{
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, GetBar());
    return bar != nullptr ? bar->SaveState(iProfile, -1) : TRUE;
}

BOOL CGTMiniFrameWnd::LoadHeldBarState(LPCWSTR iProfile, int)
{
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, GetBar());
    return bar != nullptr ? bar->LoadState(iProfile, -1) : TRUE;
}

void CGTMiniFrameWnd::ForgetDeadBar()
{
    CWnd* bar = GetBar();
    if (bar == nullptr || !::IsWindow(m_HeldBar)) {
        m_HeldBar = nullptr;
        return;
    }
    if (auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, bar)) {
        if (tabbed->CountTabs() == 0)
            m_HeldBar = nullptr;
        return;
    }
    if (bar->GetDlgCtrlID() == 0)
        m_HeldBar = nullptr;
}

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

void CGTMiniFrameWnd::RunCaptionButtonAction(UINT iHitCode)
{
    auto* bar = DYNAMIC_DOWNCAST(CGTToolBar, GetBar());
    auto* customize = bar != nullptr ? DYNAMIC_DOWNCAST(CCustomizeButton, bar->GetCustomizeButton()) : nullptr;
    CGTCaptionButton* button = FindCaptionButton(iHitCode);
    if (iHitCode != GTHitMenu || button == nullptr || customize == nullptr || !customize->ShowsCustomizeMark() ||
        CGTToolBar::IsCustomizeMode())
        return;
    auto* popup = new CGTPopupMenu;
    customize->InsertAddRemoveButtons(*popup, {bar});
    popup->m_MessageTarget = bar->GetOwner() != nullptr ? bar->GetOwner() : GetParent();
    CRect window;
    GetWindowRect(&window);
    const CRect place = button->GetRect() + window.TopLeft();
    button->m_Pushed = TRUE;
    RedrawCaptionButton(iHitCode);
    if (!popup->Create(this, place.left, place.bottom, nullptr, FALSE, FALSE))
        delete popup;
    button->m_Pushed = FALSE;
    RedrawCaptionButton(iHitCode);
}

void CGTMiniFrameWnd::RedrawAllMiniFrames()
{
    const CList<HWND, HWND>& frames = CGTDockingValues::MiniFrameWindows();
    for (POSITION position = frames.GetHeadPosition(); position != nullptr;) {
        const HWND frame = frames.GetNext(position);
        ::RedrawWindow(frame, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
}

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
    if (m_ToolTip.Create(this, TTS_ALWAYSTIP)) {
        m_ToolTip.Activate(TRUE);
        if (theGuiToolkitGlobals.maxTooltipWidth != -1)
            m_ToolTip.SetMaxTipWidth(theGuiToolkitGlobals.maxTooltipWidth);
    }
    return 0;
}

void CGTMiniFrameWnd::OnDestroy()
{
    if (m_InMoveMode)
        LeaveMoveMode();
    if (m_DockTimer != 0)
        KillTimer(m_DockTimer);
    if (m_RollUpTimer != 0)
        KillTimer(m_RollUpTimer);
    m_DockTimer = 0;
    m_RollUpTimer = 0;
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
