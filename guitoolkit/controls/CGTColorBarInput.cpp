// The colour bar's answers to the mouse, the keyboard and the palette messages, its update
// pass, and where a chosen colour goes.
#include <guitoolkit/controls/CColorButton.h>
#include <guitoolkit/controls/CGTColorBar.h>
#include <guitoolkit/controls/CGTColorMenuButton.h>
#include <guitoolkit/controls/CGTLastColors.h>
#include <guitoolkit/controls/GTColorChooser.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <windowsx.h>

BEGIN_MESSAGE_MAP(CGTColorBar, CGTPopupMenuBar)
    ON_WM_CREATE()
    ON_WM_QUERYNEWPALETTE()
    ON_WM_PALETTECHANGED()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_MOUSELEAVE, &CGTColorBar::OnMouseLeave)
END_MESSAGE_MAP()

namespace {
const UINT setMessageString = 0x0362;
const UINT idleMessage = 0xE001;
const COLORREF noColor = static_cast<COLORREF>(-1);
}  // namespace

CGTColorMenuButton* CGTColorBar::GetParentMenuButton() const
{
    const CGTPopupMenu* popup = GetParentPopup();
    return popup != nullptr ? dynamic_cast<CGTColorMenuButton*>(popup->m_ParentButton) : nullptr;
}

BOOL CGTColorBar::IgnoresMouse() const
{
    const CGTPopupMenu* active = CGTPopupMenu::GetActiveMenu();
    return active != nullptr && active != GetParentPopup() && m_Receiver == nullptr;
}

// --- Mouse ---

void CGTColorBar::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    if (!IgnoresMouse())
        CGTPopupMenuBar::OnMouseMove(iFlags, iPoint);
}

void CGTColorBar::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    // The choice happens on release.
    if (!IgnoresMouse() && HitTest(iPoint) < 0)
        CGTPopupMenuBar::OnLButtonDown(iFlags, iPoint);
}

void CGTColorBar::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    if (IgnoresMouse())
        return;
    const int index = HitTest(iPoint);
    if (index >= 0)
        SetHot(index);
    else if (!HasParent())
        return;
    CGTPopupMenuBar::OnLButtonUp(iFlags, iPoint);
}

void CGTColorBar::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    if (!IgnoresMouse())
        CGTPopupMenuBar::OnLButtonDblClk(iFlags, iPoint);
}

LRESULT CGTColorBar::OnMouseLeave(WPARAM iWParam, LPARAM iLParam)
{
    if (!HasParent())
        return CGTPopupMenuBar::OnMouseLeave(iWParam, iLParam);
    m_Tracking = FALSE;
    const int previous = m_HotIndex;
    m_HotIndex = -1;
    InvalidateButton(previous);
    ShowCommandMessageString(static_cast<UINT>(-1));
    return 0;
}

void CGTColorBar::OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams)
{
    if (m_Docked)
        CGTToolBar::OnNcCalcSize(iCalcValidRects, ioParams);
}

void CGTColorBar::OnNcPaint()
{
    if (m_Docked)
        CGTToolBar::OnNcPaint();
}

void CGTColorBar::OnDestroy()
{
    if (m_Receiver != nullptr) {
        if (GetCapture() == this)
            ReleaseCapture();
        m_Receiver->OnColorPopupClosed();
    }
    CGTPopupMenuBar::OnDestroy();
}

// --- Keys ---

BOOL CGTColorBar::PreTranslateMessage(MSG* ioMessage)
{
    if (HasParent()) {
        BOOL closes = (ioMessage->message == WM_KEYDOWN && ioMessage->wParam == VK_ESCAPE) ||
            ioMessage->message == WM_SYSKEYDOWN || ioMessage->message == WM_CONTEXTMENU;
        if (ioMessage->message == WM_LBUTTONDOWN || ioMessage->message == WM_RBUTTONDOWN ||
            ioMessage->message == WM_MBUTTONDOWN) {
            CPoint point(GET_X_LPARAM(ioMessage->lParam), GET_Y_LPARAM(ioMessage->lParam));
            ::MapWindowPoints(ioMessage->hwnd, m_hWnd, &point, 1);
            CRect client;
            GetClientRect(&client);
            closes = !client.PtInRect(point);
        }
        if (closes) {
            ClosePopup();
            return TRUE;
        }
    }
    return CGTPopupMenuBar::PreTranslateMessage(ioMessage);
}

