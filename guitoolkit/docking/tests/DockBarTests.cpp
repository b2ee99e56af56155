#include <guitoolkit/docking/CGTDockBarRow.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"

TEST(DockBar, TheFirstBarMakesARowAsThickAsItNeeds)
{
    TopDockBar top;
    EXPECT_EQ(0, top.Thickness());
    FixedBar& bar = top.Dock(0, 0, 100, 24);
    EXPECT_EQ(1, top.dockBar.GetRows().GetCount());
    EXPECT_EQ(24, static_cast<CGTDockBarRow*>(top.dockBar.GetRows().GetHead())->GetThickness());
    EXPECT_EQ(24, top.Thickness());
    EXPECT_EQ(0, top.RowOf(bar));
    EXPECT_EQ(&top.dockBar, bar.GetParentDockBar());
    EXPECT_EQ(DWORD(GTSideTop), bar.GetCurrentAlignment());
    EXPECT_EQ(DWORD(GTSideTop | GTStyleBorderAny), bar.GetStyleWord() & 0xFFFF);
}

TEST(DockBar, ARectangleBelowTheRowsOpensARowThere)
{
    TopDockBar top;
    FixedBar& first = top.Dock(0, 0);
    FixedBar& second = top.Dock(0, 20);
    EXPECT_EQ(2, top.dockBar.GetRows().GetCount());
    EXPECT_EQ(40, top.Thickness());
    EXPECT_EQ(0, top.RowOf(first));
    EXPECT_EQ(1, top.RowOf(second));
    EXPECT_EQ(CRect(0, 20, 100, 40), second.Place());
}

TEST(DockBar, DockingToARecentRowPastTheRowsWhileRestoringOpensOneRowAtTheEnd)
{
    struct Case {
        int docked;
        int recentRow;
        int rows;
        int row;
    };
    for (const Case& c : {Case{0, 0, 1, 0}, Case{0, 2, 1, 0}, Case{1, 1, 2, 1}, Case{1, 1000, 2, 1}}) {
        TopDockBar top;
        for (int i = 0; i < c.docked; ++i)
            top.Dock(0, 20 * i);
        FixedBar& bar = top.NewBar();
        bar.GetRecentDockInfo().m_pRecentDockBar = &top.dockBar;
        bar.GetRecentDockInfo().m_nRecentRowIndex = c.recentRow;
        CGTDockManager::s_bApplyingState = TRUE;
        EXPECT_NE(0, bar.DockToTarget(nullptr, nullptr, GTDockToRecentPlace));
        CGTDockManager::s_bApplyingState = FALSE;
        EXPECT_EQ(c.rows, top.dockBar.GetRows().GetCount()) << c.recentRow;
        EXPECT_EQ(c.row, top.RowOf(bar)) << c.recentRow;
    }
}

TEST(DockBar, ARowNotHereHasNoIndexAndRecentIndexMinusOneOpensARowAtTheEnd)
{
    TopDockBar top;
    TopDockBar other;
    FixedBar& docked = top.Dock(0, 0);
    FixedBar& elsewhere = other.Dock(0, 0);
    EXPECT_EQ(-1, top.dockBar.GetRowIndex(elsewhere.GetDockRow()));
    EXPECT_EQ(-1, top.dockBar.GetRowIndex(nullptr));

    FixedBar& bar = top.NewBar();
    bar.GetRecentDockInfo().m_pRecentDockBar = &top.dockBar;
    bar.GetRecentDockInfo().m_nRecentRowIndex = -1;
    EXPECT_NE(0, bar.DockToTarget(nullptr, nullptr, GTDockToRecentPlace));
    EXPECT_EQ(2, top.dockBar.GetRows().GetCount());
    EXPECT_EQ(0, top.RowOf(docked));
    EXPECT_EQ(1, top.RowOf(bar));
}

