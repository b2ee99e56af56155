#include <gtest/gtest.h>
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/core/CGTWinXPVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>
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

namespace {
struct FakeMiniFrame : IGTLookMiniFrame {
    int GetLookState() const override { return 0; }
};

BOOL SamePixels(const TestCanvas& one, const TestCanvas& other, const CRect& rect)
{
    for (int x = rect.left; x < rect.right; ++x)
        for (int y = rect.top; y < rect.bottom; ++y)
            if (one.Pixel(x, y) != other.Pixel(x, y))
                return FALSE;
    return TRUE;
}

// Draws each operation with the Windows XP look and with the look it falls back to (the
// Office XP look, or the classic one where the Windows XP look says so); answers the
// operations whose pixels differ.
std::vector<std::string> OperationsUnlikeTheirFallback(BOOL themed)
{
    CGTWinXPVisualManager look(TRUE);
    EXPECT_EQ(look.IsThemed(), themed);
    CGTVisualManagerXP office(TRUE);
    CGTVisualManager classic(TRUE);
    FakeBar toolbar, status, popupBar, floating;
    status.kind = GTLookBarKind::StatusBar;
    FakePopupMenu popup;
    popupBar.kind = GTLookBarKind::PopupMenuBar;
    popupBar.popupMenu = &popup;
    floating.kind = GTLookBarKind::DockingPane;
    FakeButton hot, checked;
    hot.parent = checked.parent = &toolbar;
    checked.style = GTButtonChecked;
    FakePushButton pushed;
    pushed.pushed = pushed.highlighted = TRUE;
    FakeTabWnd tabs;
    FakeCaptionButton close;
    FakeTasksPane pane;
    FakeMiniFrame miniFrame;
    struct Row {
        const char* name;
        CGTVisualManager* fallback;
        std::function<void(CGTVisualManager&, CDC*)> draw;
    };
    const Row rows[] = {
        {"toolbar background", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawBarBackground(dc, &toolbar, CRect(0, 0, 80, 30), CRect()); }},
        {"status bar background", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawBarBackground(dc, &status, CRect(0, 0, 80, 30), CRect()); }},
        {"popup menu background", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawBarBackground(dc, &popupBar, CRect(0, 0, 80, 30), CRect()); }},
        {"menu border", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawMenuBorder(dc, &popup, CRect(0, 0, 80, 30)); }},
        {"gripper", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawGripper(dc, CRect(0, 0, 8, 30), TRUE, &toolbar); }},
        {"separator", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawSeparator(dc, &toolbar, CRect(0, 0, 8, 30), TRUE); }},
        {"toolbar buttons", &office,
         [&](CGTVisualManager& l, CDC* dc) {
             l.FillButtonInterior(dc, &hot, CRect(0, 0, 23, 22), 2);
             l.DrawButtonBorder(dc, &hot, CRect(0, 0, 23, 22), 2);
             l.FillButtonInterior(dc, &checked, CRect(30, 0, 53, 22), 1);
             l.DrawButtonBorder(dc, &checked, CRect(30, 0, 53, 22), 1);
         }},
        {"menu button border", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawMenuButtonBorder(dc, &hot, CRect(4, 4, 30, 26), 1); }},
        {"combo drop button", &office,
         [&](CGTVisualManager& l, CDC* dc) {
             l.DrawComboDropButton(dc, CRect(0, 0, 15, 20), FALSE, FALSE, TRUE, nullptr);
         }},
        {"combo border", &office,
         [&](CGTVisualManager& l, CDC* dc) {
             l.DrawComboBorder(dc, CRect(0, 0, 60, 20), FALSE, TRUE, FALSE, nullptr);
         }},
        {"edit border", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawEditBorder(dc, CRect(0, 0, 60, 20), FALSE, TRUE, nullptr); }},
        {"caption button", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawCaptionButton(dc, &close, TRUE, TRUE, FALSE, FALSE); }},
        {"menu bar close button", &office,
         [&](CGTVisualManager& l, CDC* dc) {
             l.DrawMenuSystemButton(dc, CRect(0, 0, 20, 20), &hot, SC_CLOSE, 0, TRUE);
         }},
        {"status pane border", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawStatusPaneBorder(dc, &status, CRect(0, 0, 60, 20), 0, 0); }},
        {"tab area", &office, [&](CGTVisualManager& l, CDC* dc) { l.FillTabArea(dc, CRect(0, 0, 80, 24), &tabs); }},
        {"tab", &office, [&](CGTVisualManager& l, CDC* dc) { l.DrawTab(dc, CRect(2, 0, 40, 22), 0, TRUE, &tabs); }},
        {"push button border", &office,
         [&](CGTVisualManager& l, CDC* dc) {
             CRect rect(0, 0, 40, 24);
             l.DrawPushButtonBorder(dc, rect, &pushed);
         }},
        {"command list item", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.FillCommandListItem(dc, CRect(0, 0, 80, 20), TRUE); }},
        {"outlook scroll button", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.FillOutlookScrollButton(dc, CRect(0, 0, 30, 20), TRUE, FALSE, FALSE); }},
        {"tasks pane", &office, [&](CGTVisualManager& l, CDC* dc) { l.FillTasksPane(dc, &pane, CRect(0, 0, 80, 30)); }},
        {"tasks group interior", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.FillTasksGroupInterior(dc, CRect(0, 0, 80, 30), TRUE); }},
        {"calculator button", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawCalculatorButton(dc, CRect(0, 0, 30, 20), 2, nullptr); }},
        {"browse button", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawBrowseButton(dc, CRect(0, 0, 30, 20), 1, nullptr); }},
        {"spin buttons", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawSpinButtons(dc, CRect(0, 0, 16, 30), 1 | 8, FALSE, nullptr); }},
        {"owner-draw button frame", &office,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawOwnerDrawButtonFrame(dc, CRect(0, 0, 40, 24), &pushed); }},
        {"status progress", &classic,
         [&](CGTVisualManager& l, CDC* dc) {
             l.DrawStatusProgress(dc, &status, CRect(0, 0, 80, 20), 10, 4, RGB(0, 0, 128), RGB(0, 0, 128),
                                  RGB(255, 0, 0), FALSE);
         }},
        {"size grip", &classic,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawStatusSizeGrip(dc, &status, CRect(60, 10, 80, 30)); }},
        {"outlook scroll button border", &classic,
         [&](CGTVisualManager& l, CDC* dc) {
             CRect rect(0, 0, 30, 20);
             l.DrawOutlookScrollButtonBorder(dc, rect, TRUE, TRUE);
         }},
        {"mini frame caption", &classic,
         [&](CGTVisualManager& l, CDC* dc) { l.FillMiniFrameCaption(dc, CRect(0, 0, 80, 20), TRUE, &floating); }},
        {"mini frame border", &classic,
         [&](CGTVisualManager& l, CDC* dc) {
             l.DrawMiniFrameBorder(dc, &miniFrame, CRect(0, 0, 80, 30), CRect(4, 4, 4, 4));
         }},
        {"header item", &classic,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawHeaderItemBorder(dc, nullptr, CRect(0, 0, 60, 20), TRUE, FALSE); }},
        {"expand box", &classic,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawExpandBox(dc, CRect(0, 0, 9, 9), FALSE, RGB(0, 0, 0)); }},
        {"check box", &classic,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawCheckBox(dc, CRect(0, 0, 13, 13), TRUE, TRUE, TRUE); }},
        {"grid header item", &classic,
         [&](CGTVisualManager& l, CDC* dc) { l.DrawGridHeaderItemBorder(dc, CRect(0, 0, 60, 20), nullptr, FALSE); }},
    };
    std::vector<std::string> differing;
    for (const Row& row : rows) {
        TestCanvas own(80, 30, background), fallback(80, 30, background);
        row.draw(look, &own.dc());
        row.draw(*row.fallback, &fallback.dc());
        if (!SamePixels(own, fallback, CRect(0, 0, 80, 30)))
            differing.push_back(row.name);
    }
    return differing;
}
}  // namespace

