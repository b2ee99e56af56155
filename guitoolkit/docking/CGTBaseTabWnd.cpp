// The tab list of the tab windows: adding, removing, showing and ordering tabs, their labels,
// images and colours, the notifications to the owner and the stored tab state.
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingCBWrapper.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <algorithm>

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

GTTabToolTipInfo& CGTBaseTabWnd::ToolTipInfo()
{
    static GTTabToolTipInfo info = {CString(), nullptr, -1};
    return info;
}

BOOL CGTBaseTabWnd::GetTabRect(int iIndex, CRect& oRect) const
{
    if (!IsTabVisible(iIndex)) {
        oRect.SetRectEmpty();
        return FALSE;
    }
    oRect = m_Tabs[iIndex]->m_Rect;
    return TRUE;
}

BOOL CGTBaseTabWnd::GetTabLabel(int iIndex, CString& oLabel) const
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    oLabel = m_Tabs[iIndex]->m_IconOnly ? CString() : m_Tabs[iIndex]->m_Label;
    return TRUE;
}

CWnd* CGTBaseTabWnd::GetFirstVisibleTab(int iFrom, int& oIndex)
{
    for (oIndex = iFrom < 0 ? 0 : iFrom; oIndex < GetTabCount(); ++oIndex) {
        if (m_Tabs[oIndex]->m_Visible)
            return m_Tabs[oIndex]->m_Window;
    }
    oIndex = -1;
    return nullptr;
}

CWnd* CGTBaseTabWnd::GetFirstVisibleTab(int& oIndex)
{
    return GetFirstVisibleTab(0, oIndex);
}

CWnd* CGTBaseTabWnd::GetLastVisibleTab(int& oIndex)
{
    for (oIndex = GetTabCount() - 1; oIndex >= 0; --oIndex) {
        if (m_Tabs[oIndex]->m_Visible)
            return m_Tabs[oIndex]->m_Window;
    }
    return nullptr;
}

void CGTBaseTabWnd::SetImageList(HIMAGELIST iImages)
{
    ReleaseOwnImages();
    m_Images = CImageList::FromHandle(iImages);
    IMAGEINFO info = {};
    m_ImageSize = m_Images != nullptr && m_Images->GetImageInfo(0, &info) ? CRect(info.rcImage).Size() : CSize(0, 0);
    SetTabsHeight();
}

BOOL CGTBaseTabWnd::SetImageList(UINT iBitmapId, int iImageWidth, COLORREF iMask)
{
    CGTLocalResource localResource;
    CBitmap bitmap;
    BITMAP info = {};
    if (!bitmap.LoadBitmap(iBitmapId) || bitmap.GetBitmap(&info) == 0)
        return FALSE;
    ReleaseOwnImages();
    const UINT depth =
        info.bmBitsPixel == 8 || info.bmBitsPixel == 16 || info.bmBitsPixel == 24 || info.bmBitsPixel == 32
        ? info.bmBitsPixel
        : 4;
    const UINT masked = iMask == static_cast<COLORREF>(-1) ? 0 : ILC_MASK;
    if (!m_OwnImages.Create(iImageWidth, info.bmHeight, depth | masked, 0, 0))
        return FALSE;
    if (masked != 0)
        m_OwnImages.Add(&bitmap, iMask);
    else
        m_OwnImages.Add(&bitmap, static_cast<CBitmap*>(nullptr));
    m_Images = &m_OwnImages;
    m_ImageSize = CSize(iImageWidth, info.bmHeight);
    SetTabsHeight();
    return TRUE;
}

void CGTBaseTabWnd::ReleaseOwnImages()
{
    if (m_Images == &m_OwnImages)
        m_Images = nullptr;
    m_OwnImages.DeleteImageList();
}

void CGTBaseTabWnd::ClearImageList()
{
    ReleaseOwnImages();
    m_Images = nullptr;
    m_ImageSize = CSize(0, 0);
    SetTabsHeight();
}

void CGTBaseTabWnd::SetTabsHeight()
{
    m_TabsHeight = std::max(theGuiToolkitGlobals.textHeightRegular + 5,
                            m_ImageSize.cy > 0 ? static_cast<int>(m_ImageSize.cy) + 7 : 0);
}

