// A frame whose one toolbar takes the top of its client area at the height the bar asks for.
// The toolkit's frame window lays its bars out through the dock manager; the demos' plain
// frames place their bar themselves.
#pragma once
#include <guitoolkit/toolbars/CGTToolBar.h>

template <class Bar = CGTToolBar>
class TopToolBarFrame : public CFrameWnd {
public:
    void RecalcLayout(BOOL iNotify = TRUE) override
    {
        CFrameWnd::RecalcLayout(iNotify);
        if (m_ToolBar.GetSafeHwnd() == nullptr)
            return;
        CRect client;
        GetClientRect(&client);
        m_ToolBar.SetWindowPos(nullptr, 0, 0, client.Width(), m_ToolBar.CalcFixedLayout(FALSE, TRUE).cy,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }

    Bar m_ToolBar;
};
