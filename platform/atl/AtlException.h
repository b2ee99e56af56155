#pragma once

#include <windows.h>

#include <string>

// A failure inside the scaffolding: the HRESULT that the boundary answers and the text that
// tells the operator what went wrong.
class CAtlException {
public:
    CAtlException(HRESULT iHr, std::wstring iMessage) : m_Result(iHr), m_Message(std::move(iMessage)) {}

    HRESULT Result() const { return m_Result; }
    const std::wstring& Message() const { return m_Message; }

    // A Win32 error code as the HRESULT, with the system's text for it after the message.
    static CAtlException FromWin32(DWORD iError, const std::wstring& iMessage);
    static CAtlException FromHResult(HRESULT iHr, const std::wstring& iMessage);

private:
    HRESULT m_Result;
    std::wstring m_Message;
};
