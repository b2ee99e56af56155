#include <guitoolkit/core/BrowseForFolderDialog.h>
#include <guitoolkit/core/CMenuHash.h>
#include <guitoolkit/core/GuiToolkitHooks.h>
#include <guitoolkit/core/RebarState.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>
#include <set>
#include <vector>
#include "ScratchRegistryKey.h"

namespace {
// A bar whose serialising sees whether the hash is busy, and may fail half-way.
class RecordingBar : public CObject {
public:
    void Serialize(CArchive&) override
    {
        m_BusyInside = CMenuHash::Instance().IsBusy();
        if (m_Fail)
            AfxThrowArchiveException(CArchiveException::endOfFile);
    }
    BOOL m_BusyInside = FALSE;
    bool m_Fail = false;
};

// A toolbar whose serialising may fail after its buttons are written or read.
class FailingToolBar : public CGTToolBar {
public:
    void Serialize(CArchive& ioArchive) override
    {
        CGTToolBar::Serialize(ioArchive);
        if (m_Fail)
            AfxThrowArchiveException(CArchiveException::generic);
    }
    bool m_Fail = false;
};

void AddButtons(CGTToolBar& ioBar, const std::vector<UINT>& iCommands)
{
    for (UINT id : iCommands)
        ioBar.InsertButton(new CGTToolbarButton(id, 0, nullptr, FALSE, TRUE));
}

// Each button's command, with a minus for a hidden one.
std::vector<int> Buttons(const CGTToolBar& iBar)
{
    std::vector<int> buttons;
    for (int i = 0; i < iBar.GetButtonCount(); ++i) {
        const CGTToolbarButton* button = iBar.GetButton(i);
        buttons.push_back(button->IsVisible() ? int(button->m_CommandId) : -int(button->m_CommandId));
    }
    return buttons;
}

// The menu hash's files in the temporary folder that were not among iBefore.
std::set<CString> NewHashFiles(const std::set<CString>& iBefore = {})
{
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    std::set<CString> files;
    WIN32_FIND_DATAW found = {};
    HANDLE search = ::FindFirstFileW(CString(folder) + L"RIR*.tmp", &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileW(search, &found)) {
        if (iBefore.count(found.cFileName) == 0)
            files.insert(found.cFileName);
    }
    if (search != INVALID_HANDLE_VALUE)
        ::FindClose(search);
    return files;
}

// The temporary folder is one that does not exist while it lives.
class NoTemporaryFolder {
public:
    NoTemporaryFolder()
    {
        ::GetEnvironmentVariableW(L"TMP", m_Saved, MAX_PATH);
        ::SetEnvironmentVariableW(L"TMP", L"C:\\no-such-folder\\");
    }
    ~NoTemporaryFolder() { ::SetEnvironmentVariableW(L"TMP", m_Saved[0] != L'\0' ? m_Saved : nullptr); }

private:
    wchar_t m_Saved[MAX_PATH] = {};
};

// A rebar of three bands whose children have the control ids 11, 12 and 13.
class ThreeBandRebar {
public:
    ThreeBandRebar()
    {
        INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_COOL_CLASSES};
        ::InitCommonControlsEx(&classes);
        m_Frame = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 200, nullptr, nullptr, nullptr, nullptr);
        m_Rebar = ::CreateWindowExW(0, REBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | RBS_VARHEIGHT, 0, 0, 600, 100,
                                    m_Frame, reinterpret_cast<HMENU>(59392), nullptr, nullptr);
        for (int id = 11; id <= 13; ++id) {
            REBARBANDINFOW band = {sizeof(band)};
            band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
            band.fStyle = RBBS_GRIPPERALWAYS;
            band.hwndChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, m_Rebar,
                                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
            band.cxMinChild = 10 * id;
            band.cyMinChild = id;
            band.cx = 100;
            band.wID = 100 + id;
            ::SendMessageW(m_Rebar, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band));
        }
    }
    ~ThreeBandRebar() { ::DestroyWindow(m_Frame); }

    // Per band in order: the child's control id, the minimum child width and height.
    std::vector<std::vector<UINT>> Bands() const
    {
        std::vector<std::vector<UINT>> bands;
        const UINT count = static_cast<UINT>(::SendMessageW(m_Rebar, RB_GETBANDCOUNT, 0, 0));
        for (UINT index = 0; index < count; ++index) {
            REBARBANDINFOW band = {sizeof(band)};
            band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_ID;
            ::SendMessageW(m_Rebar, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&band));
            bands.push_back(
                {static_cast<UINT>(::GetDlgCtrlID(band.hwndChild)), band.cxMinChild, band.cyMinChild, band.wID});
        }
        return bands;
    }
    void SetMinimumHeight(UINT index, UINT height)
    {
        REBARBANDINFOW band = {sizeof(band)};
        band.fMask = RBBIM_CHILDSIZE;
        band.cxMinChild = 5;
        band.cyMinChild = height;
        ::SendMessageW(m_Rebar, RB_SETBANDINFOW, index, reinterpret_cast<LPARAM>(&band));
    }

    HWND m_Rebar;

