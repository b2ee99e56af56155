#include <guitoolkit/docking/CGTSlider.h>
#include <algorithm>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitLibrary.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/GTDockingGeometry.h>
#include <afxres.h>

IMPLEMENT_DYNCREATE(CGTSlider, CGTBaseControlBar)

CRuntimeClass* CGTSlider::s_ContainerManagerClass = RUNTIME_CLASS(CGTBarContainerManager);
CRuntimeClass* CGTSlider::s_SliderClass = RUNTIME_CLASS(CGTSlider);

BEGIN_MESSAGE_MAP(CGTSlider, CGTBaseControlBar)
    ON_WM_CREATE()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CANCELMODE()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {
// The split cursors of the framework, loaded once for the process.
HCURSOR SplitCursor(BOOL iHorizontal)
{
    static HCURSOR cursors[2] = {nullptr, nullptr};
    HCURSOR& cursor = cursors[iHorizontal ? 1 : 0];
    if (cursor == nullptr) {
        LPCWSTR name = MAKEINTRESOURCEW(iHorizontal ? AFX_IDC_VSPLITBAR : AFX_IDC_HSPLITBAR);
        cursor = ::LoadCursorW(AfxFindResourceHandle(name, reinterpret_cast<LPCWSTR>(RT_GROUP_CURSOR)), name);
        if (cursor == nullptr)
            cursor = ::LoadCursorW(nullptr, iHorizontal ? IDC_SIZENS : IDC_SIZEWE);
    }
    return cursor;
}
}  // namespace

CGTSlider::CGTSlider()
    : m_SliderId(0), m_SliderStyle(0), m_Thickness(0), m_Tracking(FALSE), m_DefaultSlider(FALSE),
      m_AutoHideSlider(FALSE), m_MinOffset(0), m_MaxOffset(0), m_Step(-1), m_TrackRect(0, 0, 0, 0),
      m_LimitRect(0, 0, 0, 0), m_ContainerManager(nullptr), m_OwnerWindow(nullptr)
{
}

CGTSlider::~CGTSlider() = default;

BOOL CGTSlider::IsHorizontal() const
{
    return (m_SliderStyle & horizontalStyle) != 0;
}

BOOL CGTSlider::AllowsInsertBefore() const
{
    return m_ContainerManager == nullptr || m_ContainerManager->IsAnyBarQueryTrue();
}

CSize CGTSlider::GetStretchLimit(BOOL, BOOL)
{
    CRect window;
    GetWindowRect(&window);
    CRect group(0, 0, 0, 0);
    if (m_ContainerManager != nullptr)
        m_ContainerManager->GetWindowRect(group);
    return window.Size() + group.Size();
}

void CGTSlider::Init(BOOL iDefaultSlider, CWnd* iOwner)
{
    m_DefaultSlider = iDefaultSlider;
    m_OwnerWindow = iOwner;
}

BOOL CGTSlider::Create(DWORD iSliderStyle, const RECT& iRect, CWnd* iParent, UINT iId, CCreateContext* iContext)
{
    return CreateEx(0, iSliderStyle, iRect, iParent, iId, iContext);
}

BOOL CGTSlider::CreateEx(DWORD iExStyle, DWORD iSliderStyle, const RECT& iRect, CWnd* iParent, UINT iId,
                         CCreateContext* iContext)
{
    m_SliderId = iId;
    m_SliderStyle = iSliderStyle;
    const CRect rect(iRect);
    m_Thickness = (iSliderStyle & verticalStyle) ? rect.Width() : rect.Height();
    if (m_DefaultSlider && m_ContainerManager == nullptr) {
        m_ContainerManager = DYNAMIC_DOWNCAST(CGTBarContainerManager, s_ContainerManagerClass->CreateObject());
        if (m_ContainerManager != nullptr)
            m_ContainerManager->Create(iParent, this);
    }
    SetOwnerFrame(iParent != nullptr && iParent->IsFrameWnd() ? iParent : GetOwningFrameWindow(iParent));
    const DWORD windowStyle =
        (iSliderStyle & ~(horizontalStyle | verticalStyle)) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CWnd::CreateEx(iExStyle, RegisterLibraryWindowClass(L"VADESlider"), L"", windowStyle, rect, iParent, iId,
                          iContext);
}

