#pragma once
// Resource ids of the viewer's library: its strings, icons and menus.
#define IDS_OLE_INIT_FAILED 100
#define IDS_SERVER_NAME_NOT_SET 103
#define IDS_CANNOT_CONNECT 109
#define IDS_ACCESS_DENIED 110
#define IDS_SERVICE_NOT_INSTALLED 111
#define IDS_SERVER_NOT_AVAILABLE 112
#define IDS_CONNECT_FAILED 113
// The document template's string: the names of the program and its document type.
#define IDR_MAINFRAME 128
// The titles of the three tree bars.
#define IDS_USERS_BAR 129
#define IDS_COMPUTERS_BAR 130
#define IDS_APPLICATIONS_BAR 131
// The context menu registered as "My menu": cut, copy, paste.
#define IDR_MY_MENU 130
#define IDI_USER 154
#define IDI_COMPUTER 155
#define IDI_PROGRAM 157
// The tree bars' own icons.
#define IDI_USERS_BAR 161
#define IDI_APPLICATIONS_BAR 162
#define IDI_COMPUTERS_BAR 163
// The ten frames of the tree's loading animation, an animated cursor.
#define IDC_LOADING 160
// The Options command, which the frame carries.
#define ID_VIEW_OPTIONS 32850
