#include <guitoolkit/core/CGTRegistry.h>
#include <guitoolkit/core/RegistrySectionPath.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"
#include "MdiClientAreaSupport.h"

namespace {
const LPCWSTR profile = L"MdiTabsStateTests";
const int frameId = 7;

CString Section()
{
    CString section;
    section.Format(L"%sMDIClientArea-%d", static_cast<LPCWSTR>(BuildRegistrySectionPath(L"MDIClientArea", profile)),
                   frameId);
    return section;
}

std::vector<BYTE> SavedBytes()
{
    CGTRegistry registry(FALSE, TRUE);
    BYTE* bytes = nullptr;
    UINT size = 0;
    EXPECT_TRUE(registry.Open(Section()) && registry.ReadBinary(L"MDITabsState", bytes, size));
    std::vector<BYTE> value(bytes, bytes + size);
    delete[] bytes;
    return value;
}

void StoreBytes(const std::vector<BYTE>& iValue)
{
    CGTRegistry registry(FALSE, FALSE);
    ASSERT_TRUE(registry.CreateKey(Section()));
    ASSERT_TRUE(registry.WriteBinary(L"MDITabsState", iValue.data(), static_cast<UINT>(iValue.size())));
}

void PutInt(std::vector<BYTE>& ioValue, size_t iOffset, int iNumber)
{
    memcpy(ioValue.data() + iOffset, &iNumber, sizeof(iNumber));
}

// Every window the client area holds, in window order, with its text.
std::vector<CString> ChildWindows(CWnd& iClient)
{
    std::vector<CString> found;
    for (CWnd* window = iClient.GetWindow(GW_CHILD); window != nullptr; window = window->GetWindow(GW_HWNDNEXT)) {
        CString text;
        window->GetWindowText(text);
        found.push_back(CString(window->GetRuntimeClass()->m_lpszClassName) + L":" + text);
    }
    return found;
}

class MdiTabsState : public ::testing::Test {
protected:
    void SetUp() override { m_Frame = std::make_unique<TestMdiFrame>(); }
    OpenClientArea& Client() { return m_Frame->m_Client; }
    // Two groups side by side: "Users" and "Hours" left, "Computers" right, "Hours" active.
    void ArrangeGroups()
    {
        Client().SwitchTabGroups(TRUE, MDITabSettings());
        for (LPCWSTR name : {L"Users", L"Computers", L"Hours"})
            m_Frame->OpenChild(name);
        m_Frame->RecalcLayout();
        CGTTabWnd* first = Client().Group(0);
        CRect half;
        first->GetWndArea(half);
        first->ClientToScreen(half);
        half.left = half.right - 200;
        CGTTabWnd* second = Client().SplitOffTabGroup(first, half, TRUE);
        Client().MoveDocumentToTabGroup(first, second, 1);
        first->SetTabLabel(0, L"All users");
        first->SetTabBkColor(1, RGB(10, 200, 30));
        first->ActivateMDITab(1);
        m_Frame->RecalcLayout();
    }

