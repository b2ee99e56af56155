// The drag-loop issue fills in the outline's drawing.
#include <guitoolkit/docking/CGTDragFrameImpl.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTDummyDockingControlBar.h>

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
}

void CGTDragFrameImpl::MoveDragFrame(BOOL) {}

void CGTDragFrameImpl::EndDrawDragFrame(BOOL) {}

void CGTDragFrameImpl::PlaceTabPreDocking(CGTDockingControlBar*, BOOL) {}

void CGTDragFrameImpl::RemoveTabPreDocking(CGTDockingControlBar*) {}

void CGTDragFrameImpl::DrawFrame(LPCRECT, LPCRECT, BOOL, int, int) {}

void CGTDragFrameImpl::DrawFrameTab(CGTDockingControlBar*, BOOL) {}

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
