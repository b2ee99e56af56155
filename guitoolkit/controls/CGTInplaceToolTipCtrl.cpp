#include <guitoolkit/controls/CGTInplaceToolTipCtrl.h>
#include <guitoolkit/core/CGTColorValues.h>
#include <guitoolkit/core/CGTGlobalUtils.h>
#include <windowsx.h>

IMPLEMENT_DYNAMIC(CGTInplaceToolTipCtrl, CWnd)

BEGIN_MESSAGE_MAP(CGTInplaceToolTipCtrl, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_SETFONT, &CGTInplaceToolTipCtrl::OnSetFont)
END_MESSAGE_MAP()

CGTInplaceToolTipCtrl::CGTInplaceToolTipCtrl() : m_LastRect(0, 0, 0, 0), m_Margin(10), m_Font(nullptr), m_Owner(nullptr)
{
}

BOOL CGTInplaceToolTipCtrl::Create(CWnd* iOwner)
{
    m_Owner = iOwner;
    CString& windowClass = CGTColorValues::InplaceToolTipWindowClass();
    if (windowClass.IsEmpty())
        windowClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    return CreateEx(0, windowClass, L"", WS_POPUP, CRect(0, 0, 0, 0), iOwner, 0);
}

CFont* CGTInplaceToolTipCtrl::GetTipFont() const
{
    return CFont::FromHandle(m_Font != nullptr ? m_Font : (HFONT)::GetStockObject(DEFAULT_GUI_FONT));
}

void CGTInplaceToolTipCtrl::Track(const CRect& iRect, const CString& iText)
{
    if (GetSafeHwnd() == nullptr || (iRect == m_LastRect && iText == m_Text))
        return;
    m_LastRect = iRect;
    m_Text = iText;

    CClientDC dc(this);
    CFont* oldFont = dc.SelectObject(GetTipFont());
    const int width = dc.GetTextExtent(m_Text).cx + 2 * m_Margin;
    dc.SelectObject(oldFont);

    CRect place = iRect;
    if (m_Owner != nullptr && (m_Owner->GetExStyle() & WS_EX_LAYOUTRTL))
        place.left = place.right - width;
    else
        place.right = place.left + width;

    const CRect work = CGTGlobalUtils::WorkAreaAt(iRect.TopLeft());
    if (place.Width() > work.Width()) {
        place.left = work.left;
        place.right = work.right;
    } else if (place.right > work.right) {
        place.OffsetRect(work.right - place.right, 0);
    } else if (place.left < work.left) {
        place.OffsetRect(work.left - place.left, 0);
    }

    SetWindowPos(&wndTop, place.left, iRect.top, place.Width(), iRect.Height(), SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNOACTIVATE);
    RedrawWindow();
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
}

void CGTInplaceToolTipCtrl::Hide()
{
    if (GetSafeHwnd() != nullptr)
        ShowWindow(SW_HIDE);
}

void CGTInplaceToolTipCtrl::Deactivate()
{
    m_Text.Empty();
    m_LastRect.SetRectEmpty();
    Hide();
}

BOOL CGTInplaceToolTipCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTInplaceToolTipCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(client);
    dc.FillSolidRect(client, ::GetSysColor(COLOR_INFOBK));
    dc.Draw3dRect(client, ::GetSysColor(COLOR_INFOTEXT), ::GetSysColor(COLOR_INFOTEXT));
    CFont* oldFont = dc.SelectObject(GetTipFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_INFOTEXT));
    client.DeflateRect(m_Margin, 0);
    dc.DrawText(m_Text, client, DT_SINGLELINE | DT_VCENTER);
    dc.SelectObject(oldFont);
}

LRESULT CGTInplaceToolTipCtrl::OnSetFont(WPARAM iFont, LPARAM iRedraw)
{
    m_Font = (HFONT)iFont;
    if (iRedraw)
        Invalidate();
    return 0;
}

BOOL CGTInplaceToolTipCtrl::PreTranslateMessage(MSG* iMessage)
{
    if (iMessage->message < WM_MOUSEFIRST || iMessage->message > WM_MOUSEWHEEL || m_Owner == nullptr ||
        iMessage->hwnd != m_hWnd)
        return CWnd::PreTranslateMessage(iMessage);
    if (iMessage->message != WM_MOUSEMOVE)
        Hide();
    CPoint point(GET_X_LPARAM(iMessage->lParam), GET_Y_LPARAM(iMessage->lParam));
    MapWindowPoints(m_Owner, &point, 1);
    m_Owner->SendMessage(iMessage->message, iMessage->wParam, MAKELPARAM(point.x, point.y));
    return TRUE;
}