int CGTBaseTabWnd::GetTabsHeight() const
{
    return m_TabsHeight;
}

void CGTBaseTabWnd::AddTab(CWnd* iWindow, UINT iLabelId, UINT iImage, BOOL iDetachable)
{
    CGTLocalResource localResource;
    CString label;
    label.LoadString(iLabelId);
    AddTab(iWindow, label, iImage, iDetachable);
}

void CGTBaseTabWnd::AddTab(CWnd* iWindow, LPCWSTR iLabel, UINT iImage, BOOL iDetachable)
{
    if (iWindow->GetSafeHwnd() != nullptr && iWindow->GetDlgCtrlID() == -1)
        return;
    InsertTab(iWindow, iLabel, -1, iImage, iDetachable);
}

void CGTBaseTabWnd::InsertTab(CWnd* iWindow, UINT iLabelId, int iIndex, UINT iImage, BOOL iDetachable)
{
    CGTLocalResource localResource;
    CString label;
    label.LoadString(iLabelId);
    InsertTab(iWindow, label, iIndex, iImage, iDetachable);
}

void CGTBaseTabWnd::InsertTab(CWnd* iWindow, LPCWSTR iLabel, int iIndex, UINT iImage, BOOL iDetachable)
{
    CWnd* window = CreateWrapper(iWindow, iLabel, iDetachable);
    if (window->GetSafeHwnd() != nullptr && !window->IsWindowVisible())
        window->ShowWindow(SW_SHOW);
    if (iIndex < 0 || iIndex > GetTabCount())
        iIndex = GetTabCount();
    if (!window->IsKindOf(RUNTIME_CLASS(CGTDockingControlBar)))
        iDetachable = FALSE;

    m_Tabs.InsertAt(iIndex, new CGTTabInfo(iLabel, iImage, window, m_NextTabId, iDetachable));
    SetToolForTab(iIndex, TRUE);
    ++m_NextTabId;
    OnTabsChanged();
    RecalcLayout();

    CWnd* previous = GetActiveWnd();
    if (GetTabCount() == 1) {
        SetActiveTab(0);
    } else {
        m_PreviousActiveTab = m_ActiveTab;
        if (iIndex == m_ActiveTab) {
            m_PreviousActiveTab = m_ActiveTab + 1;
            if (m_HideInactiveWindows && GetTabWnd(m_ActiveTab + 1)->GetSafeHwnd() != nullptr)
                GetTabWnd(m_ActiveTab + 1)->ShowWindow(SW_HIDE);
            if (window->GetSafeHwnd() != nullptr)
                window->ShowWindow(SW_SHOW);
            previous = window;
        } else {
            if (iIndex < m_ActiveTab)
                ++m_ActiveTab;
            if (m_HideInactiveWindows && window->GetSafeHwnd() != nullptr)
                window->ShowWindow(SW_HIDE);
        }
    }
    if (!m_HideInactiveWindows && previous->GetSafeHwnd() != nullptr)
        previous->BringWindowToTop();
}

void CGTBaseTabWnd::SetToolForTab(int iIndex, BOOL iAdd)
{
    if (m_ToolTip.GetSafeHwnd() == nullptr)
        return;
    const CGTTabInfo* tab = m_Tabs[iIndex];
    m_ToolTip.DelTool(this, tab->m_TabId);
    if (iAdd)
        m_ToolTip.AddTool(this, m_CustomToolTips ? LPSTR_TEXTCALLBACKW : static_cast<LPCWSTR>(tab->m_Label),
                          CRect(0, 0, 0, 0), tab->m_TabId);
}

int CGTBaseTabWnd::ChooseNextActive(int iIndex, int iOldActive) const
{
    int next = -1;
    if (m_ActivateLastVisible) {
        const_cast<CGTBaseTabWnd*>(this)->GetLastVisibleTab(next);
        return next;
    }
    const_cast<CGTBaseTabWnd*>(this)->GetFirstVisibleTab(iIndex, next);
    if (next >= 0)
        return next;
    if (iOldActive >= 0 && iOldActive < GetTabCount() && iOldActive != iIndex)
        return iOldActive;
    for (next = std::min(iIndex, GetTabCount()) - 1; next >= 0; --next) {
        if (m_Tabs[next]->m_Visible)
            return next;
    }
    return -1;
}

