// Outlook bars: the page buttons stacked around the active page, detaching and dropping
// pages, and the custom pages kept in the registry.
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/docking/CGTOutlookBar.h>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <vector>
#include "PaneTestSupport.h"

namespace {
const UINT barId = 0xE810;
const UINT firstCustom = CGTOutlookBar::firstCustomPageId;

// A workspace whose stored data carries the given version.
struct VersionedWorkspace : CGTWorkspaceSettings {
    VersionedWorkspace(int iMajor, int iMinor)
    {
        m_DataVersionMajor = iMajor;
        m_DataVersionMinor = iMinor;
    }
};

// An outlook bar in a plain window with pages made by the test.
struct OutlookHost {
    OutlookHost()
    {
        window.CreateEx(0, AfxRegisterWndClass(0), L"Host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 500), nullptr, 0);
        bar.Create(L"Outlook", &window, CRect(0, 0, 200, 400), barId, WS_CHILD | WS_VISIBLE, 0);
    }
    ~OutlookHost()
    {
        bar.DestroyWindow();
        pages.clear();
        window.DestroyWindow();
    }
    CGTOutlookBarPane& AddPage(LPCWSTR iLabel, UINT iId)
    {
        pages.push_back(std::make_unique<CGTOutlookBarPane>());
        CGTOutlookBarPane& page = *pages.back();
        page.CreatePane(&bar, WS_CHILD | WS_VISIBLE, iId);
        page.SetWindowText(iLabel);
        bar.AddBarAsTab(&page, TRUE, FALSE);
        return page;
    }
    CGTOutlookWnd& Outlook() { return *bar.GetOutlookWnd(); }
    CRect Button(int iIndex)
    {
        CRect rect;
        Outlook().GetTabRect(iIndex, rect);
        return rect;
    }
    int Children()
    {
        int count = 0;
        for (CWnd* child = Outlook().GetWindow(GW_CHILD); child != nullptr; child = child->GetNextWindow())
            ++count;
        return count;
    }
    std::vector<CString> Labels()
    {
        std::vector<CString> labels;
        for (int tab = 0; tab < Outlook().GetTabCount(); ++tab) {
            CString label;
            Outlook().GetTabLabel(tab, label);
            labels.push_back(label);
        }
        return labels;
    }

    CWnd window;
    CGTOutlookBar bar;
    std::vector<std::unique_ptr<CGTOutlookBarPane>> pages;
};

// The bytes an archive writes.
std::vector<BYTE> Archived(const std::function<void(CArchive&)>& iWrite)
{
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        iWrite(archive);
    }
    const UINT size = static_cast<UINT>(file.GetLength());
    BYTE* data = file.Detach();
    std::vector<BYTE> bytes(data, data + size);
    free(data);
    return bytes;
}

// Stored custom pages: ids with their labels, then the shown count.
std::vector<BYTE> StoredPages(const std::vector<std::pair<int, LPCWSTR>>& iPages, int iShown = -1)
{
    return Archived([&](CArchive& ioArchive) {
        ioArchive << static_cast<int>(iPages.size());
        for (const auto& [id, label] : iPages)
            ioArchive << id << CString(label);
        ioArchive << iShown;
    });
}

CString BarKey()
{
    CString key;
    key.Format(L"VADEOutlookBar-%d", barId);
    return key;
}
}  // namespace

TEST(OutlookBar, PageButtonsStackAroundTheActivePage)
{
    OutlookHost host;
    host.AddPage(L"Mail", 501);
    host.AddPage(L"Calendar", 502);
    host.AddPage(L"Contacts", 503);
    CRect client;
    host.Outlook().GetClientRect(client);
    const int height = host.Outlook().GetTabsHeight();
    ASSERT_GT(height, 0);
    const int right = client.right;

    ASSERT_TRUE(host.Outlook().SetActiveTab(1));
    EXPECT_EQ(CRect(1, 1, right, 1 + height), host.Button(0));
    EXPECT_EQ(CRect(1, 1 + height, right, 1 + 2 * height), host.Button(1));
    EXPECT_EQ(CRect(1, client.bottom - 1 - height + 1, right, client.bottom), host.Button(2));
    EXPECT_EQ(CRect(1, 1 + 2 * height, client.right - 1, client.bottom - 1 - height), host.Outlook().GetPageArea());
    EXPECT_EQ(host.Outlook().GetPageArea(), PlaceInParent(*host.pages[1]));
    EXPECT_FALSE(host.pages[0]->IsWindowVisible());

    ASSERT_TRUE(host.Outlook().SetActiveTab(2));
    EXPECT_EQ(CRect(1, 1 + 2 * height, right, 1 + 3 * height), host.Button(2));
    EXPECT_EQ(client.bottom - 1, host.Outlook().GetPageArea().bottom);

    // A hidden page has no button and leaves no gap.
    host.Outlook().ShowTab(1, FALSE);
    EXPECT_TRUE(host.Button(1).IsRectEmpty());
    EXPECT_EQ(CRect(1, 1 + height, right, 1 + 2 * height), host.Button(2));
    CRect top, bottom;
    host.Outlook().GetTabArea(top, bottom);
    host.Outlook().ScreenToClient(top);
    EXPECT_EQ(CRect(1, 1, right, 1 + 2 * height), top);
    EXPECT_TRUE(bottom.IsRectEmpty());
}

