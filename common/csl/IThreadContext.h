#pragma once
#include <csl/SmartPtr.h>
#include <csl/TMultiLockEx.h>

// The lock of a pool worker: re-entrant shared/exclusive, full owner list, no notification.
typedef TMultiLockEx<_ml_no_notify, _ml_free_signal_event<_ml_full_owners_list<_ml_interlocked_inner_lock>>>
    TThreadContextLock;

// A pool worker's thread as a job sees it. Its control operations run under its own lock
// taken exclusively; a caller may hold that lock around several of them.
class IThreadContext : public virtual SmartPtrObj, public TThreadContextLock {
public:
    virtual void Interrupt() = 0;
    virtual void Restart() = 0;
    virtual void Suspend() = 0;
    virtual void Resume() = 0;
    virtual void SetPriority(int iPriority) = 0;
    virtual void Start() = 0;
};
