#include <guitoolkit/controls/CGTGridColorItem.h>
#include <guitoolkit/controls/CColorPopup.h>
#include <guitoolkit/controls/GTColorLists.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridRow.h>

IMPLEMENT_DYNCREATE(CGTGridColorItem, CGTGridItem)

namespace {

VARIANT ColorValue(COLORREF iColor)
{
    VARIANT value;
    value.vt = VT_I4;
    value.lVal = (LONG)iColor;
    return value;
}

}  // namespace

CGTGridColorItem::CGTGridColorItem() : CGTGridColorItem((COLORREF)-1) {}

CGTGridColorItem::CGTGridColorItem(COLORREF iColor, DWORD_PTR iData)
    : CGTGridItem(ColorValue(iColor), iData), m_Color(iColor), m_Popup(nullptr)
{
}

CGTGridColorItem::~CGTGridColorItem()
{
    if (m_Popup != nullptr && m_Popup->GetSafeHwnd() != nullptr)
        m_Popup->DestroyWindow();
}

void CGTGridColorItem::OnClickButton(CPoint)
{
    CGTGridCtrl* grid = GetOwnerGrid();
    if (grid == nullptr || grid->GetSafeHwnd() == nullptr || m_Popup != nullptr)
        return;
    m_ButtonPressed = TRUE;
    Redraw();
    GTColorBarSettings settings;
    settings.colors = PaletteColors();
    settings.selected = m_Color;
    CRect under = m_Rect;
    grid->ClientToScreen(&under);
    m_Popup = new CColorPopup(settings, this);
    if (!m_Popup->Create(grid, under.left, under.bottom, nullptr, FALSE, TRUE))
        OnColorPopupClosed();
}

void CGTGridColorItem::OnColorPopupClosed()
{
    m_Popup = nullptr;
    OnCloseCombo();
}

void CGTGridColorItem::SetColor(COLORREF iColor)
{
    const BOOL changed = iColor != m_Color;
    m_Color = iColor;
    SetValue(ColorValue(iColor));
    CGTGridCtrl* grid = GetOwnerGrid();
    if (grid != nullptr && grid->GetSafeHwnd() != nullptr) {
        CRect cell = m_Rect;
        cell.DeflateRect(0, 1);
        grid->InvalidateRect(cell);
        grid->UpdateWindow();
    }
    if (m_InPlaceEdit != nullptr)
        m_InPlaceEdit->SetWindowText(FormatItem());
    if (changed && m_Row != nullptr) {
        int row, column;
        GetItemId(row, column);
        m_Row->OnItemChanged(this, row, column);
    }
    if (m_InPlaceEdit != nullptr)
        OnUpdateValue();
}
