#include <guitoolkit/controls/CGTGridColorItem.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <afxexcept.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

VARIANT Typed(VARTYPE iType)
{
    VARIANT value;
    ::VariantInit(&value);
    value.vt = iType;
    if (iType == VT_BSTR)
        value.bstrVal = ::SysAllocString(L"");
    return value;
}

VARIANT Text(LPCWSTR iText)
{
    VARIANT value;
    value.vt = VT_BSTR;
    value.bstrVal = ::SysAllocString(iText);
    return value;
}

VARIANT Long(LONG iNumber)
{
    VARIANT value;
    value.vt = VT_I4;
    value.lVal = iNumber;
    return value;
}

// A cell whose edit flags a test chooses, and that counts its deletions.
class TestItem : public CGTGridItem {
public:
    explicit TestItem(const VARIANT& iValue, DWORD iFlags = 0) : CGTGridItem(iValue) { m_EditFlags = iFlags; }
    ~TestItem() override { ++s_Deleted; }
    static inline int s_Deleted = 0;
};

}  // namespace

TEST(GridCells, TextToValueAndBackOverEveryType)
{
    struct Case {
        VARTYPE type;
        LPCWSTR text;
        BOOL accepted;
        LPCWSTR shown;  // FormatItem afterwards
    };
    const Case cases[] = {
        {VT_I2, L"-12", TRUE, L"-12"},
        {VT_I4, L"70000", TRUE, L"70000"},
        {VT_INT, L"5x", TRUE, L"5"},
        {VT_R4, L"", TRUE, L"0.000000"},
        {VT_R8, L"2.5", TRUE, L"2.500000"},
        {VT_R8, L"abc", TRUE, L"0.000000"},
        {VT_UI1, L"255", TRUE, L"255"},
        {VT_UI1, L"256", FALSE, L"0"},
        {VT_UI1, L"-1", FALSE, L"0"},
        {VT_UI2, L"70000", TRUE, L"4464"},
        {VT_UI4, L"7", TRUE, L"7"},
        {VT_UINT, L"8", TRUE, L"8"},
        {VT_BSTR, L"some text", TRUE, L"some text"},
        {VT_BOOL, L"True", TRUE, L"True"},
        {VT_BOOL, L"true", TRUE, L"False"},
        {VT_CY, L"12.5", TRUE, L"12.5"},
        {VT_CY, L"twelve", FALSE, L"0"},
        {VT_DATE, L"1/1/2000", FALSE, nullptr},
        {VT_ERROR, L"1", FALSE, L""},
    };
    CGTGridCtrl grid;
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message() << test.type << " " << ::testing::PrintToString(std::wstring(test.text)));
        VARIANT value = Typed(test.type);
        CGTGridRow row(1, 0);
        row.SetOwnerList(&grid);
        CGTGridItem* item = new CGTGridItem(value);
        ::VariantClear(&value);
        row.AddItem(item);
        EXPECT_EQ(test.accepted, item->TextToVar(test.text));
        EXPECT_EQ(test.type, item->GetValue().vt);
        if (test.shown != nullptr) {
            EXPECT_STREQ(test.shown, item->FormatItem());
        }
    }
}

TEST(GridCells, AValueThatCannotBeCopiedIsRefusedAndTheOldOneKept)
{
    VARIANT bad;
    ::VariantInit(&bad);
    bad.vt = 0x0FFF;
    auto refused = [](auto iAttempt) {
        try {
            iAttempt();
        } catch (COleException* error) {
            const SCODE code = error->m_sc;
            error->Delete();
            return code;
        }
        return S_OK;
    };
    EXPECT_EQ(DISP_E_BADVARTYPE, refused([&] { CGTGridItem made(bad); }));
    CGTGridItem item(Long(42));
    EXPECT_EQ(DISP_E_BADVARTYPE, refused([&] { item.SetValue(bad); }));
    EXPECT_EQ(VT_I4, item.GetValue().vt);
    EXPECT_EQ(42, item.GetValue().lVal);
}

TEST(GridCells, ABooleanCellShowsTheGridsTextsAndOpensNoEditor)
{
    CGTGridCtrl grid;
    grid.SetBoolTexts(L"Yes", L"No");
    VARIANT value = Typed(VT_BOOL);
    value.boolVal = VARIANT_TRUE;
    CGTGridRow row(1, 0);
    row.SetOwnerList(&grid);
    CGTGridItem* item = new CGTGridItem(value);
    row.AddItem(item);
    EXPECT_STREQ(L"Yes", item->FormatItem());
    EXPECT_FALSE(item->IsAllowEdit());
    EXPECT_TRUE(item->HasButton());
    EXPECT_FALSE(item->OnEdit(nullptr));
    EXPECT_TRUE(item->TextToVar(L"Yes"));
    EXPECT_TRUE(item->TextToVar(L"True")) << "any other text parses as false";
    EXPECT_STREQ(L"No", item->FormatItem());
}

