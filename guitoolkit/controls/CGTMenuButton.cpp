#include "CGTMenuButton.h"
#include "CGTActivePopupMenu.h"
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>

IMPLEMENT_DYNAMIC(CGTMenuButton, CGTButton)

BEGIN_MESSAGE_MAP(CGTMenuButton, CGTButton)
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

namespace {
const int arrowMargin = 10;
}

CGTMenuButton::CGTMenuButton()
    : m_Menu(nullptr), m_RightArrow(FALSE), m_StayPressed(FALSE), m_UseSystemMenu(TRUE), m_SplitMode(FALSE),
      m_ChosenCommand(0), m_MenuActive(FALSE), m_OpenedByUser(FALSE)
{
}

int CGTMenuButton::ArrowPartWidth() const
{
    return CGTMenuGlyphs::GetSize().cx + arrowMargin;
}

CSize CGTMenuButton::FitToContent(BOOL iCalcOnly)
{
    CSize size = CGTButton::FitToContent(TRUE);
    size.cx += CGTMenuGlyphs::GetSize().cx;
    if (!iCalcOnly && GetSafeHwnd() != nullptr)
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

void CGTMenuButton::DrawContent(CDC* iDc, CRect iRect, UINT iState)
{
    CRect content = iRect;
    content.right -= ArrowPartWidth();
    CGTButton::DrawContent(iDc, content, iState);

    const CSize arrow = CGTMenuGlyphs::GetSize();
    const CPoint at(content.right + (iRect.right - content.right - arrow.cx) / 2,
                    iRect.top + (iRect.Height() - arrow.cy) / 2);
    CGTMenuGlyphs::Draw(iDc, m_RightArrow ? CGTMenuGlyphs::ArrowRight : CGTMenuGlyphs::ArrowDown, at,
                        (iState & ODS_DISABLED) != 0 ? CGTMenuGlyphs::Grey : CGTMenuGlyphs::Black);
    if (!m_SplitMode)
        return;
    CRect separator(content.right, iRect.top + 2, content.right + 2, iRect.bottom - 2);
    // DrawContent gets the rectangle already moved by the push offset; the themed face does
    // not move, so neither does its separator.
    if (IsThemedDrawing() && m_Pushed)
        separator.OffsetRect(-m_PushOffset.cx, -m_PushOffset.cy);
    iDc->Draw3dRect(separator, theGuiToolkitGlobals.colorBtnDarkShadow, theGuiToolkitGlobals.colorBtnHighlight);
}

void CGTMenuButton::ShowMenu()
{
    if (m_Menu == nullptr || m_MenuActive)
        return;
    CRect window;
    GetWindowRect(&window);
    const CPoint anchor = m_RightArrow ? CPoint(window.right, window.top) : CPoint(window.left, window.bottom);
    if (m_StayPressed)
        m_Pushed = m_Highlighted = TRUE;
    m_MenuActive = TRUE;
    Invalidate();

    CGTContextMenuManager* manager = CGTContextMenuManager::Current();
    if (m_UseSystemMenu || manager == nullptr) {
        m_ChosenCommand =
            CGTModalDialogs::Current().TrackPopupMenu(m_Menu, TPM_NONOTIFY | TPM_RETURNCMD, anchor.x, anchor.y, m_hWnd);
    } else {
        m_ChosenCommand = manager->TrackPopupMenu(m_Menu, anchor.x, anchor.y, this, FALSE);
        SetFocus();
    }
    if (m_ChosenCommand != 0 && GetParent() != nullptr)
        GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));

    m_Pushed = m_Highlighted = m_MenuActive = FALSE;
    Invalidate();
    UpdateWindow();
    if (m_Captured) {
        m_Captured = FALSE;
        ReleaseCapture();
    }
}

void CGTMenuButton::OpenByUser()
{
    m_OpenedByUser = TRUE;
    ShowMenu();
}

BOOL CGTMenuButton::PreTranslateMessage(MSG* ioMessage)
{
    if (ioMessage->message == WM_KEYDOWN && ioMessage->wParam == VK_RETURN && CGTActivePopupMenu::Get() == nullptr) {
        OpenByUser();
        return TRUE;
    }
    return CGTButton::PreTranslateMessage(ioMessage);
}

void CGTMenuButton::OnKeyDown(UINT iChar, UINT iRepeat, UINT iFlags)
{
    if (iChar == VK_SPACE || iChar == VK_DOWN)
        OpenByUser();
    else
        CGTButton::OnKeyDown(iChar, iRepeat, iFlags);
}

void CGTMenuButton::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    if (m_MenuActive) {
        Default();
        return;
    }
    m_OpenedByUser = TRUE;
    CRect client;
    GetClientRect(&client);
    if (m_SplitMode && iPoint.x < client.right - ArrowPartWidth()) {
        m_OpenedByUser = FALSE;
        m_ChosenCommand = 0;
        CGTButton::OnLButtonDown(iFlags, iPoint);
        return;
    }
    SetFocus();
    ShowMenu();
}

void CGTMenuButton::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    if (HeldPressedByMenu()) {
        m_Pushed = FALSE;
        Default();
        if (m_Captured) {
            m_Captured = FALSE;
            ReleaseCapture();
        }
    } else if (!m_OpenedByUser) {
        CGTButton::OnLButtonUp(iFlags, iPoint);
    }
}

void CGTMenuButton::OnKillFocus(CWnd* iNewWnd)
{
    if (HeldPressedByMenu()) {
        Default();
        if (m_Captured) {
            m_Captured = FALSE;
            ReleaseCapture();
        }
        m_Pushed = m_Highlighted = FALSE;
    } else {
        CGTButton::OnKillFocus(iNewWnd);
    }
}

void CGTMenuButton::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    if (!m_MenuActive)
        CGTButton::OnLButtonDblClk(iFlags, iPoint);
}

UINT CGTMenuButton::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}
