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

// The navigation trees: every expansion asks again, through the bar that holds the tree. An
// item owns its tree object: deleting the item, by a collapse, a reload or the end of the
// window, deletes the object.
class CVSTreeCtrl : public CWaitingTreeCtrl {
protected:
    BOOL ShouldReloadChildren(HTREEITEM) override { return TRUE; }
    BOOL LoadItemChildren(HTREEITEM iItem) override;
    BOOL OnChildNotify(UINT iMessage, WPARAM iWParam, LPARAM iLParam, LRESULT* oResult) override;
};