TEST(DockBar, ABarDraggedAcrossItsRowChangesOrSwapsRowsAndSlidesOtherwise)
{
    const struct {
        const char* name;
        // The dragged bar (0 or 2), whether the bar left alone in the second row is restricted.
        int dragged;
        BOOL restricted;
        CSize delta;
        int rows;
        // The dragged bar's row and place along it afterwards.
        int row;
        int at;
    } cases[] = {
        {"a slide along the row", 0, FALSE, {30, 5}, 2, 0, 30},
        {"up by more than two thirds: a row of its own before", 0, FALSE, {0, -15}, 3, 0, 249},
        {"the only bar of its row up into the row above", 2, FALSE, {0, -15}, 1, 0, 249},
        {"a restricted bar swaps the two rows", 2, TRUE, {0, -15}, 2, 0, 0},
    };
    for (const auto& c : cases) {
        TopDockBar top;
        top.Dock(0, 0);
        top.Dock(100, 0);
        top.Dock(0, 20);
        FixedBar& dragged = *top.bars[c.dragged];
        top.bars[2]->SetRestriction(c.restricted ? 1 : 0);
        // The cursor over the bar's hot point; the bar's client area starts inside its border.
        top.CursorAt(CPoint(250, 10));
        dragged.SetHotPoint(CPoint(0, 0));
        EXPECT_FALSE(top.dockBar.MoveControlBar(&dragged, 0, c.delta.cx, c.delta.cy)) << c.name;
        EXPECT_EQ(c.rows, top.dockBar.GetRows().GetCount()) << c.name;
        EXPECT_EQ(c.row, top.RowOf(dragged)) << c.name;
        EXPECT_EQ(c.at, dragged.Place().left) << c.name;
        EXPECT_EQ(c.rows * 20, top.Thickness()) << c.name;
        EXPECT_EQ(c.dragged == 2, dragged.HasRowChanged()) << c.name;
    }
}

TEST(DockBar, HidingTheOnlyRowCollapsesTheDockBar)
{
    TopDockBar top;
    FixedBar& bar = top.Dock(0, 0);
    ASSERT_EQ(20, top.Thickness());
    EXPECT_TRUE(top.dockBar.ShowControlBar(&bar, FALSE, FALSE, FALSE));
    EXPECT_EQ(0, top.Thickness());
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_TRUE(top.dockBar.ShowControlBar(&bar, TRUE, FALSE, FALSE));
    EXPECT_EQ(20, top.Thickness());

    FixedBar& loose = top.NewBar();
    EXPECT_FALSE(top.dockBar.ShowControlBar(&loose, FALSE, FALSE, FALSE));
}

TEST(DockBar, ABarDockedBeforeAnotherEndsTenPixelsBeforeIt)
{
    TopDockBar top;
    FixedBar& docked = top.Dock(200, 0);
    FixedBar& before = top.NewBar(50);
    ASSERT_TRUE(top.dockBar.DockBarBefore(&before, &docked));
    EXPECT_EQ(CRect(140, 0, 190, 20), before.Place());
    EXPECT_EQ(CRect(200, 0, 300, 20), docked.Place());
    EXPECT_EQ(0, top.RowOf(before));
    EXPECT_EQ(&before, top.dockBar.GetBars().GetHead());

    FixedBar& loose = top.NewBar(50);
    FixedBar& other = top.NewBar(50);
    EXPECT_FALSE(top.dockBar.DockBarBefore(&other, &loose));
}

TEST(DockBar, DockingAndLeavingReLayOutTheFrame)
{
    TopDockBar top;
    const int before = top.frame.m_Layouts;
    FixedBar& bar = top.Dock(0, 0);
    EXPECT_LT(before, top.frame.m_Layouts);
    const int docked = top.frame.m_Layouts;
    bar.UnDockControlBar(FALSE);
    EXPECT_LT(docked, top.frame.m_Layouts);
    EXPECT_EQ(nullptr, bar.GetParentDockBar());
    EXPECT_TRUE(top.dockBar.GetRows().IsEmpty());
}
