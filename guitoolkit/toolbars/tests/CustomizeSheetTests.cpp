#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTVisualManager2003.h>
#include <guitoolkit/core/CGTVisualManagerXP.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/CGTCustomizePage.h>
#include <guitoolkit/toolbars/CGTKeyboardPage.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTMenuPage.h>
#include <guitoolkit/toolbars/CGTOptionsPage.h>
#include <guitoolkit/toolbars/CGTToolbarCustomize.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/toolbars/CGTToolbarsPage.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <gtest/gtest.h>
#include <memory>
#include "GtToolbarsTestIds.h"
#include "ToolbarTestSupport.h"

namespace {
// A frame with the test menu that records what the sheet tells it and answers the
// creation and deletion of toolbars as told.
class CustomizedFrame : public StackFrame, public IGTToolbarFrame {
public:
    CustomizedFrame()
    {
        Create(nullptr, L"Frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300));
        m_hMenuDefault = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_GT_TEST_MENU));
    }
    ~CustomizedFrame() override
    {
        ::DestroyMenu(m_hMenuDefault);
        DestroyWindow();
    }
    BOOL OnShowPopupMenu(CGTPopupMenu*) override { return TRUE; }
    void OnPopupMenuClosed(CGTPopupMenu*) override {}
    void OnDrawMenuLogo(CDC*, CGTPopupMenu*, const CRect&) override {}
    CGTToolBar* FindTearOffBar(UINT) override { return nullptr; }
    int OnButtonTooltip(CGTToolbarButton*, TOOLINFO*) override { return 0; }
    LRESULT OnToolbarNotify(WPARAM, LPARAM) override { return 0; }
    BOOL GetCommandDescription(UINT, CString&) override { return FALSE; }
    BOOL IsUserDefinedToolbar(const CGTToolBar*) override { return TRUE; }
    void SetMenuBar(CGTMenuBar*) override {}
    CGTMenuBar* GetMenuBar() const override { return m_MenuBar; }
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == GTTOOLBAR_CUSTOMIZE)
            m_Customize.push_back(static_cast<BOOL>(iWParam));
        if (iMessage == GTTOOLBAR_CREATE) {
            m_Created.push_back(reinterpret_cast<LPCWSTR>(iLParam));
            return reinterpret_cast<LRESULT>(m_NewBar);
        }
        if (iMessage == GTTOOLBAR_DELETE)
            return m_Deletes;
        return StackFrame::WindowProc(iMessage, iWParam, iLParam);
    }
    std::vector<BOOL> m_Customize;
    std::vector<CString> m_Created;
    CGTToolBar* m_NewBar = nullptr;
    BOOL m_Deletes = FALSE;
    CGTMenuBar* m_MenuBar = nullptr;
};

// Answers the toolbar name dialog with a name (OK) or, with none, Cancel.
class NameAnswerer {
public:
    explicit NameAnswerer(LPCWSTR iName)
    {
        s_Name = iName;
        m_Hook = ::SetWindowsHookExW(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId());
    }
    ~NameAnswerer() { ::UnhookWindowsHookEx(m_Hook); }

private:
    static LRESULT CALLBACK Hook(int iCode, WPARAM iWParam, LPARAM iLParam)
    {
        const HWND window = reinterpret_cast<HWND>(iWParam);
        wchar_t caption[64] = L"";
        if (iCode == HCBT_ACTIVATE && ::GetWindowTextW(window, caption, 64) > 0 &&
            CString(caption) == L"Toolbar Name") {
            if (s_Name != nullptr)
                ::SetDlgItemTextW(window, IDC_GT_TOOLBAR_NAME, s_Name);
            s_OkEnabled = ::IsWindowEnabled(::GetDlgItem(window, IDOK));
            ::PostMessageW(window, WM_COMMAND, s_Name != nullptr ? IDOK : IDCANCEL, 0);
        }
        return ::CallNextHookEx(nullptr, iCode, iWParam, iLParam);
    }
    HHOOK m_Hook;

public:
    static inline LPCWSTR s_Name = nullptr;
    static inline BOOL s_OkEnabled = FALSE;
};

