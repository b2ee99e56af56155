// The caption of a docked pane: its height, the non-client layout and paint, the caption
// buttons (hover, press, click), the caption hit test and the buttons' tooltips.
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/GTDockingTargets.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <algorithm>

namespace {
// The smart-docking marker that makes a tab.
const int centreMarker = 8;
}  // namespace

BEGIN_MESSAGE_MAP(CGTDockingControlBar, CGTControlBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_NCMOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_WM_SETTINGCHANGE()
    ON_NOTIFY_EX(TTN_NEEDTEXTW, 0, &CGTDockingControlBar::OnNeedToolTipText)
    ON_WM_RBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_SETTEXT, &CGTDockingControlBar::OnSetText)
END_MESSAGE_MAP()

int CGTDockingControlBar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTControlBar::OnCreate(iCreate) == -1)
        return -1;
    CreateCaptionButtons();
    if (m_CaptionToolTip.Create(this, TTS_ALWAYSTIP)) {
        m_CaptionToolTip.Activate(TRUE);
        if (theGuiToolkitGlobals.maxTooltipWidth != -1)
            m_CaptionToolTip.SetMaxTipWidth(theGuiToolkitGlobals.maxTooltipWidth);
        for (UINT tool = 1; tool <= 3; ++tool)
            m_CaptionToolTip.AddTool(this, LPSTR_TEXTCALLBACK, CRect(0, 0, 0, 0), tool);
    }
    return 0;
}

void CGTDockingControlBar::OnDestroy()
{
    for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i)
        delete m_CaptionButtons[i];
    m_CaptionButtons.RemoveAll();
    DropAutoHide();
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame())
        frame->ReleaseBar(this, FALSE, FALSE);
    else
        UnDockControlBar(TRUE);
    if (m_CaptionToolTip.GetSafeHwnd() != nullptr)
        m_CaptionToolTip.DestroyWindow();
    CGTControlBar::OnDestroy();
}

BOOL CGTDockingControlBar::IsCaptionButtonHidden(UINT) const
{
    return FALSE;
}

void CGTDockingControlBar::CreateCaptionButtons()
{
    for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i)
        delete m_CaptionButtons[i];
    m_CaptionButtons.RemoveAll();
    for (UINT code : {GTHitPaneClose, GTHitPin, GTHitWindowPosition})
        m_CaptionButtons.Add(new CGTCaptionButton(code, FALSE));
}

CGTCaptionButton* CGTDockingControlBar::GetCaptionButton(int iIndex) const
{
    return iIndex >= 0 && iIndex < m_CaptionButtons.GetSize() ? m_CaptionButtons[iIndex] : nullptr;
}

CGTCaptionButton* CGTDockingControlBar::FindCaptionButton(UINT iHitCode) const
{
    for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i) {
        if (m_CaptionButtons[i]->m_HitCode == iHitCode)
            return m_CaptionButtons[i];
    }
    return nullptr;
}

UINT CGTDockingControlBar::CaptionButtonAt(CPoint iScreenPoint) const
{
    CRect window;
    GetWindowRect(&window);
    for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i) {
        const CGTCaptionButton* button = m_CaptionButtons[i];
        CRect rect = button->GetRect();
        rect.OffsetRect(window.TopLeft());
        if (!button->m_Hidden && rect.PtInRect(iScreenPoint))
            return button->m_HitCode;
    }
    return 0;
}

CRect CGTDockingControlBar::GetCaptionRect() const
{
    CRect window;
    GetWindowRect(&window);
    window.OffsetRect(-window.TopLeft());
    return CRect(window.left, window.top + 1, window.right, window.top + 1 + m_CaptionHeight);
}

