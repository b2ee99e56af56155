#include <guitoolkit/controls/CGTGridColumnChooser.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>

IMPLEMENT_DYNAMIC(CGTGridColumnListBox, CListBox)
IMPLEMENT_DYNAMIC(CGTGridColumnChooser, CMiniFrameWnd)

namespace {

const UINT ListId = 1;
const int MostEntries = 10;
const LPCWSTR EmptyText = L"(no fields available)";

}  // namespace

BEGIN_MESSAGE_MAP(CGTGridColumnListBox, CListBox)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CGTGridColumnListBox::CGTGridColumnListBox(CGTGridColumnChooser& iChooser) : m_Chooser(iChooser) {}

BOOL CGTGridColumnListBox::FillHiddenColumns()
{
    CGTGridCtrl* grid = m_Chooser.GetGrid();
    for (int column = 0; grid != nullptr && column < grid->GetColumnCount(); ++column)
        if (!grid->GetColumnsInfo().IsColumnVisible(column))
            SetItemData(AddString(grid->GetColumnName(column)), column);
    return GetCount() > 0;
}

int CGTGridColumnListBox::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CListBox::OnCreate(iCreate) == -1)
        return -1;
    CGTGridCtrl* grid = m_Chooser.GetGrid();
    if (grid == nullptr)
        return 0;
    CClientDC dc(this);
    CFont* oldFont = grid->SelectPaintFont(&dc);
    int widest = 0;
    for (int column = 0; column < grid->GetColumnCount(); ++column)
        widest = std::max(widest, (int)dc.GetTextExtent(grid->GetColumnName(column)).cx);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    // Never narrower than its title and its empty text.
    dc.SelectObject(&theGuiToolkitGlobals.fontRegular);
    CString title;
    m_Chooser.GetWindowText(title);
    const int least = std::max((int)dc.GetTextExtent(title).cx + 2 * ::GetSystemMetrics(SM_CXSMSIZE),
                               (int)dc.GetTextExtent(EmptyText).cx + 10);
    dc.SelectObject(oldFont);
    const BOOL filled = FillHiddenColumns();
    m_Chooser.SetEmpty(!filled);
    // Room for the caption between the button frames, a scroll bar and ten entries.
    CRect client(0, 0, std::max(least, widest + 2 * 7 + ::GetSystemMetrics(SM_CXVSCROLL)),
                 std::min(std::max(GetCount(), 2), MostEntries) * (metrics.tmHeight + 6));
    ::AdjustWindowRectEx(client, m_Chooser.GetStyle() & ~0xFFFF, FALSE, m_Chooser.GetExStyle());
    m_Chooser.SetWindowPos(nullptr, 0, 0, client.Width(), client.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void CGTGridColumnListBox::MeasureItem(LPMEASUREITEMSTRUCT iMeasure)
{
    CGTGridCtrl* grid = m_Chooser.GetGrid();
    CClientDC dc(this);
    CFont* oldFont = grid != nullptr ? grid->SelectPaintFont(&dc) : nullptr;
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    if (oldFont != nullptr)
        dc.SelectObject(oldFont);
    iMeasure->itemHeight = metrics.tmHeight + 6;
}

void CGTGridColumnListBox::DrawItem(LPDRAWITEMSTRUCT iDraw)
{
    CGTGridCtrl* grid = m_Chooser.GetGrid();
    if (grid == nullptr || iDraw->itemID == (UINT)-1)
        return;
    CDC* dc = CDC::FromHandle(iDraw->hDC);
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    CRect rect = iDraw->rcItem;
    dc->FillRect(rect, &theGuiToolkitGlobals.brushBtnFace);
    dc->Draw3dRect(rect, globals.colorBtnLight, globals.colorBtnDarkShadow);
    rect.DeflateRect(1, 1);
    dc->Draw3dRect(rect, globals.colorBtnHighlight, globals.colorBtnShadow);
    rect.DeflateRect(1, 1);
    CFont* oldFont = grid->SelectPaintFont(dc);
    const COLORREF oldColor = dc->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    CRect text = rect;
    text.DeflateRect(5, 0);
    dc->DrawText(grid->GetColumnName((int)iDraw->itemData), text, 0x8824);
    dc->SetBkMode(oldMode);
    dc->SetTextColor(oldColor);
    dc->SelectObject(oldFont);
    if (iDraw->itemState & ODS_SELECTED)
        dc->InvertRect(&iDraw->rcItem);
}

void CGTGridColumnListBox::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    CListBox::OnLButtonDown(iFlags, iPoint);
    CGTGridCtrl* grid = m_Chooser.GetGrid();
    for (int i = 0; grid != nullptr && i < GetCount(); ++i) {
        CRect item;
        GetItemRect(i, item);
        if (!item.PtInRect(iPoint))
            continue;
        MapWindowPoints(grid, item);
        CPoint press = iPoint;
        MapWindowPoints(grid, &press, 1);
        grid->SetDragPoint(press);
        grid->StartDragColumn((int)GetItemData(i), item, FALSE, TRUE);
        return;
    }
}

