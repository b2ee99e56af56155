#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/core/CGTDibSection.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTSelectedBitmap.h>
#include <guitoolkit/core/GTClipboardImage.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <algorithm>
#include <vector>

HDC CGTToolBarImages::glyphDc = nullptr;
HDC CGTToolBarImages::maskDc = nullptr;
HMODULE CGTToolBarImages::msimg32 = nullptr;
CGTToolBarImages::AlphaBlendFunction CGTToolBarImages::alphaBlend = nullptr;
BOOL CGTToolBarImages::rightToLeft = FALSE;
BOOL CGTToolBarImages::sharedReady = FALSE;
CGTToolBarImages::DisabledColorQuery CGTToolBarImages::disabledColorQuery = nullptr;
CGTToolBarImages::EmbossQuery CGTToolBarImages::embossQuery = nullptr;

namespace {
const COLORREF none = (COLORREF)-1;

BITMAP BitmapOf(HBITMAP bitmap)
{
    BITMAP info = {};
    if (bitmap != nullptr)
        ::GetObjectW(bitmap, sizeof(info), &info);
    return info;
}

int BitsOf(HBITMAP bitmap)
{
    const BITMAP info = BitmapOf(bitmap);
    return info.bmPlanes * info.bmBitsPixel;
}

// A 32-bit DIB section holding a copy of the whole bitmap; null on failure.
HBITMAP CopyToDib32(HBITMAP source, CGTDibSection& dib)
{
    const BITMAP info = BitmapOf(source);
    if (!dib.Create(info.bmWidth, info.bmHeight))
        return nullptr;
    CGTSelectedBitmap from(source);
    CGTSelectedBitmap to(dib.Handle());
    if (!from.IsValid() || !to.IsValid() ||
        !::BitBlt(to.Dc(), 0, 0, info.bmWidth, info.bmHeight, from.Dc(), 0, 0, SRCCOPY))
        return nullptr;
    ::GdiFlush();
    return dib.Handle();
}

COLORREF PixelToColor(DWORD pixel)
{
    return CGTDibSection::Swap(pixel & 0xFFFFFF);
}

// The pixels of a bitmap as 32-bit values: its own when it is a 32-bit DIB section, else
// those of a copy made in copy (copied is then set). Null bits on failure.
struct Pixels32 {
    DWORD* bits = nullptr;
    int width = 0;
    int height = 0;
    bool copied = false;
};

Pixels32 AccessPixels32(HBITMAP bitmap, CGTDibSection& copy)
{
    Pixels32 pixels;
    DIBSECTION section = {};
    if (::GetObjectW(bitmap, sizeof(section), &section) == sizeof(section) && section.dsBm.bmBitsPixel == 32 &&
        section.dsBm.bmBits != nullptr) {
        ::GdiFlush();
        pixels.bits = static_cast<DWORD*>(section.dsBm.bmBits);
        pixels.width = section.dsBm.bmWidth;
        pixels.height = std::abs(section.dsBm.bmHeight);
    } else if (CopyToDib32(bitmap, copy) != nullptr) {
        pixels = {copy.Bits(), copy.Width(), copy.Height(), true};
    }
    return pixels;
}

// A premultiplied pixel recoloured as if it were opaque and premultiplied again, so that no
// channel ends above its alpha; transparent pixels stay as they are.
DWORD RecolorPremultiplied(DWORD pixel, const std::function<COLORREF(COLORREF)>& recolor)
{
    const DWORD alpha = pixel >> 24;
    if (alpha == 0)
        return pixel;
    auto straight = [pixel, alpha](int shift) {
        return static_cast<BYTE>(std::min<DWORD>(255, (((pixel >> shift) & 0xFF) * 255 + alpha / 2) / alpha));
    };
    const COLORREF color = recolor(RGB(straight(16), straight(8), straight(0)));
    auto premultiplied = [alpha](BYTE channel) { return static_cast<DWORD>(channel) * alpha / 255; };
    return (alpha << 24) | (premultiplied(GetRValue(color)) << 16) | (premultiplied(GetGValue(color)) << 8) |
        premultiplied(GetBValue(color));
}

// A normal drawing pass, ended however the drawing in it ends.
class DrawingPassScope {
public:
    explicit DrawingPassScope(CGTToolBarImages& images) : m_images(images), m_begun(images.BeginDrawing(m_pass)) {}
    ~DrawingPassScope()
    {
        if (m_begun)
            m_images.FinishDrawing(m_pass);
    }
    DrawingPassScope(const DrawingPassScope&) = delete;
    DrawingPassScope& operator=(const DrawingPassScope&) = delete;
    BOOL Begun() const { return m_begun; }

private:
    CGTToolBarImages& m_images;
    CGTImageDrawPass m_pass;
    BOOL m_begun;
};

// The standard colours of classic button bitmaps and the system colours they stand for.
struct StandardColor {
    COLORREF standard;
    COLORREF GuiToolkitGlobals::*system;
};
const StandardColor standardColors[] = {{RGB(0, 0, 0), &GuiToolkitGlobals::colorBtnText},
                                        {RGB(128, 128, 128), &GuiToolkitGlobals::colorBtnShadow},
                                        {RGB(192, 192, 192), &GuiToolkitGlobals::colorBtnFace},
                                        {RGB(255, 255, 255), &GuiToolkitGlobals::colorBtnHighlight}};

BOOL WriteDibFile(LPCWSTR path, const std::vector<BYTE>& dib, DWORD colorEntries)
{
    const BITMAPINFOHEADER* header = reinterpret_cast<const BITMAPINFOHEADER*>(dib.data());
    BITMAPFILEHEADER fileHeader = {};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfSize = static_cast<DWORD>(dib.size() + sizeof(fileHeader));
    fileHeader.bfOffBits = sizeof(fileHeader) + header->biSize + 4 * colorEntries;
    HANDLE file = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD written = 0;
    BOOL ok = ::WriteFile(file, &fileHeader, sizeof(fileHeader), &written, nullptr) &&
        ::WriteFile(file, dib.data(), static_cast<DWORD>(dib.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok;
}

// The bitmap as a packed DIB of bitCount bits (header, colour table, bits) whose colour
// table holds the standard colours again; empty when it cannot be converted.
std::vector<BYTE> DdbToDib(HBITMAP bitmap, WORD bitCount, DWORD& colorEntries)
{
    const BITMAP info = BitmapOf(bitmap);
    colorEntries = (bitCount < 32 && (1u << bitCount) <= 256) ? (1u << bitCount) : 0;
    const DWORD rowBytes = ((bitCount * info.bmWidth + 31) & ~31) / 8;
    const DWORD imageSize = rowBytes * info.bmHeight;
    std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + 4 * colorEntries + imageSize);
    BITMAPINFOHEADER* header = reinterpret_cast<BITMAPINFOHEADER*>(dib.data());
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = info.bmWidth;
    header->biHeight = info.bmHeight;
    header->biPlanes = 1;
    header->biBitCount = bitCount;
    header->biCompression = BI_RGB;
    header->biSizeImage = imageSize;
    HDC screen = ::GetDC(nullptr);
    HPALETTE previousPalette = ::SelectPalette(screen, static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), FALSE);
    const int lines = ::GetDIBits(screen, bitmap, 0, info.bmHeight, dib.data() + header->biSize + 4 * colorEntries,
                                  reinterpret_cast<BITMAPINFO*>(header), DIB_RGB_COLORS);
    ::SelectPalette(screen, previousPalette, FALSE);
    ::ReleaseDC(nullptr, screen);
    if (lines != info.bmHeight)
        return {};
    RGBQUAD* colors = reinterpret_cast<RGBQUAD*>(dib.data() + header->biSize);
    for (DWORD i = 0; i < colorEntries; ++i) {
        DWORD& entry = reinterpret_cast<DWORD&>(colors[i]);
        entry = CGTToolBarImages::MapSystemColorBack(entry & 0xFFFFFF, TRUE);
    }
    return dib;
}
}  // namespace

