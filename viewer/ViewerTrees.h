#pragma once
#include <afxcmn.h>
#include <afxwin.h>

enum class ViewerTree {
    Users,
    Computers,
    Applications
};

// What the document needs of the main frame: its three navigation trees.
class IViewerTrees {
public:
    virtual CTreeCtrl* GetViewerTree(ViewerTree iTree) = 0;
    // Loads the root level of each tree again, Users first.
    virtual void ReloadTrees() = 0;
    // Empties the trees, deleting their tree objects.
    virtual void ClearTrees() = 0;

protected:
    ~IViewerTrees() = default;
};

// The main window's trees, or null while there is no main window.
IViewerTrees* GetViewerTrees();
