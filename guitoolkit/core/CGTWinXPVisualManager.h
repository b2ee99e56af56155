// The look that follows the Windows XP visual style in force: each control's part is
// drawn through the theme where its class is open, and as the Office XP look where it is
// not (classic Windows, visual styles off, a class the style lacks). Its colour update
// copies the theme's toolbar and button colours into the global colour sets.
#pragma once
#include <guitoolkit/core/CGTVisualManagerXPThemed.h>

class CGTWinXPVisualManager : public CGTVisualManagerXPThemed {
    DECLARE_DYNCREATE(CGTWinXPVisualManager)
public:
    explicit CGTWinXPVisualManager(BOOL isTemporary = FALSE);

    // Menus, the menu bar and menu buttons keep the Office XP look even while themed.
    BOOL OfficeXPMenus;
    // The explorer bar's group fill and text colours; -1 while the theme gives none.
    COLORREF ExplorerBarFillColor;
    COLORREF ExplorerBarTextColor;

    void UpdateColors() override;

    void DrawBarBackground(CDC* dc, IGTLookBar* bar, CRect rectClient, CRect rectClip) override;
    void DrawMenuBorder(CDC* dc, IGTLookPopupMenu* popupMenu, CRect rect) override;
    void DrawGripper(CDC* dc, CRect rect, BOOL horizontal, IGTLookBar* bar) override;
    void DrawSeparator(CDC* dc, IGTLookBar* bar, CRect rect, BOOL horizontal) override;
    void DrawCaptionButton(CDC* dc, IGTLookCaptionButton* button, BOOL activeCaption, BOOL horizontal, BOOL maximized,
                           BOOL disabled, int glyph = -1) override;
    void DrawMenuSystemButton(CDC* dc, CRect rect, IGTLookButton* button, UINT command, UINT style,
                              BOOL highlighted) override;
    void DrawStatusPaneBorder(CDC* dc, IGTLookBar* statusBar, CRect rect, UINT paneId, UINT paneStyle) override;
    void DrawComboDropButton(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                             IGTLookButton* button) override;
    void DrawComboBorder(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                         IGTLookButton* button) override;
    void DrawEditBorder(CDC* dc, CRect rect, BOOL disabled, BOOL highlighted, IGTLookButton* button) override;
    void FillButtonInterior(CDC* dc, IGTLookButton* button, CRect rect, int state) override;
    void DrawButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state) override;
    void DrawMenuButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state) override;
    void FillMenuHighlight(CDC* dc, IGTLookButton* button, CRect rect, BOOL highlighted, BOOL disabled,
                           COLORREF& textColor) override;
    void DrawRarelyUsedMenuArea(CDC* dc, CRect rect) override;
    COLORREF GetToolbarButtonTextColor(IGTLookButton* button, int state) const override;
    COLORREF FillOutlookScrollButton(CDC* dc, CRect rect, BOOL highlighted, BOOL pressed, BOOL disabled) override;
    void DrawOutlookScrollButtonBorder(CDC* dc, CRect& rect, BOOL highlighted, BOOL pressed) override;

    void FillTabArea(CDC* dc, CRect rect, IGTLookTabWnd* tabWnd) override;
    void DrawTab(CDC* dc, CRect rect, int tab, BOOL active, IGTLookTabWnd* tabWnd) override;
    void FillTabButton(CDC* dc, CRect rect, IGTLookPushButton* button, IGTLookTabWnd* tabWnd) override;
    BOOL FillTabBackground(CDC* dc, CRect rect, CRect rectTabStrip, IGTLookTabWnd* tabWnd) override;
    BOOL IsTabThemed() const override;

    COLORREF FillCommandListItem(CDC* dc, CRect rect, BOOL selected) override;
    CSize GetButtonExtraSize() const override;
    CSize GetCaptionButtonExtraSize() const override;
    COLORREF FillMiniFrameCaption(CDC* dc, CRect rect, BOOL active, IGTLookBar* floatingBar) override;
    void DrawMiniFrameBorder(CDC* dc, IGTLookMiniFrame* frame, CRect rect, CRect borderSize) override;

    void FillTasksPane(CDC* dc, IGTLookTasksPane* pane, CRect rect) override;
    void DrawTasksGroupCaption(CDC* dc, IGTLookTasksGroup* group, BOOL highlighted, BOOL selected,
                               BOOL canCollapse) override;
    void FillTasksGroupInterior(CDC* dc, CRect rect, BOOL special) override;
    void DrawTasksGroupBorder(CDC* dc, CRect rect, BOOL special, BOOL closed) override;
    void DrawTask(CDC* dc, IGTLookTask* task, CImageList* images, BOOL highlighted, BOOL selected) override;

    void GetCalendarColors(COLORREF& background, COLORREF& text, COLORREF& selectedBackground, COLORREF& selectedText,
                           COLORREF& todayMarker) const override;
    BOOL DrawCalculatorButton(CDC* dc, CRect rect, int state, IGTLookCalculator* calculator) override;
    BOOL DrawBrowseButton(CDC* dc, CRect rect, int state, CWnd* edit) override;
    void DrawSpinButtons(CDC* dc, CRect rect, int state, BOOL horizontal, CWnd* spin) override;
    void FillTabPage(CDC* dc, IGTLookPropertyPage* page, CRect rect) override;
    BOOL GetMenuStyleFlag() const override;
    void DrawCaptionButtonGlyph(CDC* dc, IGTLookCaptionButton* button, int glyph, BOOL glyphFlag, BOOL disabled, int x,
                                int y) override;

private:
    // Plain tab windows take the TAB theme when tabs are themed and it is open.
    BOOL ThemesTabs(const IGTLookTabWnd& tabWnd) const;
    // Menus are drawn the classic way while the style is on and Office XP menus are off.
    BOOL UsesClassicMenus() const;
    // Buttons on a menu bar or popup menu bar that keep the Office XP look.
    BOOL KeepsOfficeXPMenuButton(IGTLookButton* button) const;
    // A part of the TAB theme, turned upside down for tabs at the bottom.
    void DrawTabPart(CDC* dc, const CRect& rect, int part, int state, BOOL tabsOnTop);
    void CopyThemeColors();
};
