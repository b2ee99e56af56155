#include <guitoolkit/docking/CGTDockBarRow.h>
#include <gtest/gtest.h>
#include <memory>
#include "DockingTestSupport.h"

namespace {
struct PlacedBar {
    int length;
    int at;
    // The shortest the bar may get; 1 when not given.
    int shortest = 1;
};

// A top dock bar of a given length in a frame, and bars docked in its first row.
struct TopRow {
    explicit TopRow(int iLength) : dockBar(*frame.AddDockBar(GTSideTop))
    {
        dockBar.MoveToRect(CRect(0, 0, iLength, 0));
    }
    FixedBar& Dock(int iLength, int iAt, int iThickness = 20, int iShortest = 1)
    {
        bars.push_back(std::make_unique<FixedBar>(frame, CSize(iLength, iThickness), 200 + int(bars.size())));
        FixedBar& bar = *bars.back();
        bar.SetStoredSize(CSize(iShortest, 1));
        const CRect target(iAt, 0, iAt + iLength, iThickness);
        EXPECT_NE(0, bar.DockToTarget(&dockBar, &target, GTDockByRect));
        return bar;
    }
    int Thickness() const
    {
        CRect window;
        dockBar.GetWindowRect(&window);
        return window.Height();
    }

    TestDockingFrame frame;
    CGTDockBar& dockBar;
    std::vector<std::unique_ptr<FixedBar>> bars;
};
}  // namespace

TEST(DockBarRow, BarsArePlacedWithoutOverlapWithinTheRow)
{
    const struct {
        const char* name;
        int rowLength;
        std::vector<PlacedBar> bars;
        // Where each bar ends up along the row: start and end.
        std::vector<std::pair<LONG, LONG>> places;
    } cases[] = {
        {"a bar longer than its row shrinks to it", 400, {{500, 0}}, {{0, 400}}},
        {"a bar placed over another pushes it aside", 400, {{100, 0}, {100, 50}}, {{0, 100}, {100, 200}}},
        {"a bar past the row's end is pulled back", 400, {{100, 350}}, {{300, 400}}},
        {"too long a row shrinks its bars from the last",
         250,
         {{100, 0}, {100, 100}, {100, 200, 80}},
         {{0, 100}, {100, 170}, {170, 250}}},
    };
    for (const auto& c : cases) {
        TopRow row(c.rowLength);
        for (const PlacedBar& bar : c.bars)
            row.Dock(bar.length, bar.at, 20, bar.shortest);
        for (size_t i = 0; i < c.places.size(); ++i) {
            const CRect place = row.bars[i]->Place();
            EXPECT_EQ(c.places[i], std::make_pair(place.left, place.right)) << c.name << ", bar " << i;
        }
        ASSERT_EQ(1, row.dockBar.GetRows().GetCount()) << c.name;
    }
}

TEST(DockBarRow, TheRowThickensForAThickerBarAndShrinksBackWhenItLeaves)
{
    TopRow row(400);
    FixedBar& thin = row.Dock(100, 0, 20);
    EXPECT_EQ(20, row.Thickness());
    FixedBar& thick = row.Dock(100, 150, 40);
    auto* only = static_cast<CGTDockBarRow*>(row.dockBar.GetRows().GetHead());
    EXPECT_EQ(1, row.dockBar.GetRows().GetCount());
    EXPECT_EQ(40, only->GetThickness());
    EXPECT_EQ(40, row.Thickness());

    row.dockBar.RemoveControlBar(&thick);
    EXPECT_EQ(20, only->GetThickness());
    EXPECT_EQ(20, row.Thickness());
    EXPECT_EQ(nullptr, thick.GetDockRow());

    row.dockBar.RemoveControlBar(&thin);
    EXPECT_TRUE(row.dockBar.GetRows().IsEmpty());
    EXPECT_EQ(0, row.Thickness());
    EXPECT_EQ(nullptr, thin.GetDockRow());
}

TEST(DockBarRow, ABarThatLeavesGivesItsRoomBackToTheShrunkenOnes)
{
    TopRow row(250);
    FixedBar& first = row.Dock(100, 0);
    FixedBar& second = row.Dock(100, 100);
    FixedBar& third = row.Dock(100, 200, 20, 80);
    ASSERT_EQ(CRect(100, 0, 170, 20), second.Place());
    row.dockBar.RemoveControlBar(&third);
    EXPECT_EQ(CRect(0, 0, 100, 20), first.Place());
    EXPECT_EQ(CRect(100, 0, 200, 20), second.Place());
}

TEST(DockBarRow, AnInvisibleRowAsksForTheWholeLengthAndNoThickness)
{
    TopRow row(400);
    FixedBar& bar = row.Dock(100, 0);
    auto* only = static_cast<CGTDockBarRow*>(row.dockBar.GetRows().GetHead());
    EXPECT_EQ(CSize(100, 20), only->CalcRowSize(FALSE, TRUE));
    only->ShowBarInRow(&bar, FALSE, TRUE);
    EXPECT_FALSE(only->IsRowVisible());
    EXPECT_EQ(CSize(32767, 0), only->CalcRowSize(FALSE, TRUE));
}
