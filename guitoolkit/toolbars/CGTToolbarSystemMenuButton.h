// What the menu bar shows of a maximized MDI child, whose caption is gone: at its left end
// the child's icon, which opens the child's system menu, and at its right end a button for
// each of minimize, restore and close. Neither kind is ever stored with the bar.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>

class CGTToolbarSystemMenuButton : public CGTToolbarMenuButton {
    DECLARE_SERIAL(CGTToolbarSystemMenuButton)
public:
    // The menu and the icon stay the child's.
    CGTToolbarSystemMenuButton(HMENU iSystemMenu = nullptr, HICON iIcon = nullptr);

    void Serialize(CArchive& ioArchive) override;
    void CopyFrom(const CGTToolbarButton& iSource) override;
    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    CSize CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal) override;
    // Closes the active child, unless its system menu shows close grey or disabled.
    void OnDblClick(CWnd* iOwner) override;
    BOOL CanBeStored() const override { return FALSE; }
    void OnCancelMode() override;
    // Keeps the handle only: the items come from the live system menu when it opens.
    void CreateFromMenu(HMENU iMenu) override;
    // With the live system menu's checked, disabled and grey states.
    HMENU ExportSubItemsToMenu() const override;
    BOOL IsMenuButton() const override { return FALSE; }

    HICON GetIcon() const { return m_Icon; }
    HMENU GetSystemMenu() const { return m_SystemMenu; }

protected:
    HICON m_Icon;
    HMENU m_SystemMenu;
};

class CGTToolbarMenuButtonsButton : public CGTToolbarButton {
    DECLARE_SERIAL(CGTToolbarMenuButtonsButton)
public:
    // SC_MINIMIZE, SC_RESTORE or SC_CLOSE.
    explicit CGTToolbarMenuButtonsButton(UINT iSystemCommand = 0);

    void Serialize(CArchive&) override {}
    void CopyFrom(const CGTToolbarButton& iSource) override;
    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    CSize CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal) override;
    BOOL CanBeStored() const override { return FALSE; }

    UINT GetSystemCommand() const { return m_SystemCommand; }

protected:
    UINT m_SystemCommand;
};
