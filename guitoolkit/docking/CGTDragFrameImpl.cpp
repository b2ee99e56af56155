#include <guitoolkit/docking/CGTDragFrameImpl.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTControlBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDummyDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <cstdlib>

namespace {
CGTSmartDockingManager* RunningSmartDocking(CGTDockManager* iManager)
{
    CGTSmartDockingManager* smart = iManager != nullptr ? iManager->GetExistingSmartDockingManager() : nullptr;
    return smart != nullptr && smart->IsStarted() && smart->IsShown() ? smart : nullptr;
}

// The dragged window's rectangle when its outline first shows: a docked bar's at its floating size.
CRect StartRect(CWnd& iDragged, CPoint iPress)
{
    CRect rect;
    iDragged.GetWindowRect(&rect);
    auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, &iDragged);
    if (bar != nullptr && bar->GetParentMiniFrame() == nullptr) {
        const CRect& floating = bar->GetRecentDockInfo().m_rectRecentFloat;
        if (!floating.IsRectEmpty())
            rect.SetRect(rect.left, rect.top, rect.left + floating.Width(), rect.top + floating.Height());
    }
    if (!rect.PtInRect(iPress))
        rect.OffsetRect(iPress.x - 5 - rect.left, 0);
    return rect;
}
}  // namespace

CGTDragFrameImpl::CGTDragFrameImpl()
    : m_ptLast(0, 0), m_rectDrag(0, 0, 0, 0), m_rectExpectedDocked(0, 0, 0, 0), m_pOldTabTarget(nullptr),
      m_pTabTarget(nullptr), m_bEndedInTabMode(FALSE), m_bFrameDrawn(FALSE), m_nPlaceholderTab(-1),
      m_nFrameWidth(theGuiToolkitGlobals.dragFrameThicknessFloating), m_pDockManager(nullptr), m_pDraggedWnd(nullptr),
      m_pCurrentTarget(nullptr), m_bTabOutlineErased(FALSE), m_pDummyBar(nullptr)
{
}

CGTDragFrameImpl::~CGTDragFrameImpl()
{
    if (m_pDummyBar != nullptr && m_pDummyBar->GetSafeHwnd() != nullptr)
        m_pDummyBar->DestroyWindow();
    delete m_pDummyBar;
}

void CGTDragFrameImpl::Init(CWnd* iDraggedWnd)
{
    m_pDraggedWnd = iDraggedWnd;
    m_pDockManager = nullptr;
    if (auto* frame = DYNAMIC_DOWNCAST(CGTMiniFrameWnd, iDraggedWnd))
        m_pDockManager = GetDockManagerOfFrame(CWnd::FromHandlePermanent(frame->GetOwnerFrameHandle()));
    else if (auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, iDraggedWnd))
        m_pDockManager = bar->GetParentMiniFrame() != nullptr ? GetDockManagerOfFrame(bar->GetParentMiniFrame())
                                                              : bar->GetOwnerDockManager();
    else if (iDraggedWnd != nullptr)
        m_pDockManager = GetDockManagerOfFrame(iDraggedWnd->GetTopLevelFrame());
}

