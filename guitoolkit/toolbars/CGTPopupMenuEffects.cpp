// The popup menu's pictures: the opening animation (unfold, slide or fade), the frame with
// its strips and scroll arrows, and the drop shadow over what lies under the menu.
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/core/CGTDrawManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <algorithm>

namespace {
const UINT_PTR animationTimer = 1;
const UINT_PTR scrollTimer = 2;
const int unfoldAnimation = 1;
const int fadeAnimation = 3;
const int fadeStep = 10;
const int shadowDarkest = 100;
const int shadowLightest = 65;

// Copies a DIB section onto a DC at a point.
void Blit(CDC* iDc, const CGTDibSection& iDib, CPoint iAt, CRect iSource)
{
    CDC memory;
    if (iDib.Handle() == nullptr || !memory.CreateCompatibleDC(iDc))
        return;
    HGDIOBJ previous = ::SelectObject(memory.GetSafeHdc(), iDib.Handle());
    iDc->BitBlt(iAt.x, iAt.y, iSource.Width(), iSource.Height(), &memory, iSource.left, iSource.top, SRCCOPY);
    ::SelectObject(memory.GetSafeHdc(), previous);
}

// Copies a rectangle of one DIB section into another of the same size.
void CopyPart(const CGTDibSection& iSource, CGTDibSection& ioTarget, const CRect& iFrom, CPoint iTo)
{
    for (int y = 0; y < iFrom.Height(); ++y) {
        for (int x = 0; x < iFrom.Width(); ++x) {
            const DWORD* from = iSource.PixelAt(iFrom.left + x, iFrom.top + y);
            DWORD* to = ioTarget.PixelAt(iTo.x + x, iTo.y + y);
            if (from != nullptr && to != nullptr)
                *to = *from;
        }
    }
}
}  // namespace

// --- Painting ---

void CGTPopupMenu::OnPaint()
{
    CPaintDC dc(this);
    if (!m_AnimationDone && !CGTToolBar::IsCustomizeMode())
        DrawFade(&dc);
    else
        DrawImage(&dc);
}

CRect CGTPopupMenu::ShadowSpare() const
{
    if (m_ParentButton == nullptr || GetParentPopup() != nullptr)
        return CRect();
    const CGTToolBar* bar = m_ParentButton->GetParentToolBar();
    if (bar == nullptr || bar->GetSafeHwnd() == nullptr)
        return CRect();
    CRect spare = m_ParentButton->GetScreenRect();
    --spare.right;
    --spare.bottom;
    ScreenToClient(&spare);
    return spare;
}

void CGTPopupMenu::DrawImage(CDC* iDc)
{
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    CRect rect = MenuRect();
    if (m_ShadowSize > 0 && !CGTToolBar::IsCustomizeMode()) {
        // The first shadow is drawn over what lay under the window; it is kept from then on.
        if (m_SavedBottomStrip.GetSafeHandle() == nullptr && m_Background.Handle() != nullptr) {
            CRect client;
            GetClientRect(&client);
            Blit(iDc, m_Background, CPoint(0, rect.bottom), CRect(0, rect.bottom, client.right, client.bottom));
            const int side = IsRightToLeft() ? 0 : rect.right;
            Blit(iDc, m_Background, CPoint(side, 0), CRect(side, 0, side + m_ShadowSize, client.bottom));
        }
        look->DrawMenuShadow(iDc, rect, ShadowSpare(), m_ShadowSize, shadowDarkest, shadowLightest, &m_SavedBottomStrip,
                             &m_SavedRightStrip, IsRightToLeft());
    }
    look->DrawMenuBorder(iDc, this, rect);
    const int border = look->GetPopupMenuBorderSize();
    rect.DeflateRect(border, border);
    if (m_LogoSize > 0) {
        if (IGTToolbarFrame* hooks = AsToolbarFrame(HostFrame()))
            hooks->OnDrawMenuLogo(iDc, this, LogoRect());
    }
    if (!m_TearOffRect.IsRectEmpty())
        look->DrawTearOffCaption(iDc, m_TearOffRect, m_TearOffHighlighted);
    if (CanScrollUp() && !m_ScrollUpRect.IsRectEmpty())
        DrawScrollButton(iDc, m_ScrollUpRect, CGTMenuGlyphs::ArrowUp, m_ScrollDirection < 0);
    if (CanScrollDown() && !m_ScrollDownRect.IsRectEmpty())
        DrawScrollButton(iDc, m_ScrollDownRect, CGTMenuGlyphs::ArrowDown, m_ScrollDirection > 0);
    m_Painted = TRUE;
}

