#include "ChartGdi.h"

HFONT MakeFont(HDC iDc, LONG iTenthsOfPoint, bool iBold)
{
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    font.lfHeight = -MulDiv(iTenthsOfPoint, GetDeviceCaps(iDc, LOGPIXELSY), 720);
    font.lfWidth = 0;
    font.lfWeight = iBold ? FW_BOLD : FW_NORMAL;
    return CreateFontIndirectW(&font);
}

int LineHeight(HDC iDc, HFONT iFont)
{
    Selection font(iDc, iFont);
    TEXTMETRICW metrics{};
    GetTextMetricsW(iDc, &metrics);
    return metrics.tmHeight;
}

int TextWidth(HDC iDc, HFONT iFont, const std::wstring& iText)
{
    Selection font(iDc, iFont);
    SIZE size{};
    GetTextExtentPoint32W(iDc, iText.c_str(), static_cast<int>(iText.size()), &size);
    return size.cx;
}

void DrawLine(HDC iDc, HFONT iFont, COLORREF iColour, const std::wstring& iText, RECT iBounds, UINT iAlignment)
{
    Selection font(iDc, iFont);
    SetTextColor(iDc, iColour);
    DrawTextW(iDc, iText.c_str(), static_cast<int>(iText.size()), &iBounds,
              iAlignment | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void FillSolid(HDC iDc, const RECT& iBounds, COLORREF iColour)
{
    GdiObject brush(CreateSolidBrush(iColour));
    FillRect(iDc, &iBounds, static_cast<HBRUSH>(brush.Get()));
}

void DrawSegment(HDC iDc, POINT iFrom, POINT iTo, COLORREF iColour)
{
    GdiObject pen(CreatePen(PS_SOLID, 1, iColour));
    Selection selected(iDc, pen.Get());
    MoveToEx(iDc, iFrom.x, iFrom.y, nullptr);
    LineTo(iDc, iTo.x, iTo.y);
}

void FillPolygon(HDC iDc, const POINT* iPoints, int iCount, COLORREF iFill, COLORREF iEdge)
{
    GdiObject brush(CreateSolidBrush(iFill));
    GdiObject pen(CreatePen(PS_SOLID, 1, iEdge));
    Selection selectedBrush(iDc, brush.Get());
    Selection selectedPen(iDc, pen.Get());
    Polygon(iDc, iPoints, iCount);
}

COLORREF Darker(COLORREF iColour)
{
    return RGB(GetRValue(iColour) * 7 / 10, GetGValue(iColour) * 7 / 10, GetBValue(iColour) * 7 / 10);
}

COLORREF Lighter(COLORREF iColour)
{
    auto lift = [](int iChannel) { return iChannel + (255 - iChannel) * 35 / 100; };
    return RGB(lift(GetRValue(iColour)), lift(GetGValue(iColour)), lift(GetBValue(iColour)));
}
