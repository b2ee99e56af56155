#include "afxstate.h"
#include "afxhandlemap.h"

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

static CHandleMap<CDC, HDC>& DCMap()
{
    static thread_local CHandleMap<CDC, HDC> map(
        [](HDC h) {
            CDC* pDC = new CDC;
            pDC->m_hDC = pDC->m_hAttribDC = h;
            return pDC;
        },
        [](CDC* pDC) { pDC->m_hDC = pDC->m_hAttribDC = nullptr; });
    return map;
}

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return DCMap().FromHandle(hDC);
}
void PASCAL CDC::DeleteTempMap()
{
    DCMap().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr)
        return FALSE;
    if (hDC != m_hDC)
        DeleteDC();
    m_hDC = m_hAttribDC = hDC;
    // A DC may be borrowed for a while (drawing helpers attach a caller's DC and detach it
    // again): its owner goes on answering for it.
    if (!DCMap().HeldByOther(this, hDC))
        DCMap().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr && DCMap().LookupPermanent(hDC) == this)
        DCMap().RemoveHandle(hDC);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

CGdiObject* PASCAL CDC::SelectGdiObject(HDC hDC, HGDIOBJ h)
{
    return CGdiObject::FromHandle(h != nullptr && hDC != nullptr ? ::SelectObject(hDC, h) : nullptr);
}

CGdiObject* CDC::SelectObject(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    return CGdiObject::FromHandle(ForBoth([hObject](HDC h) { return ::SelectObject(h, hObject); }));
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN hRgn = (HRGN)pRgn->GetSafeHandle();
    return ForBoth([hRgn, nMode](HDC h) { return ::ExtSelectClipRgn(h, hRgn, nMode); });
}

int CDC::GetClipRgn(CRgn* pRgn) const
{
    return ::GetClipRgn(m_hAttribDC, (HRGN)pRgn->GetSafeHandle());
}

// The setters of points and sizes answer the attribute DC's old value.
CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt = {};
    ForBoth([&](HDC h) { return ::SetViewportOrgEx(h, x, y, &pt); });
    return pt;
}

CPoint CDC::GetViewportOrg() const
{
    POINT pt;
    ::GetViewportOrgEx(m_hAttribDC, &pt);
    return pt;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt = {};
    ForBoth([&](HDC h) { return ::OffsetViewportOrgEx(h, nWidth, nHeight, &pt); });
    return pt;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt = {};
    ForBoth([&](HDC h) { return ::SetWindowOrgEx(h, x, y, &pt); });
    return pt;
}

CPoint CDC::GetWindowOrg() const
{
    POINT pt;
    ::GetWindowOrgEx(m_hAttribDC, &pt);
    return pt;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT pt = {};
    ForBoth([&](HDC h) { return ::OffsetWindowOrgEx(h, nWidth, nHeight, &pt); });
    return pt;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {};
    ForBoth([&](HDC h) { return ::SetViewportExtEx(h, cx, cy, &size); });
    return size;
}

CSize CDC::GetViewportExt() const
{
    SIZE size;
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {};
    ForBoth([&](HDC h) { return ::SetWindowExtEx(h, cx, cy, &size); });
    return size;
}

CSize CDC::GetWindowExt() const
{
    SIZE size;
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {};
    ForBoth([&](HDC h) { return ::ScaleViewportExtEx(h, xNum, xDenom, yNum, yDenom, &size); });
    return size;
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {};
    ForBoth([&](HDC h) { return ::ScaleWindowExtEx(h, xNum, xDenom, yNum, yDenom, &size); });
    return size;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT pt;
    ::SetBrushOrgEx(m_hDC, x, y, &pt);
    return pt;
}

CPoint CDC::GetBrushOrg() const
{
    POINT pt;
    ::GetBrushOrgEx(m_hDC, &pt);
    return pt;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt = {};
    ForBoth([&](HDC h) { return ::MoveToEx(h, x, y, &pt); });
    return pt;
}

