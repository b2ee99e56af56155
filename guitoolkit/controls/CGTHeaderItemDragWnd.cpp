#include <guitoolkit/controls/CGTHeaderItemDragWnd.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/core/CGTGridValues.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>

IMPLEMENT_DYNAMIC(CGTHeaderItemDragWnd, CWnd)
IMPLEMENT_DYNAMIC(CGTHeaderItemDropWnd, CWnd)

namespace {

LPCWSTR RegisteredClass(CString& ioName)
{
    if (ioName.IsEmpty())
        ioName = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    return ioName;
}

const DWORD DragStyle = WS_POPUP | WS_DISABLED;
const DWORD DragExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

}  // namespace

BEGIN_MESSAGE_MAP(CGTHeaderItemDragWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CGTHeaderItemDragWnd::CGTHeaderItemDragWnd() : m_Grid(nullptr), m_Column(-1), m_ShowCursor(TRUE) {}

BOOL CGTHeaderItemDragWnd::Create(CGTGridCtrl* iGrid, int iColumn, const CRect& iRect)
{
    m_Grid = iGrid;
    m_Column = iColumn;
    return CreateEx(DragExStyle, RegisteredClass(CGTGridValues::HeaderDragWindowClass()), L"", DragStyle, iRect, iGrid,
                    0);
}

void CGTHeaderItemDragWnd::PostNcDestroy()
{
    delete this;
}

BOOL CGTHeaderItemDragWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

BOOL CGTHeaderItemDragWnd::OnSetCursor(CWnd* iWnd, UINT iHitTest, UINT iMessage)
{
    if (m_ShowCursor)
        return CWnd::OnSetCursor(iWnd, iHitTest, iMessage);
    ::SetCursor(nullptr);
    return TRUE;
}

void CGTHeaderItemDragWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(client);
    dc.FillRect(client, &theGuiToolkitGlobals.brushBtnFace);
    if (m_Grid == nullptr)
        return;
    CFont* oldFont = m_Grid->SelectPaintFont(&dc);
    dc.SetTextColor(theGuiToolkitGlobals.colorBtnText);
    dc.SetBkMode(TRANSPARENT);
    if (m_Grid->IsDraggedFromGroupArea() || m_Grid->IsDraggedFromChooser()) {
        CRect text = client;
        text.DeflateRect(5, 0);
        dc.DrawText(m_Grid->GetColumnName(m_Column), text, 0x8825);
        dc.Draw3dRect(client, theGuiToolkitGlobals.colorBtnHighlight, theGuiToolkitGlobals.colorBtnShadow);
    } else {
        m_Grid->SetDragging(TRUE);
        m_Grid->GetColumnsInfo().DrawColumn(&dc, m_Column, client, 5, 5, FALSE, TRUE, TRUE);
        m_Grid->SetDragging(FALSE);
    }
    dc.SelectObject(oldFont);
}

BEGIN_MESSAGE_MAP(CGTHeaderItemDropWnd, CWnd)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CGTHeaderItemDropWnd::Create(int iHeaderHeight)
{
    const int height = iHeaderHeight + 18;
    if (!CreateEx(WS_EX_TOOLWINDOW, RegisteredClass(CGTGridValues::HeaderDropWindowClass()), L"", DragStyle, 0, 0, 9,
                  height, nullptr, nullptr))
        return FALSE;
    const POINT down[8] = {{3, 0}, {6, 0}, {6, 4}, {9, 4}, {5, 9}, {4, 9}, {0, 4}, {3, 4}};
    POINT up[8];
    for (int i = 0; i < 8; ++i)
        up[i] = {down[i].x, height - down[i].y};
    HRGN region = ::CreatePolygonRgn(down, 8, WINDING);
    HRGN lower = ::CreatePolygonRgn(up, 8, WINDING);
    ::CombineRgn(region, region, lower, RGN_OR);
    ::DeleteObject(lower);
    SetWindowRgn(region, FALSE);
    return TRUE;
}

BOOL CGTHeaderItemDropWnd::OnEraseBkgnd(CDC* iDc)
{
    CRect client;
    GetClientRect(client);
    iDc->FillSolidRect(client, RGB(255, 0, 0));
    return TRUE;
}
