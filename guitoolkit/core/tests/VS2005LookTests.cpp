#include <gtest/gtest.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTVisualManagerVS2005.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <string>
#include "FakeThemeApi.h"
#include "LookTestSupport.h"

namespace {
const COLORREF background = RGB(1, 2, 3);
const COLORREF noColor = static_cast<COLORREF>(-1);

class VS2005Look : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_BitsPerPixel = theGuiToolkitGlobals.bitsPerPixel;
        theGuiToolkitGlobals.bitsPerPixel = 32;
        api.colors[{L"BUTTON", 2, 0, 3823}] = RGB(200, 140, 60);
    }
    void TearDown() override
    {
        CGTVisualManager2003::UseLunaColors = TRUE;
        theGuiToolkitGlobals.bitsPerPixel = m_BitsPerPixel;
        theGuiToolkitGlobals.UpdateSysColors();
    }
    FakeThemeApi api;

private:
    int m_BitsPerPixel = 32;
};
}  // namespace

TEST_F(VS2005Look, LunaColoursOnlyForSilver)
{
    struct Case {
        const wchar_t* colorName;
        int vsScheme, scheme;
    } cases[] = {{L"NormalColor", 1, 0}, {L"HomeStead", 2, 0}, {L"Metallic", 3, 3}};
    for (const Case& c : cases) {
        api.colorName = c.colorName;
        CGTVisualManagerVS2005 look(TRUE);
        EXPECT_EQ(look.VSColorScheme, c.vsScheme) << c.colorName;
        EXPECT_EQ(look.ColorScheme, c.scheme) << c.colorName;
        EXPECT_EQ(look.MenuHighlightColor == noColor, c.scheme == 0) << c.colorName;
        EXPECT_TRUE(CGTVisualManager2003::UseLunaColors);
        EXPECT_NE(look.TabBorderPen.GetSafeHandle(), nullptr);
    }
}

TEST_F(VS2005Look, WithoutLunaColoursTheTabBorderPenIsNeverMadeAndNotSelected)
{
    CGTVisualManager2003::UseLunaColors = FALSE;
    CGTVisualManagerVS2005 look(TRUE);
    EXPECT_EQ(look.TabBorderPen.GetSafeHandle(), nullptr);
    EXPECT_EQ(look.TabBorderColor, noColor);

    TestCanvas canvas(80, 30, background);
    CPen pen(PS_SOLID, 1, RGB(9, 9, 9));
    CPen* old = canvas.dc().SelectObject(&pen);
    FakeTabWnd tabs;
    tabs.look = GTTabLook::Sloped;
    tabs.label = L"Tab";
    tabs.tabArea = CRect(0, 0, 80, 30);
    look.DrawTab(&canvas.dc(), CRect(10, 0, 60, 24), 0, TRUE, &tabs);
    EXPECT_EQ(canvas.dc().GetCurrentPen()->GetSafeHandle(), pen.GetSafeHandle());
    EXPECT_LT(canvas.Count(CRect(0, 0, 80, 30), background), 80 * 30);
    canvas.dc().SelectObject(old);
}

TEST_F(VS2005Look, TabBorderOnlyWithoutTheVS2005TabStyle)
{
    CGTVisualManagerVS2005 look(TRUE);
    const int saved = CGTDockingValues::TabbedBarStyle();
    for (const auto& [style, size] : {std::pair{0, 3}, {5, 3}, {6, 0}, {7, 3}}) {
        CGTDockingValues::TabbedBarStyle() = style;
        EXPECT_EQ(look.GetTabBorderSize(), size) << style;
    }
    CGTDockingValues::TabbedBarStyle() = saved;
}

TEST(VS2005AutoHideOutline, SixPointsOpenTowardsTheEdge)
{
    struct Case {
        CRect rect;
        DWORD alignment;
        CPoint points[6];
    } cases[] = {
        {CRect(10, 20, 40, 30), CBRS_ALIGN_TOP, {{10, 20}, {10, 27}, {12, 29}, {37, 29}, {39, 27}, {39, 20}}},
        {CRect(10, 20, 40, 30), CBRS_ALIGN_BOTTOM, {{10, 29}, {10, 22}, {12, 20}, {37, 20}, {39, 22}, {39, 29}}},
        {CRect(0, 0, 10, 40), CBRS_ALIGN_LEFT, {{0, 0}, {7, 0}, {9, 2}, {9, 37}, {7, 39}, {0, 39}}},
        {CRect(0, 0, 10, 40), CBRS_ALIGN_RIGHT, {{9, 0}, {2, 0}, {0, 2}, {0, 37}, {2, 39}, {9, 39}}},
    };
    for (const Case& c : cases) {
        CPoint points[6];
        CGTVisualManagerVS2005::GetAutoHideOutline(c.rect, c.alignment, points);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(points[i], c.points[i]) << std::hex << c.alignment << " point " << i;
    }
}

TEST_F(VS2005Look, FloatingToolbarCaptionIsTheShadowColour)
{
    CGTVisualManagerVS2005 look(TRUE);
    TestCanvas canvas(40, 20, background);
    FakeBar toolbar, pane;
    pane.kind = GTLookBarKind::DockingPane;
    EXPECT_EQ(look.FillMiniFrameCaption(&canvas.dc(), CRect(0, 0, 40, 20), TRUE, &toolbar),
              theGuiToolkitGlobals.colorCaptionText);
    EXPECT_EQ(canvas.Pixel(20, 10), ::GetSysColor(COLOR_BTNSHADOW));
    canvas.Fill(background);
    look.FillMiniFrameCaption(&canvas.dc(), CRect(0, 0, 40, 20), TRUE, &pane);
    EXPECT_EQ(canvas.Pixel(20, 10), theGuiToolkitGlobals.colorActiveCaption);
}

namespace {
std::string lookCalls;
}

TEST(VS2005Selection, ChoosingTheLookTurnsOnSmartDockingAndItsDockingSwitches)
{
    FakeThemeApi api;
    GTLookClientHooks& hooks = CGTVisualManager::ClientHooks();
    hooks.setDockingMode = [](int mode) { lookCalls += "docking" + std::to_string(mode) + " "; };
    hooks.setDockingLookSwitches = [](BOOL rebuild, BOOL second, BOOL borders) {
        lookCalls += "switches" + std::to_string(rebuild) + std::to_string(second) + std::to_string(borders) + " ";
    };
    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(CGTVisualManagerVS2005));
    lookCalls.clear();
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    EXPECT_EQ(look->GetRuntimeClass(), RUNTIME_CLASS(CGTVisualManagerVS2005));
    EXPECT_EQ(lookCalls, "switches101 switches110 docking128 ");
    EXPECT_TRUE(look->ActiveTabsOnWindowColor);
    hooks = GTLookClientHooks{};
    CGTVisualManager::SelectManagerClass(nullptr);
    theGuiToolkitGlobals.UpdateSysColors();
}
