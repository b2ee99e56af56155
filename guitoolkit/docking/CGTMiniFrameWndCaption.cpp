// The mini frame's own non-client area: borders, caption, caption buttons with their
// tooltips, the hit test that lets a press on the caption reach the frame, painting, and close.
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GTTooltipInput.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <algorithm>

namespace {
struct ButtonOfFlag {
    DWORD flag;
    UINT hitCode;
};
// In the order they are put at the head of the list, so that it runs menu, 8, pin, close.
const ButtonOfFlag s_ButtonsOfFlags[] = {
    {0x02, GTHitFrameClose}, {0x01, GTHitPin}, {0x04, GTHitWindowPosition}, {0x10, GTHitMenu}};

// The edge a screen point is on outside the caption and the client area; 0 for none.
LRESULT HitTestEdges(CPoint iPoint, const CRect& iWindow, const CRect& iBorders, BOOL iToolbar)
{
    struct Strip {
        CRect rect;
        LRESULT code;
    };
    const CRect& w = iWindow;
    if (iToolbar) {
        const Strip strips[] = {{CRect(w.left, w.top, w.right, w.top + iBorders.top), HTTOP},
                                {CRect(w.left, w.top, w.left + iBorders.left, w.bottom), HTLEFT},
                                {CRect(w.left, w.bottom - iBorders.bottom, w.right, w.bottom), HTBOTTOM},
                                {CRect(w.right - iBorders.right, w.top, w.right, w.bottom), HTRIGHT}};
        for (const Strip& strip : strips) {
            if (strip.rect.PtInRect(iPoint))
                return strip.code;
        }
        return 0;
    }
    const int cx = ::GetSystemMetrics(SM_CXCURSOR) / 2;
    const int cy = ::GetSystemMetrics(SM_CYCURSOR) / 2;
    const Strip strips[] = {{CRect(w.left, w.top, w.left + cx, w.top + cy), HTTOPLEFT},
                            {CRect(w.left + cx, w.top, w.right - cx, w.top + iBorders.top), HTTOP},
                            {CRect(w.right - cx, w.top, w.right, w.top + cy), HTTOPRIGHT},
                            {CRect(w.right - iBorders.right, w.top + cy, w.right, w.bottom - cy), HTRIGHT},
                            {CRect(w.right - cx, w.bottom - cy, w.right, w.bottom), HTBOTTOMRIGHT},
                            {CRect(w.left + cx, w.bottom - iBorders.bottom, w.right - cx, w.bottom), HTBOTTOM},
                            {CRect(w.left, w.bottom - cy, w.left + cx, w.bottom), HTBOTTOMLEFT},
                            {CRect(w.left, w.top + cy, w.left + iBorders.left, w.bottom - cy), HTLEFT}};
    for (const Strip& strip : strips) {
        if (strip.rect.PtInRect(iPoint))
            return strip.code;
    }
    return 0;
}

UINT ToolTipStringOf(UINT iHitCode)
{
    switch (iHitCode) {
    case GTHitWindowPosition:
    case GTHitPin:
        return IDS_GT_CAPTION_AUTOHIDE;
    case GTHitFrameClose:
        return IDS_GT_CAPTION_CLOSE;
    case GTHitMenu:
        return IDS_GT_TOOLBAR_OPTIONS;
    default:
        return 0;
    }
}
}  // namespace

BOOL CGTMiniFrameWnd::HoldsToolbar() const
{
    CWnd* bar = GetBar();
    return bar != nullptr ? bar->IsKindOf(RUNTIME_CLASS(CGTToolBar)) : m_ToolbarBorders;
}

void CGTMiniFrameWnd::GetBorderSize(CRect& oBorders) const
{
    if (HoldsToolbar()) {
        oBorders.SetRect(3, 3, 3, 3);
        return;
    }
    const int cx = ::GetSystemMetrics(SM_CXFRAME);
    const int cy = ::GetSystemMetrics(SM_CYFRAME);
    oBorders.SetRect(cx, cy, cx, cy);
}

void CGTMiniFrameWnd::CaptionRectangle(CRect& oRect) const
{
    CRect window, borders;
    GetWindowRect(&window);
    GetBorderSize(borders);
    oRect.SetRect(borders.left, borders.top, window.Width() - borders.right, borders.top + m_CaptionHeight);
}

void CGTMiniFrameWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* ioParams)
{
    CRect borders;
    GetBorderSize(borders);
    RECT& client = ioParams->rgrc[0];
    client.left += borders.left;
    client.top += borders.top + m_CaptionHeight;
    client.right = std::max(client.left, client.right - borders.right);
    client.bottom = std::max(client.top, client.bottom - borders.bottom);
}

