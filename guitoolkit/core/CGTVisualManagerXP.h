// The flat Office XP look: light menus, bars tinted from the button face, hot and pressed
// buttons filled with tints of the selection colour inside a one-pixel frame, soft menu
// shadows. The Windows XP, Office 2003 and VS2005 looks build on it, so its colour members
// and its six added operations are theirs too.
#pragma once
#include <guitoolkit/core/CGTVisualManager.h>

class CGTVisualManagerXP : public CGTVisualManager {
    DECLARE_DYNCREATE(CGTVisualManagerXP)
public:
    explicit CGTVisualManagerXP(BOOL isTemporary = FALSE);
    ~CGTVisualManagerXP() override;

    // Pattern brushes, built on first use: horizontal lines, vertical lines.
    CBrush brushPatternHorizontal;
    CBrush brushPatternVertical;
    COLORREF colorBarBackground;
    CBrush brushBarBackground;
    COLORREF colorBarBackgroundDark;
    CBrush brushBarBackgroundDark;
    COLORREF colorMenuBackground;
    CBrush brushMenuBackground;
    COLORREF colorBarFaceDeep;
    CBrush brushAutoHideBar;
    COLORREF colorHotFill;
    CBrush brushHotFill;
    COLORREF colorPressedFill;
    CBrush brushPressedFill;
    COLORREF colorCheckedFill;
    CBrush brushCheckedFill;
    COLORREF colorSeparatorDark;
    CPen penSeparator;
    COLORREF colorPaneBorder;
    COLORREF colorMenuBorder;
    COLORREF colorHotBorder;
    CBrush brushDarkShadow;
    // A popup menu's border is joined to the bar button it drops from.
    BOOL JoinsMenuToButton;
    COLORREF colorMenuShadowBase;
    // An open menu button casts a shadow like its menu.
    BOOL ShadowsOpenMenuButton;
    // Space on each side of a menu item's image.
    int MenuItemMargin;

    void UpdateColors() override;

