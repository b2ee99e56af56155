// The floating frame of a tasks pane: besides the usual caption buttons, back, forward and a
// menu of the pane's other pages.
#pragma once
#include <guitoolkit/docking/CGTMiniFrameWnd.h>

class CGTTaskPaneMiniFrameWnd : public CGTMiniFrameWnd {
    DECLARE_SERIAL(CGTTaskPaneMiniFrameWnd)
public:
    CGTTaskPaneMiniFrameWnd();

protected:
    // While the pages menu shows.
    BOOL m_MenuOpen;
};
