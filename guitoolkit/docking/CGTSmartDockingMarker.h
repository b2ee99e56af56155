// The markers the smart docking manager shows while a pane is dragged: one arrow-shaped
// marker window per frame side (ids 0 to 3), and the five markers of the central group
// (ids 4 to 8), which the group's window draws. Each knows its shape, a region made from its
// bitmap, tells whether a screen point lies on it, and can be highlighted.
#pragma once
#include <guitoolkit/core/CGTToolBarImages.h>

class CGTSDCentralGroup;
class CGTSmartDockingMarker;
struct CGTSmartDockingParams;

// The popup window that shows one side marker's bitmap.
class CGTMarkerBmpWnd : public CWnd {
    DECLARE_DYNAMIC(CGTMarkerBmpWnd)
public:
    CGTMarkerBmpWnd();

    HBITMAP m_Bitmap;
    HBITMAP m_HotBitmap;
    BOOL m_Highlighted;
    BOOL m_BuiltInImages;
    COLORREF m_BaseColor;
    // Top and bottom markers.
    BOOL m_Vertical;
};

class CGTSmartDockingMarker : public CObject {
    DECLARE_DYNCREATE(CGTSmartDockingMarker)
public:
    CGTSmartDockingMarker();
    ~CGTSmartDockingMarker() override;

    virtual BOOL Create(int iId, CWnd* iHost);
    virtual void Destroy();
    virtual void Show(BOOL iShow);
    // The dock-site rectangle, in screen coordinates.
    virtual void AdjustPos(const CRect& iDockSite);
    virtual void Highlight(BOOL iOn);
    virtual BOOL IsPtIn(CPoint iScreenPoint) const;
    virtual void InitImages(const CGTSmartDockingParams& iParams);

    // Moves every picture by the hue and saturation that lead from baseColor to toneColor,
    // and by the lightness too when toneColor's hue is in the first half of the circle.
    void BuildShadowedImage(COLORREF baseColor, COLORREF toneColor);
    // The bitmap's area without its pixels of transparentColor; null without a bitmap.
    static HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparentColor);
    int GetId() const { return m_Id; }

    int m_Id;
    CGTMarkerBmpWnd m_BitmapWnd;
    CGTToolBarImages m_Images;
    int m_ImageIndex;
    BOOL m_Flag;
    BOOL m_Loaded;
    CRgn m_Shape;
    int m_Width;
    int m_Height;
    BOOL m_Highlighted;
    BOOL m_Layered;
    BOOL m_BuiltInImages;
};

// One of the five markers of the central group, drawn by the group's window.
class CGTSDCentralGroupMarker : public CGTSmartDockingMarker {
    DECLARE_DYNCREATE(CGTSDCentralGroupMarker)
public:
    CGTSDCentralGroupMarker();

    virtual void Draw(CDC* iDc);
    virtual void DestroyRegion();

    CGTSDCentralGroup* m_Group;
    CPen m_BasePen;
    CPen m_HighlightPen;
    COLORREF m_BaseColor;
    CPoint m_PositionInGroup;
    BOOL m_Visible;
};
