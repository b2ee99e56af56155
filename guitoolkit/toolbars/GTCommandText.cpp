#include <guitoolkit/toolbars/GTCommandText.h>

CString GetCommandText(UINT iCommandId)
{
    CString resource;
    CString name;
    if (iCommandId != 0 && iCommandId != static_cast<UINT>(-1) && resource.LoadString(iCommandId))
        AfxExtractSubString(name, resource, 1);
    return name;
}
