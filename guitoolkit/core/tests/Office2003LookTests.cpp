#include <gtest/gtest.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTVisualManager2003.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <functional>
#include "FakeThemeApi.h"
#include "LookTestSupport.h"

namespace {
const COLORREF background = RGB(1, 2, 3);
const COLORREF menuHighlight = RGB(49, 106, 197);  // the scheme's base colour
const COLORREF window = RGB(250, 250, 250);
const COLORREF face = RGB(236, 233, 216);
const COLORREF light = RGB(240, 240, 230);
const COLORREF accentPush = RGB(230, 180, 100), accentRadio = RGB(200, 140, 60);
const COLORREF closeFill = RGB(250, 220, 180), radioBorder = RGB(0, 60, 140), pressedAccent = RGB(80, 120, 220);

COLORREF Scale(COLORREF color, int percent)
{
    return CGTDrawManager::ScaleColor(color, percent);
}

COLORREF Mix(COLORREF c1, COLORREF c2, double lightness, int w1, int w2)
{
    return CGTDrawManager::BlendColorsHsv(c1, c2, lightness, w1, w2);
}

// A standard style with fixed colours.
void PlayScheme(FakeThemeApi& api, const wchar_t* colorName)
{
    api.colorName = colorName;
    api.sysColors = {{COLOR_MENUHILIGHT, menuHighlight},
                     {COLOR_WINDOW, window},
                     {COLOR_3DFACE, face},
                     {COLOR_3DLIGHT, light},
                     {COLOR_3DSHADOW, RGB(160, 160, 150)},
                     {COLOR_3DHIGHLIGHT, RGB(255, 255, 255)},
                     {COLOR_3DDKSHADOW, RGB(100, 100, 100)}};
    api.colors[{L"BUTTON", 1, 0, 3823}] = accentPush;
    api.colors[{L"BUTTON", 2, 0, 3823}] = accentRadio;
    api.colors[{L"WINDOW", 18, 0, 3821}] = closeFill;
    api.colors[{L"BUTTON", 2, 0, 3822}] = radioBorder;
    api.colors[{L"BUTTON", 1, 5, 3823}] = pressedAccent;
}

class Office2003Look : public ::testing::Test {
protected:
    void SetUp() override
    {
        GuiToolkitGlobals& g = theGuiToolkitGlobals;
        m_BitsPerPixel = g.bitsPerPixel;
        g.bitsPerPixel = 32;
        g.rectWorkArea = CRect(0, 0, 800, 600);
    }
    void TearDown() override
    {
        CGTVisualManager2003::UseLunaColors = TRUE;
        theGuiToolkitGlobals.bitsPerPixel = m_BitsPerPixel;
        theGuiToolkitGlobals.isBlackHighContrast = FALSE;
        theGuiToolkitGlobals.UpdateSysColors();
        theGuiToolkitGlobals.UpdateWorkArea();
    }
    FakeThemeApi api;

private:
    int m_BitsPerPixel = 32;
};
}  // namespace

TEST_F(Office2003Look, ColoursFollowTheScheme)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    PlayScheme(api, L"NormalColor");
    {
        CGTVisualManager2003 look(TRUE);
        EXPECT_EQ(look.ColorScheme, 1);
        EXPECT_TRUE(look.IsStandardScheme);
        const COLORREF barFace = Mix(menuHighlight, window, 1.0, 1, 1);
        EXPECT_EQ(g.colorBarFace, barFace);
        EXPECT_EQ(g.colorBarHighlight, Scale(barFace, 130));
        EXPECT_EQ(g.colorBarShadow, Mix(pressedAccent, menuHighlight, 1.4, 1, 3));
        EXPECT_EQ(look.ToolbarGradientDark, Mix(menuHighlight, face, 0.93, 2, 1));
        EXPECT_EQ(look.BarGradientDark, Mix(menuHighlight, light, 0.99, 2, 1));
        EXPECT_EQ(look.ToolbarGradientLight, Mix(menuHighlight, window, 1.03, 1, 1));
        EXPECT_EQ(look.MenuHighlightColor, Mix(accentPush, accentRadio, 1.3, 1, 1));
        EXPECT_EQ(look.HotGradientLight, Mix(accentPush, closeFill, 1.55, 2, 1));
        EXPECT_EQ(look.CheckedGradientDark, Scale(Mix(accentPush, closeFill, 1.03, 1, 2), 120));
        EXPECT_EQ(look.ToolbarEdgeColor, Scale(look.ToolbarGradientDark, 50));
        EXPECT_EQ(look.GripperDarkColor, Scale(Scale(look.ToolbarGradientDark, 98), 40));
        EXPECT_EQ(look.colorHotBorder, look.GripperDarkColor);
        EXPECT_EQ(look.DefaultItemColor, RGB(255, 255, 213));
    }
    PlayScheme(api, L"HomeStead");
    {
        CGTVisualManager2003 look(TRUE);
        EXPECT_EQ(look.ColorScheme, 2);
        EXPECT_EQ(g.colorBarFace, Mix(Scale(menuHighlight, 120), Mix(menuHighlight, window, 1.0, 2, 1), 1.0, 2, 1));
        EXPECT_EQ(look.ToolbarGradientDark, Scale(menuHighlight, 120));
        EXPECT_EQ(look.BarGradientDark, Mix(menuHighlight, face, 0.87, 1, 3));
    }
    PlayScheme(api, L"Metallic");
    {
        CGTVisualManager2003 look(TRUE);
        EXPECT_EQ(look.ColorScheme, 3);
        // Silver keeps the shadow of its face.
        EXPECT_EQ(g.colorBarShadow, Scale(g.colorBarFace, 70));
        EXPECT_EQ(look.BarGradientDark, Scale(menuHighlight, 120));
        EXPECT_EQ(look.ToolbarEdgeColor, Scale(look.ToolbarGradientDark, 80));
    }
}

