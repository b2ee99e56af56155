#include <guitoolkit/docking/CGTDummyDockingControlBar.h>

IMPLEMENT_DYNCREATE(CGTDummyDockingControlBar, CGTDockingControlBar)

int CGTDummyDockingControlBar::s_PlaceholderId = -2;
