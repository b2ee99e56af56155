// What the user does to a tab window: activation by the mouse, moving tabs along the row,
// tearing a tab off, in-place renaming, tooltips and the drop target over the tabs.
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/docking/CGTDockingCBWrapper.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarButton.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>

BEGIN_MESSAGE_MAP(CGTBaseTabWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_WM_SYSCOLORCHANGE()
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &CGTBaseTabWnd::OnNeedToolTipText)
END_MESSAGE_MAP()

namespace {
const int renameEditId = 1;
const int methodMouse = 1;
}  // namespace

int CGTBaseTabWnd::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CWnd::OnCreate(iCreate) == -1)
        return -1;
    m_DockFrame = GetActiveTopLevelFrame(this);
    if (SUCCEEDED(::OleInitialize(nullptr))) {
        m_DropTarget.Register(this);
        ::OleUninitialize();
    }
    return 0;
}

void CGTBaseTabWnd::OnDestroy()
{
    EndRename();
    ClearTabs();
    m_DropTarget.Revoke();
    CWnd::OnDestroy();
}

void CGTBaseTabWnd::RedrawTab(int iIndex)
{
    CRect rect;
    if (GetSafeHwnd() != nullptr && GetTabRect(iIndex, rect))
        InvalidateRect(rect);
}

BOOL CGTBaseTabWnd::ActivateByMouse(int iIndex, BOOL iByUserInput)
{
    if (iIndex == m_ActiveTab)
        return TRUE;
    const int previous = m_ActiveTab;
    m_ActivatedByClick = TRUE;
    m_ActivatedByUser = iByUserInput;
    m_ChangeSent = FALSE;
    const BOOL activated = SetActiveTab(iIndex);
    m_ActivatedByClick = FALSE;
    m_ActivatedByUser = FALSE;
    if (!activated)
        return FALSE;
    m_PreviousActiveTab = previous;
    if (!m_ChangeSent)
        FireChangeActiveTab(m_ActiveTab);
    return TRUE;
}

void CGTBaseTabWnd::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    CWnd::OnLButtonDown(iFlags, iPoint);
    const int tab = GetTabFromPoint(iPoint);
    if (tab < 0)
        return;
    if (m_ActivateOnButtonUp) {
        m_PressedTab = tab;
        SetCapture();
        RedrawTab(tab);
        return;
    }
    if (!ActivateByMouse(tab, TRUE) || GetTabFromPoint(iPoint) != tab)
        return;
    m_TabMove = TRUE;
    m_TabMoveStart = iPoint;
    m_DragStartTab = m_ActiveTab;
    CRect rect;
    GetTabRect(m_ActiveTab, rect);
    m_TabMoveOffset = iPoint.x - rect.left;
    SetCapture();
}

void CGTBaseTabWnd::EndTabMove()
{
    if (m_TabMove && GetCapture() == this)
        ReleaseCapture();
    m_TabMove = FALSE;
    m_DragStartTab = -1;
}

void CGTBaseTabWnd::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    CWnd::OnLButtonUp(iFlags, iPoint);
    if (m_TabMove && m_DragStartTab >= 0 && m_ActiveTab != m_DragStartTab) {
        const int from = m_DragStartTab;
        const int to = m_ActiveTab;
        CWnd* parent = GetParent();
        parent->SendMessage(GTM_ON_MOVE_TAB, from, to);
        if (parent->IsKindOf(RUNTIME_CLASS(CGTBaseTabbedBar)) ||
            parent->IsKindOf(RUNTIME_CLASS(CGTMainClientAreaWnd))) {
            if (CWnd* frame = parent->GetParentFrame())
                frame->SendMessage(GTM_ON_MOVE_TAB, from, to);
        }
    }
    EndTabMove();
    const int pressed = m_PressedTab;
    if (m_ActivateOnButtonUp && pressed >= 0) {
        m_PressedTab = -1;
        if (GetCapture() == this)
            ReleaseCapture();
        if (GetTabFromPoint(iPoint) == pressed)
            ActivateByMouse(pressed, TRUE);
    }
    RedrawTab(pressed);
    RedrawTab(m_ActiveTab);
}

