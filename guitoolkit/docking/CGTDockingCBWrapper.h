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

    BOOL LoadState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1)) override;
    BOOL SaveState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1)) override;

protected:
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    DECLARE_MESSAGE_MAP()

    CRect m_DefaultRect;
    DWORD m_DefaultAlignment;
    CWnd* m_WrappedWnd;
};
