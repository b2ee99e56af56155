#include <guitoolkit/toolbars/CGTOptionsPage.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/GTPageResources.h>

namespace {
const UINT flagLook2000 = 0x04;
const UINT flagNoLargeIcons = 0x200;
}  // namespace

IMPLEMENT_DYNCREATE(CGTOptionsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CGTOptionsPage, CPropertyPage)
    ON_BN_CLICKED(IDC_GT_OPTIONS_TOOLTIPS, &CGTOptionsPage::OnTooltips)
    ON_BN_CLICKED(IDC_GT_OPTIONS_SHORTCUT_KEYS, &CGTOptionsPage::OnShortcutKeys)
    ON_BN_CLICKED(IDC_GT_OPTIONS_LARGE_ICONS, &CGTOptionsPage::OnLargeIcons)
    ON_BN_CLICKED(IDC_GT_OPTIONS_LOOK_2000, &CGTOptionsPage::OnLook2000)
    ON_BN_CLICKED(IDC_GT_OPTIONS_RECENTLY_USED, &CGTOptionsPage::OnRecentlyUsed)
    ON_BN_CLICKED(IDC_GT_OPTIONS_SHOW_ALL_DELAY, &CGTOptionsPage::OnShowAllAfterDelay)
    ON_BN_CLICKED(IDC_GT_OPTIONS_RESET_USAGE, &CGTOptionsPage::OnResetUsageData)
END_MESSAGE_MAP()

CGTOptionsPage::CGTOptionsPage(BOOL iHasMenuBar, UINT iSheetFlags)
    : CPropertyPage(IDD_GT_OPTIONS_PAGE), m_ShowTooltips(CGTToolBar::s_ShowTooltips),
      m_ShowShortcutKeys(CGTToolBar::s_ShowShortcutKeys), m_RecentlyUsedMenus(GTMenuOptions::s_RecentlyUsed),
      m_ShowAllMenusAfterDelay(GTMenuOptions::s_ShowAllAfterDelay), m_LargeIcons(CGTToolBar::IsLargeIcons()),
      m_Look2000(CGTVisualManager::GetCurrent() != nullptr && CGTVisualManager::GetCurrent()->IsLook2000),
      m_HasMenuBar(iHasMenuBar), m_SheetFlags(iSheetFlags)
{
}

void CGTOptionsPage::DoDataExchange(CDataExchange* ioExchange)
{
    CPropertyPage::DoDataExchange(ioExchange);
    DDX_Check(ioExchange, IDC_GT_OPTIONS_TOOLTIPS, m_ShowTooltips);
    DDX_Check(ioExchange, IDC_GT_OPTIONS_SHORTCUT_KEYS, m_ShowShortcutKeys);
    DDX_Check(ioExchange, IDC_GT_OPTIONS_LARGE_ICONS, m_LargeIcons);
    DDX_Check(ioExchange, IDC_GT_OPTIONS_LOOK_2000, m_Look2000);
    DDX_Check(ioExchange, IDC_GT_OPTIONS_RECENTLY_USED, m_RecentlyUsedMenus);
    DDX_Check(ioExchange, IDC_GT_OPTIONS_SHOW_ALL_DELAY, m_ShowAllMenusAfterDelay);
}

BOOL CGTOptionsPage::OnInitDialog()
{
    if (m_SheetFlags & flagNoLargeIcons)
        m_LargeIcons = FALSE;
    CPropertyPage::OnInitDialog();
    if (!CGTToolBar::HasBasicCommands() || !m_HasMenuBar) {
        for (UINT id : {IDC_GT_OPTIONS_RECENTLY_USED, IDC_GT_OPTIONS_RESET_USAGE, IDC_GT_OPTIONS_PERSONALIZED,
                        IDC_GT_OPTIONS_PERSONALIZED_LINE, IDC_GT_OPTIONS_SHOW_ALL_DELAY})
            HideAndDisable(id);
    }
    if (!(m_SheetFlags & flagLook2000))
        HideAndDisable(IDC_GT_OPTIONS_LOOK_2000);
    if (m_SheetFlags & flagNoLargeIcons)
        HideAndDisable(IDC_GT_OPTIONS_LARGE_ICONS);
    // Nothing stands behind it.
    HideAndDisable(IDC_GT_OPTIONS_VISUALIZATIONS);
    UpdateDependentChecks();
    return TRUE;
}

void CGTOptionsPage::HideAndDisable(UINT iControlId)
{
    if (CWnd* control = GetDlgItem(iControlId)) {
        control->ShowWindow(SW_HIDE);
        control->EnableWindow(FALSE);
    }
}

void CGTOptionsPage::UpdateDependentChecks()
{
    if (CWnd* keys = GetDlgItem(IDC_GT_OPTIONS_SHORTCUT_KEYS))
        keys->EnableWindow(m_ShowTooltips);
    if (CWnd* delay = GetDlgItem(IDC_GT_OPTIONS_SHOW_ALL_DELAY); delay != nullptr && delay->IsWindowVisible())
        delay->EnableWindow(m_RecentlyUsedMenus);
}

void CGTOptionsPage::OnTooltips()
{
    UpdateData();
    CGTToolBar::s_ShowTooltips = m_ShowTooltips;
    UpdateDependentChecks();
}

void CGTOptionsPage::OnShortcutKeys()
{
    UpdateData();
    CGTToolBar::s_ShowShortcutKeys = m_ShowShortcutKeys;
}

void CGTOptionsPage::OnLargeIcons()
{
    UpdateData();
    CGTToolBar::ApplyLargeIcons(m_LargeIcons);
}

void CGTOptionsPage::OnLook2000()
{
    UpdateData();
    if (CGTVisualManager* look = CGTVisualManager::GetCurrent())
        look->SetLook2000(m_Look2000);
}

void CGTOptionsPage::OnRecentlyUsed()
{
    UpdateData();
    CGTMenuBar::SetRecentlyUsedMenus(m_RecentlyUsedMenus);
    UpdateDependentChecks();
}

void CGTOptionsPage::OnShowAllAfterDelay()
{
    UpdateData();
    GTMenuOptions::s_ShowAllAfterDelay = m_ShowAllMenusAfterDelay;
}

void CGTOptionsPage::OnResetUsageData()
{
    if (AfxMessageBox(LoadToolkitString(IDS_GT_RESET_USAGE_DATA), MB_YESNO | MB_ICONQUESTION) == IDYES)
        CGTToolBar::GetCommandUsage().Reset();
}
