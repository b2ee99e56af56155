#include "GridTestSupport.h"
#include <guitoolkit/controls/CGTGridColumnChooser.h>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>

namespace {

// A grid of three columns whose layout is saved under a scratch profile.
class GridState : public GridWindowTest {
protected:
    void SetUp() override
    {
        GridWindowTest::SetUp();
        m_Grid.InsertColumn(2, L"Size", 80);
        m_Grid.AdjustLayout();
    }
    CString Profile() const { return m_Scratch.Path(); }
    std::vector<BYTE> IntArray(std::initializer_list<int> iValues) const
    {
        std::vector<BYTE> bytes = {(BYTE)iValues.size(), 0};
        for (int value : iValues)
            for (int shift = 0; shift < 32; shift += 8)
                bytes.push_back((BYTE)(value >> shift));
        return bytes;
    }

    ScratchRegistryKey m_Scratch{L"GtGridState"};
};

}  // namespace

TEST_F(GridState, SavesSixValuesUnderTheIndexedKey)
{
    m_Grid.GetColumnsInfo().SetColumnVisible(1, FALSE);
    ASSERT_TRUE(m_Grid.SaveState(Profile(), 1));
    ASSERT_TRUE(m_Scratch.HasKey(L"VADEGrid-1"));
    EXPECT_EQ(IntArray({1, 0, 1}), m_Scratch.Bytes(L"VADEGrid-1", L"Columns"));
    EXPECT_EQ(IntArray({150, 100, 80}), m_Scratch.Bytes(L"VADEGrid-1", L"ColumnWidth"));
    EXPECT_EQ(IntArray({0, 2}), m_Scratch.Bytes(L"VADEGrid-1", L"ColumnOrder"));
    EXPECT_EQ((std::vector<BYTE>{0, 0}), m_Scratch.Bytes(L"VADEGrid-1", L"Groupping"));
    EXPECT_EQ(16u, m_Scratch.Bytes(L"VADEGrid-1", L"LastFieldChooserPos").size());
    EXPECT_EQ(4u, m_Scratch.Bytes(L"VADEGrid-1", L"IsFieldChooserVisible").size());
}

TEST_F(GridState, ALayoutOfAnotherColumnCountChangesNothing)
{
    EXPECT_FALSE(m_Grid.LoadState(Profile(), 0)) << "nothing saved";
    m_Grid.GetColumnsInfo().SetColumnVisible(0, FALSE);
    ASSERT_TRUE(m_Grid.SaveState(Profile(), 0));
    m_Grid.GetColumnsInfo().SetColumnVisible(0, TRUE);
    m_Grid.InsertColumn(3, L"Extra", 40);
    EXPECT_FALSE(m_Grid.LoadState(Profile(), 0));
    EXPECT_TRUE(m_Grid.GetColumnsInfo().IsColumnVisible(0));
}

TEST_F(GridState, ARoundTripRestoresTheLayoutAndTheChooserOnTheFirstPaint)
{
    CGTGridColumnsInfo& columns = m_Grid.GetColumnsInfo();
    columns.SetColumnVisible(1, FALSE);
    columns.SetColumnWidth(2, 95);
    columns.ChangeColumnOrder(0, 2);
    columns.AddGroupColumn(0);
    m_Grid.SetColumnChooserRect(CRect(40, 50, 240, 250));
    m_Grid.ShowColumnChooser(TRUE);
    const CRect chooser = m_Grid.GetColumnChooserRect();
    ASSERT_TRUE(m_Grid.SaveState(Profile(), 2));

    GridParent parent;
    CGTGridCtrl loaded;
    ASSERT_TRUE(loaded.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &parent, 1));
    for (LPCWSTR name : {L"Name", L"Count", L"Size"})
        loaded.InsertColumn(loaded.GetColumnCount(), name, 60);
    ASSERT_TRUE(loaded.LoadState(Profile(), 2));
    CGTGridColumnsInfo& restored = loaded.GetColumnsInfo();
    EXPECT_FALSE(restored.IsColumnVisible(1));
    EXPECT_EQ(150, restored.GetColumnDefaultWidth(0));
    EXPECT_EQ(95, restored.GetColumnDefaultWidth(2));
    CArray<int, int> order;
    restored.GetColumnOrderArray(order);
    ASSERT_EQ(2, order.GetSize());
    EXPECT_EQ(2, order[0]);
    EXPECT_EQ(0, order[1]);
    EXPECT_EQ(0, restored.GetGroupColumn(0));
    EXPECT_EQ(chooser, loaded.GetColumnChooserRect());
    loaded.UpdateWindow();
    ASSERT_NE(nullptr, loaded.GetColumnChooser());
    EXPECT_TRUE(loaded.GetColumnChooser()->IsWindowVisible());
    loaded.DestroyWindow();
}

