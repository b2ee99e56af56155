#include <guitoolkit/docking/CGTTasksPane.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <algorithm>

namespace {
const int wheelStep = 120;

// A child window's rectangle in its parent's client coordinates; empty while it is hidden.
CRect PlaceInParentOf(const CWnd& iChild)
{
    if (iChild.GetSafeHwnd() == nullptr || (iChild.GetStyle() & WS_VISIBLE) == 0)
        return CRect(0, 0, 0, 0);
    CRect rect;
    iChild.GetWindowRect(&rect);
    iChild.GetParent()->ScreenToClient(&rect);
    return rect;
}
// An icon task is never lower than this.
const int iconTaskHeight = 10;
}  // namespace

void CGTTasksPane::CreateFonts()
{
    LOGFONT font{};
    TaskFont()->GetLogFont(&font);
    for (CFont* made : {&m_BoldFont, &m_BoldUnderlinedFont, &m_UnderlinedFont})
        made->DeleteObject();
    font.lfWeight = FW_BOLD;
    m_BoldFont.CreateFontIndirect(&font);
    font.lfUnderline = TRUE;
    m_BoldUnderlinedFont.CreateFontIndirect(&font);
    font.lfWeight = FW_NORMAL;
    m_UnderlinedFont.CreateFontIndirect(&font);
}

CFont* CGTTasksPane::TaskFont() const
{
    // Without a font of the owner's, tasks are measured in the font the look draws them in.
    return m_Font != nullptr ? CFont::FromHandle(m_Font) : &theGuiToolkitGlobals.fontRegular;
}

LRESULT CGTTasksPane::OnSetFont(WPARAM iFont, LPARAM iRedraw)
{
    m_Font = reinterpret_cast<HFONT>(iFont);
    CreateFonts();
    AdjustLayout();
    if (iRedraw != 0)
        Invalidate();
    return 0;
}

LRESULT CGTTasksPane::OnGetFont(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_Font);
}

int CGTTasksPane::LineHeight() const
{
    CClientDC dc(const_cast<CGTTasksPane*>(this));
    CFont* old = dc.SelectObject(TaskFont());
    TEXTMETRIC metrics{};
    dc.GetTextMetrics(&metrics);
    dc.SelectObject(old);
    return std::max<int>(metrics.tmHeight, m_ImageSize.cy);
}

void CGTTasksPane::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTDockingControlBar::OnSize(iType, iWidth, iHeight);
    AdjustLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CGTTasksPane::OnSettingChange(UINT iFlags, LPCWSTR iSection)
{
    CGTDockingControlBar::OnSettingChange(iFlags, iSection);
    AdjustLayout();
}

