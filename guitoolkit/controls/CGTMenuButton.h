// A push button with an arrow that drops down a menu; the chosen command is kept in the
// button and its parent hears a click. In split mode only the arrow part opens the menu.
#pragma once
#include "CGTButton.h"

class CGTMenuButton : public CGTButton {
    DECLARE_DYNAMIC(CGTMenuButton)
public:
    CGTMenuButton();

    // Tracks the menu under the button (or at its right) and reports the choice.
    virtual void ShowMenu();

    CSize FitToContent(BOOL iCalcOnly = FALSE) override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;

    // Not owned.
    HMENU m_Menu;
    BOOL m_RightArrow;
    BOOL m_StayPressed;
    BOOL m_UseSystemMenu;
    BOOL m_SplitMode;
    // The command of the last tracking; 0 when nothing was chosen.
    UINT m_ChosenCommand;

protected:
    void DrawContent(CDC* iDc, CRect iRect, UINT iState) override;

    afx_msg void OnKeyDown(UINT iChar, UINT iRepeat, UINT iFlags);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnKillFocus(CWnd* iNewWnd);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    // The arrow part: the arrow's width and a margin at the right of the client area.
    int ArrowPartWidth() const;
    BOOL HeldPressedByMenu() const { return m_StayPressed && m_MenuActive && m_Pushed; }
    void OpenByUser();

    BOOL m_MenuActive;
    BOOL m_OpenedByUser;
};
