#pragma once
#include <csl/IThreadPool.h>

// The service's pool: at most 50 threads, at least 1 idle one kept. The notification window
// holds one for its whole life; a monitor's start and restart hold one only while they run.
enum {
    kServicePoolThreads = 50,
    kServicePoolIdleThreads = 1
};

// Created on the first call from any thread; after ShutdownProcessThreadPool the next call
// creates a new one.
SmartPtr<IThreadPool> GetThreadPool();
