// Taking one image out of a strip and putting an edited one back in its place.
#include <guitoolkit/core/CGTSelectedBitmap.h>
#include <guitoolkit/core/CGTToolBarImages.h>

HBITMAP CGTToolBarImages::ExtractImage(int index) const
{
    if (bitmap == nullptr || index < 0 || index >= count)
        return nullptr;
    HDC screen = ::GetDC(nullptr);
    HBITMAP image = ::CreateCompatibleBitmap(screen, sizeImage.cx, sizeImage.cy);
    ::ReleaseDC(nullptr, screen);
    if (image == nullptr)
        return nullptr;
    BOOL copied = FALSE;
    {
        CGTSelectedBitmap source(bitmap);
        CGTSelectedBitmap target(image);
        copied = source.IsValid() && target.IsValid() &&
            ::BitBlt(target.Dc(), 0, 0, sizeImage.cx, sizeImage.cy, source.Dc(), index * sizeImage.cx, 0, SRCCOPY);
    }
    if (!copied) {
        ::DeleteObject(image);
        return nullptr;
    }
    return image;
}

BOOL CGTToolBarImages::ReplaceImage(int index, HBITMAP image)
{
    if (bitmap == nullptr || image == nullptr || index < 0 || index >= count || isReadOnly)
        return FALSE;
    {
        CGTSelectedBitmap source(image);
        CGTSelectedBitmap target(bitmap);
        if (!source.IsValid() || !target.IsValid() ||
            !::BitBlt(target.Dc(), index * sizeImage.cx, 0, sizeImage.cx, sizeImage.cy, source.Dc(), 0, 0, SRCCOPY))
            return FALSE;
    }
    isModified = TRUE;
    DeleteFaded();
    return TRUE;
}