void CGTDockingControlBar::OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams)
{
    // The window rectangle, in the coordinates the client rectangle comes in.
    const CRect window(ioParams->rgrc[0]);
    CWnd::OnNcCalcSize(iCalcValidRects, ioParams);
    CRect client(ioParams->rgrc[0]);
    const BOOL floating = GetParentMiniFrame() != nullptr;
    for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i)
        m_CaptionButtons[i]->m_Hidden = floating || m_CaptionHeight < 1;
    if (!floating && m_CaptionHeight >= 1) {
        client.top += m_CaptionHeight;
        const CSize size = CGTCaptionButton::GetDefaultSize();
        const int top = client.top - m_CaptionHeight + (m_CaptionHeight - size.cy) / 2 - m_ButtonVerticalAdjust;
        int right = client.right - s_ButtonMargin - size.cx;
        int left = client.left + s_ButtonMargin;
        const BOOL canClose = CanHide();
        for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i) {
            CGTCaptionButton* button = m_CaptionButtons[i];
            if (button->m_HitCode == GTHitPin)
                button->m_Hidden = s_HideUnusableButtons && !CanAutoHide();
            else if (button->m_HitCode == GTHitPaneClose)
                button->m_Hidden = s_HideUnusableButtons && !canClose;
            else if (button->m_HitCode == GTHitWindowPosition)
                button->m_Hidden = !s_ShowWindowPositionButton;
            else
                button->m_Hidden = IsCaptionButtonHidden(button->m_HitCode);
            if (button->m_Hidden)
                continue;
            int& next = button->m_LeftAligned ? left : right;
            button->m_Position = CPoint(next - window.left, top - window.top);
            next += button->m_LeftAligned ? size.cx + 2 : -(size.cx + 2);
        }
        const int firstRight = client.right - s_ButtonMargin - size.cx;
        for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i) {
            CGTCaptionButton* button = m_CaptionButtons[i];
            if (button->m_LeftAligned && button->m_Position.x + window.left + size.cx >= firstRight)
                button->m_Hidden = TRUE;
        }
    }
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    ioParams->rgrc[0] = client;
    if (m_CaptionToolTip.GetSafeHwnd() != nullptr && m_CaptionToolTip.GetToolCount() == m_CaptionButtons.GetSize()) {
        for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i)
            m_CaptionToolTip.SetToolRect(this, static_cast<UINT_PTR>(i + 1), m_CaptionButtons[i]->GetRect());
    }
}

void CGTDockingControlBar::OnNcPaint()
{
    CWindowDC windowDc(this);
    CRect window;
    GetWindowRect(&window);
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    client.OffsetRect(-window.TopLeft());
    window.OffsetRect(-window.TopLeft());
    CDC memory;
    CBitmap bitmap;
    if (!memory.CreateCompatibleDC(&windowDc) ||
        !bitmap.CreateCompatibleBitmap(&windowDc, window.Width(), window.Height()))
        return;
    CBitmap* oldBitmap = memory.SelectObject(&bitmap);
    windowDc.ExcludeClipRect(&client);
    memory.ExcludeClipRect(&client);
    if (!m_NcRedrawRect.IsRectEmpty())
        memory.IntersectClipRect(&m_NcRedrawRect);
    GetImpl().DrawNonClient(&memory);
    if (GetParentMiniFrame() == nullptr && m_CaptionHeight > 0) {
        DrawCaption(&memory, GetCaptionRect());
        for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i)
            m_CaptionButtons[i]->OnDraw(&memory, m_Active, FALSE, FALSE, FALSE);
    }
    windowDc.BitBlt(0, 0, window.Width(), window.Height(), &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldBitmap);
}

