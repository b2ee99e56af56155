#include "GridTestSupport.h"

using Texts = std::vector<std::wstring>;

TEST(GridRowsWithoutWindow, AddingAndFindingRows)
{
    CGTGridCtrl grid;
    grid.InsertColumn(0, L"Name", 50);
    EXPECT_EQ(1, grid.InsertColumn(1, L"Count", 50)) << "at the count: appended";
    EXPECT_EQ(-1, grid.InsertColumn(3, L"Far", 50)) << "beyond the count";
    EXPECT_EQ(2, grid.GetColumnCount());

    CGTGridRow* b = NewRow({L"b", 2});
    CGTGridRow* a = NewRow({L"a", 1});
    CGTGridRow* child = NewRow({L"child", 3});
    b->AddSubRow(child);
    EXPECT_EQ(0, grid.AddRow(b, FALSE));
    EXPECT_EQ(1, grid.AddRow(a, FALSE));
    EXPECT_EQ(-1, grid.AddRow(a, FALSE)) << "twice";
    EXPECT_EQ(-1, grid.AddRow(child, FALSE)) << "a sub-row of a present row";
    CGTGridRow holder(2, 0);
    CGTGridRow* held = NewRow({L"held", 4});
    holder.AddSubRow(held);
    EXPECT_EQ(-1, grid.AddRow(held, FALSE)) << "a row another row owns";
    EXPECT_EQ(2, grid.GetRowCount());

    EXPECT_EQ(b, grid.GetRow(0)) << "before a layout: the id AddRow gave";
    EXPECT_EQ(a, grid.GetRow(1));
    grid.SetSortColumn(0, TRUE);
    grid.PositionRows();
    EXPECT_EQ((Texts{L"a", L"b", L"child"}), ShownTexts(grid));
    EXPECT_EQ(a, grid.GetRow(0)) << "after a sorted layout: the shown position";
    EXPECT_EQ(child, grid.GetRow(2));

    for (int id : {-5, 3, 1000}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(nullptr, grid.GetRow(id));
        EXPECT_FALSE(grid.SetCurSel(id, 0, GTGridSelectClick | GTGridSelectNew));
        EXPECT_EQ(0, grid.GetSelectionRangeCount());
        EXPECT_EQ(-1, grid.GetAnchor().m_Row);
    }
    EXPECT_FALSE(grid.SetCurSel(0, 7, GTGridSelectClick | GTGridSelectNew)) << "no such column";
    grid.EnsureVisible(&holder);
    EXPECT_EQ(0, grid.GetVertOffset());
    EXPECT_STREQ(L"", grid.GetColumnName(2));
    EXPECT_STREQ(L"", grid.GetColumnName(-1));
}

TEST(GridRowsWithoutWindow, SortColumns)
{
    CGTGridCtrl grid;
    for (int column = 0; column < 3; ++column)
        grid.InsertColumn(column, L"C", 50);
    CGTGridColumnsInfo& columns = grid.GetColumnsInfo();
    grid.SetSortColumn(0, FALSE);
    grid.SetSortColumn(1, TRUE, FALSE);
    EXPECT_EQ(0, columns.GetColumnSortDirection(0));
    EXPECT_EQ(1, columns.GetColumnSortDirection(1));
    grid.SetSortColumn(2, FALSE, TRUE);
    EXPECT_EQ(0, columns.GetColumnSortDirection(1)) << "adding needs multi-column sort";
    columns.m_MultiSort = TRUE;
    grid.SetSortColumn(1, TRUE, TRUE);
    EXPECT_EQ(-1, columns.GetColumnSortDirection(2));
    EXPECT_EQ(1, columns.GetColumnSortDirection(1));
}

namespace {

// Groups by the number in column 1 when it has one: larger numbers first.
class NumberedGrid : public CGTGridCtrl {
public:
    int GetGroupNumber(CGTGridRow* iRow, int iColumn) override
    {
        return iColumn == 1 ? 100 - iRow->GetItem(1)->GetValue().lVal : -1;
    }
};

struct OrderCase {
    const char* name;
    std::vector<std::vector<CellValue>> rows;
    void (*arrange)(CGTGridCtrl&);
    Texts shown;
};

std::vector<std::vector<CellValue>> Rows(std::initializer_list<std::vector<CellValue>> iRows)
{
    return iRows;
}

}  // namespace

