// One cell of a colour bar: a palette or document colour, the automatic-colour button, the
// other-colour button, a caption row or the cell that shows the selected colour. Captions
// hold no colour (-1).
#pragma once
#include <guitoolkit/toolbars/CGTToolbarButton.h>

class CGTColorBar;

class CColorButton : public CGTToolbarButton {
    DECLARE_SERIAL(CColorButton)
public:
    CColorButton();
    // A palette cell, or with iAutomatic the automatic-colour button.
    CColorButton(COLORREF iColor, BOOL iAutomatic, LPCWSTR iText, BOOL iHighlighted, CGTColorBar* iBar);

    // A caption row, the other-colour button, a document-colour cell and the selected-colour
    // cell.
    static CColorButton* MakeCaption(LPCWSTR iText, CGTColorBar* iBar);
    static CColorButton* MakeOther(LPCWSTR iText, CGTColorBar* iBar);
    static CColorButton* MakeDocument(COLORREF iColor, BOOL iHighlighted, CGTColorBar* iBar);
    static CColorButton* MakeIndicator(COLORREF iColor, CGTColorBar* iBar);

    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    int GetTooltipText(CWnd* iOwner, TOOLINFO* ioInfo) override;
    // The bar makes its cells again from its palette; they are never stored.
    BOOL CanBeStored() const override { return FALSE; }
    // The tip the cell shows: its caption, or for a colour cell the colour's name or
    // "Hex={RR,GG,BB}"; empty while customizing or with tooltips off.
    CString GetTooltip() const;
    // Only the colour cells take part in the choice; captions do nothing.
    BOOL IsColorCell() const { return !m_Automatic && !m_Other && !m_Caption; }

    COLORREF m_Color;
    BOOL m_Highlighted;
    BOOL m_Automatic;
    BOOL m_Other;
    BOOL m_Caption;
    BOOL m_Document;
    BOOL m_Indicator;
    CGTColorBar* m_Bar;

private:
    void DrawColorBox(CDC* iDc, const CRect& iRect, BOOL iDisabled) const;
    void DrawLabel(CDC* iDc, CRect iRect, BOOL iDisabled) const;
};
