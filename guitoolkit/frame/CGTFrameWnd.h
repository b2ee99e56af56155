// The toolkit's single-document main frame: its menu is a toolkit menu bar, its bars are
// laid out by its dock manager instead of the platform's docking, its layout is loaded and
// saved through the workspace, and keys and mouse clicks go to the toolkit's menus and
// popups first. The frame routes; its frame implementation and dock manager do the work.
#pragma once
#include <guitoolkit/frame/CGTFrameImpl.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>

class CGTBaseControlBar;
class CGTDockBar;
class COleClientItem;

class CGTFrameWnd : public CFrameWnd, public IGTToolbarFrame, public IGTDockingFrame {
    DECLARE_DYNCREATE(CGTFrameWnd)
public:
    CGTFrameWnd();
    ~CGTFrameWnd() override;

    BOOL OnCmdMsg(UINT iId, int iCode, void* iExtra, AFX_CMDHANDLERINFO* iHandlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& ioCreate) override;
    void WinHelp(DWORD_PTR iData, UINT iCommand = HELP_CONTEXT) override;
    void HtmlHelp(DWORD_PTR iData, UINT iCommand = 0x000F) override;
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;
    BOOL LoadFrame(UINT iResourceId, DWORD iStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, CWnd* iParent = nullptr,
                   CCreateContext* iContext = nullptr) override;
    void RecalcLayout(BOOL iNotify = TRUE) override;
    void OnSetPreviewMode(BOOL iPreview, CPrintPreviewState* ioState) override;
    BOOL NegotiateBorderSpace(UINT iBorderCmd, LPRECT ioRect) override;
    void OnUpdateFrameMenu(HMENU iMenuAlt) override;
    void DelayUpdateFrameMenu(HMENU iMenuAlt) override;

    // --- Docking ---

    CGTDockManager* GetDockManager() override { return &m_DockManager; }
    // Unless the dock manager's updates are locked: the bars, then the client area.
    void AdjustDockingLayout(HDWP iDefer = nullptr) override;
    BOOL OnCloseDockingPane(CGTDockingControlBar*) override { return TRUE; }
    void OnMoveMiniFrame(CGTMiniFrameWnd* iFrame) override;
    BOOL MayMoveMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    BOOL MayCloseMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    void ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate) override;
    void RemoveTearOffBar(CGTBaseControlBar* iBar) override;
    // The pane window (AFX_IDW_PANE_FIRST) in the dock manager's free client area.
    virtual void AdjustClientArea();
    virtual COleClientItem* GetActiveInPlaceItem();
    virtual void ShowAllBars(BOOL iShow = TRUE);

    BOOL AddBar(CGTBaseControlBar* iBar, BOOL iTail = TRUE);
    BOOL InsertBarNextTo(CGTBaseControlBar* iBar, CGTBaseControlBar* iTarget, BOOL iAfter);
    void RemoveBar(CGTBaseControlBar* iBar, BOOL iDestroy = FALSE, BOOL iRecalcLayout = TRUE);
    void DockBar(CGTBaseControlBar* iBar, UINT iDockBarId = 0, LPCRECT iRect = nullptr);
    CGTBaseControlBar* FindBarAtPoint(CPoint iPoint, int iSensitivity, BOOL iExact, CRuntimeClass* iClass);
    BOOL IsPointNearDockArea(CPoint iPoint, DWORD& oAlignment, BOOL& oOuterEdge);
    // Sides: 0x1000 left, 0x2000 top, 0x4000 right, 0x8000 bottom.
    BOOL CreateDockBars(DWORD iSides);
    BOOL CreateAutoHideDockBars(DWORD iSides);
    // Floating bars too.
    CGTBaseControlBar* FindBarById(UINT iId);
    void SetFrameMenu(HMENU iMenu);

    // --- The toolbars' hooks ---

    BOOL OnShowPopupMenu(CGTPopupMenu* iPopup) override;
    void OnPopupMenuClosed(CGTPopupMenu* iPopup) override;
    void OnDrawMenuLogo(CDC*, CGTPopupMenu*, const CRect&) override {}
    CGTToolBar* FindTearOffBar(UINT iTearOffId) override;
    void AddTearOffBar(CGTToolBar* iBar) override;
    int OnButtonTooltip(CGTToolbarButton*, TOOLINFO*) override { return 0; }
    LRESULT OnToolbarNotify(WPARAM, LPARAM) override { return 0; }
    BOOL GetCommandDescription(UINT, CString&) override { return FALSE; }
    BOOL IsUserDefinedToolbar(const CGTToolBar* iBar) override;
    void SetMenuBar(CGTMenuBar* iBar) override;
    CGTMenuBar* GetMenuBar() const override;
    void EnableMiniFramesForCustomizing(BOOL iEnable) override;

    // The accessibility report of an opening popup; TRUE.
    virtual BOOL NotifyPopupMenuShown(CGTPopupMenu* iPopup);
    // A bar's "Add or Remove Buttons" popup, ready to show; TRUE.
    virtual BOOL OnShowCustomizePopupMenu(CGTPopupMenu* iPopup, CGTToolBar* iBar);

    CGTFrameImpl& GetFrameImpl() { return m_Impl; }

protected:
    afx_msg LRESULT OnMenuChar(UINT iChar, UINT iFlags, CMenu* iMenu);
    afx_msg void OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnSizing(UINT iSide, LPRECT ioRect);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* ioInfo);
    afx_msg void OnActivateApp(BOOL iActive, DWORD iThread);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnToolbarCreateNew(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnToolbarDelete(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnToolbarContextMenu(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnLeaveFullScreen(WPARAM iWParam, LPARAM iLParam);
    afx_msg BOOL OnBarCheck(UINT iId);
    afx_msg void OnUpdateControlBarMenu(CCmdUI* ioCmdUI);
    DECLARE_MESSAGE_MAP()

    // Declared first so that it outlives the frame implementation, whose bars it holds.
    CGTDockManager m_DockManager;
    CGTFrameImpl m_Impl;
    BOOL m_InContextHelp;
    BOOL m_WasMaximized;
    BOOL m_Minimized;
    // On the top-level frame: the frame that shows a print preview.
    CFrameWnd* m_PrintPreviewFrame;

private:
    // The toolkit's context help: the toolbars' mouse hook while help mode runs.
    void RunContextHelp();
    // The layout while the dock manager suspends it: a toolkit print preview takes the dock
    // manager's free area, any other view the platform's layout.
    void RecalcSuspendedLayout(BOOL iNotify);
    BOOL m_InRecalcLayout;
};
