// The toolkit's property sheet: its tree, tab-window and outlook navigation over modeless
// sheets, the layout around the navigation strip, and the pages' popup-menu hook.
#include <guitoolkit/docking/CGTPropertySheet.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>
#include "DockingTestSupport.h"

namespace {
const UINT pageTemplate = 3530;

class SheetPage : public CGTPropertyPage {
public:
    explicit SheetPage(LPCWSTR iTitle) : CGTPropertyPage(pageTemplate)
    {
        m_Title = iTitle;
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_Title;
    }
    // Data that do not validate keep the page.
    BOOL OnKillActive() override { return m_KeepActive ? FALSE : CGTPropertyPage::OnKillActive(); }

    CString m_Title;
    BOOL m_KeepActive = FALSE;
};

// Six solid 16 x 16 navigation icons.
HIMAGELIST MakeIcons()
{
    HIMAGELIST icons = ImageList_Create(16, 16, ILC_COLOR24, 6, 0);
    CWindowDC screen(nullptr);
    for (int icon = 0; icon < 6; ++icon) {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&screen, 16, 16);
        ImageList_Add(icons, static_cast<HBITMAP>(bitmap.GetSafeHandle()), nullptr);
    }
    return icons;
}

class Sheet : public CGTPropertySheet {
public:
    explicit Sheet(int iStyle, int iWidth = 170)
    {
        SetNavigationStyle(iStyle, iWidth);
        HIMAGELIST icons = MakeIcons();
        SetIconsList(icons);
        ImageList_Destroy(icons);
    }
    BOOL Open()
    {
        if (!Create())
            return FALSE;
        PumpMessages();
        return TRUE;
    }
    CGTPropertyPage* ActiveGtPage() const { return DYNAMIC_DOWNCAST(CGTPropertyPage, GetActivePage()); }
    int Image(HTREEITEM iItem)
    {
        int image = -2;
        int selected = -2;
        m_Tree.GetItemImage(iItem, image, selected);
        return image;
    }
    void ClickTree(HTREEITEM iItem)
    {
        m_Tree.SelectItem(iItem);
        PumpMessages();
    }
    CRect ChildRect(CWnd& iChild)
    {
        CRect rect;
        iChild.GetWindowRect(rect);
        ScreenToClient(rect);
        return rect;
    }
};

// Categories General (Network, Display) and Advanced, with a page in each leaf and one more
// in Network.
class TreeSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_General = m_Sheet.AddTreeCategory(L"General", 0, 1);
        m_Network = m_Sheet.AddTreeCategory(L"Network", 2, -1, m_General);
        m_Display = m_Sheet.AddTreeCategory(L"Display", 3, -1, m_General);
        m_Advanced = m_Sheet.AddTreeCategory(L"Advanced", 0, 1);
        m_Sheet.AddPageToCategory(m_Network, &m_Server, 4, 5);
        m_Sheet.AddPageToCategory(m_Network, &m_Proxy, 4, 5);
        m_Sheet.AddPageToCategory(m_Display, &m_Colours, 4, 5);
        m_Sheet.AddPageToCategory(m_Advanced, &m_Logging, 4, 5);
        ASSERT_TRUE(m_Sheet.Open());
    }

    Sheet m_Sheet{CGTPropertySheet::tree};
    SheetPage m_Server{L"Server"};
    SheetPage m_Proxy{L"Proxy"};
    SheetPage m_Colours{L"Colours"};
    SheetPage m_Logging{L"Logging"};
    CGTPropSheetCategory* m_General = nullptr;
    CGTPropSheetCategory* m_Network = nullptr;
    CGTPropSheetCategory* m_Display = nullptr;
    CGTPropSheetCategory* m_Advanced = nullptr;
};
}  // namespace

TEST_F(TreeSheet, ItemsShowTheirIconOrTheirSelectedIcon)
{
    CTreeCtrl& tree = m_Sheet.GetNavigationTree();
    ASSERT_NE(tree.GetSafeHwnd(), nullptr);
    EXPECT_EQ(m_Sheet.ActiveGtPage(), &m_Server);
    // The active page shows its selected icon, the others their own.
    EXPECT_EQ(m_Sheet.Image(m_Server.GetTreeItem()), 5);
    EXPECT_EQ(m_Sheet.Image(m_Proxy.GetTreeItem()), 4);
    // An expanded category shows its selected icon; -1 as selected icon means the icon.
    tree.Expand(m_General->m_TreeItem, TVE_EXPAND);
    tree.Expand(m_Network->m_TreeItem, TVE_EXPAND);
    tree.Expand(m_Advanced->m_TreeItem, TVE_COLLAPSE);
    EXPECT_EQ(m_Sheet.Image(m_General->m_TreeItem), 1);
    EXPECT_EQ(m_Sheet.Image(m_Advanced->m_TreeItem), 0);
    EXPECT_EQ(m_Sheet.Image(m_Network->m_TreeItem), 2);
    tree.Expand(m_Network->m_TreeItem, TVE_COLLAPSE);
    EXPECT_EQ(m_Sheet.Image(m_Network->m_TreeItem), 2);
}

