#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTVisualManager2003.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <gtest/gtest.h>
#include <string>
#include "GtToolbarsTestIds.h"
#include "ToolbarTestSupport.h"

namespace {
std::vector<std::string>& PaintLog()
{
    static std::vector<std::string> log;
    return log;
}

// Records that the bar's background was asked for.
class BackgroundLook : public CGTVisualManager {
    DECLARE_DYNCREATE(BackgroundLook)
public:
    void DrawBarBackground(CDC* iDc, IGTLookBar* iBar, CRect iClient, CRect iClip) override
    {
        PaintLog().push_back("background");
        CGTVisualManager::DrawBarBackground(iDc, iBar, iClient, iClip);
    }
};
IMPLEMENT_DYNCREATE(BackgroundLook, CGTVisualManager)

// Records each button it draws with the strip it was given.
class StripRecordingBar : public LayoutBar {
public:
    explicit StripRecordingBar(CWnd& iParent) : LayoutBar(iParent, 300, {}) {}
    void DrawButtonItem(CDC*, CGTToolbarButton* iButton, CGTToolBarImages* iImages, BOOL, BOOL iGrayDisabled) override
    {
        const struct {
            GTToolBarImageKind kind;
            const char* name;
        } strips[] = {{GTToolBarImageKind::ColdImages, "cold"},
                      {GTToolBarImageKind::DisabledImages, "disabled"},
                      {GTToolBarImageKind::Images, "normal"},
                      {GTToolBarImageKind::MenuImages, "menu"},
                      {GTToolBarImageKind::DisabledMenuImages, "disabledMenu"}};
        std::string strip = iImages == nullptr ? "none" : iImages == GetUserImages() ? "user" : "?";
        for (const auto& candidate : strips) {
            if (iImages == &ImagesOf(candidate.kind))
                strip = candidate.name;
        }
        PaintLog().push_back(std::to_string(iButton->m_CommandId - ID_GT_TEST_FIRST) + strip +
                             (iGrayDisabled ? "-gray" : ""));
    }
    void SetMenuMode() { m_MenuMode = TRUE; }
};

// Paints the bar into a memory bitmap with the background look; the log tells what was drawn.
class PaintedBitmap {
public:
    explicit PaintedBitmap(CGTToolBar& ioBar)
    {
        CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(BackgroundLook));
        CClientDC screen(&ioBar);
        m_Memory.CreateCompatibleDC(&screen);
        m_Bitmap.CreateCompatibleBitmap(&screen, 300, 40);
        CBitmap* previous = m_Memory.SelectObject(&m_Bitmap);
        PaintLog().clear();
        ioBar.DoPaint(&m_Memory);
        m_Memory.SelectObject(previous);
        CGTVisualManager::SelectManagerClass(nullptr);
        m_Memory.SelectObject(&m_Bitmap);
    }
    COLORREF Pixel(int iX, int iY) { return m_Memory.GetPixel(iX, iY); }

private:
    CBitmap m_Bitmap;
    CDC m_Memory;
};
}  // namespace

TEST(ToolBarPaint, TheBackgroundComesFirstThenEachButtonFromItsStrip)
{
    TestParent parent;
    StripRecordingBar bar(parent);
    ASSERT_TRUE(bar.LoadToolBar(IDR_GT_TEST_BAR, IDR_GT_TEST_BAR, 0, TRUE, IDR_GT_TEST_BAR));
    bar.RecalcButtonLayout();
    bar.GetButton(2)->m_Style |= TBBS_DISABLED;
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(bar.GetButton(3)->Rect().left + 2, 5));
    PaintedBitmap painted(bar);
    // The first button is cold, the second disabled, the third hot.
    EXPECT_EQ((std::vector<std::string>{"background", "0cold", "1disabled-gray", "2normal"}), PaintLog());
    // The separator stands upright across the bar.
    const CRect separator = bar.GetButton(1)->Rect();
    const COLORREF shadow = theGuiToolkitGlobals.colorBarShadow;
    EXPECT_EQ(shadow, painted.Pixel(separator.CenterPoint().x - 1, separator.top + 2));
    EXPECT_NE(shadow, painted.Pixel(separator.left, separator.CenterPoint().y - 1));
}

TEST(ToolBarPaint, MenusAndUserImagesHaveStripsOfTheirOwn)
{
    TestParent parent;
    StripRecordingBar bar(parent);
    ASSERT_TRUE(bar.LoadToolBar(IDR_GT_TEST_BAR, 0, IDR_GT_TEST_BAR, TRUE, 0, IDR_GT_TEST_BAR));
    bar.SetMenuMode();
    bar.GetButton(2)->m_Style |= TBBS_DISABLED;
    CGTToolBarImages userImages;
    CGTToolBar::SetUserImages(&userImages);
    bar.InsertButton(new CGTToolbarButton(ID_GT_TEST_FIRST + 5, 0, nullptr, TRUE, TRUE));
    bar.InsertButton(new CGTToolbarButton(ID_GT_TEST_FIRST + 6, -1, L"No image", TRUE, TRUE));
    bar.RecalcButtonLayout();
    PaintedBitmap painted(bar);
    CGTToolBar::SetUserImages(nullptr);
    EXPECT_EQ((std::vector<std::string>{"background", "0menu", "1disabledMenu-gray", "2menu", "5user", "6none"}),
              PaintLog());
}

