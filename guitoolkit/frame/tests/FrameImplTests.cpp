#include <guitoolkit/core/GuiToolkitMessages.h>
#include <gtest/gtest.h>
#include <guitoolkit/toolbars/CGTCustomizeMenuButton.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include "FrameTestSupport.h"
#include "GtToolbarsTestIds.h"

namespace {
const UINT firstUserId = 0xE8C0;

CString Text(const CWnd& iWindow)
{
    CString text;
    iWindow.GetWindowText(text);
    return text;
}

CGTToolBar* MakeTearOffBar(CGTFrameImpl& ioImpl, UINT iId, LPCWSTR iName, UINT iCommand)
{
    auto* bar = new CGTToolBar;
    bar->Create(ioImpl.GetOwner(), 0x50402808, iId);
    bar->SetWindowText(iName);
    bar->InsertButton(new CGTToolbarButton(iCommand, 0, nullptr, FALSE, TRUE));
    ioImpl.AddTearOffBar(bar);
    return bar;
}

CREATESTRUCT Record(const CRect& iRect)
{
    CREATESTRUCT create = {};
    create.style = WS_OVERLAPPEDWINDOW;
    create.x = iRect.left;
    create.y = iRect.top;
    create.cx = iRect.Width();
    create.cy = iRect.Height();
    return create;
}

CRect RectOf(const CREATESTRUCT& iCreate)
{
    return CRect(CPoint(iCreate.x, iCreate.y), CSize(iCreate.cx, iCreate.cy));
}
}  // namespace

TEST(FrameImpl, UserToolbarsTakeTheFreeIdsOfTheRangeAndAFullRangeTellsTheLimit)
{
    ScratchApp app;
    RecordingWorkspace workspace;
    StackToolkitFrame frame;
    CGTFrameImpl& impl = frame.GetFrameImpl();
    EXPECT_EQ(nullptr, impl.CreateNewUserToolbar(L"Mine")) << "the range is unset";
    EXPECT_TRUE(app.m_Messages.empty());

    impl.SetUserToolbarRange(firstUserId, firstUserId + 2);
    CGTToolBar* bars[3] = {impl.CreateNewUserToolbar(L"One"), impl.CreateNewUserToolbar(L"Two"),
                           impl.CreateNewUserToolbar(L"Three")};
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(nullptr, bars[i]);
        EXPECT_EQ(static_cast<int>(firstUserId) + i, bars[i]->GetDlgCtrlID());
        EXPECT_TRUE(frame.IsUserDefinedToolbar(bars[i]));
    }
    EXPECT_STREQ(L"Two", Text(*bars[1]));
    EXPECT_EQ(nullptr, impl.CreateNewUserToolbar(L"Four"));
    EXPECT_EQ(std::vector<std::wstring>{L"You can't create more than 3 user-defined toolbars!|64"}, app.m_Messages);

    CGTToolBar other;
    ASSERT_TRUE(other.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE8F2));
    EXPECT_FALSE(impl.DeleteUserToolbar(&other));
    EXPECT_FALSE(frame.IsUserDefinedToolbar(&other));
    EXPECT_TRUE(impl.DeleteUserToolbar(bars[0]));
    CGTToolBar* again = impl.CreateNewUserToolbar(L"Again");
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(static_cast<int>(firstUserId), again->GetDlgCtrlID());

    // The customization sheet deletes and creates them through the frame's messages.
    EXPECT_EQ(1, frame.SendMessage(GTTOOLBAR_DELETE, 0, reinterpret_cast<LPARAM>(again)));
    auto* named =
        reinterpret_cast<CGTToolBar*>(frame.SendMessage(GTTOOLBAR_CREATE, 0, reinterpret_cast<LPARAM>(L"Named")));
    ASSERT_NE(nullptr, named);
    EXPECT_STREQ(L"Named", Text(*named));
    EXPECT_EQ(0, frame.SendMessage(GTTOOLBAR_DELETE, 0, reinterpret_cast<LPARAM>(&other)));
    other.DestroyWindow();
}

