#pragma once
// The service's name, also its display name.
#define IDS_SERVICENAME 100
