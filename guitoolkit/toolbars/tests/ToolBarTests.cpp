#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/GuiToolkitHooks.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <gtest/gtest.h>
#include "GtToolbarsTestIds.h"
#include "ToolbarTestSupport.h"

namespace {
// A button that counts the font changes it is told of.
class FontCountingButton : public CGTToolbarButton {
public:
    using CGTToolbarButton::CGTToolbarButton;
    void OnGlobalFontsChanged() override { ++m_FontChanges; }
    int m_FontChanges = 0;
};

std::vector<UINT> Commands(const CObList& iButtons)
{
    std::vector<UINT> ids;
    for (POSITION position = iButtons.GetHeadPosition(); position != nullptr;)
        ids.push_back(static_cast<CGTToolbarButton*>(iButtons.GetNext(position))->m_CommandId);
    return ids;
}

std::vector<UINT> Commands(const CGTToolBar& iBar)
{
    return Commands(iBar.GetAllButtons());
}

// A bar of plain buttons, locked so that the command manager is left alone.
void AddButtons(CGTToolBar& ioBar, const std::vector<UINT>& iCommands)
{
    for (UINT id : iCommands) {
        auto* button = new CGTToolbarButton(id, 0, nullptr, FALSE, TRUE);
        if (id == 0)
            button->m_Style = TBBS_SEPARATOR;
        ioBar.InsertButton(button);
    }
}
}  // namespace

TEST(ToolBar, SystemCommandsAreTheFrameworkRanges)
{
    const struct {
        UINT id;
        BOOL system;
    } cases[] = {
        {0xE10F, FALSE}, {0xE110, TRUE},     {0xE11F, TRUE},      {0xE120, FALSE},     {0xE210, TRUE},  {0xE21F, TRUE},
        {0xE220, FALSE}, {0xF000, TRUE},     {0xF1EF, TRUE},      {0xF1F0, FALSE},     {0xFEFF, FALSE}, {0xFF00, TRUE},
        {0xFFFF, TRUE},  {0x7FFFFFFF, TRUE}, {0x80000000, FALSE}, {0xFFFFFFFF, FALSE}, {100, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.system, CGTToolBar::IsSystemCommand(c.id)) << std::hex << c.id;
}

TEST(ToolBar, BadPositionsAnswerNothingAndChangeNothing)
{
    CGTToolBar bar;
    EXPECT_EQ(-1, bar.InsertSeparator());
    AddButtons(bar, {10, 0, 20});
    CGTToolbarButton spare(30, 0, nullptr, FALSE, TRUE);

    for (int index : {-2, -1, 3, 4})
        EXPECT_EQ(nullptr, bar.GetButton(index)) << index;
    EXPECT_EQ(nullptr, bar.InvalidateButton(3));
    EXPECT_EQ(-1, bar.InsertButton(&spare, -2));
    EXPECT_EQ(-1, bar.InsertButton(&spare, 4));
    EXPECT_EQ(-1, bar.InsertButton(nullptr));
    EXPECT_FALSE(bar.RemoveButton(3));
    EXPECT_FALSE(bar.RemoveButton(-1));
    EXPECT_EQ(-1, bar.InsertSeparator(0));
    EXPECT_EQ(-1, bar.CommandToIndex(20, 3));
    EXPECT_EQ(-1, bar.CommandToIndex(40));
    EXPECT_EQ(-1, bar.ButtonToIndex(&spare));
    EXPECT_EQ(-1, bar.InsertResetStateButton(spare, 1));
    EXPECT_FALSE(bar.RemoveResetStateButton(30));
    EXPECT_EQ((std::vector<UINT>{10, 0, 20}), Commands(bar));

    EXPECT_EQ(2, bar.CommandToIndex(20, 1));
    EXPECT_EQ(0, bar.InsertResetStateButton(spare));
    EXPECT_TRUE(bar.RemoveResetStateButton(30));
}

TEST(ToolBar, RemovingAButtonLeavesNoSeparatorsTogetherOrAtTheEnd)
{
    const struct {
        std::vector<UINT> before;
        int remove;
        std::vector<UINT> after;
    } cases[] = {
        {{10, 0, 20, 0, 30}, 2, {10, 0, 30}},
        {{10, 0, 20}, 2, {10}},
        {{0, 10}, 1, {0}},
        {{10, 20}, 0, {20}},
    };
    for (const auto& c : cases) {
        CGTToolBar bar;
        AddButtons(bar, c.before);
        EXPECT_TRUE(bar.RemoveButton(c.remove));
        EXPECT_EQ(c.after, Commands(bar));
    }
}

TEST(ToolBar, SizesAreSharedByTheUnlockedBars)
{
    CGTToolBar shared;
    CGTToolBar::SetSizes(CSize(30, 28), CSize(20, 18));
    EXPECT_EQ(CSize(30, 28), shared.GetButtonSize());
    EXPECT_EQ(CSize(20, 18), shared.GetImageSize());
    EXPECT_EQ(CSize(20, 18), CGTToolBar::GetMenuImageSize());
    EXPECT_EQ(CSize(30, 28), CGTToolBar::GetMenuButtonSize());
    EXPECT_EQ(CSize(20, 18), CSize(CGTToolBar::GetImages(GTToolBarImageKind::ColdImages).sizeImage));
    EXPECT_EQ(CSize(40, 36), CSize(CGTToolBar::GetImages(GTToolBarImageKind::LargeImages).sizeImage));
    CGTToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
}

TEST(ToolBar, ButtonsOfACommandComeFromTheLiveBars)
{
    TestParent parent;
    CGTToolBar first;
    CGTToolBar second;
    ASSERT_TRUE(first.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 101));
    ASSERT_TRUE(second.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 102));
    AddButtons(first, {300, 301});
    AddButtons(second, {300});
    CObList buttons;
    EXPECT_EQ(2, CGTToolBar::GetCommandButtons(300, buttons));
    EXPECT_EQ(0, CGTToolBar::GetCommandButtons(0, buttons));
    EXPECT_TRUE(buttons.IsEmpty());

    second.DestroyWindow();
    EXPECT_EQ(1, CGTToolBar::GetCommandButtons(300, buttons));
    EXPECT_EQ(first.GetButton(0), buttons.GetHead());
    first.DestroyWindow();
}