BOOL CGTBaseTabWnd::RemoveTab(int iIndex, BOOL iRecalcLayout)
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    if (GetTabCount() == 1) {
        RemoveAllTabs();
        return TRUE;
    }
    CGTTabInfo* tab = m_Tabs[iIndex];
    SetToolForTab(iIndex, FALSE);
    m_Tabs.RemoveAt(iIndex);
    if (m_AutoDestroyWindows && tab->m_Window->GetSafeHwnd() != nullptr)
        tab->m_Window->DestroyWindow();
    delete tab;

    // A tab removed before the active one leaves the active tab as it is, one place further left.
    int next = -1;
    if (iIndex < m_ActiveTab) {
        --m_ActiveTab;
    } else if (iIndex == m_ActiveTab) {
        next = ChooseNextActive(iIndex, m_ActiveTab);
        m_ActiveTab = -1;
    }
    OnTabsChanged();
    if (!iRecalcLayout)
        return TRUE;
    RecalcLayout();
    if (next < 0 && m_ActivatePrevious && m_PreviousActiveTab >= 0)
        next = m_PreviousActiveTab > iIndex ? m_PreviousActiveTab - 1 : m_PreviousActiveTab;
    ActivateAndNotify(next);
    return TRUE;
}

void CGTBaseTabWnd::RemoveAllTabs()
{
    m_ActiveTab = -1;
    m_NextTabId = 1;
    for (int i = GetTabCount() - 1; i >= 0; --i) {
        CGTTabInfo* tab = m_Tabs[i];
        SetToolForTab(i, FALSE);
        if (m_AutoDestroyWindows && tab->m_Window->GetSafeHwnd() != nullptr)
            tab->m_Window->DestroyWindow();
        delete tab;
    }
    m_Tabs.RemoveAll();
    OnTabsChanged();
    RecalcLayout();
    FireChangeActiveTab(-1);
}

void CGTBaseTabWnd::ClearTabs()
{
    for (INT_PTR i = 0; i < m_Tabs.GetSize(); ++i) {
        CGTTabInfo* tab = m_Tabs[i];
        if (m_AutoDestroyWindows && tab->m_Window->IsKindOf(RUNTIME_CLASS(CGTControlBar)) &&
            tab->m_Window->GetSafeHwnd() != nullptr)
            tab->m_Window->DestroyWindow();
        delete tab;
    }
    m_Tabs.RemoveAll();
    m_ActiveTab = -1;
}

BOOL CGTBaseTabWnd::ShowTab(int iIndex, BOOL iShow, BOOL iRecalcLayout, BOOL iActivate)
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    CGTTabInfo* tab = m_Tabs[iIndex];
    if (tab->m_Visible == iShow)
        return TRUE;
    const BOOL noneVisible = GetVisibleTabCount() == 0;
    tab->m_Visible = iShow;
    int next = iShow && (noneVisible || iActivate) ? iIndex : -1;
    if (!iShow) {
        if (m_HideInactiveWindows && tab->m_Window->GetSafeHwnd() != nullptr)
            tab->m_Window->ShowWindow(SW_HIDE);
        if (iIndex == m_ActiveTab) {
            next = ChooseNextActive(iIndex, -1);
            m_ActiveTab = -1;
        }
    }
    if (iRecalcLayout)
        RecalcLayout();
    if (next >= 0)
        ActivateAndNotify(next);
    return TRUE;
}

void CGTBaseTabWnd::SwapTabs(int iFirst, int iSecond)
{
    if (iFirst < 0 || iFirst >= GetTabCount() || iSecond < 0 || iSecond >= GetTabCount())
        return;
    CGTTabInfo* first = m_Tabs[iFirst];
    m_Tabs[iFirst] = m_Tabs[iSecond];
    m_Tabs[iSecond] = first;
    OnTabsChanged();
}

