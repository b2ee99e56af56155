#include <guitoolkit/toolbars/GTPopupPlacement.h>
#include <gtest/gtest.h>

TEST(PopupPlacement, MenusOpenWhereTheyFit)
{
    const CRect screen(0, 0, 1000, 700);
    // A monitor left of and above the main one.
    const CRect upper(-1280, -200, 0, 824);
    // What the menu opens from: nothing, a toolbar button, an item of another menu.
    enum Anchor {
        context,
        button,
        item
    };
    const struct {
        Anchor anchor;
        CRect workArea;
        CPoint location;
        CSize size;
        // The button's, or the parent menu's, rectangle.
        CRect parent;
        BOOL rightToLeft;
        CPoint expectedAt;
        int expectedHeight;
        int expectedDirection;
        BOOL expectedScroll;
    } cases[] = {
        // A drop-down that fits opens below its button.
        {button, screen, {100, 40}, {150, 200}, {100, 20, 160, 41}, FALSE, {100, 40}, 200, GTPopupBelow, FALSE},
        // A sub-menu that does not fit right opens left of its parent; one that fits, right.
        {item, screen, {951, 100}, {120, 80}, {800, 90, 950, 300}, FALSE, {680, 100}, 80, GTPopupLeft, FALSE},
        {item, screen, {351, 100}, {120, 80}, {200, 90, 350, 300}, FALSE, {351, 100}, 80, GTPopupRight, FALSE},
        // A menu taller than the work area is cut and scrolls.
        {button, screen, {100, 40}, {150, 900}, {100, 20, 160, 41}, FALSE, {100, 40}, 660, GTPopupBelow, TRUE},
        // Near the bottom with room above, it opens above its button.
        {button, screen, {100, 651}, {150, 300}, {100, 630, 160, 652}, FALSE, {100, 330}, 300, GTPopupAbove, FALSE},
        // Fitting neither side, it takes the top and the room above the button.
        {button, screen, {100, 651}, {150, 690}, {100, 630, 160, 652}, FALSE, {100, 0}, 630, GTPopupFree, TRUE},
        // A context menu off the right edge moves left.
        {context, screen, {950, 100}, {120, 80}, {}, FALSE, {879, 100}, 80, GTPopupFree, FALSE},
        // A right-to-left sub-menu that does not fit left opens right of its parent.
        {item, screen, {40, 100}, {120, 80}, {41, 90, 200, 300}, TRUE, {320, 100}, 80, GTPopupLeft, FALSE},
        // A work area above 0: a menu fits above its button up to the area's top...
        {button, upper, {-600, 521}, {150, 600}, {-600, 500, -540, 522}, FALSE, {-600, -100}, 600, GTPopupAbove, FALSE},
        // ... and one too tall for either side takes the area's top.
        {button, upper, {-600, 421}, {150, 1020}, {-600, 400, -540, 422}, FALSE, {-600, -200}, 600, GTPopupFree, TRUE},
    };
    int index = 0;
    for (const auto& c : cases) {
        GTPopupPlacementInput input;
        input.workArea = c.workArea;
        input.location = c.location;
        input.size = c.size;
        input.direction = c.anchor == item ? GTPopupRight : c.anchor == button ? GTPopupBelow : GTPopupFree;
        input.hasParentButton = c.anchor != context;
        input.hasParentPopup = c.anchor == item;
        input.parentPopupRect = c.parent;
        input.parentButtonRect = c.parent;
        input.fromToolbarButton = c.anchor == button;
        input.rightToLeft = c.rightToLeft;
        const GTPopupPlacement placed = PlacePopupMenu(input);
        EXPECT_EQ(c.expectedAt, placed.location) << "case " << index;
        EXPECT_EQ(c.expectedHeight, placed.height) << "case " << index;
        EXPECT_EQ(c.expectedDirection, placed.direction) << "case " << index;
        EXPECT_EQ(c.expectedScroll, placed.scrollable) << "case " << index;
        ++index;
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