TEST_F(TreeSheet, ACategoryOpensItsLastPageOrTheFirstPageOfItsFirstLeaf)
{
    m_Sheet.ClickTree(m_Advanced->m_TreeItem);
    EXPECT_EQ(m_Sheet.ActiveGtPage(), &m_Logging);
    // Nothing reached under General yet: its first leaf, Network, gives its first page.
    m_Sheet.ClickTree(m_General->m_TreeItem);
    EXPECT_EQ(m_Sheet.ActiveGtPage(), &m_Server);
    m_Sheet.ClickTree(m_Proxy.GetTreeItem());
    EXPECT_EQ(m_Sheet.ActiveGtPage(), &m_Proxy);
    EXPECT_EQ(m_Network->m_LastSelectedItem, m_Proxy.GetTreeItem());
    EXPECT_EQ(m_General->m_LastSelectedItem, m_Network->m_TreeItem);
    m_Sheet.ClickTree(m_Advanced->m_TreeItem);
    EXPECT_EQ(m_Sheet.ActiveGtPage(), &m_Logging);
    m_Sheet.ClickTree(m_General->m_TreeItem);
    EXPECT_EQ(m_Sheet.ActiveGtPage(), &m_Proxy);
}

TEST_F(TreeSheet, TheActivePagesCategoryPathIsTheExpandedOne)
{
    CTreeCtrl& tree = m_Sheet.GetNavigationTree();
    auto expanded = [&](CGTPropSheetCategory* iCategory) {
        return (tree.GetItemState(iCategory->m_TreeItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    };
    m_Sheet.ClickTree(m_Colours.GetTreeItem());
    EXPECT_TRUE(expanded(m_Display));
    EXPECT_TRUE(expanded(m_General));
    m_Sheet.ClickTree(m_Logging.GetTreeItem());
    EXPECT_TRUE(expanded(m_Advanced));
    EXPECT_FALSE(expanded(m_Display));
    EXPECT_FALSE(expanded(m_General));
}

TEST_F(TreeSheet, APageThatRefusesLeavesTheTreeOnTheActivePage)
{
    m_Server.m_KeepActive = TRUE;
    m_Sheet.ClickTree(m_Colours.GetTreeItem());
    EXPECT_EQ(m_Sheet.ActiveGtPage(), &m_Server);
    EXPECT_EQ(m_Sheet.GetNavigationTree().GetSelectedItem(), m_Server.GetTreeItem());
}

TEST_F(TreeSheet, ActivatingAPageSelectsItsItem)
{
    m_Sheet.SetActivePage(&m_Logging);
    PumpMessages();
    EXPECT_EQ(m_Sheet.GetNavigationTree().GetSelectedItem(), m_Logging.GetTreeItem());
    EXPECT_EQ(m_Advanced->m_LastSelectedItem, m_Logging.GetTreeItem());
}

TEST_F(TreeSheet, RemovedPagesAndCategoriesLeaveTheTree)
{
    CTreeCtrl& tree = m_Sheet.GetNavigationTree();
    const UINT before = tree.GetCount();
    m_Sheet.RemovePage(&m_Proxy);
    EXPECT_EQ(tree.GetCount(), before - 1);
    EXPECT_EQ(m_Network->m_Pages.GetCount(), 1);
    EXPECT_EQ(m_Proxy.GetCategory(), nullptr);
    // A category takes its pages out of the sheet and its item out of the tree.
    delete m_Display;
    EXPECT_EQ(m_Sheet.GetPageIndex(&m_Colours), -1);
    EXPECT_EQ(m_General->m_SubCategories.GetCount(), 1);
    EXPECT_EQ(tree.GetCount(), before - 3);
}

TEST(SheetLayout, TheNavigationStripSitsLeftOfThePagesAndTheButtonsRight)
{
    SheetPage plainPage(L"Server");
    Sheet plain(CGTPropertySheet::platformTabs);
    plain.AddPage(&plainPage);
    ASSERT_TRUE(plain.Open());
    CRect plainClient;
    plain.GetClientRect(plainClient);
    const CRect plainWindow = WindowRect(plain);

    SheetPage page(L"Server");
    Sheet sheet(CGTPropertySheet::tree);
    sheet.AddPageToCategory(sheet.AddTreeCategory(L"General", 0, 1), &page, -1, 2);
    ASSERT_TRUE(sheet.Open());
    CTabCtrl* tabs = sheet.GetTabControl();
    CRect item;
    tabs->GetItemRect(0, item);
    const int tabsHeight = item.Height() + 5;
    EXPECT_EQ(WindowRect(sheet).Size(), CSize(170 + plainClient.Width(), plainClient.Height() - tabsHeight + 15));
    const CRect tabRect = sheet.ChildRect(*tabs);
    EXPECT_EQ(tabRect, CRect(CPoint(170, -tabsHeight), CSize(plainClient.Width(), plainClient.Height() - 10)));
    EXPECT_EQ(sheet.ChildRect(sheet.GetNavigationTree()), CRect(1, 1, 169, tabRect.bottom - 1));
    EXPECT_EQ(tabs->GetStyle() & WS_TABSTOP, 0u);
    CRect client;
    sheet.GetClientRect(client);
    const CRect cancel = sheet.ChildRect(*sheet.GetDlgItem(IDCANCEL));
    const CRect apply = sheet.ChildRect(*sheet.GetDlgItem(ID_APPLY_NOW));
    EXPECT_EQ(apply.right, client.right - 5);
    EXPECT_EQ(cancel.bottom, client.bottom - 5);
    EXPECT_LT(cancel.right, apply.left);
    // The platform's tabs keep the platform's size.
    EXPECT_EQ(plain.GetNavigationTree().GetSafeHwnd(), nullptr);
    CPropertySheet reference(L"Reference");
    SheetPage referencePage(L"Server");
    reference.AddPage(&referencePage);
    ASSERT_TRUE(reference.Create());
    EXPECT_EQ(WindowRect(reference).Size(), plainWindow.Size());
}

TEST(SheetTabWindow, TheTabWindowReplacesThePlatformTabs)
{
    SheetPage first(L"First");
    SheetPage second(L"Second");
    Sheet sheet(CGTPropertySheet::tabWindow);
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    ASSERT_TRUE(sheet.Open());
    CGTPropSheetTab& tabs = sheet.GetNavigationTab();
    ASSERT_NE(tabs.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(Shown(*sheet.GetTabControl()));
    EXPECT_EQ(tabs.GetTabCount(), 2);
    CString label;
    tabs.GetTabLabel(1, label);
    EXPECT_EQ(label, L"Second");
    CRect expected = sheet.ChildRect(*sheet.GetTabControl());
    expected.InflateRect(2, 2);
    EXPECT_EQ(sheet.ChildRect(tabs), expected);

    EXPECT_TRUE(tabs.SetActiveTab(1));
    EXPECT_EQ(sheet.GetActivePage(), &second);
    CRect area;
    tabs.GetWndArea(area);
    tabs.MapWindowPoints(&sheet, area);
    EXPECT_EQ(sheet.ChildRect(second), area);
    second.m_KeepActive = TRUE;
    EXPECT_FALSE(tabs.SetActiveTab(0));
    EXPECT_EQ(tabs.GetActiveTab(), 1);
    // A page activated by the sheet moves the tab window along.
    second.m_KeepActive = FALSE;
    sheet.SetActivePage(&first);
    EXPECT_EQ(tabs.GetActiveTab(), 0);
}

TEST(SheetOutlook, PageButtonsFollowThePages)
{
    SheetPage first(L"First");
    SheetPage second(L"Second");
    Sheet sheet(CGTPropertySheet::outlookBar);
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    ASSERT_TRUE(sheet.Open());
    CGTPropSheetPane* buttons = sheet.GetPageButtons();
    ASSERT_NE(buttons, nullptr);
    ASSERT_EQ(buttons->GetButtonCount(), 2);
    EXPECT_EQ(buttons->GetButtonText(1), L"Second");
    EXPECT_NE(buttons->GetButtonStyle(0) & TBBS_CHECKED, 0u);

    EXPECT_TRUE(buttons->TakesButtonCommand(buttons->GetButton(1)));
    PumpMessages();
    EXPECT_EQ(sheet.GetActivePage(), &second);
    EXPECT_EQ(buttons->GetButtonStyle(0) & TBBS_CHECKED, 0u);
    EXPECT_NE(buttons->GetButtonStyle(1) & TBBS_CHECKED, 0u);
    sheet.RemovePage(&first);
    EXPECT_EQ(buttons->GetButtonCount(), 1);
}

TEST(SheetPages, APageIsThePopupMenuHostOfItsDialog)
{
    SheetPage page(L"Server");
    Sheet sheet(CGTPropertySheet::tree);
    sheet.AddPage(&page);
    ASSERT_TRUE(sheet.Open());
    CWnd menu;
    menu.CreateEx(0, AfxRegisterWndClass(0), L"Menu", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0);
    IGTPopupMenuHost* host = dynamic_cast<IGTPopupMenuHost*>(static_cast<CWnd*>(&page));
    ASSERT_NE(host, nullptr);
    host->SetActivePopupMenu(&menu);
    EXPECT_EQ(CGTActivePopupMenu::Get(), &menu);
    EXPECT_NE(CGTDlgImpl::GetMouseHook(), nullptr);
    host->SetActivePopupMenu(nullptr);
    EXPECT_EQ(CGTDlgImpl::GetMouseHook(), nullptr);
    menu.DestroyWindow();
}
