// Where the status bar's panes and grip go, how they paint, and the bar's window messages.
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTStatusBar.h>
#include <algorithm>

BEGIN_MESSAGE_MAP(CGTStatusBar, CGTControlBar)
    ON_WM_CREATE()
    ON_WM_NCHITTEST()
    ON_WM_SYSCOMMAND()
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETFONT, &CGTStatusBar::OnSetFont)
    ON_MESSAGE(WM_GETFONT, &CGTStatusBar::OnGetFont)
    ON_MESSAGE(WM_SETTEXT, &CGTStatusBar::OnSetText)
    ON_MESSAGE(WM_GETTEXT, &CGTStatusBar::OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, &CGTStatusBar::OnGetTextLength)
    ON_WM_SETTINGCHANGE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_STYLECHANGED()
END_MESSAGE_MAP()

namespace {
// Round the text and the icon of a pane.
const int paneMargin = 4;

int TextHeight(CFont* iFont)
{
    CClientDC dc(nullptr);
    CFont* previous = dc.SelectObject(iFont);
    TEXTMETRICW metrics = {};
    dc.GetTextMetrics(&metrics);
    dc.SelectObject(previous);
    return metrics.tmHeight;
}
}  // namespace

int CGTStatusBar::GripWidth() const
{
    CWnd* parent = GetParent();
    if (!(GetStyle() & GTStatusSizeGrip) || (parent != nullptr && parent->IsZoomed()))
        return 0;
    CRect client;
    GetClientRect(&client);
    return std::min(::GetSystemMetrics(SM_CYHSCROLL) + 1, client.Height());
}

void CGTStatusBar::RecalcLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    CRect inside(client.left + m_cxLeftBorder, client.top + m_cyTopBorder, client.right - m_cxRightBorder,
                 client.bottom - m_cyBottomBorder);
    const int grip = GripWidth();
    const int limit = grip > 0 ? inside.right - grip : inside.right + m_cxRightBorder + 1;
    const auto need = [](const GTStatusPane& iPane) {
        const BOOL both = iPane.textWidth > 0 && iPane.iconWidth > 0;
        return iPane.textWidth + iPane.iconWidth + (both ? paneMargin : 0);
    };
    int free = limit - inside.left;
    for (const GTStatusPane& pane : m_Panes)
        free -= need(pane) + paneMargin + m_cxDefaultGap;
    BOOL stretched = FALSE;
    int x = inside.left;
    for (GTStatusPane& pane : m_Panes) {
        int width = need(pane) + paneMargin;
        if (!stretched && (pane.style & SBPS_STRETCH)) {
            stretched = TRUE;
            width += std::max(free, 0);
        }
        if (x >= limit) {
            pane.rect = CRect(x, inside.top, x, inside.top);
            continue;
        }
        pane.rect = CRect(x, inside.top, std::min(x + width, limit), inside.bottom);
        x = pane.rect.right + m_cxDefaultGap;
    }
    m_GripRect.SetRectEmpty();
    if (grip > 0) {
        const int left = m_Panes.empty() ? inside.left : static_cast<int>(m_Panes.back().rect.right);
        const int width = std::min(grip, client.Height() + m_cyTopBorder);
        m_GripRect = CRect(left, client.top, left + width, client.bottom);
    }
}

CSize CGTStatusBar::GetStretchLimit(BOOL, BOOL)
{
    int height = TextHeight(GetCurrentFont());
    for (const GTStatusPane& pane : m_Panes)
        height = std::max(height, pane.iconHeight);
    return CSize(32767, height + m_cyTopBorder + m_cyBottomBorder + 4);
}

// --- Painting ---

void CGTStatusBar::DoPaint(CDC* iPaintDc)
{
    CRect client;
    GetClientRect(&client);
    CRect clip;
    iPaintDc->GetClipBox(&clip);
    CGTMemDC memory(*iPaintDc, this);
    CDC* dc = &memory.GetDC();
    // Panes outside what needs painting are left alone.
    dc->IntersectClipRect(&clip);
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    look->DrawBarBackground(dc, this, client, client);
    CFont* previousFont = dc->SelectObject(GetCurrentFont());
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(theGuiToolkitGlobals.colorBtnText);
    dc->SetBkColor(theGuiToolkitGlobals.colorBtnFace);
    for (GTStatusPane& pane : m_Panes)
        DrawPane(dc, pane);
    if (!m_GripRect.IsRectEmpty())
        look->DrawStatusSizeGrip(dc, this, m_GripRect);
    dc->SelectObject(previousFont);
}

