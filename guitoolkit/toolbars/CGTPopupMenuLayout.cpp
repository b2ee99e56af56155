// Where the popup menu stands, its strips (logo, tear-off, scroll arrows, shadow) and the
// scrolling of a menu that is taller than the screen.
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <algorithm>

namespace {
const int tearOffHeight = 10;
const UINT_PTR scrollTimer = 2;
const UINT scrollPeriod = 80;

int BorderSize()
{
    return CGTVisualManager::GetCurrent()->GetPopupMenuBorderSize();
}

CRect WorkAreaNear(CPoint iPoint)
{
    MONITORINFO info = {sizeof(info)};
    CRect area;
    if (::GetMonitorInfoW(::MonitorFromPoint(iPoint, MONITOR_DEFAULTTONEAREST), &info))
        area = info.rcWork;
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}
}  // namespace

GTPopupPlacementInput CGTPopupMenu::PlacementInput() const
{
    GTPopupPlacementInput input;
    input.workArea = WorkAreaNear(m_Location);
    input.location = m_Location;
    input.direction = m_Direction;
    input.hasParentButton = m_ParentButton != nullptr;
    input.rightToLeft = IsRightToLeft();
    input.rightAlign = m_RightAlign;
    input.animation = m_Animation;
    if (m_ParentButton == nullptr)
        return input;
    input.parentButtonRect = m_ParentButton->GetScreenRect();
    const CGTToolBar* bar = m_ParentButton->GetParentToolBar();
    if (CGTPopupMenu* parent = GetParentPopup()) {
        input.hasParentPopup = TRUE;
        input.parentPopupRect = parent->GetScreenRect();
        input.subMenuRowOffset = parent->m_Bar->GetRowHeight() + 2 * BorderSize();
    } else if (bar != nullptr && bar->GetSafeHwnd() != nullptr) {
        input.fromToolbarButton = TRUE;
        input.parentBarHorizontal = bar->IsHorizontal();
        input.fromVerticalMenuBar = bar->GetLookKind() == GTLookBarKind::MenuBar && !bar->IsHorizontal();
    }
    return input;
}

