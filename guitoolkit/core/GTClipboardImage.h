// Small images put on the clipboard for the user (a button's image, a user tool's icon).
#pragma once
#include <afxwin.h>
#include <functional>

// iDraw paints into a bitmap of iSize filled with the button face; the bitmap goes to the
// main window's clipboard as CF_BITMAP. FALSE when iDraw answers FALSE or the clipboard
// refuses the bitmap, and the user is told.
BOOL CopyDrawingToClipboard(SIZE iSize, const std::function<BOOL(CDC&)>& iDraw);
