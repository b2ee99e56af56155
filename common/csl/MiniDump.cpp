#include <csl/MiniDump.h>

#include <csl/TDbgHelp.h>
#include <csl/TLockScope.h>
#include <csl/TMutex.h>

#include <cstdlib>
#include <cstring>
#include <ctime>

bool DumpsEnabled = false;
MINIDUMP_TYPE DumpType = MiniDumpNormal;

namespace {

typedef NTSTATUS(NTAPI* LdrLockLoaderLockFn)(ULONG, ULONG*, ULONG_PTR*);
typedef NTSTATUS(NTAPI* LdrUnlockLoaderLockFn)(ULONG, ULONG_PTR);

template <class Fn>
Fn NtdllEntry(const char* iName)
{
    HMODULE ntdll = GetModuleHandleA("ntdll");
    return ntdll ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(ntdll, iName))) : nullptr;
}

const LdrLockLoaderLockFn gLdrLockLoaderLock = NtdllEntry<LdrLockLoaderLockFn>("LdrLockLoaderLock");
const LdrUnlockLoaderLockFn gLdrUnlockLoaderLock = NtdllEntry<LdrUnlockLoaderLockFn>("LdrUnlockLoaderLock");

// While the dump is taken no other thread may hold the loader lock or the process heap
// half-changed inside it.
class TDumpQuiescence {
public:
    TDumpQuiescence() : m_Cookie(0), m_LoaderLocked(false), m_Heap(GetProcessHeap()), m_HeapLocked(false)
    {
        if (gLdrLockLoaderLock)
            m_LoaderLocked = gLdrLockLoaderLock(0, nullptr, &m_Cookie) >= 0;
        m_HeapLocked = HeapLock(m_Heap) != FALSE;
    }
    ~TDumpQuiescence()
    {
        if (m_HeapLocked)
            HeapUnlock(m_Heap);
        if (m_LoaderLocked && gLdrUnlockLoaderLock)
            gLdrUnlockLoaderLock(0, m_Cookie);
    }
    TDumpQuiescence(const TDumpQuiescence&) = delete;
    TDumpQuiescence& operator=(const TDumpQuiescence&) = delete;

private:
    ULONG_PTR m_Cookie;
    bool m_LoaderLocked;
    HANDLE m_Heap;
    bool m_HeapLocked;
};

bool WriteDump(HANDLE iFile, EXCEPTION_POINTERS* iPointers, MINIDUMP_TYPE iType)
{
    MINIDUMP_EXCEPTION_INFORMATION info;
    info.ThreadId = GetCurrentThreadId();
    info.ExceptionPointers = iPointers;
    info.ClientPointers = TRUE;
    try {
        TLockScope lock(DiagnosticsLock());
        TDumpQuiescence quiet;
        return TDbgHelp::Instance().MiniDumpWriteDump()(GetCurrentProcess(), GetCurrentProcessId(), iFile, iType,
                                                        iPointers ? &info : nullptr, nullptr, nullptr) != FALSE;
    } catch (...) {
        return false;
    }
}

}  // namespace

bool WriteMiniDumpFile(EXCEPTION_POINTERS* iPointers, const std::string& iFileName, MINIDUMP_TYPE iType)
{
    if (!LoadDbgHelp())
        return false;
    HANDLE file = CreateFileA(iFileName.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = WriteDump(file, iPointers, iType);
    CloseHandle(file);
    if (!written)
        DeleteFileA(iFileName.c_str());
    return written;
}

std::string WriteExceptionMiniDump(EXCEPTION_POINTERS* iPointers)
{
    char path[MAX_PATH];
    __time64_t now = _time64(nullptr);
    struct tm local;
    if (_localtime64_s(&local, &now) != 0 || !strftime(path, sizeof(path), "Dumps\\%Y_%m_%d_%H_%M_%S.dmp", &local))
        return std::string();
    char drive[_MAX_DRIVE], folder[_MAX_DIR], title[_MAX_FNAME], extension[_MAX_EXT];
    _splitpath(path, drive, folder, title, extension);
    std::string name = std::string(drive) + folder;
    CreateDirectoryA(name.c_str(), nullptr);
    if (iPointers) {
        char code[16];
        _ultoa(iPointers->ExceptionRecord->ExceptionCode, code, 16);
        name += _strupr(code);
        name += "_";
    }
    name += std::string(title) + extension;
    if (name.size() >= MAX_PATH || !WriteMiniDumpFile(iPointers, name, DumpType))
        return std::string();
    return name;
}
