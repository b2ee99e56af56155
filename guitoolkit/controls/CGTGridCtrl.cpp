#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitMessages.h>

IMPLEMENT_DYNAMIC(CGTGridCtrl, CWnd)

namespace {

const COLORREF NoColor = (COLORREF)-1;

CGTGridLook ResetLook()
{
    return CGTGridLook{NoColor, NoColor, NoColor, 90, NoColor};
}

}  // namespace

CGTGridColorTheme::CGTGridColorTheme()
    : m_Background(NoColor), m_Text(NoColor), m_Extra(NoColor), m_EvenRows(ResetLook()), m_OddRows(ResetLook()),
      m_GroupRows(ResetLook()), m_GroupCaptions(ResetLook()), m_SelectedCells(ResetLook()), m_Header(ResetLook()),
      m_SelectedHeader(ResetLook()), m_RowMargin(ResetLook()), m_LineColor(NoColor), m_GroupLineColor(NoColor)
{
}

CGTGridCtrl::CGTGridCtrl()
    : m_SortedBackground(NoColor), m_TrueText(L"True"), m_FalseText(L"False"), m_ListSeparator(L','), m_Font(nullptr),
      m_Images(nullptr), m_HeaderImages(nullptr), m_RowHeight(0), m_EditMargin(0), m_ReadOnly(FALSE),
      m_WholeRowSelection(FALSE), m_SingleSelection(FALSE), m_SelectionFrame(TRUE), m_EditOnFirstClick(TRUE),
      m_SortedColumnHighlight(FALSE), m_AlternativeLook(FALSE), m_RedrawHeld(FALSE), m_Dragging(FALSE),
      m_PressedColumn(-1), m_LastChangedRow(-1), m_CurrentRow(nullptr), m_CurrentItem(nullptr),
      m_DefaultItemClass(nullptr)
{
    m_Columns.SetOwnerGrid(this);
    UpdateColors();
}

CGTGridCtrl::~CGTGridCtrl() = default;

CGTGridColumnsInfo& CGTGridCtrl::GetColumnsInfo()
{
    return m_Columns;
}

BOOL CGTGridCtrl::IsSortingActive() const
{
    return m_Columns.GetSortColumnCount() > 0;
}

void CGTGridCtrl::OnItemChanged(CGTGridItem* iItem, int iRow, int iColumn)
{
    CWnd* owner = GetOwner();
    if (owner == nullptr)
        owner = GetParent();
    if (owner == nullptr)
        return;
    CGTGridItemChange change = {iItem, iRow, iColumn};
    owner->SendMessage(GTM_GRID_ITEM_CHANGED, GetDlgCtrlID(), (LPARAM)&change);
}

CGTGridRow* CGTGridCtrl::CreateCaptionRow(const CString& iCaption)
{
    CGTGridRow* row = new CGTGridRow(iCaption, 0);
    VARIANT caption;
    caption.vt = VT_BSTR;
    caption.bstrVal = ::SysAllocString(iCaption);
    CGTGridItem* item = new CGTGridItem(caption);
    ::VariantClear(&caption);
    item->Enable(FALSE);
    row->AddItem(item);
    return row;
}

CGTGridRow* CGTGridCtrl::CreateRow(int iColumns)
{
    CGTGridRow* row = CreateRowObject();
    row->SetOwnerList(this);
    for (int column = 0; column < iColumns; ++column) {
        CGTGridItem* item = row->CreateItem(row->GetRowId(), column);
        if (item != nullptr)
            row->AddItem(item);
    }
    return row;
}

CGTGridRow* CGTGridCtrl::CreateRowObject()
{
    return new CGTGridRow;
}

