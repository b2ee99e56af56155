#include <guitoolkit/core/CGTMouseManager.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <guitoolkit/toolbars/CGTMousePage.h>
#include <guitoolkit/toolbars/GTPageResources.h>
#include <gtest/gtest.h>
#include "EditorTestSupport.h"
#include "GtToolbarsTestIds.h"

namespace {
class MousePage : public ::testing::Test {
protected:
    // The commands as the sheet lists them: the text, the command as data.
    static void ListCommands(CGTMousePage& ioPage)
    {
        auto* commands = static_cast<CListBox*>(ioPage.GetDlgItem(IDC_GT_MOUSE_COMMANDS));
        commands->SetItemData(commands->AddString(L"Day"), ID_GT_TEST_FIRST);
        commands->SetItemData(commands->AddString(L"Week"), ID_GT_TEST_SECOND);
    }
    static void ChooseCommand(CGTMousePage& ioPage, int iIndex)
    {
        CWnd* commands = ioPage.GetDlgItem(IDC_GT_MOUSE_COMMANDS);
        commands->SendMessage(LB_SETCURSEL, iIndex);
        ioPage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GT_MOUSE_COMMANDS, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(commands->m_hWnd));
    }
    static void ChooseView(CGTMousePage& ioPage, int iIndex)
    {
        ListView_SetItemState(ioPage.GetDlgItem(IDC_GT_MOUSE_VIEWS)->m_hWnd, iIndex, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
    static CString ViewText(CGTMousePage& ioPage, int iIndex)
    {
        wchar_t text[64] = {};
        ListView_GetItemText(ioPage.GetDlgItem(IDC_GT_MOUSE_VIEWS)->m_hWnd, iIndex, 0, text, 64);
        return text;
    }

    FakeBeeper m_Beeper;
};
}  // namespace

TEST_F(MousePage, TheChosenCommandGoesToTheViewAtOnce)
{
    CGTMouseManager mouse;
    mouse.AddView(7, L"Reports");
    mouse.AddView(8, L"Charts");
    mouse.SetViewCommand(8, ID_GT_TEST_SECOND);
    CGTMousePage page;
    PageHost host(page);
    EXPECT_EQ(CString(L"Charts"), ViewText(page, 0));
    EXPECT_EQ(CString(L"Reports"), ViewText(page, 1));
    ListCommands(page);

    ChooseView(page, 1);
    EXPECT_EQ(BST_CHECKED, page.IsDlgButtonChecked(IDC_GT_MOUSE_NO_COMMAND));
    EXPECT_FALSE(page.GetDlgItem(IDC_GT_MOUSE_COMMANDS)->IsWindowEnabled());
    host.Click(IDC_GT_MOUSE_COMMAND);
    EXPECT_TRUE(page.GetDlgItem(IDC_GT_MOUSE_COMMANDS)->IsWindowEnabled());
    ChooseCommand(page, 0);
    EXPECT_EQ(UINT(ID_GT_TEST_FIRST), mouse.GetViewDblClickCommand(7));

    ChooseView(page, 0);
    EXPECT_EQ(BST_CHECKED, page.IsDlgButtonChecked(IDC_GT_MOUSE_COMMAND));
    EXPECT_EQ(1, static_cast<CListBox*>(page.GetDlgItem(IDC_GT_MOUSE_COMMANDS))->GetCurSel());
    host.Click(IDC_GT_MOUSE_NO_COMMAND);
    EXPECT_EQ(0u, mouse.GetViewDblClickCommand(8));
    EXPECT_FALSE(page.GetDlgItem(IDC_GT_MOUSE_COMMANDS)->IsWindowEnabled());
    EXPECT_TRUE(m_Beeper.m_Beeps.empty());
}

TEST_F(MousePage, AChoiceWithoutAViewBeeps)
{
    CGTMouseManager mouse;
    CGTMousePage page;
    PageHost host(page);
    ListCommands(page);
    host.Click(IDC_GT_MOUSE_COMMAND);
    ChooseCommand(page, 1);
    EXPECT_EQ((std::vector<UINT>{0xFFFFFFFF, 0xFFFFFFFF}), m_Beeper.m_Beeps);
}
