#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/GTDockingGeometry.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <algorithm>

IMPLEMENT_DYNCREATE(CGTBarContainerManager, CObject)

int CGTBarContainerManager::s_NextSliderId = 1;

using namespace GTGeometry;

namespace {
CGTDockingControlBar* BarAt(POSITION iPosition, const CObList& iList)
{
    return static_cast<CGTDockingControlBar*>(iList.GetAt(iPosition));
}
}  // namespace

CGTBarContainerManager::CGTBarContainerManager()
    : m_Bars(10), m_Sliders(10), m_Root(nullptr), m_ContainerClass(nullptr), m_DefaultSlider(nullptr), m_OwnsTree(TRUE),
      m_DockSite(nullptr)
{
}

CGTBarContainerManager::~CGTBarContainerManager()
{
    if (!m_OwnsTree)
        return;
    for (POSITION at = m_Sliders.GetHeadPosition(); at != nullptr;)
        static_cast<CGTSlider*>(m_Sliders.GetNext(at))->SetContainerManager(nullptr);
    delete m_Root;
}

BOOL CGTBarContainerManager::Create(CWnd* iDockSite, CGTSlider* iDefaultSlider, CRuntimeClass* iContainerClass)
{
    m_DockSite = iDockSite;
    m_DefaultSlider = iDefaultSlider;
    m_ContainerClass = iContainerClass;
    m_Root = CreateNode(nullptr, nullptr, nullptr);
    return TRUE;
}

CGTBarContainer* CGTBarContainerManager::CreateNode(CGTDockingControlBar* iLeft, CGTDockingControlBar* iRight,
                                                    CGTSlider* iSlider) const
{
    auto* node =
        m_ContainerClass != nullptr ? DYNAMIC_DOWNCAST(CGTBarContainer, m_ContainerClass->CreateObject()) : nullptr;
    if (node == nullptr)
        node = new CGTBarContainer;
    node->SetContainerManager(const_cast<CGTBarContainerManager*>(this), FALSE);
    node->m_LeftBar = iLeft;
    node->m_RightBar = iRight;
    node->m_Slider = iSlider;
    return node;
}

void CGTBarContainerManager::AddToBarList(CGTDockingControlBar* iBar)
{
    m_Bars.AddTail(iBar);
}

void CGTBarContainerManager::AddSlider(CGTSlider* iSlider)
{
    m_Sliders.AddTail(iSlider);
}

BOOL CGTBarContainerManager::IsInBarList(const CGTDockingControlBar* iBar) const
{
    return m_Bars.Find(const_cast<CGTDockingControlBar*>(iBar)) != nullptr;
}

void CGTBarContainerManager::AddControlBar(CGTDockingControlBar* iBar)
{
    if (m_Root == nullptr)
        return;
    m_Root->SetBar(iBar, TRUE);
    m_Bars.AddTail(iBar);
}

BOOL CGTBarContainerManager::InsertControlBar(CGTDockingControlBar* iNew, CGTDockingControlBar* iTarget,
                                              DWORD iAlignment)
{
    return AddControlBarAndSlider(iTarget, iNew, iAlignment);
}

BOOL CGTBarContainerManager::IsRightToLeft() const
{
    return m_DockSite != nullptr && (m_DockSite->GetExStyle() & WS_EX_LAYOUTRTL) != 0;
}

void CGTBarContainerManager::SplitRectForDocking(CRect& ioContainer, CRect& ioNew, CRect& oSlider, DWORD& oSliderStyle,
                                                 DWORD iAlignment, int iMinWidth, int iMinHeight)
{
    const int thickness = CGTSlider::s_DefaultThickness;
    ioNew.right = std::max<LONG>(ioNew.right, ioNew.left + iMinWidth);
    ioNew.bottom = std::max<LONG>(ioNew.bottom, ioNew.top + iMinHeight);
    // Along the slider's axis: y for a top or bottom side, x for a left or right one.
    const BOOL vertical = IsHorizontalSide(iAlignment);
    oSliderStyle = vertical ? CGTSlider::horizontalStyle : CGTSlider::verticalStyle;
    const int size = std::min(Extent(ioNew, vertical), Extent(ioContainer, vertical) / 2);
    ioNew = ioContainer;
    oSlider = ioContainer;
    if (iAlignment & (GTSideRight | GTSideBottom)) {
        Near(ioNew, vertical) = Far(ioNew, vertical) - size;
        Far(ioContainer, vertical) = Near(ioNew, vertical) - thickness;
        Near(oSlider, vertical) = Far(ioContainer, vertical);
        Far(oSlider, vertical) = Near(ioNew, vertical);
    } else {
        Far(ioNew, vertical) = Near(ioNew, vertical) + size;
        Near(ioContainer, vertical) = Far(ioNew, vertical) + thickness;
        Near(oSlider, vertical) = Far(ioNew, vertical);
        Far(oSlider, vertical) = Near(ioContainer, vertical);
    }
}

