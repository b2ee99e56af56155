// A memory DC with a bitmap selected for its lifetime; the bitmap is deselected again
// before the DC goes.
#pragma once
#include <afxwin.h>

class CGTSelectedBitmap {
public:
    explicit CGTSelectedBitmap(HBITMAP iBitmap) : m_Dc(::CreateCompatibleDC(nullptr))
    {
        if (m_Dc != nullptr)
            m_Previous = ::SelectObject(m_Dc, iBitmap);
    }
    ~CGTSelectedBitmap()
    {
        if (m_Dc != nullptr) {
            ::SelectObject(m_Dc, m_Previous);
            ::DeleteDC(m_Dc);
        }
    }
    CGTSelectedBitmap(const CGTSelectedBitmap&) = delete;
    CGTSelectedBitmap& operator=(const CGTSelectedBitmap&) = delete;
    HDC Dc() const { return m_Dc; }
    BOOL IsValid() const { return m_Dc != nullptr && m_Previous != nullptr && m_Previous != HGDI_ERROR; }

private:
    HDC m_Dc;
    HGDIOBJ m_Previous = nullptr;
};
