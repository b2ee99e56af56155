// The grid as a window: creation, its messages as a whole (size, style, colours, fonts,
// border, cancel mode, timer), and the end of the window.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <afxdialog.h>

IMPLEMENT_DYNAMIC(CGTGridCtrl, CWnd)

HCURSOR CGTGridCtrl::s_SplitCursor = nullptr;
HCURSOR CGTGridCtrl::s_SplitVertCursor = nullptr;
HCURSOR CGTGridCtrl::s_NoDropCursor = nullptr;
HCURSOR CGTGridCtrl::s_DragCursor = nullptr;

namespace {

const UINT InPlaceId = 1;
const UINT VertBarId = 2;
const UINT HorzBarId = 3;
const UINT_PTR PressTimer = 1;

HCURSOR LoadProgramCursor(UINT iId)
{
    return ::LoadCursorW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(iId));
}

}  // namespace

BEGIN_MESSAGE_MAP(CGTGridCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_CANCELMODE()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETCURSOR()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SETFOCUS()
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_SETFONT, &CGTGridCtrl::OnSetFont)
    ON_MESSAGE(WM_GETFONT, &CGTGridCtrl::OnGetFont)
    ON_WM_STYLECHANGED()
    ON_CBN_SELENDOK(InPlaceId, &CGTGridCtrl::OnSelEndOk)
    ON_CBN_CLOSEUP(InPlaceId, &CGTGridCtrl::OnCloseUp)
    ON_EN_KILLFOCUS(InPlaceId, &CGTGridCtrl::OnEditKillFocus)
    ON_CBN_KILLFOCUS(InPlaceId, &CGTGridCtrl::OnEditKillFocus)
END_MESSAGE_MAP()

BOOL CGTGridCtrl::CreateEx(DWORD iExStyle, LPCWSTR iClass, LPCWSTR iName, DWORD iStyle, int iX, int iY, int iWidth,
                           int iHeight, HWND iParent, HMENU iMenu, LPVOID iParam)
{
    // Tells PreSubclassWindow that WM_CREATE is still to come.
    m_Creating = TRUE;
    const BOOL created =
        CWnd::CreateEx(iExStyle, iClass, iName, iStyle, iX, iY, iWidth, iHeight, iParent, iMenu, iParam);
    m_Creating = FALSE;
    return created;
}

void CGTGridCtrl::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    if (!m_Creating)
        OnCreateInit();
}

int CGTGridCtrl::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CWnd::OnCreate(iCreate) == -1)
        return -1;
    OnCreateInit();
    return 0;
}

void CGTGridCtrl::OnCreateInit()
{
    if (m_Initialized)
        return;
    m_Initialized = TRUE;
    if (s_DragCursor == nullptr) {
        s_SplitCursor = LoadProgramCursor(AFX_IDC_HSPLITBAR);
        s_SplitVertCursor = LoadProgramCursor(AFX_IDC_VSPLITBAR);
        s_NoDropCursor = LoadProgramCursor(AFX_IDC_NODROPCRSR);
        s_DragCursor = LoadProgramCursor(IDC_GT_COLUMN_DRAG);
    }
    UpdateColors();
    m_Columns.SetOwnerGrid(this);
    m_VertScroll.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(0, 0, 0, 0), this, VertBarId);
    m_HorzScroll.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, HorzBarId);
    m_ToolTip.Create(this);
    CWnd* parent = GetParent();
    m_InDialog = parent != nullptr && parent->IsKindOf(RUNTIME_CLASS(CDialog));
    AdjustLayout();
    CreateBoldFont();
    MeasureEditMargin();
}

void CGTGridCtrl::MeasureEditMargin()
{
    CEdit edit;
    if (!edit.Create(WS_CHILD, CRect(0, 0, 100, 20), this, 0xFFFF))
        return;
    edit.SendMessage(WM_SETFONT, SendMessage(WM_GETFONT));
    m_EditMargin = LOWORD(edit.SendMessage(EM_GETMARGINS));
    edit.DestroyWindow();
}

void CGTGridCtrl::CreateBoldFont()
{
    m_BoldFont.DeleteObject();
    LOGFONTW font = {};
    ::GetObjectW(m_Font != nullptr ? m_Font : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    m_BoldFont.CreateFontIndirect(&font);
}

CScrollBar* CGTGridCtrl::GetScrollBarCtrl(int iBar) const
{
    const CScrollBar* bar = iBar == SB_HORZ ? &m_HorzScroll : (iBar == SB_VERT ? &m_VertScroll : nullptr);
    return bar != nullptr && bar->GetSafeHwnd() != nullptr ? const_cast<CScrollBar*>(bar) : nullptr;
}

void CGTGridCtrl::OnSize(UINT iType, int iWidth, int iHeight)
{
    CWnd::OnSize(iType, iWidth, iHeight);
    EndEditItem(FALSE);
    AdjustLayout();
}

void CGTGridCtrl::OnStyleChanged(int iType, LPSTYLESTRUCT iStyle)
{
    CWnd::OnStyleChanged(iType, iStyle);
    MarkRowsChanged();
    AdjustLayout();
}

void CGTGridCtrl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    UpdateColors();
    RedrawAll();
}

