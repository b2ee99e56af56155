#include "CSheetOptions.h"

#include "ViewerResources.h"

CSheetOptions::CSheetOptions(int iLook, UINT iIconBitmap, int iIconSize, CWnd* iParent)
    : CGTPropertySheet(IDS_OPTIONS, iParent)
{
    SetNavigationStyle(iLook, 170);
    if (iIconBitmap)
        LoadNavigationIcons(iIconBitmap, iIconSize, RGB(255, 0, 255));
    if (iLook != kTreeLook) {
        AddPage(&m_ServerPage);
        return;
    }
    CGTPropSheetCategory* general = AddTreeCategory(CString(MAKEINTRESOURCEW(IDS_GENERAL)), 0, 1);
    AddPageToCategory(general, &m_ServerPage, -1, 2);
}