TEST_F(Office2003Look, OtherStylesMixFromTheBarFace)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    struct Case {
        const wchar_t* file;
        BOOL styleActive, lunaColors;
        int scheme;
    } cases[] = {
        {L"C:\\Themes\\Other.msstyles", TRUE, TRUE, 0},
        {L"C:\\Themes\\Luna.msstyles", TRUE, FALSE, 0},
        {L"C:\\Themes\\Luna.msstyles", FALSE, TRUE, -1},
    };
    for (const Case& c : cases) {
        FakeThemeApi scheme;
        PlayScheme(scheme, L"NormalColor");
        scheme.fileName = c.file;
        scheme.styleActive = c.styleActive;
        CGTVisualManager2003::UseLunaColors = c.lunaColors;
        CGTVisualManager2003 look(TRUE);
        EXPECT_EQ(look.ColorScheme, c.scheme) << c.file << c.lunaColors;
        EXPECT_FALSE(look.IsStandardScheme);
        const COLORREF expectedFace = c.styleActive ? face : ::GetSysColor(COLOR_3DFACE);
        EXPECT_EQ(g.colorBarFace, expectedFace) << c.file;
        EXPECT_EQ(look.ToolbarGradientDark,
                  Mix(expectedFace, c.styleActive ? face : ::GetSysColor(COLOR_3DFACE), 0.93, 2, 1));
        EXPECT_EQ(look.MenuHighlightColor, static_cast<COLORREF>(-1));
        EXPECT_EQ(look.HotGradientLight, look.colorHotFill);
        EXPECT_EQ(look.ToolbarEdgeColor, Scale(look.ToolbarGradientDark, 70));
    }
}

TEST_F(Office2003Look, FewColoursDrawAsTheOfficeXPLook)
{
    api.styleActive = FALSE;
    theGuiToolkitGlobals.bitsPerPixel = 8;
    CGTVisualManager2003 look(TRUE);
    CGTVisualManagerXP office(TRUE);
    FakeBar toolbar, menuBar;
    toolbar.style = CBRS_ALIGN_TOP;
    menuBar.kind = GTLookBarKind::MenuBar;
    FakeButton hot;
    hot.parent = &toolbar;
    FakeTabWnd tabs;
    const std::function<void(CGTVisualManager&, CDC*)> operations[] = {
        [&](CGTVisualManager& l, CDC* dc) { l.DrawBarBackground(dc, &toolbar, CRect(0, 0, 80, 30), CRect()); },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawBarBackground(dc, &menuBar, CRect(0, 0, 80, 30), CRect()); },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawGripper(dc, CRect(0, 0, 8, 30), TRUE, &toolbar); },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawSeparator(dc, &toolbar, CRect(0, 0, 8, 30), TRUE); },
        [&](CGTVisualManager& l, CDC* dc) {
            l.FillButtonInterior(dc, &hot, CRect(0, 0, 23, 22), 2);
            l.DrawButtonBorder(dc, &hot, CRect(0, 0, 23, 22), 2);
        },
        [&](CGTVisualManager& l, CDC* dc) {
            l.DrawComboDropButton(dc, CRect(0, 0, 15, 20), FALSE, FALSE, TRUE, nullptr);
        },
        [&](CGTVisualManager& l, CDC* dc) { l.FillDockingCaption(dc, &toolbar, TRUE, CRect(0, 0, 80, 20)); },
        [&](CGTVisualManager& l, CDC* dc) { l.FillTabArea(dc, CRect(0, 0, 80, 24), &tabs); },
        [&](CGTVisualManager& l, CDC* dc) { l.FillCommandListItem(dc, CRect(0, 0, 80, 20), TRUE); },
    };
    int index = 0;
    for (const auto& operation : operations) {
        TestCanvas own(80, 30, background), plain(80, 30, background);
        operation(look, &own.dc());
        operation(office, &plain.dc());
        int differing = 0;
        for (int x = 0; x < 80; ++x)
            for (int y = 0; y < 30; ++y)
                differing += own.Pixel(x, y) != plain.Pixel(x, y);
        EXPECT_EQ(differing, 0) << "operation " << index;
        ++index;
    }
}

