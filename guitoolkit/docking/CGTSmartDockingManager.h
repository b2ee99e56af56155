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
    void OnMouseMove(CPoint iScreenPoint);
    void ShowPlace(const CRect& iRect);
    void ShowTabbedPlace(const CRect& iRect, int iTabOffset, int iTabWidth, int iTabHeight);
    void HidePlace();
    void CauseCancelMode();
    BOOL IsStarted() const { return m_Created && m_Started; }
    BOOL IsShown() const { return m_Shown; }
    // -1: none.
    int GetHoveredMarker() const { return m_HoveredMarker; }

protected:
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
