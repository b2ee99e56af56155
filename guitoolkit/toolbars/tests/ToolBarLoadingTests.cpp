#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/toolbars/CCustomizeButton.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <gtest/gtest.h>
#include <memory>
#include "GtToolbarsTestIds.h"
#include "ToolbarTestSupport.h"

namespace {
const UINT first = ID_GT_TEST_FIRST;
const UINT second = ID_GT_TEST_SECOND;
const UINT third = ID_GT_TEST_THIRD;
const UINT customizeId = 0x7F2F;

std::vector<UINT> Commands(const CObList& iButtons)
{
    std::vector<UINT> ids;
    for (POSITION position = iButtons.GetHeadPosition(); position != nullptr;)
        ids.push_back(static_cast<CGTToolbarButton*>(iButtons.GetNext(position))->m_CommandId);
    return ids;
}

// A parent that records the reset notices its bars send.
class ResetRecordingParent : public TestParent {
public:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == GTTOOLBAR_RESETTOOLBAR)
            m_Resets.push_back(static_cast<UINT>(iWParam));
        return TestParent::WindowProc(iMessage, iWParam, iLParam);
    }
    std::vector<UINT> m_Resets;
};

// A bar that may carry a customize button at its end.
class CustomizableBar : public CGTToolBar {
public:
    void AddCustomizeButton()
    {
        auto* button = new CGTToolbarButton(customizeId, -1, nullptr, FALSE, TRUE);
        InsertButton(button);
        m_CustomizeButton = button;
    }
    const CObList& Originals() const { return m_OriginalButtons; }
    int MruWidth() const { return m_MruWidth; }
    void SetMruWidth(int iWidth) { m_MruWidth = iWidth; }
};

// A button that counts the living objects of its class: a list that frees one twice shows.
class CountedButton : public CGTToolbarButton {
    DECLARE_SERIAL(CountedButton)
public:
    CountedButton() : CGTToolbarButton(first, -1, nullptr, FALSE, TRUE) { ++s_Alive; }
    ~CountedButton() override { --s_Alive; }
    static int s_Alive;
};
IMPLEMENT_SERIAL(CountedButton, CGTToolbarButton, 1)
int CountedButton::s_Alive = 0;

// A bar's stored form with the given objects for its buttons.
std::vector<BYTE> StoredButtons(CGTToolBar& iBar, std::initializer_list<CObject*> iObjects)
{
    CObList list;
    for (CObject* object : iObjects)
        list.AddTail(object);
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        iBar.CGTBaseToolBar::Serialize(archive);
        list.Serialize(archive);
        archive << BOOL(FALSE) << CString(L"Bar");
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// The excluded commands given back as they were.
class ExcludedInPlace {
public:
    explicit ExcludedInPlace(UINT iCommand) { CGTToolBar::s_ExcludedCommands.AddTail(iCommand); }
    ~ExcludedInPlace() { CGTToolBar::s_ExcludedCommands.RemoveAll(); }
};
}  // namespace

TEST(ToolBarLoading, AToolbarResourceGivesButtonsSizesAndDefaultImages)
{
    ResetRecordingParent parent;
    CustomizableBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent));
    ASSERT_TRUE(bar.LoadToolBar(IDR_GT_TEST_BAR));
    EXPECT_EQ(CSize(22, 21), bar.GetButtonSize());
    EXPECT_EQ(CSize(16, 15), bar.GetImageSize());
    EXPECT_EQ((std::vector<UINT>{first, 0, second, third}), Commands(bar.GetAllButtons()));
    EXPECT_EQ((std::vector<UINT>{first, 0, second, third}), Commands(bar.Originals()));
    EXPECT_EQ((std::vector<UINT>{first, 0, second, third}), Commands(bar.GetResetStateButtons()));
    EXPECT_EQ(IDR_GT_TEST_BAR, bar.GetResourceId());
    EXPECT_TRUE(bar.CanBeRestored());
    int images[3] = {-1, -1, -1};
    ASSERT_TRUE(CGTToolBar::GetDefaultImage(first, images[0]));
    ASSERT_TRUE(CGTToolBar::GetDefaultImage(second, images[1]));
    ASSERT_TRUE(CGTToolBar::GetDefaultImage(third, images[2]));
    EXPECT_EQ(images[0] + 1, images[1]);
    EXPECT_EQ(images[1] + 1, images[2]);
    EXPECT_EQ(images[2], bar.GetButton(3)->GetImage());
    EXPECT_EQ((std::vector<UINT>{IDR_GT_TEST_BAR}), parent.m_Resets);

    // A resource shorter than its count, or none at all, changes nothing.
    EXPECT_FALSE(bar.LoadToolBar(IDR_GT_TEST_SHORT_BAR));
    EXPECT_FALSE(bar.LoadToolBar(0x7FFF));
    EXPECT_EQ(IDR_GT_TEST_BAR, bar.GetResourceId());
    EXPECT_EQ(4, bar.GetButtonCount());
    // Without its images a resource makes no buttons, and says so.
    CGTToolBar imageless;
    EXPECT_FALSE(imageless.LoadToolBar(IDR_GT_TEST_NO_IMAGES));
    EXPECT_EQ(0, imageless.GetButtonCount());
    EXPECT_FALSE(imageless.CanBeRestored());
    bar.DestroyWindow();
    CGTToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
}

