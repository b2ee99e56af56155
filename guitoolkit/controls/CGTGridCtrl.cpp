#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridColumnChooser.h>
#include <guitoolkit/controls/CGTHeaderItemDragWnd.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/core/GuiToolkitMessages.h>

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
    : m_Printing(FALSE), m_PrintDc(nullptr), m_PrintFont(nullptr), m_PrintBoldFont(nullptr), m_MadePrintFont(nullptr),
      m_MadePrintBoldFont(nullptr), m_PrinterDpi(96, 96), m_ScreenDpi(96, 96), m_VirtualMode(FALSE), m_VirtualRows(0),
      m_VirtualCallback(nullptr), m_VirtualUserValue(0), m_SortedBackground(NoColor), m_TrueText(L"True"),
      m_FalseText(L"False"), m_ListSeparator(L','), m_Font(nullptr), m_Images(nullptr), m_HeaderImages(nullptr),
      m_HeaderShown(TRUE), m_HeaderFlags((DWORD)-1), m_GroupAreaShown(FALSE), m_ReadOnly(FALSE),
      m_WholeRowSelection(FALSE), m_SingleSelection(FALSE), m_SelectionFrame(TRUE), m_EditOnFirstClick(TRUE),
      m_LiveResize(TRUE), m_CellTooltips(TRUE), m_FocusRect(FALSE), m_SortedColumnHighlight(FALSE),
      m_AlternativeLook(FALSE), m_RedrawHeld(FALSE), m_RowsChanged(TRUE), m_InLayout(FALSE), m_Initialized(FALSE),
      m_Creating(FALSE), m_Focused(FALSE), m_InDialog(FALSE), m_RowHeight(0), m_GroupRowHeight(0), m_EditMargin(0),
      m_GroupAreaHeight(0), m_HeaderRect(0, 0, 0, 0), m_RowsArea(0, 0, 0, 0), m_VertOffset(0), m_VertTotal(0),
      m_VertPage(0), m_HorzOffset(0), m_HorzTotal(0), m_HorzPage(0), m_FirstVisible(-1), m_InvalidBand(0, 0, 0, 0),
      m_PaintLineColor(NoColor), m_Anchor{-1, -1}, m_Current{-1, -1}, m_CurrentRow(nullptr), m_CurrentItem(nullptr),
      m_SelectionRect(0, 0, 0, 0), m_Dragging(FALSE), m_PressedColumn(-1), m_DragColumn(-1), m_DragFromGroupArea(FALSE),
      m_DragFromChooser(FALSE), m_DragRect(0, 0, 0, 0), m_ResizeColumn(-1), m_ResizeLeft(0), m_ResizeWidth(0),
      m_TrackX(-1), m_PressPending(FALSE), m_PressIsClick(FALSE), m_DragSelecting(FALSE), m_DragWnd(nullptr),
      m_DropWnd(nullptr), m_Chooser(nullptr), m_ChooserRect(0, 0, 0, 0), m_ChooserShown(FALSE), m_MarkerColor(NoColor),
      m_MarkerMode(2), m_ItemColor(NoColor), m_KeepLineColor(FALSE), m_DarkLines(FALSE), m_LastChangedRow(-1),
      m_DefaultItemClass(nullptr)
{
    for (COLORREF& color : m_PrintColors)
        color = NoColor;
    memset(&m_Request, 0, sizeof(m_Request));
    ::VariantInit(&m_Request.m_Value);
    m_Columns.SetOwnerGrid(this);
    UpdateColors();
}

CGTGridCtrl::~CGTGridCtrl()
{
    if (m_Chooser != nullptr && m_Chooser->GetSafeHwnd() != nullptr)
        m_Chooser->DestroyWindow();
    delete m_Chooser;
    if (m_DragWnd != nullptr)
        m_DragWnd->DestroyWindow();
    if (m_DropWnd != nullptr)
        m_DropWnd->DestroyWindow();
    delete m_DropWnd;
    // A grid never created, or destroyed without WM_DESTROY, still holds its rows.
    FreeGroupRows(0);
    for (INT_PTR i = 0; i < m_Rows.GetSize(); ++i)
        delete m_Rows[i];
    m_Cache.CleanUp();
    ::VariantClear(&m_Request.m_Value);
    DeletePrintFonts();
}

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
    CWnd* owner = GetNotifyTarget();
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
    m_LinePen.DeleteObject();
    m_GroupLinePen.DeleteObject();
    m_LinePen.CreatePen(PS_SOLID, 1,
                        m_Theme.m_LineColor != NoColor ? m_Theme.m_LineColor : theGuiToolkitGlobals.colorBtnLight);
    m_GroupLinePen.CreatePen(PS_SOLID, 1,
                             m_Theme.m_GroupLineColor != NoColor ? m_Theme.m_GroupLineColor
                                                                 : theGuiToolkitGlobals.colorBtnLight);
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

COLORREF CGTGridCtrl::GetTextColor() const
{
    return m_Theme.m_Text != NoColor ? m_Theme.m_Text : theGuiToolkitGlobals.colorWindowText;
}

void CGTGridCtrl::SetMarker(COLORREF iColor, int iMode)
{
    m_MarkerColor = iColor;
    m_MarkerMode = iMode;
}

void CGTGridCtrl::SetLineShades(BOOL iKeepColor, BOOL iDark)
{
    m_KeepLineColor = iKeepColor;
    m_DarkLines = iDark;
}

BOOL CGTGridCtrl::Create(DWORD iStyle, const RECT& iRect, CWnd* iParent, UINT iId)
{
    return CWnd::Create(RegisterLibraryWindowClass(L"VADEGridCtrl"), L"", iStyle, iRect, iParent, iId);
}

void CGTGridCtrl::EnableHeader(BOOL iShow, DWORD iFlags)
{
    if (m_CurrentRow != nullptr)
        m_CurrentRow->OnEndEdit();
    m_HeaderShown = iShow;
    m_HeaderFlags = iFlags;
    AdjustLayout();
    RedrawAll();
}

void CGTGridCtrl::ShowGroupArea(BOOL iShow)
{
    if (m_CurrentRow != nullptr)
        m_CurrentRow->OnEndEdit();
    m_GroupAreaShown = iShow;
    AdjustLayout();
    RedrawAll();
}

void CGTGridCtrl::RedrawAll()
{
    if (GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CGTGridCtrl::IsGroupDropEnabled() const
{
    return (m_HeaderFlags & GTGridHeaderGroupDrop) != 0 && !m_VirtualMode;
}

int CGTGridCtrl::InsertColumn(int iPosition, const CString& iCaption, int iWidth, int iImage)
{
    MarkRowsChanged();
    return m_Columns.InsertColumn(iPosition, iCaption, iWidth, iImage);
}

void CGTGridCtrl::DeleteAllColumns()
{
    MarkRowsChanged();
    m_Columns.DeleteAllColumns();
}

CString CGTGridCtrl::GetColumnName(int iColumn) const
{
    LPCWSTR name = m_Columns.GetColumnName(iColumn);
    return name != nullptr ? CString(name) : CString();
}

CWnd* CGTGridCtrl::GetNotifyTarget() const
{
    CWnd* owner = GetOwner();
    return owner != nullptr ? owner : GetParent();
}

void CGTGridCtrl::OnHideColumnChooser()
{
    if (CWnd* target = GetNotifyTarget())
        target->SendMessage(GTM_GRID_ON_HIDE_COLUMNCHOOSER, 0, 0);
}
