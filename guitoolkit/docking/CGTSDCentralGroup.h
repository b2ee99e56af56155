// The central group of the smart-docking markers: five markers in one diamond-shaped window
// centred over the pane under the cursor, and the translucent preview of where it would land.
#pragma once
#include <guitoolkit/docking/CGTSmartDockingMarker.h>

class CGTSDCentralGroup;

class CGTCentralGroupWnd : public CWnd {
    DECLARE_DYNAMIC(CGTCentralGroupWnd)
public:
    CGTCentralGroupWnd();

    CGTSDCentralGroup* m_Group;
    CBrush m_BackBrush;
    CBrush m_BorderBrush;

protected:
    afx_msg void OnPaint();
    afx_msg void OnClose();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    DECLARE_MESSAGE_MAP()
};

class CGTSDCentralGroup : public CObject {
    DECLARE_DYNCREATE(CGTSDCentralGroup)
public:
    CGTSDCentralGroup();
    ~CGTSDCentralGroup() override;

    virtual BOOL Create(CWnd* iHost);
    virtual void Destroy();
    virtual void Show(BOOL iShow);
    // iCentreMarker 0 or 1 switches the centre marker off or on; FALSE when the group stays.
    virtual BOOL MoveTo(const CRect& iRect, int iCentreMarker = -1);
    // Ids 4 to 8; null otherwise.
    virtual CGTSDCentralGroupMarker* GetMarker(int iId);
    // The diamond and the visible markers, in the group window's client coordinates.
    void Paint(CDC* iDc);

private:
    // The diamond between the markers' bounding box (deflated by the offset) and the window
    // shape, both in group coordinates; FALSE when a marker has no shape.
    BOOL BuildShapes(CRgn& oWindowShape, CRect& oBounds);

public:
    CGTCentralGroupWnd m_Wnd;
    CGTSDCentralGroupMarker m_Markers[5];
    CRgn m_Diamond;
    BOOL m_Created;
    BOOL m_CentreMarkerOn;
    BOOL m_Layered;
};

// The placement preview.
class CGTSDPlaceMarkerWnd : public CWnd {
    DECLARE_DYNAMIC(CGTSDPlaceMarkerWnd)
public:
    CGTSDPlaceMarkerWnd();

    BOOL Create(CWnd* iHost);
    void ShowAt(const CRect& iRect);
    void ShowTabbedAt(const CRect& iRect, const CRect& iTab);
    void Hide();

    CWnd* m_Host;
    CWnd* m_DraggedWnd;
    CRect m_ShownRect;
    CRect m_TabRect;
    BOOL m_Tabbed;
    BOOL m_Shown;
    BOOL m_UseSystemHighlight;

    // The tab of the tabbed preview above the pane instead of below.
    static BOOL s_TabsOnTop;

protected:
    afx_msg void OnPaint();
    afx_msg void OnClose();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    DECLARE_MESSAGE_MAP()

private:
    void MoveAndShow(int iX, int iY, int iWidth, int iHeight);

    // Without layering the preview inverts what the screen showed there before it appeared.
    CBitmap m_Underneath;
};