TEST(ToolBar, ABarWindowIsListedWhileItExists)
{
    TestParent parent;
    const INT_PTR before = CGTToolBar::GetAllToolbars().GetCount();
    {
        CGTToolBar bar;
        EXPECT_EQ(before, CGTToolBar::GetAllToolbars().GetCount());
        ASSERT_TRUE(bar.CreateEx(&parent));
        EXPECT_NE(nullptr, CGTToolBar::GetAllToolbars().Find(&bar));
        EXPECT_EQ(DWORD(CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC | CBRS_HIDE_INPLACE), bar.GetBarStyle());
        EXPECT_TRUE(bar.IsHorizontal());
        bar.DestroyWindow();
        EXPECT_EQ(nullptr, CGTToolBar::GetAllToolbars().Find(&bar));
    }
    EXPECT_EQ(before, CGTToolBar::GetAllToolbars().GetCount());
}

TEST(ToolBar, SwitchingToTheSameCustomizeModeTellsNoBar)
{
    TestParent parent;
    RecordingToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent));
    EXPECT_FALSE(CGTToolBar::SetCustomizeMode(FALSE));
    EXPECT_TRUE(CGTToolBar::SetCustomizeMode(TRUE));
    EXPECT_TRUE(CGTToolBar::IsCustomizeMode());
    EXPECT_FALSE(CGTToolBar::SetCustomizeMode(TRUE));
    EXPECT_TRUE(CGTToolBar::SetCustomizeMode(FALSE));
    EXPECT_EQ((std::vector<std::string>{"customize", "plain"}), bar.m_Calls);
    bar.DestroyWindow();
}