void CGTDockingControlBar::DrawCaption(CDC* iDc, CRect iCaption)
{
    CRect buttons(iCaption.BottomRight(), CSize(0, 0));
    int titleLeft = iCaption.left;
    for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i) {
        const CGTCaptionButton* button = m_CaptionButtons[i];
        if (button->m_Hidden)
            continue;
        if (button->m_LeftAligned)
            titleLeft = button->GetRect().right;
        else
            buttons = button->GetRect();
    }
    const COLORREF textColor = CGTVisualManager::GetCurrent()->FillDockingCaption(iDc, this, m_Active, iCaption);
    for (INT_PTR i = 0; i < m_CaptionButtons.GetSize(); ++i)
        m_CaptionButtons[i]->m_GlyphColor = textColor;
    CString title;
    GetWindowText(title);
    CRect text(titleLeft, iCaption.top + 1, buttons.left, iCaption.bottom);
    text.DeflateRect(2 * s_ButtonMargin, 0);
    const int oldMode = iDc->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = iDc->SetTextColor(textColor);
    CFont* oldFont = iDc->SelectObject(&theGuiToolkitGlobals.fontRegular);
    iDc->DrawText(title, &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    iDc->SelectObject(oldFont);
    iDc->SetTextColor(oldColor);
    iDc->SetBkMode(oldMode);
}

int CGTDockingControlBar::HitTestCaption(CPoint iScreenPoint, BOOL iDetectCaption)
{
    CRect window;
    GetWindowRect(&window);
    if (!window.PtInRect(iScreenPoint))
        return HTNOWHERE;
    CGTDockManager* manager = GetOwnerDockManager();
    if (manager == nullptr || !manager->AreUpdatesLocked()) {
        if (const UINT code = CaptionButtonAt(iScreenPoint))
            return static_cast<int>(code);
    }
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    if (client.PtInRect(iScreenPoint))
        return HTCLIENT;
    if (GetParentMiniFrame() != nullptr || m_DefaultSlider == nullptr)
        return -2;
    const CRect caption(window.left, window.top + 1, window.right, window.top + 1 + m_CaptionHeight);
    if (caption.PtInRect(iScreenPoint))
        return iDetectCaption ? HTCAPTION : HTCLIENT;
    return -2;
}

LRESULT CGTDockingControlBar::OnNcHitTest(CPoint iPoint)
{
    const int hit = HitTestCaption(iPoint, FALSE);
    return hit == -2 ? CGTControlBar::OnNcHitTest(iPoint) : hit;
}

void CGTDockingControlBar::RedrawButton(const CGTCaptionButton* iButton)
{
    if (iButton != nullptr && m_hWnd != nullptr)
        SendMessage(WM_NCPAINT);
}

void CGTDockingControlBar::OnTrackCaptionButtons(CPoint iScreenPoint)
{
    if (CGTActivePopupMenu::Get() != nullptr)
        return;
    const UINT hovered = CaptionButtonAt(iScreenPoint);
    CGTCaptionButton* button = FindCaptionButton(hovered);
    if (button != nullptr)
        button->m_Focused = m_PressedButton == 0 || m_PressedButton == hovered;
    if (hovered != m_HoveredButton) {
        RedrawButton(button);
        if (CGTCaptionButton* previous = FindCaptionButton(m_HoveredButton)) {
            previous->m_Focused = FALSE;
            RedrawButton(previous);
        }
        m_HoveredButton = hovered;
    }
    if (m_PressedButton != 0)
        return;
    if (hovered != 0 && !m_ButtonCapture) {
        SetCapture();
        m_ButtonCapture = TRUE;
    } else if (hovered == 0 && m_ButtonCapture) {
        m_ButtonCapture = FALSE;
        ::ReleaseCapture();
    }
}

void CGTDockingControlBar::StopCaptionButtonsTracking()
{
    CGTCaptionButton* pressed = FindCaptionButton(m_PressedButton);
    CGTCaptionButton* hovered = FindCaptionButton(m_HoveredButton);
    for (CGTCaptionButton* button : {pressed, hovered}) {
        if (button != nullptr)
            button->m_Pushed = button->m_Focused = FALSE;
    }
    m_PressedButton = m_HoveredButton = 0;
    if (m_ButtonCapture || GetCapture() == this) {
        m_ButtonCapture = FALSE;
        ::ReleaseCapture();
    }
    RedrawButton(pressed);
    RedrawButton(hovered);
}

