// The toolkit's frame window lays its bars out through the dock manager; the tests' plain
// frames place their bars themselves, across their client area at the heights the bars ask for.
#pragma once
#include <guitoolkit/docking/CGTBaseControlBar.h>

// Places a bar from iTop down; answers the height it took (0 for a bar without a window).
inline int PlaceBarAtTop(CFrameWnd& iFrame, CGTBaseControlBar& ioBar, int iTop)
{
    if (ioBar.GetSafeHwnd() == nullptr)
        return 0;
    CRect client;
    iFrame.GetClientRect(&client);
    const int height = ioBar.CalcFixedLayout(FALSE, TRUE).cy;
    ioBar.SetWindowPos(nullptr, client.left, iTop, client.Width(), height, SWP_NOZORDER | SWP_NOACTIVATE);
    return height;
}

// Places a bar along the bottom.
inline void PlaceBarAtBottom(CFrameWnd& iFrame, CGTBaseControlBar& ioBar)
{
    if (ioBar.GetSafeHwnd() == nullptr)
        return;
    CRect client;
    iFrame.GetClientRect(&client);
    const int height = ioBar.CalcFixedLayout(TRUE, TRUE).cy;
    ioBar.SetWindowPos(nullptr, client.left, client.bottom - height, client.Width(), height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
}