LRESULT CGTMiniFrameWnd::HitTestFrame(CPoint iScreenPoint, BOOL iDetectCaption)
{
    if (CGTToolBar::IsCustomizeMode() && !HoldsToolbar())
        return HTNOWHERE;
    CRect window, client;
    GetWindowRect(&window);
    if (!window.PtInRect(iScreenPoint))
        return HTNOWHERE;
    GetClientRect(&client);
    ClientToScreen(&client);
    if (client.PtInRect(iScreenPoint))
        return HTCLIENT;
    CRect caption;
    CaptionRectangle(caption);
    caption.OffsetRect(window.TopLeft());
    if (!caption.PtInRect(iScreenPoint)) {
        CRect borders;
        GetBorderSize(borders);
        if (const LRESULT edge = HitTestEdges(iScreenPoint, window, borders, HoldsToolbar()))
            return edge;
        return CWnd::DefWindowProc(WM_NCHITTEST, 0, MAKELPARAM(iScreenPoint.x, iScreenPoint.y));
    }
    if (iDetectCaption)
        return HTCAPTION;
    CGTCaptionButton* button = CaptionButtonAt(iScreenPoint);
    return button != nullptr ? button->GetHitTest() : HTCLIENT;
}

LRESULT CGTMiniFrameWnd::OnNcHitTest(CPoint iPoint)
{
    return HitTestFrame(iPoint, FALSE);
}

BOOL CGTMiniFrameWnd::OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage)
{
    LPCWSTR cursor = nullptr;
    switch (iHitTest) {
    case HTLEFT:
    case HTRIGHT:
        cursor = IDC_SIZEWE;
        break;
    case HTTOP:
    case HTBOTTOM:
        cursor = IDC_SIZENS;
        break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        cursor = IDC_SIZENWSE;
        break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        cursor = IDC_SIZENESW;
        break;
    default:
        return CWnd::OnSetCursor(iWindow, iHitTest, iMessage);
    }
    ::SetCursor(::LoadCursorW(nullptr, cursor));
    return TRUE;
}

CGTCaptionButton* CGTMiniFrameWnd::CaptionButtonAt(CPoint iScreenPoint) const
{
    CRect window;
    GetWindowRect(&window);
    const CPoint inWindow = iScreenPoint - window.TopLeft();
    for (POSITION position = m_CaptionButtons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTCaptionButton*>(m_CaptionButtons.GetNext(position));
        if (button->GetRect().PtInRect(inWindow))
            return button;
    }
    return nullptr;
}

CGTCaptionButton* CGTMiniFrameWnd::FindCaptionButton(UINT iHitCode) const
{
    for (POSITION position = m_CaptionButtons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTCaptionButton*>(m_CaptionButtons.GetNext(position));
        if (button->GetHitTest() == iHitCode)
            return button;
    }
    return nullptr;
}

CGTCaptionButton* CGTMiniFrameWnd::CreateCaptionButton(UINT iHitCode)
{
    if (FindCaptionButton(iHitCode) != nullptr)
        return nullptr;
    CGTCaptionButton* button =
        iHitCode == GTHitMenu ? new CGTCaptionMenuButton(iHitCode) : new CGTCaptionButton(iHitCode);
    m_CaptionButtons.AddHead(button);
    return button;
}

void CGTMiniFrameWnd::DeleteCaptionButtons()
{
    while (!m_CaptionButtons.IsEmpty())
        delete static_cast<CGTCaptionButton*>(m_CaptionButtons.RemoveHead());
    m_PressedButton = 0;
    m_HotButton = 0;
}

void CGTMiniFrameWnd::ApplyCaptionButtonFlags(DWORD iFlags)
{
    DeleteCaptionButtons();
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, GetBar());
    for (const ButtonOfFlag& entry : s_ButtonsOfFlags) {
        if (!(iFlags & entry.flag) || (entry.hitCode == GTHitFrameClose && (bar == nullptr || !bar->CanHide())))
            continue;
        CreateCaptionButton(entry.hitCode);
    }
    m_CaptionButtonFlags = iFlags;
    if (GetSafeHwnd() == nullptr)
        return;
    RebuildToolTips();
    LayoutCaptionButtons();
    SendMessage(WM_NCPAINT);
}

