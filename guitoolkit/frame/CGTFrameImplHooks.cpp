// What the main frames' own overrides share: their border space, their limits in full screen,
// their activation, the end of their windows and the toolbars' popup and bar hooks.
#include <guitoolkit/frame/CGTFrameImpl.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/docking/CGTBaseControlBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

BOOL CGTFrameImpl::NegotiateBorderSpace(UINT iBorderCmd, LPRECT ioRect)
{
    switch (iBorderCmd) {
    case CFrameWnd::borderGet: {
        m_Owner->CFrameWnd::NegotiateBorderSpace(iBorderCmd, ioRect);
        CRect area;
        m_DockManager->GetClientAreaBounds(area);
        *ioRect = area;
        return TRUE;
    }
    case CFrameWnd::borderSet:
        return m_Owner->CFrameWnd::NegotiateBorderSpace(iBorderCmd, ioRect);
    default:
        return TRUE;
    }
}

BOOL CGTFrameImpl::GetFullScreenMinMaxInfo(MINMAXINFO* ioInfo)
{
    if (!IsFullScreen())
        return FALSE;
    m_FullScreen->OnGetMinMaxInfo(ioInfo);
    return TRUE;
}

void CGTFrameImpl::OnFrameActivate(UINT iState)
{
    if (iState == WA_INACTIVE && !CGTToolBar::IsCustomizeMode())
        UpdateMenuBarState();
    if (iState == WA_CLICKACTIVE)
        m_Owner->UpdateWindow();
}

void CGTFrameImpl::DestroyFrameWindows(HWND iKeep)
{
    if (m_Owner->m_hAccelTable != nullptr) {
        ::DestroyAcceleratorTable(m_Owner->m_hAccelTable);
        m_Owner->m_hAccelTable = nullptr;
    }
    DestroyChildWindows(m_Owner->GetSafeHwnd(), iKeep);
}

void CGTFrameImpl::NotifyPopupMenuShown(CGTPopupMenu* iPopup)
{
    theGuiToolkitGlobals.NotifyWinEventOptional(EVENT_SYSTEM_MENUPOPUPSTART, iPopup->GetSafeHwnd(), OBJID_CLIENT,
                                                CHILDID_SELF);
}

void CGTFrameImpl::OnPopupMenuClosed(CGTPopupMenu* iPopup)
{
    theGuiToolkitGlobals.NotifyWinEventOptional(EVENT_SYSTEM_MENUEND, iPopup->GetSafeHwnd(), OBJID_WINDOW,
                                                CHILDID_SELF);
    if (CGTActivePopupMenu::Get() == iPopup)
        CGTActivePopupMenu::Set(nullptr);
    m_DockManager->OnClosePopupMenu();
}

BOOL CGTFrameImpl::IsUserToolbar(const CGTToolBar* iBar) const
{
    return iBar != nullptr && m_UserToolbars.Find(const_cast<CGTToolBar*>(iBar)) != nullptr;
}

void CGTFrameImpl::RemoveTearOffControlBar(CGTBaseControlBar* iBar)
{
    if (auto* bar = DYNAMIC_DOWNCAST(CGTToolBar, iBar))
        RemoveTearOffBar(bar);
}
