// Drawing surfaces and stand-ins for the controls a look draws for.
#pragma once
#include <afxwin.h>
#include <guitoolkit/core/GTLookTargets.h>

// A 32-bit top-down DIB section selected into a memory DC, filled with one colour.
class TestCanvas {
public:
    TestCanvas(int width, int height, COLORREF background = RGB(1, 2, 3));
    ~TestCanvas();
    CDC& dc() { return m_dc; }
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF color);
    // Number of pixels of this colour in the rectangle.
    int Count(const CRect& rect, COLORREF color) const;

private:
    CDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    DWORD* m_bits;
    int m_width;
    int m_height;
};

struct FakeBar : IGTLookBar {
    GTLookBarKind kind = GTLookBarKind::Toolbar;
    DWORD style = 0;
    BOOL dialog = FALSE;
    BOOL ownBorder = FALSE;
    BOOL plainTop = TRUE;
    COLORREF background = static_cast<COLORREF>(-1);
    CWnd* window = nullptr;
    IGTLookBar* parent = nullptr;
    CSize buttonSize = CSize(0, 0), imageSize = CSize(0, 0);
    BOOL rounded = FALSE;
    IGTLookCustomizeButton* customizeButton = nullptr;
    IGTLookPopupMenu* popupMenu = nullptr;
    BOOL imageColumn = TRUE;
    BOOL UsesDialogColors() const override { return dialog; }
    CWnd* GetControlWindow() const override { return window; }
    GTLookBarKind GetLookKind() const override { return kind; }
    DWORD GetBarStyle() const override { return style; }
    BOOL DrawsOwnBorder() const override { return ownBorder; }
    BOOL KeepsTopEdgePlain() const override { return plainTop; }
    COLORREF GetBackgroundColor() const override { return background; }
    IGTLookBar* GetParentBar() const override { return parent; }
    CSize GetButtonSize() const override { return buttonSize; }
    CSize GetImageSize() const override { return imageSize; }
    BOOL IsRounded() const override { return rounded; }
    IGTLookCustomizeButton* GetLookCustomizeButton() const override { return customizeButton; }
    IGTLookPopupMenu* GetPopupMenu() const override { return popupMenu; }
    BOOL ShowsImageColumn() const override { return imageColumn; }
};

struct FakeButton : IGTLookButton {
    UINT style = 0;
    BOOL outlook = FALSE, showAll = FALSE, menuButton = FALSE, menuItem = FALSE;
    BOOL customizing = FALSE, usableWhileCustomizing = TRUE, beingCustomized = FALSE;
    COLORREF hotText = RGB(0, 0, 255);
    IGTLookBar* parent = nullptr;
    IGTLookPopupMenu* openMenu = nullptr;
    CRect screenRect = CRect(0, 0, 0, 0);
    IGTLookCustomizeButton* customize = nullptr;
    UINT GetStyle() const override { return style; }
    BOOL IsOutlookButton() const override { return outlook; }
    BOOL IsShowAllButton() const override { return showAll; }
    BOOL IsMenuButton() const override { return menuButton; }
    BOOL IsMenuItem() const override { return menuItem; }
    BOOL DrawOwnBorder(CDC*, const CRect&, int) override { return FALSE; }
    BOOL IsUsableInCustomizeMode() const override { return usableWhileCustomizing; }
    BOOL IsCustomizeMode() const override { return customizing; }
    BOOL IsBeingCustomized() const override { return beingCustomized; }
    COLORREF GetHotTextColor() const override { return hotText; }
    IGTLookBar* GetParentBar() const override { return parent; }
    IGTLookPopupMenu* GetOpenMenu() const override { return openMenu; }
    CRect GetScreenRect() const override { return screenRect; }
    IGTLookCustomizeButton* AsCustomizeButton() override { return customize; }
};

