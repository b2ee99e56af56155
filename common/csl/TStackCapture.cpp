#include <csl/TStackCapture.h>

#include <csl/ContextRegisters.h>
#include <csl/TDbgHelp.h>
#include <csl/TLockScope.h>
#include <csl/TMutex.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

const DWORD kSymbolNameLength = 1960;
const size_t kLongFrame = 80;
const size_t kFrameEnd = 40;

std::string Hex(DWORD64 iValue)
{
    char text[24];
    snprintf(text, sizeof(text), "%llx", static_cast<unsigned long long>(iValue));
    return text;
}

// The module of the snapshot whose range holds the address: its file name up to the
// first point, and its base.
bool FindSnapshotModule(HANDLE iSnapshot, DWORD64 iAddress, std::string& oName, DWORD64& oBase)
{
    MODULEENTRY32 entry;
    entry.dwSize = sizeof(entry);
    if (iSnapshot == INVALID_HANDLE_VALUE || !Module32First(iSnapshot, &entry))
        return false;
    do {
        DWORD64 base = reinterpret_cast<DWORD_PTR>(entry.modBaseAddr);
        if (iAddress >= base && iAddress < base + entry.modBaseSize) {
            char name[MAX_MODULE_NAME32 + 1];
            WideCharToMultiByte(CP_ACP, 0, entry.szModule, -1, name, sizeof(name), nullptr, nullptr);
            oName.assign(name, strcspn(name, "."));
            oBase = base;
            return true;
        }
    } while (Module32Next(iSnapshot, &entry));
    return false;
}

// The module part of a frame; oBase is set only when the module came from the snapshot.
std::string FrameModule(DWORD64 iAddress, DWORD64& oBase, bool& oHasBase)
{
    TDbgHelp& dbgHelp = TDbgHelp::Instance();
    IMAGEHLP_MODULE64 module;
    memset(&module, 0, sizeof(module));
    module.SizeOfStruct = sizeof(module);
    if (dbgHelp.SymGetModuleInfo()(GetCurrentProcess(), iAddress, &module))
        return module.ModuleName;
    std::string name;
    for (int pass = 0; pass < 2; ++pass) {
        oHasBase = FindSnapshotModule(dbgHelp.ModuleSnapshot(), iAddress, name, oBase);
        dbgHelp.TakeModuleSnapshot();
        if (oHasBase)
            break;
    }
    return name;
}

std::string Shortened(const std::string& iText)
{
    if (iText.size() <= kLongFrame)
        return iText;
    return iText.substr(0, kFrameEnd) + ".." + iText.substr(iText.size() - kFrameEnd);
}

// The frames of the capture itself that can precede its caller's: at most these many.
const unsigned kOwnFramesLimit = 4;

// Walks from the context; when iCallerPc is set, the frames before the one that returns to it
// are dropped first. Those are the walk's own: their number depends on inlining and on how the
// debugging help library reports the first frame, so they are found by address, not counted.
unsigned Walk(DWORD64* oFrames, CONTEXT& ioContext, HANDLE iThread, DWORD64 iCallerPc, unsigned iSkip,
              unsigned iMaxFrames)
{
    STACKFRAME64 frame;
    memset(&frame, 0, sizeof(frame));
    frame.AddrPC.Offset = InstructionPointer(ioContext);
    frame.AddrPC.Mode = AddrModeFlat;
    frame.AddrFrame.Offset = FramePointer(ioContext);
    frame.AddrFrame.Mode = AddrModeFlat;
    frame.AddrStack.Offset = StackPointer(ioContext);
    frame.AddrStack.Mode = AddrModeFlat;
    TDbgHelp& dbgHelp = TDbgHelp::Instance();
    DWORD64 frames[kOwnFramesLimit + TStackCapture::kMaxFrames * 2];
    const unsigned limit =
        std::min<unsigned>(iSkip + iMaxFrames + (iCallerPc ? kOwnFramesLimit : 0), sizeof(frames) / sizeof(frames[0]));
    unsigned walked = 0;
    unsigned first = 0;
    for (; walked < limit; ++walked) {
        BOOL stepped;
        {
            TLockScope lock(DiagnosticsLock());
            stepped = dbgHelp.StackWalk64()(kContextMachine, GetCurrentProcess(), iThread, &frame, &ioContext, nullptr,
                                            dbgHelp.SymFunctionTableAccess(), dbgHelp.SymGetModuleBase(), nullptr);
        }
        if (!stepped)
            break;
        frames[walked] = frame.AddrPC.Offset;
        if (iCallerPc && walked < kOwnFramesLimit && frame.AddrPC.Offset == iCallerPc)
            first = walked;
    }
    unsigned stored = 0;
    for (unsigned i = first + iSkip; i < walked && stored < iMaxFrames; ++i)
        oFrames[stored++] = frames[i];
    return stored;
}

}  // namespace

