// Tasks panes: the page history, the caption and its navigation buttons, the layout of groups
// and tasks, clicks on captions and tasks, scrolling, the stored settings and the command
// update of tasks.
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/docking/CGTTasksPane.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "PaneTestSupport.h"

namespace {
const UINT paneId = 0xE830;

struct TasksHost {
    explicit TasksHost(int iPages = 1, CSize iSize = CSize(220, 400))
    {
        pane.SetAnimation(FALSE);
        pane.Create(L"Tasks", &frame, CRect(CPoint(0, 0), iSize), TRUE, paneId, WS_CHILD | WS_VISIBLE | GTSideLeft,
                    0x20, 0);
        for (int page = 1; page < iPages; ++page) {
            CString name;
            name.Format(L"Page %d", page);
            pane.AddPage(name);
        }
    }
    ~TasksHost() { pane.DestroyWindow(); }
    CRect Client()
    {
        CRect client;
        pane.GetClientRect(client);
        return client;
    }
    void Click(CPoint iPoint)
    {
        pane.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(iPoint.x, iPoint.y));
        pane.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(iPoint.x, iPoint.y));
        pane.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(iPoint.x, iPoint.y));
    }
    std::vector<int> History()
    {
        std::vector<int> pages;
        for (int position = 0; position < pane.GetHistoryCount(); ++position)
            pages.push_back(pane.GetHistoryPage(position));
        return pages;
    }

    CommandFrame frame;
    CGTTasksPane pane;
};

std::wstring Text(const CWnd& iWindow)
{
    CString text;
    iWindow.GetWindowText(text);
    return static_cast<LPCWSTR>(text);
}
}  // namespace

TEST(TasksPane, TheHistoryKeepsTheLastTenPagesAndDropsTheForwardOnes)
{
    TasksHost host(12);
    for (int page = 1; page <= 11; ++page)
        host.pane.SetActivePage(page);
    EXPECT_EQ((std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), host.History());
    EXPECT_EQ(9, host.pane.GetHistoryPosition());

    host.pane.GoBack();
    host.pane.GoBack();
    EXPECT_EQ(9, host.pane.GetActivePage());
    host.pane.SetActivePage(1);
    EXPECT_EQ((std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 1}), host.History());
    EXPECT_EQ(8, host.pane.GetHistoryPosition());
    host.pane.GoForward();
    EXPECT_EQ(8, host.pane.GetHistoryPosition());

    TasksHost home(3);
    home.pane.GoHome();
    EXPECT_EQ(std::vector<int>{0}, home.History());
    EXPECT_THROW(home.pane.GetHistoryPage(1), CInvalidArgException*);
}

TEST(TasksPane, OnePageNamesTheCaptionAndHidesTheNavigationButtons)
{
    TasksHost host;
    // The first page is named before the owner's caption arrives.
    EXPECT_EQ(L"Tasks Pane", Text(host.pane));
    for (UINT code : {GTHitBack, GTHitForward, GTHitMenu})
        EXPECT_TRUE(host.pane.FindCaptionButton(code)->m_Hidden) << code;

    host.pane.AddPage(L"Search");
    EXPECT_EQ(L"Tasks", Text(host.pane));
    for (UINT code : {GTHitBack, GTHitForward, GTHitMenu})
        EXPECT_FALSE(host.pane.FindCaptionButton(code)->m_Hidden) << code;
    EXPECT_FALSE(host.pane.FindCaptionButton(GTHitBack)->m_Enabled);
    host.pane.SetActivePage(1);
    EXPECT_TRUE(host.pane.FindCaptionButton(GTHitBack)->m_Enabled);
    EXPECT_FALSE(host.pane.FindCaptionButton(GTHitForward)->m_Enabled);
    host.pane.SendMessage(WM_COMMAND, 17020);
    EXPECT_EQ(0, host.pane.GetActivePage());
    EXPECT_TRUE(host.pane.FindCaptionButton(GTHitForward)->m_Enabled);
}