private:
    HWND m_Frame;
};

const std::vector<std::vector<UINT>> savedBands = {{11, 110, 11, 111}, {12, 120, 12, 112}, {13, 130, 13, 113}};

void CALLBACK ConfirmTheFolderDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = ::FindWindowW(L"#32770", nullptr);
    if (dialog != nullptr && ::GetWindowThreadProcessId(dialog, nullptr) == ::GetCurrentThreadId()) {
        ::KillTimer(nullptr, timer);
        ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
}
}  // namespace

TEST(MenuHash, BusyOnlyWhileABarSerialisesEvenWhenItFails)
{
    RecordingBar bar;
    CMemFile file;
    CArchive archive(&file, CArchive::store);
    EXPECT_FALSE(CMenuHash::Instance().IsBusy());
    CMenuHash::Instance().SerializeBar(bar, archive);
    EXPECT_TRUE(bar.m_BusyInside);
    EXPECT_FALSE(CMenuHash::Instance().IsBusy());

    bar.m_Fail = true;
    bar.m_BusyInside = FALSE;
    BOOL thrown = FALSE;
    try {
        CMenuHash::Instance().SerializeBar(bar, archive);
    } catch (CArchiveException* error) {
        thrown = TRUE;
        error->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_TRUE(bar.m_BusyInside);
    EXPECT_FALSE(CMenuHash::Instance().IsBusy());
    archive.Abort();
}

TEST(MenuHash, KeepsTheLastButtonsOfEachMenuInAFileOfItsOwn)
{
    CMenuHash& hash = CMenuHash::Instance();
    const std::set<CString> before = NewHashFiles();
    HMENU menu = ::CreatePopupMenu();
    HMENU other = ::CreatePopupMenu();
    CGTToolBar saved;
    AddButtons(saved, {100, 0, 200});
    saved.GetButton(2)->SetVisible(FALSE);  // stored only while the hash is busy
    ASSERT_TRUE(hash.SaveMenuBar(menu, &saved));
    EXPECT_FALSE(hash.IsBusy());
    const std::set<CString> first = NewHashFiles(before);
    EXPECT_EQ(1u, first.size());

    CGTToolBar empty;
    EXPECT_FALSE(hash.SaveMenuBar(menu, &empty));
    EXPECT_EQ(first, NewHashFiles(before));
    CGTToolBar loaded;
    AddButtons(loaded, {7});
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(hash.LoadMenuBar(menu, &loaded)) << round;
        EXPECT_EQ((std::vector<int>{100, 0, -200}), Buttons(loaded)) << round;
    }

    AddButtons(saved, {300});
    ASSERT_TRUE(hash.SaveMenuBar(menu, &saved));
    const std::set<CString> second = NewHashFiles(before);
    EXPECT_EQ(1u, second.size());
    EXPECT_NE(first, second);
    ASSERT_TRUE(hash.LoadMenuBar(menu, &loaded));
    EXPECT_EQ((std::vector<int>{100, 0, -200, 300}), Buttons(loaded));

    EXPECT_FALSE(hash.LoadMenuBar(other, &loaded));
    EXPECT_FALSE(hash.RemoveMenu(other));
    AddButtons(empty, {5});
    ASSERT_TRUE(hash.SaveMenuBar(other, &empty));
    EXPECT_EQ(2u, NewHashFiles(before).size());
    EXPECT_TRUE(hash.RemoveMenu(other));
    EXPECT_FALSE(hash.LoadMenuBar(other, &loaded));
    EXPECT_EQ(second, NewHashFiles(before));
    RunGuiToolkitHook(GTModuleHook::MenuHashCleanUp);  // the toolkit's clean-up step
    EXPECT_TRUE(NewHashFiles(before).empty());
    EXPECT_FALSE(hash.LoadMenuBar(menu, &loaded));
    ::DestroyMenu(menu);
    ::DestroyMenu(other);
}

