#pragma once
#include <csl/IMultiLockEx.h>
#include <csl/TLockScope.h>

// Holds a shared/exclusive lock shared for the life of the scope.
using TSharedLockScope = TLockScopeTakenBy<IMultiLock, &IMultiLock::LockShared>;
