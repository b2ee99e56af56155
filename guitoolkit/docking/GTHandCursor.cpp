#include <guitoolkit/docking/GTHandCursor.h>
#include <guitoolkit/core/GuiToolkitResources.h>

HCURSOR GTHandCursor()
{
    static HCURSOR s_Cursor = ::LoadCursorW(AfxFindResourceHandle(MAKEINTRESOURCEW(IDC_GT_HAND), RT_GROUP_CURSOR),
                                            MAKEINTRESOURCEW(IDC_GT_HAND));
    return s_Cursor;
}
