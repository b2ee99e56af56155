#include "ServiceThreadPool.h"

#include <csl/TThreadPool.h>

#include <mutex>

SmartPtr<IThreadPool> GetThreadPool()
{
    static std::mutex sCreation;
    std::lock_guard<std::mutex> lock(sCreation);
    SmartPtr<IThreadPool>& pool = ProcessThreadPool();
    if (!pool)
        pool = TThreadPool::Create(kServicePoolThreads, kServicePoolIdleThreads);
    return pool;
}
