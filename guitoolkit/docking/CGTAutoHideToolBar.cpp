#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTDockBarRow.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <vector>

IMPLEMENT_DYNCREATE(CGTAutoHideToolBar, CGTControlBar)

namespace {
const UINT_PTR displayTimerId = 1;
}  // namespace

BEGIN_MESSAGE_MAP(CGTAutoHideToolBar, CGTControlBar)
    ON_WM_CREATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_NCDESTROY()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CGTAutoHideToolBar::CGTAutoHideToolBar()
    : m_Buttons(10), m_LastActiveButton(nullptr), m_HoverArmed(FALSE), m_DisplayTimer(0)
{
}

CGTAutoHideToolBar::~CGTAutoHideToolBar()
{
    KillDisplayTimer();
    DeleteAllButtons();
}

void CGTAutoHideToolBar::DeleteAllButtons()
{
    // Panes outlive their buttons only here; they forget them.
    while (!m_Buttons.IsEmpty()) {
        auto* button = static_cast<CGTAutoHideButton*>(m_Buttons.RemoveHead());
        if (button->GetPane() != nullptr && button->GetPane()->GetAutoHideButton() == button)
            button->GetPane()->SetAutoHideButton(nullptr, nullptr);
        delete button;
    }
    m_LastActiveButton = nullptr;
}

void CGTAutoHideToolBar::KillDisplayTimer()
{
    if (m_DisplayTimer != 0 && m_hWnd != nullptr)
        KillTimer(m_DisplayTimer);
    m_DisplayTimer = 0;
}

int CGTAutoHideToolBar::OnCreate(LPCREATESTRUCT iCreate)
{
    return CGTControlBar::OnCreate(iCreate) == -1 ? -1 : 0;
}

void CGTAutoHideToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {}

void CGTAutoHideToolBar::OnNcPaint() {}

void CGTAutoHideToolBar::OnNcDestroy()
{
    KillDisplayTimer();
    CGTControlBar::OnNcDestroy();
}

void CGTAutoHideToolBar::PostNcDestroy()
{
    delete this;
}

CGTAutoHideButton* CGTAutoHideToolBar::AddPaneButton(CGTDockingControlBar* iPane, DWORD iAlignment)
{
    if (DYNAMIC_DOWNCAST(CGTDockingControlBar, iPane) == nullptr)
        return nullptr;
    auto* button = DYNAMIC_DOWNCAST(CGTAutoHideButton, CGTAutoHideButton::s_ButtonClass->CreateObject());
    if (button == nullptr)
        return nullptr;
    if (!button->BindToPane(this, iPane, iAlignment)) {
        delete button;
        return nullptr;
    }
    CRect window;
    GetWindowRect(&window);
    CSize size = window.Size();
    if (m_Buttons.IsEmpty())
        size += button->GetRect().Size();
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_Buttons.AddTail(button);
    return button;
}

BOOL CGTAutoHideToolBar::RemovePaneButton(CGTDockingControlBar* iPane)
{
    KillDisplayTimer();
    CGTAutoHideButton* button = ButtonOfPane(iPane);
    if (button == nullptr)
        return FALSE;
    if (button == m_LastActiveButton)
        m_LastActiveButton = nullptr;
    m_Buttons.RemoveAt(m_Buttons.Find(button));
    delete button;
    if (!m_Buttons.IsEmpty())
        return TRUE;
    // The last button gone, the toolbar leaves its strip and goes (it deletes itself).
    if (CGTDockBar* dockBar = m_ParentDockBar) {
        dockBar->RemoveControlBar(this);
        dockBar->OnDockBarResized(CRect(0, 0, 0, 0));
    }
    DestroyWindow();
    return TRUE;
}

void CGTAutoHideToolBar::SetPaneButtonVisible(CGTDockingControlBar* iPane, BOOL iShow, BOOL iDelay)
{
    CGTAutoHideButton* button = ButtonOfPane(iPane);
    if (button == nullptr)
        return;
    button->SetButtonVisible(iShow);
    if (!iDelay)
        SyncStripVisibility();
}

void CGTAutoHideToolBar::SyncStripVisibility()
{
    if (m_ParentDockBar == nullptr)
        return;
    const int visible = CountVisibleButtons();
    if (visible == 0)
        m_ParentDockBar->ShowControlBar(this, FALSE, FALSE, FALSE);
    else if (!(GetStyle() & WS_VISIBLE))
        m_ParentDockBar->ShowControlBar(this, TRUE, FALSE, TRUE);
}

int CGTAutoHideToolBar::CountVisibleButtons() const
{
    int count = 0;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;)
        count += static_cast<CGTAutoHideButton*>(m_Buttons.GetNext(position))->IsButtonVisible() ? 1 : 0;
    return count;
}

