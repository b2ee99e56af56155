// The button's images: bitmaps, icons, resources and standard glyphs.
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <afxapp.h>

namespace {

CSize BitmapSize(HBITMAP iBitmap)
{
    BITMAP info = {};
    ::GetObjectW(iBitmap, sizeof(info), &info);
    return CSize(info.bmWidth, info.bmHeight);
}

int BitmapBits(HBITMAP iBitmap)
{
    BITMAP info = {};
    ::GetObjectW(iBitmap, sizeof(info), &info);
    return info.bmBitsPixel;
}

CSize IconSize(HICON iIcon)
{
    ICONINFO info = {};
    if (!::GetIconInfo(iIcon, &info))
        return CSize(0, 0);
    const CSize size = BitmapSize(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask);
    if (info.hbmColor != nullptr)
        ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return info.hbmColor != nullptr ? size : CSize(size.cx, size.cy / 2);
}

}  // namespace

void CGTButton::ClearImages()
{
    m_Glyph = m_DisabledGlyph = -1;
    m_ImageSize = CSize(0, 0);
    for (CGTToolBarImages& images : m_Images)
        images.Clear();
}

void CGTButton::ClearImageSet(int iFirst)
{
    m_Glyph = m_DisabledGlyph = -1;
    if (iFirst == 0)
        m_ImageSize = CSize(0, 0);
    for (int i = 0; i < 3; ++i)
        m_Images[iFirst + i].Clear();
}

void CGTButton::SetImageSet(int iFirst, HBITMAP iNormal, BOOL iAutoDestroy, HBITMAP iHot, BOOL iMapToLightGrey,
                            HBITMAP iDisabled)
{
    ClearImageSet(iFirst);
    if (iNormal == nullptr)
        return;
    m_ImageSize = BitmapSize(iNormal);
    const HBITMAP bitmaps[3] = {iNormal, iHot, iDisabled};
    for (int i = 0; i < 3; ++i) {
        if (bitmaps[i] == nullptr)
            continue;
        CGTToolBarImages& images = m_Images[iFirst + i];
        images.sizeImage = m_ImageSize;
        const int bits = BitmapBits(bitmaps[i]);
        images.colorTransparent =
            iMapToLightGrey || (bits >= 9 && bits <= 31) ? RGB(192, 192, 192) : theGuiToolkitGlobals.colorBtnFace;
        images.AddImage(bitmaps[i], TRUE);
        if (iAutoDestroy)
            ::DeleteObject(bitmaps[i]);
    }
}

void CGTButton::SetImage(HBITMAP iNormal, BOOL iAutoDestroy, HBITMAP iHot, BOOL iMapToLightGrey, HBITMAP iDisabled)
{
    SetImageSet(0, iNormal, iAutoDestroy, iHot, iMapToLightGrey, iDisabled);
}

void CGTButton::SetCheckedImage(HBITMAP iNormal, BOOL iAutoDestroy, HBITMAP iHot, BOOL iMapToLightGrey,
                                HBITMAP iDisabled)
{
    SetImageSet(3, iNormal, iAutoDestroy, iHot, iMapToLightGrey, iDisabled);
}

void CGTButton::SetIconSet(int iFirst, HICON iNormal, BOOL iAutoDestroy, HICON iHot, HICON iDisabled, BOOL iAlpha)
{
    ClearImageSet(iFirst);
    if (iNormal == nullptr)
        return;
    m_ImageSize = IconSize(iNormal);
    const HICON icons[3] = {iNormal, iHot, iDisabled};
    for (int i = 0; i < 3; ++i) {
        if (icons[i] == nullptr)
            continue;
        m_Images[iFirst + i].sizeImage = m_ImageSize;
        m_Images[iFirst + i].AddIcon(icons[i], iAlpha);
        if (iAutoDestroy)
            ::DestroyIcon(icons[i]);
    }
}

void CGTButton::SetImage(HICON iNormal, BOOL iAutoDestroy, HICON iHot, HICON iDisabled, BOOL iAlpha)
{
    SetIconSet(0, iNormal, iAutoDestroy, iHot, iDisabled, iAlpha);
}

void CGTButton::SetCheckedImage(HICON iNormal, BOOL iAutoDestroy, HICON iHot, HICON iDisabled, BOOL iAlpha)
{
    SetIconSet(3, iNormal, iAutoDestroy, iHot, iDisabled, iAlpha);
}

void CGTButton::SetResourceSet(int iFirst, UINT iNormal, UINT iHot, UINT iDisabled)
{
    auto load = [](UINT iId) -> HBITMAP {
        if (iId == 0)
            return nullptr;
        HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCEW(iId), RT_BITMAP);
        return (HBITMAP)::LoadImageW(module, MAKEINTRESOURCEW(iId), IMAGE_BITMAP, 0, 0,
                                     LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS);
    };
    SetImageSet(iFirst, load(iNormal), TRUE, load(iHot), FALSE, load(iDisabled));
}

void CGTButton::SetImageResource(UINT iNormal, UINT iHot, UINT iDisabled)
{
    SetResourceSet(0, iNormal, iHot, iDisabled);
}

void CGTButton::SetCheckedImageResource(UINT iNormal, UINT iHot, UINT iDisabled)
{
    SetResourceSet(3, iNormal, iHot, iDisabled);
}

void CGTButton::SetStdGlyphImage(int iGlyph, int iStyle, int iDisabledGlyph)
{
    ClearImages();
    CGTMenuGlyphs::Initialize();
    m_Glyph = iGlyph;
    m_GlyphStyle = iStyle;
    m_DisabledGlyph = iDisabledGlyph;
    m_ImageSize = CGTMenuGlyphs::GetSize();
}

LRESULT CGTButton::OnSetImage(WPARAM iType, LPARAM iImage)
{
    if (iType == IMAGE_BITMAP)
        SetImage((HBITMAP)iImage, FALSE, nullptr, TRUE);
    else if (iType == IMAGE_ICON)
        SetImage((HICON)iImage, FALSE);
    Invalidate();
    return 0;
}

LRESULT CGTButton::OnGetImage(WPARAM iType, LPARAM)
{
    if (iType == IMAGE_BITMAP)
        return (LRESULT)m_Images[0].bitmap;
    if (iType == IMAGE_ICON && m_Images[0].bitmap != nullptr && m_Images[0].count > 0) {
        HIMAGELIST list = ImageList_Create(m_ImageSize.cx, m_ImageSize.cy, ILC_COLOR32 | ILC_MASK, 1, 0);
        const COLORREF mask = m_Images[0].colorTransparent;
        ImageList_AddMasked(list, m_Images[0].bitmap, mask != (COLORREF)-1 ? mask : theGuiToolkitGlobals.colorBtnFace);
        HICON icon = ImageList_GetIcon(list, 0, ILD_NORMAL);
        ImageList_Destroy(list);
        return (LRESULT)icon;
    }
    return 0;
}
