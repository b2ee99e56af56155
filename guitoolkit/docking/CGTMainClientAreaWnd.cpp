// The MDI-tabs issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/core/CGTVisualManager.h>

IMPLEMENT_DYNAMIC(CGTMainClientAreaWnd, CWnd)

MDITabSettings::MDITabSettings()
    : location(1), style(3), tabIcons(0), closeButton(1), customTooltips(0), autoColor(0), documentMenu(0), tabSwap(1),
      borderSize(CGTVisualManager::GetCurrent()->GetMDITabBorderSize()), drawFrame(1)
{
}

void MDITabSettings::Serialize(CArchive&) {}

CGTMainClientAreaWnd::CGTMainClientAreaWnd()
    : m_mapIconIndex(10), m_lstGroups(10), m_mapGroupIcons(10), m_lstRetiredGroups(10), m_lstRestoredDocuments(10),
      m_bTabsShown(FALSE), m_bSingleTabsMode(FALSE), m_bGroupsMode(FALSE), m_bLoading(FALSE), m_nGroupSplit(0),
      m_nSplitterMargin(40), m_nNewGroupZone(40), m_rectDropFrame(0, 0, 0, 0), m_bDropVertical(FALSE),
      m_nLayoutRemainder(0)
{
}

CGTMainClientAreaWnd::~CGTMainClientAreaWnd() = default;

CGTTabWnd* CGTMainClientAreaWnd::CreateTabGroupWindow(CGTTabWnd*)
{
    return nullptr;
}

void CGTMainClientAreaWnd::Serialize(CArchive&) {}