TEST(GridSorting, OrderOfTheShownRows)
{
    const OrderCase cases[] = {
        {"equal keys keep their order ascending",
         Rows({{L"B1", L"b"}, {L"A1", L"a"}, {L"B2", L"b"}, {L"A2", L"a"}}),
         [](CGTGridCtrl& g) { g.SetSortColumn(1, TRUE); },
         {L"A1", L"A2", L"B1", L"B2"}},
        {"equal keys keep their order descending",
         Rows({{L"B1", L"b"}, {L"A1", L"a"}, {L"B2", L"b"}, {L"A2", L"a"}}),
         [](CGTGridCtrl& g) { g.SetSortColumn(1, FALSE); },
         {L"B1", L"B2", L"A1", L"A2"}},
        {"numbers sort as numbers",
         Rows({{L"ten", 10}, {L"nine", 9}, {L"hundred", 100}}),
         [](CGTGridCtrl& g) { g.SetSortColumn(1, TRUE); },
         {L"nine", L"ten", L"hundred"}},
        {"a text and a number compare as texts",
         Rows({{L"nine", 9}, {L"ten", L"10"}}),
         [](CGTGridCtrl& g) { g.SetSortColumn(1, TRUE); },
         {L"ten", L"nine"}},
        {"without multi-column sort a second column replaces the first",
         Rows({{L"x", 2}, {L"y", 1}, {L"x", 1}}),
         [](CGTGridCtrl& g) {
             g.SetSortColumn(0, FALSE);
             g.SetSortColumn(1, TRUE, TRUE);
         },
         {L"y", L"x", L"x"}},
        {"the first caption click sorts descending",
         Rows({{L"a", 1}, {L"c", 3}, {L"b", 2}}),
         [](CGTGridCtrl& g) { g.SortByHeaderClick(0); },
         {L"c", L"b", L"a"}},
        {"the next click ascending",
         Rows({{L"a", 1}, {L"c", 3}, {L"b", 2}}),
         [](CGTGridCtrl& g) {
             g.SortByHeaderClick(0);
             g.SortByHeaderClick(0);
         },
         {L"a", L"b", L"c"}},
        {"grouping makes one caption row per value",
         Rows({{L"one", L"A"}, {L"two", L"B"}, {L"three", L"A"}}),
         [](CGTGridCtrl& g) { g.InsertGroupColumn(0, 1); },
         {L"[Kind: A]", L"one", L"three", L"[Kind: B]", L"two"}},
        {"two levels nest",
         Rows({{L"x", L"A"}, {L"y", L"B"}, {L"x", L"B"}}),
         [](CGTGridCtrl& g) {
             g.InsertGroupColumn(0, 1);
             g.InsertGroupColumn(1, 0);
         },
         {L"[Kind: A]", L"[Name: x]", L"x", L"[Kind: B]", L"[Name: x]", L"x", L"[Name: y]", L"y"}},
    };
    for (const OrderCase& test : cases) {
        SCOPED_TRACE(test.name);
        CGTGridCtrl grid;
        grid.InsertColumn(0, L"Name", 50);
        grid.InsertColumn(1, L"Kind", 50);
        for (const std::vector<CellValue>& values : test.rows) {
            CGTGridRow* row = new CGTGridRow(2, 0);
            for (const CellValue& value : values)
                row->AddItem(new CGTGridItem(value.Get()));
            grid.AddRow(row, FALSE);
        }
        test.arrange(grid);
        grid.PositionRows();
        EXPECT_EQ(test.shown, ShownTexts(grid));
    }
}

TEST(GridSorting, GroupNumbersOrderTheGroupsAndEmptyCaptionsReadAsGroup)
{
    NumberedGrid grid;
    grid.InsertColumn(0, L"Name", 50);
    grid.InsertColumn(1, L"Level", 50);
    const std::pair<LPCWSTR, int> rows[] = {{L"low", 1}, {L"high", 3}, {L"mid", 2}, {L"high too", 3}};
    for (auto [name, level] : rows)
        grid.AddRow(NewRow({name, level}), FALSE);
    grid.InsertGroupColumn(0, 1);
    grid.PositionRows();
    EXPECT_EQ((Texts{L"[]", L"high", L"high too", L"[]", L"mid", L"[]", L"low"}), ShownTexts(grid));
    EXPECT_EQ(3, grid.GetGroupRowCount());
    CString text;
    EXPECT_FALSE(grid.GetGroupRowText(grid.GetShownRow(0), text)) << "painted as \"Group\"";
    EXPECT_EQ(grid.GetShownRow(0), grid.GetShownRow(1)->GetGroupRow());

    // Ungrouped again: the caption rows go and no row keeps a link to them.
    grid.GetColumnsInfo().RemoveGroupColumn(1);
    grid.GetColumnsInfo().RemoveAllSortColumns();
    grid.InsertColumn(2, L"More", 10);
    grid.PositionRows();
    EXPECT_EQ(0, grid.GetGroupRowCount());
    EXPECT_EQ(4, grid.GetShownCount());
    for (int i = 0; i < grid.GetShownCount(); ++i)
        EXPECT_EQ(nullptr, grid.GetShownRow(i)->GetGroupRow());
}

TEST(GridSorting, TwoEmptyCellsCompareByTheirImages)
{
    CGTGridCtrl grid;
    CGTGridItem first(CellValue(L"").Get());
    CGTGridItem second(CellValue(L"").Get());
    first.SetImage(2);
    second.SetImage(1);
    EXPECT_EQ(0, grid.CompareItems(&first, &second)) << "two texts compare as texts";
    VARIANT empty;
    ::VariantInit(&empty);
    CGTGridItem none(empty);
    CGTGridItem other(CellValue(5).Get());
    CGTGridItem blank(empty);
    none.SetImage(2);
    blank.SetImage(1);
    EXPECT_EQ(1, grid.CompareItems(&none, &blank));
    EXPECT_EQ(-1, grid.CompareItems(&blank, &none));
    EXPECT_LT(grid.CompareItems(&none, &other), 0) << "an empty text before \"5\"";
}

namespace {

class CountedRow : public CGTGridRow {
public:
    CountedRow() : CGTGridRow(1, 0) { AddItem(new CGTGridItem(CellValue(L"same").Get())); }
    ~CountedRow() override { ++s_Deleted; }
    static inline int s_Deleted = 0;
};

class CountedCaptionGrid : public CGTGridCtrl {
public:
    CGTGridRow* CreateCaptionRow(const CString&) override { return new CountedRow; }
};

}  // namespace

TEST(GridRowsWithoutWindow, AGridNeverCreatedDeletesItsRowsAndCaptionRows)
{
    CountedRow::s_Deleted = 0;
    {
        CountedCaptionGrid grid;
        grid.InsertColumn(0, L"Name", 50);
        CountedRow* parent = new CountedRow;
        parent->AddSubRow(new CountedRow);
        grid.AddRow(parent, FALSE);
        grid.AddRow(new CountedRow, FALSE);
        grid.InsertGroupColumn(0, 0);
        grid.PositionRows();
        EXPECT_EQ(1, grid.GetGroupRowCount());
    }
    EXPECT_EQ(4, CountedRow::s_Deleted);
}
