// The system locks window updating on one window at a time, so nested requests (a frame's
// freeze around a pane's own) share one process-wide lock: the outermost request locks its
// window and the lock goes only when the last request is released.
#pragma once
#include <afxwin.h>

class GTWindowUpdateLock {
public:
    // The first request locks the window; later ones only count.
    static void Acquire(HWND iWindow);
    // Unlocks when the last request goes; FALSE when none is held.
    static BOOL Release();
    // The locked window; null when none.
    static HWND LockedWindow();
    static int Depth();
};