TEST(FrameImpl, UserToolbarsNameTheMenuItemsOfTheirRange)
{
    ScratchApp app;
    RecordingWorkspace workspace;
    StackToolkitFrame frame;
    CGTFrameImpl& impl = frame.GetFrameImpl();
    impl.SetUserToolbarRange(firstUserId, firstUserId + 2);
    impl.CreateNewUserToolbar(L"One");
    impl.CreateNewUserToolbar(L"Two");
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 100, L"Before");
    for (UINT i = 0; i < 3; ++i)
        menu.AppendMenu(MF_STRING, 32793 + i, L"Bar");
    menu.AppendMenu(MF_STRING, 101, L"After");

    impl.ReplaceMenuItemsWithToolbars(menu, 32793, 32795);
    std::vector<std::wstring> items;
    for (UINT i = 0; i < menu.GetMenuItemCount(); ++i) {
        CString text;
        menu.GetMenuString(i, text, MF_BYPOSITION);
        items.push_back(std::wstring(text) + L"=" + std::to_wstring(menu.GetMenuItemID(static_cast<int>(i))));
    }
    EXPECT_EQ((std::vector<std::wstring>{L"Before=100", L"One=32793", L"Two=32794", L"After=101"}), items);
}

TEST(FrameImpl, TearOffBarsAreSavedDenselySoAHiddenOneLosesNoOther)
{
    ScratchApp app;
    RecordingWorkspace workspace;
    StackToolkitFrame frame;
    CGTFrameImpl& impl = frame.GetFrameImpl();
    MakeTearOffBar(impl, 0xE8D0, L"Hidden", 0x8001)->ShowWindow(SW_HIDE);
    MakeTearOffBar(impl, 0xE8D1, L"Files", 0x8002);
    MakeTearOffBar(impl, 0xE8D2, L"Views", 0x8003);

    impl.SaveTearOffBars(FALSE);
    EXPECT_TRUE(app.m_Scratch.HasKey(L"Profile\\Settings\\ControlBars-TearOff-0"));
    EXPECT_TRUE(app.m_Scratch.HasKey(L"Profile\\Settings\\ControlBars-TearOff-1"));
    EXPECT_FALSE(app.m_Scratch.HasKey(L"Profile\\Settings\\ControlBars-TearOff-2"));

    impl.LoadTearOffBars();
    ASSERT_EQ(2, impl.GetTearOffBars().GetCount());
    const CGTToolBar* files = impl.FindTearOffBar(0xE8D1);
    const CGTToolBar* views = impl.FindTearOffBar(0xE8D2);
    ASSERT_NE(nullptr, files);
    ASSERT_NE(nullptr, views);
    EXPECT_EQ(nullptr, impl.FindTearOffBar(0xE8D0));
    EXPECT_STREQ(L"Files", Text(*files));
    EXPECT_STREQ(L"Views", Text(*views));
    ASSERT_EQ(1, views->GetButtonCount());
    EXPECT_EQ(0x8003u, views->GetButton(0)->m_CommandId);

    // A later save with fewer bars leaves no stale key behind.
    impl.RemoveTearOffBar(const_cast<CGTToolBar*>(files));
    impl.SaveTearOffBars(FALSE);
    EXPECT_FALSE(app.m_Scratch.HasKey(L"Profile\\Settings\\ControlBars-TearOff-1"));
    const_cast<CGTToolBar*>(files)->DestroyWindow();
    delete files;
}

