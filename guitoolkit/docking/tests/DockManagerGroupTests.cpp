#include <guitoolkit/docking/CGTReBar.h>
#include <guitoolkit/docking/GTWindowUpdateLock.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <afxpriv.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"

namespace {
// Stands for the toolbars module's status bar, which print preview keeps.
class StatusBarStandIn : public FixedBar {
public:
    using FixedBar::FixedBar;
    CRuntimeClass* GetRuntimeClass() const override { return &s_Class; }
    static CRuntimeClass s_Class;
};
CRuntimeClass StatusBarStandIn::s_Class = {"CGTStatusBar", sizeof(StatusBarStandIn), 0xFFFF, nullptr,
                                           RUNTIME_CLASS(CGTControlBar)};

// A frame with dock bars on every side, a toolbar and a bar docked at the top, and a status
// bar at the bottom.
struct BarsFrame {
    BarsFrame() : manager(frame.m_DockManager), bar(frame, CSize(80, 24), 801), status(frame, CSize(80, 20), 802)
    {
        manager.CreateDockBars(GTSideAny);
        toolbar.Create(&frame, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 800);
        toolbar.SetWindowText(L"Standard");
        bar.SetWindowText(L"Output");
        status.SetWindowText(L"Status");
        manager.DockBar(&toolbar, GTDockBarTopId);
        manager.DockBar(&bar, GTDockBarTopId);
        status.SetAlignment(GTSideBottom);
        manager.AddBar(&status);
        manager.RecalcLayout();
    }
    ~BarsFrame() { toolbar.DestroyWindow(); }
    // The items' texts joined by '|', a separator as '-'.
    std::wstring Menu(BOOL iToolbarsOnly)
    {
        CMenu menu;
        menu.CreatePopupMenu();
        manager.BuildBarsMenu(menu, iToolbarsOnly);
        std::wstring items;
        for (int i = 0; i < static_cast<int>(menu.GetMenuItemCount()); ++i) {
            CString text;
            menu.GetMenuString(i, text, MF_BYPOSITION);
            items += (i > 0 ? L"|" : L"") + std::wstring(menu.GetMenuItemID(i) == 0 ? L"-" : text.GetString());
        }
        return items;
    }

    TestDockingFrame frame;
    CGTDockManager& manager;
    CGTToolBar toolbar;
    FixedBar bar;
    StatusBarStandIn status;
};

class CheckRecorder : public CCmdUI {
public:
    void SetCheck(int iCheck) override { m_Check = iCheck; }
    int m_Check = -1;
};
}  // namespace

TEST(DockManagerGroups, HidingAllBarsTwiceOrShowingWithoutAHideFails)
{
    BarsFrame bars;
    EXPECT_FALSE(bars.manager.ShowAllBars(TRUE));
    EXPECT_TRUE(bars.manager.ShowAllBars(FALSE));
    EXPECT_FALSE(Shown(*bars.bar.GetParentDockBar()));
    EXPECT_FALSE(bars.manager.ShowAllBars(FALSE));
    EXPECT_TRUE(bars.manager.ShowAllBars(TRUE));
    EXPECT_TRUE(Shown(*bars.bar.GetParentDockBar()));
    EXPECT_FALSE(bars.manager.ShowAllBars(TRUE));
}

TEST(DockManagerGroups, PrintPreviewHidesAllButTheStatusBarAndShowsExactlyThoseAgain)
{
    BarsFrame bars;
    CGTDockBar* left = bars.manager.FindDockBarByAlignment(GTSideLeft, TRUE);
    left->ShowWindow(SW_HIDE);
    bars.manager.SetPrintPreviewMode(TRUE);
    EXPECT_FALSE(Shown(*bars.bar.GetParentDockBar()));
    EXPECT_FALSE(Shown(*bars.manager.FindDockBarByAlignment(GTSideRight, TRUE)));
    EXPECT_TRUE(Shown(bars.status));
    bars.manager.SetPrintPreviewMode(FALSE);
    EXPECT_TRUE(Shown(*bars.bar.GetParentDockBar()));
    EXPECT_TRUE(Shown(*bars.manager.FindDockBarByAlignment(GTSideRight, TRUE)));
    EXPECT_FALSE(Shown(*left));
}

