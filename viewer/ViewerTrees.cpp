#include "ViewerTrees.h"

IViewerTrees* GetViewerTrees()
{
    return dynamic_cast<IViewerTrees*>(AfxGetMainWnd());
}
