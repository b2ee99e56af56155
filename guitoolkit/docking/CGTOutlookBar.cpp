// The outlook-bar issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTOutlookBar.h>

IMPLEMENT_DYNCREATE(CGTOutlookScrollButton, CGTButton)
IMPLEMENT_DYNCREATE(CGTOutlookWnd, CGTBaseTabWnd)
IMPLEMENT_SERIAL(CGTOutlookBar, CGTBaseTabbedBar, 1)
IMPLEMENT_DYNCREATE(CGTOutlookBarDockingPane, CGTDockingCBWrapper)

CGTOutlookWnd::CGTOutlookWnd()
    : m_PageButtonsShown(-1), m_InRelayout(FALSE), m_ScrollButtonsShown(FALSE), m_PageArea(0, 0, 0, 0), m_BorderWidth(0)
{
}

BOOL CGTOutlookWnd::Create(const RECT&, CWnd*, UINT)
{
    return FALSE;
}

CGTOutlookBar::CGTOutlookBar() : m_CustomPages(10) {}

CGTOutlookBar::~CGTOutlookBar() = default;

CGTOutlookBarDockingPane::CGTOutlookBarDockingPane()
{
    m_TabbedPaneClass = RUNTIME_CLASS(CGTOutlookBar);
}
