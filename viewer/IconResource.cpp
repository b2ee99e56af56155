#include "IconResource.h"

#include <afx.h>

#include <cstring>
#include <memory>

namespace {

const DWORD kHeaderSize = 6;
const DWORD kEntrySize = 16;
const DWORD kIconFormat = 0x00030000;

WORD Word(const BYTE* iAt)
{
    return static_cast<WORD>(iAt[0] | iAt[1] << 8);
}

DWORD Dword(const BYTE* iAt)
{
    return Word(iAt) | static_cast<DWORD>(Word(iAt + 2)) << 16;
}

bool UsualBitCount(WORD iBits)
{
    return iBits == 1 || iBits == 4 || iBits == 8 || iBits == 16 || iBits == 24 || iBits == 32;
}

DWORD RowBytes(LONG iWidth, WORD iBits)
{
    return static_cast<DWORD>((iWidth * iBits + 31) / 32 * 4);
}

// The bytes a bitmap header says its image takes: colour table, colour rows and mask rows.
DWORD ImageBytesNeeded(const BITMAPINFOHEADER& iHeader)
{
    const DWORD colours =
        iHeader.biClrUsed ? iHeader.biClrUsed : (iHeader.biBitCount <= 8 ? 1u << iHeader.biBitCount : 0);
    const DWORD masks = iHeader.biCompression == BI_BITFIELDS ? 3 * sizeof(DWORD) : 0;
    const LONG height = iHeader.biHeight / 2;
    return iHeader.biSize + masks + colours * sizeof(RGBQUAD) + RowBytes(iHeader.biWidth, iHeader.biBitCount) * height +
        RowBytes(iHeader.biWidth, 1) * height;
}

bool UsableHeader(const BITMAPINFOHEADER& iHeader, DWORD iImageSize)
{
    const LONG height = iHeader.biHeight / 2;
    return iHeader.biSize == sizeof(BITMAPINFOHEADER) && iHeader.biWidth >= 1 && iHeader.biWidth <= 256 &&
        height >= 1 && height <= 256 && iHeader.biPlanes == 1 && UsualBitCount(iHeader.biBitCount) &&
        (iHeader.biCompression == BI_RGB || iHeader.biCompression == BI_BITFIELDS) && iHeader.biClrUsed <= 256 &&
        ImageBytesNeeded(iHeader) <= iImageSize;
}

// The image a directory entry names, when all of it lies inside the buffer and its header
// describes an icon image that fits it.
bool ReadImage(const BYTE* iBytes, DWORD iSize, const BYTE* iEntry, IconImage& oImage)
{
    const DWORD imageSize = Dword(iEntry + 8);
    const DWORD offset = Dword(iEntry + 12);
    if (offset > iSize || imageSize > iSize - offset || imageSize < sizeof(BITMAPINFOHEADER))
        return false;
    BITMAPINFOHEADER header;
    std::memcpy(&header, iBytes + offset, sizeof header);
    if (!UsableHeader(header, imageSize))
        return false;
    oImage.Width = header.biWidth;
    oImage.Depth = header.biPlanes * header.biBitCount;
    oImage.Bytes.assign(iBytes + offset, iBytes + offset + imageSize);
    return true;
}

const IconImage* BestImage(const IconResource& iResource, int iSize)
{
    const IconImage* best = nullptr;
    for (const IconImage& image : iResource.Images) {
        if (image.Width == iSize && (!best || image.Depth > best->Depth))
            best = &image;
    }
    return best ? best : &iResource.Images.front();
}

}  // namespace

IconResource* ReadIconResource(const BYTE* iBytes, DWORD iSize)
{
    if (!iBytes || iSize < kHeaderSize || Word(iBytes) != 0 || Word(iBytes + 2) != 1)
        AfxThrowInvalidArgException();
    const DWORD count = Word(iBytes + 4);
    if (count * kEntrySize > iSize - kHeaderSize)
        AfxThrowInvalidArgException();
    std::unique_ptr<IconResource> resource(new IconResource);
    for (DWORD i = 0; i < count; ++i) {
        IconImage image;
        if (ReadImage(iBytes, iSize, iBytes + kHeaderSize + i * kEntrySize, image))
            resource->Images.push_back(std::move(image));
    }
    return resource.release();
}

HICON CreateIconOfSize(const IconResource* iResource, int iSize)
{
    if (!iResource || iResource->Images.empty())
        return nullptr;
    const IconImage& image = *BestImage(*iResource, iSize);
    BITMAPINFOHEADER header;
    std::memcpy(&header, image.Bytes.data(), sizeof header);
    BYTE* bytes = const_cast<BYTE*>(image.Bytes.data());
    const DWORD size = static_cast<DWORD>(image.Bytes.size());
    HICON icon = CreateIconFromResourceEx(bytes, size, TRUE, kIconFormat, header.biWidth, header.biHeight / 2, 0);
    return icon ? icon : CreateIconFromResource(bytes, size, TRUE, kIconFormat);
}

void FreeIconResource(IconResource* iResource)
{
    delete iResource;
}