TEST(ToolBarLoading, TheCustomizeButtonStaysLast)
{
    CustomizableBar bar;
    bar.SetButtons(nullptr, 2);
    bar.AddCustomizeButton();
    auto* button = new CGTToolbarButton(40, 0, nullptr, FALSE, TRUE);
    EXPECT_EQ(2, bar.InsertButton(button, bar.GetButtonCount()));
    const UINT ids[] = {50, 0, 60};
    bar.SetButtons(ids, 3);
    EXPECT_EQ((std::vector<UINT>{50, 0, 60, customizeId}), Commands(bar.GetAllButtons()));
    EXPECT_EQ(bar.GetButton(3), bar.GetCustomizeButton());
    EXPECT_FALSE(bar.RemoveButton(3));
}

TEST(ToolBarLoading, ExcludedCommandsAreNeitherInsertedNorKept)
{
    CGTToolBar saved;
    const UINT ids[] = {50, 0, 60, 70};
    saved.SetButtons(ids, 4);
    const std::vector<BYTE> bytes = Stored(saved);

    ExcludedInPlace excluded(60);
    auto* button = new CGTToolbarButton(60, 0, nullptr, FALSE, TRUE);
    EXPECT_EQ(-1, saved.InsertButton(button));
    delete button;
    CGTToolBar loaded;
    Load(loaded, bytes);
    EXPECT_EQ((std::vector<UINT>{50, 0, 70}), Commands(loaded.GetAllButtons()));
}

TEST(ToolBarLoading, TheLastFloatingLengthIsStoredFromVersion60200)
{
    const struct {
        int minor;
        int width;  // read back
    } cases[] = {{1, 32767}, {2, 120}};
    for (const auto& c : cases) {
        VersionedWorkspace workspace(6, c.minor);
        CustomizableBar saved;
        const UINT ids[] = {50};
        saved.SetButtons(ids, 1);
        saved.SetMruWidth(120);
        const std::vector<BYTE> bytes = Stored(saved);
        CustomizableBar loaded;
        Load(loaded, bytes);
        EXPECT_EQ(c.width, loaded.MruWidth()) << c.minor;
        EXPECT_EQ((std::vector<UINT>{50}), Commands(loaded.GetAllButtons()));
    }
}

TEST(ToolBarLoading, AStoredListThatWouldOwnAButtonTwiceIsRefusedAndTheChevronKept)
{
    ScratchRegistryKey scratch(L"GtToolBarRefused");
    TestParent parent;
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 0xE801));
    ASSERT_TRUE(bar.LoadToolBar(IDR_GT_TEST_BAR));
    ASSERT_TRUE(bar.SetCustomizeButton(TRUE, ID_GT_TEST_OPEN, L"&Customize..."));
    ASSERT_TRUE(bar.SaveState(scratch.Path()));
    const std::vector<BYTE> saved = scratch.Bytes(L"RIRToolBar-59393", L"Buttons");

    CountedButton button;
    ForeignThing foreign;
    std::vector<BYTE> cut = saved;
    cut.resize(cut.size() - 3);
    const struct {
        const char* name;
        std::vector<BYTE> bytes;
    } cases[] = {
        {"named twice", StoredButtons(bar, {&button, &button})},
        {"null", StoredButtons(bar, {&button, nullptr})},
        {"foreign", StoredButtons(bar, {&foreign})},
        {"cut", cut},
    };
    const int alive = CountedButton::s_Alive;
    for (const auto& c : cases) {
        bar.RemoveButton(0);
        scratch.StoreBinary(L"RIRToolBar-59393", L"Buttons", c.bytes);
        EXPECT_FALSE(bar.LoadState(scratch.Path())) << c.name;
        EXPECT_EQ(alive, CountedButton::s_Alive) << c.name;
        EXPECT_EQ((std::vector<UINT>{first, 0, second, third, ID_GT_TEST_OPEN}), Commands(bar.GetAllButtons()))
            << c.name;
        ASSERT_NE(nullptr, dynamic_cast<CCustomizeButton*>(bar.GetCustomizeButton())) << c.name;
        EXPECT_EQ(bar.GetButton(4), bar.GetCustomizeButton()) << c.name;
        // The chevron still gathers what does not fit.
        bar.SetWindowPos(nullptr, 0, 0, 40, 30, SWP_NOZORDER | SWP_NOACTIVATE);
        bar.RecalcButtonLayout();
        EXPECT_LT(0, bar.GetOverflowButtons().GetCount()) << c.name;
    }
    bar.DestroyWindow();
}

