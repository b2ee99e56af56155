// Stand-ins for the popup menu tests: menus written as tables, a frame that records the
// commands it gets and hands keys to the open popup as the toolkit's frames do, and a
// toolbar holding one menu button.
#pragma once
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <string>
#include <vector>
#include "ToolbarTestSupport.h"

// One item of a menu: a command with a text (0 a separator), its MF_ flags, or a sub-menu.
struct MenuEntry {
    LPCWSTR text;
    UINT id;
    UINT flags = 0;
    std::vector<MenuEntry> items = {};
};

// A new popup menu of the entries (the caller destroys it).
HMENU MakeMenu(const std::vector<MenuEntry>& iEntries);
// The texts and ids of a menu's items, one "text=id" per item ("-" for a separator,
// "text>" and the sub-menu's items in brackets for a sub-menu).
std::string DescribeMenu(HMENU iMenu);

// The messages waiting on the thread, dispatched.
void PumpMessages();

// A window that records the commands it gets.
class CommandRecorder : public TestParent {
public:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override;

    std::vector<UINT> m_Commands;
};

// A frame on the screen that records the commands it gets (leaving its menu items enabled) and
// hands keys to the open popup.
class MenuFrame : public StackFrame {
public:
    MenuFrame();
    ~MenuFrame() override;
    BOOL PreTranslateMessage(MSG* iMsg) override;
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override;

    std::vector<UINT> m_Commands;
};

// A toolbar on a frame whose first button is a menu button; it records the menu-bar moves
// that a popup asks of it.
class MenuToolBar : public CGTToolBar {
public:
    MenuToolBar(CFrameWnd& iFrame, const std::vector<MenuEntry>& iMenu);
    ~MenuToolBar() override;
    BOOL DropDownNextMenu() override;
    BOOL DropDownPrevMenu() override;
    CGTToolbarMenuButton& MenuButton() const { return *static_cast<CGTToolbarMenuButton*>(GetButton(0)); }
    // Opens the menu button's popup; null when it did not open.
    CGTPopupMenu* Open();

    std::vector<std::string> m_Moves;
};

// Options that popups read, put back when the object goes: no animation, no shadow, all
// commands shown.
class PlainMenuOptions {
public:
    PlainMenuOptions();
    ~PlainMenuOptions();

private:
    int m_Animation;
    BOOL m_Shadows;
    BOOL m_RecentlyUsed;
};