TEST(ToolBarPaint, TheButtonChosenForCustomizingIsFramedInTheTextColour)
{
    TestParent parent;
    StripRecordingBar bar(parent);
    ASSERT_TRUE(bar.LoadToolBar(IDR_GT_TEST_BAR));
    bar.RecalcButtonLayout();
    CGTToolBar::SetCustomizeMode(TRUE);
    const CRect selected = bar.GetButton(2)->Rect();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(selected.left + 2, 5));
    PaintedBitmap painted(bar);
    CGTToolBar::SetCustomizeMode(FALSE);
    const COLORREF text = theGuiToolkitGlobals.colorBtnText;
    EXPECT_EQ(text, painted.Pixel(selected.left, selected.top));
    EXPECT_EQ(text, painted.Pixel(selected.left + 1, selected.top + 1));
    EXPECT_EQ(text, painted.Pixel(selected.right - 2, selected.bottom - 2));
    EXPECT_NE(text, painted.Pixel(selected.left + 2, selected.top + 2));
    const CRect other = bar.GetButton(0)->Rect();
    EXPECT_NE(text, painted.Pixel(other.left, other.top));
    CGTToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
}

namespace {
// What a call paints into a bitmap of 300 x 60 (at the given window's colour depth).
class Painted {
public:
    template <class Paint>
    Painted(CWnd& iWindow, Paint iPaint)
    {
        CClientDC screen(&iWindow);
        m_Memory.CreateCompatibleDC(&screen);
        m_Bitmap.CreateCompatibleBitmap(&screen, 300, 60);
        m_Memory.SelectObject(&m_Bitmap);
        m_Memory.FillSolidRect(0, 0, 300, 60, RGB(1, 2, 3));
        iPaint(&m_Memory);
    }
    COLORREF Pixel(int iX, int iY) { return m_Memory.GetPixel(iX, iY); }

private:
    CBitmap m_Bitmap;
    CDC m_Memory;
};
}  // namespace

TEST(ToolBarPaint, ADockedToolbarOfTheOffice2003LookHasCutCornersAFloatingOneSquareOnes)
{
    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(CGTVisualManager2003));
    TestParent parent;
    CGTDockBar dockBar;
    ASSERT_TRUE(dockBar.Create(WS_CHILD | WS_VISIBLE | GTSideTop, CRect(0, 0, 400, 60), &parent));
    dockBar.MoveWindow(0, 0, 400, 60);
    LayoutBar bar(dockBar, 200, {20, 20});
    bar.MoveWindow(30, 10, 200, 30);
    CRect client;
    bar.GetClientRect(&client);
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    Painted under(dockBar, [&](CDC* iDc) { look->DrawBarBackground(iDc, &dockBar, CRect(0, 0, 400, 60), CRect()); });
    const CPoint corners[] = {
        {0, 0}, {client.right - 1, 0}, {0, client.bottom - 1}, {client.right - 1, client.bottom - 1}};

    bar.SetBarStyle(bar.GetBarStyle() | GTStyleFloating);
    EXPECT_FALSE(bar.IsRounded());
    Painted floating(bar, [&](CDC* iDc) { bar.DrawBackground(iDc); });
    ASSERT_NE(under.Pixel(30, 10), floating.Pixel(0, 0));
    // Square: the corners carry the bar's face like their neighbours along the bar.
    for (const CPoint& corner : corners)
        EXPECT_EQ(floating.Pixel(corner.x == 0 ? 2 : corner.x - 2, corner.y), floating.Pixel(corner.x, corner.y))
            << corner.x << "," << corner.y;

    bar.SetBarStyle(bar.GetBarStyle() & ~GTStyleFloating);
    EXPECT_TRUE(bar.IsRounded());
    Painted docked(bar, [&](CDC* iDc) { bar.DrawBackground(iDc); });
    for (const CPoint& corner : corners) {
        // The dock bar shows through each corner; the bar's own face begins inside.
        EXPECT_EQ(under.Pixel(30 + corner.x, 10 + corner.y), docked.Pixel(corner.x, corner.y))
            << corner.x << "," << corner.y;
        const CPoint in(corner.x == 0 ? 2 : corner.x - 2, corner.y == 0 ? 2 : corner.y - 2);
        EXPECT_EQ(floating.Pixel(in.x, in.y), docked.Pixel(in.x, in.y)) << in.x << "," << in.y;
    }
    CGTVisualManager::SelectManagerClass(nullptr);
}
