#pragma once
// Icons from the bytes of an icon file, as the server keeps them for each program.
#include <windows.h>

#include <vector>

struct IconImage {
    // From the image's bitmap header, not from the directory.
    int Width;
    // Planes times bits per pixel.
    int Depth;
    // A copy of the image: bitmap header, colour table, colour bits and mask bits.
    std::vector<BYTE> Bytes;
};

struct IconResource {
    // In directory order; entries that do not describe a whole image inside the buffer are
    // left out.
    std::vector<IconImage> Images;
};

// Throws CInvalidArgException for a null buffer, a reserved field that is not 0, a type that
// is not 1 (icon) or a directory longer than the buffer. Never reads outside the buffer.
IconResource* ReadIconResource(const BYTE* iBytes, DWORD iSize);
// The image of that width with the greatest depth (the first of equal ones), else the first
// image; null when there is none or the system takes none. The caller destroys the icon.
HICON CreateIconOfSize(const IconResource* iResource, int iSize);
void FreeIconResource(IconResource* iResource);
