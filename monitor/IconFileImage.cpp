#include "IconFileImage.h"

#include <cstring>
#include <initializer_list>

namespace {

struct IconImage {
    const BYTE* bytes = nullptr;
    DWORD size = 0;
    BYTE width = 0;
    BYTE height = 0;
    WORD bits = 0;
};

struct ImageSearch {
    LONG width;
    LONG height;
    WORD bits;
    IconImage found;
};

// Only a plain bitmap information header is read; anything shorter, or another header kind
// (a compressed image, say), is passed over rather than read past its end.
bool ReadHeader(const void* bytes, DWORD size, BITMAPINFOHEADER& header)
{
    if (!bytes || size < sizeof header)
        return false;
    std::memcpy(&header, bytes, sizeof header);
    return header.biSize == sizeof header;
}

BOOL CALLBACK MatchImage(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR context)
{
    auto& search = *reinterpret_cast<ImageSearch*>(context);
    HRSRC info = FindResourceW(module, name, type);
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    DWORD size = info ? SizeofResource(module, info) : 0;
    BITMAPINFOHEADER header;
    if (!ReadHeader(bytes, size, header))
        return TRUE;
    if (header.biWidth != search.width || header.biHeight / 2 != search.height || header.biBitCount != search.bits)
        return TRUE;
    search.found = {static_cast<const BYTE*>(bytes), size, static_cast<BYTE>(search.width),
                    static_cast<BYTE>(search.height), search.bits};
    return FALSE;
}

IconImage FindImage(HMODULE module, std::initializer_list<LONG> sizes)
{
    for (LONG size : sizes) {
        for (WORD bits : {24, 8, 4, 2, 1}) {
            ImageSearch search{size, size, bits, {}};
            EnumResourceNamesW(module, MAKEINTRESOURCEW(3) /* RT_ICON */, MatchImage,
                               reinterpret_cast<LONG_PTR>(&search));
            if (search.found.bytes)
                return search.found;
        }
    }
    return {};
}

void Put16(std::vector<BYTE>& out, WORD value)
{
    out.push_back(LOBYTE(value));
    out.push_back(HIBYTE(value));
}

void Put32(std::vector<BYTE>& out, DWORD value)
{
    Put16(out, LOWORD(value));
    Put16(out, HIWORD(value));
}

void PutDirectoryEntry(std::vector<BYTE>& out, const IconImage& image, DWORD offset)
{
    out.push_back(image.width);
    out.push_back(image.height);
    out.push_back(image.bits < 8 ? static_cast<BYTE>(1u << image.bits) : 0);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, image.bits);
    Put32(out, image.size);
    Put32(out, offset);
}

}  // namespace

std::vector<BYTE> BuildIconFileImage(HMODULE module)
{
    IconImage large = FindImage(module, {32, 16});
    IconImage small = FindImage(module, {16, 32});
    if (!large.bytes || !small.bytes)
        return {};
    const DWORD headerSize = 6 + 2 * 16;
    std::vector<BYTE> out;
    out.reserve(headerSize + large.size + small.size);
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, 2);
    PutDirectoryEntry(out, large, headerSize);
    PutDirectoryEntry(out, small, headerSize + large.size);
    out.insert(out.end(), large.bytes, large.bytes + large.size);
    out.insert(out.end(), small.bytes, small.bytes + small.size);
    return out;
}
