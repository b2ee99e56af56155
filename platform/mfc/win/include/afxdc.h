// Device contexts: CDC over an output DC (m_hDC) and an attribute DC (m_hAttribDC, the
// same handle unless a derived class separates them), and the window DCs that release
// themselves: CPaintDC, CClientDC, CWindowDC. State that the attribute DC answers for
// (mapping, selections, colours, modes, clipping, position) is set on both handles and
// read from the attribute DC, so that measuring agrees with drawing. What a DC that
// translates its output (a preview of a printer page) must see is virtual.
#pragma once
#include "afxgdi.h"

class CWnd;

class CDC : public CObject {
    DECLARE_DYNCREATE(CDC)
public:
    CDC() : m_hDC(nullptr), m_hAttribDC(nullptr), m_bPrinting(FALSE) {}
    ~CDC() override;

    HDC m_hDC;
    HDC m_hAttribDC;
    BOOL m_bPrinting;

    operator HDC() const { return GetSafeHdc(); }
    HDC GetSafeHdc() const { return AfxIsNullObject(this) ? nullptr : m_hDC; }
    static CDC* PASCAL FromHandle(HDC hDC);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HDC hDC);
    HDC Detach();
    virtual void SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
    virtual void SetOutputDC(HDC hDC) { m_hDC = hDC; }
    virtual void ReleaseAttribDC() { m_hAttribDC = nullptr; }
    virtual void ReleaseOutputDC() { m_hDC = nullptr; }
    BOOL IsPrinting() const { return m_bPrinting; }

    BOOL CreateDC(LPCWSTR lpszDriverName, LPCWSTR lpszDeviceName, LPCWSTR lpszOutput, const DEVMODEW* lpInitData)
    {
        return Attach(::CreateDCW(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData));
    }
    BOOL CreateIC(LPCWSTR lpszDriverName, LPCWSTR lpszDeviceName, LPCWSTR lpszOutput, const DEVMODEW* lpInitData)
    {
        return Attach(::CreateICW(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData));
    }
    BOOL CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(pDC->GetSafeHdc())); }
    BOOL DeleteDC();
    CWnd* GetWindow() const;

    // --- Selection (a bitmap goes into the output DC only: it can be in one DC at a time)
    CPen* SelectObject(CPen* pPen) { return static_cast<CPen*>(SelectObject(pPen->GetSafeHandle())); }
    CBrush* SelectObject(CBrush* pBrush) { return static_cast<CBrush*>(SelectObject(pBrush->GetSafeHandle())); }
    virtual CFont* SelectObject(CFont* pFont) { return static_cast<CFont*>(SelectObject(pFont->GetSafeHandle())); }
    CBitmap* SelectObject(CBitmap* pBitmap)
    {
        return static_cast<CBitmap*>(SelectGdiObject(m_hDC, pBitmap->GetSafeHandle()));
    }
    int SelectObject(CRgn* pRgn) { return SelectClipRgn(pRgn); }
    CGdiObject* SelectObject(HGDIOBJ hObject);
    virtual CGdiObject* SelectStockObject(int nIndex) { return SelectObject(::GetStockObject(nIndex)); }
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground)
    {
        return CPalette::FromHandle(::SelectPalette(m_hDC, (HPALETTE)pPalette->GetSafeHandle(), bForceBackground));
    }
    UINT RealizePalette() { return ::RealizePalette(m_hDC); }
    CPen* GetCurrentPen() const { return CPen::FromHandle((HPEN)::GetCurrentObject(m_hAttribDC, OBJ_PEN)); }
    CBrush* GetCurrentBrush() const { return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hAttribDC, OBJ_BRUSH)); }
    CFont* GetCurrentFont() const { return CFont::FromHandle((HFONT)::GetCurrentObject(m_hAttribDC, OBJ_FONT)); }
    CBitmap* GetCurrentBitmap() const { return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP)); }
    static CGdiObject* PASCAL SelectGdiObject(HDC hDC, HGDIOBJ h);

    // The two handles are saved and restored together; the number is the attribute DC's.
    virtual int SaveDC()
    {
        return ForBoth([](HDC h) { return ::SaveDC(h); });
    }
    virtual BOOL RestoreDC(int nSavedDC)
    {
        return ForBoth([nSavedDC](HDC h) { return ::RestoreDC(h, nSavedDC); });
    }
    virtual int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }

    // --- Print jobs of a printer DC (the print loop runs them through its IPrintDevice)
    int StartDoc(const DOCINFOW* lpDocInfo) { return ::StartDocW(m_hDC, lpDocInfo); }
    int StartPage() { return ::StartPage(m_hDC); }
    int EndPage() { return ::EndPage(m_hDC); }
    int EndDoc() { return ::EndDoc(m_hDC); }
    int AbortDoc() { return ::AbortDoc(m_hDC); }

    // --- Colours and modes
    virtual COLORREF SetBkColor(COLORREF crColor)
    {
        return ForBoth([crColor](HDC h) { return ::SetBkColor(h, crColor); });
    }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
    int SetBkMode(int nBkMode)
    {
        return ForBoth([nBkMode](HDC h) { return ::SetBkMode(h, nBkMode); });
    }
    int GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
    virtual COLORREF SetTextColor(COLORREF crColor)
    {
        return ForBoth([crColor](HDC h) { return ::SetTextColor(h, crColor); });
    }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
    int SetROP2(int nDrawMode)
    {
        return ForBoth([nDrawMode](HDC h) { return ::SetROP2(h, nDrawMode); });
    }
    int GetROP2() const { return ::GetROP2(m_hAttribDC); }
    int SetPolyFillMode(int nMode)
    {
        return ForBoth([nMode](HDC h) { return ::SetPolyFillMode(h, nMode); });
    }
    int GetPolyFillMode() const { return ::GetPolyFillMode(m_hAttribDC); }
    int SetStretchBltMode(int nMode)
    {
        return ForBoth([nMode](HDC h) { return ::SetStretchBltMode(h, nMode); });
    }
    int GetStretchBltMode() const { return ::GetStretchBltMode(m_hAttribDC); }
    UINT SetTextAlign(UINT nFlags)
    {
        return ForBoth([nFlags](HDC h) { return ::SetTextAlign(h, nFlags); });
    }
    UINT GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
    virtual int SetMapMode(int nMapMode)
    {
        return ForBoth([nMapMode](HDC h) { return ::SetMapMode(h, nMapMode); });
    }
    int GetMapMode() const { return ::GetMapMode(m_hAttribDC); }
    COLORREF GetNearestColor(COLORREF crColor) const { return ::GetNearestColor(m_hAttribDC, crColor); }
    int SetTextCharacterExtra(int nCharExtra)
    {
        return ForBoth([nCharExtra](HDC h) { return ::SetTextCharacterExtra(h, nCharExtra); });
    }
    DWORD SetLayout(DWORD dwLayout)
    {
        return ForBoth([dwLayout](HDC h) { return ::SetLayout(h, dwLayout); });
    }
    DWORD GetLayout() const { return ::GetLayout(m_hAttribDC); }

    // --- Coordinates
    virtual CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    CPoint GetViewportOrg() const;
    virtual CPoint OffsetViewportOrg(int nWidth, int nHeight);
    virtual CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    CPoint GetWindowOrg() const;
    virtual CPoint OffsetWindowOrg(int nWidth, int nHeight);
    virtual CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
    CSize GetViewportExt() const;
    virtual CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
    CSize GetWindowExt() const;
    virtual CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
    virtual CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);
    CPoint SetBrushOrg(int x, int y);
    CPoint SetBrushOrg(POINT point) { return SetBrushOrg(point.x, point.y); }
    CPoint GetBrushOrg() const;
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const { ::DPtoLP(m_hAttribDC, lpPoints, nCount); }
    void DPtoLP(LPRECT lpRect) const { ::DPtoLP(m_hAttribDC, (LPPOINT)lpRect, 2); }
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const { ::LPtoDP(m_hAttribDC, lpPoints, nCount); }
    void LPtoDP(LPRECT lpRect) const { ::LPtoDP(m_hAttribDC, (LPPOINT)lpRect, 2); }

    // --- Clipping
    virtual int GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hAttribDC, lpRect); }
    int SelectClipRgn(CRgn* pRgn) { return SelectClipRgn(pRgn, RGN_COPY); }
    virtual int SelectClipRgn(CRgn* pRgn, int nMode);
    virtual int ExcludeClipRect(int x1, int y1, int x2, int y2)
    {
        return ForBoth([=](HDC h) { return ::ExcludeClipRect(h, x1, y1, x2, y2); });
    }
    int ExcludeClipRect(LPCRECT lpRect)
    {
        return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    virtual int IntersectClipRect(int x1, int y1, int x2, int y2)
    {
        return ForBoth([=](HDC h) { return ::IntersectClipRect(h, x1, y1, x2, y2); });
    }
    int IntersectClipRect(LPCRECT lpRect)
    {
        return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    virtual int OffsetClipRgn(int x, int y)
    {
        return ForBoth([=](HDC h) { return ::OffsetClipRgn(h, x, y); });
    }
    BOOL PtVisible(int x, int y) const { return ::PtVisible(m_hAttribDC, x, y); }
    BOOL RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hAttribDC, lpRect); }
    int GetClipRgn(CRgn* pRgn) const;

    // --- Lines and shapes
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    CPoint GetCurrentPosition() const;
    BOOL Polyline(const POINT* lpPoints, int nCount) { return ::Polyline(m_hDC, lpPoints, nCount); }
    BOOL PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount)
    {
        return ::PolyPolyline(m_hDC, lpPoints, lpPolyPoints, nCount);
    }
    BOOL Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }
    BOOL PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount)
    {
        return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
    }
    BOOL PolyBezier(const POINT* lpPoints, int nCount) { return ::PolyBezier(m_hDC, lpPoints, nCount); }
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
    {
        return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
    }
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
    {
        return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
    }
    BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
    BOOL Rectangle(LPCRECT lpRect) { return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
    {
        return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
    }
    BOOL RoundRect(LPCRECT lpRect, POINT point)
    {
        return RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
    }
    BOOL Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
    BOOL Ellipse(LPCRECT lpRect) { return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }

    // --- Rectangles and regions
    void FillRect(LPCRECT lpRect, CBrush* pBrush) { ::FillRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle()); }
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void FrameRect(LPCRECT lpRect, CBrush* pBrush) { ::FrameRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle()); }
    void InvertRect(LPCRECT lpRect) { ::InvertRect(m_hDC, lpRect); }
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) { return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags); }
    BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
    {
        return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
    }
    void DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
    // Inverts the frame of the new drag rectangle and of the last one, painting only the
    // difference (sizes are the frame thicknesses).
    void DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush = nullptr,
                      CBrush* pBrushLast = nullptr);
    static CBrush* PASCAL GetHalftoneBrush();
    BOOL FillRgn(CRgn* pRgn, CBrush* pBrush)
    {
        return ::FillRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle());
    }
    BOOL FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
    {
        return ::FrameRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle(), nWidth, nHeight);
    }
    BOOL InvertRgn(CRgn* pRgn) { return ::InvertRgn(m_hDC, (HRGN)pRgn->GetSafeHandle()); }
    BOOL PaintRgn(CRgn* pRgn) { return ::PaintRgn(m_hDC, (HRGN)pRgn->GetSafeHandle()); }

    // --- Pixels and blits
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
    COLORREF SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
    COLORREF SetPixel(POINT point, COLORREF crColor) { return SetPixel(point.x, point.y, crColor); }
    BOOL SetPixelV(int x, int y, COLORREF crColor) { return ::SetPixelV(m_hDC, x, y, crColor); }
    BOOL FloodFill(int x, int y, COLORREF crColor) { return ::FloodFill(m_hDC, x, y, crColor); }
    BOOL ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
    {
        return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
    }
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
    {
        return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
    }
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
    {
        return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
    }
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop)
    {
        return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth, nSrcHeight,
                            dwRop);
    }
    BOOL MaskBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, CBitmap& maskBitmap, int xMask,
                 int yMask, DWORD dwRop)
    {
        return ::MaskBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, (HBITMAP)maskBitmap.m_hObject,
                         xMask, yMask, dwRop);
    }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
    BOOL DrawIcon(POINT point, HICON hIcon) { return DrawIcon(point.x, point.y, hIcon); }
    BOOL DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush = nullptr);
    BOOL DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush = nullptr);
    BOOL DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush = nullptr);
    BOOL DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush);
    BOOL DrawState(CPoint pt, CSize size, LPCWSTR lpszText, UINT nFlags, BOOL bPrefixText = TRUE, int nTextLen = 0,
                   HBRUSH hBrush = nullptr);
    BOOL DrawState(CPoint pt, CSize size, LPCWSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                   CBrush* pBrush);

    // --- Text
    virtual BOOL TextOut(int x, int y, LPCWSTR lpszString, int nCount)
    {
        return ::TextOutW(m_hDC, x, y, lpszString, nCount);
    }
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
    virtual BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCWSTR lpszString, UINT nCount,
                            LPINT lpDxWidths)
    {
        return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
    }
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
    {
        return ExtTextOut(x, y, nOptions, lpRect, str, str.GetLength(), lpDxWidths);
    }
    virtual int DrawText(LPCWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
    {
        return ::DrawTextW(m_hDC, lpszString, nCount, lpRect, nFormat);
    }
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
    {
        return DrawText((LPCWSTR)str, str.GetLength(), lpRect, nFormat);
    }
    virtual int DrawTextEx(LPWSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat, LPDRAWTEXTPARAMS lpDTParams)
    {
        return ::DrawTextExW(m_hDC, lpszString, nCount, lpRect, nFormat, lpDTParams);
    }
    CSize GetTextExtent(LPCWSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }
    CSize GetOutputTextExtent(LPCWSTR lpszString, int nCount) const;
    CSize GetOutputTextExtent(const CString& str) const { return GetOutputTextExtent(str, str.GetLength()); }
    CSize GetTabbedTextExtent(LPCWSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const;
    BOOL GetTextMetrics(LPTEXTMETRICW lpMetrics) const { return ::GetTextMetricsW(m_hAttribDC, lpMetrics); }
    BOOL GetOutputTextMetrics(LPTEXTMETRICW lpMetrics) const { return ::GetTextMetricsW(m_hDC, lpMetrics); }
    int GetTextFace(CString& rString) const;
    BOOL GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
    {
        return ::GetCharWidthW(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
    }
    BOOL GrayString(CBrush* pBrush, GRAYSTRINGPROC lpfnOutput, LPARAM lpData, int nCount, int x, int y, int nWidth,
                    int nHeight)
    {
        return ::GrayStringW(m_hDC, (HBRUSH)pBrush->GetSafeHandle(), lpfnOutput, lpData, nCount, x, y, nWidth, nHeight);
    }

protected:
    // Applies a state change to the output DC and, when it is another handle, to the
    // attribute DC; answers the attribute DC's result.
    template <class F>
    auto ForBoth(F f) -> decltype(f(m_hDC))
    {
        decltype(f(m_hDC)) result{};
        if (m_hDC != nullptr && m_hDC != m_hAttribDC)
            result = f(m_hDC);
        if (m_hAttribDC != nullptr)
            result = f(m_hAttribDC);
        return result;
    }
};

// Paints the window between BeginPaint and EndPaint.
class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

// The client area's DC, released when the object goes.
class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

// The whole window's DC, released when the object goes.
class CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
