#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTMenuPage.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <guitoolkit/toolbars/GTPageResources.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "EditorTestSupport.h"
#include "GtToolbarsTestIds.h"
#include "PopupTestSupport.h"

namespace {
HMENU LoadTestMenu(UINT iId)
{
    return ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(iId));
}

// A frame whose menu bar shows the test frame menu; it keeps the menu resets it is told of.
class MenuPageFrame : public MenuFrame {
public:
    MenuPageFrame() : m_Menu(LoadTestMenu(IDR_GT_TEST_MENU))
    {
        m_Bar.CreateEx(this);
        m_Bar.SetFrameMenu(IDR_GT_TEST_MENU);
        m_Bar.CreateFromMenu(m_Menu, TRUE, TRUE);
    }
    ~MenuPageFrame() override
    {
        m_Bar.DestroyWindow();
        CMenuHash::Instance().CleanUp();
    }
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == GTTOOLBAR_RESETMENU)
            m_Resets.push_back(static_cast<UINT>(iWParam));
        return MenuFrame::WindowProc(iMessage, iWParam, iLParam);
    }
    int Items() const { return m_Bar.GetButtonCount(); }

    HMENU m_Menu;
    CGTMenuBar m_Bar;
    std::vector<UINT> m_Resets;
};

void Choose(CWnd& ioPage, UINT iComboId, int iIndex)
{
    CWnd* combo = ioPage.GetDlgItem(iComboId);
    combo->SendMessage(CB_SETCURSEL, iIndex);
    ioPage.SendMessage(WM_COMMAND, MAKEWPARAM(iComboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo->m_hWnd));
}

std::vector<std::wstring> Choices(CWnd& iPage, UINT iComboId)
{
    auto* combo = static_cast<CComboBox*>(iPage.GetDlgItem(iComboId));
    std::vector<std::wstring> texts;
    for (int index = 0; index < combo->GetCount(); ++index) {
        CString text;
        combo->GetLBText(index, text);
        texts.push_back((index == combo->GetCurSel() ? L"*" : L"") + std::wstring(text));
    }
    return texts;
}

CString Description(CWnd& iPage)
{
    CString text;
    iPage.GetDlgItemText(IDC_GT_MENU_DESCRIPTION, text);
    return text;
}

class MenuPage : public ::testing::Test {
protected:
    MenuPage() : m_App(IDYES), m_Animation(GTMenuOptions::s_Animation), m_Shadows(GTMenuOptions::s_Shadows)
    {
        GTMenuOptions::s_Animation = 0;
        GTMenuOptions::s_Shadows = TRUE;
    }
    ~MenuPage() override
    {
        GTMenuOptions::s_Animation = m_Animation;
        GTMenuOptions::s_Shadows = m_Shadows;
    }
    PromptRecordingApp m_App;
    int m_Animation;
    BOOL m_Shadows;
};
}  // namespace

TEST_F(MenuPage, TheChosenMenuIsShownForEditingAndTheBarGetsItsOwnBack)
{
    auto* documents = new CMultiDocTemplate(IDR_GT_TEST_DOC_MENU, nullptr, nullptr, nullptr);
    documents->m_hMenuShared = LoadTestMenu(IDR_GT_TEST_DOC_MENU);
    m_App.AddDocTemplate(documents);
    auto* twin = new CMultiDocTemplate(IDR_GT_TEST_DOC_MENU, nullptr, nullptr, nullptr);
    twin->m_hMenuShared = documents->m_hMenuShared;
    m_App.AddDocTemplate(twin);
    MenuPageFrame frame;
    ASSERT_EQ(2, frame.Items());
    {
        CGTMenuPage page(&frame, TRUE, 0x09);
        PageHost host(page);
        EXPECT_EQ((std::vector<std::wstring>{L"Monthly report", L"*Default Menu"}), Choices(page, IDC_GT_FRAME_MENUS));
        EXPECT_EQ(CString(L"Default application menu. Appears when no documents are open."), Description(page));
        EXPECT_EQ((std::vector<std::wstring>{L"*None", L"Unfold", L"Slide", L"Fade"}),
                  Choices(page, IDC_GT_MENU_ANIMATION));

        Choose(page, IDC_GT_FRAME_MENUS, 0);
        EXPECT_EQ(documents->m_hMenuShared, frame.m_Bar.GetCurrentMenu());
        EXPECT_EQ(3, frame.Items());

        HMENU before = documents->m_hMenuShared;
        frame.m_Bar.RemoveButton(2);
        host.Click(IDC_GT_RESET_FRAME_MENU);
        ASSERT_EQ(1u, m_App.m_Prompts.size());
        EXPECT_EQ(L"All your changes will be lost! Do you really want to reset the menu 'Monthly report'?",
                  m_App.m_Prompts[0]);
        EXPECT_EQ(std::vector<UINT>{IDR_GT_TEST_DOC_MENU}, frame.m_Resets);
        EXPECT_NE(before, documents->m_hMenuShared);
        EXPECT_FALSE(::IsMenu(before));
        EXPECT_EQ(documents->m_hMenuShared, frame.m_Bar.GetCurrentMenu());
        EXPECT_EQ(3, frame.Items());

        Choose(page, IDC_GT_MENU_ANIMATION, 2);
        page.CheckDlgButton(IDC_GT_MENU_SHADOWS, BST_UNCHECKED);
    }
    EXPECT_EQ(frame.m_Menu, frame.m_Bar.GetCurrentMenu());
    EXPECT_EQ(2, frame.Items());
    EXPECT_EQ(2, GTMenuOptions::s_Animation);
    EXPECT_FALSE(GTMenuOptions::s_Shadows);
    ::DestroyMenu(documents->m_hMenuShared);
}