TEST(ToolBar, TheCoreAndTheLooksReachTheLiveBars)
{
    TestParent parent;
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent));
    auto* button = new FontCountingButton(40, 0, nullptr, FALSE, TRUE);
    bar.InsertButton(button);
    RunGuiToolkitHook(GTModuleHook::FontsChanged);
    EXPECT_EQ(1, button->m_FontChanges);
    EXPECT_EQ(&CGTToolBar::RedrawAll, CGTVisualManager::ClientHooks().redrawAllToolbars);
    EXPECT_EQ(&CGTToolBar::ReapplyLook, CGTVisualManager::ClientHooks().reapplyToolbarLook);
    EXPECT_EQ(&CGTToolBar::GetMenuImageSize, CGTVisualManager::ClientHooks().menuImageSize);
    bar.DestroyWindow();
    RunGuiToolkitHook(GTModuleHook::FontsChanged);
    EXPECT_EQ(1, button->m_FontChanges);
}

TEST(ToolBarState, KeysNameTheBarAndTheOptionalId)
{
    EXPECT_EQ(CString(L"P\\RIRToolBar-5e801"), CGTToolBar::StateKeyName(L"P\\", 5, 0xE801));
    EXPECT_EQ(CString(L"P\\RIRToolBar-5"), CGTToolBar::StateKeyName(L"P\\", 5, static_cast<UINT>(-1)));

    ScratchRegistryKey scratch(L"GtToolBarKeys");
    CGTToolBar bar;
    AddButtons(bar, {10});
    EXPECT_TRUE(bar.SaveState(scratch.Path(), 5, 0xE801));
    EXPECT_TRUE(scratch.HasKey(L"RIRToolBar-5e801"));
    EXPECT_TRUE(bar.RemoveStateFromRegistry(scratch.Path(), 5, 0xE801));
    EXPECT_FALSE(scratch.HasKey(L"RIRToolBar-5e801"));
}

TEST(ToolBarState, ButtonsAndTheResetListComeBack)
{
    ScratchRegistryKey scratch(L"GtToolBarState");
    TestParent parent;
    CGTToolBar saved;
    ASSERT_TRUE(saved.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 0xE801));
    saved.SetWindowText(L"Standard");
    AddButtons(saved, {10, 0, 20});
    saved.GetButton(2)->m_Style |= TBBS_CHECKED;
    saved.InsertResetStateButton(*saved.GetButton(0));
    ASSERT_TRUE(saved.SaveState(scratch.Path()));

    CGTToolBar loaded;
    ASSERT_TRUE(loaded.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 0xE801));
    AddButtons(loaded, {99});
    ASSERT_TRUE(loaded.LoadState(scratch.Path()));
    EXPECT_EQ((std::vector<UINT>{10, 0, 20}), Commands(loaded));
    EXPECT_EQ(0u, loaded.GetButton(2)->m_Style & TBBS_CHECKED);
    EXPECT_EQ((std::vector<UINT>{10}), Commands(loaded.GetResetStateButtons()));
    CString name;
    loaded.GetWindowText(name);
    EXPECT_EQ(CString(L"Standard"), name);
    saved.DestroyWindow();
    loaded.DestroyWindow();
}

TEST(ToolBarState, WhatIsMissingChangesNothing)
{
    ScratchRegistryKey scratch(L"GtToolBarMissing");
    CGTToolBar bar;
    AddButtons(bar, {10});
    bar.InsertResetStateButton(*bar.GetButton(0));
    EXPECT_FALSE(bar.LoadState(scratch.Path(), 7));

    // A key without "Buttons".
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    ASSERT_TRUE(registry.CreateKey(scratch.Path() + L"RIRToolBar-7"));
    ASSERT_TRUE(registry.WriteString(L"Name", L"Other"));
    EXPECT_FALSE(bar.LoadState(scratch.Path(), 7));

    EXPECT_EQ((std::vector<UINT>{10}), Commands(bar));
    EXPECT_EQ((std::vector<UINT>{10}), Commands(bar.GetResetStateButtons()));
}