    void DrawBarBackground(CDC* dc, IGTLookBar* bar, CRect rectClient, CRect rectClip) override;
    void DrawBarBorder(CDC* dc, IGTLookBar* bar, CRect& rect) override;
    void DrawMenuBorder(CDC* dc, IGTLookPopupMenu* popupMenu, CRect rect) override;
    void DrawMenuShadow(CDC* dc, CRect rect, CRect rectExclude, int depth, int darkestPercent, int lightestPercent,
                        CBitmap* saveBottom, CBitmap* saveSide, BOOL rightToLeft) override;
    void DrawGripper(CDC* dc, CRect rect, BOOL horizontal, IGTLookBar* bar) override;
    void DrawSeparator(CDC* dc, IGTLookBar* bar, CRect rect, BOOL horizontal) override;
    COLORREF FillDockingCaption(CDC* dc, IGTLookBar* bar, BOOL active, CRect rect) override;
    void DrawCaptionButton(CDC* dc, IGTLookCaptionButton* button, BOOL activeCaption, BOOL horizontal, BOOL maximized,
                           BOOL disabled, int glyph = -1) override;
    void DrawMenuSystemButton(CDC* dc, CRect rect, IGTLookButton* button, UINT command, UINT style,
                              BOOL highlighted) override;
    void DrawStatusPaneBorder(CDC* dc, IGTLookBar* statusBar, CRect rect, UINT paneId, UINT paneStyle) override;
    void DrawComboDropButton(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                             IGTLookButton* button) override;
    void DrawComboBorder(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                         IGTLookButton* button) override;
    void DrawTearOffCaption(CDC* dc, CRect rect, BOOL highlighted) override;
    void FillButtonInterior(CDC* dc, IGTLookButton* button, CRect rect, int state) override;
    void DrawButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state) override;
    void FillMenuHighlight(CDC* dc, IGTLookButton* button, CRect rect, BOOL highlighted, BOOL disabled,
                           COLORREF& textColor) override;
    void DrawRarelyUsedMenuArea(CDC* dc, CRect rect) override;
    COLORREF GetToolbarButtonTextColor(IGTLookButton* button, int state) const override;

    void FillTabArea(CDC* dc, CRect rect, IGTLookTabWnd* tabWnd) override;
    void DrawTab(CDC* dc, CRect rect, int tab, BOOL active, IGTLookTabWnd* tabWnd) override;
    void FillTab(CDC* dc, CRect rect, CBrush* brush, int tab, BOOL active, IGTLookTabWnd* tabWnd) override;
    void FillTabButton(CDC* dc, CRect rect, IGTLookPushButton* button, IGTLookTabWnd* tabWnd) override;
    void DrawTabButtonBorder(CDC* dc, CRect rect, IGTLookPushButton* button, UINT flags,
                             IGTLookTabWnd* tabWnd) override;

    COLORREF FillCommandListItem(CDC* dc, CRect rect, BOOL selected) override;
    void DrawCommandListMenuArrow(CDC* dc, CRect rect, BOOL selected) override;
    COLORREF FillMiniFrameCaption(CDC* dc, CRect rect, BOOL active, IGTLookBar* floatingBar) override;
    void DrawMiniFrameBorder(CDC* dc, IGTLookMiniFrame* frame, CRect rect, CRect borderSize) override;
    void DrawFloatingToolbarBorder(CDC* dc, CRect rect) override;

    void DrawTasksGroupCaption(CDC* dc, IGTLookTasksGroup* group, BOOL highlighted, BOOL selected,
                               BOOL canCollapse) override;
    void FillTasksGroupInterior(CDC* dc, CRect rect, BOOL special) override;
    void DrawTasksGroupBorder(CDC* dc, CRect rect, BOOL special, BOOL closed) override;
    void DrawTask(CDC* dc, IGTLookTask* task, CImageList* images, BOOL highlighted, BOOL selected) override;
    void DrawTasksScrollButton(CDC* dc, CRect rect, int topExtension, int glyph, BOOL highlighted) override;

    COLORREF GetDialogFaceColor(IGTLookControl* control) const override;
    COLORREF GetDialogDarkColor(IGTLookControl* control) const override;
    void DrawControlBorder(CDC* dc, CRect rect, CWnd* control) override;
    void DrawPanelFrame(CDC* dc, CRect rect) override;
    void GetCalendarColors(COLORREF& background, COLORREF& text, COLORREF& selectedBackground, COLORREF& selectedText,
                           COLORREF& todayMarker) const override;
    COLORREF GetAutoHideButtonTextColor(IGTLookAutoHideButton* button) const override;
    BOOL DrawCalculatorButton(CDC* dc, CRect rect, int state, IGTLookCalculator* calculator) override;
    BOOL DrawCalculatorDisplay(CDC* dc, CRect rect, CWnd* calculator) override;
    BOOL DrawBrowseButton(CDC* dc, CRect rect, int state, CWnd* edit) override;
    void DrawSpinButtons(CDC* dc, CRect rect, int state, BOOL horizontal, CWnd* spin) override;
    void DrawDragFrame(CDC* dc, CRect rectOuter, CRect rectInner, int oldSize, int newSize) override;
    void GetSmartDockingColors(COLORREF& base, COLORREF& shadow) const override;
    void FillToolBoxPage(CDC* dc, CRect rect) override;
    void DrawToolBoxButtonBorder(CDC* dc, CRect rect) override;
    COLORREF FillHeaderCaption(CDC* dc, CRect rect) override;
    void FillTabPage(CDC* dc, IGTLookPropertyPage* page, CRect rect) override;
    void DrawOwnerDrawButtonFrame(CDC* dc, CRect rect, IGTLookPushButton* button) override;
    COLORREF FillPropSheetListItem(CDC* dc, CRect rect, BOOL pushed, BOOL selected, BOOL noSeparator) override;
    void DrawGridHeaderBar(CDC* dc, CRect rect, IGTLookGrid* grid) override;
    BOOL IsLook2000Allowed() const override;

    // Operations this look adds (slots 118 to 123).
    virtual void FillFramedArea(CDC* dc, CRect rect);
    // Draws a caption button's glyph at (x, y); glyphFlag asks for the light glyph.
    virtual void DrawCaptionButtonGlyph(CDC* dc, IGTLookCaptionButton* button, int glyph, BOOL glyphFlag, BOOL disabled,
                                        int x, int y);
    virtual void CreatePatternBrushes();
    // Where an open menu button and its menu meet, on the screen: the stretch of both
    // borders that lie against each other; empty when they do not touch.
    virtual CRect GetMenuConnectionRect(IGTLookButton* button, IGTLookPopupMenu* menu);
    virtual COLORREF GetWindowColor() const;
    // Fills rect with brush; button: the toolbar button being filled, or null.
    virtual void FillHighlight(CDC* dc, CRect rect, CBrush* brush, IGTLookButton* button);

    // The glyph colour style of a caption button: light on dark fills and colours.
    static int XPCaptionGlyphStyle(const IGTLookCaptionButton& button, BOOL glyphFlag, BOOL disabled,
                                   COLORREF pressedFill, COLORREF hotFill);

protected:
    // Width of a popup menu's image column.
    int GetMenuImageColumnWidth(IGTLookBar* popupMenuBar) const;
    // A docking bar's title, a blank on each side, over its gripper: down the gripper of
    // a bar docked at the top or bottom, across it otherwise.
    static void DrawDockingBarGripperText(CDC* dc, CRect rect, BOOL horizontal, IGTLookBar* bar, COLORREF textColor,
                                          int backgroundMode);

private:
    void CreateColorBrushes();
    void DeleteColorBrushes();
    void FillPopupMenuBarBackground(CDC* dc, IGTLookBar* bar, CRect rectClient, CRect rectClip);
    // The brush the button-state rule picks; null when the button is not filled.
    CBrush* PickButtonBrush(IGTLookButton* button, int state, CRect& rect);
    void DrawOpenMenuButtonBorder(CDC* dc, IGTLookButton* button, IGTLookPopupMenu* menu, CRect rect);
};
