// Editing the toolbar while the toolbars are being customized: buttons dragged over the bar,
// dropped on it, and drawn with the customize look.
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/GTButtonAppearance.h>
#include <memory>

DROPEFFECT CGTToolBar::OnDragEnter(COleDataObject* iData, DWORD iKeyState, CPoint iPoint)
{
    return OnDragOver(iData, iKeyState, iPoint);
}

DROPEFFECT CGTToolBar::OnDragOver(COleDataObject* iData, DWORD iKeyState, CPoint iPoint)
{
    if (m_Locked)
        return DROPEFFECT_NONE;
    const std::unique_ptr<CGTToolbarButton> probe(CGTToolbarButton::CreateFromOleData(iData));
    if (probe == nullptr || !probe->CanBeDropped(this))
        return DROPEFFECT_NONE;
    m_CopyDrag = (iKeyState & MK_CONTROL) != 0;
    if (m_DraggedButton == nullptr && m_SelectedIndex >= 0) {
        const int selected = m_SelectedIndex;
        m_SelectedIndex = -1;
        InvalidateButton(selected);
        UpdateWindow();
    }
    CRect mark;
    m_InsertionIndex = CalcInsertionMarkRect(iPoint, mark);
    if (mark != m_InsertionMark) {
        InvalidateInsertionMark();
        m_InsertionMark = mark;
        InvalidateInsertionMark();
        UpdateWindow();
    }
    const int hot = HitTest(iPoint);
    if (hot != m_HotIndex)
        SetHot(hot);
    if (m_InsertionIndex < 0)
        return DROPEFFECT_NONE;
    return m_CopyDrag ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CGTToolBar::OnDragLeave()
{
    InvalidateInsertionMark();
    UpdateWindow();
    m_InsertionIndex = -1;
    m_InsertionMark.SetRectEmpty();
}

void CGTToolBar::InvalidateInsertionMark()
{
    if (m_InsertionMark.IsRectNull() || GetSafeHwnd() == nullptr)
        return;
    CRect rect = m_InsertionMark;
    rect.InflateRect(2, 2);
    InvalidateRect(&rect, TRUE);
}

BOOL CGTToolBar::OnDrop(COleDataObject* iData, DROPEFFECT iEffect, CPoint iPoint)
{
    int index = m_InsertionIndex;
    if (index < 0)
        return FALSE;
    // Taken from the bar: the drag that started here finds it gone and removes nothing.
    CGTToolbarButton* dragged = m_DraggedButton;
    m_DraggedButton = nullptr;
    OnDragLeave();
    if (dragged != nullptr && GetButton(HitTest(iPoint)) == dragged)
        return FALSE;
    std::unique_ptr<CGTToolbarButton> button(CreateDroppedButton(iData));
    if (button == nullptr)
        return FALSE;
    if (!button->OnBeforeDrop(this))
        return TRUE;
    button->m_FromCommandList = FALSE;
    if (dragged != nullptr && iEffect != DROPEFFECT_COPY) {
        const int draggedIndex = ButtonToIndex(dragged);
        if (index == draggedIndex || index == draggedIndex + 1) {
            AdjustGroupSeparator(dragged, m_DragStart, iPoint);
            return TRUE;
        }
        // Removing can merge the separators around the dragged button as well, so a place to
        // its right is counted from the end: the buttons from the mark on stay as they are.
        const int fromEnd = GetButtonCount() - index;
        RemoveButton(draggedIndex);
        if (index > draggedIndex)
            index = GetButtonCount() - fromEnd;
        index = std::min(index, GetButtonCount());
    }
    CGTToolbarButton* inserted = button.get();
    if (InsertButton(inserted, index) < 0)
        return FALSE;
    button.release();
    AdjustLayout();
    if (CGTBaseTabWnd* tabs = GetHoldingTabWnd())
        if (auto* holder = DYNAMIC_DOWNCAST(CGTToolBar, tabs->GetParent()))
            holder->AdjustLayout();
    if (s_AltDrag)
        inserted->OnCloseParentPopups();
    m_SelectedIndex = -1;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return TRUE;
}

CGTToolbarButton* CGTToolBar::CreateDroppedButton(COleDataObject* iData)
{
    std::unique_ptr<CGTToolbarButton> button(CGTToolbarButton::CreateFromOleData(iData));
    if (button == nullptr)
        return nullptr;
    const int tab = button->m_Text.Find(L'\t');
    if (tab >= 0)
        button->m_Text = button->m_Text.Left(tab);
    if (button->m_FromCommandList) {
        button->m_ShowText = FALSE;
        button->m_ShowImage = TRUE;
        if (button->GetImage() < 0 && button->m_Text.IsEmpty() &&
            !CGTButtonAppearance::Current().Edit(*button, s_UserImages, this, m_MenuMode))
            return nullptr;
    }
    if (button->GetImage() < 0) {
        button->m_ShowText = TRUE;
        button->m_ShowImage = FALSE;
    }
    return button.release();
}

void CGTToolBar::DrawButtonItem(CDC* iDc, CGTToolbarButton* iButton, CGTToolBarImages* iImages, BOOL iHighlight,
                                BOOL iGrayDisabled)
{
    if (!iButton->IsVisible() || iButton->IsHiddenByLayout() || !iDc->RectVisible(&iButton->Rect()))
        return;
    const BOOL customizeLook = s_CustomizeMode && !s_AltDrag && !m_Locked;
    iButton->OnDraw(iDc, iButton->Rect(), iImages, IsHorizontal(), customizeLook, iHighlight, m_DrawBorder,
                    m_GrayDisabled && iGrayDisabled);
}