BOOL CGTBarContainerManager::AddControlBarAndSlider(CGTDockingControlBar* iTarget, CGTDockingControlBar* iNew,
                                                    DWORD iAlignment)
{
    if (!IsInBarList(iTarget) || m_Root == nullptr || m_DockSite == nullptr)
        return FALSE;
    DWORD alignment = iAlignment & GTSideAny;
    if (IsRightToLeft() && (alignment & (GTSideLeft | GTSideRight)))
        alignment ^= GTSideLeft | GTSideRight;
    CRect target = WindowRect(iTarget);
    CRect added = WindowRect(iNew);
    m_DockSite->ScreenToClient(&target);
    added.OffsetRect(target.TopLeft() - added.TopLeft());
    CRect slider;
    DWORD sliderStyle = 0;
    const CSize minimum = iNew->GetStoredSize();
    SplitRectForDocking(target, added, slider, sliderStyle, alignment, minimum.cx, minimum.cy);
    constexpr UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    iTarget->SetWindowPos(nullptr, target.left, target.top, target.Width(), target.Height(), flags);
    iNew->SetWindowPos(nullptr, added.left, added.top, added.Width(), added.Height(), flags);
    CGTSlider* created = CreateSlider(slider, sliderStyle);
    if (created == nullptr)
        return FALSE;
    const BOOL newFirst = (alignment & (GTSideLeft | GTSideTop)) != 0;
    CGTBarContainer* node = CreateNode(newFirst ? iNew : iTarget, newFirst ? iTarget : iNew, created);
    m_Root->InsertContainer(node, !newFirst);
    POSITION at = m_Bars.Find(iTarget);
    if (newFirst)
        m_Bars.InsertBefore(at, iNew);
    else
        m_Bars.InsertAfter(at, iNew);
    return TRUE;
}

