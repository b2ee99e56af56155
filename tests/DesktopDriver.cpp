// zvdriver: plays a user at the desktop. Opens two of Wine's own programs, brings them to the
// foreground in turn and types into them, until the time is up or the named event is set.
//   zvdriver.exe SECONDS [STOP-EVENT-NAME]
// Prints one line at the end: the programs driven, the foreground switches and the keys sent.
#include "ProcessWindows.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct TProgram {
    const wchar_t* name;
    PROCESS_INFORMATION process;
    HWND window;
};

bool Start(TProgram& ioProgram, HANDLE iJob)
{
    std::wstring commandLine = ioProgram.name;
    STARTUPINFOW startup{sizeof(startup)};
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &startup,
                        &ioProgram.process)) {
        std::fwprintf(stderr, L"zvdriver: cannot start %ls (%lu)\n", ioProgram.name, GetLastError());
        return false;
    }
    AssignProcessToJobObject(iJob, ioProgram.process.hProcess);
    ResumeThread(ioProgram.process.hThread);
    ioProgram.window = WaitForProcessWindow(ioProgram.process.dwProcessId, nullptr, TRUE, 30);
    if (!ioProgram.window)
        std::fwprintf(stderr, L"zvdriver: %ls shows no window\n", ioProgram.name);
    return ioProgram.window != nullptr;
}

INPUT Key(WORD iVirtualKey, wchar_t iCharacter, bool iUp)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = iVirtualKey;
    input.ki.wScan = iCharacter;
    input.ki.dwFlags = (iCharacter ? KEYEVENTF_UNICODE : 0) | (iUp ? KEYEVENTF_KEYUP : 0);
    return input;
}

// Types the text (characters) or presses the virtual key, and moves the mouse a little.
unsigned Type(const std::wstring& iText, WORD iVirtualKey, int iStep)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : iText) {
        inputs.push_back(Key(0, c, false));
        inputs.push_back(Key(0, c, true));
    }
    if (iVirtualKey) {
        inputs.push_back(Key(iVirtualKey, 0, false));
        inputs.push_back(Key(iVirtualKey, 0, true));
    }
    INPUT mouse{};
    mouse.type = INPUT_MOUSE;
    mouse.mi.dx = (iStep % 2) ? 3 : -3;
    mouse.mi.dy = 1;
    mouse.mi.dwFlags = MOUSEEVENTF_MOVE;
    inputs.push_back(mouse);
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2 || std::wcstol(argv[1], nullptr, 10) <= 0) {
        std::fwprintf(stderr, L"usage: zvdriver SECONDS [STOP-EVENT-NAME]\n");
        return 2;
    }
    const ULONGLONG end = GetTickCount64() + 1000ull * std::wcstol(argv[1], nullptr, 10);
    HANDLE stop = argc > 2 ? CreateEventW(nullptr, TRUE, FALSE, argv[2]) : nullptr;

    // The programs end with the driver, however it ends.
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));

    TProgram programs[] = {{L"notepad.exe", {}, nullptr}, {L"regedit.exe", {}, nullptr}};
    int status = 0;
    for (TProgram& program : programs)
        if (!Start(program, job))
            status = 1;

    unsigned switches = 0, keys = 0;
    for (int step = 0; status == 0 && GetTickCount64() < end; ++step) {
        TProgram& program = programs[step % 2];
        if (SetForegroundWindow(program.window))
            ++switches;
        Sleep(100);
        keys += program.window == programs[0].window ? Type(L"zorvane ", 0, step) : Type(L"", VK_DOWN, step);
        if (stop && WaitForSingleObject(stop, 900) == WAIT_OBJECT_0)
            break;
        if (!stop)
            Sleep(900);
    }

    for (TProgram& program : programs)
        if (program.process.hProcess) {
            TerminateProcess(program.process.hProcess, 0);
            WaitForSingleObject(program.process.hProcess, 10000);
            CloseHandle(program.process.hProcess);
            CloseHandle(program.process.hThread);
        }
    CloseHandle(job);
    std::wprintf(L"zvdriver: notepad.exe and regedit.exe, %u foreground switches, %u keys\n", switches, keys);
    return status;
}
