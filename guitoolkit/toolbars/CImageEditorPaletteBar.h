// The tools bar of the button image editor: a toolbar inside the editor's dialog, whose
// buttons take their checked and enabled states from the dialog's handlers, not from a frame's.
#pragma once
#include <guitoolkit/toolbars/CGTToolBar.h>

class CImageEditorPaletteBar : public CGTToolBar {
public:
    void OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler) override;
    void UpdateButtonCmdUI(int iIndex) override;
};
