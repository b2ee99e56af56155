#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/RegistrySectionPath.h>
#include <guitoolkit/docking/CGTAppBarWnd.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTControlBar.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTDockBarRow.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingCBWrapper.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/docking/GTDockingModule.h>
#include <guitoolkit/docking/IGTDockingFrame.h>

IMPLEMENT_DYNAMIC(CGTBaseControlBar, CWnd)

BEGIN_MESSAGE_MAP(CGTBaseControlBar, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CGTBaseControlBar::OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_HELPHITTEST, &CGTBaseControlBar::OnHelpHitTest)
    ON_MESSAGE(WM_INITDIALOG, &CGTBaseControlBar::OnInitDialog)
    ON_MESSAGE(WM_SETICON, &CGTBaseControlBar::OnSetIcon)
END_MESSAGE_MAP()

BOOL CGTBaseControlBar::s_HostedOutsideFrame = FALSE;
BOOL CGTBaseControlBar::s_UsePaintLock = FALSE;
CCriticalSection CGTBaseControlBar::s_PaintLock;

namespace {
const BOOL moduleRegistered = RegisterDockingModule();

// The owner of a bar's controls' notifications: its owner, else its parent.
CWnd* OwnerOrParent(const CWnd& iBar)
{
    CWnd* owner = iBar.GetOwner();
    return owner != nullptr ? owner : iBar.GetParent();
}
}  // namespace

CGTBaseControlBar::CGTBaseControlBar()
    : m_BarFlags(0), m_EnabledAlignment(0), m_dwStyle(0), m_BehaviourStyle(0), m_RememberedVisibility(FALSE),
      m_StateLoaded(FALSE), m_ParentDockBar(nullptr), m_DockRow(nullptr), m_OwnerFrame(nullptr), m_DockingMode(0),
      m_LayoutRect(0, 0, 0, 0), m_DialogControl(FALSE), m_DialogTemplate(nullptr), m_TemplateSize(0, 0)
{
    (void)moduleRegistered;
}

CGTBaseControlBar::~CGTBaseControlBar() = default;

BOOL CGTBaseControlBar::IsHorizontal() const
{
    return IsHorizontalSide(GetCurrentAlignment());
}

BOOL CGTBaseControlBar::IsNotOnlyBarInMiniFrame() const
{
    const CGTMiniFrameWnd* frame = GetParentMiniFrame();
    return frame == nullptr || frame->GetBarCount() != 1;
}

BOOL CGTBaseControlBar::IsTabbed() const
{
    return DYNAMIC_DOWNCAST(CGTBaseTabWnd, GetParent()) != nullptr;
}

BOOL CGTBaseControlBar::IsOnlyBarInMiniFrame() const
{
    return !IsNotOnlyBarInMiniFrame();
}

BOOL CGTBaseControlBar::IsResizable() const
{
    return TRUE;
}

BOOL CGTBaseControlBar::IsVisible() const
{
    if (IsTabbed()) {
        CGTBaseTabWnd* tabs = GetHoldingTabWnd();
        if (tabs == nullptr || !(tabs->GetStyle() & WS_VISIBLE))
            return FALSE;
        const int tab = tabs->GetTabFromHwnd(GetSafeHwnd());
        return tab >= 0 && tab < tabs->GetTabCount() && tabs->IsTabVisible(tab);
    }
    if (CGTDockManager::s_bApplyingState)
        return m_RememberedVisibility;
    return (GetStyle() & WS_VISIBLE) != 0;
}

BOOL CGTBaseControlBar::AllowsInsertBefore() const
{
    return CanFloat();
}

BOOL CGTBaseControlBar::CanAcceptBar(const CGTBaseControlBar*) const
{
    return FALSE;
}

BOOL CGTBaseControlBar::CanDockToBar(const CGTBaseControlBar*) const
{
    return FALSE;
}

BOOL CGTBaseControlBar::CanBeTabbed() const
{
    return FALSE;
}

DWORD CGTBaseControlBar::GetCurrentAlignment() const
{
    return m_dwStyle & GTSideAny;
}

DWORD CGTBaseControlBar::GetEnabledAlignment() const
{
    return m_EnabledAlignment;
}

