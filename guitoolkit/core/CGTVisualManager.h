// The look through which every toolkit control draws its chrome, and itself the classic
// look: flat 3D chrome in the system colours of the global record. Controls never keep
// the manager; they ask GetCurrent each time they draw, so a look chosen at run time
// redraws everything in its style. Derived looks override single operations; the order
// of the virtual operations is fixed (later looks and controls rely on it).
#pragma once
#include <afxwin.h>
#include <guitoolkit/core/GTLookTargets.h>

// What choosing a look asks of the modules built on the core (docking, toolbars, mini
// frames). Each module puts its functions in place at start-up; a missing one does
// nothing.
struct GTLookClientHooks {
    void (*setDockingMode)(int mode);
    void (*applyTabStyleToAll)();
    // The docking look's switches: docking bars rebuild their caption buttons, the second
    // docking switch, auto-hide buttons with borders. The classic look sets TRUE, FALSE, TRUE.
    void (*setDockingLookSwitches)(BOOL rebuildCaptionButtons, BOOL secondSwitch, BOOL autoHideButtonBorders);
    // Redraws every toolbar of the process whose window exists, with these flags.
    void (*redrawAllToolbars)(UINT redrawFlags);
    // Every toolbar whose window exists and that takes part recomputes its layout.
    void (*reapplyToolbarLook)();
    void (*redrawAllMiniFrames)();
    // The size of item images in menus, as the toolbars keep it.
    CSize (*menuImageSize)();
};

class CGTVisualManager : public CObject {
    DECLARE_DYNCREATE(CGTVisualManager)
public:
    explicit CGTVisualManager(BOOL isTemporary = FALSE);
    ~CGTVisualManager() override;

    // The current manager, made on first use from the chosen class; never null.
    static CGTVisualManager* GetCurrent();
    // Chooses the look (null: the classic one); a class that is not a look is ignored.
    static void SelectManagerClass(CRuntimeClass* managerClass);
    static CRuntimeClass* GetManagerClass();
    // Deletes the current manager, only one the toolkit made itself when autoDeleteOnly.
    static void DestroyInstance(BOOL autoDeleteOnly = FALSE);
    static void RedrawAll();
    static void ReapplyToolbarLook();
    static GTLookClientHooks& ClientHooks();

    void SetLook2000(BOOL look2000);
    // The size of the menu glyphs.
    CSize GetMenuImageSize() const;
    // The size of item images in menus (16 x 15 until the toolbars tell).
    static CSize GetMenuItemImageSize();
    // Caption buttons of docking bars and mini frames.
    CSize GetCaptionButtonDefaultSize();
    CRect GetCaptionButtonRect(const IGTLookCaptionButton& button);

    BOOL IsLook2000;
    int MenuShadowDepth;
    // A sub-menu is drawn joined to the item that opened it.
    BOOL JoinedPopups;
    BOOL FlatOpenMenuButtons;
    BOOL RaiseHotImages;
    BOOL EmbossDisabled;
    BOOL FadeImages;
    BOOL FillCheckedButtons;
    BOOL IsTemporary;
    int TasksPaneMetrics[9];
    BOOL LookSwitchA;
    BOOL MenuStyleFlag;
    int MenuScrollPadding;
    BOOL LookSwitchB;
    BOOL LookSwitchC;
    COLORREF LookColorA;
    COLORREF LookColorB;
    CBrush DitherBrush;
    BOOL AutoDelete;
    // The fill of grid items without a colour of their own; -1 for none.
    COLORREF DefaultItemColor;

    // Slots 5 and 6.
    virtual BOOL IsThemed() const;
    virtual void UpdateColors();

