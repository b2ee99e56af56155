#include <guitoolkit/docking/CGTRecentDockInfo.h>
#include <guitoolkit/docking/GTDockingConstants.h>

IMPLEMENT_DYNAMIC(CGTRecentContainerInfo, CObject)
IMPLEMENT_DYNAMIC(CGTRecentDockInfo, CObject)

CGTRecentContainerInfo::CGTRecentContainerInfo()
    : m_pContainer(nullptr), m_rectPane(0, 0, 30, 30), m_nShare(50), m_bFirstInContainer(TRUE), m_lstNeighbours(10),
      m_pTabbedContainer(nullptr)
{
}

CGTRecentContainerInfo::~CGTRecentContainerInfo() = default;

CGTRecentContainerInfo& CGTRecentContainerInfo::operator=(const CGTRecentContainerInfo& iOther)
{
    m_pContainer = iOther.m_pContainer;
    m_rectPane = iOther.m_rectPane;
    m_nShare = iOther.m_nShare;
    m_bFirstInContainer = iOther.m_bFirstInContainer;
    m_lstNeighbours.RemoveAll();
    m_lstNeighbours.AddTail(const_cast<CObList*>(&iOther.m_lstNeighbours));
    m_pTabbedContainer = iOther.m_pTabbedContainer;
    return *this;
}

void CGTRecentContainerInfo::StoreDockInfo(CGTBarContainer*, CGTDockingControlBar*, CGTDockingControlBar*) {}

void CGTRecentContainerInfo::CopyFrom(const CGTRecentContainerInfo&) {}

CGTRecentDockInfo::CGTRecentDockInfo(CGTControlBar& iBar)
    : m_rectRecentFloat(10, 10, 110, 110), m_dwRecentSide(GTSideLeft), m_nRecentRowIndex(0), m_pRecentDockBar(nullptr),
      m_pRecentRow(nullptr), m_hRecentSlider(nullptr), m_hRecentMiniFrame(nullptr), m_Bar(iBar)
{
}

CGTRecentDockInfo::~CGTRecentDockInfo() = default;

CGTRecentDockInfo& CGTRecentDockInfo::operator=(const CGTRecentDockInfo& iOther)
{
    m_rectRecentFloat = iOther.m_rectRecentFloat;
    m_dwRecentSide = iOther.m_dwRecentSide;
    m_nRecentRowIndex = iOther.m_nRecentRowIndex;
    m_pRecentDockBar = iOther.m_pRecentDockBar;
    m_pRecentRow = iOther.m_pRecentRow;
    m_hRecentSlider = iOther.m_hRecentSlider;
    m_hRecentMiniFrame = iOther.m_hRecentMiniFrame;
    m_docked = iOther.m_docked;
    m_floating = iOther.m_floating;
    return *this;
}

void CGTRecentDockInfo::StoreDockInfo(CGTBarContainer*, CGTDockingControlBar*) {}

void CGTRecentDockInfo::CopyFrom(BOOL, const CGTRecentDockInfo&) {}

CObList& CGTRecentDockInfo::GetRecentList(BOOL iDocked)
{
    return iDocked ? m_docked.m_lstNeighbours : m_floating.m_lstNeighbours;
}

void CGTRecentDockInfo::SetRecentList(const CObList& iList, BOOL iDocked)
{
    CObList& list = GetRecentList(iDocked);
    list.RemoveAll();
    list.AddTail(const_cast<CObList*>(&iList));
}

void CGTRecentDockInfo::TakeEmptyRects(const CRect& iRect)
{
    m_rectRecentFloat = iRect;
    if (m_docked.m_rectPane.IsRectEmpty())
        m_docked.m_rectPane = iRect;
    if (m_floating.m_rectPane.IsRectEmpty())
        m_floating.m_rectPane = iRect;
}
