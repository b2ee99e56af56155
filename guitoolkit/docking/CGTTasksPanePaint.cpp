#include <guitoolkit/docking/CGTTasksPane.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>

void CGTTasksPane::OnPaint()
{
    CPaintDC paint(this);
    CGTMemDC memory(paint, this);
    CDC& dc = memory.GetDC();
    CRect area;
    GetClientRect(area);
    area.top -= m_ScrollPosition * std::max(LineHeight(), 1);
    OnFillBackground(&dc, area);
    OnDrawGroups(&dc);
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    if (m_HoverScrollAreas && !m_ScrollUpRect.IsRectEmpty())
        look->DrawTasksScrollButton(&dc, m_ScrollUpRect, 0, CGTMenuGlyphs::ArrowUp, m_HoverScroll < 0);
    if (m_HoverScrollAreas && !m_ScrollDownRect.IsRectEmpty())
        look->DrawTasksScrollButton(&dc, m_ScrollDownRect, 0, CGTMenuGlyphs::ArrowDown, m_HoverScroll > 0);
}

BOOL CGTTasksPane::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTTasksPane::OnFillBackground(CDC* iDc, CRect iRect)
{
    CGTVisualManager::GetCurrent()->FillTasksPane(iDc, this, iRect);
}

void CGTTasksPane::OnDrawGroups(CDC* iDc)
{
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    const CGTTasksPanePage* page = GetPageRecord(GetActivePage());
    const CSize border = GetGroupBorderSize();
    CImageList* images = m_Images.GetSafeHandle() != nullptr ? &m_Images : nullptr;
    for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr;) {
        auto* group = static_cast<CGTTasksGroup*>(m_Groups.GetNext(position));
        if (group->m_Page != page)
            continue;
        const BOOL hot = group == m_HotCaption;
        if (group->m_Collapsed && !group->m_Caption.IsEmpty() && group != m_AnimatedGroup) {
            look->DrawTasksGroupCaption(iDc, group, hot, FALSE, TRUE);
            continue;
        }
        if (!group->m_TasksRect.IsRectEmpty())
            look->FillTasksGroupInterior(iDc, group->m_TasksRect, FALSE);
        if (!group->m_CaptionRect.IsRectEmpty())
            look->DrawTasksGroupCaption(iDc, group, hot, FALSE, TRUE);
        if (border.cx != 0 && border.cy != 0 && !group->m_TasksRect.IsRectEmpty())
            look->DrawTasksGroupBorder(iDc, group->m_TasksRect, FALSE, group->m_Caption.IsEmpty());
        for (POSITION task = group->m_Tasks.GetHeadPosition(); task != nullptr;) {
            auto* item = static_cast<CGTTask*>(group->m_Tasks.GetNext(task));
            if (!item->m_Visible || item->m_ChildWindow != nullptr || item->m_Rect.IsRectEmpty())
                continue;
            CRgn clip;
            clip.CreateRectRgnIndirect(&item->m_Rect);
            iDc->SelectClipRgn(&clip);
            look->DrawTask(iDc, item, images, item == m_HotTask, FALSE);
            iDc->SelectClipRgn(nullptr);
        }
    }
}

BOOL CGTTasksPane::IsCompactMode() const
{
    return FALSE;
}

CSize CGTTasksPane::GetGroupBorderSize() const
{
    return IsCompactMode() ? CSize(0, 0) : CSize(1, 1);
}
