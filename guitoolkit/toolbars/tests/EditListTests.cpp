#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include <guitoolkit/toolbars/CGTEditListBox.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "EditorTestSupport.h"

namespace {
// Records what the owner is told; refuses removals while told to.
class RecordingList : public CGTEditListBox {
public:
    BOOL OnBeforeRemoveItem(int iIndex) override
    {
        Record("remove?", iIndex);
        return !m_RefuseRemoval;
    }
    void OnAfterAddItem(int iIndex) override { Record("added", iIndex); }
    void OnAfterRenameItem(int iIndex) override { Record("renamed", iIndex); }
    void OnAfterMoveItemUp(int iIndex) override { Record("up", iIndex); }
    void OnAfterMoveItemDown(int iIndex) override { Record("down", iIndex); }
    void OnBrowse() override { Record("browse", GetSelItem()); }
    void Record(const char* iWhat, int iIndex) { m_Told.push_back(iWhat + std::to_string(iIndex)); }

    std::vector<std::string> m_Told;
    BOOL m_RefuseRemoval = FALSE;
};

class EditList : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(
            m_List.Create(L"Menu contents:", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(5, 5, 205, 165), &m_Dialog, 20));
        ASSERT_TRUE(
            m_Other.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, CRect(5, 170, 150, 190), &m_Dialog, 21));
    }
    void Fill(std::initializer_list<LPCWSTR> iTexts)
    {
        DWORD_PTR data = 1;
        for (LPCWSTR text : iTexts)
            m_List.AddItem(text, data++);
    }
    std::vector<std::wstring> Items() const
    {
        std::vector<std::wstring> items;
        for (int index = 0; index < m_List.GetCount(); ++index)
            items.push_back(std::wstring(m_List.GetItemText(index)) + L"=" +
                            std::to_wstring(m_List.GetItemData(index)));
        return items;
    }
    HWND ListWindow() const { return m_List.GetListWnd()->GetSafeHwnd(); }
    void PressInList(UINT iKey)
    {
        PostKey(ListWindow(), iKey, TRUE);
        PostKey(ListWindow(), iKey, FALSE);
        PumpPreTranslated();
    }
    // Renaming ends when the editor loses the focus.
    void FinishRenaming(LPCWSTR iText)
    {
        ASSERT_NE(nullptr, m_List.GetEditor());
        m_List.GetEditor()->SetWindowText(iText);
        m_Other.SetFocus();
        PumpPreTranslated();
    }

    HostDialog m_Dialog{CRect(0, 0, 300, 220)};
    RecordingList m_List;
    CEdit m_Other;
};
}  // namespace

TEST_F(EditList, TheCaptionHoldsTheButtonsFromTheRightInTheOrderAdded)
{
    ASSERT_TRUE(m_List.AddStandardButtons(CGTEditListBase::ButtonDelete | CGTEditListBase::ButtonMoveUp |
                                          CGTEditListBase::ButtonMoveDown));
    ASSERT_EQ(3, m_List.GetButtonCount());
    EXPECT_EQ(CGTEditListBase::CommandDelete, m_List.GetButtonCommand(0));
    EXPECT_EQ(CGTEditListBase::CommandMoveDown, m_List.GetButtonCommand(2));
    const CRect caption = m_List.GetCaptionRect();
    CRect client;
    m_List.GetClientRect(&client);
    EXPECT_EQ(client.right, caption.right);
    int right = caption.right;
    for (int index = 2; index >= 0; --index) {
        CRect button;
        m_List.GetButton(index)->GetWindowRect(&button);
        m_List.ScreenToClient(&button);
        EXPECT_EQ(CRect(right - button.Width(), caption.top + 1, right, caption.bottom - 1), button) << index;
        right = button.left;
    }
    CRect list;
    m_List.GetListWnd()->GetWindowRect(&list);
    m_List.ScreenToClient(&list);
    EXPECT_EQ(CRect(client.left, caption.bottom, client.right, client.bottom), list);
}

