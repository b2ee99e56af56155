// The small button at a toolbar's far end: a down-arrow when the bar offers a customize
// command, a chevron when some of the bar's buttons do not fit. Its popup lists the buttons
// that do not fit, then the bar's options: the customize command, or "Add or Remove
// Buttons" with a sub-menu per bar of its row. The button's command is the customize
// command (0: none) and its text the customize item's. It is never stored and cannot be
// customized.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <vector>

class CCustomizeButton : public CGTToolbarMenuButton, public IGTLookCustomizeButton {
    DECLARE_SERIAL(CCustomizeButton)
public:
    CCustomizeButton();
    CCustomizeButton(UINT iCustomizeCommandId, LPCWSTR iCustomizeText);

    void CopyFrom(const CGTToolbarButton& iSource) override;
    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    CSize CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal) override;
    void OnChangeParent(CWnd* iOwner) override;
    BOOL CanBeStored() const override { return FALSE; }
    BOOL IsCustomizable() const override { return FALSE; }
    // Null in customize mode and while buttons are dragged with Alt.
    CGTPopupMenu* CreatePopupMenu() override;
    BOOL IsEmptyMenuAllowed() const override { return TRUE; }
    // A hidden button chosen in the popup runs as it would on the bar.
    BOOL OnClickHiddenButton(CGTPopupMenuBar* iBar, CGTToolbarButton* iItem) override;
    IGTLookCustomizeButton* AsCustomizeButton() override { return this; }

    // IGTLookCustomizeButton.
    CRect GetRect() const override { return m_Rect; }
    BOOL IsChevron() const override { return TRUE; }
    UINT GetStyle() const override { return m_Style; }
    BOOL IsHot() const override;
    BOOL IsPushed() const override;
    BOOL ShowsHiddenButtonsMark() const override;
    BOOL ShowsCustomizeMark() const override { return static_cast<int>(m_CommandId) >= 1; }
    CSize GetStretchedSize() const override { return m_StretchedSize; }
    void SetStretchedSize(CSize iSize) override { m_StretchedSize = iSize; }

    // "Add or Remove Buttons": a sub-menu per bar, named after it, whose placeholder (the bar's
    // id) the frame fills with the bar's buttons when it opens, then this button's command.
    // The popup offers it for the bars of its row, a floating bar's caption menu for its bar.
    void InsertAddRemoveButtons(CGTPopupMenu& ioPopup, const std::vector<CGTToolBar*>& iBars) const;

    // The popup stands right-aligned under the button (not on right-to-left bars).
    BOOL m_RightAlignedMenu;

protected:
    // The bar's buttons that do not fit, in bar order, as the popup lists them: without a
    // separator at either end.
    std::vector<CGTToolbarButton*> HiddenItems() const;
    void AddHiddenButtons(CGTPopupMenu& ioPopup) const;
    void AddCustomizeItems(CGTPopupMenu& ioPopup) const;

    CGTToolBar* m_Toolbar;
    CSize m_StretchedSize;
};
