// What the chart draws through IViewObject::Draw into a memory DC, read back pixel by pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "ChartTestSupport.h"

namespace {

constexpr COLORREF kPanel = RGB(255, 255, 255);
constexpr COLORREF kOutside = RGB(255, 0, 255);
constexpr COLORREF kOthers = 0x00989898;
constexpr int kWidth = 800;
constexpr int kHeight = 400;

struct Stretch {
    int Left;
    int Right;  // last pixel
    COLORREF Colour;
};

// Stretches of one colour other than the panel's along a row.
std::vector<Stretch> RunsAlong(const Bitmap& iBitmap, int iY, int iFrom, int iTo)
{
    std::vector<Stretch> runs;
    for (int x = iFrom; x <= iTo; ++x) {
        const COLORREF colour = iBitmap.At(x, iY);
        if (colour == kPanel)
            continue;
        if (!runs.empty() && runs.back().Right == x - 1 && runs.back().Colour == colour) {
            runs.back().Right = x;
        } else {
            runs.push_back({x, x, colour});
        }
    }
    return runs;
}

// The bars' baseline: the longest run of one colour inside the border.
struct Plot {
    int Left = 0;
    int Right = -1;
    int Baseline = -1;
};

Plot FindPlot(const Bitmap& iBitmap)
{
    Plot plot;
    for (int y = 2; y < iBitmap.Height() - 2; ++y) {
        for (const Stretch& run : RunsAlong(iBitmap, y, 2, iBitmap.Width() - 3)) {
            if (run.Right - run.Left > plot.Right - plot.Left)
                plot = {run.Left, run.Right, y};
        }
    }
    return plot;
}

struct Bar {
    COLORREF Colour;
    int Height;
};

// The bars that a row crosses between the axis and the plot's right end, with their heights
// above and below the baseline.
std::vector<Bar> BarsOn(const Bitmap& iBitmap, const Plot& iPlot, int iY)
{
    std::vector<Bar> bars;
    for (const Stretch& run : RunsAlong(iBitmap, iY, iPlot.Left + 1, iPlot.Right)) {
        if (run.Right - run.Left < 2)
            continue;  // the value axis
        const int x = (run.Left + run.Right) / 2;
        int height = 0;
        for (int y = iPlot.Baseline - 1; y >= 0 && iBitmap.At(x, y) == run.Colour; --y)
            ++height;
        for (int y = iPlot.Baseline + 1; y < iBitmap.Height() && iBitmap.At(x, y) == run.Colour; ++y)
            ++height;
        bars.push_back({run.Colour, height});
    }
    return bars;
}

// The legend's swatches from top to bottom: a column through the leftmost swatch, right of
// the plot.
std::vector<COLORREF> LegendColours(const Bitmap& iBitmap, const Plot& iPlot, const std::set<COLORREF>& iColours)
{
    int column = iBitmap.Width();
    for (int y = 0; y < iBitmap.Height(); ++y)
        for (int x = iPlot.Right + 1; x < column; ++x)
            if (iColours.count(iBitmap.At(x, y)))
                column = x;
    std::vector<COLORREF> swatches;
    COLORREF previous = kPanel;
    for (int y = 0; column < iBitmap.Width() && y < iBitmap.Height(); ++y) {
        const COLORREF colour = iBitmap.At(column + 2, y);
        if (colour != previous && iColours.count(colour))
            swatches.push_back(colour);
        previous = colour;
    }
    return swatches;
}

// The box around every pixel in the area that is not the panel's.
RECT InkBox(const Bitmap& iBitmap, const RECT& iArea)
{
    RECT box = {iArea.right, iArea.bottom, -1, -1};
    for (int y = iArea.top; y < iArea.bottom; ++y) {
        for (int x = iArea.left; x < iArea.right; ++x) {
            if (iBitmap.At(x, y) != kPanel) {
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                       std::max<LONG>(box.bottom, y)};
            }
        }
    }
    return box;
}

// The same inside the border, for the rows.
RECT InkBox(const Bitmap& iBitmap, int iTop, int iBottom)
{
    return InkBox(iBitmap, {2, iTop, iBitmap.Width() - 2, iBottom});
}

ChartPoints Descending(size_t iCount)
{
    ChartPoints points;
    for (size_t i = 0; i < iCount; ++i)
        points.push_back({L"Program " + std::to_wstring(i), 100.0 * (iCount - i)});
    return points;
}

