// Pixel-level drawing around one device context: colour arithmetic, banded and slanted
// gradients, a ring gradient, and effects that copy a rectangle into a 32-bit DIB
// section, rewrite its pixels and copy it back (shadows, brightening, greying, mirroring).
// A colour of -1 means no colour; DIB pixels are blue, green, red bytes (0x00RRGGBB as a
// number), so a COLORREF has its red and blue swapped before it meets a pixel.
#pragma once
#include <afxwin.h>

class CGTDrawManager : public CObject {
public:
    explicit CGTDrawManager(CDC& dc) : m_dc(dc) {}

    static COLORREF ScaleColor(COLORREF color, int percent);
    static int ScaleChannel(int channel, double factor);
    static COLORREF AdjustColorHls(COLORREF color, double factorRed, double factorGreen, double factorBlue);
    static COLORREF MixColors(COLORREF color1, COLORREF color2, int percent);
    // Writes one pixel of a bottom-up 32-bit DIB at row height - y (rows counted from the
    // bottom); a pixel outside the bitmap is not written.
    static void SetDibPixel(LPBYTE bits, int width, int height, int x, int y, COLORREF color);
    static void RgbToHls(COLORREF color, double& hue, double& saturation, double& lightness);
    static COLORREF HlsToRgb(double hue, double lightness, double saturation);
    static COLORREF HlsDegreesToRgb(double hue, double lightness, double saturation);
    static void RgbToHsv(COLORREF color, double& hue, double& saturation, double& value);
    static COLORREF HsvToRgb(double hue, double saturation, double value);
    static COLORREF BlendColorsHsv(COLORREF color1, COLORREF color2, double lightnessRatio, int weight1, int weight2);

    // A soft drop shadow below and beside rect. With both save bitmaps already filled the
    // saved strips are painted back instead; given empty ones they receive the strips.
    BOOL DrawShadow(CRect rect, int depth, int minBrightness, int maxBrightness, CBitmap* saveBottom, CBitmap* saveSide,
                    COLORREF baseColor, BOOL rightShadow);
    // percent -1: a third of the way to the button highlight colour.
    BOOL BrightenRect(CRect rect, int percent, COLORREF transparentColor, int tolerance, COLORREF blendColor);
    // percent -1: half way from the grey to the disabled colour (-1: the button highlight).
    BOOL GrayOutRect(CRect rect, int percent, COLORREF transparentColor, COLORREF disabledColor);
    void MirrorArea(CRect rect, BOOL horizontal);
    // horizontal: bands run across, the start colour at the bottom; otherwise the start
    // colour is at the left.
    void FillGradient(CRect rect, COLORREF startColor, COLORREF finishColor, BOOL horizontal, int startFlatPercent,
                      int endFlatPercent);
    void FillGradientRotated(CRect rect, COLORREF startColor, COLORREF finishColor, int angle);
    BOOL FillRingGradient(CRect rect, COLORREF startColor, COLORREF finishColor, COLORREF borderColor, int angle,
                          int ringWidth, COLORREF faceColor);

private:
    void FillSolid(const CRect& rect, COLORREF color);

    CDC& m_dc;
};