BOOL CGTBarContainerManager::AddContainerToBar(CGTDockingControlBar* iBar, CGTBarContainer* iContainer,
                                               DWORD iAlignment)
{
    if (m_Root == nullptr || m_DockSite == nullptr)
        return FALSE;
    CRect bar = WindowRect(iBar);
    m_DockSite->ScreenToClient(&bar);
    CRect tree;
    iContainer->GetContainerRect(tree, FALSE);
    m_DockSite->ScreenToClient(&tree);
    tree.OffsetRect(bar.TopLeft() - tree.TopLeft());
    CSize minimum;
    iContainer->GetMinSize(minimum);
    CRect slider;
    DWORD sliderStyle = 0;
    DWORD alignment = iAlignment & GTSideAny;
    if (IsRightToLeft() && (alignment & (GTSideLeft | GTSideRight)))
        alignment ^= GTSideLeft | GTSideRight;
    SplitRectForDocking(bar, tree, slider, sliderStyle, alignment, minimum.cx, minimum.cy);
    iBar->SetWindowPos(nullptr, bar.left, bar.top, bar.Width(), bar.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    HDWP none = nullptr;
    iContainer->ResizeContainer(tree, none, TRUE);
    CGTSlider* created = CreateSlider(slider, sliderStyle);
    if (created == nullptr)
        return FALSE;
    const BOOL treeFirst = (alignment & (GTSideLeft | GTSideTop)) != 0;
    CGTBarContainer* node = CreateNode(treeFirst ? nullptr : iBar, treeFirst ? iBar : nullptr, created);
    node->SetContainer(iContainer, treeFirst);
    m_Root->InsertContainer(node, node->m_LeftBar == iBar);
    return TRUE;
}

CGTSlider* CGTBarContainerManager::CreateSlider(CRect iRect, DWORD iStyle, int iId)
{
    auto* slider = DYNAMIC_DOWNCAST(CGTSlider, CGTSlider::s_SliderClass->CreateObject());
    if (slider == nullptr)
        return nullptr;
    slider->Init(FALSE);
    int id = iId;
    if (id == -1)
        id = s_NextSliderId++;
    else if (id >= s_NextSliderId)
        s_NextSliderId = id + 1;
    for (POSITION at = m_Sliders.GetHeadPosition(); at != nullptr;) {
        if (static_cast<CGTSlider*>(m_Sliders.GetNext(at))->GetDlgCtrlID() == id)
            id = s_NextSliderId++;
    }
    if (!slider->CreateEx(0, iStyle, iRect, m_DockSite, static_cast<UINT>(id))) {
        delete slider;
        return nullptr;
    }
    slider->ShowWindow(SW_SHOW);
    slider->SetContainerManager(this);
    m_Sliders.AddTail(slider);
    return slider;
}

void CGTBarContainerManager::OnSliderMove(CGTSlider* iSlider, UINT, int iOffset, HDWP& ioDefer)
{
    if (m_Root == nullptr)
        return;
    if (iSlider != m_DefaultSlider) {
        if (CGTBarContainer* node = m_Root->FindSubContainer(iSlider, 2))
            node->MoveSlider(iOffset, ioDefer);
        return;
    }
    CRect rect;
    m_Root->GetContainerRect(rect, FALSE);
    m_DockSite->ScreenToClient(&rect);
    CSize minimum;
    m_Root->GetMinSize(minimum);
    const BOOL rightToLeft = IsRightToLeft();
    switch (m_DefaultSlider->GetCurrentAlignment() & GTSideAny) {
    case GTSideBottom:
        rect.top = std::min<LONG>(rect.top + iOffset, rect.bottom - minimum.cy);
        break;
    case GTSideTop:
        rect.bottom = std::max<LONG>(rect.bottom + iOffset, rect.top + minimum.cy);
        break;
    case GTSideRight:
        if (rightToLeft)
            rect.right = std::max<LONG>(rect.right + iOffset, rect.left + minimum.cx);
        else
            rect.left = std::min<LONG>(rect.left + iOffset, rect.right - minimum.cx);
        break;
    default:
        if (rightToLeft)
            rect.left = std::min<LONG>(rect.left + iOffset, rect.right - minimum.cx);
        else
            rect.right = std::max<LONG>(rect.right + iOffset, rect.left + minimum.cx);
        break;
    }
    m_Root->ResizeContainer(rect, ioDefer, TRUE);
}

CGTDockManager* CGTBarContainerManager::GetDockManager() const
{
    CWnd* site = m_DefaultSlider != nullptr ? m_DefaultSlider->GetParent() : m_DockSite;
    return GetDockManagerOfFrame(site);
}

void CGTBarContainerManager::GetMinMaxOffset(CGTSlider* iSlider, int& oMinOffset, int& oMaxOffset, int& oStep)
{
    oMinOffset = 0;
    oMaxOffset = 0;
    oStep = -1;
    if (m_Root == nullptr || iSlider == nullptr)
        return;
    if (iSlider != m_DefaultSlider) {
        CGTBarContainer* node = m_Root->FindSubContainer(iSlider, 2);
        if (node == nullptr)
            return;
        CRect rect;
        node->GetContainerRect(rect, FALSE);
        CSize leftMin, rightMin;
        node->GetLeftMinSize(leftMin);
        node->GetRightMinSize(rightMin);
        const CRect slider = WindowRect(iSlider);
        if (iSlider->IsHorizontal()) {
            oMinOffset = rect.top + leftMin.cy - slider.top + 1;
            oMaxOffset = rect.bottom - rightMin.cy - slider.bottom - 1;
        } else {
            oMinOffset = rect.left + leftMin.cx - slider.left;
            oMaxOffset = rect.right - rightMin.cx - slider.right - 1;
        }
        oStep = node->GetResizeStep();
        return;
    }
    CRect group;
    m_Root->GetContainerRect(group, FALSE);
    CSize minimum;
    m_Root->GetMinSize(minimum);
    CRect free(0, 0, 0, 0);
    if (CGTDockManager* manager = GetDockManager()) {
        manager->GetClientAreaBounds(free);
        if (CWnd* frame = manager->GetOwnerFrame())
            frame->ClientToScreen(&free);
    }
    free.DeflateRect(s_DefaultSliderMargin, s_DefaultSliderMargin);
    const CRect slider = WindowRect(iSlider);
    // The group keeps its minimum; the free area its margin.
    switch (iSlider->GetCurrentAlignment() & GTSideAny) {
    case GTSideTop:
        oMinOffset = group.top + minimum.cy - slider.top;
        oMaxOffset = free.bottom - slider.bottom;
        break;
    case GTSideBottom:
        oMinOffset = free.top - slider.top;
        oMaxOffset = group.bottom - minimum.cy - slider.bottom;
        break;
    case GTSideRight:
        oMinOffset = free.left - slider.left;
        oMaxOffset = group.right - minimum.cx - slider.right;
        break;
    default:
        oMinOffset = group.left + minimum.cx - slider.left;
        oMaxOffset = free.right - slider.right;
        break;
    }
    oMinOffset = std::min(oMinOffset + 1, 0);
    oMaxOffset = std::max(oMaxOffset - 1, 0);
    oStep = m_Root->GetResizeStep();
}

void CGTBarContainerManager::GetWindowRect(CRect& oRect) const
{
    oRect.SetRectEmpty();
    if (m_Root != nullptr)
        m_Root->GetContainerRect(oRect, FALSE);
}

void CGTBarContainerManager::GetAvailableSpace(CRect& oRect) const
{
    CRect whole;
    GetWindowRect(whole);
    CRect used(0, 0, 0, 0);
    for (const CObList* list : {&m_Bars, &m_Sliders}) {
        for (POSITION at = list->GetHeadPosition(); at != nullptr;) {
            const CRect rect = WindowRect(static_cast<CWnd*>(list->GetNext(at)));
            used.UnionRect(&used, &rect);
        }
    }
    oRect.SubtractRect(&whole, &used);
}

BOOL CGTBarContainerManager::RemoveControlBarFromContainer(CGTDockingControlBar* iBar)
{
    if (m_Root == nullptr)
        return FALSE;
    BOOL left = FALSE;
    CGTBarContainer* node = FindContainerByBar(iBar, left);
    if (node == nullptr)
        return FALSE;
    node->DeleteControlBar(iBar, left ? 0 : 1);
    m_Root->CheckSliderVisibility();
    if (node->m_Slider != nullptr)
        node->m_Slider->ShowWindow(SW_HIDE);
    if (POSITION at = m_Bars.Find(iBar)) {
        CObList neighbours;
        for (POSITION each = m_Bars.GetHeadPosition(); each != nullptr;)
            neighbours.AddTail(m_Bars.GetNext(each));
        const BOOL floating = DYNAMIC_DOWNCAST(CGTMiniFrameWnd, m_DockSite) != nullptr;
        iBar->GetRecentDockInfo().SetRecentList(neighbours, !floating);
        m_Bars.RemoveAt(at);
    }
    return TRUE;
}

void CGTBarContainerManager::ResizeBarContainers(CRect iRect, HDWP& ioDefer)
{
    if (m_Root != nullptr)
        m_Root->ResizeContainer(iRect, ioDefer, FALSE);
}

void CGTBarContainerManager::StretchBarContainers(int iDirection, BOOL iGrow, int iOffset, HDWP& ioDefer)
{
    if (m_Root != nullptr)
        m_Root->StretchContainer(iGrow ? iOffset : -iOffset, iDirection == 1 || iDirection == 2, TRUE, TRUE, ioDefer);
}

BOOL CGTBarContainerManager::ReplaceControlBar(CGTDockingControlBar* iOld, CGTDockingControlBar* iNew)
{
    BOOL left = FALSE;
    if (CGTBarContainer* node = FindContainerByBar(iOld, left))
        node->SetBar(iNew, left);
    if (POSITION at = m_Bars.Find(iOld)) {
        m_Bars.InsertAfter(at, iNew);
        m_Bars.RemoveAt(at);
    } else {
        m_Bars.AddTail(iNew);
    }
    return TRUE;
}

BOOL CGTBarContainerManager::CheckAndGetVisibility()
{
    if (m_Root == nullptr)
        return FALSE;
    m_Root->CheckSliderVisibility();
    return IsRootContainerVisible();
}

BOOL CGTBarContainerManager::IsRootContainerVisible() const
{
    return m_Root != nullptr && m_Root->IsContainerVisible();
}

void CGTBarContainerManager::GetMinSize(CSize& oSize) const
{
    oSize = CSize(0, 0);
    if (m_Root != nullptr)
        m_Root->GetMinSize(oSize);
}

int CGTBarContainerManager::GetVisibleBarCount() const
{
    int count = 0;
    for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;)
        count += IsShown(static_cast<CWnd*>(m_Bars.GetNext(at))) ? 1 : 0;
    return count;
}

