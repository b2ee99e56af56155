#pragma once
#include "CWorkSpaceBar.h"
#include "TreeReports.h"
#include "ViewerTrees.h"

#include <guitoolkit/frame/CGTFrameWnd.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTStatusBar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

#include <map>

// The viewer's main window: menu bar, toolbar, status bar, and the Users, Computers and
// Applications trees as three tabs of one docking bar beside the report view. The tree on the
// active tab is the one whose reports the view shows.
class CMainFrame : public CGTFrameWnd, public IViewerTrees, public IReportFrame {
    DECLARE_DYNCREATE(CMainFrame)
public:
    enum : UINT {
        kUsersBarId = 124,
        kComputersBarId = 125,
        kApplicationsBarId = 126
    };

    CMainFrame();
    ~CMainFrame() override;

    // Null when the window does not exist or has no bar of that id.
    CWorkSpaceBar* FindWorkSpaceBar(UINT iId) const;
    CWorkSpaceBar* GetActiveWorkSpaceBar() const { return FindWorkSpaceBar(m_ActiveBarId); }
    UINT GetActiveBarId() const { return m_ActiveBarId; }
    int GetLook() const { return m_Look; }

    CTreeCtrl* GetViewerTree(ViewerTree iTree) override;
    void ReloadTrees() override;
    void ClearTrees() override;
    CTreeReports* GetActiveTreeReports() override;
    void SetReportView(CView* iView) override { m_ReportView = iView; }
    CView* GetReportView() const override { return m_ReportView; }

    void SelectFirstItem();
    void SelectChildById(ULONG iId);
    void RefreshCurrentReport();

    BOOL NotifyPopupMenuShown(CGTPopupMenu* iPopup) override;
    void OnUpdateFrameTitle(BOOL iAddToTitle) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnCustomizeCommand();
    afx_msg LRESULT OnResetToolbar(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnToolbarMenuRequest(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnCustomizeHelp(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnChangingActiveTab(WPARAM iWParam, LPARAM iLParam);
    afx_msg LRESULT OnChangeActiveTab(WPARAM iWParam, LPARAM iLParam);
    afx_msg BOOL OnToggleUserToolbar(UINT iId);
    afx_msg void OnUpdateUserToolbar(CCmdUI* ioCmdUI);
    afx_msg BOOL OnToggleTreeBar(UINT iId);
    afx_msg void OnUpdateTreeBar(CCmdUI* ioCmdUI);
    afx_msg void OnApplicationLook(UINT iId);
    afx_msg void OnUpdateApplicationLook(CCmdUI* ioCmdUI);
    afx_msg void OnRefresh();
    afx_msg void OnOptions();
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateBars();
    BOOL CreateWorkSpaceBars();
    void DockBars();
    CWorkSpaceBar* BarOfCommand(UINT iCommandId);
    void ToggleBar(CGTBaseControlBar& ioBar);
    // Menu 131's popup, its user-toolbar items named after the frame's user toolbars or gone.
    HMENU LoadToolbarMenu();

    CGTMenuBar m_MenuBar;
    CGTStatusBar m_StatusBar;
    CGTToolBar m_ToolBar;
    CWorkSpaceBarUsers m_UsersBar;
    CWorkSpaceBarComputers m_ComputersBar;
    CWorkSpaceBarApplications m_ApplicationsBar;
    CView* m_ReportView;
    std::map<UINT, CWorkSpaceBar*> m_Bars;
    UINT m_PreviousBarId;
    UINT m_ActiveBarId;
    int m_Look;
};
