// The toolkit's owner-draw push button: face, border, image, text and focus mark in the
// toolkit's colours, or through the current look where themed drawing is on. It can play
// a check box or radio button, show normal, hot and disabled images (and a checked set),
// a standard glyph in place of a bitmap, repeat its click while held and show a tooltip.
#pragma once
#include <afxwin.h>
#include <afxctrls.h>
#include <afxcmn.h>
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/core/GTLookTargets.h>

class CGTButton : public CButton, public IGTLookPushButton {
    DECLARE_DYNCREATE(CGTButton)
public:
    enum BorderStyle {
        Border3D = 0,
        BorderFlat = 1,
        BorderSemiFlat = 2,
        BorderNone = 3,
    };
    enum TextAlign {
        AlignLeft = 0,
        AlignRight = 1,
        AlignCenter = 2,
    };

    CGTButton();
    ~CGTButton() override;

    // Themed drawing for every button of the process (the look may still decline it).
    static void EnableThemedButtons(BOOL iEnable = TRUE);
    static BOOL IsThemedButtons();
    // Themed drawing is on and this button takes part.
    BOOL IsThemedDrawing() const { return IsThemedButtons() && !m_NoTheme; }

    virtual void ClearImages();
    virtual CSize FitToContent(BOOL iCalcOnly = FALSE);
    virtual void FillFace(CDC* iDc, const CRect& iRect);
    // Shrinks the rectangle to the content.
    virtual void DrawBorder(CDC* iDc, CRect& ioRect, UINT iState);
    virtual void DrawFocusMark(CDC* iDc, const CRect& iRect);
    virtual void DrawContent(CDC* iDc, CRect iRect, UINT iState);
    virtual void DrawLabel(CDC* iDc, CRect iRect, const CString& iText, UINT iFlags, UINT iState);
    virtual CFont* SelectLabelFont(CDC* iDc);
    virtual int GetHorzMargin() const;
    virtual int GetVertMargin() const;

    void DrawItem(LPDRAWITEMSTRUCT iDrawItem) override;
    BOOL PreTranslateMessage(MSG* iMsg) override;

    // Images of the normal (or checked) set; the size comes from the normal one. With
    // autoDestroy the bitmaps or icons are deleted after copying.
    void SetImage(HBITMAP iNormal, BOOL iAutoDestroy = TRUE, HBITMAP iHot = nullptr, BOOL iMapToLightGrey = FALSE,
                  HBITMAP iDisabled = nullptr);
    void SetCheckedImage(HBITMAP iNormal, BOOL iAutoDestroy = TRUE, HBITMAP iHot = nullptr,
                         BOOL iMapToLightGrey = FALSE, HBITMAP iDisabled = nullptr);
    void SetImage(HICON iNormal, BOOL iAutoDestroy = TRUE, HICON iHot = nullptr, HICON iDisabled = nullptr,
                  BOOL iAlpha = FALSE);
    void SetCheckedImage(HICON iNormal, BOOL iAutoDestroy = TRUE, HICON iHot = nullptr, HICON iDisabled = nullptr,
                         BOOL iAlpha = FALSE);
    void SetImageResource(UINT iNormal, UINT iHot = 0, UINT iDisabled = 0);
    void SetCheckedImageResource(UINT iNormal, UINT iHot = 0, UINT iDisabled = 0);
    void SetStdGlyphImage(int iGlyph, int iStyle = 0, int iDisabledGlyph = -1);
    // Null deactivates the tooltip.
    void SetToolTipText(LPCWSTR iText);
    void SetAutoRepeatDelay(int iMilliseconds) { m_AutoRepeat = iMilliseconds; }
    void SetCursorHandle(HCURSOR iCursor) { m_Cursor = iCursor; }
    void UseHandCursor();
    void SetBorderStyle(int iStyle) { m_BorderStyle = iStyle; }
    void SetFaceColor(COLORREF iColor) { m_FaceColor = iColor; }
    void SetTextColor(COLORREF iColor) { m_TextColor = iColor; }
    void SetHoverTextColor(COLORREF iColor) { m_HoverColor = iColor; }

