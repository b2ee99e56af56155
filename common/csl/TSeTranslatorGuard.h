#pragma once
#include <windows.h>

// Makes the calling thread turn structured exceptions (access violations and the like)
// raised in its own code into EStructuredException, thrown at the faulting instruction.
// Threads without a guard are not translated. Its destruction restores nothing.
class TSeTranslatorGuard {
public:
    TSeTranslatorGuard();
};

// Builds the EStructuredException of a structured exception and throws it.
[[noreturn]] void TranslateStructuredException(unsigned int iCode, EXCEPTION_POINTERS* iPointers);

// Registers the process's vectored handler that translates for guarded threads; run by a
// static initialiser, removed at exit. Answers whether a handler is registered.
bool InstallVectoredHandler();
