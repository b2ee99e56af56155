// Process-wide values of the colour controls and the in-place tooltip.
#pragma once
#include <afxwin.h>

class CGTColorValues {
public:
    // Display names of colours; nothing adds names, so colour buttons describe every
    // colour by its hex form.
    static CMap<DWORD, DWORD, CString, const CString&>& ColorNames();
    // Empty until the first in-place tooltip registers its class.
    static CString& InplaceToolTipWindowClass();
};
