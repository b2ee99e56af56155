// A strip of equal-size images in one bitmap (image i in columns i * width to
// i * width + width - 1), with an optional faded copy, drawn in the states toolbars and
// menus need: normal, hot, disabled, checked, shadow, inactive, stretched, transparent
// or with per-pixel alpha. Strips load from bitmap resources (several may be appended),
// BMP files (user images, which can be saved back), bitmaps and icons; the standard
// colours of classic button bitmaps follow the system colours.
//
// Drawing: BeginDrawing, any number of DrawImage, FinishDrawing. The glyph and mask DCs
// are shared by all strips, so only one pass may run at a time.
#pragma once
#include <afxwin.h>
#include <functional>

struct CGTImageDrawPass {
    HBITMAP maskBitmap = nullptr;
    HGDIOBJ maskPrevious = nullptr;
    HGDIOBJ glyphPrevious = nullptr;
};

class CGTToolBarImages : public CObject {
public:
    typedef BOOL(WINAPI* AlphaBlendFunction)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);
    // What the current look says about disabled images: the colour true-colour images are
    // greyed toward (-1: none) and whether other images are embossed.
    typedef COLORREF (*DisabledColorQuery)();
    typedef BOOL (*EmbossQuery)();

    CGTToolBarImages();
    ~CGTToolBarImages() override;

    BOOL LoadFromResource(UINT resourceId, HINSTANCE module = nullptr, BOOL append = FALSE);
    // A name without a backslash, slash or colon is taken from the program's folder.
    BOOL LoadFromFile(LPCWSTR path);
    BOOL Save(LPCWSTR path = nullptr);
    // Index of the new image, -1 on failure (the strip is then unchanged).
    int AddImage(HBITMAP bitmap, BOOL takeBitsPerPixel = FALSE);
    int AddIcon(HICON icon, BOOL alpha = FALSE);
    // Rebuilds the strip in the current system colours; a failed rebuild keeps it as it was.
    void Reload();
    BOOL CopyTo(CGTToolBarImages& target) const;
    // Makes target a temporary, read-only view of this strip's bitmap.
    void BorrowFrom(CGTToolBarImages& target) const;
    void Clear();
    void UpdateCount();
    void UpdateSizeFromBitmap();
    BOOL MapTo3dColors(BOOL pixelOrder = FALSE, COLORREF sourceColor = (COLORREF)-1,
                       COLORREF destinationColor = (COLORREF)-1);
    BOOL BuildFadedImage();
    BOOL ConvertTo32Bits(int percentage = 0);
    BOOL Mirror();
    // Passes the colour of every image pixel through recolor: in place in a 32-bit DIB
    // section, else through a 32-bit copy that replaces the strip. Transparent pixels stay as
    // they are: alpha 0 in a 32-bit strip, else the transparent colour (the button face when
    // there is none). Pixels with alpha are recoloured at full strength and premultiplied again.
    BOOL RecolorImages(const std::function<COLORREF(COLORREF)>& recolor);
    // One image on the button face, put on the main window's clipboard; failures are told to
    // the user.
    BOOL CopyImageToClipboard(int index);
    // A new bitmap (the caller's) holding one image; null for a bad index or a failure.
    HBITMAP ExtractImage(int index) const;
    // Draws the bitmap over one image of the strip; FALSE for a bad index or a failure.
    BOOL ReplaceImage(int index, HBITMAP image);

    BOOL BeginDrawing(CGTImageDrawPass& pass, int destinationWidth = 0, int destinationHeight = 0, BOOL fade = FALSE);
    BOOL DrawImage(CDC* dc, int x, int y, int index, BOOL highlight = FALSE, BOOL disabled = FALSE,
                   BOOL indeterminate = FALSE, BOOL shadow = FALSE, BOOL inactive = FALSE);
    void FinishDrawing(CGTImageDrawPass& pass);
    // The mask of one image in the mask DC: background white, image black.
    void CreateMask(int index, BOOL highlight, BOOL shifted);

    static BOOL MapBmpTo3dColors(HBITMAP& bitmap, BOOL pixelOrder = FALSE, COLORREF sourceColor = (COLORREF)-1,
                                 COLORREF destinationColor = (COLORREF)-1);
    static COLORREF MapStandardColor(COLORREF color, BOOL swapped = FALSE);
    static COLORREF MapSystemColorBack(COLORREF color, BOOL swapped = FALSE);
    static BOOL PreMultiplyAlpha(HBITMAP bitmap);
    static BOOL MirrorBitmap(HBITMAP& bitmap, int imageWidth);
    static void SetDisableFading(BOOL rightToLeft);
    // Copies with the transparent colour left out, stretched when a destination size is given.
    static void StretchMonoMask(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                                int sourceY, COLORREF transparentColor, int destinationWidth = -1,
                                int destinationHeight = -1);
    static void ReleaseSharedResources();
    static void SetLookQueries(DisabledColorQuery disabledColor, EmbossQuery emboss);
    // The module's "AlphaBlend", or null; tests put their own in place.
    static AlphaBlendFunction& AlphaBlendEntry() { return alphaBlend; }

    SIZE sizeImage;
    SIZE sizeDestination;
    HBITMAP bitmap;
    HBITMAP fadedBitmap;
    BOOL isUserImages;
    CString filePath;
    BOOL isModified;
    int count;
    CList<UINT, UINT> resourceIds;
    CList<HINSTANCE, HINSTANCE> resourceInstances;
    CMap<UINT, UINT, int, int> firstImageOfResource;
    BOOL isStretch;
    COLORREF colorTransparent;  // -1: none
    BOOL isReadOnly;
    BOOL isTemporary;
    COLORREF colorImageShadow;
    BOOL fadeInactive;
    int bitsPerPixel;
    BOOL isGrey;
    int greyPercentage;
    int lightPercentage;
    BOOL mapTo3dColors;
    BOOL alwaysLight;

private:
    BOOL IsAlphaPath() const;
    COLORREF EffectiveTransparent() const;
    // The transparent colour, or the button face when there is none.
    COLORREF MaskColor() const;
    void ReplaceBitmap(HBITMAP replacement);
    void DeleteFaded();
    BOOL ReloadResources();
    void DrawPlain(HDC target, int targetX, int targetY, int index, BOOL trueColorDisabled, BOOL inactive,
                   BOOL stretchedByAlpha);
    void DrawSilhouette(HDC target, int targetX, int targetY, int index, BOOL highlight, BOOL disabled, BOOL shadow);
    void DrawPattern(HDC target, int targetX, int targetY, int index, BOOL indeterminate, BOOL disabled);
    static void CreateSharedResources();

    HDC m_memoryDc;
    HBITMAP m_memoryBitmap;
    HGDIOBJ m_memoryPrevious;

    static HDC glyphDc;
    static HDC maskDc;
    static HMODULE msimg32;
    static AlphaBlendFunction alphaBlend;
    static BOOL rightToLeft;
    static BOOL sharedReady;
    static DisabledColorQuery disabledColorQuery;
    static EmbossQuery embossQuery;
    static const BYTE disabledAlpha = 127;
    static const BYTE inactiveAlpha = 150;
};
