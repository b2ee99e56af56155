// The floating frame that holds several docking panes at once, laid out by its own container
// manager like a docked group: panes dock into it beside each other or as tabs, it docks as a
// whole, and its panes can be torn out again.
#pragma once
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>

class CGTBaseTabbedBar;
class CGTDockingControlBar;

class CGTMultiMiniFrameWnd : public CGTMiniFrameWnd {
    DECLARE_SERIAL(CGTMultiMiniFrameWnd)
public:
    CGTMultiMiniFrameWnd();
    ~CGTMultiMiniFrameWnd() override;

    // FALSE when it docked, TRUE when nothing happened.
    virtual BOOL DockFrame(CGTMiniFrameWnd* iOther, int iMethod);
    virtual BOOL DockBar(CGTDockingControlBar* iPane);
    virtual BOOL AddRecentControlBar(CGTDockingControlBar* iPane);
    virtual void OnBarLeaving(CGTDockingControlBar* iPane);
    virtual BOOL OnBarEntering(CGTDockingControlBar* iPane);

    void AttachBar(CGTBaseControlBar* iBar) override;
    void ReleaseBar(CGTBaseControlBar* iBar, BOOL iDestroyIfEmpty, BOOL iKeepWhenEmpty) override;
    int GetBarCount() const override;
    BOOL IsBarVisible() const override;
    CWnd* GetBar() const override;
    CWnd* VisibleBarOrNull() const override;
    CString GetCaptionText() const override;
    CGTBaseControlBar* BarUnderPoint(CPoint iScreenPoint, int iSensitivity, BOOL iIncludeHidden) override;
    void AdjustBarToClient() override;
    void AdjustLayout() override;
    void ForgetDeadBar() override;
    // A double click: every visible pane goes back to its recent docked place.
    void ReturnBarToDock() override;
    void Serialize(CArchive& ioArchive) override;
    BOOL SaveHeldBarState(LPCWSTR iProfile, int iIndex) override;
    BOOL LoadHeldBarState(LPCWSTR iProfile, int iIndex) override;
    void ReattachLoadedBar(CGTDockManager& ioManager) override;

    CGTBarContainerManager& GetContainerManager() { return m_ContainerManager; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    // Destroys an unused empty frame, hides one whose bars are all hidden.
    afx_msg LRESULT OnCheckEmptyTree(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    // A lone visible pane leaves its caption to the frame's; several show their own.
    void CheckGrippers();

    // The pane under the cursor and the side of it the cursor is on, or whether it is over
    // the pane's caption or tabs; null when no pane is there.
    CGTDockingControlBar* TargetAtCursor(DWORD& oSide, BOOL& oAsTab);
    void AfterTreeChanged();
    // The loaded tree's tabbed pane takes the panes of its tab ids as tabs.
    void GatherTabs(CGTDockManager& ioManager, CGTBaseTabbedBar& ioTabbed);
    // A pane the loaded tree names comes here, at its loaded place.
    void GatherPane(CGTDockingControlBar& ioPane);

    CGTBarContainerManager m_ContainerManager;
    HWND m_LastFocusedBar;
    // The record read named the whole tree, not one pane.
    BOOL m_LoadedTree;
};