unsigned WalkStack(DWORD64* oFrames, const CONTEXT* iContext, HANDLE iThread, unsigned iSkip, unsigned iMaxFrames)
{
    if (!LoadDbgHelp())
        return 0;
    CONTEXT context;
    if (iContext)
        context = *iContext;
    else
        RtlCaptureContext(&context);
    return Walk(oFrames, context, iThread, 0, iSkip, iMaxFrames);
}

// Never inlined: its return address marks where its caller's frames begin.
__attribute__((noinline)) void CaptureStack(TStackCapture& oCapture, const CONTEXT* iContext, HANDLE iThread,
                                            unsigned iSkip)
{
    oCapture.Count = 0;
    if (!LoadDbgHelp())
        return;
    CONTEXT context;
    DWORD64 callerPc = 0;
    if (iContext) {
        context = *iContext;
    } else {
        RtlCaptureContext(&context);
        callerPc = reinterpret_cast<DWORD_PTR>(__builtin_return_address(0));
    }
    oCapture.Count = Walk(oCapture.Frames, context, iThread, callerPc, iSkip, TStackCapture::kMaxFrames);
}

std::string FormatStackFrame(DWORD64 iAddress)
{
    if (!LoadDbgHelp())
        return std::string();
    TLockScope lock(DiagnosticsLock());
    DWORD64 base = 0;
    bool hasBase = false;
    std::string text = FrameModule(iAddress, base, hasBase) + "!";

    union {
        IMAGEHLP_SYMBOL64 symbol;
        char room[sizeof(IMAGEHLP_SYMBOL64) + kSymbolNameLength];
    } buffer;
    memset(&buffer, 0, sizeof(buffer));
    buffer.symbol.SizeOfStruct = sizeof(IMAGEHLP_SYMBOL64);
    buffer.symbol.MaxNameLength = kSymbolNameLength;
    DWORD64 displacement = 0;
    if (TDbgHelp::Instance().SymGetSymFromAddr()(GetCurrentProcess(), iAddress, &displacement, &buffer.symbol)) {
        if (buffer.symbol.Flags & SYMFLAG_EXPORT)
            return text + "+" + Hex(hasBase ? iAddress - base : iAddress) + "<" + buffer.symbol.Name + "+" +
                Hex(displacement) + ">";
        text += buffer.symbol.Name;
    } else if (hasBase) {
        displacement = iAddress - base;
    } else {
        text += "0x" + Hex(iAddress);
    }
    if (displacement)
        text += "+" + Hex(displacement);
    return text;
}

std::string FormatSourceLine(DWORD64 iAddress)
{
    if (!LoadDbgHelp())
        return std::string();
    TLockScope lock(DiagnosticsLock());
    IMAGEHLP_LINE64 line;
    memset(&line, 0, sizeof(line));
    line.SizeOfStruct = sizeof(line);
    DWORD displacement = 0;
    if (!TDbgHelp::Instance().SymGetLineFromAddr()(GetCurrentProcess(), iAddress, &displacement, &line) ||
        !line.FileName)
        return std::string();
    const char* name = line.FileName;
    for (const char* p = line.FileName; *p; ++p)
        if (*p == '\\' || *p == '/')
            name = p + 1;
    return std::string(name) + "#" + std::to_string(line.LineNumber);
}

std::string FormatStackText(DWORD64 iAddress)
{
    std::string frame = FormatStackFrame(iAddress);
    std::string line = FormatSourceLine(iAddress);
    if (line.empty())
        return frame;
    return Shortened(frame) + "[" + line + "]";
}

std::string FormatStackFrames(const DWORD64* iFrames, unsigned iCount)
{
    std::string text;
    if (!LoadDbgHelp())
        return text;
    try {
        for (unsigned i = 0; i < iCount; ++i)
            text.insert(0, "\n-> " + FormatStackText(iFrames[i]));
    } catch (...) {
    }
    return text;
}