void CGTBarContainerManager::EnableGrippers(BOOL iEnable)
{
    for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;)
        static_cast<CGTDockingControlBar*>(m_Bars.GetNext(at))->EnableGripper(iEnable);
}

void CGTBarContainerManager::HideAll()
{
    for (const CObList* list : {&m_Bars, &m_Sliders}) {
        for (POSITION at = list->GetHeadPosition(); at != nullptr;)
            static_cast<CWnd*>(list->GetNext(at))->ShowWindow(SW_HIDE);
    }
}

BOOL CGTBarContainerManager::CanFloat() const
{
    for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;) {
        if (static_cast<CGTDockingControlBar*>(m_Bars.GetNext(at))->CanFloat())
            return TRUE;
    }
    return FALSE;
}

BOOL CGTBarContainerManager::IsAnyBarQueryTrue() const
{
    for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;) {
        if (static_cast<CGTDockingControlBar*>(m_Bars.GetNext(at))->AllowsInsertBefore())
            return TRUE;
    }
    return FALSE;
}

CGTDockingControlBar* CGTBarContainerManager::ControlBarFromPoint(CPoint iScreenPoint, int iSensitivity, BOOL iExactBar,
                                                                  BOOL& oIsTabArea, BOOL& oCaption)
{
    oIsTabArea = FALSE;
    oCaption = FALSE;
    for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;) {
        CGTDockingControlBar* bar = BarAt(at, m_Bars);
        m_Bars.GetNext(at);
        CRect top, bottom;
        bar->GetTabAreaRects(top, bottom);
        if (top.PtInRect(iScreenPoint) || bottom.PtInRect(iScreenPoint)) {
            oIsTabArea = TRUE;
            return bar;
        }
        if (bar->HitTestCaption(iScreenPoint, TRUE) == HTCAPTION) {
            oCaption = TRUE;
            return bar;
        }
        CRect body = WindowRect(bar);
        body.top += bar->GetCaptionHeight() + top.Height();
        body.bottom -= bottom.Height();
        if (!body.PtInRect(iScreenPoint))
            continue;
        CRect inner = body;
        inner.DeflateRect(iSensitivity, iSensitivity);
        if (iSensitivity == 0 || !inner.PtInRect(iScreenPoint))
            return bar;
    }
    if (iExactBar)
        return nullptr;
    for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;) {
        CGTDockingControlBar* bar = BarAt(at, m_Bars);
        m_Bars.GetNext(at);
        CRect rect = WindowRect(bar);
        rect.InflateRect(iSensitivity, iSensitivity);
        if (rect.PtInRect(iScreenPoint))
            return bar;
    }
    return nullptr;
}

