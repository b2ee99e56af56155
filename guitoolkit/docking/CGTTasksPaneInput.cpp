#include <guitoolkit/docking/CGTTasksPane.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/GTHandCursor.h>
#include <cmath>

namespace {
// The frame's prompt messages: a command's prompt, and the idle one.
const UINT setMessageString = 0x362;
const UINT idlePrompt = 0xE001;
// Longer animations take bigger steps past this many lines.
const int animationLines = 9;
}  // namespace

void CGTTasksPane::RedrawRect(const CRect& iRect)
{
    RedrawWindow(&iRect, nullptr, RDW_INVALIDATE | RDW_ERASE);
    UpdateWindow();
}

void CGTTasksPane::RedrawTask(const CGTTask* iTask)
{
    if (iTask != nullptr)
        RedrawRect(iTask->m_Rect);
}

void CGTTasksPane::RedrawCaption(const CGTTasksGroup* iGroup)
{
    if (iGroup != nullptr)
        RedrawRect(iGroup->m_CaptionRect);
}

void CGTTasksPane::SetHot(CGTTask* iTask, CGTTasksGroup* iCaption)
{
    CGTTask* oldTask = m_HotTask;
    CGTTasksGroup* oldCaption = m_HotCaption;
    m_HotTask = iTask;
    m_HotCaption = iCaption;
    RedrawTask(oldTask);
    RedrawCaption(oldCaption);
    RedrawTask(m_HotTask);
    RedrawCaption(m_HotCaption);
}

void CGTTasksPane::SendPrompt(UINT iPrompt)
{
    if (CWnd* owner = GetOwner())
        owner->SendMessage(setMessageString, iPrompt);
}

void CGTTasksPane::GetTaskPrompt(UINT iCommand)
{
    SendPrompt(iCommand == static_cast<UINT>(-1) ? idlePrompt : iCommand);
}

BOOL CGTTasksPane::OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    const CGTTask* task = m_PressedTask != nullptr ? m_PressedTask : TaskAt(point);
    const BOOL overTask = task != nullptr && task->m_Enabled;
    if ((overTask || m_PressedCaption != nullptr || GroupCaptionHitTest(point) != nullptr) &&
        GTHandCursor() != nullptr) {
        ::SetCursor(GTHandCursor());
        return TRUE;
    }
    return CGTDockingControlBar::OnSetCursor(iWindow, iHitTest, iMessage);
}

void CGTTasksPane::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    CGTDockingControlBar::OnMouseMove(iFlags, iPoint);
    if (m_HoverScrollAreas) {
        int direction = 0;
        if (m_ScrollUpRect.PtInRect(iPoint) && m_ScrollPosition >= 1)
            direction = -1;
        else if (m_ScrollDownRect.PtInRect(iPoint) && m_ScrollMaximum >= 1 &&
                 m_ScrollPosition <= m_ScrollMaximum - m_ScrollPage)
            direction = 1;
        if (direction != 0) {
            if (m_HoverScroll != direction) {
                m_HoverScroll = direction;
                InvalidateRect(direction < 0 ? m_ScrollUpRect : m_ScrollDownRect);
                SetTimer(hoverScrollTimer, hoverScrollInterval, nullptr);
            }
            return;
        }
        if (m_HoverScroll != 0) {
            KillTimer(hoverScrollTimer);
            m_HoverScroll = 0;
            InvalidateRect(m_ScrollUpRect);
            InvalidateRect(m_ScrollDownRect);
        }
    }
    CGTTasksGroup* caption = GroupCaptionHitTest(iPoint);
    CGTTask* task = caption == nullptr ? TaskAt(iPoint) : nullptr;
    if (caption == m_HotCaption && task == m_HotTask)
        return;
    if (caption == nullptr && task == nullptr) {
        SetHot(nullptr, nullptr);
        if (m_PressedTask == nullptr && m_PressedCaption == nullptr && GetCapture() == this)
            ReleaseCapture();
        SendPrompt(idlePrompt);
        return;
    }
    if (task != nullptr && !task->m_Enabled) {
        SendPrompt(idlePrompt);
        return;
    }
    if (CWnd* capture = GetCapture(); capture != nullptr && capture != this)
        return;
    SetCapture();
    SetHot(task, caption);
    if (task != nullptr && task->m_Command != 0)
        GetTaskPrompt(task->m_Command);
}

