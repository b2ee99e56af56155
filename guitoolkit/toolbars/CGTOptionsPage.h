// The options page of the customization sheet: tooltips, shortcut keys in tooltips, large
// icons, the 2000 look and the personalised menus, each applied to every bar and menu the
// moment it is clicked (the toolbars store them with their parameters).
#pragma once
#include <afxdlgs.h>

class CGTOptionsPage : public CPropertyPage {
    DECLARE_DYNCREATE(CGTOptionsPage)
public:
    // iSheetFlags: the sheet's flags; 0x04 shows "Look 2000", 0x200 hides "Large Icons" and
    // keeps large icons off.
    explicit CGTOptionsPage(BOOL iHasMenuBar = FALSE, UINT iSheetFlags = 0);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* ioExchange) override;
    afx_msg void OnTooltips();
    afx_msg void OnShortcutKeys();
    afx_msg void OnLargeIcons();
    afx_msg void OnLook2000();
    afx_msg void OnRecentlyUsed();
    afx_msg void OnShowAllAfterDelay();
    afx_msg void OnResetUsageData();
    DECLARE_MESSAGE_MAP()

private:
    void HideAndDisable(UINT iControlId);
    void UpdateDependentChecks();

    BOOL m_ShowTooltips;
    BOOL m_ShowShortcutKeys;
    BOOL m_RecentlyUsedMenus;
    BOOL m_ShowAllMenusAfterDelay;
    BOOL m_LargeIcons;
    BOOL m_Look2000;
    BOOL m_HasMenuBar;
    UINT m_SheetFlags;
};
