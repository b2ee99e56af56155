#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTMouseManager.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/toolbars/CGTKeyboardPage.h>
#include <guitoolkit/toolbars/CGTMousePage.h>
#include <guitoolkit/toolbars/CGTToolbarButton.h>
#include <guitoolkit/toolbars/CGTToolbarCustomize.h>
#include <guitoolkit/toolbars/GTPageResources.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "EditorTestSupport.h"
#include "GtToolbarsTestIds.h"
#include "ToolbarTestSupport.h"

namespace {
// A frame with the test shortcuts that counts the keyboard resets it is told of.
class ShortcutFrame : public CFrameWnd {
public:
    ShortcutFrame()
    {
        Create(nullptr, L"Shortcuts");
        m_hAccelTable = ::LoadAcceleratorsW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_GT_TEST_MENU));
    }
    ~ShortcutFrame() override
    {
        ::DestroyAcceleratorTable(m_hAccelTable);
        DestroyWindow();
    }
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == GTTOOLBAR_RESETKEYBOARD)
            ++m_Resets;
        return CFrameWnd::WindowProc(iMessage, iWParam, iLParam);
    }
    int m_Resets = 0;
};

std::vector<ACCEL> Records(HACCEL iTable)
{
    std::vector<ACCEL> records(iTable != nullptr ? ::CopyAcceleratorTableW(iTable, nullptr, 0) : 0);
    if (!records.empty())
        ::CopyAcceleratorTableW(iTable, records.data(), static_cast<int>(records.size()));
    return records;
}

std::vector<std::wstring> Texts(CWnd& iPage, UINT iListId)
{
    std::vector<std::wstring> texts;
    auto* list = static_cast<CListBox*>(iPage.GetDlgItem(iListId));
    for (int index = 0; index < list->GetCount(); ++index) {
        CString text;
        list->GetText(index, text);
        texts.push_back(std::wstring(text));
    }
    return texts;
}

class KeyboardPage : public ::testing::Test {
protected:
    KeyboardPage() : m_App(IDYES)
    {
        for (auto [id, text] : {std::pair<UINT, LPCWSTR>{ID_GT_TEST_FIRST, L"Day"},
                                {ID_GT_TEST_SECOND, L"Week"},
                                {ID_GT_TEST_THIRD, L"Month"}})
            m_Catalogue.AddTail(new CGTToolbarButton(id, -1, text));
    }
    ~KeyboardPage() override
    {
        while (!m_Catalogue.IsEmpty())
            delete m_Catalogue.RemoveHead();
    }
    // The catalogue as the sheet lists it, its one category chosen.
    void ShowCatalogue(CGTKeyboardPage& ioPage)
    {
        auto* categories = static_cast<CComboBox*>(ioPage.GetDlgItem(IDC_GT_KEYS_CATEGORY));
        categories->SetItemData(categories->AddString(L"All Commands"), reinterpret_cast<DWORD_PTR>(&m_Catalogue));
        Choose(ioPage, IDC_GT_KEYS_CATEGORY, 0);
    }
    static void Choose(CPropertyPage& ioPage, UINT iId, int iIndex)
    {
        CWnd* control = ioPage.GetDlgItem(iId);
        const BOOL combo = iId == IDC_GT_KEYS_CATEGORY || iId == IDC_GT_KEYS_TABLE;
        control->SendMessage(combo ? CB_SETCURSEL : LB_SETCURSEL, iIndex);
        ioPage.SendMessage(WM_COMMAND, MAKEWPARAM(iId, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(control->m_hWnd));
    }
    static void PressNewKey(CPropertyPage& ioPage, std::initializer_list<UINT> iKeys)
    {
        HWND box = ioPage.GetDlgItem(IDC_GT_KEYS_NEW)->m_hWnd;
        PostClick(box, CPoint(2, 2));
        PostChord(box, iKeys);
        PumpPreTranslated();
    }
    static CString ItemText(CWnd& iPage, UINT iId)
    {
        CString text;
        iPage.GetDlgItemText(iId, text);
        return text;
    }
    static BOOL Enabled(CWnd& iPage, UINT iId) { return iPage.GetDlgItem(iId)->IsWindowEnabled(); }

    PromptRecordingApp m_App;
    ShortcutFrame m_Frame;
    CObList m_Catalogue;
};
}  // namespace

