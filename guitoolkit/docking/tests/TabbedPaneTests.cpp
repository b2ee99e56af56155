#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTTabWnd.h>
#include <gtest/gtest.h>
#include "PaneTestSupport.h"
#include <guitoolkit/core/tests/FakeSeams.h>

namespace {
CString TextOf(const CWnd& iWindow)
{
    CString text;
    iWindow.GetWindowText(text);
    return text;
}

// Shown by its own style (the test frame itself stays hidden).
bool IsShown(const CWnd& iWindow)
{
    return (iWindow.GetStyle() & WS_VISIBLE) != 0;
}

// A pane docked at the frame's left edge, with its own caption.
struct DockedPane : TestPane {
    DockedPane(PaneFrame& ioFrame, UINT iId, LPCWSTR iCaption) : TestPane(ioFrame, CRect(0, 0, 150, 250), iId)
    {
        SetWindowText(iCaption);
        DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
    }
    // Floating is the drag loop's; here it is only counted.
    BOOL FloatAtRect(CRect, int, BOOL) override
    {
        ++m_Floats;
        return TRUE;
    }
    int m_Floats = 0;
};

// Two panes of a frame as the tabs of one tabbed pane, the second dropped on the first.
struct TwoTabs {
    PaneFrame frame;
    DockedPane first{frame, 300, L"Users"};
    DockedPane second{frame, 301, L"Computers"};
    CGTBaseTabbedBar* tabbed = nullptr;
    CRect place;

    TwoTabs()
    {
        place = first.Place();
        second.UnDockControlBar(FALSE);
        EXPECT_EQ(&second, second.AttachToTabWnd(&first, GTDockByMouse, TRUE, &tabbed));
    }
    CGTBaseTabWnd& Tabs() const { return *tabbed->GetTabWindow(); }
};
}  // namespace

TEST(TabbedPane, ADropOnAPaneMakesATabbedPaneInItsPlaceHoldingBoth)
{
    TwoTabs tabs;
    ASSERT_NE(nullptr, tabs.tabbed);
    EXPECT_TRUE(tabs.tabbed->IsKindOf(RUNTIME_CLASS(CGTTabbedControlBar)));
    EXPECT_EQ(2, tabs.tabbed->CountTabs());
    EXPECT_EQ(&tabs.Tabs(), tabs.first.GetParent());
    EXPECT_EQ(&tabs.Tabs(), tabs.second.GetParent());
    EXPECT_EQ(1, tabs.Tabs().GetActiveTab());
    EXPECT_EQ(CString(L"Computers"), TextOf(*tabs.tabbed));
    EXPECT_EQ(tabs.place, PlaceInParent(*tabs.tabbed));
    EXPECT_NE(nullptr, tabs.tabbed->GetDefaultSliderObject());
    EXPECT_EQ(nullptr, tabs.first.GetDefaultSliderObject());
    EXPECT_EQ(tabs.tabbed, tabs.tabbed->GetDefaultSliderObject()->GetContainerManager()->GetFirstControlBar());

    tabs.Tabs().SetActiveTab(0);
    EXPECT_EQ(CString(L"Users"), TextOf(*tabs.tabbed));
    tabs.tabbed->SetCaptionFromTab(FALSE);
    tabs.Tabs().SetActiveTab(1);
    EXPECT_EQ(CString(L"Users"), TextOf(*tabs.tabbed));
}

TEST(TabbedPane, ATabbedPaneDroppedOnAPlainPaneHandsOverItsTabsAndGoes)
{
    TwoTabs tabs;
    DockedPane third(tabs.frame, 302, L"Applications");
    const HWND dropped = tabs.tabbed->GetSafeHwnd();
    tabs.tabbed->UnDockControlBar(FALSE);

    CGTBaseTabbedBar* receiver = nullptr;
    CGTDockingControlBar* answer = tabs.tabbed->AttachToTabWnd(&third, GTDockByMouse, TRUE, &receiver);

    ASSERT_NE(nullptr, receiver);
    EXPECT_EQ(receiver, answer);
    EXPECT_FALSE(::IsWindow(dropped));
    ASSERT_EQ(3, receiver->CountTabs());
    EXPECT_EQ(&third, receiver->GetBarOfTab(0, TRUE));
    EXPECT_EQ(&tabs.first, receiver->GetBarOfTab(1, TRUE));
    EXPECT_EQ(&tabs.second, receiver->GetBarOfTab(2, TRUE));
}

TEST(TabbedPane, TwoTabbedPanesMergeAndTheDroppedOneIsDestroyed)
{
    TwoTabs left;
    DockedPane third(left.frame, 302, L"Applications");
    DockedPane fourth(left.frame, 303, L"Reports");
    fourth.UnDockControlBar(FALSE);
    CGTBaseTabbedBar* other = nullptr;
    fourth.AttachToTabWnd(&third, GTDockByMouse, TRUE, &other);
    ASSERT_NE(nullptr, other);
    const HWND dropped = other->GetSafeHwnd();
    other->UnDockControlBar(FALSE);

    EXPECT_EQ(left.tabbed, other->AttachToTabWnd(&left.first, GTDockByMouse, TRUE));

    EXPECT_FALSE(::IsWindow(dropped));
    EXPECT_EQ(4, left.tabbed->CountTabs());
    EXPECT_EQ(&fourth, left.tabbed->FindTabBarById(303));
}