TEST_F(EditList, AltUpMovesTheItemAndUpOnlyTheSelection)
{
    m_List.AddStandardButtons();
    Fill({L"Notepad", L"Calculator", L"Paint"});
    m_List.SelectItem(2);
    m_List.GetListWnd()->SetFocus();
    {
        FakeKeyState keys;
        keys.Press(VK_MENU);
        PressInList(VK_UP);
    }
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad=1", L"Paint=3", L"Calculator=2"}), Items());
    EXPECT_EQ(1, m_List.GetSelItem());
    PressInList(VK_UP);
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad=1", L"Paint=3", L"Calculator=2"}), Items());
    EXPECT_EQ(0, m_List.GetSelItem());
    // The system sends Alt+Down as a system key.
    PostKey(ListWindow(), VK_DOWN, TRUE, TRUE);
    PumpPreTranslated();
    EXPECT_EQ((std::vector<std::wstring>{L"Paint=3", L"Notepad=1", L"Calculator=2"}), Items());
    EXPECT_EQ((std::vector<std::string>{"up1", "down1"}), m_List.m_Told);
}

TEST_F(EditList, F2RenamesTheSelectedItemAndDoesNothingOnAnEmptyList)
{
    m_List.AddStandardButtons();
    m_List.GetListWnd()->SetFocus();
    PressInList(VK_F2);
    EXPECT_EQ(nullptr, m_List.GetEditor());

    Fill({L"Notepad", L"Paint"});
    m_List.SelectItem(1);
    PressInList(VK_F2);
    ASSERT_NE(nullptr, m_List.GetEditor());
    for (int index = 0; index < m_List.GetButtonCount(); ++index)
        EXPECT_FALSE(m_List.GetButton(index)->IsWindowEnabled()) << "buttons wait while an item is renamed";
    FinishRenaming(L"Paintbrush");
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad=1", L"Paintbrush=2"}), Items());
    EXPECT_TRUE(m_List.GetButton(0)->IsWindowEnabled());

    PressInList(VK_F2);
    FinishRenaming(L"");
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad=1", L"Paintbrush=2"}), Items()) << "an empty name keeps the old";
    EXPECT_EQ((std::vector<std::string>{"renamed1"}), m_List.m_Told);
}

TEST_F(EditList, ANewItemIsKeptOnlyOnceItHasAName)
{
    m_List.AddStandardButtons();
    Fill({L"Notepad"});
    m_List.GetListWnd()->SetFocus();
    PressInList(VK_INSERT);
    EXPECT_EQ(2, m_List.GetCount());
    FinishRenaming(L"");
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad=1"}), Items());
    EXPECT_EQ(0, m_List.GetSelItem());

    m_List.OnClickButton(0);
    FinishRenaming(L"Paint");
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad=1", L"Paint=0"}), Items());
    EXPECT_EQ((std::vector<std::string>{"added1"}), m_List.m_Told);
}

TEST_F(EditList, DeleteAsksTheOwnerAndPassesTheSelectionOn)
{
    m_List.AddStandardButtons();
    Fill({L"Notepad", L"Calculator", L"Paint"});
    m_List.GetListWnd()->SetFocus();
    m_List.SelectItem(2);
    m_List.m_RefuseRemoval = TRUE;
    PressInList(VK_DELETE);
    EXPECT_EQ(3, m_List.GetCount());
    m_List.m_RefuseRemoval = FALSE;
    PressInList(VK_DELETE);
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad=1", L"Calculator=2"}), Items());
    EXPECT_EQ(1, m_List.GetSelItem()) << "the last item gives the selection to the one before";
    m_List.SelectItem(0);
    PressInList(VK_DELETE);
    EXPECT_EQ(0, m_List.GetSelItem()) << "else the item that takes its place";
    EXPECT_EQ((std::vector<std::string>{"remove?2", "remove?2", "remove?0"}), m_List.m_Told);
}