void CGTPopupMenu::RecalcLayout(BOOL)
{
    if (GetSafeHwnd() == nullptr || m_Bar->GetSafeHwnd() == nullptr)
        return;
    const int border = BorderSize();
    CSize size = m_Bar->CalcFixedLayout(FALSE, TRUE) + CSize(2 * border, 2 * border);
    if (m_LogoSize > 0)
        (m_LogoSide < 2 ? size.cx : size.cy) += m_LogoSize;
    m_TearOffRect.SetRectEmpty();
    if (m_ParentButton != nullptr && m_ParentButton->GetTearOffId() != 0 && !CGTToolBar::IsCustomizeMode()) {
        m_TearOffRect.SetRect(border, border, size.cx - border, border + tearOffHeight);
        size.cy += tearOffHeight;
        if (m_Tooltip.GetSafeHwnd() == nullptr && m_Tooltip.Create(this)) {
            m_Tooltip.AddTool(this, IDS_GT_TEAR_OFF_TIP, &m_TearOffRect, 1);
            if (theGuiToolkitGlobals.maxTooltipWidth != -1)
                m_Tooltip.SetMaxTipWidth(theGuiToolkitGlobals.maxTooltipWidth);
        }
    }
    GTPopupPlacementInput input = PlacementInput();
    input.size = size;
    const GTPopupPlacement placed = PlacePopupMenu(input);
    m_Location = placed.location;
    m_Direction = placed.direction;
    m_Scrollable = placed.scrollable;
    m_RevealLeft = placed.revealFromLeft;
    m_RevealTop = placed.revealFromTop;
    m_FinalSize = CSize(size.cx, placed.height);
    JoinParentPopup();
    const int shadow = CGTToolBar::IsCustomizeMode() ? 0 : m_ShadowSize;
    const CSize window(m_FinalSize.cx + shadow, m_FinalSize.cy + shadow);
    const int x = IsRightToLeft() ? m_Location.x - window.cx : m_Location.x;
    SetWindowPos(nullptr, x, m_Location.y, window.cx, window.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    RecalcScrollLayout(TRUE);
    if (shadow > 0)
        RepaintButtonUnderShadow();
}

void CGTPopupMenu::JoinParentPopup()
{
    CGTPopupMenu* parent = GetParentPopup();
    if (!CGTVisualManager::GetCurrent()->JoinedPopups || parent == nullptr || !m_ParentButton->m_RightArrow)
        return;
    parent->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (parent->m_ShowFull && !m_ShowFull) {
        m_Location.x += m_Direction == GTPopupLeft ? 4 : -4;
        m_Location.y += 1;
    }
}

void CGTPopupMenu::RepaintButtonUnderShadow()
{
    CGTToolBar* bar = GetParentToolBar();
    if (bar == nullptr || bar->GetSafeHwnd() == nullptr)
        return;
    CRect button = m_ParentButton->GetScreenRect();
    CRect window = GetScreenRect();
    const CRect menu = MenuRect() + window.TopLeft();
    CRect right(menu.right, window.top, window.right, window.bottom);
    CRect bottom(window.left, menu.bottom, window.right, window.bottom);
    for (const CRect* strip : {&right, &bottom}) {
        CRect overlap;
        if (overlap.IntersectRect(*strip, button)) {
            bar->ScreenToClient(&overlap);
            bar->InvalidateRect(&overlap);
            bar->UpdateWindow();
        }
    }
}

CRect CGTPopupMenu::MenuRect() const
{
    CRect rect;
    GetClientRect(&rect);
    if (CGTToolBar::IsCustomizeMode())
        return rect;
    if (IsRightToLeft())
        rect.left += m_ShadowSize;
    else
        rect.right -= m_ShadowSize;
    rect.bottom -= m_ShadowSize;
    return rect;
}

CRect CGTPopupMenu::LogoRect() const
{
    if (m_LogoSize <= 0)
        return CRect();
    CRect rect = MenuRect();
    const int border = BorderSize();
    rect.DeflateRect(border, border);
    switch (m_LogoSide) {
    case 0:
        rect.right = rect.left + m_LogoSize;
        break;
    case 1:
        rect.left = rect.right - m_LogoSize;
        break;
    case 2:
        rect.bottom = rect.top + m_LogoSize;
        break;
    default:
        rect.top = rect.bottom - m_LogoSize;
        break;
    }
    return rect;
}

int CGTPopupMenu::HitTestArea(CPoint iScreenPoint) const
{
    CPoint point = iScreenPoint;
    ScreenToClient(&point);
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point))
        return 4;
    if (LogoRect().PtInRect(point))
        return 3;
    if (point.x > client.right - m_ShadowSize)
        return 1;
    if (point.y > client.bottom - m_ShadowSize)
        return 2;
    if (m_TearOffRect.PtInRect(point))
        return 5;
    return 0;
}

// --- Scrolling ---

BOOL CGTPopupMenu::CanScrollUp() const
{
    return m_Bar->GetFirstVisibleRow() > 0;
}

BOOL CGTPopupMenu::CanScrollDown() const
{
    const int count = m_Bar->GetButtonCount();
    return count > 0 && m_Bar->GetButton(count - 1)->Rect().bottom > m_ContentHeight;
}

BOOL CGTPopupMenu::RecalcScrollLayout(BOOL iForce)
{
    if (GetSafeHwnd() == nullptr || m_Bar->GetSafeHwnd() == nullptr)
        return FALSE;
    CRect content = MenuRect();
    const int border = BorderSize();
    content.DeflateRect(border, border);
    if (m_LogoSize > 0) {
        switch (m_LogoSide) {
        case 0:
            content.left += m_LogoSize;
            break;
        case 1:
            content.right -= m_LogoSize;
            break;
        case 2:
            content.top += m_LogoSize;
            break;
        default:
            content.bottom -= m_LogoSize;
            break;
        }
    }
    content.top += m_TearOffRect.Height();
    // The arrows follow where the items are for the first visible row now.
    m_Bar->RecalcButtonLayout();
    const CRect oldUp = m_ScrollUpRect;
    const CRect oldDown = m_ScrollDownRect;
    m_ScrollUpRect.SetRectEmpty();
    m_ScrollDownRect.SetRectEmpty();
    if (m_Scrollable) {
        if (CanScrollUp()) {
            m_ScrollUpRect.SetRect(content.left, content.top, content.right, content.top + m_ScrollButtonHeight);
            content.top = m_ScrollUpRect.bottom;
        }
        if (CanScrollDown()) {
            m_ScrollDownRect.SetRect(content.left, content.bottom - m_ScrollButtonHeight, content.right,
                                     content.bottom);
            content.bottom = m_ScrollDownRect.top;
        }
    } else if (!m_AnimationDone) {
        KillTimer(scrollTimer);
        m_ScrollDirection = 0;
    }
    const BOOL changed = oldUp != m_ScrollUpRect || oldDown != m_ScrollDownRect;
    if (changed || iForce) {
        const UINT redraw = !m_Scrollable && !m_AnimationDone ? SWP_NOREDRAW : 0;
        m_Bar->SetWindowPos(nullptr, content.left, content.top, content.Width(), content.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE | redraw);
        m_ContentHeight = content.Height();
    }
    m_Bar->RecalcButtonLayout();
    if (changed) {
        for (const CRect* rect : {&oldUp, &oldDown, static_cast<const CRect*>(&m_ScrollUpRect),
                                  static_cast<const CRect*>(&m_ScrollDownRect)})
            InvalidateRect(rect);
        m_Bar->Invalidate();
    }
    UpdateWindow();
    return changed;
}