void CGTTasksPane::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    CRect client;
    GetClientRect(client);
    if (!client.PtInRect(iPoint)) {
        CGTDockingControlBar::OnLButtonDown(iFlags, iPoint);
        return;
    }
    m_PressedCaption = GroupCaptionHitTest(iPoint);
    m_PressedTask = m_PressedCaption == nullptr ? TaskAt(iPoint) : nullptr;
    if (IsCompactMode())
        SetFocus();
}

void CGTTasksPane::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    CGTTasksGroup* pressedCaption = m_PressedCaption;
    CGTTask* pressedTask = m_PressedTask;
    m_PressedCaption = nullptr;
    m_PressedTask = nullptr;
    if (pressedCaption == nullptr && pressedTask == nullptr) {
        CGTDockingControlBar::OnLButtonUp(iFlags, iPoint);
        return;
    }
    if (GetCapture() == this && m_HotTask == nullptr && m_HotCaption == nullptr)
        ReleaseCapture();
    if (pressedCaption != nullptr && pressedCaption == GroupCaptionHitTest(iPoint)) {
        ToggleGroup(*pressedCaption);
        return;
    }
    if (pressedTask != nullptr && pressedTask == TaskAt(iPoint) && pressedTask->m_Enabled) {
        CGTTasksGroup* group = pressedTask->m_Group;
        const int groupIndex = GetGroupIndex(group);
        int taskIndex = 0;
        for (POSITION position = group->m_Tasks.GetHeadPosition();
             position != nullptr && group->m_Tasks.GetNext(position) != pressedTask;)
            ++taskIndex;
        OnClickTask(groupIndex, taskIndex, pressedTask->m_Command, pressedTask->m_UserValue);
    }
}

void CGTTasksPane::OnCancelMode()
{
    CGTDockingControlBar::OnCancelMode();
    CGTTask* task = m_PressedTask;
    CGTTasksGroup* caption = m_PressedCaption;
    m_PressedTask = nullptr;
    m_PressedCaption = nullptr;
    if (GetCapture() == this)
        ReleaseCapture();
    RedrawTask(task);
    RedrawCaption(caption);
}

void CGTTasksPane::ToggleGroup(CGTTasksGroup& iGroup)
{
    iGroup.m_Collapsed = !iGroup.m_Collapsed;
    if (m_Animate) {
        m_AnimatedGroup = &iGroup;
        m_AnimatedGroupSize = iGroup.m_TasksRect.Size();
        if (iGroup.m_Collapsed)
            m_AnimationOffset = m_AnimatedGroupSize.cy;
        else {
            m_AnimationOffset = 0;
            CClientDC dc(this);
            CFont* old = dc.SelectObject(TaskFont());
            CRect area;
            GetClientRect(area);
            area.DeflateRect(GetMetric(horizontalMargin), 0);
            m_AnimatedGroupSize.cy = PlaceTasks(iGroup, dc, area, 0, TRUE);
            dc.SelectObject(old);
        }
        m_AnimationTick = CGTClock::Current().Milliseconds();
        SetTimer(animationTimer, animationInterval, nullptr);
    }
    AdjustLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x, cursor.y));
}

