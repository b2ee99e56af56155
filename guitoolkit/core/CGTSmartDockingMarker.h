// One of the markers that show where a dragged pane may dock: an image strip of its
// pictures, recoloured to the current look, and the shape of a picture as a region.
#pragma once
#include <guitoolkit/core/CGTToolBarImages.h>

class CGTSmartDockingMarker : public CObject {
public:
    // Moves every picture by the hue and saturation that lead from baseColor to toneColor,
    // and by the lightness too when toneColor's hue is in the first half of the circle.
    void BuildShadowedImage(COLORREF baseColor, COLORREF toneColor);
    // The bitmap's area without its pixels of transparentColor; null without a bitmap.
    static HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF transparentColor);

    CGTToolBarImages images;
};