void CGTBaseTabWnd::MoveTab(int iFrom, int iTo)
{
    if (iFrom < 0 || iFrom >= GetTabCount() || iTo >= GetTabCount())
        return;
    CGTTabInfo* active = m_ActiveTab >= 0 ? m_Tabs[m_ActiveTab] : nullptr;
    CGTTabInfo* moved = m_Tabs[iFrom];
    m_Tabs.RemoveAt(iFrom);
    if (iTo < 0)
        m_Tabs.Add(moved);
    else
        m_Tabs.InsertAt(iTo, moved);
    OnTabsChanged();
    for (int i = 0; i < GetTabCount(); ++i) {
        if (m_Tabs[i] == active && i != m_ActiveTab) {
            m_ActiveTab = -1;
            ActivateAndNotify(i);
            break;
        }
    }
    RecalcLayout();
}

BOOL CGTBaseTabWnd::SetTabsOrder(const CArray<int, int>& iOrder)
{
    if (iOrder.GetSize() != m_Tabs.GetSize())
        return FALSE;
    for (INT_PTR i = 0; i < iOrder.GetSize(); ++i) {
        if (iOrder[i] < 0 || iOrder[i] >= GetTabCount())
            return FALSE;
    }
    CArray<CGTTabInfo*, CGTTabInfo*> ordered;
    int active = -1;
    for (INT_PTR i = 0; i < iOrder.GetSize(); ++i) {
        ordered.Add(m_Tabs[iOrder[i]]);
        if (iOrder[i] == m_ActiveTab)
            active = static_cast<int>(i);
    }
    m_Tabs.Copy(ordered);
    m_ActiveTab = active;
    OnTabsChanged();
    RecalcLayout();
    return TRUE;
}

BOOL CGTBaseTabWnd::SetTabLabel(int iIndex, const CString& iLabel)
{
    if (iIndex < 0 || iIndex >= GetTabCount() || iLabel.IsEmpty())
        return FALSE;
    CGTTabInfo* tab = m_Tabs[iIndex];
    tab->m_Label = iLabel;
    SetToolForTab(iIndex, TRUE);
    if (tab->m_Window->GetSafeHwnd() != nullptr)
        tab->m_Window->SetWindowText(iLabel);
    RecalcLayout();
    auto* tabbedBar = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, GetParent());
    if (iIndex == m_ActiveTab && tabbedBar != nullptr && tabbedBar->GetCaptionFromTab()) {
        tabbedBar->SetWindowText(iLabel);
        CWnd* frame = tabbedBar->GetParentMiniFrame();
        (frame != nullptr ? frame : static_cast<CWnd*>(tabbedBar))
            ->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
    return TRUE;
}

BOOL CGTBaseTabWnd::SetTabImage(int iIndex, UINT iImage)
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    CGTTabInfo* tab = m_Tabs[iIndex];
    if (tab->m_Icon != nullptr)
        ::DestroyIcon(tab->m_Icon);
    tab->m_Icon = nullptr;
    tab->m_Image = iImage;
    return TRUE;
}

BOOL CGTBaseTabWnd::IsTabIconOnly(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetTabCount() && m_Tabs[iIndex]->m_IconOnly;
}

BOOL CGTBaseTabWnd::SetTabIconOnly(int iIndex, BOOL iIconOnly, BOOL iTooltipAlways)
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    m_Tabs[iIndex]->m_IconOnly = iIconOnly;
    m_Tabs[iIndex]->m_TooltipAlways = iTooltipAlways;
    RecalcLayout();
    return TRUE;
}

BOOL CGTBaseTabWnd::SetTabHicon(int iIndex, HICON iIcon)
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    CGTTabInfo* tab = m_Tabs[iIndex];
    if (tab->m_Icon != nullptr)
        ::DestroyIcon(tab->m_Icon);
    tab->m_Icon = iIcon != nullptr ? ::CopyIcon(iIcon) : nullptr;
    tab->m_Image = static_cast<UINT>(-1);
    m_ImageSize.cx = std::max(m_ImageSize.cx, theGuiToolkitGlobals.sizeSmallIcon.cx);
    m_ImageSize.cy = std::max(m_ImageSize.cy, theGuiToolkitGlobals.sizeSmallIcon.cy);
    SetTabsHeight();
    return TRUE;
}

HICON CGTBaseTabWnd::GetTabHicon(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetTabCount() ? m_Tabs[iIndex]->m_Icon : nullptr;
}

COLORREF CGTBaseTabWnd::GetTabBkColor(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return noColor;
    CGTTabInfo* tab = m_Tabs[iIndex];
    if (m_AutoColors && tab->m_BackColor == noColor && m_AutoColorPalette.GetSize() > 0)
        tab->m_BackColor = m_AutoColorPalette[iIndex % m_AutoColorPalette.GetSize()];
    return tab->m_BackColor;
}

