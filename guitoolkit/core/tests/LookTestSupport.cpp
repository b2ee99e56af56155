#include "LookTestSupport.h"

TestCanvas::TestCanvas(int width, int height, COLORREF background) : m_width(width), m_height(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    m_bits = static_cast<DWORD*>(bits);
    m_dc.Attach(::CreateCompatibleDC(nullptr));
    m_old = ::SelectObject(m_dc.GetSafeHdc(), m_bitmap);
    Fill(background);
}

TestCanvas::~TestCanvas()
{
    ::SelectObject(m_dc.GetSafeHdc(), m_old);
    m_dc.DeleteDC();
    ::DeleteObject(m_bitmap);
}

COLORREF TestCanvas::Pixel(int x, int y) const
{
    ::GdiFlush();
    const DWORD value = m_bits[y * m_width + x];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

void TestCanvas::Fill(COLORREF color)
{
    CRect all(0, 0, m_width, m_height);
    m_dc.FillSolidRect(&all, color);
}

int TestCanvas::Count(const CRect& rect, COLORREF color) const
{
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            count += Pixel(x, y) == color;
    return count;
}
