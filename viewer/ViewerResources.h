#pragma once
// Resource ids of the viewer's library: its strings, icons and menus.
#define IDS_OLE_INIT_FAILED 100
// The report view's form.
#define IDD_REPORT_VIEW 101
#define IDS_PROCESS 102
#define IDS_SERVER_NAME_NOT_SET 103
#define IDS_CANNOT_CONNECT 109
#define IDS_ACCESS_DENIED 110
#define IDS_SERVICE_NOT_INSTALLED 111
#define IDS_SERVER_NOT_AVAILABLE 112
// The head of an exported page and the product's address, which exported pages link to.
#define IDS_PAGE_HEAD 104
#define IDS_PRODUCT_ADDRESS 105
#define IDS_CONNECT_FAILED 113
// The document template's string: the names of the program and its document type.
#define IDR_MAINFRAME 128
// The titles of the three tree bars.
#define IDS_USERS_BAR 129
#define IDS_COMPUTERS_BAR 130
#define IDS_APPLICATIONS_BAR 131
// Column captions and captions of the reports, and the chart's point for the rest.
#define IDS_COMPUTER 132
#define IDS_TIME_SPENT 133
#define IDS_KEYBOARD_EVENTS 134
#define IDS_MOUSE_EVENTS 135
#define IDS_OTHERS 136
#define IDS_PROGRAM_NAME 137
#define IDS_PROGRAM_ON_COMPUTER 138
#define IDS_WINDOW_TITLE 139
#define IDS_USER_NAME 140
#define IDS_TITLES_OF_PROGRAM 141
#define IDS_TITLES_BY_USER 142
#define IDS_EXPORT_FAILED 143
#define IDS_SERVER_BUSY 144
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
// The program's icon, which the report view shows until a report sets its own.
#define IDI_MAINFRAME 128
// Controls of the report view.
#define IDC_TITLE_ICON 1042
#define IDC_TITLE 1043
#define IDC_TIME_FROM 1044
#define IDC_TIME_TO 1045
#define IDC_DATE_FROM 1046
#define IDC_DATE_TO 1047
#define IDC_REFRESH 1048
#define IDC_CHART 1049
#define IDC_TODAY 1050
#define IDC_THIS_WEEK 1051
#define IDC_THIS_MONTH 1052
#define IDC_THIS_YEAR 1053
#define IDC_CUSTOM_PERIOD 1054
#define IDC_REPORT_GRID 1234
// The frame's commands.
#define ID_VIEW_CUSTOMIZE 32770
#define ID_VIEW_TOOLBARS 32771
#define ID_VIEW_COMPUTERS_TREE 32792
#define ID_VIEW_USER_TOOLBAR1 32793
#define ID_VIEW_USER_TOOLBAR10 32802
#define ID_VIEW_USERS_TREE 32803
#define ID_VIEW_APPLOOK_WIN_2000 32826
#define ID_VIEW_APPLOOK_OFF_XP 32827
#define ID_VIEW_APPLOOK_OFF_2003 32828
#define ID_VIEW_APPLOOK_WIN_XP 32829
#define ID_VIEW_APPLOOK_VS_2005 32830
#define ID_VIEW_REFRESH 32844
#define ID_VIEW_APPLICATIONS_TREE 32845
#define ID_VIEW_OPTIONS 32850
#define ID_EXPORT_REPORT 32849
// The main menu, the toolbar's context menu, and the toolbar's images: normal, hot, cold.
#define IDR_TOOLBAR_MENU 131
#define IDB_TOOLBAR_HOT 151
#define IDB_TOOLBAR_COLD 152
// The options sheet: its caption, its one category, its icons, and the server page.
#define IDS_TOOLBAR_STANDARD 101
#define IDS_OPTIONS 106
#define IDS_GENERAL 107
#define IDS_FIELD_EMPTY 108
#define IDB_OPTIONS_ICONS 164
#define IDD_SERVER_PAGE 106
#define IDC_SERVER_NAME 1055
// The about box: the vendor's link and the version text.
#define IDD_ABOUTBOX 100
#define IDC_VENDOR_LINK 1041
#define IDC_VERSION 1056
