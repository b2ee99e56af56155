#include <guitoolkit/toolbars/CButtonsTextList.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarDropSource.h>

BEGIN_MESSAGE_MAP(CButtonsTextList, CListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {
const int rowMargin = 6;
}  // namespace

CButtonsTextList::CButtonsTextList() : m_RowSize(0, 0) {}

void CButtonsTextList::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    m_RowSize = CGTToolBar::GetMenuImageSize() + CSize(rowMargin, rowMargin);
}

void CButtonsTextList::MeasureItem(LPMEASUREITEMSTRUCT ioMeasureItem)
{
    ioMeasureItem->itemHeight = static_cast<UINT>(m_RowSize.cy);
}

void CButtonsTextList::DrawItem(LPDRAWITEMSTRUCT iDrawItem)
{
    auto* button = reinterpret_cast<CGTToolbarButton*>(iDrawItem->itemData);
    if (iDrawItem->itemID == static_cast<UINT>(-1) || button == nullptr)
        return;
    CDC* dc = CDC::FromHandle(iDrawItem->hDC);
    CString row;
    GetText(static_cast<int>(iDrawItem->itemID), row);
    const BOOL selected = (iDrawItem->itemState & ODS_SELECTED) && (iDrawItem->itemState & ODS_FOCUS);
    // The row may show the command's menu path in place of its caption.
    const CString caption = button->m_Text;
    button->m_Text = row;
    button->DrawInCommandList(dc, iDrawItem->rcItem, selected);
    button->m_Text = caption;
}

BOOL CButtonsTextList::OnEraseBkgnd(CDC* iDc)
{
    CRect client;
    GetClientRect(&client);
    CGTVisualManager::GetCurrent()->FillCommandListItem(iDc, client, FALSE);
    return TRUE;
}

void CButtonsTextList::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    CListBox::OnLButtonDown(iFlags, iPoint);
    const int selected = GetCurSel();
    CRect item;
    if (selected < 0 || GetItemRect(selected, &item) == LB_ERR || !item.PtInRect(iPoint))
        return;
    auto* button = static_cast<CGTToolbarButton*>(GetItemDataPtr(selected));
    if (button == nullptr)
        return;
    SendMessage(WM_LBUTTONUP, iFlags, MAKELPARAM(iPoint.x, iPoint.y));
    COleDataSource data;
    button->m_FromCommandList = TRUE;
    const BOOL prepared = button->PrepareDrag(data);
    button->m_FromCommandList = FALSE;
    if (!prepared)
        return;
    ::SetCursor(::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDC_GT_NODROP)));
    data.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, &item, &CGTToolBar::GetDropSource());
}
