// Sorting and grouping: comparing cells and rows, building the shown list with its
// caption rows, and the header click that changes the sort.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/controls/GTGridValueOrder.h>
#include <algorithm>
#include <cmath>
#include <cwchar>

namespace {

template <class Value>
int Order(Value iFirst, Value iSecond)
{
    return iFirst < iSecond ? -1 : (iSecond < iFirst ? 1 : 0);
}

// A value that is not a number comes after every number, and two of them are equal: the sort
// needs one consistent order, which "unordered is after" in both directions is not.
template <class Value>
int OrderOfReals(Value iFirst, Value iSecond)
{
    const bool firstNaN = std::isnan(iFirst), secondNaN = std::isnan(iSecond);
    if (firstNaN || secondNaN)
        return Order(firstNaN, secondNaN);
    return Order(iFirst, iSecond);
}

}  // namespace

BOOL GTGridValueOrder(const VARIANT& iFirst, const VARIANT& iSecond, int& oOrder)
{
    if (iFirst.vt != iSecond.vt)
        return FALSE;
    switch (iFirst.vt) {
    case VT_I2:
        oOrder = Order(iFirst.iVal, iSecond.iVal);
        return TRUE;
    case VT_UI2:
        oOrder = Order(iFirst.uiVal, iSecond.uiVal);
        return TRUE;
    case VT_I4:
    case VT_INT:
        oOrder = Order(iFirst.lVal, iSecond.lVal);
        return TRUE;
    case VT_UI4:
    case VT_UINT:
        oOrder = Order(iFirst.ulVal, iSecond.ulVal);
        return TRUE;
    case VT_I8:
        oOrder = Order(iFirst.llVal, iSecond.llVal);
        return TRUE;
    case VT_UI8:
        oOrder = Order(iFirst.ullVal, iSecond.ullVal);
        return TRUE;
    case VT_UI1:
        oOrder = Order(iFirst.bVal, iSecond.bVal);
        return TRUE;
    case VT_BOOL:
        oOrder = Order(iFirst.boolVal != VARIANT_FALSE, iSecond.boolVal != VARIANT_FALSE);
        return TRUE;
    case VT_R4:
        oOrder = OrderOfReals(iFirst.fltVal, iSecond.fltVal);
        return TRUE;
    case VT_R8:
    case VT_DATE:
        oOrder = OrderOfReals(iFirst.dblVal, iSecond.dblVal);
        return TRUE;
    case VT_BSTR:
        oOrder = Order(std::wcscmp(iFirst.bstrVal ? iFirst.bstrVal : L"", iSecond.bstrVal ? iSecond.bstrVal : L""), 0);
        return TRUE;
    default:
        return FALSE;
    }
}

int CGTGridCtrl::CompareItems(CGTGridItem* iItem1, CGTGridItem* iItem2)
{
    int order = 0;
    if (GTGridValueOrder(iItem1->GetValue(), iItem2->GetValue(), order))
        return order;
    const CString text1 = iItem1->FormatItem();
    const CString text2 = iItem2->FormatItem();
    if (!text1.IsEmpty() || !text2.IsEmpty())
        return text1.Compare(text2);
    // Two empty cells keep a fixed order by their images.
    return Order(iItem1->GetImage(), iItem2->GetImage());
}

int CGTGridCtrl::CompareRows(CGTGridRow* iRow1, CGTGridRow* iRow2, int iColumn)
{
    if (!iRow1->HasValueField() || !iRow2->HasValueField())
        return 0;
    const int direction = m_Columns.GetColumnSortDirection(iColumn);
    if (direction == 0 && !m_Columns.IsGroupColumn(iColumn))
        return 0;
    int result = 0;
    if (iColumn >= 0 && iColumn < iRow1->GetItemCount() && iColumn < iRow2->GetItemCount())
        result = CompareItems(iRow1->GetItem(iColumn), iRow2->GetItem(iColumn));
    return direction >= 0 ? result : -result;
}

