#pragma once
#include <windows.h>

// Owns one Win32 handle; INVALID_HANDLE_VALUE and 0 both mean that none is held.
class THandle {
public:
    THandle() noexcept : m_Handle(INVALID_HANDLE_VALUE) {}
    explicit THandle(HANDLE iHandle) noexcept : m_Handle(iHandle) {}
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    // Never throws: a failed close is logged.
    ~THandle();

    // Closes the handle when one is held; a failing CloseHandle throws ESystemException
    // and leaves the handle held.
    void Close();

    HANDLE GetHandle() const noexcept { return m_Handle; }
    bool IsValid() const noexcept { return m_Handle != INVALID_HANDLE_VALUE && m_Handle != nullptr; }

protected:
    // Takes the result of a creating call; a null result throws ESystemException.
    void TakeCreated(HANDLE iHandle);

    HANDLE m_Handle;
};
