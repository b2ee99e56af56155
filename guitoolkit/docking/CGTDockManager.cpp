#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTControlBar.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTReBar.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/docking/GTDockingModule.h>

IMPLEMENT_DYNAMIC(CGTDockManager, CObject)

int CGTDockManager::s_nDockingMode = GTDockingStandard;
int CGTDockManager::s_nDockMargin = 15;
BOOL CGTDockManager::s_bHideAllTakesPanes = TRUE;
int CGTDockManager::s_nToolbarDockDelay = 200;
int CGTDockManager::s_nPaneDockDelay = 220;
BOOL CGTDockManager::s_bLayoutSuspended = FALSE;
BOOL CGTDockManager::s_bApplyingState = FALSE;
BOOL CGTDockManager::s_bStoringState = FALSE;
CGTSmartDockingParams CGTDockManager::s_smartDockingParams;

namespace {
const COLORREF noColor = static_cast<COLORREF>(-1);
const BOOL moduleRegistered = RegisterDockingModule();

// The sides of the frame's dock bars in the order they are made: top and bottom first, so
// that they span the whole width.
const DWORD creationOrder[] = {GTSideTop, GTSideBottom, GTSideLeft, GTSideRight};

// Which side a resizable bar docked by dock-bar id takes: the first row whose id matches and
// whose side value shares a bit with the sides the bar allows.
const struct {
    UINT dockBarId;
    DWORD sideValue;
} sidesById[] = {
    {GTDockBarTopId, 0x2800},
    {GTDockBarBottomId, 0x8200},
    {GTDockBarLeftId, 0x1400},
    {GTDockBarRightId, 0x4100},
};

CGTBaseControlBar* BarWithId(const CObList& iBars, UINT iId)
{
    for (POSITION position = iBars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTBaseControlBar*>(iBars.GetNext(position));
        if (bar->GetSafeHwnd() != nullptr && static_cast<UINT>(bar->GetDlgCtrlID()) == iId)
            return bar;
    }
    return nullptr;
}

// A bar inside a listed entry: a tab of a tabbed pane, a bar in a dock bar's rows, a band of a rebar.
CGTBaseControlBar* BarInside(CGTBaseControlBar* iEntry, UINT iId)
{
    if (auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, iEntry))
        return DYNAMIC_DOWNCAST(CGTBaseControlBar, tabbed->FindTabBarById(iId));
    if (auto* dockBar = DYNAMIC_DOWNCAST(CGTDockBar, iEntry))
        return BarWithId(dockBar->GetBars(), iId);
    if (iEntry->IsKindOf(RUNTIME_CLASS(CGTReBar)))
        return DYNAMIC_DOWNCAST(CGTBaseControlBar, iEntry->GetDlgItem(static_cast<int>(iId)));
    return nullptr;
}
}  // namespace

CGTSmartDockingParams::CGTSmartDockingParams()
    : m_CentralGroupSize(93, 93), m_CentralGroupOffset(5), m_TransparentColor(RGB(255, 0, 255)), m_ToneSource(noColor),
      m_ToneTarget(noColor), m_MarkerBitmaps{}, m_MarkerHotBitmaps{}, m_CentralGroupBackColor(noColor),
      m_CentralGroupBorderColor(noColor), m_UseSystemHighlight(FALSE)
{
}

VADE_AUTOHIDEBAR_SAVE_INFO::VADE_AUTOHIDEBAR_SAVE_INFO()
    : m_nPaneId(-1), m_dwSide(0), m_bShown(FALSE), m_rectPane(0, 0, 0, 0), m_lstGroupIds(10), m_bFirstInGroup(TRUE),
      m_bLastInGroup(TRUE), m_bActiveInGroup(TRUE), m_pSavedPane(nullptr)
{
}

VADE_AUTOHIDEBAR_SAVE_INFO::VADE_AUTOHIDEBAR_SAVE_INFO(const VADE_AUTOHIDEBAR_SAVE_INFO& iOther)
    : VADE_AUTOHIDEBAR_SAVE_INFO()
{
    *this = iOther;
}

