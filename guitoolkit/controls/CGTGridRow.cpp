#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <afxctrls.h>
#include <afxcmn.h>

IMPLEMENT_DYNCREATE(CGTGridRow, CObject)

CGTGridRow::CGTGridRow() : CGTGridRow(0, 0) {}

CGTGridRow::CGTGridRow(const CString&, DWORD_PTR iData) : CGTGridRow(0, iData)
{
    m_Group = TRUE;
}

CGTGridRow::CGTGridRow(int, DWORD_PTR iData)
    : m_Grid(nullptr), m_Data(iData), m_Rect(0, 0, 0, 0), m_InEdit(FALSE), m_Group(FALSE), m_Expanded(TRUE), m_Flags(0),
      m_Parent(nullptr), m_GroupRow(nullptr), m_SubRows(10), m_Id(-1)
{
}

CGTGridRow::~CGTGridRow()
{
    while (!m_SubRows.IsEmpty())
        delete m_SubRows.RemoveHead();
    for (INT_PTR i = m_Items.GetSize() - 1; i >= 0; --i)
        delete m_Items[i];
}

CGTGridItem* CGTGridRow::CreateItem(int iRow, int iColumn)
{
    return m_Grid != nullptr ? m_Grid->CreateItem(iRow, iColumn) : nullptr;
}

void CGTGridRow::AddItem(CGTGridItem* iItem)
{
    iItem->SetOwnerRow(this);
    iItem->SetColumn((int)m_Items.GetSize());
    m_Items.Add(iItem);
}

void CGTGridRow::AddSubRow(CGTGridRow* iRow)
{
    iRow->m_Parent = this;
    iRow->SetOwnerList(m_Grid);
    m_SubRows.AddTail(iRow);
}

BOOL CGTGridRow::ReplaceItem(int iIndex, CGTGridItem* iItem, BOOL iRedraw)
{
    if (iIndex < 0 || iIndex >= m_Items.GetSize() || iItem == nullptr)
        return FALSE;
    CGTGridItem* old = m_Items[iIndex];
    iItem->SetOwnerRow(this);
    iItem->SetColumn(iIndex);
    iItem->SetRect(old->GetRect());
    m_Items[iIndex] = iItem;
    // A cell put in its own place stays.
    if (old != iItem)
        delete old;
    if (m_Grid != nullptr)
        m_Grid->SetLastChangedRow(m_Id);
    RecalcButtons();
    if (iRedraw)
        iItem->Redraw();
    return TRUE;
}

void CGTGridRow::OnItemChanged(CGTGridItem* iItem, int iRow, int iColumn)
{
    if (m_Grid != nullptr)
        m_Grid->OnItemChanged(iItem, iRow, iColumn);
}

int CGTGridRow::GetHierarchyLevel() const
{
    int level = 0;
    for (const CGTGridRow* parent = m_Parent; parent != nullptr; parent = parent->m_Parent)
        ++level;
    for (const CGTGridRow* group = m_GroupRow; group != nullptr; group = group->m_GroupRow)
        ++level;
    return level;
}

CString CGTGridRow::GetName()
{
    if (!HasValueField() || m_Items.IsEmpty())
        return L"There is no items in this row.";
    const CString separator = CString(m_Grid != nullptr ? m_Grid->GetListSeparator() : L',') + L" ";
    CString name;
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i) {
        if (i > 0)
            name += separator;
        name += m_Items[i]->FormatItem();
    }
    return name;
}

BOOL CGTGridRow::HasValueField() const
{
    return TRUE;
}

BOOL CGTGridRow::IsParentExpanded() const
{
    for (const CGTGridRow* parent = m_Parent; parent != nullptr; parent = parent->m_Parent)
        if (!parent->m_Expanded)
            return FALSE;
    for (const CGTGridRow* group = m_GroupRow; group != nullptr; group = group->m_GroupRow)
        if (!group->m_Expanded)
            return FALSE;
    return TRUE;
}

void CGTGridRow::Expand(BOOL iExpand)
{
    // A caption row of grouping hides the rows of its group, which are no sub-rows.
    if (m_Expanded == iExpand || (m_SubRows.IsEmpty() && !IsGroupCaption()))
        return;
    m_Expanded = iExpand;
    if (m_Grid == nullptr || m_Grid->GetSafeHwnd() == nullptr)
        return;
    m_Grid->OnRowExpanded(this);
}

