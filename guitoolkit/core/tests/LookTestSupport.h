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
    BOOL UsesDialogColors() const override { return dialog; }
    GTLookBarKind GetLookKind() const override { return kind; }
    DWORD GetBarStyle() const override { return style; }
    BOOL DrawsOwnBorder() const override { return ownBorder; }
    BOOL KeepsTopEdgePlain() const override { return plainTop; }
    COLORREF GetBackgroundColor() const override { return background; }
};

struct FakeButton : IGTLookButton {
    UINT style = 0;
    BOOL outlook = FALSE, showAll = FALSE, menuButton = FALSE, menuItem = FALSE;
    BOOL customizing = FALSE, usableWhileCustomizing = TRUE;
    COLORREF hotText = RGB(0, 0, 255);
    UINT GetStyle() const override { return style; }
    BOOL IsOutlookButton() const override { return outlook; }
    BOOL IsShowAllButton() const override { return showAll; }
    BOOL IsMenuButton() const override { return menuButton; }
    BOOL IsMenuItem() const override { return menuItem; }
    BOOL DrawOwnBorder(CDC*, const CRect&, int) override { return FALSE; }
    BOOL IsUsableInCustomizeMode() const override { return usableWhileCustomizing; }
    BOOL IsCustomizeMode() const override { return customizing; }
    COLORREF GetHotTextColor() const override { return hotText; }
};

struct FakeCaptionButton : IGTLookCaptionButton {
    BOOL pushed = FALSE, highlighted = FALSE, hidden = FALSE;
    COLORREF foreground = static_cast<COLORREF>(-1);
    int glyph = 5;
    CPoint position = CPoint(0, 0);
    BOOL IsPushed() const override { return pushed; }
    BOOL IsHighlighted() const override { return highlighted; }
    BOOL IsHidden() const override { return hidden; }
    COLORREF GetForegroundColor() const override { return foreground; }
    int GetIconID(BOOL, BOOL) const override { return glyph; }
    CPoint GetPosition() const override { return position; }
};

struct FakeGrid : IGTLookGrid {
    COLORREF marker = static_cast<COLORREF>(-1);
    int mode = 2;
    BOOL UsesDialogColors() const override { return FALSE; }
    COLORREF GetMarkerColor() const override { return marker; }
    int GetMarkerMode() const override { return mode; }
};

struct FakeTabWnd : IGTLookTabWnd {
    GTTabLook look = GTTabLook::Plain3D;
    int active = 0;
    COLORREF tabColor = static_cast<COLORREF>(-1);
    BOOL UsesDialogColors() const override { return FALSE; }
    GTTabLook GetTabLook() const override { return look; }
    BOOL AreTabsOnTop() const override { return TRUE; }
    int GetActiveTab() const override { return active; }
    CString GetTabLabel(int) const override { return CString(); }
    COLORREF GetTabBackgroundColor(int) const override { return tabColor; }
    COLORREF GetTabTextColor(int) const override { return static_cast<COLORREF>(-1); }
    BOOL DrawsColoredTabs() const override { return TRUE; }
    CImageList* GetImageList() const override { return nullptr; }
    int GetTabImage(int) const override { return -1; }
    HICON GetTabIcon(int) const override { return nullptr; }
    CSize GetImageSize() const override { return CSize(16, 16); }
    int GetImageMargin() const override { return 4; }
    BOOL DrawsLabelsWithoutPrefix() const override { return TRUE; }
};