CGTGridItem* CGTGridCtrl::CreateItem(int iRow, int iColumn)
{
    CRuntimeClass* itemClass = nullptr;
    if (!m_ColumnItemClasses.Lookup(iColumn, itemClass) || itemClass == nullptr)
        itemClass = m_DefaultItemClass;
    CObject* made = itemClass != nullptr ? itemClass->CreateObject() : nullptr;
    CGTGridItem* item = made != nullptr && made->IsKindOf(RUNTIME_CLASS(CGTGridItem)) ? (CGTGridItem*)made : nullptr;
    if (item == nullptr) {
        delete made;
        item = new CGTGridItem;
    }
    if (!item->OnCreated(iRow, iColumn)) {
        delete item;
        return nullptr;
    }
    return item;
}

void CGTGridCtrl::FillBackground(CDC* iDc, const CRect& iRect)
{
    CBrush* brush = GetBackgroundBrush();
    iDc->FillRect(iRect, brush != nullptr ? brush : &theGuiToolkitGlobals.brushWindow);
}

COLORREF CGTGridCtrl::FillSelectedCell(CDC* iDc, const CRect& iRect, CGTGridItem*)
{
    const BOOL focused = GetSafeHwnd() != nullptr && CWnd::GetFocus() == this;
    const COLORREF text = focused ? theGuiToolkitGlobals.colorHighlightText : theGuiToolkitGlobals.colorBtnText;
    if (PaintLook(iDc, iRect, m_Theme.m_SelectedCells))
        return m_Theme.m_SelectedCells.m_Text != NoColor ? m_Theme.m_SelectedCells.m_Text : text;
    iDc->FillRect(iRect, focused ? &theGuiToolkitGlobals.brushHighlight : &theGuiToolkitGlobals.brushBtnFace);
    return text;
}

void CGTGridCtrl::DrawSortMark(CDC* iDc, const CRect& iRect, BOOL iAscending)
{
    CPen light(PS_SOLID, 1, theGuiToolkitGlobals.colorBtnHighlight);
    CPen dark(PS_SOLID, 1, theGuiToolkitGlobals.colorBtnDarkShadow);
    CPen* old = iDc->SelectObject(&light);
    const int middle = iRect.CenterPoint().x;
    if (iAscending) {
        iDc->MoveTo(iRect.left, iRect.bottom - 1);
        iDc->LineTo(iRect.right - 1, iRect.bottom - 1);
        iDc->LineTo(middle, iRect.top);
        iDc->SelectObject(&dark);
        iDc->LineTo(iRect.left, iRect.bottom - 1);
    } else {
        iDc->MoveTo(iRect.right - 1, iRect.top);
        iDc->LineTo(middle, iRect.bottom - 1);
        iDc->SelectObject(&dark);
        iDc->LineTo(iRect.left, iRect.top);
        iDc->LineTo(iRect.right - 1, iRect.top);
    }
    iDc->SelectObject(old);
}

void CGTGridCtrl::DrawHeaderItemBorder(CDC* iDc, const CRect& iRect, BOOL iPressed)
{
    CGTVisualManager::GetCurrent()->DrawGridHeaderItemBorder(iDc, iRect, nullptr, iPressed);
}

BOOL CGTGridCtrl::IsEditOnFirstClick() const
{
    return m_EditOnFirstClick;
}

BOOL CGTGridCtrl::IsEditable() const
{
    return !m_ReadOnly;
}

BOOL CGTGridCtrl::IsSelectionFrameShown() const
{
    return m_SelectionFrame && !m_WholeRowSelection;
}

int CGTGridCtrl::GetRowHeight() const
{
    return m_RowHeight > 0 ? m_RowHeight : theGuiToolkitGlobals.textHeightRegular + 4;
}

int CGTGridCtrl::GetGroupIndent() const
{
    return m_Columns.GetGroupColumnCount() * GetRowHeight();
}

