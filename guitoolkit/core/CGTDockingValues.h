// Process-wide values of the docking bars, tabbed bars, tab windows, mini frames and the
// outlook bar: registry section names, the live windows and maps they share, the images
// of the outlook bar panes and the drag threshold. Each is built on first use and lives
// until the process ends.
#pragma once
#include <guitoolkit/core/CGTToolBarImages.h>

class CGTDockingValues {
public:
    // Colours given to every tabbed bar's tab window while auto-colouring is on; empty:
    // each tab window keeps its own.
    static CArray<COLORREF, COLORREF>& TabAutoColors();
    // The live tabbed bars; a handle may outlive its window.
    static CList<HWND, HWND>& TabbedBarWindows();
    static CString& DockManagerSection();  // "VADEDockManagers"
    // Icons of the tab-list menu's commands while it is open.
    static CMap<UINT, UINT, HICON, HICON>& TabCommandIcons();
    static CString& BaseControlBarSection();  // "VADEBaseControlBars"
    static CString& ControlBarSection();      // "RIRControlBars"
    // Control ID to window of the bars that float in mini frames.
    static CMap<UINT, UINT, HWND, HWND>& MiniFrameBarsById();
    static CList<HWND, HWND>& MiniFrameWindows();
    static CGTToolBarImages& OutlookPaneImages();
    static CString& OutlookBarSection();        // "VADEOutlookBars"
    static CString& OutlookCustomPagesValue();  // "VADEOutlookCustomPages"
    // Whether tab windows draw with the Windows theme where it is open.
    static BOOL& TabsUseTheme();
    // The look of tabbed bars' tab windows that the application chose (6: the VS2005 one).
    static int& TabbedBarStyle();
    // How far the cursor must leave the press point (horizontally or vertically) before a
    // drag begins; read from the system once.
    static const SIZE& DragThreshold();
};
