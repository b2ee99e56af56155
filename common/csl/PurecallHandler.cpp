#include <csl/PurecallHandler.h>

#include <csl/EPurecallException.h>

void PurecallHandler()
{
    throw EPurecallException();
}

// Replaces the runtime's version, which aborts the process.
extern "C" void __cxa_pure_virtual()
{
    PurecallHandler();
}
