// The item at the end of a personalised popup menu whose rarely used commands are hidden:
// a click expands the menu in place, and so does resting on it when the user lets menus
// expand by themselves.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>

class CGTShowAllButton : public CGTToolbarMenuButton {
    DECLARE_DYNCREATE(CGTShowAllButton)
public:
    CGTShowAllButton();
    ~CGTShowAllButton() override;

    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    // 50 wide, as high as the look's show-all item.
    CSize CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal) override;
    BOOL OnClick(CWnd* iOwner, BOOL iDelay) override;
    // "Expand (Ctrl+Down)", allocated with calloc for the caller.
    int GetTooltipText(CWnd* iOwner, TOOLINFO* ioInfo) override;

    BOOL IsShowAllButton() const override { return TRUE; }
};