struct ReportCase {
    size_t Points;
    bool Titled;
    size_t Bars;
};

TEST(ChartRender, ReportBarsCrossTheScanLineInCallOrderWithLegendAndTitle)
{
    const ReportCase cases[] = {{0, false, 0}, {3, true, 3}, {13, true, 13}};
    for (const ReportCase& test : cases) {
        SCOPED_TRACE(test.Points);
        ComPtr<IDispatch> chart = NewChart();
        ShowView(chart.Get());
        SetupChart(chart.Get());
        const ChartPoints points = Descending(test.Points);
        OutputChart(chart.Get(), points);
        if (test.Titled)
            SetChartTitle(chart.Get());
        Bitmap bitmap(kWidth, kHeight, kOutside);
        ASSERT_EQ(S_OK, bitmap.Draw(chart.Get(), {0, 0, kWidth, kHeight}));

        const Plot plot = FindPlot(bitmap);
        ASSERT_GT(plot.Right - plot.Left, kWidth / 2);
        const std::vector<Bar> bars = BarsOn(bitmap, plot, plot.Baseline - 2);
        ASSERT_EQ(test.Bars, bars.size());
        std::set<COLORREF> colours;
        std::vector<COLORREF> order;
        for (size_t i = 0; i < bars.size(); ++i) {
            colours.insert(bars[i].Colour);
            order.push_back(bars[i].Colour);
            // The points arrive highest first, the thirteenth being "Others" with the value of the last.
            EXPECT_NEAR(bars[0].Height * points[i].second / points[0].second, bars[i].Height, 2.0) << i;
        }
        EXPECT_EQ(bars.size(), colours.size()) << "every point in a colour of its own";
        if (test.Points > 12) {
            EXPECT_EQ(kOthers, bars[12].Colour);
        }
        EXPECT_EQ(order, LegendColours(bitmap, plot, colours));

        // The title sits in the middle of the top margin that the view asked for; the value
        // axis's top label reaches a few rows into the margin's lower end.
        const RECT title = InkBox(bitmap, 2, kHeight / 10 - 8);
        if (test.Titled) {
            ASSERT_LT(title.left, title.right);
            EXPECT_NEAR(kWidth / 2, (title.left + title.right) / 2, 4);
            EXPECT_GT(title.bottom - title.top, 4);
        } else {
            EXPECT_GT(title.left, title.right) << "no ink without a title";
        }
    }
}

TEST(ChartRender, BarsBelowZeroHangUnderTheBaseline)
{
    ComPtr<IDispatch> chart = NewChart();
    Put(Get(chart.Get(), 3).Get(), 206, Bool(false));
    Put(Get(chart.Get(), 15).Get(), 14, I4(0));
    Method(chart.Get(), 28, {I4(5)});
    ComPtr<IDispatch> series = SeriesAt(chart.Get(), 0);
    Method(series.Get(), 46, {R8(3), Text(L"up"), UI4(RGB(200, 0, 0))});
    Method(series.Get(), 46, {R8(-2), Text(L"down"), UI4(RGB(0, 0, 200))});
    Bitmap bitmap(kWidth, kHeight, kOutside);
    ASSERT_EQ(S_OK, bitmap.Draw(chart.Get(), {0, 0, kWidth, kHeight}));

    const Plot plot = FindPlot(bitmap);
    const std::vector<Bar> above = BarsOn(bitmap, plot, plot.Baseline - 2);
    const std::vector<Bar> below = BarsOn(bitmap, plot, plot.Baseline + 2);
    ASSERT_EQ(1u, above.size());
    ASSERT_EQ(1u, below.size());
    EXPECT_EQ(RGB(200, 0, 0), above[0].Colour);
    EXPECT_EQ(RGB(0, 0, 200), below[0].Colour);
    EXPECT_NEAR(above[0].Height * 2.0 / 3.0, below[0].Height, 2.0);
}

