#pragma once
#include "CWaitingTreeCtrl.h"

class CTreeObject;

// What a tree's parent bar does for it: load the root level, load an item's children, let go
// of an item's object.
class IWorkSpaceTreeHost {
public:
    virtual void LoadRootList() = 0;
    // FALSE when the children could not be loaded.
    virtual BOOL ExpandItem(HTREEITEM iItem) = 0;
    // The object's item is being deleted; the object goes right after.
    virtual void ForgetObject(CTreeObject* iObject) = 0;

protected:
    ~IWorkSpaceTreeHost() = default;
};

// The navigation trees: every expansion asks again, through the bar that holds the tree. An
// item owns its tree object: deleting the item, by a collapse, a reload or the end of the
// window, deletes the object. While a server call waits no item is expanded or collapsed: a
// collapse deletes objects whose report may be the one being built.
class CVSTreeCtrl : public CWaitingTreeCtrl {
protected:
    BOOL ShouldReloadChildren(HTREEITEM) override { return TRUE; }
    BOOL LoadItemChildren(HTREEITEM iItem) override;
    BOOL OnChildNotify(UINT iMessage, WPARAM iWParam, LPARAM iLParam, LRESULT* oResult) override;
};