TEST_F(EditList, TheControlPassesItsFocusAndEnablingToTheListAndButtons)
{
    m_List.AddStandardButtons(CGTEditListBase::ButtonNew);
    m_List.SetFocus();
    EXPECT_EQ(ListWindow(), ::GetFocus());
    m_List.EnableWindow(FALSE);
    EXPECT_FALSE(m_List.GetButton(0)->IsWindowEnabled());
    EXPECT_FALSE(m_List.GetListWnd()->IsWindowEnabled());
    m_List.EnableWindow(TRUE);
    EXPECT_TRUE(m_List.GetButton(0)->IsWindowEnabled());
    EXPECT_TRUE(m_List.GetListWnd()->IsWindowEnabled());
}

TEST_F(EditList, TheEditorsBrowseButtonAsksTheListBox)
{
    m_List.EnableBrowseButton();
    Fill({L"Notepad"});
    ASSERT_TRUE(m_List.EditItem(0));
    CGTEditListEdit& editor = *m_List.GetEditor();
    CRect client;
    editor.GetClientRect(&client);
    const CRect button = editor.GetButtonRect();
    EXPECT_EQ(client.right, button.left) << "the button lies right of the client area";
    ASSERT_EQ(20, button.Width());
    const CPoint onButton = button.CenterPoint();
    CPoint screen = onButton;
    editor.ClientToScreen(&screen);
    EXPECT_EQ(HTCAPTION, editor.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)));

    // Released beside the button, the press runs nothing.
    editor.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onButton.x, onButton.y));
    editor.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(m_List.m_Told.empty());
    editor.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onButton.x, onButton.y));
    editor.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(onButton.x, onButton.y));
    EXPECT_EQ((std::vector<std::string>{"browse0"}), m_List.m_Told);
    EXPECT_EQ(editor.m_hWnd, ::GetFocus());
}

TEST_F(EditList, TheButtonsTipsNameTheirKeys)
{
    m_List.AddStandardButtons();
    const LPCWSTR tips[] = {L"New (Insert)", L"Delete (Delete)", L"Move Item Up (Alt+Up)",
                            L"Move Item Down (Alt+Down)"};
    for (int index = 0; index < 4; ++index) {
        CGTButton& button = *m_List.GetButton(index);
        CString tip;
        button.GetToolTip().GetText(tip, &button);
        EXPECT_STREQ(tips[index], tip) << index;
    }
}

TEST_F(EditList, TheMouseNamesANewItemOrRenamesTheSelectedOne)
{
    m_List.AddStandardButtons(CGTEditListBase::ButtonNew);
    const HWND list = ListWindow();
    m_List.GetListWnd()->SetFocus();
    ::PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(40, 60));
    PumpPreTranslated();
    ASSERT_NE(nullptr, m_List.GetEditor()) << "a double click on no item starts a new one";
    FinishRenaming(L"Notepad");
    EXPECT_EQ((std::vector<std::wstring>{L"Notepad=0"}), Items());

    m_List.SelectItem(0);
    m_List.GetListWnd()->SetFocus();
    CRect label;
    static_cast<CListCtrl*>(m_List.GetListWnd())->GetItemRect(0, &label, LVIR_LABEL);
    PostClick(list, label.CenterPoint());
    PumpPreTranslated();
    ASSERT_NE(nullptr, m_List.GetEditor()) << "a second click on the selected item renames it";
    FinishRenaming(L"Paint");
    EXPECT_EQ((std::vector<std::wstring>{L"Paint=0"}), Items());
    EXPECT_EQ((std::vector<std::string>{"added0", "renamed0"}), m_List.m_Told);
}

TEST_F(EditList, AnItemPutFirstIsSelected)
{
    Fill({L"Notepad", L"Paint"});
    m_List.SelectItem(1);
    EXPECT_EQ(0, m_List.AddItem(L"Calculator", 7, 0));
    EXPECT_EQ(0, m_List.GetSelItem());
    EXPECT_EQ(3, m_List.AddItem(L"Clock", 8));
    EXPECT_EQ(0, m_List.GetSelItem());
    EXPECT_EQ((std::vector<std::wstring>{L"Calculator=7", L"Notepad=1", L"Paint=2", L"Clock=8"}), Items());
}
