#include "CTableExport.h"

#include <string>

CTableExport::CTableExport(LPCWSTR iPath) : m_bClosed(FALSE), m_Error(0)
{
    SetLastError(0);
    m_stream.open(iPath, std::ios::out | std::ios::trunc);
    if (!m_stream.is_open())
        NoteFailure();
}

CTableExport::~CTableExport() = default;

void CTableExport::WriteText(LPCWSTR iText)
{
    const int length = static_cast<int>(wcslen(iText));
    if (length == 0)
        return;
    const int size = WideCharToMultiByte(CP_UTF8, 0, iText, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, iText, length, &bytes[0], size, nullptr, nullptr);
    m_stream << bytes;
}

BOOL CTableExport::CloseFile()
{
    if (m_stream.is_open()) {
        m_stream.flush();
        if (!m_stream.good())
            NoteFailure();
        m_stream.close();
        if (m_stream.fail())
            NoteFailure();
    }
    m_bClosed = TRUE;
    return m_Error == 0;
}

// The first failure is the one to tell; a failure the system gave no code for is a write fault.
void CTableExport::NoteFailure()
{
    if (m_Error != 0)
        return;
    m_Error = GetLastError();
    if (m_Error == 0)
        m_Error = ERROR_WRITE_FAULT;
}
