#include <guitoolkit/controls/CGTActivePopupMenu.h>

namespace {
CWnd* s_ActiveMenu = nullptr;
}

CWnd* CGTActivePopupMenu::Get()
{
    return s_ActiveMenu;
}

void CGTActivePopupMenu::Set(CWnd* iMenu)
{
    s_ActiveMenu = iMenu;
}