void CGTBaseTabWnd::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    CWnd::OnLButtonDblClk(iFlags, iPoint);
    if (m_InPlaceRename) {
        if (GetTabFromPoint(iPoint) == m_ActiveTab)
            StartRenameTab(m_ActiveTab);
        return;
    }
    if (FindTargetWnd(iPoint) == nullptr)
        DetachTab(2, -1, FALSE);
}

void CGTBaseTabWnd::OnRButtonDown(UINT iFlags, CPoint iPoint)
{
    CWnd::OnRButtonDown(iFlags, iPoint);
    const int tab = GetTabFromPoint(iPoint);
    if (m_ActivateOnRightClick && tab >= 0)
        ActivateByMouse(tab, FALSE);
}

void CGTBaseTabWnd::OnMouseMove(UINT iFlags, CPoint iPoint)
{
    CWnd::OnMouseMove(iFlags, iPoint);
    CPoint screen = iPoint;
    ClientToScreen(&screen);
    if (m_PressedTab >= 0 && !m_TabMove && CGTCursor::Current().WindowAt(screen) != m_hWnd) {
        if (GetCapture() == this)
            ReleaseCapture();
        const int pressed = m_PressedTab;
        m_PressedTab = -1;
        RedrawTab(pressed);
    }
    const int oldHot = m_HotTab;
    m_HotTab = GetTabFromPoint(iPoint);
    if (m_ActivateOnButtonUp && m_PressedTab >= 0 && m_HotTab != m_PressedTab)
        m_HotTab = -1;
    if (m_HotTracking && m_HotTab != oldHot && !m_TabMove) {
        if (m_HotTab >= 0 && oldHot < 0)
            SetCapture();
        else if (m_HotTab < 0 && GetCapture() == this && m_PressedTab < 0)
            ReleaseCapture();
        RedrawTab(oldHot);
        RedrawTab(m_HotTab);
    }
    if (m_TabMove)
        MoveTabWithMouse(iPoint);
}

void CGTBaseTabWnd::MoveTabWithMouse(CPoint iPoint)
{
    if (!IsPtInTabArea(iPoint)) {
        const int before = GetTabCount();
        if (DetachTab(methodMouse, -1, FALSE) && before >= 3)
            EndTabMove();
        return;
    }
    const int over = GetTabFromPoint(iPoint);
    if (GetTabCount() < 2 || !m_TabSwap || over < 0 || over == m_ActiveTab)
        return;
    const int dragged = m_ActiveTab;
    SwapTabs(dragged, over);
    RecalcLayout();
    m_ActiveTab = -1;
    SetActiveTab(over);
    if (GetTabFromPoint(iPoint) != over) {
        CRect rect;
        GetTabRect(over, rect);
        CPoint cursor(rect.left + m_TabMoveOffset, iPoint.y);
        ClientToScreen(&cursor);
        ::SetCursorPos(cursor.x, cursor.y);
    }
}

void CGTBaseTabWnd::OnCancelMode()
{
    CWnd::OnCancelMode();
    if (GetCapture() == this)
        ReleaseCapture();
    const int hot = m_HotTab;
    const int pressed = m_PressedTab;
    m_HotTab = -1;
    m_PressedTab = -1;
    RedrawTab(hot);
    RedrawTab(pressed);
    EndRename();
    EndTabMove();
}

void CGTBaseTabWnd::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    InitAutoColors();
}

BOOL CGTBaseTabWnd::DetachTab(int iMethod, int iIndex, BOOL iHide)
{
    const int index = GetTabToDetach(iIndex);
    if (!IsTabDetachable(index))
        return FALSE;
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, GetTabWnd(index));
    if (pane == nullptr || !pane->CanFloat())
        return FALSE;
    if (iMethod == methodMouse) {
        CPoint cursor;
        CGTCursor::Current().GetPosition(cursor);
        ScreenToClient(&cursor);
        const SIZE& threshold = CGTDockingValues::DragThreshold();
        if (abs(cursor.x - m_TabMoveStart.x) < threshold.cx && abs(cursor.y - m_TabMoveStart.y) < threshold.cy)
            return FALSE;
    }
    auto* tabbedBar = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, GetParent());
    if (tabbedBar == nullptr)
        return FALSE;
    const HWND self = m_hWnd;
    tabbedBar->FloatBarFromTab(pane, index, iMethod, iHide);
    if (!::IsWindow(self))
        return TRUE;
    RecalcLayout();
    if (iMethod == methodMouse) {
        if (CGTMiniFrameWnd* frame = pane->GetParentMiniFrame())
            frame->SendMessage(WM_IDLEUPDATECMDUI);
    }
    return TRUE;
}