    // Bars, menus and toolbar buttons (slots 7 to 33).
    virtual void DrawBarBackground(CDC* dc, IGTLookBar* bar, CRect rectClient, CRect rectClip);
    // Shrinks rect by the sides it drew.
    virtual void DrawBarBorder(CDC* dc, IGTLookBar* bar, CRect& rect);
    virtual void DrawMenuBorder(CDC* dc, IGTLookPopupMenu* popupMenu, CRect rect);
    // rectExclude: the part that must stay uncovered (the button the menu drops from).
    virtual void DrawMenuShadow(CDC* dc, CRect rect, CRect rectExclude, int depth, int darkestPercent,
                                int lightestPercent, CBitmap* saveBottom, CBitmap* saveSide, BOOL rightToLeft);
    virtual void DrawGripper(CDC* dc, CRect rect, BOOL horizontal, IGTLookBar* bar);
    virtual void DrawSeparator(CDC* dc, IGTLookBar* bar, CRect rect, BOOL horizontal);
    virtual COLORREF FillDockingCaption(CDC* dc, IGTLookBar* bar, BOOL active, CRect rect);
    // glyph -1: the button's own.
    virtual void DrawCaptionButton(CDC* dc, IGTLookCaptionButton* button, BOOL activeCaption, BOOL horizontal,
                                   BOOL maximized, BOOL disabled, int glyph = -1);
    virtual void DrawMenuSystemButton(CDC* dc, CRect rect, IGTLookButton* button, UINT command, UINT style,
                                      BOOL highlighted);
    virtual void DrawStatusPaneBorder(CDC* dc, IGTLookBar* statusBar, CRect rect, UINT paneId, UINT paneStyle);
    virtual void DrawStatusProgress(CDC* dc, IGTLookBar* statusBar, CRect rect, int total, int current,
                                    COLORREF barColor, COLORREF endColor, COLORREF textColor, BOOL showPercent);
    virtual void DrawStatusSizeGrip(CDC* dc, IGTLookBar* statusBar, CRect rect);
    virtual void DrawComboDropButton(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                                     IGTLookButton* button);
    virtual void DrawComboBorder(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted,
                                 IGTLookButton* button);
    virtual void DrawEditBorder(CDC* dc, CRect rect, BOOL disabled, BOOL highlighted, IGTLookButton* button);
    virtual void DrawTearOffCaption(CDC* dc, CRect rect, BOOL highlighted);
    // state: 0 normal, 1 pressed or checked, 2 highlighted.
    virtual void FillButtonInterior(CDC* dc, IGTLookButton* button, CRect rect, int state);
    virtual void DrawButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state);
    virtual void DrawMenuButtonBorder(CDC* dc, IGTLookButton* button, CRect rect, int state);
    virtual void FillMenuHighlight(CDC* dc, IGTLookButton* button, CRect rect, BOOL highlighted, BOOL disabled,
                                   COLORREF& textColor);
    virtual BOOL HighlightsWholeMenuItem() const;
    virtual COLORREF GetMenuTextColor(BOOL highlighted, BOOL disabled) const;
    virtual void DrawRarelyUsedMenuArea(CDC* dc, CRect rect);
    virtual void DrawMenuCheck(CDC* dc, IGTLookButton* button, CRect rect, BOOL highlighted, BOOL radio);
    virtual COLORREF GetToolbarButtonTextColor(IGTLookButton* button, int state) const;
    virtual COLORREF GetImageShadowColor() const;
    virtual COLORREF GetCaptionBarTextColor(IGTLookBar* bar) const;

    // Caption and outlook bars (slots 34 to 38).
    virtual void FillCaptionBarBackground(CDC* dc, IGTLookBar* bar, CRect rect, COLORREF background, BOOL flat);
    virtual COLORREF FillOutlookScrollButton(CDC* dc, CRect rect, BOOL highlighted, BOOL pressed, BOOL disabled);
    // Leaves rect inset.
    virtual void DrawOutlookScrollButtonBorder(CDC* dc, CRect& rect, BOOL highlighted, BOOL pressed);
    virtual void DrawOutlookBarStrip(CDC* dc, CRect rect);
    virtual COLORREF FillOutlookBarCaption(CDC* dc, CRect rect);

    // Tab windows (slots 39 to 51).
    virtual void FillTabArea(CDC* dc, CRect rect, IGTLookTabWnd* tabWnd);
    virtual void DrawTab(CDC* dc, CRect rect, int tab, BOOL active, IGTLookTabWnd* tabWnd);
    // brush may be null (nothing filled).
    virtual void FillTab(CDC* dc, CRect rect, CBrush* brush, int tab, BOOL active, IGTLookTabWnd* tabWnd);
    virtual void DrawTabContent(CDC* dc, CRect rect, int tab, BOOL active, IGTLookTabWnd* tabWnd);
    virtual void FillTabButton(CDC* dc, CRect rect, IGTLookPushButton* button, IGTLookTabWnd* tabWnd);
    // Moves and shrinks rect to the button's face.
    virtual void DrawPushButtonBorder(CDC* dc, CRect& rect, IGTLookPushButton* button);
    virtual void GetTabColors(IGTLookTabWnd* tabWnd, COLORREF& dark, COLORREF& black, COLORREF& highlight,
                              COLORREF& face, COLORREF& darkShadow, COLORREF& light, CBrush*& faceBrush,
                              CBrush*& blackBrush);
    virtual BOOL FillTabBackground(CDC* dc, CRect rect, CRect rectTabStrip, IGTLookTabWnd* tabWnd);
    virtual BOOL DrawsTabsWithTheme() const;
    virtual BOOL IsTabThemed() const;
    virtual COLORREF GetTabAutoColorDefault() const;
    virtual int GetTabBorderSize() const;
    virtual BOOL UsesTabAutoColors() const;

    // Customization (slots 52 to 55).
    virtual COLORREF FillCommandListItem(CDC* dc, CRect rect, BOOL selected);
    virtual void DrawCommandListMenuArrow(CDC* dc, CRect rect, BOOL selected);
    virtual CSize GetButtonExtraSize() const;
    virtual CSize GetCaptionButtonExtraSize() const;

    // Mini frames, sliders and headers (slots 56 to 61).
    virtual COLORREF FillMiniFrameCaption(CDC* dc, CRect rect, BOOL active, IGTLookBar* floatingBar);
    virtual void DrawMiniFrameBorder(CDC* dc, IGTLookMiniFrame* frame, CRect rect, CRect borderSize);
    virtual void DrawFloatingToolbarBorder(CDC* dc, CRect rect);
    virtual void FillSliderArea(CDC* dc, IGTLookControl* owner, CRect rect);
    virtual void DrawHeaderItemBorder(CDC* dc, IGTLookControl* owner, CRect rect, BOOL pressed, BOOL highlighted);
    virtual void DrawSortArrow(CDC* dc, IGTLookControl* owner, CRect rect, BOOL up);

    // Tasks pane (slots 62 to 67).
    virtual void FillTasksPane(CDC* dc, IGTLookTasksPane* pane, CRect rect);
    virtual void DrawTasksGroupCaption(CDC* dc, IGTLookTasksGroup* group, BOOL highlighted, BOOL selected,
                                       BOOL canCollapse);
    virtual void FillTasksGroupInterior(CDC* dc, CRect rect, BOOL special);
    virtual void DrawTasksGroupBorder(CDC* dc, CRect rect, BOOL special, BOOL closed);
    virtual void DrawTask(CDC* dc, IGTLookTask* task, CImageList* images, BOOL highlighted, BOOL selected);
    virtual void DrawTasksScrollButton(CDC* dc, CRect rect, int topExtension, int glyph, BOOL highlighted);

    // Sliders, panels and controls (slots 68 to 88).
    virtual void DrawSlider(CDC* dc, IGTLookBar* slider, CRect rect, BOOL border);
    virtual void DrawExpandBox(CDC* dc, CRect rect, BOOL expanded, COLORREF color);
    virtual COLORREF GetDialogFaceColor(IGTLookControl* control) const;
    virtual COLORREF GetDialogDarkColor(IGTLookControl* control) const;
    virtual void DrawControlBorder(CDC* dc, CRect rect, CWnd* control);
    virtual void DrawPanelFrame(CDC* dc, CRect rect);
    virtual void FillPanel(CDC* dc, CRect rect);
    virtual COLORREF FillInactiveCaption(CDC* dc, CRect rect);
    virtual void GetCalendarColors(COLORREF& background, COLORREF& text, COLORREF& selectedBackground,
                                   COLORREF& selectedText, COLORREF& todayMarker) const;
    virtual void DrawCheckBox(CDC* dc, CRect rect, BOOL focused, BOOL checked, BOOL enabled);
    virtual void DrawWindowNcBorder(CWnd* window);
    virtual BOOL HasAutoHideButtonBorder() const;
    virtual void FillAutoHideButton(CDC* dc, CRect rect, IGTLookAutoHideButton* button);
    // widths: the strip widths of the left, top, right and bottom sides.
    virtual void DrawAutoHideButtonBorder(CDC* dc, CRect rect, CRect widths, IGTLookAutoHideButton* button);
    virtual COLORREF GetAutoHideButtonTextColor(IGTLookAutoHideButton* button) const;
    virtual BOOL DrawCalculatorButton(CDC* dc, CRect rect, int state, IGTLookCalculator* calculator);
    virtual BOOL DrawCalculatorDisplay(CDC* dc, CRect rect, CWnd* calculator);
    // state: 0 normal, 1 pressed, 2 highlighted.
    virtual BOOL DrawBrowseButton(CDC* dc, CRect rect, int state, CWnd* edit);
    // state bits: 1 first half pressed, 2 second half pressed, 4 and 8 hot, 16 disabled.
    virtual void DrawSpinButtons(CDC* dc, CRect rect, int state, BOOL horizontal, CWnd* spin);
    virtual void DrawDragFrame(CDC* dc, CRect rectOuter, CRect rectInner, int oldSize, int newSize);
    virtual void DrawBarLabel(CDC* dc, CRect rect, const CString& text);

    // Owner-draw and themed buttons (slots 89 to 102).
    virtual BOOL DrawPushButtonThemed(CDC* dc, CRect rect, IGTLookPushButton* button, UINT state);
    virtual BOOL DrawComboDropButtonThemed(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted);
    virtual BOOL DrawComboBorderThemed(CDC* dc, CRect rect, BOOL disabled, BOOL dropped, BOOL highlighted);
    virtual BOOL FillOwnerDrawButton(CDC* dc, CRect rect, IGTLookPushButton* button);
    virtual BOOL DrawOwnerDrawButtonBorder(CDC* dc, CRect rect, IGTLookPushButton* button);
    virtual void GetSmartDockingColors(COLORREF& base, COLORREF& shadow) const;
    virtual COLORREF GetSmartDockingHighlightColor() const;
    virtual void FillToolBoxPage(CDC* dc, CRect rect);
    virtual void DrawToolBoxButtonBorder(CDC* dc, CRect rect);
    virtual COLORREF FillHeaderCaption(CDC* dc, CRect rect);
    virtual void FillTabPage(CDC* dc, IGTLookPropertyPage* page, CRect rect);
    virtual void DrawOwnerDrawButtonFrame(CDC* dc, CRect rect, IGTLookPushButton* button);
    virtual BOOL UsesWindowThemeForButton(IGTLookPushButton* button) const;
    virtual COLORREF FillPropSheetListItem(CDC* dc, CRect rect, BOOL pushed, BOOL selected, BOOL noSeparator);

    // Grid (slots 103 to 109).
    virtual void FillGridArea(CDC* dc, CRect rect, IGTLookGrid* grid, BOOL active);
    virtual COLORREF GetGridLineColor(IGTLookGrid* grid) const;
    virtual void DrawGridHeaderBar(CDC* dc, CRect rect, IGTLookGrid* grid);
    virtual void DrawGridExpandBox(CDC* dc, CRect rect, BOOL expanded, COLORREF color);
    virtual void FillGridHeader(CDC* dc, CRect rect, IGTLookGrid* grid);
    virtual void DrawGridHeaderItemBorder(CDC* dc, CRect rect, IGTLookGrid* grid, BOOL pressed);
    virtual COLORREF GetGridLeftOffsetColor(IGTLookGrid* grid) const;

    // Menus and customization metrics (slots 110 to 117).
    virtual int GetMenuImageMargin() const;
    virtual BOOL IsCustomizeDialogStandard() const;
    virtual int GetCustomizeButtonMargin() const;
    virtual BOOL DrawsMenuItemText() const;
    virtual BOOL GetMenuStyleFlag() const;
    virtual int GetMenuScrollPadding() const;
    virtual int GetShowAllButtonHeight(CDC* dc, CSize sizeDefault);
    virtual void DrawShowAllButton(CDC* dc, CRect rect, int state);

    // Asked by the toolbars, menus and tab windows beyond the slots above.
    virtual BOOL IsLook2000Allowed() const;
    // -1: disabled images keep their own grey.
    virtual COLORREF GetToolbarDisabledColor() const;
    virtual int GetPopupMenuBorderSize() const;
    virtual void ResetAfterLookChange();
    virtual void DrawTabButtonBorder(CDC* dc, CRect rect, IGTLookPushButton* button, UINT flags, IGTLookTabWnd* tabWnd);
    virtual void DrawMenuImageColumn(CDC* dc, CRect rect, IGTLookButton* button);
    // Rows of auto-hide toolbars pull their bars back by half a length and redraw them at once.
    virtual BOOL GetAutoHideLayoutFlag() const;
    // The border of MDI tab windows; -1: the tab window's own.
    virtual int GetMDITabBorderSize() const;
    // An outlook bar's page button: the border, answering the label colour, and the face.
    virtual COLORREF DrawOutlookPageButtonBorder(CDC* dc, CRect& rect, BOOL highlighted, BOOL pressed);
    virtual void FillOutlookPageButton(CDC* dc, CRect rect);
    // A desktop application bar's frame (sunken while pressed) and its caption with the text.
    virtual void DrawAppBarBorder(CDC* dc, CWnd* bar, CRect rectWindow, CRect rectCaption, BOOL pressed);
    virtual void DrawAppBarCaption(CDC* dc, CWnd* bar, CRect rectWindow, CRect rectCaption, const CString& text);

protected:
    // The one-pixel edges of a bar's CBRS_BORDER_ sides, light on the left and top, dark on the
    // right and bottom, with an etched line along the top when asked; the rectangle loses them.
    static void DrawBorderEdges(CDC* dc, DWORD style, CRect& rect, COLORREF light, COLORREF dark, BOOL etchedTop);
    // A task in the classic manner, enabled commands in commandColor when they have no
    // colour of their own, unwrapped text in singleLineFormat.
    void DrawTaskInColors(CDC* dc, IGTLookTask* task, CImageList* images, BOOL highlighted, COLORREF commandColor,
                          UINT singleLineFormat);
    // The glyph colour style for a caption button.
    static int CaptionGlyphStyle(const IGTLookCaptionButton& button, BOOL activeCaption, BOOL disabled);

private:
    void DrawTabOutline(CDC* dc, const CPoint* points, int count, BOOL active, IGTLookTabWnd* tabWnd);
    CBrush& GetDitherBrush();
};
