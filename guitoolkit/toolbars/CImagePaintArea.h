// The image editor's drawing area: the edited bitmap enlarged as a grid of cells, drawn on
// with the current tool (pencil, fill, line, rectangle, ellipse, or picking a colour). It is
// an owner-drawn button of the editor's dialog and draws straight into the caller's bitmap.
#pragma once
#include <afxwin.h>

class CGTImageEditDlg;

class CImagePaintArea : public CButton {
public:
    enum Mode {
        Pencil = 0,
        Fill = 1,
        Line = 2,
        Rectangle = 3,
        Ellipse = 4,
        PickColor = 5,
        ModeCount = 6
    };

    explicit CImagePaintArea(CGTImageEditDlg* iDialog = nullptr);
    ~CImagePaintArea() override;
    CImagePaintArea(const CImagePaintArea&) = delete;
    CImagePaintArea& operator=(const CImagePaintArea&) = delete;

    // Null: nothing to edit; the area then ignores the mouse. The cells take the client area
    // inside a 1-pixel border.
    void SetBitmap(CBitmap* iBitmap);
    void SetColor(COLORREF iColor);
    COLORREF GetColor() const { return m_CurrentColor; }
    void SetMode(int iMode) { m_Mode = iMode; }
    int GetMode() const { return m_Mode; }
    CSize GetCellSize() const { return CSize(m_CellWidth, m_CellHeight); }
    // The part of the dialog that shows the bitmap at its size; invalidated after each change.
    void SetPreviewRect(const CRect& iRect) { m_PreviewRect = iRect; }

    // The cell under a client point; points outside give the nearest cell.
    CPoint PointToPixel(CPoint iPoint) const;
    // Cell coordinates to the client coordinates of the cells' centres.
    CRect CellToCenter(const CRect& iCells) const;
    // Sets the pixel of the cell under the client point.
    void DrawPixel(CPoint iPoint);
    // Fills the pixels of the cell's colour connected to it.
    void FloodFill(CPoint iCell);

    void DrawItem(LPDRAWITEMSTRUCT iDrawItem) override;

protected:
    void PreSubclassWindow() override;
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnCancelMode();
    afx_msg BOOL OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage);
    DECLARE_MESSAGE_MAP()

private:
    // The client area inside the border, where presses count.
    CRect InsideRect() const;
    CRect GridRect() const;
    CRect CellRect(CPoint iCell) const;
    // The colour the bitmap stores for the current colour: a standard colour as the system's.
    COLORREF BitmapColor() const;
    void DrawShape(CDC& ioDc, const CRect& iRect) const;
    // Draws the rubber band between the drag's start and end; drawn twice, it is gone.
    void DrawRubberBand();
    // The drag's shape into the bitmap.
    void CommitShape(CPoint iPoint);
    CPoint ClampToClient(CPoint iPoint) const;
    void InvalidatePreview();
    void DestroyCursors();

    CRect m_PreviewRect;
    COLORREF m_CurrentColor;
    int m_ImageWidth;
    int m_ImageHeight;
    CBitmap* m_Bitmap;
    int m_Mode;
    HCURSOR m_ToolCursors[ModeCount];
    int m_CellWidth;
    int m_CellHeight;
    CGTImageEditDlg* m_Dialog;
    CPen m_OutlinePen;
    // Start cell (left, top) and current end cell (right, bottom) of a line, rectangle or
    // ellipse drag.
    CRect m_DragRect;
    // The press began on the grid with a bitmap.
    BOOL m_Pressed;
};