TEST(DockManagerGroups, TheBarsMenuListsToolbarsFirstAndSeparatesOnlyTwoGroups)
{
    BarsFrame bars;
    EXPECT_EQ(L"Standard|-|Output|Status", bars.Menu(FALSE));
    EXPECT_EQ(L"Standard", bars.Menu(TRUE));
    bars.manager.EnableBarsMenu(TRUE, FALSE, 900, L"Customize...");
    EXPECT_EQ(L"Standard|-|Output|Status|-|Customize...", bars.Menu(FALSE));

    bars.bar.DestroyWindow();
    bars.status.DestroyWindow();
    bars.manager.EnableBarsMenu(TRUE);
    EXPECT_EQ(L"Standard", bars.Menu(FALSE));
}

TEST(DockManagerGroups, ABarsMenuCommandTogglesItsBarAndItsUpdateChecksTheItem)
{
    BarsFrame bars;
    bars.manager.EnableBarsMenu(TRUE);
    bars.Menu(FALSE);
    CheckRecorder update;
    EXPECT_FALSE(bars.manager.RouteBarCommand(801, CN_UPDATE_COMMAND_UI, &update, nullptr));
    bars.manager.OnClosePopupMenu();

    CMenu menu;
    menu.CreatePopupMenu();
    bars.manager.BuildBarsMenu(menu, FALSE);
    CGTDockManager& manager = bars.manager;
    // Only while the menu is open does an update reach it.
    struct OpenMenu : CGTDockManager {
        static void Open(CGTDockManager& ioManager) { static_cast<OpenMenu&>(ioManager).m_bMenuOpen = TRUE; }
    };
    OpenMenu::Open(manager);
    EXPECT_TRUE(manager.RouteBarCommand(801, CN_UPDATE_COMMAND_UI, &update, nullptr));
    EXPECT_EQ(1, update.m_Check);
    EXPECT_FALSE(manager.RouteBarCommand(999, 0, nullptr, nullptr));

    EXPECT_TRUE(manager.RouteBarCommand(801, 0, nullptr, nullptr));
    EXPECT_FALSE(Shown(bars.bar));
    // The command used up the menu's map.
    EXPECT_FALSE(manager.RouteBarCommand(801, 0, nullptr, nullptr));
}

TEST(DockManagerGroups, ABarGoneAfterItsMenuClosedTakesNoCommandWhileALiveOneStillToggles)
{
    BarsFrame bars;
    bars.manager.EnableBarsMenu(TRUE);
    auto* gone = new FixedBar(bars.frame, CSize(80, 24), 804);
    gone->SetWindowText(L"Gone");
    bars.manager.DockBar(gone, GTDockBarTopId);
    EXPECT_EQ(L"Standard|-|Output|Gone|Status", bars.Menu(FALSE));
    bars.manager.OnClosePopupMenu();
    gone->UnDockControlBar(FALSE);
    gone->DestroyWindow();
    delete gone;

    EXPECT_FALSE(bars.manager.RouteBarCommand(804, 0, nullptr, nullptr));
    EXPECT_TRUE(bars.manager.RouteBarCommand(801, 0, nullptr, nullptr));
    EXPECT_FALSE(Shown(bars.bar));
}

TEST(DockManagerGroups, ANestedLockKeepsTheFramesFreeze)
{
    BarsFrame bars;
    bars.manager.FreezeUpdates(TRUE);
    EXPECT_EQ(bars.frame.GetSafeHwnd(), GTWindowUpdateLock::LockedWindow());
    GTWindowUpdateLock::Acquire(bars.bar.GetSafeHwnd());
    EXPECT_TRUE(GTWindowUpdateLock::Release());
    EXPECT_EQ(bars.frame.GetSafeHwnd(), GTWindowUpdateLock::LockedWindow());
    bars.manager.FreezeUpdates(TRUE);
    bars.manager.FreezeUpdates(FALSE);
    EXPECT_EQ(nullptr, GTWindowUpdateLock::LockedWindow());
    EXPECT_FALSE(GTWindowUpdateLock::Release());
}

TEST(DockManagerGroups, TheBandsOfARebarJoinTheBarsMenuAndAreFoundById)
{
    BarsFrame bars;
    CGTReBar rebar;
    rebar.Create(&bars.frame, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE804);
    FixedBar band(rebar, CSize(60, 20), 803);
    band.SetWindowText(L"Address");
    AddBand(rebar, band, CSize(60, 20));
    bars.manager.AddBar(&rebar);
    EXPECT_EQ(L"Standard|-|Output|Status|Address", bars.Menu(FALSE));
    EXPECT_EQ(&band, bars.manager.FindBarById(803));
    band.DestroyWindow();
    rebar.DestroyWindow();
}