struct FakeCustomizeButton : IGTLookCustomizeButton {
    CRect rect = CRect(0, 0, 0, 0);
    BOOL chevron = TRUE, hot = FALSE, pushed = FALSE, hiddenMark = TRUE, customizeMark = TRUE;
    UINT style = 0;
    CSize stretched = CSize(0, 0);
    CRect GetRect() const override { return rect; }
    BOOL IsChevron() const override { return chevron; }
    UINT GetStyle() const override { return style; }
    BOOL IsHot() const override { return hot; }
    BOOL IsPushed() const override { return pushed; }
    BOOL ShowsHiddenButtonsMark() const override { return hiddenMark; }
    BOOL ShowsCustomizeMark() const override { return customizeMark; }
    CSize GetStretchedSize() const override { return stretched; }
    void SetStretchedSize(CSize size) override { stretched = size; }
};

struct FakePopupMenu : IGTLookPopupMenu {
    CRect screenRect = CRect(0, 0, 0, 0);
    IGTLookButton* parentButton = nullptr;
    BOOL fromMenuBar = FALSE, fromCustomizeButton = FALSE, wideMargin = TRUE, rightToLeft = FALSE;
    BOOL shadow = TRUE, customizing = FALSE;
    CRect GetScreenRect() const override { return screenRect; }
    IGTLookButton* GetParentButton() const override { return parentButton; }
    BOOL DropsFromMenuBar() const override { return fromMenuBar; }
    BOOL DropsFromCustomizeButton() const override { return fromCustomizeButton; }
    BOOL HasWideMargin() const override { return wideMargin; }
    BOOL IsRightToLeft() const override { return rightToLeft; }
    BOOL CastsShadow() const override { return shadow; }
    BOOL IsCustomizeMode() const override { return customizing; }
};

struct FakePushButton : IGTLookPushButton {
    BOOL pushed = FALSE, highlighted = FALSE, checked = FALSE, enabled = TRUE, focused = FALSE;
    BOOL captionLook = FALSE;
    BOOL IsPushed() const override { return pushed; }
    BOOL IsHighlighted() const override { return highlighted; }
    BOOL IsChecked() const override { return checked; }
    BOOL IsEnabled() const override { return enabled; }
    BOOL HasFocus() const override { return focused; }
    BOOL HasCaptionLook() const override { return captionLook; }
    CWnd* GetButtonWindow() const override { return nullptr; }
};

struct FakeCaptionButton : IGTLookCaptionButton {
    BOOL pushed = FALSE, highlighted = FALSE, dropped = FALSE, hidden = FALSE, onMiniFrame = FALSE;
    UINT hitTest = HTCLOSE;
    COLORREF foreground = static_cast<COLORREF>(-1);
    int glyph = 5;
    CPoint position = CPoint(0, 0);
    BOOL IsPushed() const override { return pushed; }
    BOOL IsHighlighted() const override { return highlighted; }
    BOOL IsDroppedDown() const override { return dropped; }
    BOOL IsHidden() const override { return hidden; }
    COLORREF GetForegroundColor() const override { return foreground; }
    int GetIconID(BOOL, BOOL) const override { return glyph; }
    CPoint GetPosition() const override { return position; }
    UINT GetHitTest() const override { return hitTest; }
    BOOL IsOnMiniFrame() const override { return onMiniFrame; }
};

struct FakeGrid : IGTLookGrid {
    COLORREF marker = static_cast<COLORREF>(-1);
    int mode = 2;
    COLORREF itemColor = static_cast<COLORREF>(-1);
    BOOL keepsLineColor = FALSE, darkLines = FALSE;
    BOOL UsesDialogColors() const override { return FALSE; }
    CWnd* GetControlWindow() const override { return nullptr; }
    COLORREF GetMarkerColor() const override { return marker; }
    int GetMarkerMode() const override { return mode; }
    COLORREF GetItemColor() const override { return itemColor; }
    BOOL KeepsLineColor() const override { return keepsLineColor; }
    BOOL DrawsDarkLines() const override { return darkLines; }
};

