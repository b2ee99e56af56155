#pragma once
// Icon files made in memory for the tests.
#include <windows.h>

#include <cstring>
#include <vector>

inline void Put(std::vector<BYTE>& ioBytes, size_t iAt, DWORD iValue, size_t iLength)
{
    for (size_t i = 0; i < iLength; ++i)
        ioBytes[iAt + i] = static_cast<BYTE>(iValue >> (8 * i));
}

// One opaque image of a single colour: every palette entry holds it.
inline std::vector<BYTE> Image(int iWidth, WORD iBits, COLORREF iColour)
{
    BITMAPINFOHEADER header = {sizeof header, iWidth, iWidth * 2, 1, iBits};
    const size_t colours = 1u << iBits;
    const size_t rows = (iWidth * iBits + 31) / 32 * 4 * iWidth, mask = (iWidth + 31) / 32 * 4 * iWidth;
    std::vector<BYTE> bytes(sizeof header + colours * 4 + rows + mask);
    std::memcpy(bytes.data(), &header, sizeof header);
    for (size_t i = 0; i < colours; ++i) {
        const RGBQUAD quad = {GetBValue(iColour), GetGValue(iColour), GetRValue(iColour), 0};
        std::memcpy(&bytes[sizeof header + i * 4], &quad, 4);
    }
    return bytes;
}

// An icon file of the images, each entry pointing at its image.
inline std::vector<BYTE> IconFile(const std::vector<std::vector<BYTE>>& iImages, WORD iType = 1)
{
    std::vector<BYTE> bytes(6 + 16 * iImages.size());
    Put(bytes, 2, iType, 2);
    Put(bytes, 4, static_cast<DWORD>(iImages.size()), 2);
    for (size_t i = 0; i < iImages.size(); ++i) {
        Put(bytes, 6 + 16 * i + 8, static_cast<DWORD>(iImages[i].size()), 4);
        Put(bytes, 6 + 16 * i + 12, static_cast<DWORD>(bytes.size()), 4);
        bytes.insert(bytes.end(), iImages[i].begin(), iImages[i].end());
    }
    return bytes;
}
