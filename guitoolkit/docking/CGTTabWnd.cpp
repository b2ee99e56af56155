// The tab-window issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTTabWnd.h>
#include <guitoolkit/core/CGTDockingValues.h>

IMPLEMENT_DYNCREATE(CGTTabButton, CGTButton)
IMPLEMENT_DYNCREATE(CGTTabWnd, CGTBaseTabWnd)

CGTTabWnd::CGTTabWnd()
    : m_Flat(FALSE), m_SharedScrollBar(FALSE), m_Look4(FALSE), m_Look5(FALSE), m_Look6Or7(FALSE),
      m_HasScrollButtons(FALSE), m_CloseButtonWanted(FALSE), m_TabsArea(0, 0, 0, 0), m_WndArea(0, 0, 0, 0),
      m_ScrollBarRight(0), m_ScrollBarWidth(0), m_SplitterRect(0, 0, 0, 0), m_SplitterDrag(FALSE), m_ButtonsShown(0),
      m_FirstVisibleOffset(0), m_TotalTabsWidth(0), m_AutoSizeWindows(TRUE), m_DrawFrame(TRUE),
      m_TransparentBackground(FALSE), m_HideWhenEmpty(FALSE), m_BoldActiveTab(FALSE), m_TabListMode(FALSE),
      m_TabsHidden(FALSE), m_MaxTabWidth(0), m_ResizeMode(0), m_ResizeStrip(0, 0, 0, 0), m_ResizeDragRect(0, 0, 0, 0),
      m_ResizeBounds(0, 0, 0, 0), m_ResizeDrag(FALSE), m_ScrollOffset(0), m_MaxScrollOffset(0), m_FirstShownTab(0),
      m_ButtonWindows(10)
{
    m_AutoDestroyWindows = TRUE;
    m_HideInactiveWindows = TRUE;
}

CGTTabWnd::~CGTTabWnd() = default;

BOOL CGTTabWnd::Create(int, const RECT&, CWnd*, UINT, int, BOOL)
{
    return FALSE;
}

void CGTTabWnd::ActivateMDITab(int) {}

HICON CGTTabWnd::GetIconForCommand(UINT iCommand)
{
    HICON icon = nullptr;
    return CGTDockingValues::TabCommandIcons().Lookup(iCommand, icon) ? icon : nullptr;
}

void CGTTabWnd::AdjustTabs() {}

void CGTTabWnd::AdjustTabsScroll() {}

void CGTTabWnd::RepositionScrollBar() {}

void CGTTabWnd::ShowTabsList(CPoint) {}

BOOL CGTTabWnd::IsMDITabGroup() const
{
    return FALSE;
}

void CGTTabWnd::DrawTab(CDC*, CGTTabInfo*, BOOL) {}

void CGTTabWnd::DrawFlatTab(CDC*, CGTTabInfo*, BOOL) {}

void CGTTabWnd::DrawResizeFrame(LPCRECT, LPCRECT) {}