CGTSlider* CGTSlider::CreateDefaultSlider(DWORD iAlignment, CWnd* iParent, CRuntimeClass* iClass)
{
    CRuntimeClass* sliderClass = iClass != nullptr ? iClass : s_SliderClass;
    auto* slider = DYNAMIC_DOWNCAST(CGTSlider, sliderClass->CreateObject());
    if (slider == nullptr)
        return nullptr;
    slider->Init(TRUE);
    const DWORD style = (iAlignment & (GTSideLeft | GTSideRight)) ? verticalStyle : horizontalStyle;
    if (!slider->CreateEx(0, style | WS_VISIBLE, CRect(0, 0, s_DefaultThickness, s_DefaultThickness), iParent,
                          static_cast<UINT>(-1))) {
        delete slider->m_ContainerManager;
        delete slider;
        return nullptr;
    }
    slider->SetAlignment(iAlignment);
    return slider;
}

int CGTSlider::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTBaseControlBar::OnCreate(iCreate) == -1)
        return -1;
    SplitCursor(TRUE);
    SplitCursor(FALSE);
    return 0;
}

BOOL CGTSlider::OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage)
{
    if (iHitTest != HTCLIENT)
        return CGTBaseControlBar::OnSetCursor(iWindow, iHitTest, iMessage);
    ::SetCursor(SplitCursor(IsHorizontal()));
    return TRUE;
}

void CGTSlider::OnLButtonDown(UINT, CPoint)
{
    if (m_Tracking)
        return;
    m_Tracking = TRUE;
    SetCapture();
    m_TrackRect = m_LimitRect = GTGeometry::WindowRect(this);
    const CSize frame(m_Thickness / 2, m_Thickness / 2);
    CGTScreenDrawing::Current().DrawDragRect(&m_TrackRect, frame, nullptr, frame);
    if (m_ContainerManager == nullptr)
        return;
    m_ContainerManager->GetMinMaxOffset(this, m_MinOffset, m_MaxOffset, m_Step);
    const CRect window = GTGeometry::WindowRect(this);
    if (IsHorizontal()) {
        m_LimitRect.top = window.top + m_MinOffset;
        m_LimitRect.bottom = window.bottom + m_MaxOffset;
    } else {
        m_LimitRect.left = window.left + m_MinOffset;
        m_LimitRect.right = window.right + m_MaxOffset;
    }
    m_ContainerManager->SetBarsState(TRUE);
}

void CGTSlider::OnMouseMove(UINT, CPoint iPoint)
{
    if (!m_Tracking)
        return;
    ClientToScreen(&iPoint);
    CRect rect = m_TrackRect;
    if (IsHorizontal()) {
        rect.top = iPoint.y - m_Thickness / 2;
        rect.bottom = rect.top + m_Thickness;
        if (rect.top < m_LimitRect.top)
            rect.OffsetRect(0, m_LimitRect.top - rect.top);
        if (rect.bottom > m_LimitRect.bottom)
            rect.OffsetRect(0, m_LimitRect.bottom - rect.bottom);
    } else {
        rect.left = iPoint.x - m_Thickness / 2;
        rect.right = rect.left + m_Thickness;
        if (rect.left < m_LimitRect.left)
            rect.OffsetRect(m_LimitRect.left - rect.left, 0);
        if (rect.right > m_LimitRect.right)
            rect.OffsetRect(m_LimitRect.right - rect.right, 0);
    }
    const CSize frame(m_Thickness / 2, m_Thickness / 2);
    CGTScreenDrawing::Current().DrawDragRect(&rect, frame, &m_TrackRect, frame);
    m_TrackRect = rect;
}

void CGTSlider::OnLButtonUp(UINT, CPoint)
{
    StopTracking(TRUE);
}

void CGTSlider::OnCancelMode()
{
    CGTBaseControlBar::OnCancelMode();
    StopTracking(FALSE);
}

void CGTSlider::StopTracking(BOOL iMove)
{
    if (!m_Tracking)
        return;
    const CRect window = GTGeometry::WindowRect(this);
    const CPoint offset = m_TrackRect.TopLeft() - window.TopLeft();
    const CRect none(0, 0, 0, 0);
    const CSize frame(m_Thickness / 2, m_Thickness / 2);
    CGTScreenDrawing::Current().DrawDragRect(&none, CSize(0, 0), &m_TrackRect, frame);
    // Cleared first: releasing the capture sends WM_CANCELMODE back here.
    m_Tracking = FALSE;
    if (iMove)
        Move(IsHorizontal() ? offset.y : offset.x);
    m_TrackRect.SetRectEmpty();
    ::ReleaseCapture();
    if (m_ContainerManager != nullptr)
        m_ContainerManager->SetBarsState(FALSE);
}