void CGTMiniFrameWnd::LayoutCaptionButtons()
{
    if (GetSafeHwnd() == nullptr)
        return;
    CRect caption, borders;
    CaptionRectangle(caption);
    GetBorderSize(borders);
    const CSize size = CGTCaptionButton::GetDefaultSize();
    const int top = caption.top + (caption.Height() - size.cy) / 2;
    int right = caption.right - s_ButtonOffset;
    int left = caption.left + s_ButtonOffset;
    int tool = 0;
    for (POSITION position = m_CaptionButtons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTCaptionButton*>(m_CaptionButtons.GetNext(position));
        ++tool;
        if (button->IsHidden())
            continue;
        if (button->m_LeftAligned) {
            button->m_Position = CPoint(left, top);
            left += size.cx + s_ButtonGap;
        } else {
            button->m_Position = CPoint(std::max<int>(caption.left, right - size.cx), top);
            right -= size.cx + s_ButtonGap;
        }
        if (m_ToolTip.GetSafeHwnd() != nullptr) {
            CRect toolRect = button->GetRect();
            toolRect.OffsetRect(-borders.left, -caption.bottom);
            m_ToolTip.SetToolRect(this, tool, toolRect);
        }
    }
}

void CGTMiniFrameWnd::RebuildToolTips()
{
    if (m_ToolTip.GetSafeHwnd() == nullptr || m_ToolTip.GetToolCount() == m_CaptionButtons.GetCount())
        return;
    for (int tool = m_ToolTip.GetToolCount(); tool > 0; --tool)
        m_ToolTip.DelTool(this, tool);
    for (int tool = 1; tool <= m_CaptionButtons.GetCount(); ++tool)
        m_ToolTip.AddTool(this, LPSTR_TEXTCALLBACK, CRect(0, 0, 0, 0), tool);
}

BOOL CGTMiniFrameWnd::OnToolTipText(UINT, NMHDR* iHeader, LRESULT* oResult)
{
    *oResult = 0;
    const auto tool = static_cast<INT_PTR>(iHeader->idFrom);
    if (CGTToolBar::IsCustomizeMode() || tool < 1 || tool > m_CaptionButtons.GetCount())
        return FALSE;
    auto* button = static_cast<CGTCaptionButton*>(m_CaptionButtons.GetAt(m_CaptionButtons.FindIndex(tool - 1)));
    const UINT resource = ToolTipStringOf(button->GetHitTest());
    if (resource == 0)
        return FALSE;
    static CString text;
    text.LoadString(resource);
    reinterpret_cast<NMTTDISPINFOW*>(iHeader)->lpszText = const_cast<LPWSTR>(text.GetString());
    return TRUE;
}

BOOL CGTMiniFrameWnd::PreTranslateMessage(MSG* ioMessage)
{
    if (m_ToolTip.GetSafeHwnd() != nullptr && IsTooltipInput(ioMessage->message))
        m_ToolTip.RelayEvent(ioMessage);
    return CWnd::PreTranslateMessage(ioMessage);
}

void CGTMiniFrameWnd::RedrawCaptionButton(UINT iHitCode)
{
    CGTCaptionButton* button = FindCaptionButton(iHitCode);
    if (button == nullptr)
        return;
    m_ButtonRedrawRect = button->GetRect();
    SendMessage(WM_NCPAINT);
    m_ButtonRedrawRect.SetRectEmpty();
}

void CGTMiniFrameWnd::HoverCaptionButtons(CPoint iScreenPoint)
{
    if (CGTPopupMenu::GetActiveMenu() != nullptr)
        return;
    CGTCaptionButton* button = CaptionButtonAt(iScreenPoint);
    const UINT hot = button != nullptr && button->m_Enabled ? button->GetHitTest() : 0;
    if (hot == m_HotButton)
        return;
    const UINT old = m_HotButton;
    m_HotButton = hot;
    if (CGTCaptionButton* previous = FindCaptionButton(old))
        previous->m_Focused = FALSE;
    if (button != nullptr && hot != 0)
        button->m_Focused = TRUE;
    RedrawCaptionButton(old);
    RedrawCaptionButton(hot);
    if (hot != 0)
        SetCapture();
    else if (GetCapture() == this)
        ReleaseCapture();
}

void CGTMiniFrameWnd::EndCaptionButtonTracking()
{
    const UINT pressed = m_PressedButton;
    const UINT hot = m_HotButton;
    m_PressedButton = 0;
    m_HotButton = 0;
    for (POSITION position = m_CaptionButtons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTCaptionButton*>(m_CaptionButtons.GetNext(position));
        button->m_Pushed = FALSE;
        button->m_Focused = FALSE;
    }
    if (GetCapture() == this && !m_InMoveMode)
        ReleaseCapture();
    RedrawCaptionButton(pressed);
    RedrawCaptionButton(hot);
}

