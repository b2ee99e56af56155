#include <guitoolkit/toolbars/CGTBaseToolBar.h>

IMPLEMENT_DYNCREATE(CGTBaseToolBar, CGTControlBar)

BEGIN_MESSAGE_MAP(CGTBaseToolBar, CGTControlBar)
END_MESSAGE_MAP()

CGTBaseToolBar::CGTBaseToolBar() = default;

CGTBaseToolBar::~CGTBaseToolBar() = default;
