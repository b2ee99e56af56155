#pragma once
// Resource ids of the viewer's library: its strings and its tree icons.
#define IDS_OLE_INIT_FAILED 100
#define IDS_SERVER_NAME_NOT_SET 103
#define IDS_CANNOT_CONNECT 109
#define IDS_ACCESS_DENIED 110
#define IDS_SERVICE_NOT_INSTALLED 111
#define IDS_SERVER_NOT_AVAILABLE 112
#define IDS_CONNECT_FAILED 113
#define IDI_USER 154
#define IDI_COMPUTER 155
#define IDI_PROGRAM 157
// The ten frames of the tree's loading animation, an animated cursor.
#define IDC_LOADING 160
// The Options command, which the frame carries.
#define ID_VIEW_OPTIONS 32850
