// What a row passes on to its cells: painting, editing, mouse and keys.
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>

namespace {

// The glyph strip nearest to a text colour.
int NearestGlyphStyle(COLORREF iColor)
{
    const int styles[] = {CGTMenuGlyphs::Black, CGTMenuGlyphs::Grey, CGTMenuGlyphs::LightGrey, CGTMenuGlyphs::White,
                          CGTMenuGlyphs::DarkGrey};
    int best = CGTMenuGlyphs::Black;
    int bestDistance = INT_MAX;
    for (int style : styles) {
        const COLORREF color = CGTMenuGlyphs::StyleColor(style);
        const int distance = abs(GetRValue(color) - GetRValue(iColor)) + abs(GetGValue(color) - GetGValue(iColor)) +
            abs(GetBValue(color) - GetBValue(iColor));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = style;
        }
    }
    return best;
}

}  // namespace

CGTGridItem* CGTGridRow::CurrentItemOfThisRow() const
{
    CGTGridItem* item = m_Grid != nullptr ? m_Grid->GetCurSelItem() : nullptr;
    return item != nullptr && item->GetParentRow() == this ? item : nullptr;
}

void CGTGridRow::OnDrawItems(CDC* iDc, CRect iClip)
{
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i) {
        CGTGridItem* item = m_Items[i];
        CRect cell = item->GetRect();
        cell.NormalizeRect();
        CRect visible;
        if (!visible.IntersectRect(cell, iClip))
            continue;
        // Clipped, not shrunk: a cell partly shown keeps its text where the whole cell has it.
        const int saved = iDc->SaveDC();
        iDc->IntersectClipRect(visible);
        item->OnDrawValue(iDc, cell);
        if (!item->GetButtonRect().IsRectEmpty())
            item->OnDrawButton(iDc, item->GetButtonRect());
        iDc->RestoreDC(saved);
    }
}

CString CGTGridRow::CaptionText() const
{
    const CString caption = !m_Items.IsEmpty() ? m_Items[0]->FormatItem() : CString();
    return caption.IsEmpty() ? CString(L"Group") : caption;
}

void CGTGridRow::OnDrawName(CDC* iDc, CRect iRect)
{
    const CGTGridLook* look = m_Grid != nullptr ? &m_Grid->GetColorTheme().m_GroupCaptions : nullptr;
    if (look == nullptr || !m_Grid->PaintLook(iDc, iRect, *look))
        iDc->FillRect(iRect, &theGuiToolkitGlobals.brushBtnFace);
    const COLORREF oldColor = iDc->SetTextColor(
        look != nullptr && look->m_Text != (COLORREF)-1 ? look->m_Text : theGuiToolkitGlobals.colorBtnText);
    const int oldMode = iDc->SetBkMode(TRANSPARENT);
    iRect.DeflateRect(3, 0);
    iDc->DrawText(CaptionText(), iRect, GridAlignFlags(0));
    iDc->SetBkMode(oldMode);
    iDc->SetTextColor(oldColor);
}

void CGTGridRow::OnPrintName(CDC* iDc, CRect iRect)
{
    // Caption rows of grouping have a value field (their caption cell) and print it too.
    if ((HasValueField() && !IsGroupCaption()) || m_Grid == nullptr)
        return;
    const COLORREF oldColor = iDc->SetTextColor(m_Grid->GetPrintColor(GTGridPrintGroupCaption, iDc->GetTextColor()));
    const int oldMode = iDc->SetBkMode(TRANSPARENT);
    iRect.DeflateRect(m_Grid->PrintScaleX(3), 0);
    iDc->DrawText(CaptionText(), iRect, GridAlignFlags(0));
    iDc->SetBkMode(oldMode);
    iDc->SetTextColor(oldColor);
}

