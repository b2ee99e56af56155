// The registered window messages by which the toolkit's grid, tab windows, docking bars,
// mini frames and toolbars talk to their owners; each is registered under its own name.
#pragma once
#include <guitoolkit/core/CGTRegisteredMessage.h>

// Grid to its owner.
extern const CGTRegisteredMessage GTM_GRID_ITEM_CHANGED;
extern const CGTRegisteredMessage GTM_GRID_ON_HIDE_COLUMNCHOOSER;
// Tab windows to their parents (and frames).
extern const CGTRegisteredMessage GTM_ON_HSCROLL;
extern const CGTRegisteredMessage GTM_GETDRAGBOUNDS;
extern const CGTRegisteredMessage GTM_ON_DRAGCOMPLETE;
extern const CGTRegisteredMessage GTM_ON_TABGROUPMOUSEMOVE;
extern const CGTRegisteredMessage GTM_ON_CANCELTABMOVE;
extern const CGTRegisteredMessage GTM_ON_MOVETABCOMPLETE;
extern const CGTRegisteredMessage GTM_ON_RENAME_TAB;
extern const CGTRegisteredMessage GTM_ONCHANGE_ACTIVE_TAB;
extern const CGTRegisteredMessage GTM_ON_MOVE_TAB;
extern const CGTRegisteredMessage GTM_ON_CHANGING_ACTIVE_TAB;
extern const CGTRegisteredMessage GTM_ON_GET_TAB_TOOLTIP;
// Docking bars to their frames, and to mini frames.
extern const CGTRegisteredMessage GTM_ON_PRESS_CLOSE_BUTTON;
extern const CGTRegisteredMessage GTMSG_CHECKEMPTYMINIFRAME;
// The MDI client area to the main frame: a document moved to another tab group.
extern const CGTRegisteredMessage GTM_ON_MOVETOTABGROUP;
// The shell to an application bar.
extern const CGTRegisteredMessage GTM_APPBAR_CALLBACK;
// Toolbars and the customization sheet to their frame.
extern const CGTRegisteredMessage GTTOOLBAR_CUSTOMIZE;
extern const CGTRegisteredMessage GTTOOLBAR_CUSTOMIZEHELP;
extern const CGTRegisteredMessage GTTOOLBAR_CREATE;
extern const CGTRegisteredMessage GTTOOLBAR_DELETE;
extern const CGTRegisteredMessage GTTOOLBAR_RESETMENU;
extern const CGTRegisteredMessage GTTOOLBAR_RESETCONTEXTMENU;
extern const CGTRegisteredMessage GTTOOLBAR_RESETKEYBOARD;
extern const CGTRegisteredMessage GTTOOLBAR_POPUPMENU;
extern const CGTRegisteredMessage GTTOOLBAR_RESETTOOLBAR;
// Popup menus: the accessibility object (never answered here), the item at a screen point
// (lParam) and an item's style word (lParam the index).
extern const CGTRegisteredMessage GTM_GETOBGECT;
extern const CGTRegisteredMessage GTM_ACCHITTEST;
extern const CGTRegisteredMessage GTM_ACCGETSTATE;
// Posted to a toolbar: ask the user, then reset the bar's buttons.
extern const CGTRegisteredMessage GTTOOLBAR_RESETPROMPT;
// A colour menu button asks its frame for the document's colours (wParam the command id,
// lParam a CList<COLORREF, COLORREF>* to fill).
extern const CGTRegisteredMessage GTTOOLBAR_GETDOCUMENTCOLORS;
// A calendar's selection changed (wParam 0, lParam the calendar's window); sent to its owner.
extern const CGTRegisteredMessage GTM_CALENDAR_ON_SELCHANGED;
