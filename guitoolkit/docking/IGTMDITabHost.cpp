#include <guitoolkit/docking/IGTMDITabHost.h>

IGTMDITabChild* AsMDITabChild(CWnd* iWindow)
{
    return dynamic_cast<IGTMDITabChild*>(iWindow);
}

IGTMDITabChild* AsMDITabChild(HWND iWindow)
{
    return iWindow != nullptr ? AsMDITabChild(CWnd::FromHandlePermanent(iWindow)) : nullptr;
}

IGTMDITabFrame* AsMDITabFrame(CWnd* iWindow)
{
    return dynamic_cast<IGTMDITabFrame*>(iWindow);
}
