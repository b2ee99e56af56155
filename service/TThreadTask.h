#pragma once
#include "IThreadTask.h"

#include <csl/EGeneric.h>
#include <csl/IThreadContext.h>
#include <csl/TEvent.h>

#include <memory>

// The state and control of a task; the derived class's Run does the work between
// MarkStarted and MarkFinished. The task's lock orders the marks and the control operations.
class TThreadTask : public IThreadTask, public TThreadContextLock {
public:
    TThreadTask();
    ~TThreadTask() override;

    bool IsStarted() override;
    bool IsFinished() override;
    bool WaitStarted(DWORD iMilliseconds) override;
    bool WaitFinished(DWORD iMilliseconds) override;
    void Abort() override;
    void Suspend() override;
    void Resume() override;
    void SetPriority(int iPriority) override;
    bool HasFailed() override;
    void RethrowFailure() override;
    bool IsRunning() override;
    void MarkStarted() override;
    void MarkFinished() override;

protected:
    // Binds the task to the worker that runs it.
    void SetContext(const SmartPtr<IThreadContext>& iContext);
    // Keeps a copy of the exception that ended the task, replacing an earlier one.
    void SetFailure(const EGeneric& iFailure);

private:
    // The worker while the task runs on it, under the task's lock; null otherwise.
    SmartPtr<IThreadContext> RunningContext();
    template <class Operation>
    void ControlWorker(Operation iOperation);

    SmartPtr<IThreadContext> m_Context;
    TEvent m_Started;
    TEvent m_Finished;
    std::unique_ptr<EGeneric> m_Failure;
};