CWnd* CGTBaseTabWnd::CreateWrapper(CWnd* iWindow, LPCWSTR iLabel, BOOL iDetachable)
{
    // An MDI child stays the client window's child: its tab is never a docking pane.
    if (iWindow->IsKindOf(RUNTIME_CLASS(CGTDockingControlBar)) || iWindow->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ||
        !iDetachable || GetDockManagerOfFrame(m_DockFrame) == nullptr)
        return iWindow;
    CRuntimeClass* type = m_WrapperClass != nullptr ? m_WrapperClass : RUNTIME_CLASS(CGTDockingCBWrapper);
    auto* wrapper = DYNAMIC_DOWNCAST(CGTDockingCBWrapper, type->CreateObject());
    if (wrapper == nullptr)
        return iWindow;
    DWORD style = 0x56000000;
    DWORD behaviour = 15;
    if (auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, iWindow)) {
        style = bar->GetStyle();
        behaviour = bar->GetBehaviourStyle() != 0 ? bar->GetBehaviourStyle() : 15;
    }
    if (!wrapper->Create(iLabel, this, CRect(0, 0, 0, 0), TRUE, iWindow->GetDlgCtrlID(), style, 0x20, behaviour)) {
        delete wrapper;
        return iWindow;
    }
    wrapper->SetWrappedWnd(iWindow);
    return wrapper;
}

BOOL CGTBaseTabWnd::StartRenameTab(int iIndex)
{
    CRect rect;
    if (!m_InPlaceRename || !GetTabRect(iIndex, rect) || rect.IsRectEmpty())
        return FALSE;
    EndRename();
    AdjustRenameEditRect(rect);
    m_RenameEdit = new CEdit;
    if (!m_RenameEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, this, renameEditId)) {
        delete m_RenameEdit;
        m_RenameEdit = nullptr;
        return FALSE;
    }
    m_RenameEdit->SetWindowText(m_Tabs[iIndex]->m_Label);
    m_RenameEdit->SetFont(&theGuiToolkitGlobals.fontRegular);
    m_RenameEdit->SetSel(0, -1);
    m_RenameEdit->SetFocus();
    m_RenamedTab = iIndex;
    return TRUE;
}

BOOL CGTBaseTabWnd::RenameTab()
{
    if (m_RenameEdit == nullptr || m_RenamedTab < 0)
        return FALSE;
    CString name;
    m_RenameEdit->GetWindowText(name);
    if (name.IsEmpty() || !OnRenameTab(m_RenamedTab, name))
        return FALSE;
    if (GetParent()->SendMessage(GTM_ON_RENAME_TAB, m_RenamedTab, reinterpret_cast<LPARAM>(&name)) == 0)
        SetTabLabel(m_RenamedTab, name);
    return TRUE;
}

void CGTBaseTabWnd::EndRename()
{
    if (m_RenameEdit == nullptr)
        return;
    CEdit* edit = m_RenameEdit;
    m_RenameEdit = nullptr;
    m_RenamedTab = -1;
    edit->DestroyWindow();
    delete edit;
    if (GetCapture() == this)
        ReleaseCapture();
}

BOOL CGTBaseTabWnd::PreTranslateMessage(MSG* iMsg)
{
    if (m_RenameEdit != nullptr && PreTranslateRename(iMsg))
        return TRUE;
    if (m_ToolTip.GetSafeHwnd() != nullptr &&
        ((iMsg->message >= WM_MOUSEFIRST && iMsg->message <= WM_MOUSELAST) ||
         (iMsg->message >= WM_NCMOUSEMOVE && iMsg->message <= WM_NCMBUTTONDBLCLK) || iMsg->message == WM_SYSKEYDOWN))
        m_ToolTip.RelayEvent(iMsg);
    return CWnd::PreTranslateMessage(iMsg);
}

