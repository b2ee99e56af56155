// An item of a toolbar's quick-customize menus: the toggles of "Add or Remove Buttons" (one
// per button of the bar, checked while the button shows; a click shows or hides it, or puts
// back one no longer on the bar, and the menu stays open), the reset item, and the item that
// moves a bar and its sibling onto one row or two. Every item acts on the process's one bar
// being customized, which the maker of the menu sets.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>

class CGTCustomizeMenuButton : public CGTToolbarMenuButton {
    DECLARE_SERIAL(CGTCustomizeMenuButton)
public:
    CGTCustomizeMenuButton();
    CGTCustomizeMenuButton(UINT iCommandId, HMENU iMenu, int iImage, LPCWSTR iText = nullptr, BOOL iUserImage = FALSE);

    // The button's own fields and these; not the sub-items.
    void CopyFrom(const CGTToolbarButton& iSource) override;
    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    CSize CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal) override;
    // TRUE when the menu stays open.
    BOOL OnClickMenuItem() override;

    // The item stands for the bar's button at iIndex (s_ResetItem: the reset item); a
    // present button is on the bar now, an absent one is taken from the bar's original
    // buttons; with iGroup a separator follows a button put back.
    void SetItem(int iIndex, BOOL iPresent, BOOL iGroup);
    int GetIndex() const { return m_Index; }
    BOOL IsChecked() const { return m_Checked; }
    BOOL IsPresent() const { return m_Present; }
    BOOL IsEnabled() const { return m_Enabled; }

    static void SetCustomizedToolbar(CGTToolBar* iBar) { s_Toolbar = iBar; }
    static CGTToolBar* GetCustomizedToolbar() { return s_Toolbar; }

    static const int s_ResetItem = 17016;

    BOOL m_SeparatorItem;
    BOOL m_RowItem;

protected:
    // Shows or hides a present button, and the separator right after it.
    void ToggleButton();
    void PutButtonBack();
    // The bar and its customize button laid out again while the menus hide.
    void RefreshToolbar();
    CGTPopupMenuBar* ParentMenuBar() const;

    int m_Index;
    BOOL m_Checked;
    BOOL m_Present;
    BOOL m_Group;
    BOOL m_Enabled;

    static CGTToolBar* s_Toolbar;
};
