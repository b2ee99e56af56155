// What the toolkit's dialogs, property sheets and pages share: while a toolkit popup menu
// is open over the dialog, keys go to the menu and clicks elsewhere close it (a thread
// mouse hook sees clicks outside the dialog); the dialog's caption stays active while its
// own floating windows have the focus.
#pragma once
#include <afxwin.h>

class CGTDlgImpl {
public:
    explicit CGTDlgImpl(CWnd& iDialog);
    virtual ~CGTDlgImpl();
    CGTDlgImpl(const CGTDlgImpl&) = delete;
    CGTDlgImpl& operator=(const CGTDlgImpl&) = delete;

    // Records the menu as the process's active popup menu; the mouse hook lives exactly
    // while one is set.
    void SetActivePopupMenu(CWnd* iMenu);
    BOOL PreTranslateMessage(MSG* iMsg);
    // A click at a screen point while a menu is open; TRUE when it was taken.
    BOOL ProcessMouseClick(CPoint iScreenPoint);
    BOOL IsClickOutsideActiveMenu(CPoint iScreenPoint) const;
    // Accelerator commands are counted for the toolbars' usage statistics; one closes an open
    // menu, else runs the user tool bound to it. TRUE when handled.
    BOOL ProcessAccelCommand(WPARAM iWParam, LPARAM iLParam);
    void OnActivate(UINT iState, CWnd* iOther);
    void OnNcActivate(BOOL& ioActive);
    // The dialog is going: the hook no longer reaches it.
    void ForgetDialog();

    // The thread mouse hook while a menu is open over a dialog; null otherwise.
    static HHOOK GetMouseHook();

private:
    static LRESULT CALLBACK MouseHook(int iCode, WPARAM iWParam, LPARAM iLParam);
    static CWnd* ActiveMenuWindow();

    CWnd* m_Dialog;
};