BOOL CGTBaseTabWnd::SetTabBkColor(int iIndex, COLORREF iColor)
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    m_Tabs[iIndex]->m_BackColor = iColor;
    return TRUE;
}

BOOL CGTBaseTabWnd::SetTabSecondColor(int iIndex, COLORREF iColor)
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    m_Tabs[iIndex]->m_SecondColor = iColor;
    return TRUE;
}

BOOL CGTBaseTabWnd::EnableTabDetach(int iIndex, BOOL iEnable)
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    m_Tabs[iIndex]->m_Detachable = iEnable;
    return TRUE;
}

BOOL CGTBaseTabWnd::OnRenameTab(int, CString&)
{
    return TRUE;
}

void CGTBaseTabWnd::EnableRename(BOOL) {}

void CGTBaseTabWnd::AdjustRenameEditRect(CRect&) {}

BOOL CGTBaseTabWnd::SetActiveTab(int)
{
    return FALSE;
}

int CGTBaseTabWnd::GetTabFromPoint(CPoint iPoint) const
{
    for (int i = 0; i < GetTabCount(); ++i) {
        if (m_Tabs[i]->m_Visible && m_Tabs[i]->m_Rect.PtInRect(iPoint))
            return i;
    }
    return -1;
}

int CGTBaseTabWnd::FindTabByID(int iTabId) const
{
    for (int i = 0; i < GetTabCount(); ++i) {
        if (m_Tabs[i]->m_TabId == iTabId)
            return i;
    }
    return -1;
}

BOOL CGTBaseTabWnd::EnsureVisible(int)
{
    return FALSE;
}

void CGTBaseTabWnd::SetActiveTabColor(COLORREF iColor)
{
    m_ActiveTabColor = iColor;
    m_ActiveTabBrush.DeleteObject();
    m_ActiveTabBrush.CreateSolidBrush(iColor == noColor ? theGuiToolkitGlobals.colorWindow : iColor);
}

void CGTBaseTabWnd::SetActiveTabTextColor(COLORREF iColor)
{
    m_ActiveTabTextColor = iColor;
}

CSize CGTBaseTabWnd::GetImageSize() const
{
    return m_ImageSize;
}

CImageList* CGTBaseTabWnd::GetImageList() const
{
    return m_Images;
}

BOOL CGTBaseTabWnd::HasTabIcon(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetTabCount())
        return FALSE;
    return m_Tabs[iIndex]->m_Icon != nullptr ||
        (m_Images != nullptr && m_Tabs[iIndex]->m_Image != static_cast<UINT>(-1));
}

void CGTBaseTabWnd::SetTabBorderSize(int iSize, BOOL iRepaint)
{
    m_TabBorderSize = iSize == -1 ? 2 : iSize;
    if (iRepaint && GetSafeHwnd() != nullptr) {
        RecalcLayout();
        RedrawWindow();
    }
}

int CGTBaseTabWnd::GetTabBorderSize() const
{
    return GetTabsHeight() == 0 ? 0 : m_TabBorderSize;
}

CWnd* CGTBaseTabWnd::FindTargetWnd(CPoint)
{
    return nullptr;
}

CSize CGTBaseTabWnd::GetMaxWindowSize() const
{
    CSize size(0, 0);
    for (int i = 0; i < GetTabCount(); ++i) {
        CWnd* window = m_Tabs[i]->m_Window;
        CSize own(0, 0);
        if (auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, window)) {
            own = bar->CalcFixedLayout(FALSE, TRUE);
        } else if (window->GetSafeHwnd() != nullptr) {
            CRect rect;
            window->GetWindowRect(rect);
            own = rect.Size();
        }
        size.cx = std::max(size.cx, own.cx);
        size.cy = std::max(size.cy, own.cy);
    }
    return size;
}

void CGTBaseTabWnd::OnTabsChanged() {}

CWnd* CGTBaseTabWnd::GetNotifiedFrame() const
{
    CWnd* frame = GetActiveTopLevelFrame(const_cast<CGTBaseTabWnd*>(this));
    return frame == GetParent() ? nullptr : frame;
}

