#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <algorithm>
#include <iterator>

IMPLEMENT_DYNAMIC(CGTSmartDockingManager, CObject)

namespace {
// The side each marker id stands for; the centre stands for none.
const DWORD markerSides[] = {GTSideLeft, GTSideRight, GTSideTop, GTSideBottom,
                             GTSideLeft, GTSideRight, GTSideTop, GTSideBottom};
const int centreMarker = 8;

// The docking pane a dragged mini frame holds first, or null.
CGTDockingControlBar* DraggedPane(CWnd* iDragged)
{
    auto* frame = DYNAMIC_DOWNCAST(CGTMiniFrameWnd, iDragged);
    return frame != nullptr ? DYNAMIC_DOWNCAST(CGTDockingControlBar, frame->GetBar()) : nullptr;
}
}  // namespace

CGTSmartDockingManager::CGTSmartDockingManager()
    : m_Started(FALSE), m_Created(FALSE), m_Shown(FALSE), m_CentralGroupShown(FALSE), m_HoveredMarker(-1),
      m_Host(nullptr), m_DraggedWnd(nullptr), m_AllowedAlignments(GTSideAny), m_DockSiteRect(0, 0, 0, 0), m_Markers{},
      m_CentralGroup(nullptr)
{
}

CGTSmartDockingManager::~CGTSmartDockingManager()
{
    Destroy();
}

void CGTSmartDockingManager::Create(CWnd* iHost, CRuntimeClass* iMarkerClass, CRuntimeClass* iCentralGroupClass)
{
    Destroy();
    CRuntimeClass* markerClass = iMarkerClass != nullptr ? iMarkerClass : RUNTIME_CLASS(CGTSmartDockingMarker);
    CRuntimeClass* groupClass = iCentralGroupClass != nullptr ? iCentralGroupClass : RUNTIME_CLASS(CGTSDCentralGroup);
    m_CentralGroup = static_cast<CGTSDCentralGroup*>(groupClass->CreateObject());
    for (int id = 0; id < 4; ++id) {
        m_Markers[id] = static_cast<CGTSmartDockingMarker*>(markerClass->CreateObject());
        m_Markers[id]->Create(id, iHost);
    }
    m_CentralGroup->Create(iHost);
    for (int id = 4; id <= centreMarker; ++id)
        m_Markers[id] = m_CentralGroup->GetMarker(id);
    m_Host = iHost;
    m_PlaceMarker.Create(iHost);
    m_Created = TRUE;
}

void CGTSmartDockingManager::Destroy()
{
    if (!m_Created)
        return;
    Stop();
    for (int id = 0; id < 4; ++id)
        delete m_Markers[id];
    if (m_CentralGroup != nullptr)
        m_CentralGroup->Destroy();
    delete m_CentralGroup;
    m_CentralGroup = nullptr;
    std::fill(std::begin(m_Markers), std::end(m_Markers), nullptr);
    if (m_PlaceMarker.GetSafeHwnd() != nullptr)
        m_PlaceMarker.DestroyWindow();
    m_Created = FALSE;
}

void CGTSmartDockingManager::Start(CWnd* iDraggedWnd)
{
    if (!m_Created || m_Started)
        return;
    m_DraggedWnd = iDraggedWnd;
    m_PlaceMarker.m_DraggedWnd = iDraggedWnd;
    m_HoveredMarker = -1;
    CGTDockingControlBar* pane = DraggedPane(iDraggedWnd);
    m_AllowedAlignments = pane != nullptr ? pane->GetEnabledAlignment() & GTSideAny : GTSideAny;
    for (int id = 0; id < 4; ++id)
        m_Markers[id]->AdjustPos(m_DockSiteRect);
    ShowSideMarkers(TRUE);
    m_Shown = TRUE;
    m_CentralGroupShown = FALSE;
    m_Started = TRUE;
}

void CGTSmartDockingManager::Stop()
{
    if (!m_Started)
        return;
    m_HoveredMarker = -1;
    m_PlaceMarker.Hide();
    for (int id = 0; id < 4; ++id)
        m_Markers[id]->Show(FALSE);
    m_CentralGroup->Show(FALSE);
    m_CentralGroupShown = FALSE;
    m_Shown = FALSE;
    m_Started = FALSE;
}

void CGTSmartDockingManager::Show(BOOL iShow)
{
    if (!m_Started || m_Shown == iShow)
        return;
    m_Shown = iShow;
    if (m_CentralGroupShown)
        m_CentralGroup->Show(iShow);
    ShowSideMarkers(iShow);
    if (!iShow && !m_PlaceMarker.m_Tabbed)
        m_PlaceMarker.Hide();
}

void CGTSmartDockingManager::ShowSideMarkers(BOOL iShow)
{
    for (int id = 0; id < 4; ++id)
        m_Markers[id]->Show(iShow && (m_AllowedAlignments & markerSides[id]) != 0);
}

