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

protected:
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