void CGTBaseTabWnd::FireChangeActiveTab(int iIndex)
{
    if (GetSafeHwnd() == nullptr)
        return;
    m_ChangeSent = TRUE;
    CWnd* parent = GetParent();
    if (parent != nullptr)
        parent->SendMessage(GTM_ONCHANGE_ACTIVE_TAB, iIndex, reinterpret_cast<LPARAM>(this));
    if (CWnd* frame = GetNotifiedFrame())
        frame->SendMessage(GTM_ONCHANGE_ACTIVE_TAB, iIndex, reinterpret_cast<LPARAM>(this));
}

void CGTBaseTabWnd::ActivateAndNotify(int iIndex)
{
    m_ChangeSent = FALSE;
    if (iIndex >= 0)
        SetActiveTab(iIndex);
    if (!m_ChangeSent)
        FireChangeActiveTab(m_ActiveTab);
}

BOOL CGTBaseTabWnd::FireChangingActiveTab(int iIndex)
{
    if (GetSafeHwnd() == nullptr)
        return FALSE;
    CWnd* parent = GetParent();
    if (parent != nullptr && parent->SendMessage(GTM_ON_CHANGING_ACTIVE_TAB, iIndex, reinterpret_cast<LPARAM>(this)))
        return TRUE;
    CWnd* frame = GetNotifiedFrame();
    return frame != nullptr &&
        frame->SendMessage(GTM_ON_CHANGING_ACTIVE_TAB, iIndex, reinterpret_cast<LPARAM>(this)) != 0;
}

void CGTBaseTabWnd::SetLocation(int iLocation)
{
    m_Location = iLocation;
    if (GetSafeHwnd() == nullptr)
        return;
    RecalcLayout();
    if (GetParent() != nullptr)
        GetParent()->RedrawWindow();
}

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
    return m_InPlaceRename;
}

int CGTBaseTabWnd::GetFirstShownTab() const
{
    return 0;
}

BOOL CGTBaseTabWnd::IsHideSingleTab() const
{
    return m_HideSingleTab;
}

void CGTBaseTabWnd::HideSingleTab(BOOL iHide)
{
    m_HideSingleTab = iHide;
    if (GetSafeHwnd() != nullptr)
        RecalcLayout();
}

BOOL CGTBaseTabWnd::IsColored() const
{
    for (int i = 0; i < GetTabCount(); ++i) {
        if (m_Tabs[i]->m_BackColor != noColor)
            return TRUE;
    }
    return FALSE;
}

int CGTBaseTabWnd::GetTabToDetach(int iIndex) const
{
    return iIndex == -1 ? m_ActiveTab : iIndex;
}

BOOL CGTBaseTabWnd::IsActivateOnButtonUp() const
{
    return m_ActivateOnButtonUp;
}

void CGTBaseTabWnd::InitAutoColors()
{
    if (!m_DefaultPalette)
        return;
    static const COLORREF rich[] = {RGB(148, 175, 230), RGB(255, 219, 117), RGB(189, 205, 159), RGB(240, 158, 159),
                                    RGB(186, 166, 225), RGB(154, 191, 180), RGB(247, 182, 131), RGB(213, 164, 187)};
    static const COLORREF poor[] = {RGB(0, 255, 0), RGB(0, 255, 255), RGB(255, 0, 255), RGB(192, 192, 192),
                                    RGB(255, 255, 0)};
    m_AutoColorPalette.RemoveAll();
    const BOOL richScreen = theGuiToolkitGlobals.bitsPerPixel > 8;
    const COLORREF* colors = richScreen ? rich : poor;
    const int count = richScreen ? 8 : 5;
    for (int i = 0; i < count; ++i)
        m_AutoColorPalette.Add(colors[i]);
}

void CGTBaseTabWnd::EnableAutoColor(BOOL iEnable)
{
    if (!iEnable) {
        for (int i = 0; i < GetTabCount(); ++i)
            m_Tabs[i]->m_BackColor = noColor;
    }
    m_AutoColors = iEnable;
    InitAutoColors();
    if (GetSafeHwnd() != nullptr)
        RedrawWindow();
}

