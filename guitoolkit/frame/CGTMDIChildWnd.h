// The toolkit's MDI child: its own dock manager for bars docked in the document's frame, and a
// tab in the MDI client area's tab window or in one of its tab groups.
#pragma once
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/docking/IGTMDITabHost.h>

class CGTMainClientAreaWnd;
class CGTMDIFrameWnd;

class CGTMDIChildWnd : public CMDIChildWnd, public IGTDockingFrame, public IGTMDITabChild {
    DECLARE_DYNCREATE(CGTMDIChildWnd)
public:
    CGTMDIChildWnd();
    ~CGTMDIChildWnd() override;

    BOOL PreCreateWindow(CREATESTRUCT& ioCreate) override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;
    void ActivateFrame(int iShowCommand = -1) override;
    void OnUpdateFrameTitle(BOOL iAddToTitle) override;
    void RecalcLayout(BOOL iNotify = TRUE) override;
    void OnSetPreviewMode(BOOL iPreview, CPrintPreviewState* ioState) override;

    CGTDockManager* GetDockManager() override { return &m_DockManager; }
    void AdjustDockingLayout(HDWP iDefer = nullptr) override;
    BOOL OnCloseDockingPane(CGTDockingControlBar*) override { return TRUE; }
    void OnMoveMiniFrame(CGTMiniFrameWnd* iFrame) override;
    BOOL MayMoveMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    BOOL MayCloseMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    void ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate) override;
    void RemoveTearOffBar(CGTBaseControlBar*) override {}

    CString GetChildTitle() const override;
    HICON GetChildIcon() const override;
    BOOL CanAppearOnTabs() const override { return TRUE; }
    // The active document's path; the toolkit's children hand out no object.
    CString GetStateDocumentName(CObject*& oObject) const override;
    CGTTabWnd* GetTabGroup() const override { return m_TabGroup; }
    void SetTabGroup(CGTTabWnd* iGroup) override { m_TabGroup = iGroup; }
    BOOL IsBeingDestroyed() const override { return m_BeingDestroyed; }
    void MarkBeingDestroyed() override { m_BeingDestroyed = TRUE; }

    // A bar that can neither float nor dock only joins the bar list.
    BOOL AddBar(CGTBaseControlBar* iBar, BOOL iTail = TRUE);
    void DockBar(CGTBaseControlBar* iBar);
    CGTMDIFrameWnd* GetMDIFrameOwner() const { return m_MDIFrame; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnMDIActivate(BOOL iActivate, CWnd* iActivated, CWnd* iDeactivated);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnSizing(UINT iSide, LPRECT ioRect);
    afx_msg void OnDestroy();
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* ioInfo);
    afx_msg LRESULT OnSetText(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnSetIcon(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM iWParam, LPARAM iLParam);
    afx_msg void OnStyleChanged(int iStyleType, LPSTYLESTRUCT iStyle);
    DECLARE_MESSAGE_MAP()

    CGTDockManager m_DockManager;
    CGTMDIFrameWnd* m_MDIFrame;
    CGTTabWnd* m_TabGroup;
    BOOL m_BeingDestroyed;
    BOOL m_Minimized;
    BOOL m_WasMaximized;
    // Client coordinates of the MDI client, before the child was maximised.
    CRect m_RestoreRect;

private:
    CGTMainClientAreaWnd* GetClientArea() const;
    BOOL InTabGroups() const;
    // The child placed so that its client area covers the MDI client, its frame outside.
    void CoverClientArea();
};