void CGTDragFrameImpl::MoveDragFrame(BOOL iForce)
{
    if (m_pDraggedWnd == nullptr || m_pDockManager == nullptr)
        return;
    if (m_pDummyBar == nullptr)
        CreatePlaceholder();
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    const SIZE threshold = CGTDockingValues::DragThreshold();
    if (std::abs(cursor.x - m_ptLast.x) < threshold.cx && std::abs(cursor.y - m_ptLast.y) < threshold.cy &&
        !m_bFrameDrawn && !iForce)
        return;
    const BOOL first = !m_bFrameDrawn;
    m_bFrameDrawn = TRUE;
    m_pDockManager->FreezeUpdates(TRUE);
    if (first)
        m_rectDrag = StartRect(*m_pDraggedWnd, m_ptLast);

    CRect expected;
    BOOL drawTab = FALSE;
    CGTDockingControlBar* target = nullptr;
    m_pDockManager->CalcExpectedDockedRect(m_pDraggedWnd, cursor, expected, drawTab, target);
    m_pCurrentTarget = target;
    if (m_nPlaceholderTab != -1 && (target != m_pTabTarget || !drawTab))
        RemoveTabPreDocking(m_pTabTarget);
    auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, m_pDraggedWnd);
    if (target != nullptr && (bar == nullptr || bar->CanBeTabbed())) {
        auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, target);
        if (tabbed != nullptr && tabbed->CountTabs() > (tabbed->QueryHideSingleTab() ? 1 : 0)) {
            PlaceTabPreDocking(tabbed, first);
            return;
        }
    }
    if (target != nullptr && drawTab) {
        if (m_nPlaceholderTab == 1)
            return;
        EndDrawDragFrame(FALSE);
        DrawFrameTab(target, FALSE);
        m_nPlaceholderTab = 1;
        return;
    }

    const CRect old = m_rectExpectedDocked.IsRectEmpty() ? m_rectDrag : m_rectExpectedDocked;
    m_rectDrag.OffsetRect(cursor - m_ptLast);
    m_ptLast = cursor;
    m_rectExpectedDocked = expected;
    if (RunningSmartDocking(m_pDockManager) != nullptr && expected.IsRectEmpty())
        return;
    const CRect& now = expected.IsRectEmpty() ? m_rectDrag : expected;
    const int width = expected.IsRectEmpty() ? theGuiToolkitGlobals.dragFrameThicknessFloating
                                             : theGuiToolkitGlobals.dragFrameThicknessDocked;
    DrawFrame(old, now, first, width, m_nFrameWidth);
    m_nFrameWidth = width;
}

void CGTDragFrameImpl::CreatePlaceholder()
{
    CWnd* parent = GetActiveTopLevelFrame(m_pDraggedWnd);
    if (parent == nullptr)
        parent = m_pDraggedWnd->GetTopLevelFrame();
    m_pDummyBar = new CGTDummyDockingControlBar;
    m_pDummyBar->Create(L"", parent, CRect(0, 0, 0, 0), FALSE,
                        static_cast<UINT>(CGTDummyDockingControlBar::s_PlaceholderId), WS_CHILD, 0x20, GTBehaviourAll);
}

void CGTDragFrameImpl::EndDrawDragFrame(BOOL iClearRects)
{
    CGTSmartDockingManager* smart = RunningSmartDocking(m_pDockManager);
    if (smart != nullptr)
        smart->HidePlace();
    if (m_nPlaceholderTab != -1) {
        m_bEndedInTabMode = TRUE;
    } else if (smart == nullptr && m_bFrameDrawn) {
        const CRect shown = m_rectExpectedDocked.IsRectEmpty() ? m_rectDrag : m_rectExpectedDocked;
        const CRect none(0, 0, 0, 0);
        CGTScreenDrawing::Current().DrawDragRect(&none, CSize(0, 0), &shown, CSize(m_nFrameWidth, m_nFrameWidth));
    }
    if (iClearRects) {
        RemoveTabPreDocking(m_pTabTarget);
        m_rectDrag.SetRectEmpty();
        m_rectExpectedDocked.SetRectEmpty();
        m_pOldTabTarget = m_pTabTarget;
    }
    const BOOL wasDrawn = m_bFrameDrawn;
    m_bFrameDrawn = FALSE;
    if (wasDrawn && smart == nullptr && m_pDockManager != nullptr)
        m_pDockManager->FreezeUpdates(FALSE);
}

void CGTDragFrameImpl::PlaceTabPreDocking(CGTDockingControlBar* iTabbedPane, BOOL iFirstTime)
{
    auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, iTabbedPane);
    if (m_nPlaceholderTab != -1 || tabbed == nullptr || m_pDummyBar == nullptr ||
        m_pDummyBar->GetSafeHwnd() == nullptr || tabbed->GetTabWindow() == nullptr)
        return;
    if (!iFirstTime)
        EndDrawDragFrame(FALSE);
    CString label;
    m_pDraggedWnd->GetWindowText(label);
    CGTBaseTabWnd* tabs = tabbed->GetTabWindow();
    tabs->AddTab(m_pDummyBar, label);
    if (RunningSmartDocking(m_pDockManager) != nullptr)
        m_pDummyBar->ShowWindow(SW_HIDE);
    m_nPlaceholderTab = tabs->GetTabCount() - 1;
    m_pTabTarget = iTabbedPane;
}