TEST_F(KeyboardPage, AssignAndRemoveChangeTheFramesTableUpToTheLastKey)
{
    CGTKeyboardPage page(&m_Frame);
    PageHost host(page);
    ShowCatalogue(page);
    EXPECT_EQ((std::vector<std::wstring>{L"Day", L"Month", L"Week"}), Texts(page, IDC_GT_KEYS_COMMANDS));
    Choose(page, IDC_GT_KEYS_COMMANDS, 2);
    EXPECT_EQ(std::vector<std::wstring>{L"F7"}, Texts(page, IDC_GT_KEYS_CURRENT));
    EXPECT_FALSE(Enabled(page, IDC_GT_KEYS_REMOVE));

    PressNewKey(page, {VK_CONTROL, 'W'});
    EXPECT_EQ(CString(L"[Unassigned]"), ItemText(page, IDC_GT_KEYS_ASSIGNED_TO));
    EXPECT_TRUE(page.GetDlgItem(IDC_GT_KEYS_ASSIGNED_LABEL)->IsWindowVisible());
    ASSERT_TRUE(Enabled(page, IDC_GT_KEYS_ASSIGN));
    host.Click(IDC_GT_KEYS_ASSIGN);
    EXPECT_EQ((std::vector<std::wstring>{L"F7", L"Ctrl+W"}), Texts(page, IDC_GT_KEYS_CURRENT));
    std::vector<ACCEL> installed = Records(m_Frame.m_hAccelTable);
    ASSERT_EQ(3u, installed.size());
    EXPECT_EQ('W', installed[2].key);
    EXPECT_EQ(FVIRTKEY | FCONTROL, installed[2].fVirt & ~0x80);
    EXPECT_EQ(ID_GT_TEST_SECOND, installed[2].cmd);
    EXPECT_EQ(CString(), ItemText(page, IDC_GT_KEYS_NEW));
    EXPECT_FALSE(Enabled(page, IDC_GT_KEYS_ASSIGN));

    // Every key of the frame removed: the frame keeps no table, as the page shows none.
    for (int command : {2, 2, 0}) {
        Choose(page, IDC_GT_KEYS_COMMANDS, command);
        Choose(page, IDC_GT_KEYS_CURRENT, 0);
        ASSERT_TRUE(Enabled(page, IDC_GT_KEYS_REMOVE));
        host.Click(IDC_GT_KEYS_REMOVE);
    }
    EXPECT_TRUE(Texts(page, IDC_GT_KEYS_CURRENT).empty());
    EXPECT_FALSE(Enabled(page, IDC_GT_KEYS_REMOVE));
    EXPECT_TRUE(page.GetWorkingCopy().empty());
    EXPECT_EQ(nullptr, m_Frame.m_hAccelTable);
}

TEST_F(KeyboardPage, AKeyInUseCannotBeAssignedAgain)
{
    CGTKeyboardPage page(&m_Frame);
    PageHost host(page);
    ShowCatalogue(page);
    Choose(page, IDC_GT_KEYS_COMMANDS, 2);
    PressNewKey(page, {VK_F7});
    EXPECT_EQ(CString(L"????"), ItemText(page, IDC_GT_KEYS_ASSIGNED_TO));
    EXPECT_FALSE(Enabled(page, IDC_GT_KEYS_ASSIGN));
    // Shift+F7 is another key.
    PressNewKey(page, {VK_SHIFT, VK_F7});
    EXPECT_EQ(CString(L"[Unassigned]"), ItemText(page, IDC_GT_KEYS_ASSIGNED_TO));
}

TEST_F(KeyboardPage, ResetAllRestoresTheTablesOfTheResources)
{
    auto* documents = new CMultiDocTemplate(IDR_GT_TEST_DOC_MENU, nullptr, nullptr, nullptr);
    documents->m_hMenuShared = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_GT_TEST_DOC_MENU));
    documents->m_hAccelTable = ::LoadAcceleratorsW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_GT_TEST_DOC_MENU));
    m_App.AddDocTemplate(documents);
    // A second kind of document on the same menu is listed once.
    auto* twin = new CMultiDocTemplate(IDR_GT_TEST_DOC_MENU, nullptr, nullptr, nullptr);
    twin->m_hMenuShared = documents->m_hMenuShared;
    m_App.AddDocTemplate(twin);

    CGTKeyboardPage page(&m_Frame, TRUE);
    PageHost host(page);
    auto* tables = static_cast<CComboBox*>(page.GetDlgItem(IDC_GT_KEYS_TABLE));
    ASSERT_EQ(2, tables->GetCount());
    CString text;
    tables->GetLBText(tables->GetCurSel(), text);
    EXPECT_EQ(CString(L"Default"), text);
    tables->GetLBText(0, text);
    EXPECT_EQ(CString(L"Monthly report"), text);

    ShowCatalogue(page);
    Choose(page, IDC_GT_KEYS_TABLE, 0);
    Choose(page, IDC_GT_KEYS_COMMANDS, 1);
    EXPECT_EQ(std::vector<std::wstring>{L"F8"}, Texts(page, IDC_GT_KEYS_CURRENT));
    PressNewKey(page, {VK_F9});
    host.Click(IDC_GT_KEYS_ASSIGN);
    ASSERT_EQ(2u, Records(documents->m_hAccelTable).size());

    m_App.m_Answer = IDNO;
    host.Click(IDC_GT_KEYS_RESET_ALL);
    EXPECT_EQ(0, m_Frame.m_Resets);
    EXPECT_EQ(2u, Records(documents->m_hAccelTable).size());
    m_App.m_Answer = IDYES;
    host.Click(IDC_GT_KEYS_RESET_ALL);
    EXPECT_EQ(1, m_Frame.m_Resets);
    EXPECT_EQ(1u, Records(documents->m_hAccelTable).size());
    EXPECT_EQ(std::vector<std::wstring>{L"F8"}, Texts(page, IDC_GT_KEYS_CURRENT));
    EXPECT_EQ(1u, page.GetWorkingCopy().size());
    EXPECT_NE(std::wstring::npos, m_App.m_Prompts.back().find(L"reset the keyboard assignments"));
    ::DestroyMenu(documents->m_hMenuShared);
}

