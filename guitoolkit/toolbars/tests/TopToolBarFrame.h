// A frame whose one toolbar takes the top of its client area at the height the bar asks for.
#pragma once
#include <guitoolkit/toolbars/CGTToolBar.h>
#include "FrameBarPlacement.h"

template <class Bar = CGTToolBar>
class TopToolBarFrame : public CFrameWnd {
public:
    void RecalcLayout(BOOL iNotify = TRUE) override
    {
        CFrameWnd::RecalcLayout(iNotify);
        PlaceBarAtTop(*this, m_ToolBar, 0);
    }

    Bar m_ToolBar;
};
