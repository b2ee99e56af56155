// The docking module's part of the toolkit's start-up: the core's hooks into it (the owner of
// a floating mini frame, what choosing a look asks of docking) and the run-time classes that
// saved layouts name. The docking classes reach it from their own files, so it is linked
// into every program that uses them.
#pragma once
#include <afxwin.h>

// Installs the hooks; later calls do nothing. TRUE.
BOOL RegisterDockingModule();
