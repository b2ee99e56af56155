#include <csl/TDbgHelp.h>

#include <csl/TLockScope.h>
#include <csl/TMutex.h>

#include <tlhelp32.h>

namespace {

const char* const kEntryNames[] = {"SymInitialize",
                                   "SymCleanup",
                                   "SymGetLineFromAddr64",
                                   "SymGetModuleInfo64",
                                   "SymGetSymFromAddr64",
                                   "SymSetOptions",
                                   "SymGetTypeInfo",
                                   "SymSetContext",
                                   "SymEnumSymbols",
                                   "SymFromAddr",
                                   "StackWalk64",
                                   "MiniDumpWriteDump",
                                   "SymFunctionTableAccess64",
                                   "SymGetModuleBase64"};

const DWORD kSymbolOptions = SYMOPT_UNDNAME | SYMOPT_DEFERRED_LOADS;

// Built by the static initialisers, before any thread of the program can throw.
TMutex& gDiagnosticsLock = DiagnosticsLock();

}  // namespace

TMutex& DiagnosticsLock()
{
    static TMutex sLock;
    return sLock;
}

TDbgHelp& TDbgHelp::Instance()
{
    static TDbgHelp sInstance;
    return sInstance;
}

bool TDbgHelp::LoadLibraryAndEntries()
{
    m_Module = LoadLibraryA("dbghelp.dll");
    if (!m_Module)
        return false;
    static_assert(sizeof(kEntryNames) / sizeof(kEntryNames[0]) == kEntryCount, "one name per entry point");
    for (int i = 0; i < kEntryCount; ++i) {
        m_Entries[i] = GetProcAddress(m_Module, kEntryNames[i]);
        if (!m_Entries[i]) {
            FreeLibrary(m_Module);
            m_Module = nullptr;
            return false;
        }
    }
    m_Usable = true;
    return true;
}

void TDbgHelp::InitializeSymbols()
{
    Entry<DWORD(WINAPI*)(DWORD)>(kSymSetOptions)(kSymbolOptions);
    Entry<BOOL(WINAPI*)(HANDLE, PCSTR, BOOL)>(kSymInitialize)(GetCurrentProcess(), nullptr, TRUE);
    m_Snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
}

void TDbgHelp::TakeModuleSnapshot()
{
    HANDLE fresh = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
    if (m_Snapshot != INVALID_HANDLE_VALUE)
        CloseHandle(m_Snapshot);
    m_Snapshot = fresh;
}

bool LoadDbgHelp()
{
    TDbgHelp& dbgHelp = TDbgHelp::Instance();
    TLockScope lock(DiagnosticsLock());
    if (dbgHelp.m_Usable)
        return true;
    if (!dbgHelp.LoadLibraryAndEntries())
        return false;
    dbgHelp.InitializeSymbols();
    return true;
}
