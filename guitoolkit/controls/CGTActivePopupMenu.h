// The toolkit popup menu that is open now, for the whole process (null: none). Dialogs set
// it while a menu is open over them; buttons and grids read it.
#pragma once
#include <afxwin.h>

class CGTActivePopupMenu {
public:
    static CWnd* Get();
    static void Set(CWnd* iMenu);
};

// What a window that hosts popup menus does when one opens over it (null: it closed).
class IGTPopupMenuHost {
public:
    virtual void SetActivePopupMenu(CWnd* iMenu) = 0;

protected:
    ~IGTPopupMenuHost() = default;
};
