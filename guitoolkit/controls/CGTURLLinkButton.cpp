#include <guitoolkit/controls/CGTURLLinkButton.h>
#include <guitoolkit/controls/CGTShellOpener.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <afxapp.h>

IMPLEMENT_DYNCREATE(CGTURLLinkButton, CGTButton)

BEGIN_MESSAGE_MAP(CGTURLLinkButton, CGTButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CGTURLLinkButton::OnClicked)
END_MESSAGE_MAP()

CGTURLLinkButton::CGTURLLinkButton() : m_MultiLine(FALSE), m_AlwaysUnderline(TRUE), m_DefaultClickProcessing(FALSE)
{
    m_TextColor = theGuiToolkitGlobals.colorHighlight;
    m_HoverColor = theGuiToolkitGlobals.colorHotLinkText;
    m_PushOffset = CSize(0, 0);
    m_BorderStyle = BorderNone;
    m_Transparent = TRUE;
    UseHandCursor();
}

void CGTURLLinkButton::DrawFocusMark(CDC* iDc, const CRect& iRect)
{
    iDc->DrawFocusRect(iRect);
}

void CGTURLLinkButton::DrawContent(CDC* iDc, CRect iRect, UINT)
{
    CFont* oldFont = m_AlwaysUnderline || m_Hover ? iDc->SelectObject(&theGuiToolkitGlobals.fontDefaultGuiUnderline)
                                                  : SelectLabelFont(iDc);
    const COLORREF oldColor = iDc->SetTextColor(m_Hover ? m_HoverColor : m_TextColor);
    const int oldMode = iDc->SetBkMode(TRANSPARENT);
    CString text;
    GetWindowText(text);
    iDc->DrawText(text, iRect, m_MultiLine ? DT_WORDBREAK : DT_SINGLELINE);
    iDc->SetBkMode(oldMode);
    iDc->SetTextColor(oldColor);
    iDc->SelectObject(oldFont);
}

BOOL CGTURLLinkButton::OnClicked()
{
    if (!IsWindowEnabled())
        return TRUE;
    if (m_DefaultClickProcessing) {
        m_Hover = FALSE;
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        return FALSE;
    }
    CWaitCursor wait;
    CString target = m_Link;
    if (target.IsEmpty())
        GetWindowText(target);
    CGTShellOpener::Current().Open(m_Prefix + target);
    m_Hover = FALSE;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return TRUE;
}

BOOL CGTURLLinkButton::PreTranslateMessage(MSG* iMsg)
{
    const BOOL enterOrSpace = iMsg->wParam == VK_RETURN || iMsg->wParam == VK_SPACE;
    if (iMsg->message == WM_KEYDOWN && enterOrSpace)
        return TRUE;
    if (iMsg->message == WM_KEYUP && enterOrSpace) {
        if (iMsg->wParam == VK_RETURN)
            OnClicked();
        return TRUE;
    }
    return CGTButton::PreTranslateMessage(iMsg);
}

CSize CGTURLLinkButton::FitToText(BOOL iCenterVertically, BOOL iCenterHorizontally)
{
    if (m_ImageSize.cx > 0)
        return FitToContent();
    CString text;
    GetWindowText(text);
    CClientDC dc(this);
    CFont* oldFont = dc.SelectObject(&theGuiToolkitGlobals.fontDefaultGuiUnderline);
    CRect rect;
    GetClientRect(rect);
    dc.DrawText(text, rect, DT_CALCRECT | DT_SINGLELINE);
    dc.SelectObject(oldFont);
    rect.InflateRect(3, 3);
    const CSize size = rect.Size();
    if (!iCenterVertically && !iCenterHorizontally) {
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return size;
    }
    CRect old;
    GetWindowRect(old);
    if (GetParent() != nullptr)
        GetParent()->ScreenToClient(old);
    const int left = iCenterHorizontally ? old.left + (old.Width() - size.cx) / 2 : old.left;
    const int top = iCenterVertically ? old.top + (old.Height() - size.cy) / 2 : old.top;
    SetWindowPos(nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}
