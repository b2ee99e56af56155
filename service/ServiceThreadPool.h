#pragma once
#include <csl/IThreadPool.h>

// The service's pool: at most 50 threads, at least 1 idle one kept. Each watched monitor
// holds a thread for its whole life, and the notification window one more.
enum {
    kServicePoolThreads = 50,
    kServicePoolIdleThreads = 1
};

// Created on the first call from any thread; after ShutdownProcessThreadPool the next call
// creates a new one.
SmartPtr<IThreadPool> GetThreadPool();