struct FakeTabWnd : IGTLookTabWnd {
    GTTabLook look = GTTabLook::Plain3D;
    BOOL roundedEnds = FALSE, flatFrame = FALSE, propertySheet = FALSE, onTop = TRUE, dialog = FALSE;
    int active = 0, highlighted = -1;
    COLORREF tabColor = static_cast<COLORREF>(-1), textColor = static_cast<COLORREF>(-1);
    BOOL keepsTextColor = FALSE;
    CRect tabArea = CRect(0, 0, 0, 0);
    CString label;
    IGTLookBar* parent = nullptr;
    CWnd* window = nullptr;
    BOOL UsesDialogColors() const override { return dialog; }
    CWnd* GetControlWindow() const override { return window; }
    GTTabLook GetTabLook() const override { return look; }
    BOOL HasRoundedEnds() const override { return roundedEnds; }
    BOOL HasFlatFrame() const override { return flatFrame; }
    BOOL IsPropertySheetTab() const override { return propertySheet; }
    BOOL AreTabsOnTop() const override { return onTop; }
    int GetActiveTab() const override { return active; }
    int GetHighlightedTab() const override { return highlighted; }
    CRect GetTabAreaRect() const override { return tabArea; }
    CString GetTabLabel(int) const override { return label; }
    COLORREF GetTabBackgroundColor(int) const override { return tabColor; }
    COLORREF GetTabTextColor(int) const override { return textColor; }
    void SetTabBackgroundColor(int, COLORREF color) override { tabColor = color; }
    void SetTabTextColor(int, COLORREF color) override { textColor = color; }
    BOOL DrawsColoredTabs() const override { return TRUE; }
    BOOL KeepsTextColor() const override { return keepsTextColor; }
    CImageList* GetImageList() const override { return nullptr; }
    int GetTabImage(int) const override { return -1; }
    HICON GetTabIcon(int) const override { return nullptr; }
    CSize GetImageSize() const override { return CSize(16, 16); }
    int GetImageMargin() const override { return 4; }
    BOOL DrawsLabelsWithoutPrefix() const override { return TRUE; }
    IGTLookBar* GetParentBar() const override { return parent; }
};

struct FakeTasksPane : IGTLookTasksPane {
    BOOL toolBox = FALSE;
    int captionOffsetX = -1, captionOffsetY = -1, taskOffset = -1;
    BOOL IsToolBox() const override { return toolBox; }
    int GetCaptionOffsetX() const override { return captionOffsetX; }
    int GetCaptionOffsetY() const override { return captionOffsetY; }
    int GetTaskOffset() const override { return taskOffset; }
    BOOL WrapsTaskText(BOOL) const override { return FALSE; }
};

struct FakeTasksGroup : IGTLookTasksGroup {
    IGTLookTasksPane* pane = nullptr;
    CRect caption = CRect(0, 0, 0, 0);
    CString name;
    BOOL special = FALSE, collapsed = FALSE;
    COLORREF text = RGB(0, 0, 0), hotText = RGB(0, 0, 0);
    IGTLookTasksPane* GetPane() const override { return pane; }
    CRect GetCaptionRect() const override { return caption; }
    CString GetName() const override { return name; }
    HICON GetIcon() const override { return nullptr; }
    CSize GetIconSize() const override { return CSize(0, 0); }
    BOOL IsSpecial() const override { return special; }
    BOOL IsCollapsed() const override { return collapsed; }
    COLORREF GetTextColor() const override { return text; }
    COLORREF GetHotTextColor() const override { return hotText; }
};

struct FakeTask : IGTLookTask {
    IGTLookTasksPane* pane = nullptr;
    CRect rect = CRect(0, 0, 0, 0);
    CString name;
    int image = -1;
    BOOL separator = FALSE, enabled = TRUE, label = FALSE, bold = FALSE;
    COLORREF text = RGB(0, 0, 0), hotText = RGB(0, 0, 0);
    IGTLookTasksPane* GetPane() const override { return pane; }
    CRect GetRect() const override { return rect; }
    CString GetName() const override { return name; }
    int GetImage() const override { return image; }
    BOOL IsSeparator() const override { return separator; }
    BOOL IsEnabled() const override { return enabled; }
    BOOL IsLabel() const override { return label; }
    BOOL IsBold() const override { return bold; }
    COLORREF GetTextColor() const override { return text; }
    COLORREF GetHotTextColor() const override { return hotText; }
};