TEST(TasksPane, GroupsAndTasksAreLaidOutWithTheLooksMetrics)
{
    TasksHost host;
    CWnd child;
    child.CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &host.pane, 77);
    CGTTasksGroup* files = host.pane.AddGroup(0, L"Files");
    CGTTask* open = host.pane.AddTask(files, L"Open", 100);
    CGTTask* save = host.pane.AddTask(files, L"Save", 101);
    CGTTasksGroup* details = host.pane.AddGroup(0, L"Details");
    CGTTask* place = host.pane.AddWindowTask(details, child.m_hWnd, 40);
    CGTTasksGroup* bottom = host.pane.AddGroup(0, L"Help", TRUE);
    CGTTask* help = host.pane.AddTask(bottom, L"Help", 102);
    const CRect client = host.Client();

    EXPECT_EQ(CRect(12, 12, client.right - 12, 37), files->m_CaptionRect);
    EXPECT_EQ(CPoint(24, 41), open->m_Rect.TopLeft());
    EXPECT_EQ(open->m_Rect.bottom + 4, save->m_Rect.top);
    EXPECT_EQ(CRect(12, 37, client.right - 12, save->m_Rect.bottom + 4), files->m_TasksRect);
    EXPECT_EQ(files->m_TasksRect.bottom + 15, details->m_CaptionRect.top);
    EXPECT_EQ(CRect(24, details->m_CaptionRect.bottom + 4, client.right - 24, details->m_CaptionRect.bottom + 44),
              place->m_Rect);
    EXPECT_EQ(place->m_Rect, PlaceInParent(child));
    EXPECT_TRUE(child.GetStyle() & WS_VISIBLE);
    // The group kept at the bottom ends at the bottom margin.
    EXPECT_EQ(client.bottom - 12, bottom->m_TasksRect.bottom);
    EXPECT_EQ(bottom->m_TasksRect.bottom - 4, help->m_Rect.bottom);

    // A click on a caption collapses its group: what lies below moves up and its window hides.
    host.Click(details->m_CaptionRect.CenterPoint());
    EXPECT_TRUE(details->m_Collapsed);
    EXPECT_TRUE(details->m_TasksRect.IsRectEmpty());
    EXPECT_FALSE(child.GetStyle() & WS_VISIBLE);
    host.Click(files->m_CaptionRect.CenterPoint());
    EXPECT_EQ(files->m_CaptionRect.bottom + 15, details->m_CaptionRect.top);
    host.Click(files->m_CaptionRect.CenterPoint());
    EXPECT_FALSE(files->m_Collapsed);
}

TEST(TasksPane, AClickedTaskPostsItsCommandAndAClickBesideItNothing)
{
    TasksHost host;
    CGTTasksGroup* files = host.pane.AddGroup(0, L"Files");
    CGTTask* open = host.pane.AddTask(files, L"Open", 100);
    CGTTask* label = host.pane.AddTask(files, L"Just text", 0);
    host.Click(open->m_Rect.CenterPoint());
    host.Click(CPoint(open->m_Rect.right + 5, open->m_Rect.CenterPoint().y));
    host.Click(label->m_Rect.CenterPoint());
    open->m_Enabled = FALSE;
    host.Click(open->m_Rect.CenterPoint());
    PumpMessages();
    ASSERT_EQ(1u, host.frame.m_Commands.size());
    EXPECT_EQ(100u, host.frame.m_Commands[0].first);
}

TEST(TasksPane, TheWheelScrollsALinePerNotchAndAtLeastOne)
{
    TasksHost host(1, CSize(220, 150));
    CGTTasksGroup* group = host.pane.AddGroup(0, L"Many");
    for (int task = 0; task < 20; ++task)
        host.pane.AddTask(group, L"Task", 100 + task);
    ASSERT_GT(host.pane.GetScrollMaximum(), 0);
    const int top = group->m_CaptionRect.top;
    struct Case {
        short delta;
        int position;
    } cases[] = {{-240, 2}, {-60, 3}, {120, 2}};
    for (const Case& c : cases) {
        host.pane.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, c.delta), 0);
        EXPECT_EQ(c.position, host.pane.GetScrollPosition()) << c.delta;
    }
    EXPECT_LT(group->m_CaptionRect.top, top);
}

TEST(TasksPane, AnAnimatedCollapseStepsWithTheClock)
{
    FakeClock clock;
    TasksHost host;
    host.pane.SetAnimation(TRUE);
    CGTTasksGroup* group = host.pane.AddGroup(0, L"Files");
    for (int task = 0; task < 4; ++task)
        host.pane.AddTask(group, L"Task", 100 + task);
    const int full = group->m_TasksRect.Height();
    host.Click(group->m_CaptionRect.CenterPoint());
    EXPECT_EQ(full, group->m_TasksRect.Height());
    clock.Advance(30);
    host.pane.SendMessage(WM_TIMER, 4);
    const int step = full - group->m_TasksRect.Height();
    EXPECT_GT(step, 0);
    // Twice the time, twice the distance.
    clock.Advance(60);
    host.pane.SendMessage(WM_TIMER, 4);
    EXPECT_EQ(full - 3 * step, group->m_TasksRect.Height());
    for (int tick = 0; tick < 20; ++tick) {
        clock.Advance(30);
        host.pane.SendMessage(WM_TIMER, 4);
    }
    EXPECT_TRUE(group->m_TasksRect.IsRectEmpty());
}