VADE_AUTOHIDEBAR_SAVE_INFO& VADE_AUTOHIDEBAR_SAVE_INFO::operator=(const VADE_AUTOHIDEBAR_SAVE_INFO& iOther)
{
    m_nPaneId = iOther.m_nPaneId;
    m_dwSide = iOther.m_dwSide;
    m_bShown = iOther.m_bShown;
    m_rectPane = iOther.m_rectPane;
    m_lstGroupIds.RemoveAll();
    m_lstGroupIds.AddTail(const_cast<CList<UINT, UINT>*>(&iOther.m_lstGroupIds));
    m_bFirstInGroup = iOther.m_bFirstInGroup;
    m_bLastInGroup = iOther.m_bLastInGroup;
    m_bActiveInGroup = iOther.m_bActiveInGroup;
    m_pSavedPane = iOther.m_pSavedPane;
    return *this;
}

CGTDockManager::CGTDockManager()
    : m_bLayoutEnabled(TRUE), m_bUpdateLocked(FALSE), m_bAdjustSuspended(FALSE), m_pOwnerFrame(nullptr),
      m_rectFreeArea(0, 0, 0, 0), m_rectOuterEdge(0, 0, 0, 0), m_dwDockBarSides(0), m_dwAutoHideSides(0),
      m_pHoverTarget(nullptr), m_pHoverFrame(nullptr), m_HoverStart(0), m_nHoverHit(0), m_bPreviewMode(FALSE),
      m_bAllBarsHidden(FALSE), m_bBottomStrip(FALSE), m_bInLayout(FALSE), m_bInAdjust(FALSE), m_bSkipApply(FALSE),
      m_bApplyBlocked(FALSE), m_pSmartDocking(nullptr), m_MenuBarIds(17), m_bMenuOpen(FALSE),
      m_bBarsMenuEnabled(FALSE), m_bBarsMenuToolbarsOnly(FALSE), m_nMenuExtraCmd(0)
{
    (void)moduleRegistered;
}

CGTDockManager::~CGTDockManager()
{
    delete m_pSmartDocking;
}

BOOL CGTDockManager::SetOwnerFrame(CWnd* iFrame)
{
    m_pOwnerFrame = iFrame;
    return TRUE;
}

void CGTDockManager::SetDockingMode(int iMode)
{
    s_nDockingMode = iMode == GTDockingSmart ? GTDockingSmart | GTDockingImmediate : iMode;
}

CGTBaseControlBar* CGTDockManager::HeldBarOf(CObject* iEntry)
{
    if (auto* slider = DYNAMIC_DOWNCAST(CGTSlider, iEntry)) {
        if (CGTBarContainerManager* manager = slider->GetContainerManager())
            return manager->GetFirstControlBar();
    }
    return static_cast<CGTBaseControlBar*>(iEntry);
}

BOOL CGTDockManager::AddBar(CGTBaseControlBar* iBar, BOOL iTail, BOOL iAutoHide, BOOL iInsertForOuterEdge)
{
    CObList& list = iAutoHide ? m_lstAutoHideSliders : m_lstBars;
    if (iBar == nullptr || list.Find(iBar) != nullptr)
        return FALSE;
    POSITION before = nullptr;
    if (!iTail && iInsertForOuterEdge) {
        for (POSITION position = list.GetHeadPosition(); position != nullptr && before == nullptr;) {
            POSITION current = position;
            if (static_cast<CGTBaseControlBar*>(list.GetNext(position))->AllowsInsertBefore())
                before = current;
        }
    }
    if (before != nullptr)
        list.InsertBefore(before, iBar);
    else if (!iTail && !iInsertForOuterEdge)
        list.AddHead(iBar);
    else
        list.AddTail(iBar);
    iBar->SetOwnerFrame(m_pOwnerFrame);
    return TRUE;
}

