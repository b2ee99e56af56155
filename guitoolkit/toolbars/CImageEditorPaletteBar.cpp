#include <guitoolkit/toolbars/CImageEditorPaletteBar.h>

void CImageEditorPaletteBar::OnUpdateCmdUI(CFrameWnd*, BOOL iDisableIfNoHandler)
{
    if (CWnd* dialog = GetParent())
        UpdateCmdUIFrom(dialog, iDisableIfNoHandler);
}

void CImageEditorPaletteBar::UpdateButtonCmdUI(int iIndex)
{
    if (CWnd* dialog = GetParent())
        UpdateCmdUIFrom(dialog, TRUE, iIndex);
}