using Strings = std::vector<std::wstring>;

Strings Texts(CListBox& iList)
{
    Strings texts;
    for (int index = 0; index < iList.GetCount(); ++index) {
        CString text;
        iList.GetText(index, text);
        texts.push_back(static_cast<LPCWSTR>(text));
    }
    return texts;
}

// A list box to fill.
class ListWindow : public TestParent {
public:
    ListWindow() { m_List.Create(WS_CHILD | LBS_HASSTRINGS, CRect(0, 0, 100, 100), this, 1); }
    CListBox m_List;
};

// A menu "File" with "Open" under "Report" and under "Chart", and "Export Report...".
HMENU FileMenu()
{
    HMENU report = ::CreatePopupMenu();
    ::AppendMenuW(report, MF_STRING, 5001, L"&Open");
    HMENU chart = ::CreatePopupMenu();
    ::AppendMenuW(chart, MF_STRING, 5002, L"&Open");
    HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_POPUP, reinterpret_cast<UINT_PTR>(report), L"Report");
    ::AppendMenuW(file, MF_POPUP, reinterpret_cast<UINT_PTR>(chart), L"Chart");
    ::AppendMenuW(file, MF_STRING, 5003, L"Export Report...\tCtrl+E");
    ::AppendMenuW(file, MF_STRING, SC_CLOSE, L"Close");
    HMENU bar = ::CreateMenu();
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    return bar;
}

int CountCommand(const CObList* iButtons, UINT iCommandId)
{
    int count = 0;
    for (POSITION position = iButtons->GetHeadPosition(); position != nullptr;)
        count += static_cast<CGTToolbarButton*>(iButtons->GetNext(position))->m_CommandId == iCommandId ? 1 : 0;
    return count;
}
}  // namespace

TEST(CustomizeSheet, TheCatalogueListsEachCommandOncePerCategoryAndOnceInAllCommands)
{
    CustomizedFrame frame;
    CGTToolbarCustomize sheet(&frame, TRUE, 0);
    CMenu doc;
    ASSERT_TRUE(doc.LoadMenu(IDR_GT_TEST_DOC_MENU));
    sheet.AddMenuTree(&doc, FALSE);
    const std::wstring all = static_cast<LPCWSTR>(sheet.GetAllCommandsName());
    EXPECT_EQ(1, CountCommand(sheet.GetCategoryButtons(L"Reports"), ID_GT_TEST_FIRST));
    EXPECT_EQ(1, CountCommand(sheet.GetCategoryButtons(L"View"), ID_GT_TEST_FIRST));
    EXPECT_EQ(1, CountCommand(sheet.GetCategoryButtons(all.c_str()), ID_GT_TEST_FIRST));
    EXPECT_EQ(CString(L"Open"), sheet.GetCommandName(ID_GT_TEST_OPEN));

    ListWindow window;
    sheet.ListCategoriesInListBox(window.m_List, TRUE);
    EXPECT_EQ((Strings{L"Reports", L"Help", L"New Menu", L"View", L"Window", all}), Texts(window.m_List));
    window.m_List.ResetContent();
    sheet.ListCategoriesInListBox(window.m_List, FALSE);
    EXPECT_EQ((Strings{L"Reports", L"Help", L"View", L"Window", all}), Texts(window.m_List));
}

