#include <guitoolkit/toolbars/GTPopupPlacement.h>
#include <algorithm>

namespace {
const int unfoldAnimation = 1;
const int fadeAnimation = 3;

void FitHorizontally(const GTPopupPlacementInput& iInput, GTPopupPlacement& ioResult)
{
    const CRect& area = iInput.workArea;
    const int width = iInput.size.cx;
    const BOOL rightAnchored = iInput.rightToLeft || iInput.rightAlign;
    LONG& x = ioResult.location.x;
    const BOOL flip = iInput.rightToLeft ? x - width < area.left : !rightAnchored && x + width > area.right;
    if (!flip)
        return;
    if (iInput.hasParentPopup || iInput.fromVerticalMenuBar) {
        const CRect& parent = iInput.hasParentPopup ? iInput.parentPopupRect : iInput.parentButtonRect;
        x = iInput.rightToLeft ? parent.right + width : parent.left - width;
        ioResult.direction = GTPopupLeft;
    } else {
        x = iInput.rightToLeft ? area.left + width + 1 : rightAnchored ? area.left + 1 : area.right - width - 1;
        ioResult.direction = GTPopupFree;
    }
    const BOOL clamp = iInput.rightToLeft ? x > area.right : x < area.left;
    if (clamp) {
        x = iInput.rightToLeft ? area.right : area.left;
        ioResult.direction = GTPopupFree;
    }
    if (iInput.animation == unfoldAnimation)
        ioResult.revealFromLeft = FALSE;
    if (iInput.animation == fadeAnimation)
        ioResult.revealFromLeft = ioResult.revealFromTop = FALSE;
}

// The menu does not fit below its location.
void FitAbove(const GTPopupPlacementInput& iInput, GTPopupPlacement& ioResult)
{
    const CRect& area = iInput.workArea;
    LONG& y = ioResult.location.y;
    int& height = ioResult.height;
    ioResult.revealFromTop = FALSE;
    if (iInput.fromToolbarButton) {
        const int buttonTop = iInput.parentButtonRect.top;
        const int above = buttonTop - height;
        if (above < area.top) {
            // Fits neither below nor above: the larger side, cut and scrollable.
            if (area.bottom - buttonTop >= buttonTop - area.top) {
                height = area.bottom - y;
                ioResult.revealFromTop = TRUE;
            } else {
                y = area.top;
                height = buttonTop - area.top;
                ioResult.direction = GTPopupFree;
            }
            ioResult.scrollable = TRUE;
        } else {
            y = above;
            ioResult.direction = iInput.parentBarHorizontal ? GTPopupAbove : GTPopupFree;
        }
    } else {
        y -= height;
        if (iInput.hasParentPopup)
            y += iInput.subMenuRowOffset;
    }
    if (y < area.top) {
        y = area.top;
        ioResult.direction = GTPopupFree;
    }
    if (y + height > area.bottom) {
        height = area.bottom - y;
        ioResult.scrollable = TRUE;
    }
}

// The menu fits below its location but starts above the work area.
void FitBelowTop(const GTPopupPlacementInput& iInput, GTPopupPlacement& ioResult)
{
    const CRect& area = iInput.workArea;
    LONG& y = ioResult.location.y;
    if (iInput.fromToolbarButton) {
        y = iInput.parentButtonRect.bottom;
        ioResult.direction = iInput.parentBarHorizontal ? GTPopupBelow : GTPopupFree;
    } else {
        y = area.top;
    }
    if (y + ioResult.height <= area.bottom)
        return;
    y = area.top;
    ioResult.direction = GTPopupFree;
    if (ioResult.height > area.Height()) {
        ioResult.height = area.Height();
        ioResult.scrollable = TRUE;
    }
}
}  // namespace

GTPopupPlacement PlacePopupMenu(const GTPopupPlacementInput& iInput)
{
    const CRect& area = iInput.workArea;
    GTPopupPlacement result;
    result.location = iInput.location;
    result.height = iInput.size.cy;
    result.direction = iInput.direction;
    result.location.x = std::clamp<LONG>(result.location.x, area.left, area.right);
    if (!iInput.hasParentButton)
        result.location.y = std::clamp<LONG>(result.location.y, area.top, area.bottom);
    FitHorizontally(iInput, result);
    if (result.location.y + result.height > area.bottom)
        FitAbove(iInput, result);
    else if (result.location.y < area.top)
        FitBelowTop(iInput, result);
    if (iInput.shiftJoined) {
        result.location.x += result.direction == GTPopupLeft ? 4 : -4;
        result.location.y += 1;
    }
    return result;
}

CPoint PopupStartLocation(int iX, int iY, const CPoint* iOwnerOrigin)
{
    if (iX != -1 || iY != -1)
        return CPoint(iX, iY);
    return iOwnerOrigin != nullptr ? *iOwnerOrigin + CPoint(5, 5) : CPoint(0, 0);
}