UINT CGTGridCtrl::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

LRESULT CGTGridCtrl::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)(m_Font != nullptr ? m_Font : (HFONT)::GetStockObject(DEFAULT_GUI_FONT));
}

LRESULT CGTGridCtrl::OnSetFont(WPARAM iFont, LPARAM)
{
    m_Font = (HFONT)iFont;
    CreateBoldFont();
    MeasureEditMargin();
    AdjustLayout();
    return 0;
}

void CGTGridCtrl::OnSettingChange(UINT iFlags, LPCWSTR iSection)
{
    CWnd::OnSettingChange(iFlags, iSection);
    if (iFlags != SPI_SETNONCLIENTMETRICS)
        return;
    theGuiToolkitGlobals.UpdateFonts();
    CreateBoldFont();
    MeasureEditMargin();
    AdjustLayout();
}

void CGTGridCtrl::OnNcCalcSize(BOOL iValidate, NCCALCSIZE_PARAMS* ioParams)
{
    CWnd::OnNcCalcSize(iValidate, ioParams);
    if (GetStyle() & WS_BORDER)
        ::InflateRect(&ioParams->rgrc[0], -1, -1);
}

void CGTGridCtrl::OnNcPaint()
{
    if (!(GetStyle() & WS_BORDER))
        return;
    CWindowDC dc(this);
    CRect window;
    GetWindowRect(window);
    window.OffsetRect(-window.left, -window.top);
    CGTVisualManager::GetCurrent()->DrawControlBorder(&dc, window, this);
}

void CGTGridCtrl::CancelPointerStates()
{
    if (m_DragColumn >= 0)
        StopDragColumn(CPoint(-1, -1));
    if (m_ResizeColumn >= 0)
        EndResize(-1, FALSE);
    if (m_PressPending)
        CancelPendingPress();
}

void CGTGridCtrl::OnCancelMode()
{
    CancelPointerStates();
    if (GetCapture() == this)
        ReleaseCapture();
    m_ToolTip.Hide();
    EndEditItem(FALSE);
    CWnd::OnCancelMode();
}

void CGTGridCtrl::OnRButtonUp(UINT iFlags, CPoint iPoint)
{
    CWnd::OnRButtonUp(iFlags, iPoint);
    CancelPointerStates();
}

void CGTGridCtrl::OnTimer(UINT_PTR iId)
{
    if (iId == PressTimer) {
        // A press held this long is no click on the cell.
        KillTimer(PressTimer);
        m_PressIsClick = FALSE;
        m_PressPoint = CPoint(-1, -1);
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    }
    CWnd::OnTimer(iId);
}

void CGTGridCtrl::OnDestroy()
{
    m_Selection.RemoveAll();
    m_Anchor = m_Current = CGTGridItemId{-1, -1};
    FreeGroupRows(0);
    for (INT_PTR i = 0; i < m_Rows.GetSize(); ++i)
        delete m_Rows[i];
    m_Rows.RemoveAll();
    m_RowSet.clear();
    m_Shown.RemoveAll();
    m_Cache.CleanUp();
    m_CurrentRow = nullptr;
    m_CurrentItem = nullptr;
    m_SelectionRect.SetRectEmpty();
    MarkRowsChanged();
    m_ToolTip.DestroyWindow();
    m_Initialized = FALSE;
    CWnd::OnDestroy();
}

HBRUSH CGTGridCtrl::OnCtlColor(CDC* iDc, CWnd* iWnd, UINT iCtlColor)
{
    if (iWnd != nullptr && iWnd->GetDlgCtrlID() == (int)InPlaceId && m_CurrentItem != nullptr)
        if (HBRUSH brush = m_CurrentItem->OnCtlColor(iDc, iCtlColor))
            return brush;
    return CWnd::OnCtlColor(iDc, iWnd, iCtlColor);
}

void CGTGridCtrl::OnSelEndOk()
{
    if (m_CurrentRow != nullptr)
        m_CurrentRow->OnSelectCombo();
}

void CGTGridCtrl::OnCloseUp()
{
    if (m_CurrentRow != nullptr)
        m_CurrentRow->OnCloseCombo();
}

void CGTGridCtrl::OnEditKillFocus()
{
    CWnd* focus = GetFocus();
    if (focus == this || IsChild(focus))
        return;
    if (m_CurrentRow != nullptr && !m_CurrentRow->OnEditKillFocus())
        return;
    EndEditItem(FALSE);
}
