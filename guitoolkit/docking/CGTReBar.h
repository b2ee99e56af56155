// A bar that hosts the system's rebar control, whose bands hold the frame's toolbars. A
// toolbar in a band sizes its band itself; the workspace stores the bands' layout.
#pragma once
#include <guitoolkit/docking/CGTControlBar.h>
#include <commctrl.h>

class CGTReBar : public CGTControlBar {
    DECLARE_DYNAMIC(CGTReBar)
public:
    CGTReBar();
    ~CGTReBar() override;

    // iControlStyle: the rebar control's RBS_ bits; iStyle: window and bar style bits.
    BOOL Create(CWnd* iParent, DWORD iControlStyle = RBS_BANDBORDERS,
                DWORD iStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_TOP,
                UINT iId = AFX_IDW_REBAR);
    // The rebar control is the bar's own window.
    CWnd& GetReBarControl() { return *this; }
};
