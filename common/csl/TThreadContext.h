#pragma once
#include <csl/IThreadContext.h>
#include <csl/IThreadOwner.h>
#include <csl/TThreadClass.h>

// A pool worker: a thread that runs the jobs its owner hands out until the owner has none.
// It cannot be controlled before its thread runs: it is built holding its own lock
// exclusively for no owner, which the thread gives back first.
class TThreadContext : public IThreadContext, public TThreadClass {
public:
    explicit TThreadContext(const SmartPtr<IThreadOwner>& iOwner);
    ~TThreadContext() override;

    void Interrupt() override;
    void Restart() override;
    void Suspend() override;
    void Resume() override;
    void SetPriority(int iPriority) override;
    void Start() override;

    void Run() override;

    // The worker's current call stack.
    std::string GetDescription() const override;

private:
    void ReleaseStartHold();

    SmartPtr<IThreadOwner> m_Owner;
    volatile LONG m_StartHoldReleased;
};