    // What the look asks.
    BOOL IsPushed() const override { return m_Pushed; }
    BOOL IsHighlighted() const override { return m_Highlighted; }
    BOOL IsChecked() const override { return m_Checked; }
    BOOL IsEnabled() const override { return IsWindowEnabled(); }
    BOOL HasFocus() const override { return GetSafeHwnd() != nullptr && ::GetFocus() == m_hWnd; }
    // A caption's small close button asks for the caption look with both of its flags.
    BOOL HasCaptionLook() const override { return m_OnCaption && m_CaptionClose; }
    CWnd* GetButtonWindow() const override { return const_cast<CGTButton*>(this); }
    BOOL IsCheckBox() const { return m_CheckBox; }
    BOOL IsRadioButton() const { return m_RadioButton; }
    CSize GetImageSize() const { return m_ImageSize; }
    CToolTipCtrl& GetToolTip() { return m_ToolTip; }

    int m_BorderStyle;
    int m_TextAlign;
    BOOL m_ImageOnRight;
    BOOL m_ImageOnTop;
    BOOL m_Transparent;
    BOOL m_DrawFocus;
    BOOL m_HighlightChecked;
    BOOL m_DisabledLook;
    BOOL m_RespondOnButtonDown;
    BOOL m_NoTheme;
    BOOL m_AutoToolTip;
    // The two caption-look flags: the button sits on a caption, and it is that caption's
    // close box.
    BOOL m_OnCaption;
    BOOL m_CaptionClose;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& ioCreate) override;
    void PreSubclassWindow() override;

    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnCancelMode();
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg BOOL OnSetCursor(CWnd* iWnd, UINT iHitTest, UINT iMessage);
    afx_msg void OnEnable(BOOL iEnable);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnKillFocus(CWnd* iNewWnd);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg void OnTimer(UINT_PTR iEvent);
    afx_msg LRESULT OnSetFont(WPARAM iFont, LPARAM iRedraw);
    afx_msg LRESULT OnGetFont(WPARAM, LPARAM);
    afx_msg LRESULT OnGetCheck(WPARAM, LPARAM);
    afx_msg LRESULT OnSetCheck(WPARAM iCheck, LPARAM);
    afx_msg LRESULT OnSetImage(WPARAM iType, LPARAM iImage);
    afx_msg LRESULT OnGetImage(WPARAM iType, LPARAM);
    DECLARE_MESSAGE_MAP()

    // Mouse state.
    BOOL m_DoubleClicked;
    BOOL m_Pushed;
    BOOL m_PressedInside;
    BOOL m_Highlighted;
    BOOL m_Captured;
    BOOL m_Hover;
    BOOL m_Checked;
    BOOL m_CheckBox;
    BOOL m_RadioButton;
    BOOL m_AutoCheck;
    CSize m_ImageSize;
    // Normal, hot and disabled; then the checked set.
    CGTToolBarImages m_Images[6];
    BOOL m_AutoToolTipDirty;
    int m_Glyph;
    int m_DisabledGlyph;
    int m_GlyphStyle;
    CToolTipCtrl m_ToolTip;
    HCURSOR m_Cursor;
    CSize m_PushOffset;
    COLORREF m_TextColor;
    COLORREF m_HoverColor;
    COLORREF m_FaceColor;
    HFONT m_Font;
    int m_AutoRepeat;

private:
    void ReadButtonStyle(DWORD& ioStyle);
    // The normal (0) or checked (3) set is emptied (the image size goes with the normal
    // one); images take the place of a glyph.
    void ClearImageSet(int iFirst);
    void SetImageSet(int iFirst, HBITMAP iNormal, BOOL iAutoDestroy, HBITMAP iHot, BOOL iMapToLightGrey,
                     HBITMAP iDisabled);
    void SetIconSet(int iFirst, HICON iNormal, BOOL iAutoDestroy, HICON iHot, HICON iDisabled, BOOL iAlpha);
    void SetResourceSet(int iFirst, UINT iNormal, UINT iHot, UINT iDisabled);
    void DrawImage(CDC* iDc, const CRect& iRect, BOOL iDisabled);
    void ClearMouseState();
    void Redraw();
    // The other library radio buttons of the group are unchecked.
    void UncheckOtherRadios();
    void MoveToRadio(BOOL iNext);
    void SendClick(CWnd* iTo = nullptr);
};
