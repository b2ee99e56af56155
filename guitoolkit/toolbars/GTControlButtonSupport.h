// What the toolbar buttons that carry controls (combo boxes, edit boxes) share: finding the
// other buttons of their command, the colours of their windows, and the input of their edit
// windows (the mouse's leaving, the keys that move the focus away, the context menu).
#pragma once
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <vector>

// Every other button of the command, of the kind T, on the bars whose windows exist.
template <class T>
std::vector<T*> OtherButtonsOfCommand(const CGTToolbarButton& iButton)
{
    std::vector<T*> others;
    CObList buttons;
    CGTToolBar::GetCommandButtons(iButton.m_CommandId, buttons);
    for (POSITION position = buttons.GetHeadPosition(); position != nullptr;) {
        auto* other = dynamic_cast<T*>(static_cast<CGTToolbarButton*>(buttons.GetNext(position)));
        if (other != nullptr && other != &iButton)
            others.push_back(other);
    }
    return others;
}

// The window colours on the control's DC; the brush to fill it with.
HBRUSH SetControlWindowColors(CDC* iDc);

// An edit window of a control button.
class CGTControlEditInput {
public:
    // The first move starts the tracking of the mouse's leaving.
    void OnMouseMove(CWnd& iEdit);
    void OnMouseLeave() { m_Tracking = FALSE; }
    // Tab moves the focus to the parent's next tab stop, Escape to the top-level frame;
    // TRUE for those keys.
    static BOOL MoveFocusByKey(CWnd& iEdit, UINT iKey);
    // The first sub-menu of the menu resource at the screen point, for the edit's parent.
    static void ShowContextMenu(CWnd& iEdit, UINT iMenuId, CPoint iPoint);

private:
    BOOL m_Tracking = FALSE;
};
