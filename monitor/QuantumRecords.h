#pragma once

#include "ActivityRecord.h"
#include "ForegroundTracker.h"
#include "Quantum.h"

#include <vector>

// The records due at a quantum boundary: those of the quantum that began at periodStart, when
// the quantum now running began at runningPeriod. That is one quantum, unless whole quanta went
// by unwatched (the monitor's one thread waited for the server): the time of that stretch went
// to the program in front, and is spread over the quanta it spans, a quantum's length each,
// so that each keeps a record of its own; what lies in the running quantum stays with the
// program for that quantum.
std::vector<TActivityRecord> TakeQuantumRecords(TForegroundTracker& ioTracker, const TQuantum& iQuantum,
                                                long long iPeriodStart, long long iRunningPeriod);
