// The dock manager's bars as a group: print preview, hiding all bars, floating frames on frame
// activation, freezing window updates, and the bars menu.
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/docking/CGTReBar.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/GTWindowUpdateLock.h>
#include <afxpriv.h>
#include <cstring>

namespace {
// The status bar belongs to the toolbars module, which this one does not build on; it is
// known by the name of its run-time class.
BOOL IsStatusBar(const CObject& iWindow)
{
    for (const CRuntimeClass* type = iWindow.GetRuntimeClass(); type != nullptr; type = type->m_pBaseClass) {
        if (std::strcmp(type->m_lpszClassName, "CGTStatusBar") == 0)
            return TRUE;
    }
    return FALSE;
}

BOOL IsPaneKind(const CObject& iWindow)
{
    return iWindow.IsKindOf(RUNTIME_CLASS(CGTDockingControlBar)) ||
        iWindow.IsKindOf(RUNTIME_CLASS(CGTAutoHideDockBar)) || iWindow.IsKindOf(RUNTIME_CLASS(CGTSlider));
}

// The bars a listed bar puts on the bars menu: a tabbed pane its tabs, a rebar its bands, any
// other bar itself.
void MenuCandidates(CObject* iBar, CArray<CWnd*, CWnd*>& oBars)
{
    if (auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, iBar);
        tabbed != nullptr && !iBar->IsKindOf(RUNTIME_CLASS(CGTOutlookBar))) {
        for (int tab = 0; tab < tabbed->CountTabs(); ++tab)
            oBars.Add(tabbed->GetBarOfTab(tab, TRUE));
    } else if (auto* rebar = DYNAMIC_DOWNCAST(CGTReBar, iBar)) {
        const int bands = static_cast<int>(rebar->SendMessage(RB_GETBANDCOUNT));
        for (int band = 0; band < bands; ++band) {
            REBARBANDINFOW info = {};
            info.cbSize = sizeof(info);
            info.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
            if (rebar->SendMessage(RB_GETBANDINFOW, band, reinterpret_cast<LPARAM>(&info)))
                oBars.Add(CWnd::FromHandlePermanent(info.hwndChild));
        }
    } else {
        oBars.Add(static_cast<CWnd*>(iBar));
    }
}
}  // namespace

void CGTDockManager::HideBarGroup(const CObList& iBars)
{
    const BOOL takesAll = s_bHideAllTakesPanes || !m_bAllBarsHidden;
    for (POSITION position = iBars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTBaseControlBar*>(iBars.GetNext(position));
        if (!(bar->GetStyle() & WS_VISIBLE) || IsStatusBar(*bar) || (!takesAll && IsPaneKind(*bar)))
            continue;
        bar->ShowBar(FALSE, TRUE, FALSE);
        m_lstHiddenBars.AddTail(bar);
    }
    if (!takesAll)
        return;
    for (POSITION position = m_lstFloatFrames.GetHeadPosition(); position != nullptr;) {
        auto* frame = static_cast<CWnd*>(m_lstFloatFrames.GetNext(position));
        if (frame->GetStyle() & WS_VISIBLE) {
            frame->ShowWindow(SW_HIDE);
            m_lstHiddenBars.AddTail(frame);
        }
    }
}

void CGTDockManager::ShowHiddenBars(int iShowCommand)
{
    for (POSITION position = m_lstHiddenBars.GetHeadPosition(); position != nullptr;) {
        auto* window = static_cast<CWnd*>(m_lstHiddenBars.GetNext(position));
        if (auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, window))
            bar->ShowBar(TRUE, TRUE, FALSE);
        else
            window->ShowWindow(iShowCommand);
    }
    m_lstHiddenBars.RemoveAll();
}

