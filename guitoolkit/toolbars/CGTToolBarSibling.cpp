// A bar and the sibling the application pairs it with: docked on one dock bar, the two share
// a row or take one each, as the chevron's row item asks.
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTDockBarRow.h>

void CGTToolBar::SetSiblingToolBar(CGTToolBar* iSibling)
{
    if (m_SiblingToolBar != nullptr)
        m_SiblingToolBar->m_SiblingToolBar = nullptr;
    m_SiblingToolBar = iSibling;
    if (iSibling == nullptr)
        return;
    if (iSibling->m_SiblingToolBar != nullptr)
        iSibling->m_SiblingToolBar->m_SiblingToolBar = nullptr;
    iSibling->m_SiblingToolBar = this;
}

BOOL CGTToolBar::CanArrangeWithSibling() const
{
    return m_SiblingToolBar != nullptr && GetParentDockBar() != nullptr && m_DockRow != nullptr &&
        m_SiblingToolBar->GetParentDockBar() == GetParentDockBar() && m_SiblingToolBar->m_DockRow != nullptr;
}

BOOL CGTToolBar::IsOneRowWithSibling() const
{
    return CanArrangeWithSibling() && m_SiblingToolBar->m_DockRow == m_DockRow;
}

void CGTToolBar::SetOneRowWithSibling()
{
    if (!CanArrangeWithSibling() || IsOneRowWithSibling())
        return;
    CGTDockBar* dockBar = GetParentDockBar();
    CGTToolBar* sibling = m_SiblingToolBar;
    sibling->m_DockRow->RemoveBar(sibling);
    CRect mine;
    GetWindowRect(&mine);
    dockBar->ScreenToClient(&mine);
    const CSize size = sibling->GetStretchLimit(FALSE, dockBar->IsHorizontal());
    const CRect after = dockBar->IsHorizontal() ? CRect(CPoint(mine.right, mine.top), size)
                                                : CRect(CPoint(mine.left, mine.bottom), size);
    m_DockRow->PlaceBarAt(sibling, GTDockByRect, &after);
    m_DockRow->ArrangeBars(sibling);
    dockBar->AdjustFrameLayout();
}

void CGTToolBar::SetTwoRowsWithSibling()
{
    if (!IsOneRowWithSibling())
        return;
    CGTDockBar* dockBar = GetParentDockBar();
    CGTToolBar* sibling = m_SiblingToolBar;
    m_DockRow->RemoveBar(sibling);
    const CObList& rows = dockBar->GetRows();
    POSITION next = rows.Find(m_DockRow);
    rows.GetNext(next);
    auto* before = next != nullptr ? static_cast<CGTDockBarRow*>(rows.GetAt(next)) : nullptr;
    CGTDockBarRow* row = dockBar->InsertRow(before, dockBar->NeededThickness(*sibling));
    if (row == nullptr)
        return;
    row->PlaceBarAt(sibling, GTDockByRect, nullptr);
    dockBar->AdjustFrameLayout();
}
