#pragma once
#include <csl/THandle.h>

#include <string>

// Empty interface base of the library's threads.
class TThread {
public:
    virtual ~TThread() = default;
};

// One Win32 thread whose body is Run. Exceptions that escape the body are logged as
// runaways; EThreadInterrupt ends it quietly. Structured exceptions of the thread are
// translated into EStructuredException.
class TThreadClass : public TThread, public THandle {
public:
    TThreadClass() = default;
    // Waits up to 1,000 ms for the thread to end, then terminates it.
    ~TThreadClass() override;

    virtual void Run() = 0;
    virtual void Start();
    // Waits up to the time for the thread's end, then terminates it.
    virtual void Stop(DWORD iMilliseconds);
    virtual void Suspend();
    virtual void Resume();
    virtual void SetPriority(int iPriority);
    // Waits up to iWait for the thread's end; when it still runs, queues the interrupt call
    // into it and stops it with iStop.
    virtual void Interrupt(DWORD iWait, DWORD iStop);
    // The thread's current call stack, empty when it cannot be read.
    virtual std::string GetStackText();
    // Called after an escaped exception has been logged.
    virtual void OnRunaway() {}
    virtual void RunGuarded();

protected:
    // True when the thread has ended within the time (alertable); a failed wait throws.
    bool WaitForEnd(DWORD iMilliseconds);
    void QueueInterrupt();
    // Logs the exception being handled as a runaway; called inside a catch block.
    static void LogRunaway();
};
