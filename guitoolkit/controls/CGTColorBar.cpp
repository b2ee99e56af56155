// The colour bar's cells, sizes, layout, drawing and stored form.
#include <guitoolkit/controls/CGTColorBar.h>
#include <guitoolkit/controls/CColorButton.h>
#include <guitoolkit/controls/GTColorLists.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTScreenInfo.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <algorithm>
#include <cmath>

IMPLEMENT_SERIAL(CGTColorBar, CGTPopupMenuBar, 1)

namespace {
const COLORREF noColor = static_cast<COLORREF>(-1);
const int defaultSpacing = 4;
const int maxPaletteEntries = 100;

int CeilDiv(int iCount, int iBy)
{
    return iBy > 0 ? (iCount + iBy - 1) / iBy : 0;
}

CColorButton* AsCell(CGTToolbarButton* iButton)
{
    return dynamic_cast<CColorButton*>(iButton);
}
}  // namespace

CGTColorCCmdUI::CGTColorCCmdUI() : m_Enabled(TRUE) {}

void CGTColorCCmdUI::Enable(BOOL iOn)
{
    m_Enabled = iOn;
    m_bEnableChanged = TRUE;
}

CGTColorBar::CGTColorBar() : CGTColorBar(GTColorBarSettings()) {}

CGTColorBar::CGTColorBar(const GTColorBarSettings& iSettings, IGTColorReceiver* iReceiver)
    : m_Columns(0), m_DockedRows(-1), m_DockedColumns(-1), m_BoxSize(0, 0), m_RowHeight(0), m_Selected(noColor),
      m_Automatic(noColor), m_DocumentColors(10), m_CommandId(0), m_SystemDialog(FALSE), m_Enabled(TRUE),
      m_Docked(FALSE), m_ShowDocumentsWhenDocked(FALSE), m_Control(FALSE), m_Receiver(iReceiver), m_Offset(0, 0),
      m_VertSpacing(defaultSpacing), m_HorzSpacing(defaultSpacing), m_PaletteChanging(FALSE)
{
    CopySettings(iSettings);
}

CGTColorBar::CGTColorBar(const CGTColorBar& iSource, UINT iCommandId) : CGTColorBar()
{
    GTColorBarSettings settings;
    settings.colors = iSource.m_Colors;
    settings.selected = iSource.m_Selected;
    settings.automaticCaption = iSource.m_AutomaticCaption;
    settings.otherCaption = iSource.m_OtherCaption;
    settings.documentCaption = iSource.m_DocumentCaption;
    for (POSITION position = iSource.m_DocumentColors.GetHeadPosition(); position != nullptr;)
        settings.documentColors.push_back(iSource.m_DocumentColors.GetNext(position));
    settings.columns = iSource.m_Columns;
    settings.dockedRows = iSource.m_DockedRows;
    settings.dockedColumns = iSource.m_DockedColumns;
    settings.automaticColor = iSource.m_Automatic;
    settings.commandId = iCommandId;
    settings.systemDialog = iSource.m_SystemDialog;
    CopySettings(settings);
    m_Docked = TRUE;
    m_ShowDocumentsWhenDocked = iSource.m_ShowDocumentsWhenDocked;
    m_VertSpacing = iSource.m_VertSpacing;
    m_HorzSpacing = iSource.m_HorzSpacing;
}

CGTColorBar::~CGTColorBar() = default;

void CGTColorBar::CopySettings(const GTColorBarSettings& iSettings)
{
    m_Colors = iSettings.colors;
    m_Selected = iSettings.selected;
    m_AutomaticCaption = iSettings.automaticCaption;
    m_OtherCaption = iSettings.otherCaption;
    m_DocumentCaption = iSettings.documentCaption;
    m_DocumentColors.RemoveAll();
    for (COLORREF color : iSettings.documentColors)
        m_DocumentColors.AddTail(color);
    m_Columns = iSettings.columns;
    m_DockedRows = iSettings.dockedRows;
    m_DockedColumns = iSettings.dockedColumns;
    m_Automatic = iSettings.automaticColor;
    m_CommandId = iSettings.commandId == static_cast<UINT>(-1) ? 0 : iSettings.commandId;
    m_SystemDialog = iSettings.systemDialog;
}

// --- Window ---

int CGTColorBar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTPopupMenuBar::OnCreate(iCreate) == -1)
        return -1;
    if (m_Docked && m_Colors.empty())
        m_Colors = PaletteColors();
    m_BoxSize = GetMenuImageSize() + CSize(1, 1);
    m_RowHeight = m_BoxSize.cy * 3 / 2;
    BuildPalette();
    Rebuild();
    if (m_Receiver != nullptr)
        SetCapture();
    return 0;
}

