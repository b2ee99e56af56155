// The shell's folder picker, opened at a folder.
#pragma once
#include <afxwin.h>

// oFolder gets the chosen folder's path and oImage (when given) its image index; FALSE when
// the user cancels or chose an item that is no file-system folder. iFlags: BIF_ flags.
BOOL BrowseForFolderDialog(CString& oFolder, CWnd* iOwner, LPCWSTR iInitialFolder, LPCWSTR iTitle, UINT iFlags,
                           int* oImage = nullptr);