int CGTGridCtrl::CompareGroups(CGTGridRow* iRow1, CGTGridRow* iRow2, int iColumn)
{
    const int first = GetGroupNumber(iRow1, iColumn);
    const int second = GetGroupNumber(iRow2, iColumn);
    if (first == -1 && second == -1)
        return CompareRows(iRow1, iRow2, iColumn);
    const int direction = m_Columns.GetColumnSortDirection(iColumn);
    if (direction == 0 && !m_Columns.IsGroupColumn(iColumn))
        return 0;
    return direction >= 0 ? first - second : second - first;
}

void CGTGridCtrl::GetGroupName(CString& oCaption, int iColumn, CGTGridItem* iItem)
{
    oCaption.Format(L"%s: %s", (LPCWSTR)GetColumnName(iColumn), iItem != nullptr ? (LPCWSTR)iItem->FormatItem() : L"");
}

int CGTGridCtrl::GetGroupNumber(CGTGridRow*, int)
{
    return -1;
}

CString CGTGridCtrl::GetGroupNameByNumber(int, int)
{
    return CString();
}

BOOL CGTGridCtrl::GetGroupRowText(CGTGridRow* iRow, CString& oText)
{
    if (iRow == nullptr || !iRow->IsGroupCaption() || iRow->GetItemCount() == 0)
        return FALSE;
    oText = iRow->GetItem(0)->FormatItem();
    return !oText.IsEmpty();
}

void CGTGridCtrl::RebuildShownList()
{
    SetCurSel(-1, -1, 0, FALSE);
    m_CurrentRow = nullptr;
    m_CurrentItem = nullptr;
    FreeGroupRows(1);
    m_Shown.RemoveAll();
    CArray<CGTGridRow*, CGTGridRow*> rows;
    rows.SetSize(0, m_Rows.GetSize());
    for (INT_PTR i = 0; i < m_Rows.GetSize(); ++i)
        CollectRows(m_Rows[i], rows);
    if (IsRowListShown()) {
        m_Shown.Copy(rows);
    } else {
        CArray<int, int> keys;
        m_Columns.GetSortKeyColumns(keys);
        const int groups = m_Columns.GetGroupColumnCount();
        // Without multi-column sort one column orders the rows.
        if (!m_Columns.m_MultiSort && groups == 0 && keys.GetSize() > 1)
            keys.SetSize(1);
        for (INT_PTR i = 0; i < rows.GetSize(); ++i)
            rows[i]->SetRowId(-1);
        // A stable sort: rows with equal keys keep the order in which they were added.
        std::stable_sort(rows.GetData(), rows.GetData() + rows.GetSize(), [&](CGTGridRow* iFirst, CGTGridRow* iSecond) {
            for (INT_PTR k = 0; k < keys.GetSize(); ++k) {
                const int result =
                    k < groups ? CompareGroups(iFirst, iSecond, keys[k]) : CompareRows(iFirst, iSecond, keys[k]);
                if (result != 0)
                    return result < 0;
            }
            return false;
        });
        if (groups > 0)
            MakeGroupRows(rows, keys, groups);
        else
            m_Shown.Copy(rows);
    }
    FreeGroupRows(2);
    m_RowsChanged = FALSE;
}

void CGTGridCtrl::MakeGroupRows(const CArray<CGTGridRow*, CGTGridRow*>& iRows, const CArray<int, int>& iKeys,
                                int iGroups)
{
    CArray<CGTGridRow*, CGTGridRow*> open;
    open.SetSize(iGroups);
    m_Shown.SetSize(0, iRows.GetSize());
    CGTGridRow* previous = nullptr;
    for (INT_PTR i = 0; i < iRows.GetSize(); ++i) {
        CGTGridRow* row = iRows[i];
        int level = 0;
        while (previous != nullptr && level < iGroups && CompareGroups(previous, row, iKeys[level]) == 0)
            ++level;
        for (; level < iGroups; ++level) {
            open[level] = CreateGroupRow(row, iKeys[level], level > 0 ? open[level - 1] : nullptr);
            m_Shown.Add(open[level]);
        }
        row->SetGroupRow(open[iGroups - 1]);
        m_Shown.Add(row);
        previous = row;
    }
}