TEST(ToolBarState, AResetListNamingAnotherClassIsRefusedUnread)
{
    ScratchRegistryKey scratch(L"GtToolBarForeign");
    CGTToolBar saved;
    AddButtons(saved, {10});
    ASSERT_TRUE(saved.SaveState(scratch.Path(), 8));
    CObList mixed;
    mixed.AddTail(new CGTToolbarButton(11, 0, nullptr, FALSE, TRUE));
    mixed.AddTail(new ForeignThing);
    mixed.AddTail(new CGTToolbarButton(12, 0, nullptr, FALSE, TRUE));
    {
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(registry.Open(scratch.Path() + L"RIRToolBar-8"));
        ASSERT_TRUE(registry.WriteObList(L"OrigResetItems", mixed));
    }
    while (!mixed.IsEmpty())
        delete mixed.RemoveHead();

    const int made = ForeignThing::s_Made;
    CGTToolBar loaded;
    AddButtons(loaded, {99});
    loaded.InsertResetStateButton(*loaded.GetButton(0));
    ASSERT_TRUE(loaded.LoadState(scratch.Path(), 8));
    EXPECT_EQ((std::vector<UINT>{10}), Commands(loaded));
    EXPECT_EQ((std::vector<UINT>{99}), Commands(loaded.GetResetStateButtons()));
    EXPECT_EQ(made, ForeignThing::s_Made);
}

TEST(ToolBarState, LargeIconsComeFromTheToolbarParameters)
{
    ScratchRegistryKey scratch(L"GtToolBarLargeIcons");
    EXPECT_FALSE(CGTToolBar::LoadLargeIconsState(scratch.Path()));
    EXPECT_FALSE(CGTToolBar::IsLargeIcons());
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    ASSERT_TRUE(registry.CreateKey(scratch.Path() + L"RIRToolbarParameters"));
    ASSERT_TRUE(registry.WriteInt(L"LargeIcons", 1));
    EXPECT_TRUE(CGTToolBar::LoadLargeIconsState(scratch.Path()));
    EXPECT_TRUE(CGTToolBar::IsLargeIcons());
    ASSERT_TRUE(registry.WriteInt(L"LargeIcons", 0));
    EXPECT_TRUE(CGTToolBar::LoadLargeIconsState(scratch.Path()));
    EXPECT_FALSE(CGTToolBar::IsLargeIcons());
}

TEST(ToolBarTooltips, TheShortcutFollowsTheCommandsName)
{
    StackFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, L"Frame", WS_OVERLAPPEDWINDOW));
    const ACCEL shortcuts[] = {{FCONTROL | FVIRTKEY, 'N', 0xE100}};
    frame.m_hAccelTable = ::CreateAcceleratorTableW(const_cast<ACCEL*>(shortcuts), 1);
    CGTKeyboardManager::CleanUp();
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&frame));
    const struct {
        CGTToolbarButton* button;
        LPCWSTR tip;
    } cases[] = {
        {new CGTToolbarButton(0xE100, 0, L"&New", TRUE, TRUE), L"New (Ctrl+N)"},
        {new CGTToolbarButton(ID_GT_TEST_OPEN, 0, nullptr, FALSE, TRUE), L"Open Report"},
        {new CGTToolbarButton(0x7E00, 0, nullptr, FALSE, TRUE), nullptr},
    };
    for (int index = 0; index < 3; ++index) {
        cases[index].button->SetRect(CRect(index * 20, 0, index * 20 + 20, 20));
        bar.InsertButton(cases[index].button);
    }
    for (const auto& c : cases) {
        TOOLINFO info = {};
        const CPoint point = c.button->Rect().CenterPoint();
        const INT_PTR id = bar.OnToolHitTest(point, &info);
        if (c.tip == nullptr) {
            EXPECT_EQ(-1, id);
            continue;
        }
        EXPECT_EQ(static_cast<INT_PTR>(c.button->m_CommandId), id);
        EXPECT_EQ(CString(c.tip), CString(info.lpszText));
        EXPECT_EQ(bar.GetSafeHwnd(), info.hwnd);
        EXPECT_EQ(c.button->Rect(), CRect(info.rect));
        ::free(info.lpszText);
    }
    EXPECT_EQ(-1, bar.OnToolHitTest(CPoint(300, 5), nullptr));
    EXPECT_EQ(0xE100, bar.OnToolHitTest(CPoint(5, 5), nullptr));
    bar.DestroyWindow();
    frame.DestroyWindow();
}