void CGTGridRow::Redraw()
{
    if (m_Grid == nullptr || m_Grid->GetSafeHwnd() == nullptr)
        return;
    m_Grid->InvalidateRect(m_Rect);
    for (POSITION position = m_SubRows.GetHeadPosition(); position != nullptr;)
        m_Grid->InvalidateRect(m_SubRows.GetNext(position)->m_Rect);
    if (!m_Grid->IsRedrawHeld())
        m_Grid->UpdateWindow();
}

void CGTGridRow::SetOwnerList(CGTGridCtrl* iGrid)
{
    m_Grid = iGrid;
    for (POSITION position = m_SubRows.GetHeadPosition(); position != nullptr;)
        m_SubRows.GetNext(position)->SetOwnerList(iGrid);
}

BOOL CGTGridRow::IsSubRow(const CGTGridRow* iRow) const
{
    for (POSITION position = m_SubRows.GetHeadPosition(); position != nullptr;) {
        const CGTGridRow* sub = m_SubRows.GetNext(position);
        if (sub == iRow || sub->IsSubRow(iRow))
            return TRUE;
    }
    return FALSE;
}

CGTGridRow* CGTGridRow::FindSubRowById(int iId) const
{
    for (POSITION position = m_SubRows.GetHeadPosition(); position != nullptr;) {
        CGTGridRow* sub = m_SubRows.GetNext(position);
        if (sub->m_Id == iId)
            return sub;
        if (CGTGridRow* found = sub->FindSubRowById(iId))
            return found;
    }
    return nullptr;
}

CRect CGTGridRow::GetExpandBoxRect() const
{
    const int height = m_Grid != nullptr ? m_Grid->GetRowHeight() : m_Rect.Height();
    const BOOL indented = m_Grid == nullptr || !m_Grid->IsSortingActive() || m_Grid->IsGrouping();
    const int left = m_Rect.left + (indented ? GetHierarchyLevel() * height : 0);
    return CRect(left, m_Rect.top, left + height, m_Rect.top + height);
}

CGTGridRow* CGTGridRow::HitTest(CPoint iPoint, int& oColumn, CGTGridItem*& oItem, int& oArea) const
{
    if (!m_Rect.PtInRect(iPoint))
        return nullptr;
    CGTGridRow* self = const_cast<CGTGridRow*>(this);
    oColumn = -1;
    oItem = nullptr;
    if (m_Group && GetExpandBoxRect().PtInRect(iPoint)) {
        oArea = GTGridHitExpandBox;
        return self;
    }
    if (HasValueField())
        for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
            if (CGTGridItem* item = m_Items[i]->HitTest(iPoint, &oArea)) {
                oColumn = (int)i;
                oItem = item;
                return self;
            }
    oArea = GTGridHitRow;
    return self;
}

void CGTGridRow::RecalcButtons()
{
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i) {
        CGTGridItem* item = m_Items[i];
        if (item->GetButtonRect().IsRectEmpty() || !item->HasButton())
            continue;
        item->AdjustButtonRect();
        if (m_Grid != nullptr && m_Grid->GetSafeHwnd() != nullptr)
            m_Grid->InvalidateRect(item->GetButtonRect());
    }
}

CWnd* CGTGridRow::GetInPlaceWnd() const
{
    for (INT_PTR i = 0; m_InEdit && i < m_Items.GetSize(); ++i)
        if (m_Items[i]->GetInPlaceWnd() != nullptr)
            return m_Items[i]->GetInPlaceWnd();
    return nullptr;
}

CWnd* CGTGridRow::GetComboWnd() const
{
    for (INT_PTR i = 0; m_InEdit && i < m_Items.GetSize(); ++i)
        if (m_Items[i]->GetComboWnd() != nullptr)
            return m_Items[i]->GetComboWnd();
    return nullptr;
}

CWnd* CGTGridRow::GetSpinWnd() const
{
    for (INT_PTR i = 0; m_InEdit && i < m_Items.GetSize(); ++i)
        if (m_Items[i]->GetSpinWnd() != nullptr)
            return m_Items[i]->GetSpinWnd();
    return nullptr;
}
