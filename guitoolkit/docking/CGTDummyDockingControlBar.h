// The placeholder pane a standard-mode drag puts in a tabbed pane as a temporary tab, to show
// where the dragged pane would land.
#pragma once
#include <guitoolkit/docking/CGTDockingControlBar.h>

class CGTDummyDockingControlBar : public CGTDockingControlBar {
    DECLARE_DYNCREATE(CGTDummyDockingControlBar)

public:
    // The control id of every placeholder.
    static int s_PlaceholderId;
};
