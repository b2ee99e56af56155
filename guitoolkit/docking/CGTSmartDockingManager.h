// The smart-docking markers of one frame: it shows and hides them while a mini frame is
// dragged and tells which marker lies under the cursor. Marker ids 0 to 3 are the side markers
// (left, right, top, bottom), 4 to 7 the central group's and 8 its centre.
#pragma once
#include <guitoolkit/docking/CGTSDCentralGroup.h>

class CGTSmartDockingManager : public CObject {
    DECLARE_DYNAMIC(CGTSmartDockingManager)
public:
    CGTSmartDockingManager();
    ~CGTSmartDockingManager() override;

    void Create(CWnd* iHost, CRuntimeClass* iMarkerClass = nullptr, CRuntimeClass* iCentralGroupClass = nullptr);
    void Destroy();
    void Start(CWnd* iDraggedWnd);
    void Stop();
    void Show(BOOL iShow);
    // In the host's client coordinates.
    void OnPosChange(const CRect& iRect);
    void ShowCentralGroup(BOOL iShow, DWORD iAlignments = 0xF000);
    void MoveCentralGroup(const CRect& iRect, int iCentreMarker, DWORD iAlignments);
    // Also centres the central group over the docking pane under the point, or over the frame's
    // free area, before it finds the hovered marker.
    void OnMouseMove(CPoint iScreenPoint);
    void ShowPlace(const CRect& iRect);
    void ShowTabbedPlace(const CRect& iRect, int iTabOffset, int iTabWidth, int iTabHeight);
    void HidePlace();
    void CauseCancelMode();
    BOOL IsStarted() const { return m_Created && m_Started; }
    BOOL IsShown() const { return m_Shown; }
    // -1: none.
    int GetHoveredMarker() const { return m_HoveredMarker; }
    // Ids 0 to 8; null before Create.
    CGTSmartDockingMarker* GetMarker(int iId) const { return iId >= 0 && iId <= 8 ? m_Markers[iId] : nullptr; }
    CGTSDCentralGroup* GetCentralGroup() const { return m_CentralGroup; }
    const CGTSDPlaceMarkerWnd& GetPlaceMarker() const { return m_PlaceMarker; }

protected:
    // The side markers that the dragged pane may use follow iShow; the others hide.
    void ShowSideMarkers(BOOL iShow);
    void EnableCentralMarkers(DWORD iAlignments);
    void TrackCentralGroup(CPoint iScreenPoint);

    BOOL m_Started;
    BOOL m_Created;
    BOOL m_Shown;
    BOOL m_CentralGroupShown;
    int m_HoveredMarker;
    CWnd* m_Host;
    CWnd* m_DraggedWnd;
    DWORD m_AllowedAlignments;
    CRect m_DockSiteRect;
    CGTSDPlaceMarkerWnd m_PlaceMarker;
    CGTSmartDockingMarker* m_Markers[9];
    CGTSDCentralGroup* m_CentralGroup;
};
