// Drawing a printer's page onto the screen at a scale.
#include "afxstate.h"
#include <algorithm>
#include <numeric>

IMPLEMENT_DYNAMIC(CPreviewDC, CDC)

CPreviewDC::CPreviewDC() : m_pPrinterDC(nullptr), m_nScaleNum(1), m_nScaleDenom(1)
{
    m_bPrinting = TRUE;
}

CPreviewDC::~CPreviewDC()
{
    // Neither handle belongs to this object.
    ReleaseOutputDC();
    ReleaseAttribDC();
}

void CPreviewDC::SetPrinterDC(CDC* pPrinterDC)
{
    SetAttribDC(pPrinterDC->GetSafeHdc());
    m_pPrinterDC = pPrinterDC;
}

void CPreviewDC::SetAttribDC(HDC hDC)
{
    m_pPrinterDC = nullptr;
    m_hAttribDC = hDC;
    MirrorMappingMode();
    MirrorFont();
}

void CPreviewDC::ReleaseAttribDC()
{
    m_pPrinterDC = nullptr;
    m_hAttribDC = nullptr;
}

void CPreviewDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
    m_saved.clear();
    if (m_hDC == nullptr || m_hAttribDC == nullptr)
        return;
    // The output starts from what the printer's DC holds.
    ::SetTextColor(m_hDC, ::GetTextColor(m_hAttribDC));
    ::SetBkColor(m_hDC, ::GetBkColor(m_hAttribDC));
    ::SetBkMode(m_hDC, ::GetBkMode(m_hAttribDC));
    ::SetTextAlign(m_hDC, ::GetTextAlign(m_hAttribDC));
    MirrorMappingMode();
    MirrorFont();
}

void CPreviewDC::ReleaseOutputDC()
{
    if (m_hDC != nullptr)
        ::SelectObject(m_hDC, ::GetStockObject(SYSTEM_FONT));  // the fonts made for it can go
    for (HFONT hFont : m_outputFonts)
        ::DeleteObject(hFont);
    m_outputFonts.clear();
    m_saved.clear();
    m_hDC = nullptr;
    m_rectPage.SetRectEmpty();
}

void CPreviewDC::SetScaleRatio(int nNumerator, int nDenominator)
{
    int nDivisor = std::gcd(nNumerator, nDenominator);
    m_nScaleNum = nNumerator / nDivisor;
    m_nScaleDenom = nDenominator / nDivisor;
    MirrorMappingMode();
}

void CPreviewDC::SetTopLeftOffset(CSize sizeTop)
{
    m_sizeTopLeft = sizeTop;
    MirrorMappingMode();
}

void CPreviewDC::ClipToPage(LPCRECT lpRectPage)
{
    m_rectPage = *lpRectPage;
    ClipOutput(nullptr, RGN_COPY);
}

void CPreviewDC::PrinterDPtoScreenDP(LPPOINT lpPoint) const
{
    lpPoint->x = ::MulDiv(lpPoint->x, m_nScaleNum, m_nScaleDenom) + m_sizeTopLeft.cx;
    lpPoint->y = ::MulDiv(lpPoint->y, m_nScaleNum, m_nScaleDenom) + m_sizeTopLeft.cy;
}

int CPreviewDC::GetDeviceCaps(int nIndex) const
{
    return m_pPrinterDC != nullptr ? m_pPrinterDC->GetDeviceCaps(nIndex) : CDC::GetDeviceCaps(nIndex);
}

int CPreviewDC::SaveDC()
{
    int nPrinter = ::SaveDC(m_hAttribDC);
    if (nPrinter != 0 && m_hDC != nullptr)
        m_saved.push_back({nPrinter, ::SaveDC(m_hDC)});
    return nPrinter;
}

