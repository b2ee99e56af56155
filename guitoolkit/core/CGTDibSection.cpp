#include <guitoolkit/core/CGTDibSection.h>

CGTDibSection::~CGTDibSection()
{
    if (m_bitmap != nullptr)
        ::DeleteObject(m_bitmap);
}

BITMAPINFOHEADER CGTDibSection::Header(int width, int height)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
    return header;
}

BOOL CGTDibSection::Create(int width, int height)
{
    if (m_bitmap != nullptr)
        ::DeleteObject(m_bitmap);
    m_bitmap = nullptr;
    m_bits = nullptr;
    m_width = m_height = 0;
    if (width <= 0 || height <= 0)
        return FALSE;
    BITMAPINFO info = {};
    info.bmiHeader = Header(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr)
        return FALSE;
    m_bitmap = bitmap;
    m_bits = static_cast<DWORD*>(bits);
    m_width = width;
    m_height = height;
    return TRUE;
}

HBITMAP CGTDibSection::Detach()
{
    HBITMAP bitmap = m_bitmap;
    m_bitmap = nullptr;
    m_bits = nullptr;
    m_width = m_height = 0;
    return bitmap;
}

DWORD* CGTDibSection::Pixel(int column, int rowFromBottom) const
{
    if (m_bits == nullptr || column < 0 || column >= m_width || rowFromBottom < 0 || rowFromBottom >= m_height)
        return nullptr;
    return m_bits + static_cast<size_t>(rowFromBottom) * m_width + column;
}