TEST(GridRows, NameJoinsTheCellsWithTheSeparator)
{
    CGTGridCtrl grid;
    grid.SetListSeparator(L';');
    CGTGridRow row(2, 0);
    row.SetOwnerList(&grid);
    EXPECT_STREQ(L"There is no items in this row.", row.GetName());
    VARIANT text = Text(L"a");
    row.AddItem(new CGTGridItem(Long(1)));
    row.AddItem(new CGTGridItem(text));
    ::VariantClear(&text);
    EXPECT_STREQ(L"1; a", row.GetName());
    EXPECT_EQ(1, row.GetItem(1)->GetColumnId());
}

TEST(GridRows, TreeOfSubRows)
{
    CGTGridCtrl grid;
    CGTGridRow root(0, 0);
    CGTGridRow* child = new CGTGridRow(0, 0);
    CGTGridRow* grandChild = new CGTGridRow(0, 0);
    child->SetRowId(1);
    grandChild->SetRowId(2);
    child->AddSubRow(grandChild);
    root.AddSubRow(child);
    root.SetOwnerList(&grid);
    EXPECT_EQ(&grid, grandChild->GetOwnerList());
    EXPECT_EQ(grandChild, root.FindSubRowById(2));
    EXPECT_EQ(nullptr, root.FindSubRowById(3));
    EXPECT_TRUE(root.IsSubRow(grandChild));
    EXPECT_FALSE(child->IsSubRow(&root));
    EXPECT_EQ(2, grandChild->GetHierarchyLevel());

    grandChild->Expand(FALSE);
    EXPECT_TRUE(grandChild->IsExpanded()) << "a row without sub-rows does not change";
    root.Expand(FALSE);
    EXPECT_FALSE(root.IsExpanded());
    EXPECT_FALSE(grandChild->IsParentExpanded());
    EXPECT_TRUE(child->IsExpanded());
}

TEST(GridRows, ReplaceItemOutOfRangeFreesNothing)
{
    CGTGridCtrl grid;
    CGTGridRow row(1, 0);
    row.SetOwnerList(&grid);
    row.SetRowId(4);
    row.AddItem(new TestItem(Long(1)));
    TestItem::s_Deleted = 0;
    std::unique_ptr<TestItem> stray(new TestItem(Long(2)));
    EXPECT_FALSE(row.ReplaceItem(1, stray.get()));
    EXPECT_FALSE(row.ReplaceItem(-1, stray.get()));
    EXPECT_FALSE(row.ReplaceItem(0, nullptr));
    EXPECT_TRUE(row.ReplaceItem(0, row.GetItem(0))) << "a cell in its own place";
    EXPECT_EQ(0, TestItem::s_Deleted);
    EXPECT_STREQ(L"1", row.GetItem(0)->FormatItem());
    grid.SetLastChangedRow(-1);
    EXPECT_EQ(-1, grid.GetLastChangedRow());

    row.GetItem(0)->SetRect(CRect(5, 0, 50, 20));
    EXPECT_TRUE(row.ReplaceItem(0, stray.release()));
    EXPECT_EQ(1, TestItem::s_Deleted);
    EXPECT_EQ(4, grid.GetLastChangedRow());
    EXPECT_EQ(CRect(5, 0, 50, 20), row.GetItem(0)->GetRect());
    EXPECT_STREQ(L"2", row.GetItem(0)->FormatItem());
}

