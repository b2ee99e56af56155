#pragma once
#include <csl/IThreadJob.h>

#include <windows.h>

// A pool job whose start and end can be waited for, and which can be aborted, suspended,
// resumed and re-prioritised while a worker runs it.
class IThreadTask : public IThreadJob {
public:
    virtual bool IsStarted() = 0;
    virtual bool IsFinished() = 0;
    // False when the time ran out.
    virtual bool WaitStarted(DWORD iMilliseconds) = 0;
    virtual bool WaitFinished(DWORD iMilliseconds) = 0;
    // Ends the task: a running one by interrupting its worker, one not yet started by
    // marking it finished, so that it does nothing when the pool comes to it.
    virtual void Abort() = 0;
    virtual void Suspend() = 0;
    virtual void Resume() = 0;
    virtual void SetPriority(int iPriority) = 0;
    virtual bool HasFailed() = 0;
    // Throws a copy of the exception that ended the task.
    virtual void RethrowFailure() = 0;
    virtual bool IsRunning() = 0;
    virtual void MarkStarted() = 0;
    virtual void MarkFinished() = 0;
};
