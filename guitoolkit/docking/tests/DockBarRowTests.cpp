#include <guitoolkit/docking/CGTDockBarRow.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"

namespace {
struct PlacedBar {
    int length;
    int at;
    // The shortest the bar may get; 1 when not given.
    int shortest = 1;
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
        TopDockBar row(c.rowLength);
        for (const PlacedBar& bar : c.bars)
            row.Dock(bar.at, 0, bar.length, 20, bar.shortest);
        for (size_t i = 0; i < c.places.size(); ++i) {
            const CRect place = row.bars[i]->Place();
            EXPECT_EQ(c.places[i], std::make_pair(place.left, place.right)) << c.name << ", bar " << i;
        }
        ASSERT_EQ(1, row.dockBar.GetRows().GetCount()) << c.name;
    }
}

TEST(DockBarRow, TheRowThickensForAThickerBarAndShrinksBackWhenItLeaves)
{
    TopDockBar row(400);
    FixedBar& thin = row.Dock(0, 0, 100, 20);
    EXPECT_EQ(20, row.Thickness());
    FixedBar& thick = row.Dock(150, 0, 100, 40);
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
    TopDockBar row(250);
    FixedBar& first = row.Dock(0, 0);
    FixedBar& second = row.Dock(100, 0);
    FixedBar& third = row.Dock(200, 0, 100, 20, 80);
    ASSERT_EQ(CRect(100, 0, 170, 20), second.Place());
    row.dockBar.RemoveControlBar(&third);
    EXPECT_EQ(CRect(0, 0, 100, 20), first.Place());
    EXPECT_EQ(CRect(100, 0, 200, 20), second.Place());
}

TEST(DockBarRow, AnInvisibleRowAsksForTheWholeLengthAndNoThickness)
{
    TopDockBar row(400);
    FixedBar& bar = row.Dock(0, 0);
    auto* only = static_cast<CGTDockBarRow*>(row.dockBar.GetRows().GetHead());
    EXPECT_EQ(CSize(100, 20), only->CalcRowSize(FALSE, TRUE));
    only->ShowBarInRow(&bar, FALSE, TRUE);
    EXPECT_FALSE(only->IsRowVisible());
    EXPECT_EQ(CSize(32767, 0), only->CalcRowSize(FALSE, TRUE));
}
