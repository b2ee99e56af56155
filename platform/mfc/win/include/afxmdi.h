// Frames of several documents: the main frame holds the system's MDI client window, in which
// each document has child frames. The active child comes first in command routing and
// accelerators; its template's shared menu replaces the main frame's while it is active, and
// the Window menu lists the children.
#pragma once
#include "afxdoctempl.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    HWND m_hWndMDIClient;

    // Creates the MDI client, which lists the children in pWindowMenu (or nowhere).
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    // The popup of hMenuBar that holds the window commands (ID_WINDOW_*), or null.
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDINext() { ::SendMessageW(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
    void MDICascade() { ::SendMessageW(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
    void MDITile(int nType = MDITILE_HORIZONTAL) { ::SendMessageW(m_hWndMDIClient, WM_MDITILE, nType, 0); }
    void MDIIconArrange() { ::SendMessageW(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }
    // Shows pFrameMenu (kept when null) and lists the children in pWindowMenu; answers the
    // menu shown before.
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);

    CFrameWnd* GetActiveFrame() override;
    CDocument* GetActiveDocument() override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;

    // Another frame on the active child's document.
    afx_msg void OnWindowNew();
    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()
};

class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();

    HMENU m_hMenuShared;  // the template's menu, shown while this child is active

    // Created through the MDI client of pParentWnd (the main window when null).
    virtual BOOL Create(LPCWSTR lpszClassName, LPCWSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                        CMDIFrameWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    // Title and icon of nIDResource; menu and accelerators of the context's template.
    BOOL LoadFrame(UINT nIDResource,
                   DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    CMDIFrameWnd* GetMDIFrame() const;

    void MDIActivate();
    // The child goes through the MDI client, which activates the next one.
    void MDIDestroy();
    BOOL DestroyWindow() override;

    // Shows hMenuAlt or the template's menu (bActivate) or, when no child is left
    // (pActivateWnd null), the main frame's own.
    virtual void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt);
    void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    // "document:n" in the child, then the main frame's title.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    void ActivateFrame(int nCmdShow = -1) override;
    CWnd* GetMessageBar() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    afx_msg void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    DECLARE_MESSAGE_MAP()
};