CWnd* CGTBaseControlBar::FindOwnerFrame() const
{
    if (m_OwnerFrame == nullptr && !s_HostedOutsideFrame) {
        CWnd* parent = GetParent();
        if (parent != nullptr &&
            (parent->IsKindOf(RUNTIME_CLASS(CDialog)) || parent->IsKindOf(RUNTIME_CLASS(CGTAppBarWnd))))
            s_HostedOutsideFrame = TRUE;
    }
    return m_OwnerFrame;
}

CGTDockBar* CGTBaseControlBar::GetParentDockBar() const
{
    return m_ParentDockBar;
}

BOOL CGTBaseControlBar::IsAutoHideMode() const
{
    return FALSE;
}

BOOL CGTBaseControlBar::IsInFloatingMultiPaneFrameWnd() const
{
    return FALSE;
}

BOOL CGTBaseControlBar::GetRememberedVisibility() const
{
    return m_RememberedVisibility;
}

BOOL CGTBaseControlBar::IsStateLoaded() const
{
    return m_StateLoaded;
}

void CGTBaseControlBar::SetStateLoaded(BOOL iLoaded)
{
    m_StateLoaded = iLoaded;
}

int CGTBaseControlBar::GetDockingMode() const
{
    return m_DockingMode != 0 ? m_DockingMode : CGTDockManager::s_nDockingMode;
}

HICON CGTBaseControlBar::GetBarIcon(BOOL iBig)
{
    return reinterpret_cast<HICON>(SendMessage(WM_GETICON, iBig ? ICON_BIG : ICON_SMALL, 0));
}

DWORD CGTBaseControlBar::GetStyleWord() const
{
    return m_dwStyle;
}

DWORD CGTBaseControlBar::GetBehaviourStyle() const
{
    return m_BehaviourStyle;
}

BOOL CGTBaseControlBar::CanHide() const
{
    return (m_BehaviourStyle & GTBehaviourCanHide) != 0;
}

BOOL CGTBaseControlBar::CanFloat() const
{
    if (IsTabbed()) {
        if (CGTBaseTabWnd* tabs = GetHoldingTabWnd()) {
            const int tab = tabs->GetTabFromHwnd(GetSafeHwnd());
            if (tab >= 0)
                return tabs->IsTabDetachable(tab);
        }
    }
    return (m_BehaviourStyle & GTBehaviourCanFloat) != 0;
}

BOOL CGTBaseControlBar::CanDockWithoutFloating() const
{
    return (m_BehaviourStyle & GTBehaviourDockWithoutFloating) != 0;
}

BOOL CGTBaseControlBar::CanAutoHide() const
{
    return (m_BehaviourStyle & GTBehaviourCanAutoHide) != 0;
}

BOOL CGTBaseControlBar::IsImmediateUpdate() const
{
    return TRUE;
}

void CGTBaseControlBar::SetAlignment(DWORD iAlignment)
{
    m_dwStyle = (m_dwStyle & ~GTSideAny) | (iAlignment & GTSideAny);
}

void CGTBaseControlBar::SetStyleWord(DWORD iStyle)
{
    m_dwStyle = iStyle;
}

void CGTBaseControlBar::SetBehaviourStyle(DWORD iStyle)
{
    m_BehaviourStyle = iStyle;
}

void CGTBaseControlBar::EnableDocking(DWORD iAlignment)
{
    m_EnabledAlignment = iAlignment;
}

void CGTBaseControlBar::OnAfterFloat() {}

void CGTBaseControlBar::OnAfterDockFromMiniFrame() {}

int CGTBaseControlBar::DockToTarget(CGTBaseControlBar*, LPCRECT, int)
{
    return 0;
}

BOOL CGTBaseControlBar::FloatAtRect(CRect, int, BOOL)
{
    return FALSE;
}

int CGTBaseControlBar::GetCaptionHeight() const
{
    return 0;
}

void CGTBaseControlBar::EnableGripper(BOOL) {}

BOOL CGTBaseControlBar::DockToFrameWindow(DWORD, LPCRECT, int, CGTBaseControlBar*, int, BOOL)
{
    return FALSE;
}

CSize CGTBaseControlBar::GetDockedSize(BOOL, BOOL)
{
    return CSize(0, 0);
}

void CGTBaseControlBar::AdjustLayout() {}

void CGTBaseControlBar::UpdateStoredRect() {}

