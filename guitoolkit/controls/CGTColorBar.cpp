#include <guitoolkit/controls/CGTColorBar.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CGTColorBar, CWnd)

BEGIN_MESSAGE_MAP(CGTColorBar, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace {
std::vector<COLORREF> PaletteColors(HPALETTE iPalette)
{
    std::vector<PALETTEENTRY> entries(::GetPaletteEntries(iPalette, 0, 0, nullptr));
    if (!entries.empty())
        ::GetPaletteEntries(iPalette, 0, static_cast<UINT>(entries.size()), entries.data());
    std::vector<COLORREF> colors;
    for (const PALETTEENTRY& entry : entries)
        colors.push_back(RGB(entry.peRed, entry.peGreen, entry.peBlue));
    return colors;
}
}  // namespace

CGTColorBar::CGTColorBar()
    : m_SelectedColor(static_cast<COLORREF>(-1)), m_Columns(1), m_BoxSize(0), m_Offset(0, 0), m_VertSpacing(4),
      m_HorzSpacing(4)
{
}

BOOL CGTColorBar::CreateControl(CWnd* iParent, const CRect& iRect, UINT iId, int iColumns, CPalette* iPalette)
{
    m_Colors = PaletteColors(iPalette != nullptr ? static_cast<HPALETTE>(iPalette->GetSafeHandle())
                                                 : static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)));
    const int count = static_cast<int>(m_Colors.size());
    m_Columns = iColumns;
    if (m_Columns < 1 && count > 0) {
        // The fewest columns whose cells, as wide as the width allows, still fit the height.
        const int width = iRect.Width() - 2 * m_HorzSpacing;
        const int height = iRect.Height() - 2 * m_VertSpacing;
        m_Columns = count;
        for (int columns = 1; columns <= count; ++columns) {
            const int rows = (count + columns - 1) / columns;
            if (rows * (width / columns) <= height) {
                m_Columns = columns;
                break;
            }
        }
    }
    m_Columns = std::max(m_Columns, 1);
    if (!CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW)), L"", WS_CHILD | WS_VISIBLE, iRect,
                  iParent, iId))
        return FALSE;
    SetOwner(iParent);
    LayOut(iRect.Size());
    return TRUE;
}

void CGTColorBar::LayOut(const CSize& iSize)
{
    const int count = static_cast<int>(m_Colors.size());
    const int rows = std::max((count + m_Columns - 1) / m_Columns, 1);
    const int width = iSize.cx - 2 * m_HorzSpacing;
    const int height = iSize.cy - 2 * m_VertSpacing;
    m_BoxSize = std::max(std::min(width / m_Columns, height / rows), 1);
    m_Offset =
        CPoint(m_HorzSpacing + (width - m_BoxSize * m_Columns) / 2, m_VertSpacing + (height - m_BoxSize * rows) / 2);
}

CRect CGTColorBar::CellRect(int iIndex) const
{
    const CPoint topLeft(m_Offset.x + (iIndex % m_Columns) * m_BoxSize, m_Offset.y + (iIndex / m_Columns) * m_BoxSize);
    return CRect(topLeft, CSize(m_BoxSize, m_BoxSize));
}

CRect CGTColorBar::GetCellRect(COLORREF iColor) const
{
    const auto found = std::find(m_Colors.begin(), m_Colors.end(), iColor);
    return found == m_Colors.end() ? CRect(0, 0, 0, 0) : CellRect(static_cast<int>(found - m_Colors.begin()));
}

int CGTColorBar::CellAt(CPoint iPoint) const
{
    for (int index = 0; index < static_cast<int>(m_Colors.size()); ++index)
        if (CellRect(index).PtInRect(iPoint))
            return index;
    return -1;
}

void CGTColorBar::SetSelectedColor(COLORREF iColor)
{
    if (iColor == m_SelectedColor)
        return;
    const CRect before = GetCellRect(m_SelectedColor);
    m_SelectedColor = iColor;
    if (GetSafeHwnd() == nullptr)
        return;
    InvalidateRect(&before);
    const CRect after = GetCellRect(iColor);
    InvalidateRect(&after);
}

void CGTColorBar::OnPaint()
{
    CPaintDC dc(this);
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    CRect client;
    GetClientRect(&client);
    dc.FillRect(&client, const_cast<CBrush*>(&globals.brushBtnFace));
    for (int index = 0; index < static_cast<int>(m_Colors.size()); ++index) {
        CRect cell = CellRect(index);
        if (m_Colors[index] == m_SelectedColor) {
            dc.Draw3dRect(&cell, globals.colorBtnDarkShadow, globals.colorBtnHighlight);
        }
        cell.DeflateRect(2, 2);
        dc.FillSolidRect(&cell, m_Colors[index]);
        dc.Draw3dRect(&cell, globals.colorBtnShadow, globals.colorBtnShadow);
    }
}

void CGTColorBar::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    CWnd::OnLButtonUp(iFlags, iPoint);
    const int index = CellAt(iPoint);
    if (index < 0)
        return;
    SetSelectedColor(m_Colors[index]);
    CWnd* target = GetOwner() != nullptr ? GetOwner() : GetParent();
    if (target != nullptr)
        target->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(m_hWnd));
}
