#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>

IMPLEMENT_DYNCREATE(CGTButton, CButton)

BEGIN_MESSAGE_MAP(CGTButton, CButton)
    ON_WM_ERASEBKGND()
    ON_WM_CANCELMODE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_ENABLE()
    ON_WM_SIZE()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_TIMER()
    ON_MESSAGE(WM_SETFONT, &CGTButton::OnSetFont)
    ON_MESSAGE(WM_GETFONT, &CGTButton::OnGetFont)
    ON_MESSAGE(BM_GETCHECK, &CGTButton::OnGetCheck)
    ON_MESSAGE(BM_SETCHECK, &CGTButton::OnSetCheck)
    ON_MESSAGE(BM_SETIMAGE, &CGTButton::OnSetImage)
    ON_MESSAGE(BM_GETIMAGE, &CGTButton::OnGetImage)
END_MESSAGE_MAP()

namespace {

const UINT_PTR AutoRepeatTimer = 1;
BOOL s_Themed = FALSE;
BOOL s_ThemeProbed = FALSE;

}  // namespace

CGTButton::CGTButton()
    : m_BorderStyle(Border3D), m_TextAlign(AlignCenter), m_ImageOnRight(FALSE), m_ImageOnTop(FALSE),
      m_Transparent(FALSE), m_DrawFocus(TRUE), m_HighlightChecked(TRUE), m_DisabledLook(TRUE),
      m_RespondOnButtonDown(FALSE), m_NoTheme(FALSE), m_AutoToolTip(FALSE), m_OnCaption(FALSE), m_CaptionClose(FALSE),
      m_DoubleClicked(FALSE), m_Pushed(FALSE), m_PressedInside(FALSE), m_Highlighted(FALSE), m_Captured(FALSE),
      m_Hover(FALSE), m_Checked(FALSE), m_CheckBox(FALSE), m_RadioButton(FALSE), m_AutoCheck(FALSE), m_ImageSize(0, 0),
      m_AutoToolTipDirty(FALSE), m_Glyph(-1), m_DisabledGlyph(-1), m_GlyphStyle(0), m_Cursor(nullptr),
      m_PushOffset(2, 2), m_TextColor((COLORREF)-1), m_HoverColor((COLORREF)-1), m_FaceColor((COLORREF)-1),
      m_Font(nullptr), m_AutoRepeat(0)
{
}

CGTButton::~CGTButton()
{
    ClearImages();
    if (m_ToolTip.GetSafeHwnd() != nullptr)
        m_ToolTip.DestroyWindow();
}

void CGTButton::EnableThemedButtons(BOOL iEnable)
{
    s_Themed = iEnable;
}

BOOL CGTButton::IsThemedButtons()
{
    return s_Themed;
}

void CGTButton::ReadButtonStyle(DWORD& ioStyle)
{
    const DWORD type = ioStyle & BS_TYPEMASK;
    if (type != BS_OWNERDRAW) {
        m_CheckBox = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX;
        m_RadioButton = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
        m_AutoCheck = type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON;
        if (m_CheckBox || m_RadioButton) {
            const DWORD horizontal = ioStyle & BS_CENTER;
            m_TextAlign = horizontal == BS_LEFT ? AlignLeft : horizontal == BS_RIGHT ? AlignRight : AlignCenter;
        }
        ioStyle = (ioStyle & ~BS_TYPEMASK) | BS_OWNERDRAW;
    }
    // A program with a manifest asks for themed controls.
    if (!s_ThemeProbed) {
        s_ThemeProbed = TRUE;
        if (!s_Themed && ::FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) != nullptr)
            s_Themed = TRUE;
    }
}

BOOL CGTButton::PreCreateWindow(CREATESTRUCT& ioCreate)
{
    DWORD style = ioCreate.style;
    ReadButtonStyle(style);
    ioCreate.style = style;
    return CButton::PreCreateWindow(ioCreate);
}

void CGTButton::PreSubclassWindow()
{
    DWORD style = GetStyle();
    const DWORD before = style;
    ReadButtonStyle(style);
    if (style != before)
        ::SetWindowLongW(m_hWnd, GWL_STYLE, (LONG)style);
    CButton::PreSubclassWindow();
}

void CGTButton::Redraw()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CGTButton::SendClick(CWnd* iTo)
{
    CWnd* target = iTo != nullptr ? iTo : GetParent();
    if (target != nullptr)
        target->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), (LPARAM)m_hWnd);
}