void CGTSlider::Move(int iOffset)
{
    CRect rect = GTGeometry::WindowRect(this);
    CWnd* parent = GetParent();
    parent->ScreenToClient(&rect);
    int delta = iOffset;
    if (!IsHorizontal() && (parent->GetExStyle() & WS_EX_LAYOUTRTL))
        delta = -delta;
    if (IsHorizontal())
        rect.OffsetRect(0, delta);
    else
        rect.OffsetRect(delta, 0);
    if (m_ContainerManager != nullptr) {
        HDWP defer = ::BeginDeferWindowPos(50);
        m_ContainerManager->OnSliderMove(this, 0, delta, defer);
        if (defer != nullptr)
            ::EndDeferWindowPos(defer);
    }
    AdjustLayout();
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGTSlider::RepositionInRect(CRect iScreenRect, HDWP& ioDefer)
{
    CRect band = iScreenRect;
    CRect rest = iScreenRect;
    switch (GetCurrentAlignment() & GTSideAny) {
    case GTSideRight:
        band.right = band.left + m_Thickness;
        rest.left = band.right;
        break;
    case GTSideBottom:
        band.bottom = band.top + m_Thickness;
        rest.top = band.bottom;
        break;
    case GTSideTop:
        band.top = band.bottom - m_Thickness;
        rest.bottom = band.top;
        break;
    default:
        band.left = band.right - m_Thickness;
        rest.right = band.left;
        break;
    }
    CWnd* parent = GetParent();
    parent->ScreenToClient(&band);
    parent->ScreenToClient(&rest);
    ioDefer = MoveToRectInParent(band, TRUE, ioDefer);
    if (m_ContainerManager != nullptr)
        m_ContainerManager->ResizeBarContainers(rest, ioDefer);
}

void CGTSlider::OnPaint()
{
    CPaintDC paint(this);
    CGTMemDC memory(paint, this);
    CRect client;
    GetClientRect(&client);
    CGTVisualManager::GetCurrent()->DrawSlider(&memory.GetDC(), this, client, m_AutoHideSlider);
}

BOOL CGTSlider::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTSlider::OnNcDestroy()
{
    // The manager forgets the slider by clearing the slider's pointer to it.
    if (CGTBarContainerManager* manager = m_ContainerManager) {
        manager->RemoveSlider(this);
        if (m_DefaultSlider)
            delete manager;
        m_ContainerManager = nullptr;
    }
    CGTBaseControlBar::OnNcDestroy();
    delete this;
}

void CGTSlider::AddControlBar(CGTDockingControlBar* iPane)
{
    if (m_ContainerManager != nullptr)
        m_ContainerManager->AddControlBar(iPane);
    CheckVisibility();
}

CGTDockingControlBar* CGTSlider::AddRecentControlBar(CGTDockingControlBar* iPane)
{
    if (m_ContainerManager == nullptr)
        return nullptr;
    CGTRecentDockInfo& recent = iPane->GetRecentDockInfo();
    CGTBarContainer* container = nullptr;
    for (CGTRecentContainerInfo* info : {&recent.m_docked, &recent.m_floating}) {
        container = info->m_pContainer != nullptr ? info->m_pContainer : info->m_pTabbedContainer;
        if (container != nullptr)
            break;
    }
    if (container == nullptr)
        return nullptr;
    CGTDockingControlBar* placed = m_ContainerManager->AddControlBarToRecentContainer(iPane, container);
    CheckVisibility();
    return placed;
}

BOOL CGTSlider::InsertControlBar(CGTDockingControlBar* iPane, CGTDockingControlBar* iTarget, DWORD iAlignment, LPCRECT)
{
    if (m_ContainerManager == nullptr)
        return FALSE;
    const BOOL inserted = m_ContainerManager->InsertControlBar(iPane, iTarget, iAlignment);
    CheckVisibility();
    return inserted;
}

BOOL CGTSlider::AttachControlBar(CGTDockingControlBar* iFirst, CGTDockingControlBar* iPane)
{
    if (m_ContainerManager == nullptr)
        return FALSE;
    if (iPane->GetDefaultSlider() != m_hWnd) {
        if (auto* previous = DYNAMIC_DOWNCAST(CGTSlider, CWnd::FromHandlePermanent(iPane->GetDefaultSlider())))
            previous->RemoveControlBar(iPane);
        iPane->SetDefaultSlider(m_hWnd);
    }
    const BOOL replaced = m_ContainerManager->ReplaceControlBar(iFirst, iPane);
    CheckVisibility();
    return replaced;
}

void CGTSlider::RemoveControlBar(CGTDockingControlBar* iPane)
{
    if (m_ContainerManager == nullptr)
        return;
    m_ContainerManager->RemoveControlBarFromContainer(iPane);
    const BOOL namedByPane = iPane->GetRecentDockInfo().m_hRecentSlider == m_hWnd;
    if (m_ContainerManager->IsEmpty() && m_ContainerManager->GetTotalReferenceCount() == 0 && !namedByPane)
        RemoveSelf();
    else if (CheckVisibility() == 0)
        ShowWindow(SW_HIDE);
}

BOOL CGTSlider::AddContainerManager(CGTDockingControlBar* iTarget, DWORD iAlignment, CGTBarContainerManager* iOther)
{
    if (m_ContainerManager == nullptr)
        return FALSE;
    const BOOL added = m_ContainerManager->AddContainerManager(iTarget, iAlignment, iOther, TRUE);
    CheckVisibility();
    return added;
}

BOOL CGTSlider::AddContainerManagerToTabWnd(CGTDockingControlBar* iTarget, CGTBarContainerManager* iOther)
{
    if (m_ContainerManager == nullptr)
        return FALSE;
    const BOOL added = m_ContainerManager->AddContainerManagerToTabWnd(iTarget, iOther);
    CheckVisibility();
    return added;
}

int CGTSlider::CheckVisibility()
{
    if (m_ContainerManager == nullptr)
        return 0;
    const int visible = m_ContainerManager->GetVisibleBarCount();
    if (m_DefaultSlider && !m_AutoHideSlider && m_hWnd != nullptr)
        ShowWindow(visible > 0 ? SW_SHOW : SW_HIDE);
    return visible;
}

void CGTSlider::ShowControlBar(CGTDockingControlBar* iPane, BOOL iShow)
{
    if (m_ContainerManager == nullptr)
        return;
    iPane->ShowWindow(iShow ? SW_SHOW : SW_HIDE);
    if (!iShow) {
        ShowWindow(m_ContainerManager->CheckAndGetVisibility() ? SW_SHOW : SW_HIDE);
        BOOL left = FALSE;
        if (CGTBarContainer* node = m_ContainerManager->FindContainerByBar(iPane, left))
            node->FillContainerRect(iPane, FALSE);
    } else {
        m_ContainerManager->CheckAndGetVisibility();
        ShowWindow(SW_SHOW);
    }
}

BOOL CGTSlider::DoesContainerFloat() const
{
    return m_ContainerManager != nullptr && m_ContainerManager->CanFloat();
}

CGTDockingControlBar* CGTSlider::ControlBarFromPoint(CPoint iScreenPoint, int iSensitivity, BOOL iExactBar,
                                                     BOOL& oIsTabArea, BOOL& oCaption)
{
    oIsTabArea = FALSE;
    oCaption = FALSE;
    if (m_ContainerManager == nullptr)
        return nullptr;
    return m_ContainerManager->ControlBarFromPoint(iScreenPoint, iSensitivity, iExactBar, oIsTabArea, oCaption);
}

void CGTSlider::RemoveSelf()
{
    if (m_ContainerManager == nullptr || !m_ContainerManager->IsEmpty() ||
        m_ContainerManager->GetTotalReferenceCount() != 0)
        return;
    if (CGTDockManager* manager = GetOwnerDockManager())
        manager->RemoveBar(this, TRUE);
}

void CGTSlider::Serialize(CArchive& ioArchive)
{
    CGTBaseControlBar::Serialize(ioArchive);
    if (ioArchive.IsStoring()) {
        CRect rect = GTGeometry::WindowRect(this);
        GetParent()->ScreenToClient(&rect);
        ioArchive << static_cast<int>(m_SliderId) << m_Step << rect << static_cast<BOOL>(IsWindowVisible() ? 1 : 0)
                  << m_SliderStyle << m_Thickness << static_cast<BOOL>(m_DefaultSlider) << m_MinOffset << m_MaxOffset;
        if (m_DefaultSlider && m_ContainerManager != nullptr)
            m_ContainerManager->Serialize(ioArchive);
        return;
    }
    int id = 0;
    BOOL visible = FALSE;
    BOOL defaultSlider = FALSE;
    CRect rect;
    ioArchive >> id >> m_Step >> rect >> visible >> m_SliderStyle >> m_Thickness >> defaultSlider >> m_MinOffset >>
        m_MaxOffset;
    m_DefaultSlider = defaultSlider;
    // A stored record may carry any bits and any size: only the orientation and visibility are
    // taken, and the thickness stays within what a slider is.
    m_SliderStyle = (m_SliderStyle & (horizontalStyle | verticalStyle)) | (visible ? WS_VISIBLE : 0);
    if (m_SliderStyle & verticalStyle)
        rect.right = rect.left + std::clamp(rect.Width(), 1, s_MaxThickness);
    else
        rect.bottom = rect.top + std::clamp(rect.Height(), 1, s_MaxThickness);
    if (!CreateEx(0, m_SliderStyle, rect, m_OwnerWindow, static_cast<UINT>(id)))
        AfxThrowArchiveException(CArchiveException::genericException);
    if (m_DefaultSlider && m_ContainerManager != nullptr)
        m_ContainerManager->Serialize(ioArchive);
}
