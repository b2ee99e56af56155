// What the program is asked at start-up (its command line) and the files it opened last.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
class CShellApp : public CWinApp {
public:
    CShellApp() : CWinApp(L"MfcShellTests") {}
    std::vector<CString> m_prompts;
    int DoMessageBox(LPCWSTR lpszPrompt, UINT, UINT) override
    {
        m_prompts.push_back(lpszPrompt);
        return IDOK;
    }
};

struct CommandLineCase {
    LPCWSTR line;
    int nShellCommand;
    LPCWSTR file;
    BOOL bEmbedded;
    BOOL bAutomated;
    LPCWSTR printer;
    LPCWSTR port;
    LPCWSTR unknown;
};
}  // namespace

TEST(CommandLine, SwitchesAndFilesAreUnderstoodTheSameEachTime)
{
    const CommandLineCase cases[] = {
        {L"", CCommandLineInfo::FileNew, L"", FALSE, FALSE, L"", L"", L""},
        {L"report.rpt", CCommandLineInfo::FileOpen, L"report.rpt", FALSE, FALSE, L"", L"", L""},
        {L"\"C:\\My Files\\x.rpt\"", CCommandLineInfo::FileOpen, L"C:\\My Files\\x.rpt", FALSE, FALSE, L"", L"", L""},
        {L"/Embedding", CCommandLineInfo::FileNothing, L"", TRUE, FALSE, L"", L"", L""},
        {L"-AUTOMATION", CCommandLineInfo::FileNothing, L"", FALSE, TRUE, L"", L"", L""},
        {L"/p a.rpt", CCommandLineInfo::FilePrint, L"a.rpt", FALSE, FALSE, L"", L"", L""},
        {L"-Pt a.rpt Laser Driver LPT1", CCommandLineInfo::FilePrintTo, L"a.rpt", FALSE, FALSE, L"Laser", L"LPT1", L""},
        {L"/bogus a.rpt /other", CCommandLineInfo::FileOpen, L"a.rpt", FALSE, FALSE, L"", L"", L"bogus"},
    };
    CShellApp app;
    for (const CommandLineCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.line)));
        app.m_lpCmdLine = const_cast<LPWSTR>(c.line);
        CCommandLineInfo info;
        for (int nPass = 0; nPass < 2; nPass++) {
            app.ParseCommandLine(info);
            EXPECT_EQ((int)info.m_nShellCommand, c.nShellCommand);
            EXPECT_EQ(info.m_strFileName, CString(c.file));
            EXPECT_EQ(info.m_bRunEmbedded, c.bEmbedded);
            EXPECT_EQ(info.m_bRunAutomated, c.bAutomated);
            EXPECT_EQ(info.m_bShowSplash, !c.bEmbedded && !c.bAutomated);
            EXPECT_EQ(info.m_strPrinterName, CString(c.printer));
            EXPECT_EQ(info.m_strPortName, CString(c.port));
            EXPECT_EQ(info.m_strUnknown, CString(c.unknown));
        }
    }
}

TEST(CommandLine, AnUnknownSwitchIsReportedAndEndsTheStart)
{
    CShellApp app;
    app.m_lpCmdLine = const_cast<LPWSTR>(L"/nonsense");
    CCommandLineInfo info;
    app.ParseCommandLine(info);
    EXPECT_FALSE(app.ProcessShellCommand(info));
    ASSERT_EQ(app.m_prompts.size(), 1u);
    EXPECT_NE(app.m_prompts[0].Find(L"/nonsense"), -1);
    EXPECT_EQ(app.m_pMainWnd, nullptr);

    // Started by COM: nothing to open, and the start goes on.
    app.m_lpCmdLine = const_cast<LPWSTR>(L"-Embedding");
    app.ParseCommandLine(info);
    EXPECT_TRUE(app.ProcessShellCommand(info));
}

namespace {
std::vector<CString> Entries(CRecentFileList& list)
{
    std::vector<CString> entries;
    for (int i = 0; i < list.GetSize(); i++)
        entries.push_back(list[i]);
    return entries;
}
}  // namespace

TEST(RecentFiles, NewestFirstWithoutDuplicatesOfAnyCase)
{
    CRecentFileList list(ID_FILE_MRU_FIRST, L"Recent File List", L"File%d", 3);
    list.Add(L"C:\\docs\\a.rpt");
    list.Add(L"C:\\docs\\b.rpt");
    list.Add(L"C:\\docs\\c.rpt");
    EXPECT_EQ(Entries(list), (std::vector<CString>{L"C:\\docs\\c.rpt", L"C:\\docs\\b.rpt", L"C:\\docs\\a.rpt"}));
    list.Add(L"C:\\DOCS\\A.RPT");  // moves to the top
    EXPECT_EQ(Entries(list), (std::vector<CString>{L"C:\\DOCS\\A.RPT", L"C:\\docs\\c.rpt", L"C:\\docs\\b.rpt"}));
    list.Add(L"C:\\docs\\d.rpt");  // the oldest goes
    EXPECT_EQ(Entries(list), (std::vector<CString>{L"C:\\docs\\d.rpt", L"C:\\DOCS\\A.RPT", L"C:\\docs\\c.rpt"}));
    list.Remove(1);
    EXPECT_EQ(Entries(list), (std::vector<CString>{L"C:\\docs\\d.rpt", L"C:\\docs\\c.rpt", L""}));
}