void CGTToolBarImages::CreateSharedResources()
{
    glyphDc = ::CreateCompatibleDC(nullptr);
    maskDc = ::CreateCompatibleDC(nullptr);
    if (glyphDc == nullptr || maskDc == nullptr)
        AfxThrowResourceException();
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    ::GetVersionExW(&version);
    const BOOL nt = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    if (version.dwMajorVersion >= 5 || (!nt && version.dwMajorVersion == 4 && version.dwMinorVersion > 0)) {
        msimg32 = ::LoadLibraryW(L"msimg32.dll");
        if (msimg32 != nullptr)
            alphaBlend =
                reinterpret_cast<AlphaBlendFunction>(reinterpret_cast<void*>(::GetProcAddress(msimg32, "AlphaBlend")));
    }
    sharedReady = TRUE;
}

void CGTToolBarImages::ReleaseSharedResources()
{
    if (glyphDc != nullptr)
        ::DeleteDC(glyphDc);
    if (maskDc != nullptr)
        ::DeleteDC(maskDc);
    if (msimg32 != nullptr)
        ::FreeLibrary(msimg32);
    glyphDc = maskDc = nullptr;
    msimg32 = nullptr;
    alphaBlend = nullptr;
    sharedReady = FALSE;
}

void CGTToolBarImages::SetLookQueries(DisabledColorQuery disabledColor, EmbossQuery emboss)
{
    disabledColorQuery = disabledColor;
    embossQuery = emboss;
}

void CGTToolBarImages::SetDisableFading(BOOL rightToLeftLayout)
{
    rightToLeft = rightToLeftLayout;
}

CGTToolBarImages::CGTToolBarImages()
    : sizeImage{16, 15}, sizeDestination{0, 0}, bitmap(nullptr), fadedBitmap(nullptr), isUserImages(FALSE),
      isModified(FALSE), count(0), resourceIds(10), resourceInstances(10), firstImageOfResource(10), isStretch(FALSE),
      colorTransparent(none), isReadOnly(FALSE), isTemporary(FALSE), colorImageShadow(0), fadeInactive(FALSE),
      bitsPerPixel(0), isGrey(FALSE), greyPercentage(0), lightPercentage(130), mapTo3dColors(TRUE), alwaysLight(FALSE),
      m_memoryDc(nullptr), m_memoryBitmap(nullptr), m_memoryPrevious(nullptr)
{
    if (!sharedReady)
        CreateSharedResources();
    Reload();
}

CGTToolBarImages::~CGTToolBarImages()
{
    if (!isTemporary) {
        if (bitmap != nullptr)
            ::DeleteObject(bitmap);
        DeleteFaded();
    }
    if (m_memoryDc != nullptr) {
        ::SelectObject(m_memoryDc, m_memoryPrevious);
        ::DeleteDC(m_memoryDc);
    }
    if (m_memoryBitmap != nullptr)
        ::DeleteObject(m_memoryBitmap);
}

BOOL CGTToolBarImages::IsAlphaPath() const
{
    return bitsPerPixel == 32 && alphaBlend != nullptr;
}