TEST(CustomizeSheet, MenuPathsAmpersandsSubMenusAndRefusedCommands)
{
    CustomizedFrame frame;
    CGTToolBar::s_ExcludedCommands.AddTail(ID_GT_TEST_SECOND);
    CGTToolbarCustomize plain(&frame, TRUE, 0);
    CGTToolbarCustomize keeping(&frame, TRUE, GTCustomizeKeepAmpersands);
    CGTToolBar::s_ExcludedCommands.RemoveAll();
    EXPECT_EQ(CString(L"Open"), plain.GetCommandName(ID_GT_TEST_OPEN));
    EXPECT_EQ(CString(L"&Open"), keeping.GetCommandName(ID_GT_TEST_OPEN));
    EXPECT_EQ(nullptr, plain.GetCommandName(ID_GT_TEST_SECOND));

    CMenu file;
    file.Attach(FileMenu());
    plain.AddMenuTree(&file, TRUE);
    const CObList* fileButtons = plain.GetCategoryButtons(L"File");
    ASSERT_NE(nullptr, fileButtons);
    Strings texts;
    for (POSITION position = fileButtons->GetHeadPosition(); position != nullptr;) {
        const auto* button = static_cast<CGTToolbarButton*>(fileButtons->GetNext(position));
        texts.push_back(static_cast<LPCWSTR>(button->m_Text + L"|" + button->m_SecondText));
    }
    // The system command is not for the user to place.
    EXPECT_EQ((Strings{L"File|", L"Report|", L"Open|FileReportOpen", L"Chart|", L"Open|FileChartOpen",
                       L"Export Report...|FileExportReport..."}),
              texts);
    EXPECT_EQ(nullptr, plain.GetCommandName(SC_CLOSE));

    // A sub-menu is the same one by its text.
    const CGTToolbarMenuButton again(static_cast<UINT>(-1), nullptr, -1, L"Report");
    plain.AddCatalogueButton(L"File", again);
    EXPECT_EQ(6, fileButtons->GetCount());
}

TEST(CustomizeSheet, TheViewersManagersGiveCommandsToolbarsKeyboardMenuAndOptions)
{
    CustomizedFrame frame;
    CGTContextMenuManager contextMenus;
    CGTKeyboardManager keyboard;
    ACCEL key = {FVIRTKEY | FCONTROL, 'O', ID_GT_TEST_OPEN};
    frame.m_hAccelTable = ::CreateAcceleratorTableW(&key, 1);
    CGTMenuBar menuBar;
    frame.m_MenuBar = &menuBar;
    CGTToolbarCustomize sheet(&frame, TRUE, 0x2F);
    CRuntimeClass* const expected[] = {RUNTIME_CLASS(CGTCustomizePage), RUNTIME_CLASS(CGTToolbarsPage),
                                       RUNTIME_CLASS(CGTKeyboardPage), RUNTIME_CLASS(CGTMenuPage),
                                       RUNTIME_CLASS(CGTOptionsPage)};
    ASSERT_EQ(5, sheet.GetPageCount());
    for (int page = 0; page < 5; ++page)
        EXPECT_TRUE(sheet.GetPage(page)->IsKindOf(expected[page])) << page;
    ::DestroyAcceleratorTable(frame.m_hAccelTable);
    frame.m_hAccelTable = nullptr;
}

TEST(CustomizeSheet, TheLook2000BoxGoesUnderLooksThatDoNotAllowIt)
{
    CustomizedFrame frame;
    EXPECT_EQ(0x2Fu, CGTToolbarCustomize(&frame, FALSE, 0x6F).GetFlags());
    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(CGTVisualManagerXP));
    EXPECT_EQ(0x2Bu, CGTToolbarCustomize(&frame, FALSE, 0x2F).GetFlags());
    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(CGTVisualManager2003));
    EXPECT_EQ(0x2Bu, CGTToolbarCustomize(&frame, FALSE, 0x2F).GetFlags());
    CGTVisualManager::SelectManagerClass(nullptr);
}

TEST(CustomizeSheet, OpenSwitchesTheBarsIntoCustomizeModeAndCloseBack)
{
    CustomizedFrame frame;
    CEdit edit;
    edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 40, 100, 60), &frame, 1);
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&frame));
    auto* sheet = new CGTToolbarCustomize(&frame, TRUE, 0x2F);
    ASSERT_TRUE(sheet->OpenModeless());
    EXPECT_TRUE(CGTToolBar::IsCustomizeMode());
    EXPECT_EQ(sheet, theActiveCustomizeSheet);
    EXPECT_EQ((std::vector<BOOL>{TRUE}), frame.m_Customize);
    EXPECT_FALSE(edit.IsWindowEnabled());
    EXPECT_TRUE(bar.IsWindowEnabled());
    // The toolbars page follows a bar hidden elsewhere.
    sheet->SetActivePage(sheet->GetToolbarsPage());
    CGTExCheckList& list = sheet->GetToolbarsPage()->GetToolbarsList();
    bar.ShowWindow(SW_SHOW);
    EXPECT_EQ(1, list.GetCheck(0));
    bar.ShowWindow(SW_HIDE);
    EXPECT_EQ(0, list.GetCheck(0));

    sheet->SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_FALSE(CGTToolBar::IsCustomizeMode());
    EXPECT_EQ(nullptr, theActiveCustomizeSheet);
    EXPECT_EQ((std::vector<BOOL>{TRUE, FALSE}), frame.m_Customize);
    EXPECT_TRUE(edit.IsWindowEnabled());
    bar.DestroyWindow();
}