void CGTDockManager::SetPrintPreviewMode(BOOL iPreview)
{
    if (iPreview && !m_bPreviewMode && !m_bAllBarsHidden) {
        m_lstHiddenBars.RemoveAll();
        HideBarGroup(m_lstAutoHideSliders);
        HideBarGroup(m_lstBars);
    } else if (!iPreview && m_bPreviewMode && !m_bAllBarsHidden) {
        ShowHiddenBars(SW_SHOWNOACTIVATE);
    }
    m_bPreviewMode = iPreview;
}

BOOL CGTDockManager::ShowAllBars(BOOL iShow)
{
    if (iShow != m_bAllBarsHidden)
        return FALSE;
    if (iShow) {
        m_bAllBarsHidden = FALSE;
        ShowHiddenBars(SW_SHOW);
    } else {
        m_lstHiddenBars.RemoveAll();
        m_bAllBarsHidden = TRUE;
        HideBarGroup(m_lstAutoHideSliders);
        HideBarGroup(m_lstBars);
    }
    RecalcLayout();
    return TRUE;
}

void CGTDockManager::ShowFloatingWindows(BOOL iShow)
{
    if (iShow) {
        for (POSITION position = m_lstHiddenFloatFrames.GetHeadPosition(); position != nullptr;) {
            const HWND window = m_lstHiddenFloatFrames.GetNext(position);
            auto* frame =
                ::IsWindow(window) ? DYNAMIC_DOWNCAST(CGTMiniFrameWnd, CWnd::FromHandlePermanent(window)) : nullptr;
            if (frame != nullptr && frame->GetBarCount() > 0)
                frame->ShowWindow(SW_SHOWNOACTIVATE);
        }
        m_lstHiddenFloatFrames.RemoveAll();
        return;
    }
    if (m_pOwnerFrame == nullptr)
        return;
    const BOOL allFrames = m_pOwnerFrame->IsKindOf(RUNTIME_CLASS(CMDIChildWnd));
    for (POSITION position = m_lstFloatFrames.GetHeadPosition(); position != nullptr;) {
        auto* frame = static_cast<CGTMiniFrameWnd*>(m_lstFloatFrames.GetNext(position));
        const HWND window = frame->GetSafeHwnd();
        if (window == nullptr || !(frame->GetStyle() & WS_VISIBLE))
            continue;
        CWnd* bar = frame->GetBar();
        if (!allFrames && (bar == nullptr || !bar->IsKindOf(RUNTIME_CLASS(CGTToolBar))))
            continue;
        frame->ShowWindow(SW_HIDE);
        if (m_lstHiddenFloatFrames.Find(window) == nullptr)
            m_lstHiddenFloatFrames.AddTail(window);
    }
}

void CGTDockManager::FreezeUpdates(BOOL iFreeze)
{
    if (iFreeze && IsSmartDockingRunning())
        return;
    if (iFreeze == m_bUpdateLocked || m_pOwnerFrame == nullptr)
        return;
    for (POSITION position = m_lstFloatFrames.GetHeadPosition(); position != nullptr;)
        static_cast<CWnd*>(m_lstFloatFrames.GetNext(position))->UpdateWindow();
    for (POSITION position = m_lstBars.GetHeadPosition(); position != nullptr;)
        static_cast<CWnd*>(m_lstBars.GetNext(position))->UpdateWindow();
    // The system locks one window at a time: the frame's lock covers its bars.
    if (iFreeze)
        GTWindowUpdateLock::Acquire(m_pOwnerFrame->GetSafeHwnd());
    else
        GTWindowUpdateLock::Release();
    m_bUpdateLocked = iFreeze;
}

