// The concrete tab window: its looks, the tabs area and the area of the tab windows, every
// tab's rectangle, scrolling the tab row and the activation of a tab.
#include <guitoolkit/docking/CGTTabWnd.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <algorithm>

IMPLEMENT_DYNCREATE(CGTTabButton, CGTButton)
IMPLEMENT_DYNCREATE(CGTTabWnd, CGTBaseTabWnd)

namespace {
// The margin around the buttons' glyphs.
const int buttonMargin = 2;
const int textMargin = 4;
const int imageMargin = 4;

struct StyleFlags {
    BOOL flat, sharedScrollBar, look4, look5, look6Or7, scrollButtons;
};

// Style 0 is the 3-D look of style 3 without scroll buttons: overrunning tabs share the width.
const StyleFlags styles[] = {
    {FALSE, FALSE, FALSE, FALSE, FALSE, FALSE}, {TRUE, FALSE, FALSE, FALSE, FALSE, TRUE},
    {TRUE, TRUE, FALSE, FALSE, FALSE, TRUE},    {FALSE, FALSE, FALSE, FALSE, FALSE, TRUE},
    {FALSE, FALSE, TRUE, FALSE, FALSE, TRUE},   {FALSE, FALSE, FALSE, TRUE, FALSE, TRUE},
    {FALSE, FALSE, FALSE, FALSE, TRUE, FALSE},  {FALSE, FALSE, FALSE, FALSE, TRUE, TRUE},
};
}  // namespace

CGTTabWnd::CGTTabWnd()
    : m_Flat(FALSE), m_SharedScrollBar(FALSE), m_Look4(FALSE), m_Look5(FALSE), m_Look6Or7(FALSE),
      m_HasScrollButtons(FALSE), m_CloseButtonWanted(FALSE), m_TabsArea(0, 0, 0, 0), m_WndArea(0, 0, 0, 0),
      m_ScrollBarRight(0), m_ScrollBarWidth(0), m_SplitterRect(0, 0, 0, 0), m_SplitterDrag(FALSE), m_ButtonsShown(0),
      m_FirstVisibleOffset(0), m_TotalTabsWidth(0), m_AutoSizeWindows(TRUE), m_DrawFrame(TRUE),
      m_TransparentBackground(FALSE), m_HideWhenEmpty(FALSE), m_BoldActiveTab(FALSE), m_TabListMode(FALSE),
      m_TabsHidden(FALSE), m_MaxTabWidth(0), m_ResizeMode(0), m_ResizeStrip(0, 0, 0, 0), m_ResizeDragRect(0, 0, 0, 0),
      m_ResizeBounds(0, 0, 0, 0), m_ResizeDrag(FALSE), m_ActiveInGroup(FALSE), m_GroupTabMove(FALSE), m_ScrollOffset(0),
      m_MaxScrollOffset(0), m_FirstShownTab(0), m_ButtonWindows(10), m_Look(*this)
{
    m_AutoDestroyWindows = TRUE;
    m_HideInactiveWindows = TRUE;
}

CGTTabWnd::~CGTTabWnd() = default;

BOOL CGTTabWnd::Create(int iStyle, const RECT& iRect, CWnd* iParent, UINT iId, int iLocation, BOOL iCloseButton)
{
    if (iStyle < 0 || iStyle >= static_cast<int>(std::size(styles)))
        return FALSE;
    const StyleFlags& flags = styles[iStyle];
    m_Flat = flags.flat;
    m_SharedScrollBar = flags.sharedScrollBar;
    m_Look4 = flags.look4;
    m_Look5 = flags.look5;
    m_Look6Or7 = flags.look6Or7;
    m_HasScrollButtons = flags.scrollButtons;
    m_HotTracking = iStyle == 4;
    m_Location = iLocation;
    m_CloseButtonWanted = iCloseButton;
    SetTabsHeight();
    return CWnd::Create(RegisterLibraryWindowClass(L"VADETabWnd"), L"", 0x56000000, iRect, iParent, iId);
}