COLORREF CGTToolBarImages::EffectiveTransparent() const
{
    return IsAlphaPath() ? none : colorTransparent;
}

COLORREF CGTToolBarImages::MaskColor() const
{
    const COLORREF transparent = EffectiveTransparent();
    return transparent != none ? transparent : theGuiToolkitGlobals.colorBtnFace;
}

void CGTToolBarImages::DeleteFaded()
{
    if (fadedBitmap != nullptr)
        ::DeleteObject(fadedBitmap);
    fadedBitmap = nullptr;
}

void CGTToolBarImages::ReplaceBitmap(HBITMAP replacement)
{
    if (bitmap != nullptr && bitmap != replacement)
        ::DeleteObject(bitmap);
    bitmap = replacement;
}

void CGTToolBarImages::UpdateCount()
{
    const BITMAP info = BitmapOf(bitmap);
    count = (bitmap != nullptr && sizeImage.cx > 0) ? info.bmWidth / sizeImage.cx : 0;
}

void CGTToolBarImages::UpdateSizeFromBitmap()
{
    const BITMAP info = BitmapOf(bitmap);
    sizeImage = {info.bmWidth, info.bmHeight};
    count = 1;
    BuildFadedImage();
}

BOOL CGTToolBarImages::LoadFromResource(UINT resourceId, HINSTANCE module, BOOL append)
{
    if (isTemporary)
        return FALSE;
    if (append && resourceIds.Find(resourceId) != nullptr)
        return TRUE;
    if (module == nullptr)
        module = AfxFindResourceHandle(MAKEINTRESOURCEW(resourceId), RT_BITMAP);
    UINT flags = LR_CREATEDIBSECTION;
    if (mapTo3dColors && !theGuiToolkitGlobals.isBlackHighContrast)
        flags |= LR_LOADMAP3DCOLORS;
    HBITMAP loaded =
        static_cast<HBITMAP>(::LoadImageW(module, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, flags));
    if (loaded == nullptr)
        return FALSE;
    const int loadedBits = BitsOf(loaded);
    if (loadedBits == 32)
        PreMultiplyAlpha(loaded);
    else if ((loadedBits > 8 && loadedBits < 32 && mapTo3dColors) || theGuiToolkitGlobals.isBlackHighContrast)
        MapBmpTo3dColors(loaded, FALSE, none, none);
    const int previousBits = bitsPerPixel;
    bitsPerPixel = std::max(bitsPerPixel, loadedBits);
    if (append) {
        const int first = count;
        const int added = AddImage(loaded, FALSE);
        ::DeleteObject(loaded);
        if (added < 0) {
            bitsPerPixel = previousBits;
            return FALSE;
        }
        firstImageOfResource.SetAt(resourceId, first);
        resourceIds.AddTail(resourceId);
        resourceInstances.AddTail(module);
    } else {
        resourceIds.RemoveAll();
        resourceInstances.RemoveAll();
        firstImageOfResource.RemoveAll();
        ReplaceBitmap(loaded);
    }
    UpdateCount();
    DeleteFaded();
    return TRUE;
}

BOOL CGTToolBarImages::LoadFromFile(LPCWSTR path)
{
    if (isTemporary)
        return FALSE;
    CString fullPath(path);
    if (fullPath.FindOneOf(L"\\/:") < 0) {
        wchar_t program[MAX_PATH];
        const DWORD length = ::GetModuleFileNameW(nullptr, program, MAX_PATH);
        CString folder(program, static_cast<int>(length));
        fullPath = folder.Left(folder.ReverseFind(L'\\') + 1) + fullPath;
    }
    UINT flags = LR_LOADFROMFILE | LR_CREATEDIBSECTION;
    if (mapTo3dColors)
        flags |= LR_LOADMAP3DCOLORS;
    HBITMAP loaded = static_cast<HBITMAP>(::LoadImageW(nullptr, fullPath, IMAGE_BITMAP, 0, 0, flags));
    if (loaded == nullptr)
        return FALSE;
    ReplaceBitmap(loaded);
    isUserImages = TRUE;
    filePath = fullPath;
    const DWORD attributes = ::GetFileAttributesW(fullPath);
    isReadOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    bitsPerPixel = BitsOf(loaded);
    if (bitsPerPixel > 8 && bitsPerPixel < 32)
        MapTo3dColors(FALSE, none, none);
    else if (bitsPerPixel == 32)
        PreMultiplyAlpha(bitmap);
    UpdateCount();
    DeleteFaded();
    return TRUE;
}

BOOL CGTToolBarImages::Save(LPCWSTR path)
{
    if (!isUserImages || bitmap == nullptr || isReadOnly)
        return FALSE;
    const CString target(path != nullptr ? CString(path) : filePath);
    if (!isModified && target.CompareNoCase(filePath) == 0)
        return TRUE;
    // Images appended to a strip share a 32-bit bitmap; without alpha they are saved in 24.
    const int bitmapBits = BitsOf(bitmap);
    const WORD bitCount = static_cast<WORD>(bitmapBits == 32 && bitsPerPixel < 32 ? 24 : bitmapBits);
    DWORD colorEntries = 0;
    const std::vector<BYTE> dib = DdbToDib(bitmap, bitCount, colorEntries);
    if (dib.empty() || !WriteDibFile(target, dib, colorEntries))
        return FALSE;
    isModified = FALSE;
    return TRUE;
}