TEST(ChartRender, ShadedBarsShowADarkerSideAndMarksShowAboveTheBar)
{
    const COLORREF colour = RGB(200, 100, 40);
    const struct {
        bool Shaded;
        bool Marked;
    } cases[] = {{false, false}, {false, true}, {true, false}};
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << "shaded " << test.Shaded << ", marked " << test.Marked);
        ComPtr<IDispatch> chart = NewChart();
        Put(Get(chart.Get(), 3).Get(), 206, Bool(false));
        Put(Get(chart.Get(), 15).Get(), 14, I4(0));
        Put(Get(chart.Get(), 1).Get(), 30, Bool(!test.Shaded));
        Method(chart.Get(), 28, {I4(5)});
        ComPtr<IDispatch> series = SeriesAt(chart.Get(), 0);
        Method(series.Get(), 46, {R8(7), Text(L"one"), UI4(colour)});
        Method(series.Get(), 46, {R8(1), Text(L"two"), UI4(colour)});
        Put(Get(series.Get(), 30).Get(), 2, I4(test.Marked ? 2 : 0));
        Bitmap bitmap(kWidth, kHeight, kOutside);
        ASSERT_EQ(S_OK, bitmap.Draw(chart.Get(), {0, 0, kWidth, kHeight}));

        const Plot plot = FindPlot(bitmap);
        const int row = plot.Baseline - 8;
        const std::vector<Stretch> runs = RunsAlong(bitmap, row, plot.Left + 1, plot.Right);
        auto bar = std::find_if(runs.begin(), runs.end(), [&](const Stretch& iRun) { return iRun.Colour == colour; });
        ASSERT_NE(runs.end(), bar);
        const COLORREF beside = bitmap.At(bar->Right + 1, row);
        EXPECT_EQ(test.Shaded,
                  GetRValue(beside) < GetRValue(colour) && GetGValue(beside) < GetGValue(colour) &&
                      GetBValue(beside) < GetBValue(colour));
        if (test.Shaded)
            continue;
        int top = row;
        while (top > 0 && bitmap.At((bar->Left + bar->Right) / 2, top - 1) == colour)
            --top;
        const RECT above = InkBox(bitmap, {bar->Left - 10, std::max(2, top - 30), bar->Right + 10, top});
        EXPECT_EQ(test.Marked, above.left <= above.right) << "the value as a mark";
    }
}

TEST(ChartRender, MarksWiderThanTheirBarsStayInsideThePlot)
{
    // Twelve narrow bars; the first and the last carry the widest marks.
    ComPtr<IDispatch> chart = NewChart();
    Put(Get(chart.Get(), 3).Get(), 206, Bool(false));
    Put(Get(chart.Get(), 15).Get(), 1, I4(0));
    Put(Get(chart.Get(), 15).Get(), 14, I4(0));
    Method(chart.Get(), 28, {I4(5)});
    ComPtr<IDispatch> series = SeriesAt(chart.Get(), 0);
    for (int i = 0; i < 12; ++i)
        Method(series.Get(), 46, {R8(i == 0 ? 100 : i == 11 ? 200 : 1), Text(L"point"), UI4(RGB(0, 0, 200))});
    Put(Get(series.Get(), 30).Get(), 2, I4(1));
    Bitmap bitmap(240, 300, kOutside);
    ASSERT_EQ(S_OK, bitmap.Draw(chart.Get(), {0, 0, 240, 300}));

    const Plot plot = FindPlot(bitmap);
    const RECT above = InkBox(bitmap, 2, plot.Baseline);
    ASSERT_LT(above.top, above.bottom);
    EXPECT_GE(above.left, plot.Left);
    EXPECT_LE(above.right, plot.Right);
}

