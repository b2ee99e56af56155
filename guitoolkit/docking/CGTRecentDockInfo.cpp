#include <guitoolkit/docking/CGTRecentDockInfo.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/GTDockingConstants.h>

IMPLEMENT_DYNAMIC(CGTRecentContainerInfo, CObject)
IMPLEMENT_DYNAMIC(CGTRecentDockInfo, CObject)

namespace {
void Hold(CGTBarContainer* iContainer)
{
    if (CGTBarContainer::IsLive(iContainer))
        iContainer->AddRef();
}

// A container whose tree went with its manager holds nobody any more.
void Drop(CGTBarContainer*& ioContainer)
{
    CGTBarContainer* container = ioContainer;
    ioContainer = nullptr;
    if (CGTBarContainer::IsLive(container))
        container->Release();
}
}  // namespace

CGTRecentContainerInfo::CGTRecentContainerInfo()
    : m_pContainer(nullptr), m_rectPane(0, 0, 30, 30), m_nShare(50), m_bFirstInContainer(TRUE), m_lstNeighbours(10),
      m_pTabbedContainer(nullptr)
{
}

CGTRecentContainerInfo::~CGTRecentContainerInfo()
{
    Drop(m_pContainer);
    Drop(m_pTabbedContainer);
}

CGTRecentContainerInfo& CGTRecentContainerInfo::operator=(const CGTRecentContainerInfo& iOther)
{
    if (this != &iOther)
        CopyFrom(iOther);
    return *this;
}

void CGTRecentContainerInfo::StoreDockInfo(CGTBarContainer* iContainer, CGTDockingControlBar* iPane,
                                           CGTDockingControlBar* iTabbedPane)
{
    if (iContainer != nullptr) {
        Hold(iContainer);
        m_bFirstInContainer = iContainer->IsLeftBar(iTabbedPane != nullptr ? iTabbedPane : iPane);
    }
    Drop(m_pContainer);
    Drop(m_pTabbedContainer);
    if (iPane != nullptr && iPane->GetSafeHwnd() != nullptr)
        iPane->GetWindowRect(&m_rectPane);
    if (iTabbedPane != nullptr) {
        m_pTabbedContainer = iContainer;
        m_nShare = iTabbedPane->GetContainerShare();
    } else {
        m_pContainer = iContainer;
        if (iPane != nullptr)
            m_nShare = iPane->GetContainerShare();
    }
}

void CGTRecentContainerInfo::CopyFrom(const CGTRecentContainerInfo& iOther)
{
    Hold(iOther.m_pContainer);
    Hold(iOther.m_pTabbedContainer);
    Drop(m_pContainer);
    Drop(m_pTabbedContainer);
    m_pContainer = iOther.m_pContainer;
    m_pTabbedContainer = iOther.m_pTabbedContainer;
    m_rectPane = iOther.m_rectPane;
    m_nShare = iOther.m_nShare;
    m_bFirstInContainer = iOther.m_bFirstInContainer;
    m_lstNeighbours.RemoveAll();
    m_lstNeighbours.AddTail(const_cast<CObList*>(&iOther.m_lstNeighbours));
}

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

void CGTRecentDockInfo::StoreDockInfo(CGTBarContainer* iContainer, CGTDockingControlBar* iTabbedPane)
{
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, &m_Bar);
    if (pane == nullptr)
        return;
    CGTMiniFrameWnd* frame = pane->GetParentMiniFrame();
    if (frame == nullptr) {
        CGTSlider* slider = pane->GetDefaultSliderObject();
        if (slider == nullptr) {
            m_floating.StoreDockInfo(nullptr, pane);
            m_hRecentMiniFrame = nullptr;
            return;
        }
        m_docked.StoreDockInfo(iContainer, pane, iTabbedPane);
        pane->GetParent()->ScreenToClient(&m_docked.m_rectPane);
        m_hRecentSlider = slider->GetSafeHwnd();
        m_dwRecentSide = slider->GetCurrentAlignment();
        return;
    }
    const HWND previous = m_hRecentMiniFrame;
    m_hRecentMiniFrame = frame->GetSafeHwnd();
    m_floating.StoreDockInfo(iContainer, pane, iTabbedPane);
    frame->ScreenToClient(&m_floating.m_rectPane);
    frame->GetWindowRect(&m_rectRecentFloat);
    if (previous != nullptr && previous != m_hRecentMiniFrame && ::IsWindow(previous))
        ::PostMessageW(previous, GTMSG_CHECKEMPTYMINIFRAME, 0, 0);
}

void CGTRecentDockInfo::CopyFrom(BOOL iFloatingPart, const CGTRecentDockInfo& iOther)
{
    if (!iFloatingPart) {
        m_rectRecentFloat = iOther.m_rectRecentFloat;
        m_hRecentMiniFrame = iOther.m_hRecentMiniFrame;
        m_floating.CopyFrom(iOther.m_floating);
    } else {
        m_dwRecentSide = iOther.m_dwRecentSide;
        m_hRecentSlider = iOther.m_hRecentSlider;
        m_docked.CopyFrom(iOther.m_docked);
    }
}

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