BOOL CPreviewDC::RestoreDC(int nSavedDC)
{
    // A negative number counts back from the latest save.
    int nIndex = nSavedDC < 0 ? (int)m_saved.size() + nSavedDC : -1;
    int nPrinter = nIndex >= 0 ? m_saved[nIndex].nPrinter : nSavedDC;
    if (!::RestoreDC(m_hAttribDC, nPrinter))
        return FALSE;
    auto it =
        std::find_if(m_saved.begin(), m_saved.end(), [=](const SavedLevels& s) { return s.nPrinter >= nPrinter; });
    if (it != m_saved.end() && m_hDC != nullptr)
        ::RestoreDC(m_hDC, it->nOutput);
    m_saved.erase(it, m_saved.end());
    MirrorMappingMode();
    MirrorFont();
    return TRUE;
}

// --- Mapping -------------------------------------------------------------------------------------

void CPreviewDC::MirrorMappingMode()
{
    if (m_hDC == nullptr || m_hAttribDC == nullptr)
        return;
    SIZE sizeWindow, sizeViewport;
    POINT ptWindow, ptViewport;
    ::GetWindowExtEx(m_hAttribDC, &sizeWindow);
    ::GetViewportExtEx(m_hAttribDC, &sizeViewport);
    ::GetWindowOrgEx(m_hAttribDC, &ptWindow);
    ::GetViewportOrgEx(m_hAttribDC, &ptViewport);
    // Printer logical units to printer pixels, then the scale and the page's place.
    ::SetMapMode(m_hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(m_hDC, sizeWindow.cx * m_nScaleDenom, sizeWindow.cy * m_nScaleDenom, nullptr);
    ::SetViewportExtEx(m_hDC, sizeViewport.cx * m_nScaleNum, sizeViewport.cy * m_nScaleNum, nullptr);
    ::SetWindowOrgEx(m_hDC, ptWindow.x, ptWindow.y, nullptr);
    PrinterDPtoScreenDP(&ptViewport);
    ::SetViewportOrgEx(m_hDC, ptViewport.x, ptViewport.y, nullptr);
}

int CPreviewDC::SetMapMode(int nMapMode)
{
    return OnPrinter([=](HDC h) { return ::SetMapMode(h, nMapMode); });
}

CPoint CPreviewDC::SetViewportOrg(int x, int y)
{
    POINT pt = {};
    OnPrinter([&](HDC h) { return ::SetViewportOrgEx(h, x, y, &pt); });
    return pt;
}

CPoint CPreviewDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt = {};
    OnPrinter([&](HDC h) { return ::OffsetViewportOrgEx(h, nWidth, nHeight, &pt); });
    return pt;
}

CPoint CPreviewDC::SetWindowOrg(int x, int y)
{
    POINT pt = {};
    OnPrinter([&](HDC h) { return ::SetWindowOrgEx(h, x, y, &pt); });
    return pt;
}

CPoint CPreviewDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT pt = {};
    OnPrinter([&](HDC h) { return ::OffsetWindowOrgEx(h, nWidth, nHeight, &pt); });
    return pt;
}

CSize CPreviewDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {};
    OnPrinter([&](HDC h) { return ::SetViewportExtEx(h, cx, cy, &size); });
    return size;
}

CSize CPreviewDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {};
    OnPrinter([&](HDC h) { return ::SetWindowExtEx(h, cx, cy, &size); });
    return size;
}

CSize CPreviewDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {};
    OnPrinter([&](HDC h) { return ::ScaleViewportExtEx(h, xNum, xDenom, yNum, yDenom, &size); });
    return size;
}

CSize CPreviewDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {};
    OnPrinter([&](HDC h) { return ::ScaleWindowExtEx(h, xNum, xDenom, yNum, yDenom, &size); });
    return size;
}

// --- Fonts and text ------------------------------------------------------------------------------