void CGTColorBar::BuildPalette()
{
    m_Palette.DeleteObject();
    if (CGTScreenInfo::Current().BitsPerPixel() != 8 || m_Colors.empty())
        return;
    const int count = std::min(static_cast<int>(m_Colors.size()), maxPaletteEntries);
    std::vector<BYTE> memory(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(memory.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(count);
    for (int index = 0; index < count; ++index) {
        const COLORREF color = m_Colors[index];
        palette->palPalEntry[index] = {GetRValue(color), GetGValue(color), GetBValue(color), 0};
    }
    m_Palette.CreatePalette(palette);
}

BOOL CGTColorBar::UsesPalette() const
{
    return CGTScreenInfo::Current().BitsPerPixel() == 8 && m_Palette.GetSafeHandle() != nullptr;
}

BOOL CGTColorBar::CreateControl(CWnd* iParent, const CRect& iRect, UINT iId, int iColumns, CPalette* iPalette)
{
    m_Colors = PaletteColors(iPalette != nullptr ? static_cast<HPALETTE>(iPalette->GetSafeHandle()) : nullptr);
    m_Columns = iColumns >= 1
        ? iColumns
        : ControlColumns(static_cast<int>(m_Colors.size()), iRect.Size(), m_HorzSpacing, m_VertSpacing);
    m_Control = TRUE;
    m_CommandId = 0;
    if (!CGTToolBar::CreateEx(iParent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(1, 1, 1, 1), iId))
        return FALSE;
    SetBarStyle(GetBarStyle() & ~(CBRS_BORDER_ANY | CBRS_GRIPPER));
    SetWindowPos(nullptr, iRect.left, iRect.top, iRect.Width(), iRect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    SetOwner(iParent);
    FitToClient(TRUE, TRUE);
    RecalcButtonLayout();
    return TRUE;
}

int CGTColorBar::ControlColumns(int iCount, CSize iSize, int iHorzSpacing, int iVertSpacing)
{
    const int width = iSize.cx - 2 * iHorzSpacing;
    const int height = iSize.cy - 2 * iVertSpacing;
    for (int columns = iCount; columns > 0; --columns) {
        if ((iCount / columns) * (width / columns) > height)
            return columns + 1;
    }
    return 0;
}

void CGTColorBar::FitToClient(BOOL iSquare, BOOL iCentre)
{
    CRect client;
    GetClientRect(&client);
    const CSize grid = GetGridSize();
    if (grid.cx < 1 || grid.cy < 1)
        return;
    const int width = client.Width() - 2 * m_VertSpacing;
    const int height = client.Height() - 2 * m_HorzSpacing - GetExtraHeight(grid.cx);
    m_BoxSize = CSize(std::max<int>(width / grid.cx, 1), std::max<int>(height / grid.cy, 1));
    if (iSquare)
        m_BoxSize.cx = m_BoxSize.cy = std::min(m_BoxSize.cx, m_BoxSize.cy);
    m_RowHeight = m_BoxSize.cy * 3 / 2;
    m_Offset =
        iCentre ? CPoint((width - m_BoxSize.cx * grid.cx) / 2, (height - m_BoxSize.cy * grid.cy) / 2) : CPoint(0, 0);
}

// --- Cells ---

void CGTColorBar::Rebuild()
{
    RemoveAllButtons();
    if (!m_AutomaticCaption.IsEmpty())
        InsertButton(new CColorButton(m_Automatic, TRUE, m_AutomaticCaption, m_Selected == noColor, this));
    for (COLORREF color : m_Colors)
        InsertButton(new CColorButton(color, FALSE, nullptr, color == m_Selected, this));
    if (!m_DocumentCaption.IsEmpty()) {
        InsertButton(CColorButton::MakeCaption(m_DocumentCaption, this));
        for (POSITION position = m_DocumentColors.GetHeadPosition(); position != nullptr;) {
            const COLORREF color = m_DocumentColors.GetNext(position);
            InsertButton(CColorButton::MakeDocument(color, color == m_Selected, this));
        }
    }
    if (!m_OtherCaption.IsEmpty()) {
        InsertButton(CColorButton::MakeOther(m_OtherCaption, this));
        InsertButton(CColorButton::MakeIndicator(m_Selected, this));
    }
}

void CGTColorBar::SetSelectedColor(COLORREF iColor)
{
    if (iColor == m_Selected)
        return;
    const BOOL indicatorBefore = ShowsIndicator();
    m_Selected = iColor;
    if (GetSafeHwnd() == nullptr)
        return;
    for (int index = 0; index < GetButtonCount(); ++index) {
        CColorButton* cell = AsCell(GetButton(index));
        if (cell == nullptr || cell->m_Other || cell->m_Caption)
            continue;
        BOOL highlighted = FALSE;
        if (cell->m_Indicator)
            cell->m_Color = iColor;
        else if (cell->m_Automatic)
            highlighted = iColor == noColor;
        else
            highlighted = cell->m_Color == iColor;
        if (highlighted)
            m_HotIndex = index;
        if (highlighted != cell->m_Highlighted || cell->m_Indicator) {
            cell->m_Highlighted = highlighted;
            InvalidateButton(index);
        }
    }
    if (ShowsIndicator() != indicatorBefore)
        AdjustLayout();
}

BOOL CGTColorBar::ShowsIndicator() const
{
    if (m_Selected == noColor || m_OtherCaption.IsEmpty())
        return FALSE;
    if (std::find(m_Colors.begin(), m_Colors.end(), m_Selected) != m_Colors.end())
        return FALSE;
    return !(ShowsDocumentColors() && m_DocumentColors.Find(m_Selected) != nullptr);
}

BOOL CGTColorBar::ShowsDocumentColors() const
{
    return !m_DocumentCaption.IsEmpty() && !m_DocumentColors.IsEmpty() && (!m_Docked || m_ShowDocumentsWhenDocked);
}

void CGTColorBar::SetOtherButton(LPCWSTR iCaption, BOOL iSystemDialog)
{
    m_OtherCaption = iCaption != nullptr ? iCaption : L"";
    m_SystemDialog = iSystemDialog;
    Rebuild();
    AdjustLayout();
}

void CGTColorBar::SetDocumentColors(LPCWSTR iCaption, const CList<COLORREF, COLORREF>& iColors, BOOL iShowWhenDocked)
{
    m_DocumentCaption = iCaption != nullptr ? iCaption : L"";
    m_DocumentColors.RemoveAll();
    m_DocumentColors.AddTail(const_cast<CList<COLORREF, COLORREF>*>(&iColors));
    m_ShowDocumentsWhenDocked = iShowWhenDocked;
    Rebuild();
    AdjustLayout();
}

void CGTColorBar::SetVertSpacing(int iPixels)
{
    m_VertSpacing = iPixels;
    AdjustLayout();
}

void CGTColorBar::SetHorzSpacing(int iPixels)
{
    m_HorzSpacing = iPixels;
    AdjustLayout();
}

CRect CGTColorBar::GetCellRect(COLORREF iColor) const
{
    for (int index = 0; index < GetButtonCount(); ++index) {
        const CColorButton* cell = AsCell(GetButton(index));
        if (cell != nullptr && cell->IsColorCell() && !cell->m_Indicator && cell->m_Color == iColor)
            return cell->Rect();
    }
    return CRect(0, 0, 0, 0);
}

// --- Sizes and layout ---

CSize CGTColorBar::GetGridSize() const
{
    const int count = static_cast<int>(m_Colors.size());
    if (m_Docked && !IsFloating()) {
        if (IsHorizontal() && m_DockedRows > 0)
            return CSize(CeilDiv(count, m_DockedRows), m_DockedRows);
        if (!IsHorizontal() && m_DockedColumns > 0)
            return CSize(m_DockedColumns, CeilDiv(count, m_DockedColumns));
    }
    const int columns = m_Columns >= 1 ? m_Columns : static_cast<int>(std::sqrt(static_cast<double>(count))) + 1;
    return CSize(columns, CeilDiv(count, columns));
}

int CGTColorBar::GetExtraHeight(int iColumns) const
{
    int height = 0;
    if (!m_AutomaticCaption.IsEmpty())
        height += m_RowHeight;
    else if (!m_OtherCaption.IsEmpty())
        height += m_VertSpacing;
    if (!m_OtherCaption.IsEmpty())
        height += m_RowHeight;
    if (ShowsDocumentColors())
        height += m_BoxSize.cy * CeilDiv(static_cast<int>(m_DocumentColors.GetCount()), iColumns) + m_VertSpacing +
            m_RowHeight + 4;
    return height;
}

CSize CGTColorBar::GetStretchLimit(BOOL, BOOL)
{
    const CSize grid = GetGridSize();
    return CSize(m_BoxSize.cx * grid.cx + 2 * m_VertSpacing,
                 GetExtraHeight(grid.cx) + m_BoxSize.cy * grid.cy + 2 * m_HorzSpacing);
}

void CGTColorBar::PlaceRow(CColorButton& ioCell, int& ioTop, int iHeight, int iLeft, int iWidth) const
{
    ioCell.SetRect(CRect(iLeft, ioTop, iLeft + iWidth, ioTop + iHeight));
    ioTop += iHeight;
}

void CGTColorBar::RecalcButtonLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    const CSize grid = GetGridSize();
    const int left = m_Offset.x + m_VertSpacing;
    const int width = m_BoxSize.cx * grid.cx;
    const BOOL documents = ShowsDocumentColors();
    const BOOL indicator = ShowsIndicator();
    int top = m_Offset.y + m_HorzSpacing;
    int paletteCell = 0;
    int documentCell = 0;
    const auto placeInGrid = [&](CColorButton& ioCell, int iIndex, int iTop) {
        const CPoint at(left + (iIndex % grid.cx) * m_BoxSize.cx, iTop + (iIndex / grid.cx) * m_BoxSize.cy);
        ioCell.SetRect(CRect(at, m_BoxSize));
    };
    int paletteTop = top;
    int documentTop = 0;
    for (int index = 0; index < GetButtonCount(); ++index) {
        CColorButton* cell = AsCell(GetButton(index));
        if (cell == nullptr)
            continue;
        cell->SetHiddenByLayout(FALSE);
        if (cell->m_Automatic) {
            PlaceRow(*cell, top, m_RowHeight, left, width);
            paletteTop = top;
        } else if (cell->m_Caption || cell->m_Document) {
            if (!documents) {
                cell->SetRect(CRect(0, 0, 0, 0));
                cell->SetHiddenByLayout(TRUE);
            } else if (cell->m_Caption) {
                top = paletteTop + m_BoxSize.cy * grid.cy + m_VertSpacing;
                PlaceRow(*cell, top, m_RowHeight, left, width);
                documentTop = top;
            } else {
                placeInGrid(*cell, documentCell++, documentTop);
            }
        } else if (cell->m_Other) {
            top = paletteTop + m_BoxSize.cy * grid.cy;
            if (documents)
                top = documentTop + m_BoxSize.cy * CeilDiv(static_cast<int>(m_DocumentColors.GetCount()), grid.cx) + 4;
            if (m_AutomaticCaption.IsEmpty())
                top += m_VertSpacing;
            const int otherWidth = indicator ? width - m_BoxSize.cx : width;
            int rowTop = top;
            PlaceRow(*cell, rowTop, m_RowHeight, left, otherWidth);
        } else if (cell->m_Indicator) {
            cell->SetRect(indicator ? CRect(left + width - m_BoxSize.cx, top, left + width, top + m_RowHeight)
                                    : CRect(0, 0, 0, 0));
            cell->SetHiddenByLayout(!indicator);
        } else {
            placeInGrid(*cell, paletteCell++, paletteTop);
        }
    }
    UpdateTooltips();
}

void CGTColorBar::AdjustLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    if (m_Control)
        FitToClient(TRUE, TRUE);
    CGTPopupMenuBar::AdjustLayout();
}

// --- Painting ---

void CGTColorBar::DoPaint(CDC* iDc)
{
    CRect client;
    GetClientRect(&client);
    CRect clip;
    iDc->GetClipBox(&clip);
    CGTMemDC memory(*iDc, this);
    CDC& dc = memory.GetDC();
    CGTVisualManager::GetCurrent()->DrawBarBackground(&dc, this, client, clip);
    for (int index = 0; index < GetButtonCount(); ++index) {
        CGTToolbarButton* cell = GetButton(index);
        if (!cell->IsHiddenByLayout() && CRect().IntersectRect(cell->Rect(), clip))
            cell->OnDraw(&dc, cell->Rect(), nullptr, TRUE, FALSE, IsButtonHot(index), TRUE, TRUE);
    }
}

// --- Stored form ---

void CGTColorBar::Serialize(CArchive& ioArchive)
{
    CGTPopupMenuBar::Serialize(ioArchive);
    if (ioArchive.IsStoring()) {
        ioArchive << m_Columns << m_DockedRows << m_DockedColumns << m_Automatic;
        ioArchive << m_AutomaticCaption << m_OtherCaption << m_DocumentCaption;
        ioArchive << m_Docked << m_CommandId << m_SystemDialog;
        WriteColors(ioArchive, m_Colors);
        return;
    }
    GTColorBarSettings read;
    BOOL docked = FALSE;
    ioArchive >> read.columns >> read.dockedRows >> read.dockedColumns >> read.automaticColor;
    ioArchive >> read.automaticCaption >> read.otherCaption >> read.documentCaption;
    ioArchive >> docked >> read.commandId >> read.systemDialog;
    read.colors = ReadColors(ioArchive);
    read.selected = m_Selected;
    for (POSITION position = m_DocumentColors.GetHeadPosition(); position != nullptr;)
        read.documentColors.push_back(m_DocumentColors.GetNext(position));
    CopySettings(read);
    m_Docked = docked;
    Rebuild();
    AdjustLayout();
}