BOOL CGTButton::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTButton::ClearMouseState()
{
    m_Pushed = m_PressedInside = m_Highlighted = m_Hover = FALSE;
    if (m_Captured || GetCapture() == this)
        ReleaseCapture();
    m_Captured = FALSE;
}

void CGTButton::OnCancelMode()
{
    CButton::OnCancelMode();
    ClearMouseState();
    KillTimer(AutoRepeatTimer);
    Redraw();
}

void CGTButton::OnKillFocus(CWnd* iNewWnd)
{
    CButton::OnKillFocus(iNewWnd);
    ClearMouseState();
    Redraw();
}

void CGTButton::OnEnable(BOOL iEnable)
{
    CButton::OnEnable(iEnable);
    ClearMouseState();
    Redraw();
}

void CGTButton::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    CButton::OnMouseMove(iFlags, iPoint);
    const BOOL held = (iFlags & MK_LBUTTON) != 0;
    if (m_BorderStyle == Border3D && !IsThemedDrawing() && !held)
        return;
    CRect client;
    GetClientRect(client);
    if (client.PtInRect(iPoint)) {
        m_Hover = TRUE;
        if (!m_Highlighted) {
            m_Highlighted = TRUE;
            Redraw();
        }
        if (held && m_PressedInside && !m_Pushed) {
            m_Pushed = TRUE;
            Redraw();
        }
        if (!m_Captured) {
            SetCapture();
            m_Captured = TRUE;
        }
        return;
    }
    m_Hover = FALSE;
    if (held) {
        if (m_Pushed) {
            m_Pushed = FALSE;
            Redraw();
        }
        return;
    }
    if (m_Highlighted) {
        m_Highlighted = FALSE;
        Redraw();
    }
    if (m_Captured) {
        ReleaseCapture();
        m_Captured = FALSE;
    }
}

void CGTButton::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    if (m_RespondOnButtonDown) {
        SendClick();
        return;
    }
    m_Pushed = m_PressedInside = m_Highlighted = TRUE;
    SetCapture();
    m_Captured = TRUE;
    Redraw();
    CButton::OnLButtonDown(iFlags, iPoint);
    if (m_AutoRepeat > 0)
        SetTimer(AutoRepeatTimer, m_AutoRepeat, nullptr);
}

void CGTButton::OnTimer(UINT_PTR iEvent)
{
    if (iEvent == AutoRepeatTimer && m_Pushed && m_Highlighted)
        SendClick();
    else if (iEvent != AutoRepeatTimer)
        CButton::OnTimer(iEvent);
}

void CGTButton::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    const BOOL clicked = m_Pushed && m_PressedInside && m_Highlighted;
    m_Pushed = m_PressedInside = m_Highlighted = FALSE;
    if (clicked && m_AutoCheck) {
        if (m_CheckBox) {
            m_Checked = !m_Checked;
        } else if (m_RadioButton && !m_Checked) {
            m_Checked = TRUE;
            UncheckOtherRadios();
        }
    }
    if (m_DoubleClicked) {
        m_DoubleClicked = FALSE;
        SendClick();
    }
    Redraw();
    // Outside the button the system's own handling sends no click.
    CButton::OnLButtonUp(iFlags, clicked ? iPoint : CPoint(-1, -1));
    if (m_Captured || GetCapture() == this)
        ReleaseCapture();
    m_Captured = FALSE;
    KillTimer(AutoRepeatTimer);
    if (m_ToolTip.GetSafeHwnd() != nullptr)
        m_ToolTip.Pop();
}

void CGTButton::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    m_Pushed = m_PressedInside = m_Highlighted = TRUE;
    Redraw();
    CButton::OnLButtonDblClk(iFlags, iPoint);
    m_DoubleClicked = TRUE;
}

BOOL CGTButton::OnSetCursor(CWnd* iWnd, UINT iHitTest, UINT iMessage)
{
    if (m_Cursor != nullptr && iHitTest == HTCLIENT) {
        ::SetCursor(m_Cursor);
        return TRUE;
    }
    return CButton::OnSetCursor(iWnd, iHitTest, iMessage);
}

void CGTButton::OnSize(UINT iType, int iWidth, int iHeight)
{
    CButton::OnSize(iType, iWidth, iHeight);
    m_AutoToolTipDirty = m_AutoToolTip;
}

LRESULT CGTButton::OnSetFont(WPARAM iFont, LPARAM iRedraw)
{
    m_Font = (HFONT)iFont;
    if (iRedraw)
        Invalidate();
    return 0;
}

