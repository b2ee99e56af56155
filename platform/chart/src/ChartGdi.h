#pragma once
#include <windows.h>

#include <string>

// A GDI object that its owner made and deletes.
class GdiObject {
public:
    explicit GdiObject(HGDIOBJ iObject) : m_Object(iObject) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject()
    {
        if (m_Object)
            DeleteObject(m_Object);
    }

    HGDIOBJ Get() const { return m_Object; }

private:
    HGDIOBJ m_Object;
};

// An object selected into a DC for a scope; the one it replaced goes back at the end.
class Selection {
public:
    Selection(HDC iDc, HGDIOBJ iObject) : m_Dc(iDc), m_Previous(SelectObject(iDc, iObject)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(m_Dc, m_Previous); }

private:
    HDC m_Dc;
    HGDIOBJ m_Previous;
};

// The DC's state (clipping, colours, modes) as it was before a drawing.
class SavedDc {
public:
    explicit SavedDc(HDC iDc) : m_Dc(iDc), m_Saved(SaveDC(iDc)) {}
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;
    ~SavedDc() { RestoreDC(m_Dc, m_Saved); }

private:
    HDC m_Dc;
    int m_Saved;
};

// A font of the user interface's face at a size in tenths of a point for the DC's resolution.
HFONT MakeFont(HDC iDc, LONG iTenthsOfPoint, bool iBold);
// The height of a line of text in the font.
int LineHeight(HDC iDc, HFONT iFont);
int TextWidth(HDC iDc, HFONT iFont, const std::wstring& iText);
// One line in the rectangle, cut with an ellipsis where it does not fit.
void DrawLine(HDC iDc, HFONT iFont, COLORREF iColour, const std::wstring& iText, RECT iBounds, UINT iAlignment);

void FillSolid(HDC iDc, const RECT& iBounds, COLORREF iColour);
void DrawSegment(HDC iDc, POINT iFrom, POINT iTo, COLORREF iColour);
void FillPolygon(HDC iDc, const POINT* iPoints, int iCount, COLORREF iFill, COLORREF iEdge);

COLORREF Darker(COLORREF iColour);
COLORREF Lighter(COLORREF iColour);
