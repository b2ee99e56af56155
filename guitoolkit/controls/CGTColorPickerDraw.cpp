// The picker's pictures: the swatch, the luminance bar, the cached hue/saturation plane and
// the cells of the honeycomb and the grey row.
#include <guitoolkit/controls/CCellObj.h>
#include <guitoolkit/controls/CGTColorPickerCtrl.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTScreenInfo.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <algorithm>
#include <cmath>

namespace {
const int honeycombRings = 6;
const double ringDirections[6][2] = {{-0.5, 0.866}, {-1, 0}, {-0.5, -0.866}, {0.5, -0.866}, {1, 0}, {0.5, 0.866}};
const double pi = 3.14159265358979323846;
}  // namespace

const CObArray& CGTColorPickerCtrl::GetCells()
{
    if (m_Cells.IsEmpty() && GetSafeHwnd() != nullptr) {
        CRect client;
        GetClientRect(client);
        if (m_Kind == Honeycomb)
            BuildHoneycomb(client);
        else if (m_Kind == GreyCells)
            BuildGreyCells(client);
    }
    return m_Cells;
}

void CGTColorPickerCtrl::DeleteCells()
{
    for (INT_PTR index = 0; index < m_Cells.GetSize(); ++index)
        delete m_Cells[index];
    m_Cells.RemoveAll();
}

void CGTColorPickerCtrl::AddCell(CPoint iCentre, int iSize, COLORREF iColor, int iTolerance)
{
    m_Cells.Add(new CCellObj(iCentre, iSize, iColor, iTolerance, m_Palette));
}

void CGTColorPickerCtrl::BuildHoneycomb(const CRect& iClient)
{
    const int side = std::min(iClient.Width(), iClient.Height());
    const CPoint centre = iClient.CenterPoint();
    const int size = side / 13 + 1;
    AddCell(centre, size, RGB(255, 255, 255), 0);
    for (int ring = 1; ring <= honeycombRings; ++ring) {
        CPoint point(centre.x + ring * size, centre.y);
        for (const auto& direction : ringDirections) {
            for (int step = 0; step < ring; ++step) {
                double degrees = std::floor(std::atan2(point.y - centre.y, point.x - centre.x) * 180 / pi);
                if (degrees < 0)
                    degrees += 360;
                const double luminance = (7.0 - ring) / 7.0 + 0.1;
                AddCell(point, size, CGTDrawManager::HlsDegreesToRgb(degrees, luminance, 1.0), 16);
                point.Offset(static_cast<int>(direction[0] * size), static_cast<int>(direction[1] * size));
            }
        }
    }
}

void CGTColorPickerCtrl::BuildGreyCells(const CRect& iClient)
{
    const int size = std::min(iClient.Height() / 2 - 2, iClient.Width() / 13) & ~1;
    const int left = iClient.left + (iClient.Width() - 12 * size) / 2;
    const int middle = iClient.CenterPoint().y;
    // Grey cells sit in two rows, a honeycomb's three quarters of a cell apart.
    const int rowOffset = size * 3 / 8;
    AddCell(CPoint(left + size, middle), 2 * size, RGB(255, 255, 255), 0);
    for (int index = 0; index < 15; ++index) {
        const int level = 240 - 15 * index;
        const CPoint centre(left + 2 * size + size / 2 + index * size / 2,
                            middle + (index % 2 == 0 ? -rowOffset : rowOffset));
        AddCell(centre, size, RGB(level, level, level), 7);
    }
    AddCell(CPoint(left + 11 * size, middle), 2 * size, RGB(0, 0, 0), 0);
}

void CGTColorPickerCtrl::DrawItem(LPDRAWITEMSTRUCT iDrawItem)
{
    CDC* target = CDC::FromHandle(iDrawItem->hDC);
    CRect client;
    GetClientRect(client);
    CDC memory;
    memory.CreateCompatibleDC(target);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(target, client.Width(), client.Height());
    CBitmap* oldBitmap = memory.SelectObject(&bitmap);
    CPalette* oldPalette = nullptr;
    if (m_Palette != nullptr && m_Palette->GetSafeHandle() != nullptr) {
        oldPalette = memory.SelectPalette(m_Palette, FALSE);
        memory.RealizePalette();
    }
    theGuiToolkitGlobals.DrawParentBackground(this, &memory, client);
    switch (m_Kind) {
    case Swatch:
        DrawSwatch(&memory, client);
        break;
    case LuminanceBar:
        DrawLuminanceBar(&memory);
        DrawLuminanceMarker(&memory);
        break;
    case HueSaturation:
        DrawPlane(&memory, client);
        DrawPlaneMarker(&memory);
        memory.Draw3dRect(client, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_3DHILIGHT));
        break;
    default:
        DrawCells(&memory);
        break;
    }
    target->BitBlt(0, 0, client.Width(), client.Height(), &memory, 0, 0, SRCCOPY);
    if (oldPalette != nullptr)
        memory.SelectPalette(oldPalette, FALSE);
    memory.SelectObject(oldBitmap);
}

