// Toolbar resources. Resource scripts have no TOOLBAR statement here; a toolbar is a
// resource of type RT_TOOLBAR (241) written as raw 16-bit words:
//
//     IDR_MAINFRAME RT_TOOLBAR
//     BEGIN
//         1, 16, 15, 3,                        // version, button width, height, item count
//         ID_FILE_NEW, ID_SEPARATOR, ID_APP_ABOUT
//     END
//
// The script includes "afxres.h" for RT_TOOLBAR and the ids; C++ reads it with
// CToolBarResource.
#pragma once
#include <afx.h>
#include "afxres.h"

class CToolBarResource {
public:
    CToolBarResource();
    // Loads the toolbar resource from the module that holds it; FALSE when it is missing
    // or malformed (wrong version, fewer items than it announces).
    BOOL Load(LPCWSTR lpszResourceName);
    BOOL Load(UINT nIDResource) { return Load(MAKEINTRESOURCEW(nIDResource)); }
    // Reads the raw resource bytes.
    BOOL Parse(const void* pData, DWORD cbData);

    WORD m_wVersion;
    CSize m_sizeButton;     // the image size of one button
    CUIntArray m_arrItems;  // command ids, ID_SEPARATOR for separators
};
