#pragma once

#include <windows.h>

#include <string>

// A failure inside the scaffolding: the HRESULT that the boundary answers and the text that
// tells the operator what went wrong.
class CAtlException {
public:
    CAtlException(HRESULT hr, std::wstring message) : m_hr(hr), m_message(std::move(message)) {}

    HRESULT Result() const { return m_hr; }
    const std::wstring& Message() const { return m_message; }

    // A Win32 error code as the HRESULT, with the system's text for it after the message.
    static CAtlException FromWin32(DWORD error, const std::wstring& message);
    static CAtlException FromHResult(HRESULT hr, const std::wstring& message);

private:
    HRESULT m_hr;
    std::wstring m_message;
};
