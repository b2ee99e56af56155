// The toolbar's answers to the window messages around its input: cancel mode, being shown or
// hidden, the colours of its controls, the help hit test and the cursor.
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarCustomize.h>
#include <afxpriv.h>

namespace {
// The help ids of the system menu's commands.
const LRESULT systemHelpBase = 0x1EF00;
}  // namespace

void CGTToolBar::OnCancelMode()
{
    CGTBaseToolBar::OnCancelMode();
    CancelCustomizeResize();
    m_DraggedButton = nullptr;
    if (CGTToolbarButton* pressed = GetButton(m_PressedIndex)) {
        pressed->SetStyle(pressed->m_Style & ~TBBS_PRESSED);
        ReleaseMouse();
    }
    m_PressedIndex = m_HotIndex = -1;
    SetHot(-1);
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;)
        static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position))->OnCancelMode();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void CGTToolBar::OnShowWindow(BOOL iShow, UINT iStatus)
{
    CGTBaseToolBar::OnShowWindow(iShow, iStatus);
    if (s_CustomizeMode && theActiveCustomizeSheet != nullptr && !m_Locked)
        theActiveCustomizeSheet->ReflectToolbarVisibility(this, iShow);
    if (!iShow && s_CustomizeSelectionBar == this)
        m_SelectedIndex = -1;
}

HBRUSH CGTToolBar::OnCtlColor(CDC* iDc, CWnd* iWindow, UINT iCtlColor)
{
    if (s_CustomizeMode && !m_Locked && iWindow != nullptr) {
        for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
            auto* button = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
            if (!button->IsControlOrChild(iWindow->GetSafeHwnd()))
                continue;
            if (HBRUSH brush = button->OnCtlColor(iDc, iCtlColor))
                return brush;
            break;
        }
    }
    return CGTBaseToolBar::OnCtlColor(iDc, iWindow, iCtlColor);
}

LRESULT CGTToolBar::OnHelpHitTest(WPARAM iWParam, LPARAM iLParam)
{
    OnCancelMode();
    CGTToolbarButton* button = GetButton(HitTest(CPoint(static_cast<DWORD>(iLParam))));
    if (button == nullptr) {
        CGTBeeper::Current().Beep(static_cast<UINT>(-1));
        return -1;
    }
    if (button->OnClickUp(this))
        return 0;
    const LRESULT help = IsSystemMenuCommand(button->m_CommandId) ? systemHelpBase + (button->m_CommandId - 0xF000) / 16
                                                                  : CGTBaseToolBar::OnHelpHitTest(iWParam, iLParam);
    if (help > 0)
        InstallMouseHook(FALSE);
    return help;
}

BOOL CGTToolBar::OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage)
{
    HCURSOR cursor = nullptr;
    CPoint point;
    CGTCursor::Current().GetPosition(point);
    ScreenToClient(&point);
    CRect gripper;
    m_Impl.GetGripperRect(gripper, TRUE);
    if (m_ResizedButton != nullptr || (s_CustomizeMode && !m_Locked && IsNearResizeEdge(point)))
        cursor = theGuiToolkitGlobals.cursorToolbarDrag1;
    else if (gripper.PtInRect(point))
        cursor = theGuiToolkitGlobals.cursorSizeAll;
    if (cursor == nullptr)
        return CGTBaseToolBar::OnSetCursor(iWindow, iHitTest, iMessage);
    ::SetCursor(cursor);
    return TRUE;
}
