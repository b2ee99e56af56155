#include <guitoolkit/toolbars/CImagePaintArea.h>
#include <guitoolkit/core/CGTSelectedBitmap.h>
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTImageEditDlg.h>
#include <guitoolkit/toolbars/GTEditorResources.h>
#include <algorithm>

namespace {
const UINT toolCursorIds[CImagePaintArea::ModeCount] = {IDC_GT_PENCIL_CURSOR,  IDC_GT_FILL_CURSOR,
                                                        IDC_GT_LINE_CURSOR,    IDC_GT_RECTANGLE_CURSOR,
                                                        IDC_GT_ELLIPSE_CURSOR, IDC_GT_PICK_COLOR_CURSOR};

BOOL IsShapeMode(int iMode)
{
    return iMode == CImagePaintArea::Line || iMode == CImagePaintArea::Rectangle || iMode == CImagePaintArea::Ellipse;
}

// The displayed colour of a stored pixel: a system colour as the standard colour it stands for.
COLORREF DisplayColor(COLORREF iStored)
{
    return CGTToolBarImages::MapSystemColorBack(iStored);
}
}  // namespace

BEGIN_MESSAGE_MAP(CImagePaintArea, CButton)
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CImagePaintArea::CImagePaintArea(CGTImageEditDlg* iDialog)
    : m_PreviewRect(0, 0, 0, 0), m_CurrentColor(RGB(0, 0, 0)), m_ImageWidth(0), m_ImageHeight(0), m_Bitmap(nullptr),
      m_Mode(Pencil), m_ToolCursors{}, m_CellWidth(0), m_CellHeight(0), m_Dialog(iDialog), m_DragRect(0, 0, 0, 0),
      m_Pressed(FALSE)
{
}

CImagePaintArea::~CImagePaintArea()
{
    DestroyCursors();
}

void CImagePaintArea::DestroyCursors()
{
    for (HCURSOR& cursor : m_ToolCursors) {
        if (cursor != nullptr)
            ::DestroyCursor(cursor);
        cursor = nullptr;
    }
}

