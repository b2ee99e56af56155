// The Office XP look with the parts the Windows theme draws where it is open: status
// bar progress and size grip, header, tree and check box parts, push buttons and the
// combo box frame. The Windows XP and the Office 2003 looks draw these alike and build
// on it; every part falls back to the Office XP (or the classic) drawing.
#pragma once
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/core/CGTWinXPThemeManager.h>

class CGTVisualManagerXPThemed : public CGTVisualManagerXP, public CGTWinXPThemeManager {
    DECLARE_DYNAMIC(CGTVisualManagerXPThemed)
public:
    explicit CGTVisualManagerXPThemed(BOOL isTemporary = FALSE);

    BOOL IsThemed() const override;
    void DrawStatusProgress(CDC* dc, IGTLookBar* statusBar, CRect rect, int total, int current, COLORREF barColor,
                            COLORREF endColor, COLORREF textColor, BOOL showPercent) override;
    void DrawStatusSizeGrip(CDC* dc, IGTLookBar* statusBar, CRect rect) override;
    void DrawPushButtonBorder(CDC* dc, CRect& rect, IGTLookPushButton* button) override;
    void DrawHeaderItemBorder(CDC* dc, IGTLookControl* owner, CRect rect, BOOL pressed, BOOL highlighted) override;
    void DrawSortArrow(CDC* dc, IGTLookControl* owner, CRect rect, BOOL up) override;
    void DrawExpandBox(CDC* dc, CRect rect, BOOL expanded, COLORREF color) override;
    void DrawCheckBox(CDC* dc, CRect rect, BOOL focused, BOOL checked, BOOL enabled) override;
    void DrawWindowNcBorder(CWnd* window) override;
    BOOL DrawPushButtonThemed(CDC* dc, CRect rect, IGTLookPushButton* button, UINT state) override;
    BOOL DrawComboDropButtonThemed(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted) override;
    BOOL DrawComboBorderThemed(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted) override;
    void DrawOwnerDrawButtonFrame(CDC* dc, CRect rect, IGTLookPushButton* button) override;
    BOOL UsesWindowThemeForButton(IGTLookPushButton* button) const override;
    void FillGridHeader(CDC* dc, CRect rect, IGTLookGrid* grid) override;
    void DrawGridHeaderItemBorder(CDC* dc, CRect rect, IGTLookGrid* grid, BOOL pressed) override;

protected:
    // Grid headers are themed on screens of more than 8 bits outside high contrast.
    BOOL ThemesGridHeader() const;
};