TEST(ToolBar, ResetAsksYesOrNoWithTheQuestionIcon)
{
    TestParent parent;
    const struct {
        LPCWSTR name;
        int answer;
        LPCWSTR prompt;
        std::vector<std::string> calls;
    } cases[] = {
        {L" Standard ",
         IDYES,
         L"All your changes will be lost! Do you really want to reset the toolbar 'Standard'?",
         {"restore"}},
        {L"", IDNO, L"All your changes will be lost! Do you really want to reset the toolbar '<Untitled>'?", {}},
    };
    for (const auto& c : cases) {
        AnsweringApp app(c.answer);
        RecordingToolBar bar;
        ASSERT_TRUE(bar.CreateEx(&parent));
        bar.SetWindowText(c.name);
        bar.SendMessage(GTTOOLBAR_RESETPROMPT);
        ASSERT_EQ(1u, app.m_Prompts.size());
        EXPECT_EQ(CString(c.prompt), app.m_Prompts[0]);
        EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), app.m_Types[0]);
        EXPECT_EQ(c.calls, bar.m_Calls);
        bar.DestroyWindow();
    }
}

namespace {
// A customize button of the tests, made by class.
class TestCustomizeButton : public CGTToolbarButton {
    DECLARE_DYNCREATE(TestCustomizeButton)
};
IMPLEMENT_DYNCREATE(TestCustomizeButton, CGTToolbarButton)

// Counts the look changes the bars tell it of.
class LookChangeCountingLook : public CGTVisualManager {
    DECLARE_DYNCREATE(LookChangeCountingLook)
public:
    void ResetAfterLookChange() override { ++s_Resets; }
    static int s_Resets;
};
IMPLEMENT_DYNCREATE(LookChangeCountingLook, CGTVisualManager)
int LookChangeCountingLook::s_Resets = 0;
}  // namespace

TEST(ToolBar, TheCustomizeButtonComesAndGoesAtTheEnd)
{
    TestParent parent;
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent));
    AddButtons(bar, {10, 20});
    CRuntimeClass* const standard = CGTToolBar::s_CustomizeButtonClass;
    CGTToolBar::s_CustomizeButtonClass = nullptr;
    EXPECT_FALSE(bar.SetCustomizeButton(TRUE, 90, L"More"));
    EXPECT_EQ(nullptr, bar.GetCustomizeButton());

    CGTToolBar::s_CustomizeButtonClass = RUNTIME_CLASS(TestCustomizeButton);
    EXPECT_TRUE(bar.SetCustomizeButton(TRUE, 90, L"More"));
    CGTToolbarButton* customize = bar.GetCustomizeButton();
    ASSERT_NE(nullptr, customize);
    EXPECT_EQ(RUNTIME_CLASS(TestCustomizeButton), customize->GetRuntimeClass());
    EXPECT_EQ(customize, bar.GetButton(2));
    EXPECT_TRUE(bar.SetCustomizeButton(TRUE, 91, L"Other"));
    EXPECT_EQ(customize, bar.GetCustomizeButton());
    EXPECT_EQ(91u, customize->m_CommandId);
    EXPECT_EQ(CString(L"Other"), customize->m_Text);
    AddButtons(bar, {30});
    EXPECT_EQ((std::vector<UINT>{10, 20, 30, 91}), Commands(bar));

    EXPECT_TRUE(bar.SetCustomizeButton(FALSE));
    EXPECT_EQ(nullptr, bar.GetCustomizeButton());
    EXPECT_EQ((std::vector<UINT>{10, 20, 30}), Commands(bar));
    CGTToolBar::s_CustomizeButtonClass = standard;
    bar.DestroyWindow();
}

TEST(ToolBar, ALookChangeLoadsEveryStripAgain)
{
    TestParent parent;
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent));
    ASSERT_TRUE(bar.LoadToolBar(IDR_GT_TEST_BAR, 0, 0, TRUE));
    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(LookChangeCountingLook));
    const int resets = LookChangeCountingLook::s_Resets;
    CGTToolBar::ResetAllImages();
    EXPECT_EQ(resets + 1, LookChangeCountingLook::s_Resets);
    EXPECT_EQ(3, bar.GetLockedMenuImages()->count);
    CGTVisualManager::SelectManagerClass(nullptr);
    bar.DestroyWindow();
    CGTToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
}