TEST(RecentFiles, DisplayNamesAreShortenedAgainstTheCurrentFolderOrInTheMiddle)
{
    struct DisplayCase {
        LPCWSTR path;
        LPCWSTR curDir;
        int nMaxLength;
        BOOL bAtLeastName;
        LPCWSTR shown;
    };
    const DisplayCase cases[] = {
        {L"C:\\alpha\\beta\\gamma\\file.rpt", L"C:\\alpha\\beta\\gamma", 30, TRUE, L"file.rpt"},
        {L"C:\\alpha\\beta\\gamma\\file.rpt", L"C:\\alpha\\beta\\gamma\\", 30, TRUE, L"file.rpt"},
        {L"C:\\alpha\\beta\\gamma\\file.rpt", L"C:\\other", 30, TRUE, L"C:\\alpha\\beta\\gamma\\file.rpt"},
        {L"C:\\alpha\\beta\\gamma\\file.rpt", L"C:\\other", 21, TRUE, L"C:\\...\\gamma\\file.rpt"},
        {L"C:\\alpha\\beta\\gamma\\file.rpt", L"C:\\alpha", 15, TRUE, L"C:\\...\\file.rpt"},
        {L"C:\\alpha\\beta\\gamma\\file.rpt", L"C:\\alpha", 10, TRUE, L"file.rpt"},
        {L"C:\\alpha\\beta\\gamma\\file.rpt", L"C:\\alpha", 10, FALSE, L""},
        {L"\\\\server\\share\\deep\\deeper\\file.rpt", L"C:\\", 30, TRUE, L"\\\\server\\share\\...\\file.rpt"},
    };
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.path)));
        CRecentFileList list(ID_FILE_MRU_FIRST, L"Recent File List", L"File%d", 2, c.nMaxLength);
        list.Add(c.path);
        CString strShown;
        EXPECT_TRUE(list.GetDisplayName(strShown, 0, c.curDir, lstrlenW(c.curDir), c.bAtLeastName));
        EXPECT_EQ(strShown, CString(c.shown));
        EXPECT_FALSE(list.GetDisplayName(strShown, 1, c.curDir, lstrlenW(c.curDir)));  // empty entry
    }
}

TEST(RecentFiles, TheListLivesInTheProfileAndFillsTheMenu)
{
    const LPCWSTR kKey = L"Software\\ZorvaneTests\\MfcShellTests";
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    {
        CShellApp app;
        app.SetRegistryKey(L"ZorvaneTests");
        app.LoadStdProfileSettings(0);
        EXPECT_EQ(app.m_pRecentFileList, nullptr);
        app.LoadStdProfileSettings(4);
        ASSERT_NE(app.m_pRecentFileList, nullptr);
        EXPECT_EQ(app.m_pRecentFileList->GetSize(), 4);
        app.AddToRecentFileList(L"C:\\docs\\one.rpt");
        app.AddToRecentFileList(L"C:\\docs\\two & more.rpt");
        app.ExitInstance();
        EXPECT_EQ(app.GetProfileString(L"Recent File List", L"File1"), CString(L"C:\\docs\\two & more.rpt"));
        EXPECT_EQ(app.GetProfileString(L"Recent File List", L"File2"), CString(L"C:\\docs\\one.rpt"));
    }
    CShellApp app;
    app.SetRegistryKey(L"ZorvaneTests");
    app.LoadStdProfileSettings(4);
    EXPECT_EQ((*app.m_pRecentFileList)[1], CString(L"C:\\docs\\one.rpt"));

    // The menu item of the first entry becomes one item per entry.
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_FILE_NEW, L"&New");
    menu.AppendMenu(MF_STRING, ID_FILE_MRU_FILE1, L"Recent File");
    menu.AppendMenu(MF_STRING, ID_APP_EXIT, L"E&xit");
    CCmdUI state;
    state.m_pMenu = &menu;
    state.m_nIndex = 1;
    state.m_nIndexMax = menu.GetMenuItemCount();
    state.m_nID = ID_FILE_MRU_FILE1;
    state.DoUpdate(&app, TRUE);
    ASSERT_EQ(menu.GetMenuItemCount(), 4u);
    CString strItem;
    menu.GetMenuString(1, strItem, MF_BYPOSITION);
    EXPECT_EQ(strItem, CString(L"&1 C:\\docs\\two && more.rpt"));
    EXPECT_EQ(menu.GetMenuItemID(2), (UINT)ID_FILE_MRU_FILE2);
    EXPECT_EQ(menu.GetMenuItemID(3), (UINT)ID_APP_EXIT);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}
