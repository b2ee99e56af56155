// The debugger output written while the object lives: OutputDebugString raises an exception
// that a vectored handler sees first. The OLE tests use it too.
#pragma once
#include <afx.h>
#include <string>

class CDebugOutputCapture {
public:
    CDebugOutputCapture();
    ~CDebugOutputCapture();
    CDebugOutputCapture(const CDebugOutputCapture&) = delete;
    CDebugOutputCapture& operator=(const CDebugOutputCapture&) = delete;

    std::wstring Text() const { return s_text; }

private:
    static LONG CALLBACK Handler(PEXCEPTION_POINTERS pInfo);
    static std::wstring s_text;
    void* m_hHandler;
};
