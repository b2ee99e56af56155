// The user's column layout in the registry: visibility, widths, display order, grouping
// and the column chooser.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/RegistrySectionPath.h>

namespace {

CString StateKey(LPCWSTR iProfile, int iIndex)
{
    CString key;
    key.Format(L"%sVADEGrid-%d", (LPCWSTR)BuildRegistrySectionPath(L"VADEGrids", iProfile), iIndex);
    return key;
}

}  // namespace

BOOL CGTGridCtrl::SaveState(LPCWSTR iProfile, int iIndex)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    if (!registry.CreateKey(StateKey(iProfile, iIndex)))
        return FALSE;
    CArray<int, int> visible, widths, order;
    for (int column = 0; column < GetColumnCount(); ++column) {
        visible.Add(m_Columns.IsColumnVisible(column));
        widths.Add(m_Columns.GetColumnDefaultWidth(column));
    }
    m_Columns.GetColumnOrderArray(order);
    CList<int, int> groups;
    for (int i = 0; i < m_Columns.GetGroupColumnCount(); ++i)
        groups.AddTail(m_Columns.GetGroupColumn(i));
    registry.WriteIntArray(L"Columns", visible);
    registry.WriteIntArray(L"ColumnWidth", widths);
    registry.WriteIntArray(L"ColumnOrder", order);
    registry.WriteIntList(L"Groupping", groups);
    registry.WriteRect(L"LastFieldChooserPos", m_ChooserRect);
    registry.WriteInt(L"IsFieldChooserVisible", m_ChooserShown);
    return TRUE;
}

BOOL CGTGridCtrl::LoadState(LPCWSTR iProfile, int iIndex)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    if (!registry.Open(StateKey(iProfile, iIndex)))
        return FALSE;
    // Everything is read before anything is applied: a layout of other columns changes nothing.
    CArray<int, int> visible, widths, order;
    CList<int, int> groups;
    const int count = GetColumnCount();
    if (!registry.ReadIntArray(L"Columns", visible) || !registry.ReadIntArray(L"ColumnWidth", widths) ||
        visible.GetSize() != count || widths.GetSize() != count)
        return FALSE;
    registry.ReadIntArray(L"ColumnOrder", order);
    registry.ReadIntList(L"Groupping", groups);
    CRect chooserRect = m_ChooserRect;
    RECT storedRect;
    if (registry.ReadRect(L"LastFieldChooserPos", storedRect))
        chooserRect = storedRect;
    int chooserShown = m_ChooserShown;
    registry.ReadInt(L"IsFieldChooserVisible", chooserShown);

    for (int column = 0; column < count; ++column) {
        m_Columns.SetColumnVisible(column, visible[column] != 0);
        if (widths[column] >= 0)
            m_Columns.SetColumnWidth(column, widths[column]);
    }
    m_Columns.SetColumnOrderArray(order);
    if (!IsVirtualMode())
        m_Columns.SetGroupColumns(groups);
    m_ChooserRect = chooserRect;
    if (m_Chooser != nullptr)
        ShowColumnChooser(chooserShown != 0);
    else
        m_ChooserShown = chooserShown != 0;
    MarkRowsChanged();
    AdjustLayout();
    return TRUE;
}
