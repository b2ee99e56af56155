#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTSDCentralGroup.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/docking/GTSmartDockingColors.h>

IMPLEMENT_DYNCREATE(CGTSDCentralGroupMarker, CGTSmartDockingMarker)

namespace {
// The side of a central marker that faces the centre; 0 for the centre marker.
DWORD InnerSide(int iId)
{
    static const DWORD sides[] = {GTSideRight, GTSideLeft, GTSideBottom, GTSideTop};
    return iId >= 4 && iId <= 7 ? sides[iId - 4] : 0;
}
}  // namespace

CGTSDCentralGroupMarker::CGTSDCentralGroupMarker()
    : m_Group(nullptr), m_BaseColor(static_cast<COLORREF>(-1)), m_PositionInGroup(0, 0), m_Visible(TRUE)
{
}

BOOL CGTSDCentralGroupMarker::Create(int iId, CGTSDCentralGroup* iGroup)
{
    DestroyRegion();
    m_Id = iId;
    m_Group = iGroup;
    const CGTSmartDockingParams& params = CGTDockManager::s_smartDockingParams;
    InitImages(params);
    m_BaseColor = CurrentSmartDockingColors().outline;
    if (!BuildShape(params.m_TransparentColor))
        return FALSE;
    const CSize total = GroupSize();
    const int middleX = (total.cx - m_Width) / 2;
    const int middleY = (total.cy - m_Height) / 2;
    const CPoint places[] = {
        {0, middleY}, {total.cx - m_Width, middleY}, {middleX, 0}, {middleX, total.cy - m_Height}, {middleX, middleY}};
    m_PositionInGroup = places[iId - 4];
    m_Shape.OffsetRgn(m_PositionInGroup);
    return TRUE;
}

BOOL CGTSDCentralGroupMarker::Create(int, CWnd*)
{
    return FALSE;
}

CSize CGTSDCentralGroupMarker::GroupSize() const
{
    return m_BuiltInImages ? CSize(88, 88) : CGTDockManager::s_smartDockingParams.m_CentralGroupSize;
}

int CGTSDCentralGroupMarker::GroupOffset() const
{
    return m_BuiltInImages ? 9 : CGTDockManager::s_smartDockingParams.m_CentralGroupOffset;
}

void CGTSDCentralGroupMarker::Destroy()
{
    DestroyRegion();
}

void CGTSDCentralGroupMarker::Show(BOOL) {}

void CGTSDCentralGroupMarker::AdjustPos(const CRect&) {}

void CGTSDCentralGroupMarker::Highlight(BOOL iOn)
{
    if (m_Highlighted == iOn)
        return;
    m_Highlighted = iOn;
    if (m_Group != nullptr && m_Group->m_Wnd.GetSafeHwnd() != nullptr)
        m_Group->m_Wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CGTSDCentralGroupMarker::IsPtIn(CPoint iScreenPoint) const
{
    if (!m_Visible || m_Group == nullptr || m_Group->m_Wnd.GetSafeHwnd() == nullptr ||
        m_Shape.GetSafeHandle() == nullptr)
        return FALSE;
    m_Group->m_Wnd.ScreenToClient(&iScreenPoint);
    return m_Shape.PtInRegion(iScreenPoint);
}

void CGTSDCentralGroupMarker::Draw(CDC* iDc)
{
    CGTImageDrawPass pass;
    if (m_Images.BeginDrawing(pass)) {
        m_Images.DrawImage(iDc, m_PositionInGroup.x, m_PositionInGroup.y, 0, m_Highlighted && !m_BuiltInImages);
        m_Images.FinishDrawing(pass);
    }
    if (!m_BuiltInImages)
        return;
    const CRect rect(m_PositionInGroup, CSize(m_Width, m_Height));
    DrawBuiltInMarkerFrame(iDc, rect, m_Highlighted ? s_HighlightColor : m_BaseColor, m_Id == 6 || m_Id == 7,
                           InnerSide(m_Id));
}

void CGTSDCentralGroupMarker::DestroyRegion()
{
    if (m_Shape.GetSafeHandle() != nullptr)
        m_Shape.DeleteObject();
}
