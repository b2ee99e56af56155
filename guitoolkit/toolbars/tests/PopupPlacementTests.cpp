#include <guitoolkit/toolbars/GTPopupPlacement.h>
#include <gtest/gtest.h>

TEST(PopupPlacement, MenusOpenWhereTheyFit)
{
    const CRect screen(0, 0, 1000, 700);
    const CRect leftScreen(-1280, -200, 0, 824);
    struct Case {
        const char* what;
        CRect workArea;
        CPoint location;
        CSize size;
        BOOL subMenu;
        CRect parentPopup;
        BOOL fromToolbar;
        CRect button;
        BOOL rightToLeft;
        CPoint expectedAt;
        int expectedHeight;
        int expectedDirection;
        BOOL expectedScroll;
    } cases[] = {
        {"a drop-down that fits opens below its button",
         screen,
         {100, 40},
         {150, 200},
         FALSE,
         {},
         TRUE,
         {100, 20, 160, 41},
         FALSE,
         {100, 40},
         200,
         GTPopupBelow,
         FALSE},
        {"a sub-menu that does not fit right opens left of its parent",
         screen,
         {951, 100},
         {120, 80},
         TRUE,
         {800, 90, 950, 300},
         FALSE,
         {802, 100, 948, 118},
         FALSE,
         {680, 100},
         80,
         GTPopupLeft,
         FALSE},
        {"a sub-menu that fits opens right of its parent",
         screen,
         {351, 100},
         {120, 80},
         TRUE,
         {200, 90, 350, 300},
         FALSE,
         {202, 100, 348, 118},
         FALSE,
         {351, 100},
         80,
         GTPopupRight,
         FALSE},
        {"a menu taller than the work area is cut and scrolls",
         screen,
         {100, 40},
         {150, 900},
         FALSE,
         {},
         TRUE,
         {100, 20, 160, 41},
         FALSE,
         {100, 40},
         660,
         GTPopupBelow,
         TRUE},
        {"near the bottom with room above it opens above its button",
         screen,
         {100, 651},
         {150, 300},
         FALSE,
         {},
         TRUE,
         {100, 630, 160, 652},
         FALSE,
         {100, 330},
         300,
         GTPopupAbove,
         FALSE},
        {"near the bottom, fitting neither side, it takes the top and the room above",
         screen,
         {100, 651},
         {150, 690},
         FALSE,
         {},
         TRUE,
         {100, 630, 160, 652},
         FALSE,
         {100, 0},
         630,
         GTPopupFree,
         TRUE},
        {"a context menu off the right edge moves left",
         screen,
         {950, 100},
         {120, 80},
         FALSE,
         {},
         FALSE,
         {},
         FALSE,
         {879, 100},
         80,
         GTPopupFree,
         FALSE},
        {"a right-to-left sub-menu that does not fit left opens right of its parent",
         screen,
         {40, 100},
         {120, 80},
         TRUE,
         {41, 90, 200, 300},
         FALSE,
         {43, 100, 198, 118},
         TRUE,
         {320, 100},
         80,
         GTPopupLeft,
         FALSE},
        {"a work area above 0: a menu fits above its button up to the area's top",
         leftScreen,
         {-600, 521},
         {150, 600},
         FALSE,
         {},
         TRUE,
         {-600, 500, -540, 522},
         FALSE,
         {-600, -100},
         600,
         GTPopupAbove,
         FALSE},
        {"a work area above 0: too tall for either side, it takes the area's top",
         leftScreen,
         {-600, 421},
         {150, 1020},
         FALSE,
         {},
         TRUE,
         {-600, 400, -540, 422},
         FALSE,
         {-600, -200},
         600,
         GTPopupFree,
         TRUE},
    };
    for (const Case& c : cases) {
        GTPopupPlacementInput input;
        input.workArea = c.workArea;
        input.location = c.location;
        input.size = c.size;
        input.direction = c.subMenu ? GTPopupRight : GTPopupBelow;
        input.hasParentButton = c.subMenu || c.fromToolbar;
        input.hasParentPopup = c.subMenu;
        input.parentPopupRect = c.parentPopup;
        input.parentButtonRect = c.button;
        input.fromToolbarButton = c.fromToolbar;
        input.rightToLeft = c.rightToLeft;
        if (!c.subMenu && !c.fromToolbar)
            input.direction = GTPopupFree;
        const GTPopupPlacement placed = PlacePopupMenu(input);
        EXPECT_EQ(c.expectedAt, placed.location) << c.what;
        EXPECT_EQ(c.expectedHeight, placed.height) << c.what;
        EXPECT_EQ(c.expectedDirection, placed.direction) << c.what;
        EXPECT_EQ(c.expectedScroll, placed.scrollable) << c.what;
    }
}

TEST(PopupPlacement, AnUnfoldingMenuFlippedLeftRevealsFromTheRight)
{
    GTPopupPlacementInput input;
    input.workArea = CRect(0, 0, 800, 600);
    input.location = CPoint(750, 550);
    input.size = CSize(100, 100);
    input.animation = 1;
    const GTPopupPlacement unfold = PlacePopupMenu(input);
    EXPECT_FALSE(unfold.revealFromLeft);
    EXPECT_FALSE(unfold.revealFromTop);
    input.location = CPoint(10, 10);
    const GTPopupPlacement fits = PlacePopupMenu(input);
    EXPECT_TRUE(fits.revealFromLeft);
    EXPECT_TRUE(fits.revealFromTop);
}

TEST(PopupPlacement, MenusStartAtTheirPointOrBesideTheirOwner)
{
    const CPoint owner(200, 150);
    EXPECT_EQ(CPoint(205, 155), PopupStartLocation(-1, -1, &owner));
    EXPECT_EQ(CPoint(0, 0), PopupStartLocation(-1, -1, nullptr));
    EXPECT_EQ(CPoint(-1, 40), PopupStartLocation(-1, 40, &owner));
    EXPECT_EQ(CPoint(30, 40), PopupStartLocation(30, 40, &owner));
}
