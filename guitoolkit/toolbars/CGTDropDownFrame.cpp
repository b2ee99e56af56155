#include <guitoolkit/toolbars/CGTDropDownFrame.h>
#include <guitoolkit/core/CGTMenuSound.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTDropDownToolbarButton.h>
#include <algorithm>

BEGIN_MESSAGE_MAP(CGTDropDownFrame, CMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_WM_ACTIVATEAPP()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
const UINT barId = 0xE827;
const DWORD columnStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT;
const DWORD rowStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM;
// Round the bar: the frame's two edges and a pixel of room.
const int frameMargin = 2;
const int noLimit = 32767;

CRect WorkAreaAt(CPoint iPoint)
{
    MONITORINFO info = {sizeof(info)};
    if (::GetMonitorInfoW(::MonitorFromPoint(iPoint, MONITOR_DEFAULTTONEAREST), &info))
        return info.rcWork;
    CRect area;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}
}  // namespace

CGTDropDownFrame::CGTDropDownFrame(CGTDropDownToolbarButton* iButton)
    : m_Button(iButton), m_Group(nullptr), m_Position(0, 0)
{
}

CGTDropDownFrame::~CGTDropDownFrame()
{
    m_Bar.ReturnButtons();
}

BOOL CGTDropDownFrame::Create(CWnd* iParent, int iX, int iY, CGTDropDownToolBar* iGroup)
{
    PlayMenuSound(CGTMenuSound::MenuPopup);
    m_Group = iGroup;
    m_Position = CPoint(iX, iY);
    const BOOL hasParent = iParent != nullptr && iParent->GetSafeHwnd() != nullptr;
    if (iX == -1 && iY == -1) {
        m_Position = CPoint(0, 0);
        if (hasParent) {
            iParent->ClientToScreen(&m_Position);
            m_Position.Offset(5, 5);
        }
    }
    CWnd* owner = nullptr;
    if (hasParent) {
        owner = iParent->GetOwner() != nullptr ? iParent->GetOwner() : iParent->GetParent();
        if (owner == nullptr)
            owner = iParent;
    }
    const LPCWSTR windowClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursorW(nullptr, IDC_ARROW),
                                                    reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    if (!CWnd::CreateEx(0, windowClass, L"", WS_POPUP, m_Position.x, m_Position.y, 0, 0,
                        owner != nullptr ? owner->GetSafeHwnd() : nullptr, nullptr))
        return FALSE;
    ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

BOOL CGTDropDownFrame::IsColumn() const
{
    const CGTToolBar* bar = m_Button != nullptr ? m_Button->GetParentToolBar() : nullptr;
    return bar != nullptr && bar->IsHorizontal();
}

int CGTDropDownFrame::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CMiniFrameWnd::OnCreate(iCreate) == -1 || m_Group == nullptr)
        return -1;
    if (!m_Bar.CreateEx(this, TBSTYLE_FLAT, IsColumn() ? columnStyle : rowStyle, CRect(1, 1, 1, 1), barId))
        return -1;
    m_Bar.SetLockedSizes(m_Group->GetButtonSize(), m_Group->GetImageSize());
    m_Bar.SetBarStyle(m_Bar.GetBarStyle() & ~CBRS_GRIPPER);
    m_Bar.SetOwner(m_Group->GetOwner() != nullptr ? m_Group->GetOwner() : m_Group->GetParent());
    m_Bar.BorrowButtonsOf(*m_Group, *this);
    RecalcLayout();
    m_Bar.SetCapture();
    return 0;
}

void CGTDropDownFrame::RecalcLayout(BOOL)
{
    if (GetSafeHwnd() == nullptr || m_Bar.GetSafeHwnd() == nullptr)
        return;
    m_Bar.WrapButtons(IsColumn() ? 0 : noLimit);
    CRect window;
    CRect client;
    m_Bar.GetWindowRect(&window);
    m_Bar.GetClientRect(&client);
    // The bar's layout, its borders, and the frame round it.
    const CSize size =
        m_Bar.CalcLayoutSize(FALSE) + (window.Size() - client.Size()) + CSize(3 * frameMargin, 3 * frameMargin);
    const CRect area = WorkAreaAt(m_Position);
    CPoint at = m_Position;
    const CRect button = m_Button != nullptr ? m_Button->GetScreenRect() : CRect(0, 0, 0, 0);
    if (at.x + size.cx > area.right) {
        const CGTToolBar* bar = m_Button != nullptr ? m_Button->GetParentToolBar() : nullptr;
        at.x = area.right - size.cx - 1;
        if (bar != nullptr && bar->GetSafeHwnd() != nullptr && !bar->IsHorizontal()) {
            CRect barWindow;
            bar->GetWindowRect(&barWindow);
            at.x = barWindow.left - size.cx;
        }
    }
    if (at.y + size.cy > area.bottom)
        at.y = std::max(static_cast<int>(at.y - size.cy - (m_Button != nullptr ? button.Height() + 4 : 0)),
                        static_cast<int>(area.top));
    SetWindowPos(nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGTDropDownFrame::OnSize(UINT iType, int iWidth, int iHeight)
{
    CMiniFrameWnd::OnSize(iType, iWidth, iHeight);
    if (m_Bar.GetSafeHwnd() != nullptr)
        m_Bar.SetWindowPos(nullptr, frameMargin, frameMargin, iWidth - 2 * frameMargin, iHeight - 2 * frameMargin,
                           SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CGTDropDownFrame::OnEraseBkgnd(CDC* iDc)
{
    CRect client;
    GetClientRect(&client);
    iDc->FillSolidRect(&client, theGuiToolkitGlobals.colorBarFace);
    return TRUE;
}

void CGTDropDownFrame::OnPaint()
{
    CPaintDC dc(this);
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    CRect rect;
    GetClientRect(&rect);
    dc.Draw3dRect(&rect, globals.colorBarLight, globals.colorBarDarkShadow);
    rect.DeflateRect(1, 1);
    dc.Draw3dRect(&rect, globals.colorBarHighlight, globals.colorBarShadow);
}

int CGTDropDownFrame::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

void CGTDropDownFrame::OnActivateApp(BOOL iActive, DWORD iThreadId)
{
    CMiniFrameWnd::OnActivateApp(iActive, iThreadId);
    if (!iActive && !CGTToolBar::IsCustomizeMode())
        PostMessage(WM_CLOSE);
}

void CGTDropDownFrame::OnClose()
{
    DestroyWindow();
}

void CGTDropDownFrame::OnDestroy()
{
    if (m_Button != nullptr) {
        m_Button->OnFrameClosed();
        // The bar the press began on leaves its pressed state.
        CGTToolBar* bar = m_Button->GetParentToolBar();
        if (bar != nullptr && bar->GetSafeHwnd() != nullptr) {
            CPoint cursor;
            CGTCursor::Current().GetPosition(cursor);
            bar->ScreenToClient(&cursor);
            bar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(cursor.x, cursor.y));
        }
    }
    CMiniFrameWnd::OnDestroy();
}

void CGTDropDownFrame::PostNcDestroy()
{
    if (m_Button != nullptr)
        m_Button->OnCancelMode();
    CMiniFrameWnd::PostNcDestroy();
}