BOOL CGTDockManager::InsertBarNextTo(CGTBaseControlBar* iBar, CGTBaseControlBar* iNeighbour, BOOL iAfter)
{
    POSITION neighbour = m_lstBars.Find(iNeighbour);
    if (m_lstBars.Find(iBar) != nullptr || neighbour == nullptr)
        return FALSE;
    if (iAfter)
        m_lstBars.InsertAfter(neighbour, iBar);
    else
        m_lstBars.InsertBefore(neighbour, iBar);
    return TRUE;
}

void CGTDockManager::RemoveBar(CGTBaseControlBar* iBar, BOOL iDestroy, BOOL iRecalcLayout, BOOL iAutoHide)
{
    CObList& list = iAutoHide ? m_lstAutoHideSliders : m_lstBars;
    POSITION position = list.Find(iBar);
    if (position == nullptr)
        return;
    list.RemoveAt(position);
    if (iDestroy)
        iBar->DestroyWindow();
    if (iRecalcLayout)
        RecalcLayout();
}

BOOL CGTDockManager::CreateDockBarOn(CRuntimeClass* iClass, DWORD iSide)
{
    auto* dockBar = static_cast<CGTDockBar*>(iClass->CreateObject());
    if (!dockBar->Create(iSide, CRect(0, 0, 0, 0), m_pOwnerFrame)) {
        // A window that never came to be does not delete its object.
        if (dockBar->GetSafeHwnd() == nullptr)
            delete dockBar;
        return FALSE;
    }
    m_lstBars.AddTail(dockBar);
    dockBar->SetOwnerFrame(m_pOwnerFrame);
    return TRUE;
}

BOOL CGTDockManager::CreateSideBars(CRuntimeClass* iClass, DWORD iSides, DWORD& ioCreated)
{
    if (m_pOwnerFrame == nullptr)
        return FALSE;
    const BOOL autoHide = &ioCreated == &m_dwAutoHideSides;
    for (DWORD side : creationOrder) {
        if (!(iSides & side) || (ioCreated & side))
            continue;
        // An auto-hide dock bar follows the ordinary one of its side in the list.
        if (autoHide && !(m_dwDockBarSides & side) && !CreateDockBars(side))
            return FALSE;
        if (!CreateDockBarOn(iClass, side))
            return FALSE;
        ioCreated |= side;
    }
    RecalcLayout();
    return TRUE;
}

BOOL CGTDockManager::CreateDockBars(DWORD iSides)
{
    return CreateSideBars(RUNTIME_CLASS(CGTDockBar), iSides, m_dwDockBarSides);
}

BOOL CGTDockManager::CreateAutoHideDockBars(DWORD iSides)
{
    return CreateSideBars(RUNTIME_CLASS(CGTAutoHideDockBar), iSides, m_dwAutoHideSides);
}

void CGTDockManager::DockBar(CGTBaseControlBar* iBar, UINT iDockBarId, LPCRECT iRect)
{
    if (m_lstBars.IsEmpty() || iBar == nullptr)
        return;
    iBar->UnDockControlBar(TRUE);
    if (!(iBar->GetBehaviourStyle() & (GTBehaviourCanFloat | GTBehaviourDockWithoutFloating))) {
        AddBar(iBar);
        return;
    }
    if (iBar->IsResizable()) {
        for (const auto& row : sidesById) {
            if (row.dockBarId == iDockBarId && (row.sideValue & iBar->GetEnabledAlignment())) {
                iBar->DockToFrameWindow(row.sideValue, iRect, GTDockByRect, nullptr, -1, FALSE);
                return;
            }
        }
        return;
    }
    for (POSITION position = m_lstBars.GetHeadPosition(); position != nullptr;) {
        auto* dockBar = DYNAMIC_DOWNCAST(CGTDockBar, m_lstBars.GetNext(position));
        if (dockBar == nullptr || (iDockBarId != 0 && dockBar->GetDockBarId() != iDockBarId))
            continue;
        if (iBar->CanDockToBar(dockBar) && dockBar->CanAcceptBar(iBar) &&
            iBar->DockToTarget(dockBar, iRect, GTDockByRect)) {
            iBar->Invalidate(TRUE);
            return;
        }
    }
}

