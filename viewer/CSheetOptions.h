#pragma once
#include "CPPageServer.h"

#include <guitoolkit/docking/CGTPropertySheet.h>

// The viewer's options: the server page, under a "General" category in the tree look.
class CSheetOptions : public CGTPropertySheet {
public:
    static const int kTreeLook = CGTPropertySheet::tree;

    // An icon bitmap of 0 gives the navigation no icons.
    CSheetOptions(int iLook, UINT iIconBitmap, int iIconSize, CWnd* iParent = nullptr);

    CPPageServer& GetServerPage() { return m_ServerPage; }

private:
    CPPageServer m_ServerPage;
};