BOOL CDC::LineTo(int x, int y)
{
    // The attribute DC's position follows the pen.
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

CPoint CDC::GetCurrentPosition() const
{
    POINT pt;
    ::GetCurrentPositionEx(m_hAttribDC, &pt);
    return pt;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    COLORREF clrOld = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, clrOld);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    static CBrush brush;
    if (brush.m_hObject == nullptr) {
        WORD grayPattern[8];
        for (int i = 0; i < 8; i++)
            grayPattern[i] = (WORD)(0x5555 << (i & 1));
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, grayPattern);
        brush.Attach(::CreatePatternBrush(hBitmap));
        ::DeleteObject(hBitmap);
    }
    return &brush;
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush, CBrush* pBrushLast)
{
    // The frame of each rectangle as a region; XOR-painting both regions' difference
    // erases the old frame and draws the new one.
    CRgn rgnNew, rgnOutside, rgnInside;
    rgnOutside.CreateRectRgnIndirect(lpRect);
    CRect rect = *lpRect;
    rect.InflateRect(-size.cx, -size.cy);
    rect.IntersectRect(rect, lpRect);
    rgnInside.CreateRectRgnIndirect(rect);
    rgnNew.CreateRectRgn(0, 0, 0, 0);
    rgnNew.CombineRgn(&rgnOutside, &rgnInside, RGN_XOR);
    if (pBrush == nullptr)
        pBrush = GetHalftoneBrush();
    if (pBrushLast == nullptr)
        pBrushLast = pBrush;
    CRgn rgnLast, rgnUpdate;
    if (lpRectLast != nullptr) {
        rgnLast.CreateRectRgn(0, 0, 0, 0);
        rgnOutside.SetRectRgn(lpRectLast);
        rect = *lpRectLast;
        rect.InflateRect(-sizeLast.cx, -sizeLast.cy);
        rect.IntersectRect(rect, lpRectLast);
        rgnInside.SetRectRgn(rect);
        rgnLast.CombineRgn(&rgnOutside, &rgnInside, RGN_XOR);
        if (pBrush->m_hObject == pBrushLast->m_hObject) {
            rgnUpdate.CreateRectRgn(0, 0, 0, 0);
            rgnUpdate.CombineRgn(&rgnLast, &rgnNew, RGN_XOR);
        }
    }
    CBrush* pBrushOld = nullptr;
    if (pBrush->m_hObject != pBrushLast->m_hObject && lpRectLast != nullptr) {
        SelectClipRgn(&rgnLast);
        GetClipBox(&rect);
        pBrushOld = SelectObject(pBrushLast);
        PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
        SelectObject(pBrushOld);
        pBrushOld = nullptr;
    }
    SelectClipRgn(rgnUpdate.m_hObject != nullptr ? &rgnUpdate : &rgnNew);
    GetClipBox(&rect);
    pBrushOld = SelectObject(pBrush);
    PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
    if (pBrushOld != nullptr)
        SelectObject(pBrushOld);
    SelectClipRgn(nullptr);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy, nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, (HBITMAP)pBitmap->GetSafeHandle(), nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy, nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCWSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y, size.cx, size.cy,
                        nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCWSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen, (HBRUSH)pBrush->GetSafeHandle());
}

CSize CDC::GetTextExtent(LPCWSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(LPCWSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTabbedTextExtent(LPCWSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const
{
    return CSize(::GetTabbedTextExtentW(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions));
}

int CDC::GetTextFace(CString& rString) const
{
    int nResult = ::GetTextFaceW(m_hAttribDC, LF_FACESIZE, rString.GetBuffer(LF_FACESIZE));
    rString.ReleaseBuffer();
    return nResult;
}

// --- Window DCs ------------------------------------------------------------------------------

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowResourceException();
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    if (!Attach(::GetWindowDC(m_hWnd)))
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