TEST(OutlookBar, ALonePageStaysAndAPageDropsOnlyOnAnotherOutlookBar)
{
    OutlookHost first, second;
    CGTOutlookBarPane& lone = first.AddPage(L"Mail", 501);
    EXPECT_FALSE(first.bar.FloatBarFromTab(&lone, 0, 1, FALSE));
    first.AddPage(L"Calendar", 502);
    second.AddPage(L"Notes", 601);

    PaneFrame frame;
    TestPane plain(frame, CRect(0, 0, 100, 100), 700);
    EXPECT_FALSE(lone.DockToTarget(&plain, nullptr, 1));
    EXPECT_EQ(first.Outlook().m_hWnd, lone.GetParent()->m_hWnd);

    EXPECT_TRUE(lone.DockToTarget(&second.bar, nullptr, 1));
    EXPECT_EQ(second.Outlook().m_hWnd, lone.GetParent()->m_hWnd);
    EXPECT_EQ((std::vector<CString>{L"Notes", L"Mail"}), second.Labels());
    EXPECT_EQ(1, second.Outlook().GetActiveTab());
    EXPECT_EQ(std::vector<CString>{L"Calendar"}, first.Labels());
    EXPECT_TRUE(second.bar.GetCustomPages().IsEmpty());
}

TEST(OutlookBar, CustomPagesComeBackUnderBothKeys)
{
    ScratchRegistryKey scratch(L"GtOutlookPages");
    VersionedWorkspace workspace(8, 50);
    {
        OutlookHost saved;
        saved.AddPage(L"Mail", 501);
        scratch.StoreBinary(BarKey(), L"VADEOutlookCustomPages",
                            StoredPages({{int(firstCustom), L"Shortcuts"}, {int(firstCustom) + 1, L"Folders"}}));
        ASSERT_TRUE(saved.bar.LoadState(scratch.Path()));
        saved.Outlook().SetPageButtonsShown(2);
        ASSERT_TRUE(saved.bar.SaveState(scratch.Path()));
        ASSERT_TRUE(saved.bar.SaveState(scratch.Path(), 7, 3));
    }
    EXPECT_FALSE(scratch.Bytes(L"sVADEOutlookBar-73", L"VADEOutlookCustomPages").empty());
    for (auto [index, subId] : {std::pair<int, UINT>{-1, UINT(-1)}, {7, 3}}) {
        OutlookHost loaded;
        loaded.AddPage(L"Mail", 501);
        ASSERT_TRUE(loaded.bar.LoadState(scratch.Path(), index, subId)) << index;
        EXPECT_EQ((std::vector<CString>{L"Mail", L"Shortcuts", L"Folders"}), loaded.Labels());
        EXPECT_EQ(2, loaded.Outlook().GetPageButtonsShown());
        EXPECT_EQ(2, loaded.bar.GetCustomPages().GetCount());
        // Loading again keeps one page per stored id.
        ASSERT_TRUE(loaded.bar.LoadState(scratch.Path(), index, subId));
        EXPECT_EQ(3u, loaded.Labels().size());
    }
}

TEST(OutlookBar, TheShownCountIsReadOnlyFromVersionsThatWriteIt)
{
    ScratchRegistryKey scratch(L"GtOutlookVersions");
    scratch.StoreBinary(BarKey(), L"VADEOutlookCustomPages", StoredPages({{int(firstCustom), L"Shortcuts"}}, 4));
    struct Case {
        int major, minor, shown;
    } cases[] = {{6, 71, 4}, {8, 50, 4}, {6, 7, -1}, {7, 0, -1}};
    for (const Case& c : cases) {
        VersionedWorkspace workspace(c.major, c.minor);
        OutlookHost loaded;
        ASSERT_TRUE(loaded.bar.LoadState(scratch.Path())) << c.major << "." << c.minor;
        EXPECT_EQ(c.shown, loaded.Outlook().GetPageButtonsShown()) << c.major << "." << c.minor;
        EXPECT_EQ(1, loaded.bar.GetCustomPages().GetCount());
    }
}

TEST(OutlookBar, BadStoredPagesChangeNothing)
{
    ScratchRegistryKey scratch(L"GtOutlookBad");
    VersionedWorkspace workspace(8, 50);
    std::vector<BYTE> cut = StoredPages({{int(firstCustom), L"Shortcuts"}}, 4);
    cut.resize(cut.size() - 3);
    const std::vector<BYTE> cases[] = {
        cut,
        Archived([](CArchive& ioArchive) { ioArchive << 5 << int(firstCustom) << CString(L"Shortcuts") << -1; }),
        StoredPages({{0x100, L"Low"}}),
        StoredPages({{int(firstCustom + CGTOutlookBar::customPageIdCount), L"High"}}),
        StoredPages({{int(firstCustom) + 1, L"Other"}, {int(firstCustom) + 5, L"Taken"}}),
    };
    for (const std::vector<BYTE>& bytes : cases) {
        scratch.StoreBinary(BarKey(), L"VADEOutlookCustomPages", bytes);
        OutlookHost loaded;
        loaded.AddPage(L"Mail", firstCustom + 5);
        const int children = loaded.Children();
        EXPECT_FALSE(loaded.bar.LoadState(scratch.Path())) << bytes.size();
        EXPECT_EQ(std::vector<CString>{L"Mail"}, loaded.Labels());
        EXPECT_EQ(children, loaded.Children());
        EXPECT_TRUE(loaded.bar.GetCustomPages().IsEmpty());
    }
    OutlookHost missing;
    EXPECT_FALSE(missing.bar.LoadState(L"Software\\ZorvaneTests\\GtOutlookNone\\"));
}
