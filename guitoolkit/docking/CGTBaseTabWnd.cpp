// The tab-window issue fills in these bodies; what stands here are the Part's defaults and the
// plain accessors of the tab list.
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTDockingCBWrapper.h>

IMPLEMENT_DYNAMIC(CGTTabInfo, CObject)
IMPLEMENT_DYNAMIC(CGTRestoredTabInfo, CObject)
IMPLEMENT_DYNAMIC(CGTTabDropTarget, COleDropTarget)
IMPLEMENT_DYNAMIC(CGTBaseTabWnd, CWnd)

namespace {
const COLORREF noColor = static_cast<COLORREF>(-1);
}

CGTTabInfo::CGTTabInfo(const CString& iLabel, UINT iImage, CWnd* iWindow, int iTabId, BOOL iDetachable)
    : m_Label(iLabel), m_Image(iImage), m_Icon(nullptr), m_Rect(0, 0, 0, 0), m_Visible(TRUE), m_Window(iWindow),
      m_IsListView(FALSE), m_FullWidth(0), m_TabId(iTabId), m_SecondColor(noColor), m_BackColor(noColor),
      m_IconOnly(FALSE), m_TooltipAlways(FALSE), m_Detachable(iDetachable)
{
    wchar_t className[32] = L"";
    if (iWindow != nullptr && iWindow->GetSafeHwnd() != nullptr)
        ::GetClassNameW(iWindow->GetSafeHwnd(), className, 32);
    m_IsListView = wcscmp(className, L"SysListView32") == 0;
}

CGTTabInfo::~CGTTabInfo()
{
    if (m_Icon != nullptr)
        ::DestroyIcon(m_Icon);
}

CGTRestoredTabInfo::CGTRestoredTabInfo()
    : m_Visible(TRUE), m_ControlId(0), m_Detachable(TRUE), m_SecondColor(noColor), m_BackColor(noColor)
{
}

CGTTabDropTarget::CGTTabDropTarget() : m_TabWnd(nullptr) {}

CGTBaseTabWnd::CGTBaseTabWnd()
    : m_ActiveTab(-1), m_DragStartTab(-1), m_Images(nullptr), m_ImageSize(0, 0), m_CustomToolTips(FALSE),
      m_NextTabId(1), m_TabBorderSize(2), m_TabsHeight(0), m_AutoDestroyWindows(FALSE), m_HideInactiveWindows(TRUE),
      m_ActivateOnButtonUp(FALSE), m_TabSwap(TRUE), m_HideSingleTab(FALSE), m_HotTracking(FALSE),
      m_ActivateOnRightClick(FALSE), m_InPlaceRename(FALSE), m_ActivateLastVisible(FALSE), m_ActivatePrevious(FALSE),
      m_AutoColors(FALSE), m_DefaultPalette(TRUE), m_RedrawLock(FALSE), m_HotTab(-1), m_PressedTab(-1),
      m_TabMove(FALSE), m_TabMoveStart(0, 0), m_TabMoveOffset(0), m_ActiveTabColor(noColor),
      m_ActiveTabTextColor(noColor), m_Location(0), m_PreviousActiveTab(-1), m_RenamedTab(-1), m_RenameEdit(nullptr),
      m_RestoredTabs(10), m_RestoredActiveTab(-1), m_RestoredLocation(0), m_DockFrame(nullptr), m_WrapperClass(nullptr),
      m_ChangeSent(FALSE), m_ActivatedByClick(FALSE), m_ActivatedByUser(FALSE), m_DrawnTab(-1)
{
    m_DropTarget.m_TabWnd = this;
}

CGTBaseTabWnd::~CGTBaseTabWnd()
{
    for (INT_PTR i = 0; i < m_Tabs.GetSize(); ++i)
        delete m_Tabs[i];
    while (!m_RestoredTabs.IsEmpty())
        delete m_RestoredTabs.RemoveHead();
    delete m_RenameEdit;
}

int CGTBaseTabWnd::GetTabCount() const
{
    return static_cast<int>(m_Tabs.GetSize());
}

int CGTBaseTabWnd::GetVisibleTabCount() const
{
    int count = 0;
    for (INT_PTR i = 0; i < m_Tabs.GetSize(); ++i)
        count += m_Tabs[i]->m_Visible ? 1 : 0;
    return count;
}

CWnd* CGTBaseTabWnd::GetTabWnd(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetTabCount() ? m_Tabs[iIndex]->m_Window : nullptr;
}

CWnd* CGTBaseTabWnd::GetTabWndUnwrapped(int iIndex) const
{
    CWnd* window = GetTabWnd(iIndex);
    if (auto* wrapper = DYNAMIC_DOWNCAST(CGTDockingCBWrapper, window))
        return wrapper->GetWrappedWnd();
    return window;
}

