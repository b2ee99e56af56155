// A property sheet that lives as a child control inside a dialog: its tab control fills the
// client area and the pages follow every change of size.
#pragma once
#include <afxdlgs.h>

class CPropertySheetCtrl : public CPropertySheet {
    DECLARE_DYNAMIC(CPropertySheetCtrl)
public:
    CPropertySheetCtrl();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* iMessage) override;
    // Lays the tab control and the pages out over the client area.
    void ResizePages();

    HACCEL m_Accelerators;
    BOOL m_AutoDelete;

protected:
    BOOL OnNotify(WPARAM iWParam, LPARAM iLParam, LRESULT* oResult) override;
    void PostNcDestroy() override;
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    DECLARE_MESSAGE_MAP()
};
