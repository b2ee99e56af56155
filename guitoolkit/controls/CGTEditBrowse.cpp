// The browse button of the toolkit's edit: laid out, painted and pressed in the edit's
// non-client area.
#include <guitoolkit/controls/CGTEdit.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>

namespace {
const int minimumButtonWidth = 20;
}

void CGTEdit::EnableBrowseMode(BOOL iEnable, LPCWSTR iLabel)
{
    m_ButtonLabel = iLabel != nullptr ? iLabel : L"";
    SetMode(iEnable ? CallerAction : NoButton);
}

void CGTEdit::EnableFileBrowseMode(LPCWSTR iDefaultExtension, LPCWSTR iFilter)
{
    m_DefaultExtension = iDefaultExtension != nullptr ? iDefaultExtension : L"";
    m_Filter = iFilter != nullptr ? iFilter : L"";
    SetMode(FileMode);
}

void CGTEdit::EnableFolderBrowseMode()
{
    SetMode(FolderMode);
}

void CGTEdit::SetMode(int iMode)
{
    m_Mode = iMode;
    UpdateButtonLayout();
}

void CGTEdit::UpdateButtonLayout()
{
    m_ButtonWidth = minimumButtonWidth;
    if (GetSafeHwnd() == nullptr)
        return;
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

CRect CGTEdit::GetButtonRect() const
{
    CRect button(0, 0, 0, 0);
    if (m_Mode == NoButton || GetSafeHwnd() == nullptr)
        return button;
    // Taken from the window as it is now: the window may have been resized since the last paint.
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    button.SetRect(client.right, client.top, client.right + m_ButtonWidth, client.bottom);
    ScreenToClient(&button);
    return button;
}

void CGTEdit::RunButtonAction()
{
    if (m_Mode == FileMode || m_Mode == FolderMode)
        Browse();
    SetFocus();
}

void CGTEdit::Browse()
{
    CString text;
    GetWindowText(text);
    CString chosen;
    const CGTModalDialogs& dialogs = CGTModalDialogs::Current();
    const BOOL confirmed = m_Mode == FileMode ? dialogs.OpenFile(m_DefaultExtension, text, m_Filter, chosen)
                                              : dialogs.BrowseForFolder(text, chosen);
    if (confirmed) {
        SetWindowText(chosen);
        NotifyTextChanged();
    }
    // The dialog may have covered the frame; the parent repaints what it hid.
    if (m_Mode == FileMode && GetParent() != nullptr)
        GetParent()->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_INVALIDATE);
}

void CGTEdit::NotifyTextChanged()
{
    CWnd* target = GetOwner() != nullptr ? GetOwner() : GetParent();
    if (target == nullptr)
        return;
    const UINT id = GetDlgCtrlID();
    target->PostMessage(WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(m_hWnd));
    target->PostMessage(WM_COMMAND, MAKEWPARAM(id, EN_UPDATE), reinterpret_cast<LPARAM>(m_hWnd));
}

void CGTEdit::DrawButton(CDC* iDc, const CRect& iRect, BOOL iPressed, BOOL iHot)
{
    const int state = iPressed ? 1 : iHot ? 2 : 0;
    if (!CGTVisualManager::GetCurrent()->DrawBrowseButton(iDc, iRect, state, this) || m_ButtonLabel.IsEmpty())
        return;
    CRect textRect = iRect;
    textRect.DeflateRect(1, 2);
    textRect.OffsetRect(0, -2);
    if (iPressed)
        textRect.OffsetRect(1, 1);
    const COLORREF oldColor = iDc->SetTextColor(theGuiToolkitGlobals.colorBtnText);
    const int oldMode = iDc->SetBkMode(TRANSPARENT);
    CFont* oldFont = iDc->SelectObject(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    iDc->DrawText(m_ButtonLabel, textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    iDc->SelectObject(oldFont);
    iDc->SetBkMode(oldMode);
    iDc->SetTextColor(oldColor);
}

BOOL CGTEdit::IsOnButton(CPoint iClientPoint) const
{
    return GetButtonRect().PtInRect(iClientPoint);
}

void CGTEdit::RedrawFrame()
{
    RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void CGTEdit::OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams)
{
    CEdit::OnNcCalcSize(iCalcValidRects, ioParams);
    if (m_Mode != NoButton)
        ioParams->rgrc[0].right -= m_ButtonWidth;
}

void CGTEdit::OnNcPaint()
{
    CEdit::OnNcPaint();
    if (m_Mode == NoButton)
        return;
    CRect button = GetButtonRect();
    ClientToScreen(&button);
    CRect window;
    GetWindowRect(&window);
    button.OffsetRect(-window.left, -window.top);
    CWindowDC dc(this);
    dc.IntersectClipRect(&button);
    DrawButton(&dc, button, m_PressedLook, m_Hot);
}

LRESULT CGTEdit::OnNcHitTest(CPoint iPoint)
{
    CPoint client = iPoint;
    ScreenToClient(&client);
    if (IsOnButton(client))
        return HTCAPTION;
    return CEdit::OnNcHitTest(iPoint);
}

void CGTEdit::OnNcMouseMove(UINT iHitTest, CPoint iPoint)
{
    CPoint client = iPoint;
    ScreenToClient(&client);
    if (!m_TrackingPress && IsOnButton(client)) {
        SetCapture();
        m_Hot = TRUE;
        RedrawFrame();
    }
    CEdit::OnNcMouseMove(iHitTest, iPoint);
}

void CGTEdit::OnNcLButtonDblClk(UINT, CPoint) {}

void CGTEdit::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    if (!IsOnButton(iPoint)) {
        CEdit::OnLButtonDown(iFlags, iPoint);
        return;
    }
    SetFocus();
    m_PressedLook = TRUE;
    m_TrackingPress = TRUE;
    SetCapture();
    RedrawFrame();
}

void CGTEdit::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    if (m_TrackingPress) {
        const BOOL inside = IsOnButton(iPoint);
        if (inside != m_PressedLook) {
            m_PressedLook = inside;
            RedrawFrame();
        }
        return;
    }
    if (m_Hot && !IsOnButton(iPoint)) {
        m_Hot = FALSE;
        ReleaseCapture();
        RedrawFrame();
    }
    CEdit::OnMouseMove(iFlags, iPoint);
}

void CGTEdit::EndPress()
{
    m_PressedLook = FALSE;
    m_Hot = FALSE;
    m_TrackingPress = FALSE;
    RedrawFrame();
}

void CGTEdit::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    if (!m_TrackingPress) {
        CEdit::OnLButtonUp(iFlags, iPoint);
        return;
    }
    if (GetCapture() == this)
        ReleaseCapture();
    EndPress();
    if (IsOnButton(iPoint))
        RunButtonAction();
}

void CGTEdit::OnCancelMode()
{
    CEdit::OnCancelMode();
    if (IsWindowEnabled() && GetCapture() == this)
        ReleaseCapture();
    EndPress();
}

void CGTEdit::TakeCalculatorResult(const CString& iText)
{
    SetWindowText(iText);
    NotifyTextChanged();
}

void CGTEdit::OnCalculatorUserCommand(CGTCalculator*, UINT) {}