CGTMiniFrameWnd* CGTBaseControlBar::CreateFloatingFrame(CRect)
{
    return nullptr;
}

void CGTBaseControlBar::OnAfterChangeParent(CWnd*) {}

void CGTBaseControlBar::OnBeforeChangeParent(CWnd*, BOOL) {}

void CGTBaseControlBar::LeaveDockSite(CWnd*) {}

void CGTBaseControlBar::ShowBar(BOOL iShow, BOOL iDelay, BOOL iActivate)
{
    const int command = iShow ? SW_SHOWNOACTIVATE : SW_HIDE;
    if (IsOnlyBarInMiniFrame() && !IsTabbed()) {
        ShowWindow(command);
        CGTMiniFrameWnd* frame = GetParentMiniFrame();
        frame->ShowWindow(command);
        frame->PostMessage(GTMSG_CHECKEMPTYMINIFRAME, 0, 0);
    } else if (m_ParentDockBar != nullptr) {
        m_ParentDockBar->ShowControlBar(DYNAMIC_DOWNCAST(CGTControlBar, this), iShow, iDelay, iActivate);
    } else if (IsTabbed()) {
        CGTBaseTabWnd* tabs = GetHoldingTabWnd();
        if (tabs == nullptr)
            return;
        if (auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, tabs->GetParent())) {
            if (!(tabbed->GetStyle() & WS_VISIBLE) && tabbed->CountTabs() > 1 && iShow) {
                tabbed->ShowBarTab(this, TRUE, iDelay, iActivate);
                return;
            }
            tabbed->ShowBarTab(this, iShow, iDelay, iActivate);
            if (tabs->GetVisibleTabCount() == 0)
                tabbed->ShowBar(iShow, iDelay, iActivate);
        } else {
            tabs->ShowTab(tabs->GetTabFromHwnd(GetSafeHwnd()), iShow, !iDelay, FALSE);
        }
    } else {
        ShowWindow(command);
        if (!iDelay)
            AdjustOwnerLayout(FALSE);
    }
    if (m_DockRow != nullptr)
        m_DockRow->RefreshBarRects(FALSE);
}

CGTMiniFrameWnd* CGTBaseControlBar::GetParentMiniFrame() const
{
    for (CWnd* window = GetParent(); window != nullptr; window = window->GetParent()) {
        if (auto* frame = DYNAMIC_DOWNCAST(CGTMiniFrameWnd, window))
            return frame;
    }
    return nullptr;
}

CString CGTBaseControlBar::StateKey(LPCWSTR iSection, LPCWSTR iWord, LPCWSTR iProfile, int iIndex, UINT iSubId) const
{
    const CString path = BuildRegistrySectionPath(iSection, iProfile);
    const int number = iIndex == -1 ? static_cast<int>(GetDlgCtrlID()) : iIndex;
    CString key;
    if (iSubId == static_cast<UINT>(-1))
        key.Format(L"%s%s-%d", static_cast<LPCWSTR>(path), iWord, number);
    else
        key.Format(L"%s%s-%d%x", static_cast<LPCWSTR>(path), iWord, number, iSubId);
    return key;
}

BOOL CGTBaseControlBar::LoadState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    if (!registry.Open(
            StateKey(CGTDockingValues::BaseControlBarSection(), L"VADEBaseControlBar", iProfile, iIndex, iSubId)))
        return FALSE;
    DWORD visible = 0;
    if (registry.ReadDword(L"IsVisible", visible))
        m_RememberedVisibility = visible;
    m_StateLoaded = TRUE;
    return TRUE;
}

BOOL CGTBaseControlBar::SaveState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    return registry.CreateKey(
               StateKey(CGTDockingValues::BaseControlBarSection(), L"VADEBaseControlBar", iProfile, iIndex, iSubId)) &&
        registry.WriteDword(L"IsVisible", IsVisible() ? 1 : 0);
}

HDWP CGTBaseControlBar::MoveToRectInParent(const CRect& iRect, BOOL iRepaint, HDWP iDefer)
{
    // Compared and moved in the parent's client coordinates, where the window lies: a docked
    // bar's parent is its dock bar, a floating one's its mini frame.
    CRect current;
    GetWindowRect(&current);
    if (CWnd* parent = GetParent())
        parent->ScreenToClient(&current);
    if (current == iRect)
        return iDefer;
    if (iDefer == nullptr) {
        MoveWindow(&iRect, iRepaint);
        return nullptr;
    }
    return ::DeferWindowPos(iDefer, m_hWnd, nullptr, iRect.left, iRect.top, iRect.Width(), iRect.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE);
}

