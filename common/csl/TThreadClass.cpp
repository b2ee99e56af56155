#include <csl/TThreadClass.h>

#include <csl/AlertableWait.h>
#include <csl/ESystemException.h>
#include <csl/EThreadInterrupt.h>
#include <csl/TDebugStream.h>
#include <csl/TSeTranslatorGuard.h>
#include <csl/TStackCapture.h>
#include <csl/ThreadInterrupt.h>

#include <process.h>

namespace {

const DWORD kDestroyWait = 1000;

unsigned __stdcall ThreadEntry(void* iThread)
{
    TSeTranslatorGuard guard;
    static_cast<TThreadClass*>(iThread)->RunGuarded();
    return 0;
}

std::string CurrentStackText()
{
    TStackCapture capture;
    CaptureStack(capture, nullptr, GetCurrentThread(), 0);
    return FormatStackFrames(capture.Frames, capture.Count);
}

}  // namespace

TThreadClass::~TThreadClass()
{
    if (!IsValid())
        return;
    try {
        Stop(kDestroyWait);
    } catch (const std::exception& e) {
        DebugLog() << "(!) Thread not stopped: " << e << "\n";
    }
}

void TThreadClass::Start()
{
    const uintptr_t handle = _beginthreadex(nullptr, 0, &ThreadEntry, this, 0, nullptr);
    if (!handle)
        ThrowLastSystemError();
    Close();
    m_Handle = reinterpret_cast<HANDLE>(handle);
}

bool TThreadClass::WaitForEnd(DWORD iMilliseconds)
{
    for (;;) {
        const TWaitOutcome outcome = WaitAlertable(m_Handle, iMilliseconds);
        if (outcome != TWaitOutcome::Woken)
            return outcome == TWaitOutcome::Signalled;
    }
}

void TThreadClass::Stop(DWORD iMilliseconds)
{
    if (!WaitForEnd(iMilliseconds) && !TerminateThread(m_Handle, 0))
        ThrowLastSystemError();
}

void TThreadClass::Suspend()
{
    if (SuspendThread(m_Handle) == static_cast<DWORD>(-1))
        ThrowLastSystemError();
}

void TThreadClass::Resume()
{
    if (ResumeThread(m_Handle) == static_cast<DWORD>(-1))
        ThrowLastSystemError();
}

void TThreadClass::SetPriority(int iPriority)
{
    if (!SetThreadPriority(m_Handle, iPriority))
        ThrowLastSystemError();
}

void TThreadClass::QueueInterrupt()
{
    if (!QueueUserAPC(&ThreadInterruptCall, m_Handle, 0))
        ThrowLastSystemError();
}

void TThreadClass::Interrupt(DWORD iWait, DWORD iStop)
{
    if (WaitForEnd(iWait))
        return;
    QueueInterrupt();
    Stop(iStop);
}

// Another thread's context is copied while it is suspended and walked after it runs again:
// walking takes locks and allocates, and the suspended thread might hold those.
std::string TThreadClass::GetStackText()
{
    if (GetThreadId(m_Handle) == GetCurrentThreadId())
        return CurrentStackText();
    if (SuspendThread(m_Handle) == static_cast<DWORD>(-1))
        return std::string();
    CONTEXT context;
    context.ContextFlags = CONTEXT_FULL;
    const bool haveContext = GetThreadContext(m_Handle, &context) != FALSE;
    ResumeThread(m_Handle);
    if (!haveContext)
        return std::string();
    TStackCapture capture;
    CaptureStack(capture, &context, m_Handle, 0);
    return FormatStackFrames(capture.Frames, capture.Count);
}

void TThreadClass::RunGuarded()
{
    try {
        Run();
    } catch (const EThreadInterrupt&) {
        return;
    } catch (...) {
        LogRunaway();
        OnRunaway();
    }
}

void TThreadClass::LogRunaway()
{
    try {
        throw;
    } catch (const std::exception& e) {
        DebugLog() << "(!) Thread runaway with exception " << e << "\n";
    } catch (...) {
        DebugLog() << "(!) Thread runaway with unknown exception\n";
    }
}