LRESULT CGTButton::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)m_Font;
}

LRESULT CGTButton::OnGetCheck(WPARAM, LPARAM)
{
    return (m_CheckBox || m_RadioButton) && m_Checked ? BST_CHECKED : BST_UNCHECKED;
}

LRESULT CGTButton::OnSetCheck(WPARAM iCheck, LPARAM)
{
    if (!m_CheckBox && !m_RadioButton)
        return 0;
    const BOOL checked = iCheck != BST_UNCHECKED;
    if (checked == m_Checked)
        return 0;
    m_Checked = checked;
    if (m_RadioButton && m_Checked)
        UncheckOtherRadios();
    Redraw();
    return 0;
}

void CGTButton::UncheckOtherRadios()
{
    CWnd* parent = GetParent();
    if (parent == nullptr)
        return;
    for (CWnd* other = parent->GetNextDlgGroupItem(this); other != nullptr && other != this;
         other = parent->GetNextDlgGroupItem(other)) {
        CGTButton* button = DYNAMIC_DOWNCAST(CGTButton, other);
        if (button != nullptr && button->m_RadioButton && button->m_Checked) {
            button->m_Checked = FALSE;
            button->Redraw();
        }
    }
}

void CGTButton::MoveToRadio(BOOL iNext)
{
    CWnd* parent = GetParent();
    for (CWnd* other = parent->GetNextDlgGroupItem(this, !iNext); other != nullptr && other != this;
         other = parent->GetNextDlgGroupItem(other, !iNext)) {
        CGTButton* button = DYNAMIC_DOWNCAST(CGTButton, other);
        if (button == nullptr || !button->m_RadioButton || !button->IsWindowVisible() || !button->IsWindowEnabled())
            continue;
        if (!button->m_Checked) {
            button->SendMessage(BM_SETCHECK, BST_CHECKED);
            button->SetFocus();
            parent->SendMessage(WM_COMMAND, button->GetDlgCtrlID(), (LPARAM)button->m_hWnd);
        }
        return;
    }
}

BOOL CGTButton::PreTranslateMessage(MSG* iMsg)
{
    if (m_ToolTip.GetSafeHwnd() != nullptr &&
        (iMsg->message == WM_MOUSEMOVE || iMsg->message == WM_LBUTTONDOWN || iMsg->message == WM_LBUTTONUP))
        m_ToolTip.RelayEvent(iMsg);
    if (iMsg->message == WM_KEYDOWN) {
        CWnd* parent = GetParent();
        switch (iMsg->wParam) {
        case VK_RETURN:
            if (CGTActivePopupMenu::Get() != nullptr)
                break;
            if (parent != nullptr)
                parent->SendMessage(WM_COMMAND, GetDlgCtrlID(), (LPARAM)m_hWnd);
            return TRUE;
        case VK_SPACE:
            if (m_AutoCheck && m_CheckBox) {
                m_Checked = !m_Checked;
                Redraw();
                if (parent != nullptr)
                    parent->SendMessage(WM_COMMAND, GetDlgCtrlID(), (LPARAM)m_hWnd);
                return TRUE;
            }
            break;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (m_AutoCheck && m_RadioButton && parent != nullptr) {
                MoveToRadio(iMsg->wParam == VK_RIGHT || iMsg->wParam == VK_DOWN);
                return TRUE;
            }
            break;
        default:
            break;
        }
    }
    return CButton::PreTranslateMessage(iMsg);
}

void CGTButton::SetToolTipText(LPCWSTR iText)
{
    if (iText == nullptr) {
        if (m_ToolTip.GetSafeHwnd() != nullptr)
            m_ToolTip.Activate(FALSE);
        return;
    }
    if (m_ToolTip.GetSafeHwnd() == nullptr) {
        if (!m_ToolTip.Create(this))
            return;
        if (theGuiToolkitGlobals.maxTooltipWidth != -1)
            m_ToolTip.SetMaxTipWidth(theGuiToolkitGlobals.maxTooltipWidth);
        m_ToolTip.AddTool(this, iText);
    } else {
        m_ToolTip.UpdateTipText(iText, this);
    }
    m_ToolTip.Activate(TRUE);
}

void CGTButton::UseHandCursor()
{
    GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    if (globals.cursorHand == nullptr)
        globals.cursorHand = ::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_GT_HAND));
    m_Cursor = globals.cursorHand;
}