TEST(CustomizeSheet, TheCommandsPageSortsAllCommandsAndTellsEqualNamesByTheirPaths)
{
    CustomizedFrame frame;
    auto* sheet = new CGTToolbarCustomize(&frame, TRUE, 0);
    CMenu file;
    file.Attach(FileMenu());
    sheet->AddMenuTree(&file, FALSE);
    ASSERT_TRUE(sheet->OpenModeless());
    CGTCustomizePage* page = sheet->GetCommandsPage();
    CListBox& categories = page->GetCategoriesList();
    const auto show = [&](LPCWSTR iCategory) {
        categories.SetCurSel(categories.FindStringExact(-1, iCategory));
        page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GT_CATEGORIES, LBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(categories.m_hWnd));
        return Texts(page->GetCommandsList());
    };
    EXPECT_EQ((Strings{L"FileReportOpen", L"FileChartOpen", L"Export Report..."}), show(L"File"));
    EXPECT_EQ((Strings{L"FileChartOpen", L"FileExportReport...", L"FileReportOpen", L"HelpOpen", L"New Menu",
                       L"ReportsDaily", L"ReportsWeekly"}),
              show(sheet->GetAllCommandsName()));
    sheet->DestroyWindow();
}

namespace {
// A toolbar of the frame with a name, shown or hidden, that can or cannot be closed.
class NamedBar : public CGTToolBar {
public:
    NamedBar(CWnd& iFrame, LPCWSTR iName, BOOL iVisible, BOOL iCanClose)
    {
        CreateEx(&iFrame);
        SetWindowText(iName);
        SetBehaviourStyle(iCanClose ? GetBehaviourStyle() | GTBehaviourCanHide
                                    : GetBehaviourStyle() & ~GTBehaviourCanHide);
        ShowWindow(iVisible ? SW_SHOW : SW_HIDE);
    }
    ~NamedBar() override { DestroyWindow(); }
};

void Click(CWnd& iPage, UINT iButton)
{
    iPage.SendMessage(WM_COMMAND, MAKEWPARAM(iButton, BN_CLICKED),
                      reinterpret_cast<LPARAM>(iPage.GetDlgItem(iButton)->m_hWnd));
}
}  // namespace

