// Class records of the platform docking: the toolkit docks its own bars.
#include "afxstate.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating) {}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}
