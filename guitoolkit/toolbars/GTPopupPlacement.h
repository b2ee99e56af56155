// Where a popup menu stands on the screen: a pure function of the work area, the menu's
// size, its anchor and the rectangles of what it drops from. A menu that does not fit on
// one side opens on the other; one that fits on neither is cut to the work area and
// scrolls.
#pragma once
#include <afxwin.h>

// Where a popup stands relative to its anchor.
enum GTPopupDirection {
    GTPopupFree = 0,
    GTPopupBelow = 1,
    GTPopupAbove = 2,
    GTPopupRight = 3,
    GTPopupLeft = 4,
};

struct GTPopupPlacementInput {
    CRect workArea;
    // The left edge, or the right edge of a right-to-left menu; the top edge.
    CPoint location;
    CSize size;
    int direction = GTPopupFree;
    BOOL hasParentButton = FALSE;
    // A sub-menu: the screen rectangle of the menu that opened it.
    BOOL hasParentPopup = FALSE;
    CRect parentPopupRect;
    // The screen rectangle of the button the menu drops from.
    CRect parentButtonRect;
    // The button lies on a toolbar (not in a popup), which is horizontal, or is a vertical
    // menu bar.
    BOOL fromToolbarButton = FALSE;
    BOOL parentBarHorizontal = TRUE;
    BOOL fromVerticalMenuBar = FALSE;
    // A sub-menu that opens upward moves down by this much, so that its bottom lines up
    // with the item that opened it.
    int subMenuRowOffset = 0;
    BOOL rightToLeft = FALSE;
    BOOL rightAlign = FALSE;
    // The menu's animation: unfold (1) and fade (3) reveal from the side they open on.
    int animation = 0;
    // The menu joins its parent item and moves off it by a few pixels.
    BOOL shiftJoined = FALSE;
};

struct GTPopupPlacement {
    CPoint location;
    int height = 0;
    int direction = GTPopupFree;
    BOOL scrollable = FALSE;
    // The growing picture of an animation is drawn against the left (top) edge.
    BOOL revealFromLeft = TRUE;
    BOOL revealFromTop = TRUE;
};

GTPopupPlacement PlacePopupMenu(const GTPopupPlacementInput& iInput);

// Where a popup created at (iX, iY) starts: there, or with both -1 the owner's client origin
// (iOwnerOrigin, on the screen) plus (5, 5), or the screen origin without an owner.
CPoint PopupStartLocation(int iX, int iY, const CPoint* iOwnerOrigin);
