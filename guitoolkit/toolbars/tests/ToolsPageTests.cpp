#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/toolbars/CGTToolsPage.h>
#include <guitoolkit/toolbars/GTPageResources.h>
#include <gtest/gtest.h>
#include "EditorTestSupport.h"
#include "GtToolbarsTestIds.h"
#include <guitoolkit/core/tests/FakeSeams.h>

namespace {
std::vector<std::wstring> Labels(const CGTUserToolsManager& iTools)
{
    std::vector<std::wstring> labels;
    for (POSITION position = iTools.GetTools().GetHeadPosition(); position != nullptr;)
        labels.push_back(std::wstring(static_cast<CGTUserTool*>(iTools.GetTools().GetNext(position))->m_Label));
    return labels;
}

// Names the item the list renames and ends the renaming.
void Name(PageHost& ioHost, CGTToolsPage& ioPage, LPCWSTR iText)
{
    CGTEditListEdit* editor = ioPage.GetToolsList().GetEditor();
    ASSERT_NE(nullptr, editor);
    editor->SetWindowText(iText);
    ioHost.m_Sheet.GetTabControl()->SetFocus();
    PumpPreTranslated();
}
}  // namespace

TEST(ToolsPage, TheEditsFollowTheChosenTool)
{
    CGTUserToolsManager tools(0x8100, 0x8101);
    CGTToolsPage page;
    PageHost host(page);
    EXPECT_EQ(nullptr, page.GetSelectedTool());
    for (UINT id : {IDC_GT_TOOLS_COMMAND, IDC_GT_TOOLS_ARGUMENTS, IDC_GT_TOOLS_DIRECTORY, IDC_GT_TOOLS_BROWSE})
        EXPECT_FALSE(page.GetDlgItem(id)->IsWindowEnabled()) << id;
}

TEST(ToolsPage, TheListAndTheEditsChangeTheManagersToolsUpToItsLimit)
{
    PromptRecordingApp app;
    CGTUserToolsManager tools(0x8100, 0x8101);
    CGTUserTool* notes = tools.CreateNewTool();
    notes->m_Label = L"Notes";
    notes->m_Arguments = L"today.txt";
    CGTToolsPage page;
    PageHost host(page);
    CToolsList& list = page.GetToolsList();
    ASSERT_EQ(1, list.GetCount());
    EXPECT_EQ(4, list.GetButtonCount());
    ASSERT_EQ(notes, page.GetSelectedTool());
    CString text;
    page.GetDlgItemText(IDC_GT_TOOLS_ARGUMENTS, text);
    EXPECT_EQ(CString(L"today.txt"), text);
    EXPECT_TRUE(page.GetDlgItem(IDC_GT_TOOLS_COMMAND)->IsWindowEnabled());
    page.SetDlgItemText(IDC_GT_TOOLS_COMMAND, L"notes.exe");
    EXPECT_EQ(CString(L"notes.exe"), notes->GetCommand());
    EXPECT_EQ(CString(L"today.txt"), notes->m_Arguments);

    list.OnClickButton(0);
    Name(host, page, L"Calculator");
    EXPECT_EQ((std::vector<std::wstring>{L"Notes", L"Calculator"}), Labels(tools));
    ASSERT_NE(nullptr, page.GetSelectedTool());
    EXPECT_EQ(CString(L"Calculator"), page.GetSelectedTool()->m_Label);
    page.GetDlgItemText(IDC_GT_TOOLS_ARGUMENTS, text);
    EXPECT_EQ(CString(), text);

    // Every command of the range is taken.
    list.OnClickButton(0);
    Name(host, page, L"Clock");
    EXPECT_EQ(std::vector<std::wstring>{L"You may define up to 2 tools."}, app.m_Prompts);
    EXPECT_EQ(2, list.GetCount());
    EXPECT_EQ((std::vector<std::wstring>{L"Notes", L"Calculator"}), Labels(tools));

    list.SelectItem(1);
    list.OnClickButton(2);
    EXPECT_EQ((std::vector<std::wstring>{L"Calculator", L"Notes"}), Labels(tools));
    list.SelectItem(0);
    list.OnClickButton(1);
    EXPECT_EQ(std::vector<std::wstring>{L"Notes"}, Labels(tools));
    EXPECT_EQ(CString(L"Notes"), list.GetItemText(0));
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(notes), list.GetItemData(0));
}

TEST(ToolsPage, APickListChoiceIsTypedIntoItsEdit)
{
    FakeModalDialogs menus;
    CGTUserToolsManager tools(0x8100, 0x8101, RUNTIME_CLASS(CGTUserTool), IDR_GT_TEST_PICK_LIST, 0);
    CGTUserTool* notes = tools.CreateNewTool();
    notes->m_Arguments = L"-o ";
    CGTToolsPage page;
    PageHost host(page);
    CWnd* arguments = page.GetDlgItem(IDC_GT_TOOLS_ARGUMENTS_MENU);
    EXPECT_TRUE(arguments->IsWindowVisible());
    EXPECT_FALSE(page.GetDlgItem(IDC_GT_TOOLS_DIRECTORY_MENU)->IsWindowVisible()) << "no menu named for it";

    auto* edit = static_cast<CEdit*>(page.GetDlgItem(IDC_GT_TOOLS_ARGUMENTS));
    edit->SetSel(3, 3);
    menus.m_Choice = ID_GT_TEST_PICK_FILE;
    arguments->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    arguments->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(menus.m_MenusTracked, 1);
    EXPECT_EQ(::GetMenuItemID(menus.m_Menu, 1), UINT(ID_GT_TEST_PICK_FOLDER)) << "the menu's first sub-menu";
    EXPECT_EQ(CString(L"-o $(File)"), notes->m_Arguments);

    menus.m_Choice = 0;
    arguments->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(CString(L"-o $(File)"), notes->m_Arguments);
}