void CGTSmartDockingManager::OnPosChange(const CRect& iRect)
{
    m_DockSiteRect = iRect;
    if (m_Host != nullptr && m_Host->GetSafeHwnd() != nullptr)
        m_Host->ClientToScreen(&m_DockSiteRect);
    if (!m_Started)
        return;
    for (int id = 0; id < 4; ++id)
        m_Markers[id]->AdjustPos(m_DockSiteRect);
    ShowSideMarkers(m_Shown);
    m_CentralGroup->MoveTo(m_DockSiteRect);
}

void CGTSmartDockingManager::EnableCentralMarkers(DWORD iAlignments)
{
    for (int id = 4; id < centreMarker; ++id) {
        auto* marker = static_cast<CGTSDCentralGroupMarker*>(m_Markers[id]);
        marker->m_Visible = (iAlignments & markerSides[id]) != 0;
    }
    if (m_CentralGroup->m_Wnd.GetSafeHwnd() != nullptr)
        m_CentralGroup->m_Wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CGTSmartDockingManager::ShowCentralGroup(BOOL iShow, DWORD iAlignments)
{
    if (!m_Started || m_CentralGroup == nullptr || !m_Shown) {
        m_CentralGroupShown = iShow;
        return;
    }
    if (m_CentralGroupShown == iShow)
        return;
    m_CentralGroupShown = iShow;
    EnableCentralMarkers(iAlignments);
    m_CentralGroup->Show(iShow);
}

void CGTSmartDockingManager::MoveCentralGroup(const CRect& iRect, int iCentreMarker, DWORD iAlignments)
{
    if (!m_Started || m_CentralGroup == nullptr || m_CentralGroup->m_Wnd.GetSafeHwnd() == nullptr)
        return;
    EnableCentralMarkers(iAlignments);
    if (m_CentralGroup->MoveTo(iRect, iCentreMarker))
        m_HoveredMarker = -1;
}

void CGTSmartDockingManager::TrackCentralGroup(CPoint iScreenPoint)
{
    CGTDockManager* dockManager = GetDockManagerOfFrame(m_Host);
    if (dockManager == nullptr)
        return;
    CGTDockingControlBar* dragged = DraggedPane(m_DraggedWnd);
    auto* pane = static_cast<CGTDockingControlBar*>(
        dockManager->FindBarAtPoint(iScreenPoint, 0, TRUE, RUNTIME_CLASS(CGTDockingControlBar), TRUE, dragged));
    CRect over;
    int centre = FALSE;
    if (pane != nullptr) {
        pane->GetWindowRect(&over);
        centre = dragged != nullptr && pane->CanAcceptBar(dragged) && dragged->CanBeTabbed();
    } else {
        dockManager->GetClientAreaBounds(over);
        m_Host->ClientToScreen(&over);
        if (!over.PtInRect(iScreenPoint)) {
            ShowCentralGroup(FALSE);
            return;
        }
    }
    MoveCentralGroup(over, centre, m_AllowedAlignments);
    ShowCentralGroup(TRUE, m_AllowedAlignments);
}

void CGTSmartDockingManager::OnMouseMove(CPoint iScreenPoint)
{
    if (!m_Started)
        return;
    TrackCentralGroup(iScreenPoint);
    m_HoveredMarker = -1;
    const int last = m_CentralGroup->m_CentreMarkerOn ? centreMarker : centreMarker - 1;
    for (int id = last; id >= 0; --id) {
        CGTSmartDockingMarker* marker = m_Markers[id];
        if (marker == nullptr)
            continue;
        const BOOL hovered = m_HoveredMarker == -1 && marker->IsPtIn(iScreenPoint);
        if (hovered)
            m_HoveredMarker = id;
        marker->Highlight(hovered);
    }
}

void CGTSmartDockingManager::ShowPlace(const CRect& iRect)
{
    if (m_Started && m_Shown && m_HoveredMarker != -1)
        m_PlaceMarker.ShowAt(iRect);
}

void CGTSmartDockingManager::ShowTabbedPlace(const CRect& iRect, int iTabOffset, int iTabWidth, int iTabHeight)
{
    if (m_Started)
        m_PlaceMarker.ShowTabbedAt(iRect, CRect(iTabOffset, 0, iTabOffset + iTabWidth, iTabHeight));
}

void CGTSmartDockingManager::HidePlace()
{
    if (m_Started)
        m_PlaceMarker.Hide();
}

void CGTSmartDockingManager::CauseCancelMode()
{
    if (m_Started && m_DraggedWnd != nullptr && m_DraggedWnd->GetSafeHwnd() != nullptr)
        m_DraggedWnd->SendMessage(WM_CANCELMODE);
}
