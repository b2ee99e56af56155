// A button's menu in customize mode: the bar selects the button under the point, prepares the
// menu's items for it and shows it; deleting the button and choosing its appearance.
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/GTButtonAppearance.h>

void CGTToolBar::OnContextMenu(CWnd* iWindow, CPoint iPoint)
{
    if (s_CustomizeMode && m_Locked) {
        CGTBeeper::Current().Beep(static_cast<UINT>(-1));
        return;
    }
    if (!s_CustomizeMode) {
        ClearHotButton();
        CGTBaseToolBar::OnContextMenu(iWindow, iPoint);
        return;
    }
    if (HandleOwnContextMenu(iPoint))
        return;
    ClearHotButton();
    SetFocus();
    CPoint client = iPoint;
    const BOOL fromKeyboard = iPoint == CPoint(-1, -1);
    if (fromKeyboard)
        client = CPoint(5, 5);
    else
        ScreenToClient(&client);
    const int index = HitTest(client);
    TakeCustomizeSelection();
    SelectForCustomizing(index);
    UpdateWindow();
    CGTToolbarButton* button = GetButton(index);
    if (button == nullptr)
        return;
    if (!button->IsCustomizable()) {
        SelectForCustomizing(-1);
        return;
    }
    if (!button->CanBeStored())
        return;
    if (fromKeyboard) {
        iPoint = client;
        ClientToScreen(&iPoint);
    }
    CMenu menu;
    if (!menu.LoadMenu(IDR_GT_CUSTOMIZE_MENU))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (button->IsLocked())
        popup->EnableMenuItem(ID_GT_CUSTOMIZE_RESET, MF_BYCOMMAND | MF_GRAYED);
    if (!UpdateMenuItemState(button, popup))
        return;
    const CGTToolbarButton* before = GetButton(index - 1);
    if (before != nullptr && !before->IsVisible())
        popup->EnableMenuItem(ID_GT_CUSTOMIZE_START_GROUP, MF_BYCOMMAND | MF_GRAYED);
    TrackCustomizeMenu(*popup, iPoint);
}

void CGTToolBar::ClearHotButton()
{
    const int hot = m_HotIndex;
    m_HotIndex = -1;
    InvalidateButton(hot);
}

void CGTToolBar::TrackCustomizeMenu(CMenu& iPopup, CPoint iScreenPoint)
{
    iPopup.TrackPopupMenu(TPM_RIGHTBUTTON, iScreenPoint.x, iScreenPoint.y, this);
}

CGTToolbarButton* CGTToolBar::CustomizeSelection() const
{
    return GetButton(m_SelectedIndex);
}

BOOL CGTToolBar::EditButtonAppearance(CGTToolbarButton& ioButton)
{
    return CGTButtonAppearance::Current().Edit(ioButton, s_UserImages, this, m_MenuMode);
}

void CGTToolBar::AdjustLayoutWithFrame()
{
    AdjustLayout();
    if (CFrameWnd* frame = GetParentFrame())
        frame->RecalcLayout();
}

void CGTToolBar::OnDeleteButton()
{
    if (CustomizeSelection() == nullptr)
        return;
    RemoveButton(m_SelectedIndex);
    m_SelectedIndex = -1;
    if (m_Floating)
        AdjustLayout();
    else
        AdjustLayoutWithFrame();
}

void CGTToolBar::OnButtonAppearance()
{
    CGTToolbarButton* button = CustomizeSelection();
    if (button == nullptr)
        return;
    if (button->m_Text.IsEmpty())
        LoadButtonText(*button);
    if (!EditButtonAppearance(*button))
        return;
    AdjustLayoutWithFrame();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}
