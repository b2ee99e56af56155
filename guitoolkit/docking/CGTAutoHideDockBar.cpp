// The auto-hide issue fills in the rest of the dock bar; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>

IMPLEMENT_DYNCREATE(CGTAutoHideDockBar, CGTDockBar)

int CGTAutoHideDockBar::s_Margin = 2;
int CGTAutoHideDockBar::s_StartOffset = 0;
int CGTAutoHideDockBar::s_Spacing = 0;
int CGTAutoHideDockBar::s_PullBack = 1;

CGTAutoHideDockBar::CGTAutoHideDockBar() : m_StartOffset(0) {}

BOOL CGTAutoHideDockBar::CanAcceptBar(const CGTBaseControlBar* iBar) const
{
    return iBar != nullptr && iBar->IsKindOf(RUNTIME_CLASS(CGTAutoHideToolBar));
}

void CGTAutoHideDockBar::RestoreAutoHideGroup(CGTAutoHideToolBar*) {}