HDWP CGTBaseControlBar::MoveBarWindow(const CWnd* iInsertAfter, int iX, int iY, int iWidth, int iHeight, UINT iFlags,
                                      HDWP iDefer)
{
    const HWND after = iInsertAfter != nullptr ? iInsertAfter->GetSafeHwnd() : nullptr;
    if (iDefer == nullptr) {
        ::SetWindowPos(m_hWnd, after, iX, iY, iWidth, iHeight, iFlags);
        return nullptr;
    }
    if (HDWP deferred = ::DeferWindowPos(iDefer, m_hWnd, after, iX, iY, iWidth, iHeight, iFlags))
        return deferred;
    ::SetWindowPos(m_hWnd, after, iX, iY, iWidth, iHeight, iFlags);
    return iDefer;
}

void CGTBaseControlBar::CopyStateFrom(const CGTBaseControlBar& iOther)
{
    m_EnabledAlignment = iOther.m_EnabledAlignment;
    m_RememberedVisibility = iOther.m_RememberedVisibility;
    m_StateLoaded = iOther.m_StateLoaded;
    m_OwnerFrame = iOther.m_OwnerFrame;
    m_LayoutRect = iOther.m_LayoutRect;
    m_DialogControl = iOther.m_DialogControl;
    m_dwStyle = iOther.m_dwStyle;
    m_BehaviourStyle = iOther.m_BehaviourStyle;
}

void CGTBaseControlBar::UnDockControlBar(BOOL) {}

void CGTBaseControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CGTBaseControlBar::ShowBarsContextMenu(CWnd* iFrame, CPoint iScreenPoint)
{
    if (iFrame == nullptr ||
        iFrame->SendMessage(GTTOOLBAR_POPUPMENU, reinterpret_cast<WPARAM>(m_hWnd),
                            MAKELPARAM(iScreenPoint.x, iScreenPoint.y)) == 0)
        return;
    if (CGTDockManager* manager = GetDockManagerOfFrame(GetParentFrame()))
        manager->ShowBarsContextMenu(iScreenPoint);
}

BOOL CGTBaseControlBar::CreateBarWindow(DWORD iExStyle, LPCWSTR iClassName, LPCWSTR iWindowName, DWORD iStyle,
                                        const RECT& iRect, CWnd* iParent, UINT iId, DWORD iBehaviourStyle,
                                        CCreateContext* iContext)
{
    m_DialogControl = iParent != nullptr && iParent->IsKindOf(RUNTIME_CLASS(CDialog));
    m_BarFlags &= WS_VISIBLE;
    SetStyleWord(GetStyleWord() | iStyle);
    m_BehaviourStyle = iBehaviourStyle;
    if (m_DialogTemplate != nullptr) {
        if (!CreateDlg(m_DialogTemplate, iParent))
            return FALSE;
        ModifyStyle(0, WS_CHILD);
        ::SetClassLongPtrW(m_hWnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(::GetSysColorBrush(COLOR_BTNFACE)));
        SetDlgCtrlID(iId);
        CRect window;
        GetWindowRect(&window);
        m_TemplateSize = window.Size();
    } else if (!CWnd::CreateEx(iExStyle, iClassName, iWindowName, iStyle, iRect, iParent, iId, iContext)) {
        return FALSE;
    }
    m_OwnerFrame = iParent != nullptr && iParent->IsFrameWnd() ? iParent : GetOwningFrameWindow(this);
    m_DialogControl = iParent != nullptr && iParent->IsKindOf(RUNTIME_CLASS(CDialog));
    return TRUE;
}

CSize CGTBaseControlBar::GetStretchLimit(BOOL iStretch, BOOL iHorizontal)
{
    if (!iStretch)
        return CSize(0, 0);
    return iHorizontal ? CSize(32767, 0) : CSize(0, 32767);
}

