// The frame that the toolkit's popup menus and torn-off bars belong to. An application may
// name one explicitly for the whole process (an in-place frame, a frame other than the
// window's own); without it each window's top-level frame is meant.
#pragma once
#include <afxwin.h>

// Null: each window's top-level frame.
void SetToolkitOwnerFrame(CWnd* iFrame);
CWnd* GetToolkitOwnerFrame();
// The explicit owner frame when it is a frame, else the window's top-level frame; null
// without either.
CFrameWnd* GetToolkitPopupFrame(CWnd* iWindow);
