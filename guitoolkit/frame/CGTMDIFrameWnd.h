// The toolkit's MDI main frame: the frame window's dock manager, frame implementation and menu
// bar around an MDI client window that the toolkit's client area subclasses, with its MDI
// tabs, tab groups and their saved arrangement.
#pragma once
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/docking/IGTMDITabHost.h>
#include <guitoolkit/frame/CGTFrameImpl.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>

class CGTBaseControlBar;
class CGTMDIChildWnd;

class CGTMDIFrameWnd : public CMDIFrameWnd, public IGTToolbarFrame, public IGTDockingFrame, public IGTMDITabFrame {
    DECLARE_DYNCREATE(CGTMDIFrameWnd)
public:
    CGTMDIFrameWnd();
    ~CGTMDIFrameWnd() override;

    BOOL PreCreateWindow(CREATESTRUCT& ioCreate) override;
    BOOL LoadFrame(UINT iResourceId, DWORD iStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd* iParent = nullptr,
                   CCreateContext* iContext = nullptr) override;
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override;
    BOOL OnCmdMsg(UINT iId, int iCode, void* iExtra, AFX_CMDHANDLERINFO* iHandlerInfo) override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;
    void RecalcLayout(BOOL iNotify = TRUE) override;
    BOOL NegotiateBorderSpace(UINT iBorderCmd, LPRECT ioRect) override;
    void OnSetPreviewMode(BOOL iPreview, CPrintPreviewState* ioState) override;
    void OnUpdateFrameMenu(HMENU iMenuAlt) override;
    HMENU GetWindowMenuPopup(HMENU iMenuBar) override;

    // --- Docking ---
    CGTDockManager* GetDockManager() override { return &m_DockManager; }
    void AdjustDockingLayout(HDWP iDefer = nullptr) override;
    BOOL OnCloseDockingPane(CGTDockingControlBar*) override { return TRUE; }
    void OnMoveMiniFrame(CGTMiniFrameWnd* iFrame) override;
    BOOL MayMoveMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    BOOL MayCloseMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    void ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate) override;
    void RemoveTearOffBar(CGTBaseControlBar* iBar) override;
    virtual void ShowAllBars(BOOL iShow = TRUE);
    // The rectangle the dock manager leaves, given to the client area.
    virtual void AdjustClientArea();
    BOOL AddBar(CGTBaseControlBar* iBar, BOOL iTail = TRUE);
    void DockBar(CGTBaseControlBar* iBar, UINT iDockBarId = 0, LPCRECT iRect = nullptr);
    BOOL CreateDockBars(DWORD iSides);
    CGTBaseControlBar* FindBarById(UINT iId);

    // --- The toolbars' hooks ---
    BOOL OnShowPopupMenu(CGTPopupMenu* iPopup) override;
    void OnPopupMenuClosed(CGTPopupMenu* iPopup) override;
    void OnDrawMenuLogo(CDC*, CGTPopupMenu*, const CRect&) override {}
    CGTToolBar* FindTearOffBar(UINT iTearOffId) override;
    int OnButtonTooltip(CGTToolbarButton*, TOOLINFO*) override { return 0; }
    LRESULT OnToolbarNotify(WPARAM, LPARAM) override { return 0; }
    BOOL GetCommandDescription(UINT, CString&) override { return FALSE; }
    BOOL IsUserDefinedToolbar(const CGTToolBar* iBar) override;
    void SetMenuBar(CGTMenuBar* iBar) override;
    CGTMenuBar* GetMenuBar() const override;
    void EnableMiniFramesForCustomizing(BOOL) override {}

    // --- MDI tabs ---
    BOOL IsClosing() const override { return m_Closing; }
    void RefreshWindowMenuPopup() override;
    BOOL ShowMenuInMenuBar(HMENU iMenu) override;
    BOOL EraseClientAreaBackground(CDC*) override { return FALSE; }
    // Applications offer the tab-group commands here; FALSE.
    BOOL ShowTabGroupMenu(int, int, DWORD, BOOL) override { return FALSE; }
    // Applications reopen saved documents here; null.
    CWnd* OpenDocumentWindow(const CString&, CObject*) override { return nullptr; }
    // Another window on the active document, kept maximised when it was.
    CWnd* OpenAnotherDocumentWindow(const CString& iName, CObject* iObject) override;
    CRuntimeClass* GetStateObjectClass() const override { return nullptr; }
    BOOL LoadTabsLayout(LPCWSTR iProfile);
    BOOL SaveTabsLayout(LPCWSTR iProfile);
    void SetTabsFrameId(int iId) { m_TabsFrameId = iId; }
    CGTMainClientAreaWnd& GetClientArea() { return m_ClientArea; }
    CGTFrameImpl& GetFrameImpl() { return m_Impl; }
    void SetPrintPreviewChild(CFrameWnd* iChild) { m_PrintPreviewChild = iChild; }

protected:
    BOOL OnCreateClient(LPCREATESTRUCT iCreate, CCreateContext* iContext) override;

    afx_msg LRESULT OnMenuChar(UINT iChar, UINT iFlags, CMenu* iMenu);
    afx_msg void OnWindowPosChanged(WINDOWPOS* iPos);
    afx_msg void OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* ioInfo);
    afx_msg void OnActivateApp(BOOL iActive, DWORD iThread);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnToolbarCreateNew(WPARAM, LPARAM iLParam);
    afx_msg LRESULT OnToolbarDelete(WPARAM, LPARAM iLParam);
    afx_msg LRESULT OnToolbarPopupMenu(WPARAM, LPARAM) { return TRUE; }
    afx_msg LRESULT OnExitSizeMove(WPARAM, LPARAM);
    afx_msg BOOL OnBarCheck(UINT iId);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* ioCmdUI);
    afx_msg void OnWindowNew();
    DECLARE_MESSAGE_MAP()

    // Declared before the frame implementation, which reaches it when it is destroyed.
    CGTDockManager m_DockManager;
    CGTFrameImpl m_Impl;
    CGTMainClientAreaWnd m_ClientArea;
    HMENU m_WindowMenuPopup;
    BOOL m_SubclassClient;
    BOOL m_Closing;
    BOOL m_Minimized;
    BOOL m_WasMaximized;
    BOOL m_InRecalcLayout;
    int m_TabsFrameId;
    CFrameWnd* m_PrintPreviewChild;

private:
    // The Window popup's child list added to a shown Window menu.
    void AddWindowList(CGTPopupMenu& ioPopup);
};