void CGTBaseControlBar::DoPaint(CDC* iDc)
{
    CRect client, clip;
    GetClientRect(&client);
    iDc->GetClipBox(&clip);
    CGTVisualManager::GetCurrent()->DrawBarBackground(iDc, this, client, clip);
}

void CGTBaseControlBar::AdjustOwnerLayout(BOOL)
{
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame())
        frame->AdjustLayout();
    else if (IGTDockingFrame* frame = AsDockingFrame(FindOwnerFrame()))
        frame->AdjustDockingLayout();
}

CGTDockManager* CGTBaseControlBar::GetOwnerDockManager() const
{
    IGTDockingFrame* frame = AsDockingFrame(FindOwnerFrame());
    return frame != nullptr ? frame->GetDockManager() : nullptr;
}

BOOL CGTBaseControlBar::AddBarToOwnerFrame()
{
    CGTDockManager* manager = GetOwnerDockManager();
    return manager != nullptr && manager->AddBar(this, TRUE, FALSE, FALSE);
}

void CGTBaseControlBar::RemoveBarFromOwnerFrame(BOOL iDestroy, BOOL iRecalcLayout, BOOL iAutoHide)
{
    if (CGTDockManager* manager = GetOwnerDockManager())
        manager->RemoveBar(this, iDestroy, iRecalcLayout, iAutoHide);
}

BOOL CGTBaseControlBar::IsPointNearOwnerDockArea(CPoint iScreenPoint, DWORD& oAlignment, BOOL& oOuterEdge)
{
    if (FindOwnerFrame() == nullptr)
        return s_HostedOutsideFrame;
    CGTDockManager* manager = GetOwnerDockManager();
    return manager != nullptr && manager->IsPointNearDockArea(iScreenPoint, oAlignment, oOuterEdge);
}

CGTBaseControlBar* CGTBaseControlBar::FindBarAtPointInOwner(CPoint iScreenPoint, int iSensitivity, BOOL iExact,
                                                            CRuntimeClass* iClass)
{
    CGTDockManager* manager = GetOwnerDockManager();
    return manager != nullptr ? manager->FindBarAtPoint(iScreenPoint, iSensitivity, iExact, iClass, FALSE, this)
                              : nullptr;
}

BOOL CGTBaseControlBar::InsertBarInOwner(CGTBaseControlBar* iBar, CGTBaseControlBar* iNeighbour, BOOL iAfter)
{
    // A group floating together keeps its own order.
    if (DYNAMIC_DOWNCAST(CGTMultiMiniFrameWnd, GetParentMiniFrame()) != nullptr)
        return FALSE;
    CGTDockManager* manager = GetOwnerDockManager();
    return manager != nullptr && manager->InsertBarNextTo(iBar, iNeighbour, iAfter);
}

void CGTBaseControlBar::DockToOwnerFrame(BOOL iRecorded)
{
    CWnd* frame = iRecorded ? FindOwnerFrame() : GetOwningFrameWindow(this);
    if (CGTDockManager* manager = GetDockManagerOfFrame(frame))
        manager->DockBar(this, 0, nullptr);
}

void CGTBaseControlBar::SetDockSite(CGTDockBar* iDockBar, CGTDockBarRow* iRow)
{
    m_ParentDockBar = iDockBar;
    m_DockRow = iRow;
}

CGTBaseTabWnd* CGTBaseControlBar::GetHoldingTabWnd() const
{
    CWnd* parent = GetParent();
    if (DYNAMIC_DOWNCAST(CGTDockingCBWrapper, parent) != nullptr)
        parent = parent->GetParent();
    return DYNAMIC_DOWNCAST(CGTBaseTabWnd, parent);
}

IGTLookBar* CGTBaseControlBar::GetParentBar() const
{
    return DYNAMIC_DOWNCAST(CGTBaseControlBar, GetParent());
}

void CGTBaseControlBar::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsLoading()) {
        DWORD alignment = 0;
        ioArchive >> alignment;
        SetAlignment(alignment);
        ioArchive >> m_RememberedVisibility;
    } else {
        ioArchive << static_cast<DWORD>(GetCurrentAlignment()) << static_cast<BOOL>(IsVisible() ? 1 : 0);
    }
}

