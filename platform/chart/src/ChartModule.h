#pragma once
#include <windows.h>

// What the DLL's entry points need to know of the module as a whole.
namespace ChartModule {

HINSTANCE Instance();
void SetInstance(HINSTANCE iInstance);

// Counted objects that are alive and class-object locks: the DLL unloads only when both are 0.
void ObjectCreated();
void ObjectDestroyed();
void Lock(bool iLock);
bool CanUnload();

}  // namespace ChartModule