void CGTGridColumnListBox::OnKeyDown(UINT iChar, UINT iRepeat, UINT iFlags)
{
    CGTGridCtrl* grid = m_Chooser.GetGrid();
    if (iChar == VK_ESCAPE && grid != nullptr && grid->GetDraggedColumn() >= 0) {
        grid->StopDragColumn(CPoint(-1, -1));
        return;
    }
    CListBox::OnKeyDown(iChar, iRepeat, iFlags);
}

BEGIN_MESSAGE_MAP(CGTGridColumnChooser, CMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CGTGridColumnChooser::CGTGridColumnChooser() : m_List(*this), m_Grid(nullptr), m_Empty(TRUE) {}

CGTGridColumnChooser::~CGTGridColumnChooser()
{
    if (m_Grid != nullptr)
        m_Grid->OnColumnChooserGone();
}

BOOL CGTGridColumnChooser::Create(CGTGridCtrl* iGrid, const CRect& iRect, CWnd* iParent)
{
    m_Grid = iGrid;
    CString title;
    {
        CGTLocalResource scope;
        title.LoadString(IDS_GT_FIELD_CHOOSER);
    }
    const DWORD layout = iParent != nullptr ? iParent->GetExStyle() & WS_EX_LAYOUTRTL : 0;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_BLOCKSYSMENU | MFS_SYNCACTIVE;
    LPCWSTR windowClass =
        AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    if (!CreateEx(layout, windowClass, title, style, iRect, iParent))
        return FALSE;
    if (CMenu* menu = GetSystemMenu(FALSE)) {
        for (UINT command : {SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_RESTORE, SC_CLOSE})
            menu->DeleteMenu(command, MF_BYCOMMAND);
        CString close;
        if (close.LoadString(AFX_IDS_SCCLOSE))
            menu->AppendMenu(MF_STRING, SC_CLOSE, close);
    }
    return TRUE;
}

int CGTGridColumnChooser::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CMiniFrameWnd::OnCreate(iCreate) == -1)
        return -1;
    CRect client;
    GetClientRect(client);
    if (!m_List.Create(WS_CHILD | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT, client, this, ListId))
        return -1;
    if (!m_Empty)
        m_List.ShowWindow(SW_SHOWNOACTIVATE);
    // Kept inside the work area of its monitor.
    CRect window;
    GetWindowRect(window);
    const CRect work = CGTGlobalUtils::WorkAreaAt(window.TopLeft());
    if (window.left < work.left)
        window.OffsetRect(work.left - window.left, 0);
    else if (window.right > work.right)
        window.OffsetRect(work.right - window.right, 0);
    if (window.top < work.top)
        window.OffsetRect(0, work.top - window.top);
    else if (window.bottom > work.bottom)
        window.OffsetRect(0, work.bottom - window.bottom);
    SetWindowPos(nullptr, window.left, window.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void CGTGridColumnChooser::UpdateList()
{
    if (m_List.GetSafeHwnd() == nullptr)
        return;
    m_List.ResetContent();
    m_Empty = !m_List.FillHiddenColumns();
    if (m_Empty)
        m_List.ShowWindow(SW_HIDE);
    else if (!m_List.IsWindowVisible())
        m_List.ShowWindow(SW_SHOWNOACTIVATE);
    Invalidate();
}

int CGTGridColumnChooser::GetListHeight() const
{
    if (m_List.GetSafeHwnd() == nullptr)
        return 0;
    CRect list;
    m_List.GetWindowRect(list);
    return list.Height() - ::GetSystemMetrics(SM_CXHSCROLL);
}

void CGTGridColumnChooser::OnSize(UINT iType, int iWidth, int iHeight)
{
    CMiniFrameWnd::OnSize(iType, iWidth, iHeight);
    if (m_List.GetSafeHwnd() != nullptr)
        m_List.SetWindowPos(nullptr, 0, 0, iWidth, iHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGTGridColumnChooser::OnClose()
{
    ShowWindow(SW_HIDE);
    if (m_Grid == nullptr)
        return;
    m_Grid->OnColumnChooserClosed();
    m_Grid->OnHideColumnChooser();
}

void CGTGridColumnChooser::OnWindowPosChanged(WINDOWPOS* iPosition)
{
    CMiniFrameWnd::OnWindowPosChanged(iPosition);
    CRect window;
    GetWindowRect(window);
    if (m_Grid != nullptr)
        m_Grid->SetColumnChooserRect(window);
}

void CGTGridColumnChooser::OnPaint()
{
    CPaintDC dc(this);
    if (!m_Empty)
        return;
    CRect client;
    GetClientRect(client);
    dc.FillRect(client, &theGuiToolkitGlobals.brushBtnFace);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
    CFont* oldFont = dc.SelectObject(&theGuiToolkitGlobals.fontRegular);
    const int line = dc.GetTextExtent(L"A").cy;
    CRect text = client;
    text.top = std::max(client.top, client.CenterPoint().y - line / 2);
    dc.DrawText(EmptyText, text, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(oldFont);
}
