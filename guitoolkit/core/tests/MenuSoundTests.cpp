#include <guitoolkit/core/CGTMenuSound.h>
#include <gtest/gtest.h>
#include <mutex>
#include <vector>

namespace {
// Starts real threads (or refuses to) and plays by blocking until the test releases it.
class FakeSoundDevice : public CGTMenuSoundDevice {
public:
    FakeSoundDevice()
        : m_Playing(::CreateEventW(nullptr, FALSE, FALSE, nullptr)),
          m_Release(::CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
    }
    ~FakeSoundDevice() override
    {
        Release();
        if (m_Thread != nullptr) {
            ::WaitForSingleObject(m_Thread, 10000);
            ::CloseHandle(m_Thread);
        }
        ::CloseHandle(m_Playing);
        ::CloseHandle(m_Release);
    }

    BOOL StartThread(void (*iEntry)(void*), void* iArgument) override
    {
        ++m_Starts;
        if (m_FailedStarts > 0) {
            --m_FailedStarts;
            return FALSE;
        }
        m_Entry = iEntry;
        m_Argument = iArgument;
        m_Thread = ::CreateThread(nullptr, 0, &Run, this, 0, nullptr);
        return m_Thread != nullptr;
    }
    void Play(LPCWSTR iAlias) override
    {
        {
            std::lock_guard<std::mutex> lock(m_Lock);
            m_Played.push_back(iAlias);
        }
        ::SetEvent(m_Playing);
        ::WaitForSingleObject(m_Release, INFINITE);
    }
    void Purge() override { ++m_Purges; }

    BOOL WaitUntilPlaying() { return ::WaitForSingleObject(m_Playing, 10000) == WAIT_OBJECT_0; }
    void Release() { ::SetEvent(m_Release); }
    BOOL ThreadEnded() { return m_Thread != nullptr && ::WaitForSingleObject(m_Thread, 10000) == WAIT_OBJECT_0; }
    std::vector<CString> Played()
    {
        std::lock_guard<std::mutex> lock(m_Lock);
        return m_Played;
    }

    int m_Starts = 0;
    int m_FailedStarts = 0;
    std::atomic<int> m_Purges{0};

private:
    static DWORD WINAPI Run(void* iDevice)
    {
        FakeSoundDevice* device = static_cast<FakeSoundDevice*>(iDevice);
        device->m_Entry(device->m_Argument);
        return 0;
    }

    HANDLE m_Playing;
    HANDLE m_Release;
    HANDLE m_Thread = nullptr;
    void (*m_Entry)(void*) = nullptr;
    void* m_Argument = nullptr;
    std::mutex m_Lock;
    std::vector<CString> m_Played;
};
}  // namespace

TEST(MenuSound, AStopBeforeTheFirstSoundStartsNoThread)
{
    FakeSoundDevice device;
    CGTMenuSound sound(device);
    sound.Play(CGTMenuSound::Stop);
    EXPECT_EQ(0, device.m_Starts);
    EXPECT_EQ(CGTMenuSound::NoThread, sound.PendingRequest());
}

TEST(MenuSound, AFailedStartPlaysNothingAndTheNextRequestTriesAgain)
{
    FakeSoundDevice device;
    CGTMenuSound sound(device);
    device.m_FailedStarts = 1;
    sound.Play(CGTMenuSound::MenuCommand);
    EXPECT_EQ(1, device.m_Starts);
    EXPECT_EQ(CGTMenuSound::NoThread, sound.PendingRequest());

    sound.Play(CGTMenuSound::MenuPopup);
    EXPECT_EQ(2, device.m_Starts);
    ASSERT_TRUE(device.WaitUntilPlaying());
    EXPECT_EQ(std::vector<CString>{L"MenuPopup"}, device.Played());
    device.Release();
    sound.Play(CGTMenuSound::Stop);
    EXPECT_TRUE(device.ThreadEnded());
}

TEST(MenuSound, AStopSentWhileASoundPlaysIsKeptAndEndsTheThread)
{
    FakeSoundDevice device;
    CGTMenuSound sound(device);
    sound.Play(CGTMenuSound::MenuCommand);
    ASSERT_TRUE(device.WaitUntilPlaying());
    sound.Play(CGTMenuSound::Stop);
    device.Release();

    ASSERT_TRUE(device.ThreadEnded());
    EXPECT_EQ(CGTMenuSound::Stop, sound.PendingRequest());
    EXPECT_EQ(1, device.m_Purges.load());
    EXPECT_EQ(std::vector<CString>{L"MenuCommand"}, device.Played());

    sound.Play(CGTMenuSound::MenuPopup);
    EXPECT_EQ(CGTMenuSound::Stop, sound.PendingRequest());
    EXPECT_EQ(1, device.m_Starts);
}
