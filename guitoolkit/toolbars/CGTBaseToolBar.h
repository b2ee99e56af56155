// The common base of the toolkit's toolbar windows.
#pragma once
#include <guitoolkit/docking/CGTControlBar.h>

class CGTBaseToolBar : public CGTControlBar {
    DECLARE_DYNCREATE(CGTBaseToolBar)
public:
    CGTBaseToolBar();
    ~CGTBaseToolBar() override;

protected:
    DECLARE_MESSAGE_MAP()
};
