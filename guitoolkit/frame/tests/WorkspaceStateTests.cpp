#include <guitoolkit/core/CGTMouseManager.h>
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>
#include <gtest/gtest.h>
#include <guitoolkit/core/tests/FakeSeams.h>
#include "FrameTestSupport.h"

namespace {
CRect WindowRect(const CWnd& iWindow)
{
    CRect rect;
    iWindow.GetWindowRect(&rect);
    return rect;
}

// Notes the commands it gets.
class CommandFrame : public StackToolkitFrame {
public:
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override
    {
        m_Commands.push_back(LOWORD(iWParam));
        return CGTFrameWnd::OnCommand(iWParam, iLParam);
    }
    std::vector<UINT> m_Commands;
};
}  // namespace

TEST(WorkspaceState, PathsHangBelowTheProfileAndTheVersionPacksAfterALoad)
{
    ScratchApp app;
    RecordingWorkspace workspace;
    EXPECT_STREQ(L"SOFTWARE\\ZorvaneTests\\Workspace\\Profile\\Settings\\", workspace.GetRegSectionPath());
    EXPECT_STREQ(L"SOFTWARE\\ZorvaneTests\\Workspace\\Profile\\Settings\\WindowPlacement\\",
                 workspace.GetRegSectionPath(L"WindowPlacement"));
    EXPECT_EQ(-1, workspace.GetDataVersion());
    EXPECT_TRUE(workspace.LoadState());
    EXPECT_EQ(0x80500, workspace.GetDataVersion());

    EXPECT_EQ(7, workspace.ReadWorkspaceInt(L"Count", 7));
    EXPECT_TRUE(workspace.WriteWorkspaceInt(L"Count", 3));
    EXPECT_EQ(3, workspace.ReadWorkspaceInt(L"Count", 7));
}

TEST(WorkspaceState, SavingWritesTheAnnouncedVersionFirstAndLoadingReadsItBack)
{
    ScratchApp app;
    RecordingWorkspace workspace;
    StackToolkitFrame frame;
    NotedToolBar bar(workspace);
    ASSERT_TRUE(bar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 0xE8F0));

    // A first start: nothing stored, no version read, the placement left alone.
    const CRect before = WindowRect(frame);
    EXPECT_TRUE(workspace.LoadState(nullptr, &frame.GetFrameImpl()));
    EXPECT_EQ(
        (std::vector<std::string>{"preload@ffffffff", "barload@ffffffff", "placement@ffffffff", "customload@ffffffff"}),
        workspace.m_Calls);
    EXPECT_EQ(before, WindowRect(frame));

    // A save before any load still writes every part in the format its key announces.
    RecordingWorkspace fresh;
    NotedToolBar freshBar(fresh);
    ASSERT_TRUE(
        freshBar.CreateEx(&frame, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), 0xE8F1));
    EXPECT_TRUE(fresh.SaveState(nullptr, &frame.GetFrameImpl()));
    EXPECT_EQ(
        (std::vector<std::string>{"presave@ffffffff", "barsave@80500", "storeplacement@80500", "customsave@80500"}),
        std::vector<std::string>(fresh.m_Calls.begin(), fresh.m_Calls.begin() + 4));
    EXPECT_EQ((std::vector<BYTE>{8, 0, 0, 0}),
              app.m_Scratch.Bytes(L"Profile\\Settings\\RIRControlBarVersion", L"Major"));
    EXPECT_EQ((std::vector<BYTE>{50, 0, 0, 0}),
              app.m_Scratch.Bytes(L"Profile\\Settings\\RIRControlBarVersion", L"Minor"));

    workspace.m_Calls.clear();
    EXPECT_TRUE(workspace.LoadState(nullptr, &frame.GetFrameImpl()));
    EXPECT_EQ((std::vector<std::string>{"preload@80500", "barload@80500", "placement@80500", "customload@80500"}),
              std::vector<std::string>(workspace.m_Calls.begin(), workspace.m_Calls.begin() + 4));
    freshBar.DestroyWindow();
    bar.DestroyWindow();
}

TEST(WorkspaceState, NothingIsWrittenWhileSavingIsOffAndCleaningRemovesTheTree)
{
    ScratchApp app;
    RecordingWorkspace workspace;
    workspace.m_SaveEnabled = FALSE;
    EXPECT_FALSE(workspace.SaveState());
    EXPECT_FALSE(app.m_Scratch.HasKey(L"Profile"));

    workspace.m_SaveEnabled = TRUE;
    EXPECT_TRUE(workspace.SaveState());
    EXPECT_TRUE(app.m_Scratch.HasKey(L"Profile\\Settings\\RIRControlBarVersion"));
    EXPECT_TRUE(workspace.CleanState());
    EXPECT_FALSE(app.m_Scratch.HasKey(L"Profile\\Settings"));
    EXPECT_TRUE(app.m_Scratch.HasKey(L"Profile"));
}

