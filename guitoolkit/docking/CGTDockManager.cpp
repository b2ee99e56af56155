// The dock-manager issues fill in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/docking/GTDockingModule.h>

IMPLEMENT_DYNAMIC(CGTDockManager, CObject)

int CGTDockManager::s_nDockingMode = GTDockingStandard;
int CGTDockManager::s_nDockMargin = 15;
BOOL CGTDockManager::s_bHideAllTakesPanes = TRUE;
int CGTDockManager::s_nToolbarDockDelay = 200;
int CGTDockManager::s_nPaneDockDelay = 220;
BOOL CGTDockManager::s_bLayoutSuspended = FALSE;
BOOL CGTDockManager::s_bApplyingState = FALSE;
BOOL CGTDockManager::s_bStoringState = FALSE;
CGTSmartDockingParams CGTDockManager::s_smartDockingParams;

namespace {
const COLORREF noColor = static_cast<COLORREF>(-1);
const BOOL moduleRegistered = RegisterDockingModule();
}  // namespace

CGTSmartDockingParams::CGTSmartDockingParams()
    : m_CentralGroupSize(93, 93), m_CentralGroupOffset(5), m_TransparentColor(RGB(255, 0, 255)), m_ToneSource(noColor),
      m_ToneTarget(noColor), m_MarkerBitmaps{}, m_MarkerHotBitmaps{}, m_CentralGroupBackColor(noColor),
      m_CentralGroupBorderColor(noColor), m_UseSystemHighlight(FALSE)
{
}

VADE_AUTOHIDEBAR_SAVE_INFO::VADE_AUTOHIDEBAR_SAVE_INFO()
    : m_nPaneId(-1), m_dwSide(0), m_bShown(FALSE), m_rectPane(0, 0, 0, 0), m_lstGroupIds(10), m_bFirstInGroup(TRUE),
      m_bLastInGroup(TRUE), m_bActiveInGroup(TRUE), m_pSavedPane(nullptr)
{
}

VADE_AUTOHIDEBAR_SAVE_INFO::VADE_AUTOHIDEBAR_SAVE_INFO(const VADE_AUTOHIDEBAR_SAVE_INFO& iOther)
    : VADE_AUTOHIDEBAR_SAVE_INFO()
{
    *this = iOther;
}

VADE_AUTOHIDEBAR_SAVE_INFO& VADE_AUTOHIDEBAR_SAVE_INFO::operator=(const VADE_AUTOHIDEBAR_SAVE_INFO& iOther)
{
    m_nPaneId = iOther.m_nPaneId;
    m_dwSide = iOther.m_dwSide;
    m_bShown = iOther.m_bShown;
    m_rectPane = iOther.m_rectPane;
    m_lstGroupIds.RemoveAll();
    m_lstGroupIds.AddTail(const_cast<CList<UINT, UINT>*>(&iOther.m_lstGroupIds));
    m_bFirstInGroup = iOther.m_bFirstInGroup;
    m_bLastInGroup = iOther.m_bLastInGroup;
    m_bActiveInGroup = iOther.m_bActiveInGroup;
    m_pSavedPane = iOther.m_pSavedPane;
    return *this;
}

void VADE_AUTOHIDEBAR_SAVE_INFO::Serialize(CArchive&) {}

CGTDockManager::CGTDockManager()
    : m_bLayoutEnabled(TRUE), m_bUpdateLocked(FALSE), m_bAdjustSuspended(FALSE), m_pOwnerFrame(nullptr),
      m_rectFreeArea(0, 0, 0, 0), m_rectOuterEdge(0, 0, 0, 0), m_dwDockBarSides(0), m_dwAutoHideSides(0),
      m_pHoverTarget(nullptr), m_pHoverFrame(nullptr), m_clkHoverStart(0), m_nHoverHit(0), m_bPreviewMode(FALSE),
      m_bAllBarsHidden(FALSE), m_bBottomStrip(FALSE), m_bInLayout(FALSE), m_bInAdjust(FALSE), m_bSkipApply(FALSE),
      m_bApplyBlocked(FALSE), m_pSmartDocking(nullptr), m_mapMenuBars(17), m_bMenuOpen(FALSE),
      m_bBarsMenuEnabled(FALSE), m_bBarsMenuToolbarsOnly(FALSE), m_nMenuExtraCmd(0)
{
    (void)moduleRegistered;
}

CGTDockManager::~CGTDockManager()
{
    delete m_pSmartDocking;
}

void CGTDockManager::Serialize(CArchive&) {}

BOOL CGTDockManager::SetOwnerFrame(CWnd* iFrame)
{
    m_pOwnerFrame = iFrame;
    return TRUE;
}

void CGTDockManager::SetDockingMode(int iMode)
{
    s_nDockingMode = iMode == GTDockingSmart ? GTDockingSmart | GTDockingImmediate : iMode;
}