int CGTToolBarImages::AddImage(HBITMAP image, BOOL takeBitsPerPixel)
{
    if (isTemporary || image == nullptr)
        return -1;
    HBITMAP mirrored = nullptr;
    if (rightToLeft) {
        mirrored = static_cast<HBITMAP>(::CopyImage(image, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (mirrored == nullptr || !MirrorBitmap(mirrored, sizeImage.cx)) {
            if (mirrored != nullptr)
                ::DeleteObject(mirrored);
            return -1;
        }
        image = mirrored;
    }
    if (takeBitsPerPixel)
        bitsPerPixel = BitsOf(image);
    const BITMAP added = BitmapOf(image);
    const BITMAP old = BitmapOf(bitmap);
    const int width = old.bmWidth + added.bmWidth;
    const int height = bitmap != nullptr ? old.bmHeight : added.bmHeight;
    // A 32-bit DIB section keeps every image's colours and alpha whatever the screen.
    CGTDibSection strip;
    BOOL ok = strip.Create(width, height);
    if (ok) {
        CGTSelectedBitmap to(strip.Handle());
        CGTSelectedBitmap from(image);
        ok = to.IsValid() && from.IsValid() &&
            ::BitBlt(to.Dc(), old.bmWidth, 0, added.bmWidth, added.bmHeight, from.Dc(), 0, 0, SRCCOPY);
        if (ok && bitmap != nullptr) {
            CGTSelectedBitmap previous(bitmap);
            ok = previous.IsValid() && ::BitBlt(to.Dc(), 0, 0, old.bmWidth, old.bmHeight, previous.Dc(), 0, 0, SRCCOPY);
        }
    }
    if (mirrored != nullptr)
        ::DeleteObject(mirrored);
    if (!ok)
        return -1;
    ReplaceBitmap(strip.Detach());
    isModified = TRUE;
    UpdateCount();
    DeleteFaded();
    return count - 1;
}

int CGTToolBarImages::AddIcon(HICON icon, BOOL alpha)
{
    if (isTemporary || icon == nullptr)
        return -1;
    CGTDibSection dib;
    HBITMAP image = nullptr;
    if (alpha) {
        if (!dib.Create(sizeImage.cx, sizeImage.cy))
            return -1;
        image = dib.Handle();
    } else {
        HDC screen = ::GetDC(nullptr);
        image = ::CreateCompatibleBitmap(screen, sizeImage.cx, sizeImage.cy);
        ::ReleaseDC(nullptr, screen);
        if (image == nullptr)
            return -1;
    }
    {
        CGTSelectedBitmap target(image);
        if (!alpha) {
            RECT all = {0, 0, sizeImage.cx, sizeImage.cy};
            ::FillRect(target.Dc(), &all, theGuiToolkitGlobals.brushBtnFace);
        }
        ::DrawStateW(target.Dc(), nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, 0, 0, sizeImage.cx, sizeImage.cy,
                     DST_ICON);
    }
    if (alpha) {
        bitsPerPixel = 32;
        PreMultiplyAlpha(image);
    }
    const int index = AddImage(image, FALSE);
    if (!alpha)
        ::DeleteObject(image);
    return index;
}

BOOL CGTToolBarImages::ReloadResources()
{
    CGTToolBarImages rebuilt;
    rebuilt.sizeImage = sizeImage;
    rebuilt.mapTo3dColors = mapTo3dColors;
    POSITION instance = resourceInstances.GetHeadPosition();
    for (POSITION id = resourceIds.GetHeadPosition(); id != nullptr;) {
        if (!rebuilt.LoadFromResource(resourceIds.GetNext(id), resourceInstances.GetNext(instance), TRUE))
            return FALSE;
    }
    std::swap(bitmap, rebuilt.bitmap);
    bitsPerPixel = rebuilt.bitsPerPixel;
    return TRUE;
}

void CGTToolBarImages::Reload()
{
    if (isTemporary)
        return;
    if (bitmap != nullptr) {
        if (isUserImages) {
            CGTToolBarImages reloaded;
            reloaded.sizeImage = sizeImage;
            reloaded.mapTo3dColors = mapTo3dColors;
            if (!reloaded.LoadFromFile(filePath))
                return;
            std::swap(bitmap, reloaded.bitmap);
            bitsPerPixel = reloaded.bitsPerPixel;
        } else if (resourceIds.IsEmpty() || !ReloadResources()) {
            return;
        }
    }
    UpdateCount();
    if (rightToLeft && bitmap != nullptr)
        MirrorBitmap(bitmap, sizeImage.cx);
    DeleteFaded();
    if (isGrey)
        ConvertTo32Bits(greyPercentage);
    colorImageShadow = theGuiToolkitGlobals.colorBtnShadow;
}

BOOL CGTToolBarImages::CopyTo(CGTToolBarImages& target) const
{
    if (target.isTemporary)
        return FALSE;
    if (target.bitmap != nullptr)
        target.Clear();
    target.sizeImage = sizeImage;
    target.sizeDestination = sizeDestination;
    target.isUserImages = isUserImages;
    target.filePath = filePath;
    target.isModified = isModified;
    target.count = count;
    target.colorTransparent = colorTransparent;
    target.isReadOnly = isReadOnly;
    target.colorImageShadow = colorImageShadow;
    target.fadeInactive = fadeInactive;
    target.bitsPerPixel = bitsPerPixel;
    if (bitmap != nullptr)
        target.bitmap = static_cast<HBITMAP>(::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (fadedBitmap != nullptr)
        target.fadedBitmap = static_cast<HBITMAP>(::CopyImage(fadedBitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    POSITION instance = resourceInstances.GetHeadPosition();
    for (POSITION id = resourceIds.GetHeadPosition(); id != nullptr;) {
        const UINT resourceId = resourceIds.GetNext(id);
        int first = 0;
        if (firstImageOfResource.Lookup(resourceId, first))
            target.firstImageOfResource.SetAt(resourceId, first);
        target.resourceIds.AddTail(resourceId);
        target.resourceInstances.AddTail(resourceInstances.GetNext(instance));
    }
    return bitmap == nullptr || target.bitmap != nullptr;
}

void CGTToolBarImages::BorrowFrom(CGTToolBarImages& target) const
{
    target.Clear();
    target.isTemporary = TRUE;
    target.isReadOnly = TRUE;
    target.sizeImage = sizeImage;
    target.sizeDestination = sizeDestination;
    target.bitmap = bitmap;
    target.isUserImages = isUserImages;
    target.count = count;
    target.bitsPerPixel = bitsPerPixel;
}

void CGTToolBarImages::Clear()
{
    if (isTemporary)
        return;
    ReplaceBitmap(nullptr);
    DeleteFaded();
    resourceIds.RemoveAll();
    resourceInstances.RemoveAll();
    firstImageOfResource.RemoveAll();
    filePath.Empty();
    isUserImages = FALSE;
    count = 0;
    isModified = FALSE;
    bitsPerPixel = 0;
    isGrey = FALSE;
    greyPercentage = 0;
}

BOOL CGTToolBarImages::MapTo3dColors(BOOL pixelOrder, COLORREF sourceColor, COLORREF destinationColor)
{
    return MapBmpTo3dColors(bitmap, pixelOrder, sourceColor, destinationColor);
}

COLORREF CGTToolBarImages::MapStandardColor(COLORREF color, BOOL swapped)
{
    const COLORREF plain = swapped ? CGTDibSection::Swap(color) : color;
    for (const StandardColor& entry : standardColors)
        if (entry.standard == plain) {
            const COLORREF system = theGuiToolkitGlobals.*entry.system;
            return swapped ? CGTDibSection::Swap(system) : system;
        }
    return color;
}

COLORREF CGTToolBarImages::MapSystemColorBack(COLORREF color, BOOL swapped)
{
    const COLORREF plain = swapped ? CGTDibSection::Swap(color) : color;
    for (const StandardColor& entry : standardColors)
        if (theGuiToolkitGlobals.*entry.system == plain)
            return swapped ? CGTDibSection::Swap(entry.standard) : entry.standard;
    return color;
}

BOOL CGTToolBarImages::MapBmpTo3dColors(HBITMAP& target, BOOL pixelOrder, COLORREF sourceColor,
                                        COLORREF destinationColor)
{
    if (target == nullptr || (sourceColor != none && destinationColor == none))
        return FALSE;
    CGTDibSection dib;
    if (CopyToDib32(target, dib) == nullptr)
        return FALSE;
    auto toColor = [pixelOrder](DWORD pixel) { return pixelOrder ? (pixel & 0xFFFFFF) : PixelToColor(pixel); };
    auto toPixel = [pixelOrder](COLORREF color) { return pixelOrder ? color : CGTDibSection::Swap(color); };
    DWORD* pixel = dib.Bits();
    for (int i = 0; i < dib.Width() * dib.Height(); ++i, ++pixel) {
        const COLORREF color = toColor(*pixel);
        if (sourceColor != none) {
            if (color == sourceColor)
                *pixel = toPixel(destinationColor);
        } else {
            const COLORREF mapped = MapStandardColor(color, pixelOrder);
            if (mapped != color)
                *pixel = toPixel(mapped);
        }
    }
    ::DeleteObject(target);
    target = dib.Detach();
    return TRUE;
}

BOOL CGTToolBarImages::PreMultiplyAlpha(HBITMAP target)
{
    DIBSECTION section = {};
    if (target == nullptr || ::GetObjectW(target, sizeof(section), &section) != sizeof(section) ||
        section.dsBm.bmBitsPixel != 32 || section.dsBm.bmBits == nullptr)
        return FALSE;
    BYTE* bytes = static_cast<BYTE*>(section.dsBm.bmBits);
    const size_t pixels = static_cast<size_t>(section.dsBm.bmWidth) * std::abs(section.dsBm.bmHeight);
    for (size_t i = 0; i < pixels; ++i, bytes += 4)
        for (int channel = 0; channel < 3; ++channel)
            bytes[channel] = static_cast<BYTE>(bytes[channel] * bytes[3] / 255);
    return TRUE;
}

BOOL CGTToolBarImages::BuildFadedImage()
{
    if (bitsPerPixel == 0 || (bitsPerPixel >= 5 && !alwaysLight))
        return FALSE;
    DeleteFaded();
    if (bitmap == nullptr || theGuiToolkitGlobals.isWindows9x || theGuiToolkitGlobals.bitsPerPixel <= 8)
        return TRUE;
    CGTDibSection dib;
    if (CopyToDib32(bitmap, dib) == nullptr)
        return FALSE;
    {
        CGTSelectedBitmap selected(dib.Handle());
        CDC dc;
        dc.Attach(selected.Dc());
        CGTDrawManager(dc).BrightenRect(CRect(0, 0, dib.Width(), dib.Height()), lightPercentage, MaskColor(), 0, none);
        dc.Detach();
    }
    fadedBitmap = dib.Detach();
    return TRUE;
}

BOOL CGTToolBarImages::ConvertTo32Bits(int percentage)
{
    isGrey = TRUE;
    greyPercentage = percentage;
    if (bitmap == nullptr || theGuiToolkitGlobals.isWindows9x || theGuiToolkitGlobals.bitsPerPixel <= 8)
        return TRUE;
    CGTDibSection dib;
    if (CopyToDib32(bitmap, dib) == nullptr)
        return FALSE;
    const int percent = percentage <= 0 ? 130 : percentage;
    if (!IsAlphaPath()) {
        CGTSelectedBitmap selected(dib.Handle());
        CDC dc;
        dc.Attach(selected.Dc());
        CGTDrawManager(dc).GrayOutRect(CRect(0, 0, dib.Width(), dib.Height()), percent, MaskColor(), none);
        dc.Detach();
    } else {
        DWORD* pixel = dib.Bits();
        for (int i = 0; i < dib.Width() * dib.Height(); ++i, ++pixel) {
            double hue, saturation, lightness;
            CGTDrawManager::RgbToHls(PixelToColor(*pixel), hue, saturation, lightness);
            const double factor = percent / 100.0;
            const COLORREF grey =
                CGTDrawManager::AdjustColorHls(CGTDrawManager::HlsToRgb(hue, lightness, 0), factor, factor, factor);
            const DWORD alpha = *pixel >> 24;
            const DWORD scaled = (GetRValue(grey) * alpha / 255);
            *pixel = (alpha << 24) | (scaled << 16) | (scaled << 8) | scaled;
        }
    }
    ReplaceBitmap(dib.Detach());
    DeleteFaded();
    return TRUE;
}

BOOL CGTToolBarImages::MirrorBitmap(HBITMAP& target, int imageWidth)
{
    if (target == nullptr || imageWidth <= 0)
        return FALSE;
    CGTDibSection copy;
    const Pixels32 pixels = AccessPixels32(target, copy);
    if (pixels.bits == nullptr)
        return FALSE;
    for (int cell = 0; cell + imageWidth <= pixels.width; cell += imageWidth)
        for (int row = 0; row < pixels.height; ++row) {
            DWORD* line = pixels.bits + static_cast<size_t>(row) * pixels.width + cell;
            std::reverse(line, line + imageWidth);
        }
    if (pixels.copied) {
        ::DeleteObject(target);
        target = copy.Detach();
    }
    return TRUE;
}

BOOL CGTToolBarImages::Mirror()
{
    if (!MirrorBitmap(bitmap, sizeImage.cx))
        return FALSE;
    if (fadedBitmap != nullptr)
        MirrorBitmap(fadedBitmap, sizeImage.cx);
    return TRUE;
}

BOOL CGTToolBarImages::RecolorImages(const std::function<COLORREF(COLORREF)>& recolor)
{
    if (isTemporary || bitmap == nullptr)
        return FALSE;
    CGTDibSection copy;
    const Pixels32 pixels = AccessPixels32(bitmap, copy);
    if (pixels.bits == nullptr)
        return FALSE;
    const COLORREF transparent = MaskColor();
    DWORD* pixel = pixels.bits;
    for (size_t i = 0, n = static_cast<size_t>(pixels.width) * pixels.height; i < n; ++i, ++pixel) {
        if (bitsPerPixel == 32)
            *pixel = RecolorPremultiplied(*pixel, recolor);
        else if (PixelToColor(*pixel) != transparent)
            *pixel = (*pixel & 0xFF000000) | CGTDibSection::Swap(recolor(PixelToColor(*pixel)));
    }
    if (pixels.copied)
        ReplaceBitmap(copy.Detach());
    DeleteFaded();
    return TRUE;
}

BOOL CGTToolBarImages::CopyImageToClipboard(int index)
{
    return CopyDrawingToClipboard(sizeImage, [this, index](CDC& dc) {
        DrawingPassScope pass(*this);
        return pass.Begun() && DrawImage(&dc, 0, 0, index);
    });
}

BOOL CGTToolBarImages::BeginDrawing(CGTImageDrawPass& pass, int destinationWidth, int destinationHeight, BOOL fade)
{
    if (bitmap == nullptr)
        return FALSE;
    if (fade && bitsPerPixel < 32 && fadedBitmap == nullptr)
        BuildFadedImage();
    isStretch = FALSE;
    fadeInactive = fade && fadedBitmap != nullptr && (bitsPerPixel < 5 || alwaysLight) && bitsPerPixel != 0;
    pass.glyphPrevious = ::SelectObject(glyphDc, fadeInactive && bitsPerPixel < 32 ? fadedBitmap : bitmap);
    pass.maskBitmap = ::CreateBitmap(sizeImage.cx + 2, sizeImage.cy + 2, 1, 1, nullptr);
    pass.maskPrevious = pass.maskBitmap != nullptr ? ::SelectObject(maskDc, pass.maskBitmap) : nullptr;
    if (pass.glyphPrevious == nullptr || pass.maskPrevious == nullptr) {
        if (pass.glyphPrevious != nullptr)
            ::SelectObject(glyphDc, pass.glyphPrevious);
        if (pass.maskBitmap != nullptr)
            ::DeleteObject(pass.maskBitmap);
        pass = CGTImageDrawPass();
        return FALSE;
    }
    sizeDestination =
        (destinationWidth > 0 && destinationHeight > 0) ? SIZE{destinationWidth, destinationHeight} : sizeImage;
    const bool sameSize = sizeDestination.cx == sizeImage.cx && sizeDestination.cy == sizeImage.cy;
    if (sameSize && EffectiveTransparent() == none)
        return TRUE;
    isStretch = !sameSize;
    HDC screen = ::GetDC(nullptr);
    m_memoryDc = ::CreateCompatibleDC(screen);
    m_memoryBitmap = ::CreateCompatibleBitmap(screen, sizeImage.cx + 2, sizeImage.cy + 2);
    ::ReleaseDC(nullptr, screen);
    m_memoryPrevious = ::SelectObject(m_memoryDc, m_memoryBitmap);
    return TRUE;
}

void CGTToolBarImages::FinishDrawing(CGTImageDrawPass& pass)
{
    ::SelectObject(maskDc, pass.maskPrevious);
    ::SelectObject(glyphDc, pass.glyphPrevious);
    if (pass.maskBitmap != nullptr)
        ::DeleteObject(pass.maskBitmap);
    pass = CGTImageDrawPass();
    sizeDestination = {0, 0};
    fadeInactive = FALSE;
    if (m_memoryDc != nullptr) {
        ::SelectObject(m_memoryDc, m_memoryPrevious);
        ::DeleteDC(m_memoryDc);
        ::DeleteObject(m_memoryBitmap);
        m_memoryDc = nullptr;
        m_memoryBitmap = nullptr;
        m_memoryPrevious = nullptr;
    }
}

void CGTToolBarImages::CreateMask(int index, BOOL highlight, BOOL shifted)
{
    const int width = sizeImage.cx;
    const int height = sizeImage.cy;
    ::PatBlt(maskDc, 0, 0, width + 2, height + 2, WHITENESS);
    ::SetBkColor(glyphDc, MaskColor());
    ::BitBlt(maskDc, 0, 0, width, height, glyphDc, index * width, 0, SRCCOPY);
    if (highlight) {
        ::SetBkColor(glyphDc, theGuiToolkitGlobals.colorBtnHighlight);
        ::BitBlt(maskDc, 0, 0, width, height, glyphDc, index * width, 0, SRCPAINT);
    }
    if (shifted)
        ::BitBlt(maskDc, 1, 1, width + 1, height + 1, maskDc, 0, 0, SRCAND);
}

BOOL CGTToolBarImages::DrawImage(CDC* dc, int x, int y, int index, BOOL highlight, BOOL disabled, BOOL indeterminate,
                                 BOOL shadow, BOOL inactive)
{
    if (index < 0 || index >= count)
        return FALSE;
    if (shadow && theGuiToolkitGlobals.bitsPerPixel <= 8)
        return TRUE;
    const BOOL savedStretch = isStretch;
    if (isStretch)
        highlight = indeterminate = FALSE;
    HGDIOBJ glyphSwitched = nullptr;
    if (!inactive && fadeInactive && bitsPerPixel < 32)
        glyphSwitched = ::SelectObject(glyphDc, bitmap);
    const BOOL alphaPath = IsAlphaPath();
    const BOOL stretchedByAlpha = alphaPath && isStretch;
    if (stretchedByAlpha)
        isStretch = FALSE;

    const COLORREF transparent = EffectiveTransparent();
    const BOOL intoMemory = isStretch || transparent != none;
    HDC target = intoMemory ? m_memoryDc : dc->GetSafeHdc();
    const int targetX = intoMemory ? 0 : x;
    const int targetY = intoMemory ? 0 : y;
    COLORREF maskColor = MaskColor();
    if (intoMemory) {
        RECT area = {0, 0, sizeImage.cx + 2, sizeImage.cy + 2};
        if (transparent == none || transparent == theGuiToolkitGlobals.colorBtnFace) {
            ::FillRect(target, &area, theGuiToolkitGlobals.brushBtnFace);
        } else {
            HBRUSH brush = ::CreateSolidBrush(transparent);
            ::FillRect(target, &area, brush);
            ::DeleteObject(brush);
        }
        if (theGuiToolkitGlobals.bitsPerPixel == 16 && disabled)
            maskColor = ::GetPixel(target, 0, 0);
    }

    BOOL trueColorDisabled = FALSE;
    if (disabled && bitsPerPixel >= 24) {
        trueColorDisabled = TRUE;
        disabled = FALSE;
    }
    if (alphaPath)
        shadow = FALSE;

    if (!highlight && !disabled && !shadow) {
        DrawPlain(target, targetX, targetY, index, trueColorDisabled, inactive, stretchedByAlpha);
    } else if (disabled || shadow || (highlight && indeterminate)) {
        DrawSilhouette(target, targetX, targetY, index, highlight, disabled, shadow);
    }
    if (highlight || indeterminate)
        DrawPattern(target, targetX, targetY, index, indeterminate, disabled);

    if (isStretch)
        StretchMonoMask(dc->GetSafeHdc(), x, y, sizeImage.cx, sizeImage.cy, m_memoryDc, 0, 0, maskColor,
                        sizeDestination.cx, sizeDestination.cy);
    else if (intoMemory)
        StretchMonoMask(dc->GetSafeHdc(), x, y, sizeImage.cx, sizeImage.cy, m_memoryDc, 0, 0, maskColor);
    if (glyphSwitched != nullptr)
        ::SelectObject(glyphDc, fadedBitmap);
    isStretch = savedStretch;
    return TRUE;
}

void CGTToolBarImages::DrawPlain(HDC target, int targetX, int targetY, int index, BOOL trueColorDisabled, BOOL inactive,
                                 BOOL stretchedByAlpha)
{
    const int width = sizeImage.cx;
    const int height = sizeImage.cy;
    if (IsAlphaPath()) {
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        if (trueColorDisabled)
            blend.SourceConstantAlpha = disabledAlpha;
        else if (inactive && fadeInactive)
            blend.SourceConstantAlpha = inactiveAlpha;
        // On a stretching pass the blend stretches straight onto the caller's DC.
        const int destinationWidth = stretchedByAlpha ? sizeDestination.cx : width;
        const int destinationHeight = stretchedByAlpha ? sizeDestination.cy : height;
        if (alphaBlend(target, targetX, targetY, destinationWidth, destinationHeight, glyphDc, index * width, 0, width,
                       height, blend))
            return;
    }
    ::BitBlt(target, targetX, targetY, width, height, glyphDc, index * width, 0, SRCCOPY);
    if (trueColorDisabled) {
        CDC dc;
        dc.Attach(target);
        const COLORREF disabledColor = disabledColorQuery != nullptr ? disabledColorQuery() : none;
        CGTDrawManager(dc).GrayOutRect(CRect(targetX, targetY, targetX + width + 2, targetY + height + 2), -1,
                                       MaskColor(), disabledColor);
        dc.Detach();
    }
}

void CGTToolBarImages::DrawSilhouette(HDC target, int targetX, int targetY, int index, BOOL highlight, BOOL disabled,
                                      BOOL shadow)
{
    // Brush where the mask is black, destination where it is white.
    const DWORD brushOnBlack = 0x00B8074A;
    CreateMask(index, highlight, FALSE);
    const COLORREF previousText = ::SetTextColor(target, shadow ? colorImageShadow : RGB(0, 0, 0));
    const COLORREF previousBack = ::SetBkColor(target, RGB(255, 255, 255));
    const int width = sizeImage.cx + 2;
    const int height = sizeImage.cy + 2;
    const BOOL emboss = embossQuery != nullptr ? embossQuery() : TRUE;
    if (disabled && emboss) {
        HGDIOBJ previousBrush = ::SelectObject(target, theGuiToolkitGlobals.hbrBtnHighlight);
        ::BitBlt(target, targetX + 1, targetY + 1, width, height, maskDc, 0, 0, brushOnBlack);
        ::SelectObject(target, previousBrush);
    }
    HGDIOBJ previousBrush = ::SelectObject(target, theGuiToolkitGlobals.hbrBtnShadow);
    ::BitBlt(target, targetX, targetY, width, height, maskDc, 0, 0, brushOnBlack);
    ::SelectObject(target, previousBrush);
    ::SetTextColor(target, previousText);
    ::SetBkColor(target, previousBack);
}

void CGTToolBarImages::DrawPattern(HDC target, int targetX, int targetY, int index, BOOL indeterminate, BOOL disabled)
{
    // Brush where the mask is white, destination where it is black.
    const DWORD brushOnWhite = 0x00E20746;
    HGDIOBJ previousBrush = ::SelectObject(target, theGuiToolkitGlobals.brushLight.GetSafeHandle());
    CreateMask(index, !indeterminate, disabled);
    const COLORREF previousText = ::SetTextColor(target, RGB(0, 0, 0));
    const COLORREF previousBack = ::SetBkColor(target, RGB(255, 255, 255));
    ::BitBlt(target, targetX, targetY, sizeImage.cx, sizeImage.cy, maskDc, 0, 0, brushOnWhite);
    ::SetTextColor(target, previousText);
    ::SetBkColor(target, previousBack);
    ::SelectObject(target, previousBrush);
}

void CGTToolBarImages::StretchMonoMask(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                                       int sourceY, COLORREF transparentColor, int destinationWidth,
                                       int destinationHeight)
{
    if (destinationWidth < 0 || destinationHeight < 0) {
        destinationWidth = width;
        destinationHeight = height;
    }
    HDC screen = ::GetDC(nullptr);
    HBITMAP copyBitmap = ::CreateCompatibleBitmap(screen, destinationWidth, destinationHeight);
    ::ReleaseDC(nullptr, screen);
    HBITMAP maskBitmap = ::CreateBitmap(destinationWidth, destinationHeight, 1, 1, nullptr);
    if (copyBitmap == nullptr || maskBitmap == nullptr) {
        if (copyBitmap != nullptr)
            ::DeleteObject(copyBitmap);
        if (maskBitmap != nullptr)
            ::DeleteObject(maskBitmap);
        return;
    }
    {
        CGTSelectedBitmap copy(copyBitmap);
        CGTSelectedBitmap mask(maskBitmap);
        if (destinationWidth == width && destinationHeight == height)
            ::BitBlt(copy.Dc(), 0, 0, width, height, source, sourceX, sourceY, SRCCOPY);
        else
            ::StretchBlt(copy.Dc(), 0, 0, destinationWidth, destinationHeight, source, sourceX, sourceY, width, height,
                         SRCCOPY);
        ::SetBkColor(copy.Dc(), transparentColor);
        ::BitBlt(mask.Dc(), 0, 0, destinationWidth, destinationHeight, copy.Dc(), 0, 0, SRCCOPY);
        ::SetTextColor(copy.Dc(), RGB(255, 255, 255));
        ::SetBkColor(copy.Dc(), RGB(0, 0, 0));
        ::BitBlt(copy.Dc(), 0, 0, destinationWidth, destinationHeight, mask.Dc(), 0, 0, SRCAND);
        const COLORREF previousBack = ::SetBkColor(destination, RGB(255, 255, 255));
        const COLORREF previousText = ::SetTextColor(destination, RGB(0, 0, 0));
        ::BitBlt(destination, x, y, destinationWidth, destinationHeight, mask.Dc(), 0, 0, SRCAND);
        ::BitBlt(destination, x, y, destinationWidth, destinationHeight, copy.Dc(), 0, 0, SRCPAINT);
        ::SetBkColor(destination, previousBack);
        ::SetTextColor(destination, previousText);
    }
    ::DeleteObject(copyBitmap);
    ::DeleteObject(maskBitmap);
}
