#include <csl/SystemUtils.h>
#include <csl/ESystemException.h>
#include <ModulePath.h>
#include <windows.h>

std::wstring GetLocalComputerName()
{
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(name, &size))
        ThrowLastSystemError();
    return std::wstring(name, size);
}

std::wstring GetProgramPath()
{
    const std::wstring path = ModuleFilePath();
    if (path.empty())
        ThrowLastSystemError();
    return path;
}

std::wstring GetProgramDirectory()
{
    const std::wstring folder = ProgramFolder();
    if (folder.empty())
        ThrowLastSystemError();
    return folder;
}

bool IsWindowsXPOrLater()
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version) || version.dwPlatformId != VER_PLATFORM_WIN32_NT)
        return false;
    return version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1);
}

bool CachedIsWindowsXPOrLater()
{
    static const bool sAnswer = IsWindowsXPOrLater();
    return sAnswer;
}

void EnableLowFragmentationHeap()
{
    if (!CachedIsWindowsXPOrLater())
        return;
    // Looked up by name: where an entry point is missing, that step is skipped.
    typedef BOOL(WINAPI * HeapSetInformationFn)(HANDLE, HEAP_INFORMATION_CLASS, PVOID, SIZE_T);
    if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
        auto heapSetInformation = reinterpret_cast<HeapSetInformationFn>(GetProcAddress(kernel, "HeapSetInformation"));
        if (heapSetInformation) {
            ULONG lowFragmentation = 2;
            heapSetInformation(GetProcessHeap(), HeapCompatibilityInformation, &lowFragmentation,
                               sizeof lowFragmentation);
        }
    }
    typedef int(__cdecl * SetSbhThresholdFn)(size_t);
    if (HMODULE crt = GetModuleHandleW(L"msvcrt")) {
        auto setSbhThreshold = reinterpret_cast<SetSbhThresholdFn>(GetProcAddress(crt, "_set_sbh_threshold"));
        if (setSbhThreshold)
            setSbhThreshold(0);
    }
}