void CGTTabWnd::SetTabStyle(int iStyle)
{
    if (iStyle < 0 || iStyle >= static_cast<int>(std::size(styles)))
        return;
    const StyleFlags& flags = styles[iStyle];
    m_Flat = flags.flat;
    m_Look4 = flags.look4;
    m_Look5 = flags.look5;
    m_Look6Or7 = flags.look6Or7;
    m_HotTracking = iStyle == 4;
    UpdateButtonImages();
    SetTabsHeight();
    if (GetSafeHwnd() != nullptr) {
        RecalcLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

BOOL CGTTabWnd::AreTabsHidden() const
{
    const int visible = GetVisibleTabCount();
    return (m_HideSingleTab && visible < 2) || (m_HideWhenEmpty && visible == 0);
}

void CGTTabWnd::BuildFlatFonts()
{
    LOGFONT font = {};
    theGuiToolkitGlobals.fontRegular.GetLogFont(&font);
    wcscpy_s(font.lfFaceName, L"Arial");
    const int sign = font.lfHeight < 0 ? -1 : 1;
    int height = abs(font.lfHeight);
    CWindowDC dc(nullptr);
    // A tiny tabs height must not loop for ever: the font stops shrinking at height 1.
    for (;; --height) {
        font.lfHeight = sign * height;
        m_FlatFont.DeleteObject();
        m_FlatFont.CreateFontIndirect(&font);
        CFont* old = dc.SelectObject(&m_FlatFont);
        TEXTMETRIC metrics = {};
        dc.GetTextMetrics(&metrics);
        dc.SelectObject(old);
        if (height <= 1 || SpacingValue() / 2 + metrics.tmHeight <= m_TabsHeight)
            break;
    }
    font.lfWeight = FW_BOLD;
    m_FlatBoldFont.DeleteObject();
    m_FlatBoldFont.CreateFontIndirect(&font);
}

void CGTTabWnd::SetTabsHeight()
{
    if (m_Flat) {
        m_TabsHeight = ::GetSystemMetrics(SM_CYHSCROLL) + SpacingValue() / 2;
        BuildFlatFonts();
    } else if (m_Look5) {
        m_TabsHeight = std::max(m_ImageSize.cy > 0 ? static_cast<int>(m_ImageSize.cy) + 4 : 0,
                                theGuiToolkitGlobals.textHeightRegular + 2);
    } else {
        CGTBaseTabWnd::SetTabsHeight();
    }
}

int CGTTabWnd::GetTabsHeight() const
{
    return AreTabsHidden() ? 0 : m_TabsHeight;
}

void CGTTabWnd::SetImageList(HIMAGELIST iImages)
{
    if (!m_Flat)
        CGTBaseTabWnd::SetImageList(iImages);
}

BOOL CGTTabWnd::SetImageList(UINT iBitmapId, int iImageWidth, COLORREF iMask)
{
    return !m_Flat && CGTBaseTabWnd::SetImageList(iBitmapId, iImageWidth, iMask);
}

void CGTTabWnd::EnableRename(BOOL iEnable)
{
    m_InPlaceRename = iEnable && m_Flat;
}

void CGTTabWnd::AdjustRenameEditRect(CRect& ioRect)
{
    ioRect.DeflateRect(m_TabsHeight / 2, 1);
}

BOOL CGTTabWnd::IsPtInTabArea(CPoint iPoint) const
{
    return m_TabsArea.PtInRect(iPoint);
}

void CGTTabWnd::GetTabArea(CRect& oTop, CRect& oBottom) const
{
    oTop.SetRectEmpty();
    oBottom.SetRectEmpty();
    if (AreTabsHidden())
        return;
    CRect area = m_TabsArea;
    ClientToScreen(area);
    (m_Location == 1 ? oTop : oBottom) = area;
}

void CGTTabWnd::GetWndArea(CRect& oRect) const
{
    oRect = m_WndArea;
}

CWnd* CGTTabWnd::FindTargetWnd(CPoint iPoint)
{
    if (iPoint.y > GetTabsHeight() || GetTabFromPoint(iPoint) >= 0)
        return nullptr;
    return GetParent();
}

int CGTTabWnd::GetFirstShownTab() const
{
    return m_FirstShownTab;
}

int CGTTabWnd::GetButtonSize() const
{
    const int glyph = CGTMenuGlyphs::Initialize() ? CGTMenuGlyphs::GetSize().cx : 9;
    return std::min(glyph + buttonMargin + 4 + (m_Flat ? 0 : 2), m_TabsHeight - 4);
}

void CGTTabWnd::RecalcLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    const int height = GetTabsHeight();
    const int border = m_TabBorderSize;
    CRect client;
    GetClientRect(client);
    m_ResizeStrip.SetRectEmpty();
    if (m_ResizeMode == 1) {
        m_ResizeStrip = CRect(client.right - 5, client.top, client.right, client.bottom);
        client.right -= 6;
    } else if (m_ResizeMode == 2) {
        m_ResizeStrip = CRect(client.left, client.bottom - 5, client.right, client.bottom);
        client.bottom -= 6;
    }
    m_TabsArea = client;
    m_TabsArea.DeflateRect(2, 0);
    const int buttonSize = m_HasScrollButtons ? GetButtonSize() : 0;
    m_ButtonsShown = 0;
    if (m_HasScrollButtons)
        m_ButtonsShown = (m_Flat ? 5 : 3) - (m_CloseButtonWanted ? 0 : 1) - (m_TabListMode ? 1 : 0);
    const int buttonsWidth = height == 0 ? 0 : (buttonSize + 3) * m_ButtonsShown;
    const int inset = border > 1 ? border - 1 : 0;
    if (m_Location == 1) {
        m_TabsArea.top = client.top + (m_Flat ? inset : 0);
        m_TabsArea.bottom = m_TabsArea.top + height;
    } else {
        m_TabsArea.bottom = client.bottom - (m_Flat ? inset : 0);
        m_TabsArea.top = m_TabsArea.bottom - height;
    }
    if (m_Flat) {
        m_TabsArea.right -= 1;
        m_TabsArea.left += buttonsWidth + 1;
        if (m_TabsArea.right < m_TabsArea.left) {
            m_TabsArea.left = client.left + (border > 0 ? border + 1 : 0);
            m_TabsArea.right = client.right - (border > 0 ? border + 1 : 0);
        }
        if (m_TabsArea.Height() > client.Height())
            m_TabsArea.SetRectEmpty();
    } else {
        m_TabsArea.right -= buttonsWidth;
        if ((m_Look4 || m_Look5 || m_Look6Or7) && !m_TabListMode && buttonsWidth > 0) {
            m_TabsArea.left += buttonSize;
            m_TabsArea.right += buttonSize;
        }
    }
    m_ScrollBarRight = m_TabsArea.right - ::GetSystemMetrics(SM_CXVSCROLL);

    m_WndArea = client;
    if (border > 0) {
        m_WndArea.DeflateRect(border + 1, border + 1);
        if (m_ResizeMode == 1)
            m_WndArea.right += border + 2;
        else if (m_ResizeMode == 2)
            m_WndArea.bottom += border + 2;
    }
    if (m_Location == 1) {
        m_WndArea.top = m_TabsArea.bottom + border;
        if (m_Flat && border == 0) {
            m_WndArea.bottom -= 1;
            m_WndArea.left += 1;
        }
    } else {
        m_WndArea.bottom = m_TabsArea.top - (m_Flat ? 0 : border);
        if (m_Flat && border == 0) {
            m_WndArea.top += 1;
            m_WndArea.left += 1;
        }
    }
    if (m_AutoSizeWindows) {
        for (int i = 0; i < GetTabCount(); ++i) {
            CWnd* window = m_Tabs[i]->m_Window;
            if (m_Tabs[i]->m_Visible && window->GetSafeHwnd() != nullptr)
                window->SetWindowPos(nullptr, m_WndArea.left, m_WndArea.top, m_WndArea.Width(), m_WndArea.Height(),
                                     SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    RepositionButtons(buttonSize);
    RepositionScrollBar();
    AdjustTabs();
    AdjustTabsScroll();
    Invalidate();
    UpdateWindow();
}

CFont* CGTTabWnd::TabFont(int iIndex)
{
    if (m_Flat)
        return m_BoldActiveTab && iIndex == m_ActiveTab ? &m_FlatBoldFont : &m_FlatFont;
    if (m_BoldActiveTab && (iIndex == m_ActiveTab || m_Look4 || m_Look5))
        return &theGuiToolkitGlobals.fontBold;
    return &theGuiToolkitGlobals.fontRegular;
}

int CGTTabWnd::TabOverlap() const
{
    const int height = m_TabsArea.Height();
    if (m_Look6Or7)
        return height / 2;
    if (m_Look4 || m_Look5)
        return height - 5;
    return 0;
}

void CGTTabWnd::AdjustTabs()
{
    m_TabsHidden = FALSE;
    m_TotalTabsWidth = 0;
    if (GetVisibleTabCount() == 0 || AreTabsHidden() || GetSafeHwnd() == nullptr) {
        for (int i = 0; i < GetTabCount(); ++i)
            m_Tabs[i]->m_Rect.SetRectEmpty();
        UpdateToolRects();
        return;
    }
    CClientDC dc(this);
    const int height = m_TabsArea.Height();
    for (int i = 0; i < GetTabCount(); ++i) {
        CGTTabInfo* tab = m_Tabs[i];
        if (!tab->m_Visible) {
            tab->m_FullWidth = 0;
            continue;
        }
        CFont* old = dc.SelectObject(TabFont(i));
        const int label = tab->m_IconOnly ? 0 : dc.GetTextExtent(tab->m_Label).cx;
        dc.SelectObject(old);
        int width = label + 2 * textMargin + imageMargin + (HasTabIcon(i) ? m_ImageSize.cx : 0);
        if (m_Look6Or7)
            width += height / 2;
        else if (m_Look4)
            width += height + 2 * textMargin;
        else if (m_Look5)
            width += height - 4;
        else if (m_Flat)
            width += height / 2;
        if (m_HasScrollButtons && m_MaxTabWidth > 0)
            width = std::min(width, m_MaxTabWidth);
        tab->m_FullWidth = width;
    }
    PlaceTabs();
    if (!m_HasScrollButtons && m_TotalTabsWidth > m_TabsArea.Width())
        NarrowTabs();
    UpdateToolRects();
}

void CGTTabWnd::PlaceTabs()
{
    const int overlap = TabOverlap();
    const int top = m_TabsArea.top + (m_Location == 1 ? 2 : 0);
    const int bottom = top + m_TabsArea.Height() - 2;
    int x = m_TabsArea.left - m_ScrollOffset;
    m_TotalTabsWidth = 0;
    BOOL first = TRUE;
    for (int i = 0; i < GetTabCount(); ++i) {
        CGTTabInfo* tab = m_Tabs[i];
        if (!tab->m_Visible) {
            tab->m_Rect.SetRectEmpty();
            continue;
        }
        const int width = tab->m_FullWidth;
        tab->m_Rect = CRect(x, top, x + width, bottom);
        if (m_TabListMode && tab->m_Rect.right > m_TabsArea.right) {
            if (i == m_ActiveTab && first && width >= overlap + 8) {
                tab->m_Rect.right = m_TabsArea.right;
            } else {
                tab->m_Rect.SetRectEmpty();
                m_TabsHidden = TRUE;
            }
        }
        x += width + 1 - overlap;
        m_TotalTabsWidth += width + 1 - (first ? 0 : overlap);
        first = FALSE;
    }
}

void CGTTabWnd::NarrowTabs()
{
    const int visible = GetVisibleTabCount();
    const int height = m_TabsArea.Height();
    const int areaWidth = m_TabsArea.Width();
    const int target = m_Look6Or7 ? std::max((areaWidth - height / 3) / visible, height / 2 + int(m_ImageSize.cx))
                                  : areaWidth / visible - 1;
    int surplus = 0;
    int wider = 0;
    for (int i = 0; i < GetTabCount(); ++i) {
        if (!m_Tabs[i]->m_Visible)
            continue;
        if (m_Tabs[i]->m_FullWidth < target)
            surplus += target - m_Tabs[i]->m_FullWidth;
        else
            ++wider;
    }
    const int overlap = TabOverlap();
    const int top = m_TabsArea.top + (m_Location == 1 ? 2 : 0);
    const int bottom = top + m_TabsArea.Height() - 2;
    int x = m_TabsArea.left;
    for (int i = 0; i < GetTabCount(); ++i) {
        CGTTabInfo* tab = m_Tabs[i];
        if (!tab->m_Visible)
            continue;
        int width = std::min(tab->m_FullWidth, target + (wider > 0 ? surplus / wider : 0));
        if (width < m_ImageSize.cx + 4)
            width = (areaWidth + 2 * m_TabBorderSize) / visible;
        else if (tab->m_Label.IsEmpty() || tab->m_IconOnly)
            width = m_ImageSize.cx + 8;
        if (m_Look6Or7)
            width += height / 2 - 1;
        tab->m_Rect = CRect(x, top, x + width, bottom);
        x += width + 1 - overlap;
    }
    m_TotalTabsWidth = x - m_TabsArea.left;
}

void CGTTabWnd::UpdateToolRects()
{
    if (m_ToolTip.GetSafeHwnd() == nullptr)
        return;
    for (int i = 0; i < GetTabCount(); ++i) {
        const CGTTabInfo* tab = m_Tabs[i];
        CRect outside;
        const BOOL cut = tab->m_Rect.Width() < tab->m_FullWidth;
        const BOOL partly =
            !tab->m_Rect.IsRectEmpty() && (tab->m_Rect.left < m_TabsArea.left || tab->m_Rect.right > m_TabsArea.right);
        const BOOL shown = (tab->m_IconOnly && tab->m_TooltipAlways) || m_CustomToolTips || cut || partly;
        m_ToolTip.SetToolRect(this, tab->m_TabId, shown ? tab->m_Rect : CRect(0, 0, 0, 0));
    }
}

BOOL CGTTabWnd::SetActiveTab(int iIndex)
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    if (iIndex == m_ActiveTab)
        return TRUE;
    if (FireChangingActiveTab(iIndex))
        return FALSE;
    if (m_HideInactiveWindows && GetActiveWnd()->GetSafeHwnd() != nullptr)
        GetActiveWnd()->ShowWindow(SW_HIDE);
    m_ActiveTab = iIndex;
    CWnd* window = GetActiveWnd();
    if (window->GetSafeHwnd() != nullptr) {
        if (m_SharedScrollBar)
            window->ShowScrollBar(SB_HORZ, FALSE);
        window->ShowWindow(SW_SHOW);
        if (!m_HideInactiveWindows)
            window->BringWindowToTop();
        if (m_AutoSizeWindows && GetSafeHwnd() != nullptr) {
            window->SetWindowPos(nullptr, 0, 0, m_WndArea.Width() + 1, m_WndArea.Height(),
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            window->SetWindowPos(nullptr, 0, 0, m_WndArea.Width(), m_WndArea.Height(),
                                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (GetSafeHwnd() == nullptr)
        return TRUE;
    EnsureVisible(iIndex);
    if (m_Flat)
        SyncScrollBar();
    auto* tabbedBar = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, GetParent());
    if (tabbedBar != nullptr && tabbedBar->GetCaptionFromTab()) {
        tabbedBar->SetWindowText(m_Tabs[iIndex]->m_Label);
        CWnd* frame = tabbedBar->GetParentMiniFrame();
        (frame != nullptr ? frame : static_cast<CWnd*>(tabbedBar))
            ->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
    if (m_BoldActiveTab)
        RecalcLayout();
    Invalidate();
    UpdateWindow();
    const HWND focus = ::GetFocus();
    if (focus != nullptr && focus != window->GetSafeHwnd() && ::IsChild(m_hWnd, focus) && window->GetSafeHwnd())
        window->SetFocus();
    if (m_Close.GetSafeHwnd() != nullptr) {
        CMenu* menu = window->GetSafeHwnd() != nullptr ? window->GetSystemMenu(FALSE) : nullptr;
        const UINT state = menu != nullptr ? menu->GetMenuState(SC_CLOSE, MF_BYCOMMAND) : 0;
        m_Close.EnableWindow(state == static_cast<UINT>(-1) || (state & (MF_DISABLED | MF_GRAYED)) == 0);
    }
    FireChangeActiveTab(iIndex);
    return TRUE;
}

int CGTTabWnd::GetTabFromPoint(CPoint iPoint) const
{
    if (!m_TabsArea.PtInRect(iPoint))
        return -1;
    if (!(m_Look4 || m_Look5 || m_Look6Or7) || m_ActiveTab < 0 || !IsTabVisible(m_ActiveTab))
        return CGTBaseTabWnd::GetTabFromPoint(iPoint);
    const CRect active = m_Tabs[m_ActiveTab]->m_Rect;
    if (active.PtInRect(iPoint)) {
        const int dx = iPoint.x - active.left;
        const int dy = m_Location == 1 ? iPoint.y - active.top : active.bottom - iPoint.y;
        const int height = active.Height();
        if (m_ActiveTab >= 1 && dx < height && dx * dx + dy * dy < height * height / 2) {
            for (int i = m_ActiveTab - 1; i >= 0; --i) {
                if (m_Tabs[i]->m_Visible)
                    return i;
            }
        }
        return m_ActiveTab;
    }
    return CGTBaseTabWnd::GetTabFromPoint(iPoint);
}

BOOL CGTTabWnd::EnsureVisible(int iIndex)
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    if (!m_HasScrollButtons || m_TabsArea.IsRectEmpty() || GetSafeHwnd() == nullptr)
        return TRUE;
    const CRect rect = m_Tabs[iIndex]->m_Rect;
    if (m_TabListMode) {
        if (rect.IsRectEmpty() || rect.right > m_TabsArea.right)
            MoveTab(iIndex, 0);
        return TRUE;
    }
    if (m_Look4 || m_Look5 || m_Look6Or7) {
        if (rect.left >= m_TabsArea.left && rect.right <= m_TabsArea.right)
            return TRUE;
        m_ScrollOffset = 0;
        m_FirstShownTab = 0;
        const int overlap = m_TabsArea.Height() - SpacingValue() - 1;
        int widths = 0;
        for (int i = 0; i <= iIndex; ++i)
            widths += m_Tabs[i]->m_FullWidth - (m_Tabs[i]->m_Visible ? overlap : 0);
        while (widths - m_ScrollOffset > m_TabsArea.Width() && m_FirstShownTab < iIndex) {
            const int width = m_Tabs[m_FirstShownTab]->m_FullWidth;
            m_ScrollOffset += width > 0 ? width - overlap : 0;
            ++m_FirstShownTab;
        }
    } else if (rect.left < m_TabsArea.left) {
        m_ScrollOffset -= m_TabsArea.left - rect.left;
    } else if (rect.right > m_TabsArea.right && rect.Width() <= m_TabsArea.Width()) {
        m_ScrollOffset += rect.right - m_TabsArea.right;
    }
    AdjustTabs();
    AdjustTabsScroll();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return TRUE;
}

void CGTTabWnd::AdjustTabsScroll()
{
    if (!m_HasScrollButtons || GetTabCount() == 0) {
        m_ScrollOffset = 0;
        UpdateButtons();
        return;
    }
    // The row's width counts a one-pixel gap after the last tab, which never needs to show.
    m_MaxScrollOffset = std::max(0, m_TotalTabsWidth - 1 - m_TabsArea.Width());
    const int old = m_ScrollOffset;
    if (m_Look4 || m_Look5 || m_Look6Or7 || m_ScrollOffset > m_MaxScrollOffset)
        m_ScrollOffset = std::min(m_ScrollOffset, m_MaxScrollOffset);
    m_ScrollOffset = std::max(m_ScrollOffset, 0);
    if (old != m_ScrollOffset) {
        AdjustTabs();
        InvalidateRect(m_TabsArea);
    }
    UpdateButtons();
}

void CGTTabWnd::SwapTabs(int iFirst, int iSecond)
{
    CGTBaseTabWnd::SwapTabs(iFirst, iSecond);
    if (m_Look4 || m_Look5 || m_Look6Or7)
        m_ScrollOffset = 0;
}

void CGTTabWnd::MoveTab(int iFrom, int iTo)
{
    if (m_Look4 || m_Look5 || m_Look6Or7)
        m_ScrollOffset = 0;
    CGTBaseTabWnd::MoveTab(iFrom, iTo);
    if (m_Look4 || m_Look5 || m_Look6Or7)
        EnsureVisible(m_ActiveTab);
}

void CGTTabWnd::EnableActiveTabBold(BOOL iEnable)
{
    m_BoldActiveTab = iEnable && !m_Flat;
    RecalcLayout();
    SyncScrollBar();
}

void CGTTabWnd::SetResizeMode(int iMode)
{
    m_ResizeMode = iMode;
    RecalcLayout();
}

void CGTTabWnd::HideWhenEmpty(BOOL iHide)
{
    m_HideWhenEmpty = iHide;
    RecalcLayout();
    SyncScrollBar();
}

void CGTTabWnd::EnableTabDocumentsMenu(BOOL iEnable)
{
    m_TabListMode = iEnable;
    if (m_hWnd == nullptr)
        return;
    UpdateButtonImages();
    RecalcLayout();
}

void CGTTabWnd::SetDrawFrame(BOOL iDraw)
{
    if (m_DrawFrame == iDraw)
        return;
    m_DrawFrame = iDraw;
    if (m_hWnd == nullptr)
        return;
    Invalidate();
    UpdateWindow();
}

BOOL CGTTabWnd::IsMDITabGroup() const
{
    return GetParent() != nullptr && GetParent()->IsKindOf(RUNTIME_CLASS(CGTMainClientAreaWnd));
}

void CGTTabWnd::ActivateMDITab(int iIndex)
{
    if (iIndex == -1)
        iIndex = m_ActiveTab;
    if (iIndex != m_ActiveTab && !SetActiveTab(iIndex))
        return;
    CWnd* window = GetActiveWnd();
    if (window->GetSafeHwnd() == nullptr)
        return;
    GetParent()->SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->GetSafeHwnd()));
    window->SetFocus();
}

HICON CGTTabWnd::GetIconForCommand(UINT iCommand)
{
    HICON icon = nullptr;
    return CGTDockingValues::TabCommandIcons().Lookup(iCommand, icon) ? icon : nullptr;
}