void CGTColorBar::ShowCommandMessageString(UINT iCommandId)
{
    CWnd* target = GetOwner() != nullptr ? GetOwner() : GetParent();
    if (target != nullptr)
        target->SendMessage(setMessageString, iCommandId == static_cast<UINT>(-1) ? idleMessage : m_CommandId);
}

INT_PTR CGTColorBar::OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const
{
    const int index = HitTest(iPoint);
    CGTToolbarButton* cell = GetButton(index);
    if (cell == nullptr)
        return -1;
    if (oInfo == nullptr)
        return index + 1;
    oInfo->uId = static_cast<UINT_PTR>(index + 1);
    oInfo->hwnd = m_hWnd;
    oInfo->rect = cell->Rect();
    return cell->GetTooltipText(const_cast<CGTColorBar*>(this), oInfo) ? index + 1 : -1;
}

// --- Update pass and palette ---

void CGTColorBar::OnUpdateCmdUI(CFrameWnd* iTarget, BOOL)
{
    if (m_CommandId == 0 || iTarget == nullptr)
        return;
    CGTColorCCmdUI state;
    state.m_nID = m_CommandId;
    state.m_pOther = this;
    state.DoUpdate(iTarget, FALSE);
    if (state.m_Enabled == m_Enabled)
        return;
    m_Enabled = state.m_Enabled;
    for (int index = 0; index < GetButtonCount(); ++index) {
        CGTToolbarButton* cell = GetButton(index);
        cell->SetStyle(m_Enabled ? cell->m_Style & ~TBBS_DISABLED : cell->m_Style | TBBS_DISABLED);
    }
    Invalidate();
}

BOOL CGTColorBar::OnQueryNewPalette()
{
    Invalidate();
    UpdateWindow();
    return CGTPopupMenuBar::OnQueryNewPalette();
}

void CGTColorBar::OnPaletteChanged(CWnd* iFocusWnd)
{
    CGTPopupMenuBar::OnPaletteChanged(iFocusWnd);
    if (iFocusWnd != this && !m_PaletteChanging)
        Invalidate();
}

// --- Choosing ---

void CGTColorBar::OnSendCommand(CGTToolbarButton* iItem)
{
    CColorButton* cell = dynamic_cast<CColorButton*>(iItem);
    if (cell == nullptr || (cell->m_Style & TBBS_DISABLED))
        return;
    if (m_Receiver != nullptr && GetCapture() == this)
        ReleaseCapture();
    if (cell->m_Caption)
        return;
    COLORREF color = cell->m_Automatic ? noColor : cell->m_Color;
    if (cell->m_Other && !ChooseOtherColor(color)) {
        ClosePopup();
        return;
    }
    Deliver(color);
}

BOOL CGTColorBar::ChooseOtherColor(COLORREF& oColor)
{
    const COLORREF current = m_Selected != noColor ? m_Selected : m_Automatic;
    if (CGTColorMenuButton* button = GetParentMenuButton())
        return button->OpenColorDialog(current, oColor);
    return ChooseColorInDialog(current, m_SystemDialog, this, oColor);
}

void CGTColorBar::Deliver(COLORREF iColor)
{
    if (CGTColorMenuButton* button = GetParentMenuButton()) {
        button->SetColor(iColor, TRUE);
        InvokeItem(button->m_CommandId, nullptr);
    } else if (m_Receiver != nullptr) {
        m_Receiver->OnColorChosen(iColor);
        ClosePopup();
    } else if (m_Control) {
        SetSelectedColor(iColor);
        if (CWnd* owner = GetOwner() != nullptr ? GetOwner() : GetParent())
            owner->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(m_hWnd));
    } else {
        SetSelectedColor(iColor);
        CGTColorMenuButton::SetCommandColor(m_CommandId, iColor);
        CGTLastColors::Set(m_CommandId, iColor);
        SendButtonCommandById(m_CommandId);
    }
}

void CGTColorBar::ClosePopup()
{
    if (CWnd* parent = HasParent() ? GetParent() : nullptr)
        parent->SendMessage(WM_CLOSE);
}