TEST(TasksPane, TheCommandUpdateEnablesAndRenamesTheGroupsTasks)
{
    TasksHost host;
    CGTTasksGroup* first = host.pane.AddGroup(0, L"First");
    CGTTask* open = host.pane.AddTask(first, L"Open", 100);
    CGTTask* other = host.pane.AddTask(first, L"Other", 101);
    CGTTasksGroup* second = host.pane.AddGroup(0, L"Second");
    CGTTask* again = host.pane.AddTask(second, L"Open", 100);
    CTaskCmdUI state(host.pane, *first);
    state.m_nID = 100;
    state.Enable(FALSE);
    state.SetText(L"Open file\tCtrl+O");
    EXPECT_FALSE(open->m_Enabled);
    EXPECT_STREQ(L"Open file", static_cast<LPCWSTR>(open->m_Text));
    EXPECT_TRUE(other->m_Enabled);
    EXPECT_TRUE(again->m_Enabled);
    EXPECT_STREQ(L"Open", static_cast<LPCWSTR>(again->m_Text));

    // Without a handler, the idle update disables the task.
    host.pane.OnUpdateCmdUI(&host.frame, TRUE);
    EXPECT_FALSE(again->m_Enabled);
}

namespace {
CString SettingsKey()
{
    CString key;
    key.Format(L"VADETasksPane-%d", paneId);
    return key;
}
}  // namespace

TEST(TasksPane, SettingsComeBackAndBadOnesChangeNothing)
{
    ScratchRegistryKey scratch(L"GtTasksPane");
    VersionedWorkspace workspace(8, 50);
    {
        TasksHost saved(3);
        saved.pane.SetMetric(CGTTasksPane::groupGap, 20);
        saved.pane.SetActivePage(2);
        saved.pane.SetWindowText(L"Assistant");
        ASSERT_TRUE(saved.pane.SaveState(scratch.Path()));
    }
    const std::vector<BYTE> stored = scratch.Bytes(SettingsKey(), L"Settings");
    ASSERT_FALSE(stored.empty());
    {
        TasksHost loaded(3);
        ASSERT_TRUE(loaded.pane.LoadState(scratch.Path()));
        EXPECT_EQ(20, loaded.pane.GetMetric(CGTTasksPane::groupGap));
        EXPECT_EQ(2, loaded.pane.GetActivePage());
        EXPECT_STREQ(L"Assistant", static_cast<LPCWSTR>(loaded.pane.GetPaneCaption()));
    }
    {
        // Names stored for another number of pages leave the names.
        TasksHost loaded(2);
        loaded.pane.AddPage(L"Extra");
        loaded.pane.AddPage(L"More");
        ASSERT_TRUE(loaded.pane.LoadState(scratch.Path()));
        EXPECT_STREQ(L"Extra", static_cast<LPCWSTR>(loaded.pane.GetPageName(2)));
    }
    {
        // Older data carries neither the metrics nor the caption.
        VersionedWorkspace old(6, 20);
        TasksHost loaded(3);
        ASSERT_TRUE(loaded.pane.LoadState(scratch.Path()));
        EXPECT_EQ(15, loaded.pane.GetMetric(CGTTasksPane::groupGap));
        EXPECT_EQ(0, loaded.pane.GetActivePage());
    }
    VersionedWorkspace current(8, 50);
    std::vector<BYTE> cut = stored;
    cut.resize(cut.size() - 6);
    TasksHost bad(3);
    // A count of page names far past what the value holds.
    const std::vector<BYTE> hugeCount = Archived([&](CArchive& ioArchive) {
        bad.pane.CGTDockingControlBar::Serialize(ioArchive);
        for (int field = 0; field < 10; ++field)
            ioArchive << 0;
        ioArchive.WriteCount(0x7FFFFFF);
    });
    for (const std::vector<BYTE>& bytes : {cut, hugeCount, std::vector<BYTE>{1, 2}}) {
        scratch.StoreBinary(SettingsKey(), L"Settings", bytes);
        EXPECT_FALSE(bad.pane.LoadState(scratch.Path())) << bytes.size();
        EXPECT_EQ(15, bad.pane.GetMetric(CGTTasksPane::groupGap));
        EXPECT_EQ(0, bad.pane.GetActivePage());
        EXPECT_STREQ(L"Page 1", static_cast<LPCWSTR>(bad.pane.GetPageName(1)));
    }
    TasksHost missing;
    EXPECT_FALSE(missing.pane.LoadState(L"Software\\ZorvaneTests\\GtTasksNone\\"));
}