void CGTTasksPane::AnimationStep()
{
    if (m_AnimatedGroup == nullptr) {
        KillTimer(animationTimer);
        return;
    }
    const BOOL collapsing = m_AnimatedGroup->m_Collapsed;
    const BOOL finished = collapsing ? m_AnimationOffset <= 0 : m_AnimationOffset >= m_AnimatedGroupSize.cy;
    if (finished) {
        KillTimer(animationTimer);
        m_AnimatedGroup = nullptr;
        AdjustLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return;
    }
    const DWORD now = CGTClock::Current().Milliseconds();
    int frames = static_cast<int>(std::lround((now - m_AnimationTick) / double(animationInterval)));
    m_AnimationTick = now;
    const int line = std::max(LineHeight(), 1);
    const int hidden = m_AnimatedGroupSize.cy - m_AnimationOffset;
    const int lines = static_cast<int>(std::lround((collapsing ? m_AnimationOffset : hidden) / double(line)));
    if (lines > animationLines)
        frames = frames * lines / animationLines + 1;
    m_AnimationOffset += (collapsing ? -line : line) * std::max(frames, 1);
    CRect area = m_AnimatedGroup->m_TasksRect;
    area.bottom = area.top + m_AnimatedGroupSize.cy;
    AdjustLayout();
    CRect client;
    GetClientRect(client);
    area.bottom = client.bottom;
    RedrawWindow(&area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CGTTasksPane::HoverScrollStep()
{
    const int next = m_ScrollPosition + m_HoverScroll;
    if (m_HoverScroll == 0 || next < 0 || next > std::max(0, m_ScrollMaximum - m_ScrollPage + 1)) {
        KillTimer(hoverScrollTimer);
        m_HoverScroll = 0;
        InvalidateRect(m_ScrollUpRect);
        InvalidateRect(m_ScrollDownRect);
        return;
    }
    ScrollTo(next);
}

void CGTTasksPane::OnTimer(UINT_PTR iId)
{
    if (iId == animationTimer)
        AnimationStep();
    else if (iId == hoverScrollTimer)
        HoverScrollStep();
    else
        CGTDockingControlBar::OnTimer(iId);
}

void CGTTasksPane::OnClickTask(int iGroup, int iTask, UINT iCommand, DWORD_PTR)
{
    if (iCommand == 0)
        return;
    CWnd* target = GetOwner() != nullptr ? GetOwner() : GetParent();
    if (target != nullptr)
        target->PostMessage(WM_COMMAND, iCommand);
    OnAfterTaskClick(iGroup, iTask);
}

void CGTTasksPane::OnAfterTaskClick(int, int)
{
    ::NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

void CGTTasksPane::ForwardCurrentCommand()
{
    const HWND focus = ::GetFocus();
    if (focus == nullptr || !::IsChild(m_hWnd, focus))
        return;
    HWND child = focus;
    while (::GetParent(child) != m_hWnd)
        child = ::GetParent(child);
    const MSG* message = GetCurrentMessage();
    ::SendMessage(child, message->message, message->wParam, message->lParam);
}

void CGTTasksPane::ForwardCommandToFocusedChild()
{
    ForwardCurrentCommand();
}

void CGTTasksPane::ForwardCommandAndReturnFocus()
{
    ForwardCurrentCommand();
    if (CWnd* frame = AfxGetMainWnd() != nullptr ? AfxGetMainWnd() : GetTopLevelFrame())
        frame->SetFocus();
}

void CGTTasksPane::OnOk()
{
    ForwardCommandToFocusedChild();
}

void CGTTasksPane::OnCancel()
{
    ForwardCommandAndReturnFocus();
}

void CGTTasksPane::OnBack()
{
    GoBack();
}

void CGTTasksPane::OnForward()
{
    GoForward();
}

void CGTTasksPane::OnHome()
{
    GoHome();
}

void CGTTasksPane::OnClose()
{
    ShowBar(FALSE, FALSE, FALSE);
}

void CGTTasksPane::OnUpdateBack(CCmdUI* iCmdUI)
{
    iCmdUI->Enable(m_HistoryPosition > 0);
}

void CGTTasksPane::OnUpdateForward(CCmdUI* iCmdUI)
{
    iCmdUI->Enable(m_HistoryPosition < GetHistoryCount() - 1);
}

void CGTTasksPane::OnUpdateClose(CCmdUI* iCmdUI)
{
    iCmdUI->Enable(TRUE);
}

BOOL CGTTasksPane::PreTranslateMessage(MSG* ioMessage)
{
    if (ioMessage->message == WM_LBUTTONDBLCLK || ioMessage->message == WM_RBUTTONDBLCLK ||
        ioMessage->message == WM_MBUTTONDBLCLK) {
        for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr;) {
            auto* group = static_cast<CGTTasksGroup*>(m_Groups.GetNext(position));
            for (POSITION task = group->m_Tasks.GetHeadPosition(); task != nullptr;) {
                const HWND child = static_cast<CGTTask*>(group->m_Tasks.GetNext(task))->m_ChildWindow;
                if (ioMessage->message == WM_LBUTTONDBLCLK && child != nullptr &&
                    (ioMessage->hwnd == child || ::IsChild(child, ioMessage->hwnd)))
                    return CGTDockingControlBar::PreTranslateMessage(ioMessage);
            }
        }
        CPoint point(ioMessage->pt);
        ScreenToClient(&point);
        CRect client;
        GetClientRect(client);
        if (client.PtInRect(point))
            return TRUE;
    }
    return CGTDockingControlBar::PreTranslateMessage(ioMessage);
}
