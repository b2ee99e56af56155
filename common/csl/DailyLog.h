#pragma once
#include <string>

class CRegistryConfig;
class TDebugStream;

// Sets a program's log up from its configuration. With "MakeDebugLog" on, the log writes to
// the day's file in the "Logs\" folder of iDirectory (a path ending in a backslash), made
// when missing; the file is named by iNamePattern through wcsftime (as in
// "Program_%Y_%m_%d.log"), while the folder is taken as it stands, so a '%' in it stays. The
// log's categories are then the letters of "DebugLogCategory", or the default ones when it is
// empty. With "MakeDebugLog" off, the log loses all its writers. Either way lines are stamped.
void ConfigureDailyLog(CRegistryConfig& iConfig, TDebugStream& ioLog, const std::wstring& iDirectory,
                       const wchar_t* iNamePattern);