TEST(GridRows, HitTestAreasWithIndent)
{
    CGTGridCtrl grid;
    grid.SetRowHeight(20);
    CGTGridRow parent(0, 0);
    CGTGridRow* group = new CGTGridRow(CString(L"Group"), 0);
    parent.AddSubRow(group);
    parent.SetOwnerList(&grid);
    group->SetRect(CRect(0, 0, 200, 20));
    CGTGridRow row(1, 0);
    row.SetOwnerList(&grid);
    row.SetRect(CRect(0, 20, 200, 40));
    row.AddItem(new CGTGridItem(Long(1)));
    row.GetItem(0)->SetRect(CRect(50, 20, 100, 40));

    struct Case {
        const CGTGridRow* row;
        CPoint point;
        int area;
        int column;
    };
    const Case cases[] = {
        {group, CPoint(25, 5), GTGridHitExpandBox, -1},  // one level in: the box is at 20..40
        {group, CPoint(5, 5), GTGridHitRow, -1},
        {&row, CPoint(100, 25), GTGridHitValue, 0},  // one pixel right of the cell still hits it
        {&row, CPoint(150, 25), GTGridHitRow, -1},
    };
    for (const Case& test : cases) {
        int column = 7, area = 7;
        CGTGridItem* item = nullptr;
        EXPECT_EQ(test.row, test.row->HitTest(test.point, column, item, area)) << test.point.x;
        EXPECT_EQ(test.area, area) << test.point.x;
        EXPECT_EQ(test.column, column) << test.point.x;
        EXPECT_EQ(test.column >= 0, item != nullptr);
    }
    int column, area;
    CGTGridItem* item;
    EXPECT_EQ(nullptr, row.HitTest(CPoint(5, 5), column, item, area));
}

TEST(GridCells, ButtonEditAndSpinRectangles)
{
    CGTGridCtrl grid;
    CGTGridRow row(2, 0);
    row.SetOwnerList(&grid);
    row.AddItem(new TestItem(Long(1), GTGridEditList));
    row.AddItem(new TestItem(Long(1), GTGridEditSpin));
    CGTGridItem* listCell = row.GetItem(0);
    CGTGridItem* spinCell = row.GetItem(1);
    listCell->SetRect(CRect(0, 0, 100, 20));
    spinCell->SetRect(CRect(0, 0, 100, 20));

    listCell->ShowButton(TRUE);
    EXPECT_EQ(CRect(83, 1, 100, 20), listCell->GetButtonRect());
    CRect edit, spin;
    listCell->AdjustInPlaceEditRect(edit, spin);
    EXPECT_EQ(CRect(3, 2, 82, 18), edit);
    EXPECT_TRUE(spin.IsRectEmpty());

    spinCell->AdjustInPlaceEditRect(edit, spin);
    EXPECT_EQ(CRect(79, 1, 99, 19), spin);
    EXPECT_EQ(CRect(3, 2, 79, 18), edit);

    listCell->ShowButton(FALSE);
    EXPECT_TRUE(listCell->GetButtonRect().IsRectEmpty());
    grid.SetReadOnly(TRUE);
    listCell->ShowButton(TRUE);
    EXPECT_TRUE(listCell->GetButtonRect().IsRectEmpty()) << "only an editable grid shows buttons";
}

TEST(GridCtrl, FactoriesMakeCellsOfTheColumnsClass)
{
    CGTGridCtrl grid;
    grid.SetColumnItemClass(1, RUNTIME_CLASS(CGTGridItem));
    std::unique_ptr<CGTGridRow> row(grid.CreateRow(3));
    ASSERT_EQ(3, row->GetItemCount());
    EXPECT_EQ(&grid, row->GetOwnerList());
    EXPECT_EQ(2, row->GetItem(2)->GetColumnId());
    EXPECT_FALSE(row->IsGroup());

    std::unique_ptr<CGTGridRow> caption(grid.CreateCaptionRow(L"Europe"));
    EXPECT_TRUE(caption->IsGroup());
    ASSERT_EQ(1, caption->GetItemCount());
    EXPECT_EQ(VT_BSTR, caption->GetItem(0)->GetValue().vt);
    EXPECT_FALSE(caption->GetItem(0)->IsEnabled());
    EXPECT_STREQ(L"Europe", caption->GetItem(0)->FormatItem());
}

TEST(GridCells, AColourCellStoresTheColourAsANumberAndReportsChanges)
{
    struct Grid : CGTGridCtrl {
        void OnItemChanged(CGTGridItem*, int, int) override { ++m_Changes; }
        int m_Changes = 0;
    } grid;
    CGTGridRow row(1, 0);
    row.SetOwnerList(&grid);
    CGTGridColorItem* item = new CGTGridColorItem(RGB(1, 2, 3));
    row.AddItem(item);
    EXPECT_TRUE(item->IsKindOf(RUNTIME_CLASS(CGTGridColorItem)));
    item->SetColor(RGB(4, 5, 6));
    EXPECT_EQ(RGB(4, 5, 6), item->GetColor());
    EXPECT_EQ(VT_I4, item->GetValue().vt);
    EXPECT_EQ((LONG)RGB(4, 5, 6), item->GetValue().lVal);
    EXPECT_EQ(1, grid.m_Changes);
    item->SetColor(RGB(4, 5, 6));
    EXPECT_EQ(1, grid.m_Changes) << "the same colour is no change";
}
