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

    // The popup class of the marker windows and the central group's, registered once.
    static CString MarkerWindowClass();
    void SetBitmaps(HBITMAP iBitmap, HBITMAP iHotBitmap, BOOL iBuiltIn);
    void Highlight(BOOL iOn);

    HBITMAP m_Bitmap;
    // The second image of custom images, shown while highlighted (the marker's); null otherwise.
    HBITMAP m_HotBitmap;
    BOOL m_Highlighted;
    BOOL m_BuiltInImages;
    COLORREF m_BaseColor;
    // Top and bottom markers.
    BOOL m_Vertical;

protected:
    afx_msg void OnPaint();
    afx_msg void OnClose();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    DECLARE_MESSAGE_MAP()
};

// The frame of a built-in marker image in the base or the highlight colour, and its two
// shading lines inside: top and bottom rows of a horizontal marker, left and right columns of
// a vertical one. iOpenSide (a side bit, or 0) is left unframed for its last 7 pixels.
void DrawBuiltInMarkerFrame(CDC* iDc, const CRect& iRect, COLORREF iFrameColor, BOOL iVertical, DWORD iOpenSide = 0);

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
    BOOL IsHighlighted() const { return m_Highlighted; }

    // Frame colours of built-in images.
    static const COLORREF s_HighlightColor;

protected:
    // The image of the marker's index (the parameters' own, else the built-in one); FALSE when
    // it cannot be loaded.
    BOOL LoadImages(const CGTSmartDockingParams& iParams);
    // The shape from the loaded image, and its size.
    BOOL BuildShape(COLORREF iTransparent);

public:
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

    // Places the marker inside the group; it has no window of its own.
    BOOL Create(int iId, CGTSDCentralGroup* iGroup);
    BOOL Create(int iId, CWnd* iHost) override;
    void Destroy() override;
    void Show(BOOL iShow) override;
    void AdjustPos(const CRect& iDockSite) override;
    void Highlight(BOOL iOn) override;
    BOOL IsPtIn(CPoint iScreenPoint) const override;
    virtual void Draw(CDC* iDc);
    virtual void DestroyRegion();
    // The group's size and the diamond's inset: the parameters' own, or those that fit the
    // built-in images (88 x 88, 9), which leave the parameters as they are.
    CSize GroupSize() const;
    int GroupOffset() const;

    CGTSDCentralGroup* m_Group;
    CPen m_BasePen;
    CPen m_HighlightPen;
    COLORREF m_BaseColor;
    CPoint m_PositionInGroup;
    BOOL m_Visible;
};