TEST(TabbedPane, TheCloseButtonHidesTheActiveTabOrClosesThePaneWithItsLastOne)
{
    TwoTabs tabs;
    auto& pane = static_cast<CGTTabbedControlBar&>(*tabs.tabbed);

    tabs.frame.m_KeepPanes = 1;
    pane.OnCloseButtonPressed();
    EXPECT_EQ(2, tabs.Tabs().GetVisibleTabCount());
    EXPECT_EQ(1, tabs.frame.m_CloseRequests);

    tabs.frame.m_KeepPanes = 0;
    pane.OnCloseButtonPressed();
    EXPECT_EQ(1, tabs.Tabs().GetVisibleTabCount());
    EXPECT_FALSE(tabs.Tabs().IsTabVisible(1));
    EXPECT_TRUE(IsShown(pane));

    pane.OnCloseButtonPressed();
    EXPECT_EQ(1, tabs.Tabs().GetVisibleTabCount());
    EXPECT_FALSE(IsShown(pane));
}

TEST(TabbedPane, RemovingTheLastTabDestroysThePaneAndSaysSo)
{
    TwoTabs tabs;
    const HWND pane = tabs.tabbed->GetSafeHwnd();
    EXPECT_TRUE(tabs.tabbed->RemoveBarTab(&tabs.second));
    EXPECT_TRUE(::IsWindow(pane));
    EXPECT_FALSE(tabs.tabbed->RemoveBarTab(&tabs.first));
    EXPECT_FALSE(::IsWindow(pane));
}

TEST(TabbedPane, ShowingTabsShowsAndHidesThePane)
{
    TwoTabs tabs;
    tabs.tabbed->ShowBarTab(&tabs.first, FALSE, FALSE, FALSE);
    EXPECT_TRUE(IsShown(*tabs.tabbed));
    tabs.tabbed->ShowBarTab(&tabs.second, FALSE, FALSE, FALSE);
    EXPECT_FALSE(IsShown(*tabs.tabbed));
    tabs.tabbed->ShowBarTab(&tabs.first, TRUE, FALSE, TRUE);
    EXPECT_TRUE(IsShown(*tabs.tabbed));
    EXPECT_EQ(0, tabs.Tabs().GetActiveTab());
}

TEST(TabbedPane, TheTabLookIsAppliedToEveryLivePane)
{
    TwoTabs tabs;
    const int style = CGTDockingValues::TabbedBarStyle();
    CGTDockingValues::TabbedBarStyle() = 6;
    CGTTabbedControlBar::ApplyTabStyleToAll();
    auto* tabWnd = DYNAMIC_DOWNCAST(CGTTabWnd, &tabs.Tabs());
    ASSERT_NE(nullptr, tabWnd);
    EXPECT_TRUE(tabWnd->IsLook6Or7());
    EXPECT_EQ(CGTVisualManager::GetCurrent()->UsesTabAutoColors(), tabWnd->IsAutoColor());
    EXPECT_EQ(CGTVisualManager::GetCurrent()->UsesTabAutoColors(), CGTTabbedControlBar::s_UseAutoColors);
    const int lookBorder = CGTVisualManager::GetCurrent()->GetTabBorderSize();
    EXPECT_EQ(lookBorder == -1 ? 2 : lookBorder, tabWnd->GetTabBorderSize());

    CGTDockingValues::TabbedBarStyle() = style;
    CGTTabbedControlBar::ApplyTabStyleToAll();
    EXPECT_FALSE(tabWnd->IsLook6Or7());
}

TEST(TabbedPane, ItsRecordIsThePaneRecordAndTheAutoDestroyFlag)
{
    TwoTabs tabs;
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        tabs.tabbed->Serialize(archive);
    }
    EXPECT_EQ(48u, file.GetLength());
    file.SeekToBegin();
    BYTE bytes[48] = {};
    file.Read(bytes, 48);
    EXPECT_EQ(1, *reinterpret_cast<const DWORD*>(bytes + 44));
}

TEST(TabbedPane, ItsTabAreaTakesDroppedPanesAsTabs)
{
    TwoTabs tabs;
    CRect top, bottom;
    tabs.tabbed->GetTabAreaRects(top, bottom);
    EXPECT_TRUE(top.IsRectEmpty());
    ASSERT_FALSE(bottom.IsRectEmpty());
    EXPECT_EQ(3, tabs.tabbed->HitTestDockTarget(bottom.CenterPoint(), 15));
    CRect window;
    tabs.tabbed->GetWindowRect(window);
    // The 15 pixels along the body's edge dock beside it, the 16th is inside.
    EXPECT_EQ(2, tabs.tabbed->HitTestDockTarget(CPoint(window.left + 14, window.CenterPoint().y), 15));
    EXPECT_EQ(0, tabs.tabbed->HitTestDockTarget(CPoint(window.left + 15, window.CenterPoint().y), 15));
}

TEST(TabbedPane, ATabIsTornOffOnlyOnceDraggedOutByTheDragDistance)
{
    TwoTabs tabs;
    FakeCursor cursor;
    auto& tabWnd = static_cast<CGTTabWnd&>(tabs.Tabs());
    CRect rect;
    ASSERT_TRUE(tabWnd.GetTabRect(0, rect));
    // Pressed on the tab's edge towards the pane, moved one pixel out of the tab row.
    const CPoint press(rect.CenterPoint().x, rect.top);
    tabWnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    const CPoint outside(press.x, tabWnd.GetTabsAreaRect().top - 1);
    ASSERT_LT(press.y - outside.y, CGTDockingValues::DragThreshold().cy);
    cursor.m_Position = outside;
    tabWnd.ClientToScreen(&cursor.m_Position);
    tabWnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(outside.x, outside.y));

    EXPECT_EQ(2, tabs.tabbed->CountTabs());
    EXPECT_EQ(0, tabs.first.m_Floats);

    cursor.m_Position.y -= CGTDockingValues::DragThreshold().cy;
    tabWnd.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(outside.x, outside.y - 10));
    EXPECT_EQ(1, tabs.tabbed->CountTabs());
    EXPECT_EQ(1, tabs.first.m_Floats);
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}
