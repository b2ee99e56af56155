// A thin full-width message strip docked at a frame edge: an icon or image, a line of text and
// an optional push button that sends a command to its owner.
#pragma once
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/docking/CGTControlBar.h>

class CGTCaptionBar : public CGTControlBar {
    DECLARE_DYNCREATE(CGTCaptionBar)
public:
    // Alignments of the image, text and button.
    enum : int {
        alignLeft = 1,
        alignRight = 2,
        alignCenter = 3
    };

    CGTCaptionBar();
    ~CGTCaptionBar() override;

    virtual void OnDrawBackground(CDC* iDc, CRect iRect);
    virtual void OnDrawBorder(CDC* iDc, CRect iRect);
    virtual void OnDrawText(CDC* iDc, CRect iRect, const CString& iText);
    virtual void OnDrawImage(CDC* iDc, CRect iRect);
    virtual void OnDrawButton(CDC* iDc, CRect iRect, const CString& iText, BOOL iEnabled);

    void RecalcLayout();

    // The bar's image: an icon, drawn in place of the image list's first image.
    void SetIcon(HICON iIcon, int iAlignment = alignLeft);
    void SetText(const CString& iText, int iAlignment = alignLeft);
    // An empty text removes the button; command 0 makes it a plain label.
    void SetButton(const CString& iText, UINT iCommand, int iAlignment = alignRight);
    CGTToolBarImages& GetImages() { return m_Images; }
    CRect GetImageRect() const { return m_ImageRect; }
    CRect GetTextRect() const { return m_ClippedTextRect; }
    CRect GetButtonRect() const { return m_ButtonRect; }
    BOOL IsButtonHot() const { return m_ButtonHot; }
    BOOL IsButtonPushed() const { return m_ButtonPushed; }
    int GetBarHeight() const { return m_BarHeight; }

    // --- Overrides of the bars ---

    void AdjustLayout() override;
    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override;
    GTLookBarKind GetLookKind() const override { return GTLookBarKind::CaptionBar; }
    COLORREF GetBackgroundColor() const override { return m_BackColor; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnSysColorChange();
    afx_msg void OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams);
    afx_msg void OnNcPaint();
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnRButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg LRESULT OnSetFont(WPARAM iFont, LPARAM iRedraw);
    afx_msg LRESULT OnGetFont(WPARAM, LPARAM);
    afx_msg LRESULT OnMouseLeave(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    enum : int {
        // Room for the menu arrow of a button that sends a command.
        arrowWidth = 10
    };
    static constexpr COLORREF noColor = static_cast<COLORREF>(-1);

    // The button takes clicks and shows its menu arrow.
    BOOL IsButtonClickable() const { return m_ButtonCommand != 0 && m_ButtonEnabled; }
    CSize ImageSize() const;
    void PlaceItems(CDC& iDc, const CRect& iClient);
    void PlaceCentred(int iCentre);
    void RemoveOverlaps(const CRect& iClient);
    void RepaintButton();

    // -1: the look's.
    COLORREF m_BackColor;
    COLORREF m_TextColor;
    COLORREF m_BorderColor;
    HICON m_Icon;
    CGTToolBarImages m_Images;
    BOOL m_StretchImage;
    int m_ImageAlignment;
    CRect m_ImageRect;
    // Null: the default GUI font.
    HFONT m_Font;
    CString m_Text;
    int m_TextAlignment;
    CRect m_TextRect;
    CRect m_ClippedTextRect;
    CString m_ButtonText;
    // 0: the button is not clickable.
    UINT m_ButtonCommand;
    int m_ButtonAlignment;
    CRect m_ButtonRect;
    BOOL m_ButtonPushed;
    BOOL m_ButtonHot;
    BOOL m_ButtonTrackingLeave;
    BOOL m_ButtonEnabled;
    int m_BorderSize;
    int m_Margin;
    int m_Spacing;
    // -1: computed.
    int m_FixedHeight;
    int m_BarHeight;
    BOOL m_FlatBorder;
};
