#include <guitoolkit/toolbars/GTControlButtonSupport.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>

HBRUSH SetControlWindowColors(CDC* iDc)
{
    iDc->SetTextColor(theGuiToolkitGlobals.colorWindowText);
    iDc->SetBkColor(theGuiToolkitGlobals.colorWindow);
    return static_cast<HBRUSH>(theGuiToolkitGlobals.brushWindow.GetSafeHandle());
}

void CGTControlEditInput::OnMouseMove(CWnd& iEdit)
{
    if (m_Tracking)
        return;
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, iEdit.GetSafeHwnd(), HOVER_DEFAULT};
    m_Tracking = ::TrackMouseEvent(&track);
}

BOOL CGTControlEditInput::MoveFocusByKey(CWnd& iEdit, UINT iKey)
{
    if (iKey == VK_TAB) {
        CWnd* parent = iEdit.GetParent();
        if (HWND next =
                parent != nullptr ? ::GetNextDlgTabItem(parent->GetSafeHwnd(), iEdit.GetSafeHwnd(), FALSE) : nullptr)
            ::SetFocus(next);
        return TRUE;
    }
    if (iKey == VK_ESCAPE) {
        if (CWnd* frame = iEdit.GetTopLevelFrame())
            frame->SetFocus();
        return TRUE;
    }
    return FALSE;
}

void CGTControlEditInput::ShowContextMenu(CWnd& iEdit, UINT iMenuId, CPoint iPoint)
{
    HMENU loaded = ::LoadMenuW(AfxFindResourceHandle(MAKEINTRESOURCEW(iMenuId), RT_MENU), MAKEINTRESOURCEW(iMenuId));
    if (loaded == nullptr)
        return;
    HMENU items = ::GetSubMenu(loaded, 0);
    CWnd* owner = iEdit.GetParent();
    if (items != nullptr && owner != nullptr) {
        if (CGTContextMenuManager* manager = CGTContextMenuManager::Current()) {
            // The popup copies the items as it opens; the menu is not needed after that.
            const int animation = GTMenuOptions::s_Animation;
            GTMenuOptions::s_Animation = 0;
            manager->ShowPopupMenu(items, iPoint.x, iPoint.y, owner);
            GTMenuOptions::s_Animation = animation;
        } else {
            ::TrackPopupMenu(items, TPM_CENTERALIGN, iPoint.x, iPoint.y, 0, owner->GetSafeHwnd(), nullptr);
        }
    }
    ::DestroyMenu(loaded);
}