TEST_F(MenuPage, WithoutAMenuBarOnlyTheOptionsAreLeft)
{
    CGTMenuPage page(nullptr, TRUE, 0);
    PageHost host(page);
    EXPECT_EQ(CString(L"Can't customize menues!"), Description(page));
    EXPECT_FALSE(page.GetDlgItem(IDC_GT_FRAME_MENUS)->IsWindowEnabled());
    EXPECT_FALSE(page.GetDlgItem(IDC_GT_RESET_FRAME_MENU)->IsWindowEnabled());
    for (UINT id : {IDC_GT_CONTEXT_MENUS, IDC_GT_RESET_CONTEXT_MENU, IDC_GT_CONTEXT_MENU_HINT, IDC_GT_MENU_SHADOWS,
                    IDC_GT_MENU_ANIMATION})
        EXPECT_FALSE(page.GetDlgItem(id)->IsWindowVisible()) << id;
}

TEST_F(MenuPage, AContextMenuOpensInAnEditingPopupUntilTheDashesAreChosen)
{
    MenuPageFrame frame;
    CGTContextMenuManager contextMenus;
    ASSERT_TRUE(contextMenus.AddMenu(L"Chart", IDR_GT_TEST_DOC_MENU));
    CGTMenuPage page(&frame, FALSE, 0);
    PageHost host(page);
    ASSERT_EQ(2u, Choices(page, IDC_GT_CONTEXT_MENUS).size());
    EXPECT_EQ(L"Chart", Choices(page, IDC_GT_CONTEXT_MENUS)[1]);
    EXPECT_TRUE(page.GetDlgItem(IDC_GT_CONTEXT_MENUS)->IsWindowEnabled());

    Choose(page, IDC_GT_CONTEXT_MENUS, 1);
    CGTPopupMenu* popup = page.GetContextMenuPopup();
    ASSERT_NE(nullptr, popup);
    EXPECT_TRUE(::IsWindow(popup->m_hWnd));
    EXPECT_TRUE(page.GetDlgItem(IDC_GT_RESET_CONTEXT_MENU)->IsWindowEnabled());
    const HWND window = popup->m_hWnd;

    Choose(page, IDC_GT_CONTEXT_MENUS, 0);
    EXPECT_EQ(nullptr, page.GetContextMenuPopup());
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_FALSE(page.GetDlgItem(IDC_GT_RESET_CONTEXT_MENU)->IsWindowEnabled());

    // Closed by the user, the popup gives the combo back its dashes.
    Choose(page, IDC_GT_CONTEXT_MENUS, 1);
    ASSERT_NE(nullptr, page.GetContextMenuPopup());
    page.GetContextMenuPopup()->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, page.GetContextMenuPopup());
    EXPECT_EQ(0, static_cast<CComboBox*>(page.GetDlgItem(IDC_GT_CONTEXT_MENUS))->GetCurSel());
    EXPECT_FALSE(page.GetDlgItem(IDC_GT_RESET_CONTEXT_MENU)->IsWindowEnabled());
}