TEST(FrameImpl, ASavedPlacementOutsideTheWorkAreaIsIgnoredAndAMaximisedOneFillsIt)
{
    ScratchApp app;
    RecordingWorkspace workspace;
    const CRect area = CGTWorkspace::GetWorkArea();
    const CRect own(10, 20, 310, 220);
    const struct {
        CRect saved;
        int showCmd;
        CRect expected;
        int appShowCmd;
    } cases[] = {
        {CRect(40, 50, 440, 350), SW_SHOWNORMAL, CRect(40, 50, 440, 350), SW_SHOWNORMAL},
        {CRect(40, 50, 440, 350), SW_SHOWMINIMIZED, CRect(40, 50, 440, 350), SW_SHOWNORMAL},
        {CRect(area.right + 100, 50, area.right + 500, 350), SW_SHOWNORMAL, own, SW_SHOWNORMAL},
        {CRect(40, 50, 440, 350), SW_SHOWMAXIMIZED, area, SW_SHOWMAXIMIZED},
    };
    for (const auto& c : cases) {
        app.m_nCmdShow = SW_SHOWNORMAL;
        workspace.StoreWindowPlacement(c.saved, 0, c.showCmd);
        StackToolkitFrame frame;
        CREATESTRUCT create = Record(own);
        frame.GetFrameImpl().ApplySavedPlacement(create);
        EXPECT_EQ(c.expected, RectOf(create)) << c.showCmd;
        EXPECT_EQ(c.appShowCmd, app.m_nCmdShow) << c.showCmd;
    }
    // A program started minimised stays so.
    app.m_nCmdShow = SW_SHOWMINNOACTIVE;
    StackToolkitFrame frame;
    CREATESTRUCT create = Record(own);
    frame.GetFrameImpl().ApplySavedPlacement(create);
    EXPECT_EQ(SW_SHOWMINNOACTIVE, app.m_nCmdShow);
    app.m_nCmdShow = app.m_SavedShowCmd;
}

TEST(FrameImpl, TheStoredShowCommandIsMaximisedOrNormal)
{
    ScratchApp app;
    RecordingWorkspace workspace;
    StackToolkitFrame frame;
    const struct {
        int show;
        int stored;
    } cases[] = {
        {SW_SHOWMINIMIZED, SW_SHOWNORMAL}, {SW_SHOWMAXIMIZED, SW_SHOWMAXIMIZED}, {SW_SHOWNORMAL, SW_SHOWNORMAL}};
    for (const auto& c : cases) {
        frame.ShowWindow(c.show);
        frame.GetFrameImpl().StoreWindowPlacement();
        CRect rect;
        int flags = 0;
        int showCmd = 0;
        ASSERT_TRUE(workspace.LoadWindowPlacement(rect, flags, showCmd));
        EXPECT_EQ(c.stored, showCmd) << c.show;
    }
}

TEST(FrameImpl, ABarsButtonsPopupListsItsButtonsWithTheirCommandNamesAndTheReset)
{
    StackToolkitFrame frame;
    CGTToolBar bar;
    ASSERT_TRUE(bar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 0xE8F3));
    bar.InsertButton(new CGTToolbarButton(ID_GT_TEST_FIRST, -1, nullptr, FALSE, TRUE));
    bar.InsertSeparator();
    bar.InsertButton(new CGTToolbarButton(ID_GT_TEST_OPEN, -1, L"Open", FALSE, TRUE));
    bar.SetCustomizeButton(TRUE, 0x8200, L"Customize");
    auto* popup = new CGTPopupMenu;
    CString id;
    id.Format(L"%d", bar.GetDlgCtrlID());
    popup->InsertItem(CGTToolbarButton(1, -1, id, FALSE, TRUE));

    for (BOOL* busy : {&CGTMiniFrameWnd::s_Moving, &CGTMiniFrameWnd::s_DockingInProgress}) {
        *busy = TRUE;
        EXPECT_FALSE(frame.OnShowPopupMenu(popup));
        *busy = FALSE;
    }
    EXPECT_TRUE(frame.OnShowPopupMenu(popup));
    std::vector<std::wstring> items;
    for (int i = 0; i < popup->GetMenuItemCount(); ++i) {
        const CGTToolbarButton* item = popup->GetMenuItem(i);
        items.push_back(item->IsSeparator() ? L"-"
                                            : std::wstring(item->m_Text) + L"=" + std::to_wstring(item->m_CommandId));
    }
    EXPECT_EQ(
        (std::vector<std::wstring>{L"Day=" + std::to_wstring(ID_GT_TEST_FIRST),
                                   L"Open=" + std::to_wstring(ID_GT_TEST_OPEN), L"-", L"&Reset Toolbar=4294967276"}),
        items);
    EXPECT_EQ(&bar, CGTCustomizeMenuButton::GetCustomizedToolbar());
    frame.OnPopupMenuClosed(popup);
    CGTCustomizeMenuButton::SetCustomizedToolbar(nullptr);
    delete popup;
    bar.DestroyWindow();
}