void CImagePaintArea::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    DestroyCursors();
    for (int mode = 0; mode < ModeCount; ++mode) {
        const LPCWSTR name = MAKEINTRESOURCEW(toolCursorIds[mode]);
        m_ToolCursors[mode] = static_cast<HCURSOR>(
            ::LoadImageW(AfxFindResourceHandle(name, RT_GROUP_CURSOR), name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
    }
}

void CImagePaintArea::SetBitmap(CBitmap* iBitmap)
{
    m_Bitmap = iBitmap;
    m_ImageWidth = m_ImageHeight = m_CellWidth = m_CellHeight = 0;
    BITMAP info = {};
    if (iBitmap == nullptr || iBitmap->GetSafeHandle() == nullptr ||
        ::GetObjectW(iBitmap->GetSafeHandle(), sizeof(info), &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0) {
        m_Bitmap = nullptr;
        return;
    }
    m_ImageWidth = info.bmWidth;
    m_ImageHeight = info.bmHeight;
    const CRect inside = InsideRect();
    m_CellWidth = inside.Width() / m_ImageWidth;
    m_CellHeight = inside.Height() / m_ImageHeight;
    m_OutlinePen.DeleteObject();
    m_OutlinePen.CreatePen(PS_SOLID, std::min(m_CellWidth, m_CellHeight), theGuiToolkitGlobals.colorBtnText);
}

void CImagePaintArea::SetColor(COLORREF iColor)
{
    m_CurrentColor = iColor;
}

COLORREF CImagePaintArea::BitmapColor() const
{
    return CGTToolBarImages::MapStandardColor(m_CurrentColor);
}

CRect CImagePaintArea::InsideRect() const
{
    CRect client(0, 0, 0, 0);
    if (GetSafeHwnd() != nullptr)
        GetClientRect(&client);
    client.DeflateRect(1, 1);
    return client;
}

CRect CImagePaintArea::GridRect() const
{
    return CRect(1, 1, 1 + m_CellWidth * m_ImageWidth, 1 + m_CellHeight * m_ImageHeight);
}

CRect CImagePaintArea::CellRect(CPoint iCell) const
{
    const CPoint topLeft(1 + iCell.x * m_CellWidth, 1 + iCell.y * m_CellHeight);
    return CRect(topLeft, CSize(m_CellWidth, m_CellHeight));
}

CPoint CImagePaintArea::PointToPixel(CPoint iPoint) const
{
    if (m_CellWidth <= 0 || m_CellHeight <= 0)
        return CPoint(0, 0);
    const int column = (iPoint.x - 1) / m_CellWidth;
    const int row = (iPoint.y - 1) / m_CellHeight;
    return CPoint(std::clamp(column, 0, m_ImageWidth - 1), std::clamp(row, 0, m_ImageHeight - 1));
}

CRect CImagePaintArea::CellToCenter(const CRect& iCells) const
{
    CRect centres(iCells.left * m_CellWidth + 1, iCells.top * m_CellHeight + 1, iCells.right * m_CellWidth + 1,
                  iCells.bottom * m_CellHeight + 1);
    centres.OffsetRect(m_CellWidth / 2, m_CellHeight / 2);
    return centres;
}

void CImagePaintArea::InvalidatePreview()
{
    if (CWnd* parent = GetParent(); parent != nullptr && !m_PreviewRect.IsRectEmpty())
        parent->InvalidateRect(&m_PreviewRect, FALSE);
}

void CImagePaintArea::DrawPixel(CPoint iPoint)
{
    if (m_Bitmap == nullptr)
        return;
    const CPoint cell = PointToPixel(iPoint);
    const COLORREF stored = BitmapColor();
    {
        CGTSelectedBitmap target(static_cast<HBITMAP>(m_Bitmap->GetSafeHandle()));
        if (!target.IsValid())
            return;
        ::SetPixel(target.Dc(), cell.x, cell.y, stored);
    }
    if (GetSafeHwnd() != nullptr) {
        CClientDC dc(this);
        CRect rect = CellRect(cell);
        rect.DeflateRect(1, 1);
        dc.FillSolidRect(&rect, DisplayColor(stored));
    }
    InvalidatePreview();
}

void CImagePaintArea::FloodFill(CPoint iCell)
{
    if (m_Bitmap == nullptr)
        return;
    {
        CGTSelectedBitmap target(static_cast<HBITMAP>(m_Bitmap->GetSafeHandle()));
        if (!target.IsValid())
            return;
        HBRUSH brush = ::CreateSolidBrush(BitmapColor());
        HGDIOBJ previous = ::SelectObject(target.Dc(), brush);
        ::ExtFloodFill(target.Dc(), iCell.x, iCell.y, ::GetPixel(target.Dc(), iCell.x, iCell.y), FLOODFILLSURFACE);
        ::SelectObject(target.Dc(), previous);
        ::DeleteObject(brush);
    }
    if (GetSafeHwnd() != nullptr)
        RedrawWindow();
    InvalidatePreview();
}

void CImagePaintArea::DrawShape(CDC& ioDc, const CRect& iRect) const
{
    switch (m_Mode) {
    case Line:
        ioDc.MoveTo(iRect.TopLeft());
        ioDc.LineTo(iRect.BottomRight());
        break;
    case Rectangle:
        ioDc.Rectangle(&iRect);
        break;
    case Ellipse:
        ioDc.Ellipse(&iRect);
        break;
    default:
        break;
    }
}

void CImagePaintArea::DrawRubberBand()
{
    if (m_DragRect.TopLeft() == m_DragRect.BottomRight())
        return;
    CClientDC dc(this);
    const CRect grid = GridRect();
    dc.IntersectClipRect(&grid);
    CPen* oldPen = dc.SelectObject(&m_OutlinePen);
    CGdiObject* oldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
    const int oldRop = dc.SetROP2(R2_NOT);
    DrawShape(dc, CellToCenter(m_DragRect));
    dc.SetROP2(oldRop);
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void CImagePaintArea::CommitShape(CPoint iPoint)
{
    const CPoint start = m_DragRect.TopLeft();
    const CPoint end = m_DragRect.BottomRight();
    if (start == end) {
        DrawPixel(iPoint);
        return;
    }
    {
        CGTSelectedBitmap target(static_cast<HBITMAP>(m_Bitmap->GetSafeHandle()));
        if (!target.IsValid())
            return;
        CDC dc;
        dc.Attach(target.Dc());
        CPen pen(PS_SOLID, 1, BitmapColor());
        CPen* oldPen = dc.SelectObject(&pen);
        CGdiObject* oldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
        if (m_Mode == Line) {
            // From the start cell to the end cell, both included.
            dc.MoveTo(start);
            dc.LineTo(end);
            dc.SetPixel(end, BitmapColor());
        } else {
            // Every cell between the two corners, whichever way the drag went.
            CRect cells(start, end);
            cells.NormalizeRect();
            cells.InflateRect(0, 0, 1, 1);
            DrawShape(dc, cells);
        }
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
        dc.Detach();
    }
    RedrawWindow();
    InvalidatePreview();
}

CPoint CImagePaintArea::ClampToClient(CPoint iPoint) const
{
    CRect client;
    GetClientRect(&client);
    return CPoint(std::clamp(iPoint.x, client.left, client.right - 1),
                  std::clamp(iPoint.y, client.top, client.bottom - 1));
}

// The area is a button only to be drawn by its owner: it never pushes or clicks.
void CImagePaintArea::OnLButtonDown(UINT, CPoint iPoint)
{
    if (m_Bitmap == nullptr || !InsideRect().PtInRect(iPoint))
        return;
    m_Pressed = TRUE;
    if (m_Mode == Pencil) {
        DrawPixel(iPoint);
    } else if (IsShapeMode(m_Mode)) {
        const CPoint cell = PointToPixel(iPoint);
        m_DragRect = CRect(cell, cell);
    }
    SetCapture();
}

// A quick second press draws like the first.
void CImagePaintArea::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    OnLButtonDown(iFlags, iPoint);
}

void CImagePaintArea::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    if (!m_Pressed || (iFlags & MK_LBUTTON) == 0)
        return;
    const CPoint point = ClampToClient(iPoint);
    if (m_Mode == Pencil) {
        DrawPixel(point);
    } else if (IsShapeMode(m_Mode)) {
        DrawRubberBand();
        const CPoint end = PointToPixel(point);
        m_DragRect.right = end.x;
        m_DragRect.bottom = end.y;
        DrawRubberBand();
    }
}

void CImagePaintArea::OnLButtonUp(UINT, CPoint iPoint)
{
    if (GetCapture() == this)
        ReleaseCapture();
    if (!m_Pressed)
        return;
    m_Pressed = FALSE;
    const CPoint point = ClampToClient(iPoint);
    switch (m_Mode) {
    case Pencil:
        DrawPixel(point);
        break;
    case Fill:
        FloodFill(PointToPixel(point));
        break;
    case PickColor:
        if (m_Dialog != nullptr) {
            const CPoint cell = PointToPixel(point);
            CGTSelectedBitmap source(static_cast<HBITMAP>(m_Bitmap->GetSafeHandle()));
            if (source.IsValid())
                m_Dialog->SetColorFromPicker(DisplayColor(::GetPixel(source.Dc(), cell.x, cell.y)));
        }
        break;
    default:
        CommitShape(point);
        break;
    }
    m_DragRect.SetRectEmpty();
}

void CImagePaintArea::OnCancelMode()
{
    CButton::OnCancelMode();
    if (GetCapture() == this)
        ReleaseCapture();
    m_Pressed = FALSE;
}

BOOL CImagePaintArea::OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (m_Bitmap != nullptr && GridRect().PtInRect(point) && m_ToolCursors[m_Mode] != nullptr) {
        ::SetCursor(m_ToolCursors[m_Mode]);
        return TRUE;
    }
    return CButton::OnSetCursor(iWindow, iHitTest, iMessage);
}

