// The colour dialog's picking control, an owner-draw button of five kinds: a swatch of the
// new colour over the original one, a luminance bar, a hue/saturation plane, a honeycomb of
// colour cells and a row of grey cells. Every change the user makes reaches the parent as
// WM_COMMAND with the control id and notification 0; a double click on kinds 2-4 sends
// BN_DOUBLECLICKED.
#pragma once
#include <afxwin.h>

class CGTColorPickerCtrl : public CButton {
    DECLARE_DYNAMIC(CGTColorPickerCtrl)
public:
    enum Kind {
        Swatch = 0,
        LuminanceBar = 1,
        HueSaturation = 2,
        Honeycomb = 3,
        GreyCells = 4
    };

    CGTColorPickerCtrl();
    ~CGTColorPickerCtrl() override;

    void SetType(int iKind);
    void SetPalette(CPalette* iPalette);
    void SetOriginalColor(COLORREF iColor);
    // At most three quarters of the client width.
    void SetLuminanceBarWidth(int iWidth);
    void SetColor(COLORREF iColor);
    // Channels above 255 count as 255.
    void SetRGB(int iRed, int iGreen, int iBlue);
    // Fractions 0..1; -1 keeps the stored value.
    void SetHLS(double iHue, double iLuminance, double iSaturation, BOOL iRepaint = TRUE);
    void GetHLS(double* oHue, double* oLuminance, double* oSaturation) const;
    COLORREF GetColor() const { return m_Color; }
    int GetType() const { return m_Kind; }
    // The cells of the honeycomb or the grey row, laid out for the client area on first use.
    const CObArray& GetCells();

protected:
    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT iDrawItem) override;

    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnKeyDown(UINT iChar, UINT iRepeat, UINT iFlags);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnSetFocus(CWnd* iOld);
    afx_msg void OnKillFocus(CWnd* iNew);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* iFocusWindow);
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnCancelMode();
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    void UpdateColor();
    void Notify(UINT iCode);
    void PickAt(CPoint iPoint);
    // Repaints the old and new marker areas and tells the parent.
    void RepaintChange(CRect iBefore, CRect iAfter);
    CRect GetLuminanceArea() const;
    CRect GetMarkerRect() const;
    void DropPicture();
    void DeleteCells();
    void BuildHoneycomb(const CRect& iClient);
    void BuildGreyCells(const CRect& iClient);
    void AddCell(CPoint iCentre, int iSize, COLORREF iColor, int iTolerance);

    void DrawSwatch(CDC* iDc, const CRect& iClient) const;
    void DrawLuminanceBar(CDC* iDc) const;
    void DrawPlane(CDC* iDc, const CRect& iClient);
    void DrawCells(CDC* iDc);
    void DrawLuminanceMarker(CDC* iDc) const;
    void DrawPlaneMarker(CDC* iDc) const;

    int m_Kind;
    double m_Luminance;
    double m_Saturation;
    double m_Hue;
    COLORREF m_Color;
    COLORREF m_OriginalColor;
    int m_LuminanceBarWidth;
    CPalette* m_Palette;
    CBitmap m_Picture;
    CObArray m_Cells;
};