BOOL CGTBarContainerManager::DoesPointHitCaption(CPoint iPoint, CGTDockingControlBar*& oBar)
{
    oBar = nullptr;
    auto* frame = DYNAMIC_DOWNCAST(CGTMultiMiniFrameWnd, m_DockSite);
    if (frame == nullptr || GetVisibleBarCount() > 1)
        return FALSE;
    CRect borders;
    frame->GetBorderSize(borders);
    CRect caption;
    frame->CaptionRectangle(caption);
    // From the frame's client coordinates to its window's.
    const CPoint point = iPoint + CSize(borders.left, borders.top + frame->GetCaptionHeight());
    if (!caption.PtInRect(point))
        return FALSE;
    oBar = GetFirstVisibleBar();
    return oBar != nullptr;
}

CGTDockingControlBar* CGTBarContainerManager::GetFirstControlBar() const
{
    return m_Bars.IsEmpty() ? nullptr : static_cast<CGTDockingControlBar*>(m_Bars.GetHead());
}

CWnd* CGTBarContainerManager::GetDockSite() const
{
    return m_DockSite;
}

CGTDockingControlBar* CGTBarContainerManager::GetFirstVisibleBar() const
{
    for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;) {
        auto* bar = static_cast<CGTDockingControlBar*>(m_Bars.GetNext(at));
        if (IsShown(bar))
            return bar;
    }
    return nullptr;
}

