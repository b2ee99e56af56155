#include <gtest/gtest.h>
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/core/CGTWinXPVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <functional>
#include <vsstyle.h>
#include "FakeThemeApi.h"
#include "LookTestSupport.h"

namespace {
const COLORREF background = RGB(1, 2, 3);

class WinXPLook : public ::testing::Test {
protected:
    void TearDown() override { theGuiToolkitGlobals.UpdateSysColors(); }
    FakeThemeApi api;
};
}  // namespace

TEST_F(WinXPLook, WithoutAStyleEveryOperationDrawsAsTheOfficeXPLook)
{
    api.styleActive = FALSE;
    CGTWinXPVisualManager look(TRUE);
    CGTVisualManagerXP office(TRUE);
    EXPECT_FALSE(look.IsThemed());
    FakeBar toolbar, status, popupBar;
    status.kind = GTLookBarKind::StatusBar;
    FakePopupMenu popup;
    popupBar.kind = GTLookBarKind::PopupMenuBar;
    popupBar.popupMenu = &popup;
    FakeButton hot, checked;
    hot.parent = checked.parent = &toolbar;
    checked.style = GTButtonChecked;
    FakeTabWnd tabs;
    FakeCaptionButton close;
    const std::function<void(CGTVisualManager&, CDC*)> operations[] = {
        [&](CGTVisualManager& l, CDC* dc) { l.DrawBarBackground(dc, &toolbar, CRect(0, 0, 80, 30), CRect()); },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawBarBackground(dc, &status, CRect(0, 0, 80, 30), CRect()); },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawBarBackground(dc, &popupBar, CRect(0, 0, 80, 30), CRect()); },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawMenuBorder(dc, &popup, CRect(0, 0, 80, 30)); },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawGripper(dc, CRect(0, 0, 8, 30), TRUE, &toolbar); },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawSeparator(dc, &toolbar, CRect(0, 0, 8, 30), FALSE); },
        [&](CGTVisualManager& l, CDC* dc) {
            l.FillButtonInterior(dc, &hot, CRect(0, 0, 23, 22), 2);
            l.DrawButtonBorder(dc, &hot, CRect(0, 0, 23, 22), 2);
            l.FillButtonInterior(dc, &checked, CRect(30, 0, 53, 22), 1);
            l.DrawButtonBorder(dc, &checked, CRect(30, 0, 53, 22), 1);
        },
        [&](CGTVisualManager& l, CDC* dc) {
            l.DrawComboDropButton(dc, CRect(0, 0, 15, 20), FALSE, FALSE, TRUE, nullptr);
        },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawComboBorder(dc, CRect(0, 0, 60, 20), FALSE, TRUE, FALSE, nullptr); },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawCaptionButton(dc, &close, TRUE, TRUE, FALSE, FALSE); },
        [&](CGTVisualManager& l, CDC* dc) { l.FillTabArea(dc, CRect(0, 0, 80, 24), &tabs); },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawTab(dc, CRect(2, 0, 40, 22), 0, TRUE, &tabs); },
        [&](CGTVisualManager& l, CDC* dc) { l.DrawStatusPaneBorder(dc, &status, CRect(0, 0, 60, 20), 0, 0); },
        [&](CGTVisualManager& l, CDC* dc) {
            l.DrawStatusProgress(dc, &status, CRect(0, 0, 80, 20), 10, 4, RGB(0, 0, 128), RGB(0, 0, 128),
                                 RGB(255, 0, 0), FALSE);
        },
    };
    int index = 0;
    for (const auto& operation : operations) {
        TestCanvas themed(80, 30, background), plain(80, 30, background);
        operation(look, &themed.dc());
        operation(office, &plain.dc());
        int differing = 0;
        for (int x = 0; x < 80; ++x)
            for (int y = 0; y < 30; ++y)
                differing += themed.Pixel(x, y) != plain.Pixel(x, y);
        EXPECT_EQ(differing, 0) << "operation " << index;
        ++index;
    }
    EXPECT_TRUE(api.drawings.empty());
}

