// The colours of the smart-docking markers: the parameters' own, else the current look's.
#pragma once
#include <afxwin.h>

struct GTSmartDockingColors {
    // The central group's diamond.
    COLORREF back;
    COLORREF border;
    // The frame of built-in marker images.
    COLORREF outline;
};

GTSmartDockingColors CurrentSmartDockingColors();