void CGTPopupMenu::CaptureBackground()
{
    CRect window = GetScreenRect();
    if (window.IsRectEmpty() || !m_Background.Create(window.Width(), window.Height()))
        return;
    CDC memory;
    CWindowDC screen(nullptr);
    if (!memory.CreateCompatibleDC(&screen))
        return;
    HGDIOBJ previous = ::SelectObject(memory.GetSafeHdc(), m_Background.Handle());
    memory.BitBlt(0, 0, window.Width(), window.Height(), &screen, window.left, window.top, SRCCOPY);
    ::SelectObject(memory.GetSafeHdc(), previous);
    ::GdiFlush();
}

void CGTPopupMenu::ResetShadowStrips()
{
    m_SavedBottomStrip.DeleteObject();
    m_SavedRightStrip.DeleteObject();
}

// --- Animation ---

int CGTPopupMenu::AnimationSteps(DWORD iElapsed, int iPeriod)
{
    return iPeriod > 0 ? static_cast<int>((iElapsed + iPeriod / 2) / static_cast<DWORD>(iPeriod)) : 0;
}

void CGTPopupMenu::BlendFadeFrame(const CGTDibSection& iBackground, const CGTDibSection& iMenu, CGTDibSection& oBlend,
                                  int iPercent)
{
    const size_t count = static_cast<size_t>(oBlend.Width()) * oBlend.Height();
    if (iBackground.Width() != oBlend.Width() || iMenu.Width() != oBlend.Width() ||
        iBackground.Height() != oBlend.Height() || iMenu.Height() != oBlend.Height())
        return;
    // Channel by channel, so the DIB's blue-green-red order mixes as a colour does.
    for (size_t index = 0; index < count; ++index)
        oBlend.Bits()[index] = CGTDrawManager::MixColors(iMenu.Bits()[index], iBackground.Bits()[index], iPercent);
}

BOOL CGTPopupMenu::MakeAnimationImage(CDC* iDc)
{
    if (m_AnimationImage.Handle() != nullptr)
        return TRUE;
    CRect client;
    GetClientRect(&client);
    if (!m_AnimationImage.Create(client.Width(), client.Height()) ||
        !m_BlendBuffer.Create(client.Width(), client.Height()))
        return FALSE;
    if (m_Background.Width() != client.Width() || m_Background.Height() != client.Height()) {
        if (!m_Background.Create(client.Width(), client.Height()))
            return FALSE;
        const DWORD face = CGTDibSection::Swap(theGuiToolkitGlobals.colorBtnFace);
        std::fill(m_Background.Bits(), m_Background.Bits() + client.Width() * client.Height(), face);
    }
    CopyPart(m_Background, m_AnimationImage, client, CPoint(0, 0));
    CDC memory;
    if (!memory.CreateCompatibleDC(iDc))
        return FALSE;
    HGDIOBJ previous = ::SelectObject(memory.GetSafeHdc(), m_AnimationImage.Handle());
    DrawImage(&memory);
    CRect bar;
    m_Bar->GetWindowRect(&bar);
    ScreenToClient(&bar);
    const CPoint origin = memory.SetViewportOrg(bar.TopLeft());
    m_Bar->DrawContent(&memory, CRect(0, 0, bar.Width(), bar.Height()));
    memory.SetViewportOrg(origin);
    ::GdiFlush();
    ::SelectObject(memory.GetSafeHdc(), previous);
    return TRUE;
}

void CGTPopupMenu::DrawFade(CDC* iDc)
{
    if (!MakeAnimationImage(iDc))
        return;
    const CRect full(0, 0, m_BlendBuffer.Width(), m_BlendBuffer.Height());
    if (m_Animation == fadeAnimation) {
        BlendFadeFrame(m_Background, m_AnimationImage, m_BlendBuffer, m_FadePercent);
    } else {
        CopyPart(m_Background, m_BlendBuffer, full, CPoint(0, 0));
        const CRect part(0, 0, std::min(m_AnimatedSize.cx, full.right), std::min(m_AnimatedSize.cy, full.bottom));
        const CPoint at(m_RevealLeft ? 0 : full.right - part.right, m_RevealTop ? 0 : full.bottom - part.bottom);
        CopyPart(m_AnimationImage, m_BlendBuffer, part, at);
    }
    Blit(iDc, m_BlendBuffer, CPoint(0, 0), full);
}

