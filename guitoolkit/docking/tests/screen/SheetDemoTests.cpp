// What a user sees, on a real X display: an options sheet with a tree of categories and pages
// on the left, 170 pixels wide, used with real clicks. The screenshot, sheet-demo.bmp, is
// kept beside the test for people to look at.
#include <guitoolkit/docking/CGTPropertySheet.h>
#include <gtest/gtest.h>
#include "ScreenTestSupport.h"

namespace {
const UINT pageTemplate = 3530;
const UINT iconStrip = 101;

class DemoPage : public CGTPropertyPage {
public:
    explicit DemoPage(LPCWSTR iTitle) : CGTPropertyPage(pageTemplate), m_Title(iTitle)
    {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_Title;
    }

    CString m_Title;
};

class OptionsSheet : public CGTPropertySheet {
public:
    OptionsSheet()
    {
        SetTitle(L"Options");
        SetNavigationStyle(tree, 170);
        LoadNavigationIcons(iconStrip, 16);
        AddPageToCategory(AddTreeCategory(L"General", 0, 1), &m_Server, -1, 2);
        AddPageToCategory(AddTreeCategory(L"Appearance", 0, 1), &m_Look, -1, 2);
    }

    DemoPage m_Server{L"Server"};
    DemoPage m_Look{L"Look"};
};

CPoint ItemCentre(CTreeCtrl& iTree, HTREEITEM iItem)
{
    CRect rect;
    iTree.GetItemRect(iItem, rect, TRUE);
    iTree.ClientToScreen(rect);
    return rect.CenterPoint();
}
}  // namespace

TEST(SheetDemo, ClicksInTheTreeChooseThePages)
{
    CWinApp app(L"SheetDemo");
    OptionsSheet sheet;
    ASSERT_TRUE(sheet.Create());
    app.m_pMainWnd = &sheet;
    // A modeless sheet hides the buttons a modal one shows; the options dialog is modal.
    for (UINT id : {static_cast<UINT>(IDOK), static_cast<UINT>(IDCANCEL), static_cast<UINT>(ID_APPLY_NOW)}) {
        sheet.GetDlgItem(id)->EnableWindow(id != ID_APPLY_NOW);
        sheet.GetDlgItem(id)->ShowWindow(SW_SHOW);
    }
    sheet.SetWindowPos(nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    LetItDraw(app, 500);

    CTreeCtrl& tree = sheet.GetNavigationTree();
    HTREEITEM general = tree.GetRootItem();
    SendClick(ItemCentre(tree, tree.GetNextSiblingItem(general)));
    LetItDraw(app, 500);
    EXPECT_EQ(sheet.GetActivePage(), &sheet.m_Look);
    // A category leads to its page.
    SendClick(ItemCentre(tree, general));
    SendMouse(0, CPoint(700, 700));
    LetItDraw(app, 500);
    sheet.m_Server.GetDlgItem(3531)->SetFocus();
    LetItDraw(app, 500);
    EXPECT_EQ(sheet.GetActivePage(), &sheet.m_Server);

    CRect window;
    sheet.GetWindowRect(window);
    Screenshot shot(window);
    shot.Save(L"sheet-demo.bmp");
    // The tree fills the strip left of the page, the page stands right of it.
    CRect treeRect;
    tree.GetWindowRect(treeRect);
    CRect pageRect;
    sheet.m_Server.GetWindowRect(pageRect);
    EXPECT_EQ(treeRect.Width(), 168);
    EXPECT_GE(pageRect.left, treeRect.right);
    EXPECT_TRUE(sheet.m_Server.IsWindowVisible());
    EXPECT_GT(shot.Count(ToPixel(::GetSysColor(COLOR_WINDOW)), treeRect), treeRect.Width() * treeRect.Height() / 2);
    sheet.DestroyWindow();
}