void CGTDockingControlBar::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    if (CGTCaptionButton* button = FindCaptionButton(m_HoveredButton)) {
        SetFocus();
        m_PressedButton = m_HoveredButton;
        button->m_Pushed = TRUE;
        RedrawButton(button);
        return;
    }
    CWnd* child = GetWindow(GW_CHILD);
    if (child != nullptr && child->GetWindow(GW_HWNDNEXT) == nullptr)
        child->SetFocus();
    else
        SetFocus();
    CGTControlBar::OnLButtonDown(iFlags, iPoint);
}

void CGTDockingControlBar::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    if (m_PendingFloat && (GetDockingMode() & GTDockingImmediate)) {
        FloatPastDragDistance(iFlags, iPoint);
        return;
    }
    if (m_PendingFloat) {
        CGTControlBar::OnMouseMove(iFlags, iPoint);
        return;
    }
    ClientToScreen(&iPoint);
    OnTrackCaptionButtons(iPoint);
}

void CGTDockingControlBar::OnNcMouseMove(UINT iHitTest, CPoint iPoint)
{
    if (!m_PendingFloat)
        OnTrackCaptionButtons(iPoint);
    CGTControlBar::OnNcMouseMove(iHitTest, iPoint);
}

void CGTDockingControlBar::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    m_PendingFloat = FALSE;
    if (m_PressedButton == 0) {
        CGTControlBar::OnLButtonUp(iFlags, iPoint);
        return;
    }
    const UINT pressed = m_PressedButton;
    CPoint screen = iPoint;
    ClientToScreen(&screen);
    const BOOL overPressed = CaptionButtonAt(screen) == pressed;
    StopCaptionButtonsTracking();
    if (overPressed)
        OnPressButtons(pressed);
}

void CGTDockingControlBar::OnPressButtons(UINT iHitCode)
{
    switch (iHitCode) {
    case GTHitPaneClose: {
        IGTDockingFrame* frame = AsDockingFrame(FindOwnerFrame());
        if (frame == nullptr || frame->OnCloseDockingPane(this))
            ClosePane();
        break;
    }
    case GTHitPin:
        if (CGTKeyState::Current().IsDown(VK_CONTROL) && m_AutoHideAllAllowed)
            ToggleAutoHideAll();
        else
            OnAutoHideCommand();
        break;
    case GTHitWindowPosition:
        if (s_ShowWindowPositionButton) {
            CGTCaptionButton* button = FindCaptionButton(GTHitWindowPosition);
            CRect window;
            GetWindowRect(&window);
            CRect rect = button->GetRect();
            rect.OffsetRect(window.TopLeft());
            button->m_DroppedDown = TRUE;
            const HWND self = m_hWnd;
            HandleOwnContextMenu((GetExStyle() & WS_EX_LAYOUTRTL) ? CPoint(rect.right, rect.bottom + 1)
                                                                  : CPoint(rect.left, rect.bottom + 1));
            if (::IsWindow(self)) {
                button->m_DroppedDown = FALSE;
                RedrawButton(button);
            }
        }
        break;
    default:
        break;
    }
}

void CGTDockingControlBar::OnCancelMode()
{
    CGTControlBar::OnCancelMode();
    if (m_PressedButton != 0 || m_ButtonCapture)
        StopCaptionButtonsTracking();
    m_PendingFloat = FALSE;
}

void CGTDockingControlBar::OnClose()
{
    ClosePane();
}

void CGTDockingControlBar::OnSettingChange(UINT iFlags, LPCWSTR iSection)
{
    CGTControlBar::OnSettingChange(iFlags, iSection);
    if (m_CaptionHeight > 0)
        EnableGripper(TRUE);
}