void CGTGridRow::OnPrintItems(CDC* iDc, CRect iClip)
{
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i) {
        CRect cell = m_Items[i]->GetRect();
        cell.NormalizeRect();
        CRect visible;
        if (visible.IntersectRect(cell, iClip))
            m_Items[i]->OnPrintValue(iDc, cell);
    }
}

void CGTGridRow::OnDrawExpandBox(CDC* iDc, CRect iRect)
{
    const BOOL open = m_Expanded && (!m_SubRows.IsEmpty() || IsGroupCaption());
    const CPoint centre = iRect.CenterPoint();
    if (iDc->IsPrinting() && m_Grid != nullptr) {
        PrintExpandBox(iDc, iRect, open);
        return;
    }
    const int side = std::min(iRect.Width(), 9);
    const CRect box(centre.x - side / 2, centre.y - side / 2, centre.x - side / 2 + side, centre.y - side / 2 + side);
    CGTVisualManager* manager = CGTVisualManager::GetCurrent();
    if (m_Grid != nullptr && m_Grid->IsAlternativeLook())
        manager->DrawGridExpandBox(iDc, box, open, theGuiToolkitGlobals.colorBtnText);
    else
        manager->DrawExpandBox(iDc, box, open, theGuiToolkitGlobals.colorBtnText);
}

void CGTGridRow::PrintExpandBox(CDC* iDc, const CRect& iRect, BOOL iOpen) const
{
    const CSize side(std::min(iRect.Width(), m_Grid->PrintScaleX(9)), std::min(iRect.Height(), m_Grid->PrintScaleY(9)));
    const CPoint centre = iRect.CenterPoint();
    const CRect box(centre.x - side.cx / 2, centre.y - side.cy / 2, centre.x - side.cx / 2 + side.cx,
                    centre.y - side.cy / 2 + side.cy);
    CPen pen(PS_SOLID, 1, m_Grid->GetPrintColor(GTGridPrintText, iDc->GetTextColor()));
    CPen* oldPen = iDc->SelectObject(&pen);
    CBrush* oldBrush = (CBrush*)iDc->SelectStockObject(NULL_BRUSH);
    iDc->Rectangle(box);
    const int inset = std::max(2, (int)side.cx / 4);
    iDc->MoveTo(box.left + inset, centre.y);
    iDc->LineTo(box.right - inset, centre.y);
    if (!iOpen) {
        iDc->MoveTo(centre.x, box.top + inset);
        iDc->LineTo(centre.x, box.bottom - inset);
    }
    iDc->SelectObject(oldBrush);
    iDc->SelectObject(oldPen);
}

void CGTGridRow::OnDrawRowMarker(CDC* iDc, CRect iRect)
{
    // A printed page shows no current row.
    if (iDc->IsPrinting())
        return;
    const int half = std::min(iRect.Width(), 9) / 2;
    const CPoint centre = iRect.CenterPoint();
    CGTMenuGlyphs::Draw(iDc, CGTMenuGlyphs::TriangleRight, CPoint(centre.x - half, centre.y - half),
                        NearestGlyphStyle(iDc->GetTextColor()), CSize(2 * half, 2 * half));
}

BOOL CGTGridRow::OnUpdateValue()
{
    if (!m_InEdit) {
        CGTGridItem* current = m_Grid != nullptr ? m_Grid->GetCurSelItem() : nullptr;
        if (current != nullptr) {
            int row, column;
            current->GetItemId(row, column);
            m_Grid->OnItemChanged(current, row, column);
        }
        return TRUE;
    }
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
        if (m_Items[i]->GetInPlaceWnd() != nullptr)
            return m_Items[i]->OnUpdateValue();
    return TRUE;
}

BOOL CGTGridRow::OnEdit(LPPOINT iPoint)
{
    CGTGridItem* item = nullptr;
    if (iPoint != nullptr) {
        int column, area;
        HitTest(*iPoint, column, item, area);
    }
    if (item == nullptr)
        item = CurrentItemOfThisRow();
    // The cell already in edit keeps its editor and the row stays in edit.
    if (item != nullptr && item->IsInEdit())
        return FALSE;
    m_InEdit = item != nullptr && item->OnEdit(iPoint);
    return m_InEdit;
}