BOOL CGTBaseControlBar::PreTranslateMessage(MSG* ioMessage)
{
    if (CWnd::PreTranslateMessage(ioMessage))
        return TRUE;
    if (CFrameWnd* top = GetTopLevelFrame(); top != nullptr && top->m_bHelpMode)
        return FALSE;
    for (CWnd* window = OwnerOrParent(*this); window != nullptr; window = window->GetParentFrame()) {
        if (!::IsWindow(window->GetSafeHwnd()))
            break;
        if (window->PreTranslateMessage(ioMessage))
            return TRUE;
    }
    return PreTranslateInput(ioMessage);
}

LRESULT CGTBaseControlBar::WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    switch (iMessage) {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_NOTIFY:
    case WM_COMMAND: {
        LRESULT result = 0;
        if (OnWndMsg(iMessage, iWParam, iLParam, &result))
            return result;
        CWnd* owner = OwnerOrParent(*this);
        result = owner != nullptr ? owner->SendMessage(iMessage, iWParam, iLParam) : 0;
        if (iMessage == WM_NOTIFY) {
            const auto* header = reinterpret_cast<NMHDR*>(iLParam);
            if (header->code == TTN_NEEDTEXTA || header->code == TTN_NEEDTEXTW) {
                const auto* info = reinterpret_cast<NMTTDISPINFOW*>(iLParam);
                const BOOL empty = (info->lpszText == nullptr || info->lpszText[0] == 0) && info->hinst == nullptr &&
                    info->szText[0] == 0;
                if (empty)
                    return DefWindowProc(iMessage, iWParam, iLParam);
            }
        }
        return result;
    }
    default:
        return CWnd::WindowProc(iMessage, iWParam, iLParam);
    }
}

void CGTBaseControlBar::OnPaint()
{
    if (s_UsePaintLock)
        s_PaintLock.Lock();
    {
        CPaintDC dc(this);
        if (GetStyle() & WS_VISIBLE)
            DoPaint(&dc);
    }
    if (s_UsePaintLock)
        s_PaintLock.Unlock();
}

BOOL CGTBaseControlBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTBaseControlBar::OnSize(UINT iType, int iWidth, int iHeight)
{
    CWnd::OnSize(iType, iWidth, iHeight);
    if (m_DockRow != nullptr)
        m_DockRow->OnBarResized(DYNAMIC_DOWNCAST(CGTControlBar, this));
}

void CGTBaseControlBar::OnSettingChange(UINT iFlags, LPCWSTR iSection)
{
    CWnd::OnSettingChange(iFlags, iSection);
    theGuiToolkitGlobals.UpdateWorkArea();
}

LRESULT CGTBaseControlBar::OnIdleUpdateCmdUI(WPARAM iDisableIfNoHandler, LPARAM)
{
    if (!(GetStyle() & WS_VISIBLE) || (m_ParentDockBar != nullptr && !(m_ParentDockBar->GetStyle() & WS_VISIBLE)))
        return 0;
    CWnd* owner = GetOwner();
    CFrameWnd* target = owner != nullptr && owner->IsFrameWnd() ? static_cast<CFrameWnd*>(owner)
                                                                : static_cast<CFrameWnd*>(GetOwningFrameWindow(this));
    if (target != nullptr)
        OnUpdateCmdUI(target, static_cast<BOOL>(iDisableIfNoHandler));
    return 0;
}

LRESULT CGTBaseControlBar::OnHelpHitTest(WPARAM, LPARAM iPoint)
{
    const INT_PTR hit = OnToolHitTest(CPoint(static_cast<DWORD>(iPoint)), nullptr);
    if (hit != -1)
        return HID_BASE_COMMAND + hit;
    const UINT id = LOWORD(GetDlgCtrlID());
    return id != 0 ? HID_BASE_CONTROL + id : 0;
}

LRESULT CGTBaseControlBar::OnInitDialog(WPARAM, LPARAM)
{
    if (m_DialogTemplate != nullptr && !ExecuteDlgInit(m_DialogTemplate))
        return FALSE;
    return UpdateData(FALSE);
}

LRESULT CGTBaseControlBar::OnSetIcon(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    if (IsTabbed()) {
        if (CGTBaseTabWnd* tabs = GetHoldingTabWnd())
            tabs->SetTabHicon(tabs->GetTabFromHwnd(m_hWnd),
                              reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_SMALL, 0)));
    }
    return result;
}