TEST_F(GridState, CorruptValuesAreDroppedAndTheRestLoads)
{
    struct Case {
        const char* name;
        LPCWSTR value;
        std::vector<BYTE> bytes;
        std::vector<int> order;
        std::vector<int> groups;
    };
    const std::vector<Case> cases = {
        {"order 99", L"ColumnOrder", IntArray({2, 99, 0}), {2, 0}, {1}},
        {"repeated order entry", L"ColumnOrder", IntArray({2, 2, 0}), {2, 0}, {1}},
        {"hidden column in the order", L"ColumnOrder", IntArray({1, 2, 0}), {2, 0}, {1}},
        {"order missing a column", L"ColumnOrder", IntArray({2}), {2, 0}, {1}},
        {"truncated order", L"ColumnOrder", {3, 0, 2, 0, 0, 0}, {0, 2}, {1}},
        {"group 42", L"Groupping", IntArray({42, 1}), {2, 0}, {1}},
        {"repeated group and a gap", L"Groupping", IntArray({1, -1, 1}), {2, 0}, {1, -1}},
    };
    m_Grid.GetColumnsInfo().SetColumnVisible(1, FALSE);
    m_Grid.GetColumnsInfo().ChangeColumnOrder(0, 2);
    m_Grid.GetColumnsInfo().AddGroupColumn(1);
    for (const Case& test : cases) {
        ASSERT_TRUE(m_Grid.SaveState(Profile(), 3));
        m_Scratch.StoreBinary(L"VADEGrid-3", test.value, test.bytes);
        CGTGridCtrl loaded;
        for (LPCWSTR name : {L"Name", L"Count", L"Size"})
            loaded.InsertColumn(loaded.GetColumnCount(), name, 60);
        ASSERT_TRUE(loaded.LoadState(Profile(), 3)) << test.name;
        CArray<int, int> order;
        loaded.GetColumnsInfo().GetColumnOrderArray(order);
        EXPECT_EQ(test.order, std::vector<int>(order.GetData(), order.GetData() + order.GetSize())) << test.name;
        std::vector<int> groups;
        for (int i = 0; i < loaded.GetColumnsInfo().GetGroupColumnCount(); ++i)
            groups.push_back(loaded.GetColumnsInfo().GetGroupColumn(i));
        EXPECT_EQ(test.groups, groups) << test.name;
        EXPECT_FALSE(loaded.GetColumnsInfo().IsColumnVisible(1)) << test.name;
        EXPECT_EQ(80, loaded.GetColumnsInfo().GetColumnDefaultWidth(2)) << test.name;
    }
}

TEST_F(GridState, ANegativeWidthKeepsTheColumnsOwn)
{
    ASSERT_TRUE(m_Grid.SaveState(Profile(), 4));
    m_Scratch.StoreBinary(L"VADEGrid-4", L"ColumnWidth", IntArray({-5, 70, 80}));
    ASSERT_TRUE(m_Grid.LoadState(Profile(), 4));
    EXPECT_EQ(150, m_Grid.GetColumnsInfo().GetColumnDefaultWidth(0));
    EXPECT_EQ(70, m_Grid.GetColumnsInfo().GetColumnDefaultWidth(1));
}
