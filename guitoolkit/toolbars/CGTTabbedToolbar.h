// A toolbar whose client area is a tab window, each tab holding a whole toolbar: several
// toolbars share one docked strip and the user switches between them by tab.
#pragma once
#include <guitoolkit/toolbars/CGTToolBar.h>

class CGTTabWnd;

class CGTTabbedToolbar : public CGTToolBar {
    DECLARE_DYNCREATE(CGTTabbedToolbar)
public:
    CGTTabbedToolbar();
    ~CGTTabbedToolbar() override;

    using CGTToolBar::Create;
    // The bar docks at the top or bottom only; bit 0 of iBarStyle gives it a gripper.
    virtual BOOL Create(CWnd* iParent, DWORD iStyle, UINT iId, DWORD iBarStyle);
    virtual BOOL AddTab(CGTToolBar* iBar, BOOL iShow, BOOL iActivate, BOOL iDetachable);
    virtual CGTTabWnd* GetTabWnd() const;

    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override;
    void UpdateStoredRect() override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnNcDestroy();
    afx_msg LRESULT OnChangeActiveTab(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    CGTTabWnd* m_TabWnd;
};