void CGTDockManager::RaiseBars(DWORD iAlignment, BOOL iWithoutBars)
{
    BOOL passingBars = iWithoutBars;
    for (POSITION position = m_lstBars.GetTailPosition(); position != nullptr;) {
        auto* entry = static_cast<CGTBaseControlBar*>(m_lstBars.GetPrev(position));
        if (passingBars && (entry->IsKindOf(RUNTIME_CLASS(CGTControlBar)) || entry->IsKindOf(RUNTIME_CLASS(CGTSlider))))
            continue;
        passingBars = FALSE;
        if (iAlignment == 0 || entry->GetCurrentAlignment() == iAlignment)
            entry->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void CGTDockManager::CollectBars(CObList& oBars, BOOL iIncludeAutoHide, CRuntimeClass* iClass)
{
    const auto take = [&](CObject* iBar) {
        if (iBar != nullptr && (iClass == nullptr || iBar->IsKindOf(iClass)))
            oBars.AddTail(iBar);
    };
    for (POSITION position = m_lstBars.GetHeadPosition(); position != nullptr;) {
        CObject* entry = m_lstBars.GetNext(position);
        take(entry);
        if (auto* dockBar = DYNAMIC_DOWNCAST(CGTDockBar, entry)) {
            for (POSITION inner = dockBar->GetBars().GetHeadPosition(); inner != nullptr;)
                take(dockBar->GetBars().GetNext(inner));
        }
    }
    if (iIncludeAutoHide) {
        for (POSITION position = m_lstAutoHideSliders.GetHeadPosition(); position != nullptr;)
            take(HeldBarOf(m_lstAutoHideSliders.GetNext(position)));
    }
    CGTMiniFrameWnd::CollectFloatingBars(oBars, iClass);
}

void CGTDockManager::ReorderFloatFrames()
{
    if (m_lstFloatFrames.IsEmpty())
        return;
    CObList ordered;
    auto* first = static_cast<CWnd*>(m_lstFloatFrames.GetHead());
    for (HWND window = ::GetWindow(first->GetSafeHwnd(), GW_HWNDFIRST); window != nullptr;
         window = ::GetWindow(window, GW_HWNDNEXT)) {
        CObject* frame = CWnd::FromHandlePermanent(window);
        if (frame != nullptr && m_lstFloatFrames.Find(frame) != nullptr)
            ordered.AddTail(frame);
    }
    m_lstFloatFrames.RemoveAll();
    m_lstFloatFrames.AddTail(&ordered);
}

BOOL CGTDockManager::SendMessageToMiniFrames(UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    for (POSITION position = m_lstFloatFrames.GetHeadPosition(); position != nullptr;)
        static_cast<CWnd*>(m_lstFloatFrames.GetNext(position))->SendMessage(iMessage, iWParam, iLParam);
    return TRUE;
}

BOOL CGTDockManager::AddMiniFrame(CGTMiniFrameWnd* iFrame)
{
    if (iFrame == nullptr || m_lstFloatFrames.Find(iFrame) != nullptr)
        return FALSE;
    m_lstFloatFrames.AddTail(iFrame);
    return TRUE;
}

BOOL CGTDockManager::RemoveMiniFrame(CGTMiniFrameWnd* iFrame)
{
    POSITION position = m_lstFloatFrames.Find(iFrame);
    if (position == nullptr)
        return FALSE;
    m_lstFloatFrames.RemoveAt(position);
    return TRUE;
}

CGTBaseControlBar* CGTDockManager::FindBarById(UINT iId, BOOL iSearchMiniFrames)
{
    for (POSITION position = m_lstAutoHideSliders.GetHeadPosition(); position != nullptr;) {
        CGTBaseControlBar* pane = HeldBarOf(m_lstAutoHideSliders.GetNext(position));
        if (pane != nullptr && pane->GetSafeHwnd() != nullptr && static_cast<UINT>(pane->GetDlgCtrlID()) == iId)
            return pane;
    }
    for (POSITION position = m_lstBars.GetHeadPosition(); position != nullptr;) {
        auto* entry = static_cast<CGTBaseControlBar*>(m_lstBars.GetNext(position));
        if (entry->GetSafeHwnd() != nullptr && static_cast<UINT>(entry->GetDlgCtrlID()) == iId)
            return entry;
        if (CGTBaseControlBar* inside = BarInside(entry, iId))
            return inside;
    }
    if (!iSearchMiniFrames)
        return nullptr;
    for (POSITION position = m_lstFloatFrames.GetHeadPosition(); position != nullptr;) {
        auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar,
                                     static_cast<CGTMiniFrameWnd*>(m_lstFloatFrames.GetNext(position))->GetBar());
        if (bar != nullptr && static_cast<UINT>(bar->GetDlgCtrlID()) == iId)
            return bar;
    }
    return CGTMiniFrameWnd::LookupFloatingBar(iId);
}

CGTDockBar* CGTDockManager::FindDockBarByAlignment(DWORD iAlignment, BOOL iFromHead)
{
    const DWORD side = iAlignment & GTSideAny;
    POSITION position = iFromHead ? m_lstBars.GetHeadPosition() : m_lstBars.GetTailPosition();
    while (position != nullptr) {
        CObject* entry = iFromHead ? m_lstBars.GetNext(position) : m_lstBars.GetPrev(position);
        auto* dockBar = DYNAMIC_DOWNCAST(CGTDockBar, entry);
        if (dockBar != nullptr && dockBar->GetCurrentAlignment() == side)
            return dockBar;
    }
    return nullptr;
}

CGTDockBar* CGTDockManager::FindDockBarOfRow(CGTBaseControlBar* iBar)
{
    if (iBar == nullptr || iBar->GetSafeHwnd() == nullptr)
        return nullptr;
    for (POSITION position = m_lstBars.GetHeadPosition(); position != nullptr;) {
        auto* dockBar = DYNAMIC_DOWNCAST(CGTDockBar, m_lstBars.GetNext(position));
        if (dockBar != nullptr && BarWithId(dockBar->GetBars(), iBar->GetDlgCtrlID()) == iBar)
            return dockBar;
    }
    return nullptr;
}

void CGTDockManager::RearrangeDockBars()
{
    for (POSITION position = m_lstBars.GetHeadPosition(); position != nullptr;) {
        if (auto* dockBar = DYNAMIC_DOWNCAST(CGTDockBar, m_lstBars.GetNext(position)))
            dockBar->RepositionRows();
    }
    RecalcLayout();
}

void CGTDockManager::AdjustAllBars()
{
    if (s_bLayoutSuspended || m_bInAdjust || m_bAdjustSuspended || !m_bLayoutEnabled)
        return;
    m_bInAdjust = TRUE;
    for (POSITION position = m_lstBars.GetHeadPosition(); position != nullptr;) {
        auto* entry = static_cast<CGTBaseControlBar*>(m_lstBars.GetNext(position));
        if (!m_bAllBarsHidden || (entry->GetStyle() & WS_VISIBLE))
            entry->AdjustLayout();
    }
    for (POSITION position = m_lstFloatFrames.GetHeadPosition(); position != nullptr;)
        static_cast<CGTMiniFrameWnd*>(m_lstFloatFrames.GetNext(position))->AdjustLayout();
    m_bInAdjust = FALSE;
    RecalcLayout();
}

void CGTDockManager::RefreshAllBarFrames()
{
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    for (POSITION position = m_lstBars.GetHeadPosition(); position != nullptr;)
        static_cast<CGTBaseControlBar*>(m_lstBars.GetNext(position))->MoveBarWindow(nullptr, 0, 0, 0, 0, flags);
    for (POSITION position = m_lstFloatFrames.GetHeadPosition(); position != nullptr;) {
        auto* frame = static_cast<CGTMiniFrameWnd*>(m_lstFloatFrames.GetNext(position));
        frame->SetWindowPos(nullptr, 0, 0, 0, 0, flags);
        frame->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
}
