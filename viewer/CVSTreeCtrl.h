#pragma once
#include "CWaitingTreeCtrl.h"

// What a tree's parent bar does for it: load the root level, load an item's children.
class IWorkSpaceTreeHost {
public:
    virtual void LoadRootList() = 0;
    // FALSE when the children could not be loaded.
    virtual BOOL ExpandItem(HTREEITEM iItem) = 0;

protected:
    ~IWorkSpaceTreeHost() = default;
};

// The navigation trees: every expansion asks again, through the bar that holds the tree.
class CVSTreeCtrl : public CWaitingTreeCtrl {
protected:
    BOOL ShouldReloadChildren(HTREEITEM) override { return TRUE; }
    BOOL LoadItemChildren(HTREEITEM iItem) override;
};
