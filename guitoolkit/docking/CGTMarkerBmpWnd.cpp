#include <guitoolkit/docking/CGTSmartDockingMarker.h>
#include <guitoolkit/docking/GTDockingConstants.h>

IMPLEMENT_DYNAMIC(CGTMarkerBmpWnd, CWnd)

BEGIN_MESSAGE_MAP(CGTMarkerBmpWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_CLOSE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
const COLORREF shadingColors[] = {RGB(198, 198, 198), RGB(206, 206, 206)};
const int openLength = 7;
}  // namespace

void DrawBuiltInMarkerFrame(CDC* iDc, const CRect& iRect, COLORREF iFrameColor, BOOL iVertical, DWORD iOpenSide)
{
    CRect frame = iRect;
    const CSize open(iOpenSide == GTSideLeft ? openLength : 0, iOpenSide == GTSideTop ? openLength : 0);
    const CSize openEnd(iOpenSide == GTSideRight ? openLength : 0, iOpenSide == GTSideBottom ? openLength : 0);
    if (iOpenSide == 0) {
        iDc->Draw3dRect(&frame, iFrameColor, iFrameColor);
    } else {
        const int right = frame.right - 1;
        const int bottom = frame.bottom - 1;
        // Each edge but the open one, the two beside it shortened toward it.
        if (iOpenSide != GTSideTop)
            iDc->FillSolidRect(frame.left + open.cx, frame.top, frame.Width() - open.cx - openEnd.cx, 1, iFrameColor);
        if (iOpenSide != GTSideBottom)
            iDc->FillSolidRect(frame.left + open.cx, bottom, frame.Width() - open.cx - openEnd.cx, 1, iFrameColor);
        if (iOpenSide != GTSideLeft)
            iDc->FillSolidRect(frame.left, frame.top + open.cy, 1, frame.Height() - open.cy - openEnd.cy, iFrameColor);
        if (iOpenSide != GTSideRight)
            iDc->FillSolidRect(right, frame.top + open.cy, 1, frame.Height() - open.cy - openEnd.cy, iFrameColor);
    }
    frame.DeflateRect(1, 1);
    if (iVertical) {
        iDc->FillSolidRect(frame.left, frame.top, 1, frame.Height(), shadingColors[0]);
        iDc->FillSolidRect(frame.right - 1, frame.top, 1, frame.Height(), shadingColors[1]);
    } else {
        iDc->FillSolidRect(frame.left, frame.top, frame.Width(), 1, shadingColors[0]);
        iDc->FillSolidRect(frame.left, frame.bottom - 1, frame.Width(), 1, shadingColors[1]);
    }
}

CGTMarkerBmpWnd::CGTMarkerBmpWnd()
    : m_Bitmap(nullptr), m_HotBitmap(nullptr), m_Highlighted(FALSE), m_BuiltInImages(FALSE),
      m_BaseColor(static_cast<COLORREF>(-1)), m_Vertical(FALSE)
{
}

CString CGTMarkerBmpWnd::MarkerWindowClass()
{
    static const CString name = AfxRegisterWndClass(CS_SAVEBITS | CS_OWNDC, ::LoadCursorW(nullptr, IDC_ARROW));
    return name;
}

void CGTMarkerBmpWnd::SetBitmaps(HBITMAP iBitmap, HBITMAP iHotBitmap, BOOL iBuiltIn)
{
    m_Bitmap = iBitmap;
    m_HotBitmap = iHotBitmap;
    m_BuiltInImages = iBuiltIn;
    if (m_hWnd != nullptr)
        Invalidate();
}

void CGTMarkerBmpWnd::Highlight(BOOL iOn)
{
    m_Highlighted = iOn;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CGTMarkerBmpWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const HBITMAP shown = m_Highlighted && m_HotBitmap != nullptr ? m_HotBitmap : m_Bitmap;
    if (shown != nullptr)
        dc.DrawState(CPoint(0, 0), client.Size(), shown, DST_BITMAP | DSS_NORMAL);
    if (m_BuiltInImages)
        DrawBuiltInMarkerFrame(&dc, client, m_Highlighted ? CGTSmartDockingMarker::s_HighlightColor : m_BaseColor,
                               m_Vertical);
}

void CGTMarkerBmpWnd::OnClose() {}

BOOL CGTMarkerBmpWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