void CGTDockManager::BuildBarsMenu(CMenu& ioMenu, BOOL iToolbarsOnly)
{
    m_MenuBarIds.RemoveAll();
    CObList listed;
    CollectBars(listed, TRUE);
    CArray<CWnd*, CWnd*> candidates;
    for (POSITION position = listed.GetHeadPosition(); position != nullptr;)
        MenuCandidates(listed.GetNext(position), candidates);
    for (int pass = 0; pass < (iToolbarsOnly ? 1 : 2); ++pass) {
        BOOL separatorDue = pass == 1 && ioMenu.GetMenuItemCount() > 0;
        for (INT_PTR i = 0; i < candidates.GetSize(); ++i) {
            auto* bar = DYNAMIC_DOWNCAST(CGTControlBar, candidates[i]);
            BOOL known = FALSE;
            if (bar == nullptr || bar->GetSafeHwnd() == nullptr || !bar->IsShownInBarsMenu() ||
                bar->IsKindOf(RUNTIME_CLASS(CGTToolBar)) != (pass == 0) ||
                m_MenuBarIds.Lookup(bar->GetDlgCtrlID(), known))
                continue;
            if (separatorDue)
                ioMenu.AppendMenu(MF_SEPARATOR);
            separatorDue = FALSE;
            ioMenu.AppendMenu(MF_STRING, bar->GetDlgCtrlID(), bar->GetBarCaption());
            m_MenuBarIds.SetAt(bar->GetDlgCtrlID(), TRUE);
        }
    }
    if (m_nMenuExtraCmd == 0)
        return;
    if (ioMenu.GetMenuItemCount() > 0)
        ioMenu.AppendMenu(MF_SEPARATOR);
    ioMenu.AppendMenu(MF_STRING, m_nMenuExtraCmd, m_strMenuExtraText);
}

void CGTDockManager::EnableBarsMenu(BOOL iEnable, BOOL iToolbarsOnly, UINT iExtraCmd, LPCWSTR iExtraText)
{
    m_bBarsMenuEnabled = iEnable;
    m_bBarsMenuToolbarsOnly = iToolbarsOnly;
    m_nMenuExtraCmd = iExtraCmd;
    m_strMenuExtraText = iExtraText != nullptr ? iExtraText : L"";
}

void CGTDockManager::ShowBarsContextMenu(CPoint iPoint)
{
    if (!m_bBarsMenuEnabled || m_pOwnerFrame == nullptr)
        return;
    CFrameWnd* owner = GetActiveTopLevelFrame(m_pOwnerFrame);
    if (owner == nullptr)
        return;
    CMenu menu;
    menu.CreatePopupMenu();
    BuildBarsMenu(menu, m_bBarsMenuToolbarsOnly);
    auto* popup = new CGTPopupMenu;
    m_bMenuOpen = TRUE;
    popup->Create(owner, iPoint.x, iPoint.y, menu.GetSafeHmenu(), FALSE, FALSE);
    menu.DestroyMenu();
}

BOOL CGTDockManager::RouteBarCommand(UINT iId, int iCode, void* iExtra, AFX_CMDHANDLERINFO*)
{
    if (!m_bBarsMenuEnabled || m_MenuBarIds.IsEmpty())
        return FALSE;
    const BOOL update = static_cast<UINT>(iCode) == CN_UPDATE_COMMAND_UI;
    BOOL listed = FALSE;
    if ((update && !m_bMenuOpen) || !m_MenuBarIds.Lookup(iId, listed))
        return FALSE;
    // The command may come after its popup closed: a bar that went meanwhile is not found.
    CGTBaseControlBar* bar = FindBarById(iId, TRUE);
    if (bar == nullptr || bar->GetSafeHwnd() == nullptr)
        return FALSE;
    const BOOL visible = (bar->GetStyle() & WS_VISIBLE) != 0;
    if (update) {
        static_cast<CCmdUI*>(iExtra)->SetCheck(visible ? 1 : 0);
        return TRUE;
    }
    if ((iCode != 0 && HIWORD(iCode) != WM_COMMAND) || iExtra != nullptr)
        return FALSE;
    bar->ShowBar(!visible, FALSE, TRUE);
    CWnd* frame = bar->FindOwnerFrame();
    if (frame != nullptr && frame->IsFrameWnd())
        static_cast<CFrameWnd*>(frame)->RecalcLayout();
    else
        AdjustAllBars();
    m_MenuBarIds.RemoveAll();
    return TRUE;
}