TEST(WorkspaceState, TheSavedPlacementComesBackAndADamagedOneChangesNothing)
{
    ScratchApp app;
    RecordingWorkspace workspace;
    StackToolkitFrame frame(CRect(50, 60, 450, 360));
    EXPECT_TRUE(workspace.StoreWindowPlacement(CRect(80, 90, 580, 490), 0, SW_SHOWNORMAL));
    CRect rect;
    int flags = -1;
    int showCmd = -1;
    ASSERT_TRUE(workspace.LoadWindowPlacement(rect, flags, showCmd));
    EXPECT_EQ(CRect(80, 90, 580, 490), rect);
    EXPECT_EQ(0, flags);
    EXPECT_EQ(SW_SHOWNORMAL, showCmd);

    app.m_Scratch.StoreBinary(L"Profile\\Settings\\WindowPlacement", L"MainWindowRect", {1, 2, 3});
    const CRect before = WindowRect(frame);
    EXPECT_FALSE(workspace.LoadWindowPlacement(rect, flags, showCmd));
    EXPECT_FALSE(workspace.ReloadWindowPlacement(&frame));
    EXPECT_EQ(before, WindowRect(frame));
}

TEST(WorkspaceState, ASectionServesOneLoadOrSaveAndAResettingLoadHoldsTheButtonImagesOnlyWhileItRuns)
{
    ScratchApp app;
    struct ImageWatch : RecordingWorkspace {
        void LoadCustomState() override { m_UpdatingImages.push_back(CGTToolbarButton::s_UpdateImages); }
        std::vector<BOOL> m_UpdatingImages;
    } workspace;
    StackToolkitFrame frame;
    EXPECT_TRUE(workspace.SaveState(L"FullScreen", &frame.GetFrameImpl()));
    EXPECT_TRUE(app.m_Scratch.HasKey(L"Profile\\FullScreen\\RIRControlBarVersion"));
    EXPECT_STREQ(L"Settings", workspace.GetRegistryBase());
    EXPECT_TRUE(workspace.LoadState(L"FullScreen", &frame.GetFrameImpl()));
    EXPECT_STREQ(L"Settings", workspace.GetRegistryBase());

    workspace.m_ResetUI = FALSE;
    EXPECT_TRUE(workspace.LoadState(nullptr, &frame.GetFrameImpl()));
    EXPECT_EQ((std::vector<BOOL>{FALSE, TRUE}), workspace.m_UpdatingImages);
    EXPECT_TRUE(CGTToolbarButton::s_UpdateImages);
}

TEST(WorkspaceState, ManagersMadeHereGoWithTheWorkspace)
{
    {
        RecordingWorkspace workspace;
        EXPECT_TRUE(workspace.InitMouseManager());
        EXPECT_FALSE(workspace.InitMouseManager());
        EXPECT_TRUE(workspace.InitKeyboardManager());
        EXPECT_NE(nullptr, workspace.GetContextMenuManager());
        EXPECT_FALSE(workspace.InitContextMenuManager());
        EXPECT_TRUE(workspace.InitUserToolsManager(0x9000, 0x9009));
        EXPECT_FALSE(workspace.InitUserToolsManager(0x9000, 0x9009));
        ASSERT_NE(nullptr, CGTUserToolsManager::Current());
        EXPECT_TRUE(CGTUserToolsManager::Current()->IsInRange(0x9009));
        EXPECT_TRUE(workspace.EnableTearOffMenus(200, 210));
        EXPECT_FALSE(workspace.EnableTearOffMenus(300, 310));
        ASSERT_NE(nullptr, workspace.GetTearOffTable());
        EXPECT_TRUE(workspace.GetTearOffTable()->IsInRange(210));
        EXPECT_EQ(workspace.GetTearOffTable(), CGTWorkspaceSettings::Current()->GetTearOffTable());
    }
    EXPECT_EQ(nullptr, CGTMouseManager::Current());
    EXPECT_EQ(nullptr, CGTKeyboardManager::Current());
    EXPECT_EQ(nullptr, CGTContextMenuManager::Current());
    EXPECT_EQ(nullptr, CGTUserToolsManager::Current());

    CGTMouseManager own;
    {
        RecordingWorkspace workspace;
        EXPECT_FALSE(workspace.InitMouseManager());
    }
    EXPECT_EQ(&own, CGTMouseManager::Current());
}

TEST(WorkspaceState, ADoubleClickRunsTheViewsCommandOrBeeps)
{
    FakeBeeper beeper;
    RecordingWorkspace workspace;
    CommandFrame frame;
    EXPECT_FALSE(workspace.OnViewDoubleClick(&frame, 5)) << "no mouse manager";
    EXPECT_TRUE(beeper.m_Beeps.empty());

    workspace.InitMouseManager();
    CGTMouseManager::Current()->AddView(5, L"Report");
    EXPECT_FALSE(workspace.OnViewDoubleClick(&frame, 5));
    EXPECT_EQ(std::vector<UINT>{0xFFFFFFFF}, beeper.m_Beeps);
    EXPECT_TRUE(frame.m_Commands.empty());

    CGTMouseManager::Current()->SetViewCommand(5, 0x8123);
    EXPECT_TRUE(workspace.OnViewDoubleClick(&frame, 5));
    EXPECT_EQ(std::vector<UINT>{0x8123}, frame.m_Commands);
}