void CGTDragFrameImpl::RemoveTabPreDocking(CGTDockingControlBar* iPane)
{
    if (m_nPlaceholderTab == -1)
        return;
    CGTDockingControlBar* pane = iPane != nullptr ? iPane : m_pTabTarget;
    auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, pane);
    if (tabbed == nullptr || m_bTabOutlineErased || m_pDummyBar == nullptr || m_pDummyBar->GetSafeHwnd() == nullptr) {
        DrawFrameTab(pane, TRUE);
    } else {
        const BOOL smart = RunningSmartDocking(m_pDockManager) != nullptr;
        if (!smart)
            m_pDockManager->FreezeUpdates(TRUE);
        m_pDummyBar->ShowWindow(SW_HIDE);
        CGTBaseTabWnd* tabs = tabbed->GetTabWindow();
        if (tabs != nullptr && tabs->GetTabWnd(m_nPlaceholderTab) == m_pDummyBar)
            tabs->RemoveTab(m_nPlaceholderTab);
        if (smart)
            m_pDummyBar->ShowWindow(SW_SHOW);
        else
            m_pDockManager->FreezeUpdates(FALSE);
    }
    m_nPlaceholderTab = -1;
    m_pTabTarget = nullptr;
}

void CGTDragFrameImpl::DrawFrame(LPCRECT iOld, LPCRECT iNew, BOOL iFirst, int iWidth, int iOldWidth)
{
    if (CGTSmartDockingManager* smart = RunningSmartDocking(m_pDockManager)) {
        smart->ShowPlace(*iNew);
        return;
    }
    CGTScreenDrawing::Current().DrawDragRect(iNew, CSize(iWidth, iWidth), iFirst ? nullptr : iOld,
                                             CSize(iOldWidth, iOldWidth));
}

void CGTDragFrameImpl::DrawFrameTab(CGTDockingControlBar* iPane, BOOL iErase)
{
    if (iPane == nullptr)
        return;
    CRect pane;
    iPane->GetWindowRect(&pane);
    const int tabHeight = theGuiToolkitGlobals.textHeightRegular;
    CRect body = pane;
    CRect tab = pane;
    if (CGTTabbedControlBar::s_TabsOnTop) {
        body.top += tabHeight;
        tab.bottom = body.top;
    } else {
        body.bottom -= tabHeight;
        tab.top = body.bottom;
    }
    tab.left = pane.left + 10;
    tab.right = pane.Width() <= 50 ? pane.right - m_nFrameWidth - 4 : pane.left + 50;
    m_bTabOutlineErased = iErase;
    if (CGTSmartDockingManager* smart = RunningSmartDocking(m_pDockManager)) {
        if (iErase)
            smart->HidePlace();
        else
            smart->ShowTabbedPlace(body, tab.left - pane.left, tab.Width(), tabHeight);
        return;
    }
    // The junction: the stretch of the body's edge the tab opens onto.
    CRect junction = tab;
    junction.DeflateRect(m_nFrameWidth, 0);
    if (CGTTabbedControlBar::s_TabsOnTop)
        junction.SetRect(junction.left, body.top - m_nFrameWidth, junction.right, body.top + m_nFrameWidth);
    else
        junction.SetRect(junction.left, body.bottom - m_nFrameWidth, junction.right, body.bottom + m_nFrameWidth);
    for (const CRect& part : {body, tab, junction})
        DrawFrame(nullptr, &part, TRUE, m_nFrameWidth, m_nFrameWidth);
}

void CGTDragFrameImpl::ResetState()
{
    m_ptLast = CPoint(-1, -1);
    m_rectDrag.SetRectEmpty();
    m_rectExpectedDocked.SetRectEmpty();
    m_pOldTabTarget = nullptr;
    m_pTabTarget = nullptr;
    m_bEndedInTabMode = FALSE;
    m_bFrameDrawn = FALSE;
    m_nPlaceholderTab = -1;
}
