#pragma once

// Throws EPurecallException. A call of a pure virtual function ends up here: g++'s hook
// for it (__cxa_pure_virtual) is defined by the library.
[[noreturn]] void PurecallHandler();
