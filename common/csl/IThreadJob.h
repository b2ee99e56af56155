#pragma once
#include <csl/SmartPtr.h>

class IThreadContext;

// Work for the thread pool; run once by one worker.
class IThreadJob : public virtual SmartPtrObj {
public:
    virtual void Run(const SmartPtr<IThreadContext>& iContext) = 0;
};
