#pragma once
#include <csl/IThreadJob.h>

class TThreadContext;

// What a pool worker asks for work: the next job, or none when the worker is to end.
class IThreadOwner : public virtual SmartPtrObj {
public:
    virtual SmartPtr<IThreadJob> GetNextJob(const SmartPtr<TThreadContext>& iWorker) = 0;
};
