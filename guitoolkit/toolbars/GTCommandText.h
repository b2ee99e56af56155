// The texts of a command's string resource: the status-bar prompt, a newline, then the
// short name that buttons, menus and tooltips show.
#pragma once
#include <afxwin.h>

// The short name; empty when the command has no string or no second part.
CString GetCommandText(UINT iCommandId);