TEST_F(Office2003Look, GripperDotsFillTheStripEveryFourPixels)
{
    PlayScheme(api, L"NormalColor");
    CGTVisualManager2003 look(TRUE);
    FakeBar other, toolbar;
    other.kind = GTLookBarKind::Other;
    toolbar.buttonSize = CSize(23, 22);
    toolbar.imageSize = CSize(16, 15);
    struct Case {
        FakeBar* bar;
        int length, dots;
    } cases[] = {{&other, 7, 0}, {&other, 8, 1}, {&other, 11, 1}, {&other, 12, 2}, {&other, 30, 6}, {&toolbar, 30, 5}};
    for (const Case& c : cases) {
        TestCanvas canvas(10, 40, background);
        look.DrawGripper(&canvas.dc(), CRect(0, 0, 8, c.length), TRUE, c.bar);
        // Dots sit in the last 4 pixels across the bar, two dark rows each in the first column.
        EXPECT_EQ(canvas.Count(CRect(4, 0, 5, 40), look.GripperDarkColor), 2 * c.dots) << c.length;
        EXPECT_EQ(canvas.Count(CRect(0, 0, 4, 40), background), 4 * 40) << c.length;
    }
}

TEST_F(Office2003Look, SelectedCommandTextIsBlackOnlyOnLightFills)
{
    PlayScheme(api, L"NormalColor");
    CGTVisualManager2003 look(TRUE);
    TestCanvas canvas(40, 20);
    struct Case {
        COLORREF fill, text;
    } cases[] = {{RGB(129, 129, 129), RGB(0, 0, 0)},
                 {RGB(128, 200, 200), RGB(255, 255, 255)},
                 {RGB(255, 255, 129), RGB(0, 0, 0)},
                 {RGB(255, 128, 255), RGB(255, 255, 255)}};
    for (const Case& c : cases) {
        look.MenuHighlightColor = c.fill;
        EXPECT_EQ(look.FillCommandListItem(&canvas.dc(), CRect(0, 0, 40, 20), TRUE), c.text) << std::hex << c.fill;
        EXPECT_EQ(canvas.Pixel(20, 10), c.fill);
    }
}

TEST_F(Office2003Look, BarsOneAboveTheOtherContinueOneGradient)
{
    PlayScheme(api, L"NormalColor");
    CGTVisualManager2003 look(TRUE);
    FakeBar menuBar, dockBar;
    menuBar.kind = GTLookBarKind::MenuBar;
    dockBar.kind = GTLookBarKind::Other;
    TestCanvas canvas(500, 20, background);
    look.DrawBarBackground(&canvas.dc(), &menuBar, CRect(0, 0, 300, 10), CRect());
    look.DrawBarBackground(&canvas.dc(), &dockBar, CRect(0, 10, 500, 20), CRect());
    for (int x : {0, 150, 299})
        EXPECT_EQ(canvas.Pixel(x, 5), canvas.Pixel(x, 15)) << x;
    EXPECT_NE(canvas.Pixel(0, 5), canvas.Pixel(299, 5));
    EXPECT_EQ(canvas.Pixel(300, 5), background);
}

TEST(LookSettings, EachLookIndentsTaskGroupNamesByItsOwnMetrics)
{
    FakeThemeApi api;
    CGTVisualManagerXP office(TRUE);
    CGTVisualManager2003 look(TRUE);
    FakeTasksPane pane;
    FakeTasksGroup group;
    group.pane = &pane;
    group.name = L"I";
    group.text = theGuiToolkitGlobals.colorBarText;
    group.caption = CRect(0, 0, 80, 20);
    // Where the name's first column of text colour is, with the pane's own offset or the look's.
    const auto nameStart = [&](CGTVisualManager& l, int offset) {
        pane.captionOffsetX = offset;
        TestCanvas canvas(80, 20, RGB(1, 2, 3));
        l.DrawTasksGroupCaption(&canvas.dc(), &group, FALSE, FALSE, FALSE);
        for (int x = 0; x < 80; ++x)
            if (canvas.Count(CRect(x, 0, x + 1, 20), group.text) > 0)
                return x;
        return -1;
    };
    const int officeStart = nameStart(office, -1);
    ASSERT_GE(officeStart, 0);
    EXPECT_EQ(nameStart(office, 7), officeStart + 7);
    // The Office 2003 look sets its name three pixels further in than the Office XP look.
    EXPECT_EQ(nameStart(look, -1), officeStart + 3);
    theGuiToolkitGlobals.UpdateSysColors();
}