TEST(ChartRender, PieShowsEachColourAtItsSliceMiddleAndSkipsValuesNotAboveZero)
{
    ComPtr<IDispatch> chart = NewChart();
    Put(Get(chart.Get(), 3).Get(), 206, Bool(false));
    Put(Get(chart.Get(), 17).Get(), 203, I4(0));
    Method(chart.Get(), 28, {I4(6)});
    ComPtr<IDispatch> series = SeriesAt(chart.Get(), 0);
    const struct {
        double Value;
        COLORREF Colour;
    } points[] = {
        {3, RGB(200, 0, 0)}, {0, RGB(0, 200, 0)}, {1, RGB(0, 0, 200)}, {-2, RGB(200, 200, 0)}, {2, RGB(0, 200, 200)}};
    for (const auto& point : points)
        Method(series.Get(), 46, {R8(point.Value), Text(L"slice"), UI4(point.Colour)});
    Bitmap bitmap(400, 400, kOutside);
    ASSERT_EQ(S_OK, bitmap.Draw(chart.Get(), {0, 0, 400, 400}));

    const RECT pie = InkBox(bitmap, 0, 400);
    const double centreX = (pie.left + pie.right) / 2.0;
    const double centreY = (pie.top + pie.bottom) / 2.0;
    const double radius = (pie.right - pie.left) / 2.0;
    ASSERT_GT(radius, 50);
    const double pi = std::acos(-1.0);
    double angle = -pi / 2;
    for (const auto& point : points) {
        if (point.Value <= 0) {
            EXPECT_FALSE(bitmap.Contains(point.Colour)) << point.Value;
            continue;
        }
        const double sweep = 2 * pi * point.Value / 6;
        const double middle = angle + sweep / 2;
        const int x = static_cast<int>(std::lround(centreX + radius / 2 * std::cos(middle)));
        const int y = static_cast<int>(std::lround(centreY + radius / 2 * std::sin(middle)));
        EXPECT_EQ(point.Colour, bitmap.At(x, y)) << point.Value;
        angle += sweep;
    }
}

TEST(ChartRender, ClearingPointsKeepsTheSeriesAndClearingSeriesEmptiesThePlot)
{
    ComPtr<IDispatch> chart = NewChart();
    ShowView(chart.Get());
    SetupChart(chart.Get());
    OutputChart(chart.Get(), Descending(3));
    auto render = [&](Bitmap& ioBitmap) { ASSERT_EQ(S_OK, ioBitmap.Draw(chart.Get(), {0, 0, kWidth, kHeight})); };
    Bitmap full(kWidth, kHeight, kOutside);
    render(full);
    const Plot plot = FindPlot(full);
    const std::vector<Bar> bars = BarsOn(full, plot, plot.Baseline - 2);
    ASSERT_EQ(3u, bars.size());

    Method(Get(chart.Get(), {22, 6}).Get(), 4);
    Bitmap cleared(kWidth, kHeight, kOutside);
    render(cleared);
    for (const Bar& bar : bars)
        EXPECT_FALSE(cleared.Contains(bar.Colour));
    Method(SeriesAt(chart.Get(), 0).Get(), 46, {R8(5), Text(L"again"), UI4(RGB(0, 120, 0))});
    Bitmap refilled(kWidth, kHeight, kOutside);
    render(refilled);
    EXPECT_EQ(1u, BarsOn(refilled, FindPlot(refilled), FindPlot(refilled).Baseline - 2).size());

    Method(chart.Get(), 37);
    Bitmap empty(kWidth, kHeight, kOutside);
    render(empty);
    const RECT ink = InkBox(empty, 2, kHeight - 2);
    EXPECT_GT(ink.left, ink.right) << "nothing inside the border";
}

TEST(ChartRender, DrawStaysInItsBoundsCutsLongLabelsAndLeavesTheDcAsItWas)
{
    ComPtr<IDispatch> chart = NewChart();
    Method(chart.Get(), 202, {I4(5), I4(5)});
    Method(chart.Get(), 28, {I4(5)});
    Method(SeriesAt(chart.Get(), 0).Get(), 46, {R8(1), Text(std::wstring(300, L'W').c_str()), UI4(0x20000000)});
    Bitmap bitmap(kWidth, kHeight, kOutside);
    const RECT bounds = {100, 50, 700, 350};
    const COLORREF textColour = SetTextColor(bitmap.Dc(), RGB(1, 2, 3));
    const HGDIOBJ font = GetCurrentObject(bitmap.Dc(), OBJ_FONT);
    ASSERT_EQ(S_OK, bitmap.Draw(chart.Get(), bounds));

    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(bitmap.Dc()));
    EXPECT_EQ(font, GetCurrentObject(bitmap.Dc(), OBJ_FONT));
    SetTextColor(bitmap.Dc(), textColour);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool inside = x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom;
            if (!inside) {
                ASSERT_EQ(kOutside, bitmap.At(x, y)) << x << "," << y;
            }
        }
    }
    // The legend's label ends in an ellipsis before the right margin (5% of 600 pixels).
    for (int y = bounds.top + 1; y < bounds.bottom - 1; ++y)
        for (int x = bounds.right - 29; x < bounds.right - 1; ++x)
            ASSERT_EQ(kPanel, bitmap.At(x, y)) << x << "," << y;
}

}  // namespace