void CGTGridCtrl::OnRowExpanded(CGTGridRow* iRow)
{
    CRect area;
    GetClientRect(area);
    area.top = iRow->GetRect().top;
    RedrawWindow(area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CGTGridCtrl::UpdateColors()
{
    const COLORREF background =
        m_Theme.m_Background != NoColor ? m_Theme.m_Background : theGuiToolkitGlobals.colorWindow;
    m_SortedBackground = theGuiToolkitGlobals.bitsPerPixel > 8
        ? RGB(CGTDrawManager::ScaleChannel(GetRValue(background), 0.97),
              CGTDrawManager::ScaleChannel(GetGValue(background), 0.97),
              CGTDrawManager::ScaleChannel(GetBValue(background), 0.97))
        : background;
    m_BackgroundBrush.DeleteObject();
    m_GroupBrush.DeleteObject();
    m_SelectedBrush.DeleteObject();
    if (m_Theme.m_Background != NoColor)
        m_BackgroundBrush.CreateSolidBrush(m_Theme.m_Background);
    if (m_Theme.m_GroupRows.m_Fill != NoColor)
        m_GroupBrush.CreateSolidBrush(m_Theme.m_GroupRows.m_Fill);
    if (m_Theme.m_SelectedCells.m_Fill != NoColor)
        m_SelectedBrush.CreateSolidBrush(m_Theme.m_SelectedCells.m_Fill);
}

void CGTGridCtrl::SetColorTheme(const CGTGridColorTheme& iTheme, BOOL iRedraw)
{
    m_Theme = iTheme;
    UpdateColors();
    if (iRedraw && GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CGTGridCtrl::PaintLook(CDC* iDc, const CRect& iRect, const CGTGridLook& iLook, BOOL iBorder) const
{
    if (iLook.m_Fill == NoColor)
        return FALSE;
    if (iLook.m_GradientFill != NoColor)
        CGTDrawManager(*iDc).FillGradientRotated(iRect, iLook.m_Fill, iLook.m_GradientFill, iLook.m_GradientAngle);
    else
        iDc->FillSolidRect(iRect, iLook.m_Fill);
    if (iBorder && iLook.m_Border != NoColor)
        iDc->Draw3dRect(iRect, iLook.m_Border, iLook.m_Border);
    return TRUE;
}

void CGTGridCtrl::SetReadOnly(BOOL iReadOnly)
{
    m_ReadOnly = iReadOnly;
    if (iReadOnly)
        m_WholeRowSelection = TRUE;
}

void CGTGridCtrl::EnableSortedColumnHighlight(BOOL iEnable, BOOL iRedraw)
{
    m_SortedColumnHighlight = iEnable;
    if (iRedraw && GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CGTGridCtrl::SetBoolTexts(const CString& iTrue, const CString& iFalse)
{
    m_TrueText = iTrue;
    m_FalseText = iFalse;
}

CFont* CGTGridCtrl::GetCellFont() const
{
    return m_Font != nullptr ? CFont::FromHandle(m_Font) : const_cast<CFont*>(&theGuiToolkitGlobals.fontRegular);
}

void CGTGridCtrl::SetCurrentItem(CGTGridRow* iRow, CGTGridItem* iItem)
{
    m_CurrentRow = iRow;
    m_CurrentItem = iItem;
}

BOOL CGTGridCtrl::IsItemSelected(const CGTGridItem& iItem) const
{
    int row, column;
    iItem.GetItemId(row, column);
    for (POSITION position = m_Selection.GetHeadPosition(); position != nullptr;) {
        const CGTGridRange& range = m_Selection.GetNext(position);
        const BOOL rowIn = row >= range.m_Top && row <= range.m_Bottom;
        if (rowIn && (m_WholeRowSelection || (column >= range.m_Left && column <= range.m_Right)))
            return TRUE;
    }
    return FALSE;
}

void CGTGridCtrl::AddSelectionRange(const CGTGridRange& iRange)
{
    m_Selection.AddTail(iRange);
}

COLORREF CGTGridCtrl::GetTextColor() const
{
    return m_Theme.m_Text != NoColor ? m_Theme.m_Text : theGuiToolkitGlobals.colorWindowText;
}
