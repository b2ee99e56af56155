#pragma once
#include <windows.h>

#include <string>

// Return addresses of one call stack, innermost frame first.
struct TStackCapture {
    enum {
        kMaxFrames = 64
    };

    DWORD Count = 0;
    DWORD64 Frames[kMaxFrames] = {};
};

// Walks a thread's stack into the capture: from the given context (a copy is walked), or,
// without one, from the caller's own position. The first iSkip frames are dropped; a walk from
// the caller's position starts with the caller's frame.
void CaptureStack(TStackCapture& oCapture, const CONTEXT* iContext, HANDLE iThread, unsigned iSkip);
unsigned WalkStack(DWORD64* oFrames, const CONTEXT* iContext, HANDLE iThread, unsigned iSkip, unsigned iMaxFrames);

// "module!symbol+offset" for a code address; parts that cannot be named are left out.
std::string FormatStackFrame(DWORD64 iAddress);
// "file.ext#line", or empty when the line is not known.
std::string FormatSourceLine(DWORD64 iAddress);
// The frame text, with "[file.ext#line]" after it when the line is known.
std::string FormatStackText(DWORD64 iAddress);
// One line "\n-> frame" per address, the outermost caller first.
std::string FormatStackFrames(const DWORD64* iFrames, unsigned iCount);