TEST_F(WinXPLook, WithoutAStyleEveryOperationDrawsAsItsFallback)
{
    api.styleActive = FALSE;
    EXPECT_EQ(OperationsUnlikeTheirFallback(FALSE), std::vector<std::string>());
    EXPECT_TRUE(api.drawings.empty());
}

// Wine's default prefix turns on Wine's own visual style: the system's table opens its
// classes, the style is not one of the standard schemes, and the look draws through it.
// Without a style every operation would fall back.
TEST(WinXPLookOnTheSystemTable, DrawsThroughThePrefixStyle)
{
    CGTThemeApi& api = CGTThemeApi::Current();
    wchar_t file[MAX_PATH] = {}, color[MAX_PATH] = {};
    const BOOL styled = SUCCEEDED(api.GetCurrentThemeName(file, MAX_PATH, color, MAX_PATH));
    const std::vector<std::string> differing = OperationsUnlikeTheirFallback(styled);
    if (!styled) {
        EXPECT_EQ(differing, std::vector<std::string>());
    } else {
        CGTWinXPThemeManager manager(api);
        EXPECT_EQ(manager.GetXPColorScheme(), 0) << file;
        for (const char* themedPart : {"toolbar background", "toolbar buttons", "gripper"})
            EXPECT_NE(std::find(differing.begin(), differing.end(), themedPart), differing.end()) << themedPart;
        // The look draws these the classic way whatever the style.
        for (const char* plain : {"mini frame caption", "mini frame border"})
            EXPECT_EQ(std::find(differing.begin(), differing.end(), plain), differing.end()) << plain;
    }
    theGuiToolkitGlobals.UpdateSysColors();
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