CGTAutoHideButton* CGTAutoHideToolBar::ButtonOfPane(CGTDockingControlBar* iPane) const
{
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTAutoHideButton*>(m_Buttons.GetNext(position));
        if (button->GetPane() == iPane)
            return button;
    }
    return nullptr;
}

CGTDockingControlBar* CGTAutoHideToolBar::FirstPane() const
{
    return m_Buttons.IsEmpty() ? nullptr : static_cast<CGTAutoHideButton*>(m_Buttons.GetHead())->GetPane();
}

CGTAutoHideButton* CGTAutoHideToolBar::ButtonAtPoint(CPoint iPoint) const
{
    for (BOOL frontOnly : {TRUE, FALSE}) {
        for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
            auto* button = static_cast<CGTAutoHideButton*>(m_Buttons.GetNext(position));
            if (button->IsButtonVisible() && (!frontOnly || button->m_Front) && button->GetRect().PtInRect(iPoint))
                return button;
        }
    }
    return nullptr;
}

void CGTAutoHideToolBar::BroadcastToButtons(CGTDockingControlBar* iTarget)
{
    // The panes are taken first: the last one to leave takes this toolbar with it.
    std::vector<CGTAutoHideButton*> buttons;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;)
        buttons.push_back(static_cast<CGTAutoHideButton*>(m_Buttons.GetNext(position)));
    std::vector<CGTDockingControlBar*> panes;
    for (CGTAutoHideButton* button : buttons)
        panes.push_back(button->GetPane());
    for (CGTDockingControlBar* pane : panes)
        pane->LeaveAutoHideMode(iTarget);
}

CSize CGTAutoHideToolBar::GetStretchLimit(BOOL, BOOL)
{
    CSize size(0, 0);
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTAutoHideButton*>(m_Buttons.GetNext(position));
        size = button->MeasureButton();
        button->SetRect(CRect(CPoint(0, 0), size));
    }
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

void CGTAutoHideToolBar::DoPaint(CDC* iDc)
{
    CGTMemDC memory(*iDc, this);
    CDC& dc = memory.GetDC();
    CGTControlBar::DoPaint(&dc);
    CGTAutoHideButton* front = nullptr;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTAutoHideButton*>(m_Buttons.GetNext(position));
        if (!button->IsButtonVisible())
            continue;
        if (button->m_Front)
            front = button;
        else
            button->PaintButton(&dc);
    }
    if (front != nullptr)
        front->PaintButton(&dc);
}

void CGTAutoHideToolBar::SetRowActive(BOOL iActive)
{
    CGTControlBar::SetRowActive(iActive);
    if (!iActive)
        return;
    if (CGTDockBarRow* row = GetDockRow()) {
        for (POSITION position = row->GetBars().GetHeadPosition(); position != nullptr;) {
            auto* other = static_cast<CGTControlBar*>(row->GetBars().GetNext(position));
            if (other != this)
                other->SetRowActive(FALSE);
        }
    }
    RelayoutDockBar();
}

void CGTAutoHideToolBar::RelayoutDockBar()
{
    if (m_ParentDockBar != nullptr)
        m_ParentDockBar->OnDockBarResized(CRect(0, 0, 0, 0));
}

void CGTAutoHideToolBar::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    CWnd::OnMouseMove(iFlags, iPoint);
    CGTAutoHideButton* button = ButtonAtPoint(iPoint);
    if (button == nullptr || m_HoverArmed || button->GetPane()->IsSlidOut())
        return;
    m_HoverArmed = TRUE;
    KillDisplayTimer();
    m_DisplayTimer = SetTimer(displayTimerId, CGTAutoHideButton::s_DisplayDelay, nullptr);
}

void CGTAutoHideToolBar::OnTimer(UINT_PTR iId)
{
    if (iId != displayTimerId) {
        CGTControlBar::OnTimer(iId);
        return;
    }
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    ScreenToClient(&cursor);
    CGTAutoHideButton* button = ButtonAtPoint(cursor);
    KillTimer(iId);
    m_DisplayTimer = 0;
    const BOOL armed = m_HoverArmed;
    m_HoverArmed = FALSE;
    if (button != nullptr && armed && !button->GetPane()->IsSlidOut()) {
        m_LastActiveButton = button;
        button->SlideOwnPane(TRUE);
    }
}

void CGTAutoHideToolBar::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    if (CGTAutoHideButton* button = ButtonAtPoint(iPoint))
        button->GetPane()->SetFocus();
    // Not the control bar's own press: a strip piece is never dragged.
    CWnd::OnLButtonDown(iFlags, iPoint);
}
