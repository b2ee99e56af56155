#pragma once
#include <windows.h>
#include <dbghelp.h>

#include <csl/SystemUtils.h>

#include <string>

// Dumps of thrown exception objects are written only while this is on; dumps of
// translated structured exceptions are always written. Off at start.
extern bool DumpsEnabled;
// The kind of every dump; MiniDumpNormal at start.
extern MINIDUMP_TYPE DumpType;

// Writes "Dumps\<code>_<local time>.dmp" (without an exception record, no code part),
// relative to the current directory; answers the file name, empty when nothing was written.
std::string WriteExceptionMiniDump(EXCEPTION_POINTERS* iPointers);
// Writes a dump of this process into the named file; a dump that fails leaves no file.
bool WriteMiniDumpFile(EXCEPTION_POINTERS* iPointers, const std::string& iFileName, MINIDUMP_TYPE iType);