BOOL CGTDockManager::AddBar(CGTBaseControlBar*, BOOL, BOOL, BOOL)
{
    return FALSE;
}

BOOL CGTDockManager::InsertBarNextTo(CGTBaseControlBar*, CGTBaseControlBar*, BOOL)
{
    return FALSE;
}

void CGTDockManager::RemoveBar(CGTBaseControlBar*, BOOL, BOOL, BOOL) {}

BOOL CGTDockManager::CreateDockBars(DWORD)
{
    return FALSE;
}

BOOL CGTDockManager::CreateAutoHideDockBars(DWORD)
{
    return FALSE;
}

void CGTDockManager::DockBar(CGTBaseControlBar*, UINT, LPCRECT) {}

CGTAutoHideToolBar* CGTDockManager::AddAutoHideBar(CGTDockingControlBar*, CGTAutoHideToolBar*)
{
    return nullptr;
}

void CGTDockManager::RaiseBars(DWORD, BOOL) {}

void CGTDockManager::CollectBars(CObList&, BOOL, CRuntimeClass*) {}

void CGTDockManager::ReorderFloatFrames() {}

BOOL CGTDockManager::SendMessageToMiniFrames(UINT, WPARAM, LPARAM)
{
    return TRUE;
}

void CGTDockManager::FreezeUpdates(BOOL) {}

BOOL CGTDockManager::IsPointNearDockArea(CPoint, DWORD& oAlignment, BOOL& oOuterEdge)
{
    oAlignment = 0;
    oOuterEdge = FALSE;
    return FALSE;
}

void CGTDockManager::CalcExpectedDockedRect(CWnd*, CPoint, CRect& oRect, BOOL& oDrawTab, CGTDockingControlBar*& oTarget)
{
    oRect.SetRectEmpty();
    oDrawTab = FALSE;
    oTarget = nullptr;
}

void CGTDockManager::AlignAutoHideBar(CGTSlider*, BOOL) {}

void CGTDockManager::SlideInAutoHideBars(CGTDockingControlBar*, BOOL) {}

void CGTDockManager::SetPrintPreviewMode(BOOL) {}

void CGTDockManager::BuildBarsMenu(CMenu&, BOOL) {}

void CGTDockManager::ShowBarsContextMenu(CPoint) {}

BOOL CGTDockManager::RouteBarCommand(UINT, int, void*, AFX_CMDHANDLERINFO*)
{
    return FALSE;
}

CGTSmartDockingManager* CGTDockManager::GetSmartDockingManager()
{
    return m_pSmartDocking;
}

CGTBaseControlBar* CGTDockManager::FindBarForDockingAtPoint(CPoint, int, CRuntimeClass*, DWORD& oAlignment,
                                                            CGTBaseControlBar*)
{
    oAlignment = 0;
    return nullptr;
}

CGTBaseControlBar* CGTDockManager::FindBarAtPoint(CPoint, int, BOOL, CRuntimeClass*, BOOL, const CGTBaseControlBar*)
{
    return nullptr;
}

CGTMiniFrameWnd* CGTDockManager::FindMiniFrameAtPoint(CPoint, CGTMiniFrameWnd*, BOOL)
{
    return nullptr;
}

int CGTDockManager::FindDockTarget(CPoint, int, DWORD, CGTBaseControlBar*& oTarget, CGTBaseControlBar*)
{
    oTarget = nullptr;
    return 0;
}

BOOL CGTDockManager::AddMiniFrame(CGTMiniFrameWnd*)
{
    return FALSE;
}

BOOL CGTDockManager::RemoveMiniFrame(CGTMiniFrameWnd*)
{
    return FALSE;
}

CGTBaseControlBar* CGTDockManager::FindBarById(UINT, BOOL)
{
    return nullptr;
}

CGTDockBar* CGTDockManager::FindDockBarByAlignment(DWORD, BOOL)
{
    return nullptr;
}

CGTDockBar* CGTDockManager::FindDockBarOfRow(CGTBaseControlBar*)
{
    return nullptr;
}

void CGTDockManager::RearrangeDockBars() {}

void CGTDockManager::AdjustAllBars() {}

void CGTDockManager::RecalcLayout(HDWP) {}

BOOL CGTDockManager::ProcessFloatingFrameMove(CGTMiniFrameWnd*)
{
    return TRUE;
}

void CGTDockManager::RefreshAllBarFrames() {}

BOOL CGTDockManager::SaveState(LPCWSTR, UINT)
{
    return FALSE;
}

BOOL CGTDockManager::LoadState(LPCWSTR, UINT)
{
    return FALSE;
}

void CGTDockManager::ApplyLoadedState() {}

BOOL CGTDockManager::ShowAllBars(BOOL)
{
    return FALSE;
}

void CGTDockManager::ShowFloatingWindows(BOOL) {}

BOOL CGTDockManager::CutDockStripFromRect(CRect&, DWORD)
{
    return FALSE;
}
