#include <guitoolkit/core/CGTMenuSound.h>
#include <mmsystem.h>
#include <process.h>

BOOL CGTMenuSoundDevice::StartThread(void (*iEntry)(void*), void* iArgument)
{
    const uintptr_t thread = ::_beginthread(iEntry, 0, iArgument);
    if (thread == 0 || thread == static_cast<uintptr_t>(-1))
        return FALSE;
    ::SetThreadPriority(reinterpret_cast<HANDLE>(thread), THREAD_PRIORITY_BELOW_NORMAL);
    return TRUE;
}

void CGTMenuSoundDevice::Play(LPCWSTR iAlias)
{
    ::PlaySoundW(iAlias, nullptr, SND_ALIAS | SND_NODEFAULT | SND_NOWAIT);
}

void CGTMenuSoundDevice::Purge()
{
    ::PlaySoundW(nullptr, nullptr, SND_PURGE);
}

CGTMenuSound::CGTMenuSound(CGTMenuSoundDevice& iDevice) : m_Device(iDevice), m_Request(NoThread) {}

CGTMenuSound& CGTMenuSound::Instance()
{
    // Never destroyed: the sound thread may still look for requests while the process ends.
    static CGTMenuSound& sound = *new CGTMenuSound(*new CGTMenuSoundDevice);
    return sound;
}

void CGTMenuSound::Play(LONG iRequest)
{
    const LONG current = m_Request.load();
    if (current == Stop)
        return;
    if (current != NoThread) {
        m_Request.store(iRequest);
        return;
    }
    if (iRequest == Stop)
        return;
    std::lock_guard<std::mutex> lock(m_StartLock);
    if (m_Request.load() == NoThread && m_Device.StartThread(&CGTMenuSound::ThreadEntry, this))
        m_Request.store(iRequest);
}

void CGTMenuSound::ThreadEntry(void* iSound)
{
    static_cast<CGTMenuSound*>(iSound)->Run();
}

void CGTMenuSound::Run()
{
    for (LONG request = m_Request.load(); request != Stop; request = m_Request.load()) {
        if (request == MenuCommand || request == MenuPopup) {
            m_Device.Play(request == MenuCommand ? L"MenuCommand" : L"MenuPopup");
            // Only the request just played is cleared: one that came meanwhile, a stop
            // above all, stays for the next round.
            m_Request.compare_exchange_strong(request, Idle);
        }
        ::Sleep(5);
    }
    m_Device.Purge();
}

void PlayMenuSound(int iRequest)
{
    CGTMenuSound::Instance().Play(iRequest);
}