TEST(MenuHash, AFailedSaveLeavesTheMenuWithoutAnEntryOrAFile)
{
    CMenuHash& hash = CMenuHash::Instance();
    const std::set<CString> before = NewHashFiles();
    HMENU menu = ::CreatePopupMenu();
    FailingToolBar bar;
    AddButtons(bar, {100});
    CGTToolBar loaded;
    ASSERT_TRUE(hash.SaveMenuBar(menu, &bar));
    {
        NoTemporaryFolder nowhere;
        EXPECT_FALSE(hash.SaveMenuBar(menu, &bar));
    }
    EXPECT_FALSE(hash.LoadMenuBar(menu, &loaded));
    EXPECT_TRUE(NewHashFiles(before).empty());

    ASSERT_TRUE(hash.SaveMenuBar(menu, &bar));
    bar.m_Fail = true;
    BOOL thrown = FALSE;
    try {
        hash.SaveMenuBar(menu, &bar);
    } catch (CArchiveException* error) {
        thrown = TRUE;
        error->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_FALSE(hash.IsBusy());
    EXPECT_FALSE(hash.LoadMenuBar(menu, &loaded));
    EXPECT_TRUE(NewHashFiles(before).empty());
    ::DestroyMenu(menu);
}

TEST(RebarState, BandsComeBackInTheirStoredOrderAndSizes)
{
    ScratchRegistryKey scratch(L"GtRebar");
    ThreeBandRebar bar;
    ASSERT_EQ(savedBands, bar.Bands());
    ASSERT_TRUE(SaveRebarWindowState(scratch.Path(), bar.m_Rebar));
    const std::vector<BYTE> ids = {11, 0, 0, 0, 12, 0, 0, 0, 13, 0, 0, 0};
    EXPECT_EQ(ids, scratch.Bytes(L"RIRRebar-59392", L"IDs"));
    const std::vector<BYTE> records = scratch.Bytes(L"RIRRebar-59392", L"RBI");
    ASSERT_EQ(240u, records.size());
    const DWORD* first = reinterpret_cast<const DWORD*>(records.data());
    EXPECT_EQ(80u, first[0]);
    EXPECT_EQ(0xB61u, first[1]);  // without the child
    EXPECT_EQ(0u, first[8]);
    EXPECT_EQ(110u, first[9]);

    ::SendMessageW(bar.m_Rebar, RB_MOVEBAND, 0, 2);
    bar.SetMinimumHeight(1, 30);
    ASSERT_NE(savedBands, bar.Bands());
    ASSERT_TRUE(LoadRebarWindowState(scratch.Path(), bar.m_Rebar));
    EXPECT_EQ(savedBands, bar.Bands());
    EXPECT_FALSE(LoadRebarWindowState(scratch.Path() + L"Elsewhere\\", bar.m_Rebar));
}

TEST(RebarState, AStateThatDoesNotFitTheBandsChangesNothing)
{
    ScratchRegistryKey scratch(L"GtRebar");
    ThreeBandRebar bar;
    ASSERT_TRUE(SaveRebarWindowState(scratch.Path(), bar.m_Rebar));
    ::SendMessageW(bar.m_Rebar, RB_MOVEBAND, 0, 2);
    const std::vector<std::vector<UINT>> moved = bar.Bands();
    ASSERT_NE(savedBands, moved);

    std::vector<BYTE> records = scratch.Bytes(L"RIRRebar-59392", L"RBI");
    records.pop_back();
    scratch.StoreBinary(L"RIRRebar-59392", L"RBI", records);
    EXPECT_TRUE(LoadRebarWindowState(scratch.Path(), bar.m_Rebar));
    EXPECT_EQ(moved, bar.Bands());

    ASSERT_TRUE(SaveRebarWindowState(scratch.Path(), bar.m_Rebar));
    ::SendMessageW(bar.m_Rebar, RB_MOVEBAND, 0, 1);
    ::SendMessageW(bar.m_Rebar, RB_DELETEBAND, 2, 0);
    const std::vector<std::vector<UINT>> fewer = bar.Bands();
    EXPECT_TRUE(LoadRebarWindowState(scratch.Path(), bar.m_Rebar));
    EXPECT_EQ(fewer, bar.Bands());
}

TEST(BrowseForFolder, OpensAtTheInitialFolderAndGivesTheChosenPath)
{
    wchar_t windows[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    ::SetTimer(nullptr, 0, 100, &ConfirmTheFolderDialog);
    CString folder = L"unchanged";
    int image = -2;
    ASSERT_TRUE(BrowseForFolderDialog(folder, nullptr, windows, L"Pick", BIF_RETURNONLYFSDIRS, &image));
    EXPECT_EQ(0, folder.CompareNoCase(windows));
    EXPECT_NE(-2, image);
}
