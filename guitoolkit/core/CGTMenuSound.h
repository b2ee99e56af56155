// The system's menu sounds, played on one background thread so that the GUI thread never
// waits for the sound device. The GUI thread leaves a request; the thread looks for one
// every 5 ms, plays it and clears it. A request that comes while a sound plays replaces
// the pending one, so at most one sound waits. A stop ends the thread for good.
#pragma once
#include <afxwin.h>
#include <atomic>
#include <mutex>

// What the sound thread needs of the system; tests put their own in place.
class CGTMenuSoundDevice {
public:
    virtual ~CGTMenuSoundDevice() = default;
    // Starts iEntry(iArgument) on a thread of its own below normal priority.
    virtual BOOL StartThread(void (*iEntry)(void*), void* iArgument);
    // Plays a sound of the user's scheme to its end; nothing when the scheme has none.
    virtual void Play(LPCWSTR iAlias);
    // Stops any sound that plays.
    virtual void Purge();
};

class CGTMenuSound {
public:
    enum Request : LONG {
        NoThread = -2,
        Stop = -1,
        Idle = 0,
        MenuCommand = 1,
        MenuPopup = 2
    };

    explicit CGTMenuSound(CGTMenuSoundDevice& iDevice);
    CGTMenuSound(const CGTMenuSound&) = delete;
    CGTMenuSound& operator=(const CGTMenuSound&) = delete;

    // MenuCommand after a menu command is chosen, MenuPopup when a popup menu opens, Stop
    // to end the thread. The first sound starts the thread; a start that fails plays
    // nothing, and the next request tries again.
    void Play(LONG iRequest);
    LONG PendingRequest() const { return m_Request.load(); }

    // The process's sounds, with the system's device.
    static CGTMenuSound& Instance();

private:
    static void ThreadEntry(void* iSound);
    void Run();

    CGTMenuSoundDevice& m_Device;
    std::atomic<LONG> m_Request;
    std::mutex m_StartLock;
};

// The process's menu sound: 1 command chosen, 2 popup opened, -1 stop.
void PlayMenuSound(int iRequest);