TEST(ToolBarLoading, StoredItemListsThatWouldOwnAButtonTwiceAreRefused)
{
    ScratchRegistryKey scratch(L"GtToolBarRefusedItems");
    VersionedWorkspace workspace(6, 2);
    workspace.m_KeepOriginalState = TRUE;
    TestParent parent;
    CustomizableBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 0xE801));
    ASSERT_TRUE(bar.LoadToolBar(IDR_GT_TEST_BAR));
    bar.RemoveButton(0);
    ASSERT_TRUE(bar.SaveState(scratch.Path()));

    CountedButton button;
    CObList twice;
    twice.AddTail(&button);
    twice.AddTail(&button);
    const int alive = CountedButton::s_Alive;
    for (const char* list : {"OriginalItems", "OrigResetItems"}) {
        scratch.StoreBinary(L"RIRToolBar-59393", CString(list), Stored(twice));
        EXPECT_TRUE(bar.LoadState(scratch.Path())) << list;
        EXPECT_EQ(alive, CountedButton::s_Alive) << list;
        EXPECT_EQ((std::vector<UINT>{0, second, third}), Commands(bar.GetAllButtons())) << list;
        EXPECT_EQ((std::vector<UINT>{first, 0, second, third}), Commands(bar.Originals())) << list;
        EXPECT_EQ((std::vector<UINT>{first, 0, second, third}), Commands(bar.GetResetStateButtons())) << list;
        EXPECT_FALSE(bar.IsResourceChanged()) << list;
    }
    bar.DestroyWindow();
}

TEST(ToolBarLoading, MergingFollowsTheChangedResource)
{
    const struct {
        std::vector<UINT> stored;  // the resource as the state was stored
        std::vector<UINT> after;
        BOOL changed;
    } cases[] = {
        {{50, 0, 60}, {50, 0, 60}, FALSE},
        {{50, 0, 60, 70}, {50, 0, 60}, TRUE},
        {{50, 60}, {50, 0, 60}, TRUE},
        {{60, 0, 50}, {50, 0, 60}, TRUE},
    };
    for (const auto& c : cases) {
        CGTToolBar bar;
        std::vector<UINT> current = c.stored;
        bar.SetButtons(current.data(), static_cast<int>(current.size()));
        CObList stored;
        for (UINT id : c.stored) {
            auto* button = new CGTToolbarButton(id, -1, nullptr, FALSE, TRUE);
            if (id == 0)
                button->m_Style = TBBS_SEPARATOR;
            stored.AddTail(button);
        }
        const UINT resource[] = {50, 0, 60};
        CObList fresh;
        CGTToolBar resourceBar;
        resourceBar.SetButtons(resource, 3);
        for (POSITION position = resourceBar.GetAllButtons().GetHeadPosition(); position != nullptr;) {
            auto* original = static_cast<CGTToolbarButton*>(resourceBar.GetAllButtons().GetNext(position));
            auto* copy = new CGTToolbarButton;
            copy->CopyFrom(*original);
            fresh.AddTail(copy);
        }
        bar.ReplaceOriginalState(fresh);
        EXPECT_EQ(c.changed, bar.MergeOriginalButtons(stored));
        std::vector<UINT> order = Commands(bar.GetAllButtons());
        std::sort(order.begin(), order.end());
        std::vector<UINT> expected = c.after;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(expected, order);
        while (!stored.IsEmpty())
            delete stored.RemoveHead();
    }
}

TEST(ToolBarLoading, ACorruptStoredListRestoresTheResourceAndKeepsTheOtherValues)
{
    ScratchRegistryKey scratch(L"GtToolBarCorrupt");
    TestParent parent;
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 0xE801));
    ASSERT_TRUE(bar.LoadToolBar(IDR_GT_TEST_BAR));
    bar.RemoveButton(0);
    ASSERT_TRUE(bar.SaveState(scratch.Path()));
    bar.RemoveButton(0);
    ASSERT_TRUE(bar.LoadState(scratch.Path()));
    EXPECT_EQ((std::vector<UINT>{0, second, third}), Commands(bar.GetAllButtons()));

    const std::vector<BYTE> name = scratch.Bytes(L"RIRToolBar-59393", L"Name");
    scratch.StoreBinary(L"RIRToolBar-59393", L"Buttons", {1, 2, 3});
    bar.LoadState(scratch.Path());
    EXPECT_EQ((std::vector<UINT>{first, 0, second, third}), Commands(bar.GetAllButtons()));
    EXPECT_EQ(name, scratch.Bytes(L"RIRToolBar-59393", L"Name"));
    EXPECT_EQ((std::vector<BYTE>{1, 2, 3}), scratch.Bytes(L"RIRToolBar-59393", L"Buttons"));
    bar.DestroyWindow();
}