void CGTMiniFrameWnd::OnNcMouseMove(UINT iHitTest, CPoint iPoint)
{
    if (m_PressedButton == 0 && !m_InMoveMode)
        HoverCaptionButtons(iPoint);
    CWnd::OnNcMouseMove(iHitTest, iPoint);
}

BOOL CGTMiniFrameWnd::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTMiniFrameWnd::OnNcPaint()
{
    CGTDockManager* manager = GetDockManagerOfFrame(CWnd::FromHandlePermanent(m_OwnerFrame));
    if (manager != nullptr && manager->AreUpdatesLocked())
        return;
    CRect window, client;
    GetWindowRect(&window);
    GetClientRect(&client);
    ClientToScreen(&client);
    client.OffsetRect(-window.TopLeft());
    window.OffsetRect(-window.TopLeft());
    CWindowDC windowDc(this);
    windowDc.ExcludeClipRect(&client);
    CGTMemDC buffer(windowDc, window);
    CDC& memory = buffer.GetDC();
    memory.ExcludeClipRect(&client);
    PaintFrameBorder(&memory);
    CRect caption;
    CaptionRectangle(caption);
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, GetBar());
    const COLORREF textColor = CGTVisualManager::GetCurrent()->FillMiniFrameCaption(&memory, caption, m_Active, bar);
    CRect text = caption;
    text.DeflateRect(4, 0);
    for (POSITION position = m_CaptionButtons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTCaptionButton*>(m_CaptionButtons.GetNext(position));
        button->m_GlyphColor = textColor;
        if (!button->IsHidden() && !button->m_LeftAligned)
            text.right = std::min<LONG>(text.right, button->GetRect().left - s_ButtonGap);
    }
    const int oldMode = memory.SetBkMode(TRANSPARENT);
    const COLORREF oldColor = memory.SetTextColor(textColor);
    CFont* oldFont = memory.SelectObject(&theGuiToolkitGlobals.fontRegular);
    memory.DrawText(GetCaptionText(), &text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    memory.SelectObject(oldFont);
    memory.SetTextColor(oldColor);
    memory.SetBkMode(oldMode);
    PaintCaptionButtons(&memory);
}

void CGTMiniFrameWnd::PaintFrameBorder(CDC* iDc)
{
    CRect window;
    GetWindowRect(&window);
    window.OffsetRect(-window.TopLeft());
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    if (HoldsToolbar()) {
        iDc->FillRect(&window, &theGuiToolkitGlobals.brushBarFace);
        look->DrawFloatingToolbarBorder(iDc, window);
        return;
    }
    CRect borders;
    GetBorderSize(borders);
    iDc->FillRect(&window, &theGuiToolkitGlobals.brushBarFace);
    look->DrawMiniFrameBorder(iDc, this, window, borders);
}

void CGTMiniFrameWnd::PaintCaptionButtons(CDC* iDc)
{
    const BOOL customizing = CGTToolBar::IsCustomizeMode();
    for (POSITION position = m_CaptionButtons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTCaptionButton*>(m_CaptionButtons.GetNext(position));
        if (customizing)
            button->m_Enabled = TRUE;
        button->OnDraw(iDc, m_Active, FALSE, button->GetHitTest() == GTHitPin && m_Pinned, FALSE);
    }
}

BOOL CGTMiniFrameWnd::OwnerAllowsClose()
{
    IGTDockingFrame* owner = AsDockingFrame(CWnd::FromHandlePermanent(m_OwnerFrame));
    return owner == nullptr || owner->MayCloseMiniFrame(this);
}

void CGTMiniFrameWnd::HideFrameAndBar()
{
    ShowWindow(SW_HIDE);
    if (CWnd* bar = GetBar())
        bar->ShowWindow(SW_HIDE);
}

void CGTMiniFrameWnd::OnClose()
{
    if (OwnerAllowsClose())
        HideFrameAndBar();
}

void CGTMiniFrameWnd::RefreshCaptionMetrics()
{
    m_CaptionHeight = ::GetSystemMetrics(SM_CYSMCAPTION);
    m_MinTrackWidth = m_CaptionHeight + 15;
    m_MinTrackHeight = m_CaptionHeight + 15;
}

void CGTMiniFrameWnd::OnSettingChange(UINT iFlags, LPCWSTR iSection)
{
    CWnd::OnSettingChange(iFlags, iSection);
    RefreshCaptionMetrics();
    LayoutCaptionButtons();
}