BOOL CGTGridRow::OnEndEdit()
{
    for (INT_PTR i = 0; i < m_Items.GetSize(); ++i)
        if (m_Items[i]->IsInEdit())
            m_Items[i]->OnEndEdit();
    m_InEdit = FALSE;
    return TRUE;
}

BOOL CGTGridRow::ForwardMouseMessage(UINT iMessage, UINT iFlags, CPoint iPoint)
{
    int column, area;
    CGTGridItem* item = nullptr;
    if (!m_InEdit || HitTest(iPoint, column, item, area) == nullptr || item == nullptr)
        return FALSE;
    return item->ForwardMouseMessage(iMessage, iFlags, iPoint);
}

BOOL CGTGridRow::OnDblClk(CPoint iPoint)
{
    int column, area;
    CGTGridItem* item = nullptr;
    if (!m_InEdit || HitTest(iPoint, column, item, area) == nullptr || item == nullptr)
        return FALSE;
    return item->OnDblClk(iPoint);
}

BOOL CGTGridRow::OnClickValue(CPoint iPoint, UINT iFlags)
{
    int column, area;
    CGTGridItem* item = nullptr;
    if (m_InEdit || HitTest(iPoint, column, item, area) == nullptr || item == nullptr)
        return FALSE;
    return item->OnClickValue(iPoint, iFlags);
}

BOOL CGTGridRow::OnSelectCombo()
{
    CGTGridItem* item = CurrentItemOfThisRow();
    return item != nullptr && item->IsInEdit() && item->GetComboWnd() != nullptr && item->OnSelectCombo();
}

void CGTGridRow::OnCloseCombo()
{
    CGTGridItem* item = CurrentItemOfThisRow();
    if (item != nullptr && item->IsInEdit())
        item->OnCloseCombo();
}

BOOL CGTGridRow::PushChar(UINT iChar)
{
    CGTGridItem* item = CurrentItemOfThisRow();
    return item != nullptr && item->PushChar(iChar);
}

HBRUSH CGTGridRow::OnCtlColor(CDC* iDc, UINT iCtlColor)
{
    if (m_Grid == nullptr)
        return nullptr;
    const CGTGridColorTheme& theme = m_Grid->GetColorTheme();
    if (m_Group && m_Grid->GetGroupBrush() != nullptr) {
        if (theme.m_GroupRows.m_Text != (COLORREF)-1)
            iDc->SetTextColor(theme.m_GroupRows.m_Text);
        iDc->SetBkColor(theme.m_GroupRows.m_Fill);
        return (HBRUSH)m_Grid->GetGroupBrush()->GetSafeHandle();
    }
    if (m_Grid->GetBackgroundBrush() != nullptr) {
        if (theme.m_Text != (COLORREF)-1)
            iDc->SetTextColor(theme.m_Text);
        if (theme.m_Background != (COLORREF)-1)
            iDc->SetBkColor(theme.m_Background);
        return (HBRUSH)m_Grid->GetBackgroundBrush()->GetSafeHandle();
    }
    return m_Items.IsEmpty() ? nullptr : m_Items[0]->OnCtlColor(iDc, iCtlColor);
}

BOOL CGTGridRow::OnKillFocus(CWnd* iNewFocus)
{
    CGTGridItem* item = CurrentItemOfThisRow();
    return item == nullptr || item->OnKillFocus(iNewFocus);
}

BOOL CGTGridRow::OnEditKillFocus()
{
    CGTGridItem* item = CurrentItemOfThisRow();
    if (item != nullptr && item->IsInEdit() && item->GetInPlaceWnd() != nullptr)
        return item->OnEditKillFocus();
    return TRUE;
}