TEST(CustomizeSheet, TheToolbarsPageListsChecksCreatesRenamesAndDeletesBars)
{
    AnsweringApp app(IDYES);
    CustomizedFrame frame;
    frame.ShowWindow(SW_SHOW);
    NamedBar alpha(frame, L"Alpha", TRUE, TRUE);
    NamedBar untitled(frame, L"", FALSE, TRUE);
    NamedBar fixed(frame, L"Zed", TRUE, FALSE);
    NamedBar created(frame, L"Beta", TRUE, TRUE);
    auto* sheet = new CGTToolbarCustomize(&frame, TRUE, 0x2F);
    sheet->EnableToolbarsPageOption(TRUE);
    ASSERT_TRUE(sheet->OpenModeless());
    CGTToolbarsPage* page = sheet->GetToolbarsPage();
    sheet->SetActivePage(page);
    CGTExCheckList& list = page->GetToolbarsList();
    // "Beta" is not listed yet: the frame makes it on New.
    list.DeleteString(list.FindStringExact(-1, L"Beta"));
    ASSERT_EQ((Strings{L"<Untitled>", L"Alpha", L"Zed"}), Texts(list));
    EXPECT_EQ((std::vector<int>{0, 1, 1}), (std::vector<int>{list.GetCheck(0), list.GetCheck(1), list.GetCheck(2)}));

    // A bar that cannot be closed stays checked.
    CountingBeeper beeper;
    list.SetCurSel(2);
    list.SetCheck(2, 0);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GT_TOOLBARS, CLBN_CHKCHANGE), reinterpret_cast<LPARAM>(list.m_hWnd));
    EXPECT_EQ(1, list.GetCheck(2));
    EXPECT_EQ((std::vector<UINT>{0xFFFFFFFF}), beeper.m_Beeps);

    {
        NameAnswerer answer(L"Beta");
        Click(*page, IDC_GT_NEW_TOOLBAR);  // the frame refuses
        frame.m_NewBar = &created;
        Click(*page, IDC_GT_NEW_TOOLBAR);
    }
    EXPECT_EQ((Strings{L"Beta", L"Beta"}),
              (Strings{frame.m_Created.at(0).GetString(), frame.m_Created.at(1).GetString()}));
    EXPECT_EQ((Strings{L"<Untitled>", L"Alpha", L"Beta", L"Zed"}), Texts(list));
    EXPECT_EQ(2, list.GetCurSel());

    list.SetCurSel(1);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_GT_TOOLBARS, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list.m_hWnd));
    {
        NameAnswerer answer(L"Omega");
        Click(*page, IDC_GT_RENAME_TOOLBAR);
    }
    EXPECT_EQ((Strings{L"<Untitled>", L"Beta", L"Omega", L"Zed"}), Texts(list));
    EXPECT_EQ(2, list.GetCurSel());
    CString name;
    alpha.GetWindowText(name);
    EXPECT_EQ(CString(L"Omega"), name);

    Click(*page, IDC_GT_DELETE_TOOLBAR);  // the frame refuses
    EXPECT_EQ(4, list.GetCount());
    EXPECT_EQ(static_cast<UINT>(MB_ICONASTERISK), beeper.m_Beeps.back());
    frame.m_Deletes = TRUE;
    Click(*page, IDC_GT_DELETE_TOOLBAR);
    EXPECT_EQ((Strings{L"<Untitled>", L"Beta", L"Zed"}), Texts(list));
    EXPECT_EQ(2u, app.m_Prompts.size());
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), app.m_Types.back());

    // An empty name is no name.
    {
        NameAnswerer answer(nullptr);
        Click(*page, IDC_GT_NEW_TOOLBAR);
    }
    EXPECT_FALSE(NameAnswerer::s_OkEnabled);
    EXPECT_EQ(2u, frame.m_Created.size());
    sheet->DestroyWindow();
}

TEST(CustomizeSheet, ALockedCheckDoesNotChangeAndABadIndexIsRefused)
{
    AnsweringApp app(IDOK);
    TestParent parent;
    CGTExCheckList list;
    list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY, CRect(0, 0, 200, 80), &parent,
                7);
    list.SetCheckStyle(BS_AUTOCHECKBOX);
    // A message on an empty list asks about an item that is not there: refused, nothing ends.
    list.SendMessage(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(1u, app.m_Prompts.size());

    list.AddString(L"Locked");
    list.AddString(L"Open");
    list.SetItemState(0, FALSE);
    CountingBeeper beeper;
    CRect item;
    list.GetItemRect(0, &item);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 2, item.top + 2));
    list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(item.left + 2, item.top + 2));
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_EQ(2u, beeper.m_Beeps.size());
    list.GetItemRect(1, &item);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.left + 2, item.top + 2));
    EXPECT_EQ(1, list.GetCheck(1));

    // Inserting and deleting keep the flags with their items.
    list.InsertString(0, L"First");
    EXPECT_TRUE(list.GetItemState(0));
    EXPECT_FALSE(list.GetItemState(1));
    list.DeleteString(0);
    EXPECT_FALSE(list.GetItemState(0));
    for (const int bad : {-1, 2}) {
        try {
            list.SetItemState(bad, TRUE);
            ADD_FAILURE() << bad;
        } catch (CInvalidArgException* error) {
            error->Delete();
        }
    }
    EXPECT_FALSE(list.GetItemState(0));
}