TEST_F(WinXPLook, ToolbarButtonsDrawTheThemePartOfTheirState)
{
    CGTWinXPVisualManager look(TRUE);
    FakeBar toolbar;
    TestCanvas canvas(30, 30);
    struct Case {
        UINT style;
        int state, themeState;
    } cases[] = {
        {0, 2, TS_HOT},
        {0, 0, TS_NORMAL},
        {GTButtonPressed, 1, TS_PRESSED},
        {GTButtonChecked, 1, TS_CHECKED},
        {GTButtonChecked, 2, TS_HOTCHECKED},
        {GTButtonDisabled, 0, TS_DISABLED},
        {GTButtonDisabled | GTButtonChecked, 2, TS_DISABLED},
    };
    for (const Case& c : cases) {
        api.drawings.clear();
        FakeButton button;
        button.parent = &toolbar;
        button.style = c.style;
        look.FillButtonInterior(&canvas.dc(), &button, CRect(1, 2, 24, 24), c.state);
        look.DrawButtonBorder(&canvas.dc(), &button, CRect(1, 2, 24, 24), c.state);
        ASSERT_EQ(api.drawings.size(), 1u) << std::hex << c.style;
        EXPECT_EQ(api.drawings[0].themeClass, L"TOOLBAR");
        EXPECT_EQ(api.drawings[0].part, TP_BUTTON);
        EXPECT_EQ(api.drawings[0].state, c.themeState) << std::hex << c.style << " state " << c.state;
        EXPECT_EQ(api.drawings[0].rect, CRect(1, 2, 24, 24));
    }
}

TEST_F(WinXPLook, ThemedOperationsDrawTheirParts)
{
    CGTWinXPVisualManager look(TRUE);
    TestCanvas canvas(80, 30);
    FakeBar toolbar, status;
    status.kind = GTLookBarKind::StatusBar;
    struct Case {
        std::function<void()> draw;
        const wchar_t* themeClass;
        int part, state;
    } cases[] = {
        {[&] { look.DrawGripper(&canvas.dc(), CRect(0, 0, 8, 30), TRUE, &toolbar); }, L"REBAR", RP_GRIPPER, 0},
        {[&] { look.DrawGripper(&canvas.dc(), CRect(0, 0, 30, 8), FALSE, &toolbar); }, L"REBAR", RP_GRIPPERVERT, 0},
        {[&] { look.DrawStatusSizeGrip(&canvas.dc(), &status, CRect(60, 10, 80, 30)); }, L"SCROLLBAR", SBP_SIZEBOX,
         SZB_RIGHTALIGN},
        {[&] { look.DrawComboDropButton(&canvas.dc(), CRect(0, 0, 15, 20), TRUE, FALSE, FALSE, nullptr); }, L"COMBOBOX",
         CP_DROPDOWNBUTTON, CBXS_DISABLED},
        {[&] { look.DrawComboDropButton(&canvas.dc(), CRect(0, 0, 15, 20), FALSE, TRUE, TRUE, nullptr); }, L"COMBOBOX",
         CP_DROPDOWNBUTTON, CBXS_PRESSED},
    };
    for (const Case& c : cases) {
        api.drawings.clear();
        c.draw();
        ASSERT_FALSE(api.drawings.empty()) << c.themeClass;
        EXPECT_EQ(api.drawings.back().themeClass, c.themeClass);
        EXPECT_EQ(api.drawings.back().part, c.part) << c.themeClass;
        EXPECT_EQ(api.drawings.back().state, c.state) << c.themeClass;
    }
}

TEST_F(WinXPLook, ColourUpdateCopiesTheToolbarThemeColoursIntoTheBarColours)
{
    GuiToolkitGlobals& g = theGuiToolkitGlobals;
    struct Property {
        int id;
        COLORREF color;
        COLORREF* global;
    } properties[] = {
        {3802, RGB(11, 12, 13), &g.colorBarFace},   {3803, RGB(21, 22, 23), &g.colorBarText},
        {3804, RGB(31, 32, 33), &g.colorBarLight},  {3805, RGB(41, 42, 43), &g.colorBarHighlight},
        {3806, RGB(51, 52, 53), &g.colorBarShadow}, {3807, RGB(61, 62, 63), &g.colorBarDarkShadow},
    };
    for (const Property& p : properties)
        api.colors[{L"TOOLBAR", 1, 0, p.id}] = p.color;
    CGTWinXPVisualManager look(TRUE);
    for (const Property& p : properties)
        EXPECT_EQ(*p.global, p.color) << p.id;
    TestCanvas canvas(4, 4);
    canvas.dc().FillRect(CRect(0, 0, 4, 4), &g.brushBarFace);
    EXPECT_EQ(canvas.Pixel(1, 1), RGB(11, 12, 13));
}
