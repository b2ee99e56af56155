// A toolbar button that owns a menu: its items as a list of buttons (sub-items), which it
// opens as a popup menu. It draws itself as a drop-down button on a toolbar (a main part
// and an arrow part), as an item of the menu bar, and as a row of a popup menu. Every item
// of a popup menu is one of these or a plain button.
//
// Menu item conventions: command 0 is a separator, 0xFFFFFFFF an item that only opens a
// sub-menu; style bit 0x20000000 starts a new column before the item, 0x00040000 disables it.
//
// Stored format, after the button's own: the tear-off id (32 bits); the palette mode and
// row count (32 bits each) while the menu hash is busy or when the workspace's data version
// is 0x60520 or later and not 0x70000; then the sub-items as an object list.
#pragma once
#include <guitoolkit/toolbars/CGTToolbarButton.h>

class CGTPopupMenu;
class CGTPopupMenuBar;

// Style bit of an item that starts a new menu column.
const UINT GTMenuColumnBreak = 0x20000000;
// The command of an item that only opens a sub-menu.
const UINT GTSubMenuCommand = 0xFFFFFFFF;

class CGTToolbarMenuButton : public CGTToolbarButton {
    DECLARE_SERIAL(CGTToolbarMenuButton)
public:
    CGTToolbarMenuButton();
    // The sub-items come from the menu (none for null).
    CGTToolbarMenuButton(UINT iCommandId, HMENU iMenu, int iImage, LPCWSTR iText = nullptr, BOOL iUserImage = FALSE);
    ~CGTToolbarMenuButton() override;

    void Serialize(CArchive& ioArchive) override;
    // Copies the sub-menu tree deeply.
    void CopyFrom(const CGTToolbarButton& iSource) override;
    void OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal, BOOL iCustomizeMode,
                BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled) override;
    CSize CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal) override;
    BOOL OnClick(CWnd* iOwner, BOOL iDelay) override;
    void OnChangeParent(CWnd* iOwner) override;
    void OnCancelMode() override;
    BOOL OnClickUp(CWnd* iOwner) override;
    int DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected) override;
    BOOL IsDroppedDown() const override;
    BOOL OnBeforeDrag() const override;
    void OnCloseParentPopups() override;
    void ResetImageToDefault() override;
    BOOL IsSameCommand(const CGTToolbarButton& iOther) const override;

    // FALSE when no popup could be opened.
    virtual BOOL OpenPopupForParent(CWnd* iBar);
    virtual void CreateFromMenu(HMENU iMenu);
    // A new popup menu of the sub-items; null for a command button without sub-items and
    // when the menu cannot be built.
    virtual HMENU ExportSubItemsToMenu() const;
    virtual CGTPopupMenu* CreatePopupMenu();
    // Kinds that fill their popup themselves open it without sub-items.
    virtual BOOL IsEmptyMenuAllowed() const;
    virtual BOOL IsTearOffMenu() const;
    // Releases the previous id in the workspace's tear-off table and takes the new one.
    virtual void SetTearOff(UINT iTearOffId);
    // Repaints the item's image column.
    virtual void OnDrawDroppedDown();
    // A click on the item in a popup menu that the item handles itself; TRUE when it did.
    virtual BOOL OnClickMenuItem() { return FALSE; }
    // A command chosen in this button's popup that the button runs itself; TRUE when it did.
    virtual BOOL OnClickHiddenButton(CGTPopupMenuBar*, CGTToolbarButton*) { return FALSE; }

    // One popup-menu row: image column, label, shortcut and sub-menu arrow.
    void DrawMenuItem(CDC* iDc, const CRect& iRect, BOOL iCustomizeMode, BOOL iHighlight);

    const CObList& GetSubItems() const { return m_SubItems; }
    // The popup open now; null for none.
    CGTPopupMenu* GetPopupMenu() const { return m_Popup; }
    // The popup tells its button that it is gone.
    void OnPopupDestroyed() { m_Popup = nullptr; }
    UINT GetTearOffId() const { return m_TearOffId; }
    BOOL IsMenuMode() const { return m_MenuMode; }
    BOOL IsClickedOnArrow() const { return m_ClickedOnArrow; }
    // The bar the button sits on; null for none.
    CGTToolBar* GetParentToolBar() const { return m_ParentBar; }
    // Drawing a sub-menu arrow, and the arrow part of a drop-down button.
    BOOL DrawsArrow() const { return m_DrawArrow; }
    // The label as it fits the width: cut by whole drawn characters (an access key's "&" goes
    // with its letter, "&&" stays whole) and ended with "..." when it does not fit; "..."
    // alone when no letter fits.
    static CString FitMenuLabel(CDC* iDc, const CString& iLabel, int iWidth);
    // The text before the first tab, and the shortcut after it.
    static void SplitMenuText(const CString& iText, CString& oLabel, CString& oShortcut);
    // The items as a Windows popup menu, with their column breaks, disabled states and
    // tear-off marks; the default command (0: none) becomes the menu's default item.
    static HMENU ExportItemsToMenu(const CObList& iItems, UINT iDefaultCommand);

    // IGTLookButton.
    BOOL IsMenuButton() const override { return TRUE; }
    BOOL IsMenuItem() const override { return m_MenuMode; }
    IGTLookPopupMenu* GetOpenMenu() const override;

    BOOL m_Default;
    BOOL m_MenuOnly;
    BOOL m_ImageChanged;
    // The window the popup's commands go to; null: inherited.
    CWnd* m_MessageWnd;
    BOOL m_PaletteMode;
    int m_PaletteRows;
    BOOL m_RightArrow;
    BOOL m_OpenAtRight;

protected:
    void DeleteSubItems();
    // The width (horizontal) or height of the arrow part.
    int ArrowPart(BOOL iHorizontal) const;
    // Whether the button runs a command of its own besides opening its menu.
    BOOL HasRealCommand() const;
    // The menu text with the command's shortcut after a tab, as menus show it.
    void AppendShortcut();
    CRect ArrowRect(const CRect& iRect) const;
    void DrawMenuImage(CDC* iDc, const CRect& iColumn, BOOL iHighlight, BOOL iDisabled);
    // The sub-menu arrow at the end of a menu row.
    void DrawSubMenuArrow(CDC* iDc, const CRect& iRect, BOOL iHighlight, BOOL iDisabled) const;
    // The arrow glyph of a drop-down button.
    void DrawDropDownArrow(CDC* iDc, CRect iArrow, BOOL iDisabled) const;
    void InvalidateWithShadow() const;

    CObList m_SubItems;
    BOOL m_DrawArrow;
    BOOL m_MenuMode;
    CGTPopupMenu* m_Popup;
    BOOL m_ClickedOnArrow;
    UINT m_TearOffId;
};
