// Process-wide values of the grid: its registry section, the text formats of its
// variant cells and the window classes of the column-header drag windows. Each is built
// on first use and lives until the process ends.
#pragma once
#include <afxwin.h>

class CGTGridValues {
public:
    static CString& StateSection();         // "VADEGrids"
    static CString& FormatShort();          // "%d": VT_I2
    static CString& FormatLong();           // "%ld": VT_I4, VT_INT
    static CString& FormatUnsignedShort();  // "%u": VT_UI1, VT_UI2
    static CString& FormatUnsignedLong();   // "%u", a string of its own: VT_UI4, VT_UINT
    static CString& FormatFloat();          // "%f": VT_R4, also scanned back
    static CString& FormatDouble();         // "%lf": VT_R8, also scanned back
    // Empty until the first such window registers its class.
    static CString& HeaderDragWindowClass();
    static CString& HeaderDropWindowClass();
};