void CGTTasksPane::AdjustLayout()
{
    if (m_hWnd == nullptr || m_ScrollBar.GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(client);
    const CRect oldToolBar = PlaceInParentOf(m_ToolBar);
    if (NeedsToolBar()) {
        const int height = m_ToolBar.CalcLayoutSize(FALSE).cy;
        m_ToolBar.SetWindowPos(nullptr, client.left, client.top, client.Width(), height,
                               SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else
        m_ToolBar.ShowWindow(SW_HIDE);
    const int line = std::max(LineHeight(), 1);
    // Laid out at full width first: whether the content overflows decides the scroll bar.
    m_ScrollBar.ShowWindow(SW_HIDE);
    const CRect area = TaskArea();
    const int content = RepositionTasks(TRUE);
    m_ScrollPage = area.Height() / line;
    m_ScrollMaximum = content > area.Height() ? (content + line - 1) / line : 0;
    m_ScrollPosition = std::clamp(m_ScrollPosition, 0, std::max(0, m_ScrollMaximum - m_ScrollPage + 1));
    const CRect oldUp = m_ScrollUpRect, oldDown = m_ScrollDownRect;
    m_ScrollUpRect.SetRectEmpty();
    m_ScrollDownRect.SetRectEmpty();
    if (!m_HoverScrollAreas && m_ScrollMaximum > 0) {
        const int width = ::GetSystemMetrics(SM_CXVSCROLL);
        m_ScrollBar.SetWindowPos(nullptr, area.right - width, area.top, width, area.Height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, 0, m_ScrollMaximum, static_cast<UINT>(m_ScrollPage),
                        m_ScrollPosition,   0};
        m_ScrollBar.SetScrollInfo(&info);
    } else if (m_HoverScrollAreas) {
        const int height = CGTMenuGlyphs::GetSize().cy + 2;
        if (m_ScrollPosition > 0)
            m_ScrollUpRect = CRect(area.left, area.top + 1, area.right, area.top + 1 + height);
        if (m_ScrollMaximum > 0 && m_ScrollPosition <= m_ScrollMaximum - m_ScrollPage)
            m_ScrollDownRect = CRect(area.left, area.bottom - height, area.right, area.bottom);
    }
    RepositionTasks(FALSE);
    for (const CRect& rect : {oldToolBar, PlaceInParentOf(m_ToolBar), oldUp, oldDown, m_ScrollUpRect, m_ScrollDownRect})
        InvalidateRect(&rect);
    UpdateWindow();
}

CRect CGTTasksPane::TaskArea() const
{
    CRect area;
    GetClientRect(area);
    if (m_ToolBar.GetSafeHwnd() != nullptr && (m_ToolBar.GetStyle() & WS_VISIBLE) != 0)
        area.top = PlaceInParentOf(m_ToolBar).bottom;
    if (m_ScrollBar.GetSafeHwnd() != nullptr && (m_ScrollBar.GetStyle() & WS_VISIBLE) != 0)
        area.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    return area;
}

int CGTTasksPane::RepositionTasks(BOOL iMeasureOnly)
{
    if (m_hWnd == nullptr)
        return 0;
    CRect area = TaskArea();
    area.DeflateRect(GetMetric(horizontalMargin), GetMetric(verticalMargin));
    CClientDC dc(this);
    CFont* old = dc.SelectObject(&m_BoldFont);
    const int captionText = dc.GetTextExtent(L"A").cy;
    dc.SelectObject(TaskFont());
    const int line = std::max(LineHeight(), 1);
    const int start = area.top - m_ScrollPosition * line;
    int y = start;
    const CGTTasksPanePage* page = GetPageRecord(GetActivePage());
    CGTTasksGroup* bottomGroup = nullptr;
    BOOL anyGroup = FALSE;
    for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr;) {
        auto* group = static_cast<CGTTasksGroup*>(m_Groups.GetNext(position));
        if (group->m_Page != page)
            continue;
        anyGroup = TRUE;
        int caption = 0;
        if (!group->m_Caption.IsEmpty())
            caption = std::max(captionText + GetMetric(captionTextPadding), GetMetric(captionHeight));
        if (group->m_HasCaptionIcon && group->m_CaptionIconSize.cy > caption &&
            group->m_CaptionIconSize.cx <= area.Width())
            y += group->m_CaptionIconSize.cy - caption;
        group->m_CaptionRect = CRect(area.left, y, area.right, y + caption);
        y += caption;
        const int tasksTop = y;
        const BOOL animated = group == m_AnimatedGroup;
        if (!group->m_Collapsed || animated)
            y = PlaceTasks(*group, dc, area, y, iMeasureOnly);
        if (animated && y > tasksTop + m_AnimationOffset)
            y = tasksTop + std::max(m_AnimationOffset, 0);
        group->m_TasksRect = CRect(area.left, tasksTop, area.right, y);
        if (group->m_Collapsed && !animated) {
            group->m_TasksRect.SetRectEmpty();
            for (POSITION task = group->m_Tasks.GetHeadPosition(); task != nullptr;) {
                const HWND child = static_cast<CGTTask*>(group->m_Tasks.GetNext(task))->m_ChildWindow;
                if (child != nullptr && !iMeasureOnly)
                    ::ShowWindow(child, SW_HIDE);
            }
        }
        y += GetMetric(groupGap);
        if (group->m_KeptAtBottom && !group->m_Tasks.IsEmpty())
            bottomGroup = group;
    }
    if (anyGroup)
        y -= GetMetric(groupGap);
    dc.SelectObject(old);
    const int content = y - start + 2 * GetMetric(verticalMargin);
    CRect client;
    GetClientRect(client);
    if (bottomGroup != nullptr && content <= client.Height() && !iMeasureOnly)
        MoveGroupToBottom(*bottomGroup, area.bottom);
    return content;
}

int CGTTasksPane::PlaceTasks(CGTTasksGroup& iGroup, CDC& iDc, const CRect& iArea, int iY, BOOL iMeasureOnly)
{
    const int indent = GetMetric(taskIndent);
    const int gap = GetMetric(taskGap);
    CRect client;
    GetClientRect(client);
    int y = iY + gap;
    for (POSITION position = iGroup.m_Tasks.GetHeadPosition(); position != nullptr;) {
        auto* task = static_cast<CGTTask*>(iGroup.m_Tasks.GetNext(position));
        if (!task->m_Visible)
            continue;
        if (task->m_ChildWindow != nullptr) {
            task->m_Rect = CRect(iArea.left + indent, y, iArea.right - indent, y + task->m_ChildHeight);
            if (!iMeasureOnly) {
                const BOOL inside = task->m_Rect.bottom > client.top && task->m_Rect.top < client.bottom;
                ::SetWindowPos(task->m_ChildWindow, nullptr, task->m_Rect.left, task->m_Rect.top, task->m_Rect.Width(),
                               task->m_Rect.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE | (inside ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
            }
        } else {
            CFont* old = task->m_Bold ? iDc.SelectObject(&m_BoldFont) : nullptr;
            const CSize text = iDc.GetTextExtent(task->m_Text);
            if (old != nullptr)
                iDc.SelectObject(old);
            int height = std::max<int>(text.cy, m_ImageSize.cy);
            // The look draws the text past the icon's place and the gap, an icon or not.
            const int icon = (task->m_HasIcon ? m_ImageSize.cx : 0) + GetMetric(iconTextGap);
            if (task->m_HasIcon)
                height = std::max(height, iconTaskHeight);
            const int left = iArea.left + indent;
            task->m_Rect = CRect(left, y, std::min<int>(left + icon + text.cx, iArea.right), y + height);
        }
        y = task->m_Rect.bottom + gap;
    }
    return y;
}

void CGTTasksPane::MoveGroupToBottom(CGTTasksGroup& iGroup, int iBottom)
{
    const int end = iGroup.m_TasksRect.IsRectEmpty() ? iGroup.m_CaptionRect.bottom : iGroup.m_TasksRect.bottom;
    const int shift = iBottom - end;
    if (shift <= 0)
        return;
    iGroup.m_CaptionRect.OffsetRect(0, shift);
    iGroup.m_TasksRect.OffsetRect(0, shift);
    for (POSITION position = iGroup.m_Tasks.GetHeadPosition(); position != nullptr;) {
        auto* task = static_cast<CGTTask*>(iGroup.m_Tasks.GetNext(position));
        task->m_Rect.OffsetRect(0, shift);
        if (task->m_ChildWindow != nullptr)
            ::SetWindowPos(task->m_ChildWindow, nullptr, task->m_Rect.left, task->m_Rect.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CGTTasksPane::ScrollTo(int iPosition)
{
    const int position = std::clamp(iPosition, 0, std::max(0, m_ScrollMaximum - m_ScrollPage + 1));
    if (position == m_ScrollPosition)
        return;
    m_ScrollPosition = position;
    if (m_ScrollBar.GetSafeHwnd() != nullptr)
        m_ScrollBar.SetScrollPos(m_ScrollPosition);
    AdjustLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CGTTasksPane::OnVScroll(UINT iCode, UINT iPosition, CScrollBar*)
{
    switch (iCode) {
    case SB_LINEUP:
        ScrollTo(m_ScrollPosition - 1);
        break;
    case SB_LINEDOWN:
        ScrollTo(m_ScrollPosition + 1);
        break;
    case SB_PAGEUP:
        ScrollTo(m_ScrollPosition - m_ScrollPage);
        break;
    case SB_PAGEDOWN:
        ScrollTo(m_ScrollPosition + m_ScrollPage);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        ScrollTo(static_cast<int>(iPosition));
        break;
    case SB_TOP:
        ScrollTo(0);
        break;
    case SB_BOTTOM:
        ScrollTo(m_ScrollMaximum);
        break;
    default:
        break;
    }
}

BOOL CGTTasksPane::OnMouseWheel(UINT iFlags, short iDelta, CPoint iPoint)
{
    if (CGTPopupMenu::GetActiveMenu() != nullptr)
        return TRUE;
    if (m_ScrollMaximum <= 0)
        return CGTDockingControlBar::OnMouseWheel(iFlags, iDelta, iPoint);
    const int lines = std::max(1, std::abs(iDelta) / wheelStep);
    ScrollTo(m_ScrollPosition + (iDelta > 0 ? -lines : lines));
    return TRUE;
}

CGTTasksGroup* CGTTasksPane::GroupCaptionHitTest(CPoint iPoint) const
{
    CRect client;
    GetClientRect(client);
    if (!client.PtInRect(iPoint))
        return nullptr;
    const CGTTasksPanePage* page = GetPageRecord(GetActivePage());
    for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr;) {
        auto* group = static_cast<CGTTasksGroup*>(m_Groups.GetNext(position));
        if (group->m_Page == page && group->m_CaptionRect.PtInRect(iPoint))
            return group;
    }
    return nullptr;
}

CGTTask* CGTTasksPane::TaskAt(CPoint iPoint) const
{
    const CGTTasksPanePage* page = GetPageRecord(GetActivePage());
    for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr;) {
        auto* group = static_cast<CGTTasksGroup*>(m_Groups.GetNext(position));
        if (group->m_Page != page || (group->m_Collapsed && group != m_AnimatedGroup))
            continue;
        for (POSITION task = group->m_Tasks.GetHeadPosition(); task != nullptr;) {
            auto* candidate = static_cast<CGTTask*>(group->m_Tasks.GetNext(task));
            if (candidate->m_Visible && candidate->m_ChildWindow == nullptr && candidate->m_Rect.PtInRect(iPoint))
                return candidate;
        }
    }
    return nullptr;
}