BOOL CImagePaintArea::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CImagePaintArea::DrawItem(LPDRAWITEMSTRUCT iDrawItem)
{
    CDC* dc = CDC::FromHandle(iDrawItem->hDC);
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    const CRect item = iDrawItem->rcItem;
    dc->FillRect(&item, const_cast<CBrush*>(&globals.brushBtnFace));
    CRect grid(item.left + 1, item.top + 1, item.left + 1 + m_CellWidth * m_ImageWidth,
               item.top + 1 + m_CellHeight * m_ImageHeight);
    CRect frame = grid;
    frame.InflateRect(1, 1);
    dc->Draw3dRect(&frame, globals.colorBtnDarkShadow, globals.colorBtnHighlight);
    CPen gridPen(PS_SOLID, 1, globals.colorBtnShadow);
    CPen* oldPen = dc->SelectObject(&gridPen);
    for (int x = grid.left; m_CellWidth > 0 && x < grid.right; x += m_CellWidth) {
        dc->MoveTo(x, grid.top);
        dc->LineTo(x, grid.bottom - 1);
    }
    for (int y = grid.top; m_CellHeight > 0 && y < grid.bottom; y += m_CellHeight) {
        dc->MoveTo(grid.left, y);
        dc->LineTo(grid.right - 1, y);
    }
    dc->SelectObject(oldPen);
    if (m_Bitmap == nullptr)
        return;
    CGTSelectedBitmap source(static_cast<HBITMAP>(m_Bitmap->GetSafeHandle()));
    if (!source.IsValid())
        return;
    for (int y = 0; y < m_ImageHeight; ++y) {
        for (int x = 0; x < m_ImageWidth; ++x) {
            const COLORREF color = DisplayColor(::GetPixel(source.Dc(), x, y));
            if (color == CLR_INVALID)
                continue;
            CRect cell = CellRect(CPoint(x, y));
            cell.OffsetRect(item.TopLeft());
            cell.DeflateRect(1, 1);
            dc->FillSolidRect(&cell, color);
        }
    }
}
