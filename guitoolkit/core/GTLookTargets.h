// What a look reads of the controls it draws for. The controls live in the modules built
// on the core (toolbars, docking, grid and controls); each implements the interfaces of
// its family, so that the visual managers can ask them without depending on them.
#pragma once
#include <afxwin.h>

class CImageList;
class IGTLookPopupMenu;
class IGTLookCustomizeButton;

// Toolbar-button style bits as the toolbar buttons keep them.
enum : UINT {
    GTButtonChecked = 0x10000,
    GTButtonPressed = 0x20000,
    GTButtonDisabled = 0x40000,
    GTButtonIndeterminate = 0x100000,
};

// Status-bar pane styles.
enum : UINT {
    GTPaneNoBorders = 0x100,
    GTPanePopOut = 0x200,
};

// Any toolkit control whose colours a look picks.
class IGTLookControl {
public:
    // Drawn in the button colours, as a dialog control (else in the bar colours).
    virtual BOOL UsesDialogColors() const = 0;
    // The control's window; null while it has none.
    virtual CWnd* GetControlWindow() const = 0;

protected:
    ~IGTLookControl() = default;
};

// The kinds of bars the looks tell apart.
enum class GTLookBarKind {
    Other,
    Toolbar,
    DropDownToolbar,
    MenuBar,
    PopupMenuBar,
    StatusBar,
    CaptionBar,
    OutlookPane,
    ToolBoxPage,
    TasksPane,
    DockingPane,
    AutoHideDockBar,
    Slider,
    ColorBar,
    Calculator,
    CalendarBar,
    Rebar,
};

class IGTLookBar : public IGTLookControl {
public:
    virtual GTLookBarKind GetLookKind() const = 0;
    // CBRS_ border, alignment and floating bits.
    virtual DWORD GetBarStyle() const = 0;
    virtual BOOL DrawsOwnBorder() const = 0;
    // The bar keeps its top edge free of the etched line the base border draws there.
    virtual BOOL KeepsTopEdgePlain() const = 0;
    // The bar's own background colour (caption bars); -1 for none.
    virtual COLORREF GetBackgroundColor() const = 0;
    // The bar this one sits on (a dock bar, a rebar); null for none.
    virtual IGTLookBar* GetParentBar() const = 0;
    // Toolbars: the button and image sizes; other bars answer empty sizes.
    virtual CSize GetButtonSize() const = 0;
    virtual CSize GetImageSize() const = 0;
    // A docked toolbar drawn with cut corners.
    virtual BOOL IsRounded() const = 0;
    // The toolbar's customize button when it is its last button; null for none.
    virtual IGTLookCustomizeButton* GetLookCustomizeButton() const = 0;
    // Popup menu bars: the menu that holds them (null for other bars), and whether they
    // show the column of item images (a palette does not).
    virtual IGTLookPopupMenu* GetPopupMenu() const = 0;
    virtual BOOL ShowsImageColumn() const = 0;

protected:
    ~IGTLookBar() = default;
};

class IGTLookButton {
public:
    // GTButton* style bits.
    virtual UINT GetStyle() const = 0;
    virtual BOOL IsOutlookButton() const = 0;
    virtual BOOL IsShowAllButton() const = 0;
    virtual BOOL IsMenuButton() const = 0;
    // A menu button whose menu is a popup menu bar: an item of a menu.
    virtual BOOL IsMenuItem() const = 0;
    // A menu button may draw its own border; answers whether it did.
    virtual BOOL DrawOwnBorder(CDC* dc, const CRect& rect, int state) = 0;
    // Whether the button takes part while the toolbars are being customized.
    virtual BOOL IsUsableInCustomizeMode() const = 0;
    // Whether the toolbars are being customized now.
    virtual BOOL IsCustomizeMode() const = 0;
    // Whether customizing edits this button now: customize mode (not the kind that only
    // drags with the Alt key) on a bar that is not locked.
    virtual BOOL IsBeingCustomized() const = 0;
    // The hot text colour of the button's toolbar.
    virtual COLORREF GetHotTextColor() const = 0;
    // The bar the button sits on; null for none.
    virtual IGTLookBar* GetParentBar() const = 0;
    // The menu a menu button has open and showing; null otherwise.
    virtual IGTLookPopupMenu* GetOpenMenu() const = 0;
    // Where the button is on the screen.
    virtual CRect GetScreenRect() const = 0;
    // The toolbar's customize button answers itself; other buttons null.
    virtual IGTLookCustomizeButton* AsCustomizeButton() = 0;

protected:
    ~IGTLookButton() = default;
};

