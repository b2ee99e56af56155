// What the tab windows' screen tests share: a real click on a tab.
#pragma once
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include "ScreenTestSupport.h"

// FALSE when the tab shows nowhere.
inline BOOL ClickTab(CWinApp& ioApp, CGTBaseTabWnd& ioTabs, int iIndex)
{
    CRect rect;
    if (!ioTabs.GetTabRect(iIndex, rect))
        return FALSE;
    ioTabs.ClientToScreen(&rect);
    SendClick(rect.CenterPoint());
    LetItDraw(ioApp, 400);
    return TRUE;
}
