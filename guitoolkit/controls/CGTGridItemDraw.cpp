// Painting of a cell: background, icon, text and the in-place button.
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTToolbarComboBoxButton.h>
#include <afximagelist.h>

void CGTGridItem::OnDrawValue(CDC* iDc, CRect iRect)
{
    const COLORREF textColor = OnFillBackground(iDc, iRect);
    const COLORREF oldColor = iDc->GetTextColor();
    if (textColor != (COLORREF)-1)
        iDc->SetTextColor(textColor);
    OnDrawIcon(iDc, iRect);
    const CString text = FormatItem();
    iRect.DeflateRect(3, 0);
    CGTGridCtrl* grid = GetOwnerGrid();
    const int align = grid != nullptr ? grid->GetColumnsInfo().GetColumnAlign(m_Column) : 0;
    iDc->DrawText(text, iRect, GridAlignFlags(align));
    m_ValueTruncated = iDc->GetTextExtent(text).cx > iRect.Width();
    if (textColor != (COLORREF)-1)
        iDc->SetTextColor(oldColor);
}

void CGTGridItem::OnPrintValue(CDC* iDc, CRect iRect)
{
    CGTGridCtrl* grid = GetOwnerGrid();
    const int padding = grid != nullptr ? grid->PrintScaleX(3) : 3;
    const COLORREF color =
        grid != nullptr ? grid->GetPrintColor(GTGridPrintText, iDc->GetTextColor()) : iDc->GetTextColor();
    const COLORREF oldColor = iDc->SetTextColor(color);
    iRect.DeflateRect(padding, 0);
    iDc->DrawText(FormatItem(), iRect, GridAlignFlags(0));
    iDc->SetTextColor(oldColor);
}

void CGTGridItem::OnDrawIcon(CDC* iDc, CRect& ioRect)
{
    CGTGridCtrl* grid = GetOwnerGrid();
    if (m_Image < 0 || grid == nullptr || grid->GetImageList() == nullptr)
        return;
    IMAGEINFO info = {};
    if (!grid->GetImageList()->GetImageInfo(m_Image, &info))
        return;
    const CSize size(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
    grid->GetImageList()->Draw(iDc, m_Image, CPoint(ioRect.left, ioRect.top + (ioRect.Height() - size.cy) / 2),
                               ILD_TRANSPARENT);
    ioRect.left += size.cx;
}

COLORREF CGTGridItem::OnFillBackground(CDC* iDc, CRect iRect)
{
    CGTGridCtrl* grid = GetOwnerGrid();
    if (grid == nullptr)
        return m_TextColor;
    COLORREF textColor = m_TextColor != (COLORREF)-1 ? m_TextColor : grid->GetTextColor();
    iRect.top++;
    const BOOL current = grid->GetCurSelItem() == this && grid->IsEditable();
    if (!current && m_Row != nullptr && m_Row->HasValueField() && grid->IsItemSelected(*this)) {
        if (grid->IsWholeRowSelection() && CWnd::GetFocus() == grid)
            iRect.right++;
        return grid->FillSelectedCell(iDc, iRect, this);
    }
    if (current) {
        if (m_ButtonShown && !m_ButtonRect.IsRectEmpty())
            iRect.right = m_ButtonRect.left;
        if (grid->IsSelectionFrameShown() && (grid->GetSelectionRangeCount() >= 2 || grid->IsGrouping())) {
            iDc->FillRect(iRect, &theGuiToolkitGlobals.brushDarkShadow);
            iRect.DeflateRect(1, 1);
        }
        CBrush* brush = grid->GetBackgroundBrush();
        iDc->FillRect(iRect, brush != nullptr ? brush : &theGuiToolkitGlobals.brushWindow);
        return textColor;
    }
    if (m_BackgroundColor != (COLORREF)-1) {
        iDc->FillSolidRect(iRect, m_BackgroundColor);
        return textColor;
    }
    int row, column;
    GetItemId(row, column);
    if (row < 0 && column < 0)
        return textColor;
    const CGTGridLook& look = row % 2 == 0 ? grid->GetColorTheme().m_EvenRows : grid->GetColorTheme().m_OddRows;
    if (m_TextColor == (COLORREF)-1 && look.m_Text != (COLORREF)-1)
        textColor = look.m_Text;
    if (!grid->PaintLook(iDc, iRect, look) && grid->IsSortedColumnHighlight() &&
        grid->GetColumnsInfo().GetColumnSortDirection(m_Column) != 0)
        iDc->FillSolidRect(iRect, grid->GetSortedColumnColor());
    return textColor;
}

void CGTGridItem::OnDrawButton(CDC* iDc, CRect iRect)
{
    CGTGridCtrl* grid = GetOwnerGrid();
    const BOOL alternative = grid != nullptr && grid->IsAlternativeLook();
    iDc->FillRect(iRect, alternative ? &theGuiToolkitGlobals.brushBarFace : &theGuiToolkitGlobals.brushBtnFace);
    // The look draws the cell's button as a toolbar combo box's.
    CGTToolbarComboBoxButton button;
    CGTVisualManager* manager = CGTVisualManager::GetCurrent();
    if (m_EditFlags & GTGridEditList) {
        manager->DrawComboDropButton(iDc, iRect, !m_Enabled, m_ButtonPressed, m_ButtonPressed, &button);
        return;
    }
    iDc->DrawText(L"...", iRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    manager->DrawButtonBorder(iDc, &button, iRect, m_ButtonPressed ? 1 : 0);
}
