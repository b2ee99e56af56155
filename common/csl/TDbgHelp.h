#pragma once
#include <windows.h>
#include <dbghelp.h>

#include <string>

class TMutex;

// The process-wide state of the debugging help library, which is loaded on first need and
// never unloaded. The library is single-threaded: every call into it is made under
// DiagnosticsLock(). Symbols are initialised once and kept for the life of the process:
// initialising them reads every module's debugging information, which takes over a second
// under Wine, far too long to pay for every exception that records its stack.
class TDbgHelp {
public:
    typedef BOOL(WINAPI* SymGetLineFromAddrFn)(HANDLE, DWORD64, PDWORD, PIMAGEHLP_LINE64);
    typedef BOOL(WINAPI* SymGetModuleInfoFn)(HANDLE, DWORD64, PIMAGEHLP_MODULE64);
    typedef BOOL(WINAPI* SymGetSymFromAddrFn)(HANDLE, DWORD64, PDWORD64, PIMAGEHLP_SYMBOL64);
    typedef BOOL(WINAPI* StackWalk64Fn)(DWORD, HANDLE, HANDLE, LPSTACKFRAME64, PVOID, PREAD_PROCESS_MEMORY_ROUTINE64,
                                        PFUNCTION_TABLE_ACCESS_ROUTINE64, PGET_MODULE_BASE_ROUTINE64,
                                        PTRANSLATE_ADDRESS_ROUTINE64);
    typedef BOOL(WINAPI* MiniDumpWriteDumpFn)(HANDLE, DWORD, HANDLE, MINIDUMP_TYPE, PMINIDUMP_EXCEPTION_INFORMATION,
                                              PMINIDUMP_USER_STREAM_INFORMATION, PMINIDUMP_CALLBACK_INFORMATION);

    static TDbgHelp& Instance();

    SymGetLineFromAddrFn SymGetLineFromAddr() const { return Entry<SymGetLineFromAddrFn>(kSymGetLineFromAddr); }
    SymGetModuleInfoFn SymGetModuleInfo() const { return Entry<SymGetModuleInfoFn>(kSymGetModuleInfo); }
    SymGetSymFromAddrFn SymGetSymFromAddr() const { return Entry<SymGetSymFromAddrFn>(kSymGetSymFromAddr); }
    StackWalk64Fn StackWalk64() const { return Entry<StackWalk64Fn>(kStackWalk64); }
    PFUNCTION_TABLE_ACCESS_ROUTINE64 SymFunctionTableAccess() const
    {
        return Entry<PFUNCTION_TABLE_ACCESS_ROUTINE64>(kSymFunctionTableAccess);
    }
    PGET_MODULE_BASE_ROUTINE64 SymGetModuleBase() const { return Entry<PGET_MODULE_BASE_ROUTINE64>(kSymGetModuleBase); }
    MiniDumpWriteDumpFn MiniDumpWriteDump() const { return Entry<MiniDumpWriteDumpFn>(kMiniDumpWriteDump); }

    // The toolhelp module list taken when symbols were initialised; TakeModuleSnapshot
    // replaces it with a fresh one (for modules loaded since).
    HANDLE ModuleSnapshot() const { return m_Snapshot; }
    void TakeModuleSnapshot();

private:
    friend bool LoadDbgHelp();

    enum EntryIndex {
        kSymInitialize,
        kSymCleanup,
        kSymGetLineFromAddr,
        kSymGetModuleInfo,
        kSymGetSymFromAddr,
        kSymSetOptions,
        kSymGetTypeInfo,
        kSymSetContext,
        kSymEnumSymbols,
        kSymFromAddr,
        kStackWalk64,
        kMiniDumpWriteDump,
        kSymFunctionTableAccess,
        kSymGetModuleBase,
        kEntryCount
    };

    TDbgHelp() = default;
    template <class Fn>
    Fn Entry(EntryIndex iIndex) const
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(m_Entries[iIndex]));
    }

    bool LoadLibraryAndEntries();
    void InitializeSymbols();

    HMODULE m_Module = nullptr;
    bool m_Usable = false;
    FARPROC m_Entries[kEntryCount] = {};
    HANDLE m_Snapshot = INVALID_HANDLE_VALUE;
};

// The one lock of every call into the debugging help library and of the dump writer.
TMutex& DiagnosticsLock();

// Loads the debugging help library and its symbols on first call; answers whether it is
// usable. Every user of the library calls it first.
bool LoadDbgHelp();
