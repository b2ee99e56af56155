// How popup menus behave, as the user chose on the options page; stored with the toolbar
// parameters.
#pragma once
#include <afxwin.h>

struct GTMenuOptions {
    // 0: menus open without animation.
    static int s_Animation;
    // Personalised menus show the basic and the frequently used commands first.
    static BOOL s_RecentlyUsed;
    static BOOL s_Shadows;
    static BOOL s_ShowAllAfterDelay;
    // The menu bar shows every command for now (the user expanded a menu); not stored.
    static BOOL s_ShowAllCommands;
};