// The chevron at the end of a toolbar, through which hidden buttons and the customizing
// menu are reached.
class IGTLookCustomizeButton {
public:
    virtual CRect GetRect() const = 0;
    // Drawn as the chevron area itself (its interior is not filled as a button).
    virtual BOOL IsChevron() const = 0;
    virtual UINT GetStyle() const = 0;
    virtual BOOL IsHot() const = 0;
    virtual BOOL IsPushed() const = 0;
    // The marks it shows: the chevron of hidden buttons, the customizing arrow.
    virtual BOOL ShowsHiddenButtonsMark() const = 0;
    virtual BOOL ShowsCustomizeMark() const = 0;
    // The size it takes up to the toolbar's edge; the look sets it before drawing.
    virtual CSize GetStretchedSize() const = 0;
    virtual void SetStretchedSize(CSize size) = 0;

protected:
    ~IGTLookCustomizeButton() = default;
};

class IGTLookPopupMenu {
public:
    // The menu's window rectangle on the screen.
    virtual CRect GetScreenRect() const = 0;
    // The bar button the menu drops from; null for sub-menus and context menus.
    virtual IGTLookButton* GetParentButton() const = 0;
    virtual BOOL DropsFromMenuBar() const = 0;
    virtual BOOL DropsFromCustomizeButton() const = 0;
    // Clear: the image column takes room for an image and a check mark side by side.
    virtual BOOL HasWideMargin() const = 0;
    virtual BOOL IsRightToLeft() const = 0;
    // Menu shadows are on and this menu does not refuse one.
    virtual BOOL CastsShadow() const = 0;
    virtual BOOL IsCustomizeMode() const = 0;

protected:
    ~IGTLookPopupMenu() = default;
};

// Owner-draw push buttons and the buttons on tab windows.
class IGTLookPushButton {
public:
    virtual BOOL IsPushed() const = 0;
    virtual BOOL IsHighlighted() const = 0;
    virtual BOOL IsChecked() const = 0;
    virtual BOOL IsEnabled() const = 0;
    virtual BOOL HasFocus() const = 0;
    // The button asks for both caption-look flags (a small close button).
    virtual BOOL HasCaptionLook() const = 0;
    virtual CWnd* GetButtonWindow() const = 0;

protected:
    ~IGTLookPushButton() = default;
};

class IGTLookCaptionButton {
public:
    virtual BOOL IsPushed() const = 0;
    virtual BOOL IsHighlighted() const = 0;
    // A menu button whose menu is open: it counts as highlighted.
    virtual BOOL IsDroppedDown() const = 0;
    virtual BOOL IsHidden() const = 0;
    // The caption colour given to the button; -1 for none.
    virtual COLORREF GetForegroundColor() const = 0;
    // The button's own glyph for the caption's orientation; -1 for none.
    virtual int GetIconID(BOOL horizontal, BOOL maximized) const = 0;
    virtual CPoint GetPosition() const = 0;
    // HT* code of what the button does (HTCLOSE, HTMINBUTTON, ...).
    virtual UINT GetHitTest() const = 0;
    // The button sits on a floating mini frame's caption.
    virtual BOOL IsOnMiniFrame() const = 0;

protected:
    ~IGTLookCaptionButton() = default;
};

enum class GTTabLook {
    Plain3D,
    Flat,
    // Tabs with a short slope, each in its own colour.
    SlopedCompact,
    // Tabs with a long slope, the active one framed.
    Sloped,
};

