#include "afxstate.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const SIZE CScrollView::sizeDefault = {0, 0};

CScrollView::CScrollView() : m_nMapMode(MM_TEXT), m_bInsideUpdate(FALSE) {}

// A size in logical units of a mapping mode as pixels of the screen, and back.
static CSize ToDevice(int nMapMode, SIZE size)
{
    if (nMapMode == MM_TEXT)
        return size;
    CWindowDC dc(nullptr);
    dc.SetMapMode(nMapMode);
    CRect rect(0, 0, size.cx, size.cy);
    dc.LPtoDP(&rect);
    return CSize(abs(rect.Width()), abs(rect.Height()));
}

static CPoint ToLogical(int nMapMode, POINT pt)
{
    if (nMapMode == MM_TEXT)
        return pt;
    CWindowDC dc(nullptr);
    dc.SetMapMode(nMapMode);
    CPoint ptLog = pt;
    dc.DPtoLP(&ptLog);
    return ptLog;
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_totalDev = ToDevice(nMapMode, sizeTotal);
    bool bDefaultPage = sizePage.cx == 0 && sizePage.cy == 0;
    m_pageDev = bDefaultPage ? CSize(m_totalDev.cx / 10, m_totalDev.cy / 10) : ToDevice(nMapMode, sizePage);
    bool bDefaultLine = sizeLine.cx == 0 && sizeLine.cy == 0;
    m_lineDev = bDefaultLine ? CSize(m_pageDev.cx / 10, m_pageDev.cy / 10) : ToDevice(nMapMode, sizeLine);
    if (m_hWnd != nullptr) {
        UpdateBars();
        Invalidate();
    }
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const
{
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

CPoint CScrollView::GetDeviceScrollPosition() const
{
    DWORD dwStyle = GetStyle();
    return CPoint((dwStyle & WS_HSCROLL) ? GetScrollPos(SB_HORZ) : 0,
                  (dwStyle & WS_VSCROLL) ? GetScrollPos(SB_VERT) : 0);
}

CPoint CScrollView::GetScrollPosition() const
{
    return ToLogical(m_nMapMode, GetDeviceScrollPosition());
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    pDC->SetMapMode(m_nMapMode);
    // A printed page starts at the drawing's origin, wherever the pane is scrolled to.
    CPoint pt = pDC->IsPrinting() ? CPoint(0, 0) : GetDeviceScrollPosition();
    pDC->SetViewportOrg(-pt.x, -pt.y);
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::UpdateBars()
{
    if (m_bInsideUpdate || m_hWnd == nullptr)
        return;
    m_bInsideUpdate = TRUE;
    // The room without bars; a bar needed one way takes room the other way.
    CRect rect;
    GetClientRect(&rect);
    CSize room = rect.Size();
    DWORD dwStyle = GetStyle();
    const int cxBar = ::GetSystemMetrics(SM_CXVSCROLL), cyBar = ::GetSystemMetrics(SM_CYHSCROLL);
    if (dwStyle & WS_VSCROLL)
        room.cx += cxBar;
    if (dwStyle & WS_HSCROLL)
        room.cy += cyBar;
    bool bHorz = m_totalDev.cx > room.cx, bVert = m_totalDev.cy > room.cy;
    if (bHorz && !bVert)
        bVert = m_totalDev.cy > room.cy - cyBar;
    if (bVert && !bHorz)
        bHorz = m_totalDev.cx > room.cx - cxBar;
    if (bHorz)
        room.cy -= cyBar;
    if (bVert)
        room.cx -= cxBar;

    CPoint ptOld = GetDeviceScrollPosition();
    CPoint ptNew(bHorz ? std::max(0, std::min<int>(ptOld.x, m_totalDev.cx - room.cx)) : 0,
                 bVert ? std::max(0, std::min<int>(ptOld.y, m_totalDev.cy - room.cy)) : 0);
    auto setBar = [this](int nBar, bool bShow, int nTotal, int nPage, int nPos) {
        SCROLLINFO info = {};
        info.fMask = SIF_ALL;
        info.nMax = bShow ? nTotal - 1 : 0;
        info.nPage = bShow ? (UINT)nPage : 0;
        info.nPos = nPos;
        SetScrollInfo(nBar, &info, TRUE);
        ShowScrollBar(nBar, bShow);
    };
    setBar(SB_HORZ, bHorz, m_totalDev.cx, room.cx, ptNew.x);
    setBar(SB_VERT, bVert, m_totalDev.cy, room.cy, ptNew.y);
    if (ptNew != ptOld)
        ScrollWindow(ptOld.x - ptNew.x, ptOld.y - ptNew.y);
    m_bInsideUpdate = FALSE;
}

void CScrollView::ScrollToPosition(POINT pt)
{
    CSize dev = ToDevice(m_nMapMode, CSize(abs(pt.x), abs(pt.y)));
    CPoint ptDev = GetDeviceScrollPosition();
    OnScrollBy(CSize(dev.cx - ptDev.x, dev.cy - ptDev.y));
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    CPoint ptOld = GetDeviceScrollPosition();
    CPoint ptNew = ptOld;
    DWORD dwStyle = GetStyle();
    if (dwStyle & WS_HSCROLL)
        ptNew.x = std::max(0, std::min<int>(ptOld.x + sizeScroll.cx, GetScrollLimit(SB_HORZ)));
    if (dwStyle & WS_VSCROLL)
        ptNew.y = std::max(0, std::min<int>(ptOld.y + sizeScroll.cy, GetScrollLimit(SB_VERT)));
    if (ptNew == ptOld)
        return FALSE;
    if (bDoScroll) {
        ScrollWindow(ptOld.x - ptNew.x, ptOld.y - ptNew.y);
        if (ptNew.x != ptOld.x)
            SetScrollPos(SB_HORZ, ptNew.x);
        if (ptNew.y != ptOld.y)
            SetScrollPos(SB_VERT, ptNew.y);
    }
    return TRUE;
}

int CScrollView::ScrollTarget(int nBar, UINT nSBCode) const
{
    SCROLLINFO info = {sizeof(info), SIF_ALL};
    ::GetScrollInfo(m_hWnd, nBar, &info);
    int nLine = nBar == SB_HORZ ? m_lineDev.cx : m_lineDev.cy;
    int nPage = nBar == SB_HORZ ? m_pageDev.cx : m_pageDev.cy;
    switch (nSBCode) {
    case SB_LINEUP:
        return info.nPos - std::max(nLine, 1);
    case SB_LINEDOWN:
        return info.nPos + std::max(nLine, 1);
    case SB_PAGEUP:
        return info.nPos - std::max(nPage, 1);
    case SB_PAGEDOWN:
        return info.nPos + std::max(nPage, 1);
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return info.nMax;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return info.nTrackPos;
    default:
        return info.nPos;
    }
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar != nullptr) {
        CView::OnHScroll(nSBCode, nPos, pScrollBar);  // a scroll-bar control of the view's own
        return;
    }
    OnScrollBy(CSize(ScrollTarget(SB_HORZ, nSBCode) - GetScrollPos(SB_HORZ), 0));
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar != nullptr) {
        CView::OnVScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    OnScrollBy(CSize(0, ScrollTarget(SB_VERT, nSBCode) - GetScrollPos(SB_VERT)));
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    if (!(GetStyle() & WS_VSCROLL))
        return FALSE;
    int nLines = -zDelta / WHEEL_DELTA * 3;
    return OnScrollBy(CSize(0, nLines * std::max<int>(m_lineDev.cy, 1)));
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}