    FixedScreenFacts m_Facts;
    std::unique_ptr<TestMdiFrame> m_Frame;
};

TEST_F(MdiTabsState, GroupsComeBackWithTheirSizesTabsLabelsColoursAndActiveTabs)
{
    ArrangeGroups();
    const CRect left = WindowRect(*Client().Group(0));
    const CRect right = WindowRect(*Client().Group(1));
    ASSERT_TRUE(Client().SaveMDITabsState(profile, frameId));

    ASSERT_TRUE(Client().LoadMDITabsState(profile, frameId));
    PumpMessages();

    ASSERT_EQ(Client().GroupCount(), 2);
    CGTTabWnd* first = Client().Group(0);
    CGTTabWnd* second = Client().Group(1);
    EXPECT_EQ(WindowRect(*first), left);
    EXPECT_EQ(WindowRect(*second), right);
    ASSERT_EQ(first->GetTabCount(), 2);
    ASSERT_EQ(second->GetTabCount(), 1);
    CString label;
    first->GetTabLabel(0, label);
    EXPECT_EQ(label, L"All users");
    first->GetTabLabel(1, label);
    EXPECT_EQ(label, L"Hours");
    EXPECT_EQ(first->GetTabBkColor(1), RGB(10, 200, 30));
    EXPECT_EQ(first->GetActiveTab(), 1);
    EXPECT_TRUE(first->IsActiveInGroup());
    EXPECT_FALSE(second->IsActiveInGroup());
    EXPECT_EQ(m_Frame->ActiveChild(), first->GetTabWnd(1)->GetSafeHwnd());
    EXPECT_EQ(first->GetResizeMode(), 1);
    EXPECT_EQ(second->GetResizeMode(), 0);
}

TEST_F(MdiTabsState, PlainChildrenComeBackInZOrderWithTheirPlacements)
{
    for (LPCWSTR name : {L"Users", L"Computers", L"Hours"})
        m_Frame->OpenChild(name);
    CWnd* users = CWnd::FromHandle(::FindWindowExW(Client().GetSafeHwnd(), nullptr, nullptr, L"Users"));
    users->MoveWindow(5, 6, 200, 150);
    Client().SendMessage(WM_MDIMAXIMIZE,
                         reinterpret_cast<WPARAM>(::FindWindowExW(Client().GetSafeHwnd(), nullptr, nullptr, L"Hours")));
    const std::vector<CString> before = ChildWindows(Client());
    ASSERT_TRUE(Client().SaveMDITabsState(profile, frameId));

    ASSERT_TRUE(Client().LoadMDITabsState(profile, frameId));

    EXPECT_EQ(ChildWindows(Client()), before);
    const HWND hours = ::FindWindowExW(Client().GetSafeHwnd(), nullptr, nullptr, L"Hours");
    EXPECT_EQ(m_Frame->ActiveChild(), hours);
    EXPECT_TRUE(::IsZoomed(hours));
    WINDOWPLACEMENT place = {sizeof(place)};
    ::GetWindowPlacement(::FindWindowExW(Client().GetSafeHwnd(), nullptr, nullptr, L"Users"), &place);
    EXPECT_EQ(CRect(place.rcNormalPosition), CRect(5, 6, 205, 156));
}

TEST_F(MdiTabsState, ADocumentNamedTwiceOpensOnceAndASecondWindowOnIt)
{
    Client().SwitchMDITabs(TRUE, MDITabSettings());
    m_Frame->OpenChild(L"Users");
    m_Frame->OpenChild(L"Users");
    ASSERT_TRUE(Client().SaveMDITabsState(profile, frameId));

    ASSERT_TRUE(Client().LoadMDITabsState(profile, frameId));

    EXPECT_EQ(m_Frame->m_Opened, (std::vector<CString>{L"Users", L"Users"}));
    EXPECT_EQ(m_Frame->m_OpenedAgain, std::vector<CString>{L"Users"});
    EXPECT_EQ(Client().GetSingleTabs().GetTabCount(), 2);
}

// A class no frame reads documents with.
class ForeignDocument : public CObject {
    DECLARE_SERIAL(ForeignDocument)
public:
    void Serialize(CArchive&) override {}
};
IMPLEMENT_SERIAL(ForeignDocument, CObject, 1)

std::vector<BYTE> WithForeignObject()
{
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        MDITabSettings().Serialize(archive);
        for (int value : {0, 0, 0, 0, 40, 40, 1})
            archive << value;
        archive << CString(L"Users") << 1;
        ForeignDocument document;
        archive.WriteObject(&document);
        for (int i = 0; i < 12; ++i)
            archive << 0;
        archive.Close();
    }
    const auto size = static_cast<size_t>(file.GetLength());
    BYTE* bytes = file.Detach();
    std::vector<BYTE> value(bytes, bytes + size);
    free(bytes);
    return value;
}

TEST_F(MdiTabsState, ABadValueIsRefusedAndLeavesEveryChildAndGroupAsItWas)
{
    ArrangeGroups();
    ASSERT_TRUE(Client().SaveMDITabsState(profile, frameId));
    const std::vector<BYTE> good = SavedBytes();
    const std::vector<CString> before = ChildWindows(Client());
    const size_t modes = 8 * sizeof(int);

    struct BadValue {
        CString name;
        std::vector<BYTE> value;
    };
    std::vector<BadValue> cases;
    for (size_t length = 0; length < good.size(); ++length) {
        CString name;
        name.Format(L"cut at %u", static_cast<unsigned>(length));
        cases.push_back({name, std::vector<BYTE>(good.begin(), good.begin() + length)});
    }
    std::vector<BYTE> patched = good;
    PutInt(patched, modes + 6 * sizeof(int), 1000);
    cases.push_back({L"group count past the data", patched});
    patched = good;
    PutInt(patched, modes + 7 * sizeof(int), 0x7FFFFFFF);
    cases.push_back({L"tab count past the data", patched});
    patched = good;
    PutInt(patched, modes, 1);
    cases.push_back({L"both modes on", patched});
    patched = good;
    PutInt(patched, modes + 4 * sizeof(int), -5);
    cases.push_back({L"margin -5", patched});
    cases.push_back({L"a foreign object class", WithForeignObject()});

    for (const BadValue& bad : cases) {
        SCOPED_TRACE(static_cast<LPCWSTR>(bad.name));
        StoreBytes(bad.value);
        EXPECT_FALSE(Client().LoadMDITabsState(profile, frameId));
        PumpMessages();
        EXPECT_EQ(ChildWindows(Client()), before);
        EXPECT_TRUE(m_Frame->m_Opened.empty());
        EXPECT_EQ(Client().GroupCount(), 2);
    }
}
}  // namespace