class IGTLookTabWnd : public IGTLookControl {
public:
    virtual GTTabLook GetTabLook() const = 0;
    // Tabs whose ends are rounded off (combined with any look).
    virtual BOOL HasRoundedEnds() const = 0;
    // Drawn in a flat frame.
    virtual BOOL HasFlatFrame() const = 0;
    // The strip of a property sheet.
    virtual BOOL IsPropertySheetTab() const = 0;
    virtual BOOL AreTabsOnTop() const = 0;
    virtual int GetActiveTab() const = 0;
    // The tab under the mouse; -1 for none.
    virtual int GetHighlightedTab() const = 0;
    // The strip of tabs, in client coordinates.
    virtual CRect GetTabAreaRect() const = 0;
    virtual CString GetTabLabel(int tab) const = 0;
    // The tab's own colours; -1 for none.
    virtual COLORREF GetTabBackgroundColor(int tab) const = 0;
    virtual COLORREF GetTabTextColor(int tab) const = 0;
    virtual void SetTabBackgroundColor(int tab, COLORREF color) = 0;
    virtual void SetTabTextColor(int tab, COLORREF color) = 0;
    virtual BOOL DrawsColoredTabs() const = 0;
    // Inactive tabs keep the normal text colour (else they are dimmed).
    virtual BOOL KeepsTextColor() const = 0;
    // The tab's image in the image list (-1 for none), else its icon (null for none).
    virtual CImageList* GetImageList() const = 0;
    virtual int GetTabImage(int tab) const = 0;
    virtual HICON GetTabIcon(int tab) const = 0;
    virtual CSize GetImageSize() const = 0;
    virtual int GetImageMargin() const = 0;
    virtual BOOL DrawsLabelsWithoutPrefix() const = 0;
    // The bar that holds the tab window; null for none.
    virtual IGTLookBar* GetParentBar() const = 0;

protected:
    ~IGTLookTabWnd() = default;
};

class IGTLookTasksPane {
public:
    virtual BOOL IsToolBox() const = 0;
    // Offsets of group captions and tasks; -1 takes the manager's metrics.
    virtual int GetCaptionOffsetX() const = 0;
    virtual int GetCaptionOffsetY() const = 0;
    virtual int GetTaskOffset() const = 0;
    virtual BOOL WrapsTaskText(BOOL labels) const = 0;

protected:
    ~IGTLookTasksPane() = default;
};

class IGTLookTasksGroup {
public:
    virtual IGTLookTasksPane* GetPane() const = 0;
    virtual CRect GetCaptionRect() const = 0;
    virtual CString GetName() const = 0;
    virtual HICON GetIcon() const = 0;
    virtual CSize GetIconSize() const = 0;
    virtual BOOL IsSpecial() const = 0;
    virtual BOOL IsCollapsed() const = 0;
    // -1 for none.
    virtual COLORREF GetTextColor() const = 0;
    virtual COLORREF GetHotTextColor() const = 0;

protected:
    ~IGTLookTasksGroup() = default;
};

class IGTLookTask {
public:
    virtual IGTLookTasksPane* GetPane() const = 0;
    virtual CRect GetRect() const = 0;
    virtual CString GetName() const = 0;
    virtual int GetImage() const = 0;
    virtual BOOL IsSeparator() const = 0;
    virtual BOOL IsEnabled() const = 0;
    // A label task shows text only; the others run a command.
    virtual BOOL IsLabel() const = 0;
    virtual BOOL IsBold() const = 0;
    // -1 for none.
    virtual COLORREF GetTextColor() const = 0;
    virtual COLORREF GetHotTextColor() const = 0;

protected:
    ~IGTLookTask() = default;
};

class IGTLookGrid : public IGTLookControl {
public:
    // -1 for none.
    virtual COLORREF GetMarkerColor() const = 0;
    // 0 and 1 are the dithered modes.
    virtual int GetMarkerMode() const = 0;
    // The colour of the item being drawn; -1 for none.
    virtual COLORREF GetItemColor() const = 0;
    // Grid lines: in the item's colour as it is (else darkened), and in the darker of
    // the two line shades.
    virtual BOOL KeepsLineColor() const = 0;
    virtual BOOL DrawsDarkLines() const = 0;

protected:
    ~IGTLookGrid() = default;
};

class IGTLookMiniFrame {
public:
    // 1 and 2 mark the frame in dark red and dark blue; anything else is the plain frame.
    virtual int GetLookState() const = 0;

protected:
    ~IGTLookMiniFrame() = default;
};

class IGTLookAutoHideButton {
public:
    // CBRS_ALIGN_ bit of the side the button sits on.
    virtual DWORD GetAlignment() const = 0;
    virtual BOOL IsHighlighted() const = 0;

protected:
    ~IGTLookAutoHideButton() = default;
};

class IGTLookPropertyPage {
public:
    virtual BOOL HasOwnBackground() const = 0;
    virtual CWnd* GetPageWindow() = 0;
    virtual BOOL IsPushed() const = 0;
    virtual BOOL IsHighlighted() const = 0;

protected:
    ~IGTLookPropertyPage() = default;
};

class IGTLookCalculator {
public:
    // Plain keys in the button colours rather than the toolbar's.
    virtual BOOL UsesButtonColors() const = 0;

protected:
    ~IGTLookCalculator() = default;
};