BOOL CGTPopupMenu::StepAnimation()
{
    if (m_AnimationDone)
        return TRUE;
    const DWORD now = CGTClock::Current().Milliseconds();
    const int steps = AnimationSteps(now - s_LastAnimationTick, s_AnimationPeriod);
    if (m_Animation == unfoldAnimation)
        m_AnimatedSize.cx += m_Bar->GetColumnWidth() * steps;
    if (m_Animation != fadeAnimation)
        m_AnimatedSize.cy += m_Bar->GetRowHeight() * steps;
    else
        m_FadePercent += fadeStep;
    const BOOL ended = (m_Animation != fadeAnimation && m_AnimatedSize.cy - m_ShadowSize >= m_FinalSize.cy) ||
        (m_Animation == unfoldAnimation && m_AnimatedSize.cx - m_ShadowSize >= m_FinalSize.cx) ||
        (m_Animation == fadeAnimation && m_FadePercent > 100);
    if (ended) {
        m_AnimatedSize = CSize(m_FinalSize.cx + m_ShadowSize, m_FinalSize.cy + m_ShadowSize);
        KillTimer(animationTimer);
        m_AnimationDone = TRUE;
        // The last frame showed the items as the menu's own picture; the bar paints them now.
        m_Bar->SetWindowPos(nullptr, 0, 0, 0, 0,
                               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    Invalidate();
    UpdateWindow();
    s_LastAnimationTick = now;
    return ended;
}

void CGTPopupMenu::OnTimer(UINT_PTR iTimer)
{
    if (iTimer == animationTimer)
        StepAnimation();
    else if (iTimer == scrollTimer)
        OnScrollTimer();
    else
        CMiniFrameWnd::OnTimer(iTimer);
}

// --- Shadow refresh ---

void CGTPopupMenu::UpdateShadow(LPCRECT iScreenRect)
{
    CWnd* top = GetTopLevelParent();
    if (m_ShadowSize <= 0 || top == nullptr || top == this || GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(&client);
    CRect right(client.right - m_ShadowSize - 1, client.top, client.right, client.bottom);
    CRect bottom(client.left, client.bottom - m_ShadowSize - 1, client.right, client.bottom);
    if (iScreenRect != nullptr) {
        CRect changed = *iScreenRect;
        ScreenToClient(&changed);
        right.IntersectRect(right, changed);
        bottom.IntersectRect(bottom, changed);
        if (right.IsRectEmpty() && bottom.IsRectEmpty())
            return;
    }
    CRect window = GetScreenRect();
    CRect parent;
    top->GetWindowRect(&parent);
    CRect inside;
    if (!inside.IntersectRect(window, parent) || inside != window)
        return;
    const int shadow = m_ShadowSize;
    m_ShadowSize = 0;
    ResetShadowStrips();
    const UINT quiet = SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_NOSENDCHANGING;
    SetWindowPos(nullptr, 0, 0, window.Width() - shadow, window.Height() - shadow, quiet);
    for (CRect strip : {right, bottom}) {
        if (strip.IsRectEmpty())
            continue;
        ClientToScreen(&strip);
        top->ScreenToClient(&strip);
        top->RedrawWindow(&strip, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    top->UpdateWindow();
    SetWindowPos(nullptr, 0, 0, window.Width(), window.Height(), quiet);
    CaptureBackground();
    m_ShadowSize = shadow;
    InvalidateRect(&right);
    InvalidateRect(&bottom);
    UpdateWindow();
}

void CGTPopupMenu::UpdateAllShadows(LPCRECT iScreenRect)
{
    for (CGTPopupMenu* popup = GetActiveMenu(); popup != nullptr; popup = popup->GetParentPopup()) {
        if (popup->GetSafeHwnd() != nullptr)
            popup->UpdateShadow(iScreenRect);
    }
}
