#include "IconFileImage.h"

#include <cstring>
#include <initializer_list>

namespace {

struct IconImage {
    const BYTE* Bytes = nullptr;
    DWORD Size = 0;
    BYTE Width = 0;
    BYTE Height = 0;
    WORD Bits = 0;
};

struct ImageSearch {
    LONG Width;
    LONG Height;
    WORD Bits;
    IconImage Found;
};

// Only a plain bitmap information header is read; anything shorter, or another header kind
// (a compressed image, say), is passed over rather than read past its end.
bool ReadHeader(const void* iBytes, DWORD iSize, BITMAPINFOHEADER& oHeader)
{
    if (!iBytes || iSize < sizeof oHeader)
        return false;
    std::memcpy(&oHeader, iBytes, sizeof oHeader);
    return oHeader.biSize == sizeof oHeader;
}

BOOL CALLBACK MatchImage(HMODULE iModule, LPCWSTR iType, LPWSTR iName, LONG_PTR iContext)
{
    auto& search = *reinterpret_cast<ImageSearch*>(iContext);
    HRSRC info = FindResourceW(iModule, iName, iType);
    HGLOBAL data = info ? LoadResource(iModule, info) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    DWORD size = info ? SizeofResource(iModule, info) : 0;
    BITMAPINFOHEADER header;
    if (!ReadHeader(bytes, size, header))
        return TRUE;
    if (header.biWidth != search.Width || header.biHeight / 2 != search.Height || header.biBitCount != search.Bits)
        return TRUE;
    search.Found = {static_cast<const BYTE*>(bytes), size, static_cast<BYTE>(search.Width),
                    static_cast<BYTE>(search.Height), search.Bits};
    return FALSE;
}

IconImage FindImage(HMODULE iModule, std::initializer_list<LONG> iSizes)
{
    for (LONG size : iSizes) {
        for (WORD bits : {24, 8, 4, 2, 1}) {
            ImageSearch search{size, size, bits, {}};
            EnumResourceNamesW(iModule, MAKEINTRESOURCEW(3) /* RT_ICON */, MatchImage,
                               reinterpret_cast<LONG_PTR>(&search));
            if (search.Found.Bytes)
                return search.Found;
        }
    }
    return {};
}

void Put16(std::vector<BYTE>& ioBytes, WORD iValue)
{
    ioBytes.push_back(LOBYTE(iValue));
    ioBytes.push_back(HIBYTE(iValue));
}

void Put32(std::vector<BYTE>& ioBytes, DWORD iValue)
{
    Put16(ioBytes, LOWORD(iValue));
    Put16(ioBytes, HIWORD(iValue));
}

void PutDirectoryEntry(std::vector<BYTE>& ioBytes, const IconImage& iImage, DWORD iOffset)
{
    ioBytes.push_back(iImage.Width);
    ioBytes.push_back(iImage.Height);
    ioBytes.push_back(iImage.Bits < 8 ? static_cast<BYTE>(1u << iImage.Bits) : 0);
    ioBytes.push_back(0);
    Put16(ioBytes, 1);
    Put16(ioBytes, iImage.Bits);
    Put32(ioBytes, iImage.Size);
    Put32(ioBytes, iOffset);
}

}  // namespace

std::vector<BYTE> BuildIconFileImage(HMODULE iModule)
{
    IconImage large = FindImage(iModule, {32, 16});
    IconImage small = FindImage(iModule, {16, 32});
    if (!large.Bytes || !small.Bytes)
        return {};
    const DWORD headerSize = 6 + 2 * 16;
    std::vector<BYTE> out;
    out.reserve(headerSize + large.Size + small.Size);
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 2);
    PutDirectoryEntry(out, large, headerSize);
    PutDirectoryEntry(out, small, headerSize + large.Size);
    out.insert(out.end(), large.Bytes, large.Bytes + large.Size);
    out.insert(out.end(), small.Bytes, small.Bytes + small.Size);
    return out;
}