int CGTBaseTabWnd::GetActiveTab() const
{
    return m_ActiveTab;
}

CWnd* CGTBaseTabWnd::GetActiveWnd() const
{
    return GetTabWnd(m_ActiveTab);
}

BOOL CGTBaseTabWnd::IsTabVisible(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetTabCount() && m_Tabs[iIndex]->m_Visible;
}

BOOL CGTBaseTabWnd::IsTabDetachable(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetTabCount() && m_Tabs[iIndex]->m_Detachable;
}

int CGTBaseTabWnd::GetTabFromHwnd(HWND iWindow) const
{
    for (int i = 0; i < GetTabCount(); ++i) {
        const CWnd* unwrapped = GetTabWndUnwrapped(i);
        if (GetTabWnd(i)->GetSafeHwnd() == iWindow || (unwrapped != nullptr && unwrapped->GetSafeHwnd() == iWindow))
            return i;
    }
    return -1;
}

UINT CGTBaseTabWnd::GetTabImage(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetTabCount() ? m_Tabs[iIndex]->m_Image : static_cast<UINT>(-1);
}

COLORREF CGTBaseTabWnd::GetTabBkColor(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetTabCount() ? m_Tabs[iIndex]->m_BackColor : noColor;
}

COLORREF CGTBaseTabWnd::GetTabSecondColor(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetTabCount() ? m_Tabs[iIndex]->m_SecondColor : noColor;
}

COLORREF CGTBaseTabWnd::GetActiveTabColor() const
{
    return m_ActiveTabColor;
}

COLORREF CGTBaseTabWnd::GetActiveTabTextColor() const
{
    return m_ActiveTabTextColor;
}

BOOL CGTBaseTabWnd::GetTabRect(int, CRect& oRect) const
{
    oRect.SetRectEmpty();
    return FALSE;
}

BOOL CGTBaseTabWnd::GetTabLabel(int iIndex, CString& oLabel) const
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    oLabel = m_Tabs[iIndex]->m_IconOnly ? CString() : m_Tabs[iIndex]->m_Label;
    return TRUE;
}

void CGTBaseTabWnd::GetTabArea(CRect& oTop, CRect& oBottom) const
{
    oTop.SetRectEmpty();
    oBottom.SetRectEmpty();
}

void CGTBaseTabWnd::GetWndArea(CRect& oRect) const
{
    oRect.SetRectEmpty();
}

CWnd* CGTBaseTabWnd::GetFirstVisibleTab(int, int& oIndex)
{
    oIndex = -1;
    return nullptr;
}

CWnd* CGTBaseTabWnd::GetFirstVisibleTab(int& oIndex)
{
    return GetFirstVisibleTab(0, oIndex);
}

CWnd* CGTBaseTabWnd::GetLastVisibleTab(int& oIndex)
{
    oIndex = -1;
    return nullptr;
}

void CGTBaseTabWnd::Serialize(CArchive&) {}

BOOL CGTBaseTabWnd::IsPtInTabArea(CPoint) const
{
    return FALSE;
}

void CGTBaseTabWnd::SetImageList(HIMAGELIST) {}

BOOL CGTBaseTabWnd::SetImageList(UINT, int, COLORREF)
{
    return FALSE;
}

void CGTBaseTabWnd::ClearImageList() {}

void CGTBaseTabWnd::SetTabsHeight() {}

int CGTBaseTabWnd::GetTabsHeight() const
{
    return 0;
}

void CGTBaseTabWnd::RecalcLayout() {}

void CGTBaseTabWnd::AddTab(CWnd*, UINT, UINT, BOOL) {}

void CGTBaseTabWnd::AddTab(CWnd*, LPCWSTR, UINT, BOOL) {}

void CGTBaseTabWnd::InsertTab(CWnd*, UINT, int, UINT, BOOL) {}

void CGTBaseTabWnd::InsertTab(CWnd*, LPCWSTR, int, UINT, BOOL) {}

BOOL CGTBaseTabWnd::RemoveTab(int, BOOL)
{
    return FALSE;
}

void CGTBaseTabWnd::RemoveAllTabs() {}

BOOL CGTBaseTabWnd::DetachTab(int, int, BOOL)
{
    return FALSE;
}

BOOL CGTBaseTabWnd::ShowTab(int, BOOL, BOOL, BOOL)
{
    return FALSE;
}

BOOL CGTBaseTabWnd::SetTabLabel(int, const CString&)
{
    return FALSE;
}

BOOL CGTBaseTabWnd::SetTabImage(int, UINT)
{
    return FALSE;
}

