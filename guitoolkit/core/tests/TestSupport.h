// Drawing surfaces, a stand-in screen and an empty dialog template for the toolkit tests.
#pragma once
#include <guitoolkit/core/CGTDibSection.h>
#include <guitoolkit/core/CGTScreenInfo.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <map>

// A memory DC over a 32-bit DIB section whose pixels the tests read.
class PixelSurface {
public:
    PixelSurface(int width, int height, COLORREF fill = RGB(1, 2, 3))
    {
        m_dib.Create(width, height);
        m_hdc = ::CreateCompatibleDC(nullptr);
        m_previous = ::SelectObject(m_hdc, m_dib.Handle());
        m_dc.Attach(m_hdc);
        Fill(fill);
    }
    ~PixelSurface()
    {
        m_dc.Detach();
        ::SelectObject(m_hdc, m_previous);
        ::DeleteDC(m_hdc);
    }
    CDC& Dc() { return m_dc; }
    void Fill(COLORREF color) { Fill(CRect(0, 0, m_dib.Width(), m_dib.Height()), color); }
    void Fill(const CRect& rect, COLORREF color)
    {
        HBRUSH brush = ::CreateSolidBrush(color);
        ::FillRect(m_hdc, &rect, brush);
        ::DeleteObject(brush);
        ::GdiFlush();
    }
    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        return CGTDibSection::Swap(*m_dib.PixelAt(x, y) & 0xFFFFFF);
    }
    // The whole pixel, alpha byte included.
    DWORD RawAt(int x, int y) const
    {
        ::GdiFlush();
        return *m_dib.PixelAt(x, y);
    }

private:
    CGTDibSection m_dib;
    HDC m_hdc;
    HGDIOBJ m_previous;
    CDC m_dc;
};

// A screen of a chosen depth and chosen system colours, in place while the object lives;
// the global record follows it in and out.
class FakeScreen : public CGTScreenInfo {
public:
    explicit FakeScreen(int bits, std::map<int, COLORREF> colors = {}) : m_bits(bits), m_colors(std::move(colors))
    {
        m_previous = Select(this);
        theGuiToolkitGlobals.UpdateSysColors();
    }
    ~FakeScreen() override
    {
        Select(m_previous);
        theGuiToolkitGlobals.UpdateSysColors();
    }
    int BitsPerPixel() const override { return m_bits; }
    COLORREF SysColor(int index) const override
    {
        auto found = m_colors.find(index);
        return found != m_colors.end() ? found->second : CGTScreenInfo::SysColor(index);
    }
    void SetColor(int index, COLORREF color) { m_colors[index] = color; }

private:
    int m_bits;
    std::map<int, COLORREF> m_colors;
    CGTScreenInfo* m_previous;
};

inline bool IsGrey(COLORREF color)
{
    return GetRValue(color) == GetGValue(color) && GetGValue(color) == GetBValue(color);
}

// A dialog template in memory without menu, class, title or controls; the tests add the
// controls to the dialog made from it.
struct EmptyDialogTemplate {
    DLGTEMPLATE m_Header;
    WORD m_Menu = 0;
    WORD m_Class = 0;
    WORD m_Title = 0;
};
