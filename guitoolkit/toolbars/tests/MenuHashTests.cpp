#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/core/GuiToolkitHooks.h>
#include <gtest/gtest.h>
#include <set>
#include <vector>

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
        ioBar.InsertButton(new CGTToolbarButton(id, -1, nullptr, FALSE, TRUE));
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
