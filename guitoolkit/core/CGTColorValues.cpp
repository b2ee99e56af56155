#include <guitoolkit/core/CGTColorValues.h>

CMap<DWORD, DWORD, CString, const CString&>& CGTColorValues::ColorNames()
{
    static CMap<DWORD, DWORD, CString, const CString&> names(10);
    return names;
}

CString& CGTColorValues::InplaceToolTipWindowClass()
{
    static CString value;
    return value;
}
