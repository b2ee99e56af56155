// The Office 2003 look: two-colour gradients on bars and menus, toolbars with cut
// corners, warm gradient highlights, and colours that follow the colour scheme of the
// standard Windows style in use. On screens of 8 bits or less and in high contrast it
// draws as the Office XP look. It rewrites the bar colours of the global record, so that
// every control painting with them follows the scheme while it is current.
#pragma once
#include <guitoolkit/core/CGTVisualManagerXPThemed.h>

class CGTVisualManager2003 : public CGTVisualManagerXPThemed {
    DECLARE_DYNCREATE(CGTVisualManager2003)
public:
    explicit CGTVisualManager2003(BOOL isTemporary = FALSE);

    // Take the scheme from the style in use even when the main window has no theme.
    static BOOL UseGlobalTheme;
    // The status bar and its panes are drawn by the STATUS theme where it is open.
    static BOOL StatusBarUsesTheme;
    // Off: a standard scheme counts as another style (0).
    static BOOL UseLunaColors;

    // -1 no style; 0 another style (or Luna colours off); 1 blue, 2 olive, 3 silver.
    int ColorScheme;
    BOOL IsStandardScheme;

    COLORREF ToolbarGradientDark, ToolbarGradientLight;
    COLORREF VertToolbarGradientDark, VertToolbarGradientLight;
    COLORREF BarGradientDark, BarGradientLight;
    COLORREF MenuHighlightColor;
    COLORREF HotGradientDark, HotGradientLight;
    COLORREF PressedGradientDark, PressedGradientLight;
    COLORREF CheckedGradientDark, CheckedGradientLight;
    COLORREF ChevronGradientDark, ChevronGradientLight;
    COLORREF ToolbarEdgeColor, ToolbarCornerTop, ToolbarCornerBottom;
    COLORREF GripperDarkColor;
    COLORREF CaptionGradientDark, CaptionGradientLight;
    COLORREF HeaderHighlightColor, HeaderLineColor;
    COLORREF ImageShadowColor;
    COLORREF TaskPaneGradientTop, TaskPaneGradientBottom;
    COLORREF GroupCaptionColor1, GroupCaptionColor2;
    COLORREF SpecialAreaTop, SpecialAreaBottom;
    COLORREF GroupAreaTop, GroupAreaBottom;
    COLORREF TaskColor1, TaskColor2;
    COLORREF TaskGroupBorderColor;
    CPen BarHilitePen;
    CBrush BarFaceBrush;
    CBrush ToolbarLightBrush;
    CPen TaskGroupBorderPen;
    CPen ExpandBoxLightPen, ExpandBoxDarkPen;
    CPen HeaderLinePen;

    void UpdateColors() override;