BOOL CGTBaseTabWnd::IsTabIconOnly(int) const
{
    return FALSE;
}

BOOL CGTBaseTabWnd::SetTabIconOnly(int, BOOL, BOOL)
{
    return FALSE;
}

BOOL CGTBaseTabWnd::SetTabHicon(int, HICON)
{
    return FALSE;
}

HICON CGTBaseTabWnd::GetTabHicon(int) const
{
    return nullptr;
}

BOOL CGTBaseTabWnd::SetTabBkColor(int, COLORREF)
{
    return FALSE;
}

BOOL CGTBaseTabWnd::SetTabSecondColor(int, COLORREF)
{
    return FALSE;
}

BOOL CGTBaseTabWnd::EnableTabDetach(int, BOOL)
{
    return FALSE;
}

BOOL CGTBaseTabWnd::StartRenameTab(int)
{
    return FALSE;
}

BOOL CGTBaseTabWnd::RenameTab()
{
    return FALSE;
}

BOOL CGTBaseTabWnd::OnRenameTab(int, CString&)
{
    return FALSE;
}

void CGTBaseTabWnd::EnableRename(BOOL) {}

void CGTBaseTabWnd::AdjustRenameEditRect(CRect&) {}

BOOL CGTBaseTabWnd::SetActiveTab(int)
{
    return FALSE;
}

int CGTBaseTabWnd::GetTabFromPoint(CPoint) const
{
    return -1;
}

int CGTBaseTabWnd::FindTabByID(int) const
{
    return -1;
}

BOOL CGTBaseTabWnd::EnsureVisible(int)
{
    return FALSE;
}

void CGTBaseTabWnd::SetActiveTabColor(COLORREF) {}

void CGTBaseTabWnd::SetActiveTabTextColor(COLORREF) {}

CSize CGTBaseTabWnd::GetImageSize() const
{
    return CSize(0, 0);
}

CImageList* CGTBaseTabWnd::GetImageList() const
{
    return nullptr;
}

BOOL CGTBaseTabWnd::HasTabIcon(int) const
{
    return FALSE;
}

void CGTBaseTabWnd::SetTabBorderSize(int, BOOL) {}

int CGTBaseTabWnd::GetTabBorderSize() const
{
    return 0;
}

CWnd* CGTBaseTabWnd::FindTargetWnd(CPoint)
{
    return nullptr;
}

void CGTBaseTabWnd::ApplyRestoredTabInfo(BOOL) {}

void CGTBaseTabWnd::SwapTabs(int, int) {}

void CGTBaseTabWnd::MoveTab(int, int) {}

CSize CGTBaseTabWnd::GetMaxWindowSize() const
{
    return CSize(0, 0);
}

void CGTBaseTabWnd::OnTabsChanged() {}

void CGTBaseTabWnd::FireChangeActiveTab(int) {}

BOOL CGTBaseTabWnd::FireChangingActiveTab(int)
{
    return FALSE;
}

void CGTBaseTabWnd::SetLocation(int) {}

BOOL CGTBaseTabWnd::IsFlatTab() const
{
    return FALSE;
}

BOOL CGTBaseTabWnd::IsLook4() const
{
    return FALSE;
}

BOOL CGTBaseTabWnd::IsLook5() const
{
    return FALSE;
}

BOOL CGTBaseTabWnd::IsLook6Or7() const
{
    return FALSE;
}

BOOL CGTBaseTabWnd::IsDrawFrame() const
{
    return FALSE;
}

BOOL CGTBaseTabWnd::IsRenameEnabled() const
{
    return FALSE;
}

int CGTBaseTabWnd::GetFirstShownTab() const
{
    return -1;
}

BOOL CGTBaseTabWnd::IsHideSingleTab() const
{
    return FALSE;
}

void CGTBaseTabWnd::HideSingleTab(BOOL) {}

BOOL CGTBaseTabWnd::IsColored() const
{
    return FALSE;
}

DROPEFFECT CGTBaseTabWnd::OnDropHook(COleDataObject*, DROPEFFECT, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT CGTBaseTabWnd::OnDragEnterHook(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void CGTBaseTabWnd::OnDragLeaveHook() {}

DROPEFFECT CGTBaseTabWnd::OnDragOverHook(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void CGTBaseTabWnd::ClearTabs() {}

int CGTBaseTabWnd::GetTabToDetach(int) const
{
    return -1;
}

CWnd* CGTBaseTabWnd::CreateWrapper(CWnd*, LPCWSTR, BOOL)
{
    return nullptr;
}

void CGTBaseTabWnd::InitAutoColors() {}

BOOL CGTBaseTabWnd::IsActivateOnButtonUp() const
{
    return FALSE;
}
