#pragma once
#include <afxwin.h>

// The five looks of the viewer, by their command ids; the workspace keeps the chosen one as
// "ApplicationLook".
enum : UINT {
    kFirstLook = 32826,
    kLastLook = 32830,
    kDefaultLook = kLastLook
};

// The stored look; a value that is no look, or no workspace, gives the default.
UINT ReadApplicationLook();
void WriteApplicationLook(UINT iLook);

// Makes the look the process's: its visual manager, docking mode and tab style; the frame's
// bars and windows are laid out and drawn again.
void ApplyApplicationLook(CFrameWnd& ioFrame, UINT iLook);
