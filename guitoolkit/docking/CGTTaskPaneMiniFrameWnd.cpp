#include <guitoolkit/docking/CGTTaskPaneMiniFrameWnd.h>

IMPLEMENT_SERIAL(CGTTaskPaneMiniFrameWnd, CGTMiniFrameWnd, VERSIONABLE_SCHEMA | 2)

CGTTaskPaneMiniFrameWnd::CGTTaskPaneMiniFrameWnd() : m_MenuOpen(FALSE) {}
