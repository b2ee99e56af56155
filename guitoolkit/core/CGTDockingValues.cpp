#include <guitoolkit/core/CGTDockingValues.h>

CString& CGTDockingValues::DockManagerSection()
{
    static CString value(L"VADEDockManagers");
    return value;
}

CString& CGTDockingValues::BaseControlBarSection()
{
    static CString value(L"VADEBaseControlBars");
    return value;
}

CString& CGTDockingValues::ControlBarSection()
{
    static CString value(L"RIRControlBars");
    return value;
}

CString& CGTDockingValues::OutlookBarSection()
{
    static CString value(L"VADEOutlookBars");
    return value;
}

CString& CGTDockingValues::OutlookCustomPagesValue()
{
    static CString value(L"VADEOutlookCustomPages");
    return value;
}

CArray<COLORREF, COLORREF>& CGTDockingValues::TabAutoColors()
{
    static CArray<COLORREF, COLORREF> colors;
    return colors;
}

CList<HWND, HWND>& CGTDockingValues::TabbedBarWindows()
{
    static CList<HWND, HWND> windows(10);
    return windows;
}

CMap<UINT, UINT, HICON, HICON>& CGTDockingValues::TabCommandIcons()
{
    static CMap<UINT, UINT, HICON, HICON> icons(10);
    return icons;
}

CMap<UINT, UINT, HWND, HWND>& CGTDockingValues::MiniFrameBarsById()
{
    static CMap<UINT, UINT, HWND, HWND> bars(10);
    return bars;
}

CList<HWND, HWND>& CGTDockingValues::MiniFrameWindows()
{
    static CList<HWND, HWND> windows(10);
    return windows;
}

CGTToolBarImages& CGTDockingValues::OutlookPaneImages()
{
    static CGTToolBarImages images;
    return images;
}

const SIZE& CGTDockingValues::DragThreshold()
{
    static const SIZE threshold = {::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG)};
    return threshold;
}

BOOL& CGTDockingValues::TabsUseTheme()
{
    static BOOL value = TRUE;
    return value;
}

int& CGTDockingValues::TabbedBarStyle()
{
    static int value = 0;
    return value;
}
