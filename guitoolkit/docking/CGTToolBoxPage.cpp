#include <guitoolkit/docking/CGTToolBox.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CGTToolBoxButton, CObject)
IMPLEMENT_DYNCREATE(CGTToolBoxPage, CGTControlBar)

BEGIN_MESSAGE_MAP(CGTToolBoxPage, CGTControlBar)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CANCELMODE()
    ON_NOTIFY_EX(TTN_NEEDTEXTW, 0, &CGTToolBoxPage::OnToolTipText)
END_MESSAGE_MAP()

namespace {
// Room around an image in the grid, and above the first row and below the last.
const int gridPadding = 12;
const int listPadding = 4;
const int pageMargin = 8;
}  // namespace

CGTToolBoxButton::CGTToolBoxButton() : m_Page(nullptr), m_Selected(FALSE), m_Rect(0, 0, 0, 0), m_Image(-1) {}

void CGTToolBoxButton::OnDraw(CDC* iDc)
{
    if (m_Rect.IsRectEmpty() || m_Page == nullptr)
        return;
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    const BOOL highlighted = m_Page->GetHighlighted() >= 0 && &m_Page->GetTool(m_Page->GetHighlighted()) == this;
    if (m_Selected) {
        iDc->FillRect(&m_Rect, const_cast<CBrush*>(&globals.brushLight));
        iDc->Draw3dRect(&m_Rect, globals.colorBarShadow, globals.colorBarHighlight);
    } else if (highlighted) {
        CGTVisualManager::GetCurrent()->DrawToolBoxButtonBorder(iDc, m_Rect);
    }
    const CSize image = m_Page->GetImageSize();
    const BOOL grid = m_Page->GetMode() == CGTToolBoxPage::gridMode;
    const int x = grid ? m_Rect.left + (m_Rect.Width() - image.cx) / 2 : m_Rect.left + listPadding;
    if (m_Image >= 0)
        m_Page->GetImages().DrawImage(iDc, x, m_Rect.top + (m_Rect.Height() - image.cy) / 2, m_Image);
    if (grid)
        return;
    CRect label = m_Rect;
    label.left = x + image.cx + listPadding;
    iDc->SetTextColor(globals.colorBarText);
    iDc->DrawText(m_Label, &label, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

CGTToolBoxPage::CGTToolBoxPage()
    : m_ImageSize(0, 0), m_Selected(-1), m_Highlighted(-1), m_ToolBox(nullptr), m_ToolBoxEx(nullptr), m_ScrollRows(0),
      m_HiddenRows(0), m_Mode(listMode)
{
}

CGTToolBoxPage::~CGTToolBoxPage()
{
    for (INT_PTR i = 0; i < m_Buttons.GetSize(); ++i)
        delete m_Buttons[i];
}

BOOL CGTToolBoxPage::Create(CWnd* iParent, UINT iId, int iMode)
{
    m_Mode = iMode;
    return CGTControlBar::Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), iParent, iId, 0);
}

BOOL CGTToolBoxPage::LoadImages(UINT iResourceId, CSize iImageSize)
{
    m_Images.sizeImage = iImageSize;
    if (!m_Images.LoadFromResource(iResourceId))
        return FALSE;
    m_ImageSize = iImageSize;
    AdjustLayout();
    return TRUE;
}

int CGTToolBoxPage::AddTool(const CString& iLabel, int iImage)
{
    auto* button = new CGTToolBoxButton;
    button->m_Page = this;
    button->m_Label = iLabel;
    button->m_Image = iImage;
    const int index = static_cast<int>(m_Buttons.Add(button));
    if (m_ToolTip.GetSafeHwnd() != nullptr)
        m_ToolTip.AddTool(this, LPSTR_TEXTCALLBACKW, CRect(0, 0, 0, 0), index + 1);
    AdjustLayout();
    return index;
}

int CGTToolBoxPage::ListRowHeight() const
{
    return std::max<int>(m_ImageSize.cy, theGuiToolkitGlobals.textHeightRegular) + listPadding;
}

CSize CGTToolBoxPage::CellSize(int iClientWidth) const
{
    if (m_Mode == gridMode)
        return CSize(m_ImageSize.cx + gridPadding, m_ImageSize.cy + gridPadding);
    return CSize(iClientWidth, ListRowHeight());
}

void CGTToolBoxPage::AdjustLayout()
{
    if (m_hWnd == nullptr)
        return;
    CRect client;
    GetClientRect(client);
    const CSize cell = CellSize(client.Width());
    int x = client.left, y = client.top + listPadding - m_ScrollRows * cell.cy;
    m_HiddenRows = 0;
    for (int index = 0; index < GetToolCount(); ++index) {
        if (index > 0 && x + cell.cx > client.right) {
            x = client.left;
            y += cell.cy;
        }
        // A row cut by the bottom edge shows none of its tools, so it counts as hidden too:
        // scrolling down must stay possible to reach them.
        if (x == client.left && y + cell.cy > client.bottom)
            ++m_HiddenRows;
        CRect cellRect(CPoint(x, y), cell);
        if (cellRect.top < client.top || cellRect.bottom > client.bottom)
            cellRect.SetRectEmpty();
        m_Buttons[index]->m_Rect = cellRect;
        if (m_ToolTip.GetSafeHwnd() != nullptr)
            m_ToolTip.SetToolRect(this, index + 1, &cellRect);
        x += cell.cx;
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (m_ToolBox != nullptr)
        m_ToolBox->UpdateScrollButtons();
}

int CGTToolBoxPage::GetPageHeight() const
{
    CRect client(0, 0, 0, 0);
    if (m_hWnd != nullptr)
        GetClientRect(client);
    const int tools = GetToolCount();
    if (m_Mode != gridMode)
        return ListRowHeight() * tools + pageMargin;
    const int columns = client.Width() / (m_ImageSize.cx + gridPadding);
    const int rows = columns > 0 ? (tools + columns - 1) / columns : 0;
    return (m_ImageSize.cy + gridPadding) * rows + pageMargin;
}

void CGTToolBoxPage::ScrollTo(int iPixels)
{
    const int row = CellSize(0).cy;
    m_ScrollRows = row > 0 ? (iPixels + row - 1) / row : 0;
    AdjustLayout();
}

void CGTToolBoxPage::ScrollRows(int iRows)
{
    m_ScrollRows = std::max(0, m_ScrollRows + iRows);
    AdjustLayout();
}

int CGTToolBoxPage::HitTest(CPoint iPoint)
{
    CPoint screen = iPoint;
    ClientToScreen(&screen);
    if (CGTCursor::Current().WindowAt(screen) != m_hWnd)
        return -1;
    for (int index = 0; index < GetToolCount(); ++index) {
        if (m_Buttons[index]->m_Rect.PtInRect(iPoint))
            return index;
    }
    return -1;
}

BOOL CGTToolBoxPage::SetSelected(int iIndex)
{
    if (iIndex >= GetToolCount())
        return FALSE;
    if (iIndex == m_Selected)
        return TRUE;
    const int previous = m_Selected;
    m_Selected = iIndex;
    if (previous >= 0) {
        m_Buttons[previous]->m_Selected = FALSE;
        RedrawTool(previous);
    }
    if (iIndex >= 0) {
        m_Buttons[iIndex]->m_Selected = TRUE;
        RedrawTool(iIndex);
    }
    return TRUE;
}

void CGTToolBoxPage::RedrawTool(int iIndex)
{
    if (m_hWnd != nullptr && iIndex >= 0 && iIndex < GetToolCount())
        RedrawWindow(&m_Buttons[iIndex]->m_Rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
