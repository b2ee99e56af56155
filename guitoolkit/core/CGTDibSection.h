// A bottom-up 32-bit DIB section whose pixels are read and written in memory. Owns its
// bitmap until Detach.
#pragma once
#include <afxwin.h>

class CGTDibSection {
public:
    CGTDibSection() = default;
    ~CGTDibSection();
    CGTDibSection(const CGTDibSection&) = delete;
    CGTDibSection& operator=(const CGTDibSection&) = delete;

    BOOL Create(int width, int height);
    HBITMAP Handle() const { return m_bitmap; }
    HBITMAP Detach();
    DWORD* Bits() const { return m_bits; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The pixel at a column and a row counted from the bottom; null outside the bitmap.
    DWORD* Pixel(int column, int rowFromBottom) const;
    // The pixel at screen coordinates (row 0 at the top); null outside the bitmap.
    DWORD* PixelAt(int x, int y) const { return Pixel(x, m_height - 1 - y); }

    // The header of such a bitmap: its image size is a byte count.
    static BITMAPINFOHEADER Header(int width, int height);
    // Swaps red and blue, between a COLORREF and a pixel.
    static DWORD Swap(COLORREF color) { return RGB(GetBValue(color), GetGValue(color), GetRValue(color)); }

private:
    HBITMAP m_bitmap = nullptr;
    DWORD* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};
