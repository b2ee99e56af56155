// A palette of colour cells. What it offers so far is its form as a dialog control: the cells
// of a palette (or of the stock default palette) laid out as squares in a rectangle, the
// selected colour framed, and a click that selects a cell's colour and tells the parent by
// WM_COMMAND with the bar's control id.
#pragma once
#include <afxwin.h>
#include <vector>

class CGTColorBar : public CWnd {
    DECLARE_DYNAMIC(CGTColorBar)
public:
    CGTColorBar();

    // iPalette null: the 20 colours of the stock default palette. iColumns below 1: as many as
    // let the cells fill the rectangle.
    BOOL CreateControl(CWnd* iParent, const CRect& iRect, UINT iId, int iColumns = -1, CPalette* iPalette = nullptr);
    // -1: none. A colour the bar does not hold is kept but framed nowhere.
    void SetSelectedColor(COLORREF iColor);
    COLORREF GetColor() const { return m_SelectedColor; }
    const std::vector<COLORREF>& GetColors() const { return m_Colors; }
    // The cell of a colour, in client coordinates; empty for a colour the bar does not hold.
    CRect GetCellRect(COLORREF iColor) const;
    void SetVertSpacing(int iPixels) { m_VertSpacing = iPixels; }
    void SetHorzSpacing(int iPixels) { m_HorzSpacing = iPixels; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    DECLARE_MESSAGE_MAP()

private:
    void LayOut(const CSize& iSize);
    int CellAt(CPoint iPoint) const;
    CRect CellRect(int iIndex) const;

    std::vector<COLORREF> m_Colors;
    COLORREF m_SelectedColor;
    int m_Columns;
    int m_BoxSize;
    CPoint m_Offset;
    int m_VertSpacing;
    int m_HorzSpacing;
};
