#include "TMonitorWatches.h"

#include <csl/ESystemException.h>
#include <csl/TDebugStream.h>
#include <csl/THandle.h>
#include <csl/TLockScope.h>

#include <algorithm>

struct TMonitorWatches::TWatch {
    TWatch(TMonitorWatches& iOwner, const PROCESS_INFORMATION& iProcess, DWORD iSession)
        : owner(iOwner), process(iProcess.hProcess), thread(iProcess.hThread), threadId(iProcess.dwThreadId),
          session(iSession)
    {
    }

    TMonitorWatches& owner;
    THandle process;
    THandle thread;
    DWORD threadId;
    DWORD session;
    HANDLE wait = nullptr;
};

namespace {

// The monitors' last calls come into the service's apartment while it waits: they are served.
// A thread outside COM waits plainly.
bool WaitServing(HANDLE iObject, DWORD iMilliseconds)
{
    DWORD index = 0;
    const HRESULT result = CoWaitForMultipleHandles(0, iMilliseconds, 1, &iObject, &index);
    if (result == CO_E_NOTINITIALIZED)
        return WaitForSingleObject(iObject, iMilliseconds) == WAIT_OBJECT_0;
    return result == S_OK;
}

}  // namespace

TMonitorWatches::TMonitorWatches(TEnded iEnded, DWORD iPatience) : m_Ended(std::move(iEnded)), m_Patience(iPatience) {}

// A wait left registered would call into a freed object; the monitors themselves are left.
TMonitorWatches::~TMonitorWatches()
{
    TakeAll();
}

void TMonitorWatches::Watch(const PROCESS_INFORMATION& iProcess, DWORD iSession)
{
    std::unique_ptr<TWatch> watch(new TWatch(*this, iProcess, iSession));
    TLockScope lock(m_Lock);
    if (m_Ending) {
        lock.Unlock();
        TWatchList late;
        late.push_back(std::move(watch));
        End(late);
        return;
    }
    if (!RegisterWaitForSingleObject(&watch->wait, watch->process.GetHandle(), OnProcessEnded, watch.get(), INFINITE,
                                     WT_EXECUTEONLYONCE))
        ThrowLastSystemError();
    m_Watches.push_back(std::move(watch));
}

void CALLBACK TMonitorWatches::OnProcessEnded(void* iWatch, BOOLEAN)
{
    TWatch* watch = static_cast<TWatch*>(iWatch);
    try {
        std::unique_ptr<TWatch> ended = watch->owner.TakeEnded(watch);
        // Pending, as it is called from its own callback: the system frees it on return.
        if (ended)
            UnregisterWait(ended->wait);
    } catch (const std::exception& failure) {
        DebugLog() << "(!) Exception in TMonitorWatches::OnProcessEnded " << failure << "\n";
    } catch (...) {
        DebugLog() << "(!) Unknown exception in TMonitorWatches::OnProcessEnded\n";
    }
}

std::unique_ptr<TMonitorWatches::TWatch> TMonitorWatches::TakeEnded(TWatch* iWatch)
{
    TLockScope lock(m_Lock);
    auto found = std::find_if(m_Watches.begin(), m_Watches.end(),
                              [&](const std::unique_ptr<TWatch>& iEach) { return iEach.get() == iWatch; });
    if (found == m_Watches.end())
        return nullptr;
    std::unique_ptr<TWatch> ended = std::move(*found);
    m_Watches.erase(found);
    m_Ended(ended->session, ended->process.GetHandle());
    return ended;
}

// Once the list is taken, no callback reports a monitor: each wait is undone, waiting for a
// callback already under way.
TMonitorWatches::TWatchList TMonitorWatches::TakeAll()
{
    TWatchList watches;
    {
        TLockScope lock(m_Lock);
        m_Ending = true;
        watches.swap(m_Watches);
    }
    for (const std::unique_ptr<TWatch>& watch : watches)
        UnregisterWaitEx(watch->wait, INVALID_HANDLE_VALUE);
    return watches;
}

void TMonitorWatches::EndAll()
{
    End(TakeAll());
}

// Asked as a session's end asks it, a monitor reports the quantum under way and its backlog and
// ends. The message goes to its one thread, not to its window: a window on another desktop is
// not found from here.
void TMonitorWatches::End(const TWatchList& iWatches)
{
    for (const std::unique_ptr<TWatch>& watch : iWatches) {
        DebugLog() << "Asking the process for session " << watch->session << " to end...\n";
        PostThreadMessageW(watch->threadId, WM_CLOSE, 0, 0);
    }
    const DWORD start = GetTickCount();
    for (const std::unique_ptr<TWatch>& watch : iWatches) {
        const DWORD spent = GetTickCount() - start;
        if (WaitServing(watch->process.GetHandle(), spent < m_Patience ? m_Patience - spent : 0))
            continue;
        DebugLog() << "Terminating process for session " << watch->session << "...\n";
        TerminateProcess(watch->process.GetHandle(), 0);
    }
}