void CGTStatusBar::DrawPane(CDC* iDc, GTStatusPane& ioPane)
{
    if (ioPane.rect.IsRectEmpty() || !iDc->RectVisible(&ioPane.rect))
        return;
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    if (ioPane.backgroundColor != static_cast<COLORREF>(-1)) {
        CBrush brush(ioPane.backgroundColor);
        CBrush* previous = iDc->SelectObject(&brush);
        iDc->PatBlt(ioPane.rect.left, ioPane.rect.top, ioPane.rect.Width(), ioPane.rect.Height(), PATCOPY);
        iDc->SelectObject(previous);
    }
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    look->DrawStatusPaneBorder(iDc, this, ioPane.rect, ioPane.id, ioPane.style);
    CRect content = ioPane.rect;
    if (!(ioPane.style & SBPS_NOBORDERS))
        content.DeflateRect(2, 1);
    if (ioPane.images != nullptr) {
        const int top = content.top + (content.Height() - ioPane.iconHeight) / 2;
        ImageList_Draw(ioPane.images, ioPane.currentFrame, iDc->GetSafeHdc(), content.left, top, ILD_NORMAL);
        content.left += ioPane.iconWidth + paneMargin;
    }
    if (ioPane.progressTotal >= 1) {
        CRect bar = content;
        bar.DeflateRect(1, 1);
        const COLORREF color =
            ioPane.progressColor != static_cast<COLORREF>(-1) ? ioPane.progressColor : globals.colorHighlight;
        look->DrawStatusProgress(iDc, this, bar, ioPane.progressTotal, ioPane.progressValue, color,
                                 ioPane.progressEndColor, ioPane.progressTextColor, ioPane.progressText);
        return;
    }
    if (ioPane.text.IsEmpty())
        return;
    COLORREF color = ioPane.textColor != static_cast<COLORREF>(-1) ? ioPane.textColor : globals.colorBtnText;
    if (ioPane.style & SBPS_DISABLED)
        color = globals.colorGrayText;
    const COLORREF previous = iDc->SetTextColor(color);
    iDc->DrawText(ioPane.text, &content, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    iDc->SetTextColor(previous);
}

// --- Messages ---

int CGTStatusBar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTControlBar::OnCreate(iCreate) == -1)
        return -1;
    EnableToolTips();
    return 0;
}

LRESULT CGTStatusBar::OnNcHitTest(CPoint iPoint)
{
    const int grip = GripWidth();
    if (grip > 0) {
        CRect client;
        GetClientRect(&client);
        const int side = std::min(grip - 1, client.Height());
        const CRect square(client.right - side, client.bottom - side, client.right, client.bottom);
        CPoint point = iPoint;
        ScreenToClient(&point);
        if (square.PtInRect(point))
            return (GetExStyle() & WS_EX_LAYOUTRTL) ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
    }
    return CGTControlBar::OnNcHitTest(iPoint);
}

void CGTStatusBar::OnSysCommand(UINT iCommand, LPARAM iLParam)
{
    // Sizing from the grip (or the keyboard) sizes the frame, never the bar itself.
    if ((iCommand & 0xFFF0) == SC_SIZE) {
        if (CWnd* frame = GetTopLevelFrame()) {
            frame->SendMessage(WM_SYSCOMMAND, iCommand, iLParam);
            return;
        }
    }
    CGTControlBar::OnSysCommand(iCommand, iLParam);
}

void CGTStatusBar::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTControlBar::OnSize(iType, iWidth, iHeight);
    RecalcLayout();
    Invalidate();
}

LRESULT CGTStatusBar::OnSetFont(WPARAM iFont, LPARAM iRedraw)
{
    m_Font = reinterpret_cast<HFONT>(iFont);
    RecalcLayout();
    if (iRedraw)
        Invalidate();
    return 0;
}

LRESULT CGTStatusBar::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(GetCurrentFont()->GetSafeHandle());
}

LRESULT CGTStatusBar::OnSetText(WPARAM, LPARAM iText)
{
    const int index = CommandToIndex(0);
    if (index < 0 || !SetPaneText(index, reinterpret_cast<LPCWSTR>(iText), FALSE))
        return -1;
    InvalidatePaneContent(index);
    return 0;
}

LRESULT CGTStatusBar::OnGetText(WPARAM iSize, LPARAM oText)
{
    const int size = static_cast<int>(iSize);
    if (size <= 0 || oText == 0)
        return 0;
    const CString text = GetPaneText(CommandToIndex(0));
    const int count = std::min(text.GetLength(), size - 1);
    auto* buffer = reinterpret_cast<LPWSTR>(oText);
    wmemcpy(buffer, text, static_cast<size_t>(count));
    buffer[count] = L'\0';
    return count + 1;
}

LRESULT CGTStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    return GetPaneText(CommandToIndex(0)).GetLength();
}

void CGTStatusBar::OnSettingChange(UINT iFlags, LPCWSTR iSection)
{
    CGTControlBar::OnSettingChange(iFlags, iSection);
    RecalcLayout();
}

void CGTStatusBar::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    if (m_DoubleClicks) {
        if (const GTStatusPane* pane = HitTest(iPoint); pane != nullptr && GetParent() != nullptr)
            GetParent()->PostMessage(WM_COMMAND, pane->id);
    }
    CGTControlBar::OnLButtonDblClk(iFlags, iPoint);
}

void CGTStatusBar::OnTimer(UINT_PTR iTimer)
{
    GTStatusPane* pane = iTimer >= s_TimerBase ? GetPane(static_cast<int>(iTimer - s_TimerBase)) : nullptr;
    if (pane == nullptr || pane->frameCount == 0) {
        CGTControlBar::OnTimer(iTimer);
        return;
    }
    pane->currentFrame = (pane->currentFrame + 1) % pane->frameCount;
    CRect icon = pane->rect;
    if (!(pane->style & SBPS_NOBORDERS))
        icon.DeflateRect(2, 1);
    icon.right = icon.left + pane->iconWidth;
    InvalidateRect(&icon, FALSE);
    UpdateWindow();
    ClientToScreen(&icon);
    CGTPopupMenu::UpdateAllShadows(&icon);
}

void CGTStatusBar::OnDestroy()
{
    ReleasePanes();
    CGTControlBar::OnDestroy();
}

void CGTStatusBar::OnStyleChanged(int iType, LPSTYLESTRUCT iStyles)
{
    CGTControlBar::OnStyleChanged(static_cast<WPARAM>(iType), reinterpret_cast<LPARAM>(iStyles));
    if (iType == GWL_STYLE && !(iStyles->styleOld & GTStatusSizeGrip) && (iStyles->styleNew & GTStatusSizeGrip))
        RecalcLayout();
}
