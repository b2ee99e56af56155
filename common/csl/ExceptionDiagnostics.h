#pragma once
#include <windows.h>

class EGeneric;

// The crash diagnostics that every EGeneric records: "Stack" at its creation, and for a
// structured exception "AddressName", "Stack" of the faulting thread and a dump ("MiniDump").
void AttachCreationDiagnostics(EGeneric& ioException);
void AttachStructuredDiagnostics(EGeneric& ioException, EXCEPTION_POINTERS* iPointers);

// Plugs the two into EGeneric; run by a static initialiser. Answers true.
bool InstallExceptionDiagnostics();
