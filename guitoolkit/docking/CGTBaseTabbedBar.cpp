// The tabbed-pane issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTTabWnd.h>

IMPLEMENT_DYNAMIC(CGTBaseTabbedBar, CGTDockingControlBar)
IMPLEMENT_SERIAL(CGTTabbedControlBar, CGTBaseTabbedBar, VERSIONABLE_SCHEMA | 2)

BOOL CGTTabbedControlBar::s_TabsOnTop = FALSE;
BOOL CGTTabbedControlBar::s_UseAutoColors = FALSE;
CRuntimeClass* CGTTabbedControlBar::s_TabWindowClass = RUNTIME_CLASS(CGTTabWnd);

CGTBaseTabbedBar::CGTBaseTabbedBar(BOOL iAutoDestroy)
    : m_AutoDestroy(iAutoDestroy), m_TabWnd(nullptr), m_CaptionFromTab(TRUE)
{
    m_EnabledAlignment = GTSideAny;
}

CGTBaseTabbedBar::~CGTBaseTabbedBar() = default;

CGTBaseTabWnd* CGTBaseTabbedBar::GetTabWindow() const
{
    return m_TabWnd;
}

int CGTBaseTabbedBar::CountTabs() const
{
    return m_TabWnd != nullptr ? m_TabWnd->GetTabCount() : 0;
}

int CGTBaseTabbedBar::CountVisibleTabs() const
{
    return m_TabWnd != nullptr ? m_TabWnd->GetVisibleTabCount() : 0;
}

BOOL CGTBaseTabbedBar::DestroysWhenEmpty() const
{
    return TRUE;
}

void CGTBaseTabbedBar::SetCaptionFromTab(BOOL iOn)
{
    m_CaptionFromTab = iOn;
}

BOOL CGTBaseTabbedBar::GetCaptionFromTab() const
{
    return m_CaptionFromTab;
}

CGTTabbedControlBar::CGTTabbedControlBar(BOOL iAutoDestroy) : CGTBaseTabbedBar(iAutoDestroy) {}

void CGTTabbedControlBar::ApplyTabStyleToAll() {}

BOOL CGTBaseTabbedBar::QueryHideSingleTab() const
{
    return FALSE;
}

BOOL CGTBaseTabbedBar::AddBarAsTab(CGTBaseControlBar*, BOOL, BOOL, BOOL)
{
    return FALSE;
}

BOOL CGTBaseTabbedBar::FloatBarFromTab(CGTBaseControlBar*, int, int, BOOL)
{
    return FALSE;
}

BOOL CGTBaseTabbedBar::DetachBarTab(CGTBaseControlBar*, BOOL)
{
    return FALSE;
}

BOOL CGTBaseTabbedBar::RemoveBarTab(CGTBaseControlBar*)
{
    return FALSE;
}

BOOL CGTBaseTabbedBar::ShowBarTab(CGTBaseControlBar*, BOOL, BOOL, BOOL)
{
    return FALSE;
}

CWnd* CGTBaseTabbedBar::FindTabBarById(UINT) const
{
    return nullptr;
}

CWnd* CGTBaseTabbedBar::GetBarOfTab(int, BOOL) const
{
    return nullptr;
}

CWnd* CGTBaseTabbedBar::FirstVisibleTabOfBar(int& oIndex) const
{
    oIndex = -1;
    return nullptr;
}

void CGTBaseTabbedBar::ApplyRestoredTabs(BOOL) {}

void CGTBaseTabbedBar::ArchiveTabWindow(CArchive&) {}

void CGTBaseTabbedBar::WriteTabBarIds(CArchive&) {}

void CGTBaseTabbedBar::OnTabActivated(int) {}
