// A memory DC with a bitmap selected for its lifetime; the bitmap is deselected again
// before the DC goes.
#pragma once
#include <afxwin.h>

class CGTSelectedBitmap {
public:
    explicit CGTSelectedBitmap(HBITMAP iBitmap) : m_dc(::CreateCompatibleDC(nullptr))
    {
        if (m_dc != nullptr)
            m_previous = ::SelectObject(m_dc, iBitmap);
    }
    ~CGTSelectedBitmap()
    {
        if (m_dc != nullptr) {
            ::SelectObject(m_dc, m_previous);
            ::DeleteDC(m_dc);
        }
    }
    CGTSelectedBitmap(const CGTSelectedBitmap&) = delete;
    CGTSelectedBitmap& operator=(const CGTSelectedBitmap&) = delete;
    HDC Dc() const { return m_dc; }
    BOOL IsValid() const { return m_dc != nullptr && m_previous != nullptr && m_previous != HGDI_ERROR; }

private:
    HDC m_dc;
    HGDIOBJ m_previous = nullptr;
};