CGTGridRow* CGTGridCtrl::CreateGroupRow(CGTGridRow* iRow, int iColumn, CGTGridRow* iOuter)
{
    const int number = GetGroupNumber(iRow, iColumn);
    CString caption;
    if (number == -1)
        GetGroupName(caption, iColumn,
                     iColumn >= 0 && iColumn < iRow->GetItemCount() ? iRow->GetItem(iColumn) : nullptr);
    else
        caption = GetGroupNameByNumber(number, iColumn);
    CGTGridRow* group = CreateCaptionRow(caption);
    group->SetFlags(group->GetFlags() | GTGridGroupCaptionFlag);
    group->SetOwnerList(this);
    group->SetGroupRow(iOuter);
    m_GroupRows.Add(group);
    return group;
}

void CGTGridCtrl::FreeGroupRows(int iMode)
{
    auto unlinkMembers = [this]() {
        for (INT_PTR i = 0; i < m_Shown.GetSize(); ++i)
            if (!m_Shown[i]->IsGroupCaption())
                m_Shown[i]->SetGroupRow(nullptr);
    };
    if (iMode == 1) {
        unlinkMembers();
        m_OldGroupRows.Append(m_GroupRows);
        m_GroupRows.RemoveAll();
        return;
    }
    for (INT_PTR i = 0; i < m_OldGroupRows.GetSize(); ++i)
        delete m_OldGroupRows[i];
    m_OldGroupRows.RemoveAll();
    if (iMode != 0)
        return;
    unlinkMembers();
    for (INT_PTR i = 0; i < m_GroupRows.GetSize(); ++i)
        delete m_GroupRows[i];
    m_GroupRows.RemoveAll();
}

void CGTGridCtrl::SetSortColumn(int iColumn, BOOL iAscending, BOOL iAdd)
{
    if (!(iAdd && m_Columns.m_MultiSort))
        m_Columns.RemoveAllSortColumns();
    m_Columns.SetSortDirection(iColumn, iAscending ? 1 : -1);
    MarkRowsChanged();
}

void CGTGridCtrl::Sort(int iColumn, BOOL iAscending, BOOL iAdd)
{
    CWaitCursor wait;
    SetSortColumn(iColumn, iAscending, iAdd);
    SelectRow(nullptr, TRUE);
    // The owner sorts a virtual grid's rows: the ones built in the old order go.
    if (m_VirtualMode)
        m_Cache.CleanUp();
    if (GetSafeHwnd() == nullptr)
        return;
    MarkRowsChanged();
    AdjustLayout();
}

void CGTGridCtrl::SortByHeaderClick(int iColumn)
{
    if (!(m_HeaderFlags & GTGridHeaderSortClick))
        return;
    const int direction = m_Columns.GetColumnSortDirection(iColumn);
    if (m_Columns.m_MultiSort && direction > 0) {
        m_Columns.RemoveSortColumn(iColumn);
        MarkRowsChanged();
        AdjustLayout();
        return;
    }
    // Unsorted and ascending columns sort descending, descending ones ascending.
    Sort(iColumn, direction < 0, m_Columns.m_MultiSort);
}

int CGTGridCtrl::InsertGroupColumn(int iPosition, int iColumn)
{
    if (m_VirtualMode || iColumn < 0 || iColumn >= GetColumnCount())
        return -1;
    const int position = m_Columns.InsertGroupColumn(iPosition, iColumn);
    if (position >= 0) {
        MarkRowsChanged();
        AdjustLayout();
    }
    return position;
}