void CPreviewDC::MirrorFont()
{
    if (m_hDC == nullptr || m_hAttribDC == nullptr)
        return;
    LOGFONTW lf = {};
    ::GetObjectW(::GetCurrentObject(m_hAttribDC, OBJ_FONT), sizeof(lf), &lf);
    // A TrueType face grows and shrinks with the output's mapping as the page does.
    lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    for (HFONT hFont : m_outputFonts) {
        LOGFONTW lfMade = {};
        ::GetObjectW(hFont, sizeof(lfMade), &lfMade);
        if (memcmp(&lf, &lfMade, sizeof(lf)) == 0) {
            ::SelectObject(m_hDC, hFont);
            return;
        }
    }
    if (HFONT hFont = ::CreateFontIndirectW(&lf)) {
        m_outputFonts.push_back(hFont);
        ::SelectObject(m_hDC, hFont);
    }
}

CFont* CPreviewDC::SelectObject(CFont* pFont)
{
    HGDIOBJ hOld = ::SelectObject(m_hAttribDC, pFont->GetSafeHandle());
    MirrorFont();
    return static_cast<CFont*>(CGdiObject::FromHandle(hOld));
}

CGdiObject* CPreviewDC::SelectStockObject(int nIndex)
{
    HGDIOBJ hObject = ::GetStockObject(nIndex);
    if (::GetObjectType(hObject) != OBJ_FONT)
        return CDC::SelectStockObject(nIndex);
    HGDIOBJ hOld = ::SelectObject(m_hAttribDC, hObject);
    MirrorFont();
    return CGdiObject::FromHandle(hOld);
}

BOOL CPreviewDC::TextOut(int x, int y, LPCWSTR lpszString, int nCount)
{
    return ExtTextOut(x, y, 0, nullptr, lpszString, (UINT)nCount, nullptr);
}

BOOL CPreviewDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCWSTR lpszString, UINT nCount,
                            LPINT lpDxWidths)
{
    // Each character stands where the printer puts it: the printer's advances, in logical
    // units that the output's mapping scales.
    std::vector<int> advances;
    if (lpDxWidths == nullptr && nCount > 0 && m_hAttribDC != nullptr) {
        std::vector<int> ends(nCount);
        SIZE size;
        if (::GetTextExtentExPointW(m_hAttribDC, lpszString, (int)nCount, 0, nullptr, ends.data(), &size)) {
            advances.resize(nCount);
            for (UINT i = 0; i < nCount; i++)
                advances[i] = ends[i] - (i > 0 ? ends[i - 1] : 0);
            lpDxWidths = advances.data();
        }
    }
    return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

// --- Clipping ------------------------------------------------------------------------------------

int CPreviewDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN hRgn = (HRGN)pRgn->GetSafeHandle();
    int nResult = ::ExtSelectClipRgn(m_hAttribDC, hRgn, nMode);
    ClipOutput(hRgn, nMode);
    return nResult;
}

void CPreviewDC::ClipOutput(HRGN hPrinterRgn, int nMode)
{
    if (m_hDC == nullptr)
        return;
    if (hPrinterRgn == nullptr)
        ::ExtSelectClipRgn(m_hDC, nullptr, RGN_COPY);
    else {
        // A region is in device units: printer pixels become output pixels on the page.
        DWORD nSize = ::GetRegionData(hPrinterRgn, 0, nullptr);
        std::vector<BYTE> data(nSize);
        ::GetRegionData(hPrinterRgn, nSize, (RGNDATA*)data.data());
        FLOAT fScale = (FLOAT)m_nScaleNum / (FLOAT)m_nScaleDenom;
        XFORM xform = {fScale, 0, 0, fScale, (FLOAT)m_sizeTopLeft.cx, (FLOAT)m_sizeTopLeft.cy};
        HRGN hOutputRgn = ::ExtCreateRegion(&xform, nSize, (const RGNDATA*)data.data());
        ::ExtSelectClipRgn(m_hDC, hOutputRgn, nMode);
        ::DeleteObject(hOutputRgn);
    }
    if (!m_rectPage.IsRectEmpty()) {
        HRGN hPageRgn = ::CreateRectRgnIndirect(&m_rectPage);
        ::ExtSelectClipRgn(m_hDC, hPageRgn, RGN_AND);
        ::DeleteObject(hPageRgn);
    }
}