void CGTColorPickerCtrl::DrawSwatch(CDC* iDc, const CRect& iClient) const
{
    CRect upper = iClient;
    upper.bottom = iClient.top + iClient.Height() / 2;
    CRect lower = iClient;
    lower.top = upper.bottom;
    CBrush upperBrush(m_Color);
    CBrush lowerBrush(m_OriginalColor);
    iDc->FillRect(upper, &upperBrush);
    iDc->FillRect(lower, &lowerBrush);
    const COLORREF frame = ::GetSysColor(COLOR_3DDKSHADOW);
    iDc->Draw3dRect(iClient, frame, frame);
}

void CGTColorPickerCtrl::DrawLuminanceBar(CDC* iDc) const
{
    const CRect area = GetLuminanceArea();
    for (int y = area.top; y < area.bottom; ++y) {
        const double luminance = 1.0 - static_cast<double>(y - area.top) / std::max(1, area.Height() - 1);
        iDc->FillSolidRect(area.left, y, m_LuminanceBarWidth, 1,
                           CGTDrawManager::HlsToRgb(m_Hue, luminance, m_Saturation));
    }
}

void CGTColorPickerCtrl::DrawPlane(CDC* iDc, const CRect& iClient)
{
    CDC picture;
    picture.CreateCompatibleDC(iDc);
    if (m_Picture.GetSafeHandle() == nullptr) {
        m_Picture.CreateCompatibleBitmap(iDc, iClient.Width(), iClient.Height());
        CBitmap* old = picture.SelectObject(&m_Picture);
        // Displays of few colours dither single pixels into noise: blocks read better.
        const int block = CGTScreenInfo::Current().BitsPerPixel() < 9 ? 4 : 1;
        const int width = std::max(1, iClient.Width());
        const int height = std::max(1, iClient.Height());
        for (int y = 0; y < height; y += block)
            for (int x = 0; x < width; x += block)
                picture.FillSolidRect(x, y, block, block,
                                      CGTDrawManager::HlsToRgb(static_cast<double>(x) / width, 0.5,
                                                               static_cast<double>(height - y) / height));
        picture.SelectObject(old);
    }
    CBitmap* old = picture.SelectObject(&m_Picture);
    iDc->BitBlt(0, 0, iClient.Width(), iClient.Height(), &picture, 0, 0, SRCCOPY);
    picture.SelectObject(old);
}

void CGTColorPickerCtrl::DrawCells(CDC* iDc)
{
    const CObArray& cells = GetCells();
    const CCellObj* selected = nullptr;
    for (INT_PTR index = 0; index < cells.GetSize(); ++index) {
        const auto* cell = static_cast<const CCellObj*>(cells[index]);
        cell->Draw(iDc);
        if (cell->m_Color == m_Color)
            selected = cell;
    }
    if (selected != nullptr)
        selected->DrawSelection(iDc);
}

void CGTColorPickerCtrl::DrawLuminanceMarker(CDC* iDc) const
{
    const CRect marker = GetMarkerRect();
    const int middle = marker.CenterPoint().y;
    POINT triangle[3] = {{marker.left, middle}, {marker.right - 1, marker.top}, {marker.right - 1, marker.bottom - 1}};
    const COLORREF text = theGuiToolkitGlobals.colorBtnText;
    CBrush brush(GetFocus() == this ? text : theGuiToolkitGlobals.colorBtnShadow);
    CPen pen(PS_SOLID, 1, text);
    CBrush* oldBrush = iDc->SelectObject(&brush);
    CPen* oldPen = iDc->SelectObject(&pen);
    iDc->Polygon(triangle, 3);
    iDc->SelectObject(oldPen);
    iDc->SelectObject(oldBrush);
}

void CGTColorPickerCtrl::DrawPlaneMarker(CDC* iDc) const
{
    const CPoint centre = GetMarkerRect().CenterPoint();
    const COLORREF color = GetFocus() == this ? RGB(0, 0, 0) : RGB(255, 255, 255);
    iDc->FillSolidRect(centre.x - 1, centre.y - 8, 3, 5, color);
    iDc->FillSolidRect(centre.x - 1, centre.y + 4, 3, 5, color);
    iDc->FillSolidRect(centre.x - 8, centre.y - 1, 5, 3, color);
    iDc->FillSolidRect(centre.x + 4, centre.y - 1, 5, 3, color);
}
