// Library-wide services of the toolkit: window classes of its windows, the frame that owns
// a window, and the clean-up the application runs at exit.
#pragma once
#include <afxwin.h>

// The name of the toolkit window class for a prefix ("VADEToolBar", ...), registered once
// per module instance. Throws the framework's resource exception when registration fails.
CString RegisterLibraryWindowClass(LPCWSTR prefix);

// The first frame window above a window (a floating mini frame leads to the window it
// was floated from); null when there is none.
CWnd* GetOwningFrameWindow(CWnd* window);

// The docking module tells, for a window, whether it is one of its floating mini frames
// and which window that frame was floated from.
typedef BOOL (*GTMiniFrameOwnerQuery)(CWnd* window, HWND* owner);
GTMiniFrameOwnerQuery SetMiniFrameOwnerQuery(GTMiniFrameOwnerQuery query);

// Releases what the toolkit holds process-wide; the application calls it on exit.
void CleanUpGuiToolkit();
