#pragma once
#include "CHourglassFX.h"
#include "CVSTreeCtrl.h"
#include "TreeReports.h"

#include <guitoolkit/docking/CGTDockingControlBar.h>

// A docking bar that holds one navigation tree and shows the report of the object selected in
// it. Each kind loads its own root level.
class CWorkSpaceBar : public CGTDockingControlBar, public IWorkSpaceTreeHost {
public:
    static const UINT kTreeId = 101;

    CWorkSpaceBar();

    CTreeCtrl& GetTree() { return m_Tree; }
    CTreeReports& GetReports() { return m_Reports; }

    // The root level of this bar's tree, from the document; nothing without a document.
    void LoadRootList() override {}
    // The item's object loads its children; FALSE for an item without one.
    BOOL ExpandItem(HTREEITEM iItem) override;
    void ForgetObject(CTreeObject* iObject) override { m_Reports.ForgetObject(iObject); }
    virtual void ShowSelectedReport();
    virtual void ReleaseCurrentReport();
    // Loads the root level again behind its placeholder.
    void ReloadTree() { m_Tree.ReloadRoot(); }
    // Empties the tree: its objects and their reports go, none is current.
    void ClearTree();
    // Empties the tree, loads the root level again and selects its first item.
    void ResetTree();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnPaint();
    afx_msg void OnSelectionChanged(NMHDR* iHeader, LRESULT* oResult);
    DECLARE_MESSAGE_MAP()

private:
    CHourglassFX<CVSTreeCtrl> m_Tree;
    CTreeReports m_Reports;
};

class CWorkSpaceBarUsers : public CWorkSpaceBar {
public:
    void LoadRootList() override;
};

class CWorkSpaceBarComputers : public CWorkSpaceBar {
public:
    void LoadRootList() override;
};

class CWorkSpaceBarApplications : public CWorkSpaceBar {
public:
    void LoadRootList() override;
};