TEST_F(KeyboardPage, AKeyTheTargetCannotTakeIsNotListedAndBeeps)
{
    ASSERT_EQ(nullptr, AfxGetMainWnd());
    CGTKeyboardPage page;
    PageHost host(page);
    // The frame's entry, with no frame to take a table.
    auto* tables = static_cast<CComboBox*>(page.GetDlgItem(IDC_GT_KEYS_TABLE));
    tables->SetItemData(tables->AddString(L"Default"), 0);
    Choose(page, IDC_GT_KEYS_TABLE, 0);
    ShowCatalogue(page);
    Choose(page, IDC_GT_KEYS_COMMANDS, 0);

    CountingBeeper beeper;
    PressNewKey(page, {VK_CONTROL, 'W'});
    ASSERT_TRUE(Enabled(page, IDC_GT_KEYS_ASSIGN));
    host.Click(IDC_GT_KEYS_ASSIGN);
    EXPECT_EQ(1u, beeper.m_Beeps.size());
    EXPECT_TRUE(page.GetWorkingCopy().empty());
    EXPECT_TRUE(Texts(page, IDC_GT_KEYS_CURRENT).empty());
}

TEST_F(KeyboardPage, DefaultIsListedOnlyWithTheFramesTable)
{
    ::DestroyAcceleratorTable(m_Frame.m_hAccelTable);
    m_Frame.m_hAccelTable = nullptr;
    CGTKeyboardPage page(&m_Frame, TRUE);
    PageHost host(page);
    EXPECT_EQ(0, static_cast<CComboBox*>(page.GetDlgItem(IDC_GT_KEYS_TABLE))->GetCount());
    ShowCatalogue(page);
    Choose(page, IDC_GT_KEYS_COMMANDS, 0);
    EXPECT_TRUE(Texts(page, IDC_GT_KEYS_CURRENT).empty());
}

TEST_F(KeyboardPage, InTheSheetTheCategoriesAndTheOwnersNamesComeFromItsCatalogue)
{
    CGTKeyboardManager keyboard;
    CGTMouseManager mouse;
    mouse.AddView(7, L"Reports");
    m_Frame.m_hMenuDefault = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_GT_TEST_MENU));
    auto* sheet = new CGTToolbarCustomize(&m_Frame, TRUE, 0x2F);
    ASSERT_TRUE(sheet->OpenModeless());
    const auto pageOf = [sheet](CRuntimeClass* iClass) {
        for (int index = 0; index < sheet->GetPageCount(); ++index)
            if (sheet->GetPage(index)->IsKindOf(iClass))
                return sheet->GetPage(index);
        return static_cast<CPropertyPage*>(nullptr);
    };
    CPropertyPage* mousePage = pageOf(RUNTIME_CLASS(CGTMousePage));
    ASSERT_NE(nullptr, mousePage);
    sheet->SetActivePage(mousePage);
    EXPECT_EQ(4, static_cast<CListBox*>(mousePage->GetDlgItem(IDC_GT_MOUSE_COMMANDS))->GetCount());

    auto* page = static_cast<CGTKeyboardPage*>(pageOf(RUNTIME_CLASS(CGTKeyboardPage)));
    ASSERT_NE(nullptr, page);
    sheet->SetActivePage(page);
    std::vector<std::wstring> categories;
    auto* combo = static_cast<CComboBox*>(page->GetDlgItem(IDC_GT_KEYS_CATEGORY));
    for (int index = 0; index < combo->GetCount(); ++index) {
        CString text;
        combo->GetLBText(index, text);
        categories.push_back(std::wstring(text));
    }
    EXPECT_EQ((std::vector<std::wstring>{L"Reports", L"Help", L"All Commands"}), categories);
    EXPECT_EQ((std::vector<std::wstring>{L"Daily", L"Weekly"}), Texts(*page, IDC_GT_KEYS_COMMANDS));
    Choose(*page, IDC_GT_KEYS_COMMANDS, 1);
    PressNewKey(*page, {VK_CONTROL, 'D'});
    EXPECT_EQ(CString(L"Daily"), ItemText(*page, IDC_GT_KEYS_ASSIGNED_TO));
    sheet->DestroyWindow();
    ::DestroyMenu(m_Frame.m_hMenuDefault);
    m_Frame.m_hMenuDefault = nullptr;
}
