// The customization sheet, in which the user rearranges toolbars, menus, shortcut keys,
// mouse commands and tools.
#pragma once

class CGTToolbarCustomize;

// The sheet while it is open, else null: toolbars, menus and the button appearance dialog
// behave differently while the user customizes through it.
extern CGTToolbarCustomize* theActiveCustomizeSheet;
