// The report's small pieces: the time text, the grid's order by sort keys, the icon cell's
// drawing and the chart's order.
#include "IconFiles.h"

#include <CIconGridItem.h>
#include <CZVGrid.h>
#include <FormatDuration.h>
#include <ReportChartPoint.h>

#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/core/tests/TestSupport.h>

#include <gtest/gtest.h>

#include <comdef.h>

#include <limits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(FormatDurationTest, DaysHoursAndMinutes)
{
    const struct {
        double Milliseconds;
        const wchar_t* Text;
    } cases[] = {
        {0, L"00 minutes"},
        {59999, L"00 minutes"},
        {60000, L"01 minutes"},
        {3599999, L"59 minutes"},
        {3600000, L"01:00 hours"},
        {86399999, L"23:59 hours"},
        {86400000, L"1 day 00 minutes"},
        {90061000, L"1 day 01:01 hours"},
        {172800000, L"2 days 00 minutes"},
        {176461000, L"2 days 01:01 hours"},
        // A year of records sums to more seconds than 31 bits hold.
        {3000000000.0 * 1000 + 3661000, L"34722 days 06:21 hours"},
        {kNaN, L"00 minutes"},
        {std::numeric_limits<double>::infinity(), L"00 minutes"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::wstring(c.Text), static_cast<LPCWSTR>(FormatDuration(c.Milliseconds))) << c.Milliseconds;
}

TEST(ChartPointOrderTest, HigherFirstAndNotANumberCountsAsZero)
{
    const ReportChartPoint big = {L"big", 5}, small = {L"small", 1}, missing = {L"missing", kNaN},
                           negative = {L"negative", -1};
    EXPECT_TRUE(CompareChartPointsByValue(big, small));
    EXPECT_FALSE(CompareChartPointsByValue(small, big));
    EXPECT_FALSE(CompareChartPointsByValue(big, big));
    EXPECT_TRUE(CompareChartPointsByValue(small, missing));
    EXPECT_TRUE(CompareChartPointsByValue(missing, negative));
    EXPECT_EQ(0.0, ChartValue(missing));
}

// Two cells shown as their texts, each with its sort key when one is given.
class KeyedCells {
public:
    KeyedCells(LPCWSTR iText1, const _variant_t* iKey1, LPCWSTR iText2, const _variant_t* iKey2)
        : m_Key1(iKey1 ? *iKey1 : _variant_t()), m_Key2(iKey2 ? *iKey2 : _variant_t()),
          m_Item1(_variant_t(iText1), iKey1 ? reinterpret_cast<DWORD_PTR>(&m_Key1) : 0),
          m_Item2(_variant_t(iText2), iKey2 ? reinterpret_cast<DWORD_PTR>(&m_Key2) : 0)
    {
    }
    int Compare(CZVGrid& ioGrid) { return ioGrid.CompareItems(&m_Item1, &m_Item2); }

private:
    _variant_t m_Key1, m_Key2;
    CGTGridItem m_Item1, m_Item2;
};

_variant_t Typed(VARTYPE iType, LONGLONG iBits)
{
    _variant_t value;
    value.vt = iType;
    value.llVal = iBits;
    return value;
}

TEST(ReportGridTest, OrdersByTheKeysWhereTheyDecide)
{
    CZVGrid grid;
    const _variant_t r3540(3540.0), r3600(3600.0), nan(kNaN), lowerA(L"a"), upperB(L"B"), i4(3600L),
        big = Typed(VT_UI4, 0x80000001), one = Typed(VT_UI4, 1), bigInt = Typed(VT_UINT, 0xFFFFFFFF),
        smallInt = Typed(VT_UINT, 2), bigShort = Typed(VT_UI2, 0x8001), smallShort = Typed(VT_UI2, 1),
        yes = Typed(VT_BOOL, VARIANT_TRUE), no = Typed(VT_BOOL, VARIANT_FALSE), cy = Typed(VT_CY, 5),
        cy2 = Typed(VT_CY, 7);
    _variant_t later = Typed(VT_DATE, 0), earlier = Typed(VT_DATE, 0);
    later.date = 46000.5;
    earlier.date = 46000.25;
    const struct {
        const char* Name;
        LPCWSTR Text1;
        const _variant_t* Key1;
        LPCWSTR Text2;
        const _variant_t* Key2;
        int Order;
    } cases[] = {
        {"milliseconds, not texts", L"01:00 hours", &r3600, L"00:59 hours", &r3540, 1},
        {"milliseconds, reversed", L"00:59 hours", &r3540, L"01:00 hours", &r3600, -1},
        {"equal milliseconds", L"x", &r3600, L"y", &r3600, 0},
        {"ordinal text: a after B", L"", &lowerA, L"", &upperB, 1},
        {"types differ: the shown texts", L"b", &i4, L"a", &r3600, 1},
        {"types differ: the shown texts, reversed", L"a", &i4, L"b", &r3600, -1},
        {"one key missing: the shown texts", L"a", &r3600, L"b", nullptr, -1},
        {"not a number after", L"", &nan, L"", &r3600, 1},
        {"a number before not a number", L"", &r3600, L"", &nan, -1},
        {"not a number and not a number", L"a", &nan, L"b", &nan, 0},
        {"unsigned 32 bits above 2^31", L"", &big, L"", &one, 1},
        {"unsigned int", L"", &bigInt, L"", &smallInt, 1},
        {"unsigned 16 bits", L"", &bigShort, L"", &smallShort, 1},
        {"false before true", L"", &no, L"", &yes, -1},
        {"dates by time, not texts", L"a", &later, L"b", &earlier, 1},
        {"currency: the shown texts", L"b", &cy, L"a", &cy2, 1},
    };
    for (const auto& c : cases) {
        KeyedCells cells(c.Text1, c.Key1, c.Text2, c.Key2);
        const int order = cells.Compare(grid);
        EXPECT_EQ(c.Order, order < 0 ? -1 : order > 0 ? 1 : 0) << c.Name;
    }
}

const COLORREF kUntouched = RGB(1, 2, 3);
const COLORREF kText = RGB(0, 0, 0);

// An icon cell of 100 x 20 painted in a grid without a window.
struct PaintedIconCell {
    explicit PaintedIconCell(HICON iIcon)
    {
        m_Grid.GetColumnsInfo().InsertColumn(0, L"Program", 100);
        m_Row.SetOwnerList(&m_Grid);
        m_Item = new CIconGridItem(_variant_t(L"Word"), iIcon);
        m_Row.AddItem(m_Item);
        m_Item->SetRect(CRect(0, 0, 100, 20));
        m_Row.SetRect(CRect(0, 0, 100, 20));
        m_Surface.Dc().SetBkMode(TRANSPARENT);
        m_Surface.Dc().SetTextColor(kText);
        m_Item->OnDrawValue(&m_Surface.Dc(), m_Item->GetRect());
    }
    // Pixels of the colour within the columns [iLeft, iRight).
    int Count(COLORREF iColour, int iLeft, int iRight) const
    {
        int count = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = iLeft; x < iRight; ++x)
                count += m_Surface.At(x, y) == iColour;
        return count;
    }

    CGTGridCtrl m_Grid;
    CGTGridRow m_Row{1, 0};
    CIconGridItem* m_Item;
    PixelSurface m_Surface{100, 20, kUntouched};
};

HICON RedIcon()
{
    std::vector<BYTE> image = Image(16, 8, RGB(255, 0, 0));
    return CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x00030000, 16, 16, 0);
}

TEST(IconGridItemTest, TheIconFillsASquareOfTheRowHeightAndTheTextFollowsIt)
{
    const PaintedIconCell cell(RedIcon());
    EXPECT_EQ(20 * 20, cell.Count(RGB(255, 0, 0), 0, 20));
    EXPECT_EQ(0, cell.Count(RGB(255, 0, 0), 20, 100));
    EXPECT_GT(cell.Count(kText, 20, 60), 0);
    EXPECT_EQ(kUntouched, cell.m_Surface.At(99, 0));
}

TEST(IconGridItemTest, WithoutAnIconTheTextStillStartsAfterTheSquare)
{
    const PaintedIconCell cell(nullptr);
    EXPECT_EQ(20 * 20, cell.Count(kUntouched, 0, 20));
    EXPECT_GT(cell.Count(kText, 20, 60), 0);
}

TEST(IconGridItemTest, TheCellDestroysItsIcon)
{
    HICON icon = RedIcon();
    {
        CIconGridItem item(_variant_t(L"Word"), icon);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(icon, &info));
}

}  // namespace
