#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The library as the monitor uses it: loaded at run time, entry points and counters by name.
class InputHooksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        library = LoadLibraryA(ZV_HOOK_DLL);
        ASSERT_NE(nullptr, library) << GetLastError();
        hook = reinterpret_cast<void (*)()>(GetProcAddress(library, "ZorvaneHook"));
        unhook = reinterpret_cast<void (*)()>(GetProcAddress(library, "ZorvaneUnhook"));
        keys = reinterpret_cast<volatile LONG*>(GetProcAddress(library, "KeyEvents"));
        mice = reinterpret_cast<volatile LONG*>(GetProcAddress(library, "MouseEvents"));
        lastInput = reinterpret_cast<volatile DWORD*>(GetProcAddress(library, "LastInputTime"));
        ASSERT_TRUE(hook && unhook && keys && mice && lastInput);
    }
    void TearDown() override
    {
        if (library)
            FreeLibrary(library);
    }

    // Low-level hooks are called through the installing thread's message queue.
    static void Pump()
    {
        for (int i = 0; i < 20; ++i) {
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
            Sleep(10);
        }
    }

    static void SendKey(WORD iKey, DWORD iFlags)
    {
        INPUT input = {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = iKey;
        input.ki.dwFlags = iFlags;
        ASSERT_EQ(1u, SendInput(1, &input, sizeof input));
    }

    static void SendMouseMove(LONG iDx, LONG iDy)
    {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = iDx;
        input.mi.dy = iDy;
        input.mi.dwFlags = MOUSEEVENTF_MOVE;
        ASSERT_EQ(1u, SendInput(1, &input, sizeof input));
    }

    HMODULE library = nullptr;
    void (*hook)() = nullptr;
    void (*unhook)() = nullptr;
    volatile LONG* keys = nullptr;
    volatile LONG* mice = nullptr;
    volatile DWORD* lastInput = nullptr;
};

TEST_F(InputHooksTest, CountsSyntheticInputWhileHooked)
{
    InterlockedExchange(keys, 0);
    InterlockedExchange(mice, 0);
    *lastInput = 0;
    hook();
    SendKey(VK_SHIFT, 0);
    SendKey(VK_SHIFT, KEYEVENTF_KEYUP);
    SendMouseMove(3, 4);
    Pump();
    EXPECT_EQ(2, *keys);
    EXPECT_EQ(1, *mice);
    EXPECT_NE(0u, *lastInput);
    unhook();

    // Once unhooked, input is no longer counted; the monitor reads and resets by exchange.
    EXPECT_EQ(2, InterlockedExchange(keys, 0));
    SendKey(VK_SHIFT, 0);
    SendKey(VK_SHIFT, KEYEVENTF_KEYUP);
    Pump();
    EXPECT_EQ(0, *keys);
}

// Low-level hooks see the input of their own session only, so each session's monitor counts
// that session's input: another process that loads the library sees none of these counts.
TEST_F(InputHooksTest, CountsBelongToTheProcessThatHooked)
{
    hook();
    SendKey(VK_SHIFT, 0);
    SendKey(VK_SHIFT, KEYEVENTF_KEYUP);
    SendMouseMove(1, 1);
    Pump();
    unhook();
    ASSERT_NE(0, *keys);
    ASSERT_NE(0, *mice);

    std::string commandLine = std::string("\"") + ZV_COUNTER_READER + "\" \"" + ZV_HOOK_DLL + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION reader = {};
    ASSERT_TRUE(
        CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &reader));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(reader.hProcess, 30000));
    DWORD counters = ~0u;
    GetExitCodeProcess(reader.hProcess, &counters);
    CloseHandle(reader.hProcess);
    CloseHandle(reader.hThread);
    EXPECT_EQ(0u, counters);  // 1 keys, 2 mice, 4 last input, 8 no library
}

TEST_F(InputHooksTest, HookingTwiceInstallsOnce)
{
    InterlockedExchange(keys, 0);
    hook();
    hook();
    SendKey(VK_CONTROL, 0);
    Pump();
    EXPECT_EQ(1, *keys);
    unhook();
    SendKey(VK_CONTROL, KEYEVENTF_KEYUP);
    Pump();
}

}  // namespace