void CGTBaseTabWnd::SetAutoColors(const CArray<COLORREF, COLORREF>& iColors)
{
    for (int i = 0; i < GetTabCount(); ++i)
        m_Tabs[i]->m_BackColor = noColor;
    m_DefaultPalette = iColors.GetSize() == 0;
    if (m_DefaultPalette)
        InitAutoColors();
    else
        m_AutoColorPalette.Copy(iColors);
    if (GetSafeHwnd() != nullptr)
        RedrawWindow();
}

void CGTBaseTabWnd::EnableCustomToolTips(BOOL iEnable)
{
    m_CustomToolTips = iEnable;
    for (int i = 0; i < GetTabCount(); ++i)
        SetToolForTab(i, TRUE);
    RecalcLayout();
}

void CGTBaseTabWnd::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsStoring()) {
        ioArchive << GetTabCount();
        for (int i = 0; i < GetTabCount(); ++i) {
            const CGTTabInfo* tab = m_Tabs[i];
            ioArchive << tab->m_Label << tab->m_Visible << tab->m_Window->GetDlgCtrlID() << tab->m_Detachable
                      << tab->m_SecondColor << tab->m_BackColor;
        }
        ioArchive << m_ActiveTab << m_Location;
        return;
    }
    while (!m_RestoredTabs.IsEmpty())
        delete m_RestoredTabs.RemoveHead();
    int count = 0;
    ioArchive >> count;
    for (int i = 0; i < count; ++i) {
        auto* restored = new CGTRestoredTabInfo;
        m_RestoredTabs.AddTail(restored);
        ioArchive >> restored->m_Label >> restored->m_Visible >> restored->m_ControlId >> restored->m_Detachable >>
            restored->m_SecondColor >> restored->m_BackColor;
    }
    ioArchive >> m_RestoredActiveTab >> m_RestoredLocation;
}

void CGTBaseTabWnd::ApplyRestoredTabInfo(BOOL)
{
    auto* tabbedBar = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, GetParent());
    CGTDockManager* manager = GetDockManagerOfFrame(m_DockFrame);
    for (POSITION pos = m_RestoredTabs.GetHeadPosition(); pos != nullptr;) {
        const auto* restored = static_cast<CGTRestoredTabInfo*>(m_RestoredTabs.GetNext(pos));
        if (FindTabOfControl(restored->m_ControlId) >= 0 || manager == nullptr || tabbedBar == nullptr)
            continue;
        auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, manager->FindBarById(restored->m_ControlId, TRUE));
        if (pane == nullptr)
            continue;
        pane->UnDockControlBar();
        pane->SetParent(GetParent());
        tabbedBar->AddBarAsTab(pane, TRUE, FALSE, restored->m_Detachable);
    }
    int position = 0;
    for (POSITION pos = m_RestoredTabs.GetHeadPosition(); pos != nullptr; ++position) {
        const auto* restored = static_cast<CGTRestoredTabInfo*>(m_RestoredTabs.GetNext(pos));
        const int index = FindTabOfControl(restored->m_ControlId);
        if (index < 0)
            continue;
        CGTTabInfo* tab = m_Tabs[index];
        tab->m_SecondColor = restored->m_SecondColor;
        tab->m_BackColor = restored->m_BackColor;
        tab->m_Detachable = restored->m_Detachable;
        ShowTab(index, restored->m_Visible, FALSE, FALSE);
        if (restored->m_Visible && index != position && position < GetTabCount()) {
            SwapTabs(index, position);
            if (position == m_RestoredActiveTab && tab->m_Window->GetSafeHwnd() != nullptr)
                tab->m_Window->ShowWindow(SW_SHOW);
        }
    }
    m_ActiveTab = -1;
    if (!SetActiveTab(m_RestoredActiveTab))
        SetActiveTab(0);
    RecalcLayout();
}

int CGTBaseTabWnd::FindTabOfControl(int iControlId) const
{
    for (int i = 0; i < GetTabCount(); ++i) {
        if (m_Tabs[i]->m_Window->GetSafeHwnd() != nullptr && m_Tabs[i]->m_Window->GetDlgCtrlID() == iControlId)
            return i;
    }
    return -1;
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

BOOL CGTBaseTabWnd::IsPtInTabArea(CPoint) const
{
    return FALSE;
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

void CGTBaseTabWnd::RecalcLayout() {}
