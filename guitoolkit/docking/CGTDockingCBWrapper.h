// A docking pane that hosts one plain window, which fills its client area, and keeps its
// caption in the registry ("BarName") beside the pane's placement.
#pragma once
#include <guitoolkit/docking/CGTDockingControlBar.h>

class CGTDockingCBWrapper : public CGTDockingControlBar {
    DECLARE_DYNCREATE(CGTDockingCBWrapper)
public:
    CGTDockingCBWrapper();

    virtual BOOL SetWrappedWnd(CWnd* iWindow);
    virtual CWnd* GetWrappedWnd() const;

protected:
    CRect m_DefaultRect;
    DWORD m_DefaultAlignment;
    CWnd* m_WrappedWnd;
};