BOOL CGTBaseTabWnd::PreTranslateRename(MSG* iMsg)
{
    if (iMsg->message == WM_KEYDOWN) {
        if (iMsg->wParam == VK_RETURN) {
            if (RenameTab())
                EndRename();
            else
                CGTBeeper::Current().Beep(static_cast<UINT>(-1));
            return TRUE;
        }
        if (iMsg->wParam == VK_ESCAPE) {
            EndRename();
            return TRUE;
        }
        return FALSE;
    }
    if (iMsg->message < WM_MOUSEFIRST || iMsg->message > WM_MOUSELAST)
        return FALSE;
    CRect editRect;
    m_RenameEdit->GetWindowRect(editRect);
    CPoint screen(static_cast<short>(LOWORD(iMsg->lParam)), static_cast<short>(HIWORD(iMsg->lParam)));
    ::ClientToScreen(iMsg->hwnd, &screen);
    if (editRect.PtInRect(screen)) {
        m_RenameEdit->ScreenToClient(&screen);
        m_RenameEdit->SendMessage(iMsg->message, iMsg->wParam, MAKELPARAM(screen.x, screen.y));
        return TRUE;
    }
    if (iMsg->message != WM_MOUSEMOVE)
        EndRename();
    return TRUE;
}

BOOL CGTBaseTabWnd::OnNeedToolTipText(UINT, NMHDR* iNotify, LRESULT*)
{
    if (m_ToolTip.GetSafeHwnd() == nullptr || iNotify->hwndFrom != m_ToolTip.GetSafeHwnd())
        return FALSE;
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    ScreenToClient(&cursor);
    GTTabToolTipInfo& info = ToolTipInfo();
    info.m_Text.Empty();
    info.m_TabWnd = this;
    info.m_Tab = GetTabFromPoint(cursor);
    if (m_CustomToolTips) {
        GetParent()->SendMessage(GTM_ON_GET_TAB_TOOLTIP, 0, reinterpret_cast<LPARAM>(&info));
        if (CWnd* frame = GetNotifiedFrame())
            frame->SendMessage(GTM_ON_GET_TAB_TOOLTIP, 0, reinterpret_cast<LPARAM>(&info));
    } else if (info.m_Tab >= 0) {
        info.m_Text = m_Tabs[info.m_Tab]->m_Label;
    }
    if (info.m_Text.IsEmpty())
        return FALSE;
    static CString shown;
    shown = info.m_Text;
    reinterpret_cast<NMTTDISPINFOW*>(iNotify)->lpszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(shown));
    return TRUE;
}

BOOL CGTTabDropTarget::ServesButtonDrag(COleDataObject* iData)
{
    return CGTToolBar::IsCustomizeMode() && iData->IsDataAvailable(CGTToolbarButton::GetClipboardFormat());
}

DROPEFFECT CGTTabDropTarget::OnDragEnter(CWnd*, COleDataObject* iData, DWORD iKeyState, CPoint iPoint)
{
    return ServesButtonDrag(iData) ? m_TabWnd->OnDragEnterHook(iData, iKeyState, iPoint) : DROPEFFECT_NONE;
}

DROPEFFECT CGTTabDropTarget::OnDragOver(CWnd*, COleDataObject* iData, DWORD iKeyState, CPoint iPoint)
{
    if (ServesButtonDrag(iData))
        return m_TabWnd->OnDragOverHook(iData, iKeyState, iPoint);
    const int tab = m_TabWnd->GetTabFromPoint(iPoint);
    if (tab >= 0 && tab != m_TabWnd->GetActiveTab())
        m_TabWnd->SetActiveTab(tab);
    return DROPEFFECT_NONE;
}

void CGTTabDropTarget::OnDragLeave(CWnd*)
{
    if (CGTToolBar::IsCustomizeMode())
        m_TabWnd->OnDragLeaveHook();
}

BOOL CGTTabDropTarget::OnDrop(CWnd*, COleDataObject* iData, DROPEFFECT iEffect, CPoint iPoint)
{
    return ServesButtonDrag(iData) && static_cast<int>(m_TabWnd->OnDropHook(iData, iEffect, iPoint)) > 0;
}