    void DrawBarBackground(CDC* dc, IGTLookBar* bar, CRect rectClient, CRect rectClip) override;
    void DrawBarBorder(CDC* dc, IGTLookBar* bar, CRect& rect) override;
    void DrawMenuBorder(CDC* dc, IGTLookPopupMenu* popupMenu, CRect rect) override;
    void DrawGripper(CDC* dc, CRect rect, BOOL horizontal, IGTLookBar* bar) override;
    void DrawSeparator(CDC* dc, IGTLookBar* bar, CRect rect, BOOL horizontal) override;
    COLORREF FillDockingCaption(CDC* dc, IGTLookBar* bar, BOOL active, CRect rect) override;
    void DrawStatusPaneBorder(CDC* dc, IGTLookBar* statusBar, CRect rect, UINT paneId, UINT paneStyle) override;
    void DrawComboDropButton(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                             IGTLookButton* button) override;
    void DrawComboBorder(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                         IGTLookButton* button) override;
    void DrawTearOffCaption(CDC* dc, CRect rect, BOOL highlighted) override;
    void FillButtonInterior(CDC* dc, IGTLookButton* button, CRect rect, int state) override;
    void DrawButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state) override;
    void DrawRarelyUsedMenuArea(CDC* dc, CRect rect) override;
    COLORREF GetImageShadowColor() const override;

    void FillCaptionBarBackground(CDC* dc, IGTLookBar* bar, CRect rect, COLORREF background, BOOL flat) override;
    COLORREF FillOutlookScrollButton(CDC* dc, CRect rect, BOOL highlighted, BOOL pressed, BOOL disabled) override;
    void DrawOutlookScrollButtonBorder(CDC* dc, CRect& rect, BOOL highlighted, BOOL pressed) override;
    void DrawOutlookBarStrip(CDC* dc, CRect rect) override;
    COLORREF FillOutlookBarCaption(CDC* dc, CRect rect) override;

    void FillTabArea(CDC* dc, CRect rect, IGTLookTabWnd* tabWnd) override;
    void DrawTab(CDC* dc, CRect rect, int tab, BOOL active, IGTLookTabWnd* tabWnd) override;
    void FillTab(CDC* dc, CRect rect, CBrush* brush, int tab, BOOL active, IGTLookTabWnd* tabWnd) override;
    void FillTabButton(CDC* dc, CRect rect, IGTLookPushButton* button, IGTLookTabWnd* tabWnd) override;
    void GetTabColors(IGTLookTabWnd* tabWnd, COLORREF& dark, COLORREF& black, COLORREF& highlight, COLORREF& face,
                      COLORREF& darkShadow, COLORREF& light, CBrush*& faceBrush, CBrush*& blackBrush) override;
    BOOL FillTabBackground(CDC* dc, CRect rect, CRect rectTabStrip, IGTLookTabWnd* tabWnd) override;

    COLORREF FillCommandListItem(CDC* dc, CRect rect, BOOL selected) override;

    void FillTasksPane(CDC* dc, IGTLookTasksPane* pane, CRect rect) override;
    void DrawTasksGroupCaption(CDC* dc, IGTLookTasksGroup* group, BOOL highlighted, BOOL selected,
                               BOOL canCollapse) override;
    void FillTasksGroupInterior(CDC* dc, CRect rect, BOOL special) override;
    void DrawTasksGroupBorder(CDC* dc, CRect rect, BOOL special, BOOL closed) override;
    void DrawTask(CDC* dc, IGTLookTask* task, CImageList* images, BOOL highlighted, BOOL selected) override;
    void DrawTasksScrollButton(CDC* dc, CRect rect, int topExtension, int glyph, BOOL highlighted) override;

    COLORREF GetDialogFaceColor(IGTLookControl* control) const override;
    COLORREF GetDialogDarkColor(IGTLookControl* control) const override;
    void GetCalendarColors(COLORREF& background, COLORREF& text, COLORREF& selectedBackground, COLORREF& selectedText,
                           COLORREF& todayMarker) const override;
    void FillAutoHideButton(CDC* dc, CRect rect, IGTLookAutoHideButton* button) override;
    void DrawAutoHideButtonBorder(CDC* dc, CRect rect, CRect widths, IGTLookAutoHideButton* button) override;
    BOOL DrawCalculatorButton(CDC* dc, CRect rect, int state, IGTLookCalculator* calculator) override;
    BOOL DrawCalculatorDisplay(CDC* dc, CRect rect, CWnd* calculator) override;
    BOOL DrawBrowseButton(CDC* dc, CRect rect, int state, CWnd* edit) override;
    BOOL FillOwnerDrawButton(CDC* dc, CRect rect, IGTLookPushButton* button) override;
    BOOL DrawOwnerDrawButtonBorder(CDC* dc, CRect rect, IGTLookPushButton* button) override;
    void GetSmartDockingColors(COLORREF& base, COLORREF& shadow) const override;
    COLORREF GetSmartDockingHighlightColor() const override;
    void FillToolBoxPage(CDC* dc, CRect rect) override;
    void DrawToolBoxButtonBorder(CDC* dc, CRect rect) override;
    void FillTabPage(CDC* dc, IGTLookPropertyPage* page, CRect rect) override;
    COLORREF FillPropSheetListItem(CDC* dc, CRect rect, BOOL pushed, BOOL selected, BOOL noSeparator) override;
    void DrawGridHeaderBar(CDC* dc, CRect rect, IGTLookGrid* grid) override;
    void FillGridArea(CDC* dc, CRect rect, IGTLookGrid* grid, BOOL active) override;
    COLORREF GetGridLineColor(IGTLookGrid* grid) const override;
    void DrawGridExpandBox(CDC* dc, CRect rect, BOOL expanded, COLORREF color) override;
    COLORREF GetGridLeftOffsetColor(IGTLookGrid* grid) const override;
    int GetShowAllButtonHeight(CDC* dc, CSize sizeDefault) override;
    void DrawShowAllButton(CDC* dc, CRect rect, int state) override;

    void FillFramedArea(CDC* dc, CRect rect) override;
    COLORREF GetWindowColor() const override;
    void FillHighlight(CDC* dc, CRect rect, CBrush* brush, IGTLookButton* button) override;

    // Operations this look adds.
    virtual COLORREF GetHighlightColor() const;
    // The colour the scheme's gradients are mixed from.
    virtual COLORREF GetBaseColor();
    // state: 0 normal, 1 checked or disabled, 2 hot or pushed.
    virtual void DrawCustomizeButton(CDC* dc, CRect rect, BOOL horizontal, int state, BOOL hiddenButtonsMark,
                                     BOOL customizeMark);
    // A grid line colour from an item colour: white gives the button face.
    virtual COLORREF DarkenColor(COLORREF color) const;
    // Rewrites the bar colours of the global record for the scheme.
    virtual void UpdateBarColors();

protected:
    // More than 8 bits per pixel outside high contrast: the look's own drawing.
    static BOOL IsNormalColorMode();
    // A colour of the style in use through the WINDOW theme (the system's without it).
    COLORREF ThemeSys(int index) const;
    // Two-colour fill: horizontal puts first at the bottom, else first at the left.
    static void Gradient(CDC* dc, const CRect& rect, COLORREF first, COLORREF second, BOOL horizontal,
                         int startShare = 0);
    static BOOL IsHorizontalBar(const IGTLookBar* bar);
    // The tab styles the look tells apart.
    static BOOL FirstSpecial(const IGTLookTabWnd& tabWnd);
    static BOOL SecondSpecial(const IGTLookTabWnd& tabWnd);
    static BOOL ThirdSpecial(const IGTLookTabWnd& tabWnd);
    // Tab windows drawn in this look's manner (not flat, no flat frame, normal colours).
    static BOOL DrawsOwnTabs(const IGTLookTabWnd& tabWnd);
    // Shortens a strip along a toolbar by half the room its buttons leave round images.
    static void ShortenForButtons(CRect& rect, IGTLookBar* bar, BOOL alongY);

private:
    void UpdateSchemeColors();
    void UpdateTasksPaneColors();
    void UpdatePens();
    void DrawRoundedToolbar(CDC* dc, IGTLookBar* bar, const CRect& rect, BOOL horizontal);
    void PaintUnderToolbar(CDC* dc, IGTLookBar* bar, const CRect& rect);
    void DrawChevron(CDC* dc, IGTLookBar* bar, const CRect& rectClient, BOOL horizontal);
    void DrawHeaderCell(CDC* dc, CRect rect);
};