BOOL CGTDockingControlBar::OnNeedToolTipText(UINT, NMHDR* iHeader, LRESULT* oResult)
{
    if (iHeader->hwndFrom != m_CaptionToolTip.GetSafeHwnd())
        return FALSE;
    static CString text;
    switch (iHeader->idFrom) {
    case 1:
        text.LoadString(IDS_GT_CAPTION_CLOSE);
        break;
    case 2:
        text.LoadString(CGTKeyState::Current().IsDown(VK_CONTROL) && m_AutoHideAllAllowed ? IDS_GT_CAPTION_AUTOHIDE_ALL
                                                                                          : IDS_GT_CAPTION_AUTOHIDE);
        break;
    case 3:
        text.LoadString(IDS_GT_CAPTION_WINDOW_POSITION);
        break;
    default:
        return FALSE;
    }
    reinterpret_cast<NMTTDISPINFOW*>(iHeader)->lpszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(text));
    *oResult = 0;
    return TRUE;
}

BOOL CGTDockingControlBar::PreTranslateMessage(MSG* ioMessage)
{
    const UINT message = ioMessage->message;
    const BOOL mouse = (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
        (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
    if (m_CaptionToolTip.GetSafeHwnd() != nullptr && (mouse || message == WM_KEYDOWN || message == WM_SYSKEYDOWN))
        m_CaptionToolTip.RelayEvent(ioMessage);
    if (message == WM_KEYDOWN && ioMessage->wParam == VK_ESCAPE) {
        if (m_PendingFloat && (GetDockingMode() & GTDockingStandard)) {
            PostMessage(WM_CANCELMODE);
            return TRUE;
        }
        if (CGTMiniFrameWnd* frame = SmartDragFrame()) {
            frame->PostMessage(WM_CANCELMODE);
            return TRUE;
        }
    }
    return CGTControlBar::PreTranslateMessage(ioMessage);
}

void CGTDockingControlBar::OnRButtonDown(UINT iFlags, CPoint iPoint)
{
    SetFocus();
    CGTPopupMenu::UpdateAllShadows(nullptr);
    CGTControlBar::OnRButtonDown(iFlags, iPoint);
}

void CGTDockingControlBar::OnContextMenu(CWnd* iWindow, CPoint iPoint)
{
    if (m_PendingFloat)
        return;
    if (m_PressedButton != 0)
        StopCaptionButtonsTracking();
    CGTControlBar::OnContextMenu(iWindow, iPoint);
}

LRESULT CGTDockingControlBar::OnSetText(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    // The caption shows the new title: the frame that draws it is recomputed.
    constexpr UINT frameOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
    if (CGTMiniFrameWnd* frame = GetParentMiniFrame())
        frame->SetWindowPos(nullptr, 0, 0, 0, 0, frameOnly);
    else if (!IsTabbed() && !m_AutoHideMode)
        SetWindowPos(nullptr, 0, 0, 0, 0, frameOnly);
    return result;
}

int CGTDockingControlBar::HitTestDockTarget(CPoint iScreenPoint, int iSensitivity)
{
    CRect top, bottom;
    GetTabAreaRects(top, bottom);
    const CGTSmartDockingManager* smart = GetRunningSmartDocking(this);
    if (HitTestCaption(iScreenPoint, TRUE) == HTCAPTION || top.PtInRect(iScreenPoint) ||
        bottom.PtInRect(iScreenPoint) || (smart != nullptr && smart->GetHoveredMarker() == centreMarker))
        return 3;
    CRect body;
    GetWindowRect(&body);
    body.top += GetCaptionHeight() + top.Height();
    body.bottom -= bottom.Height();
    if (!body.PtInRect(iScreenPoint))
        return 0;
    if (iSensitivity == -1)
        return 2;
    CRect inner = body;
    inner.DeflateRect(iSensitivity, iSensitivity);
    return iSensitivity > 0 && !inner.PtInRect(iScreenPoint) ? 2 : 0;
}