void CGTPopupMenu::OnSize(UINT iType, int iCx, int iCy)
{
    CWnd::OnSize(iType, iCx, iCy);
    if (m_Bar->GetSafeHwnd() != nullptr)
        RecalcScrollLayout(TRUE);
    if (m_LogoSize > 0) {
        CRect logo = LogoRect();
        logo.InflateRect(BorderSize(), BorderSize());
        InvalidateRect(&logo);
        UpdateWindow();
    }
}

void CGTPopupMenu::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    if (m_TearOffTracking) {
        if (!m_TearOffRect.PtInRect(iPoint)) {
            m_TearOffTracking = m_TearOffHighlighted = FALSE;
            ReleaseCapture();
            TearOff(iPoint);
        }
        return;
    }
    CMiniFrameWnd::OnMouseMove(iFlags, iPoint);
    if (!m_Scrollable || m_ScrollDirection != 0)
        return;
    if (m_ScrollUpRect.PtInRect(iPoint) && CanScrollUp())
        m_ScrollDirection = -1;
    else if (m_ScrollDownRect.PtInRect(iPoint) && CanScrollDown())
        m_ScrollDirection = 1;
    if (m_ScrollDirection == 0)
        return;
    InvalidateRect(m_ScrollDirection < 0 ? &m_ScrollUpRect : &m_ScrollDownRect);
    SetTimer(scrollTimer, scrollPeriod, nullptr);
}

void CGTPopupMenu::OnScrollTimer()
{
    if (CGTToolbarMenuButton* item = GetSelItem())
        item->OnCancelMode();
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    ScreenToClient(&cursor);
    const int first = m_Bar->GetFirstVisibleRow();
    if (m_ScrollDirection < 0 && m_ScrollUpRect.PtInRect(cursor) && CanScrollUp()) {
        m_Bar->SetFirstVisibleRow(first - 1);
        RecalcScrollLayout();
        m_Bar->Invalidate();
        return;
    }
    if (m_ScrollDirection > 0 && m_ScrollDownRect.PtInRect(cursor) && CanScrollDown()) {
        m_Bar->SetFirstVisibleRow(first + 1);
        RecalcScrollLayout();
        m_Bar->Invalidate();
        return;
    }
    KillTimer(scrollTimer);
    m_ScrollDirection = 0;
    InvalidateRect(&m_ScrollUpRect);
    InvalidateRect(&m_ScrollDownRect);
}

void CGTPopupMenu::DrawScrollButton(CDC* iDc, const CRect& iRect, int iGlyph, BOOL iHighlighted)
{
    CRect face(iRect.left, iRect.top - 2, iRect.right, iRect.bottom);
    iDc->FillRect(&face, &theGuiToolkitGlobals.brushBtnFace);
    const CSize glyph = CGTMenuGlyphs::GetSize();
    CGTMenuGlyphs::Draw(
        iDc, iGlyph, CPoint(iRect.left + (iRect.Width() - glyph.cx) / 2, iRect.top + (iRect.Height() - glyph.cy) / 2));
    if (iHighlighted)
        iDc->Draw3dRect(&iRect, theGuiToolkitGlobals.colorBarHighlight, theGuiToolkitGlobals.colorBarShadow);
}
