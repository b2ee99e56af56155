// The VS2005 look: the Office 2003 look toned down. Luna colours only for the silver
// scheme, flat docking captions in the selection colour, white active tabs outlined in
// the combo box border colour, plain shadow-coloured captions for floating toolbars and
// tab-shaped auto-hide buttons. Choosing it turns on smart docking.
#pragma once
#include <guitoolkit/core/CGTVisualManager2003.h>

class CGTVisualManagerVS2005 : public CGTVisualManager2003 {
    DECLARE_DYNCREATE(CGTVisualManagerVS2005)
public:
    explicit CGTVisualManagerVS2005(BOOL isTemporary = FALSE);

    // Auto-hide buttons clipped to their tab-shaped outline.
    static BOOL RoundedAutoHideButtons;

    // The theme's scheme at the last colour update.
    int VSColorScheme;
    COLORREF TabBorderColor;
    CPen TabBorderPen;
    CBrush DroppedMenuBrush;
    CBrush CheckedMenuBrush;

    void UpdateColors() override;

    void DrawSeparator(CDC* dc, IGTLookBar* bar, CRect rect, BOOL horizontal) override;
    COLORREF FillDockingCaption(CDC* dc, IGTLookBar* bar, BOOL active, CRect rect) override;
    void DrawCaptionButton(CDC* dc, IGTLookCaptionButton* button, BOOL activeCaption, BOOL horizontal, BOOL maximized,
                           BOOL disabled, int glyph = -1) override;
    void FillTabArea(CDC* dc, CRect rect, IGTLookTabWnd* tabWnd) override;
    void DrawTab(CDC* dc, CRect rect, int tab, BOOL active, IGTLookTabWnd* tabWnd) override;
    void GetTabColors(IGTLookTabWnd* tabWnd, COLORREF& dark, COLORREF& black, COLORREF& highlight, COLORREF& face,
                      COLORREF& darkShadow, COLORREF& light, CBrush*& faceBrush, CBrush*& blackBrush) override;
    int GetTabBorderSize() const override;
    COLORREF GetDialogFaceColor(IGTLookControl* control) const override;
    COLORREF FillMiniFrameCaption(CDC* dc, CRect rect, BOOL active, IGTLookBar* floatingBar) override;
    BOOL HasAutoHideButtonBorder() const override;
    void FillAutoHideButton(CDC* dc, CRect rect, IGTLookAutoHideButton* button) override;
    void DrawAutoHideButtonBorder(CDC* dc, CRect rect, CRect widths, IGTLookAutoHideButton* button) override;
    void FillHighlight(CDC* dc, CRect rect, CBrush* brush, IGTLookButton* button) override;
    int GetMDITabBorderSize() const override;

    // The tab-shaped outline of an auto-hide button, its open side towards the edge it
    // sits on (a CBRS_ALIGN_ bit).
    static void GetAutoHideOutline(const CRect& rect, DWORD alignment, CPoint (&points)[6]);

private:
    void UpdateVSColors();
};