BOOL CGTBarContainerManager::AreAllBarsQueryTrue() const
{
    for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;) {
        if (!static_cast<CGTDockingControlBar*>(m_Bars.GetNext(at))->CanBeTabbed())
            return FALSE;
    }
    return TRUE;
}

void CGTBarContainerManager::SetBarsState(BOOL iKeepOpen)
{
    for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;)
        static_cast<CGTDockingControlBar*>(m_Bars.GetNext(at))->SetKeepOpen(iKeepOpen);
}

void CGTBarContainerManager::RemoveSlider(CGTSlider* iSlider)
{
    if (POSITION at = m_Sliders.Find(iSlider))
        m_Sliders.RemoveAt(at);
    iSlider->SetContainerManager(nullptr);
    if (m_Root != nullptr) {
        if (CGTBarContainer* node = m_Root->FindSubContainer(iSlider, 2))
            node->m_Slider = nullptr;
    }
}

void CGTBarContainerManager::StoreRecentDockInfo(CGTDockingControlBar* iBar)
{
    BOOL left = FALSE;
    if (CGTBarContainer* node = FindContainerByBar(iBar, left))
        node->StoreRecentDockInfo(iBar);
}

CGTBarContainer* CGTBarContainerManager::FindContainerByBar(CGTDockingControlBar* iBar, BOOL& oLeftBar)
{
    oLeftBar = FALSE;
    if (m_Root == nullptr)
        return nullptr;
    if (CGTBarContainer* node = m_Root->FindSubContainer(iBar, 0)) {
        oLeftBar = TRUE;
        return node;
    }
    return m_Root->FindSubContainer(iBar, 1);
}

CGTDockingControlBar* CGTBarContainerManager::FindTabbedBarByTabID(int iId) const
{
    return m_Root != nullptr ? m_Root->FindTabbedBarByTabID(iId) : nullptr;
}

int CGTBarContainerManager::GetNodeCount() const
{
    return m_Root != nullptr ? m_Root->GetNodeCount() : 0;
}

int CGTBarContainerManager::GetTotalReferenceCount() const
{
    return m_Root != nullptr ? m_Root->GetTotalReferenceCount() : 0;
}

void CGTBarContainerManager::CheckDefaultSlider()
{
    if (m_DefaultSlider != nullptr)
        m_DefaultSlider->RemoveSelf();
}

void CGTBarContainerManager::RemoveNonValidBars()
{
    if (m_Root != nullptr)
        m_Root->RemoveNonValidBars();
}

BOOL CGTBarContainerManager::IsValidBar(const CGTDockingControlBar* iBar) const
{
    return iBar != nullptr && IsInBarList(iBar) && ::IsWindow(iBar->GetSafeHwnd());
}

void CGTBarContainerManager::CollectVisible(CObList& oBars, CObList& oSliders) const
{
    for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;) {
        CObject* bar = m_Bars.GetNext(at);
        if (IsShown(static_cast<CWnd*>(bar)))
            oBars.AddTail(bar);
    }
    for (POSITION at = m_Sliders.GetHeadPosition(); at != nullptr;) {
        CObject* slider = m_Sliders.GetNext(at);
        if (IsShown(static_cast<CWnd*>(slider)))
            oSliders.AddTail(slider);
    }
}

void CGTBarContainerManager::RemoveVisibleFromLists()
{
    for (CObList* list : {&m_Bars, &m_Sliders}) {
        for (POSITION at = list->GetHeadPosition(); at != nullptr;) {
            const POSITION here = at;
            if (IsShown(static_cast<CWnd*>(list->GetNext(at))))
                list->RemoveAt(here);
        }
    }
}
