// Process-wide values of the frame implementation and the workspace: where torn-off bars
// and the bar layout are stored, the key and value names of the window placement and
// layout version, and the command map used while a toolbar's customisation menu is built.
#pragma once
#include <afxwin.h>

class CGTFrameValues {
public:
    static CString& TearOffSection();  // "ControlBars-TearOff"
    static CMap<UINT, UINT, int, int>& CustomizeCommands();
    static CString& ControlBarsSuffix();    // "\ControlBars"
    static CString& WindowPlacementKey();   // "WindowPlacement"
    static CString& MainWindowRectValue();  // "MainWindowRect"
    static CString& FlagsValue();           // "Flags"
    static CString& ShowCmdValue();         // "ShowCmd"
    static CString& VersionKey();           // "RIRControlBarVersion"
    static CString& VersionMajorValue();    // "Major"
    static CString& VersionMinorValue();    // "Minor"
};
